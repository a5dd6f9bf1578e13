"""Symmetric part (E + Eᵀ)/2 of a record over two dimensions of equal size: dense through a
count and a build pass, sparse through mirror indexes, a radix sort, a count and a build
pass. Checked against NumPy on the evaluated operand and element by element."""
import numpy as np
import pytest

from support.buffers import i32, i64
from support.fiveaxis import (blocks, block_strides, element_terms, mirror, paired_case, result_elements,
                              stored_at)
from support.layout import appended_runs, k, pad, point, put, read_appended, some_record, value
from support.records import Record, read, reserve, runs
from support.stacks import Stacks

MIRROR_ORDER = (3, 2, 1, 0)


def view(shape, a, b):
    """dim and stride arrays of the view, the strides filled by the kernel."""
    dim = blocks(shape, a, b)
    stride = i64([-5, -5, -5, -5, 1])
    k(406)(i32(dim), stride)
    assert stride.tolist() == block_strides(dim)
    return i32(dim), stride


def expected(op, a, b, dense):
    """linear index -> (terms, constant) of the symmetric part: the element's terms halved,
    then its mirror's halved; a diagonal element unchanged."""
    dim = blocks(op.shape, a, b)
    st = block_strides(dim)
    at = stored_at(op)
    keys = range(op.size) if dense else set(at) | {int(m) for m in mirror(op.linear(), dim, st)}
    out = {}
    for L in keys:
        M = int(mirror(L, dim, st))
        own, mine = at.get(L), at.get(M)
        if M == L:
            out[L] = (element_terms(op, own), float(op.bfix[own]))
            continue
        terms = [(n, 0.5 * c) for n, c in element_terms(op, own) + element_terms(op, mine)]
        parts = [float(op.bfix[e]) for e in (own, mine) if e is not None]
        out[L] = (terms, 0.5 * sum(parts))
    return out


def assert_symmetric_part(result, op, a, b, rng):
    assert result_elements(result) == expected(op, a, b, not op.sparse)
    xs = point(rng)
    E = value(op, xs)
    np.testing.assert_allclose(value(result, xs), (E + np.swapaxes(E, a, b)) / 2, atol=1e-12)


def sparse_sympart(rng, s, op, a, b, sortidx=MIRROR_ORDER):
    """The caller's sequence for a sparse operand: mirror indexes, identity permutation,
    radix sort, count, reserve, build. Returns the result record."""
    dim, stride = view(op.shape, a, b)
    n = op.nelem
    w = put(s.w, op, rng)
    tsp, src, dst = s.w.take_i64(n), s.w.take_i32(n), s.w.take_i32(n)
    ncnt = max(int(dim[q]) for q in sortidx) + 1
    cnt = s.w.take_i32(ncnt)
    snap = s.w.snapshot()
    k(409)(dim, n, tsp, w.sp, stride, s.w.i64)
    k(407)(src, n, s.w.i32)
    perm, other = k(408)(src, dim, n, cnt, i32(sortidx), tsp, stride, dst, s.w.i32, s.w.i64)
    s.w.assert_only_changed(snap, i32=[(src, n), (dst, n), (cnt, ncnt)], i64=[(tsp, n)])
    assert {perm, other} == {src, dst}
    mirrors = s.w.i64[tsp:tsp + n]
    assert mirrors.tolist() == mirror(op.sp, blocks(op.shape, a, b), stride.tolist()).tolist()
    order = s.w.i32[perm:perm + n]
    assert order.tolist() == np.argsort(mirrors, kind="stable").tolist()

    e0, t0 = (int(v) for v in rng.integers(0, 50, size=2))
    rnelem, rnnz = (v - base for v, base in zip(k(410)(perm, n, w.ptr, e0, t0, tsp, w.sp, s.w.i32, s.w.i64),
                                                 (e0, t0)))
    pad(s.r, rng)
    out = reserve(s.r, 0, rnelem, rnnz, sparse=True)
    rsnap, wsnap = s.r.snapshot(), s.w.snapshot()
    k(411)(w.bfix, w.cof, perm, n, w.nidxs, w.ptr, out.bfix, out.cof, s.r.f64, s.r.i32, s.r.i64, out.nidxs,
           out.ptr, out.sp, tsp, w.sp, s.w.f64, s.w.i32, s.w.i64)
    s.r.assert_only_changed(rsnap, **runs(out, 0, rnelem, rnnz))
    s.w.assert_only_changed(wsnap)
    return read(s.r, out, 0, rnelem, rnnz, sparse=True, shape=op.shape)


def dense_sympart(rng, s, op, a, b):
    """The caller's sequence for a dense operand, placed after `first` elements of another
    record in one ptr run and appended to a result that already holds elements and terms."""
    dim, stride = view(op.shape, a, b)
    first = int(rng.integers(0, 4))
    lead = int(rng.integers(0, 7))
    ptr = np.concatenate([np.linspace(0, lead, first + 1).astype(np.int32)[:-1], op.ptr + lead])
    nidxs = np.concatenate([rng.integers(1, 7, size=lead), op.nidxs])
    cof = np.concatenate([rng.normal(size=lead), op.cof])
    whole = Record((first + op.nelem,), ptr, nidxs, cof, np.concatenate([rng.normal(size=first), op.bfix]))
    w = put(s.w, whole, rng)
    diagonal = sum(op.ptr[e + 1] - op.ptr[e] for e in range(op.nelem)
                   if int(mirror(e, blocks(op.shape, a, b), stride.tolist())) == e)
    rnnz = k(412)(dim, w.ptr + first, 2 * op.nnz, stride, s.w.i32)
    assert rnnz == 2 * op.nnz - diagonal
    # Either the operand's runs start at its first element, or the visit starts there.
    start, shift = (first, 0) if rng.integers(0, 2) else (0, first)
    e0, t0 = (int(v) for v in rng.integers(0, 5, size=2))
    pad(s.r, rng)
    out = reserve(s.r, 0, e0 + op.nelem, t0 + rnnz)
    rsnap, wsnap = s.r.snapshot(), s.w.snapshot()
    got = k(413)(w.bfix + shift, w.cof, dim, start, w.nidxs, w.ptr + shift, e0, out.bfix, out.cof, s.r.f64,
                 s.r.i32, s.r.i64, out.nidxs, t0, out.ptr, stride, s.w.f64, s.w.i32, s.w.i64)
    assert got == (start + op.nelem, e0 + op.nelem, t0 + rnnz)
    s.r.assert_only_changed(rsnap, **appended_runs(out, e0, t0, op.nelem, rnnz))
    s.w.assert_only_changed(wsnap)
    return read_appended(s.r, out, e0, t0, op.nelem, rnnz, op.shape)


@pytest.mark.parametrize("seed", range(40))
@pytest.mark.parametrize("sparse", [False, True])
def test_symmetric_part_matches_numpy(seed, sparse):
    rng = np.random.default_rng(1000 * sparse + seed)
    op, a, b = paired_case(rng, sparse)
    s = Stacks(4096, stride=int(rng.choice([1, 2])))
    result = (sparse_sympart if sparse else dense_sympart)(rng, s, op, a, b)
    assert_symmetric_part(result, op, a, b, rng)


def test_example_record():
    # (a + 1, 2b; 0, a - c): the symmetric part is (a + 1, b; b, a - c).
    rng = np.random.default_rng(3)
    sparse_op = Record((2, 2), [0, 1, 2, 4], [1, 2, 1, 3], [1.0, 2.0, 1.0, -1.0], [1.0, 0.0, 0.0], sp=[0, 1, 3])
    dense_op = Record((2, 2), [0, 1, 2, 2, 4], [1, 2, 1, 3], [1.0, 2.0, 1.0, -1.0], [1.0, 0.0, 0.0, 0.0])
    for op, build in ((sparse_op, sparse_sympart), (dense_op, dense_sympart)):
        r = build(rng, Stacks(512), op, 0, 1)
        assert r.ptr.tolist() == [0, 1, 2, 3, 5] and r.bfix.tolist() == [1.0, 0.0, 0.0, 0.0]
        assert r.nidxs.tolist() == [1, 2, 2, 1, 3] and r.cof.tolist() == [1.0, 1.0, 1.0, 1.0, -1.0]
        assert r.sp is None or r.sp.tolist() == [0, 1, 2, 3]


def test_both_mirrors_stored_give_both_halves_own_first():
    op = Record((2, 2), [0, 1, 3], [4, 5, 6], [2.0, 4.0, 6.0], [1.0, 3.0], sp=[1, 2])
    r = sparse_sympart(np.random.default_rng(0), Stacks(512), op, 0, 1)
    assert r.sp.tolist() == [1, 2] and r.ptr.tolist() == [0, 3, 6]
    assert r.nidxs.tolist() == [4, 5, 6, 5, 6, 4] and r.cof.tolist() == [1.0, 2.0, 3.0, 2.0, 3.0, 1.0]
    assert r.bfix.tolist() == [2.0, 2.0]


@pytest.mark.parametrize("sparse", [False, True])
def test_size_one_pair_is_all_diagonal(sparse):
    rng = np.random.default_rng(7)
    op = some_record(rng, (3, 1, 2, 1), sparse)
    r = (sparse_sympart if sparse else dense_sympart)(rng, Stacks(1024), op, 1, 3)
    for name in ("ptr", "nidxs", "cof", "bfix", "sp"):
        got, want = getattr(r, name), getattr(op, name)
        assert (got is None and want is None) or got.tolist() == want.tolist()


@pytest.mark.parametrize("seed", range(10))
def test_radix_passes_run_in_the_given_order(seed):
    rng = np.random.default_rng(50 + seed)
    op, a, b = paired_case(rng, True)
    dim, stride = view(op.shape, a, b)
    sortidx = [int(v) for v in rng.choice(5, size=4, replace=False)]
    s = Stacks(1024)
    n = op.nelem
    keys = s.w.put_i64(mirror(op.sp, dim.tolist(), stride.tolist()))
    src, dst = s.w.put_i32(np.arange(n)), s.w.take_i32(n)
    cnt = s.w.take_i32(max(int(dim[q]) for q in sortidx) + 1)
    got = k(408)(src, dim, n, cnt, i32(sortidx), keys, stride, dst, s.w.i32, s.w.i64)
    order, ends = np.arange(n), [src, dst]
    mirrors = s.w.i64[keys:keys + n]
    for q in sortidx:
        if dim[q] > 1:
            order = order[np.argsort((mirrors[order] // stride[q]) % dim[q], kind="stable")]
            ends.reverse()
    assert got == tuple(ends)
    assert s.w.i32[got[0]:got[0] + n].tolist() == order.tolist()


def test_mirror_order_needs_the_blocks_from_least_significant():
    # A full 2 by 2 record: the mirrors of storage order are (0, 2, 1, 3).
    s = Stacks(256)
    dim, stride = view((2, 2), 0, 1)
    keys = s.w.put_i64([0, 2, 1, 3])
    for sortidx, want in (((3, 2, 1, 0), [0, 2, 1, 3]), ((1, 2, 3, 0), [0, 1, 2, 3])):
        src, dst, cnt = s.w.put_i32([0, 1, 2, 3]), s.w.take_i32(4), s.w.take_i32(3)
        perm, _ = k(408)(src, dim, 4, cnt, i32(sortidx), keys, stride, dst, s.w.i32, s.w.i64)
        assert perm == src  # two passes
        assert s.w.i32[perm:perm + 4].tolist() == want


def test_view_strides_wrap_in_64_bits():
    dim = [1 << 20, 1 << 20, 1 << 20, 1 << 20, 3]
    stride = i64([0, 0, 0, 0, 5], stride=2)
    k(406)(i32(dim, stride=3), stride)
    want = [(v + (1 << 63)) % (1 << 64) - (1 << 63) for v in block_strides(dim, 5)]
    assert stride.tolist() == want


def test_empty_operands():
    s = Stacks(64)
    snap = s.r.snapshot(), s.w.snapshot()
    dim, stride = i32([2, 0, 3, 0, 1]), i64([0, 0, 0, 0, 1])
    k(406)(dim, stride)
    assert k(412)(dim, 3, 9, stride, s.w.i32) == 9
    assert k(413)(3, 3, dim, 2, 3, 3, 4, 3, 3, s.r.f64, s.r.i32, s.r.i64, 3, 6, 3, stride,
                  s.w.f64, s.w.i32, s.w.i64) == (2, 4, 6)
    # Blocks 2 and 0 take a pass each (their counters zeroed), the empty ones none.
    assert k(408)(3, dim, 0, 3, i32(MIRROR_ORDER), 3, stride, 7, s.w.i32, s.w.i64) == (3, 7)
    assert s.w.i32[3:7].tolist() == [0, 0, 0, 0]
    assert k(410)(3, 0, 3, 5, 6, 3, 3, s.w.i32, s.w.i64) == (5, 6)
    s.r.assert_only_changed(snap[0])
    s.w.assert_only_changed(snap[1], i32=[(3, 4)])
