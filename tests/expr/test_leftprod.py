"""A constant matrix on the left of an expression (triplet or dense matrix, dense or sparse
expression) against NumPy products of the evaluated operands and against the merge order
of the terms; the triplet checks against NumPy tests of range and order."""
import numpy as np
import pytest

from support.buffers import f64, i32
from support.layout import k, pad, point, put, some_record, value
from support.matrices import assert_elements, dense_of, grouping, product_elements, random_triplets
from support.records import Record, read, reserve, runs
from support.stacks import Stacks

TOL = dict(rtol=1e-12, atol=1e-12)
MODES = ("triplets M, dense E", "dense M, sparse E", "triplets M, sparse E")
TRIPLETS_DENSE, DENSE_SPARSE, TRIPLETS_SPARSE = MODES


def stored_positions(rec):
    """Linear index -> stored element number."""
    return {int(e): j for j, e in enumerate(rec.linear())}


def left_product(rng, mode, M, e, stride=1):
    """Builds M E with kernel 346 as the caller does; checks that only the result runs were
    written and returns (result, expected elements, M as a dense array). M is a dense array
    or triplets (subi, subj, val, m)."""
    n, p = e.shape
    if mode == DENSE_SPARSE:
        m = M.shape[0]
        mdense, mstored = M, np.ones(M.shape, bool)
        subi = subj = None
        mval, nnz = f64(M.ravel(), stride), 0
    else:
        subi, subj, val, m = M
        mdense = dense_of(subi, subj, val, m, n)
        mstored = dense_of(subi, subj, 1.0, m, n) != 0
        subi, subj, mval, nnz = i32(subi, stride), i32(subj, stride), f64(val, stride), len(val)
    s = Stacks(size=2048, stride=stride)
    w = put(s.w, e, rng)
    ecolptr = eperm = spbase = int(rng.integers(0, 9))  # not read for a dense E
    if e.sparse:
        pad(s.x, rng)
        ptr, perm = grouping(e.sp % p if p else e.sp, p)
        ecolptr, eperm, spbase = s.x.put_i32(ptr), s.x.put_i32(perm), w.sp

    where = stored_positions(e)
    estored = np.zeros(n * p, bool)
    estored[e.linear()] = True

    def pair(i, kk, c):
        j, v = where[kk * p + c], mdense[i, kk]
        nidxs, cof = e.terms(j)
        return list(zip(nidxs.tolist(), (v * cof).tolist())), v * e.bfix[j]

    expected = product_elements(mstored, estored.reshape(n, p), pair, dense_result=mode == DENSE_SPARSE)
    nelem, nterms = len(expected), sum(len(t) for t, _ in expected.values())
    sparse_result = mode != DENSE_SPARSE
    pad(s.r, rng)
    out = reserve(s.r, 0, nelem, nterms, sparse_result)
    rsp = out.sp if sparse_result else int(rng.integers(0, 9))
    snaps = s.r.snapshot(), s.w.snapshot(), s.x.snapshot()
    # msparse is read only for a sparse E; any non-zero value means triplets.
    sparse, msparse = {TRIPLETS_DENSE: (0, int(rng.integers(0, 2))), DENSE_SPARSE: (1, 0),
                       TRIPLETS_SPARSE: (int(rng.integers(1, 3)), int(rng.integers(1, 3)))}[mode]
    assert k(346)(w.bfix, w.cof, p, eperm, ecolptr, sparse, m, n, msparse, nnz, subi, subj, mval, w.nidxs, w.ptr,
                  out.bfix, out.cof, s.r.f64, s.r.i32, s.r.i64, out.nidxs, out.ptr, rsp, spbase, s.w.f64, s.w.i32,
                  s.w.i64, s.x.i32) is None
    s.r.assert_only_changed(snaps[0], **runs(out, 0, nelem, nterms))
    s.w.assert_only_changed(snaps[1])
    s.x.assert_only_changed(snaps[2])
    result = read(s.r, out, 0, nelem, nterms, sparse_result, shape=(m, p))
    return result, expected, mdense


@pytest.mark.parametrize("mode", MODES)
@pytest.mark.parametrize("stride", [1, 2])
def test_left_product_matches_numpy(mode, stride):
    rng = np.random.default_rng(3460 + 10 * stride + MODES.index(mode))
    for case in range(60):
        m, n, p = (int(v) for v in rng.integers(0, 5, size=3))
        e = some_record(rng, (n, p), sparse=mode != TRIPLETS_DENSE)
        if mode == DENSE_SPARSE:
            M = np.round(rng.normal(size=(m, n)), 3)
            M[rng.random(M.shape) < 0.2] = 0.0
        else:
            M = (*random_triplets(rng, m, n), m)
        result, expected, mdense = left_product(rng, mode, M, e, stride)
        assert_elements(result, expected)
        xs = point(rng)
        np.testing.assert_allclose(value(result, xs), mdense @ value(e, xs), **TOL)


# The 2 by 2 expression (a + 1, 2 b; 0, a - c), a, b, c being variables 1, 2, 3, times
# M = (2, 0; 0, 0; 1, -1) from the left.
EXAMPLE_DENSE = Record((2, 2), [0, 1, 2, 2, 4], [1, 2, 1, 3], [1.0, 2.0, 1.0, -1.0], [1.0, 0.0, 0.0, 0.0])
EXAMPLE_SPARSE = Record((2, 2), [0, 1, 2, 4], [1, 2, 1, 3], [1.0, 2.0, 1.0, -1.0], [1.0, 0.0, 0.0], sp=[0, 1, 3])
EXAMPLE_M = (np.array([0, 2, 2]), np.array([0, 0, 1]), np.array([2.0, 1.0, -1.0]), 3)


@pytest.mark.parametrize("mode, e", [(TRIPLETS_DENSE, EXAMPLE_DENSE), (TRIPLETS_SPARSE, EXAMPLE_SPARSE)])
def test_left_product_example(mode, e):
    result, _, _ = left_product(np.random.default_rng(7), mode, EXAMPLE_M, e)
    # Row 0: 2 (a + 1), 4 b. Row 2: (a + 1) - 0, 2 b - (a - c). Row 1 has no entries.
    np.testing.assert_array_equal(result.sp, [0, 1, 4, 5])
    np.testing.assert_array_equal(result.ptr, [0, 1, 2, 3, 6])
    np.testing.assert_array_equal(result.nidxs, [1, 2, 1, 2, 1, 3])
    np.testing.assert_array_equal(result.cof, [2.0, 4.0, 1.0, 2.0, -1.0, 1.0])
    np.testing.assert_array_equal(result.bfix, [2.0, 0.0, 1.0, 0.0])


def test_row_meeting_only_constants_still_gives_every_column():
    # E = (1, 2; 3, 4) as constants alone; M's row 1 points at E's row 1.
    e = Record((2, 2), [0, 0, 0, 0, 0], [], [], [1.0, 2.0, 3.0, 4.0])
    rng = np.random.default_rng(11)
    result, _, _ = left_product(rng, TRIPLETS_DENSE, (np.array([1]), np.array([1]), np.array([0.5]), 2), e)
    np.testing.assert_array_equal(result.sp, [2, 3])
    np.testing.assert_array_equal(result.ptr, [0, 0, 0])
    np.testing.assert_array_equal(result.bfix, [1.5, 2.0])


def test_no_matching_pair_gives_empty_record():
    # E stores only column 0 of row 0; M's entries all lie in column 1.
    e = Record((2, 2), [0, 1], [4], [1.0], [0.0], sp=[0])
    rng = np.random.default_rng(12)
    result, expected, _ = left_product(rng, TRIPLETS_SPARSE, (np.array([0, 1]), np.array([1, 1]), np.ones(2), 2), e)
    assert expected == {} and result.nelem == 0
    np.testing.assert_array_equal(result.ptr, [0])


def test_sizes_of_triplet_product():
    # ((rnelem + row runs) * p, nnz * p); the fourth argument is not read.
    assert k(358)(5, i32([0, 0, 2, 3, 3]), 1, 99, 3) == ((1 + 3) * 3, 15)
    assert k(358)(3, i32([0, 0, 2, 3, 3], stride=2), 0, 0, 2) == (4, 6)  # only the first three
    assert k(358)(0, None, 4, 0, 3) == (12, 0)
    assert k(358)(-2, None, 4, 0, 3) == (12, -6)
    assert k(358)(0, None, 3, 0, 1 << 30) == (-(1 << 30), 0)  # wraps in 32 bits


def out_of_range(subi, subj, nrows, ncols):
    return bool(np.any((subi < 0) | (subi >= nrows) | (subj < 0) | (subj >= ncols)))


def not_increasing(subi, subj):
    di, dj = np.diff(subi.astype(np.int64)), np.diff(subj.astype(np.int64))
    return bool(np.any((di < 0) | ((di == 0) & (dj <= 0))))


def damaged_triplets(rng):
    """Random triplets, sometimes with an entry moved out of range, two entries swapped or
    a position repeated."""
    nrows, ncols = (int(v) for v in rng.integers(1, 5, size=2))
    subi, subj, _ = random_triplets(rng, nrows, ncols)
    subi, subj = subi.copy(), subj.copy()
    nnz = len(subi)
    for _ in range(int(rng.integers(0, 3))):
        if nnz == 0:
            break
        t = int(rng.integers(0, nnz))
        kind = rng.integers(0, 4)
        if kind == 0:
            subi[t] = rng.choice([-1, nrows, nrows + 3])
        elif kind == 1:
            subj[t] = rng.choice([-2, ncols])
        elif kind == 2 and nnz > 1:
            u = int(rng.integers(0, nnz))
            subi[[t, u]], subj[[t, u]] = subi[[u, t]], subj[[u, t]]
        elif nnz > 1:
            u = min(t + 1, nnz - 1)
            subi[u], subj[u] = subi[u - 1], subj[u - 1]
    return nrows, ncols, subi, subj


def test_triplet_checks_match_numpy():
    rng = np.random.default_rng(347)
    for case in range(400):
        nrows, ncols, subi, subj = damaged_triplets(rng)
        stride = int(rng.integers(1, 3))
        a, b = i32(subi, stride), i32(subj, stride)
        bad, uns = out_of_range(subi, subj, nrows, ncols), not_increasing(subi, subj)
        badrange, unsorted, result = (int(v) for v in rng.integers(0, 2, size=3))
        assert k(361)(nrows, ncols, a, b, result) is (bool(result) and not bad and not uns)
        assert k(362)(badrange, nrows, ncols, a, b) is (bool(badrange) or bad)
        assert k(363)(unsorted, a, b) is (bool(unsorted) or uns)
        # 347 checks only the first nnz triplets and, once something is out of range,
        # reports the order flag it was given.
        nnz = int(rng.integers(0, len(subi) + 1))
        bad_head = out_of_range(subi[:nnz], subj[:nnz], nrows, ncols)
        if badrange or bad_head:
            want = (True, bool(unsorted))
        else:
            want = (False, bool(unsorted) or not_increasing(subi[:nnz], subj[:nnz]))
        assert k(347)(badrange, unsorted, nrows, ncols, nnz, a, b) == want


def test_triplet_check_edge_cases():
    unsorted_pair = i32([1, 0]), i32([0, 0])
    assert k(347)(1, 0, 2, 2, 2, *unsorted_pair) == (True, False)  # set badrange returns at once
    assert k(347)(0, 0, 2, 2, 2, *unsorted_pair) == (False, True)
    assert k(347)(0, 0, 2, 2, 2, i32([0, 0]), i32([1, 1])) == (False, True)  # repeated position
    assert k(347)(0, 1, 2, 2, 0, None, None) == (False, True)
    assert k(361)(2, 2, i32([0, 1]), i32([0, 1]), 0) is False
    assert k(361)(2, 2, i32([]), i32([]), 1) is True
    assert k(362)(0, 2, 2, i32([0, 2]), i32([0, 0])) is True
    assert k(363)(0, i32([0, 0]), i32([1, 1])) is True
    assert k(363)(0, i32([0, 1]), i32([1, 0])) is False
