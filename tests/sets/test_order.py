"""Order checks, index lists and coefficient buffers."""
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
    big = np.full((rows * step, cols * step), J32, dtype=np.int32)
    view = big[::step, ::step][:rows, :cols]
    if values is not None:
        view[...] = np.asarray(values, dtype=np.int32).reshape(rows, cols)
    return view


# --- worked examples --------------------------------------------------------------------------

def test_worked_examples():
    assert F._c_closure_207(1, 2, i64([3, 3])) is False
    assert F._c_closure_207(1, 2, i64([3, 4])) is True
    assert F._c_closure_205(i32([0, 0, 1]), i32([1, 1, 0]), 0, 3) is True
    assert F._c_closure_205(i32([0, 0]), i32([2, 1]), 0, 2) is False
    varidxs, perm = i64([5, 2, 5, 9]), i64([1, 0, 2, 3])
    out = i32([-1] * 4)
    assert F._c_closure_209(1, 4, perm, varidxs, out) == 3
    assert list(out) == [-1, 4, 8, -1]
    assert F._c_closure_208(4, 1, perm, varidxs) == 3
    r = i32([-1] * 3)
    F._c_closure_236(r, None, i32([4, 5]))
    assert list(r) == [4, 5, -1]
    res = f64([1.0])
    F._c_closure_204(None, 1, res)
    assert list(res) == [1.0]
    nat = i32([0] * 6)
    F._c_closure_217(2, nat, 1, objects([i32([1, 2, 3]), i32([7, 8, 9])]), i32([3]))
    assert list(nat) == [1, 7, 2, 8, 3, 9]


# --- order checks -----------------------------------------------------------------------------

@pytest.mark.parametrize("seed", range(4))
def test_strict_increase_and_buffer_order_agree_with_references(seed):
    rng = np.random.default_rng(seed)
    for _ in range(50):
        n = int(rng.integers(0, 7))
        v = rng.integers(0, 5, size=n)
        if rng.random() < 0.5:
            v = np.sort(v)
        for flag in (0, 1):
            expect = bool(flag) if n <= 1 or not flag else bool(np.all(np.diff(v) > 0))
            assert F._c_closure_207(flag, n, i64(v, -2)) is expect
        rows, cols = rng.integers(0, 3, size=n), rng.integers(0, 3, size=n)
        if rng.random() < 0.5:
            order = np.lexsort((cols, rows))
            rows, cols = rows[order], cols[order]
        keys = list(zip(rows.tolist(), cols.tolist()))
        expect = n > 0 and keys == sorted(keys)
        assert F._c_closure_205(i32(rows, 3), i32(cols), 7, n) is expect


@pytest.mark.parametrize("seed", range(3))
def test_range_checks_set_the_error_flag(seed):
    rng = np.random.default_rng(seed)
    for _ in range(40):
        size = int(rng.integers(1, 10))
        v = rng.integers(-1, size + 1, size=int(rng.integers(0, 6)))
        for flag in (0, 1):
            expect = bool(flag) or bool(np.any((v < 0) | (v >= size)))
            assert F._c_closure_252(flag, i64(v, 2), size) is expect
            assert F._c_closure_255(i64(v, -1), size, flag) is expect
        nd = int(rng.integers(1, 4))
        shape = rng.integers(1, 4, size=nd)
        rows = int(rng.integers(0, 5))
        idxs = rng.integers(-1, shape + 1, size=(rows, nd))
        n = int(rng.integers(0, nd + 1))  # only the first n columns are checked
        bad = bool(np.any((idxs[:, :n] < 0) | (idxs[:, :n] >= shape[:n])))
        for flag in (0, 1):
            assert F._c_closure_253(int_table(rows, nd, idxs, 2), n, i32(shape), flag) is (bool(flag) or bad)


# --- distinct variables of a sorted list ------------------------------------------------------

@pytest.mark.parametrize("seed", range(4))
def test_distinct_variables_match_numpy_unique(seed):
    rng = np.random.default_rng(seed)
    n = int(rng.integers(1, 30))
    varidxs = rng.integers(1, 12, size=n)
    perm = np.argsort(varidxs, kind="stable" if seed % 2 else "quicksort")
    distinct = np.unique(varidxs)
    assert F._c_closure_208(n, 1, i64(perm, 2), i64(varidxs, -3)) == len(distinct)
    assert F._c_closure_208(n, 0, i64(perm), i64(varidxs)) == len(distinct) - 1
    pos = int(rng.integers(0, 5))
    out = i32([J32] * (pos + n + 2), -2)
    out[pos] = varidxs[perm[0]] - 1  # the caller writes the first one
    end = F._c_closure_209(pos + 1, n, i64(perm, -1), i64(varidxs, 2), out)
    assert end == pos + len(distinct)
    assert list(out[pos:end]) == list(distinct - 1)
    assert (out[:pos] == J32).all() and (out[end:] == J32).all()


# --- index sets, index tables, row indexes ----------------------------------------------------

def test_concatenating_two_sets():
    set1, set2 = i32([3, 1, 4], -2), i32([1, 5], 3)
    r = i32([J32] * 6, 2)
    F._c_closure_235(r, set1)
    F._c_closure_236(r, set1, set2)
    assert list(r) == [3, 1, 4, 1, 5, J32]


@pytest.mark.parametrize("step", [1, 2])
def test_first_column_and_first_row_of_an_index_table(step):
    t = int_table(4, 3, step=step)
    F._c_closure_246(t, i32([5, 6, 7], -1))
    assert t[:3, 0].tolist() == [5, 6, 7] and (t[3, :] == J32).all() and (t[:, 1:] == J32).all()
    t = int_table(2, 4, step=step)
    F._c_closure_247(t, i32([8, 9], 2))
    assert t[0].tolist() == [8, 9, J32, J32] and (t[1] == J32).all()


@pytest.mark.parametrize("seed", range(3))
def test_row_pointers_expand_to_row_indexes(seed):
    rng = np.random.default_rng(seed)
    counts = rng.integers(0, 4, size=int(rng.integers(0, 8)))
    ptrb = np.concatenate([[0], np.cumsum(counts)])
    off = int(rng.integers(0, 4))
    out = i32([J32] * (off + int(ptrb[-1]) + 1), 2)
    F._c_closure_202(len(counts), off, i64(ptrb, -1), out)
    assert list(out[off:off + ptrb[-1]]) == list(np.repeat(np.arange(len(counts)), counts))
    assert (out[:off] == J32).all() and out[-1] == J32


# --- constant-term runs -----------------------------------------------------------------------

def test_adding_and_copying_constant_runs():
    rng = np.random.default_rng(0)
    a, b = rng.normal(size=6), rng.normal(size=6)
    for kernel in (F._c_closure_201, F._c_closure_203):
        bfix = f64(a, -2)
        kernel(bfix, f64(b, 3), 4)
        np.testing.assert_array_equal(bfix, np.concatenate([a[:4] + b[:4], a[4:]]))
    bfix = f64(a)
    F._c_closure_203(bfix, None, 6)
    np.testing.assert_array_equal(bfix, a)
    res = f64([0.0] * 6, 2)
    F._c_closure_204(f64(a, -1), 5, res)
    np.testing.assert_array_equal(res, np.concatenate([a[:5], [0.0]]))
    F._c_closure_204(f64(b), 5, None)


# --- term counts of picked elements -----------------------------------------------------------

def test_term_counts_of_picked_elements():
    rng = np.random.default_rng(5)
    counts = rng.integers(0, 5, size=10)
    ptr = np.concatenate([[0], np.cumsum(counts)])
    base = 3
    wi32 = i32(np.concatenate([[J32] * base, ptr]), -2)
    idxs = rng.integers(0, 10, size=7)
    assert F._c_closure_256(i64(idxs, 2), base, 4, wi32) == 4 + counts[idxs].sum()
    assert F._c_closure_256(i64([]), base, 4, wi32) == 4


# --- interleaving index lists -----------------------------------------------------------------

@pytest.mark.parametrize("seed", range(3))
def test_interleaving_matches_a_column_stack(seed):
    rng = np.random.default_rng(seed)
    shape = rng.integers(1, 4, size=int(rng.integers(0, 3)))
    P = int(np.prod(shape))
    L = int(rng.integers(1, 5))
    cols = [rng.integers(-50, 50, size=P) for _ in range(L)]
    lists = objects([i32(c, int(rng.choice([1, 2, -3]))) for c in cols])
    nat = i32([J32] * (P * L), 2)
    F._c_closure_217(L, nat, len(shape), lists, i32(shape, -1))
    np.testing.assert_array_equal(nat, np.column_stack(cols).ravel())


def test_interleaving_list_input():
    # None entries give nothing: their columns are left as they were
    lists = objects([i32([1, 2]), None, i32([5, 6], -2)])
    nat = i32([J32] * 6)
    F._c_closure_217(3, nat, 1, lists, i32([2]))
    assert list(nat) == [1, J32, 5, 2, J32, 6]
    # a strided list of lists is read through its stride
    every_other = objects([i32([1, 2]), "skipped", i32([3, 4]), "skipped"])[::2]
    nat = i32([J32] * 4)
    F._c_closure_217(2, nat, 1, every_other, i32([2]))
    assert list(nat) == [1, 3, 2, 4]
    # lists missing from a shorter list, or no list at all, give nothing either
    nat = i32([J32] * 4)
    F._c_closure_217(2, nat, 1, objects([i32([7, 8])]), i32([2]))
    assert list(nat) == [7, J32, 8, J32]
    F._c_closure_217(2, nat, 1, None, i32([2]))
    assert list(nat) == [7, J32, 8, J32]


@pytest.mark.parametrize("resshape, nd", [([0, 3], 2), ([2, -1], 2), ([65536, 65536], 2)])
def test_interleaving_writes_nothing_when_the_size_is_not_positive(resshape, nd):
    nat = i32([J32] * 2)
    F._c_closure_217(1, nat, nd, objects([i32([1, 2])]), i32(resshape))
    assert list(nat) == [J32] * 2


def test_interleaving_a_scalar_shape_takes_one_entry():
    nat = i32([J32] * 3)
    F._c_closure_217(2, nat, 0, objects([i32([4, 9]), i32([6])]), i32([]))
    assert list(nat) == [4, 6, J32]
