"""Condensing a record's terms (sorts, count and build), the condensed check, the plain copy, the unit record."""
import numpy as np
import pytest

from support.layout import (Record, Stacks, accumulate, assert_elements, call, elements, i32, names, put, random_record,
                            read, reserve, run, runs)


# 414 on a record given as its own arrays.
def check(rec, tol, init=1):
    return call(414, wcof=0, tol=tol, init=init, nelem=rec.nelem, wnidxs=0, nnz=rec.nnz, wptr=0, wf64=rec.cof,
                wi32=rec.ptr, wi64=rec.nidxs)


@pytest.mark.parametrize("seed", range(24))
def test_condense(seed):
    rng, tol = np.random.default_rng(100 + seed), [0.0, 1e-9, 0.5][seed % 3]
    rec = random_record(rng, (2,) if seed % 4 == 3 else rng.integers(0, 4, size=seed % 3), sparse=seed % 5 < 2,
                        max_terms=600 if seed % 4 == 3 else 3 + 9 * (seed % 2), nvars=3 + 37 * (seed // 2 % 2), bar=2,
                        density=0.7)  # large elements of hundreds of terms are condensed through dense sums
    rec.nidxs = np.where(rng.random(rec.nnz) < 0.1 * (seed % 5 % 3), rng.choice(  # ranges beyond 32 (or 63) bits
        [-2**62, -(2**32), 2**32 + 1, 2**62, 2**63 - 1], size=rec.nnz), rec.nidxs)
    rec.cof[rng.random(rec.nnz) < 0.2] = tol * rng.choice([-1, 1])  # coefficients at the tolerance
    if seed % 3 == 0:  # sorted now and then, to reach the coefficient test of the check
        rec.nidxs = np.concatenate([np.sort(rec.terms(j)[0]) for j in range(rec.nelem)] + [np.zeros(0, np.int64)])
    s, nelem, nnz, want, in_order = Stacks(4096, stride=1 + seed % 2), rec.nelem, rec.nnz, {}, True
    for L, (terms, b) in elements(rec).items():  # per element the surviving sums in index order
        sums = accumulate((v, ([], x)) for v, x in terms if v)
        want[L] = ([(v, x) for v, (_, x) in sorted(sums.items()) if x > tol or x < -tol], b)
        in_order &= all(u < v and v for (u, _), (v, _) in zip(terms, terms[1:]))
    assert check(rec, tol) is (in_order and not np.any((rec.cof > -tol) & (rec.cof < tol))) and not check(rec, tol, 0)
    W = names(put(s.w, rec, rng), "w") | dict(nelem=nelem, nnz=nnz, tol=tol, nd=rec.nd, sparse=int(rec.sparse))
    assert run(s, 418, None, W, init=0, n=nelem) == (most := max([0] + np.diff(rec.ptr).tolist()))
    # The term permutation in scratch (419), or in place on the work stack (420).
    where, room, number = ("x", 2 * most, 419) if seed % 4 < 2 else ("w", nnz, 420)
    perm, cnt, array = getattr(s, where).take_i32(nnz), getattr(s, where).take_i32(room), getattr(s, where).i32
    run(s, number, {where: dict(i32=[(perm, nnz), (cnt, room)])}, W, perm=perm, cnt=cnt, perm2=cnt)
    assert array[perm:perm + nnz].tolist() == [p + q for p, end in zip(rec.ptr[:-1], rec.ptr[1:])
                                               for q in np.argsort(rec.nidxs[p:end], kind="stable")]
    rnnz = run(s, 416, None, W, perm=perm, rnnz=3, xi32=array) - 3
    if rec.sparse:  # the result's sp is the operand's, at the same base: keep the result runs clear of it
        s.r.take_i64(W["wsp"] + nelem)
    for copy in (False, True):  # 415: the plain copy of an already condensed record
        out = reserve(s.r, rec.nd, nelem, nnz if copy else rnnz, copy and rec.sparse)
        out.sp = out.sp if copy else W["wsp"] if rec.sparse else None
        run(s, 415 if copy else 417, dict(r=runs(out, rec.nd, nelem, nnz if copy else rnnz)), W, names(out, "r"),
            perm=perm, xi32=array, shape=i32(rec.shape, int(rng.choice([1, -2]))))
        r = read(s.r, out, rec.nd, nelem, nnz if copy else rnnz, sparse=rec.sparse)
        assert r.shape == rec.shape and check(r, tol) is (not copy or check(rec, tol))
        assert_elements(r, elements(rec) if copy else want)


@pytest.mark.parametrize("ptr, nidxs, cof, tol, want", [
    ([0, 1], [0], [1.0], 0.0, True),  # a first term is not tested for index 0
    ([0, 2], [1, 0], [1.0, 1.0], 0.0, False),
    ([0, 1], [2], [0.5], 0.5, True),  # only strictly inside the tolerance fails
    ([0, 1], [2], [0.25], 0.5, False)])
def test_condensed_check_edges(ptr, nidxs, cof, tol, want):
    assert check(Record((len(ptr) - 1,), ptr, nidxs, cof, np.zeros(len(ptr) - 1)), tol) is want


@pytest.mark.parametrize("nelem, nnz", [(0, 0), (1, 1), (3, 7)])
def test_unit_record(nelem, nnz):
    for number in (421, 365):  # ptr 0 .. nelem, cof 1.0, bfix 0.0; nothing else written
        f, n, want_f, want_n = np.full(30, 9.0), np.full(20, 9, np.int32), np.full(30, 9.0), np.full(20, 9, np.int32)
        call(number, rbfix=12, obfix=12, rcof=2, ocof=2, rptr=4, optr=4, nelem=nelem, nnz=nnz, rf64=f, f64=f, ri32=n,
             i32=n)
        want_f[2:2 + nnz], want_f[12:12 + nelem], want_n[4:5 + nelem] = 1.0, 0.0, range(nelem + 1)
        assert f.tolist() == want_f.tolist() and n.tolist() == want_n.tolist()


def test_term_sorts_size_their_counts_from_every_term_and_stop_at_the_last_element():
    # 419: six terms over a short index range whose largest index is the third term's.
    xi32 = np.zeros(30, np.int32)
    call(419, nelem=1, wnidxs=0, perm=0, wptr=0, wi32=i32([0, 6]), wi64=np.array([0, 0, 5, 0, 0, 0]), cnt=6, xi32=xi32)
    assert xi32[:6].tolist() == [0, 1, 3, 4, 5, 2]
    # 420: the entry after the ptr run would make a second element; the runs around perm stay.
    wi32 = i32([0, 2, 5, 9, 9, 1, 0, 1, 9, 9, 1, 0, 1])
    call(420, nelem=1, wnidxs=0, nnz=2, perm=3, perm2=8, wptr=0, wi32=wi32, wi64=np.array([5, 3]))
    assert wi32[:8].tolist() == [0, 2, 5, 1, 0, 1, 0, 1] and wi32[10:].tolist() == [1, 0, 1]
