"""Weighted sums of expression records (two operands and lists) against NumPy on the
evaluated operands; worked examples fix the concatenation order of the terms."""
import numpy as np
import pytest

from support.buffers import f64, i32
from support.layout import (appended_runs, assert_memory_error, assert_numpy, guarded, k, pad, put, random_shape,
                            some_record)
from support.records import Record, read, reserve, runs
from support.stacks import Stacks


def weight(rng):
    return float(rng.choice([0.0, 1.0, -1.0, round(float(rng.normal()), 3)]))


def pair_sum(rng, s, a, b, wa, wb):
    """a * wa + b * wb by 367 (both dense, in two pieces), 368 (dense + sparse) or 370/372."""
    ba, bb = put(s.w, a, rng), put(s.w, b, rng)
    pad(s.r, rng)
    nd, n, nnz = a.nd, a.nelem, a.nnz + b.nnz
    ops = (ba.bfix, bb.bfix, ba.cof, bb.cof, wa, wb, a.nelem, b.nelem, ba.nidxs, bb.nidxs, ba.ptr, bb.ptr)
    if a.sparse:
        n = k(370)(a.nelem, b.nelem, 5, ba.sp, bb.sp, s.w.i64) - 5
        out = reserve(s.r, 0, n, nnz, sparse=True)
        guarded(s, lambda: k(372)(*ops, out.bfix, out.cof, s.r.f64, s.r.i32, s.r.i64, out.nidxs, out.ptr, out.sp,
                                  ba.sp, bb.sp, s.w.f64, s.w.i32, s.w.i64), r=runs(out, 0, n, nnz))
        return read(s.r, out, 0, n, nnz, sparse=True, shape=a.shape)
    if b.sparse:
        out = reserve(s.r, nd, n, nnz)
        guarded(s, lambda: k(368)(*ops, out.bfix, out.cof, s.r.f64, s.r.i32, s.r.i64, nd, a.nelem, out.nidxs,
                                  out.ptr, out.shape, ba.shape, bb.sp, s.w.f64, s.w.i32, s.w.i64),
                r=runs(out, nd, n, nnz))
        return read(s.r, out, nd, n, nnz)
    out = reserve(s.r, 0, n, nnz)
    s.r.i32[out.ptr] = 0
    cut = int(rng.integers(0, n + 1))

    def pieces(t=0):
        for lo, hi in ((0, cut), (cut, n)):
            t = k(367)(ba.bfix + lo, bb.bfix + lo, ba.cof, bb.cof, t, wa, wb, ba.nidxs, bb.nidxs, ba.ptr + lo,
                       bb.ptr + lo, out.bfix + lo, out.cof, s.r.f64, s.r.i32, s.r.i64, hi - lo, out.nidxs,
                       out.ptr + lo, s.w.f64, s.w.i32, s.w.i64)
        return t
    assert guarded(s, pieces, r=appended_runs(out, 0, 0, n, nnz)) == nnz
    return read(s.r, out, 0, n, nnz, shape=a.shape)


@pytest.mark.parametrize("seed", range(24))
def test_sum_of_two(seed):
    rng = np.random.default_rng(seed)
    shape = random_shape(rng)
    a, b = (some_record(rng, shape, sparse) for sparse in [(0, 0), (0, 1), (1, 1)][seed % 3])
    wa, wb = weight(rng), weight(rng)
    r = pair_sum(rng, Stacks(2048, stride=1 + seed % 2), a, b, wa, wb)
    assert r.shape == shape
    if a.sparse:
        assert r.sp.tolist() == sorted(set(a.sp.tolist()) | set(b.sp.tolist()))
    assert_numpy(rng, r, lambda u, v: wa * u + wb * v, a, b)


DENSE = Record((2, 2), [0, 1, 2, 2, 4], [1, 2, 1, 3], [1.0, 2.0, 1.0, -1.0], [1.0, 0.0, 0.0, 0.0])
SPARSE = Record((2, 2), [0, 1, 2, 4], [1, 2, 1, 3], [1.0, 2.0, 1.0, -1.0], [1.0, 0.0, 0.0], sp=[0, 1, 3])
EMPTY = Record((3,), [0], [], [], [], sp=[])
B3 = Record((3,), [0, 2, 3], [4, 4, 1], [1.0, 0.5, 2.0], [1.5, -1.0], sp=[0, 2])
A3 = Record((3,), [0, 1, 1, 2], [5, 6], [1.0, 1.0], [0.5, 0.0, 1.0])
BACKWARDS = Record((3,), [0, 1, 3], [7, 8, 9], [2.0, 3.0, 4.0], [1.0, 2.0], sp=[2, 0])  # not in order: scattered


@pytest.mark.parametrize("a, b, wa, wb, want", [  # want: sp, ptr, nidxs, cof, bfix
    (DENSE, SPARSE, 1.0, -1.0, (None, [0, 2, 4, 4, 8], [1, 1, 2, 2, 1, 3, 1, 3],
                                [1.0, -1.0, 2.0, -2.0, 1.0, -1.0, -1.0, 1.0], [0.0] * 4)),
    (EMPTY, B3, 9.0, 2.0, ([0, 2], [0, 2, 3], [4, 4, 1], [2.0, 1.0, 4.0], [3.0, -2.0])),
    (EMPTY, EMPTY, 1.0, 1.0, ([], [0], [], [], [])),
    (A3, BACKWARDS, 1.0, 1.0, (None, [0, 3, 3, 5], [5, 8, 9, 6, 7], [1.0, 3.0, 4.0, 1.0, 2.0], [2.5, 0.0, 2.0]))])
def test_sum_of_two_examples(a, b, wa, wb, want):
    r = pair_sum(np.random.default_rng(0), Stacks(256), a, b, wa, wb)
    got = (None if r.sp is None else r.sp.tolist(), r.ptr.tolist(), r.nidxs.tolist(), r.cof.tolist(),
           r.bfix.tolist())
    assert got == want


def test_list_helpers_and_empty_pieces():
    assert k(373)(0, 3, i32([0, 5, 9], 2)) is False
    assert k(373)(0, 3, i32([0, -1, 9])) is True
    assert k(373)(1, 3, i32([0, 5, 9])) is True
    assert k(373)(0, 2, i32([0, 5, -1])) is False
    assert k(374)(3, i32([4, 0, 6], -1), 10) == 20
    assert k(374)(2, i32([2**31 - 1, 2]), 0) == -(2**31) + 1
    s = Stacks(64)

    def calls():
        k(376)(5, s.r.f64, 4)
        k(377)(s.r.i32, 4, 10)
        k(376)(20, s.r.f64, 0)
        k(377)(s.r.i32, -1, 20)
        return [k(367)(3, 3, 3, 3, 17, 1.0, 1.0, 3, 3, 3, 3, 3, 3, s.r.f64, s.r.i32, s.r.i64, m, 3, 3,
                       s.w.f64, s.w.i32, s.w.i64) for m in (0, -3)]
    assert guarded(s, calls, r=dict(f64=[(5, 4)], i32=[(10, 5)])) == [17, 17]
    assert s.r.f64[5:9].tolist() == [0.0] * 4 and s.r.i32[10:15].tolist() == [0] * 5


def sum_list(rng, s, ops, ws, init=0, shape=None):
    """The list sum as a caller runs it: choose the form, count, reserve, zero, build."""
    bases = [put(s.w, r, rng) for r in ops]
    n, stride = len(ops), int(rng.choice([1, -1, 3]))
    field = lambda values: i32(values, stride)
    sp_base = field([b.sp if r.sparse else -1 for r, b in zip(ops, bases)])
    nelem, nnz = field([r.nelem for r in ops]), field([r.nnz for r in ops])
    anydense = k(373)(init, n, sp_base)
    if anydense:
        rnelem, rnnz = int(np.prod(shape)), k(374)(n, nnz, 0)
    else:
        rnelem, rnnz = (v - d for v, d in zip(k(375)(n, nelem, nnz, 3, 4, sp_base, s.w.i64), (3, 4)))
        assert rnnz == sum(r.nnz for r in ops)
    pad(s.r, rng)
    out = reserve(s.r, 0, rnelem, rnnz, sparse=not anydense)
    bf = lambda name: field([getattr(b, name) for b in bases])

    def build():
        k(377)(s.r.i32, rnelem, out.ptr)
        k(376)(out.bfix, s.r.f64, rnelem)
        k(378)(int(anydense), bf("bfix"), bf("cof"), n, nelem, bf("nidxs"), bf("ptr"), out.bfix, out.cof,
               s.r.f64, s.r.i32, s.r.i64, rnelem, out.nidxs, out.ptr, 0 if anydense else out.sp, sp_base,
               f64(ws, stride), s.w.f64, s.w.i32, s.w.i64)
    guarded(s, build, r=runs(out, 0, rnelem, rnnz))
    return anydense, read(s.r, out, 0, rnelem, rnnz, sparse=not anydense, shape=shape)


@pytest.mark.parametrize("seed", range(16))
def test_sum_of_a_list(seed):
    rng = np.random.default_rng(300 + seed)
    shape = random_shape(rng)
    kinds = rng.random(int(rng.integers(1, 5))) < rng.random()
    ops = [some_record(rng, shape, bool(sparse)) for sparse in kinds]
    ws = [weight(rng) for _ in ops]
    init = int(seed % 5 == 0)
    anydense, r = sum_list(rng, Stacks(2048, stride=1 + seed % 2), ops, ws, init, shape)
    assert anydense == bool(init or not kinds.all())
    assert_numpy(rng, r, lambda *vs: sum((w * v for w, v in zip(ws, vs)), np.zeros(shape)), *ops)


def test_sum_list_examples():
    ops = [Record((6,), [0, 1, 2], [1, 2], [1.0, 1.0], [1.0, 2.0], sp=[0, 1]),
           Record((6,), [0, 1], [3], [1.0], [3.0], sp=[5]),
           Record((6,), [0, 2], [2, 1], [1.0, 1.0], [4.0], sp=[1])]
    anydense, r = sum_list(np.random.default_rng(1), Stacks(512), ops, [1.0, 2.0, -1.0], shape=(6,))
    assert not anydense and r.sp.tolist() == [0, 1, 5] and r.ptr.tolist() == [0, 1, 4, 5]
    assert r.nidxs.tolist() == [1, 2, 2, 1, 3] and r.cof.tolist() == [1.0, 1.0, -1.0, -1.0, 2.0]
    assert r.bfix.tolist() == [1.0, -2.0, 6.0]
    assert k(375)(0, i32([]), i32([]), 3, 4, i32([]), Stacks(8).w.i64) == (3, 4)
    anydense, r = sum_list(np.random.default_rng(2), Stacks(128), [], [], 1, (4,))
    assert anydense and r.ptr.tolist() == [0] * 5 and r.bfix.tolist() == [0.0] * 4


def test_cursor_allocation_failure_writes_nothing():
    assert_memory_error(
        "small = np.zeros(4, np.int32); n = 1 << 28\n"
        "r32, r64, rf = np.full(8, 5, np.int32), np.full(8, 5, np.int64), np.full(8, 5.0)\n"
        "w32, w64, wf = np.zeros(8, np.int32), np.zeros(8, np.int64), np.zeros(8)",
        ["F._c_closure_375(n, small, small, 0, 0, small, w64)",
         "F._c_closure_378(0, small, small, n, small, small, small, 0, 0, rf, r32, r64, 0, 0, 0, 0, small, "
         "np.zeros(4), wf, w32, w64)"],
        "r32, r64, rf")
