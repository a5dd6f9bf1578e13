"""Native rows and terms from expression records: compressed rows, slack coefficients,
dense rows over a variable list, term census and the scalar and bar term lists."""
import numpy as np
import pytest

import fragments as F
from support.buffers import JUNK, f64, i32, i64
from support.native_model import NativeModel, inner, symmetric_matrix
from support.records import Record, evaluate, place, random_record
from support.stacks import Stack

SENTINEL = JUNK[np.float64]
NOWHERE = JUNK[np.int32]


def scalar_matrix(rec, ncols):
    """The record's scalar terms as a dense nelem × ncols matrix (repeated terms add)."""
    a = np.zeros((rec.nelem, ncols))
    for r in range(rec.nelem):
        v, c = rec.terms(r)
        np.add.at(a[r], v[v > 0] - 1, c[v > 0])
    return a


def compressed_rows(rec, stack_stride=1, out_stride=1, start=0):
    """Runs the count, pointer and fill kernels over rec on a work stack; returns
    (rptrb, rsubj, rcof) as the kernels left them."""
    st = Stack(stride=stack_stride)
    b = place(st, rec)
    n = rec.nelem
    rptrb = i64(np.zeros(n + 1), out_stride)
    rptrb[0] = start
    snap = st.snapshot()
    F._c_closure_16(n, b.nidxs, b.ptr, rptrb, st.i32, st.i64)
    counts = rptrb.copy()
    F._c_closure_17(n, rptrb)
    assert np.array_equal(rptrb, np.cumsum(counts))
    nnz = int(rptrb[n])
    rsubj = i32(np.full(nnz + 2, NOWHERE), out_stride)
    rcof = f64(np.full(nnz + 2, SENTINEL), out_stride)
    assert F._c_closure_18(b.cof, start, n, b.nidxs, b.ptr, rcof, rsubj, st.f64, st.i32, st.i64) == nnz
    st.assert_only_changed(snap)
    assert np.all(rsubj[:start] == NOWHERE) and np.all(rsubj[nnz:] == NOWHERE)
    assert np.all(rcof[:start] == SENTINEL) and np.all(rcof[nnz:] == SENTINEL)
    return counts, rptrb, rsubj, rcof


def test_row_with_mixed_indexes():
    rec = Record((1,), [0, 4], [3, -1, 0, 5], [1.5, 2.0, 3.0, 4.5], [0.0])
    counts, rptrb, rsubj, rcof = compressed_rows(rec)
    assert list(counts) == [0, 2]
    assert list(rsubj[:2]) == [2, 4] and list(rcof[:2]) == [1.5, 4.5]


@pytest.mark.parametrize("seed", range(4))
def test_compressed_rows_match_dense_matrix(seed):
    rng = np.random.default_rng(seed)
    model = NativeModel()
    rec = random_record(rng, (int(rng.integers(0, 12)),), max_terms=5, nvars=model.nscalar, bar=model.nbarelem)
    start = [0, 0, 3, 7][seed]
    counts, rptrb, rsubj, rcof = compressed_rows(rec, stack_stride=1 + seed % 2, out_stride=[1, -1, 2, 1][seed],
                                                 start=start)
    n = rec.nelem
    a = np.zeros((n, model.nscalar))
    for r in range(n):
        k = slice(rptrb[r], rptrb[r + 1])
        v, c = rec.terms(r)
        assert list(rsubj[k]) == list(v[v > 0] - 1)  # stored order
        np.add.at(a[r], rsubj[k], rcof[k])
    assert np.allclose(a, scalar_matrix(rec, model.nscalar))
    x, _, xbar = model.random_point(rng)
    assert np.allclose(a @ x + rec.bfix, evaluate(rec, x, np.zeros_like(xbar)))


def test_row_pointers_of_no_rows():
    rptrb = i64([4, 9])
    F._c_closure_17(0, rptrb)
    assert list(rptrb) == [4, 9]


def test_slack_coefficients_worked_example():
    slack = i64([0, 3, -2])
    conidxs = i32([0, 1, 2])
    assert F._c_closure_19(conidxs, slack, 3, 10) == 11
    ii, jj, cc = np.full(3, -5, np.int32), np.full(3, -5, np.int32), np.full(3, SENTINEL)
    assert F._c_closure_20(cc, conidxs, ii, jj, 1, slack, 3) == 2
    assert list(ii) == [-5, 1, -5] and list(jj) == [-5, 2, -5] and list(cc) == [SENTINEL, -1.0, SENTINEL]


@pytest.mark.parametrize("seed", range(3))
def test_slack_coefficients(seed):
    rng = np.random.default_rng(seed)
    slack = rng.integers(-4, 6, size=10)
    rows = rng.integers(0, 10, size=rng.integers(0, 12))
    stride, pos, init = [1, 2, -1][seed], int(rng.integers(0, 3)), int(rng.integers(0, 5))
    with_slack = rows[slack[rows] > 0]
    n = len(rows)
    assert F._c_closure_19(i32(rows, stride), i64(slack, stride), n, init) == init + len(with_slack)
    ii, jj = (i32(np.full(pos + n + 1, NOWHERE), stride) for _ in range(2))
    cc = f64(np.full(pos + n + 1, SENTINEL), stride)
    end = F._c_closure_20(cc, i32(rows, stride), ii, jj, pos, i64(slack, stride), n)
    assert end == pos + len(with_slack)
    assert list(ii[pos:end]) == list(with_slack)
    assert list(jj[pos:end]) == list(slack[with_slack] - 1)
    assert np.all(cc[pos:end] == -1.0) and np.all(cc[end:] == SENTINEL) and np.all(ii[:pos] == NOWHERE)


def dense_rows(rec, varidxs, pos, kernel=F._c_closure_21, stride=1):
    st = Stack(stride=stride)
    b = place(st, rec)
    size = pos + rec.nelem * len(varidxs) + 2
    cof = f64(np.full(size, SENTINEL), stride)
    end = kernel(cof, b.cof, pos, rec.nelem, b.nidxs, b.ptr, i32(varidxs, stride), st.f64, st.i32, st.i64)
    assert end == pos + rec.nelem * len(varidxs)
    assert np.all(cof[:pos] == SENTINEL) and np.all(cof[end:] == SENTINEL)
    return cof[pos:end].reshape(rec.nelem, len(varidxs))


def test_dense_row_worked_example():
    rec = Record((1,), [0, 3], [1, 2, 5], [1.5, 2.5, 3.5], [0.0])
    for kernel in (F._c_closure_21, F._c_closure_23):
        assert list(dense_rows(rec, [0, 2, 4], 2, kernel)[0]) == [1.5, SENTINEL, 3.5]


def test_dense_row_adds_repeated_terms():
    rec = Record((2,), [0, 4, 6], [-3, 1, 1, 3, 2, 2], [9.0, 1.0, 2.0, 4.0, 0.5, 0.25], [0.0, 0.0])
    got = dense_rows(rec, [0, 1, 2], 0)
    assert list(got[0]) == [3.0, SENTINEL, 4.0]
    assert list(got[1]) == [SENTINEL, 0.75, SENTINEL]


@pytest.mark.parametrize("seed", range(4))
def test_dense_rows_match_dense_matrix(seed):
    rng = np.random.default_rng(seed)
    model = NativeModel(nscalar=8)
    rec = model.random_record(rng, int(rng.integers(0, 10)), sorted_terms=True)
    varidxs = np.sort(rng.choice(10, size=rng.integers(0, 8), replace=False))
    got = dense_rows(rec, varidxs, int(rng.integers(0, 5)), stride=1 + seed % 2)
    a = np.zeros((rec.nelem, 10))
    a[:, :8] = scalar_matrix(rec, 8)
    has = np.zeros((rec.nelem, 10), bool)
    for r in range(rec.nelem):
        v = rec.terms(r)[0]
        has[r, v[v > 0] - 1] = True
    want = np.where(has[:, varidxs], a[:, varidxs], SENTINEL)
    assert np.allclose(got, want)


@pytest.mark.parametrize("values,n,flag,want", [
    ([1, 4, 9], 3, 1, True), ([1, 4, 4], 3, 1, False), ([9, 4, 1], 1, 1, True), ([9, 4, 1], 1, 0, False),
    ([], 0, 3, True), ([1, 2, 3], 3, 0, False), ([5, 1, 9], 2, 1, False), ([1, 5, 2], 2, 1, True)])
def test_strict_order_examples(values, n, flag, want):
    assert F._c_closure_22(n, i64(values, 2), flag) is want


def result_terms(model, rng, nelem=6):
    """A run of terms as several records' elements concatenated: bar terms may follow
    scalar ones, and index 0 occurs."""
    parts = [model.random_terms(rng) for _ in range(nelem)]
    return np.concatenate([np.zeros(0, np.int64)] + [p[0] for p in parts]), \
        np.concatenate([np.zeros(0)] + [p[1] for p in parts])


def test_term_census_example():
    ri64 = i64([7, 2, 0, -7, 7])
    assert F._c_closure_24(3, 1, 3, 5, ri64) == (4, 6)


def test_bar_term_halving():
    model = NativeModel()
    diag, off = model.elements_of(3)[0], model.elements_of(3)[1]  # (0,0) and (1,0) of a 3 × 3
    subj, subk, subl = (np.full(2, NOWHERE, np.int32) for _ in range(3))
    val = np.full(2, SENTINEL)
    F._c_closure_26(0, model.natbarvar_i, model.natbarvar_idx, model.natbarvar_j, 0, 2, f64([3.0, 5.0]),
                    i64([-1 - diag, -1 - off]), subj, subk, subl, val)
    assert list(subj) == [3, 3] and list(subk) == [0, 1] and list(subl) == [0, 0]
    assert list(val) == [3.0, 2.5]


@pytest.mark.parametrize("seed", range(4))
def test_scalar_and_bar_terms_reassemble_the_value(seed):
    rng = np.random.default_rng(seed)
    model = NativeModel()
    nidxs, cof = result_terms(model, rng)
    n = len(nidxs)
    stride = [1, 2, 1, 3][seed]
    st = Stack(stride=stride)
    nb, cb = st.put_i64(nidxs), st.put_f64(cof)
    nscalar, nbar = int(np.sum(nidxs > 0)), int(np.sum(nidxs < 0))
    assert F._c_closure_24(2, nb, n, 5, st.i64) == (2 + nscalar, 5 + nbar)

    subj = i32(np.full(n + 1, NOWHERE), stride)
    scof = f64(np.full(n + 1, SENTINEL), stride)
    F._c_closure_25(scof, cb, nb, n, st.f64, st.i64, subj)
    assert list(subj[:nscalar]) == list(nidxs[nidxs > 0] - 1)
    assert list(scof[:nscalar]) == list(cof[nidxs > 0])
    assert np.all(subj[nscalar:] == NOWHERE) and np.all(scof[nscalar:] == SENTINEL)

    bsubj, subk, subl = (i32(np.full(n + 1, NOWHERE), stride) for _ in range(3))
    val = f64(np.full(n + 1, SENTINEL), stride)
    F._c_closure_26(cb, model.natbarvar_i, model.natbarvar_idx, model.natbarvar_j, nb, n, st.f64, st.i64,
                    bsubj, subk, subl, val)
    assert np.all(bsubj[nbar:] == NOWHERE) and np.all(val[nbar:] == SENTINEL)
    p = -1 - nidxs[nidxs < 0]
    assert list(bsubj[:nbar]) == list(model.natbarvar_idx[p])

    x, mats, xbar = model.random_point(rng)
    total = float(np.dot(scof[:nscalar], x[subj[:nscalar]]))
    for b in range(model.nbar):
        mine = bsubj[:nbar] == b
        c = symmetric_matrix(model.natbarvar_dim[b], subk[:nbar][mine], subl[:nbar][mine], val[:nbar][mine])
        total += inner(c, mats[b])
    rec = Record((1,), [0, n], nidxs, cof, [0.0])
    assert np.isclose(total, evaluate(rec, x, xbar)[0])
