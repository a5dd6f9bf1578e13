"""Order and range checks, distinct variables, index sets and tables, constant runs, interleaving."""
import numpy as np
import pytest

import fragments as F
from support.buffers import JUNK, f64, i32, i64

J32 = JUNK[np.int32]


def objects(items):
    a = np.empty(len(items), dtype=object)
    a[:] = items
    return a


def int_table(rows, cols, values=None, step=1):
    view = np.full((rows * step, cols * step), J32, dtype=np.int32)[::step, ::step][:rows, :cols]
    if values is not None:
        view[...] = values
    return view


@pytest.mark.parametrize("seed", range(3))
def test_order_and_range_checks_agree_with_numpy(seed):
    rng = np.random.default_rng(seed)
    for _ in range(40):
        n = int(rng.integers(0, 7))
        v = rng.integers(0, 5, size=n)
        v = np.sort(v) if rng.random() < 0.5 else v
        rows, cols = rng.integers(0, 3, size=n), rng.integers(0, 3, size=n)
        if rng.random() < 0.5:
            order = np.lexsort((cols, rows))
            rows, cols = rows[order], cols[order]
        keys = list(zip(rows.tolist(), cols.tolist()))
        assert F._c_closure_205(i32(rows, 3), i32(cols), 7, n) is (n > 0 and keys == sorted(keys))
        size = int(rng.integers(1, 10))
        w = rng.integers(-1, size + 1, size=n)
        shape = rng.integers(1, 4, size=int(rng.integers(1, 4)))
        idxs = rng.integers(-1, shape + 1, size=(n, len(shape)))
        m = int(rng.integers(0, len(shape) + 1))  # only the first m columns are checked
        bad = bool(np.any((idxs[:, :m] < 0) | (idxs[:, :m] >= shape[:m])))
        for flag in (0, 1):
            assert F._c_closure_207(flag, n, i64(v, -2)) is (bool(flag) and (n <= 1 or bool(np.all(np.diff(v) > 0))))
            out = bool(flag) or bool(np.any((w < 0) | (w >= size)))
            assert F._c_closure_252(flag, i64(w, 2), size) is out and F._c_closure_255(i64(w, -1), size, flag) is out
            assert F._c_closure_253(int_table(n, len(shape), idxs, 2), m, i32(shape), flag) is (bool(flag) or bad)


@pytest.mark.parametrize("seed", range(4))
def test_distinct_variables_match_numpy_unique(seed):
    rng = np.random.default_rng(seed)
    n = int(rng.integers(1, 30)) if seed else 4
    varidxs = rng.integers(1, 12, size=n) if seed else np.array([5, 2, 5, 9])
    perm = np.argsort(varidxs, kind="stable" if seed % 2 else "quicksort")
    distinct = np.unique(varidxs)
    assert F._c_closure_208(n, 1, i64(perm, 2), i64(varidxs, -3)) == len(distinct)
    assert F._c_closure_208(n, 0, i64(perm), i64(varidxs)) == len(distinct) - 1
    pos = int(rng.integers(0, 5))
    out = i32([J32] * (pos + n + 2), -2)
    out[pos] = varidxs[perm[0]] - 1  # the caller writes the first one
    end = F._c_closure_209(pos + 1, n, i64(perm, -1), i64(varidxs, 2), out)
    assert list(out) == [J32] * pos + list(distinct - 1) + [J32] * (n + 2 - len(distinct))
    assert end == pos + len(distinct)


def test_index_sets_tables_row_indexes_constant_runs_and_term_counts():
    r = i32([J32] * 6, 2)
    F._c_closure_235(r, i32([3, 1, 4], -2))
    F._c_closure_236(r, i32([3, 1, 4], -2), i32([1, 5], 3))
    assert list(r) == [3, 1, 4, 1, 5, J32]
    F._c_closure_236(r, None, i32([9]))  # no first set: the second goes first
    assert r[0] == 9
    t, u = int_table(4, 3, step=2), int_table(2, 4, step=2)
    F._c_closure_246(t, i32([5, 6, 7], -1))
    F._c_closure_247(u, i32([8, 9], 2))
    assert t.tolist() == [[5, J32, J32], [6, J32, J32], [7, J32, J32], [J32] * 3]
    assert u.tolist() == [[8, 9, J32, J32], [J32] * 4]
    rng = np.random.default_rng(202)
    for _ in range(3):
        counts = rng.integers(0, 4, size=int(rng.integers(0, 8)))
        ptrb, off = np.concatenate([[0], np.cumsum(counts)]), int(rng.integers(0, 4))
        out = i32([J32] * (off + int(ptrb[-1]) + 1), 2)
        F._c_closure_202(len(counts), off, i64(ptrb, -1), out)
        assert list(out) == [J32] * off + list(np.repeat(np.arange(len(counts)), counts)) + [J32]
    a, b = rng.normal(size=6), rng.normal(size=6)
    for kernel in (F._c_closure_201, F._c_closure_203):
        bfix = f64(a, -2)
        kernel(bfix, f64(b, 3), 4)
        np.testing.assert_array_equal(bfix, np.concatenate([a[:4] + b[:4], a[4:]]))
    bfix, res = f64(a), f64([0.0] * 6, 2)
    F._c_closure_203(bfix, None, 6)
    F._c_closure_204(f64(a, -1), 5, res)
    F._c_closure_204(f64(b), 5, None)
    F._c_closure_204(None, 5, res)
    np.testing.assert_array_equal(bfix, a)
    np.testing.assert_array_equal(res, np.concatenate([a[:5], [0.0]]))
    counts = rng.integers(0, 5, size=10)
    wi32 = i32(np.concatenate([[J32] * 3, [0], np.cumsum(counts)]), -2)
    idxs = rng.integers(0, 10, size=7)
    assert F._c_closure_256(i64(idxs, 2), 3, 4, wi32) == 4 + counts[idxs].sum()
    assert F._c_closure_256(i64([]), 3, 4, wi32) == 4


def test_the_pick_count_gives_a_negative_index_no_terms_as_the_pick_does():
    wi32 = i32([5, 7])  # element 0 has 2 terms; ptr[-1] would be outside the run
    assert F._c_closure_256(i64([-1, 0, -3]), 0, 1, wi32) == 1 + 2


def test_interleaving_matches_a_column_stack():
    rng = np.random.default_rng(0)
    for nd in range(3):
        shape = rng.integers(1, 4, size=nd)  # nd 0: a scalar shape, one entry per list
        P, L = int(np.prod(shape)), int(rng.integers(1, 5))
        cols = [rng.integers(-50, 50, size=P + 1) for _ in range(L)]
        nat = i32([J32] * (P * L + 1), 2)
        lists = objects([i32(c, int(rng.choice([1, 2, -3]))) for c in cols])
        F._c_closure_217(L, nat, nd, lists, i32(shape, -1))
        assert list(nat) == list(np.column_stack(cols)[:P].ravel()) + [J32]


def test_interleaving_refuses_missing_lists_and_writes_nothing():
    # A list it would read that is None, missing from a shorter nidxlist, or no nidxlist at all.
    lists = [objects([i32([1, 2]), None, i32([5, 6])]), objects([i32([1, 2]), i32([3, 4])])[:1], None]
    for nidxlist in lists:
        nat = i32([J32] * 6)
        with pytest.raises(ValueError, match="Invalid array shape or type for argument 'nidxlist'"):
            F._c_closure_217(len(lists[0]), nat, 1, nidxlist, i32([2]))
        assert list(nat) == [J32] * 6
    # Lists past nlists are not read; no entries (nlists or the size product not positive) need no list.
    nat = i32([J32] * 4)
    F._c_closure_217(2, nat, 1, objects([i32([1, 2]), "skipped", i32([3, 4]), "skipped", None])[::2], i32([2]))
    assert list(nat) == [1, 3, 2, 4]
    for nlists, resshape in ((0, [2]), (1, [0, 3]), (1, [2, -1]), (1, [65536, 65536])):  # the last wraps to 0
        nat = i32([J32] * 2)
        F._c_closure_217(nlists, nat, len(resshape), None, i32(resshape))
        assert list(nat) == [J32] * 2
