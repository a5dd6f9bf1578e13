"""Strides, size products, maxima and shape copies of record shape runs."""
import numpy as np
import pytest

from support.buffers import i32, i64
from support.layout import block_strides, call, strides
from support.stacks import Stack


def wrap(v, bits=32):
    return (int(v) + (1 << bits - 1)) % (1 << bits) - (1 << bits - 1)


@pytest.mark.parametrize("shape", [(), (0,), (5,), (2, 3, 4), (3, 0, 2), (7, 2, 1, 3, 2), (9, 70000, 70000)])
@pytest.mark.parametrize("stride", [1, -2])
def test_strides_from_the_innermost_one_in_64_bits(shape, stride):
    stack = Stack(stride=stride)
    base = stack.put_i32(shape)
    for n in (260, 262, 284, 292):
        st = i64([-1] * len(shape), stride)
        st[-1:] = 3
        call(n, nd=len(shape), shapebase=base, wi32=stack.i32, ri32=stack.i32, rshape=i32(shape, stride),
             shape=i32(shape, -stride), st=st, rst=st, s=st)
        assert list(st) == (3 * strides(shape)).tolist()


@pytest.mark.parametrize("seed", range(3))
def test_products_and_largest_of_runs(seed):
    rng = np.random.default_rng(seed)
    stack = Stack()
    sizes = rng.integers(-3, 3000, size=8)
    base = stack.put_i32(sizes)
    for lo in range(-1, 9):
        for hi in range(0, 9):
            init = int(rng.integers(-3000, 3000))
            a = dict(init=init, base=base, wi32=stack.i32, ri32=stack.i32, count=hi, n=hi, dim=lo, after=lo, nd=hi,
                     before=hi)
            prod = lambda first: init * int(np.prod(sizes[max(first, 0):hi], dtype=object))
            assert {call(n, **a) for n in (272, 382, 388, 278, 318)} == {wrap(prod(0))}
            assert {call(n, **a) for n in (275, 383, 389, 279)} == {wrap(prod(lo + 1))}
            assert call(369, **a) == wrap(prod(0), 64)
            assert call(283, **a) == call(379, **a) == max([init] + sizes[:hi].tolist())


def test_shape_copies():
    src = [4, 5, 6, 7, 8]
    for c in range(0, 6):  # entries copied (leading), or the dimension dropped (trailing)
        lead, trail = [*src[:c], -1, -1, -1, -1, -1, -1][:6], [-1] * 6
        trail[c:4] = src[c + 1:]
        for n, want in [(276, lead), (385, lead), (390, lead), (366, lead), (371, lead), (287, lead), (393, lead),
                        (386, trail), (391, trail), (394, trail)]:
            w, r, arr = Stack(stride=2), Stack(), i32([-1] * 6)
            wbase, rbase = w.put_i32(src), r.put_i32([-1] * 6)
            snap = r.snapshot()
            call(n, count=c, n=c, axis=c, skip=c, nd=5, ri32=r.i32, rbase=rbase, wbase=wbase, base=wbase, wi32=w.i32,
                 resshape=arr, r=arr, shape=i32(src, 2))
            assert (arr if n in (287, 393, 394) else r.i32[rbase:rbase + 6]).tolist() == want
            r.assert_only_changed(snap, i32=[(rbase, 6)])


@pytest.mark.parametrize("n, dim, last, bits", [(398, [1, 70001, 1, 70001, 3], 3, 32),
                                                (406, [1 << 20, 1 << 20, 1 << 20, 1 << 20, 3], 5, 64)])
def test_view_strides_wrap(n, dim, last, bits):
    stride = (i32 if bits == 32 else i64)([0, 0, 0, 0, last], stride=2)
    call(n, dim=i32(dim, stride=3), stride=stride)
    assert stride.tolist() == [wrap(v, bits) for v in block_strides(dim, last)]


def test_block_factors_wrap_in_32_bits():
    s = Stack(64)
    base = s.put_i32([70001, 3, 70001, 5, 70001, 9, 7])
    dim = i32([1, 3, 1, 9, 1])
    call(395, dim=dim, base=base, wi32=s.i32, n=3)
    call(404, dim=dim, after=1, before=5, base=base, wi32=s.i32)
    call(397, dim=dim, before=7, base=base, wi32=s.i32, after=5)
    assert dim.tolist() == [wrap(70001 * 3 * 70001), 3, wrap(70001 * 5 * 70001), 9, 7]
