# Coordinate lists and dense matrices: listing, zero dropping, scatter, extents, pointers, blocks.
import numpy as np
import pytest

from support.buffers import f64, i32, i64
from support.kernels import kernel as k
from support.worked import run, table

INF, NAN, BIG = float("inf"), float("nan"), 2**31 - 1
ROWS = [
    # Range checks: 0 and the last index are inside, -1 and the size outside, entries past nnz not read.
    (474, dict(m=3, n=2, nnz=3, flag=0, subi_=[0, 2, 1, 5], subj_=[1, 0, 1, -1]), False, {}),
    (474, dict(m=3, n=2, nnz=2, flag=0, subi_=[0, 3], subj_=[1, 0]), True, {}),
    (474, dict(m=3, n=2, nnz=2, flag=0, subi_=[-1, 2], subj_=[1, 0]), True, {}),
    (474, dict(m=3, n=2, nnz=2, flag=0, subi_=[2, 2], subj_=[0, 2]), True, {}),
    (474, dict(m=3, n=2, nnz=2, flag=0, subi_=[2, 0], subj_=[-1, 0]), True, {}),
    (474, dict(m=3, n=2, nnz=0, flag=5, subi_=[], subj_=[]), True, {}),
    (470, dict(maxi=-1, maxj=5, n=3, subi=[2, 7, 1, 9], subj=[0, 3, 4, 9]), (7, 5), {}),
    (471, dict(maxi=3, maxj=-1, n=0, subi=[9], subj=[9]), (3, -1), {}),
    (467, dict(init=5, idims=[1, 2, BIG, 9], n=3), -2**31 + 7, {}),  # 32-bit wrapping
    (468, dict(init=5, jdims=[1, 2, 3], n=0), 5, {}),
    (466, dict(n=2, off=1, msubi=[5, BIG, 7], ioff=1, joff=-3, subi=[0] * 4, subj=[0] * 4), None,
     dict(subi=[0, 6, -2**31, 0], subj=[0, 2, BIG - 3, 0])),
    (472, dict(data=[9, 1, 2, 3, 4, 5, 6, 9], nrows=2, ncols=3, newdata=[0] * 9, pos=1, ld=3), 7,
     dict(newdata=[1, 4, 0, 2, 5, 0, 3, 6, 0])),
    # Zeros of either sign and NaN dropped, infinities kept; counts wrap.
    (475, dict(init=0, val_=[0.0, -0.0, NAN, -1.5, INF, 2.0, -INF, 0.0]), 4, {}),
    (475, dict(init=BIG, val_=[1.0, 0.0]), -2**31, {}),
    (476, dict(pos=2, subi=[9] * 7, subi_=list(range(8)), subj=[9] * 7, subj_=list(range(10, 18)), val=[9] * 7,
               val_=[0.0, -0.0, NAN, -1.5, INF, 2.0, -INF, 0.0]), 6,
     dict(subi=[9, 9, 3, 4, 5, 6, 9], subj=[9, 9, 13, 14, 15, 16, 9], val=[9, 9, -1.5, INF, 2.0, -INF, 9])),
    (478, dict(ncols=2, r=[7] * 4, subi=[1, 1, 0], subj=[0, 0, 1], val=[1, 2, 3]), None, dict(r=[7, 3, 2, 7])),
    # Row pointers: an entry of another row stops the advance; `end` bounds it; p starts anywhere.
    (477, dict(n=3, end=3, p=0, ptrb=[9] * 4, subi=[0, 0, 2]), 3, dict(ptrb=[0, 2, 2, 9])),
    (477, dict(n=4, end=6, p=1, ptrb=[9] * 4, subi=[9, 0, 2, 1, 3, 3]), 3, dict(ptrb=[1, 2, 2, 3])),
    (477, dict(n=2, end=1, p=0, ptrb=[9] * 2, subi=[0, 0, 2]), 1, dict(ptrb=[0, 1])),
]


@table(ROWS)
def test_worked_examples(number, args, result, after, stride):
    run(number, args, result, after, stride)


def test_shifted_diagonal_takes_both_coordinates_from_msubi_as_passed_when_it_is_subi():
    d, subj = i32([1, 2]), i32([-5] * 2)
    k(466)(2, 0, d, 10, 100, d, subj)
    assert (list(d), list(subj)) == ([11, 12], [101, 102])


@pytest.mark.parametrize("seed", range(12))
def test_dense_and_coordinate_lists_round_trip(seed):
    rng, s = np.random.default_rng(seed), [1, 2, -1, 3][seed % 4]
    nrows, ncols, pos = (int(v) for v in rng.integers(0, [7, 7, 4]))
    dense = rng.normal(size=(nrows, ncols)) * (rng.random((nrows, ncols)) < 0.5)  # zeros of either sign
    total, (nzi, nzj), pad = nrows * ncols, np.nonzero(dense), [-5] * pos
    subi, subj, val, pi, pj = (a([-5] * (pos + total + 2), s) for a in (i32, i32, f64, i32, i32))
    assert k(469)([dense, np.asfortranarray(dense)][seed % 2], nrows, ncols, pos, subi, subj, val) == pos + total
    assert k(473)(nrows, ncols, pos, pi, pj) == pos + total
    rows, cols = np.divmod(np.arange(total), max(ncols, 1))
    for a, want in ((subi, rows), (subj, cols), (val, dense.ravel()), (pi, rows), (pj, cols)):
        assert list(a) == pad + list(want) + [-5] * 2
    subi, subj, val, nnz = subi[pos:pos + total], subj[pos:pos + total], val[pos:pos + total], len(nzi)
    assert k(475)(7, val) == 7 + nnz
    si, sj, sv = (a([-5] * (nnz + 1), -s) for a in (i32, i32, f64))
    assert k(476)(1, si, subi, sj, subj, sv, val) == 1 + nnz
    assert (list(si), list(sj), list(sv)) == ([-5, *nzi], [-5, *nzj], [-5, *dense[nzi, nzj]])
    ptrb, r = i64([-5] * (nrows + 1), s), f64([0.0] * total, s)
    assert k(477)(nrows, nnz, 0, ptrb, si[1:]) == nnz
    assert list(ptrb) == list(np.searchsorted(nzi, np.arange(nrows))) + [-5]
    k(478)(ncols, r, si[1:], sj[1:], sv[1:])
    assert np.array_equal(r.reshape(nrows, ncols), dense)
