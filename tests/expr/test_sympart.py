"""Symmetric part (E + Eᵀ)/2 of a record over two dimensions of equal size, dense and sparse: per
element its own terms halved, then its mirror's, and half the sum of the two constants; the
diagonal unchanged."""
import numpy as np
import pytest

from support.buffers import i32, i64
from support.layout import (appended_runs, assert_record, block_strides, blocks, mirror, names, paired_case, put,
                            read_appended, run)
from support.products import elements
from support.records import Record, read, reserve, runs
from support.stacks import Stacks


@pytest.mark.parametrize("seed", range(60))
def test_symmetric_part(seed):
    rng, sparse = np.random.default_rng(seed), bool(seed % 2)
    op, a, b = paired_case(rng, sparse)
    s, d, e0, t0 = Stacks(4096, stride=int(rng.choice([1, 2]))), blocks(op.shape, a, b), *map(int, rng.integers(0, 50, 2))
    dim, stride, st, have, want = i32(d), i64([-5, -5, -5, -5, 1]), block_strides(d), elements(op), {}
    run(s, 406, None, dim=dim, stride=stride)
    assert stride.tolist() == st
    for L in set(have) | {int(mirror(L, d, st)) for L in have}:
        M, scale = int(mirror(L, d, st)), 0.5 if mirror(L, d, st) != L else 1.0
        parts = [have[x] for x in dict.fromkeys((L, M)) if x in have]
        want[L] = ([(n, scale * c) for t, _ in parts for n, c in t], scale * sum(c for _, c in parts))
    if not sparse:  # after `first` elements of another record, appended after e0 elements and t0 terms
        first, lead = int(rng.integers(0, 4)), int(rng.integers(0, 7))
        w = put(s.w, Record((first + op.nelem,), np.concatenate([np.linspace(0, lead, first + 1)[:-1], op.ptr + lead]),
                            np.concatenate([rng.integers(1, 7, size=lead), op.nidxs]),
                            np.concatenate([rng.normal(size=lead), op.cof]),
                            np.concatenate([rng.normal(size=first), op.bfix])), rng)
        rnnz = run(s, 412, None, dim=dim, wptr=w.ptr + first, init=2 * op.nnz, stride=stride)
        # Either the operand's runs start at its first element, or the visit starts there.
        start, shift = (first, 0) if rng.integers(0, 2) else (0, first)
        out = reserve(s.r, 0, e0 + op.nelem, t0 + rnnz)
        assert run(s, 413, dict(r=appended_runs(out, e0, t0, op.nelem, rnnz)), names(w, "w"), names(out, "r"), dim=dim,
                   first=start, rnelem=e0, rnnz=t0, stride=stride, wbfix=w.bfix + shift,
                   wptr=w.ptr + shift) == (start + op.nelem, e0 + op.nelem, t0 + rnnz)
        return assert_record(read_appended(s.r, out, e0, t0, op.nelem, rnnz, op.shape), want)
    # Sparse: mirror indexes, identity, radix sort (a pass per block of more than one entry, in
    # sortidx order: now and then another order, checked up to the permutation), count, build.
    n, w = op.nelem, put(s.w, op, rng)
    sortidx = (3, 2, 1, 0) if seed % 3 else tuple(int(v) for v in rng.choice(5, size=4, replace=False))
    tsp, src, dst, cnt = s.w.take_i64(n), s.w.take_i32(n), s.w.take_i32(n), s.w.take_i32(max(d[q] for q in sortidx) + 1)
    work = dict(w=dict(i32=[(src, n), (dst, n), (cnt, max(d[q] for q in sortidx) + 1)], i64=[(tsp, n)]))
    A = dict(names(w, "w"), dim=dim, n=n, tsp=tsp, stride=stride, base=src, src=src, dst=dst, cnt=cnt, rnelem=e0,
             rnnz=t0)
    run(s, 409, work, A)
    run(s, 407, work, A)
    perm, other = run(s, 408, work, A, sortidx=i32(sortidx))
    mirrors, order, ends = s.w.i64[tsp:tsp + n], np.arange(n), [src, dst]
    assert mirrors.tolist() == mirror(op.sp, d, st).tolist()
    for q in (q for q in sortidx if d[q] > 1):
        order, ends = order[np.argsort((mirrors[order] // st[q]) % d[q], kind="stable")], ends[::-1]
    assert (perm, other) == tuple(ends) and s.w.i32[perm:perm + n].tolist() == order.tolist()
    if sortidx == (3, 2, 1, 0):
        ne, nt = (int(v) - base for v, base in zip(run(s, 410, None, A, perm=perm), (e0, t0)))
        out = reserve(s.r, 0, ne, nt, sparse=True)
        run(s, 411, dict(r=runs(out, 0, ne, nt)), A, names(out, "r"), perm=perm)
        assert_record(read(s.r, out, 0, ne, nt, sparse=True, shape=op.shape), want)
