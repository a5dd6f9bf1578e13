# Native rows and terms: compressed rows, slacks, dense rows; solver rows with a constant column and
# slacks, semidefinite term groups, term census and scalar and bar term lists, bar element positions.
import itertools

import numpy as np
import pytest

from shape._helpers import J, bare, call, check, columns, run
from support.native_model import NativeModel, record_args
from support.records import Record

EXAMPLE = Record((2,), [0, 4, 4], [3, -1, 0, 5], [1.5, 2.0, 3.0, 4.5], [0.0, 1.0])


def test_row_and_slack_examples():
    # Row pointers that go back: each row its own terms; n <= 0 writes nothing, even where the entry
    # before ptr would make a run. Row 0 has a slack (scalar variable 2), row 1 none, row 2 a bar element.
    # Dense rows: terms on one variable add up, variables without a term stay untouched, also when the
    # next row starts with one.
    w = record_args(Record((3,), [2, 4, 0, 4], EXAMPLE.nidxs, EXAMPLE.cof, [0.0] * 3))
    dense = record_args(Record((3,), [0, 4, 6, 7], [-3, 1, 1, 3, 2, 2, 3], [9, 1, 2, 4, 0.5, 0.25, 7], [0.0] * 3))
    w0 = dict(cofbase=0, nidxsbase=0, ptrbase=1, wf64=[2.0], wi32=[1, 0], wi64=[5])
    slacks = dict(conidxs=[0, 1, 2, 0], natconmap_slackidx=[3, 0, -2], n=3)  # conidxs past n is ignored
    check([(18, dict(pos=0, n=3, rcof=4, rsubj=4, **w), 3, dict(rsubj=[4, 2, 4], rcof=[4.5, 1.5, 4.5])),
           (18, dict(pos=0, n=-1, rcof=1, rsubj=1, **w0), 0, dict(rsubj=[], rcof=[])),
           (17, dict(n=0, rptrb=[4, 9]), None, dict(rptrb=[4, 9])), (19, dict(init=1, **slacks), 2, {}),
           (20, dict(cc=3, ii=3, jj=3, pos=1, **slacks), 2, dict(cc=[J, -1.0], ii=[J, 0], jj=[J, 2])),
           (20, dict(cc=1, ii=1, jj=1, pos=0, conidxs=[0], natconmap_slackidx=[1], n=1), 1, dict(jj=[0])),
           (21, dict(cof=11, pos=1, n=3, varidxs=[0, 1, 2], **dense), 10, {"cof": [J, 3, J, 4, J, 0.75, J, J, J, 7]})] +
          [(22, dict(n=n, varidxs_=v, flag=flag), want, {}) for v, n, flag, want in (  # strict increase
              ([1, 4, 9], 3, 1, True), ([1, 4, 4], 3, 1, False), ([9, 4, 1], 1, 1, True), ([9, 4, 1], 1, 0, False),
              ([], 0, 3, True), ([1, 2, 3], 3, 0, False), ([5, 1, 9], 2, 1, False), ([1, 5, 2], 2, 1, True))])


def solver_rows(model, rec, slack=None, constidx=6, start=0):
    # Checks the count (53), row (54) and group (55) passes over rec against the rows [(subj, cof)]
    # and groups (b, dim, [(i, j, cof)]) that it returns: a group is a maximal run of consecutive
    # bar terms on one bar variable, wherever it stands in the element, and an entry off the
    # diagonal carries half its coefficient. The term census (24) and the term lists (25, 26) over
    # all of rec's terms hold its scalar terms and its groups' entries, and so do compressed rows
    # (16 counts, 17 running pointers, 18 fill) of the scalar terms alone, row by row. Dense rows
    # (21) of the record with each row's terms in increasing index order sum each variable's terms.
    rows, groups, ptr, (idx, ii, jj) = [], [], [0], (model.natbarvar_idx, model.natbarvar_i, model.natbarvar_j)
    for e in range(rec.nelem):
        v, c = rec.terms(e)
        tail = [] if slack is None else [(slack[e], -1.0)]
        rows.append([(constidx, rec.bfix[e])] + list(zip(v[v > 0] - 1, c[v > 0])) + tail)
        for b, terms in itertools.groupby(zip(-1 - v, c), key=lambda t: idx[t[0]] if t[0] >= 0 else None):
            ents = [(ii[q], jj[q], x / (1 + (ii[q] != jj[q]))) for q, x in terms]
            groups += [] if b is None else [(b, model.natbarvar_dim[b], ents)]
        ptr.append(len(groups))
    n, ents = rec.nelem, [(b,) + t for b, _, e in groups for t in e]
    scalar = [(v - 1, x) for v, x in zip(rec.nidxs, rec.cof) if v > 0]
    outputs = "barsubj matdim matnnz matsubi matsubj matcof subj cof subk subl val".split()
    w = dict(record_args(rec), **model.maps, **dict.fromkeys(outputs, rec.nnz + 2 * n + 1))
    assert run(53, ngroups=1, nscalar=2, nbar=3, nelem=n, **w)[0] == (1 + len(groups), 2 + len(scalar), 3 + len(ents))
    assert run(54, constidx=constidx, nelem=n, ptrb=[start] + [J] * n, slack=slack, **w)[1] == dict(
        columns(sum(rows, []), "subj", "cof"), ptrb=np.cumsum([start] + [len(r) for r in rows]).tolist())
    assert run(55, m=0, g=0, nelem=n, ptr=[0] + [J] * n, **w) == ((len(ents), len(groups)), dict(
        columns([(b, d, len(e)) for b, d, e in groups], "barsubj", "matdim", "matnnz"), ptr=ptr,
        **columns([t[1:] for t in ents], "matsubi", "matsubj", "matcof")))
    assert run(24, nscalar=2, n=rec.nnz, nbar=5, **w)[0] == (2 + len(scalar), 5 + len(ents))
    order = np.lexsort((rec.nidxs, np.repeat(np.arange(n), np.diff(rec.ptr))))
    srec, varidxs = Record(rec.shape, rec.ptr, rec.nidxs[order], rec.cof[order], rec.bfix), [0, 2, 3, 5]
    dense = [c[v == x + 1].sum() if x + 1 in v else J for v, c in map(srec.terms, range(n)) for x in varidxs]
    assert run(21, cof=start + len(dense) + 1, pos=start, n=n, varidxs=varidxs, **record_args(srec)) == (
        start + len(dense), dict(cof=bare([J] * start + dense)))
    counts = [len(r) - 1 - (slack is not None) for r in rows]
    assert run(16, n=n, rptrb=[start] + [0] * n + [J], **w)[1]["rptrb"] == [start] + counts
    assert run(17, n=n, rptrb=[start] + counts + [J])[1]["rptrb"] == np.cumsum([start] + counts).tolist()
    assert run(18, pos=start, n=n, rcof=start + len(scalar) + 1, rsubj=start + len(scalar) + 1, **w) == (
        start + len(scalar), {a: bare([J] * start + v) for a, v in columns(scalar, "rsubj", "rcof").items()})
    assert run(25, n=rec.nnz, **w)[1] == columns(scalar, "subj", "cof")
    assert run(26, n=rec.nnz, **w)[1] == columns(ents, "subj", "subk", "subl", "val")
    return rows, groups


def test_worked_element_with_bar_terms_after_scalar_ones():
    # Bar variable 1 (2 × 2) owns positions 1..3, variable 2 (2 × 2) positions 4..6.
    rec = Record((3,), [0, 6, 6, 8], [-2, -5, 3, 0, -3, -4, 2, 5], [1, 2, 3, 4, 5, 6, 7, 8], [0.5, 1.5, 2.5])
    assert solver_rows(NativeModel(), rec, slack=[10, 11, 12], constidx=99) == (
        [[(99, 0.5), (2, 3.0), (10, -1.0)], [(99, 1.5), (11, -1.0)], [(99, 2.5), (1, 7.0), (4, 8.0), (12, -1.0)]],
        [(1, 2, [(0, 0, 1.0)]), (2, 2, [(0, 0, 2.0)]), (1, 2, [(1, 0, 2.5), (1, 1, 6.0)])])


@pytest.mark.parametrize("seed", range(6))
def test_solver_rows_and_bar_groups(seed):
    rng = np.random.default_rng(seed)
    model = NativeModel()
    rec = model.random_record(rng, int(rng.integers(0, 10)))
    slack = rng.integers(7, 12, size=rec.nelem) if seed % 2 else None
    solver_rows(model, rec, slack=slack, start=5 * (seed in (2, 4)))


@pytest.mark.parametrize("msize,nouter,nper,ncols", [
    (3, 1, 1, 3), (1, 1, 1, 1), (2, 2, 1, 2), (3, 1, 3, 3), (4, 2, 2, 4), (4, 1, 2, 2), (3, 2, 2, 0)])
def test_bar_element_positions_follow_the_layout(msize, nouter, nper, ncols):
    # Rows c .. msize - 1 of each of the first ncols columns, of variables laid out from 3.
    nvar, barsize = nouter * nper, msize * (msize + 1) // 2
    lay = dict(ptr=np.full(nvar + 1, 3), **{m: np.full(3 + nvar * barsize, -1, np.int32) for m in ("idx", "i", "j")})
    call(3, barsize=barsize, dim=msize, first=0, n=nvar, ptrpos=0, **{"natbarvar_" + m: v for m, v in lay.items()})
    want = [(o * nper + v, r, c) for o in range(nouter) for c in range(ncols) for r in range(c, msize)
            for v in range(nper)]
    _, out = run(46, msize=msize, nouter=nouter, ncols=ncols, nper=nper, natbarvar_ptr=lay["ptr"],
                 nativeidxs=len(want) + 1)
    assert [(lay["idx"][p], lay["i"][p], lay["j"][p]) for p in out["nativeidxs"]] == want
