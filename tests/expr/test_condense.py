"""Condensing the terms of a record: the per-element sorts against a stable argsort, count and
build against a direct grouping of the terms, the condensed check, the plain copy and the unit
record."""
import numpy as np
import pytest

from support.buffers import i32
from support.layout import guarded, k, pad, put
from support.records import Record, evaluate, random_record, read, reserve, runs
from support.stacks import Stacks

BIG = 2**62


def operand(rng, large=False):
    """A random record; a large one has elements of hundreds of terms (condensed through dense sums)."""
    shape = (2,) if large else rng.integers(0, 4, size=int(rng.integers(0, 3)))
    rec = random_record(rng, shape, sparse=bool(rng.random() < 0.5), max_terms=600 if large else int(rng.choice([3, 12])),
                        nvars=int(rng.choice([3, 40])), bar=int(rng.integers(0, 3)), density=0.7)
    if rec.nnz and rng.random() < 0.3:  # index ranges beyond 32 (or even 63) bits
        far = rng.choice([-BIG, -(2**32), 2**32 + 1, BIG, 2**63 - 1], size=rec.nnz)
        rec.nidxs = np.where(rng.random(rec.nnz) < 0.3, far, rec.nidxs).astype(np.int64)
    return rec


def sort_terms(rng, s, rec, b, scratch):
    """Sorts each element's terms by index with 418/419 (scratch) or 420 (work stack) and checks
    the permutation against a stable argsort; returns (array, base)."""
    if scratch:
        most = k(418)(0, rec.nelem, b.ptr, s.w.i32)
        assert most == max([0] + np.diff(rec.ptr).tolist())
        pad(s.x, rng)
        perm, cnt = s.x.take_i32(rec.nnz), s.x.take_i32(2 * most)
        guarded(s, lambda: k(419)(rec.nelem, b.nidxs, perm, b.ptr, s.w.i32, s.w.i64, cnt, s.x.i32),
                x=dict(i32=[(perm, rec.nnz), (cnt, 2 * most)]))
        array = s.x.i32
    else:
        pad(s.w, rng)
        perm, perm2 = s.w.take_i32(rec.nnz), s.w.take_i32(rec.nnz)
        guarded(s, lambda: k(420)(rec.nelem, b.nidxs, rec.nnz, perm, perm2, b.ptr, s.w.i32, s.w.i64),
                w=dict(i32=[(perm, rec.nnz), (perm2, rec.nnz)]))
        array = s.w.i32
    want = [int(p) + int(q) for p, q0 in zip(rec.ptr[:-1], rec.ptr[1:])
            for q in np.argsort(rec.nidxs[p:q0], kind="stable")]
    assert array[perm:perm + rec.nnz].tolist() == want
    return array, perm


def condense(rng, s, rec, tol, scratch):
    b = put(s.w, rec, rng)
    array, perm = sort_terms(rng, s, rec, b, scratch)
    nnz = k(416)(b.cof, tol, rec.nelem, b.nidxs, perm, b.ptr, 3, s.w.f64, s.w.i32, s.w.i64, array) - 3
    if rec.sparse:  # the result's sp is the operand's: keep the result runs clear of it
        s.r.take_i64(b.sp + rec.nelem)
    pad(s.r, rng)
    out = reserve(s.r, rec.nd, rec.nelem, nnz)
    out.sp = b.sp if rec.sparse else None
    guarded(s, lambda: k(417)(b.bfix, b.cof, tol, int(rec.sparse), rec.nd, rec.nelem, b.nidxs, perm, b.ptr,
                              out.bfix, out.cof, s.r.f64, s.r.i32, s.r.i64, out.nidxs, out.ptr, out.shape,
                              b.sp if rec.sparse else 0, i32(rec.shape, int(rng.choice([1, -2]))),
                              s.w.f64, s.w.i32, s.w.i64, array), r=runs(out, rec.nd, rec.nelem, nnz))
    return read(s.r, out, rec.nd, rec.nelem, nnz, sparse=rec.sparse)


def condensed(rec, tol):
    """Per element: the (index, summed coefficient) pairs that survive, in index order."""
    out = []
    for j in range(rec.nelem):
        sums = {}
        for v, x in zip(*[a.tolist() for a in rec.terms(j)]):
            if v != 0:
                sums[v] = sums.get(v, 0.0) + x
        out.append([(v, x) for v, x in sorted(sums.items()) if x > tol or x < -tol])
    return out


def condensed_check(rec, tol, sorted_=1):
    return k(414)(0, tol, sorted_, rec.nelem, 0, rec.nnz, 0, rec.cof, rec.ptr, rec.nidxs)


@pytest.mark.parametrize("seed", range(20))
def test_condense(seed):
    rng = np.random.default_rng(100 + seed)
    rec = operand(rng, large=seed % 4 == 3)
    tol = float(rng.choice([0.0, 1e-9, 0.5]))
    if rec.nnz and tol:
        rec.cof[rng.random(rec.nnz) < 0.2] = tol * rng.choice([-1, 1])  # exactly at the tolerance
    r = condense(rng, Stacks(4096, stride=1 + seed % 2), rec, tol, scratch=seed % 4 < 2)
    assert r.shape == rec.shape and r.bfix.tolist() == rec.bfix.tolist()
    assert r.sp is None or r.sp.tolist() == rec.sp.tolist()
    assert [list(zip(*[a.tolist() for a in r.terms(j)])) for j in range(r.nelem)] == condensed(rec, tol)
    assert condensed_check(r, tol) is True
    if tol == 0.0 and not (np.abs(rec.nidxs) >= 2**31).any():
        x, xbar = rng.normal(size=40), rng.normal(size=2)
        np.testing.assert_allclose(evaluate(rec, x, xbar), evaluate(r, x, xbar), atol=1e-12)


@pytest.mark.parametrize("scratch", [True, False])
def test_condense_and_sort_examples(scratch):
    # x + y - x -> y; 2y + 0·z + w(0) -> 2y; an element without terms keeps its constant.
    rec = Record((3,), [0, 3, 6, 6], [1, 2, 1, 2, 3, 0], [1.0, 1.0, -1.0, 2.0, 0.0, 5.0], [1.0, 2.0, 3.0])
    r = condense(np.random.default_rng(0), Stacks(512), rec, 0.0, scratch)
    assert r.ptr.tolist() == [0, 1, 2, 2] and r.nidxs.tolist() == [2, 2] and r.cof.tolist() == [1.0, 2.0]
    assert r.bfix.tolist() == [1.0, 2.0, 3.0]
    # Ranges of 2**32 and beyond 2**63 are not mistaken for short ones.
    nidxs = [2**32 + 1, 1, 2, 1, 2**63 - 1, -(2**62), 5, -(2**62), 7, 7, 6, 5]
    rec = Record((3,), [0, 4, 8, 12], nidxs, np.ones(12), np.zeros(3))
    s, rng = Stacks(256), np.random.default_rng(0)
    array, perm = sort_terms(rng, s, rec, put(s.w, rec, rng), scratch)
    assert array[perm:perm + 12].tolist() == [1, 3, 2, 0, 5, 7, 6, 4, 11, 10, 8, 9]


@pytest.mark.parametrize("seed", range(10))
def test_condensed_check(seed):
    rng = np.random.default_rng(200 + seed)
    rec = operand(rng)
    if seed % 2:  # often already sorted, to reach the coefficient test
        rec.nidxs = np.concatenate([np.sort(rec.nidxs[p:q]) for p, q in zip(rec.ptr[:-1], rec.ptr[1:])]
                                   + [np.zeros(0, np.int64)])
    tol = float(rng.choice([0.0, 0.5]))
    want = all(not np.any(n[1:] == 0) and np.all(np.diff(n) > 0) for n, _ in map(rec.terms, range(rec.nelem)))
    want = want and not np.any((rec.cof > -tol) & (rec.cof < tol))
    s = Stacks(2048)
    b = put(s.w, rec, rng)
    for sorted_, expect in ((1, want), (0, False)):
        assert k(414)(b.cof, tol, sorted_, rec.nelem, b.nidxs, rec.nnz, b.ptr, s.w.f64, s.w.i32, s.w.i64) is expect


@pytest.mark.parametrize("ptr, nidxs, cof, tol, want", [
    ([0, 1], [0], [1.0], 0.0, True),  # a first term is not tested for index 0
    ([0, 2], [1, 0], [1.0, 1.0], 0.0, False),
    ([0, 2], [2, 2], [1.0, 1.0], 0.0, False),
    ([0, 1], [2], [0.5], 0.5, True),  # only strictly inside the tolerance fails
    ([0, 1], [2], [0.25], 0.5, False),
    ([0], [], [], 0.0, True)])
def test_condensed_check_edges(ptr, nidxs, cof, tol, want):
    assert condensed_check(Record((len(ptr) - 1,), ptr, nidxs, cof, np.zeros(len(ptr) - 1)), tol) is want


@pytest.mark.parametrize("sparse", [False, True])
def test_plain_copy(sparse):
    rng = np.random.default_rng(int(sparse))
    rec = random_record(rng, (3, 4), sparse=sparse)
    s = Stacks(1024, stride=2)
    b = put(s.w, rec, rng)
    pad(s.r, rng)
    out = reserve(s.r, 2, rec.nelem, rec.nnz, sparse)
    guarded(s, lambda: k(415)(b.bfix, b.cof, int(sparse), 2, rec.nelem, b.nidxs, rec.nnz, b.ptr, out.bfix, out.cof,
                              s.r.f64, s.r.i32, s.r.i64, out.nidxs, out.ptr, out.shape, out.sp if sparse else 0,
                              i32([3, 4], -1), b.sp if sparse else 0, s.w.f64, s.w.i32, s.w.i64),
            r=runs(out, 2, rec.nelem, rec.nnz))
    r = read(s.r, out, 2, rec.nelem, rec.nnz, sparse)
    assert r.shape == (3, 4)
    for field in ("ptr", "nidxs", "cof", "bfix") + (("sp",) if sparse else ()):
        assert getattr(r, field).tolist() == getattr(rec, field).tolist()


@pytest.mark.parametrize("nelem, nnz", [(0, 0), (1, 1), (3, 7)])
def test_unit_record(nelem, nnz):
    s = Stacks(128, stride=2)
    out = reserve(s.r, 0, nelem, nnz)
    guarded(s, lambda: k(421)(out.bfix, out.cof, nelem, nnz, out.ptr, s.r.f64, s.r.i32),
            r=dict(i32=[(out.ptr, nelem + 1)], f64=[(out.cof, nnz), (out.bfix, nelem)]))
    f, n = np.full(30, 9.0), np.full(20, 9, np.int32)
    k(365)(12, 2, f, n, nelem, nnz, 4)
    for ptr, cof, bfix in ((s.r.i32[out.ptr:], s.r.f64[out.cof:], s.r.f64[out.bfix:]), (n[4:], f[2:], f[12:])):
        assert ptr[:nelem + 1].tolist() == list(range(nelem + 1))
        assert cof[:nnz].tolist() == [1.0] * nnz and bfix[:nelem].tolist() == [0.0] * nelem
    assert (np.delete(n, range(4, 5 + nelem)) == 9).all()
    assert (np.delete(f, list(range(2, 2 + nnz)) + list(range(12, 12 + nelem))) == 9.0).all()
