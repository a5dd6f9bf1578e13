"""Strides, size products, maxima and shape copies of record shape runs."""
import numpy as np
import pytest

from support.buffers import i32, i64
from support.layout import k, strides
from support.stacks import Stack


def wrap32(x):
    return (x + 2**31) % 2**32 - 2**31


@pytest.mark.parametrize("shape", [(), (0,), (5,), (2, 3, 4), (3, 0, 2), (7, 2, 1, 3, 2)])
@pytest.mark.parametrize("stride", [1, -2])
def test_stride_kernels_match_row_major_strides(shape, stride):
    nd = len(shape)
    stack = Stack(stride=stride)
    base = stack.put_i32(shape)
    for call in (lambda st: k(260)(nd, base, st, stack.i32), lambda st: k(262)(nd, i32(shape, stride), st),
                 lambda st: k(284)(stack.i32, nd, base, st), lambda st: k(292)(nd, st, i32(shape, -stride))):
        st = i64([-1] * nd, stride)
        if nd:
            st[nd - 1] = 1
        call(st)
        assert list(st) == strides(shape).tolist()


def test_stride_edges():
    st = i64([0, 0, 3])  # from the caller's innermost stride, no 32-bit wrapping
    k(262)(3, i32([9, 70000, 70000]), st)
    assert list(st) == [3 * 70000 * 70000, 3 * 70000, 3]
    st = i64([42])  # one dimension writes nothing
    k(292)(1, st, i32([5]))
    assert list(st) == [42]


@pytest.mark.parametrize("seed", range(2))
def test_products_of_runs_and_of_sizes_after_a_dimension(seed):
    rng = np.random.default_rng(seed)
    stack = Stack()
    sizes = rng.integers(0, 2000, size=8)
    base = stack.put_i32(sizes)
    init = int(rng.integers(-5, 6))
    for count in range(0, 9):
        want = wrap32(init * int(np.prod(sizes[:count], dtype=object)))
        assert [k(n)(init, count, base, stack.i32) for n in (272, 382, 388)] == [want] * 3
        assert [k(n)(count, init, base, stack.i32) for n in (278, 318)] == [want] * 2
    for nd in range(0, 9):
        for dim in range(-1, nd):
            want = wrap32(init * int(np.prod(sizes[dim + 1:nd], dtype=object)))
            assert [k(n)(init, dim, nd, base, stack.i32) for n in (275, 383, 389)] == [want] * 3
            assert k(279)(dim, nd, init, base, stack.i32) == want


@pytest.mark.parametrize("n, args, want", [
    (272, (7, 0, 0, [2, 3, 0, 4]), 7),
    (272, (7, 4, 0, [2, 3, 0, 4]), 0),
    (272, (1, 2, 0, [65536, 65536]), 0),  # wraps in 32 bits
    (272, (1, 2, 0, [65536, 32768]), -2**31),
    (275, (5, 2, 3, 0, [2, 3, 0, 4]), 5),  # nothing after the last
    (383, (1, 0, 3, 0, [2, 3, 4]), 12),  # sizes strictly after dim
    (283, (-100, [5, -3, 9, 9, 2], 0, 0), -100),  # largest in a run
    (283, (-100, [5, -3, 9, 9, 2], 5, 0), 9),
    (283, (10, [5, -3, 9, 9, 2], 5, 0), 10),
    (283, (4, [5, -3, 9, 9, 2], 1, 0), 5),
    (283, (-100, [5, -3, 9, 9, 2], 2, 3), 9)])
def test_size_edges(n, args, want):
    assert k(n)(*[i32(a, -3) if isinstance(a, list) else a for a in args]) == want


@pytest.mark.parametrize("kernel", [276, 385, 390, 287])
def test_shape_copies(kernel):
    w, r = Stack(stride=2), Stack()
    wbase, rbase = w.put_i32([4, 5, 6]), r.take_i32(3)
    snap = r.snapshot()
    if kernel == 287:
        k(287)(3, r.i32[rbase:], w.i32[wbase:])
    else:
        k(kernel)(3, r.i32, rbase, wbase, w.i32)
    assert list(r.i32[rbase:rbase + 3]) == [4, 5, 6]
    r.assert_only_changed(snap, i32=[(rbase, 3)])
