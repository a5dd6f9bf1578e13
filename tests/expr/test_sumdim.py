"""Sums of a record along one dimension (dense in one pass; sparse through permutation, radix
sort, count and build) against np.sum(axis=d) of the evaluated operand."""
import numpy as np
import pytest

from support.layout import appended_runs, assert_memory_error, assert_numpy, guarded, k, pad, put, some_record
from support.records import Record, read, reserve
from support.stacks import Stacks


def case(rng, sparse):
    nd = int(rng.integers(1, 5))
    return some_record(rng, rng.integers(0, 4, size=nd), sparse), int(rng.integers(0, nd))


def test_size_helpers():
    rng = np.random.default_rng(0)
    s = Stacks(256)
    for _ in range(10):
        sizes = rng.integers(0, 5000, size=int(rng.integers(0, 6)))
        base = s.w.put_i32(sizes)
        init = int(rng.integers(-3, 4))
        assert k(369)(len(sizes), base, init, s.w.i32) == init * int(np.prod(sizes, dtype=object))
        assert k(379)(init, len(sizes), base, s.w.i32) == max([init] + sizes.tolist())
    assert k(369)(3, s.w.put_i32([1 << 20] * 3), 1, s.w.i32) == 1 << 60
    guarded(s, lambda: k(380)(5, 6, s.x.i32), x=dict(i32=[(5, 6)]))
    assert s.x.i32[5:11].tolist() == list(range(6))


@pytest.mark.parametrize("seed", range(12))
def test_dense_sum_along_axis_in_two_pieces(seed):
    rng = np.random.default_rng(100 + seed)
    op, axis = case(rng, False)
    s = Stacks(2048, stride=1 + seed % 2)
    b = put(s.w, op, rng)
    nd, size, rshape = op.nd, op.shape[axis], op.shape[:axis] + op.shape[axis + 1:]
    outer, inner = k(382)(1, axis, b.shape, s.w.i32), k(383)(1, axis, nd, b.shape, s.w.i32)
    rnelem = outer * inner
    pad(s.r, rng)
    rsh = s.r.take_i32(nd - 1)
    out = reserve(s.r, 0, rnelem, op.nnz)
    s.r.i32[out.ptr] = 0
    lead, tail = [366, 371, 385, 390][seed % 4], [386, 391][seed // 4 % 2]
    cut = int(rng.integers(0, outer + 1))

    def build(kk=0, c=0):
        if lead in (366, 371):
            k(lead)(s.r.i32, axis, rsh, b.shape, s.w.i32)
        else:
            k(lead)(axis, s.r.i32, rsh, b.shape, s.w.i32)
        k(tail)(axis, nd, s.r.i32, rsh, b.shape, s.w.i32)
        for lo, hi in ((0, cut), (cut, outer)):
            shift = lo * size * inner
            kk, c = k(392)(b.bfix + shift, b.cof, hi - lo, size, inner, kk, c, b.nidxs, b.ptr + shift, out.bfix,
                           out.cof, s.r.f64, s.r.i32, s.r.i64, out.nidxs, out.ptr, size * inner, inner,
                           s.w.f64, s.w.i32, s.w.i64)
        return kk, c
    ranges = appended_runs(out, 0, 0, rnelem, op.nnz)
    ranges["i32"].append((rsh, nd - 1))
    assert guarded(s, build, r=ranges) == (rnelem, op.nnz)
    assert s.r.i32[rsh:rsh + nd - 1].tolist() == list(rshape)
    assert_numpy(rng, read(s.r, out, 0, rnelem, op.nnz, shape=rshape), lambda v: v.sum(axis=axis), op)


def sparse_reduce(rng, s, op, axis, pieces=True):
    """The caller's sequence: identity permutation, radix sort, count, reserve, build."""
    b = put(s.w, op, rng)
    nd, n = op.nd, op.nelem
    pad(s.x, rng)
    src, dst = s.x.take_i32(n), s.x.take_i32(n)
    ncnt = k(379)(0, nd, b.shape, s.w.i32) + 1
    cnt = s.x.take_i32(ncnt)

    def sort():
        k(380)(src, n, s.x.i32)
        return k(381)(src, axis, nd, n, cnt, b.shape, b.sp, dst, s.w.i32, s.w.i64, s.x.i32)
    perm, other = guarded(s, sort, x=dict(i32=[(src, n), (dst, n), (cnt, ncnt)]))
    assert {perm, other} == {src, dst}
    outer, inner = k(388)(1, axis, b.shape, s.w.i32), k(389)(1, axis, nd, b.shape, s.w.i32)
    span = op.shape[axis] * inner
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
    starts = [t for t in range(n) if t == 0 or key[order[t]] != key[order[t - 1]]]
    split = starts[int(rng.integers(0, len(starts)))] if starts and pieces else 0

    def build(kk=0, c=0):
        for first, end in ((0, split), (split, n)):
            t, kk, c = k(387)(b.bfix, b.cof, perm, outer, inner, first, kk, c, end, b.nidxs, b.ptr, out.bfix,
                              out.cof, s.r.f64, s.r.i32, s.r.i64, out.nidxs, out.ptr, out.sp, span, b.sp,
                              s.w.f64, s.w.i32, s.w.i64, s.x.i32)
            assert t == max(first, end)
        return kk, c
    assert guarded(s, build, r=appended_runs(out, 0, 0, rnelem, op.nnz, sparse=True)) == (rnelem, op.nnz)
    return read(s.r, out, 0, rnelem, op.nnz, sparse=True, shape=op.shape[:axis] + op.shape[axis + 1:])


@pytest.mark.parametrize("seed", range(16))
def test_sparse_sum_along_axis(seed):
    rng = np.random.default_rng(200 + seed)
    op, axis = case(rng, True)
    r = sparse_reduce(rng, Stacks(2048, stride=1 + seed % 2), op, axis)
    assert_numpy(rng, r, lambda v: v.sum(axis=axis), op)


OP = Record((2, 2), [0, 1, 2, 4], [1, 2, 1, 3], [1.0, 2.0, 1.0, -1.0], [1.0, 0.0, 0.0], sp=[0, 1, 3])
SAME = some_record(np.random.default_rng(5), (3, 1, 4), sparse=True)


@pytest.mark.parametrize("op, axis, want", [  # want: sp, ptr, nidxs, cof, bfix
    (OP, 0, ([0, 1], [0, 1, 4], [1, 2, 1, 3], [1.0, 2.0, 1.0, -1.0], [1.0, 0.0])),
    (OP, 1, ([0, 1], [0, 2, 4], [1, 2, 1, 3], [1.0, 2.0, 1.0, -1.0], [1.0, 0.0])),
    (SAME, 1, tuple(getattr(SAME, f).tolist() for f in ("sp", "ptr", "nidxs", "cof", "bfix")))])
def test_sparse_sum_examples(op, axis, want):
    r = sparse_reduce(np.random.default_rng(5), Stacks(1024), op, axis, pieces=op is SAME)
    assert tuple(getattr(r, f).tolist() for f in ("sp", "ptr", "nidxs", "cof", "bfix")) == want


def test_sort_edges_and_empty_stretches():
    s = Stacks(256)
    sp = s.w.put_i64([23, 5, 17, 0, 12, 6])
    shape = s.w.put_i32([2, 3, 4])
    src, dst, cnt = s.x.take_i32(6), s.x.take_i32(6), s.x.take_i32(5)
    sort = lambda axis, nd: k(381)(src, axis, nd, 6, cnt, shape, sp, dst, s.w.i32, s.w.i64, s.x.i32)
    assert guarded(s, lambda: [sort(axis, nd) for axis, nd in ((2, 3), (0, 0), (-1, -2))]) == [(src, dst)] * 3

    def negative_axis():
        k(380)(src, 6, s.x.i32)
        return sort(-1, 3)[0]
    scratch = dict(i32=[(src, 6), (dst, 6), (cnt, 5)])
    perm = guarded(s, negative_axis, x=scratch)
    assert s.x.i32[perm:perm + 6].tolist() == [3, 1, 5, 4, 2, 0]
    assert guarded(s, lambda: (k(384)(3, 2, 2, 0, 7, 8, 5, 4, 3, s.w.i64, s.x.i32),
                               k(387)(3, 3, 3, 2, 2, 4, 6, 9, 4, 3, 3, 3, 3, s.r.f64, s.r.i32, s.r.i64, 3, 3, 3, 4,
                                      3, s.w.f64, s.w.i32, s.w.i64, s.x.i32))) == ((7, 8, 5), (4, 6, 9))


def test_sort_allocation_failure_writes_nothing():
    assert_memory_error("x = np.full(16, 5, np.int32)",
                        ["F._c_closure_381(0, 0, 1 << 28, 4, 8, 0, 0, 4, np.ones(4, np.int32), "
                         "np.zeros(4, np.int64), x)"], "x")
