"""Solver rows with a constant column and slacks, semidefinite term groups, bar element positions."""
import itertools

import numpy as np
import pytest

import fragments as F
from support.buffers import i32, i64
from support.native_model import NOWHERE, SENTINEL, NativeModel, bar_value
from support.records import Record, evaluate, place
from support.stacks import Stack


def build(model, rec, slack=None, constidx=None, start=0, stride=1):
    """Runs the count, row and group kernels over rec; returns counts, rows and groups
    as lists: rows[e] = [(subj, cof)], groups = [(b, dim, [(i, j, cof)])], ptr."""
    st = Stack(stride=stride)
    b, n = place(st, rec), rec.nelem
    constidx = model.nscalar if constidx is None else constidx
    counts = F._c_closure_53(1, 2, model.natbarvar_idx, n, b.nidxs, b.ptr, st.i32, st.i64, 3)
    ngroups, nscalar, nbar = counts[0] - 1, counts[1] - 2, counts[2] - 3
    snap = st.snapshot()
    size = nscalar + n * (2 if slack is not None else 1)
    subj, cof = i32(np.full(size + 1, NOWHERE), stride), np.full(size + 1, SENTINEL)
    ptrb = i64([start] + [-1] * n, stride)
    F._c_closure_54(b.bfix, constidx, cof, b.cof, n, b.nidxs, b.ptr, ptrb, st.f64, st.i32, st.i64,
                    None if slack is None else i32(slack, stride), subj)
    assert ptrb[n] - start == size and subj[size] == NOWHERE and cof[size] == SENTINEL
    rows = [list(zip(subj[ptrb[e] - start:ptrb[e + 1] - start], cof[ptrb[e] - start:ptrb[e + 1] - start]))
            for e in range(n)]
    barsubj, matdim = (i32(np.full(ngroups + 1, NOWHERE), stride) for _ in range(2))
    matnnz = i64(np.full(ngroups + 1, -1), stride)
    matsubi, matsubj = (i32(np.full(nbar + 1, NOWHERE), stride) for _ in range(2))
    matcof = np.full(nbar + 1, SENTINEL)
    ptr = i64([0] + [-1] * n, stride)
    assert F._c_closure_55(0, 0, barsubj, b.cof, matcof, matdim, matnnz, matsubi, matsubj, model.natbarvar_dim,
                           model.natbarvar_i, model.natbarvar_idx, model.natbarvar_j, b.nidxs, n, ptr, b.ptr,
                           st.f64, st.i32, st.i64) == (nbar, ngroups)
    assert barsubj[ngroups] == NOWHERE and matnnz[ngroups] == -1 and matsubi[nbar] == NOWHERE
    st.assert_only_changed(snap)
    groups, m = [], 0
    for g in range(ngroups):
        k = slice(m, m + int(matnnz[g]))
        groups.append((int(barsubj[g]), int(matdim[g]), list(zip(matsubi[k], matsubj[k], matcof[k]))))
        m = k.stop
    return counts, rows, groups, list(ptr), list(ptrb)


def test_worked_element_with_bar_terms_after_scalar_ones():
    # Bar variable 1 (2 × 2) owns positions 1..3, variable 2 (2 × 2) positions 4..6.
    rec = Record((3,), [0, 6, 6, 8], [-2, -5, 3, 0, -3, -4, 2, 5], [1, 2, 3, 4, 5, 6, 7, 8], [0.5, 1.5, 2.5])
    counts, rows, groups, ptr, ptrb = build(NativeModel(), rec, slack=[10, 11, 12], constidx=99)
    assert counts == (1 + 3, 2 + 3, 3 + 4) and ptr == [0, 3, 3, 3] and ptrb == [0, 3, 5, 9]
    assert groups == [(1, 2, [(0, 0, 1.0)]), (2, 2, [(0, 0, 2.0)]), (1, 2, [(1, 0, 2.5), (1, 1, 6.0)])]
    assert rows == [[(99, 0.5), (2, 3.0), (10, -1.0)], [(99, 1.5), (11, -1.0)],
                    [(99, 2.5), (1, 7.0), (4, 8.0), (12, -1.0)]]


@pytest.mark.parametrize("seed", range(6))
def test_rows_and_groups_reassemble_the_value(seed):
    rng = np.random.default_rng(seed)
    model = NativeModel()
    rec = model.random_record(rng, int(rng.integers(0, 10)))
    n = rec.nelem
    slack = rng.integers(0, 5, size=n) + model.nscalar + 1 if seed % 2 else None
    counts, rows, groups, ptr, _ = build(model, rec, slack=slack, start=5 if seed in (2, 4) else 0,
                                         stride=1 + seed % 3)
    # Groups: maximal runs of consecutive bar terms on one bar variable.
    runs = [[(b, len(list(r))) for b, r in itertools.groupby(
        int(model.natbarvar_idx[-1 - v]) if v < 0 else None for v in rec.terms(e)[0])] for e in range(n)]
    runs = [[(b, c) for b, c in r if b is not None] for r in runs]
    assert counts == (1 + sum(map(len, runs)), 2 + int(np.sum(rec.nidxs > 0)), 3 + int(np.sum(rec.nidxs < 0)))
    assert ptr == [0] + list(np.cumsum([len(r) for r in runs]))
    assert [(b, d, len(e)) for b, d, e in groups] == [(b, model.natbarvar_dim[b], c) for r in runs for b, c in r]

    x, mats, xbar = model.random_point(rng)
    xs = np.concatenate([x, [1.0], rng.normal(size=6)])  # the constant column holds 1
    want = evaluate(rec, x, xbar)
    it = iter(groups)
    for e in range(n):
        v, c = rec.terms(e)
        tail = [(slack[e], -1.0)] if slack is not None else []
        assert rows[e] == [(model.nscalar, rec.bfix[e])] + list(zip(v[v > 0] - 1, c[v > 0])) + tail
        value = sum(cf * xs[j] for j, cf in rows[e]) + (xs[slack[e]] if slack is not None else 0.0)
        for b, dim, ents in (next(it) for _ in runs[e]):
            value += bar_value(mats, model.natbarvar_dim, [b] * len(ents), *zip(*ents))
        assert np.isclose(value, want[e])


@pytest.mark.parametrize("msize,nouter,nper,ncols", [
    (3, 1, 1, 3), (1, 1, 1, 1), (2, 2, 1, 2), (3, 1, 3, 3), (4, 2, 2, 4), (4, 1, 2, 2), (3, 2, 2, 0)])
def test_bar_element_positions_follow_the_layout(msize, nouter, nper, ncols):
    # Rows c .. msize - 1 of each of the first ncols columns, of variables laid out from 3.
    nvar, barsize = nouter * nper, msize * (msize + 1) // 2
    idx, ii, jj = (np.full(3 + nvar * barsize, -1, np.int32) for _ in range(3))
    ptr = i64(np.full(nvar + 1, 3), 2)
    F._c_closure_3(barsize, msize, 0, nvar, ii, idx, jj, ptr, 0)
    count = nvar * sum(msize - c for c in range(ncols))
    out = i64(np.full(count + 1, -1), -2)
    F._c_closure_46(msize, nouter, ncols, nper, ptr, out)
    got = out[:count]
    assert out[count] == -1 and len(set(got)) == count
    assert list(zip(idx[got], ii[got], jj[got])) == [(o * nper + l, r, c) for o in range(nouter)
                                                      for c in range(ncols) for r in range(c, msize)
                                                      for l in range(nper)]
