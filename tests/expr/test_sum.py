"""Weighted sums of expression records (two operands and lists), checked against NumPy on
the evaluated operands and against the concatenation order of their terms."""
import numpy as np
import pytest

import fragments
from support.alloclimit import run_capped
from support.buffers import f64, i32
from support.records import Record, evaluate, place, random_record, read, reserve, runs
from support.stacks import Stacks


def k(n):
    return getattr(fragments, f"_c_closure_{n}")


def pad(stack, rng):
    """Moves the stack's tops by a random amount, so runs start at random bases."""
    for take in (stack.take_i32, stack.take_i64, stack.take_f64):
        take(int(rng.integers(0, 9)))


def random_shape(rng):
    return tuple(int(s) for s in rng.integers(0, 4, size=int(rng.integers(0, 4))))


def stacks(rng):
    return Stacks(size=2048, stride=int(rng.choice([1, 2])))


def operand(rng, shape, sparse):
    return random_record(rng, shape, sparse=sparse, bar=int(rng.integers(0, 3)), density=float(rng.random()))


def weight(rng):
    return float(rng.choice([0.0, 1.0, -1.0, round(float(rng.normal()), 3)]))


def point(rng):
    return rng.normal(size=6), rng.normal(size=2)


def elements(rec):
    """linear index -> (list of (nidx, cof), constant) of every stored element."""
    out = {}
    for j, e in enumerate(rec.linear()):
        n, c = rec.terms(j)
        out[int(e)] = (list(zip(n.tolist(), c.tolist())), float(rec.bfix[j]))
    return out


def expected_sum(ops, ws):
    """The weighted sum's elements: terms concatenated in operand order, scaled."""
    out = {}
    for rec, w in zip(ops, ws):
        for e, (terms, b) in elements(rec).items():
            t, c = out.get(e, ([], 0.0))
            out[e] = (t + [(n, w * v) for n, v in terms], c + w * b)
    return out


def assert_sum(result, ops, ws, rng, dense_result):
    exp = expected_sum(ops, ws)
    got = elements(result)
    if dense_result:
        for e in range(result.size):
            exp.setdefault(e, ([], 0.0))
    assert sorted(got) == sorted(exp)
    for e in exp:
        assert got[e][0] == exp[e][0], e
        assert got[e][1] == pytest.approx(exp[e][1], abs=1e-12)
    x, xbar = point(rng)
    want = sum((w * evaluate(r, x, xbar) for r, w in zip(ops, ws)), np.zeros(result.shape))
    np.testing.assert_allclose(evaluate(result, x, xbar), want, atol=1e-12)


def snap(s):
    return s.r.snapshot(), s.w.snapshot()


def assert_untouched(s, snaps, **result_runs):
    s.r.assert_only_changed(snaps[0], **result_runs)
    s.w.assert_only_changed(snaps[1])


@pytest.mark.parametrize("seed", range(40))
def test_dense_plus_dense_in_two_pieces(seed):
    rng = np.random.default_rng(seed)
    shape = random_shape(rng)
    a, b = operand(rng, shape, False), operand(rng, shape, False)
    wa, wb = weight(rng), weight(rng)
    s = stacks(rng)
    pad(s.w, rng)
    ba, bb = place(s.w, a), place(s.w, b)
    pad(s.r, rng)
    n, nnz = a.nelem, a.nnz + b.nnz
    out = reserve(s.r, len(shape), n, nnz)
    s.r.i32[out.ptr] = 0
    snaps = snap(s)
    cut = int(rng.integers(0, n + 1))
    t = 0
    for lo, hi in ((0, cut), (cut, n)):
        t = k(367)(ba.bfix + lo, bb.bfix + lo, ba.cof, bb.cof, t, wa, wb, ba.nidxs, bb.nidxs, ba.ptr + lo,
                   bb.ptr + lo, out.bfix + lo, out.cof, s.r.f64, s.r.i32, s.r.i64, hi - lo, out.nidxs,
                   out.ptr + lo, s.w.f64, s.w.i32, s.w.i64)
    assert t == nnz
    ranges = runs(out, 0, n, nnz)
    ranges["i32"] = [(out.ptr + 1, n)]
    assert_untouched(s, snaps, **ranges)
    assert_sum(read(s.r, out, 0, n, nnz, shape=shape), [a, b], [wa, wb], rng, True)


def test_dense_plus_dense_empty_call_keeps_count():
    s = Stacks(64)
    snaps = snap(s)
    for rnelem in (0, -3):
        assert k(367)(3, 3, 3, 3, 17, 1.0, 1.0, 3, 3, 3, 3, 3, 3, s.r.f64, s.r.i32, s.r.i64, rnelem, 3, 3,
                      s.w.f64, s.w.i32, s.w.i64) == 17
    assert_untouched(s, snaps)


def call_368(s, a, ba, b, bb, wa, wb, out, nd):
    k(368)(ba.bfix, bb.bfix, ba.cof, bb.cof, wa, wb, a.nelem, b.nelem, ba.nidxs, bb.nidxs, ba.ptr, bb.ptr,
           out.bfix, out.cof, s.r.f64, s.r.i32, s.r.i64, nd, a.nelem, out.nidxs, out.ptr, out.shape, ba.shape,
           bb.sp, s.w.f64, s.w.i32, s.w.i64)


@pytest.mark.parametrize("seed", range(40))
def test_dense_plus_sparse(seed):
    rng = np.random.default_rng(100 + seed)
    shape = random_shape(rng)
    a, b = operand(rng, shape, False), operand(rng, shape, True)
    wa, wb = weight(rng), weight(rng)
    s = stacks(rng)
    pad(s.w, rng)
    ba, bb = place(s.w, a), place(s.w, b)
    pad(s.r, rng)
    nd, n, nnz = len(shape), a.nelem, a.nnz + b.nnz
    out = reserve(s.r, nd, n, nnz)
    snaps = snap(s)
    call_368(s, a, ba, b, bb, wa, wb, out, nd)
    assert_untouched(s, snaps, **runs(out, nd, n, nnz))
    result = read(s.r, out, nd, n, nnz)
    assert result.shape == shape
    assert_sum(result, [a, b], [wa, wb], rng, True)


def test_dense_plus_sparse_of_the_same_expression():
    # (a + 1, 2b; 0, a - c) minus itself held sparsely: every term twice, value 0.
    dense = Record((2, 2), [0, 1, 2, 2, 4], [1, 2, 1, 3], [1.0, 2.0, 1.0, -1.0], [1.0, 0.0, 0.0, 0.0])
    sparse = Record((2, 2), [0, 1, 2, 4], [1, 2, 1, 3], [1.0, 2.0, 1.0, -1.0], [1.0, 0.0, 0.0], sp=[0, 1, 3])
    s = Stacks(256)
    ba, bb = place(s.w, dense), place(s.w, sparse)
    out = reserve(s.r, 2, 4, 8)
    call_368(s, dense, ba, sparse, bb, 1.0, -1.0, out, 2)
    r = read(s.r, out, 2, 4, 8)
    assert r.shape == (2, 2)
    assert r.ptr.tolist() == [0, 2, 4, 4, 8]
    assert r.nidxs.tolist() == [1, 1, 2, 2, 1, 3, 1, 3]
    assert r.cof.tolist() == [1.0, -1.0, 2.0, -2.0, 1.0, -1.0, -1.0, 1.0]
    assert r.bfix.tolist() == [0.0] * 4


def sparse_pair(s, a, ba, b, bb, wa, wb):
    rnelem = k(370)(a.nelem, b.nelem, 5, ba.sp, bb.sp, s.w.i64) - 5
    nnz = a.nnz + b.nnz
    out = reserve(s.r, 0, rnelem, nnz, sparse=True)
    snaps = snap(s)
    k(372)(ba.bfix, bb.bfix, ba.cof, bb.cof, wa, wb, a.nelem, b.nelem, ba.nidxs, bb.nidxs, ba.ptr, bb.ptr,
           out.bfix, out.cof, s.r.f64, s.r.i32, s.r.i64, out.nidxs, out.ptr, out.sp, ba.sp, bb.sp,
           s.w.f64, s.w.i32, s.w.i64)
    assert_untouched(s, snaps, **runs(out, 0, rnelem, nnz))
    return read(s.r, out, 0, rnelem, nnz, sparse=True, shape=a.shape)


@pytest.mark.parametrize("seed", range(40))
def test_sparse_plus_sparse(seed):
    rng = np.random.default_rng(200 + seed)
    shape = random_shape(rng)
    a, b = operand(rng, shape, True), operand(rng, shape, True)
    wa, wb = weight(rng), weight(rng)
    s = stacks(rng)
    pad(s.w, rng)
    ba, bb = place(s.w, a), place(s.w, b)
    pad(s.r, rng)
    result = sparse_pair(s, a, ba, b, bb, wa, wb)
    assert result.sp.tolist() == sorted(set(a.sp.tolist()) | set(b.sp.tolist()))
    assert_sum(result, [a, b], [wa, wb], rng, False)


def test_sparse_plus_sparse_with_empty_operands():
    rng = np.random.default_rng(7)
    empty = Record((3,), [0], [], [], [], sp=[])
    b = Record((3,), [0, 2, 3], [4, 4, 1], [1.0, 0.5, 2.0], [1.5, -1.0], sp=[0, 2])
    s = Stacks(256)
    be, bb = place(s.w, empty), place(s.w, b)
    r = sparse_pair(s, empty, be, b, bb, 9.0, 2.0)
    assert r.sp.tolist() == [0, 2] and r.ptr.tolist() == [0, 2, 3]
    assert r.cof.tolist() == [2.0, 1.0, 4.0] and r.bfix.tolist() == [3.0, -2.0]
    r = sparse_pair(s, empty, be, empty, be, 1.0, 1.0)
    assert r.nelem == 0 and r.ptr.tolist() == [0]
    assert_sum(r, [empty, empty], [1.0, 1.0], rng, False)


def test_list_helpers():
    assert k(373)(0, 3, i32([0, 5, 9], 2)) is False
    assert k(373)(0, 3, i32([0, -1, 9])) is True
    assert k(373)(1, 3, i32([0, 5, 9])) is True
    assert k(373)(0, 2, i32([0, 5, -1])) is False  # only n entries count
    assert k(374)(3, i32([4, 0, 6], -1), 10) == 20
    assert k(374)(0, i32([]), 10) == 10
    assert k(374)(2, i32([2**31 - 1, 2]), 0) == -(2**31) + 1  # wraps in 32 bits
    s = Stacks(64)
    snaps = snap(s)
    k(376)(5, s.r.f64, 4)
    k(377)(s.r.i32, 4, 10)
    assert s.r.f64[5:9].tolist() == [0.0] * 4 and s.r.i32[10:15].tolist() == [0] * 5
    assert_untouched(s, snaps, f64=[(5, 4)], i32=[(10, 5)])
    snaps = snap(s)
    k(376)(5, s.r.f64, 0)
    k(377)(s.r.i32, -1, 10)
    assert_untouched(s, snaps)


def sum_list(rng, s, ops, ws, init=0):
    """Runs the list sum as a caller would: choose the form, count, reserve, zero, build."""
    pad(s.w, rng)
    bases = [place(s.w, r) for r in ops]
    n = len(ops)
    stride = int(rng.choice([1, -1, 3]))
    sp_base = i32([b.sp if r.sparse else -1 for r, b in zip(ops, bases)], stride)
    nelem = i32([r.nelem for r in ops], stride)
    nnz = i32([r.nnz for r in ops], stride)
    anydense = k(373)(init, n, sp_base)
    if anydense:
        rnelem, rnnz = int(np.prod(ops[0].shape)) if ops else 0, k(374)(n, nnz, 0)
    else:
        rnelem, rnnz = k(375)(n, nelem, nnz, 3, 4, sp_base, s.w.i64)
        rnelem, rnnz = rnelem - 3, rnnz - 4
        assert rnnz == sum(r.nnz for r in ops)
    pad(s.r, rng)
    out = reserve(s.r, 0, rnelem, rnnz, sparse=not anydense)
    snaps = snap(s)
    k(377)(s.r.i32, rnelem, out.ptr)
    k(376)(out.bfix, s.r.f64, rnelem)
    field = lambda name: i32([getattr(b, name) for b in bases], stride)
    k(378)(int(anydense), field("bfix"), field("cof"), n, nelem, field("nidxs"), field("ptr"), out.bfix, out.cof,
           s.r.f64, s.r.i32, s.r.i64, rnelem, out.nidxs, out.ptr, out.sp if out.sp is not None else 0, sp_base,
           f64(ws, stride), s.w.f64, s.w.i32, s.w.i64)
    assert_untouched(s, snaps, **runs(out, 0, rnelem, rnnz))
    return anydense, read(s.r, out, 0, rnelem, rnnz, sparse=not anydense, shape=ops[0].shape if ops else (0,))


@pytest.mark.parametrize("seed", range(60))
def test_sum_of_a_list(seed):
    rng = np.random.default_rng(300 + seed)
    shape = random_shape(rng)
    n = int(rng.integers(1, 5))
    kinds = rng.random(n) < rng.random()
    ops = [operand(rng, shape, bool(sparse)) for sparse in kinds]
    ws = [weight(rng) for _ in ops]
    init = int(rng.random() < 0.2)
    anydense, result = sum_list(rng, stacks(rng), ops, ws, init)
    assert anydense == bool(init or not kinds.all())
    assert_sum(result, ops, ws, rng, anydense)


def test_sum_of_no_operands():
    s = Stacks(128)
    assert k(375)(0, i32([]), i32([]), 3, 4, i32([]), s.w.i64) == (3, 4)
    out = reserve(s.r, 0, 4, 0)
    k(377)(s.r.i32, 4, out.ptr)
    k(376)(out.bfix, s.r.f64, 4)
    k(378)(1, i32([]), i32([]), 0, i32([]), i32([]), i32([]), out.bfix, out.cof, s.r.f64, s.r.i32, s.r.i64, 4,
           out.nidxs, out.ptr, 0, i32([]), f64([]), s.w.f64, s.w.i32, s.w.i64)
    assert s.r.i32[out.ptr:out.ptr + 5].tolist() == [0] * 5
    assert s.r.f64[out.bfix:out.bfix + 4].tolist() == [0.0] * 4


def test_sparse_list_merges_in_operand_order():
    # Operand 1 stores only indexes beyond operand 0's; operands 0 and 2 share index 1.
    ops = [Record((6,), [0, 1, 2], [1, 2], [1.0, 1.0], [1.0, 2.0], sp=[0, 1]),
           Record((6,), [0, 1], [3], [1.0], [3.0], sp=[5]),
           Record((6,), [0, 2], [2, 1], [1.0, 1.0], [4.0], sp=[1])]
    rng = np.random.default_rng(1)
    anydense, r = sum_list(rng, Stacks(512), ops, [1.0, 2.0, -1.0])
    assert not anydense
    assert r.sp.tolist() == [0, 1, 5]
    assert r.ptr.tolist() == [0, 1, 4, 5]
    assert r.nidxs.tolist() == [1, 2, 2, 1, 3]
    assert r.cof.tolist() == [1.0, 1.0, -1.0, -1.0, 2.0]
    assert r.bfix.tolist() == [1.0, -2.0, 6.0]


def test_cursor_allocation_failure_writes_nothing():
    # With the address space capped, the cursors of 2**28 operands cannot be had: the
    # kernels raise MemoryError before reading operand data or writing the result.
    done = run_capped("""
        import numpy as np, fragments
        small = np.zeros(4, dtype=np.int32)
        r32, r64, rf = np.full(8, 5, np.int32), np.full(8, 5, np.int64), np.full(8, 5.0)
        w32, w64, wf = np.zeros(8, np.int32), np.zeros(8, np.int64), np.zeros(8)
        n = 1 << 28  # 1 GiB of cursors
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
