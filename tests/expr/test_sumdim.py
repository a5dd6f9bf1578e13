"""Sums of a record along one dimension (dense; sparse through a radix sort): terms in order, constants summed."""
import numpy as np
import pytest

from support.layout import Stacks, accumulate, build, elements, names, put, run, some_record


@pytest.mark.parametrize("seed", range(32))
def test_sum_along_an_axis(seed):
    rng, sparse, pick = np.random.default_rng(100 + seed), bool(seed % 2), seed // 2
    nd, s = int(rng.integers(1, 5)), Stacks(2048, stride=1 + pick % 2)
    op, axis = some_record(rng, rng.integers(0, 4, size=nd), sparse), int(rng.integers(0, nd))
    b, e0, t0 = put(s.w, op, rng), *map(int, rng.integers(0, 4, size=2))
    W = names(b, "w") | dict(axis=axis, nd=nd, init=1, base=b.shape, n=axis, after=axis, before=nd, rnelem=e0, rnnz=t0)
    W |= dict(outer=run(s, [382, 388][pick % 2], None, W), inner=run(s, [383, 389][pick % 2], None, W))
    rshape, inner, n = op.shape[:axis] + op.shape[axis + 1:], W["inner"], op.nelem
    W |= dict(size=op.shape[axis], span=op.shape[axis] * inner, ostride=op.shape[axis] * inner, astride=inner)
    want = accumulate([(L // W["span"] * inner + L % inner, el) for L, el in sorted(elements(op).items())],
                      0 if sparse else W["outer"] * inner)
    if not sparse:  # appended after e0 elements and t0 terms (in whole outer blocks, the caller shifts the bases)
        assert build(s, want, rshape, False, lambda r: run(s, 392, False, W, names(r, "r")), e0, t0) == (
            e0 + len(want), t0 + op.nnz)
        return
    ncnt = run(s, 379, None, W, init=0, n=nd) + 1  # the largest size + 1 counters
    W |= dict(src=s.x.take_i32(n), dst=s.x.take_i32(n), cnt=s.x.take_i32(ncnt))
    scratch = dict(x=dict(i32=[(W["src"], n), (W["dst"], n), (W["cnt"], ncnt)]))
    shuffled = rng.permutation(op.sp)  # axis -1: sorted by every dimension (sp given in any order)
    for sp, by, a in ((shuffled, shuffled, -1), (op.sp, op.sp // max(W["span"], 1) % max(W["outer"], 1) * inner +
                                                 op.sp % max(inner, 1), axis)):
        run(s, 380, scratch, base=W["src"], n=n)
        W["perm"], other = run(s, 381, scratch, W, axis=a, n=n, wsp=s.w.put_i64(sp) if a < 0 else b.sp)
        order = s.x.i32[W["perm"]:W["perm"] + n].copy()
        assert {W["perm"], other} == {W["src"], W["dst"]} and order.tolist() == np.argsort(by, kind="stable").tolist()
    # Count and build in two stretches each: the count carries the last key over, the build splits
    # the positions between result elements.
    cut, starts = int(rng.integers(0, n + 1)), [t for t in range(n) if t == 0 or by[order[t]] != by[order[t - 1]]]
    last = run(s, 384, None, W, n=cut, last_outer=-1, last_inner=-1, rnelem=0)
    assert run(s, 384, None, W, perm=W["perm"] + cut, n=n - cut, last_outer=last[0], last_inner=last[1],
               rnelem=last[2])[2] == len(want)
    split = int(rng.choice(starts)) if starts else 0

    def write(r, kk=0, c=0):
        for first, end in ((0, split), (split, n)):
            t, kk, c = run(s, 387, False, W, names(r, "r"), first=first, last=end, rnelem=kk, rnnz=c)
            assert t == max(first, end)
        return kk, c
    assert build(s, want, rshape, True, write) == (len(want), op.nnz)
