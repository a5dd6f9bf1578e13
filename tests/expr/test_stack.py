"""Stacking expression records along a dimension, against np.concatenate (and np.stack for a
new trailing dimension) of the evaluated operands. Every way a caller can take is run:
dense stacking for all-dense operands, gathering then sorting, and gathering then the
plain copy when the gathered indexes are already increasing."""
import numpy as np
import pytest

from support.buffers import JUNK, i32
from support.layout import k, only_changed, point, put, random_shape, snap, some_record, strides, value
from support.records import Record, read, reserve, runs
from support.stacks import Stacks

TOL = dict(rtol=1e-12, atol=1e-12)


def object_list(arrays):
    out = np.empty(len(arrays), dtype=object)
    for j, a in enumerate(arrays):
        out[j] = a
    return out


class Stacking:
    """The caller's side of one stacking operation over records already on the work stack."""

    def __init__(self, s, recs, bases, dim, stride):
        self.s, self.recs, self.dim, self.n, self.nd = s, recs, dim, len(recs), recs[0].nd
        self.newdim = dim == self.nd
        a = lambda values: i32(values, stride)
        self.nelem, self.nnz, self.nds = a([r.nelem for r in recs]), a([r.nnz for r in recs]), a([r.nd for r in recs])
        self.d1s = a([1 if self.newdim else r.shape[dim] for r in recs])
        for name in ("shape", "ptr", "nidxs", "cof", "bfix"):
            setattr(self, name + "_base", a([getattr(b, name) for b in bases]))
        self.sp_base = a([b.sp if r.sparse else -1 for r, b in zip(recs, bases)])
        self.shapes = [a(r.shape) for r in recs]
        self.stride = stride

    def sizes(self):
        """Fit test, result size in dim, counts, offsets and the stacked shape."""
        s, n, nd, dim = self.s, self.n, self.nd, self.dim
        mismatch = False
        for i in range(n):
            mismatch = k(269)(dim, i, int(mismatch), nd, self.nds, int(self.shape_base[0]), self.shape_base, s.w.i32)
        assert mismatch is False
        self.total = k(270)(dim, n, nd, 0, self.shape_base, s.w.i32)
        assert self.total == k(274)(0, self.d1s, n) == int(np.sum(self.d1s))
        self.totalelem, self.totalnnz = k(271)(n, self.nelem, self.nnz, 0, 0)
        self.offset = i32(np.zeros(n), self.stride)
        k(273)(self.d1s, n, self.offset)
        np.testing.assert_array_equal(self.offset, np.cumsum(self.d1s) - self.d1s)
        resshape = i32(np.zeros(nd + self.newdim), self.stride)
        k(287)(nd, resshape, self.shapes[0])
        k(288)(dim, resshape, object_list(self.shapes))
        if self.newdim:
            resshape[nd] = n  # a new dimension's size is the caller's
        self.rshape = tuple(int(v) for v in resshape)
        self.outer = int(np.prod(self.recs[0].shape[:dim], dtype=np.int64))
        self.inner = int(np.prod(self.recs[0].shape[dim + 1:], dtype=np.int64))

    def dense(self):
        """All operands dense: the direct dense stack."""
        s, nelem = self.s, self.outer * self.total * self.inner
        assert nelem == self.totalelem
        r = reserve(s.r, 0, nelem, self.totalnnz)
        snaps = snap(s)
        k(277)(self.bfix_base, self.cof_base, self.outer, self.total, self.d1s, self.inner, self.n, self.nidxs_base,
               self.ptr_base, r.bfix, r.cof, s.r.f64, s.r.i32, s.r.i64, nelem, r.nidxs, r.ptr, s.w.f64, s.w.i32,
               s.w.i64)
        only_changed(s, snaps, r=runs(r, 0, nelem, self.totalnnz))
        return read(s.r, r, 0, nelem, self.totalnnz, shape=self.rshape)

    def gather(self):
        """Gathers every operand on the scratch stack as one unsorted sparse record."""
        s, count, nnz = self.s, self.totalelem, self.totalnnz
        g = reserve(s.x, 0, count, nnz, sparse=True)
        snaps = snap(s)
        k(280)(self.bfix_base, self.cof_base, self.n, self.nelem, self.nidxs_base, self.nnz, g.bfix, g.cof, g.nidxs,
               s.w.f64, s.w.i64, s.x.f64, s.x.i64)
        s.x.i32[g.ptr] = 0
        xnelem = termoffset = 0
        for i, rec in enumerate(self.recs):
            size = int(self.d1s[i])
            if rec.sparse:
                xnelem = k(281)(size, self.inner, i, xnelem, termoffset, self.nelem, self.offset, self.ptr_base,
                                size * self.inner, self.inner, self.total, self.sp_base, g.ptr, g.sp, s.w.i32,
                                s.w.i64, s.x.i32, s.x.i64)
            else:
                xnelem = k(282)(self.outer, size, self.inner, i, xnelem, termoffset, self.offset, self.ptr_base,
                                self.total, g.ptr, g.sp, s.w.i32, s.x.i32, s.x.i64)
            termoffset += rec.nnz
        assert xnelem == count
        only_changed(s, snaps, x=runs(g, 0, count, nnz))
        self.g = g
        self.gathered = read(s.x, g, 0, count, nnz, sparse=True, shape=self.rshape)

    def sort(self, copy=False):
        """The gathered record sorted into place (285), or copied (286) when already in order."""
        s, count, nnz, g, rd = self.s, self.totalelem, self.totalnnz, self.g, len(self.rshape)
        perma, permb, cnt = s.x.take_i32(count), s.x.take_i32(count), s.x.take_i32(max(self.rshape) + 1)
        rshapebase = s.r.put_i32(np.asarray(self.rshape, dtype=np.int32))
        r = reserve(s.r, 0, count, nnz, sparse=True)
        snaps = snap(s)
        if copy:
            k(286)(r.bfix, r.cof, s.r.f64, s.r.i32, s.r.i64, count, r.nidxs, r.ptr, r.sp, g.bfix, g.cof, g.nidxs,
                   g.ptr, g.sp, s.x.f64, s.x.i32, s.x.i64)
            only_changed(s, snaps, r=runs(r, 0, count, nnz))
        else:
            got = k(285)(perma, cnt, r.bfix, r.cof, s.r.f64, s.r.i32, s.r.i64, rd, count, r.nidxs, r.ptr, rshapebase,
                         r.sp, strides(self.rshape), g.bfix, g.cof, permb, g.nidxs, g.ptr, g.sp, s.x.f64, s.x.i32,
                         s.x.i64)
            assert got == ((perma, permb) if rd % 2 == 0 else (permb, perma))
            np.testing.assert_array_equal(s.x.i32[got[0]:got[0] + count], np.argsort(self.gathered.sp))
            only_changed(s, snaps, r=runs(r, 0, count, nnz),
                         x=dict(i32=[(perma, count), (permb, count), (cnt, max(self.rshape) + 1)]))
        return read(s.r, r, 0, count, nnz, sparse=True, shape=self.rshape)


def expected(recs, dim, xs):
    vals = [value(r, xs) for r in recs]
    return np.stack(vals, axis=-1) if dim == recs[0].nd else np.concatenate(vals, axis=dim)


def random_operands(rng, all_dense):
    shape = random_shape(rng, max_nd=3, max_size=3)
    dim = int(rng.integers(0, len(shape) + 1))
    recs = []
    for _ in range(int(rng.integers(1, 5))):
        own = list(shape)
        if dim < len(shape):
            own[dim] = int(rng.integers(0, 4))
        recs.append(some_record(rng, own, False if all_dense else bool(rng.integers(0, 2))))
    return recs, dim


def stacking(rng, recs, dim, stride=1):
    s = Stacks(stride=stride)
    op = Stacking(s, recs, [put(s.w, r, rng) for r in recs], dim, stride)
    op.sizes()
    return op


def same(a, b, names=("ptr", "nidxs", "cof", "bfix", "sp")):
    for name in names:
        np.testing.assert_array_equal(getattr(a, name), getattr(b, name))


@pytest.mark.parametrize("stride", [1, 2])
def test_every_stacking_way_matches_numpy(stride):
    rng = np.random.default_rng(900 + stride)
    copies = 0
    for case in range(80):
        recs, dim = random_operands(rng, all_dense=case % 2 == 0)
        op = stacking(rng, recs, dim, stride)
        xs = point(rng)
        want = expected(recs, dim, xs)
        assert op.rshape == want.shape
        if all(not r.sparse for r in recs):
            np.testing.assert_allclose(value(op.dense(), xs), want, **TOL)
        op.gather()
        out = op.sort()
        np.testing.assert_allclose(value(out, xs), want, **TOL)
        if np.all(np.diff(op.gathered.sp) > 0):
            copies += 1
            same(op.sort(copy=True), out)
    assert copies > 10


def test_stacking_examples():
    rng = np.random.default_rng(3)
    for sparse in (False, True):  # one operand reproduces itself
        rec = some_record(rng, (2, 3), sparse)
        op = stacking(rng, [rec], 1)
        op.gather()
        same(op.sort(), Record(rec.shape, rec.ptr, rec.nidxs, rec.cof, rec.bfix, rec.linear()))
        if not sparse:
            same(op.dense(), rec, ("ptr", "nidxs", "cof", "bfix"))
    # 2 by 1 and 2 by 2 operands with no terms, stacked along dimension 1.
    a = Record((2, 1), [0, 0, 0], [], [], [1.0, 2.0])
    b = Record((2, 2), [0, 0, 0, 0, 0], [], [], [3.0, 4.0, 5.0, 6.0])
    op = stacking(rng, [a, b], 1)
    assert op.rshape == (2, 3)
    out = op.dense()
    np.testing.assert_array_equal(out.ptr, np.zeros(7))
    np.testing.assert_array_equal(out.bfix, [1.0, 3.0, 4.0, 2.0, 5.0, 6.0])
    # A new trailing dimension counts the operands.
    s = Stacks()
    bases = i32([s.w.put_i32([2, 3]) for _ in range(3)])
    assert k(270)(2, 3, 2, 0, bases, s.w.i32) == 3 and k(270)(1, 3, 2, 10, bases, s.w.i32) == 19


def test_fit_test_checks_every_operand():
    # A previous mismatch, another number of dimensions, or another size in some dimension
    # but dim is a misfit, for every operand (operand number = dim included).
    rng = np.random.default_rng(11)
    s = Stacks()
    for _ in range(200):
        nd, n = int(rng.integers(0, 4)), int(rng.integers(1, 5))
        dim = int(rng.integers(0, n + 1))
        shapes = [tuple(int(v) for v in rng.integers(1, 4, size=nd))]
        for _ in range(1, n):
            own, roll = list(shapes[0]), rng.random()
            if roll < 0.3:
                own = list(rng.integers(1, 4, size=int(rng.integers(0, 5))))
            elif roll < 0.5 and nd:
                own[int(rng.integers(0, nd))] += 1
            shapes.append(tuple(own))
        bases = i32([s.w.put_i32(np.asarray(sh, dtype=np.int32)) for sh in shapes])
        nds = [len(sh) for sh in shapes]
        for i in range(n):
            for mismatch in (0, 1):
                want = bool(mismatch) or nds[i] != nd or any(shapes[i][d] != shapes[0][d]
                                                            for d in range(nd) if d != dim)
                assert k(269)(dim, i, mismatch, nd, i32(nds), int(bases[0]), bases, s.w.i32) is want
    # Operand 1 agrees in its first two sizes but has three dimensions; dim = i = 1.
    bases = i32([s.w.put_i32([2, 3]), s.w.put_i32([2, 5, 7])])
    assert k(269)(1, 1, 0, 2, i32([2, 3]), int(bases[0]), bases, s.w.i32) is True


def test_stacked_shape_reads_only_recorded_sizes():
    # Shapes shorter than dim + 1 (and None entries) add nothing; resshape is not written
    # when no shape has an entry dim.
    junk = JUNK[np.int32]
    store = np.full(5, junk, dtype=np.int32)
    store[:3] = [2, 3, 4]
    shapes = object_list([i32([2, 3, 4]), i32([2, 5, 1], stride=2), None, i32([2]), i32([9, 1, 6, 8])])
    k(288)(1, store[:3], shapes)
    np.testing.assert_array_equal(store, [2, 3 + 5 + 1, 4, junk, junk])
    wider = i32([2, 3, 4, 1])
    k(288)(3, wider, shapes)  # only the last shape has a fourth size
    np.testing.assert_array_equal(wider, [2, 3, 4, 9])
    k(288)(2, store[:2], object_list([i32([2, 3])] * 3))  # a new dimension
    np.testing.assert_array_equal(store, [2, 9, 4, junk, junk])


def test_sizes_and_counts_wrap_in_32_bits():
    big = 2**31 - 1
    assert k(274)(big, i32([1, 2]), 2) == -(2**31) + 2
    assert k(271)(2, i32([big, 1]), i32([1, big]), 0, 1) == (-(2**31), -(2**31) + 1)
    offset = i32([0, 0, 0])
    k(273)(i32([big, 1, 5]), 3, offset)
    np.testing.assert_array_equal(offset, [0, big, -(2**31)])
