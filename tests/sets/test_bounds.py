"""Element bound matrices: union of lower and upper bound lists, flattening, scattering,
element tables."""
import numpy as np
import pytest

import fragments as F
from support.buffers import JUNK, f64, i32

J32, JF = JUNK[np.int32], JUNK[np.float64]


def table(rows, cols, dtype, step=1):
    big = np.full((max(rows, 1) * step, cols * step), JUNK[dtype], dtype=dtype)
    return big[::step, ::step][:rows, :cols]


def random_bound_list(rng, m, n):
    """A sorted coordinate list without repeats over an m × n matrix, with values."""
    lin = np.sort(rng.choice(m * n, size=int(rng.integers(0, m * n + 1)), replace=False))
    return lin // n, lin % n, rng.normal(size=len(lin))


def union_reference(lower, upper):
    bounds = {}
    for (i, j, v) in zip(*lower):
        bounds[(int(i), int(j))] = [v, 0.0]
    for (i, j, v) in zip(*upper):
        bounds.setdefault((int(i), int(j)), [0.0, 0.0])[1] = v
    keys = sorted(bounds)
    return keys, [bounds[k][0] for k in keys], [bounds[k][1] for k in keys]


def union(lower, upper, step=1):
    """Runs the count and the build kernel; returns (rows of inst, lbv, ubv)."""
    (li, lj, lv), (ui, uj, uv) = lower, upper
    n = F._c_closure_238(i32(li, step), i32(lj), 0, i32(ui), i32(uj, -step))
    assert F._c_closure_238(i32(li), i32(lj), 5, i32(ui), i32(uj)) == n + 5
    inst, lbv, ubv = table(n + 1, 2, np.int32, step), f64([JF] * (n + 1), step), f64([JF] * (n + 1), -step)
    F._c_closure_239(inst, lbv, i32(li, -step), i32(lj), f64(lv, step), ubv, i32(ui), i32(uj, step), f64(uv))
    assert (inst[n] == J32).all() and lbv[n] == JF and ubv[n] == JF
    return [tuple(r) for r in inst[:n].tolist()], list(lbv[:n]), list(ubv[:n])


def test_worked_example():
    lower = ([0, 1], [0, 1], [10.0, 11.0])
    upper = ([0, 1], [1, 1], [20.0, 21.0])
    assert union(lower, upper) == ([(0, 0), (0, 1), (1, 1)], [10.0, 0.0, 11.0], [0.0, 20.0, 21.0])


@pytest.mark.parametrize("seed", range(8))
def test_union_matches_a_dictionary_merge(seed):
    rng = np.random.default_rng(seed)
    m, n = int(rng.integers(1, 5)), int(rng.integers(1, 5))
    lower, upper = random_bound_list(rng, m, n), random_bound_list(rng, m, n)
    if seed == 0:
        upper = ([], [], [])  # lower list copied with zero upper values
    if seed == 1:
        lower = ([], [], [])
    keys, lbv, ubv = union_reference(lower, upper)
    assert union(lower, upper, step=1 + seed % 2) == (keys, lbv, ubv)


@pytest.mark.parametrize("nrows, ncols", [(3, 4), (2, 0), (0, 3), (1, 1)])
def test_flattening_dense_bounds(nrows, ncols):
    rng = np.random.default_rng(nrows * 10 + ncols)
    lb, ub = table(nrows, ncols, np.float64, 2), table(nrows, ncols, np.float64)
    lb[...] = rng.normal(size=(nrows, ncols))
    ub[...] = rng.normal(size=(nrows, ncols))
    pos = 2
    lval, uval = f64([JF] * (pos + nrows * ncols + 1), -2), f64([JF] * (pos + nrows * ncols + 1))
    assert F._c_closure_242(nrows, ncols, pos, lb, lval, ub, uval) == pos + nrows * ncols
    end = pos + nrows * ncols
    np.testing.assert_array_equal(lval[pos:end], lb.ravel())
    np.testing.assert_array_equal(uval[pos:end], ub.ravel())
    assert (lval[:pos] == JF).all() and (uval[end:] == JF).all()


@pytest.mark.parametrize("seed", range(3))
def test_scattering_sparse_bounds_into_dense_arrays(seed):
    rng = np.random.default_rng(seed)
    m, n = 3, 5
    subi, subj, v = random_bound_list(rng, m, n)
    expect = np.full(m * n, JF)
    expect[subi * n + subj] = v
    lval = f64([JF] * (m * n), 2)
    F._c_closure_240(n, lval, i32(subi, -1), i32(subj, 3), f64(v, 2))
    np.testing.assert_array_equal(lval, expect)
    uval = f64([JF] * (m * n), -3)
    F._c_closure_241(n, i32(subi), i32(subj), uval, f64(v, -1))
    np.testing.assert_array_equal(uval, expect)


def test_scatter_positions_beyond_32_bits_do_not_overflow():
    # row 70000 of a 70000-column matrix lies beyond 2**32 (an int32 product would overflow,
    # which the sanitizer leg reports); a view with stride 0 stands in for the huge target
    big = np.zeros(1)
    target = np.lib.stride_tricks.as_strided(big, shape=(70001 * 70000,), strides=(0,), writeable=True)
    F._c_closure_240(70000, target, i32([70000]), i32([5]), f64([3.5]))
    assert big[0] == 3.5


def test_element_table():
    inst = table(4, 2, np.int32, 2)
    F._c_closure_243(inst, i32([1, 2, 3], -2), i32([4, 5, 6]))
    assert inst[:3].tolist() == [[1, 4], [2, 5], [3, 6]] and (inst[3] == J32).all()
