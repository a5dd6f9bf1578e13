"""Transposes and permutations of the dimensions of expression records, against np.transpose
of the evaluated operand."""
import numpy as np
import pytest

from support.layout import (appended_runs, k, only_changed, point, put, random_shape, read_appended, snap,
                            some_record, strides, value)
from support.records import Record, read, reserve, runs
from support.stacks import Stacks


def transpose(s, w, rec, rng):
    """The transpose of a 2-D record on the work stack (268 dense, 267 sparse)."""
    (m, n), count = rec.shape, rec.nelem
    s.x.take_i32(int(rng.integers(0, 4)))
    cnt, perm = s.x.take_i32(n + 1), s.x.take_i32(count)
    r = reserve(s.r, 0, count, rec.nnz, sparse=rec.sparse)
    snaps = snap(s)
    if rec.sparse:
        k(267)(m, n, w.bfix, w.cof, w.nidxs, w.ptr, w.sp, count, perm, cnt, r.bfix, r.cof, s.r.f64, s.r.i32,
               s.r.i64, r.nidxs, r.ptr, r.sp, s.w.f64, s.w.i32, s.w.i64, s.x.i32)
    else:
        k(268)(m, n, w.bfix, w.cof, w.nidxs, w.ptr, r.bfix, r.cof, s.r.f64, s.r.i32, s.r.i64, r.nidxs, r.ptr,
               s.w.f64, s.w.i32, s.w.i64)
    only_changed(s, snaps, r=runs(r, 0, count, rec.nnz),
                 x=dict(i32=[(cnt, n + 1), (perm, count)]) if rec.sparse else None)
    return read(s.r, r, 0, count, rec.nnz, sparse=rec.sparse, shape=(n, m))


@pytest.mark.parametrize("stride", [1, 2])
def test_transpose_matches_numpy(stride):
    rng = np.random.default_rng(31 + stride)
    for _ in range(50):
        shape = random_shape(rng, nd=2, max_size=4)
        rec = some_record(rng, shape, bool(rng.integers(0, 2)))
        s = Stacks(stride=stride)
        out = transpose(s, put(s.w, rec, rng), rec, rng)
        xs = point(rng)
        np.testing.assert_allclose(value(out, xs), value(rec, xs).T, rtol=1e-12, atol=1e-12)
        # Elements keep their terms unchanged and in order.
        m, n = shape
        src = (out.linear() % m) * n + out.linear() // m
        for kk in range(out.nelem):
            e = int(np.searchsorted(rec.linear(), src[kk]))
            for a, b in zip(out.terms(kk), rec.terms(e)):
                np.testing.assert_array_equal(a, b)


def permute(s, w, rec, axes, base=(0, 0)):
    """np.transpose(rec, axes) by 266 (dense; base = (rnelem, rnnz) already in the result) or
    by 264, the caller's sort and 265 (sparse)."""
    rshape = tuple(rec.shape[a] for a in axes)
    dperm = np.argsort(axes).astype(np.int32)  # operand dimension d -> result dimension
    (e0, t0), count, nnz = base, rec.nelem, rec.nnz
    if rec.sparse:
        sp = np.full(count, -5, dtype=np.int64)
        snaps = snap(s)
        k(264)(dperm, strides(rshape).astype(np.int32), w.sp, rec.nd, count, w.shape, sp, strides(rec.shape),
               s.w.i32, s.w.i64)
        only_changed(s, snaps)
        perm = np.argsort(sp, kind="stable").astype(np.int64)
        r = reserve(s.r, 0, count, nnz, sparse=True)
        s.r.i32[r.ptr] = 0
        snaps = snap(s)
        got = k(265)(w.bfix, w.cof, w.nidxs, w.ptr, 0, 0, count, perm, r.bfix, r.cof, s.r.f64, s.r.i32, s.r.i64,
                     r.nidxs, r.ptr, r.sp, sp, s.w.f64, s.w.i32, s.w.i64)
    else:
        rshapebase = s.w.put_i32(np.asarray(rshape, dtype=np.int32))
        r = reserve(s.r, 0, e0 + count, t0 + nnz)
        snaps = snap(s)
        got = k(266)(dperm, strides(rec.shape).astype(np.int32), w.bfix, w.cof, w.nidxs, w.ptr, e0, t0, rec.nd,
                     count, r.bfix, r.cof, s.r.f64, s.r.i32, s.r.i64, r.nidxs, r.ptr, rshapebase, strides(rshape),
                     s.w.f64, s.w.i32, s.w.i64)
    assert got == (e0 + count, t0 + nnz)
    only_changed(s, snaps, r=appended_runs(r, e0, t0, count, nnz, rec.sparse))
    return read_appended(s.r, r, e0, t0, count, nnz, rshape, rec.sparse)


@pytest.mark.parametrize("stride", [1, 2])
def test_permutation_matches_numpy(stride):
    rng = np.random.default_rng(77 + stride)
    for _ in range(60):
        shape = random_shape(rng, max_nd=4)
        axes = tuple(int(a) for a in rng.permutation(len(shape)))
        rec = some_record(rng, shape, bool(rng.integers(0, 2)))
        s = Stacks(stride=stride)
        base = (0, 0) if rec.sparse else (int(rng.integers(0, 3)), int(rng.integers(0, 4)))
        out = permute(s, put(s.w, rec, rng), rec, axes, base)
        xs = point(rng)
        np.testing.assert_allclose(value(out, xs), np.transpose(value(rec, xs), axes), rtol=1e-12, atol=1e-12)


def test_transpose_examples():
    rng = np.random.default_rng(0)
    # 3 by 3 diagonal: element i * n + i -> i * m + i, sp (0, 4, 8) again.
    rec = Record((3, 3), [0, 1, 1, 3], [1, 2, 3], [1.0, 2.0, 3.0], [0.5, 0.0, -1.0], sp=[0, 4, 8])
    s = Stacks()
    out = transpose(s, put(s.w, rec, rng), rec, rng)
    for name in ("sp", "ptr", "nidxs", "bfix"):
        np.testing.assert_array_equal(getattr(out, name), getattr(rec, name))
    # The identity permutation copies a dense record.
    rec = some_record(rng, (2, 3, 2), False)
    s = Stacks()
    out = permute(s, put(s.w, rec, rng), rec, (0, 1, 2))
    for name in ("ptr", "nidxs", "cof", "bfix"):
        np.testing.assert_array_equal(getattr(out, name), getattr(rec, name))
