"""Products of a constant matrix and an expression: groupings built by the counting-sort kernels,
build passes run and read back, and one oracle for all, every element's terms in merge order."""
import dataclasses

import numpy as np

from .kernels import call
from .layout import appended_runs, names, only_changed, read_appended, snap
from .records import element_terms, reserve, runs

def random_triplets(rng, nrows, ncols):
    """Triplets (subi, subj, val) of a random matrix in (row, column) order, some values 0."""
    i, j = np.nonzero(rng.random((nrows, ncols)) < rng.uniform(0.1, 0.9))
    val = np.round(rng.normal(size=len(i)), 3) * (rng.random(len(i)) >= 0.15)
    return i.astype(np.int32), j.astype(np.int32), val


def grouping(keys, nkeys):
    """Bucket array (nkeys + 1 entries) and stable permutation of items grouped by key."""
    return np.cumsum([0, *np.bincount(np.asarray(keys, np.int64), minlength=nkeys)]), np.argsort(keys, kind="stable")


# ---- Groupings through the counting-sort kernels, each step by one of its kernels ---------

STEPS = {"w": dict(zero=(295, 303, 308), prefix=(297, 305, 310), row=[296], column=[309], scatter=[311], shift=[312]),
         "x": dict(zero=(328, 339, 323, 335), prefix=(330, 341, 325), row=[329], column=[340], scatter=[342],
                   shift=(327, 343))}


# Runs the steps named (or numbered) on the i32 array of stack `where`, each by one of its kernels.
def steps(rng, s, where, names, **args):
    arr = getattr(s, where).i32
    for name in names:
        call(name if isinstance(name, int) else int(rng.choice(STEPS[where][name])), wi32=arr, xi32=arr,
             wi64=s.w.i64, **args)


def group_elements(rng, s, where, by, d, count, spbase, nkeys):
    """A sparse E's elements by row (sp / d: bucket array) or column (sp mod d: and permutation)."""
    stack = getattr(s, where)
    base, perm = stack.take_i32(nkeys + 1), stack.take_i32(count) if by == "column" else None
    names = ("zero", "row", "prefix") if by == "row" else ("zero", "column", "prefix", "scatter", "shift")
    steps(rng, s, where, names, n=nkeys, d=d, count=count, base=base, cursor=base, permbase=perm, spbase=spbase)
    return base if by == "row" else (base, perm)


def entries_by_column(rng, s, where, msubj, ncols, road="294"):
    """(bucket array, permutation) of entries by column: by 294, or by steps through 326 (inverted)."""
    nnz, stack = len(msubj), getattr(s, where)
    base, perm = stack.take_i32(ncols + 1), stack.take_i32(nnz)
    if road == "294":
        call(294, ptrbase=base, ncols=ncols, nnz=nnz, permbase=perm, msubj=msubj, wi32=stack.i32)
        return base, perm
    pos = stack.take_i32(nnz)
    steps(rng, s, "x", ("zero", 324, "prefix", 326, "shift"), n=ncols, base=base, cursor=base, nnz=nnz, posbase=pos,
          msubj=msubj)
    stack.i32[perm + stack.i32[pos:pos + nnz]] = np.arange(nnz)
    return base, perm


def entry_row_pointers(rng, s, msubi, nrows):
    """Row pointers of sorted triplets on the work stack."""
    base = s.w.take_i32(nrows + 1)
    steps(rng, s, "w", ("zero", 304, "prefix"), n=nrows, base=base, nnz=len(msubi), msubi=msubi)
    return base


def build(s, number, a, nelem, nnz, e0=0, t0=0, fresh=True, sparse=True, shape=(), nd=0, nbfix=None, x=()):
    """Runs a build pass after e0 elements and t0 terms (fresh: it writes ptr[0] too; nbfix: it zeroes
    as many constants), checks it wrote nothing else (on x: the i32 runs x); returns (its result, record)."""
    out = reserve(s.r, nd, e0 + nelem, t0 + nnz, sparse)
    out = out if nbfix is None else dataclasses.replace(out, bfix=s.r.take_f64(nbfix))
    snaps = snap(s)
    got = call(number, **a | names(out, "r") | names(out, "o") | ({} if nbfix is None else {"nbfix": nbfix}))
    assert not fresh or s.r.i32[out.ptr] == 0
    assert s.r.i32[out.shape:out.shape + nd].tolist() == list(shape)[:nd]
    allowed = runs(out, nd, nelem, nnz) if fresh else appended_runs(out, e0, t0, nelem, nnz, sparse)
    if nbfix is not None:
        allowed["f64"] = [(out.cof, nnz), (out.bfix, nbfix)]
        assert not s.r.f64[out.bfix:out.bfix + nbfix].any()
    only_changed(s, snaps, r=allowed, x=dict(i32=list(x)))
    return got, read_appended(s.r, out, e0, t0, nelem, nnz, shape, sparse)


# ---- The oracle -----------------------------------------------------------------------

def product_items(m, n, p, left=False, diagonal=False):
    """(linear index, [(E linear index, M key), ...] for k increasing) of E M (E m × n) or, left, of M E
    (M m × n), in row-major order; diagonal: the positions (r, r), at index r."""
    items = [(i * p + c, [(k * p + c, (i, k)) if left else (i * n + k, (k, c)) for k in range(n)])
             for i in range(m) for c in range(p)]
    return [(r, cand) for r, (_, cand) in enumerate(items[::p + 1])] if diagonal else items


def met(E, M, items, keep_all=False, constants=True):
    """linear index -> (terms, constant) of a product: the terms of the E elements met by M's keys times M's
    values, in order, and the values times their constants; keep_all keeps the positions nothing meets."""
    at, out = {int(L): e for e, L in enumerate(E.linear())}, {}  # linear index -> stored element
    for linear, cand in items:
        pairs = [(at[e], M[key]) for e, key in cand if e in at and key in M]
        if pairs or keep_all:
            out[linear] = ([(n, v * c) for e, v in pairs for n, c in element_terms(E, e)],
                           sum(v * E.bfix[e] for e, v in pairs) if constants else 0.0)
    return out

