# Counting sorts of coordinate lists, duplicate merging, row-to-column scatter, bucket sort.
import numpy as np
import pytest

from support.alloclimit import run_capped
from support.buffers import arr, f64, i32, i64
from support.kernels import kernel as k
from support.worked import run, table


def starts(subs, n):
    return np.concatenate([[0], np.cumsum(np.bincount(subs, minlength=n))]).astype(np.int64)


@pytest.mark.parametrize("seed", range(8))
def test_coordinate_sorts_merges_and_column_scatter_match_numpy(seed):
    rng, s = np.random.default_rng(seed), [1, 2, -1, 3][seed % 4]
    nrows, ncols, nnz = (int(x) for x in rng.integers(1, [7, 7, 40]))
    subi, subj = (rng.integers(0, m, size=nnz).astype(np.int32) for m in (nrows, ncols))
    val, si, sj = rng.integers(-4, 5, size=nnz).astype(float), i32(subi, s), i32(subj, -s)  # exact sums
    # Two-slot counts (87 counts both), starts from entry 2, entries by column, then by row within.
    cptrb, rptrb, both = i64([0] * (ncols + 2), s), i64([0] * (nrows + 2), -s), i64([0] * (ncols + 2))
    cols, rows = i32([0] * nnz, s), i32([0] * nnz, -s)
    k(95)(cptrb, nnz, sj)
    k(98)(nnz, rptrb, si)
    k([87, 91][seed % 2])(both, nnz, rptrb, si, sj)  # the rows counted twice
    assert list(both) == list(cptrb) == list(np.bincount(subj + 2, minlength=ncols + 2))
    assert list(rptrb) == list(2 * np.bincount(subi + 2, minlength=nrows + 2))
    rptrb[2:] //= 2
    k([89, 93, 96][seed % 3])(cptrb, ncols)
    k(97)(cols, cptrb, nnz, sj)
    k([88, 92, 99][seed % 3])(nrows, rptrb)
    k(100)(cols, cptrb, ncols, rows, rptrb, si)
    assert list(cols) == list(np.argsort(subj, kind="stable")) and list(rows) == list(np.lexsort((subj, subi)))
    assert list(cptrb[:-1]) == list(starts(subj, ncols)) and list(rptrb[:-1]) == list(starts(subi, nrows))
    # Duplicates merged after entries already on the targets; the caller writes the first.
    coords, inv = np.unique(np.stack([subi, subj], axis=1), axis=0, return_inverse=True)
    init, pos = (int(v) for v in rng.integers([-3, 0], [4, 4]))
    assert k(101)(nnz, init, rows, i32(subi), i32(subj, -s)) == init + len(coords) - 1
    t = [a([-5] * (pos + len(coords) + 2), st) for a, st in ((i32, s), (i32, -s), (f64, 1))]
    for a, v in zip(t, (subi, subj, val)):
        a[pos] = v[rows[0]]
    assert k(102)(pos + 1, nnz, rows, i32(subi, s), i32(subj), *t, f64(val, -s)) == pos + len(coords)
    for a, want in zip(t, (*coords.T, np.bincount(inv.ravel(), weights=val))):  # zero sums stay
        assert list(a) == [-5] * pos + list(want) + [-5] * 2
    # The row-sorted list into column order, each column's entries by row.
    itype, order, cursor = [np.int64, np.int32][seed % 2], np.argsort(subj[rows], kind="stable"), i64(starts(subj, ncols))
    t = [arr([-5] * (nnz + 1), itype, s), arr([-5] * (nnz + 1), itype), f64([-5] * (nnz + 1), -s)]
    k([90, 94][seed % 2])(cursor, nrows, i64(starts(subi, nrows), s), i32(subj[rows], -s), *t, f64(val[rows], s))
    for a, v in zip(t, (subi, subj, val)):
        assert list(a) == list(v[rows][order]) + [-5]
    assert list(cursor) == list(starts(subj, ncols)[1:]) + [nnz]


# Prefix sums from entry 2 (entries 0, 1 and past n kept); 77 with an empty block: all in bucket 0.
ROWS = [(88, dict(n=4, rptrb=[5, 1, 2, 3, 4, 9]), None, dict(rptrb=[5, 1, 3, 6, 10, 9])),
        (89, dict(cptrb=[5, 1, 2], n=1), None, dict(cptrb=[5, 1, 2])),
        (77, dict(d0=3, d1=0, d2=3, perm=[1, 0], ptrb=[9] * 10, val=[5, 4]), None, dict(perm=[1, 0], ptrb=[2] * 10)),
        (77, dict(d0=3, d1=3, d2=0, perm=[1, 0], ptrb=[9] * 2, val=[5, 4]), None, dict(perm=[1, 0]))]


@table(ROWS)
def test_worked_examples(number, args, result, after, stride):
    run(number, args, result, after, stride)


@pytest.mark.parametrize("seed", range(10))
def test_bucket_sort_is_stable_and_leaves_bucket_ends(seed):
    rng, stride = np.random.default_rng(seed), [1, -2][seed % 2]
    d0, d1, d2 = (int(x) for x in rng.integers(1, 5, size=3))
    n = int(rng.integers(0, 40))
    val = rng.integers(0, d0 * d1 * d2, size=n)
    perm = np.concatenate([rng.permutation(n), np.arange(n, n + int(rng.integers(0, 3)))])  # the tail stays
    q = (val[perm[:n]] // (d1 * d2)) * d2 + val[perm[:n]] % d2
    p, ptrb = i64(perm, stride), i64(rng.integers(-9, 9, size=d0 * d2 + 1), stride)
    k(77)(d0, d1, d2, p, ptrb, i64(val, -stride))
    assert list(p) == list(perm[:n][np.argsort(q, kind="stable")]) + list(perm[n:])
    assert list(ptrb) == list(np.cumsum(np.bincount(q, minlength=d0 * d2))) + [n]  # bucket ends


def test_bucket_sort_counts_only_what_both_val_and_perm_hold():
    perm, ptrb = i64([1, 3]), i64([-1] * 9)  # val has 4 entries, perm 2: two are sorted
    k(77)(1, 1, 8, perm, ptrb, i64([5, 4, 3, 2]))
    assert list(perm) == [3, 1] and list(ptrb) == [0, 0, 1, 1, 2, 2, 2, 2, 2]


def test_bucket_sort_scratch_failure_raises_memory_error_and_writes_nothing():
    # A zero-stride perm of 2**27 entries costs no memory, but its scratch copy needs 1 GiB.
    done = run_capped("""
        import numpy as np, fragments
        cell, ptrb = np.full(1, 3, np.int64), np.full(2, 7, np.int64)
        perm = np.lib.stride_tricks.as_strided(cell, shape=(2**27,), strides=(0,), writeable=True)
        cap_address_space()
        try:
            fragments._c_closure_77(1, 1, 1, perm, ptrb, np.zeros(0, np.int64))
        except MemoryError:
            print("ok" if (ptrb == 7).all() and cell[0] == 3 else "written")
    """)
    assert done.stdout.strip() == "ok", done.stderr
