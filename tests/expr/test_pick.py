"""Picks of elements by linear index and slices by a box of coordinates, against NumPy fancy
indexing and slicing of the evaluated operand."""
import numpy as np
import pytest

from support.buffers import i32, i64
from support.layout import (appended_runs, assert_memory_error, assert_numpy, guarded, k, put, random_shape,
                            read_appended, some_record, strides)
from support.records import Record, reserve
from support.stacks import Stacks


def pick(s, w, rec, idxs, rnnz0=0):
    """Picks idxs from rec (on the work stack) as the caller does; returns the result record."""
    n = len(idxs)
    if rec.sparse:
        s.x.take_i32(2)
        pos = s.x.take_i32(n)
        nnz = guarded(s, lambda: k(258)(idxs, rec.nelem, w.ptr, rnnz0, w.sp, pos, s.w.i32, s.w.i64, s.x.i32),
                      x=dict(i32=[(pos, n)]))
        where = {int(v): j for j, v in enumerate(rec.sp)}
        assert s.x.i32[pos:pos + n].tolist() == [where.get(int(t), -1) for t in idxs]
    else:
        nnz = rnnz0 + int(sum(rec.ptr[e + 1] - rec.ptr[e] for e in idxs))
    r = reserve(s.r, 0, n, nnz)
    s.r.i32[r.ptr] = 0
    common = (w.bfix, w.cof, idxs, rnnz0, w.nidxs, w.ptr, r.bfix, r.cof, s.r.f64, s.r.i32, s.r.i64, r.nidxs, r.ptr)
    build = (lambda: k(259)(*common, pos, s.w.f64, s.w.i32, s.w.i64, s.x.i32)) if rec.sparse else \
        (lambda: k(257)(*common, s.w.f64, s.w.i32, s.w.i64))
    assert guarded(s, build, r=appended_runs(r, 0, rnnz0, n, nnz - rnnz0)) == nnz
    return read_appended(s.r, r, 0, rnnz0, n, nnz - rnnz0, (n,))


@pytest.mark.parametrize("stride", [1, 2])
def test_pick_matches_fancy_indexing(stride):
    rng = np.random.default_rng(400 + stride)
    for case in range(40):
        shape = random_shape(rng, max_size=4)
        sparse = bool(case % 2)
        rec = some_record(rng, shape, sparse)
        if sparse and case % 10 == 1:
            rec = Record(shape, [0], [], [], [], sp=[])
        n = int(rng.integers(0, 7)) if rec.size else 0
        idxs = rng.integers(0, max(rec.size, 1), size=n)
        if n:
            idxs[0] = rec.linear()[0] if rec.nelem else 0  # the first stored element
        s = Stacks(stride=stride)
        out = pick(s, put(s.w, rec, rng), rec, i64(idxs, stride=stride), rnnz0=int(rng.integers(0, 3)))
        assert_numpy(rng, out, lambda v: v.ravel()[idxs], rec)


def test_pick_of_unstored_index_is_zero_element():
    rec = Record((2, 2), [0, 1, 2, 4], [1, 2, 1, 3], [1.0, 2.0, 1.0, -1.0], [1.0, 0.0, 0.0], sp=[0, 1, 3])
    s = Stacks()
    out = pick(s, put(s.w, rec, np.random.default_rng(1)), rec, i64([2, 0, 3, 2]))
    assert out.ptr.tolist() == [0, 0, 1, 3, 3] and out.nidxs.tolist() == [1, 1, 3]
    assert out.bfix.tolist() == [0.0, 1.0, 0.0, 0.0]


def test_bisection_midpoint_beyond_32_bits():
    # count near 2**31 overflows a 32-bit lo + hi + 1; a stride-0 sp run holds 5 everywhere.
    sp = np.lib.stride_tricks.as_strided(np.array([5], dtype=np.int64), shape=(2**31,), strides=(0,))
    pos = i32([-9, -9, -9])
    assert k(258)(i64([6, 5, 4]), 2**31 - 1, 0, 10, 0, 0, i32([0, 2]), sp, pos) == 12
    assert pos.tolist() == [-1, 0, -1]


def slice_(s, w, rec, first, last, base=(0, 0)):
    """Count pass, reservation and build pass of a slice; returns the result record."""
    nd, (e0, t0), st, sparse = rec.nd, base, strides(rec.shape), int(rec.sparse)
    rshape = tuple(int(v) for v in last - first)
    spbase = w.sp if rec.sparse else 0
    nelem, nnz = k(261)(first, sparse, last, nd, rec.nelem, w.ptr, e0, t0, w.shape, spbase, st, s.w.i32, s.w.i64)
    if not rec.sparse:
        assert nelem == int(np.prod(rshape, dtype=np.int64))  # rnelem is not added
        nelem += e0
    r = reserve(s.r, 0, nelem, nnz, sparse=rec.sparse)
    got = guarded(s, lambda: k(263)(w.bfix, w.cof, first, sparse, e0, t0, last, nd, rec.nelem, w.nidxs, w.ptr,
                                    r.bfix, r.cof, s.r.f64, s.r.i32, s.r.i64, r.nidxs, r.ptr,
                                    r.sp if rec.sparse else 0, strides(rshape), w.shape, spbase, st,
                                    s.w.f64, s.w.i32, s.w.i64),
                  r=appended_runs(r, e0, t0, nelem - e0, nnz - t0, rec.sparse))
    assert got == (nelem, nnz)
    return read_appended(s.r, r, e0, t0, nelem - e0, nnz - t0, rshape, rec.sparse)


@pytest.mark.parametrize("stride", [1, 2])
def test_slice_matches_numpy_slicing(stride):
    rng = np.random.default_rng(600 + stride)
    for case in range(50):
        shape = random_shape(rng, max_nd=4, max_size=4)
        rec = some_record(rng, shape, sparse=bool(case % 2))
        first = np.array([rng.integers(0, n + 1) for n in shape], dtype=np.int32)
        last = np.array([rng.integers(f, n + 1) for f, n in zip(first, shape)], dtype=np.int32)
        s = Stacks(stride=stride)
        base = (int(rng.integers(0, 3)), int(rng.integers(0, 4))) if case % 3 else (0, 0)
        out = slice_(s, put(s.w, rec, rng), rec, i32(first, stride), i32(last, stride), base)
        assert_numpy(rng, out, lambda v: v[tuple(slice(f, l) for f, l in zip(first, last))], rec)


def test_sparse_slice_scratch_failure_writes_nothing():
    # nd = 2**30 coordinates ask for 4 GiB of scratch.
    assert_memory_error(
        "ri32 = np.full(8, 7, np.int32); ri64 = np.full(8, 7, np.int64); rf64 = np.full(8, 7.0)\n"
        "wi32 = np.array([0, 1, 3], np.int32); wi64 = np.array([0, 1, 0], np.int64); wf64 = np.ones(4)\n"
        "first = np.zeros(1, np.int32); last = np.ones(1, np.int32); st = np.ones(1, np.int64)",
        ["F._c_closure_263(0, 1, first, 1, 0, 0, last, 1 << 30, 1, 0, 0, 0, 0, rf64, ri32, ri64, 0, 0, 0, st, 0, "
         "2, st, wf64, wi32, wi64)"], "ri32, ri64, rf64")


@pytest.mark.parametrize("last, want", [([65536, 65536], 0), ([46341, 46341], 46341 * 46341 - 2**32),
                                        ([3, 0], 0)])
def test_dense_slice_count_is_a_wrapping_32_bit_product(last, want):
    got = k(261)(i32([0, 0]), 0, i32(last), 2, 0, 0, 7, 5, 0, 0, i64([1, 1]), i32([0, 0]), i64([0]))
    assert got == (want, 5)
