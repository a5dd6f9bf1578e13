"""Helpers for the tests of the matrix-expression products: calling kernels by parameter
name, random triplet matrices and variables, bucket groupings (NumPy ones, and ones built
through the counting-sort kernels), and the elements a product must hold."""
import numpy as np


from .kernels import call  # noqa: F401 (the products' tests call kernels by parameter name)
from .records import Record

NVARS = 200

# (a + 1, 2b; 0, a - c) with a, b, c the variables 1, 2, 3, held densely and sparsely.
EXAMPLE_DENSE = Record((2, 2), [0, 1, 2, 2, 4], [1, 2, 1, 3], [1.0, 2.0, 1.0, -1.0], [1.0, 0.0, 0.0, 0.0])
EXAMPLE_SPARSE = Record((2, 2), [0, 1, 2, 4], [1, 2, 1, 3], [1.0, 2.0, 1.0, -1.0], [1.0, 0.0, 0.0], sp=[0, 1, 3])


def stack_args(s):
    """The arrays of the three stacks under the kernels' names (ri32 .. xf64)."""
    return {f"{w}{t}": getattr(getattr(s, w), t) for w in "rwx" for t in ("i32", "i64", "f64")}


def result_args(b, prefix="r"):
    """The bases of a record under the names rptr, rnidxs, rcof, rbfix, rsp (other prefix: wptr ..)."""
    return {f"{prefix}{name}": getattr(b, name) for name in ("ptr", "nidxs", "cof", "bfix", "sp")}


def bases_args(b, prefix=""):
    """The bases of a record under the kernels' names (prefix "r" for a result)."""
    return {f"{prefix}{name}base": getattr(b, name) for name in ("ptr", "nidxs", "cof", "bfix", "shape")} | {
        f"{prefix}spbase": b.sp if b.sp is not None else 0}


def random_triplets(rng, nrows, ncols, density=None):
    """Triplets (subi, subj, val) of a random nrows × ncols matrix, strictly increasing in
    (row, column); some values are exactly 0 (they still give terms)."""
    density = rng.uniform(0.1, 0.9) if density is None else density
    i, j = np.nonzero(rng.random((nrows, ncols)) < density)
    val = np.round(rng.normal(size=len(i)), 3)
    val[rng.random(len(i)) < 0.15] = 0.0
    return i.astype(np.int32), j.astype(np.int32), val


def dense_of(subi, subj, val, nrows, ncols):
    out = np.zeros((nrows, ncols))
    out[subi, subj] = val
    return out


def grouping(keys, nkeys):
    """Bucket array (nkeys + 1 entries) and stable permutation of items grouped by key."""
    keys = np.asarray(keys, dtype=np.int64)
    ptr = np.concatenate([[0], np.cumsum(np.bincount(keys, minlength=nkeys))[:nkeys]]).astype(np.int32)
    return ptr, np.argsort(keys, kind="stable").astype(np.int32)


def random_variable(rng, shape, sparse, nvars=NVARS):
    """(nidxs, sp) of a variable of `shape`: distinct positive native indexes, one per
    stored element, and for a sparse variable its increasing linear indexes (else None)."""
    size = int(np.prod(shape, dtype=np.int64))
    sp = np.nonzero(rng.random(size) < rng.uniform(0.2, 0.9))[0].astype(np.int64) if sparse else None
    n = len(sp) if sparse else size
    return rng.choice(np.arange(1, max(nvars, n) + 1), size=n, replace=False).astype(np.int64), sp


def variable_record(shape, nidxs, sp=None):
    """The variable as an expression record: one term, coefficient 1, constant 0 per element."""
    n = len(nidxs)
    return Record(shape, np.arange(n + 1), nidxs, np.ones(n), np.zeros(n), sp)


# ---- Elements of records and of products ---------------------------------------------

def stored_at(rec):
    """linear index -> stored element."""
    return {int(L): e for e, L in enumerate(rec.linear())}


def element_terms(rec, e):
    """[(nidx, cof), ...] of stored element e (None: no element)."""
    if e is None:
        return []
    n, v = rec.terms(e)
    return list(zip(n.tolist(), v.tolist()))


def elements(rec):
    """linear index -> (terms, constant) of every stored element of rec."""
    return {int(L): (element_terms(rec, e), float(rec.bfix[e])) for e, L in enumerate(rec.linear())}


def product_elements(a_stored, b_stored, pair, dense_result=False):
    """The elements of A B (A m × n, B n × p) by linear index r p + c: per position the
    pairs k in increasing order where A(r, k) and B(k, c) are both stored, each giving
    pair(r, k, c) = (terms, constant); terms concatenated, constants summed. A position
    without a pair is an element only in a dense result."""
    a_stored, b_stored = np.asarray(a_stored, bool), np.asarray(b_stored, bool)
    (m, n), p = a_stored.shape, b_stored.shape[1]
    out = {}
    for r in range(m):
        for c in range(p):
            ks = [k for k in range(n) if a_stored[r, k] and b_stored[k, c]]
            if ks or dense_result:
                parts = [pair(r, k, c) for k in ks]
                out[r * p + c] = ([t for terms, _ in parts for t in terms], sum(b for _, b in parts))
    return out


def met_elements(E, positions, keep_all=False, constants=True):
    """Elements of a product given, per result linear index, the (stored E element, matrix
    value) pairs that meet there in merge order; a position is stored when it has a pair
    (or always, with keep_all)."""
    out = {}
    for linear, pairs in positions:
        if pairs or keep_all:
            terms = [(n, v * c) for e, v in pairs for n, c in element_terms(E, e)]
            out[linear] = (terms, sum(v * E.bfix[e] for e, v in pairs) if constants else 0.0)
    return out


def assert_elements(rec, expected):
    """rec stores exactly the expected elements, each with the expected terms in order."""
    got = elements(rec)
    assert sorted(got) == sorted(expected)
    for e, (terms, constant) in expected.items():
        assert [t[0] for t in got[e][0]] == [t[0] for t in terms], e
        np.testing.assert_allclose([t[1] for t in got[e][0]], [t[1] for t in terms], rtol=1e-15, atol=0)
        assert abs(got[e][1] - constant) <= 1e-12, e


# ---- Groupings, built through the counting-sort kernels --------------------------------

ZERO = {"w": [295, 303, 308], "x": [328, 339, 323, 335]}
PREFIX = {"w": [297, 305, 310], "x": [330, 341, 325]}


def zero(rng, s, where, base, n):
    arr = getattr(s, where).i32
    call(int(rng.choice(ZERO[where])), n=n, base=base, wi32=arr, xi32=arr)


def prefix(rng, s, where, base, n):
    arr = getattr(s, where).i32
    call(int(rng.choice(PREFIX[where])), n=n, base=base, wi32=arr, xi32=arr)


def elements_by_row(rng, s, where, n_rows, d, count, spbase):
    """Bucket array of a sparse E's stored elements by row (sp / d) on stack `where`."""
    base = getattr(s, where).take_i32(n_rows + 1)
    zero(rng, s, where, base, n_rows)
    arr = getattr(s, where).i32
    call(296 if where == "w" else 329, d=d, count=count, base=base, spbase=spbase, wi32=arr, xi32=arr,
         wi64=s.w.i64)
    prefix(rng, s, where, base, n_rows)
    return base


def elements_by_column(rng, s, where, d, count, spbase):
    """(bucket array, permutation) of a sparse E's stored elements by column (sp mod d)."""
    stack = getattr(s, where)
    base, perm = stack.take_i32(d + 1), stack.take_i32(count)
    zero(rng, s, where, base, d)
    args = dict(d=d, count=count, base=base, cursor=base, permbase=perm, spbase=spbase, n=d, wi32=stack.i32,
                xi32=stack.i32, wi64=s.w.i64)
    call(309 if where == "w" else 340, **args)
    prefix(rng, s, where, base, d)
    call(311 if where == "w" else 342, **args)
    call(312 if where == "w" else int(rng.choice([327, 343])), **args)
    return base, perm


def entries_by_column(rng, s, where, msubj, ncols, road=None):
    """(bucket array, permutation) of matrix entries by column. Road "294": the one-call
    sort, on the work stack or on the scratch stack's array; road "326" (scratch stack
    only): count, prefix sum and the entries' positions in column order, whose inverse is
    the permutation. On the scratch stack the road is drawn at random unless given."""
    nnz = len(msubj)
    stack = getattr(s, where)
    road = "294" if where == "w" else road or str(rng.choice(["294", "326"]))
    base, perm = stack.take_i32(ncols + 1), stack.take_i32(nnz)
    if road == "294":
        call(294, ptrbase=base, ncols=ncols, nnz=nnz, permbase=perm, msubj=msubj, wi32=stack.i32)
        return base, perm
    zero(rng, s, "x", base, ncols)
    call(324, base=base, nnz=nnz, msubj=msubj, xi32=stack.i32)
    prefix(rng, s, "x", base, ncols)
    pos = stack.take_i32(nnz)
    call(326, cursor=base, nnz=nnz, posbase=pos, msubj=msubj, xi32=stack.i32)
    call(int(rng.choice([327, 343])), base=base, n=ncols, xi32=stack.i32)
    stack.i32[perm + stack.i32[pos:pos + nnz]] = np.arange(nnz)
    return base, perm


def entry_row_pointers(rng, s, msubi, nrows):
    """Row pointers of sorted triplets on the work stack."""
    base = s.w.take_i32(nrows + 1)
    zero(rng, s, "w", base, nrows)
    call(304, nnz=len(msubi), base=base, msubi=msubi, wi32=s.w.i32)
    prefix(rng, s, "w", base, nrows)
    return base
