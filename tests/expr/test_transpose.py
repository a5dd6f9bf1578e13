"""Transposes and permutations of the dimensions of expression records, against np.transpose
of the evaluated operand."""
import numpy as np
import pytest

from support.layout import (appended_runs, k, point, put, random_shape, read_appended, some_record, strides,
                            value)
from support.records import Record, read, reserve, runs
from support.stacks import Stacks


def transpose_dense(s, w, rec):
    """The dense transpose of a 2-D record on the work stack; returns the result record."""
    m, n = rec.shape
    r = reserve(s.r, 0, rec.nelem, rec.nnz)
    snap = {"r": s.r.snapshot(), "w": s.w.snapshot()}
    k(268)(m, n, w.bfix, w.cof, w.nidxs, w.ptr, r.bfix, r.cof, s.r.f64, s.r.i32, s.r.i64, r.nidxs, r.ptr,
           s.w.f64, s.w.i32, s.w.i64)
    s.r.assert_only_changed(snap["r"], **runs(r, 0, rec.nelem, rec.nnz))
    s.w.assert_only_changed(snap["w"])
    return read(s.r, r, 0, rec.nelem, rec.nnz, shape=(n, m))


def transpose_sparse(s, w, rec, rng):
    m, n = rec.shape
    count = rec.nelem
    s.x.take_i32(int(rng.integers(0, 4)))
    cnt = s.x.take_i32(n + 1)
    perm = s.x.take_i32(count)
    r = reserve(s.r, 0, count, rec.nnz, sparse=True)
    snap = {"r": s.r.snapshot(), "w": s.w.snapshot(), "x": s.x.snapshot()}
    k(267)(m, n, w.bfix, w.cof, w.nidxs, w.ptr, w.sp, count, perm, cnt, r.bfix, r.cof, s.r.f64, s.r.i32,
           s.r.i64, r.nidxs, r.ptr, r.sp, s.w.f64, s.w.i32, s.w.i64, s.x.i32)
    s.r.assert_only_changed(snap["r"], **runs(r, 0, count, rec.nnz))
    s.w.assert_only_changed(snap["w"])
    s.x.assert_only_changed(snap["x"], i32=[(cnt, n + 1), (perm, count)])
    return read(s.r, r, 0, count, rec.nnz, sparse=True, shape=(n, m))


@pytest.mark.parametrize("stride", [1, 2])
def test_transpose_matches_numpy(stride):
    rng = np.random.default_rng(31 + stride)
    for _ in range(60):
        shape = random_shape(rng, nd=2, max_size=4)
        sparse = bool(rng.integers(0, 2))
        rec = some_record(rng, shape, sparse)
        s = Stacks(stride=stride)
        w = put(s.w, rec, rng)
        out = transpose_sparse(s, w, rec, rng) if sparse else transpose_dense(s, w, rec)
        xs = point(rng)
        np.testing.assert_allclose(value(out, xs), value(rec, xs).T, rtol=1e-12, atol=1e-12)
        # Elements keep their terms unchanged and in order.
        m, n = shape
        src = (out.linear() % m) * n + out.linear() // m
        for kk in range(out.nelem):
            e = int(np.searchsorted(rec.linear(), src[kk]))
            for a, b in zip(out.terms(kk), rec.terms(e)):
                np.testing.assert_array_equal(a, b)


def test_transpose_row_is_column_in_same_order():
    rng = np.random.default_rng(5)
    rec = some_record(rng, (1, 5), False)
    s = Stacks()
    out = transpose_dense(s, put(s.w, rec, rng), rec)
    for name in ("ptr", "nidxs", "cof", "bfix"):
        np.testing.assert_array_equal(getattr(out, name), getattr(rec, name))


def test_sparse_transpose_of_diagonal_keeps_elements_in_place():
    # 3 by 3 diagonal: sp (0, 4, 8) becomes (0, 4, 8), element i * n + i -> i * m + i.
    rec = Record((3, 3), [0, 1, 1, 3], [1, 2, 3], [1.0, 2.0, 3.0], [0.5, 0.0, -1.0], sp=[0, 4, 8])
    s = Stacks()
    rng = np.random.default_rng(0)
    out = transpose_sparse(s, put(s.w, rec, rng), rec, rng)
    np.testing.assert_array_equal(out.sp, [0, 4, 8])
    np.testing.assert_array_equal(out.ptr, rec.ptr)
    np.testing.assert_array_equal(out.bfix, rec.bfix)


def permute_dense(s, w, rec, axes, base=(0, 0)):
    """np.transpose(rec, axes) through the dense permutation kernel; base = (rnelem, rnnz)
    already in the result."""
    nd = rec.nd
    rshape = tuple(rec.shape[a] for a in axes)
    dperm = np.argsort(axes).astype(np.int32)  # operand dimension d -> result dimension
    rshapebase = s.w.put_i32(np.asarray(rshape, dtype=np.int32))
    e0, t0 = base
    r = reserve(s.r, 0, e0 + rec.nelem, t0 + rec.nnz)
    snap = {"r": s.r.snapshot(), "w": s.w.snapshot()}
    got = k(266)(dperm, strides(rec.shape).astype(np.int32), w.bfix, w.cof, w.nidxs, w.ptr, e0, t0, nd, rec.nelem,
                 r.bfix, r.cof, s.r.f64, s.r.i32, s.r.i64, r.nidxs, r.ptr, rshapebase, strides(rshape),
                 s.w.f64, s.w.i32, s.w.i64)
    assert got == (e0 + rec.nelem, t0 + rec.nnz)
    s.r.assert_only_changed(snap["r"], **appended_runs(r, e0, t0, rec.nelem, rec.nnz))
    s.w.assert_only_changed(snap["w"])
    return read_appended(s.r, r, e0, t0, rec.nelem, rec.nnz, rshape)


def permute_sparse(s, w, rec, axes):
    nd = rec.nd
    rshape = tuple(rec.shape[a] for a in axes)
    dperm = np.argsort(axes).astype(np.int32)
    count = rec.nelem
    sp = np.full(count, -5, dtype=np.int64)
    snap_w = s.w.snapshot()
    k(264)(dperm, strides(rshape).astype(np.int32), w.sp, nd, count, w.shape, sp, strides(rec.shape), s.w.i32, s.w.i64)
    s.w.assert_only_changed(snap_w)
    perm = np.argsort(sp, kind="stable").astype(np.int64)  # the caller's sort
    r = reserve(s.r, 0, count, rec.nnz, sparse=True)
    s.r.i32[r.ptr] = 0
    snap_r = s.r.snapshot()
    got = k(265)(w.bfix, w.cof, w.nidxs, w.ptr, 0, 0, count, perm, r.bfix, r.cof, s.r.f64, s.r.i32, s.r.i64,
                 r.nidxs, r.ptr, r.sp, sp, s.w.f64, s.w.i32, s.w.i64)
    assert got == (count, rec.nnz)
    s.r.assert_only_changed(snap_r, **runs(r, 0, count, rec.nnz))
    s.w.assert_only_changed(snap_w)
    return read(s.r, r, 0, count, rec.nnz, sparse=True, shape=rshape)


@pytest.mark.parametrize("stride", [1, 2])
def test_permutation_matches_numpy(stride):
    rng = np.random.default_rng(77 + stride)
    for _ in range(80):
        shape = random_shape(rng, max_nd=4)
        axes = tuple(int(a) for a in rng.permutation(len(shape)))
        sparse = bool(rng.integers(0, 2))
        rec = some_record(rng, shape, sparse)
        s = Stacks(stride=stride)
        w = put(s.w, rec, rng)
        if sparse:
            out = permute_sparse(s, w, rec, axes)
        else:
            base = (int(rng.integers(0, 3)), int(rng.integers(0, 4)))
            out = permute_dense(s, w, rec, axes, base)
        xs = point(rng)
        np.testing.assert_allclose(value(out, xs), np.transpose(value(rec, xs), axes), rtol=1e-12, atol=1e-12)


def test_identity_permutation_copies_dense_record():
    rng = np.random.default_rng(9)
    rec = some_record(rng, (2, 3, 2), False)
    s = Stacks()
    out = permute_dense(s, put(s.w, rec, rng), rec, (0, 1, 2))
    for name in ("ptr", "nidxs", "cof", "bfix"):
        np.testing.assert_array_equal(getattr(out, name), getattr(rec, name))
