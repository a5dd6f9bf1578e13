"""Weighted sums of records: per index the weighted terms of the operands that store it, constants summed."""
import numpy as np
import pytest

from support.layout import (Record, Stacks, accumulate, build, elements, f64, i32, names, nterms, put, random_shape,
                            run, some_record)


def weight(rng):
    return float(rng.choice([0.0, 1.0, -1.0, round(float(rng.normal()), 3)]))


def summed(ops, ws, size=0):
    return accumulate(((L, ([(n, w * c) for n, c in terms], w * b)) for op, w in zip(ops, ws)
                       for L, (terms, b) in elements(op).items()), size)


@pytest.mark.parametrize("seed", range(30))
def test_sum_of_two(seed):
    rng = np.random.default_rng(seed)
    shape = random_shape(rng)
    a, b = (some_record(rng, shape, sparse) for sparse in [(0, 0), (0, 1), (1, 1)][seed % 3])
    if seed % 6 == 1:  # 368 takes a sparse operand stored in any order too
        b.sp = rng.permutation(b.sp)
    if seed % 6 == 4:  # and a dense one without terms
        a = Record(shape, np.zeros(a.nelem + 1), [], [], a.bfix)
    ws, s = (weight(rng), weight(rng)), Stacks(2048, stride=1 + seed % 2)
    ba, bb, want = put(s.w, a, rng), put(s.w, b, rng), summed([a, b], ws, 0 if a.sparse else a.size)
    A = {f"{f}_{t}": getattr(x, f) or 0 for t, x in zip("ab", (ba, bb)) for f in ("ptr", "nidxs", "cof", "bfix", "sp")}
    A |= dict(wa=ws[0], wb=ws[1], nelem_a=a.nelem, nelem_b=b.nelem, nd=a.nd, wshape=ba.shape, rnelem=a.nelem)
    if a.sparse:
        assert run(s, 370, None, A, rnelem=5) == 5 + len(want)
        build(s, want, shape, True, lambda r: run(s, 372, False, A, names(r, "r")), fresh=True)
    elif b.sparse:  # and copies the shape run
        build(s, want, shape, False, lambda r: run(s, 368, False, A, names(r, "r")), fresh=True, shaped=True)
    else:  # appended after t0 terms (piece by piece, the caller shifts the bases)
        t0 = int(rng.integers(0, 5))
        assert build(s, want, shape, False, lambda r: run(s, 367, False, A, names(r, "r"), rnnz=t0), 0, t0) == (
            t0 + nterms(want))


@pytest.mark.parametrize("seed", range(16))
def test_sum_of_a_list(seed):
    rng, s = np.random.default_rng(300 + seed), Stacks(stride=2 - seed % 2)
    shape, init, stride = random_shape(rng), seed % 5 == 0, int(rng.choice([1, -1, 3]))
    ops = [some_record(rng, shape, sp or seed % 4 == 1) for sp in rng.random(int(rng.integers(0, 5))) < rng.random()]
    ws, bases, a = [weight(rng) for _ in ops], [put(s.w, r, rng) for r in ops], lambda v: i32(v, stride)
    anydense, nnz = init or not all(r.sparse for r in ops), sum(r.nnz for r in ops)
    want = summed(ops, ws, np.prod(shape, dtype=int) * anydense)
    A = {f + "_base": a([getattr(b, f) for b in bases]) for f in ("ptr", "nidxs", "cof", "bfix")} | dict(
        n=len(ops), nelem=a([r.nelem for r in ops]), nnz=a([r.nnz for r in ops]), w=f64(ws, stride), init=int(init),
        sp_base=a([b.sp if r.sparse else -1 for r, b in zip(ops, bases)]), anydense=int(anydense), rnelem=len(want))
    assert run(s, 373, None, A) is anydense
    assert run(s, 374, None, A, init=3) - 3 == nnz if anydense else run(s, 375, None, A, rnelem=3, rnnz=4) == (
        3 + len(want), 4 + nnz)
    build(s, want, shape, not anydense, lambda r: [run(s, 377, False, n=len(want), base=r.ptr), run(
        s, 376, False, n=len(want), base=r.bfix), run(s, 378, False, A, names(r, "r"))], fresh=True)
