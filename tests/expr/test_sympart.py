"""Symmetric part (E + Eᵀ)/2 of a record over two dimensions of equal size, dense and sparse,
against NumPy on the evaluated operand and element by element."""
import numpy as np
import pytest

from support.buffers import i32, i64
from support.fiveaxis import blocks, block_strides, mirror, paired_case
from support.layout import appended_runs, k, only_changed, pad, point, put, read_appended, snap, some_record, value
from support.products import (EXAMPLE_DENSE, EXAMPLE_SPARSE, call, element_terms, elements, result_args, stack_args,
                              stored_at)
from support.records import Record, read, reserve, runs
from support.stacks import Stacks

MIRROR_ORDER = (3, 2, 1, 0)


def view(shape, a, b):
    """dim and stride arrays of the view, the strides filled by 406."""
    dim = blocks(shape, a, b)
    stride = i64([-5, -5, -5, -5, 1])
    k(406)(i32(dim), stride)
    assert stride.tolist() == block_strides(dim)
    return i32(dim), stride


def expected(op, a, b):
    """linear index -> (terms, constant): own terms halved, then the mirror's; the diagonal unchanged."""
    dim = blocks(op.shape, a, b)
    st = block_strides(dim)
    at = stored_at(op)
    keys = set(at) | {int(m) for m in mirror(op.linear(), dim, st)} if op.sparse else range(op.size)
    out = {}
    for L in keys:
        M = int(mirror(L, dim, st))
        own, mine = at.get(L), at.get(M)
        if M == L:
            out[L] = (element_terms(op, own), float(op.bfix[own]))
        else:
            terms = [(n, 0.5 * c) for n, c in element_terms(op, own) + element_terms(op, mine)]
            out[L] = (terms, 0.5 * sum(float(op.bfix[e]) for e in (own, mine) if e is not None))
    return out


def sparse_sympart(rng, s, op, a, b, sortidx=MIRROR_ORDER):
    """Sparse: mirror indexes, identity, radix sort (a pass per block of more than one entry, in
    sortidx order), count, build."""
    dim, stride = view(op.shape, a, b)
    n = op.nelem
    w = put(s.w, op, rng)
    tsp, src, dst = s.w.take_i64(n), s.w.take_i32(n), s.w.take_i32(n)
    ncnt = max(int(dim[q]) for q in sortidx) + 1
    cnt = s.w.take_i32(ncnt)
    wsnap = s.w.snapshot()
    k(409)(dim, n, tsp, w.sp, stride, s.w.i64)
    k(407)(src, n, s.w.i32)
    perm, other = k(408)(src, dim, n, cnt, i32(sortidx), tsp, stride, dst, s.w.i32, s.w.i64)
    s.w.assert_only_changed(wsnap, i32=[(src, n), (dst, n), (cnt, ncnt)], i64=[(tsp, n)])
    mirrors = s.w.i64[tsp:tsp + n]
    assert mirrors.tolist() == mirror(op.sp, blocks(op.shape, a, b), stride.tolist()).tolist()
    order, ends = np.arange(n), [src, dst]
    for q in sortidx:
        if dim[q] > 1:
            order = order[np.argsort((mirrors[order] // stride[q]) % dim[q], kind="stable")]
            ends.reverse()
    assert (perm, other) == tuple(ends)
    assert s.w.i32[perm:perm + n].tolist() == order.tolist()
    if list(sortidx) != list(MIRROR_ORDER):
        return None

    e0, t0 = (int(v) for v in rng.integers(0, 50, size=2))
    a = dict(stack_args(s), **result_args(w, "w"), perm=perm, n=n, tsp=tsp, rnelem=e0, rnnz=t0)
    ne, nt = (v - d for v, d in zip(call(410, **a), (e0, t0)))
    pad(s.r, rng)
    out = reserve(s.r, 0, ne, nt, sparse=True)
    snaps = snap(s)
    call(411, **a, **result_args(out))
    only_changed(s, snaps, r=runs(out, 0, ne, nt))
    return read(s.r, out, 0, ne, nt, sparse=True, shape=op.shape)


def dense_sympart(rng, s, op, a, b):
    """Dense, after `first` elements of another record in one ptr run, appended to a result."""
    dim, stride = view(op.shape, a, b)
    first, lead = int(rng.integers(0, 4)), int(rng.integers(0, 7))
    ptr = np.concatenate([np.linspace(0, lead, first + 1).astype(np.int32)[:-1], op.ptr + lead])
    whole = Record((first + op.nelem,), ptr, np.concatenate([rng.integers(1, 7, size=lead), op.nidxs]),
                   np.concatenate([rng.normal(size=lead), op.cof]), np.concatenate([rng.normal(size=first), op.bfix]))
    w = put(s.w, whole, rng)
    diagonal = sum(op.ptr[e + 1] - op.ptr[e] for e in range(op.nelem)
                   if int(mirror(e, blocks(op.shape, a, b), stride.tolist())) == e)
    rnnz = k(412)(dim, w.ptr + first, 2 * op.nnz, stride, s.w.i32)
    assert rnnz == 2 * op.nnz - diagonal
    # Either the operand's runs start at its first element, or the visit starts there:
    # the mirror must be offset by `first` too.
    start, shift = (first, 0) if rng.integers(0, 2) else (0, first)
    e0, t0 = (int(v) for v in rng.integers(0, 5, size=2))
    pad(s.r, rng)
    out = reserve(s.r, 0, e0 + op.nelem, t0 + rnnz)
    snaps = snap(s)
    got = call(413, **stack_args(s), **result_args(out), dim=dim, first=start, rnelem=e0, rnnz=t0, stride=stride,
               wbfix=w.bfix + shift, wcof=w.cof, wnidxs=w.nidxs, wptr=w.ptr + shift)
    assert got == (start + op.nelem, e0 + op.nelem, t0 + rnnz)
    only_changed(s, snaps, r=appended_runs(out, e0, t0, op.nelem, rnnz))
    return read_appended(s.r, out, e0, t0, op.nelem, rnnz, op.shape)


@pytest.mark.parametrize("seed", range(30))
@pytest.mark.parametrize("sparse", [False, True])
def test_symmetric_part_matches_numpy(seed, sparse):
    rng = np.random.default_rng(1000 * sparse + seed)
    op, a, b = paired_case(rng, sparse)
    s = Stacks(4096, stride=int(rng.choice([1, 2])))
    if sparse and seed % 3 == 0:  # the radix passes in another order: only the permutation
        sparse_sympart(rng, s, op, a, b, [int(v) for v in rng.choice(5, size=4, replace=False)])
        return
    result = (sparse_sympart if sparse else dense_sympart)(rng, s, op, a, b)
    assert elements(result) == expected(op, a, b)
    xs = point(rng)
    E = value(op, xs)
    np.testing.assert_allclose(value(result, xs), (E + np.swapaxes(E, a, b)) / 2, atol=1e-12)


SUM = [[0, 1, 2, 3, 5], [1, 2, 2, 1, 3], [1.0, 1.0, 1.0, 1.0, -1.0], [1.0, 0.0, 0.0, 0.0]]


@pytest.mark.parametrize("op, a, b, want", [
    # (a + 1, 2b; 0, a - c): the symmetric part is (a + 1, b; b, a - c).
    (EXAMPLE_SPARSE, 0, 1, SUM + [[0, 1, 2, 3]]),
    (EXAMPLE_DENSE, 0, 1, SUM + [None]),
    # Both mirrors stored: each element takes its own half first.
    (Record((2, 2), [0, 1, 3], [4, 5, 6], [2.0, 4.0, 6.0], [1.0, 3.0], sp=[1, 2]), 0, 1,
     [[0, 3, 6], [4, 5, 6, 5, 6, 4], [1.0, 2.0, 3.0, 2.0, 3.0, 1.0], [2.0, 2.0], [1, 2]]),
    # A pair of size-one dimensions: every element is on the diagonal, the record unchanged.
    (some_record(np.random.default_rng(7), (3, 1, 2, 1), False), 1, 3, None),
    (some_record(np.random.default_rng(8), (3, 1, 2, 1), True), 1, 3, None),
])
def test_examples(op, a, b, want):
    lists = lambda r: [r.ptr.tolist(), r.nidxs.tolist(), r.cof.tolist(), r.bfix.tolist(),
                       None if r.sp is None else r.sp.tolist()]
    r = (sparse_sympart if op.sparse else dense_sympart)(np.random.default_rng(3), Stacks(1024), op, a, b)
    assert lists(r) == (want or lists(op))


def test_view_strides_wrap_in_64_bits():
    dim = [1 << 20, 1 << 20, 1 << 20, 1 << 20, 3]
    stride = i64([0, 0, 0, 0, 5], stride=2)
    k(406)(i32(dim, stride=3), stride)
    assert stride.tolist() == [(v + (1 << 63)) % (1 << 64) - (1 << 63) for v in block_strides(dim, 5)]


def test_empty_operands():
    s = Stacks(64)
    snaps = snap(s)
    dim, stride = i32([2, 0, 3, 0, 1]), i64([0, 0, 0, 0, 1])
    k(406)(dim, stride)
    assert k(412)(dim, 3, 9, stride, s.w.i32) == 9
    assert k(413)(3, 3, dim, 2, 3, 3, 4, 3, 3, s.r.f64, s.r.i32, s.r.i64, 3, 6, 3, stride,
                  s.w.f64, s.w.i32, s.w.i64) == (2, 4, 6)
    # Blocks 2 and 0 take a pass each (their counters zeroed), the empty ones none.
    assert k(408)(3, dim, 0, 3, i32(MIRROR_ORDER), 3, stride, 7, s.w.i32, s.w.i64) == (3, 7)
    assert s.w.i32[3:7].tolist() == [0, 0, 0, 0]
    assert k(410)(3, 0, 3, 5, 6, 3, 3, s.w.i32, s.w.i64) == (5, 6)
    only_changed(s, snaps, w=dict(i32=[(3, 4)]))
