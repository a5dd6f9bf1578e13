"""Native rows and terms: compressed rows, slacks, dense rows, term census, scalar and bar term lists."""
import numpy as np
import pytest

import fragments as F
from support.buffers import f64, i32, i64
from support.native_model import NOWHERE, SENTINEL, NativeModel, bar_value
from support.records import Record, evaluate, place
from support.stacks import Stack


@pytest.mark.parametrize("seed", range(4))
def test_compressed_rows_reassemble_the_value(seed):
    rng = np.random.default_rng(seed)
    model = NativeModel()
    rec = model.random_record(rng, int(rng.integers(0, 12))) if seed else \
        Record((2,), [0, 4, 4], [3, -1, 0, 5], [1.5, 2.0, 3.0, 4.5], [0.0, 1.0])
    start, stride = [0, 0, 3, 7][seed], [1, -1, 2, 1][seed]
    st = Stack(stride=1 + seed % 2)
    b, n = place(st, rec), rec.nelem
    rptrb = i64([start] + [0] * n, stride)
    snap = st.snapshot()
    F._c_closure_16(n, b.nidxs, b.ptr, rptrb, st.i32, st.i64)
    counts = np.array(rptrb)
    assert list(counts[1:]) == [np.count_nonzero(rec.terms(r)[0] > 0) for r in range(n)]
    F._c_closure_17(n, rptrb)
    assert np.array_equal(rptrb, np.cumsum(counts))
    nnz = int(rptrb[n])
    rsubj, rcof = i32(np.full(nnz + 2, NOWHERE), stride), f64(np.full(nnz + 2, SENTINEL), stride)
    assert F._c_closure_18(b.cof, start, n, b.nidxs, b.ptr, rcof, rsubj, st.f64, st.i32, st.i64) == nnz
    st.assert_only_changed(snap)
    assert np.all(rsubj[:start] == NOWHERE) and np.all(rsubj[nnz:] == NOWHERE) and np.all(rcof[nnz:] == SENTINEL)
    x, _, xbar = model.random_point(rng)
    want = evaluate(rec, x, np.zeros_like(xbar))
    for r in range(n):
        k = slice(rptrb[r], rptrb[r + 1])
        v = rec.terms(r)[0]
        assert list(rsubj[k]) == list(v[v > 0] - 1)  # stored order
        assert np.isclose(np.dot(rcof[k], x[rsubj[k]]) + rec.bfix[r], want[r])
    rptrb = i64([4, 9])
    F._c_closure_17(0, rptrb)
    assert list(rptrb) == [4, 9]
    if seed == 0:  # row pointers that go back: each row's own terms, row by row
        ptr = st.put_i32([2, 4, 0, 4])
        rsubj, rcof = i32([NOWHERE] * 4), f64([SENTINEL] * 4)
        assert F._c_closure_18(b.cof, 0, 3, b.nidxs, ptr, rcof, rsubj, st.f64, st.i32, st.i64) == 3
        assert list(rsubj) == [4, 2, 4, NOWHERE] and list(rcof) == [4.5, 1.5, 4.5, SENTINEL]


@pytest.mark.parametrize("seed", range(3))
def test_slack_coefficients(seed):
    rng = np.random.default_rng(seed)
    slack = rng.integers(-4, 6, size=10) if seed else np.array([0, 3, -2])
    rows = rng.integers(0, 10, size=rng.integers(0, 12)) if seed else np.array([0, 1, 2])
    stride, pos, init = [1, 2, -1][seed], int(rng.integers(0, 3)), int(rng.integers(0, 5))
    with_slack, n = rows[slack[rows] > 0], len(rows)
    assert F._c_closure_19(i32(rows, stride), i64(slack, stride), n, init) == init + len(with_slack)
    ii, jj = (i32(np.full(pos + n + 1, NOWHERE), stride) for _ in range(2))
    cc = f64(np.full(pos + n + 1, SENTINEL), stride)
    end = F._c_closure_20(cc, i32(rows, stride), ii, jj, pos, i64(slack, stride), n)
    assert end == pos + len(with_slack)
    assert list(ii[pos:end]) == list(with_slack) and list(jj[pos:end]) == list(slack[with_slack] - 1)
    assert np.all(cc[pos:end] == -1.0) and np.all(cc[end:] == SENTINEL) and np.all(ii[:pos] == NOWHERE)


def dense_rows(kernel, rec, varidxs, pos, stride=1):
    st = Stack(stride=stride)
    b = place(st, rec)
    cof = f64(np.full(pos + rec.nelem * len(varidxs) + 2, SENTINEL), stride)
    end = kernel(cof, b.cof, pos, rec.nelem, b.nidxs, b.ptr, i32(varidxs, stride), st.f64, st.i32, st.i64)
    assert end == pos + rec.nelem * len(varidxs)
    assert np.all(cof[:pos] == SENTINEL) and np.all(cof[end:] == SENTINEL)
    return cof[pos:end].reshape(rec.nelem, len(varidxs))


@pytest.mark.parametrize("kernel", [F._c_closure_21, F._c_closure_23])
def test_dense_rows_against_numpy(kernel):
    # Repeated terms on one variable add up; variables without a term stay untouched.
    rec = Record((2,), [0, 4, 6], [-3, 1, 1, 3, 2, 2], [9.0, 1.0, 2.0, 4.0, 0.5, 0.25], [0.0, 0.0])
    assert dense_rows(kernel, rec, [0, 1, 2], 0).tolist() == [[3.0, SENTINEL, 4.0], [SENTINEL, 0.75, SENTINEL]]
    for seed in range(4):
        rng = np.random.default_rng(seed)
        rec = NativeModel(nscalar=8).random_record(rng, int(rng.integers(0, 10)), sorted_terms=True)
        varidxs = np.sort(rng.choice(10, size=rng.integers(0, 8), replace=False))
        got = dense_rows(kernel, rec, varidxs, int(rng.integers(0, 5)), stride=1 + seed % 2)
        a, has = np.zeros((rec.nelem, 10)), np.zeros((rec.nelem, 10), bool)
        for r in range(rec.nelem):
            v, c = rec.terms(r)
            np.add.at(a[r], v[v > 0] - 1, c[v > 0])
            has[r, v[v > 0] - 1] = True
        assert np.allclose(got, np.where(has[:, varidxs], a[:, varidxs], SENTINEL))


@pytest.mark.parametrize("values,n,flag,want", [
    ([1, 4, 9], 3, 1, True), ([1, 4, 4], 3, 1, False), ([9, 4, 1], 1, 1, True), ([9, 4, 1], 1, 0, False),
    ([], 0, 3, True), ([1, 2, 3], 3, 0, False), ([5, 1, 9], 2, 1, False), ([1, 5, 2], 2, 1, True)])
def test_strict_order_examples(values, n, flag, want):
    assert F._c_closure_22(n, i64(values, 2), flag) is want


@pytest.mark.parametrize("seed", range(4))
def test_scalar_and_bar_terms_reassemble_the_value(seed):
    rng = np.random.default_rng(seed)
    model = NativeModel()
    parts = [model.random_terms(rng) for _ in range(6)]  # bar terms may follow scalar ones
    nidxs, cof = (np.concatenate([np.zeros(0)] + [p[i] for p in parts]) for i in (0, 1))
    nidxs = nidxs.astype(np.int64)
    n, stride = len(nidxs), [1, 2, 1, 3][seed]
    st = Stack(stride=stride)
    nb, cb = st.put_i64(nidxs), st.put_f64(cof)
    nscalar, nbar = int(np.sum(nidxs > 0)), int(np.sum(nidxs < 0))
    assert F._c_closure_24(2, nb, n, 5, st.i64) == (2 + nscalar, 5 + nbar)
    subj, scof = i32(np.full(n + 1, NOWHERE), stride), f64(np.full(n + 1, SENTINEL), stride)
    F._c_closure_25(scof, cb, nb, n, st.f64, st.i64, subj)
    assert list(subj[:nscalar]) == list(nidxs[nidxs > 0] - 1) and list(scof[:nscalar]) == list(cof[nidxs > 0])
    assert np.all(subj[nscalar:] == NOWHERE) and np.all(scof[nscalar:] == SENTINEL)
    bsubj, subk, subl = (i32(np.full(n + 1, NOWHERE), stride) for _ in range(3))
    val = f64(np.full(n + 1, SENTINEL), stride)
    F._c_closure_26(cb, model.natbarvar_i, model.natbarvar_idx, model.natbarvar_j, nb, n, st.f64, st.i64,
                    bsubj, subk, subl, val)
    assert np.all(bsubj[nbar:] == NOWHERE) and np.all(val[nbar:] == SENTINEL)  # compact from 0
    x, mats, xbar = model.random_point(rng)
    total = float(np.dot(scof[:nscalar], x[subj[:nscalar]]))
    total += bar_value(mats, model.natbarvar_dim, bsubj[:nbar], subk[:nbar], subl[:nbar], val[:nbar])
    assert np.isclose(total, evaluate(Record((1,), [0, n], nidxs, cof, [0.0]), x, xbar)[0])
