"""Products of a constant matrix and a variable, with their count passes and preparation
kernels, against NumPy products of the evaluated operands and the merge order of the
terms; the prepared bucket arrays against NumPy groupings."""
import dataclasses

import numpy as np
import pytest

from support.buffers import f64, i32
from support.layout import appended_runs, k, pad, read_appended
from support.products import (assert_elements, dense_of, grouping, product_elements, random_triplets,
                              random_variable, variable_record)
from support.records import evaluate, read, reserve, runs
from support.stacks import Stacks


class Variable:
    """A variable of `shape` seen by products as `grid` (rows, cols): its native indexes and,
    when sparse, linear indexes."""

    def __init__(self, rng, shape, sparse, grid):
        self.shape, self.grid = shape, grid
        self.nidxs, self.sp = random_variable(rng, shape, sparse)
        self.n = len(self.nidxs)
        at = np.zeros(int(np.prod(shape)), np.int64)
        at[self.sp if sparse else np.arange(self.n)] = self.nidxs
        self.at, self.stored = at.reshape(grid), at.reshape(grid) != 0

    def value(self, x):
        return evaluate(variable_record(self.shape, self.nidxs, self.sp), x).reshape(self.grid)


def operands(rng, case, stride, x_on_left, sparse=True):
    """A random X (sparse ones one-dimensional every fourth case) and triplet M that can be
    multiplied in the order asked, with fresh stacks: (m, p, X, M's arrays, stacks)."""
    m, n, p = (int(v) for v in rng.integers(0, 5, size=3))
    vector = sparse and case % 4 == 0
    if x_on_left:
        X = Variable(rng, (n,), sparse, (1, n)) if vector else Variable(rng, (m, n), sparse, (m, n))
        m, (subi, subj, val) = X.grid[0], random_triplets(rng, n, p)
        shape = (n, p)
    else:
        X = Variable(rng, (n,), sparse, (n, 1)) if vector else Variable(rng, (n, p), sparse, (n, p))
        p, (subi, subj, val) = X.grid[1], random_triplets(rng, m, n)
        shape = (m, n)
    mat = (i32(subi, stride), i32(subj, stride), f64(val, stride), len(val), dense_of(subi, subj, val, *shape),
           dense_of(subi, subj, 1.0, *shape) != 0)
    return m, p, X, mat, Stacks(size=1024, stride=stride)


def build(s, shape, nelem, nterms, fn, e0=0, t0=0, nbfix=None):
    """Reserves a sparse result (and nbfix constants when given), runs fn(bases), checks
    that nothing outside the result runs changed; returns (fn's result, the record)."""
    pad(s.r, np.random.default_rng(nelem + nterms))
    out = reserve(s.r, 0, e0 + nelem, t0 + nterms, sparse=True)
    if nbfix is not None:
        out = dataclasses.replace(out, bfix=s.r.take_f64(nbfix))
    snaps = s.r.snapshot(), s.w.snapshot(), s.x.snapshot()
    got = fn(out)
    ranges = appended_runs(out, e0, t0, nelem, nterms, True) if e0 or t0 else runs(out, 0, nelem, nterms)
    if nbfix is not None:
        ranges["f64"] = [(out.cof, nterms), (out.bfix, nbfix)]
        assert np.all(s.r.f64[out.bfix:out.bfix + nbfix] == 0.0)
    s.r.assert_only_changed(snaps[0], **ranges)
    s.w.assert_only_changed(snaps[1])
    s.x.assert_only_changed(snaps[2])
    return got, read_appended(s.r, out, e0, t0, nelem, nterms, shape, sparse=True)


def check_product(rng, rec, X, M, mstored, x_on_left):
    if x_on_left:
        want = product_elements(X.stored, mstored, lambda r, kk, c: ([(X.at[r, kk], M[kk, c])], 0.0))
    else:
        want = product_elements(mstored, X.stored, lambda r, kk, c: ([(X.at[kk, c], M[r, kk])], 0.0))
    assert_elements(rec, want)
    x = rng.normal(size=X.n and 200)
    if X.n:
        np.testing.assert_allclose(evaluate(rec, x), X.value(x) @ M if x_on_left else M @ X.value(x), atol=1e-12)


def sizes(a_stored, b_stored):
    """(positions with a pair, pairs) of A B."""
    pairs = a_stored.astype(int) @ b_stored.astype(int)
    return int(np.count_nonzero(pairs)), int(pairs.sum())


def group_columns(s, rng, msubj, nnz, ncols):
    """Groups the triplets by column with 350, checked against NumPy; returns the bases."""
    pad(s.w, rng)
    mcolptr, mperm = s.w.take_i32(ncols + 1), s.w.take_i32(nnz)
    snap = s.w.snapshot()
    k(350)(ncols, ncols, mcolptr, msubj, nnz, mperm, s.w.i32)
    s.w.assert_only_changed(snap, i32=[(mcolptr, ncols + 1), (mperm, nnz)])
    ptr, perm = grouping(msubj[:nnz], ncols)
    assert s.w.i32[mcolptr:mcolptr + ncols + 1].tolist() == ptr.tolist()
    assert s.w.i32[mperm:mperm + nnz].tolist() == perm.tolist()
    return mcolptr, mperm


KINDS = ["sparse X, dense M", "dense X, triplets", "sparse X, triplets", "triplets, sparse X", "triplets, dense X"]


@pytest.mark.parametrize("kind", KINDS)
def test_products_match_numpy(kind):
    rng = np.random.default_rng(349 + KINDS.index(kind))
    left, sparse = kind.startswith(("sparse X", "dense X")), "sparse X" in kind
    for case in range(60):
        stride = int(rng.integers(1, 3))
        m, p, X, (msubi, msubj, mcof, nnz, M, mstored), s = operands(rng, case, stride, left, sparse)
        r = (s.r.f64, s.r.i32, s.r.i64)
        e0, t0 = int(rng.integers(0, 5)), int(rng.integers(0, 5))
        nbfix = int(rng.integers(0, 3))
        pad(s.w, rng)
        pad(s.x, rng)
        if kind == "sparse X, dense M":
            n = M.shape[0]
            M = np.round(rng.normal(size=M.shape), 3)
            mstored = np.ones(M.shape, bool)
            xnidxs, xsp = s.w.put_i64(X.nidxs), s.w.put_i64(X.sp)
            init = int(rng.integers(-3, 4))
            rows = k(348)(X.n, xsp, s.w.i64, init, len(X.shape), n)
            assert rows == (len(np.unique(X.sp // max(n, 1))) if X.n else init)
            mcof = f64(M.ravel(), stride)
            _, rec = build(s, (m, p), rows * p if X.n else 0, X.n * p, lambda o: k(349)(
                mcof, p, xnidxs, X.n, o.bfix, o.cof, *r, o.nidxs, o.ptr, o.sp, xsp, s.w.i64, n))
        elif kind == "dense X, triplets":
            n = X.grid[1]
            mcolptr, mperm = group_columns(s, rng, msubj, nnz, p)
            ncols = k(351)(msubj, e0, nnz, mperm, s.w.i32) - e0
            assert ncols == len(np.unique(msubj))
            xrowstride = n + int(rng.integers(0, 3))  # rows of X may lie apart on the stack
            rowwise = np.full((m, xrowstride), -1, np.int64)
            rowwise[:, :n] = X.at
            xnidxs = s.w.put_i64(rowwise)
            got, rec = build(s, (m, p), m * ncols, m * nnz, lambda o: k(352)(
                e0, t0, mcof, p, msubi, msubj, xnidxs, nnz, mperm, o.bfix, o.cof, *r, o.nidxs, o.ptr, o.sp, s.w.i32,
                s.w.i64, m, xrowstride), e0=e0, t0=t0)
            assert got == (e0 + m * ncols, t0 + m * nnz)
        elif kind == "sparse X, triplets":
            mcolptr, mperm = group_columns(s, rng, msubj, nnz, p)
            xnidxs, xsp = s.w.put_i64(X.nidxs), s.w.put_i64(X.sp)
            xrowptr, xrow, xcol = s.w.take_i32(m + 1), s.w.take_i32(X.n), s.w.take_i32(X.n)
            snap = s.w.snapshot()
            k(353)(xrowptr, s.w.i32, m)
            vector = len(X.shape) == 1  # a one-dimensional X needs no shape
            k(354)(len(X.shape), X.n, xrowptr, xsp, s.w.i32, s.w.i64, m, None if vector else i32(X.shape, stride),
                   xrow, xcol)
            s.w.assert_only_changed(snap, i32=[(xrowptr, m + 1), (xrow, X.n), (xcol, X.n)])
            rows, cols = np.nonzero(X.stored)
            assert s.w.i32[xrow:xrow + X.n].tolist() == rows.tolist()
            assert s.w.i32[xcol:xcol + X.n].tolist() == cols.tolist()
            assert s.w.i32[xrowptr:xrowptr + m + 1].tolist() == grouping(rows, m)[0].tolist()
            nelem, nterms = sizes(X.stored, mstored)
            snap = s.w.snapshot()
            assert k(355)(p, mcolptr, msubi, e0, t0, mperm, xrowptr, s.w.i32, m, xcol) == (e0 + nelem, t0 + nterms)
            s.w.assert_only_changed(snap)
            _, rec = build(s, (m, p), nelem, nterms, lambda o: k(356)(
                mcof, p, mcolptr, msubi, nelem + nbfix, xnidxs, mperm, xrowptr, o.bfix, o.cof, *r, o.nidxs, o.ptr,
                o.sp, s.w.i32, s.w.i64, m, xcol), nbfix=nelem + nbfix)
        elif kind == "triplets, sparse X":
            xnidxs, xsp = s.x.put_i64(X.nidxs), s.x.put_i64(X.sp)
            mrowptr, xrow, xcol = s.x.take_i32(m + 1), s.x.take_i32(X.n), s.x.take_i32(X.n)
            xcolptr, xperm = s.x.take_i32(p + 1), s.x.take_i32(X.n)
            nelem, nterms = sizes(mstored, X.stored)
            snap = s.x.snapshot()
            assert k(357)(m, mrowptr, msubi, msubj, len(X.shape), X.n, xperm, xcolptr, e0, t0, xsp, p, s.x.i32,
                          s.x.i64, xrow, xcol) == (e0 + nelem, t0 + nterms)
            s.x.assert_only_changed(snap, i32=[(mrowptr, m + 1), (xrow, X.n), (xcol, X.n), (xcolptr, p + 1),
                                               (xperm, X.n)])
            rows, cols = np.nonzero(X.stored)
            ptr, perm = grouping(cols, p)
            for base, want in ((mrowptr, grouping(np.asarray(msubi), m)[0]), (xrow, rows), (xcol, cols),
                               (xcolptr, ptr), (xperm, perm)):
                assert s.x.i32[base:base + len(want)].tolist() == want.tolist()
            _, rec = build(s, (m, p), nelem, nterms, lambda o: k(359)(
                mcof, m, mrowptr, msubj, xnidxs, xperm, xcolptr, o.bfix, o.cof, *r, nelem + nbfix, o.nidxs, o.ptr,
                o.sp, p, s.x.i32, s.x.i64, xrow), nbfix=nelem + nbfix)
        else:
            xnidxs = s.x.put_i64(X.nidxs)
            nelem, nterms = k(358)(nnz, msubi, e0, int(rng.integers(-9, 9)), p)
            assert (nelem - e0 * p, nterms) == sizes(mstored, X.stored)
            _, rec = build(s, (m, p), nelem - e0 * p, nterms, lambda o: k(360)(
                mcof, nnz, msubi, msubj, xnidxs, o.bfix, o.cof, *r, o.nidxs, o.ptr, o.sp, p, s.x.i64))
        check_product(rng, rec, X, M, mstored, left)


@pytest.mark.parametrize("sparse", [0, 1])
def test_matrix_times_one_variable(sparse):
    rng = np.random.default_rng(364 + sparse)
    for case in range(30):
        nrows, ncols = (int(v) for v in rng.integers(0, 5, size=2))
        if sparse:
            subi, subj, val = random_triplets(rng, nrows, ncols)
            msubi, msubj = i32(subi, 2), i32(subj, 2)
        else:
            val, msubi, msubj = np.round(rng.normal(size=nrows * ncols), 3), None, None
        n, var = len(val), int(rng.integers(-5, 6))
        s = Stacks(size=512, stride=int(rng.integers(1, 3)))
        out = reserve(s.r, 0, n, n, sparse=bool(sparse))
        snap = s.r.snapshot()
        k(364)(out.bfix, out.cof, s.r.f64, sparse, s.r.i32, s.r.i64, f64(val), ncols, msubi, msubj, n, out.nidxs, n,
               out.ptr, out.sp if sparse else 0, var)
        s.r.assert_only_changed(snap, **runs(out, 0, n, n))
        rec = read(s.r, out, 0, n, n, bool(sparse), shape=(nrows, ncols))
        assert rec.nidxs.tolist() == [var] * n
        x, xbar = rng.normal(size=6), rng.normal(size=6)
        value = x[var - 1] if var > 0 else xbar[-var - 1] if var < 0 else 0.0
        whole = dense_of(subi, subj, val, nrows, ncols) if sparse else val.reshape(nrows, ncols)
        np.testing.assert_allclose(evaluate(rec, x, xbar), whole * value, rtol=1e-12, atol=1e-12)


def test_zero_columns_do_not_divide_by_zero():
    """Linear indexes are split into row and column without dividing by a zero column count."""
    w = np.array([1, 2, 7, 8, 9, 20], dtype=np.int64)
    assert k(348)(6, 0, w, 5, 2, 4) == 4  # rows 0, 0, 1, 2, 2, 5
    assert k(348)(6, 0, w, 5, 1, 4) == 1  # one-dimensional: one row
    assert k(348)(0, 0, w, 5, 2, 4) == 5 and k(348)(-1, 0, w, -2, 2, 4) == -2
    assert k(348)(3, 0, w, 5, 2, 0) == 1
    s = Stacks(size=64)
    s.w.i64[:3] = [3, 0, 9]  # X's variable and linear index, another linear index
    k(349)(f64(), 0, 0, 1, 0, 0, s.r.f64, s.r.i32, s.r.i64, 0, 0, 0, 1, s.w.i64, 0)
    assert s.r.i32[0] == 0  # p = 0: no element
    k(354)(2, 2, 10, 1, s.w.i32, s.w.i64, 1, i32([1, 0]), 20, 30)
    assert s.w.i32[20:22].tolist() == [0, 0] and s.w.i32[30:32].tolist() == [0, 9]
    assert k(357)(1, 10, i32([0]), i32([0]), 2, 1, 20, 30, 0, 0, 1, 0, s.x.i32, s.w.i64, 40, 50)[0] >= 0
    assert s.x.i32[40] == 0 and s.x.i32[50] == 0


def test_edge_cases():
    s = Stacks(size=256)
    r = (s.r.f64, s.r.i32, s.r.i64)
    # m = 0 or no entries: the running counts come back unchanged and nothing is written.
    for m, nnz in ((0, 2), (3, 0)):
        got, _ = build(s, (m, 2), 0, 0, lambda o: k(352)(4, 7, f64([1.0, 2.0]), 2, i32([0, 1]), i32([0, 1]), 0, nnz,
                                                         0, o.bfix, o.cof, *r, o.nidxs, o.ptr, o.sp, s.w.i32, s.w.i64,
                                                         m, 2), e0=4, t0=7)
        assert got == (4, 7)
    # Sparse times sparse without a match: no element, but the nbfix constants are zeroed.
    s.x.i32[:8] = [0, 1, 0, 0, 1, 0, -1, 1]  # mrowptr (0, 1), xcolptr (0, 0, 1), xperm (0), xrow (1)
    _, rec = build(s, (1, 2), 0, 0, lambda o: k(359)(f64([5.0]), 1, 0, i32([0]), 0, 5, 2, o.bfix, o.cof, *r, 3,
                                                     o.nidxs, o.ptr, o.sp, 2, s.x.i32, s.x.i64, 7), nbfix=3)
    assert rec.ptr.tolist() == [0]
    # (x1, x2) times the column (0, 3): one element 0 x1 + 3 x2; a zero value gives a term.
    xnidxs = s.x.put_i64([1, 2])
    _, rec = build(s, (1, 1), 1, 2, lambda o: k(360)(f64([0.0, 3.0]), 2, i32([0, 0]), i32([0, 1]), xnidxs, o.bfix,
                                                     o.cof, *r, o.nidxs, o.ptr, o.sp, 1, s.x.i64))
    assert rec.nidxs.tolist() == [1, 2] and rec.cof.tolist() == [0.0, 3.0] and rec.sp.tolist() == [0]
