"""Products of a constant matrix and a variable, with their count passes and preparation
kernels, against NumPy products of the evaluated operands and against the merge order of
the terms; the prepared bucket arrays against NumPy groupings."""
import dataclasses

import numpy as np
import pytest

from support.buffers import f64, i32
from support.layout import appended_runs, k, pad, read_appended
from support.matrices import (assert_elements, dense_of, grouping, point, product_elements, random_triplets,
                              random_variable, variable_record)
from support.records import Record, evaluate, read, reserve, runs
from support.stacks import Stacks

TOL = dict(rtol=1e-12, atol=1e-12)


class Variable:
    """A variable of shape (rows, cols) (or one-dimensional, seen as one row or one column):
    its native indexes and, when sparse, linear indexes."""

    def __init__(self, rng, shape, sparse, grid=None):
        self.shape = shape
        self.nidxs, self.sp = random_variable(rng, shape, sparse)
        self.grid = grid  # (rows, cols) that products see
        self.stored = np.zeros(int(np.prod(shape)), bool)
        self.stored[self.linear] = True
        self.stored = self.stored.reshape(grid)
        self.at = np.zeros(int(np.prod(shape)), np.int64)
        self.at[self.linear] = self.nidxs
        self.at = self.at.reshape(grid)

    @property
    def linear(self):
        return self.sp if self.sp is not None else np.arange(len(self.nidxs))

    @property
    def n(self):
        return len(self.nidxs)

    def value(self, x):
        return evaluate(variable_record(self.shape, self.nidxs, self.sp), x).reshape(self.grid)


def random_x(rng, rows, cols, sparse, vector=None):
    """A (rows, cols) variable, or with vector "row"/"column" a one-dimensional one."""
    if vector == "row":
        return Variable(rng, (cols,), sparse, (1, cols))
    if vector == "column":
        return Variable(rng, (rows,), sparse, (rows, 1))
    return Variable(rng, (rows, cols), sparse, (rows, cols))


def matrix(rng, nrows, ncols, stride):
    """Random triplets as caller arrays, with the dense matrix and its pattern."""
    subi, subj, val = random_triplets(rng, nrows, ncols)
    return (i32(subi, stride), i32(subj, stride), f64(val, stride), len(val),
            dense_of(subi, subj, val, nrows, ncols), dense_of(subi, subj, 1.0, nrows, ncols) != 0)


def operands(rng, case, stride, x_on_left, sparse=True):
    """A random X (sparse ones one-dimensional every fourth case) and triplet M that can be
    multiplied in the order asked, with fresh stacks: (m, p, X, M's arrays, stacks)."""
    m, n, p = (int(v) for v in rng.integers(0, 5, size=3))
    vector = sparse and case % 4 == 0
    if x_on_left:
        X = random_x(rng, m, n, sparse, "row" if vector else None)
        m, mat = X.grid[0], matrix(rng, n, p, stride)
    else:
        X = random_x(rng, n, p, sparse, "column" if vector else None)
        p, mat = X.grid[1], matrix(rng, m, n, stride)
    return m, p, X, mat, Stacks(size=1024, stride=stride)


def build(s, shape, nelem, nterms, call, e0=0, t0=0, nbfix=None):
    """Reserves a sparse result of `shape` with nelem elements and nterms terms after e0 elements and t0
    terms (and nbfix constants when given), calls call(bases), checks that nothing outside
    the result runs changed and returns (call's result, the result record)."""
    pad(s.r, np.random.default_rng(nelem + nterms))
    out = reserve(s.r, 0, e0 + nelem, t0 + nterms, sparse=True)
    if nbfix is not None:
        out = dataclasses.replace(out, bfix=s.r.take_f64(nbfix))
    snaps = s.r.snapshot(), s.w.snapshot(), s.x.snapshot()
    got = call(out)
    ranges = runs(out, 0, nelem, nterms) if e0 == t0 == 0 else appended_runs(out, e0, t0, nelem, nterms, True)
    if nbfix is not None:
        ranges["f64"] = [(out.cof, nterms), (out.bfix, nbfix)]
        assert np.all(s.r.f64[out.bfix:out.bfix + nbfix] == 0.0)
    s.r.assert_only_changed(snaps[0], **ranges)
    s.w.assert_only_changed(snaps[1])
    s.x.assert_only_changed(snaps[2])
    return got, read_appended(s.r, out, e0, t0, nelem, nterms, shape, sparse=True)


def check_product(rec, a_stored, b_stored, pair, a_value, b_value, rng):
    assert_elements(rec, product_elements(a_stored, b_stored, pair))
    x = point(rng)
    np.testing.assert_allclose(evaluate(rec, x), a_value(x) @ b_value(x), **TOL)


def sizes(a_stored, b_stored):
    """(positions with a pair, pairs) of A B."""
    pairs = a_stored.astype(int) @ b_stored.astype(int)
    return int(np.count_nonzero(pairs)), int(pairs.sum())


@pytest.mark.parametrize("stride", [1, 2])
def test_sparse_variable_times_dense_matrix(stride):
    rng = np.random.default_rng(349 + stride)
    for case in range(80):
        m, n, p = (int(v) for v in rng.integers(0, 5, size=3))
        vector = "row" if case % 4 == 0 else None
        X = random_x(rng, m, n, True, vector)
        m, xnd = X.grid[0], 1 if vector else 2
        M = np.round(rng.normal(size=(n, p)), 3)
        M[rng.random(M.shape) < 0.2] = 0.0
        s = Stacks(size=1024, stride=stride)
        pad(s.w, rng)
        xnidxs, xsp = s.w.put_i64(X.nidxs), s.w.put_i64(X.sp)
        init = int(rng.integers(-3, 4))
        rows = k(348)(X.n, xsp, s.w.i64, init, xnd, n)
        assert rows == (len(np.unique(X.sp // max(n, 1))) if X.n else init)
        mcof = f64(M.ravel(), stride)
        _, rec = build(s, (m, p), rows * p if X.n else 0, X.n * p, lambda o: k(349)(
            mcof, p, xnidxs, X.n, o.bfix, o.cof, s.r.f64, s.r.i32, s.r.i64, o.nidxs, o.ptr, o.sp, xsp, s.w.i64, n))
        check_product(rec, X.stored, np.ones((n, p), bool), lambda r, kk, c: ([(X.at[r, kk], M[kk, c])], 0.0),
                      X.value, lambda x: M, rng)


def test_distinct_rows_edge_cases():
    w = np.array([1, 2, 7, 8, 9, 20], dtype=np.int64)
    assert k(348)(6, 0, w, 5, 2, 4) == 4  # rows 0, 0, 1, 2, 2, 5
    assert k(348)(6, 0, w, 5, 1, 4) == 1  # one-dimensional: one row
    assert k(348)(3, 3, w, 5, 2, 1) == 3  # one column: every index its own row
    assert k(348)(0, 0, w, 5, 2, 4) == 5 and k(348)(-1, 0, w, -2, 2, 4) == -2
    assert k(348)(3, 0, w, 5, 2, 0) == 1  # no columns: indexes are not divided by 0


def group_columns(s, rng, msubj, nnz, ncols):
    """Groups the triplets by column with kernel 350; checks the bucket array and the
    permutation against NumPy; returns their bases on wi32."""
    pad(s.w, rng)
    mcolptr, mperm = s.w.take_i32(ncols + 1), s.w.take_i32(nnz)
    snap = s.w.snapshot()
    k(350)(ncols, ncols, mcolptr, msubj, nnz, mperm, s.w.i32)
    s.w.assert_only_changed(snap, i32=[(mcolptr, ncols + 1), (mperm, nnz)])
    ptr, perm = grouping(msubj[:nnz], ncols)
    np.testing.assert_array_equal(s.w.i32[mcolptr:mcolptr + ncols + 1], ptr)
    np.testing.assert_array_equal(s.w.i32[mperm:mperm + nnz], perm)
    return mcolptr, mperm


@pytest.mark.parametrize("stride", [1, 2])
def test_dense_variable_times_triplets(stride):
    rng = np.random.default_rng(352 + stride)
    for case in range(80):
        m, p, X, (msubi, msubj, mcof, nnz, M, mstored), s = operands(rng, case, stride, True, sparse=False)
        n = X.grid[1]
        mcolptr, mperm = group_columns(s, rng, msubj, nnz, p)
        init = int(rng.integers(0, 3))
        ncols = k(351)(msubj, init, nnz, mperm, s.w.i32)
        assert ncols == init + len(np.unique(msubj))
        xrowstride = n + int(rng.integers(0, 3))  # rows of X may lie apart on the stack
        rowwise = np.full((m, xrowstride), -1, np.int64)
        rowwise[:, :n] = X.at
        xnidxs = s.w.put_i64(rowwise)
        e0, t0 = int(rng.integers(0, 3)), int(rng.integers(0, 4))
        nelem, nterms = m * (ncols - init), m * nnz
        got, rec = build(s, (m, p), nelem, nterms, lambda o: k(352)(
            e0, t0, mcof, p, msubi, msubj, xnidxs, nnz, mperm, o.bfix, o.cof, s.r.f64, s.r.i32, s.r.i64, o.nidxs,
            o.ptr, o.sp, s.w.i32, s.w.i64, m, xrowstride), e0=e0, t0=t0)
        assert got == (e0 + nelem, t0 + nterms)
        check_product(rec, X.stored, mstored, lambda r, kk, c: ([(X.at[r, kk], M[kk, c])], 0.0), X.value,
                      lambda x: M, rng)


def test_column_grouping_of_one_column_is_identity():
    s = Stacks(size=64)
    k(350)(1, 0, 3, i32([0, 0, 0]), 3, 10, s.w.i32)  # nbuckets is not used then
    np.testing.assert_array_equal(s.w.i32[3:5], [0, 3])
    np.testing.assert_array_equal(s.w.i32[10:13], [0, 1, 2])


def test_zero_counters():
    s = Stacks(size=32)
    snap = s.w.snapshot()
    k(353)(4, s.w.i32, 3)
    s.w.assert_only_changed(snap, i32=[(4, 4)])
    assert np.all(s.w.i32[4:8] == 0)
    k(353)(20, s.w.i32, -1)
    s.w.assert_only_changed(snap, i32=[(4, 4)])


@pytest.mark.parametrize("stride", [1, 2])
def test_sparse_variable_times_triplets(stride):
    rng = np.random.default_rng(356 + stride)
    for case in range(80):
        m, p, X, (msubi, msubj, mcof, nnz, M, mstored), s = operands(rng, case, stride, True)
        vector = len(X.shape) == 1
        mcolptr, mperm = group_columns(s, rng, msubj, nnz, p)
        pad(s.w, rng)
        xnidxs, xsp = s.w.put_i64(X.nidxs), s.w.put_i64(X.sp)
        xrowptr, xrow, xcol = s.w.take_i32(m + 1), s.w.take_i32(X.n), s.w.take_i32(X.n)
        snap = s.w.snapshot()
        k(353)(xrowptr, s.w.i32, m)
        xshape = None if vector else i32(X.shape, stride)  # a one-dimensional X needs no shape
        k(354)(1 if vector else 2, X.n, xrowptr, xsp, s.w.i32, s.w.i64, m, xshape, xrow, xcol)
        s.w.assert_only_changed(snap, i32=[(xrowptr, m + 1), (xrow, X.n), (xcol, X.n)])
        rows, cols = np.nonzero(X.stored)
        np.testing.assert_array_equal(s.w.i32[xrow:xrow + X.n], rows)
        np.testing.assert_array_equal(s.w.i32[xcol:xcol + X.n], cols)
        np.testing.assert_array_equal(s.w.i32[xrowptr:xrowptr + m + 1], grouping(rows, m)[0])

        nelem, nterms = sizes(X.stored, mstored)
        e0, t0 = int(rng.integers(0, 5)), int(rng.integers(0, 5))
        snap = s.w.snapshot()
        assert k(355)(p, mcolptr, msubi, e0, t0, mperm, xrowptr, s.w.i32, m, xcol) == (e0 + nelem, t0 + nterms)
        s.w.assert_only_changed(snap)
        nbfix = nelem + int(rng.integers(0, 3))
        _, rec = build(s, (m, p), nelem, nterms, lambda o: k(356)(
            mcof, p, mcolptr, msubi, nbfix, xnidxs, mperm, xrowptr, o.bfix, o.cof, s.r.f64, s.r.i32, s.r.i64,
            o.nidxs, o.ptr, o.sp, s.w.i32, s.w.i64, m, xcol), nbfix=nbfix)
        check_product(rec, X.stored, mstored, lambda r, kk, c: ([(X.at[r, kk], M[kk, c])], 0.0), X.value,
                      lambda x: M, rng)


@pytest.mark.parametrize("stride", [1, 2])
def test_triplets_times_sparse_variable(stride):
    rng = np.random.default_rng(359 + stride)
    for case in range(80):
        m, p, X, (msubi, msubj, mcof, nnz, M, mstored), s = operands(rng, case, stride, False)
        vector = len(X.shape) == 1
        pad(s.x, rng)
        xnidxs, xsp = s.x.put_i64(X.nidxs), s.x.put_i64(X.sp)
        mrowptr, xrow, xcol = s.x.take_i32(m + 1), s.x.take_i32(X.n), s.x.take_i32(X.n)
        xcolptr, xperm = s.x.take_i32(p + 1), s.x.take_i32(X.n)
        nelem, nterms = sizes(mstored, X.stored)
        e0, t0 = int(rng.integers(0, 5)), int(rng.integers(0, 5))
        snap = s.x.snapshot()
        got = k(357)(m, mrowptr, msubi, msubj, 1 if vector else 2, X.n, xperm, xcolptr, e0, t0, xsp, p, s.x.i32,
                     s.x.i64, xrow, xcol)
        assert got == (e0 + nelem, t0 + nterms)
        s.x.assert_only_changed(snap, i32=[(mrowptr, m + 1), (xrow, X.n), (xcol, X.n), (xcolptr, p + 1),
                                           (xperm, X.n)])
        rows, cols = np.nonzero(X.stored)
        np.testing.assert_array_equal(s.x.i32[mrowptr:mrowptr + m + 1], grouping(np.asarray(msubi), m)[0])
        np.testing.assert_array_equal(s.x.i32[xrow:xrow + X.n], rows)
        np.testing.assert_array_equal(s.x.i32[xcol:xcol + X.n], cols)
        ptr, perm = grouping(cols, p)
        np.testing.assert_array_equal(s.x.i32[xcolptr:xcolptr + p + 1], ptr)
        np.testing.assert_array_equal(s.x.i32[xperm:xperm + X.n], perm)

        nbfix = nelem + int(rng.integers(0, 3))
        _, rec = build(s, (m, p), nelem, nterms, lambda o: k(359)(
            mcof, m, mrowptr, msubj, xnidxs, xperm, xcolptr, o.bfix, o.cof, s.r.f64, s.r.i32, s.r.i64, nbfix,
            o.nidxs, o.ptr, o.sp, p, s.x.i32, s.x.i64, xrow), nbfix=nbfix)
        check_product(rec, mstored, X.stored, lambda r, kk, c: ([(X.at[kk, c], M[r, kk])], 0.0),
                      lambda x: M, X.value, rng)


@pytest.mark.parametrize("stride", [1, 2])
def test_triplets_times_dense_variable(stride):
    rng = np.random.default_rng(360 + stride)
    for case in range(80):
        m, p, X, (msubi, msubj, mcof, nnz, M, mstored), s = operands(rng, case, stride, False, sparse=False)
        pad(s.x, rng)
        xnidxs = s.x.put_i64(X.nidxs)
        rnelem = int(rng.integers(0, 3))
        nelem, nterms = k(358)(nnz, msubi, rnelem, int(rng.integers(-9, 9)), p)
        nelem -= rnelem * p
        assert (nelem, nterms) == sizes(mstored, X.stored)
        _, rec = build(s, (m, p), nelem, nterms, lambda o: k(360)(
            mcof, nnz, msubi, msubj, xnidxs, o.bfix, o.cof, s.r.f64, s.r.i32, s.r.i64, o.nidxs, o.ptr, o.sp, p,
            s.x.i64))
        check_product(rec, mstored, X.stored, lambda r, kk, c: ([(X.at[kk, c], M[r, kk])], 0.0), lambda x: M,
                      X.value, rng)


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
        np.testing.assert_array_equal(rec.ptr, np.arange(n + 1))
        np.testing.assert_array_equal(rec.nidxs, np.full(n, var))
        x, xbar = rng.normal(size=6), rng.normal(size=6)
        value = x[var - 1] if var > 0 else xbar[-var - 1] if var < 0 else 0.0
        whole = dense_of(subi, subj, val, nrows, ncols) if sparse else val.reshape(nrows, ncols)
        np.testing.assert_allclose(evaluate(rec, x, xbar), whole * value, **TOL)


def test_edge_cases():
    s = Stacks(size=256)
    r = (s.r.f64, s.r.i32, s.r.i64)
    # No stored element: only ptr[0].
    _, rec = build(s, (2, 3), 0, 0, lambda o: k(349)(f64([1.0]), 3, 0, 0, o.bfix, o.cof, *r, o.nidxs, o.ptr, o.sp,
                                                     0, s.w.i64, 2))
    np.testing.assert_array_equal(rec.ptr, [0])
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
    np.testing.assert_array_equal(rec.ptr, [0])


def test_zero_matrix_value_gives_term():
    # (x1, x2) times the column (0, 3): one element 0 x1 + 3 x2.
    s = Stacks(size=64)
    xnidxs = s.x.put_i64([1, 2])
    _, rec = build(s, (1, 1), 1, 2, lambda o: k(360)(f64([0.0, 3.0]), 2, i32([0, 0]), i32([0, 1]), xnidxs, o.bfix,
                                                     o.cof, s.r.f64, s.r.i32, s.r.i64, o.nidxs, o.ptr, o.sp, 1,
                                                     s.x.i64))
    np.testing.assert_array_equal(rec.nidxs, [1, 2])
    np.testing.assert_array_equal(rec.cof, [0.0, 3.0])
    np.testing.assert_array_equal(rec.sp, [0])
