"""Triangles of a record over two dimensions of equal size (view, count, positions), gathers by
linear index and the dense expansion of a sparse record: the operand's elements at the
selected positions (an unstored one empty)."""
import numpy as np
import pytest

from support.buffers import i32
from support.layout import (assert_record, block_strides, blocks, coordinates, names, pad, paired_case, put, run)
from support.products import elements
from support.records import dense, read, reserve
from support.stacks import Stacks

FACTORS = [(395, 403), (396, 404), (397, 405)]  # the two signatures of each block factor


@pytest.mark.parametrize("seed", range(60))
def test_triangle(seed):
    rng, sparse = np.random.default_rng(3000 + seed), bool(seed % 2)
    op, a, b = paired_case(rng, sparse)
    lower, s, have = int(rng.integers(0, 2)) * int(rng.choice([1, -4])), Stacks(4096, stride=int(rng.choice([1, 2]))), elements(op)
    pad(s.w, rng)
    dim, base, d = i32([1, op.shape[a], 1, op.shape[b], 1], stride=int(rng.choice([1, 2]))), s.w.put_i32(op.shape), blocks(op.shape, a, b)
    for pair, after, before in zip(FACTORS, (-1, a, b), (a, b, op.nd)):
        run(s, int(rng.choice(pair)), None, dim=dim, base=base, after=after, before=before, n=before)
    stride = i32([-9, -9, -9, -9, 1])
    run(s, 398, None, dim=dim, stride=stride)
    assert dim.tolist() == d and stride.tolist() == block_strides(d)
    c = coordinates(np.arange(op.size), d, block_strides(d))
    positions = np.nonzero(c[3] <= c[1] if lower else c[1] <= c[3])[0]
    stored = [int(L) for L in positions if int(L) in have]
    e0, t0, w = *map(int, rng.integers(0, 30, size=2)), put(s.w, op, rng)
    A = dict(names(w, "w"), dim=dim, stride=stride, lower=lower, sparse=int(sparse) * int(rng.integers(1, 4)),
             n=op.nelem, nelem=op.nelem, rnelem=e0, rnnz=t0, rsp=s.r.take_i64(len(positions)))
    if not sparse:  # a dense operand's element count and sp base are not read
        A.update(nelem=int(rng.integers(-3, 9)), wsp=int(rng.integers(-3, 9)))
    count = run(s, 399, None, A)
    run(s, 400, dict(r=dict(i64=[(A["rsp"], len(positions))])), A)
    assert s.r.i64[A["rsp"]:A["rsp"] + len(positions)].tolist() == positions.tolist()
    # A dense count sets the element count; a sparse one adds the stored selected ones.
    terms = sum(len(have[L][0]) for L in stored)
    assert count == ((e0 + len(stored), t0 + terms) if sparse else (len(positions), t0 + terms))
    for requested in (positions, stored):  # every selected position, or the stored ones
        want = {int(L): have.get(int(L), ([], 0.0)) for L in requested}
        n, nnz = len(want), sum(len(t) for t, _ in want.values())
        out = reserve(s.r, 0, n, nnz, sparse=True)
        s.r.i64[out.sp:out.sp + n], s.r.i32[out.ptr] = requested, 0
        run(s, 401, dict(r=dict(i32=[(out.ptr + 1, n)], i64=[(out.nidxs, nnz)], f64=[(out.cof, nnz), (out.bfix, n)])),
            A, names(out, "r"), n=n)
        assert_record(read(s.r, out, 0, n, nnz, sparse=True, shape=op.shape), want)
    if sparse:  # 402: the ptr and bfix of the dense form, the terms where they are
        full, sp, xbfix, xptr = dense(op), s.r.put_i64(op.sp), s.x.put_f64(op.bfix), s.x.put_i32(op.ptr)
        rptr, rbfix = s.r.take_i32(op.size + 1), s.r.take_f64(op.size)
        assert run(s, 402, dict(r=dict(i32=[(rptr + 1, op.size)], f64=[(rbfix, op.size)])), rbfix=rbfix, pos=0,
                   n=op.nelem, rptr=rptr, rnelem=op.size, rsp=sp, xbfix=xbfix, xptr=xptr) == op.nelem
        assert s.r.i32[rptr + 1:rptr + op.size + 1].tolist() == full.ptr[1:].tolist()
        assert s.r.f64[rbfix:rbfix + op.size].tolist() == full.bfix.tolist()
