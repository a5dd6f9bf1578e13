"""Picks of elements by linear index and slices by a box of coordinates: the operand's elements
at the picked indexes (an unstored one empty), or in the box at their positions within it."""
import numpy as np
import pytest

from support.buffers import i32, i64
from support.layout import (appended_runs, assert_record, names, put, random_shape, read_appended, run, some_record,
                            strides)
from support.products import elements
from support.records import Record, reserve
from support.stacks import Stacks


@pytest.mark.parametrize("stride", [1, 2])
def test_pick_gives_the_elements_at_the_indexes(stride):
    rng = np.random.default_rng(400 + stride)
    for case in range(40):
        shape, sparse = random_shape(rng, max_size=4), bool(case % 2)
        rec = some_record(rng, shape, sparse) if case % 10 != 1 else Record(shape, [0], [], [], [], sp=[])
        idxs = rng.integers(0, max(rec.size, 1), size=int(rng.integers(0, 7)) if rec.size else 0)
        if len(idxs) and rec.nelem:
            idxs[0] = rec.linear()[0]  # the first stored element
        s, n, t0, have = Stacks(stride=stride), len(idxs), int(rng.integers(0, 3)), elements(rec)
        want = {k: have.get(int(L), ([], 0.0)) for k, L in enumerate(idxs)}
        nnz = t0 + sum(len(t) for t, _ in want.values())
        A = dict(names(put(s.w, rec, rng), "w"), idxs=i64(idxs, stride=stride), rnnz=t0, count=rec.nelem,
                 posbase=s.x.take_i32(n))
        if sparse:
            assert run(s, 258, dict(x=dict(i32=[(A["posbase"], n)])), A) == nnz
            assert s.x.i32[A["posbase"]:][:n].tolist() == [np.searchsorted(rec.sp, L) if L in rec.sp else -1
                                                            for L in idxs]
        r = reserve(s.r, 0, n, nnz)
        s.r.i32[r.ptr] = 0
        assert run(s, 259 if sparse else 257, dict(r=appended_runs(r, 0, t0, n, nnz - t0)), A, names(r, "r")) == nnz
        assert_record(read_appended(s.r, r, 0, t0, n, nnz - t0, (n,)), want)


def test_bisection_midpoint_beyond_32_bits():
    # count near 2**31 overflows a 32-bit lo + hi + 1; a stride-0 sp run holds 5 everywhere.
    sp = np.lib.stride_tricks.as_strided(np.array([5], dtype=np.int64), shape=(2,), strides=(0,))
    pos = i32([-9, -9, -9])
    assert run(Stacks(8), 258, None, idxs=i64([6, 5, 4]), count=2**31 - 1, ptrbase=0, rnnz=10, spbase=0, posbase=0,
               wi32=i32([0, 2]), wi64=sp, xi32=pos) == 12
    assert pos.tolist() == [-1, 0, -1]


@pytest.mark.parametrize("stride", [1, 2])
def test_slice_gives_the_elements_in_the_box(stride):
    rng = np.random.default_rng(600 + stride)
    for case in range(50):
        shape = random_shape(rng, max_nd=4, max_size=4)
        rec = some_record(rng, shape, sparse=bool(case % 2))
        first = np.array([rng.integers(0, n + 1) for n in shape], dtype=np.int64)
        last = np.array([rng.integers(f, n + 1) for f, n in zip(first, shape)], dtype=np.int64)
        rshape, want = tuple(int(v) for v in last - first), {}
        for L, element in elements(rec).items():
            c = L // strides(shape) % np.maximum(shape, 1) - first
            if np.all((c >= 0) & (c < rshape)):
                want[int(c @ strides(rshape))] = element
        s, (e0, t0) = Stacks(stride=stride), (int(rng.integers(0, 3)), int(rng.integers(0, 4))) if case % 3 else (0, 0)
        A = dict(names(put(s.w, rec, rng), "w"), first=i32(first, stride), last=i32(last, stride), nd=rec.nd,
                 sparse=int(rec.sparse), count=rec.nelem, rnelem=e0, rnnz=t0, st=strides(shape), rst=strides(rshape))
        nelem, nnz = run(s, 261, None, A)
        assert (nelem + (0 if rec.sparse else e0), nnz) == (e0 + len(want), t0 + sum(len(t) for t, _ in want.values()))
        r = reserve(s.r, 0, e0 + len(want), nnz, sparse=rec.sparse)
        assert run(s, 263, dict(r=appended_runs(r, e0, t0, len(want), nnz - t0, rec.sparse)), A,
                   names(r, "r")) == (e0 + len(want), nnz)
        assert_record(read_appended(s.r, r, e0, t0, len(want), nnz - t0, rshape, rec.sparse), want)
