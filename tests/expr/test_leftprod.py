"""A constant matrix (triplets or dense) on the left of a dense or sparse record, against NumPy
products of the evaluated operands and the merge order of the terms."""
import numpy as np
import pytest

from support.buffers import f64, i32
from support.layout import k, only_changed, pad, point, put, snap, some_record, value
from support.products import (EXAMPLE_DENSE, EXAMPLE_SPARSE, assert_elements, bases_args, call, dense_of, element_terms,
                              grouping, product_elements, random_triplets, stack_args, stored_at)
from support.records import Record, read, reserve, runs
from support.stacks import Stacks

MODES = ("triplets M, dense E", "dense M, sparse E", "triplets M, sparse E")
TRIPLETS_DENSE, DENSE_SPARSE, TRIPLETS_SPARSE = MODES


def left_product(rng, mode, M, e, stride=1):
    """M E (M dense or triplets (subi, subj, val, m)) by 346 after the count pass 344 / 345 that
    must agree with it; returns (result, expected elements, M dense)."""
    n, p = e.shape
    if mode == DENSE_SPARSE:
        m, mdense, mstored = M.shape[0], M, np.ones(M.shape, bool)
        a = dict(msubi=None, msubj=None, mval=f64(M.ravel(), stride), nnz=0)
    else:
        subi, subj, val, m = M
        mdense, mstored = dense_of(subi, subj, val, m, n), dense_of(subi, subj, 1.0, m, n) != 0
        a = dict(msubi=i32(subi, stride), msubj=i32(subj, stride), mval=f64(val, stride), nnz=len(val))
    s = Stacks(size=2048, stride=stride)
    w = put(s.w, e, rng)
    a["ecolptr"] = a["eperm"] = a["spbase"] = int(rng.integers(0, 9))  # not read for a dense E
    if e.sparse:
        pad(s.x, rng)
        ptr, perm = grouping(e.sp % p if p else e.sp, p)
        a.update(ecolptr=s.x.put_i32(ptr), eperm=s.x.put_i32(perm), spbase=w.sp)
    at, estored = stored_at(e), np.isin(np.arange(n * p), e.linear()).reshape(n, p)
    pair = lambda i, kk, c: ([(nn, mdense[i, kk] * cc) for nn, cc in element_terms(e, at[kk * p + c])],
                             mdense[i, kk] * e.bfix[at[kk * p + c]])
    expected = product_elements(mstored, estored, pair, dense_result=mode == DENSE_SPARSE)
    nelem, nterms = len(expected), sum(len(t) for t, _ in expected.values())
    # msparse is read only for a sparse E; any non-zero value means triplets.
    sparse, msparse = {TRIPLETS_DENSE: (0, int(rng.integers(0, 2))), DENSE_SPARSE: (1, 0),
                       TRIPLETS_SPARSE: (int(rng.integers(1, 3)), int(rng.integers(1, 3)))}[mode]
    a.update(**stack_args(s), **bases_args(w), p=p, q=p, m=m, n=n, sparse=sparse, msparse=msparse, eterms=e.nnz)
    e0, t0 = (int(v) for v in rng.integers(0, 5, size=2))
    assert tuple(call(345 if mode == TRIPLETS_DENSE else 344, **a, rnelem=e0, rnnz=t0)) == (
        e0 * (mode != DENSE_SPARSE) + nelem, t0 * (mode != DENSE_SPARSE) + nterms)

    pad(s.r, rng)
    out = reserve(s.r, 0, nelem, nterms, mode != DENSE_SPARSE)
    snaps = snap(s)
    rsp = {} if out.sp is not None else dict(rspbase=int(rng.integers(0, 9)))  # not read for a dense result
    assert call(346, **a, **bases_args(out, "r") | rsp) is None
    only_changed(s, snaps, r=runs(out, 0, nelem, nterms))
    return read(s.r, out, 0, nelem, nterms, mode != DENSE_SPARSE, shape=(m, p)), expected, mdense


@pytest.mark.parametrize("mode", MODES)
@pytest.mark.parametrize("stride", [1, 2])
def test_left_product_matches_numpy(mode, stride):
    rng = np.random.default_rng(3460 + 10 * stride + MODES.index(mode))
    for case in range(40):
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
        np.testing.assert_allclose(value(result, xs), mdense @ value(e, xs), rtol=1e-12, atol=1e-12)


EXAMPLE_M = (np.array([0, 2, 2]), np.array([0, 0, 1]), np.array([2.0, 1.0, -1.0]), 3)  # (2, 0; 0, 0; 1, -1)


@pytest.mark.parametrize("mode, e, M, want", [
    # Row 0: 2 (a + 1), 4 b. Row 2: (a + 1) - 0, 2 b - (a - c). Row 1 has no entries.
    (TRIPLETS_DENSE, EXAMPLE_DENSE, EXAMPLE_M,
     [[0, 1, 4, 5], [0, 1, 2, 3, 6], [1, 2, 1, 2, 1, 3], [2.0, 4.0, 1.0, 2.0, -1.0, 1.0], [2.0, 0.0, 1.0, 0.0]]),
    (TRIPLETS_SPARSE, EXAMPLE_SPARSE, EXAMPLE_M,
     [[0, 1, 4, 5], [0, 1, 2, 3, 6], [1, 2, 1, 2, 1, 3], [2.0, 4.0, 1.0, 2.0, -1.0, 1.0], [2.0, 0.0, 1.0, 0.0]]),
    # E of constants alone; M's row 1 meets E's row 1: every column is still an element.
    (TRIPLETS_DENSE, Record((2, 2), [0, 0, 0, 0, 0], [], [], [1.0, 2.0, 3.0, 4.0]),
     (np.array([1]), np.array([1]), np.array([0.5]), 2), [[2, 3], [0, 0, 0], [], [], [1.5, 2.0]]),
    # E stores only (0, 0); M's entries lie in column 1: no pair, an empty record.
    (TRIPLETS_SPARSE, Record((2, 2), [0, 1], [4], [1.0], [0.0], sp=[0]),
     (np.array([0, 1]), np.array([1, 1]), np.ones(2), 2), [[], [0], [], [], []]),
])
def test_left_product_examples(mode, e, M, want):
    r, _, _ = left_product(np.random.default_rng(7), mode, M, e)
    assert [r.sp.tolist(), r.ptr.tolist(), r.nidxs.tolist(), r.cof.tolist(), r.bfix.tolist()] == want


def test_sizes_of_triplet_product():
    # ((rnelem + row runs) * p, nnz * p); the fourth argument is not read.
    assert k(358)(5, i32([0, 0, 2, 3, 3]), 1, 99, 3) == ((1 + 3) * 3, 15)
    assert k(358)(3, i32([0, 0, 2, 3, 3], stride=2), 0, 0, 2) == (4, 6)  # only the first three
    assert k(358)(-2, None, 4, 0, 3) == (12, -6)
    assert k(358)(0, None, 3, 0, 1 << 30) == (-(1 << 30), 0)  # wraps in 32 bits
