"""Picks of elements by linear index and slices by a box of coordinates, against NumPy
fancy indexing and slicing of the evaluated operand."""
import numpy as np
import pytest

from support.alloclimit import run_capped
from support.buffers import i32, i64
from support.layout import (appended_runs, k, only_changed, point, put, random_shape, read_appended, snap,
                            some_record, strides, value)
from support.records import Record, reserve
from support.stacks import Stacks

TOL = dict(rtol=1e-12, atol=1e-12)


def pick(s, w, rec, idxs, rnnz0=0):
    """Picks idxs from rec (on the work stack) as the caller does; returns the result record."""
    n = len(idxs)
    if rec.sparse:  # count pass: term count and the position of every index
        s.x.take_i32(2)
        pos = s.x.take_i32(n)
        snaps = snap(s)
        nnz = k(258)(idxs, rec.nelem, w.ptr, rnnz0, w.sp, pos, s.w.i32, s.w.i64, s.x.i32)
        only_changed(s, snaps, x=dict(i32=[(pos, n)]))
        where = {int(v): j for j, v in enumerate(rec.sp)}
        np.testing.assert_array_equal(s.x.i32[pos:pos + n], [where.get(int(t), -1) for t in idxs])
    else:
        nnz = rnnz0 + int(sum(rec.ptr[e + 1] - rec.ptr[e] for e in idxs))
    r = reserve(s.r, 0, n, nnz)
    s.r.i32[r.ptr] = 0
    snaps = snap(s)
    common = (w.bfix, w.cof, idxs, rnnz0, w.nidxs, w.ptr, r.bfix, r.cof, s.r.f64, s.r.i32, s.r.i64, r.nidxs, r.ptr)
    if rec.sparse:
        got = k(259)(*common, pos, s.w.f64, s.w.i32, s.w.i64, s.x.i32)
    else:
        got = k(257)(*common, s.w.f64, s.w.i32, s.w.i64)
    assert got == nnz
    only_changed(s, snaps, r=appended_runs(r, 0, rnnz0, n, nnz - rnnz0))
    return read_appended(s.r, r, 0, rnnz0, n, nnz - rnnz0, (n,))


@pytest.mark.parametrize("stride", [1, 2])
def test_pick_matches_fancy_indexing(stride):
    rng = np.random.default_rng(400 + stride)
    for case in range(80):
        shape = random_shape(rng, max_size=4)
        sparse = bool(case % 2)
        rec = some_record(rng, shape, sparse)
        if sparse and case % 10 == 1:
            rec = Record(shape, [0], [], [], [], sp=[])  # nothing stored
        size = rec.size
        n = int(rng.integers(0, 7)) if size else 0
        idxs = rng.integers(0, size, size=n) if size else np.zeros(0, dtype=np.int64)
        if size and n:
            idxs[0] = rec.linear()[0] if rec.nelem else 0  # the first stored element
        s = Stacks(stride=stride)
        w = put(s.w, rec, rng)
        out = pick(s, w, rec, i64(idxs, stride=stride), rnnz0=int(rng.integers(0, 3)))
        xs = point(rng)
        np.testing.assert_allclose(value(out, xs), value(rec, xs).ravel()[idxs], **TOL)


def test_pick_of_unstored_index_is_zero_element():
    # The 2 by 2 example (a + 1, 2 b; 0, a - c) held sparsely: sp (0, 1, 3).
    rec = Record((2, 2), [0, 1, 2, 4], [1, 2, 1, 3], [1.0, 2.0, 1.0, -1.0], [1.0, 0.0, 0.0], sp=[0, 1, 3])
    s = Stacks()
    out = pick(s, put(s.w, rec, np.random.default_rng(1)), rec, i64([2, 0, 3, 2]))
    np.testing.assert_array_equal(out.ptr, [0, 0, 1, 3, 3])
    np.testing.assert_array_equal(out.nidxs, [1, 1, 3])
    np.testing.assert_array_equal(out.bfix, [0.0, 1.0, 0.0, 0.0])


def test_bisection_midpoint_beyond_32_bits():
    # count near 2**31: with 32-bit midpoints lo + hi + 1 would overflow. A stride-0 sp
    # run holds the value 5 at every position.
    count = 2**31 - 1
    sp = np.lib.stride_tricks.as_strided(np.array([5], dtype=np.int64), shape=(2,), strides=(0,))
    ptr = i32([0, 2])
    pos = i32([-9, -9, -9])
    got = k(258)(i64([6, 5, 4]), count, 0, 10, 0, 0, ptr, sp, pos)
    np.testing.assert_array_equal(pos, [-1, 0, -1])
    assert got == 12


def slice_(s, w, rec, first, last, base=(0, 0)):
    """Count pass, reservation and build pass of a slice; returns the result record."""
    nd, (e0, t0), st, sparse = rec.nd, base, strides(rec.shape), int(rec.sparse)
    rshape = tuple(int(v) for v in last - first)
    spbase = w.sp if rec.sparse else 0
    nelem, nnz = k(261)(first, sparse, last, nd, rec.nelem, w.ptr, e0, t0, w.shape, spbase, st,
                        s.w.i32, s.w.i64)
    if not rec.sparse:
        assert nelem == int(np.prod(rshape, dtype=np.int64))  # rnelem is not added
        nelem += e0
    r = reserve(s.r, 0, nelem, nnz, sparse=rec.sparse)
    snaps = snap(s)
    got = k(263)(w.bfix, w.cof, first, sparse, e0, t0, last, nd, rec.nelem, w.nidxs, w.ptr, r.bfix, r.cof,
                 s.r.f64, s.r.i32, s.r.i64, r.nidxs, r.ptr, r.sp if rec.sparse else 0, strides(rshape), w.shape,
                 spbase, st, s.w.f64, s.w.i32, s.w.i64)
    assert got == (nelem, nnz)
    only_changed(s, snaps, r=appended_runs(r, e0, t0, nelem - e0, nnz - t0, rec.sparse))
    return read_appended(s.r, r, e0, t0, nelem - e0, nnz - t0, rshape, rec.sparse)


@pytest.mark.parametrize("stride", [1, 2])
def test_slice_matches_numpy_slicing(stride):
    rng = np.random.default_rng(600 + stride)
    for case in range(100):
        shape = random_shape(rng, max_nd=4, max_size=4)
        rec = some_record(rng, shape, sparse=bool(case % 2))
        first = np.array([rng.integers(0, n + 1) for n in shape], dtype=np.int32)
        last = np.array([rng.integers(f, n + 1) for f, n in zip(first, shape)], dtype=np.int32)
        s = Stacks(stride=stride)
        w = put(s.w, rec, rng)
        base = (int(rng.integers(0, 3)), int(rng.integers(0, 4))) if case % 3 else (0, 0)
        out = slice_(s, w, rec, i32(first, stride), i32(last, stride), base)
        xs = point(rng)
        box = tuple(slice(f, l) for f, l in zip(first, last))
        np.testing.assert_allclose(value(out, xs), value(rec, xs)[box], **TOL)


def test_sparse_slice_scratch_failure_writes_nothing():
    # nd = 2**30 coordinates ask for 4 GiB of scratch, far beyond what the child may take:
    # the build pass must fail with MemoryError before it writes anything.
    done = run_capped("""
        import numpy as np, fragments
        ri32 = np.full(8, 7, np.int32); ri64 = np.full(8, 7, np.int64); rf64 = np.full(8, 7.0)
        wi32 = np.array([0, 1, 3], np.int32); wi64 = np.array([0, 1, 0], np.int64); wf64 = np.ones(4)
        first = np.zeros(1, np.int32); last = np.ones(1, np.int32); st = np.ones(1, np.int64)
        cap_address_space()
        try:
            fragments._c_closure_263(0, 1, first, 1, 0, 0, last, 1 << 30, 1, 0, 0, 0, 0, rf64, ri32, ri64, 0, 0,
                                     0, st, 0, 2, st, wf64, wi32, wi64)
        except MemoryError:
            assert (ri32 == 7).all() and (ri64 == 7).all() and (rf64 == 7.0).all()
            print("ok")
    """)
    assert done.stdout.strip() == "ok", done.stderr


@pytest.mark.parametrize("last, want", [([65536, 65536], 0), ([46341, 46341], 46341 * 46341 - 2**32),
                                        ([3, 0], 0)])
def test_dense_slice_count_is_a_wrapping_32_bit_product(last, want):
    # No stored element is visited (count = 0); only the box's size product is formed.
    got = k(261)(i32([0, 0]), 0, i32(last), 2, 0, 0, 7, 5, 0, 0, i64([1, 1]), i32([0, 0]), i64([0]))
    assert got == (want, 5)
