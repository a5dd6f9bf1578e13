"""Sums of a record along one dimension (dense in one pass; sparse through permutation,
radix sort, count and build), checked against np.sum(axis=d) on the evaluated operand."""
import numpy as np
import pytest

from support.alloclimit import run_capped
from support.layout import (appended_runs, assert_elements, k, only_changed, pad, point, put, snap, some_record,
                            value)
from support.records import Record, read, reserve
from support.stacks import Stacks


def case(rng, sparse):
    nd = int(rng.integers(1, 5))
    return some_record(rng, rng.integers(0, 4, size=nd), sparse), int(rng.integers(0, nd))


def assert_reduced(result, op, axis, rng, dense):
    """Terms of the summed elements in increasing axis coordinate; values np.sum(axis)."""
    rshape = op.shape[:axis] + op.shape[axis + 1:]
    exp = {}
    for j, L in sorted(enumerate(op.linear()), key=lambda p: int(p[1])):
        c = list(np.unravel_index(int(L), op.shape))
        del c[axis]
        r = int(np.ravel_multi_index(c, rshape)) if rshape else 0
        n, v = op.terms(j)
        t, b = exp.get(r, ([], 0.0))
        exp[r] = (t + list(zip(n.tolist(), v.tolist())), b + float(op.bfix[j]))
    assert_elements(result, exp, dense)
    xs = point(rng)
    np.testing.assert_allclose(value(result, xs), value(op, xs).sum(axis=axis), atol=1e-12)


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
    snaps = snap(s)
    k(380)(5, 6, s.x.i32)
    assert s.x.i32[5:11].tolist() == list(range(6))
    only_changed(s, snaps, x=dict(i32=[(5, 6)]))


@pytest.mark.parametrize("seed", range(24))
def test_dense_sum_along_axis_in_two_pieces(seed):
    rng = np.random.default_rng(100 + seed)
    op, axis = case(rng, False)
    s = Stacks(2048, stride=1 + seed % 2)
    b = put(s.w, op, rng)
    nd, size = op.nd, op.shape[axis]
    outer, inner = k(382)(1, axis, b.shape, s.w.i32), k(383)(1, axis, nd, b.shape, s.w.i32)
    rnelem = outer * inner
    pad(s.r, rng)
    # The result shape: a leading copy of the sizes before axis (any of the four copy
    # kernels), then the sizes after it (either of two).
    rshape = s.r.take_i32(nd - 1)
    out = reserve(s.r, 0, rnelem, op.nnz)
    s.r.i32[out.ptr] = 0
    snaps = snap(s)
    lead = [366, 371, 385, 390][seed % 4]
    if lead in (366, 371):
        k(lead)(s.r.i32, axis, rshape, b.shape, s.w.i32)
    else:
        k(lead)(axis, s.r.i32, rshape, b.shape, s.w.i32)
    k([386, 391][seed // 4 % 2])(axis, nd, s.r.i32, rshape, b.shape, s.w.i32)
    cut, kk, c = int(rng.integers(0, outer + 1)), 0, 0
    for lo, hi in ((0, cut), (cut, outer)):
        shift = lo * size * inner
        kk, c = k(392)(b.bfix + shift, b.cof, hi - lo, size, inner, kk, c, b.nidxs, b.ptr + shift, out.bfix,
                       out.cof, s.r.f64, s.r.i32, s.r.i64, out.nidxs, out.ptr, size * inner, inner,
                       s.w.f64, s.w.i32, s.w.i64)
    assert (kk, c) == (rnelem, op.nnz)
    ranges = appended_runs(out, 0, 0, rnelem, op.nnz)
    ranges["i32"].append((rshape, nd - 1))
    only_changed(s, snaps, r=ranges)
    assert s.r.i32[rshape:rshape + nd - 1].tolist() == list(op.shape[:axis] + op.shape[axis + 1:])
    assert_reduced(read(s.r, out, 0, rnelem, op.nnz, shape=op.shape[:axis] + op.shape[axis + 1:]), op, axis, rng,
                   True)


def sparse_reduce(rng, s, op, axis, pieces=True):
    """The caller's sequence: identity permutation, radix sort, count, reserve, build."""
    b = put(s.w, op, rng)
    nd, n = op.nd, op.nelem
    pad(s.x, rng)
    src, dst = s.x.take_i32(n), s.x.take_i32(n)
    ncnt = k(379)(0, nd, b.shape, s.w.i32) + 1
    cnt = s.x.take_i32(ncnt)
    snaps = snap(s)
    k(380)(src, n, s.x.i32)
    perm, other = k(381)(src, axis, nd, n, cnt, b.shape, b.sp, dst, s.w.i32, s.w.i64, s.x.i32)
    assert {perm, other} == {src, dst}
    only_changed(s, snaps, x=dict(i32=[(src, n), (dst, n), (cnt, ncnt)]))
    outer, inner = k(388)(1, axis, b.shape, s.w.i32), k(389)(1, axis, nd, b.shape, s.w.i32)
    span = op.shape[axis] * inner
    # The sorted permutation groups by (outer, inner) coordinates, stably.
    order = s.x.i32[perm:perm + n].copy()
    key = (op.sp // max(span, 1)) % max(outer, 1) * inner + op.sp % max(inner, 1)
    assert order.tolist() == np.argsort(key, kind="stable").tolist()
    cut = int(rng.integers(0, n + 1)) if pieces else n
    last = k(384)(perm, outer, inner, cut, -1, -1, 0, span, b.sp, s.w.i64, s.x.i32)
    rnelem = k(384)(perm + cut, outer, inner, n - cut, *last, span, b.sp, s.w.i64, s.x.i32)[2]
    assert rnelem == len(set(key.tolist()))
    pad(s.r, rng)
    out = reserve(s.r, 0, rnelem, op.nnz, sparse=True)
    s.r.i32[out.ptr] = 0
    snaps = snap(s)
    # Build in two stretches split where the key changes.
    starts = [t for t in range(n) if t == 0 or key[order[t]] != key[order[t - 1]]]
    split = starts[int(rng.integers(0, len(starts)))] if starts and pieces else 0
    kk = c = 0
    for first, last in ((0, split), (split, n)):
        t, kk, c = k(387)(b.bfix, b.cof, perm, outer, inner, first, kk, c, last, b.nidxs, b.ptr, out.bfix, out.cof,
                          s.r.f64, s.r.i32, s.r.i64, out.nidxs, out.ptr, out.sp, span, b.sp,
                          s.w.f64, s.w.i32, s.w.i64, s.x.i32)
        assert t == max(first, last)
    assert (kk, c) == (rnelem, op.nnz)
    only_changed(s, snaps, r=appended_runs(out, 0, 0, rnelem, op.nnz, sparse=True))
    return read(s.r, out, 0, rnelem, op.nnz, sparse=True, shape=op.shape[:axis] + op.shape[axis + 1:])


@pytest.mark.parametrize("seed", range(40))
def test_sparse_sum_along_axis(seed):
    rng = np.random.default_rng(200 + seed)
    op, axis = case(rng, True)
    assert_reduced(sparse_reduce(rng, Stacks(2048, stride=1 + seed % 2), op, axis), op, axis, rng, False)


def test_sparse_sum_examples():
    rng = np.random.default_rng(5)
    op = some_record(rng, (3, 1, 4), sparse=True)
    r = sparse_reduce(rng, Stacks(1024), op, 1)  # (c0, 0, c2) -> c0 * 4 + c2: the same numbers
    for name in ("sp", "ptr", "nidxs", "cof", "bfix"):
        assert getattr(r, name).tolist() == getattr(op, name).tolist()
    # (a + 1, 2b; 0, a - c) held sparsely.
    op = Record((2, 2), [0, 1, 2, 4], [1, 2, 1, 3], [1.0, 2.0, 1.0, -1.0], [1.0, 0.0, 0.0], sp=[0, 1, 3])
    cols = sparse_reduce(rng, Stacks(512), op, 0, pieces=False)  # (a + 1, 2b + a - c)
    assert cols.sp.tolist() == [0, 1] and cols.ptr.tolist() == [0, 1, 4]
    assert cols.nidxs.tolist() == [1, 2, 1, 3] and cols.bfix.tolist() == [1.0, 0.0]
    rows = sparse_reduce(rng, Stacks(512), op, 1, pieces=False)  # (a + 1 + 2b, a - c)
    assert rows.sp.tolist() == [0, 1] and rows.ptr.tolist() == [0, 2, 4]
    assert rows.nidxs.tolist() == [1, 2, 1, 3] and rows.cof.tolist() == [1.0, 2.0, 1.0, -1.0]


def test_sort_edges_and_empty_stretches():
    s = Stacks(256)
    sp = s.w.put_i64([23, 5, 17, 0, 12, 6])  # coordinates in a 2 by 3 by 4 shape
    shape = s.w.put_i32([2, 3, 4])
    src, dst, cnt = s.x.take_i32(6), s.x.take_i32(6), s.x.take_i32(5)
    snaps = snap(s)
    # A negative axis sorts by every dimension, nd <= 0 and axis >= nd - 1 return at once.
    for axis, nd in ((2, 3), (0, 0), (-1, -2)):
        assert k(381)(src, axis, nd, 6, cnt, shape, sp, dst, s.w.i32, s.w.i64, s.x.i32) == (src, dst)
    only_changed(s, snaps)
    k(380)(src, 6, s.x.i32)
    perm = k(381)(src, -1, 3, 6, cnt, shape, sp, dst, s.w.i32, s.w.i64, s.x.i32)[0]
    assert s.x.i32[perm:perm + 6].tolist() == [3, 1, 5, 4, 2, 0]
    only_changed(s, snaps, x=dict(i32=[(src, 6), (dst, 6), (cnt, 5)]))
    assert k(384)(3, 2, 2, 0, 7, 8, 5, 4, 3, s.w.i64, s.x.i32) == (7, 8, 5)
    assert k(387)(3, 3, 3, 2, 2, 4, 6, 9, 4, 3, 3, 3, 3, s.r.f64, s.r.i32, s.r.i64, 3, 3, 3, 4, 3,
                  s.w.f64, s.w.i32, s.w.i64, s.x.i32) == (4, 6, 9)
    only_changed(s, snaps, x=dict(i32=[(src, 6), (dst, 6), (cnt, 5)]))


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
