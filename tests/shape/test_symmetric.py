"""Symmetric expansions and triangular coordinate lists, against NumPy's triangle indexes."""
import numpy as np
import pytest

from shape._helpers import call, k
from support.buffers import JUNK, f64, i32, i64

J = JUNK[np.int64]


def junk64(n, stride=1):
    return i64(np.full(n, J), stride)


@pytest.mark.parametrize("n", [142, 152])
def test_dense_expansion(n):
    rng = np.random.default_rng(0)
    for size in [0, 1, 2, 3, 5]:
        count, pos = size * (size + 1) // 2, int(rng.integers(0, 4))
        idxs = rng.integers(-1, 2**31 - 1, size=pos + count + 2, endpoint=True).astype(np.int32)
        ridxs = junk64(size * size, 2)
        assert k(n)(size, i32(idxs, -1), pos, ridxs) == pos + count
        m = np.zeros((size, size), dtype=np.int64)
        m[np.triu_indices(size)] = idxs[pos:pos + count].astype(np.int64) + 1  # upper triangle, row by row
        np.testing.assert_array_equal(ridxs, (m + np.triu(m, 1).T).ravel())


@pytest.mark.parametrize("counts,build,pattern", [((143, 145), 144, 146), ((153, 155), 154, 156)])
@pytest.mark.parametrize("seed", range(5))
def test_sparse_expansion(counts, build, pattern, seed):
    """Count, build and pattern passes over a sparse lower triangle agree with the full matrix;
    each stored entry comes in order, its mirror straight after it."""
    rng = np.random.default_rng(seed)
    n = int(rng.integers(0, 7))
    lin = np.flatnonzero(np.tril(np.ones((n, n), dtype=bool)))
    sp = np.sort(rng.choice(lin, size=int(rng.integers(0, len(lin) + 1)), replace=False)).astype(np.int64)
    idxs = rng.integers(0, 1000, size=len(sp)).astype(np.int32)
    full = np.zeros((n, n), dtype=np.int64)
    full.flat[sp] = idxs.astype(np.int64) + 1
    full = full + np.tril(full, -1).T
    count = np.count_nonzero(full)
    for c in counts:
        assert k(c)(n, 5, i64(sp, 2)) - 5 == count
    ridxs, rsp = junk64(count + 2, 2), junk64(count + 2, -1)
    k(build)(n, i32(idxs, 2), ridxs, rsp, i64(sp))
    assert (ridxs[count:] == J).all() and (rsp[count:] == J).all()
    got_sp = rsp[:count]
    np.testing.assert_array_equal(np.sort(got_sp), np.flatnonzero(full))
    np.testing.assert_array_equal(ridxs[:count], full.flat[got_sp])
    stored = np.isin(got_sp, sp)
    np.testing.assert_array_equal(got_sp[stored], sp)
    mirrors = np.flatnonzero(~stored)
    np.testing.assert_array_equal(got_sp[mirrors], (got_sp[mirrors - 1] % n) * n + got_sp[mirrors - 1] // n)
    pat = junk64(count + 1)
    k(pattern)(n, pat, i64(sp, -1))
    assert pat.tolist() == got_sp.tolist() + [J]


@pytest.mark.parametrize("n", [147, 157, 158])
def test_one_based_native_indexes(n):
    values = np.array([0, -1, 5, 2**31 - 1, -2**31], dtype=np.int32)
    r = junk64(6, 2)
    k(n)(i32(values, -1), r)
    assert r.tolist() == (values.astype(np.int64) + 1).tolist() + [J]


@pytest.mark.parametrize("n", [0, 1, 4])
def test_triangle_coordinates_and_diagonal(n):
    count = n * (n + 1) // 2
    si, sj = i32(np.full(count + 1, -9), 2), i32(np.full(count + 1, -9), -1)
    k(63)(n, si, sj)
    ti, tj = np.tril_indices(n)
    np.testing.assert_array_equal(si, np.r_[ti, -9])
    np.testing.assert_array_equal(sj, np.r_[tj, -9])
    want = np.r_[np.where(ti == tj, -1.0, 0.5), 0.5, 0.5]
    for f in (62, 68):
        matcof = f64(np.full(count + 2, 0.5), 2)
        call(f, n=n, matcof=matcof)
        np.testing.assert_array_equal(matcof, want)


@pytest.mark.parametrize("nouter,msize,nmid,nq,nblock", [
    (2, 3, 2, 3, 2), (1, 4, 3, 6, 1), (2, 3, 1, 2, 2), (0, 3, 1, 3, 1), (2, 0, 2, 2, 1)])
def test_mirror_semidefinite_entries(nouter, msize, nmid, nq, nblock):
    rng = np.random.default_rng(msize + 10 * nmid)
    dims = (nouter, msize, nmid, msize, nblock)
    _, q, _, i, _ = np.indices(dims)
    read = (i >= q) & (q < nq)  # read row-major, lower part of the first nq columns
    values = rng.integers(-50, 50, size=read.sum() + 3)
    expected = np.zeros(dims, dtype=np.int64)
    expected[read] = -values[:read.sum()] - 1
    expected = expected + np.swapaxes(np.where(read & (i > q), expected, 0), 1, 3)
    residxs = i64(np.zeros(expected.size + 2), 2)
    k(151)(nouter, msize, nmid, nq, nblock, i64(values, -1), residxs, *[int(np.prod(dims[j + 1:])) for j in range(4)])
    np.testing.assert_array_equal(residxs, np.r_[expected.ravel(), 0, 0])
