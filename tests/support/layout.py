"""Helpers for the tests of the element-moving expression kernels (picks, slices, stacks,
transposes): random shapes, records laid out at random bases with junk around them, and
a random point to evaluate records at."""
import numpy as np

import fragments

from .records import Record, evaluate, place, random_record

NVARS = 6
NBAR = 2


def k(n):
    """The kernel _c_closure_n."""
    return getattr(fragments, f"_c_closure_{n}")


def random_shape(rng, nd=None, max_nd=3, max_size=3):
    """A random shape of nd (or 0 .. max_nd) dimensions, sizes 0 .. max_size."""
    if nd is None:
        nd = int(rng.integers(0, max_nd + 1))
    return tuple(int(s) for s in rng.integers(0, max_size + 1, size=nd))


def some_record(rng, shape, sparse):
    """A random record with repeated and zero indexes, bar elements and zero coefficients."""
    return random_record(rng, shape, sparse=sparse, bar=NBAR, density=rng.uniform(0.2, 0.9))


def pad(stack, rng, most=4):
    """Takes a few junk entries on every array of the stack, so that runs start at random bases."""
    stack.take_i32(int(rng.integers(0, most + 1)))
    stack.take_i64(int(rng.integers(0, most + 1)))
    stack.take_f64(int(rng.integers(0, most + 1)))


def put(stack, rec, rng):
    """Lays `rec` out on `stack` at random bases; returns the bases."""
    pad(stack, rng)
    return place(stack, rec)


def strides(shape):
    """Row-major int64 strides of `shape` (last stride 1)."""
    st = np.ones(len(shape), dtype=np.int64)
    for d in range(len(shape) - 1, 0, -1):
        st[d - 1] = st[d] * shape[d]
    return st


def point(rng):
    """A random point (x, xbar) for evaluate."""
    return rng.normal(size=NVARS), rng.normal(size=NBAR)


def value(rec, xs):
    return evaluate(rec, *xs)


def read_appended(stack, bases, e0, t0, nelem, nnz, shape, sparse=False):
    """The record that a build pass appended after e0 elements and t0 terms to the runs at
    `bases` (ptr entries from e0 + 1, terms from t0, bfix and sp from e0), with its ptr
    rebased to 0."""
    stack.i32[bases.ptr + e0] = t0
    ptr = stack.i32[bases.ptr + e0:bases.ptr + e0 + nelem + 1] - t0
    sp = stack.i64[bases.sp + e0:bases.sp + e0 + nelem].copy() if sparse else None
    return Record(shape, ptr, stack.i64[bases.nidxs + t0:bases.nidxs + t0 + nnz].copy(),
                  stack.f64[bases.cof + t0:bases.cof + t0 + nnz].copy(),
                  stack.f64[bases.bfix + e0:bases.bfix + e0 + nelem].copy(), sp)


def appended_runs(bases, e0, t0, nelem, nnz, sparse=False):
    """The ranges that a build pass appending nelem elements and nnz terms after e0 and t0
    may write (ptr[0] excluded), for Stack.assert_only_changed."""
    i64 = [(bases.nidxs + t0, nnz)] + ([(bases.sp + e0, nelem)] if sparse else [])
    return dict(i32=[(bases.ptr + e0 + 1, nelem)], i64=i64,
                f64=[(bases.cof + t0, nnz), (bases.bfix + e0, nelem)])


def snap(s):
    """Snapshots of the result, work and scratch stacks of `s`."""
    return s.r.snapshot(), s.w.snapshot(), s.x.snapshot()


def only_changed(s, snaps, r=None, w=None, x=None):
    """Asserts that nothing outside the given ranges (as for Stack.assert_only_changed) of
    each stack changed since `snaps`."""
    for stack, before, ranges in zip((s.r, s.w, s.x), snaps, (r, w, x)):
        stack.assert_only_changed(before, **(ranges or {}))


def elements(rec):
    """linear index -> (list of (nidx, cof), constant) of every stored element."""
    out = {}
    for j, e in enumerate(rec.linear()):
        n, c = rec.terms(j)
        out[int(e)] = (list(zip(n.tolist(), c.tolist())), float(rec.bfix[j]))
    return out


def assert_elements(result, exp, dense):
    """`result` stores exactly the elements of `exp` (as from `elements`; a dense result
    also every other element, empty), terms in the same order, constants close."""
    exp = dict(exp)
    if dense:
        for e in range(result.size):
            exp.setdefault(e, ([], 0.0))
    got = elements(result)
    assert sorted(got) == sorted(exp)
    for e, (terms, b) in exp.items():
        assert got[e][0] == terms, e
        assert abs(got[e][1] - b) <= 1e-12, e
