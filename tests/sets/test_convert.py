"""Stack fills: shapes, constants and empty ptr runs onto the result stack."""
import numpy as np
import pytest

import fragments as F
from support.stacks import Stack


@pytest.mark.parametrize("stride", [1, 2, -1])
@pytest.mark.parametrize("n", [0, 1, 5, 67])
def test_fills_write_exactly_their_runs(stride, n):
    rng = np.random.default_rng(n)
    s = Stack(stride=stride)
    shape_base = s.put_i32(rng.integers(-9, 9, size=n))
    bfix_base = s.put_f64(rng.normal(size=n))
    shape = s.i32[shape_base:shape_base + n].copy()
    bfix = s.f64[bfix_base:bfix_base + n].copy()
    r1, r2, r3 = s.take_i32(n), s.take_f64(n), s.take_i32(n + 1)
    snap = s.snapshot()
    F._c_closure_248(n, s.i32, r1, s.i32[shape_base:])
    F._c_closure_250(s.f64[bfix_base:], n, r2, s.f64)
    F._c_closure_251(n, s.i32, r3)
    assert np.array_equal(s.i32[r1:r1 + n], shape)
    assert np.array_equal(s.f64[r2:r2 + n], bfix)
    assert np.all(s.i32[r3:r3 + n + 1] == 0)
    s.assert_only_changed(snap, i32=[(r1, n), (r3, n + 1)], f64=[(r2, n)])


def test_a_fill_of_minus_one_entries_writes_nothing_and_absent_sources_are_fine():
    r = np.full(4, 5, dtype=np.int32)
    F._c_closure_251(-1, r, 0)
    F._c_closure_248(0, r, 1, None)
    F._c_closure_250(None, 0, 1, np.zeros(1))
    assert list(r) == [5] * 4


def test_overlapping_copy_on_one_stack_is_a_forward_element_copy():
    # ri32 and shape are the same array: the copy runs forward, element by element,
    # whether the arrays are contiguous or strided.
    for stride in (1, 3):
        a = np.zeros(20 * stride, dtype=np.int32)[::stride]
        a[:10] = np.arange(10)
        F._c_closure_248(8, a, 2, a)  # a[2 + k] = a[k], k < 8, reading what it wrote
        assert list(a[:10]) == [0, 1, 0, 1, 0, 1, 0, 1, 0, 1]
