"""Solution values gathered through signed indexes and slack codes, and clearing of
solution ranges."""
import numpy as np
import pytest

import fragments as F
from support.buffers import JUNK, f64, i32, i64

SENTINEL = JUNK[np.float64]


def gather(nidxs, x, xbar):
    """NumPy reference: x[v-1] for v > 0, xbar[-v-1] for v < 0, 0 for v = 0."""
    out = np.zeros(len(nidxs))
    pos, neg = nidxs > 0, nidxs < 0
    out[pos] = x[nidxs[pos] - 1]
    out[neg] = xbar[-nidxs[neg] - 1]
    return out


def test_constraint_levels_worked_example():
    # Slack codes 0, 4 and -2: the row's activity, xx[3] and barx[1].
    xx = np.arange(10.0) + 100
    barx = np.arange(5.0) + 200
    xc = np.arange(3.0) + 300
    res = np.full(5, SENTINEL)
    F._c_closure_10(barx, 3, i64([0, 4, -2]), i32([0, 1, 2]), 1, res, xc, xx)
    assert list(res) == [SENTINEL, 300.0, 103.0, 201.0, SENTINEL]


@pytest.mark.parametrize("seed", range(3))
def test_constraint_levels(seed):
    rng = np.random.default_rng(seed)
    nrows, nx, nbar = 12, 9, 7
    slack = rng.integers(-nbar, nx + 1, size=nrows)
    xx, barx, xc = rng.normal(size=nx), rng.normal(size=nbar), rng.normal(size=nrows)
    rows = rng.integers(0, nrows, size=rng.integers(0, 15))
    off, stride = int(rng.integers(0, 4)), [1, 2, -1][seed]
    res = f64(np.full(off + len(rows) + 2, SENTINEL), stride)
    F._c_closure_10(f64(barx, stride), len(rows), i64(slack, stride), i32(rows, stride), off, res,
                    f64(xc, stride), f64(xx, stride))
    want = np.where(slack[rows] == 0, xc[rows], gather(slack[rows], xx, barx))
    assert np.array_equal(res[off:off + len(rows)], want)
    assert np.all(res[:off] == SENTINEL) and np.all(res[off + len(rows):] == SENTINEL)


@pytest.mark.parametrize("seed", range(3))
def test_value_gathers(seed):
    rng = np.random.default_rng(seed)
    nx, nbar = 8, 6
    xx, barx = rng.normal(size=nx), rng.normal(size=nbar)
    v = rng.integers(-nbar, nx + 1, size=rng.integers(0, 20))
    off, stride = int(rng.integers(0, 4)), [1, 3, -2][seed]
    n = len(v)
    want = gather(v, xx, barx)
    scalar_only = np.where(v > 0, want, 0.0)
    for kernel, args, expected in [
            (F._c_closure_11, lambda res: (n, i64(v, stride), off, res, f64(xx, stride)), scalar_only),
            (F._c_closure_12, lambda res: (n, i64(v, stride), off, res, f64(xx, stride)), -scalar_only),
            (F._c_closure_13, lambda res: (f64(barx, stride), n, i64(v, stride), off, res, f64(xx, stride)), want)]:
        res = f64(np.full(off + n + 1, SENTINEL), stride)
        kernel(*args(res))
        assert np.array_equal(res[off:off + n], expected)
        assert np.all(res[:off] == SENTINEL) and res[off + n] == SENTINEL


def test_negated_values_signs_of_zero():
    xx = np.array([0.0, -0.0, 2.5])
    res = np.full(5, SENTINEL)
    F._c_closure_12(5, i64([1, 2, 3, 0, -1]), 0, res, xx)
    assert list(res) == [0.0, 0.0, -2.5, 0.0, 0.0]
    assert list(np.signbit(res)) == [True, False, True, False, False]


def test_nothing_gathered_for_n_zero():
    res = np.full(3, SENTINEL)
    F._c_closure_10(f64([1.0]), 0, i64([0]), i32([0]), 0, res, f64([1.0]), f64([1.0]))
    F._c_closure_11(0, i64([1]), 0, res, f64([1.0]))
    F._c_closure_12(0, i64([1]), 0, res, f64([1.0]))
    F._c_closure_13(f64([1.0]), 0, i64([1]), 0, res, f64([1.0]))
    assert np.all(res == SENTINEL)


# (kernel, number of arrays, returns end)
CLEARING = [(F._c_closure_104, 4, True), (F._c_closure_105, 3, False), (F._c_closure_106, 4, True),
            (F._c_closure_107, 4, False), (F._c_closure_108, 1, True), (F._c_closure_109, 1, False)]


@pytest.mark.parametrize("kernel,narrays,returns", CLEARING)
@pytest.mark.parametrize("end,start", [(6, 2), (3, 3), (1, 5), (8, 0)])
def test_clearing_ranges(kernel, narrays, returns, end, start):
    rng = np.random.default_rng(end * 10 + start)
    values = [rng.normal(size=8) + 1 for _ in range(narrays)]
    arrays = [f64(v, s) for v, s in zip(values, [1, 2, -1, 3])]
    # Scalar positions: (end, a0, start, a1, ...) in the kernels' order.
    args = [end, arrays[0], start] + arrays[1:]
    got = kernel(*args)
    assert got == (end if returns else None)
    for v, a in zip(values, arrays):
        want = v.copy()
        want[start:max(start, end)] = 0.0
        assert np.array_equal(a, want)
