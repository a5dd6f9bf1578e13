"""Symmetric expansions and triangular coordinate lists, against NumPy's triangle indexes."""
import numpy as np
import pytest

import fragments as F
from support.buffers import JUNK, f64, i32, i64

SIZES = [0, 1, 2, 3, 5]


def junk64(n, stride=1):
    return i64(np.full(n, JUNK[np.int64]), stride)


def symmetric(n, upper_values):
    """The n x n symmetric matrix whose upper triangle, row by row, holds upper_values."""
    m = np.zeros((n, n), dtype=np.int64)
    m[np.triu_indices(n)] = upper_values
    return m + np.triu(m, 1).T


@pytest.mark.parametrize("kernel", [F._c_closure_142, F._c_closure_152])
def test_dense_expansion(kernel):
    ridxs = junk64(4)
    assert kernel(2, i32([5, 6, 7]), 0, ridxs) == 3
    np.testing.assert_array_equal(ridxs, [6, 7, 7, 8])

    rng = np.random.default_rng(0)
    for n in SIZES:
        count = n * (n + 1) // 2
        pos = int(rng.integers(0, 4))
        idxs = rng.integers(-1, 2**31 - 1, size=pos + count + 2, endpoint=True).astype(np.int32)
        ridxs = junk64(n * n, 2)
        assert kernel(n, i32(idxs, -1), pos, ridxs) == pos + count
        want = symmetric(n, idxs[pos:pos + count].astype(np.int64) + 1)
        np.testing.assert_array_equal(ridxs, want.ravel())


def random_triangle(rng, n):
    """A sparse lower triangle of an n x n matrix: sorted linear indexes and int32 indexes."""
    lin = np.flatnonzero(np.tril(np.ones((n, n), dtype=bool)))
    sp = np.sort(rng.choice(lin, size=int(rng.integers(0, len(lin) + 1)), replace=False)) if n else lin
    return sp.astype(np.int64), rng.integers(0, 1000, size=len(sp)).astype(np.int32)


def test_sparse_expansion_examples():
    for k in (F._c_closure_143, F._c_closure_145, F._c_closure_153, F._c_closure_155):
        assert k(3, 10, i64([0, 3, 4])) == 14
        assert k(3, 0, i64([])) == 0
    for k in (F._c_closure_144, F._c_closure_154):
        ridxs, rsp = junk64(2), junk64(2)
        k(3, i32([9]), ridxs, rsp, i64([3]))
        np.testing.assert_array_equal(rsp, [3, 1])
        np.testing.assert_array_equal(ridxs, [10, 10])


@pytest.mark.parametrize("seed", range(8))
def test_sparse_expansion(seed):
    rng = np.random.default_rng(seed)
    n = int(rng.integers(1, 7))
    sp, idxs = random_triangle(rng, n)
    full = np.zeros((n, n), dtype=np.int64)
    full.flat[sp] = idxs.astype(np.int64) + 1
    full = full + np.tril(full, -1).T
    want_sp = np.flatnonzero(full)

    count = F._c_closure_143(n, 5, i64(sp, 2)) - 5
    assert count == len(want_sp)

    ridxs, rsp = junk64(count + 2, 2), junk64(count + 2, -1)
    F._c_closure_144(n, i32(idxs, 2), ridxs, rsp, i64(sp))
    assert (ridxs[count:] == JUNK[np.int64]).all() and (rsp[count:] == JUNK[np.int64]).all()
    got_sp, got_idx = rsp[:count], ridxs[:count]
    np.testing.assert_array_equal(np.sort(got_sp), want_sp)
    np.testing.assert_array_equal(got_idx, full.flat[got_sp])
    # Each stored entry in order, its mirror straight after it.
    stored = np.isin(got_sp, sp)
    np.testing.assert_array_equal(got_sp[stored], sp)
    mirrors = np.flatnonzero(~stored)
    np.testing.assert_array_equal(got_sp[mirrors], (got_sp[mirrors - 1] % n) * n + got_sp[mirrors - 1] // n)

    for k in (F._c_closure_146, F._c_closure_156):
        pattern = junk64(count + 1)
        k(n, pattern, i64(sp, -1))
        np.testing.assert_array_equal(pattern[:count], got_sp)
        assert pattern[count] == JUNK[np.int64]


def test_one_based_native_indexes():
    values = np.array([0, -1, 5, 2**31 - 1, -2**31], dtype=np.int32)
    for k in (F._c_closure_147, F._c_closure_157, F._c_closure_158):
        r = junk64(6, 2)
        k(i32(values, -1), r)
        np.testing.assert_array_equal(r[:5], values.astype(np.int64) + 1)
        assert r[5] == JUNK[np.int64]


@pytest.mark.parametrize("n", SIZES + [7])
def test_triangle_coordinates_and_diagonal(n):
    count = n * (n + 1) // 2
    si, sj = i32(np.full(count + 1, -9), 2), i32(np.full(count + 1, -9), -1)
    F._c_closure_63(n, si, sj)
    ti, tj = np.tril_indices(n)
    np.testing.assert_array_equal(si, np.r_[ti, -9])
    np.testing.assert_array_equal(sj, np.r_[tj, -9])

    want = np.full(count + 2, 0.5)
    want[np.flatnonzero(ti == tj)] = -1.0
    for call in (lambda m: F._c_closure_62(n, m), lambda m: F._c_closure_68(m, n)):
        matcof = f64(np.full(count + 2, 0.5), 2)
        call(matcof)
        np.testing.assert_array_equal(matcof, want)


@pytest.mark.parametrize("nouter,msize,nmid,nq,nblock", [
    (1, 3, 1, 3, 1), (2, 3, 2, 3, 2), (1, 4, 3, 6, 1), (2, 3, 1, 2, 2), (1, 1, 1, 1, 3), (0, 3, 1, 3, 1),
    (2, 0, 2, 2, 1)])
def test_mirror_semidefinite_entries(nouter, msize, nmid, nq, nblock):
    rng = np.random.default_rng(msize + 10 * nmid)
    dims = (nouter, msize, nmid, msize, nblock)
    # Read order (a, q, r, i >= q, u): row-major over (a, column q, r, row i, u), lower part only.
    a, q, r, i, u = np.indices(dims)
    read = (i >= q) & (q < nq)
    count = int(read.sum())
    values = rng.integers(-50, 50, size=count + 3)
    expected = np.zeros(dims, dtype=np.int64)
    expected[read] = -values[:count] - 1
    expected = expected + np.swapaxes(np.where(read & (i > q), expected, 0), 1, 3)

    size = int(np.prod(dims))
    residxs = i64(np.zeros(size + 2), 2)
    stride = [int(np.prod(dims[k + 1:])) for k in range(5)]
    F._c_closure_151(nouter, msize, nmid, nq, nblock, i64(values, -1), residxs, stride[0], stride[1], stride[2],
                     stride[3])
    np.testing.assert_array_equal(residxs[:size], expected.ravel())
    assert (residxs[size:] == 0).all()
