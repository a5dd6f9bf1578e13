"""Weighted sums of expression records (two operands and lists), checked against NumPy on
the evaluated operands and against the concatenation order of their terms."""
import numpy as np
import pytest

from support.alloclimit import run_capped
from support.buffers import f64, i32
from support.layout import (appended_runs, assert_elements, elements, k, only_changed, pad, point, put,
                            random_shape, snap, some_record, value)
from support.records import Record, place, read, reserve, runs
from support.stacks import Stacks


def weight(rng):
    return float(rng.choice([0.0, 1.0, -1.0, round(float(rng.normal()), 3)]))


def assert_sum(result, ops, ws, rng, dense):
    """Terms concatenated in operand order and scaled; values the weighted NumPy sum."""
    exp = {}
    for rec, w in zip(ops, ws):
        for e, (terms, b) in elements(rec).items():
            t, c = exp.get(e, ([], 0.0))
            exp[e] = (t + [(n, w * v) for n, v in terms], c + w * b)
    assert_elements(result, exp, dense)
    xs = point(rng)
    want = sum((w * value(r, xs) for r, w in zip(ops, ws)), np.zeros(result.shape))
    np.testing.assert_allclose(value(result, xs), want, atol=1e-12)


def pair_sum(rng, s, a, b, wa, wb):
    """a * wa + b * wb by 367 (both dense, in two pieces), 368 (dense + sparse) or 370/372."""
    ba, bb = put(s.w, a, rng), put(s.w, b, rng)
    pad(s.r, rng)
    nd, n, nnz = a.nd, a.nelem, a.nnz + b.nnz
    if a.sparse:
        n = k(370)(a.nelem, b.nelem, 5, ba.sp, bb.sp, s.w.i64) - 5
        out = reserve(s.r, 0, n, nnz, sparse=True)
        snaps = snap(s)
        k(372)(ba.bfix, bb.bfix, ba.cof, bb.cof, wa, wb, a.nelem, b.nelem, ba.nidxs, bb.nidxs, ba.ptr, bb.ptr,
               out.bfix, out.cof, s.r.f64, s.r.i32, s.r.i64, out.nidxs, out.ptr, out.sp, ba.sp, bb.sp,
               s.w.f64, s.w.i32, s.w.i64)
        only_changed(s, snaps, r=runs(out, 0, n, nnz))
        return read(s.r, out, 0, n, nnz, sparse=True, shape=a.shape)
    if b.sparse:
        out = reserve(s.r, nd, n, nnz)
        snaps = snap(s)
        k(368)(ba.bfix, bb.bfix, ba.cof, bb.cof, wa, wb, a.nelem, b.nelem, ba.nidxs, bb.nidxs, ba.ptr, bb.ptr,
               out.bfix, out.cof, s.r.f64, s.r.i32, s.r.i64, nd, a.nelem, out.nidxs, out.ptr, out.shape, ba.shape,
               bb.sp, s.w.f64, s.w.i32, s.w.i64)
        only_changed(s, snaps, r=runs(out, nd, n, nnz))
        return read(s.r, out, nd, n, nnz)
    out = reserve(s.r, 0, n, nnz)
    s.r.i32[out.ptr] = 0
    snaps = snap(s)
    cut, t = int(rng.integers(0, n + 1)), 0
    for lo, hi in ((0, cut), (cut, n)):
        t = k(367)(ba.bfix + lo, bb.bfix + lo, ba.cof, bb.cof, t, wa, wb, ba.nidxs, bb.nidxs, ba.ptr + lo,
                   bb.ptr + lo, out.bfix + lo, out.cof, s.r.f64, s.r.i32, s.r.i64, hi - lo, out.nidxs,
                   out.ptr + lo, s.w.f64, s.w.i32, s.w.i64)
    assert t == nnz
    only_changed(s, snaps, r=appended_runs(out, 0, 0, n, nnz))
    return read(s.r, out, 0, n, nnz, shape=a.shape)


@pytest.mark.parametrize("seed", range(60))
def test_sum_of_two(seed):
    rng = np.random.default_rng(seed)
    shape = random_shape(rng)
    kinds = [(False, False), (False, True), (True, True)][seed % 3]
    a, b = (some_record(rng, shape, sparse) for sparse in kinds)
    wa, wb = weight(rng), weight(rng)
    result = pair_sum(rng, Stacks(2048, stride=1 + seed % 2), a, b, wa, wb)
    assert result.shape == shape
    if a.sparse:
        assert result.sp.tolist() == sorted(set(a.sp.tolist()) | set(b.sp.tolist()))
    assert_sum(result, [a, b], [wa, wb], rng, not a.sparse)


def test_sum_of_two_examples():
    rng = np.random.default_rng(0)
    # (a + 1, 2b; 0, a - c) minus itself held sparsely: every term twice, value 0.
    dense = Record((2, 2), [0, 1, 2, 2, 4], [1, 2, 1, 3], [1.0, 2.0, 1.0, -1.0], [1.0, 0.0, 0.0, 0.0])
    sparse = Record((2, 2), [0, 1, 2, 4], [1, 2, 1, 3], [1.0, 2.0, 1.0, -1.0], [1.0, 0.0, 0.0], sp=[0, 1, 3])
    r = pair_sum(rng, Stacks(256), dense, sparse, 1.0, -1.0)
    assert r.ptr.tolist() == [0, 2, 4, 4, 8] and r.nidxs.tolist() == [1, 1, 2, 2, 1, 3, 1, 3]
    assert r.cof.tolist() == [1.0, -1.0, 2.0, -2.0, 1.0, -1.0, -1.0, 1.0] and r.bfix.tolist() == [0.0] * 4
    empty = Record((3,), [0], [], [], [], sp=[])
    b = Record((3,), [0, 2, 3], [4, 4, 1], [1.0, 0.5, 2.0], [1.5, -1.0], sp=[0, 2])
    r = pair_sum(rng, Stacks(256), empty, b, 9.0, 2.0)
    assert r.sp.tolist() == [0, 2] and r.ptr.tolist() == [0, 2, 3]
    assert r.cof.tolist() == [2.0, 1.0, 4.0] and r.bfix.tolist() == [3.0, -2.0]
    assert pair_sum(rng, Stacks(256), empty, empty, 1.0, 1.0).ptr.tolist() == [0]
    # An empty (or negative) dense piece returns the count it was given and writes nothing.
    s = Stacks(64)
    snaps = snap(s)
    for rnelem in (0, -3):
        assert k(367)(3, 3, 3, 3, 17, 1.0, 1.0, 3, 3, 3, 3, 3, 3, s.r.f64, s.r.i32, s.r.i64, rnelem, 3, 3,
                      s.w.f64, s.w.i32, s.w.i64) == 17
    only_changed(s, snaps)


def test_list_helpers():
    assert k(373)(0, 3, i32([0, 5, 9], 2)) is False
    assert k(373)(0, 3, i32([0, -1, 9])) is True
    assert k(373)(1, 3, i32([0, 5, 9])) is True
    assert k(373)(0, 2, i32([0, 5, -1])) is False  # only n entries count
    assert k(374)(3, i32([4, 0, 6], -1), 10) == 20
    assert k(374)(2, i32([2**31 - 1, 2]), 0) == -(2**31) + 1  # wraps in 32 bits
    s = Stacks(64)
    snaps = snap(s)
    k(376)(5, s.r.f64, 4)
    k(377)(s.r.i32, 4, 10)
    k(376)(20, s.r.f64, 0)
    k(377)(s.r.i32, -1, 20)
    assert s.r.f64[5:9].tolist() == [0.0] * 4 and s.r.i32[10:15].tolist() == [0] * 5
    only_changed(s, snaps, r=dict(f64=[(5, 4)], i32=[(10, 5)]))


def sum_list(rng, s, ops, ws, init=0):
    """Runs the list sum as a caller would: choose the form, count, reserve, zero, build."""
    bases = [put(s.w, r, rng) for r in ops]
    n, stride = len(ops), int(rng.choice([1, -1, 3]))
    field = lambda values: i32(values, stride)
    sp_base = field([b.sp if r.sparse else -1 for r, b in zip(ops, bases)])
    nelem, nnz = field([r.nelem for r in ops]), field([r.nnz for r in ops])
    anydense = k(373)(init, n, sp_base)
    if anydense:
        rnelem, rnnz = int(np.prod(ops[0].shape)) if ops else 0, k(374)(n, nnz, 0)
    else:
        rnelem, rnnz = (v - d for v, d in zip(k(375)(n, nelem, nnz, 3, 4, sp_base, s.w.i64), (3, 4)))
        assert rnnz == sum(r.nnz for r in ops)
    pad(s.r, rng)
    out = reserve(s.r, 0, rnelem, rnnz, sparse=not anydense)
    snaps = snap(s)
    k(377)(s.r.i32, rnelem, out.ptr)
    k(376)(out.bfix, s.r.f64, rnelem)
    bf = lambda name: field([getattr(b, name) for b in bases])
    k(378)(int(anydense), bf("bfix"), bf("cof"), n, nelem, bf("nidxs"), bf("ptr"), out.bfix, out.cof,
           s.r.f64, s.r.i32, s.r.i64, rnelem, out.nidxs, out.ptr, out.sp if out.sp is not None else 0, sp_base,
           f64(ws, stride), s.w.f64, s.w.i32, s.w.i64)
    only_changed(s, snaps, r=runs(out, 0, rnelem, rnnz))
    return anydense, read(s.r, out, 0, rnelem, rnnz, sparse=not anydense, shape=ops[0].shape if ops else (0,))


@pytest.mark.parametrize("seed", range(40))
def test_sum_of_a_list(seed):
    rng = np.random.default_rng(300 + seed)
    shape = random_shape(rng)
    kinds = rng.random(int(rng.integers(1, 5))) < rng.random()
    ops = [some_record(rng, shape, bool(sparse)) for sparse in kinds]
    ws = [weight(rng) for _ in ops]
    init = int(rng.random() < 0.2)
    anydense, result = sum_list(rng, Stacks(2048, stride=1 + seed % 2), ops, ws, init)
    assert anydense == bool(init or not kinds.all())
    assert_sum(result, ops, ws, rng, anydense)


def test_sum_list_examples():
    # Operand 1 stores only indexes beyond operand 0's; operands 0 and 2 share index 1.
    ops = [Record((6,), [0, 1, 2], [1, 2], [1.0, 1.0], [1.0, 2.0], sp=[0, 1]),
           Record((6,), [0, 1], [3], [1.0], [3.0], sp=[5]),
           Record((6,), [0, 2], [2, 1], [1.0, 1.0], [4.0], sp=[1])]
    anydense, r = sum_list(np.random.default_rng(1), Stacks(512), ops, [1.0, 2.0, -1.0])
    assert not anydense and r.sp.tolist() == [0, 1, 5] and r.ptr.tolist() == [0, 1, 4, 5]
    assert r.nidxs.tolist() == [1, 2, 2, 1, 3] and r.cof.tolist() == [1.0, 1.0, -1.0, -1.0, 2.0]
    assert r.bfix.tolist() == [1.0, -2.0, 6.0]
    # No operands: the dense result stays zero.
    s = Stacks(128)
    assert k(375)(0, i32([]), i32([]), 3, 4, i32([]), s.w.i64) == (3, 4)
    out = reserve(s.r, 0, 4, 0)
    k(377)(s.r.i32, 4, out.ptr)
    k(376)(out.bfix, s.r.f64, 4)
    k(378)(1, i32([]), i32([]), 0, i32([]), i32([]), i32([]), out.bfix, out.cof, s.r.f64, s.r.i32, s.r.i64, 4,
           out.nidxs, out.ptr, 0, i32([]), f64([]), s.w.f64, s.w.i32, s.w.i64)
    assert s.r.i32[out.ptr:out.ptr + 5].tolist() == [0] * 5 and s.r.f64[out.bfix:out.bfix + 4].tolist() == [0.0] * 4


def test_cursor_allocation_failure_writes_nothing():
    # The cursors of 2**28 operands (1 GiB) cannot be had under the cap: MemoryError before
    # any operand data is read or the result written.
    done = run_capped("""
        import numpy as np, fragments
        small = np.zeros(4, dtype=np.int32)
        r32, r64, rf = np.full(8, 5, np.int32), np.full(8, 5, np.int64), np.full(8, 5.0)
        w32, w64, wf = np.zeros(8, np.int32), np.zeros(8, np.int64), np.zeros(8)
        n = 1 << 28
        cap_address_space()
        for call in (
            lambda: fragments._c_closure_375(n, small, small, 0, 0, small, w64),
            lambda: fragments._c_closure_378(0, small, small, n, small, small, small, 0, 0, rf, r32, r64, 0, 0, 0,
                                             0, small, np.zeros(4), wf, w32, w64)):
            try:
                call()
                raise SystemExit("no MemoryError")
            except MemoryError:
                pass
        assert (r32 == 5).all() and (r64 == 5).all() and (rf == 5.0).all()
        print("ok")
    """)
    assert done.stdout.strip() == "ok", done.stderr
