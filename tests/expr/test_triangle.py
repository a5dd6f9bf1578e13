"""Triangles over two dimensions of equal size, gathers by linear index, the dense expansion of a sparse record."""
import numpy as np
import pytest

from support.layout import (Stacks, block_strides, blocks, build, coordinates, elements, i32, names, nterms, pad,
                            paired_case, put, run)


@pytest.mark.parametrize("seed", range(60))
def test_triangle(seed):
    rng, sparse = np.random.default_rng(3000 + seed), bool(seed % 2)
    op, a, b = paired_case(rng, sparse)
    s, d, have, lower = Stacks(stride=1 + seed // 2 % 2), blocks(op.shape, a, b), elements(op), int(rng.integers(0, 2))
    pad(s.w, rng)
    W = dict(dim=i32([1, op.shape[a], 1, op.shape[b], 1], stride=int(rng.choice([1, 2]))), base=s.w.put_i32(op.shape),
             stride=i32([-9, -9, -9, -9, 1]), lower=lower * int(rng.choice([1, -4])), n=op.nelem, nelem=op.nelem,
             sparse=int(sparse) * int(rng.integers(1, 4)), rnelem=int(rng.integers(0, 30)), rnnz=int(rng.integers(30)))
    for pair, after, before in zip([(395, 403), (396, 404), (397, 405)], (-1, a, b), (a, b, op.nd)):
        run(s, int(rng.choice(pair)), None, W, after=after, before=before, n=before)  # either signature
    run(s, 398, None, W)
    assert W["dim"].tolist() == d and W["stride"].tolist() == block_strides(d)
    c = coordinates(np.arange(op.size), d, block_strides(d))
    positions = np.nonzero(c[3] <= c[1] if lower else c[1] <= c[3])[0]
    want = {int(L): have.get(int(L), ([], 0.0)) for L in positions}  # the elements at the positions
    W |= names(put(s.w, op, rng), "w") | dict(rsp=s.r.take_i64(len(positions)))
    if not sparse:  # a dense operand's element count and sp base are not read
        W |= dict(nelem=int(rng.integers(-3, 9)), wsp=int(rng.integers(-3, 9)))
    count = run(s, 399, None, W)
    run(s, 400, dict(r=dict(i64=[(W["rsp"], len(positions))])), W)
    assert s.r.i64[W["rsp"]:][:len(positions)].tolist() == positions.tolist()
    # A dense count sets the element count; a sparse one adds the stored selected ones.
    assert count == (W["rnelem"] + len(want.keys() & have.keys()) if sparse else len(want), W["rnnz"] + nterms(want))
    build(s, want, op.shape, True, lambda r: run(s, 401, False, W, names(r, "r"), n=len(want)), asked=True)
    if sparse:  # 402: the ptr and bfix of the dense form, the terms where they are
        sp, xbfix, xptr = s.r.put_i64(op.sp), s.x.put_f64(op.bfix), s.x.put_i32(op.ptr)
        rptr, rbfix = s.r.take_i32(op.size + 1), s.r.take_f64(op.size)
        assert run(s, 402, dict(r=dict(i32=[(rptr + 1, op.size)], f64=[(rbfix, op.size)])), rbfix=rbfix, pos=0,
                   n=op.nelem, rptr=rptr, rnelem=op.size, rsp=sp, xbfix=xbfix, xptr=xptr) == op.nelem
        assert s.r.i32[rptr + 1:][:op.size].tolist() == op.ptr[np.searchsorted(op.sp, range(op.size), "right")].tolist()
        assert s.r.f64[rbfix:][:op.size].tolist() == np.bincount(op.sp, op.bfix, op.size).tolist()


def test_the_dense_expansion_reads_no_stored_element_past_n():
    # One stored element (index 0); the sp entry after the run names index 2 and must not count.
    ri32, ri64, rf64 = i32([0, -1, -1, -1]), np.array([0, 2], np.int64), np.full(3, -1.0)
    xi32, xf64 = i32([0, 2, 9]), np.array([5.0, 7.0])
    assert run(Stacks(8), 402, False, rbfix=0, pos=0, n=1, rptr=0, rf64=rf64, ri32=ri32, ri64=ri64, rnelem=3, rsp=0,
               xbfix=0, xf64=xf64, xi32=xi32, xptr=0) == 1
    assert rf64.tolist() == [5.0, 0.0, 0.0] and ri32.tolist() == [0, 2, 2, 2]
