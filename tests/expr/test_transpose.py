"""Transposes and permutations of the dimensions of expression records, against np.transpose
of the evaluated operand."""
import numpy as np
import pytest

from support.layout import (appended_runs, assert_numpy, guarded, k, put, random_shape, read_appended, some_record,
                            strides)
from support.records import Record, read, reserve, runs
from support.stacks import Stacks


def transpose(s, w, rec, rng):
    """The transpose of a 2-D record on the work stack (268 dense, 267 sparse)."""
    (m, n), count = rec.shape, rec.nelem
    s.x.take_i32(int(rng.integers(0, 4)))
    cnt, perm = s.x.take_i32(n + 1), s.x.take_i32(count)
    r = reserve(s.r, 0, count, rec.nnz, sparse=rec.sparse)
    if rec.sparse:
        call = lambda: k(267)(m, n, w.bfix, w.cof, w.nidxs, w.ptr, w.sp, count, perm, cnt, r.bfix, r.cof, s.r.f64,
                              s.r.i32, s.r.i64, r.nidxs, r.ptr, r.sp, s.w.f64, s.w.i32, s.w.i64, s.x.i32)
    else:
        call = lambda: k(268)(m, n, w.bfix, w.cof, w.nidxs, w.ptr, r.bfix, r.cof, s.r.f64, s.r.i32, s.r.i64,
                              r.nidxs, r.ptr, s.w.f64, s.w.i32, s.w.i64)
    guarded(s, call, r=runs(r, 0, count, rec.nnz), x=dict(i32=[(cnt, n + 1), (perm, count)]) if rec.sparse else None)
    return read(s.r, r, 0, count, rec.nnz, sparse=rec.sparse, shape=(n, m))


@pytest.mark.parametrize("stride", [1, 2])
def test_transpose_matches_numpy(stride):
    rng = np.random.default_rng(31 + stride)
    for _ in range(30):
        shape = random_shape(rng, nd=2, max_size=4)
        rec = some_record(rng, shape, bool(rng.integers(0, 2)))
        s = Stacks(stride=stride)
        out = transpose(s, put(s.w, rec, rng), rec, rng)
        assert_numpy(rng, out, np.transpose, rec)
        m, n = shape  # elements keep their terms unchanged and in order
        src = (out.linear() % m) * n + out.linear() // m
        for kk in range(out.nelem):
            e = int(np.searchsorted(rec.linear(), src[kk]))
            for a, b in zip(out.terms(kk), rec.terms(e)):
                assert a.tolist() == b.tolist()


def permute(s, w, rec, axes, base=(0, 0)):
    """np.transpose(rec, axes) by 266 (dense; base = (rnelem, rnnz) already in the result) or by
    264, the caller's sort and 265 (sparse)."""
    rshape = tuple(rec.shape[a] for a in axes)
    dperm = np.argsort(axes).astype(np.int32)
    (e0, t0), count, nnz = base, rec.nelem, rec.nnz
    if rec.sparse:
        sp = np.full(count, -5, dtype=np.int64)
        guarded(s, lambda: k(264)(dperm, strides(rshape).astype(np.int32), w.sp, rec.nd, count, w.shape, sp,
                                  strides(rec.shape), s.w.i32, s.w.i64))
        perm = np.argsort(sp, kind="stable").astype(np.int64)
        r = reserve(s.r, 0, count, nnz, sparse=True)
        s.r.i32[r.ptr] = 0
        call = lambda: k(265)(w.bfix, w.cof, w.nidxs, w.ptr, 0, 0, count, perm, r.bfix, r.cof, s.r.f64, s.r.i32,
                              s.r.i64, r.nidxs, r.ptr, r.sp, sp, s.w.f64, s.w.i32, s.w.i64)
    else:
        rshapebase = s.w.put_i32(np.asarray(rshape, dtype=np.int32))
        r = reserve(s.r, 0, e0 + count, t0 + nnz)
        call = lambda: k(266)(dperm, strides(rec.shape).astype(np.int32), w.bfix, w.cof, w.nidxs, w.ptr, e0, t0,
                              rec.nd, count, r.bfix, r.cof, s.r.f64, s.r.i32, s.r.i64, r.nidxs, r.ptr, rshapebase,
                              strides(rshape), s.w.f64, s.w.i32, s.w.i64)
    assert guarded(s, call, r=appended_runs(r, e0, t0, count, nnz, rec.sparse)) == (e0 + count, t0 + nnz)
    return read_appended(s.r, r, e0, t0, count, nnz, rshape, rec.sparse)


@pytest.mark.parametrize("stride", [1, 2])
def test_permutation_matches_numpy(stride):
    rng = np.random.default_rng(77 + stride)
    for _ in range(30):
        shape = random_shape(rng, max_nd=4)
        axes = tuple(int(a) for a in rng.permutation(len(shape)))
        rec = some_record(rng, shape, bool(rng.integers(0, 2)))
        s = Stacks(stride=stride)
        base = (0, 0) if rec.sparse else (int(rng.integers(0, 3)), int(rng.integers(0, 4)))
        out = permute(s, put(s.w, rec, rng), rec, axes, base)
        assert_numpy(rng, out, lambda v: np.transpose(v, axes), rec)


def test_transpose_examples():
    rng = np.random.default_rng(0)
    fields = ("sp", "ptr", "nidxs", "bfix")
    rec = Record((3, 3), [0, 1, 1, 3], [1, 2, 3], [1.0, 2.0, 3.0], [0.5, 0.0, -1.0], sp=[0, 4, 8])  # diagonal
    s = Stacks()
    out = transpose(s, put(s.w, rec, rng), rec, rng)
    assert all(getattr(out, f).tolist() == getattr(rec, f).tolist() for f in fields)
    rec = some_record(rng, (2, 3, 2), False)  # the identity permutation copies
    s = Stacks()
    out = permute(s, put(s.w, rec, rng), rec, (0, 1, 2))
    assert all(getattr(out, f).tolist() == getattr(rec, f).tolist() for f in fields[1:] + ("cof",))
