"""Unions of bound lists, dense bound flattening, bound scatters and element tables."""
import numpy as np
import pytest

import fragments as F
from support.buffers import f64, i32


def sorted_coords(rng, n, rows, cols):
    lin = np.sort(rng.choice(rows * cols, size=min(n, rows * cols), replace=False))
    return (lin // cols).astype(np.int32), (lin % cols).astype(np.int32)


@pytest.mark.parametrize("seed", range(8))
@pytest.mark.parametrize("stride", [1, 2])
def test_union_matches_a_dictionary_merge(seed, stride):
    rng = np.random.default_rng(seed)
    rows, cols = int(rng.integers(1, 6)), int(rng.integers(1, 6))
    nl, nu = int(rng.integers(0, 12)) * (seed != 1), int(rng.integers(0, 12)) * (seed != 0)  # one list empty
    (lsubi, lsubj), (usubi, usubj) = sorted_coords(rng, nl, rows, cols), sorted_coords(rng, nu, rows, cols)
    lval, uval = rng.normal(size=len(lsubi)), rng.normal(size=len(usubi))
    if seed == 2:
        lsubi, lsubj, lval, usubi, usubj, uval = [0, 1], [0, 1], [1.5, 2.5], [0, 1], [1, 1], [7.0, 8.0]
    table = {}
    for r, c, v in zip(lsubi, lsubj, lval):
        table[(int(r), int(c))] = [v, 0.0]
    for r, c, v in zip(usubi, usubj, uval):
        table.setdefault((int(r), int(c)), [0.0, 0.0])[1] = v
    keys = sorted(table)
    n = F._c_closure_238(i32(lsubi, stride), i32(lsubj, -stride), 10, i32(usubi, stride), i32(usubj, stride))
    assert n - 10 == len(keys)
    base = np.full((len(keys) + 1, 4), -99, dtype=np.int32)
    inst = base[1:, ::2] if stride != 1 else base[:len(keys), :2]
    lbv, ubv = f64([-5.0] * len(keys), stride), f64([-5.0] * len(keys), -stride)
    F._c_closure_239(inst, lbv, i32(lsubi, stride), i32(lsubj), f64(lval, stride), ubv,
                     i32(usubi, -stride), i32(usubj, stride), f64(uval, stride))
    assert [tuple(map(int, row)) for row in inst] == keys
    assert list(lbv) == [table[k][0] for k in keys] and list(ubv) == [table[k][1] for k in keys]
    if stride != 1:  # only the two chosen columns of the rows after the first were written
        assert np.all(base[0] == -99) and np.all(base[1:, 1::2] == -99)


@pytest.mark.parametrize("nrows,ncols,pos", [(0, 3, 2), (3, 0, 5), (1, 1, 0), (3, 4, 2), (2, 5, 7)])
def test_flatten_writes_rows_one_after_another(nrows, ncols, pos):
    rng = np.random.default_rng(nrows * 10 + ncols)
    lb, ub = rng.normal(size=(nrows + 1, ncols + 2)), np.asfortranarray(rng.normal(size=(nrows, ncols)))
    size = pos + nrows * ncols + 3
    lval, uval = f64([-1.0] * size, 2), f64([-1.0] * size, -1)
    assert F._c_closure_242(nrows, ncols, pos, lb[1:, 1:ncols + 1], lval, ub, uval) == pos + nrows * ncols
    for got, src in ((lval, lb[1:, 1:ncols + 1]), (uval, ub)):
        assert list(got) == [-1.0] * pos + list(src.ravel()) + [-1.0] * 3


@pytest.mark.parametrize("seed", range(4))
def test_scatters_put_each_value_at_its_row_major_position(seed):
    rng = np.random.default_rng(seed)
    rows, cols = int(rng.integers(1, 8)), int(rng.integers(1, 8))
    subi, subj = sorted_coords(rng, int(rng.integers(0, rows * cols + 1)), rows, cols)
    order = rng.permutation(len(subi))  # any order works
    subi, subj, v = subi[order], subj[order], rng.normal(size=len(subi))
    expect = np.full(rows * cols, -3.0)
    expect[subi.astype(np.int64) * cols + subj] = v
    lval, uval = f64([-3.0] * (rows * cols), 3), f64([-3.0] * (rows * cols))
    F._c_closure_240(cols, lval, i32(subi, -1), i32(subj, 2), f64(v))
    F._c_closure_241(cols, i32(subi), i32(subj), uval, f64(v, -2))
    assert np.array_equal(lval, expect) and np.array_equal(uval, expect)


class Window:
    """An array interface whose element `first` is x[0]: positions far beyond 2**31 land in
    a small real array (nothing else of it may be touched)."""
    def __init__(self, x, first):
        self.x = x
        self.__array_interface__ = {"data": (x.ctypes.data - first * 8, False), "shape": (first + len(x),),
                                    "typestr": "<f8", "version": 3}


def test_scatter_positions_beyond_32_bits_are_not_wrapped():
    x = np.zeros(2)
    window = np.asarray(Window(x, 70000 * 70000))  # row 70000 of a 70000-column matrix
    F._c_closure_240(70000, window, i32([70000]), i32([1]), f64([9.0]))
    F._c_closure_241(70000, i32([70000]), i32([0]), window, f64([4.0]))
    assert list(x) == [4.0, 9.0]


def test_element_table_and_union_of_absent_lists():
    inst = np.full((4, 3), -1, dtype=np.int32)
    F._c_closure_243(inst[:, 1:], i32([5, 6, 7], 2), i32([8, 9, 10]))
    assert inst.tolist() == [[-1, 5, 8], [-1, 6, 9], [-1, 7, 10], [-1, -1, -1]]
    inst_t = np.full((2, 3), -1, dtype=np.int32)  # a transposed (column-major) table
    F._c_closure_243(inst_t.T, i32([1, 2]), i32([3, 4]))
    assert inst_t.tolist() == [[1, 2, -1], [3, 4, -1]]
    assert F._c_closure_238(None, None, 4, None, None) == 4
    F._c_closure_239(np.zeros((0, 2), np.int32), None, None, None, None, None, None, None, None)
