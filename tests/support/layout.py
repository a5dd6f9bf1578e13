"""Helpers of the expression kernels' tests: records at random bases, guarded calls by name, result checks."""
import numpy as np

from .buffers import JUNK, f64, i32, i64, wrap  # noqa: F401
from .kernels import call, kernel as k  # noqa: F401
from .records import (Record, Stack, Stacks, assert_elements, check, elements, evaluate, place,  # noqa: F401
                      random_record, read, reserve, runs)

NBAR = 2  # bar variables in random records


def random_shape(rng, nd=None, max_nd=3, max_size=3):  # nd (or 0 .. max_nd) sizes 0 .. max_size
    return tuple(int(s) for s in rng.integers(0, max_size + 1, size=rng.integers(0, max_nd + 1) if nd is None else nd))


def some_record(rng, shape, sparse):  # with repeated and zero indexes, bar elements, zero coefficients
    return random_record(rng, shape, sparse=sparse, bar=NBAR, density=rng.uniform(0.2, 0.9))


# Takes a few junk entries on every array of the stack, so that runs start at random bases.
def pad(stack, rng, most=4):
    for take in (stack.take_i32, stack.take_i64, stack.take_f64):
        take(int(rng.integers(0, most + 1)))


def put(stack, rec, rng):  # `rec` laid out at random bases: its bases
    pad(stack, rng)
    return place(stack, rec)


# Bases `b` under the kernels' names: wptr, rptrbase .. (p + field [+ "base"]), ptrbase .. (p = "w").
def names(b, p):
    v = {f: getattr(b, f) or 0 for f in ("ptr", "nidxs", "cof", "bfix", "sp", "shape")}
    return {p + f: v[f] for f in v} | {p + f + "base": v[f] for f in v} | {f + "base": v[f] for f in v if p == "w"}


def strides(shape):  # row-major, the last one 1
    return np.array([np.prod(shape[d + 1:], dtype=np.int64) for d in range(len(shape))], dtype=np.int64)


def coords(L, shape):  # the coordinates of linear index L
    return L // strides(shape) % np.maximum(shape, 1)


def nterms(want):  # the number of terms of the elements `want`
    return sum(len(t) for t, _ in want.values())


def snap(s):  # of the result, work and scratch stacks
    return s.r.snapshot(), s.w.snapshot(), s.x.snapshot()


# Nothing outside the given ranges (as for Stack.assert_only_changed) changed since `snaps`.
def only_changed(s, snaps, r=None, w=None, x=None):
    for stack, before, ranges in zip((s.r, s.w, s.x), snaps, (r, w, x)):
        stack.assert_only_changed(before, **(ranges or {}))


def stack_args(s):  # the arrays of the three stacks under the kernels' names (ri32 .. xf64)
    return {f"{w}{t}": getattr(getattr(s, w), t) for w in "rwx" for t in ("i32", "i64", "f64")}


# Kernel `number` called with the stacks' arrays (ri32 ..), the dicts `given` and `args` (the later ones
# win) by parameter name; nothing may change outside allowed (r=.., w=.., x=.. ranges).
def run(s, number, allowed=None, /, *given, **args):
    merged = {name: v for d in (stack_args(s),) + given + (args,) for name, v in d.items()}
    before, got = snap(s), call(number, **merged)
    if allowed is not False:
        only_changed(s, before, **(allowed or {}))
    return got


# Elements from (index, (terms, constant)) pairs: terms in order, constants summed (all below `size`).
def accumulate(pairs, size=0):
    out = {L: ([], 0.0) for L in range(size)}
    for L, (terms, b) in pairs:
        out[L] = (out.get(L, ([], 0.0))[0] + terms, out.get(L, ([], 0.0))[1] + b)
    return out


# write(bases) fills runs reserved for the elements `want` after e0 elements and t0 terms (ptr[e0] when
# `fresh`, the shape when `shaped`), nothing else but `scratch` ranges; returns its answer. When `asked`,
# the sp run holds the indexes of `want` (in order) before.
def build(s, want, shape, sparse, write, e0=0, t0=0, fresh=False, shaped=False, asked=False, **scratch):
    nelem, nnz = len(want), nterms(want)
    out = reserve(s.r, len(shape), e0 + nelem, t0 + nnz, sparse)
    allowed = appended_runs(out, e0, t0, nelem, nnz, sparse)
    allowed["i32"] += [(out.shape, len(shape)), (out.ptr + e0, int(fresh))]
    s.r.i32[out.ptr + e0] = -1 if fresh else t0
    if asked:
        s.r.i64[out.sp + e0:][:nelem] = list(want)
    before, got = snap(s), write(out)
    only_changed(s, before, r=allowed, **scratch)
    assert s.r.i32[out.ptr + e0] == t0 and (not shaped or s.r.i32[out.shape:][:len(shape)].tolist() == list(shape))
    assert_elements(read_appended(s.r, out, e0, t0, nelem, nnz, shape, sparse), want)
    return got


# The record appended after e0 elements and t0 terms to the runs at `bases`, ptr rebased to 0.
def read_appended(stack, bases, e0, t0, nelem, nnz, shape, sparse=False):
    stack.i32[bases.ptr + e0] = t0
    return Record(shape, stack.i32[bases.ptr + e0:][:nelem + 1] - t0, stack.i64[bases.nidxs + t0:][:nnz].copy(),
                  stack.f64[bases.cof + t0:][:nnz].copy(), stack.f64[bases.bfix + e0:][:nelem].copy(),
                  stack.i64[bases.sp + e0:][:nelem].copy() if sparse else None)


# The ranges that appending nelem elements and nnz terms after e0 and t0 writes (not ptr[e0]).
def appended_runs(bases, e0, t0, nelem, nnz, sparse=False):
    i64 = [(bases.nidxs + t0, nnz)] + ([(bases.sp + e0, nelem)] if sparse else [])
    return dict(i32=[(bases.ptr + e0 + 1, nelem)], i64=i64, f64=[(bases.cof + t0, nnz), (bases.bfix + e0, nelem)])


# Records viewed around two dimensions a < b of equal size (symmetric and triangular parts):
# blocks dim = (d0, .., d4), the sizes before a, of a, between them, of b, after b.

# A random record of 2 .. 4 dimensions (sizes 1 .. max_size, at times one 0), a < b of equal size.
def paired_case(rng, sparse, max_size=3):
    shape = [int(s) for s in rng.integers(1, max_size + 1, size=int(rng.integers(2, 5)))]
    if rng.random() < 0.15:
        shape[int(rng.integers(0, len(shape)))] = 0
    a, b = sorted(int(v) for v in rng.choice(len(shape), size=2, replace=False))
    shape[b] = shape[a]
    return some_record(rng, tuple(shape), sparse), a, b


def blocks(shape, a, b):
    return [int(np.prod(p, dtype=np.int64)) for p in (shape[:a], shape[a], shape[a + 1:b], shape[b], shape[b + 1:])]


def block_strides(dim, last=1):
    return [int(np.prod(dim[q + 1:], dtype=object)) * last for q in range(4)] + [last]


def coordinates(L, dim, st):  # the five block coordinates of linear indexes L
    return [(np.asarray(L, dtype=np.int64) // max(s, 1)) % max(d, 1) for d, s in zip(dim, st)]


def mirror(L, dim, st):  # the linear index with block coordinates c1 and c3 exchanged
    return sum(coordinates(L, dim, st)[q] * s for q, s in zip((0, 3, 2, 1, 4), st))
