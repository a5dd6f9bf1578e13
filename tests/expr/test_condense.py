"""Condensing the terms of a record: the two per-element sorts against a stable argsort,
count and build passes against a direct grouping of the terms and against the evaluated
operand, the condensed check, the plain copy and the unit record."""
import numpy as np
import pytest

import fragments
from support.buffers import i32
from support.records import Record, evaluate, place, random_record, read, reserve, runs
from support.stacks import Stacks

BIG = 2**62


def k(n):
    return getattr(fragments, f"_c_closure_{n}")


def pad(stack, rng):
    for take in (stack.take_i32, stack.take_i64, stack.take_f64):
        take(int(rng.integers(0, 9)))


def operand(rng):
    shape = tuple(int(v) for v in rng.integers(0, 4, size=int(rng.integers(0, 3))))
    rec = random_record(rng, shape, sparse=bool(rng.random() < 0.5), max_terms=int(rng.choice([3, 12])),
                        nvars=int(rng.choice([3, 40])), bar=int(rng.integers(0, 3)), density=0.7)
    if rec.nnz and rng.random() < 0.3:
        # Indexes far apart, whose range does not fit 32 (or even 63) bits.
        far = rng.choice([-BIG, -(2**32), 2**32 + 1, BIG, 2**63 - 1], size=rec.nnz)
        rec.nidxs = np.where(rng.random(rec.nnz) < 0.3, far, rec.nidxs).astype(np.int64)
    return rec


def expected_perm(rec):
    out = []
    for j in range(rec.nelem):
        p, q = rec.ptr[j], rec.ptr[j + 1]
        out += (p + np.argsort(rec.nidxs[p:q], kind="stable")).tolist()
    return out


def sort_on_scratch(rng, s, rec, b):
    most = k(418)(0, rec.nelem, b.ptr, s.w.i32)
    assert most == max([0] + np.diff(rec.ptr).tolist())
    pad(s.x, rng)
    perm, cnt = s.x.take_i32(rec.nnz), s.x.take_i32(2 * most)
    snapshot = s.x.snapshot()
    k(419)(rec.nelem, b.nidxs, perm, b.ptr, s.w.i32, s.w.i64, cnt, s.x.i32)
    s.x.assert_only_changed(snapshot, i32=[(perm, rec.nnz), (cnt, 2 * most)])
    return s.x.i32, perm


def sort_on_work(rng, s, rec, b):
    pad(s.w, rng)
    perm, perm2 = s.w.take_i32(rec.nnz), s.w.take_i32(rec.nnz)
    snapshot = s.w.snapshot()
    k(420)(rec.nelem, b.nidxs, rec.nnz, perm, perm2, b.ptr, s.w.i32, s.w.i64)
    s.w.assert_only_changed(snapshot, i32=[(perm, rec.nnz), (perm2, rec.nnz)])
    return s.w.i32, perm


@pytest.mark.parametrize("seed", range(40))
@pytest.mark.parametrize("sort", [sort_on_scratch, sort_on_work])
def test_term_permutation(seed, sort):
    rng = np.random.default_rng(seed)
    rec = operand(rng)
    s = Stacks(4096, stride=int(rng.choice([1, 2])))
    pad(s.w, rng)
    b = place(s.w, rec)
    array, perm = sort(rng, s, rec, b)
    assert array[perm:perm + rec.nnz].tolist() == expected_perm(rec)


def condensed(rec, tol):
    """Per element: the (index, summed coefficient) pairs that survive, in index order."""
    out = []
    for j in range(rec.nelem):
        n, c = rec.terms(j)
        sums = {}
        for v, x in zip(n.tolist(), c.tolist()):
            if v != 0:
                sums[v] = sums.get(v, 0.0) + x
        out.append([(v, x) for v, x in sorted(sums.items()) if x > tol or x < -tol])
    return out


def condense(rng, s, rec, b, tol, sort):
    array, perm = sort(rng, s, rec, b)
    nnz = k(416)(b.cof, tol, rec.nelem, b.nidxs, perm, b.ptr, 3, s.w.f64, s.w.i32, s.w.i64, array) - 3
    # The result's sp stands at the operand's sp base: keep the result runs clear of it.
    if rec.sparse:
        s.r.take_i64(b.sp + rec.nelem)
    pad(s.r, rng)
    out = reserve(s.r, rec.nd, rec.nelem, nnz)
    out.sp = b.sp
    rsnap, wsnap = s.r.snapshot(), s.w.snapshot()
    k(417)(b.bfix, b.cof, tol, int(rec.sparse), rec.nd, rec.nelem, b.nidxs, perm, b.ptr, out.bfix, out.cof,
           s.r.f64, s.r.i32, s.r.i64, out.nidxs, out.ptr, out.shape, b.sp if rec.sparse else 0,
           i32(rec.shape, int(rng.choice([1, -2]))), s.w.f64, s.w.i32, s.w.i64, array)
    if not rec.sparse:
        out.sp = None
    s.r.assert_only_changed(rsnap, **runs(out, rec.nd, rec.nelem, nnz))
    s.w.assert_only_changed(wsnap)
    return read(s.r, out, rec.nd, rec.nelem, nnz, sparse=rec.sparse)


@pytest.mark.parametrize("seed", range(50))
def test_condense(seed):
    rng = np.random.default_rng(100 + seed)
    rec = operand(rng)
    tol = float(rng.choice([0.0, 1e-9, 0.5]))
    if rec.nnz and tol:
        rec.cof[rng.random(rec.nnz) < 0.2] = tol * rng.choice([-1, 1])  # exactly at the tolerance
    s = Stacks(4096, stride=int(rng.choice([1, 2])))
    pad(s.w, rng)
    b = place(s.w, rec)
    r = condense(rng, s, rec, b, tol, [sort_on_scratch, sort_on_work][seed % 2])
    assert r.shape == rec.shape and r.bfix.tolist() == rec.bfix.tolist()
    if rec.sparse:
        assert r.sp.tolist() == rec.sp.tolist()
    want = condensed(rec, tol)
    got = [list(zip(*[a.tolist() for a in r.terms(j)])) for j in range(r.nelem)]
    assert got == want
    for j in range(r.nelem):  # the condensed form's invariants
        n, c = r.terms(j)
        assert np.all(np.diff(n) > 0) and np.all(n != 0) and np.all(np.abs(c) > tol)
    assert k(414)(0, tol, 1, r.nelem, 0, r.nnz, 0, r.cof, r.ptr, r.nidxs) is True
    # Values change only by the dropped sums (index 0 evaluates to nothing).
    if not (np.abs(rec.nidxs) >= 2**31).any():
        x, xbar = rng.normal(size=40), rng.normal(size=2)
        dropped = Record(rec.shape, rec.ptr, rec.nidxs, rec.cof, np.zeros(rec.nelem), rec.sp)
        kept = Record(r.shape, r.ptr, r.nidxs, r.cof, np.zeros(r.nelem), r.sp)
        gap = evaluate(rec, x, xbar) - evaluate(r, x, xbar)
        np.testing.assert_allclose(gap, evaluate(dropped, x, xbar) - evaluate(kept, x, xbar), atol=1e-12)
        if tol == 0.0:
            np.testing.assert_allclose(gap, 0.0, atol=1e-12)


def test_condense_examples():
    # x + y - x -> y; 2y + 0·z + w(0) -> 2y; an element without terms keeps its constant.
    rec = Record((3,), [0, 3, 6, 6], [1, 2, 1, 2, 3, 0], [1.0, 1.0, -1.0, 2.0, 0.0, 5.0], [1.0, 2.0, 3.0])
    for sort in (sort_on_scratch, sort_on_work):
        s = Stacks(512)
        b = place(s.w, rec)
        r = condense(np.random.default_rng(0), s, rec, b, 0.0, sort)
        assert r.ptr.tolist() == [0, 1, 2, 2]
        assert r.nidxs.tolist() == [2, 2] and r.cof.tolist() == [1.0, 2.0]
        assert r.bfix.tolist() == [1.0, 2.0, 3.0]


def is_condensed(rec, tol):
    for j in range(rec.nelem):
        n, _ = rec.terms(j)
        if np.any(n[1:] == 0) or np.any(np.diff(n) <= 0):
            return False
    return not np.any((rec.cof > -tol) & (rec.cof < tol))


@pytest.mark.parametrize("seed", range(30))
def test_condensed_check(seed):
    rng = np.random.default_rng(200 + seed)
    rec = operand(rng)
    if rng.random() < 0.5:  # often already sorted, to reach the coefficient test
        rec.nidxs = np.concatenate([np.sort(rec.nidxs[p:q]) for p, q in zip(rec.ptr[:-1], rec.ptr[1:])]
                                   + [np.zeros(0, np.int64)])
    tol = float(rng.choice([0.0, 0.5]))
    s = Stacks(2048)
    pad(s.w, rng)
    b = place(s.w, rec)
    assert k(414)(b.cof, tol, 1, rec.nelem, b.nidxs, rec.nnz, b.ptr, s.w.f64, s.w.i32, s.w.i64) is \
        is_condensed(rec, tol)
    assert k(414)(b.cof, tol, 0, rec.nelem, b.nidxs, rec.nnz, b.ptr, s.w.f64, s.w.i32, s.w.i64) is False


def test_condensed_check_edges():
    check = lambda rec, tol: k(414)(0, tol, 1, rec.nelem, 0, rec.nnz, 0, rec.cof, rec.ptr, rec.nidxs)
    assert check(Record((1,), [0, 1], [0], [1.0], [0.0]), 0.0) is True  # a first term is not tested for 0
    assert check(Record((1,), [0, 2], [1, 0], [1.0, 1.0], [0.0]), 0.0) is False
    assert check(Record((1,), [0, 2], [2, 2], [1.0, 1.0], [0.0]), 0.0) is False
    assert check(Record((1,), [0, 1], [2], [0.5], [0.0]), 0.5) is True  # only strictly inside fails
    assert check(Record((1,), [0, 1], [2], [0.25], [0.0]), 0.5) is False
    assert check(Record((0,), [0], [], [], []), 0.0) is True


@pytest.mark.parametrize("sparse", [False, True])
def test_plain_copy(sparse):
    rng = np.random.default_rng(int(sparse))
    rec = random_record(rng, (3, 4), sparse=sparse)
    s = Stacks(1024, stride=2)
    pad(s.w, rng)
    b = place(s.w, rec)
    pad(s.r, rng)
    out = reserve(s.r, 2, rec.nelem, rec.nnz, sparse)
    snapshot = s.r.snapshot()
    k(415)(b.bfix, b.cof, int(sparse), 2, rec.nelem, b.nidxs, rec.nnz, b.ptr, out.bfix, out.cof, s.r.f64,
           s.r.i32, s.r.i64, out.nidxs, out.ptr, out.shape, out.sp if sparse else 0, i32([3, 4], -1),
           b.sp if sparse else 0, s.w.f64, s.w.i32, s.w.i64)
    s.r.assert_only_changed(snapshot, **runs(out, 2, rec.nelem, rec.nnz))
    r = read(s.r, out, 2, rec.nelem, rec.nnz, sparse)
    for field in ("ptr", "nidxs", "cof", "bfix") + (("sp",) if sparse else ()):
        assert getattr(r, field).tolist() == getattr(rec, field).tolist()
    assert r.shape == (3, 4)


@pytest.mark.parametrize("nelem, nnz", [(0, 0), (1, 1), (5, 5), (3, 7)])
def test_unit_record(nelem, nnz):
    s = Stacks(128, stride=2)
    out = reserve(s.r, 0, nelem, nnz)
    snapshot = s.r.snapshot()
    k(421)(out.bfix, out.cof, nelem, nnz, out.ptr, s.r.f64, s.r.i32)
    s.r.assert_only_changed(snapshot, i32=[(out.ptr, nelem + 1)], f64=[(out.cof, nnz), (out.bfix, nelem)])
    assert s.r.i32[out.ptr:out.ptr + nelem + 1].tolist() == list(range(nelem + 1))
    assert s.r.f64[out.cof:out.cof + nnz].tolist() == [1.0] * nnz
    assert s.r.f64[out.bfix:out.bfix + nelem].tolist() == [0.0] * nelem
    f, n = np.full(30, 9.0), np.full(20, 9, np.int32)
    k(365)(12, 2, f, n, nelem, nnz, 4)
    assert n[4:5 + nelem].tolist() == list(range(nelem + 1))
    assert (np.delete(n, range(4, 5 + nelem)) == 9).all()
    assert f[2:2 + nnz].tolist() == [1.0] * nnz and f[12:12 + nelem].tolist() == [0.0] * nelem
    assert (np.delete(f, list(range(2, 2 + nnz)) + list(range(12, 12 + nelem))) == 9.0).all()


@pytest.mark.parametrize("sort", [sort_on_scratch, sort_on_work])
def test_sort_of_far_apart_indexes(sort):
    # Ranges of 2**32 and beyond 2**63 must not be mistaken for short ones.
    nidxs = [2**32 + 1, 1, 2, 1, 2**63 - 1, -(2**62), 5, -(2**62), 7, 7, 6, 5]
    rec = Record((3,), [0, 4, 8, 12], nidxs, np.ones(12), np.zeros(3))
    s = Stacks(256)
    b = place(s.w, rec)
    array, perm = sort(np.random.default_rng(0), s, rec, b)
    assert array[perm:perm + 12].tolist() == [1, 3, 2, 0, 5, 7, 6, 4, 11, 10, 8, 9]
