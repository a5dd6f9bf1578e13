# Native rows and terms: compressed rows, slacks, dense rows, term census, scalar and bar term lists.
import numpy as np
import pytest

from shape._helpers import J, check, run
from support.native_model import NativeModel, bar_value, record_args
from support.records import Record, evaluate

EXAMPLE = Record((2,), [0, 4, 4], [3, -1, 0, 5], [1.5, 2.0, 3.0, 4.5], [0.0, 1.0])


@pytest.mark.parametrize("seed", range(4))
def test_compressed_rows_hold_each_rows_scalar_terms_in_order(seed):
    rng = np.random.default_rng(seed)
    rec = NativeModel().random_record(rng, int(rng.integers(0, 12))) if seed else EXAMPLE
    start, n, w = [0, 0, 3, 7][seed], rec.nelem, record_args(rec)
    rows = [(v[v > 0] - 1, c[v > 0]) for v, c in map(rec.terms, range(n))]
    counts = run(16, n=n, rptrb=[start] + [0] * n + [J], **w)[1]["rptrb"]
    assert counts == [start] + [len(s) for s, _ in rows] + [J]
    ptrb = run(17, n=n, rptrb=counts)[1]["rptrb"]
    assert ptrb == np.cumsum(counts[:-1]).tolist() + [J]
    assert run(18, pos=start, n=n, rcof=ptrb[n] + 1, rsubj=ptrb[n] + 1, **w) == (ptrb[n], dict(
        rsubj=[J] * start + sum((s.tolist() for s, _ in rows), []) + [J],
        rcof=[J] * start + sum((c.tolist() for _, c in rows), []) + [J]))


def test_row_and_slack_examples():
    # Row pointers that go back: each row its own terms; n <= 0 writes nothing, even where the entry
    # before ptr would make a run. Row 0 has a slack (scalar variable 2), row 1 none, row 2 a bar element.
    w = record_args(Record((3,), [2, 4, 0, 4], EXAMPLE.nidxs, EXAMPLE.cof, [0.0] * 3))
    w0 = dict(cofbase=0, nidxsbase=0, ptrbase=1, wf64=[2.0], wi32=[1, 0], wi64=[5])
    slacks = dict(conidxs=[0, 1, 2], natconmap_slackidx=[3, 0, -2], n=3)
    check([(18, dict(pos=0, n=3, rcof=4, rsubj=4, **w), 3, dict(rsubj=[4, 2, 4, J], rcof=[4.5, 1.5, 4.5, J])),
           (18, dict(pos=0, n=-1, rcof=1, rsubj=1, **w0), 0, dict(rsubj=[J], rcof=[J])),
           (17, dict(n=0, rptrb=[4, 9]), None, dict(rptrb=[4, 9])), (19, dict(init=1, **slacks), 2, {}),
           (20, dict(cc=3, ii=3, jj=3, pos=1, **slacks), 2, dict(cc=[J, -1.0, J], ii=[J, 0, J], jj=[J, 2, J]))])


@pytest.mark.parametrize("seed", range(3))
def test_slack_coefficients(seed):
    rng = np.random.default_rng(seed)
    slack, pos, init = rng.integers(-4, 6, size=10), int(rng.integers(0, 3)), int(rng.integers(0, 5))
    d = dict(conidxs=rng.integers(0, 10, size=rng.integers(0, 12)), natconmap_slackidx=slack, pos=pos, init=init)
    rows, n = d["conidxs"][slack[d["conidxs"]] > 0].tolist(), len(d["conidxs"])
    tail = [J] * (n + 1 - len(rows))
    assert run(19, n=n, **d)[0] == init + len(rows)
    assert run(20, cc=pos + n + 1, ii=pos + n + 1, jj=pos + n + 1, n=n, **d) == (pos + len(rows), dict(
        ii=[J] * pos + rows + tail, cc=[J] * pos + [-1.0] * len(rows) + tail, jj=[J] * pos + (slack[rows] - 1).tolist() + tail))


def dense_rows(rec, varidxs, pos):
    end, out = run(21, cof=pos + rec.nelem * len(varidxs) + 1, pos=pos, n=rec.nelem, varidxs=varidxs, **record_args(rec))
    assert end == pos + rec.nelem * len(varidxs) and out["cof"][:pos] + out["cof"][end:] == [J] * (pos + 1)
    return np.reshape(out["cof"][pos:end], (rec.nelem, len(varidxs)))


def test_dense_rows_against_numpy():
    # Terms on one variable add up; variables without a term stay untouched, also when the next
    # row starts with one.
    rec = Record((2,), [0, 4, 6], [-3, 1, 1, 3, 2, 2], [9.0, 1.0, 2.0, 4.0, 0.5, 0.25], [0.0, 0.0])
    assert dense_rows(rec, [0, 1, 2], 0).tolist() == [[3.0, J, 4.0], [J, 0.75, J]]
    assert dense_rows(Record((2,), [0, 1, 2], [1, 3], [1.0, 2.0], [0.0, 0.0]), [0, 2], 1).tolist() == [[1.0, J], [J, 2.0]]
    for seed in range(4):
        rng = np.random.default_rng(seed)
        rec = NativeModel(nscalar=8).random_record(rng, int(rng.integers(0, 10)))
        row = np.repeat(np.arange(rec.nelem), np.diff(rec.ptr))
        order = np.lexsort((rec.nidxs, row))  # each row's terms in increasing index order
        rec = Record(rec.shape, rec.ptr, rec.nidxs[order], rec.cof[order], rec.bfix)
        varidxs = np.sort(rng.choice(10, size=rng.integers(0, 8), replace=False))
        a, has = np.zeros((rec.nelem + 1, 10)), np.zeros((rec.nelem + 1, 10), bool)
        at = (np.where(rec.nidxs > 0, row, -1), np.maximum(rec.nidxs - 1, 0))  # other terms into the last row
        np.add.at(a, at, rec.cof)
        has[at] = True
        got = dense_rows(rec, varidxs, int(rng.integers(0, 5)))
        assert np.allclose(got, np.where(has[:-1, varidxs], a[:-1, varidxs], J))


@pytest.mark.parametrize("values,n,flag,want", [
    ([1, 4, 9], 3, 1, True), ([1, 4, 4], 3, 1, False), ([9, 4, 1], 1, 1, True), ([9, 4, 1], 1, 0, False),
    ([], 0, 3, True), ([1, 2, 3], 3, 0, False), ([5, 1, 9], 2, 1, False), ([1, 5, 2], 2, 1, True)])
def test_strict_order_examples(values, n, flag, want):
    assert run(22, n=n, varidxs_=values, flag=flag)[0] is want


@pytest.mark.parametrize("seed", range(4))
def test_scalar_and_bar_terms_reassemble_the_value(seed):
    rng = np.random.default_rng(seed)
    model = NativeModel()
    rec = model.random_record(rng, 6)  # bar terms may follow scalar ones
    rec, v = Record((1,), [0, rec.nnz], rec.nidxs, rec.cof, [0.0]), rec.nidxs
    n, nscalar, nbar, w = len(v), int(np.sum(v > 0)), int(np.sum(v < 0)), dict(record_args(rec), **model.maps)
    assert run(24, nscalar=2, n=n, nbar=5, **w)[0] == (2 + nscalar, 5 + nbar)
    _, out = run(25, cof=n + 1, n=n, subj=n + 1, **w)
    assert out == dict(subj=(v[v > 0] - 1).tolist() + [J] * (n + 1 - nscalar), cof=rec.cof[v > 0].tolist() + [J] * (n + 1 - nscalar))
    _, bar = run(26, n=n, subj=n + 1, subk=n + 1, subl=n + 1, val=n + 1, **w)
    assert all(b[nbar:] == [J] * (n + 1 - nbar) for b in bar.values())  # compact from 0
    x, mats, xbar = model.random_point(rng)
    total = np.dot(out["cof"][:nscalar], x[out["subj"][:nscalar]]) + bar_value(mats, *(bar[a][:nbar] for a in bar))
    assert np.isclose(total, evaluate(rec, x, xbar)[0])
