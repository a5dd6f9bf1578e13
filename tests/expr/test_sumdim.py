"""Sums of a record along one dimension (dense in one pass; sparse through identity, radix sort,
count and build, each pass in two stretches): per result element, the terms of the elements
summed into it in increasing linear index and the sum of their constants."""
import numpy as np
import pytest

from support.layout import accumulate, appended_runs, assert_record, names, pad, put, run, some_record
from support.products import elements
from support.records import read, reserve
from support.stacks import Stacks


@pytest.mark.parametrize("seed", range(32))
def test_sum_along_an_axis(seed):
    rng = np.random.default_rng(100 + seed)
    nd, sparse = int(rng.integers(1, 5)), bool(seed % 2)
    op, axis = some_record(rng, rng.integers(0, 4, size=nd), sparse), int(rng.integers(0, nd))
    s = Stacks(2048, stride=1 + seed // 2 % 2)
    b = put(s.w, op, rng)
    W = dict(names(b, "w"), axis=axis, nd=nd, init=1, base=b.shape, after=axis, before=nd)
    outer, inner = run(s, [382, 388][seed // 4 % 2], None, W, n=axis), run(s, [383, 389][seed // 4 % 2], None, W)
    size, rshape = op.shape[axis], op.shape[:axis] + op.shape[axis + 1:]
    span, rn = size * inner, outer * inner
    want = accumulate([(L // span * inner + L % inner, el) for L, el in sorted(elements(op).items())], 0 if sparse else rn)
    pad(s.r, rng)
    if not sparse:
        rsh, out = s.r.take_i32(nd - 1), reserve(s.r, 0, rn, op.nnz)
        s.r.i32[out.ptr], kk, c, cut = 0, 0, 0, int(rng.integers(0, outer + 1))
        allowed = dict(r=appended_runs(out, 0, 0, rn, op.nnz))
        allowed["r"]["i32"].append((rsh, nd - 1))
        run(s, [366, 371, 385, 390][seed // 4 % 4], allowed, W, n=axis, rbase=rsh)  # the sizes before axis,
        run(s, [386, 391][seed // 16], allowed, W, rbase=rsh)  # then those after it
        assert s.r.i32[rsh:rsh + nd - 1].tolist() == list(rshape)
        for lo, hi in ((0, cut), (cut, outer)):
            kk, c = run(s, 392, allowed, W, names(out, "r"), wbfix=b.bfix + lo * span, wptr=b.ptr + lo * span,
                        outer=hi - lo, size=size, inner=inner, rnelem=kk, rnnz=c, ostride=span, astride=inner)
    else:
        n, ncnt = op.nelem, run(s, 379, None, W, init=0, n=nd) + 1
        pad(s.x, rng)
        src, dst, cnt = s.x.take_i32(n), s.x.take_i32(n), s.x.take_i32(ncnt)
        scratch, S = dict(x=dict(i32=[(src, n), (dst, n), (cnt, ncnt)])), dict(W, src=src, dst=dst, cnt=cnt, n=n)
        for by, a in ((op.sp, -1), ((op.sp // max(span, 1)) % max(outer, 1) * inner + op.sp % max(inner, 1), axis)):
            run(s, 380, scratch, base=src, n=n)  # axis -1: sorted by every dimension
            perm, other = run(s, 381, scratch, S, axis=a)
            order = s.x.i32[perm:perm + n].copy()
            assert {perm, other} == {src, dst} and order.tolist() == np.argsort(by, kind="stable").tolist()
        C = dict(W, perm=perm, outer=outer, inner=inner, span=span)
        cut = int(rng.integers(0, n + 1))
        last = run(s, 384, None, C, n=cut, last_outer=-1, last_inner=-1, rnelem=0)
        assert run(s, 384, None, C, perm=perm + cut, n=n - cut, last_outer=last[0], last_inner=last[1],
                   rnelem=last[2])[2] == len(want)
        out = reserve(s.r, 0, len(want), op.nnz, sparse=True)
        starts = [t for t in range(n) if t == 0 or by[order[t]] != by[order[t - 1]]]
        s.r.i32[out.ptr], kk, c, split = 0, 0, 0, int(rng.choice(starts)) if starts else 0
        for first, end in ((0, split), (split, n)):  # stretches split between result elements
            t, kk, c = run(s, 387, dict(r=appended_runs(out, 0, 0, len(want), op.nnz, sparse=True)), C,
                           names(out, "r"), first=first, last=end, rnelem=kk, rnnz=c)
            assert t == max(first, end)
    assert (kk, c) == (len(want), op.nnz)
    assert_record(read(s.r, out, 0, kk, c, sparse=sparse, shape=rshape), want)
