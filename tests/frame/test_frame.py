"""Frame behaviour beyond the portable frame suite (test_unittest_frame.py beside it, which
runs under both interpreters): NumPy arrays on the direct path, scratch failure in array
lists, and result objects."""
import sys

import numpy as np
import pytest

import fragments
from support.buffers import i32, i64, f64, objects, readonly
from support.portable import INVALID



@pytest.mark.parametrize("stride", [1, 2, -1, -3])
def test_numpy_arrays_are_read_and_written_through_their_strides(stride):
    st = i64([0, 0, 0, 1], stride)
    fragments._c_closure_260(4, 1, st, i32([99, 2, 3, 4, 5], -stride))
    assert list(st) == [60, 20, 5, 1]
    if abs(stride) > 1:  # the elements between were not touched
        first = (st.__array_interface__["data"][0] - st.base.__array_interface__["data"][0]) // 8
        assert np.all(np.delete(st.base, first + np.arange(4) * stride) == -7777777777)


def test_numpy_element_types_dimensions_and_writability_are_checked():
    good_w = i32([2, 3, 4])
    for bad in (i32([0, 0, 1]), f64([0, 0, 1]), np.zeros((3, 1), dtype=np.int64), np.zeros(3, dtype=np.uint64),
                np.zeros(3, dtype=">i8"), np.zeros(4, dtype=np.int64)[1:].view(np.int32)[1::2]):
        with pytest.raises(ValueError, match=INVALID.format("st")):
            fragments._c_closure_260(3, 0, bad, good_w)
    st = readonly(i64([0, 0, 1]))
    with pytest.raises(ValueError, match="read-only"):
        fragments._c_closure_260(3, 0, st, good_w)
    assert list(st) == [0, 0, 1]
    st = i64([0, 0, 1])
    fragments._c_closure_260(3, 0, st, readonly(good_w))  # read-only is fine where only read
    assert list(st) == [12, 4, 1]


def test_a_list_too_long_to_hold_raises_memory_error_and_releases_everything(exporter):
    E = exporter.Exporter
    out, after = E("i", [0]), E("i", [0])
    huge = E("O", [None], claim=2**60)
    with pytest.raises(MemoryError):
        fragments._c_closure_217(1, out, 1, huge, after)
    assert (huge.exports, out.exports, after.taken) == (0, 0, 0)
    assert out.values() == [0]


def test_results_are_new_references_of_the_right_types():
    st = i64([0, 0, 1])
    refs = sys.getrefcount(None)
    for _ in range(1000):
        assert fragments._c_closure_260(3, 0, st, i32([2, 3, 4])) is None
    assert abs(sys.getrefcount(None) - refs) < 10
    r = fragments._c_closure_272(2, 2, 0, i32([3, 4]))
    assert type(r) is int and r == 24
    big = fragments._c_closure_112(i32([70000, 70000, 3]), 5)  # a 64-bit product
    assert type(big) is int and big == 5 * 70000 * 70000 * 3
    t = fragments._c_closure_70(1, 1, 1, 1, 3, i32([2, 3, 4]))  # (before, after, all) of axis 1
    assert type(t) is tuple and t == (2, 4, 24) and all(type(v) is int for v in t)
    assert fragments._c_closure_119(0, np.array([[0, 2]], dtype=np.int32), i32([2, 2])) is True
    assert fragments._c_closure_119(0, np.array([[0, 1]], dtype=np.int32), i32([2, 2])) is False


@pytest.mark.parametrize("stride", [1, -2])
def test_array_lists_of_numpy_arrays_with_none_entries(stride):
    # 217 interleaves the first nlists lists: nativeidxs[s * 2 + k] = list k's entry s. A None
    # entry is an absent view: 217 does not read one past nlists and refuses one before it.
    lists = objects([i32([1, 2], stride), i32([5, 6], -stride), None])
    out = i32([-1] * 6, stride)
    fragments._c_closure_217(2, out, 1, lists, i32([2]))
    assert out.tolist() == [1, 5, 2, 6, -1, -1]
    with pytest.raises(ValueError, match="'nidxlist'"):
        fragments._c_closure_217(3, out, 1, lists, i32([2]))
