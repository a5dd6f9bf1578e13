"""Products of a constant matrix (triplets, dense, linear pattern) and a 2-D expression
record, their diagonals, and the counts of the left product: count and build passes on
random records against NumPy products of the evaluated operands, and against the terms
that each result element must hold, in merge order."""
import numpy as np
import pytest

from support.buffers import f64, i32, i64
from support.layout import appended_runs, pad, point, read_appended, some_record, value
from support.products import (assert_same, call, dense_matrix, elements_by_column, elements_by_row,
                              entries_by_column, entry_row_pointers, expected, operand_args, random_triplets,
                              result_args, stack_args, stored)
from support.records import Record, evaluate, place, read, reserve, runs
from support.stacks import Stacks

SEEDS = range(30)


def sizes(rng, count=3):
    return [int(v) for v in rng.integers(0, 5, size=count)]


class Case:
    """An operand E on the work stack, a matrix M, and the stacks."""

    def __init__(self, rng, shape, sparse, mshape=None, dense_m=False, E=None, triplets=None):
        self.rng = rng
        self.s = Stacks(4096, stride=int(rng.choice([1, 2])))
        self.E = some_record(rng, shape, sparse) if E is None else E
        pad(self.s.w, rng)
        self.eb = place(self.s.w, self.E)
        for st in (self.s.r, self.s.x):
            pad(st, rng)
        if mshape is not None:
            if triplets is None:
                triplets = random_triplets(rng, *mshape)
            self.msubi, self.msubj, self.mval = (np.asarray(v) for v in triplets)
            if dense_m:
                self.mval = dense_matrix(*mshape, self.msubi, self.msubj, self.mval).ravel()
                self.M = {(a, b): self.mval[a * mshape[1] + b] for a in range(mshape[0]) for b in range(mshape[1])}
            else:
                self.M = {(a, b): v for a, b, v in zip(self.msubi.tolist(), self.msubj.tolist(), self.mval)}
            self.Md = np.zeros(mshape)
            for (a, b), v in self.M.items():
                self.Md[a, b] = v
        self.xs = point(rng)

    def args(self, out=None, **more):
        stride = int(self.rng.choice([1, 2]))
        a = dict(stack_args(self.s), **operand_args(self.eb), msubi=i32(self.msubi, stride),
                 msubj=i32(self.msubj, stride), mval=f64(self.mval, stride))
        a.update(more)
        if out is not None:
            a.update(result_args(out))
        return a

    def meet(self, items):
        """(linear, pairs) per result position: items list, per position, the candidate
        (E linear index, M position) in merge order; a pair is kept where E stores the
        element and M has the entry."""
        idx = stored(self.E)
        return [(lin, [(idx[el], self.M[mp]) for el, mp in cand if el in idx and mp in self.M]) for lin, cand in items]

    def build(self, fn, nelem, nnz, sparse=True, e0=0, t0=0, x_written=(), fresh=False, nd=0):
        """Reserves the result, runs fn(out) and checks what it wrote (a fresh record also
        gets ptr[0] = 0, and its shape); returns (fn's result, record)."""
        out = reserve(self.s.r, nd, e0 + nelem, t0 + nnz, sparse=sparse)
        snaps = {w: getattr(self.s, w).snapshot() for w in "rwx"}
        ret = fn(out)
        if fresh:
            assert self.s.r.i32[out.ptr] == 0
            allowed = runs(out, nd, nelem, nnz)
        else:
            allowed = appended_runs(out, e0, t0, nelem, nnz, sparse)
        self.s.r.assert_only_changed(snaps["r"], **allowed)
        self.s.w.assert_only_changed(snaps["w"])
        self.s.x.assert_only_changed(snaps["x"], i32=list(x_written))
        self.out = out
        return ret, read_appended(self.s.r, out, e0, t0, nelem, nnz, (), sparse)

    def check(self, got, shape, positions, want_value, keep_all=False, constants=True):
        got.shape = shape
        assert_same(got, expected(self.E, shape, positions, keep_all, constants))
        np.testing.assert_allclose(evaluate(got, *self.xs), want_value, atol=1e-9)

    @property
    def Ev(self):
        return value(self.E, self.xs)


def offsets(rng):
    return int(rng.integers(0, 4)), int(rng.integers(0, 6))


def em_items(m, n, p):
    return [(i * p + c, [(i * n + k, (k, c)) for k in range(n)]) for i in range(m) for c in range(p)]


@pytest.mark.parametrize("seed", SEEDS)
def test_sparse_times_sparse(seed):
    rng = np.random.default_rng(seed)
    m, n, p = sizes(rng)
    c = Case(rng, (m, n), True, (n, p))
    erow = elements_by_row(rng, c.s, "x", m, n, c.E.nelem, c.eb.sp)
    mcol, mperm = entries_by_column(rng, c.s, "x", i32(c.msubj), p)
    e0, t0 = offsets(rng)
    a = c.args(m=m, n=n, p=p, erowptr=erow, mcolptr=mcol, mperm=mperm, rnelem=e0, rnnz=t0)
    ne, nt = call(331, **a)
    ret, got = c.build(lambda out: call(332, **c.args(out, **a)), ne - e0, nt - t0, e0=e0, t0=t0)
    assert ret == (ne, nt)
    c.check(got, (m, p), c.meet(em_items(m, n, p)), c.Ev @ c.Md)


@pytest.mark.parametrize("seed", SEEDS)
def test_dense_times_sparse(seed):
    rng = np.random.default_rng(100 + seed)
    m, n, p = sizes(rng)
    c = Case(rng, (m, n), False, (n, p))
    mcol, mperm = entries_by_column(rng, c.s, "x", i32(c.msubj), p)
    e0, t0 = offsets(rng)
    a = c.args(m=m, n=n, p=p, mcolptr=mcol, mperm=mperm, rnelem=e0, rnnz=t0)
    nt = call(333, **a)
    ret, got = c.build(lambda out: call(334, **c.args(out, **a)), m * p, nt - t0, e0=e0, t0=t0)
    assert ret == (e0 + m * p, nt)
    c.check(got, (m, p), c.meet(em_items(m, n, p)), c.Ev @ c.Md, keep_all=True)


@pytest.mark.parametrize("seed", SEEDS)
def test_times_dense_matrix(seed):
    rng = np.random.default_rng(200 + seed)
    m, n, p = sizes(rng)
    sparse = bool(rng.integers(2))
    c = Case(rng, (m, n), sparse, (n, p), dense_m=True)
    erow = c.s.x.put_i32(np.zeros(m + 1, dtype=np.int32))
    e0, t0 = offsets(rng)
    a = c.args(m=m, n=n, p=p, sparse=int(sparse), count=c.E.nelem, erowptr=erow, rnelem=e0, rnnz=t0)
    ret, got = c.build(lambda out: call(336, **c.args(out, **a)), m * p, p * c.E.nnz, sparse=False, e0=e0, t0=t0,
                       x_written=[(erow, m + 1)] if sparse else [])
    assert ret == (e0 + m * p, t0 + p * c.E.nnz)
    c.check(got, (m, p), c.meet(em_items(m, n, p)), c.Ev @ c.Md, keep_all=True)


def diag_em(m, n):
    return [(r, [(r * n + k, (k, r)) for k in range(n)]) for r in range(m)]


def diag_me(m, kdim, n):
    return [(r, [(k * n + r, (r, k)) for k in range(kdim)]) for r in range(m)]


@pytest.mark.parametrize("seed", SEEDS)
@pytest.mark.parametrize("sparse", [True, False])
def test_diagonal_of_e_times_m(seed, sparse):
    rng = np.random.default_rng(300 + seed)
    m, n = sizes(rng, 2)
    c = Case(rng, (m, n), sparse, (n, m))
    mcol, mperm = entries_by_column(rng, c.s, "w", i32(c.msubj), m)
    a = dict(m=m, n=n, mcolptr=mcol, mperm=mperm, rnelem=2, rnnz=5)
    if sparse:
        a["erowptr"] = elements_by_row(rng, c.s, "w", m, n, c.E.nelem, c.eb.sp)
    ne, nt = call(298 if sparse else 300, **c.args(**a))
    ret, got = c.build(lambda out: call(299 if sparse else 301, **c.args(out, **a)), ne - 2, nt - 5, fresh=True)
    assert ret is None
    c.check(got, (m,), c.meet(diag_em(m, n)), np.diag(c.Ev @ c.Md))


@pytest.mark.parametrize("seed", SEEDS)
@pytest.mark.parametrize("sparse", [True, False])
def test_diagonal_of_m_times_e(seed, sparse):
    rng = np.random.default_rng(400 + seed)
    m, kdim = sizes(rng, 2)
    c = Case(rng, (kdim, m), sparse, (m, kdim))
    a = dict(m=m, n=m, mrowptr=entry_row_pointers(rng, c.s, i32(c.msubi), m))
    positions = c.meet(diag_me(m, kdim, m))
    if sparse:
        a["ecolptr"], a["eperm"] = elements_by_column(rng, c.s, "w", m, c.E.nelem, c.eb.sp)
        ne, nt = call(313, **c.args(**a, rnelem=1, rnnz=3))
        ne, nt = ne - 1, nt - 3
        want = np.diag(c.Md @ c.Ev)
    else:  # the dense form takes no constants; its element count comes from the row pointers
        ne = call(306, n=m, base=a["mrowptr"], count=0, wi32=c.s.w.i32)
        nt = expected(c.E, (m,), positions).nnz
        want = np.diag(c.Md @ (c.Ev - evaluate(c.E, np.zeros(6), np.zeros(2))))
    c.build(lambda out: call(314 if sparse else 307, **c.args(out, **a)), ne, nt, fresh=True)
    got = read(c.s.r, c.out, 0, ne, nt, sparse=True, shape=(m,))
    c.check(got, (m,), positions, want, constants=sparse)


@pytest.mark.parametrize("seed", SEEDS)
def test_elementwise_product_with_a_pattern(seed):
    rng = np.random.default_rng(500 + seed)
    shape = tuple(sizes(rng, int(rng.integers(0, 4))))
    sparse = bool(rng.integers(2))
    c = Case(rng, shape, sparse)
    size = c.E.size
    msp = np.nonzero(rng.random(size) < rng.uniform(0.2, 1.0))[0].astype(np.int64)
    mcof = np.round(rng.normal(size=len(msp)), 3)
    e0, t0 = offsets(rng)
    a = dict(stack_args(c.s), **operand_args(c.eb), sparse=int(sparse), count=c.E.nelem, nd=len(shape),
             msp=i64(msp, int(rng.choice([1, 2]))), mcof=f64(mcof), rnelem=e0, rnnz=t0)
    ne, nt = call(317, **a)
    ne -= e0 if sparse else 0
    nt -= t0
    c.build(lambda out: call(319, **a, **result_args(out)), ne, nt, fresh=True, nd=len(shape))
    got = read(c.s.r, c.out, len(shape), ne, nt, sparse=True)
    assert got.shape == shape
    c.M = {int(e): v for e, v in zip(msp, mcof)}
    pattern = np.zeros(size)
    pattern[msp] = mcof
    c.check(got, shape, c.meet([(e, [(e, e)]) for e in msp.tolist()]), c.Ev * pattern.reshape(shape))


@pytest.mark.parametrize("seed", SEEDS)
def test_scalar_times_matrix(seed):
    rng = np.random.default_rng(600 + seed)
    nrows, ncols = sizes(rng, 2)
    c = Case(rng, (), False, (nrows, ncols))
    nnz = len(c.msubi)
    t0 = int(rng.integers(0, 5))
    a = c.args(ncols=ncols, nnz=nnz, count=c.E.nnz, rnnz=t0)
    ret, got = c.build(lambda out: call(321, **c.args(out, **a)), nnz, t0 + nnz * c.E.nnz - t0, t0=t0)
    assert ret == t0 + nnz * c.E.nnz
    items = [(i * ncols + j, [(0, (i, j))]) for i, j in zip(c.msubi.tolist(), c.msubj.tolist())]
    c.check(got, (nrows, ncols), c.meet(items), c.Ev * c.Md)


@pytest.mark.parametrize("seed", SEEDS)
@pytest.mark.parametrize("sparse", [True, False])
def test_counts_of_the_left_product(seed, sparse):
    rng = np.random.default_rng(700 + seed)
    m, n, q = sizes(rng)
    c = Case(rng, (n, q), sparse, (m, n))
    e0, t0 = offsets(rng)
    items = [(i * q + r, [(k * q + r, (i, k)) for k in range(n)]) for i in sorted(set(c.msubi.tolist()))
             for r in range(q)]
    want = expected(c.E, (m, q), c.meet(items), keep_all=not sparse)
    a = c.args(q=q, m=m, nnz=len(c.msubi), eterms=c.E.nnz, rnelem=e0, rnnz=t0)
    if sparse:
        a["ecolptr"], a["eperm"] = elements_by_column(rng, c.s, "x", q, c.E.nelem, c.eb.sp)
        assert call(344, **a, msparse=1) == (e0 + want.nelem, t0 + want.nnz)
        assert call(344, **a, msparse=0) == (q * m, c.E.nnz * m)
    else:
        for msparse in (0, 1):
            assert call(345, **a, msparse=msparse) == (e0 + want.nelem, t0 + want.nnz)


# (a + 1, 2b; 0, a - c) with a, b, c the variables 1, 2, 3, and M = (0, 2; 3, 0).
EXAMPLE = Record((2, 2), [0, 1, 2, 2, 4], [1, 2, 1, 3], [1.0, 2.0, 1.0, -1.0], [1.0, 0.0, 0.0, 0.0])
EXAMPLE_SPARSE = Record((2, 2), [0, 1, 2, 4], [1, 2, 1, 3], [1.0, 2.0, 1.0, -1.0], [1.0, 0.0, 0.0], sp=[0, 1, 3])
M_EXAMPLE = ([0, 1], [1, 0], [2.0, 3.0])


def as_lists(rec):
    return [rec.ptr.tolist(), rec.nidxs.tolist(), rec.cof.tolist(), rec.bfix.tolist()] + (
        [rec.sp.tolist()] if rec.sp is not None else [])


def sparse_product(c, m, n, p, e0=0, t0=0):
    erow = elements_by_row(c.rng, c.s, "x", m, n, c.E.nelem, c.eb.sp)
    mcol, mperm = entries_by_column(c.rng, c.s, "x", i32(c.msubj), p)
    a = c.args(m=m, n=n, p=p, erowptr=erow, mcolptr=mcol, mperm=mperm, rnelem=e0, rnnz=t0)
    ne, nt = call(331, **a)
    ret, got = c.build(lambda out: call(332, **c.args(out, **a)), ne - e0, nt - t0, e0=e0, t0=t0)
    assert ret == (ne, nt)
    return got


def test_example_products():
    rng = np.random.default_rng(1)
    c = Case(rng, None, None, (2, 2), E=EXAMPLE_SPARSE, triplets=M_EXAMPLE)
    # 6b, 2a + 2, 3a - 3c; (1, 1) meets no stored element.
    assert as_lists(sparse_product(c, 2, 2, 2)) == [[0, 1, 2, 4], [2, 1, 1, 3], [6.0, 2.0, 3.0, -3.0],
                                                    [0.0, 2.0, 0.0], [0, 1, 2]]
    c = Case(rng, None, None, (2, 2), E=EXAMPLE, triplets=M_EXAMPLE)
    mcol, mperm = entries_by_column(rng, c.s, "x", i32(c.msubj), 2)
    a = c.args(m=2, n=2, p=2, mcolptr=mcol, mperm=mperm, rnelem=0, rnnz=0)
    assert call(333, **a) == 4
    _, got = c.build(lambda out: call(334, **c.args(out, **a)), 4, 4)
    assert as_lists(got) == [[0, 1, 2, 4, 4], [2, 1, 1, 3], [6.0, 2.0, 3.0, -3.0], [0.0, 2.0, 0.0, 0.0], [0, 1, 2, 3]]
    # Dense M: zero values keep their terms.
    a = c.args(m=2, n=2, p=2, sparse=0, count=4, erowptr=0, rnelem=0, rnnz=0, mval=f64([0.0, 2.0, 3.0, 0.0]))
    _, got = c.build(lambda out: call(336, **c.args(out, **a)), 4, 8, sparse=False)
    assert as_lists(got) == [[0, 2, 4, 6, 8], [1, 2, 1, 2, 1, 3, 1, 3], [0.0, 6.0, 2.0, 0.0, 3.0, -3.0, 0.0, -0.0],
                             [0.0, 2.0, 0.0, 0.0]]


def test_sparse_product_without_any_match_writes_nothing():
    rng = np.random.default_rng(2)
    E = Record((2, 2), [0, 1], [1], [1.0], [4.0], sp=[0])  # only (0, 0) stored
    c = Case(rng, None, None, (2, 2), E=E, triplets=([1], [1], [5.0]))  # only (1, 1)
    got = sparse_product(c, 2, 2, 2, e0=3, t0=4)
    assert got.nelem == 0 and got.nnz == 0


def test_two_entries_of_one_column_on_the_same_variable_give_two_terms():
    rng = np.random.default_rng(3)
    E = Record((1, 2), [0, 1, 2], [1, 1], [1.0, 2.0], [0.5, 0.0], sp=[0, 1])  # (a + 0.5, 2a)
    c = Case(rng, None, None, (2, 1), E=E, triplets=([0, 1], [0, 0], [1.0, -1.0]))
    assert as_lists(sparse_product(c, 1, 2, 1)) == [[0, 2], [1, 1], [1.0, -2.0], [0.5], [0]]


@pytest.mark.parametrize("kernels", [(331, 332), (298, 299), (300, 301), (313, 314)])
def test_a_match_on_a_constant_alone_is_stored(kernels):
    # E = (5) stored with no terms, M = (2): every product holds the constant 10.
    rng = np.random.default_rng(4)
    sparse = kernels[0] != 300
    E = Record((1, 1), [0, 0], [], [], [5.0], sp=[0] if sparse else None)
    c = Case(rng, None, None, (1, 1), E=E, triplets=([0], [0], [2.0]))
    a = c.args(m=1, n=1, p=1, rnelem=0, rnnz=0)
    if kernels[0] == 331:
        a["erowptr"] = elements_by_row(rng, c.s, "x", 1, 1, 1, c.eb.sp)
        a["mcolptr"], a["mperm"] = entries_by_column(rng, c.s, "x", i32([0]), 1)
    elif kernels[0] == 313:
        a["mrowptr"] = entry_row_pointers(rng, c.s, i32([0]), 1)
        a["ecolptr"], a["eperm"] = elements_by_column(rng, c.s, "w", 1, 1, c.eb.sp)
    else:
        a["erowptr"] = elements_by_row(rng, c.s, "w", 1, 1, 1, c.eb.sp) if sparse else 0
        a["mcolptr"], a["mperm"] = entries_by_column(rng, c.s, "w", i32([0]), 1)
    assert tuple(call(kernels[0], **a)) == (1, 0)
    c.build(lambda out: call(kernels[1], **c.args(out, **a)), 1, 0, fresh=kernels[0] != 331)
    got = read(c.s.r, c.out, 0, 1, 0, sparse=True)
    assert as_lists(got) == [[0, 0], [], [], [10.0], [0]]
