"""Products of a constant matrix and a variable, their count passes and preparation kernels,
against NumPy products, the merge order of the terms and NumPy groupings."""
import dataclasses

import numpy as np
import pytest

from support.buffers import f64, i32
from support.layout import appended_runs, k, only_changed, pad, read_appended, snap
from support.products import (assert_elements, call, dense_of, grouping, product_elements, random_triplets,
                              random_variable, result_args, stack_args, variable_record)
from support.records import evaluate, read, reserve, runs
from support.stacks import Stacks


class Variable:
    """A variable of `shape` seen by products as `grid` (rows, cols)."""

    def __init__(self, rng, shape, sparse, grid):
        self.shape, self.grid = shape, grid
        self.nidxs, self.sp = random_variable(rng, shape, sparse)
        self.n = len(self.nidxs)
        at = np.zeros(int(np.prod(shape)), np.int64)
        at[self.sp if sparse else np.arange(self.n)] = self.nidxs
        self.at, self.stored = at.reshape(grid), at.reshape(grid) != 0
        self.value = lambda x: evaluate(variable_record(shape, self.nidxs, self.sp), x).reshape(grid)


def operands(rng, case, stride, x_on_left, sparse=True):
    """(m, p, X, M's arrays, stacks): X (sparse ones 1-D every fourth case) and triplets M."""
    m, n, p = (int(v) for v in rng.integers(0, 5, size=3))
    vector = sparse and case % 4 == 0
    grid = ((1, n) if vector else (m, n)) if x_on_left else ((n, 1) if vector else (n, p))
    X = Variable(rng, (n,) if vector else grid, sparse, grid)
    m, p = (grid[0], p) if x_on_left else (m, grid[1])
    shape = (n, p) if x_on_left else (m, n)
    subi, subj, val = random_triplets(rng, *shape)
    mat = (i32(subi, stride), i32(subj, stride), f64(val, stride), len(val), dense_of(subi, subj, val, *shape),
           dense_of(subi, subj, 1.0, *shape) != 0)
    return m, p, X, mat, Stacks(size=1024, stride=stride)


def build(s, shape, nelem, nterms, number, a, e0=0, t0=0, nbfix=None):
    """Runs the build kernel on a reserved sparse result (nbfix constants), checks what it wrote."""
    pad(s.r, np.random.default_rng(nelem + nterms))
    out = reserve(s.r, 0, e0 + nelem, t0 + nterms, sparse=True)
    if nbfix is not None:
        out = dataclasses.replace(out, bfix=s.r.take_f64(nbfix))
    snaps = snap(s)
    got = call(number, **a, **result_args(out))
    ranges = appended_runs(out, e0, t0, nelem, nterms, True) if e0 or t0 else runs(out, 0, nelem, nterms)
    if nbfix is not None:
        ranges["f64"] = [(out.cof, nterms), (out.bfix, nbfix)]
        assert np.all(s.r.f64[out.bfix:out.bfix + nbfix] == 0.0)
    only_changed(s, snaps, r=ranges)
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


def same(arr, *pairs):
    for base, want in pairs:
        assert arr[base:base + len(want)].tolist() == np.asarray(want).tolist()


def group_columns(s, rng, msubj, nnz, ncols):
    """Groups the triplets by column with 350, checked against NumPy; returns the bases."""
    pad(s.w, rng)
    mcolptr, mperm = s.w.take_i32(ncols + 1), s.w.take_i32(nnz)
    snaps = snap(s)
    k(350)(ncols, ncols, mcolptr, msubj, nnz, mperm, s.w.i32)
    only_changed(s, snaps, w=dict(i32=[(mcolptr, ncols + 1), (mperm, nnz)]))
    same(s.w.i32, *zip((mcolptr, mperm), grouping(msubj[:nnz], ncols)))
    return mcolptr, mperm


KINDS = ["sparse X, dense M", "dense X, triplets", "sparse X, triplets", "triplets, sparse X", "triplets, dense X"]


@pytest.mark.parametrize("kind", KINDS)
def test_products_match_numpy(kind):
    rng = np.random.default_rng(349 + KINDS.index(kind))
    left, sparse = kind.startswith(("sparse X", "dense X")), "sparse X" in kind
    for case in range(60):
        stride = int(rng.integers(1, 3))
        m, p, X, (msubi, msubj, mcof, nnz, M, mstored), s = operands(rng, case, stride, left, sparse)
        e0, t0, nbfix = (int(v) for v in rng.integers(0, [5, 5, 3]))
        pad(s.w, rng)
        pad(s.x, rng)
        a = dict(stack_args(s), m=m, p=p, mcof=mcof, msubi=msubi, msubj=msubj, nnz=nnz, rnelem=e0, rnnz=t0,
                 nx=X.n, xnd=len(X.shape))
        nelem, nterms = sizes(X.stored, mstored) if left else sizes(mstored, X.stored)
        if kind == "sparse X, dense M":
            n = M.shape[0]
            M = np.round(rng.normal(size=M.shape), 3)
            mstored = np.ones(M.shape, bool)
            init = int(rng.integers(-3, 4))
            a.update(xnidxs=s.w.put_i64(X.nidxs), xsp=s.w.put_i64(X.sp), mcof=f64(M.ravel(), stride), n=n)
            rows = call(348, **{**a, "n": X.n}, init=init, ncols=n)
            assert rows == (len(np.unique(X.sp // max(n, 1))) if X.n else init)
            _, rec = build(s, (m, p), rows * p if X.n else 0, X.n * p, 349, a)
        elif kind == "dense X, triplets":
            n = X.grid[1]
            a["mcolptr"], a["mperm"] = group_columns(s, rng, msubj, nnz, p)
            assert call(351, **a, init=e0, n=nnz) - e0 == len(np.unique(msubj))
            xrowstride = n + int(rng.integers(0, 3))  # rows of X may lie apart on the stack
            rowwise = np.full((m, xrowstride), -1, np.int64)
            rowwise[:, :n] = X.at
            a.update(xnidxs=s.w.put_i64(rowwise), xrowstride=xrowstride)
            ncols = len(np.unique(msubj))
            got, rec = build(s, (m, p), m * ncols, m * nnz, 352, a, e0=e0, t0=t0)
            assert got == (e0 + m * ncols, t0 + m * nnz)
        elif kind == "sparse X, triplets":
            a["mcolptr"], a["mperm"] = group_columns(s, rng, msubj, nnz, p)
            a.update(xnidxs=s.w.put_i64(X.nidxs), xsp=s.w.put_i64(X.sp), xrowptr=s.w.take_i32(m + 1),
                     xrow=s.w.take_i32(X.n), xcol=s.w.take_i32(X.n), nbfix=nelem + nbfix,
                     xshape=None if len(X.shape) == 1 else i32(X.shape, stride))  # a vector needs no shape
            snaps = snap(s)
            call(353, base=a["xrowptr"], wi32=s.w.i32, n=m)
            call(354, **a)
            only_changed(s, snaps, w=dict(i32=[(a["xrowptr"], m + 1), (a["xrow"], X.n), (a["xcol"], X.n)]))
            rows, cols = np.nonzero(X.stored)
            same(s.w.i32, (a["xrow"], rows), (a["xcol"], cols), (a["xrowptr"], grouping(rows, m)[0]))
            snaps = snap(s)
            assert call(355, **a) == (e0 + nelem, t0 + nterms)
            only_changed(s, snaps)
            _, rec = build(s, (m, p), nelem, nterms, 356, a, nbfix=nelem + nbfix)
        elif kind == "triplets, sparse X":
            a.update(xnidxs=s.x.put_i64(X.nidxs), xsp=s.x.put_i64(X.sp), mrowptr=s.x.take_i32(m + 1),
                     xrow=s.x.take_i32(X.n), xcol=s.x.take_i32(X.n), xcolptr=s.x.take_i32(p + 1),
                     xperm=s.x.take_i32(X.n), nbfix=nelem + nbfix)
            snaps = snap(s)
            assert call(357, **a) == (e0 + nelem, t0 + nterms)
            only_changed(s, snaps, x=dict(i32=[(a[n], c) for n, c in (("mrowptr", m + 1), ("xrow", X.n),
                                                                      ("xcol", X.n), ("xcolptr", p + 1),
                                                                      ("xperm", X.n))]))
            rows, cols = np.nonzero(X.stored)
            ptr, perm = grouping(cols, p)
            same(s.x.i32, (a["mrowptr"], grouping(np.asarray(msubi), m)[0]), (a["xrow"], rows), (a["xcol"], cols),
                 (a["xcolptr"], ptr), (a["xperm"], perm))
            _, rec = build(s, (m, p), nelem, nterms, 359, a, nbfix=nelem + nbfix)
        else:
            a["xnidxs"] = s.x.put_i64(X.nidxs)
            got = call(358, **a, spare=int(rng.integers(-9, 9)))
            assert (got[0] - e0 * p, got[1]) == (nelem, nterms)
            _, rec = build(s, (m, p), nelem, nterms, 360, a)
        check_product(rng, rec, X, M, mstored, left)


@pytest.mark.parametrize("sparse", [0, 1])
def test_matrix_times_one_variable(sparse):
    rng = np.random.default_rng(364 + sparse)
    for case in range(30):
        nrows, ncols = (int(v) for v in rng.integers(0, 5, size=2))
        subi, subj, val = random_triplets(rng, nrows, ncols, density=None if sparse else 1.0)
        n, var = len(val), int(rng.integers(-5, 6))
        s = Stacks(size=512, stride=int(rng.integers(1, 3)))
        out = reserve(s.r, 0, n, n, sparse=bool(sparse))
        snaps = snap(s)
        k(364)(out.bfix, out.cof, s.r.f64, sparse, s.r.i32, s.r.i64, f64(val), ncols, i32(subi, 2) if sparse else None,
               i32(subj, 2) if sparse else None, n, out.nidxs, n, out.ptr, out.sp if sparse else 0, var)
        only_changed(s, snaps, r=runs(out, 0, n, n))
        rec = read(s.r, out, 0, n, n, bool(sparse), shape=(nrows, ncols))
        assert rec.nidxs.tolist() == [var] * n
        x, xbar = rng.normal(size=6), rng.normal(size=6)
        value = x[var - 1] if var > 0 else xbar[-var - 1] if var < 0 else 0.0
        want = dense_of(subi, subj, val, nrows, ncols) * value
        np.testing.assert_allclose(evaluate(rec, x, xbar), want, rtol=1e-12, atol=1e-12)


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
    a = dict(stack_args(s), mcof=f64([1.0, 2.0]), p=2, msubi=i32([0, 1]), msubj=i32([0, 1]), xnidxs=0, mperm=0,
             xrowstride=2, rnelem=4, rnnz=7)
    # m = 0 or no entries: the running counts come back unchanged and nothing is written.
    for m, nnz in ((0, 2), (3, 0)):
        assert build(s, (m, 2), 0, 0, 352, dict(a, m=m, nnz=nnz), e0=4, t0=7)[0] == (4, 7)
    # Sparse times sparse without a match: no element, but the nbfix constants are zeroed.
    s.x.i32[:8] = [0, 1, 0, 0, 1, 0, -1, 1]  # mrowptr (0, 1), xcolptr (0, 0, 1), xperm (0), xrow (1)
    _, rec = build(s, (1, 2), 0, 0, 359, dict(a, mcof=f64([5.0]), m=1, mrowptr=0, msubj=i32([0]), xperm=5,
                                              xcolptr=2, nbfix=3, xrow=7), nbfix=3)
    assert rec.ptr.tolist() == [0]
    # (x1, x2) times the column (0, 3): one element 0 x1 + 3 x2; a zero value gives a term.
    a.update(mcof=f64([0.0, 3.0]), nnz=2, msubi=i32([0, 0]), xnidxs=s.x.put_i64([1, 2]), p=1)
    _, rec = build(s, (1, 1), 1, 2, 360, a)
    assert rec.nidxs.tolist() == [1, 2] and rec.cof.tolist() == [0.0, 3.0] and rec.sp.tolist() == [0]
