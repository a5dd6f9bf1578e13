"""Sums of a record along one dimension (dense in one pass; sparse through permutation,
radix sort, count and build), checked against np.sum(axis=d) on the evaluated operand."""
import numpy as np
import pytest

import fragments
from support.alloclimit import run_capped
from support.records import Record, evaluate, place, random_record, read, reserve, runs
from support.stacks import Stacks


def k(n):
    return getattr(fragments, f"_c_closure_{n}")


def pad(stack, rng):
    for take in (stack.take_i32, stack.take_i64, stack.take_f64):
        take(int(rng.integers(0, 9)))


def case(rng, sparse):
    nd = int(rng.integers(1, 5))
    shape = tuple(int(v) for v in rng.integers(0, 4, size=nd))
    op = random_record(rng, shape, sparse=sparse, bar=int(rng.integers(0, 3)), density=float(rng.random()))
    return op, int(rng.integers(0, nd))


def reduced_shape(rng, s, base, axis, nd):
    """The result shape the caller builds: a leading copy of axis sizes (by any of the
    four copy kernels), then the sizes after axis."""
    rbase = s.r.take_i32(nd - 1)
    lead = int(rng.choice([366, 371, 385, 390]))
    if lead in (366, 371):
        k(lead)(s.r.i32, axis, rbase, base, s.w.i32)
    else:
        k(lead)(axis, s.r.i32, rbase, base, s.w.i32)
    k(int(rng.choice([386, 391])))(axis, nd, s.r.i32, rbase, base, s.w.i32)
    return rbase


def expected(op, axis):
    """result linear index -> (terms of its summed elements in increasing axis coordinate, constant)."""
    shape = op.shape
    rshape = shape[:axis] + shape[axis + 1:]
    out = {}
    for j, L in sorted(enumerate(op.linear()), key=lambda p: int(p[1])):
        c = list(np.unravel_index(int(L), shape))
        del c[axis]
        r = int(np.ravel_multi_index(c, rshape)) if rshape else 0
        n, v = op.terms(j)
        t, b = out.get(r, ([], 0.0))
        out[r] = (t + list(zip(n.tolist(), v.tolist())), b + float(op.bfix[j]))
    return out


def assert_reduced(result, op, axis, rng, dense):
    exp = expected(op, axis)
    if dense:
        for e in range(result.size):
            exp.setdefault(e, ([], 0.0))
    got = {int(e): (list(zip(*[a.tolist() for a in result.terms(j)])), float(result.bfix[j]))
           for j, e in enumerate(result.linear())}
    assert sorted(got) == sorted(exp)
    for e in exp:
        assert got[e][0] == exp[e][0]
        assert got[e][1] == pytest.approx(exp[e][1], abs=1e-12)
    x, xbar = rng.normal(size=6), rng.normal(size=2)
    np.testing.assert_allclose(evaluate(result, x, xbar), evaluate(op, x, xbar).sum(axis=axis), atol=1e-12)


def test_size_helpers():
    rng = np.random.default_rng(0)
    s = Stacks(256)
    for _ in range(20):
        sizes = rng.integers(0, 5000, size=int(rng.integers(0, 6)))
        base = s.w.put_i32(sizes)
        init = int(rng.integers(-3, 4))
        assert k(369)(len(sizes), base, init, s.w.i32) == init * int(np.prod(sizes, dtype=object))
        assert k(379)(init, len(sizes), base, s.w.i32) == max([init] + sizes.tolist())
    base = s.w.put_i32([1 << 20, 1 << 20, 1 << 20])
    assert k(369)(3, base, 1, s.w.i32) == 1 << 60  # no 32-bit truncation
    assert k(369)(0, base, 7, s.w.i32) == 7
    snapshot = s.x.snapshot()
    k(380)(5, 6, s.x.i32)
    assert s.x.i32[5:11].tolist() == list(range(6))
    s.x.assert_only_changed(snapshot, i32=[(5, 6)])


@pytest.mark.parametrize("seed", range(30))
def test_result_shape_copies(seed):
    rng = np.random.default_rng(seed)
    s = Stacks(256, stride=int(rng.choice([1, 2])))
    pad(s.w, rng)
    shape = rng.integers(1, 9, size=int(rng.integers(1, 6)))
    base = s.w.put_i32(shape)
    axis = int(rng.integers(0, len(shape)))
    pad(s.r, rng)
    snapshot = s.r.snapshot()
    rbase = reduced_shape(rng, s, base, axis, len(shape))
    assert s.r.i32[rbase:rbase + len(shape) - 1].tolist() == np.delete(shape, axis).tolist()
    s.r.assert_only_changed(snapshot, i32=[(rbase, len(shape) - 1)])


@pytest.mark.parametrize("seed", range(40))
def test_dense_sum_along_axis_in_two_pieces(seed):
    rng = np.random.default_rng(100 + seed)
    op, axis = case(rng, False)
    s = Stacks(2048, stride=int(rng.choice([1, 2])))
    pad(s.w, rng)
    b = place(s.w, op)
    nd = op.nd
    outer = k(382)(1, axis, b.shape, s.w.i32)
    inner = k(383)(1, axis, nd, b.shape, s.w.i32)
    size = op.shape[axis]
    rnelem = outer * inner
    pad(s.r, rng)
    rshape = reduced_shape(rng, s, b.shape, axis, nd)
    out = reserve(s.r, 0, rnelem, op.nnz)
    s.r.i32[out.ptr] = 0
    snapshot, wsnap = s.r.snapshot(), s.w.snapshot()
    cut = int(rng.integers(0, outer + 1))
    kk, c = 0, 0
    for lo, hi in ((0, cut), (cut, outer)):
        shift = lo * size * inner
        kk, c = k(392)(b.bfix + shift, b.cof, hi - lo, size, inner, kk, c, b.nidxs, b.ptr + shift, out.bfix + 0,
                       out.cof, s.r.f64, s.r.i32, s.r.i64, out.nidxs, out.ptr, size * inner, inner,
                       s.w.f64, s.w.i32, s.w.i64)
    assert (kk, c) == (rnelem, op.nnz)
    ranges = runs(out, 0, rnelem, op.nnz)
    ranges["i32"] = [(out.ptr + 1, rnelem)]
    s.r.assert_only_changed(snapshot, **ranges)
    s.w.assert_only_changed(wsnap)
    shape = tuple(s.r.i32[rshape:rshape + nd - 1])
    assert_reduced(read(s.r, out, 0, rnelem, op.nnz, shape=shape), op, axis, rng, True)


def sparse_reduce(rng, s, op, axis, pieces=True):
    """The caller's sequence: identity permutation, radix sort, count, reserve, build."""
    pad(s.w, rng)
    b = place(s.w, op)
    nd, n = op.nd, op.nelem
    pad(s.x, rng)
    src, dst = s.x.take_i32(n), s.x.take_i32(n)
    ncnt = k(379)(0, nd, b.shape, s.w.i32) + 1
    cnt = s.x.take_i32(ncnt)
    xsnap, wsnap = s.x.snapshot(), s.w.snapshot()
    k(380)(src, n, s.x.i32)
    perm, other = k(381)(src, axis, nd, n, cnt, b.shape, b.sp, dst, s.w.i32, s.w.i64, s.x.i32)
    assert {perm, other} == {src, dst}
    if axis >= nd - 1:
        assert (perm, other) == (src, dst)
    s.x.assert_only_changed(xsnap, i32=[(src, n), (dst, n), (cnt, ncnt)])
    s.w.assert_only_changed(wsnap)
    outer = k(388)(1, axis, b.shape, s.w.i32)
    inner = k(389)(1, axis, nd, b.shape, s.w.i32)
    span = op.shape[axis] * inner
    # The sorted permutation groups by (outer, inner) coordinates, stably.
    order = s.x.i32[perm:perm + n].copy()
    key = (op.sp // max(span, 1)) % max(outer, 1) * inner + op.sp % max(inner, 1)
    assert order.tolist() == np.argsort(key, kind="stable").tolist()
    cut = int(rng.integers(0, n + 1)) if pieces else n
    lo_o, lo_i, rnelem = k(384)(perm, outer, inner, cut, -1, -1, 0, span, b.sp, s.w.i64, s.x.i32)
    lo_o, lo_i, rnelem = k(384)(perm + cut, outer, inner, n - cut, lo_o, lo_i, rnelem, span, b.sp, s.w.i64,
                                s.x.i32)
    assert rnelem == len(set(key.tolist()))
    pad(s.r, rng)
    out = reserve(s.r, 0, rnelem, op.nnz, sparse=True)
    s.r.i32[out.ptr] = 0
    rsnap, xsnap = s.r.snapshot(), s.x.snapshot()
    # Build in two stretches split where the key changes.
    starts = [t for t in range(n) if t == 0 or key[order[t]] != key[order[t - 1]]]
    split = starts[int(rng.integers(0, len(starts)))] if starts and pieces else 0
    t, kk, c = 0, 0, 0
    for first, last in ((0, split), (split, n)):
        t, kk, c = k(387)(b.bfix, b.cof, perm, outer, inner, first, kk, c, last, b.nidxs, b.ptr, out.bfix, out.cof,
                          s.r.f64, s.r.i32, s.r.i64, out.nidxs, out.ptr, out.sp, span, b.sp,
                          s.w.f64, s.w.i32, s.w.i64, s.x.i32)
        assert t == max(first, last)
    assert (kk, c) == (rnelem, op.nnz)
    ranges = runs(out, 0, rnelem, op.nnz)
    ranges["i32"] = [(out.ptr + 1, rnelem)]
    s.r.assert_only_changed(rsnap, **ranges)
    s.x.assert_only_changed(xsnap)
    rshape = op.shape[:axis] + op.shape[axis + 1:]
    return read(s.r, out, 0, rnelem, op.nnz, sparse=True, shape=rshape)


@pytest.mark.parametrize("seed", range(60))
def test_sparse_sum_along_axis(seed):
    rng = np.random.default_rng(200 + seed)
    op, axis = case(rng, True)
    result = sparse_reduce(rng, Stacks(2048, stride=int(rng.choice([1, 2]))), op, axis)
    assert_reduced(result, op, axis, rng, False)


def test_size_one_axis_keeps_elements():
    rng = np.random.default_rng(5)
    op = random_record(rng, (3, 1, 4), sparse=True, density=0.6)
    r = sparse_reduce(rng, Stacks(1024), op, 1)
    assert r.sp.tolist() == op.sp.tolist()  # (c0, 0, c2) -> c0 * 4 + c2, the same number
    assert r.ptr.tolist() == op.ptr.tolist() and r.nidxs.tolist() == op.nidxs.tolist()
    assert r.cof.tolist() == op.cof.tolist() and r.bfix.tolist() == op.bfix.tolist()


def test_example_record_summed_over_rows_and_columns():
    # (a + 1, 2b; 0, a - c) held sparsely.
    op = Record((2, 2), [0, 1, 2, 4], [1, 2, 1, 3], [1.0, 2.0, 1.0, -1.0], [1.0, 0.0, 0.0], sp=[0, 1, 3])
    rng = np.random.default_rng(0)
    cols = sparse_reduce(rng, Stacks(512), op, 0, pieces=False)  # (a + 1, 2b + a - c)
    assert cols.sp.tolist() == [0, 1] and cols.ptr.tolist() == [0, 1, 4]
    assert cols.nidxs.tolist() == [1, 2, 1, 3] and cols.bfix.tolist() == [1.0, 0.0]
    rows = sparse_reduce(rng, Stacks(512), op, 1, pieces=False)  # (a + 1 + 2b, a - c)
    assert rows.sp.tolist() == [0, 1] and rows.ptr.tolist() == [0, 2, 4]
    assert rows.nidxs.tolist() == [1, 2, 1, 3] and rows.cof.tolist() == [1.0, 2.0, 1.0, -1.0]


def test_empty_stretches():
    s = Stacks(64)
    snaps = s.r.snapshot()
    assert k(384)(3, 2, 2, 0, 7, 8, 5, 4, 3, s.w.i64, s.x.i32) == (7, 8, 5)
    assert k(387)(3, 3, 3, 2, 2, 4, 6, 9, 4, 3, 3, 3, 3, s.r.f64, s.r.i32, s.r.i64, 3, 3, 3, 4, 3,
                  s.w.f64, s.w.i32, s.w.i64, s.x.i32) == (4, 6, 9)
    assert k(381)(3, 2, 3, 5, 20, 3, 3, 10, s.w.i32, s.w.i64, s.x.i32) == (3, 10)
    s.r.assert_only_changed(snaps)


def test_sort_allocation_failure_writes_nothing():
    done = run_capped("""
        import numpy as np, fragments
        x = np.full(16, 5, np.int32)
        cap_address_space()
        try:  # 2 GiB of strides
            fragments._c_closure_381(0, 0, 1 << 28, 4, 8, 0, 0, 4, np.ones(4, np.int32), np.zeros(4, np.int64), x)
            raise SystemExit("no MemoryError")
        except MemoryError:
            pass
        assert (x == 5).all()
        print("ok")
    """)
    assert done.stdout.strip() == "ok", done.stderr
