"""Coordinate lists and dense matrices: listing, zero dropping, scatter, extents, pointers, blocks."""
import numpy as np
import pytest

from support.buffers import JUNK, f64, i32, i64
from support.layout import k

STRIDES = [1, 2, -1, 3]
J32, J64, JF = JUNK[np.int32], JUNK[np.int64], JUNK[np.float64]


def wrap32(v):
    return (int(v) + 2**31) % 2**32 - 2**31


@pytest.mark.parametrize("how", ["C", "F", "strided"])
def test_dense_round_trip_matches_numpy(how):
    rng = np.random.default_rng(469)
    for trial in range(16):
        nrows, ncols = (int(v) for v in rng.integers(0, 7, size=2))
        dense = rng.normal(size=(nrows, ncols))
        mask = rng.random(size=dense.shape) < 0.5
        dense[mask] = rng.choice([0.0, -0.0], size=int(mask.sum()))
        data = {"C": dense.copy(), "F": np.asfortranarray(dense)}.get(how)
        if data is None:  # a strided view with reversed columns into a junk array
            data = np.full((2 * nrows + 1, 3 * ncols + 1), JF)[1::2, ::-3][:nrows, :ncols]
            data[...] = dense
        stride, pos, total = STRIDES[trial % 4], int(rng.integers(0, 4)), nrows * ncols
        size = pos + total + 2
        subi, subj, val = i32([J32] * size, stride), i32([J32] * size, stride), f64([JF] * size, stride)
        assert k(469)(data, nrows, ncols, pos, subi, subj, val) == pos + total  # every cell, zeros included
        rows, cols = np.divmod(np.arange(total), max(ncols, 1))
        assert list(subi) == [J32] * pos + list(rows) + [J32] * 2 and list(subj[pos:pos + total]) == list(cols)
        assert np.array_equal(val[pos:pos + total], dense.ravel()) and list(val[pos + total:]) == [JF] * 2
        pi, pj = i32([J32] * size, -stride), i32([J32] * size, -stride)
        assert k(473)(nrows, ncols, pos, pi, pj) == pos + total
        assert np.array_equal(pi, subi) and np.array_equal(pj, subj)
        nnz = int(np.count_nonzero(dense))
        assert k(475)(7, val[pos:pos + total]) == 7 + nnz
        si, sj, sv = i32([J32] * (nnz + 1)), i32([J32] * (nnz + 1)), f64([JF] * (nnz + 1))
        assert k(476)(1, si, subi[pos:pos + total], sj, subj[pos:pos + total], sv, val[pos:pos + total]) == 1 + nnz
        nzi, nzj = np.nonzero(dense)
        assert np.array_equal(si[1:], nzi) and np.array_equal(sj[1:], nzj) and np.array_equal(sv[1:], dense[nzi, nzj])
        ptrb = i64([J64] * (nrows + 1), stride)
        assert k(477)(nrows, nnz, 0, ptrb, si[1:]) == nnz
        assert np.array_equal(ptrb[:nrows], np.searchsorted(nzi, np.arange(nrows))) and ptrb[nrows] == J64
        r = f64([0.0] * total, stride)
        k(478)(ncols, r, si[1:], sj[1:], sv[1:])
        assert np.array_equal(r.reshape(nrows, ncols), dense)


def test_drop_zeros_count_and_row_pointers():
    vals = [0.0, -0.0, np.nan, -1.5, np.inf, 2.0, -np.inf, 0.0]  # zeros and NaN dropped
    keep = [3, 4, 5, 6]
    assert k(475)(0, f64(vals, -2)) == 4
    assert k(475)(2**31 - 1, f64(vals)) == wrap32(2**31 + 3)
    si, sj, sv = i32([J32] * 6), i32([J32] * 6), f64([JF] * 6)
    assert k(476)(2, si, i32(range(8), 2), sj, i32(range(10, 18), -1), sv, f64(vals, 3)) == 6
    assert list(si) == [J32, J32] + keep and list(sj[2:]) == [10 + j for j in keep]
    assert list(sv[2:]) == [vals[j] for j in keep]
    assert k(476)(5, si, i32([]), sj, i32([]), sv, f64([])) == 5
    r = f64([7.0] * 4, -2)
    k(478)(2, r, i32([1, 1, 0]), i32([0, 0, 1], 2), f64([1.0, 2.0, 3.0]))  # the later of two entries wins
    assert list(r) == [7.0, 3.0, 2.0, 7.0]
    # An entry of another row stops the advance; `end` bounds it; p starts anywhere.
    for args, ret, ptrb in [((3, 3, 0), 3, [0, 2, 2]), ((4, 6, 1), 3, [1, 2, 2, 3]), ((2, 1, 0), 1, [0, 1])]:
        got = i64([J64] * len(ptrb))
        assert k(477)(*args, got, i32([9, 0, 2, 1, 3, 3] if args[2] else [0, 0, 2])) == ret and list(got) == ptrb
    assert k(477)(0, 5, 4, i64([]), i32([])) == 4


def test_extents_and_range_checks():
    rng = np.random.default_rng(470)
    for trial in range(30):
        n = int(rng.integers(0, 12))
        subi, subj = rng.integers(-3, 9, size=n), rng.integers(-3, 9, size=n)
        maxi, maxj, m, nc = (int(v) for v in rng.integers(-2, 9, size=4))
        for kernel in (470, 471):
            assert k(kernel)(maxi, maxj, n, i32(subi, STRIDES[trial % 4]), i32(subj)) == \
                (max([maxi, *subi]), max([maxj, *subj]))
        bad = bool(np.any((subi < 0) | (subi >= m) | (subj < 0) | (subj >= nc)))
        assert k(474)(m, nc, n, 0, i32(subi), i32(subj, -1)) == bad
        assert k(474)(m, nc, n, 3, i32(subi), i32(subj)) is True


def test_block_to_column_major():
    rng = np.random.default_rng(472)
    for trial in range(20):
        nrows, ncols = (int(v) for v in rng.integers(0, 6, size=2))
        ld, pos = nrows + int(rng.integers(0, 3)), int(rng.integers(0, 5))
        data = rng.normal(size=pos + nrows * ncols + 2)
        newdata = f64([JF] * max(ld * ncols, 1), STRIDES[trial % 4])
        assert k(472)(f64(data, -STRIDES[trial % 4]), nrows, ncols, newdata, pos, ld) == pos + nrows * ncols
        expected = np.full(max(ld * ncols, 1), JF)
        expected[:ld * ncols].reshape(ncols, ld)[:, :nrows] = data[pos:pos + nrows * ncols].reshape(nrows, ncols).T
        assert np.array_equal(newdata, expected)


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
        n, init = int(rng.integers(0, len(dims) + 1)), int(rng.integers(-9, 9))
        for kernel in (467, 468):  # 32-bit wrapping
            assert k(kernel)(init, i32(dims, STRIDES[trial % 4]), n) == wrap32(init + dims[:n].sum())
    assert k(466)(1, 0, i32([2**31 - 1]), 1, 0, subi, subj) is None and subi[0] == -2**31


def test_shifted_diagonal_takes_both_coordinates_from_msubi_as_passed_when_it_is_subi():
    d, subj = i32([1, 2]), i32([J32] * 2)
    k(466)(2, 0, d, 10, 100, d, subj)
    assert (list(d), list(subj)) == ([11, 12], [101, 102])
