"""Solution values gathered through signed indexes and slack codes; clearing of solution ranges."""
import numpy as np
import pytest

import fragments as F
from support.buffers import f64, i32, i64
from support.native_model import SENTINEL
from support.records import values_of


@pytest.mark.parametrize("seed", range(4))
def test_gathers_against_numpy(seed):
    rng = np.random.default_rng(seed)
    nx, nbar, nrows = 9, 7, 12
    xx, barx, xc = rng.normal(size=nx), rng.normal(size=nbar), rng.normal(size=nrows)
    slack = rng.integers(-nbar, nx + 1, size=nrows)
    rows = rng.integers(0, nrows, size=rng.integers(1, 15)) if seed else np.zeros(0, int)
    v = slack[rows]
    off, stride, n = int(rng.integers(0, 4)), [1, 2, -1, 3][seed], len(rows)
    want = values_of(v, xx, barx)
    scalar = np.where(v > 0, want, 0.0)
    X, B, V = f64(xx, stride), f64(barx, stride), i64(v, -stride)
    for call, expected in [
            (lambda r: F._c_closure_10(B, n, i64(slack, stride), i32(rows, stride), off, r, f64(xc, stride), X),
             np.where(v == 0, xc[rows], want)),
            (lambda r: F._c_closure_11(n, V, off, r, X), scalar),
            (lambda r: F._c_closure_12(n, V, off, r, X), -scalar),
            (lambda r: F._c_closure_13(B, n, V, off, r, X), want)]:
        res = f64(np.full(off + n + 2, SENTINEL), stride)
        call(res)
        assert np.array_equal(res[off:off + n], expected)
        assert np.all(res[:off] == SENTINEL) and np.all(res[off + n:] == SENTINEL)


def test_worked_examples():
    res = np.full(5, SENTINEL)  # slack codes 0, 4 and -2: the row's activity, xx[3] and barx[1]
    F._c_closure_10(np.arange(5.0) + 200, 3, i64([0, 4, -2]), i32([0, 1, 2]), 1, res, np.arange(3.0) + 300,
                    np.arange(10.0) + 100)
    assert list(res) == [SENTINEL, 300.0, 103.0, 201.0, SENTINEL]
    F._c_closure_12(5, i64([1, 2, 3, 0, -1]), 0, res, np.array([0.0, -0.0, 2.5]))  # -x, but +0.0 for v <= 0
    assert list(res) == [0.0, 0.0, -2.5, 0.0, 0.0]
    assert list(np.signbit(res)) == [True, False, True, False, False]


@pytest.mark.parametrize("kernel,narrays,returns", [
    (F._c_closure_104, 4, True), (F._c_closure_105, 3, False), (F._c_closure_106, 4, True),
    (F._c_closure_107, 4, False), (F._c_closure_108, 1, True), (F._c_closure_109, 1, False)])
def test_clearing_ranges(kernel, narrays, returns):
    rng = np.random.default_rng(narrays)
    for end, start in [(6, 2), (3, 3), (1, 5), (8, 0)]:
        values = [rng.normal(size=8) + 1 for _ in range(narrays)]
        arrays = [f64(v, s) for v, s in zip(values, [1, 2, -1, 3])]
        assert kernel(end, arrays[0], start, *arrays[1:]) == (end if returns else None)
        for v, a in zip(values, arrays):
            v[start:max(start, end)] = 0.0
            assert np.array_equal(a, v)
