# Solver rows with a constant column and slacks, semidefinite term groups, bar element positions.
import itertools

import numpy as np
import pytest

from shape._helpers import J, call, run
from support.native_model import NativeModel, bar_value, record_args
from support.records import Record, evaluate


def build(model, rec, slack=None, constidx=None, start=0):
    # Runs the count, row and group kernels over rec; returns counts, rows[e] = [(subj, cof)],
    # groups [(b, dim, [(i, j, cof)])] and both pointer lists.
    w, n = dict(record_args(rec), **model.maps), rec.nelem
    counts = run(53, ngroups=1, nscalar=2, nbar=3, nelem=n, **w)[0]
    ngroups, nscalar, nbar = counts[0] - 1, counts[1] - 2, counts[2] - 3
    size = nscalar + n * (2 if slack is not None else 1)
    _, out = run(54, constidx=model.nscalar if constidx is None else constidx, cof=size + 1, nelem=n,
                 ptrb=[start] + [J] * n, slack=slack, subj=size + 1, **w)
    ptrb = out["ptrb"]
    assert ptrb[n] - start == size and out["subj"][size] == out["cof"][size] == J
    rows = [list(zip(out["subj"][a - start:b - start], out["cof"][a - start:b - start])) for a, b in zip(ptrb, ptrb[1:])]
    result, out = run(55, m=0, g=0, barsubj=ngroups + 1, matcof=nbar + 1, matdim=ngroups + 1, matnnz=ngroups + 1,
                      matsubi=nbar + 1, matsubj=nbar + 1, nelem=n, ptr=[0] + [J] * n, **w)
    assert result == (nbar, ngroups) and all(v[-1] == J for a, v in out.items() if a != "ptr")
    ends = np.cumsum([0] + out["matnnz"][:ngroups])
    groups = [(out["barsubj"][g], out["matdim"][g], list(zip(*(out[a][ends[g]:ends[g + 1]] for a in
                                                                 ("matsubi", "matsubj", "matcof"))))) for g in range(ngroups)]
    return counts, rows, groups, out["ptr"], ptrb


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
    slack = rng.integers(0, 5, size=rec.nelem) + model.nscalar + 1 if seed % 2 else None
    counts, rows, groups, ptr, _ = build(model, rec, slack=slack, start=5 if seed in (2, 4) else 0)
    # Groups: maximal runs of consecutive bar terms on one bar variable.
    runs = [[(b, len(list(r))) for b, r in itertools.groupby(int(model.natbarvar_idx[-1 - v]) if v < 0 else None
                                                             for v in rec.terms(e)[0]) if b is not None]
            for e in range(rec.nelem)]
    assert counts == (1 + sum(map(len, runs)), 2 + int(np.sum(rec.nidxs > 0)), 3 + int(np.sum(rec.nidxs < 0)))
    assert ptr == np.cumsum([0] + [len(r) for r in runs]).tolist()
    assert [(b, d, len(e)) for b, d, e in groups] == [(b, model.natbarvar_dim[b], c) for r in runs for b, c in r]
    x, mats, xbar = model.random_point(rng)
    xs, want, it = np.concatenate([x, [1.0], rng.normal(size=6)]), evaluate(rec, x, xbar), iter(groups)  # 1 at constidx
    for e in range(rec.nelem):
        v, c = rec.terms(e)
        tail = [(slack[e], -1.0)] if slack is not None else []
        assert rows[e] == [(model.nscalar, rec.bfix[e])] + list(zip(v[v > 0] - 1, c[v > 0])) + tail
        value = sum(cf * xs[j] for j, cf in rows[e]) + (xs[slack[e]] if slack is not None else 0.0)
        for b, dim, ents in (next(it) for _ in runs[e]):
            value += bar_value(mats, [b] * len(ents), *zip(*ents))
        assert np.isclose(value, want[e])


@pytest.mark.parametrize("msize,nouter,nper,ncols", [
    (3, 1, 1, 3), (1, 1, 1, 1), (2, 2, 1, 2), (3, 1, 3, 3), (4, 2, 2, 4), (4, 1, 2, 2), (3, 2, 2, 0)])
def test_bar_element_positions_follow_the_layout(msize, nouter, nper, ncols):
    # Rows c .. msize - 1 of each of the first ncols columns, of variables laid out from 3.
    nvar, barsize = nouter * nper, msize * (msize + 1) // 2
    lay = dict(natbarvar_idx=np.full(3 + nvar * barsize, -1, np.int32), natbarvar_i=np.full(3 + nvar * barsize, -1, np.int32),
               natbarvar_j=np.full(3 + nvar * barsize, -1, np.int32), natbarvar_ptr=np.full(nvar + 1, 3))
    call(3, barsize=barsize, dim=msize, first=0, n=nvar, ptrpos=0, **lay)
    count = nvar * sum(msize - c for c in range(ncols))
    got = run(46, msize=msize, nouter=nouter, ncols=ncols, nper=nper, natbarvar_ptr=lay["natbarvar_ptr"],
              nativeidxs=count + 1)[1]["nativeidxs"]
    assert got[count] == J and len(set(got[:count])) == count
    assert [(lay["natbarvar_idx"][p], lay["natbarvar_i"][p], lay["natbarvar_j"][p]) for p in got[:count]] == \
        [(o * nper + l, r, c) for o in range(nouter) for c in range(ncols) for r in range(c, msize) for l in range(nper)]
