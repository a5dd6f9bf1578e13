"""Products of a constant matrix (triplets, dense, pattern) and a 2-D record and their diagonals,
against NumPy on the evaluated operands and the terms of each element in merge order."""
import numpy as np
import pytest

from support.buffers import f64, i32, i64
from support.layout import appended_runs, only_changed, pad, point, put, read_appended, snap, some_record, value
from support.products import (EXAMPLE_DENSE, EXAMPLE_SPARSE, assert_elements, bases_args, call, dense_of,
                              elements_by_column, elements_by_row, entries_by_column, entry_row_pointers,
                              met_elements, random_triplets, stack_args, stored_at)
from support.records import Record, evaluate, read, reserve, runs
from support.stacks import Stacks

SEEDS = range(20)


def sizes(rng, count=3):
    return [int(v) for v in rng.integers(0, 5, size=count)]


class Case:
    """An operand E on the work stack, triplets M, and the stacks."""

    def __init__(self, rng, E, triplets=((), (), ())):
        self.rng, self.E, self.s = rng, E, Stacks(4096, stride=int(rng.choice([1, 2])))
        self.eb = put(self.s.w, E, rng)
        pad(self.s.r, rng)
        pad(self.s.x, rng)
        self.msubi, self.msubj, self.mval = (np.asarray(v) for v in triplets)
        self.M = {(a, b): v for a, b, v in zip(self.msubi.tolist(), self.msubj.tolist(), self.mval)}
        self.xs = point(rng)
        self.Ev = value(E, self.xs)

    def args(self, **more):
        st = int(self.rng.choice([1, 2]))
        return dict(stack_args(self.s), **bases_args(self.eb), msubi=i32(self.msubi, st), msubj=i32(self.msubj, st),
                    mval=f64(self.mval, st)) | more

    def meet(self, items):
        """(linear, pairs) per position from candidate (E linear index, M position) pairs met in both."""
        at = stored_at(self.E)
        return [(lin, [(at[el], self.M[mp]) for el, mp in cand if el in at and mp in self.M]) for lin, cand in items]

    def build(self, number, a, nelem, nnz, sparse=True, e0=0, t0=0, x_written=(), fresh=False, nd=0):
        """Runs the build kernel on a reserved result, checks what it wrote; returns (its result, record)."""
        r, out = self.s.r, reserve(self.s.r, nd, e0 + nelem, t0 + nnz, sparse=sparse)
        snaps = snap(self.s)
        ret = call(number, **a, **bases_args(out, "r"))
        assert not fresh or r.i32[out.ptr] == 0
        only_changed(self.s, snaps, r=runs(out, nd, nelem, nnz) if fresh else appended_runs(
            out, e0, t0, nelem, nnz, sparse), x=dict(i32=list(x_written)))
        return ret, read(r, out, nd, nelem, nnz, sparse=True) if fresh else read_appended(
            r, out, e0, t0, nelem, nnz, (), sparse)

    def check(self, got, shape, positions, want_value, keep_all=False, constants=True):
        got.shape = shape
        assert_elements(got, met_elements(self.E, positions, keep_all, constants))
        np.testing.assert_allclose(evaluate(got, *self.xs), want_value, atol=1e-9)


def offsets(rng):
    return int(rng.integers(0, 4)), int(rng.integers(0, 6))


def em_items(m, n, p):
    return [(i * p + c, [(i * n + k, (k, c)) for k in range(n)]) for i in range(m) for c in range(p)]


def e_times_m(c, kind, m, n, p, e0=0, t0=0, road=None):
    """E M: sparse E and M (331/332), dense E (333/334) or dense M (336); count pass == build pass.
    road: how M's grouping on the scratch stack is built (entries_by_column)."""
    rng, E = c.rng, c.E
    a = c.args(m=m, n=n, p=p, rnelem=e0, rnnz=t0)
    if kind == "sparse":
        a["erowptr"] = elements_by_row(rng, c.s, "x", m, n, E.nelem, c.eb.sp)
    if kind != "dense M":
        a["mcolptr"], a["mperm"] = entries_by_column(rng, c.s, "x", i32(c.msubj), p, road)
    if kind == "sparse":
        ne, nt = call(331, **a)
    elif kind == "dense":
        ne, nt = e0 + m * p, call(333, **a)
    else:
        a.update(sparse=int(E.sparse), count=E.nelem, erowptr=c.s.x.put_i32(np.zeros(m + 1, np.int32)))
        ne, nt = e0 + m * p, t0 + p * E.nnz
    xw = [(a["erowptr"], m + 1)] if kind == "dense M" and E.sparse else []
    ret, got = c.build({"sparse": 332, "dense": 334, "dense M": 336}[kind], a, ne - e0, nt - t0,
                       sparse=kind != "dense M", e0=e0, t0=t0, x_written=xw)
    assert tuple(ret) == (ne, nt)
    return got


@pytest.mark.parametrize("seed", SEEDS)
@pytest.mark.parametrize("kind", ["sparse", "dense", "dense M"])
def test_e_times_m_matches_numpy(kind, seed):
    rng = np.random.default_rng(100 * len(kind) + seed)
    m, n, p = sizes(rng)
    sparse = kind == "sparse" or (kind == "dense M" and bool(rng.integers(2)))
    c = Case(rng, some_record(rng, (m, n), sparse), random_triplets(rng, n, p))
    if kind == "dense M":
        c.mval = dense_of(c.msubi, c.msubj, c.mval, n, p).ravel()
        c.M = {(a, b): c.mval[a * p + b] for a in range(n) for b in range(p)}
    got = e_times_m(c, kind, m, n, p, *offsets(rng))
    c.check(got, (m, p), c.meet(em_items(m, n, p)), c.Ev @ dense_of(c.msubi, c.msubj, c.mval, n, p)
            if kind != "dense M" else c.Ev @ c.mval.reshape(n, p), keep_all=kind != "sparse")


@pytest.mark.parametrize("road", ["294", "326"])
@pytest.mark.parametrize("kind", ["sparse", "dense"])
def test_mperm_by_either_road_gives_the_numpy_product(kind, road):
    # mperm on the scratch stack: the one-call sort run there, or the inverse of 326's positions.
    rng = np.random.default_rng(7)
    c = Case(rng, some_record(rng, (3, 4), kind == "sparse"), random_triplets(rng, 4, 3, density=0.6))
    got = e_times_m(c, kind, 3, 4, 3, road=road)
    c.check(got, (3, 3), c.meet(em_items(3, 4, 3)), c.Ev @ dense_of(c.msubi, c.msubj, c.mval, 4, 3),
            keep_all=kind == "dense")


@pytest.mark.parametrize("seed", SEEDS)
@pytest.mark.parametrize("sparse", [True, False])
def test_diagonal_of_e_times_m(seed, sparse):
    rng = np.random.default_rng(300 + seed)
    m, n = sizes(rng, 2)
    c = Case(rng, some_record(rng, (m, n), sparse), random_triplets(rng, n, m))
    a = c.args(m=m, n=n, rnelem=2, rnnz=5)
    a["mcolptr"], a["mperm"] = entries_by_column(rng, c.s, "w", i32(c.msubj), m)
    if sparse:
        a["erowptr"] = elements_by_row(rng, c.s, "w", m, n, c.E.nelem, c.eb.sp)
    ne, nt = call(298 if sparse else 300, **a)
    ret, got = c.build(299 if sparse else 301, a, ne - 2, nt - 5, fresh=True)
    assert ret is None
    items = [(r, [(r * n + k, (k, r)) for k in range(n)]) for r in range(m)]
    c.check(got, (m,), c.meet(items), np.diag(c.Ev @ dense_of(c.msubi, c.msubj, c.mval, n, m)))


@pytest.mark.parametrize("seed", SEEDS)
@pytest.mark.parametrize("sparse", [True, False])
def test_diagonal_of_m_times_e(seed, sparse):
    rng = np.random.default_rng(400 + seed)
    m, kdim = sizes(rng, 2)
    c = Case(rng, some_record(rng, (kdim, m), sparse), random_triplets(rng, m, kdim))
    a = c.args(m=m, n=m, rnelem=1, rnnz=3)
    a["mrowptr"] = entry_row_pointers(rng, c.s, i32(c.msubi), m)
    positions = c.meet([(r, [(k * m + r, (r, k)) for k in range(kdim)]) for r in range(m)])
    Md = dense_of(c.msubi, c.msubj, c.mval, m, kdim)
    if sparse:
        a["ecolptr"], a["eperm"] = elements_by_column(rng, c.s, "w", m, c.E.nelem, c.eb.sp)
        ne, nt = (v - d for v, d in zip(call(313, **a), (1, 3)))
        want = np.diag(Md @ c.Ev)
    else:  # no constants; the element count comes from the row pointers
        ne = call(306, n=m, base=a["mrowptr"], count=0, wi32=c.s.w.i32)
        nt = sum(len(t) for t, _ in met_elements(c.E, positions).values())
        want = np.diag(Md @ (c.Ev - evaluate(c.E, np.zeros(6), np.zeros(2))))
    _, got = c.build(314 if sparse else 307, a, ne, nt, fresh=True)
    c.check(got, (m,), positions, want, constants=sparse)


@pytest.mark.parametrize("seed", SEEDS)
def test_elementwise_product_with_a_pattern(seed):
    rng = np.random.default_rng(500 + seed)
    shape = tuple(sizes(rng, int(rng.integers(0, 4))))
    sparse = bool(rng.integers(2))
    c = Case(rng, some_record(rng, shape, sparse))
    msp = np.nonzero(rng.random(c.E.size) < rng.uniform(0.2, 1.0))[0].astype(np.int64)
    mcof = np.round(rng.normal(size=len(msp)), 3)
    e0, t0 = offsets(rng)
    a = c.args(sparse=int(sparse), count=c.E.nelem, nd=len(shape), msp=i64(msp, int(rng.choice([1, 2]))),
               mcof=f64(mcof), rnelem=e0, rnnz=t0)
    ne, nt = call(317, **a)
    ne, nt = ne - (e0 if sparse else 0), nt - t0
    _, got = c.build(319, a, ne, nt, fresh=True, nd=len(shape))
    assert got.shape == shape
    c.M = {int(e): v for e, v in zip(msp, mcof)}
    pattern = np.zeros(c.E.size)
    pattern[msp] = mcof
    c.check(got, shape, c.meet([(e, [(e, e)]) for e in msp.tolist()]), c.Ev * pattern.reshape(shape))


@pytest.mark.parametrize("seed", SEEDS)
def test_scalar_times_matrix(seed):
    rng = np.random.default_rng(600 + seed)
    nrows, ncols = sizes(rng, 2)
    c = Case(rng, some_record(rng, (), False), random_triplets(rng, nrows, ncols))
    nnz, t0 = len(c.msubi), int(rng.integers(0, 5))
    ret, got = c.build(321, c.args(ncols=ncols, nnz=nnz, count=c.E.nnz, rnnz=t0), nnz, nnz * c.E.nnz, t0=t0)
    assert ret == t0 + nnz * c.E.nnz
    items = [(i * ncols + j, [(0, (i, j))]) for i, j in zip(c.msubi.tolist(), c.msubj.tolist())]
    c.check(got, (nrows, ncols), c.meet(items), c.Ev * dense_of(c.msubi, c.msubj, c.mval, nrows, ncols))


def as_lists(rec):
    return [rec.ptr.tolist(), rec.nidxs.tolist(), rec.cof.tolist(), rec.bfix.tolist()] + (
        [rec.sp.tolist()] if rec.sp is not None else [])


M_EXAMPLE = ([0, 1], [1, 0], [2.0, 3.0])  # (0, 2; 3, 0)


@pytest.mark.parametrize("kind, E, M, e0, t0, want", [
    # 6b, 2a + 2, 3a - 3c; (1, 1) meets no stored element.
    ("sparse", EXAMPLE_SPARSE, M_EXAMPLE, 0, 0,
     [[0, 1, 2, 4], [2, 1, 1, 3], [6.0, 2.0, 3.0, -3.0], [0.0, 2.0, 0.0], [0, 1, 2]]),
    ("dense", EXAMPLE_DENSE, M_EXAMPLE, 0, 0,
     [[0, 1, 2, 4, 4], [2, 1, 1, 3], [6.0, 2.0, 3.0, -3.0], [0.0, 2.0, 0.0, 0.0], [0, 1, 2, 3]]),
    # Dense M: zero values keep their terms.
    ("dense M", EXAMPLE_DENSE, ([], [], [0.0, 2.0, 3.0, 0.0]), 0, 0,
     [[0, 2, 4, 6, 8], [1, 2, 1, 2, 1, 3, 1, 3], [0.0, 6.0, 2.0, 0.0, 3.0, -3.0, 0.0, -0.0], [0.0, 2.0, 0.0, 0.0]]),
    # No match anywhere: nothing written after the running counts.
    ("sparse", Record((2, 2), [0, 1], [1], [1.0], [4.0], sp=[0]), ([1], [1], [5.0]), 3, 4, [[0], [], [], [], []]),
    # Two entries of one column on the same variable give two terms: (a + 0.5, 2a) (1; -1).
    ("sparse", Record((1, 2), [0, 1, 2], [1, 1], [1.0, 2.0], [0.5, 0.0], sp=[0, 1]), ([0, 1], [0, 0], [1.0, -1.0]),
     0, 0, [[0, 2], [1, 1], [1.0, -2.0], [0.5], [0]]),
])
def test_worked_examples(kind, E, M, e0, t0, want):
    c = Case(np.random.default_rng(1), E, M)
    m, n = E.shape
    assert as_lists(e_times_m(c, kind, m, n, 1 if m == 1 else 2, e0, t0)) == want


@pytest.mark.parametrize("count, build", [(331, 332), (298, 299), (300, 301), (313, 314)])
def test_a_match_on_a_constant_alone_is_stored(count, build):
    # E = (5) stored with no terms, M = (2): every product holds the constant 10.
    rng = np.random.default_rng(4)
    sparse = count != 300
    c = Case(rng, Record((1, 1), [0, 0], [], [], [5.0], sp=[0] if sparse else None), ([0], [0], [2.0]))
    a = c.args(m=1, n=1, p=1, rnelem=0, rnnz=0)
    if count == 313:
        a["mrowptr"] = entry_row_pointers(rng, c.s, i32([0]), 1)
        a["ecolptr"], a["eperm"] = elements_by_column(rng, c.s, "w", 1, 1, c.eb.sp)
    else:
        where = "x" if count == 331 else "w"
        a["erowptr"] = elements_by_row(rng, c.s, where, 1, 1, 1, c.eb.sp) if sparse else 0
        a["mcolptr"], a["mperm"] = entries_by_column(rng, c.s, where, i32([0]), 1)
    assert tuple(call(count, **a)) == (1, 0)
    _, got = c.build(build, a, 1, 0, fresh=count != 331)
    assert as_lists(got)[:4] == [[0, 0], [], [], [10.0]] and got.sp.tolist() == [0]
