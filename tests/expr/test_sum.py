"""Weighted sums of expression records (two operands and lists): per linear index, the weighted
terms of every operand that stores it, in operand order, and the weighted sum of constants."""
import numpy as np
import pytest

from support.buffers import f64, i32
from support.layout import accumulate, assert_memory_error, assert_record, names, pad, put, random_shape, run, some_record
from support.products import elements
from support.records import Record, read, reserve, runs
from support.stacks import Stacks


def weight(rng):
    return float(rng.choice([0.0, 1.0, -1.0, round(float(rng.normal()), 3)]))


def summed(ops, ws, size=0):
    return accumulate(((L, ([(n, w * c) for n, c in terms], w * b)) for op, w in zip(ops, ws)
                       for L, (terms, b) in elements(op).items()), size)


def shuffled(rng, r):
    """The same elements stored in another order (sp no longer increasing)."""
    perm = rng.permutation(r.nelem)
    t = [r.terms(e) for e in perm]
    return Record(r.shape, np.cumsum([0] + [len(n) for n, _ in t]), np.concatenate([n for n, _ in t] + [np.zeros(0, np.int64)]),
                  np.concatenate([c for _, c in t] + [[]]), r.bfix[perm], r.sp[perm])


@pytest.mark.parametrize("seed", range(30))
def test_sum_of_two(seed):
    rng = np.random.default_rng(seed)
    shape = random_shape(rng)
    a, b = (some_record(rng, shape, sparse) for sparse in [(0, 0), (0, 1), (1, 1)][seed % 3])
    if seed % 6 == 1:  # 368 takes a sparse operand in any order too
        b = shuffled(rng, b)
    if seed % 9 == 3:  # and a dense one without terms
        a = Record(shape, np.zeros(a.nelem + 1), [], [], a.bfix)
    ws = weight(rng), weight(rng)
    s = Stacks(2048, stride=1 + seed % 2)
    ba, bb = put(s.w, a, rng), put(s.w, b, rng)
    pad(s.r, rng)
    A = {f"{f}_{t}": getattr(x, f) or 0 for t, x in (("a", ba), ("b", bb)) for f in ("ptr", "nidxs", "cof", "bfix", "sp")}
    A.update(wa=ws[0], wb=ws[1], nelem_a=a.nelem, nelem_b=b.nelem, nd=a.nd, wshape=ba.shape)
    n, nnz = a.nelem, a.nnz + b.nnz
    if a.sparse:
        n = run(s, 370, None, A, rnelem=5) - 5
        out = reserve(s.r, a.nd, n, nnz, sparse=True)
        run(s, 372, dict(r=runs(out, 0, n, nnz)), A, names(out, "r"))
    elif b.sparse:
        out = reserve(s.r, a.nd, n, nnz)
        run(s, 368, dict(r=runs(out, a.nd, n, nnz)), A, names(out, "r"), rnelem=n)
    else:
        out, t, cut = reserve(s.r, a.nd, n, nnz), 0, int(rng.integers(0, n + 1))
        s.r.i32[out.ptr] = 0
        for lo, hi in ((0, cut), (cut, n)):  # in two pieces
            t = run(s, 367, dict(r=runs(out, 0, n, nnz)), A, rnnz=t, rnelem=hi - lo, rnidxs=out.nidxs, rcof=out.cof,
                    bfix_a=ba.bfix + lo, bfix_b=bb.bfix + lo, ptr_a=ba.ptr + lo, ptr_b=bb.ptr + lo,
                    rbfix=out.bfix + lo, rptr=out.ptr + lo)
        assert t == nnz
    r = read(s.r, out, a.nd, n, nnz, sparse=a.sparse, shape=None if b.sparse and not a.sparse else shape)
    assert r.shape == shape  # 368 copies the shape run
    assert_record(r, summed([a, b], ws, 0 if a.sparse else a.size))


@pytest.mark.parametrize("seed", range(16))
def test_sum_of_a_list(seed):
    rng = np.random.default_rng(300 + seed)
    shape = random_shape(rng)
    ops = [some_record(rng, shape, bool(sp)) for sp in rng.random(int(rng.integers(0, 5))) < rng.random()]
    ws, init, stride = [weight(rng) for _ in ops], int(seed % 5 == 0), int(rng.choice([1, -1, 3]))
    s = Stacks(2048, stride=1 + seed % 2)
    bases, a = [put(s.w, r, rng) for r in ops], lambda v: i32(v, stride)
    A = {f + "_base": a([getattr(b, f) for b in bases]) for f in ("ptr", "nidxs", "cof", "bfix")}
    A.update(n=len(ops), nelem=a([r.nelem for r in ops]), nnz=a([r.nnz for r in ops]), w=f64(ws, stride), init=init,
             sp_base=a([b.sp if r.sparse else -1 for r, b in zip(ops, bases)]))
    anydense = run(s, 373, None, A)
    assert anydense == bool(init or not all(r.sparse for r in ops))
    size = int(np.prod(shape))
    n, nnz = (size, run(s, 374, None, A, init=3) - 3) if anydense else \
        (v - d for v, d in zip(run(s, 375, None, A, rnelem=3, rnnz=4), (3, 4)))
    assert nnz == sum(r.nnz for r in ops)
    pad(s.r, rng)
    out = reserve(s.r, 0, n, nnz, sparse=not anydense)
    allowed = dict(r=runs(out, 0, n, nnz))
    run(s, 377, allowed, n=n, base=out.ptr)
    run(s, 376, allowed, n=n, base=out.bfix)
    run(s, 378, allowed, A, names(out, "r"), anydense=int(anydense), rnelem=n)
    assert_record(read(s.r, out, 0, n, nnz, sparse=not anydense, shape=shape), summed(ops, ws, size * anydense))


def test_scratch_failures_write_nothing():
    # The list-sum cursors (taken before the operands' counts are read), a sparse slice's
    # nd = 2**30 coordinates and the radix sort's scratch: each one too large to have.
    assert_memory_error(
        "small, n = np.zeros(4, np.int32), 1 << 28\n"
        "r32, r64, rf = np.full(8, 5, np.int32), np.full(8, 5, np.int64), np.full(8, 5.0)\n"
        "w32, w64, wf = np.array([0, 1, 3, 0], np.int32), np.array([0, 1, 0, 0], np.int64), np.ones(4)\n"
        "x, one, st = np.full(16, 5, np.int32), np.ones(1, np.int32), np.ones(1, np.int64)",
        ["F._c_closure_375(n, small, small, 0, 0, small, w64)",
         "F._c_closure_378(0, small, small, n, small, small, small, 0, 0, rf, r32, r64, 0, 0, 0, 0, small, "
         "np.zeros(4), wf, w32, w64)",
         "F._c_closure_263(0, 1, small[:1], 1, 0, 0, one, 1 << 30, 1, 0, 0, 0, 0, rf, r32, r64, 0, 0, 0, st, 0, "
         "2, st, wf, w32, w64)",
         "F._c_closure_381(0, 0, n, 4, 8, 0, 0, 4, np.ones(4, np.int32), np.zeros(4, np.int64), x)"],
        "r32, r64, rf, x")
