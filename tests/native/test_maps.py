"""Native index maps: bar variable layout and listing, map resets, signed index counts, compression."""
import numpy as np
import pytest

import fragments as F
from support.buffers import JUNK, i32, i64
from support.native_model import GROUPS, NativeModel


def lower_triangle(d):
    return [(i, j) for j in range(d) for i in range(j, d)]


def test_model_layout_and_listing_of_each_entry():
    model = NativeModel()
    assert list(zip(model.natbarvar_idx[:7], model.natbarvar_i[:7], model.natbarvar_j[:7])) == \
        [(0, 0, 0), (1, 0, 0), (1, 1, 0), (1, 1, 1), (2, 0, 0), (2, 1, 0), (2, 1, 1)]
    for m, (d, n) in enumerate(GROUPS):
        f = model.natbarvarmap_ptr[m]
        for b in range(f, f + n):
            p = model.elements_of(b)
            assert model.natbarvar_dim[b] == d and np.all(model.natbarvar_idx[p] == b)
            assert list(zip(model.natbarvar_i[p], model.natbarvar_j[p])) == lower_triangle(d)
        res = np.full(n + 2, -1, np.int32)
        F._c_closure_0(model.natbarvarmap_num, model.natbarvarmap_ptr, res, m)
        assert list(res) == list(range(f, f + n)) + [-1, -1]
        pos = np.full(n * d * (d + 1) // 2 + 1, -1, np.int64)
        F._c_closure_1(model.natbarvar_dim, model.natbarvar_ptr, model.natbarvarmap_num,
                       model.natbarvarmap_ptr, pos, m)
        assert list(pos) == list(range(model.natbarvar_ptr[f], model.natbarvar_ptr[f + n])) + [-1]
    assert model.natbarvar_ptr[-1] == model.nbarelem


@pytest.mark.parametrize("stride", [1, 2, -3])
def test_layout_and_dimensions_at_offset_through_strides(stride):
    idx, ii, jj = (i32(np.full(24, -9), stride) for _ in range(3))
    ptr = i64([0, 0, 4, 0, 0, 0], stride)
    F._c_closure_3(6, 3, 2, 3, ii, idx, jj, ptr, 2)  # variables 2..4 of dimension 3 from position 4
    assert list(ptr) == [0, 0, 4, 10, 16, 22]
    assert np.all(idx[:4] == -9) and np.all(idx[22:] == -9)
    for k in range(3):
        p = slice(4 + 6 * k, 10 + 6 * k)
        assert np.all(idx[p] == 2 + k) and list(zip(ii[p], jj[p])) == lower_triangle(3)
    dims = i32(np.full(6, -1), stride)
    F._c_closure_2(4, 3, dims, 2)
    F._c_closure_2(9, 0, dims, 0)
    assert list(dims) == [-1, -1, 4, 4, 4, -1]
    idx, ii, jj = (np.full(3, -9, np.int32) for _ in range(3))
    ptr = np.array([5, 0, 0, 0], np.int64)
    F._c_closure_3(2, 0, 0, 3, ii, idx, jj, ptr, 0)  # dim <= 0: pointers only
    F._c_closure_3(2, 2, 1, 0, ii, idx, jj, ptr, 0)  # n = 0: nothing
    assert list(ptr) == [5, 7, 9, 11] and np.all(idx == -9) and np.all(ii == -9) and np.all(jj == -9)


def test_empty_entries_read_no_bar_maps_and_element_counts_pass_32_bits():
    for count in (0, -2):
        res0, res1 = np.full(2, -1, np.int32), np.full(2, -1, np.int64)
        F._c_closure_0(i32([count]), i32([1 << 30]), res0, 0)
        F._c_closure_1(i32([7]), i64([0]), i32([count]), i32([1 << 30]), res1, 0)
        assert list(res0) == [-1, -1] and list(res1) == [-1, -1]
    # 46341 × 46342 / 2 positions; a zero-stride result keeps only the last one.
    cell, d = np.zeros(1, np.int64), 46341
    F._c_closure_1(i32([d]), i64([5]), i32([1]), i32([0]), np.lib.stride_tricks.as_strided(cell, (2**31,), (0,)), 0)
    assert cell[0] == 5 + d * (d + 1) // 2 - 1


@pytest.mark.parametrize("kernel", [F._c_closure_4, F._c_closure_5])
def test_release_ranges(kernel):
    a = i32(np.arange(8), 2)
    for end, start in [(5, 2), (4, 4), (1, 6)]:
        kernel(a, end, start)
    assert list(a) == [0, 1, -1, -1, -1, 5, 6, 7]


@pytest.mark.parametrize("seed", range(4))
def test_signed_index_counts_and_compression(seed):
    rng = np.random.default_rng(seed)
    v = rng.integers(-5, 6, size=rng.integers(0, 30)) if seed else np.array([3, 0, -2, 1])
    stride, junk = [1, 3, -2, 1][seed], JUNK[np.int32]
    idxs = i64(v, stride)
    init, pos = int(rng.integers(0, 10)), int(rng.integers(0, 4))
    scalar = list(v[v > 0] - 1)
    for count in (F._c_closure_6, F._c_closure_8):
        assert count(init, idxs) == init + len(scalar)
    assert F._c_closure_14(idxs, init) == init + np.count_nonzero(v >= 0)
    for compress in (F._c_closure_7, F._c_closure_9, lambda a, p, o: F._c_closure_15(p, a, o)):
        out = i32(np.full(pos + len(v) + 2, junk), stride)
        assert compress(idxs, pos, out) == pos + len(scalar)
        assert list(out) == [junk] * pos + scalar + [junk] * (len(v) + 2 - len(scalar))
