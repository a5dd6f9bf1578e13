"""Helpers for the tests of the matrix-expression products: calling kernels by parameter
name, random constant matrices, the bucket groupings built through the counting-sort
kernels, and the reference result of a product given its matched pairs."""
import functools

import numpy as np

import fragments

from .records import Record
from .stubs import kernels


@functools.lru_cache(maxsize=None)
def _names():
    return {kern.number: [p.name for p in kern.params] for kern in kernels()}


def call(number, /, **args):
    """Calls _c_closure_<number> with its arguments given by parameter name (extra names are
    ignored, so that shared argument dicts can be splatted)."""
    names = _names()[number]
    missing = [name for name in names if name not in args]
    assert not missing, f"_c_closure_{number}: missing {missing}"
    return getattr(fragments, f"_c_closure_{number}")(*(args[name] for name in names))


def stack_args(s):
    return dict(ri32=s.r.i32, ri64=s.r.i64, rf64=s.r.f64, wi32=s.w.i32, wi64=s.w.i64, wf64=s.w.f64,
                xi32=s.x.i32)


def operand_args(b):
    """The bases of an operand record on the work stack, under the kernels' names."""
    return dict(ptrbase=b.ptr, nidxsbase=b.nidxs, cofbase=b.cof, bfixbase=b.bfix, shapebase=b.shape,
                spbase=b.sp if b.sp is not None else 0)


def result_args(b):
    """The bases of a result record on the result stack, under the kernels' names."""
    return dict(rptrbase=b.ptr, rnidxsbase=b.nidxs, rcofbase=b.cof, rbfixbase=b.bfix, rshapebase=b.shape,
                rspbase=b.sp if b.sp is not None else 0)


def random_triplets(rng, nrows, ncols, density=None):
    """Sorted triplets (msubi, msubj, mval) of a random nrows × ncols matrix; some values 0."""
    density = rng.uniform(0.1, 0.9) if density is None else density
    i, j = np.nonzero(rng.random((nrows, ncols)) < density)
    val = np.round(rng.normal(size=len(i)), 3)
    val[rng.random(len(i)) < 0.15] = 0.0
    return i.astype(np.int32), j.astype(np.int32), val


def dense_matrix(nrows, ncols, msubi, msubj, mval):
    out = np.zeros((nrows, ncols))
    out[msubi, msubj] = mval
    return out


def stored(rec):
    """linear index -> stored element position."""
    return {int(e): j for j, e in enumerate(rec.linear())}


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
    stack.i32[base] = 0
    return base, perm


def entries_by_column(rng, s, where, msubj, ncols):
    """(bucket array, permutation) of matrix entries by column. On the work stack through
    the one-call sort; on the scratch stack through count, prefix sum and the entries'
    positions in column order, whose inverse is the permutation."""
    nnz = len(msubj)
    stack = getattr(s, where)
    base, perm = stack.take_i32(ncols + 1), stack.take_i32(nnz)
    if where == "w":
        call(294, ptrbase=base, ncols=ncols, nnz=nnz, permbase=perm, msubj=msubj, wi32=stack.i32)
        return base, perm
    zero(rng, s, "x", base, ncols)
    call(324, base=base, nnz=nnz, msubj=msubj, xi32=stack.i32)
    prefix(rng, s, "x", base, ncols)
    pos = stack.take_i32(nnz)
    call(326, cursor=base, nnz=nnz, posbase=pos, msubj=msubj, xi32=stack.i32)
    call(int(rng.choice([327, 343])), base=base, n=ncols, xi32=stack.i32)
    stack.i32[base] = 0
    stack.i32[perm + stack.i32[pos:pos + nnz]] = np.arange(nnz)
    return base, perm


def entry_row_pointers(rng, s, msubi, nrows):
    """Row pointers of sorted triplets on the work stack."""
    base = s.w.take_i32(nrows + 1)
    zero(rng, s, "w", base, nrows)
    call(304, nnz=len(msubi), base=base, msubi=msubi, wi32=s.w.i32)
    prefix(rng, s, "w", base, nrows)
    return base


# ---- Reference results ---------------------------------------------------------------

def expected(E, shape, positions, keep_all=False, constants=True):
    """The result record of a product: positions is a list of (linear index, pairs) in
    result order, pairs the (stored E element, matrix value) that meet there in merge
    order. A position is stored when it has a pair (or always, with keep_all)."""
    ptr, nidxs, cof, bfix, sp = [0], [], [], [], []
    for linear, pairs in positions:
        if not pairs and not keep_all:
            continue
        c = 0.0
        for e, v in pairs:
            n, w = E.terms(e)
            nidxs += n.tolist()
            cof += (v * w).tolist()
            c += v * E.bfix[e] if constants else 0.0
        ptr.append(len(nidxs))
        bfix.append(c)
        sp.append(linear)
    return Record(shape, ptr, nidxs, cof, bfix, sp)


def assert_same(got, want):
    """Same stored positions, same terms in the same order, same constants."""
    if want.sp is not None and got.sp is not None:
        assert got.sp.tolist() == want.sp.tolist()
    assert got.ptr.tolist() == want.ptr.tolist()
    assert got.nidxs.tolist() == want.nidxs.tolist()
    assert got.cof.tolist() == want.cof.tolist()
    np.testing.assert_allclose(got.bfix, want.bfix, rtol=1e-12, atol=1e-12)
