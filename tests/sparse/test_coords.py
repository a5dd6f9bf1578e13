"""Coordinate lists and dense matrices, against NumPy dense arrays: listing (row-major,
np.nonzero order once zeros are dropped), scattering back, extents, range checks, row
pointers of a row-sorted list, block transposes and shifted diagonal patterns."""
import numpy as np
import pytest

import fragments
from support.buffers import JUNK, f64, i32, i64

STRIDES = [1, 2, -1, 3]
J32, J64, JF = JUNK[np.int32], JUNK[np.int64], JUNK[np.float64]


def k(n):
    return getattr(fragments, f"_c_closure_{n}")


def wrap32(v):
    return (int(v) + 2**31) % 2**32 - 2**31


def random_dense(rng, nrows, ncols, zeros=0.5):
    """A matrix with about `zeros` of its entries 0.0 or -0.0."""
    a = rng.normal(size=(nrows, ncols))
    mask = rng.random(size=a.shape) < zeros
    a[mask] = rng.choice([0.0, -0.0], size=int(mask.sum()))
    return a


def strided_2d(a, how):
    """`a` as a 2-D view with the layout `how`: C order, Fortran order, or a strided slice of
    a larger junk-filled array with its columns reversed."""
    if how == "C":
        return a.copy()
    if how == "F":
        return np.asfortranarray(a)
    big = np.full((2 * a.shape[0] + 1, 3 * a.shape[1] + 1), JF)
    view = big[1::2, ::-3][:a.shape[0], :a.shape[1]]
    view[...] = a[:, ::-1]
    return view[:, ::-1]


@pytest.mark.parametrize("how", ["C", "F", "strided"])
def test_dense_round_trip_matches_numpy(how):
    rng = np.random.default_rng(469)
    for trial in range(25):
        nrows, ncols = (int(v) for v in rng.integers(0, 7, size=2))
        dense = random_dense(rng, nrows, ncols)
        data = strided_2d(dense, how)
        stride = STRIDES[trial % 4]
        pos, total = int(rng.integers(0, 4)), nrows * ncols
        size = pos + total + 2
        subi, subj, val = i32([J32] * size, stride), i32([J32] * size, stride), f64([JF] * size, stride)
        # Every cell, row-major, zeros included; the list's other entries untouched.
        assert k(469)(data, nrows, ncols, pos, subi, subj, val) == pos + total
        rows, cols = np.divmod(np.arange(total), max(ncols, 1))
        assert np.array_equal(subi[pos:pos + total], rows) and np.array_equal(subj[pos:pos + total], cols)
        assert np.array_equal(val[pos:pos + total], dense.ravel())
        assert list(subi[:pos]) == [J32] * pos and list(val[pos + total:]) == [JF] * 2
        # The dense pattern writes the same coordinates.
        pi, pj = i32([J32] * size, -stride), i32([J32] * size, -stride)
        assert k(473)(nrows, ncols, pos, pi, pj) == pos + total
        assert np.array_equal(pi, subi) and np.array_equal(pj, subj)
        # Dropping zeros leaves the non-zeros in np.nonzero order.
        nnz = int(np.count_nonzero(dense))
        assert k(475)(7, val[pos:pos + total]) == 7 + nnz
        si, sj, sv = i32([J32] * (nnz + 1)), i32([J32] * (nnz + 1)), f64([JF] * (nnz + 1))
        end = k(476)(1, si, subi[pos:pos + total], sj, subj[pos:pos + total], sv, val[pos:pos + total])
        assert end == 1 + nnz
        nzi, nzj = np.nonzero(dense)
        assert np.array_equal(si[1:], nzi) and np.array_equal(sj[1:], nzj)
        assert np.array_equal(sv[1:], dense[nzi, nzj])
        # Row pointers of the dropped list.
        ptrb = i64([J64] * (nrows + 1), stride)
        assert k(477)(nrows, nnz, 0, ptrb, si[1:]) == nnz
        assert np.array_equal(ptrb[:nrows], np.searchsorted(nzi, np.arange(nrows))) and ptrb[nrows] == J64
        # Scattering the list back into a zeroed row-major array gives the matrix.
        r = f64([0.0] * total, stride)
        k(478)(ncols, r, si[1:], sj[1:], sv[1:])
        assert np.array_equal(r.reshape(nrows, ncols), dense)


def test_scatter_to_dense_last_entry_wins():
    rng = np.random.default_rng(478)
    for trial in range(30):
        nrows, ncols = (int(v) for v in rng.integers(1, 6, size=2))
        n = int(rng.integers(0, 25))
        subi, subj = rng.integers(0, nrows, size=n), rng.integers(0, ncols, size=n)
        val = rng.normal(size=n)
        start = rng.normal(size=nrows * ncols)
        expected = start.copy()
        for a, b, v in zip(subi, subj, val):
            expected[a * ncols + b] = v
        stride = STRIDES[trial % 4]
        r = f64(start, stride)
        k(478)(ncols, r, i32(subi, stride), i32(subj, -stride), f64(val, stride))
        assert np.array_equal(r, expected)


def test_drop_zeros_and_count():
    vals = [0.0, -0.0, np.nan, -1.5, np.inf, 2.0, -np.inf, 0.0]
    keep = [3, 4, 5, 6]
    assert k(475)(0, f64(vals, -2)) == 4
    assert k(475)(2**31 - 1, f64(vals)) == wrap32(2**31 + 3)
    si, sj, sv = i32([J32] * 6), i32([J32] * 6), f64([JF] * 6)
    assert k(476)(2, si, i32(range(8), 2), sj, i32(range(10, 18), -1), sv, f64(vals, 3)) == 6
    assert list(si) == [J32, J32] + keep and list(sj) == [J32, J32] + [10 + j for j in keep]
    assert list(sv[2:]) == [vals[j] for j in keep]
    assert k(476)(5, si, i32([]), sj, i32([]), sv, f64([])) == 5


def test_extents_and_range_checks():
    rng = np.random.default_rng(470)
    for trial in range(40):
        n = int(rng.integers(0, 12))
        subi, subj = rng.integers(-3, 9, size=n), rng.integers(-3, 9, size=n)
        maxi, maxj = (int(v) for v in rng.integers(-2, 5, size=2))
        expected = (max([maxi, *subi]), max([maxj, *subj]))
        for kernel in (470, 471):
            assert k(kernel)(maxi, maxj, n, i32(subi, STRIDES[trial % 4]), i32(subj)) == expected
        m, nc = (int(v) for v in rng.integers(0, 9, size=2))
        bad = bool(np.any((subi < 0) | (subi >= m) | (subj < 0) | (subj >= nc)))
        assert k(474)(m, nc, n, 0, i32(subi), i32(subj, -1)) == bad
        assert k(474)(m, nc, n, 3, i32(subi), i32(subj)) is True
    # All rows negative: the seed stays the extent.
    assert k(470)(0, 0, 3, i32([-1, -5, -2]), i32([1, 0, 4])) == (0, 4)
    assert k(474)(1, 1, 0, 0, i32([]), i32([])) is False


def test_row_pointers_of_row_sorted_lists():
    ptrb = i64([J64] * 3)
    assert k(477)(3, 3, 0, ptrb, i32([0, 0, 2])) == 3 and list(ptrb) == [0, 2, 2]
    # An entry of another row stops the advance; `end` bounds it; p starts anywhere.
    ptrb = i64([J64] * 4)
    assert k(477)(4, 6, 1, ptrb, i32([9, 0, 2, 1, 3, 3])) == 3 and list(ptrb) == [1, 2, 2, 3]
    ptrb = i64([J64] * 2)
    assert k(477)(2, 1, 0, ptrb, i32([0, 0, 1])) == 1 and list(ptrb) == [0, 1]
    assert k(477)(0, 5, 4, i64([]), i32([])) == 4


def test_block_to_column_major():
    rng = np.random.default_rng(472)
    for trial in range(30):
        nrows, ncols = (int(v) for v in rng.integers(0, 6, size=2))
        ld = nrows + int(rng.integers(0, 3))
        pos = int(rng.integers(0, 5))
        data = rng.normal(size=pos + nrows * ncols + 2)
        newdata = f64([JF] * max(ld * ncols, 1), STRIDES[trial % 4])
        assert k(472)(f64(data, -STRIDES[trial % 4]), nrows, ncols, newdata, pos, ld) == pos + nrows * ncols
        expected = np.full(max(ld * ncols, 1), JF)
        expected[:ld * ncols].reshape(ncols, ld)[:, :nrows] = data[pos:pos + nrows * ncols].reshape(nrows, ncols).T
        assert np.array_equal(newdata, expected)
    # ld = nrows: plain column-major order.
    a = np.arange(6.0).reshape(2, 3)
    out = f64([0.0] * 6)
    assert k(472)(f64(a.ravel()), 2, 3, out, 0, 2) == 6
    assert np.array_equal(out, a.ravel(order="F"))


def test_shifted_diagonal_and_block_totals():
    rng = np.random.default_rng(466)
    for trial in range(20):
        n, off = int(rng.integers(0, 8)), int(rng.integers(0, 4))
        msubi = rng.integers(0, 50, size=n)
        ioff, joff = (int(v) for v in rng.integers(-5, 20, size=2))
        subi, subj = i32([J32] * (n + off + 1), STRIDES[trial % 4]), i32([J32] * (n + off + 1))
        k(466)(n, off, i32(msubi, -1), ioff, joff, subi, subj)
        assert list(subi) == [J32] * off + list(msubi + ioff) + [J32]
        assert list(subj) == [J32] * off + list(msubi + joff) + [J32]
        dims = rng.integers(0, 2**30, size=int(rng.integers(0, 8)))
        n = int(rng.integers(0, len(dims) + 1))
        init = int(rng.integers(-9, 9))
        for kernel in (467, 468):
            assert k(kernel)(init, i32(dims, STRIDES[trial % 4]), n) == wrap32(init + dims[:n].sum())
    assert k(466)(1, 0, i32([2**31 - 1]), 1, 0, subi, subj) is None and subi[0] == -2**31
