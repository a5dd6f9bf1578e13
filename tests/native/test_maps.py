"""Native index maps: bar variable layout and listing, map resets, signed index counts
and compression."""
import os

import numpy as np
import pytest

import fragments as F
from support.buffers import JUNK, i32, i64
from support.native_model import GROUPS, NativeModel


def lower_triangle(d):
    """(i, j) of a bar variable's elements in their stored order: column by column."""
    return [(i, j) for j in range(d) for i in range(j, d)]


def test_layout_of_two_variables_of_dimension_two():
    idx, ii, jj = (np.full(6, -9, np.int32) for _ in range(3))
    ptr = np.zeros(3, np.int64)
    F._c_closure_3(3, 2, 0, 2, ii, idx, jj, ptr, 0)
    got = list(zip(idx, ii, jj))
    assert got == [(0, 0, 0), (0, 1, 0), (0, 1, 1), (1, 0, 0), (1, 1, 0), (1, 1, 1)]
    assert list(ptr) == [0, 3, 6]


def test_model_layout_matches_column_order():
    model = NativeModel()
    b = 0
    for d, n in GROUPS:
        for _ in range(n):
            assert model.natbarvar_dim[b] == d
            p = model.elements_of(b)
            assert len(p) == d * (d + 1) // 2
            assert np.all(model.natbarvar_idx[p] == b)
            assert list(zip(model.natbarvar_i[p], model.natbarvar_j[p])) == lower_triangle(d)
            b += 1
    assert model.natbarvar_ptr[-1] == model.nbarelem


@pytest.mark.parametrize("stride", [1, 2, -3])
def test_layout_at_offset_through_strides(stride):
    # Three variables of dimension 3 placed from position 4, after variable 2.
    size, d, n, first = 4 + 18 + 2, 3, 3, 2
    idx, ii, jj = (i32(np.full(size, -9), stride) for _ in range(3))
    ptr = i64([0, 0, 4, 0, 0, 0], stride)
    F._c_closure_3(6, d, first, n, ii, idx, jj, ptr, first)
    assert list(ptr) == [0, 0, 4, 10, 16, 22]
    assert np.all(idx[:4] == -9) and np.all(idx[22:] == -9)
    for k in range(n):
        p = slice(4 + 6 * k, 10 + 6 * k)
        assert np.all(idx[p] == first + k)
        assert list(zip(ii[p], jj[p])) == lower_triangle(d)


def test_layout_pointers_advance_without_elements():
    # dim <= 0 lays out nothing but still advances the pointers; n = 0 does nothing.
    idx, ii, jj = (np.full(3, -9, np.int32) for _ in range(3))
    ptr = np.array([5, 0, 0, 0], np.int64)
    F._c_closure_3(2, 0, 0, 3, ii, idx, jj, ptr, 0)
    assert list(ptr) == [5, 7, 9, 11]
    assert np.all(idx == -9) and np.all(ii == -9) and np.all(jj == -9)
    F._c_closure_3(2, 2, 1, 0, ii, idx, jj, ptr, 0)
    assert list(ptr) == [5, 7, 9, 11]


def test_set_dimensions():
    dims = i32(np.full(6, -1), 2)
    F._c_closure_2(4, 3, dims, 2)
    assert list(dims) == [-1, -1, 4, 4, 4, -1]
    F._c_closure_2(9, 0, dims, 0)
    assert list(dims) == [-1, -1, 4, 4, 4, -1]


def test_bar_variables_and_elements_of_each_entry():
    model = NativeModel()
    for m, (d, n) in enumerate(GROUPS):
        res = np.full(n + 2, -1, np.int32)
        F._c_closure_0(model.natbarvarmap_num, model.natbarvarmap_ptr, res, m)
        f = model.natbarvarmap_ptr[m]
        assert list(res) == list(range(f, f + n)) + [-1, -1]
        pos = np.full(n * d * (d + 1) // 2 + 1, -1, np.int64)
        F._c_closure_1(model.natbarvar_dim, model.natbarvar_ptr, model.natbarvarmap_num,
                       model.natbarvarmap_ptr, pos, m)
        want = np.concatenate([model.elements_of(b) for b in range(f, f + n)])
        assert list(pos[:-1]) == list(want) and pos[-1] == -1
        assert set(model.natbarvar_idx[pos[:-1]]) == set(range(f, f + n))


def test_elements_of_two_variables_of_dimension_three():
    res = np.full(13, -1, np.int64)
    F._c_closure_1(i32([3, 3]), i64([40, 46, 52]), i32([2]), i32([0]), res, 0)
    assert list(res) == list(range(40, 52)) + [-1]


@pytest.mark.parametrize("count", [0, -2])
def test_empty_entry_lists_nothing_and_reads_no_bar_maps(count):
    # The entry points far outside the (one-element) bar maps; with no variables they
    # must not be read.
    res0 = np.full(2, -1, np.int32)
    res1 = np.full(2, -1, np.int64)
    F._c_closure_0(i32([count]), i32([1 << 30]), res0, 0)
    F._c_closure_1(i32([7]), i64([0]), i32([count]), i32([1 << 30]), res1, 0)
    assert list(res0) == [-1, -1] and list(res1) == [-1, -1]


def test_element_count_beyond_32_bits():
    # 1 × 46341 × 46342 overflows 32 bits; the listing must still cover every position.
    # The result view has stride 0, so every write lands on one cell: the last value.
    cell = np.zeros(1, np.int64)
    res = np.lib.stride_tricks.as_strided(cell, shape=(8,), strides=(0,))
    d = 46341
    F._c_closure_1(i32([d]), i64([5]), i32([1]), i32([0]), res, 0)
    assert cell[0] == 5 + d * (d + 1) // 2 - 1


@pytest.mark.parametrize("kernel,array", [(F._c_closure_4, "natvarmap_idx"), (F._c_closure_5, "natconmap_idx")])
def test_release_ranges(kernel, array):
    a = i32(np.arange(8), 2)
    kernel(a, 5, 2)
    assert list(a) == [0, 1, -1, -1, -1, 5, 6, 7]
    for end, start in [(4, 4), (1, 6)]:
        kernel(a, end, start)
        assert list(a) == [0, 1, -1, -1, -1, 5, 6, 7]


def test_signed_index_worked_example():
    idxs = i64([3, 0, -2, 1])
    out = np.full(8, -1, np.int32)
    assert F._c_closure_7(idxs, 5, out) == 7
    assert list(out) == [-1] * 5 + [2, 0, -1]
    assert F._c_closure_9(idxs, 5, out) == 7
    assert F._c_closure_6(0, idxs) == 2 and F._c_closure_8(0, idxs) == 2
    assert F._c_closure_14(idxs, 0) == 3
    subj = np.full(3, -1, np.int32)
    assert F._c_closure_15(0, idxs, subj) == 2
    assert list(subj) == [2, 0, -1]


@pytest.mark.parametrize("seed", range(4))
def test_signed_index_counts_and_compression(seed):
    rng = np.random.default_rng(seed)
    v = rng.integers(-5, 6, size=rng.integers(0, 30))
    stride = [1, 3, -2, 1][seed]
    idxs = i64(v, stride)
    init, pos = int(rng.integers(0, 10)), int(rng.integers(0, 4))
    scalar = v[v > 0] - 1
    for count in (F._c_closure_6, F._c_closure_8):
        assert count(init, idxs) == init + len(scalar)
    assert F._c_closure_14(idxs, init) == init + np.count_nonzero(v >= 0)
    for compress in (F._c_closure_7, F._c_closure_9):
        out = i32(np.full(pos + len(v) + 2, JUNK[np.int32]), stride)
        assert compress(idxs, pos, out) == pos + len(scalar)
        assert list(out[pos:pos + len(scalar)]) == list(scalar)
        assert np.all(out[:pos] == JUNK[np.int32]) and np.all(out[pos + len(scalar):] == JUNK[np.int32])
    subj = i32(np.full(pos + len(v), JUNK[np.int32]), stride)
    assert F._c_closure_15(pos, idxs, subj) == pos + len(scalar)
    assert list(subj[pos:pos + len(scalar)]) == list(scalar)
