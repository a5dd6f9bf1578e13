"""Sums of a record along one dimension (dense in one pass; sparse through identity, radix sort,
count and build; passes in two stretches): per result element the terms of the elements summed
into it, in increasing linear index, and the sum of their constants."""
import numpy as np
import pytest

from support.layout import accumulate, build, names, pad, put, run, some_record
from support.products import elements
from support.stacks import Stacks


@pytest.mark.parametrize("seed", range(32))
def test_sum_along_an_axis(seed):
    rng, sparse, pick = np.random.default_rng(100 + seed), bool(seed % 2), seed // 2
    nd = int(rng.integers(1, 5))
    op, axis, s = some_record(rng, rng.integers(0, 4, size=nd), sparse), int(rng.integers(0, nd)), Stacks(2048, stride=1 + pick % 2)
    b = put(s.w, op, rng)
    W = names(b, "w") | dict(axis=axis, nd=nd, init=1, base=b.shape, n=axis, after=axis, before=nd)
    W |= dict(outer=run(s, [382, 388][pick % 2], None, W), inner=run(s, [383, 389][pick % 2], None, W))
    rshape, inner, n = op.shape[:axis] + op.shape[axis + 1:], W["inner"], op.nelem
    W |= dict(size=op.shape[axis], span=op.shape[axis] * inner, ostride=op.shape[axis] * inner, astride=inner)
    want = accumulate([(L // W["span"] * inner + L % inner, el) for L, el in sorted(elements(op).items())],
                      0 if sparse else W["outer"] * inner)
    pad(s.r, rng)
    if not sparse:
        cut, rsh = int(rng.integers(0, W["outer"] + 1)), s.r.take_i32(nd - 1)
        run(s, [366, 371, 385, 390][pick % 4], dict(r=dict(i32=[(rsh, nd - 1)])), W, rbase=rsh)  # sizes before axis,
        run(s, [386, 391][pick // 8], dict(r=dict(i32=[(rsh, nd - 1)])), W, rbase=rsh)  # then after it
        assert s.r.i32[rsh:rsh + nd - 1].tolist() == list(rshape)

        def write(r, kk=0, c=0):  # whole outer blocks at a time
            for lo, hi in ((0, cut), (cut, W["outer"])):
                kk, c = run(s, 392, False, W, names(r, "r"), wbfix=b.bfix + lo * W["span"], wptr=b.ptr + lo * W["span"],
                            outer=hi - lo, rnelem=kk, rnnz=c)
            return kk, c
        assert build(s, want, rshape, False, write) == (len(want), op.nnz)
        return
    pad(s.x, rng)
    ncnt = run(s, 379, None, W, init=0, n=nd) + 1  # the largest size + 1 counters
    W |= dict(src=s.x.take_i32(n), dst=s.x.take_i32(n), cnt=s.x.take_i32(ncnt))
    scratch = dict(x=dict(i32=[(W["src"], n), (W["dst"], n), (W["cnt"], ncnt)]))
    for by, a in ((op.sp, -1), ((op.sp // max(W["span"], 1)) % max(W["outer"], 1) * inner + op.sp % max(inner, 1), axis)):
        run(s, 380, scratch, base=W["src"], n=n)  # axis -1: sorted by every dimension
        W["perm"], other = run(s, 381, scratch, W, axis=a, n=n)
        order = s.x.i32[W["perm"]:W["perm"] + n].copy()
        assert {W["perm"], other} == {W["src"], W["dst"]} and order.tolist() == np.argsort(by, kind="stable").tolist()
    cut, starts = int(rng.integers(0, n + 1)), [t for t in range(n) if t == 0 or by[order[t]] != by[order[t - 1]]]
    last = run(s, 384, None, W, n=cut, last_outer=-1, last_inner=-1, rnelem=0)
    assert run(s, 384, None, W, perm=W["perm"] + cut, n=n - cut, last_outer=last[0], last_inner=last[1],
               rnelem=last[2])[2] == len(want)
    split = int(rng.choice(starts)) if starts else 0

    def write(r, kk=0, c=0):  # in two stretches, split between result elements
        for first, end in ((0, split), (split, n)):
            t, kk, c = run(s, 387, False, W, names(r, "r"), first=first, last=end, rnelem=kk, rnnz=c)
            assert t == max(first, end)
        return kk, c
    assert build(s, want, rshape, True, write) == (len(want), op.nnz)
