"""Strides, size products, maxima and copies of shape runs; the counts that wrap in 32 bits."""
import numpy as np
import pytest

from support.layout import Stack, block_strides, call, i32, i64, wrap

BIG = 2**31 - 1


@pytest.mark.parametrize("seed", range(3))
def test_strides_products_and_largest_of_runs(seed):
    rng, stack = np.random.default_rng(seed), Stack(stride=[1, -2, 2][seed])
    sizes = rng.integers(-3, 3000, size=8)
    a = dict(base=stack.put_i32(sizes), shapebase=stack.put_i32(sizes), wi32=stack.i32, ri32=stack.i32)
    for hi in range(0, 9):  # strides from the innermost one (3), in 64 bits
        for n, st in ((n, i64([-1] * hi, stride=seed + 1)) for n in (260, 262, 284, 292)):
            st[-1:] = 3
            call(n, **a | dict(nd=hi, rshape=i32(sizes[:hi], 2), shape=i32(sizes[:hi], -1), st=st, rst=st, s=st))
            assert st.tolist() == [wrap(3 * np.prod(sizes[k + 1:hi], dtype=object), 64) for k in range(hi)]
        for lo in range(-1, 9):
            a |= dict(init=int(rng.integers(-3000, 3000)), count=hi, n=hi, dim=lo, after=lo, nd=hi, before=hi)
            prod = lambda first: a["init"] * int(np.prod(sizes[max(first, 0):hi], dtype=object))
            assert {call(n, **a) for n in (272, 382, 388, 278, 318)} == {wrap(prod(0))}
            assert {call(n, **a) for n in (275, 383, 389, 279)} == {wrap(prod(lo + 1))}
            assert call(369, **a) == wrap(prod(0), 64)
            assert call(283, **a) == call(379, **a) == max([a["init"]] + sizes[:hi].tolist())


def test_shape_copies():
    src = [4, 5, 6, 7, 8]
    for c, n in ((c, n) for c in range(6) for n in (276, 385, 390, 366, 371, 287, 393, 386, 391, 394)):
        w, r, arr = Stack(stride=2), Stack(), i32([-1] * 6)  # entries copied, or dimension c dropped
        wbase, rbase, snap = w.put_i32(src), r.put_i32([-1] * 6), r.snapshot()
        call(n, count=c, n=c, axis=c, skip=c, nd=5, ri32=r.i32, rbase=rbase, wbase=wbase, base=wbase, wi32=w.i32,
             resshape=arr, r=arr, shape=i32(src, 2))
        want = ((src[:c] if n not in (386, 391, 394) else [-1] * c + src[c + 1:]) + [-1] * 6)[:6]
        assert (arr if n in (287, 393, 394) else r.i32[rbase:rbase + 6]).tolist() == want
        r.assert_only_changed(snap, i32=[(rbase, 6)])


@pytest.mark.parametrize("n, args, want", [
    (274, dict(total=BIG, d1s=i32([1, 2]), n=2), -(2**31) + 2),
    (374, dict(n=2, nnz=i32([BIG, 2]), init=0), -(2**31) + 1),
    (273, dict(d1s=i32([BIG, 1, 5]), n=3, offset=i32([0, 0, 0])), None),  # offset [0, BIG, -2**31]
    (261, dict(last=i32([65536, 65536])), (0, 5)),  # the dense count of a slice is the box's size
    (261, dict(last=i32([46341, 46341])), (46341 * 46341 - 2**32, 5))])
def test_counts_wrap_in_32_bits(n, args, want):
    box = dict(first=i32([0, 0]), sparse=0, nd=2, count=0, ptrbase=7, rnelem=5, rnnz=5, shapebase=0, spbase=0,
               st=i64([1, 1]), wi32=i32([0] * 10), wi64=i64([0]))
    assert call(n, **box, **args) == want and (n != 273 or args["offset"].tolist() == [0, BIG, -(2**31)])


def test_view_strides_and_dimensions_wrap():
    for n, dim, last, bits in [(398, [1, 70001, 1, 70001, 3], 3, 32), (406, [1 << 20] * 4 + [3], 5, 64)]:
        stride = (i32 if bits == 32 else i64)([0, 0, 0, 0, last], stride=2)
        call(n, dim=i32(dim, stride=3), stride=stride)
        assert stride.tolist() == [wrap(v, bits) for v in block_strides(dim, last)]
    s, dim = Stack(64), i32([1, 3, 1, 9, 1])
    base = s.put_i32([70001, 3, 70001, 5, 70001, 9, 7])
    for n, after, before in ((395, 0, 3), (404, 1, 5), (397, 5, 7)):
        call(n, dim=dim, base=base, wi32=s.i32, after=after, before=before, n=before)
    assert dim.tolist() == [wrap(70001 * 3 * 70001), 3, wrap(70001 * 5 * 70001), 9, 7]
