"""Stacking expression records along a dimension, against np.concatenate (np.stack for a new
trailing dimension) of the evaluated operands, by every way a caller can take: dense stacking,
gathering then sorting, and gathering then the plain copy when already in order."""
import numpy as np
import pytest

from support.buffers import JUNK, i32
from support.layout import assert_numpy, guarded, k, put, random_shape, some_record, strides
from support.records import Record, read, reserve, runs
from support.stacks import Stacks


def object_list(arrays):
    out = np.empty(len(arrays), dtype=object)
    for j, a in enumerate(arrays):
        out[j] = a
    return out


class Stacking:
    """The caller's side of one stacking operation over records laid out on the work stack."""

    def __init__(self, rng, recs, dim, stride=1):
        s = self.s = Stacks(stride=stride)
        bases = [put(s.w, r, rng) for r in recs]
        self.recs, self.dim, self.n, self.nd, self.stride = recs, dim, len(recs), recs[0].nd, stride
        newdim = dim == self.nd
        a = lambda values: i32(values, stride)
        self.nelem, self.nnz = a([r.nelem for r in recs]), a([r.nnz for r in recs])
        self.d1s = a([1 if newdim else r.shape[dim] for r in recs])
        for name in ("shape", "ptr", "nidxs", "cof", "bfix"):
            setattr(self, name, a([getattr(b, name) for b in bases]))
        self.sp = a([b.sp if r.sparse else -1 for r, b in zip(recs, bases)])
        nds = a([r.nd for r in recs])
        mismatch = False
        for i in range(self.n):
            mismatch = k(269)(dim, i, int(mismatch), self.nd, nds, int(self.shape[0]), self.shape, s.w.i32)
        assert mismatch is False
        self.total = k(270)(dim, self.n, self.nd, 0, self.shape, s.w.i32)
        assert self.total == k(274)(0, self.d1s, self.n) == int(np.sum(self.d1s))
        self.count, self.tnnz = k(271)(self.n, self.nelem, self.nnz, 0, 0)
        self.offset = a(np.zeros(self.n))
        k(273)(self.d1s, self.n, self.offset)
        np.testing.assert_array_equal(self.offset, np.cumsum(self.d1s) - self.d1s)
        resshape = a(np.zeros(self.nd + newdim))
        k(287)(self.nd, resshape, a(recs[0].shape))
        k(288)(dim, resshape, object_list([a(r.shape) for r in recs]))
        if newdim:
            resshape[self.nd] = self.n
        self.rshape = tuple(int(v) for v in resshape)
        self.outer = int(np.prod(recs[0].shape[:dim], dtype=np.int64))
        self.inner = int(np.prod(recs[0].shape[dim + 1:], dtype=np.int64))

    def dense(self):
        s, nelem = self.s, self.outer * self.total * self.inner
        assert nelem == self.count
        r = reserve(s.r, 0, nelem, self.tnnz)
        guarded(s, lambda: k(277)(self.bfix, self.cof, self.outer, self.total, self.d1s, self.inner, self.n,
                                  self.nidxs, self.ptr, r.bfix, r.cof, s.r.f64, s.r.i32, s.r.i64, nelem, r.nidxs,
                                  r.ptr, s.w.f64, s.w.i32, s.w.i64), r=runs(r, 0, nelem, self.tnnz))
        return read(s.r, r, 0, nelem, self.tnnz, shape=self.rshape)

    def gather(self):
        """Every operand on the scratch stack as one unsorted sparse record."""
        s, g = self.s, reserve(self.s.x, 0, self.count, self.tnnz, sparse=True)

        def run(xnelem=0, toff=0):
            k(280)(self.bfix, self.cof, self.n, self.nelem, self.nidxs, self.nnz, g.bfix, g.cof, g.nidxs,
                   s.w.f64, s.w.i64, s.x.f64, s.x.i64)
            s.x.i32[g.ptr] = 0
            for i, rec in enumerate(self.recs):
                size = int(self.d1s[i])
                if rec.sparse:
                    xnelem = k(281)(size, self.inner, i, xnelem, toff, self.nelem, self.offset, self.ptr,
                                    size * self.inner, self.inner, self.total, self.sp, g.ptr, g.sp, s.w.i32,
                                    s.w.i64, s.x.i32, s.x.i64)
                else:
                    xnelem = k(282)(self.outer, size, self.inner, i, xnelem, toff, self.offset, self.ptr,
                                    self.total, g.ptr, g.sp, s.w.i32, s.x.i32, s.x.i64)
                toff += rec.nnz
            return xnelem
        assert guarded(s, run, x=runs(g, 0, self.count, self.tnnz)) == self.count
        self.g = g
        self.gathered = read(s.x, g, 0, self.count, self.tnnz, sparse=True, shape=self.rshape)

    def sort(self, copy=False):
        """The gathered record sorted into place (285), or copied (286)."""
        s, count, nnz, g, rd = self.s, self.count, self.tnnz, self.g, len(self.rshape)
        perma, permb, cnt = s.x.take_i32(count), s.x.take_i32(count), s.x.take_i32(max(self.rshape) + 1)
        rshapebase = s.r.put_i32(np.asarray(self.rshape, dtype=np.int32))
        r = reserve(s.r, 0, count, nnz, sparse=True)
        gx = (g.bfix, g.cof)
        if copy:
            guarded(s, lambda: k(286)(r.bfix, r.cof, s.r.f64, s.r.i32, s.r.i64, count, r.nidxs, r.ptr, r.sp, *gx,
                                      g.nidxs, g.ptr, g.sp, s.x.f64, s.x.i32, s.x.i64), r=runs(r, 0, count, nnz))
        else:
            got = guarded(s, lambda: k(285)(perma, cnt, r.bfix, r.cof, s.r.f64, s.r.i32, s.r.i64, rd, count, r.nidxs,
                                            r.ptr, rshapebase, r.sp, strides(self.rshape), *gx, permb, g.nidxs,
                                            g.ptr, g.sp, s.x.f64, s.x.i32, s.x.i64),
                          r=runs(r, 0, count, nnz),
                          x=dict(i32=[(perma, count), (permb, count), (cnt, max(self.rshape) + 1)]))
            assert got == ((perma, permb) if rd % 2 == 0 else (permb, perma))
            np.testing.assert_array_equal(s.x.i32[got[0]:got[0] + count], np.argsort(self.gathered.sp))
        return read(s.r, r, 0, count, nnz, sparse=True, shape=self.rshape)


def stacked(recs, dim):
    return lambda *vs: np.stack(vs, axis=-1) if dim == recs[0].nd else np.concatenate(vs, axis=dim)


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


def same(a, b, names=("ptr", "nidxs", "cof", "bfix", "sp")):
    for name in names:
        np.testing.assert_array_equal(getattr(a, name), getattr(b, name))


@pytest.mark.parametrize("stride", [1, 2])
def test_every_stacking_way_matches_numpy(stride):
    rng = np.random.default_rng(900 + stride)
    copies = 0
    for case in range(40):
        recs, dim = random_operands(rng, all_dense=case % 2 == 0)
        op = Stacking(rng, recs, dim, stride)
        if all(not r.sparse for r in recs):
            assert_numpy(rng, op.dense(), stacked(recs, dim), *recs)
        op.gather()
        out = op.sort()
        assert_numpy(rng, out, stacked(recs, dim), *recs)
        if np.all(np.diff(op.gathered.sp) > 0):
            copies += 1
            same(op.sort(copy=True), out)
    assert copies > 5


def test_stacking_examples():
    rng = np.random.default_rng(3)
    for sparse in (False, True):  # one operand reproduces itself
        rec = some_record(rng, (2, 3), sparse)
        op = Stacking(rng, [rec], 1)
        op.gather()
        same(op.sort(), Record(rec.shape, rec.ptr, rec.nidxs, rec.cof, rec.bfix, rec.linear()))
        if not sparse:
            same(op.dense(), rec, ("ptr", "nidxs", "cof", "bfix"))
    a = Record((2, 1), [0, 0, 0], [], [], [1.0, 2.0])
    b = Record((2, 2), [0, 0, 0, 0, 0], [], [], [3.0, 4.0, 5.0, 6.0])
    op = Stacking(rng, [a, b], 1)
    out = op.dense()
    assert op.rshape == (2, 3) and out.ptr.tolist() == [0] * 7 and out.bfix.tolist() == [1, 3, 4, 2, 5, 6]
    s = Stacks()
    bases = i32([s.w.put_i32([2, 3]) for _ in range(3)])
    assert k(270)(2, 3, 2, 0, bases, s.w.i32) == 3 and k(270)(1, 3, 2, 10, bases, s.w.i32) == 19


def test_fit_test_checks_every_operand():
    rng = np.random.default_rng(11)
    s = Stacks()
    for _ in range(100):
        nd, n = int(rng.integers(0, 4)), int(rng.integers(1, 5))
        dim, first = int(rng.integers(0, n + 1)), rng.integers(1, 4, size=nd)
        shapes = [first] + [rng.integers(1, 4, size=int(rng.integers(0, 5))) if rng.random() < 0.3 else
                            first + (np.arange(nd) == rng.integers(0, 4)) * (rng.random() < 0.3) for _ in range(n - 1)]
        bases = i32([s.w.put_i32(np.asarray(sh, dtype=np.int32)) for sh in shapes])
        for i in range(n):
            for mismatch in (0, 1):
                want = bool(mismatch) or len(shapes[i]) != nd or any(shapes[i][d] != first[d]
                                                                    for d in range(nd) if d != dim)
                assert k(269)(dim, i, mismatch, nd, i32([len(sh) for sh in shapes]), int(bases[0]), bases,
                              s.w.i32) is want
    bases = i32([s.w.put_i32([2, 3]), s.w.put_i32([2, 5, 7])])  # agrees in two sizes, has three
    assert k(269)(1, 1, 0, 2, i32([2, 3]), int(bases[0]), bases, s.w.i32) is True


def test_stacked_shape_reads_only_recorded_sizes():
    # Shapes shorter than dim + 1 (and None) add nothing; no shape with an entry dim writes nothing.
    junk = JUNK[np.int32]
    store = np.full(5, junk, dtype=np.int32)
    store[:3] = [2, 3, 4]
    shapes = object_list([i32([2, 3, 4]), i32([2, 5, 1], stride=2), None, i32([2]), i32([9, 1, 6, 8])])
    k(288)(1, store[:3], shapes)
    assert store.tolist() == [2, 3 + 5 + 1, 4, junk, junk]
    wider = i32([2, 3, 4, 1])
    k(288)(3, wider, shapes)
    assert wider.tolist() == [2, 3, 4, 9]
    k(288)(2, store[:2], object_list([i32([2, 3])] * 3))
    assert store.tolist() == [2, 9, 4, junk, junk]


def test_sizes_and_counts_wrap_in_32_bits():
    big = 2**31 - 1
    assert k(274)(big, i32([1, 2]), 2) == -(2**31) + 2
    assert k(271)(2, i32([big, 1]), i32([1, big]), 0, 1) == (-(2**31), -(2**31) + 1)
    offset = i32([0, 0, 0])
    k(273)(i32([big, 1, 5]), 3, offset)
    assert offset.tolist() == [0, big, -(2**31)]
