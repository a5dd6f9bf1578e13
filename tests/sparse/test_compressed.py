"""Counting sorts of coordinate lists, duplicate merging, row-to-column scatter, bucket sort."""
import numpy as np
import pytest

import fragments as F
from support.alloclimit import run_capped
from support.buffers import JUNK, f64, i32, i64
from support.layout import k

PREFIX_ROWS, PREFIX_COLS = [88, 92, 99], [89, 93, 96]  # aliases, picked in turn


def random_coordinates(rng, nrows, ncols, nnz):
    """Unsorted triplets with repeated coordinates and small integer values (exact sums)."""
    return (rng.integers(0, nrows, size=nnz).astype(np.int32), rng.integers(0, ncols, size=nnz).astype(np.int32),
            rng.integers(-4, 5, size=nnz).astype(np.float64))


def starts(subs, n):
    return np.concatenate([[0], np.cumsum(np.bincount(subs, minlength=n))]).astype(np.int64)


@pytest.mark.parametrize("seed", range(8))
def test_coordinate_sort_distinct_count_and_merge(seed):
    rng = np.random.default_rng(seed)
    if seed == 0:
        nrows = ncols = 2
        subi, subj, val = np.array([1, 0, 1, 0], np.int32), np.array([0, 1, 0, 0], np.int32), np.array([1.5, 2, 4, 8])
    else:
        nrows, ncols = (int(x) for x in rng.integers(1, 7, size=2))
        subi, subj, val = random_coordinates(rng, nrows, ncols, int(rng.integers(1, 40)))
    nnz, stride = len(subi), [1, 2, -1, 3][seed % 4]
    si, sj = i32(subi, stride), i32(subj, -stride)
    # Count columns, pointers, entries by column; count rows, pointers, entries by row.
    cptrb, both = i64(np.zeros(ncols + 2), stride), i64(np.arange(ncols + 2), 3)
    rptrb, cols, rows = i64(np.zeros(nrows + 2), -stride), i32(np.zeros(nnz), stride), i32(np.zeros(nnz), -stride)
    k(95)(cptrb, nnz, sj)
    k(98)(nnz, rptrb, si)
    k([87, 91][seed % 2])(both, nnz, rptrb, si, sj)  # adds to both counts
    assert list(rptrb) == list(2 * np.bincount(subi + 2, minlength=nrows + 2))
    assert list(both) == list(np.arange(ncols + 2) + np.bincount(subj + 2, minlength=ncols + 2))
    rptrb[2:] //= 2
    k(PREFIX_COLS[seed % 3])(cptrb, ncols)
    k(97)(cols, cptrb, nnz, sj)
    assert list(cols) == list(np.argsort(subj, kind="stable"))
    assert list(cptrb[:ncols + 1]) == list(starts(subj, ncols))
    k(PREFIX_ROWS[seed % 3])(nrows, rptrb)
    k(100)(cols, cptrb, ncols, rows, rptrb, si)
    assert list(rptrb[:nrows + 1]) == list(starts(subi, nrows))
    assert list(rows) == list(np.lexsort((subj, subi)))  # by row, column, input position

    coords = np.unique(np.stack([subi, subj], axis=1), axis=0)
    init = int(rng.integers(-3, 4))
    assert k(101)(nnz, init, rows, i32(subi), i32(subj, -stride)) == init + len(coords) - 1
    # Merged output appended after entries already on the targets; the caller writes the first.
    start = int(rng.integers(0, 4))
    pad, size = ([-5] * start, [-5] * 2), start + len(coords) + 2
    tsubi, tsubj, tval = i32(np.full(size, -5), stride), i32(np.full(size, -5), -stride), f64(np.full(size, -5.0))
    tsubi[start], tsubj[start], tval[start] = subi[rows[0]], subj[rows[0]], val[rows[0]]
    pos = k(102)(start + 1, nnz, rows, i32(subi, stride), i32(subj), tsubi, tsubj, tval, f64(val, -stride))
    assert pos == start + len(coords)
    dense = np.zeros((nrows, ncols))
    np.add.at(dense, (subi, subj), val)
    assert list(tsubi) == pad[0] + list(coords[:, 0]) + pad[1] and list(tsubj) == pad[0] + list(coords[:, 1]) + pad[1]
    assert list(tval) == pad[0] + list(dense[coords[:, 0], coords[:, 1]]) + pad[1]  # zero sums stay


@pytest.mark.parametrize("number", PREFIX_ROWS + PREFIX_COLS)
def test_prefix_sums_start_at_entry_two(number):
    counts = np.random.default_rng(number).integers(-3, 9, size=7)
    for n in range(7):
        p, want = i64(counts, 2), counts.copy()
        k(number)(*((n, p) if number in PREFIX_ROWS else (p, n)))
        want[2:n + 1] = np.cumsum(counts[1:n + 1])[1:]
        assert list(p) == list(want)


@pytest.mark.parametrize("number, itype", [(90, np.int64), (94, np.int32)])
@pytest.mark.parametrize("seed", range(4))
def test_row_compressed_to_column_order(number, itype, seed):
    rng = np.random.default_rng(200 + seed)
    nrows, ncols = (int(x) for x in rng.integers(1, 7, size=2))
    subi, subj, _ = random_coordinates(rng, nrows, ncols, int(rng.integers(0, 30)))
    by_row = np.argsort(subi, kind="stable")  # some rows stay empty
    subi, subj, val = subi[by_row], subj[by_row], rng.normal(size=len(subi))
    nnz, stride, junk = len(subj), 2 if seed % 2 else -1, JUNK[itype]
    cptrb = i64(np.zeros(ncols + 2), stride)
    k(95)(cptrb, nnz, i32(subj))
    k(89)(cptrb, ncols)
    tsubi, tsubj = np.full(2 * nnz + 2, junk, itype)[::stride][:nnz + 1], np.full(nnz + 1, junk, itype)
    tval = f64(np.full(nnz + 1, 7.0), -stride)
    k(number)(cptrb[1:], nrows, i64(starts(subi, nrows), stride), i32(subj, -stride), tsubi, tsubj, tval,
              f64(val, stride))
    order = np.argsort(subj, kind="stable")  # by column, within one by row
    assert list(tsubi) == list(subi[order]) + [junk] and list(tsubj) == list(subj[order]) + [junk]
    assert list(tval) == list(val[order]) + [7.0]
    assert list(cptrb[:ncols + 1]) == list(starts(subj, ncols))


@pytest.mark.parametrize("seed", range(10))
@pytest.mark.parametrize("stride", [1, -2])
def test_bucket_sort_is_stable_and_leaves_bucket_ends(seed, stride):
    rng = np.random.default_rng(seed)
    d0, d1, d2 = (int(x) for x in rng.integers(1, 5, size=3))
    if seed == 0:  # v = 7 is (1, 0, 1): bucket 3; v = 4 is (0, 2, 0): bucket 0
        (d0, d1, d2), val, perm = (2, 3, 2), np.array([7, 4, 6]), np.arange(3)
    else:
        n = int(rng.integers(0, 40))
        val = rng.integers(0, d0 * d1 * d2, size=n)
        perm = np.concatenate([rng.permutation(n), np.arange(n, n + int(rng.integers(0, 3)))])  # tail stays
    n = len(val)
    q = (val[perm[:n]] // (d1 * d2)) * d2 + val[perm[:n]] % d2
    want = perm.copy()
    want[:n] = perm[:n][np.argsort(q, kind="stable")]
    p, ptrb = i64(perm, stride), i64(rng.integers(-9, 9, size=d0 * d2 + 1), stride)
    F._c_closure_77(d0, d1, d2, p, ptrb, i64(val, -stride))
    assert list(p) == list(want)
    assert list(ptrb) == list(np.cumsum(np.bincount(q, minlength=d0 * d2))) + [n]  # bucket ends


def test_bucket_sort_counts_only_what_both_val_and_perm_hold():
    perm, ptrb = i64([1, 3]), i64([-1] * 9)  # val has 4 entries, perm 2: two are sorted
    F._c_closure_77(1, 1, 8, perm, ptrb, i64([5, 4, 3, 2]))
    assert list(perm) == [3, 1] and list(ptrb) == [0, 0, 1, 1, 2, 2, 2, 2, 2]


def test_bucket_sort_of_an_empty_block_and_scratch_failure():
    for d1, d2 in [(0, 3), (3, 0), (0, 0)]:  # no division by zero
        perm = np.array([1, 0], dtype=np.int64)
        F._c_closure_77(3, d1, d2, perm, np.zeros(3 * max(d2, 1) + 2, np.int64), np.array([5, 4], np.int64))
        assert sorted(perm) == [0, 1]
    # A zero-stride perm of 2**27 entries costs no memory, but its scratch copy needs 1 GiB.
    done = run_capped("""
        import numpy as np, fragments
        cell = np.full(1, 3, np.int64)
        perm = np.lib.stride_tricks.as_strided(cell, shape=(2**27,), strides=(0,), writeable=True)
        ptrb = np.full(2, 7, np.int64)
        try:
            cap_address_space()
            fragments._c_closure_77(1, 1, 1, perm, ptrb, np.zeros(0, np.int64))
        except MemoryError:
            assert (ptrb == 7).all() and cell[0] == 3
            print("ok")
    """)
    assert done.stdout.strip() == "ok", done.stderr
