"""Solver rows with a constant column and slacks, semidefinite term groups, and the bar
element positions of lower triangles."""
import itertools

import numpy as np
import pytest

import fragments as F
from support.buffers import JUNK, i32, i64
from support.native_model import NativeModel, inner, symmetric_matrix
from support.records import Record, evaluate, place
from support.stacks import Stack

SENTINEL = JUNK[np.float64]
NOWHERE = JUNK[np.int32]


def groups_of(model, nidxs):
    """(bar variable, term positions) of each maximal run of consecutive negative terms
    on one bar variable."""
    key = [int(model.natbarvar_idx[-1 - v]) if v < 0 else None for v in nidxs]
    out, k = [], 0
    for b, run in itertools.groupby(key):
        n = len(list(run))
        if b is not None:
            out.append((b, list(range(k, k + n))))
        k += n
    return out


class Built:
    """The three kernels run over one record: their results and output arrays."""

    def __init__(self, model, rec, slack=None, constidx=None, start=0, stride=1):
        st = Stack(stride=stride)
        b = place(st, rec)
        n = rec.nelem
        self.constidx = model.nscalar if constidx is None else constidx
        self.counts = F._c_closure_53(1, 2, model.natbarvar_idx, n, b.nidxs, b.ptr, st.i32, st.i64, 3)
        ngroups, nscalar, nbar = self.counts[0] - 1, self.counts[1] - 2, self.counts[2] - 3
        snap = st.snapshot()

        rowsize = nscalar + n * (2 if slack is not None else 1)
        self.subj = i32(np.full(rowsize + 1, NOWHERE), stride)
        self.cof = np.full(rowsize + 1, SENTINEL)
        self.ptrb = i64(np.full(n + 1, -1), stride)
        self.ptrb[0] = start
        assert F._c_closure_54(b.bfix, self.constidx, self.cof, b.cof, n, b.nidxs, b.ptr, self.ptrb, st.f64,
                               st.i32, st.i64, None if slack is None else i32(slack, stride), self.subj) is None
        assert self.ptrb[n] - start == rowsize
        assert self.subj[rowsize] == NOWHERE and self.cof[rowsize] == SENTINEL

        self.barsubj, self.matdim = (i32(np.full(ngroups + 1, NOWHERE), stride) for _ in range(2))
        self.matnnz = i64(np.full(ngroups + 1, -1), stride)
        self.matsubi, self.matsubj = (i32(np.full(nbar + 1, NOWHERE), stride) for _ in range(2))
        self.matcof = np.full(nbar + 1, SENTINEL)
        self.ptr = i64(np.full(n + 1, -1), stride)
        self.ptr[0] = 0
        got = F._c_closure_55(0, 0, self.barsubj, b.cof, self.matcof, self.matdim, self.matnnz, self.matsubi,
                              self.matsubj, model.natbarvar_dim, model.natbarvar_i, model.natbarvar_idx,
                              model.natbarvar_j, b.nidxs, n, self.ptr, b.ptr, st.f64, st.i32, st.i64)
        assert got == (nbar, ngroups)
        assert self.barsubj[ngroups] == NOWHERE and self.matnnz[ngroups] == -1
        assert self.matsubi[nbar] == NOWHERE and self.matcof[nbar] == SENTINEL
        st.assert_only_changed(snap)

    def row(self, e):
        k = slice(self.ptrb[e] - self.ptrb[0], self.ptrb[e + 1] - self.ptrb[0])
        return list(self.subj[k]), list(self.cof[k])

    def group_entries(self):
        """Per group: (bar variable, dimension, [(i, j, coefficient)])."""
        out, m = [], 0
        for g in range(len(self.barsubj) - 1):
            nnz = int(self.matnnz[g])
            entries = list(zip(self.matsubi[m:m + nnz], self.matsubj[m:m + nnz], self.matcof[m:m + nnz]))
            out.append((int(self.barsubj[g]), int(self.matdim[g]), entries))
            m += nnz
        return out


def test_worked_element_with_bar_terms_after_scalar_ones():
    # Bar variable 1 (2 × 2) owns positions 1..3, variable 2 (2 × 2) positions 4..6.
    model = NativeModel()
    assert list(model.elements_of(1)) == [1, 2, 3] and list(model.elements_of(2)) == [4, 5, 6]
    rec = Record((3,), [0, 6, 6, 8], [-2, -5, 3, 0, -3, -4, 2, 5], [1, 2, 3, 4, 5, 6, 7, 8], [0.5, 1.5, 2.5])
    built = Built(model, rec, slack=[10, 11, 12], constidx=99)
    assert built.counts == (1 + 3, 2 + 3, 3 + 4)
    assert built.group_entries() == [(1, 2, [(0, 0, 1.0)]), (2, 2, [(0, 0, 2.0)]),
                                     (1, 2, [(1, 0, 2.5), (1, 1, 6.0)])]
    assert list(built.ptr) == [0, 3, 3, 3]
    assert list(built.ptrb) == [0, 3, 5, 9]
    assert built.row(0) == ([99, 2, 10], [0.5, 3.0, -1.0])
    assert built.row(1) == ([99, 11], [1.5, -1.0])  # no terms: constant and slack only
    assert built.row(2) == ([99, 1, 4, 12], [2.5, 7.0, 8.0, -1.0])


def test_all_scalar_and_empty_elements():
    model = NativeModel()
    rec = Record((2,), [0, 3, 3], [4, 0, 1], [1.0, 2.0, 3.0], [0.0, -1.0])
    built = Built(model, rec, constidx=7, start=4)
    assert built.counts == (1, 2 + 2, 3)
    assert list(built.ptr) == [0, 0, 0]
    assert list(built.ptrb) == [4, 7, 8]
    assert built.row(0) == ([7, 3, 0], [0.0, 1.0, 3.0]) and built.row(1) == ([7], [-1.0])


@pytest.mark.parametrize("seed", range(6))
def test_rows_and_groups_reassemble_the_value(seed):
    rng = np.random.default_rng(seed)
    model = NativeModel()
    rec = model.random_record(rng, int(rng.integers(0, 10)))
    n = rec.nelem
    slack = rng.integers(0, 5, size=n) + model.nscalar + 1 if seed % 2 else None
    built = Built(model, rec, slack=slack, start=5 if seed in (2, 4) else 0, stride=1 + seed % 3)

    groups = [groups_of(model, rec.terms(e)[0]) for e in range(n)]
    assert built.counts == (1 + sum(map(len, groups)), 2 + int(np.sum(rec.nidxs > 0)),
                            3 + int(np.sum(rec.nidxs < 0)))
    assert list(built.ptr) == [0] + list(np.cumsum([len(g) for g in groups]))

    x, mats, xbar = model.random_point(rng)
    # The constant column holds 1; slack variables get their own values.
    xs = np.concatenate([x, [1.0], rng.normal(size=6)])
    want = evaluate(rec, x, xbar)
    entries = iter(built.group_entries())
    for e in range(n):
        subj, cof = built.row(e)
        assert subj[0] == built.constidx and cof[0] == rec.bfix[e]
        v, c = rec.terms(e)
        tail = [(slack[e], -1.0)] if slack is not None else []
        assert list(zip(subj[1:], cof[1:])) == list(zip(v[v > 0] - 1, c[v > 0])) + tail
        value = float(np.dot(cof, xs[subj])) + (xs[slack[e]] if slack is not None else 0.0)
        for b, terms in groups[e]:
            gb, dim, ents = next(entries)
            assert (gb, dim, len(ents)) == (b, model.natbarvar_dim[b], len(terms))
            p = -1 - v[terms]
            assert [(i, j) for i, j, _ in ents] == list(zip(model.natbarvar_i[p], model.natbarvar_j[p]))
            i, j, val = zip(*ents)
            value += inner(symmetric_matrix(dim, i, j, val), mats[b])
        assert np.isclose(value, want[e])
    assert next(entries, None) is None


def test_bar_element_positions_of_one_three_by_three():
    out = np.full(7, -1, np.int64)
    F._c_closure_46(3, 1, 3, 1, i64([10]), out)
    assert list(out) == [10, 11, 12, 13, 14, 15, -1]


@pytest.mark.parametrize("msize,nouter,nper,ncols", [
    (1, 1, 1, 1), (2, 2, 1, 2), (3, 1, 3, 3), (4, 2, 2, 4), (4, 1, 2, 2), (3, 2, 2, 0)])
def test_bar_element_positions_follow_the_layout(msize, nouter, nper, ncols):
    nvar = nouter * nper
    barsize = msize * (msize + 1) // 2
    idx, ii, jj = (np.full(3 + nvar * barsize, -1, np.int32) for _ in range(3))
    ptr = i64(np.full(nvar + 1, 3), 2)
    F._c_closure_3(barsize, msize, 0, nvar, ii, idx, jj, ptr, 0)
    count = nouter * nper * sum(msize - c for c in range(ncols))
    out = i64(np.full(count + 1, -1), -2)
    F._c_closure_46(msize, nouter, ncols, nper, ptr, out)
    assert out[count] == -1
    want = [(o * nper + l, r, c) for o in range(nouter) for c in range(ncols)
            for r in range(c, msize) for l in range(nper)]
    got = out[:count]
    assert list(zip(idx[got], ii[got], jj[got])) == want
    assert len(set(got)) == count
