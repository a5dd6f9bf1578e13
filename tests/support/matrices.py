"""Constant matrices and plain variables for the product tests: sorted triplets, bucket
groupings as a caller prepares them, and variables whose elements are single variables."""
import numpy as np

from .records import Record

NVARS = 200


def random_triplets(rng, nrows, ncols, density=None):
    """Triplets (subi, subj, val) of a random nrows by ncols matrix, strictly increasing in
    (row, column); some values are exactly 0 (they still give terms)."""
    if density is None:
        density = rng.uniform(0.1, 0.9)
    keys = np.nonzero(rng.random(nrows * ncols) < density)[0]
    subi = (keys // max(ncols, 1)).astype(np.int32)
    subj = (keys % max(ncols, 1)).astype(np.int32)
    val = np.round(rng.normal(size=len(keys)), 3)
    val[rng.random(len(keys)) < 0.15] = 0.0
    return subi, subj, val


def dense_of(subi, subj, val, nrows, ncols):
    out = np.zeros((nrows, ncols))
    out[subi, subj] = val
    return out


def grouping(keys, nkeys):
    """Bucket array (nkeys + 1 entries) and stable permutation of items grouped by key."""
    keys = np.asarray(keys, dtype=np.int64)
    ptr = np.zeros(nkeys + 1, dtype=np.int32)
    ptr[1:] = np.cumsum(np.bincount(keys, minlength=nkeys))[:nkeys]
    return ptr, np.argsort(keys, kind="stable").astype(np.int32)


def random_variable(rng, shape, sparse, nvars=NVARS):
    """(nidxs, sp) of a variable of `shape`: distinct positive native indexes, one per
    stored element, and for a sparse variable its increasing linear indexes (else None)."""
    size = int(np.prod(shape, dtype=np.int64))
    sp = np.nonzero(rng.random(size) < rng.uniform(0.2, 0.9))[0].astype(np.int64) if sparse else None
    n = len(sp) if sparse else size
    nidxs = rng.choice(np.arange(1, max(nvars, n) + 1), size=n, replace=False).astype(np.int64)
    return nidxs, sp


def variable_record(shape, nidxs, sp=None):
    """The variable as an expression record: one term, coefficient 1, constant 0 per element."""
    n = len(nidxs)
    return Record(shape, np.arange(n + 1), nidxs, np.ones(n), np.zeros(n), sp)


def point(rng, nvars=NVARS):
    return rng.normal(size=nvars)


def product_elements(a_stored, b_stored, pair, dense_result=False):
    """The elements of A B (A m by n, B n by p) by linear index r * p + c: for each position,
    the pairs k in increasing order where A(r, k) and B(k, c) are both stored, each giving
    pair(r, k, c) = (list of (nidx, cof), constant); concatenated terms, summed constants.
    A position without a pair is an element only in a dense result."""
    a_stored, b_stored = np.asarray(a_stored, bool), np.asarray(b_stored, bool)
    m, n = a_stored.shape
    p = b_stored.shape[1]
    out = {}
    for r in range(m):
        for c in range(p):
            ks = [k for k in range(n) if a_stored[r, k] and b_stored[k, c]]
            if ks or dense_result:
                terms, constant = [], 0.0
                for k in ks:
                    t, b = pair(r, k, c)
                    terms += t
                    constant += b
                out[r * p + c] = (terms, constant)
    return out


def elements_of(rec):
    """linear index -> (list of (nidx, cof), constant) of every stored element of rec."""
    out = {}
    for j, e in enumerate(rec.linear()):
        n, c = rec.terms(j)
        out[int(e)] = (list(zip(n.tolist(), c.tolist())), float(rec.bfix[j]))
    return out


def assert_elements(rec, expected):
    """rec stores exactly the expected elements, each with the expected terms in order."""
    got = elements_of(rec)
    assert sorted(got) == sorted(expected)
    for e, (terms, constant) in expected.items():
        assert [t[0] for t in got[e][0]] == [t[0] for t in terms], e
        np.testing.assert_allclose([t[1] for t in got[e][0]], [t[1] for t in terms], rtol=1e-15, atol=0)
        assert abs(got[e][1] - constant) <= 1e-12, e
