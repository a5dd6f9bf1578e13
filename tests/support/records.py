"""Expression records (terms nidxs × cof [ptr[k]:ptr[k+1]], constants bfix, sp when sparse) on the result (r),
work (w) and scratch (x) stacks: int32, int64, float64 arrays with junk around runs."""
from dataclasses import dataclass, make_dataclass
from functools import partialmethod
from typing import Optional, Tuple

import numpy as np

from .buffers import JUNK

KINDS = {"i32": np.int32, "i64": np.int64, "f64": np.float64}


class Stack:
    # Another `stride` makes the arrays strided views (junk between elements; < 0: backwards).
    def __init__(self, size=4096, gap=3, stride=1):
        self.gap, self.top = gap, dict.fromkeys(KINDS, gap)
        for name, dtype in KINDS.items():
            setattr(self, name, np.full(size * abs(stride), JUNK[dtype], dtype=dtype)[::stride])

    def _take(self, kind, n):
        base, self.top[kind] = self.top[kind], self.top[kind] + n + self.gap
        if self.top[kind] > len(getattr(self, kind)):
            raise MemoryError("test stack too small")
        return base

    def _put(self, kind, values):
        base = self._take(kind, np.size(values))
        getattr(self, kind)[base:base + np.size(values)] = np.ravel(values)
        return base

    take_i32, take_i64, take_f64 = map(partialmethod, (_take,) * 3, KINDS)
    put_i32, put_i64, put_f64 = map(partialmethod, (_put,) * 3, KINDS)

    def snapshot(self):
        return {name: getattr(self, name).copy() for name in KINDS}

    # Fails if any entry outside the given (base, n) ranges differs from `snapshot`.
    def assert_only_changed(self, snapshot, i32=(), i64=(), f64=()):
        for name, ranges in (("i32", i32), ("i64", i64), ("f64", f64)):
            now, before, mask = getattr(self, name), snapshot[name], np.ones(len(snapshot[name]), dtype=bool)
            for base, n in ranges:
                mask[base:base + n] = False
            changed = np.nonzero(mask & (now != before) & ~(np.isnan(now) & np.isnan(before)))[0]
            assert len(changed) == 0, f"{name} written outside its runs at {changed[:10].tolist()}"


class Stacks:  # the result, work and scratch stacks
    def __init__(self, size=4096, gap=3, stride=1):
        self.r, self.w, self.x = (Stack(size, gap, stride) for _ in "rwx")


# Where a record's runs start on a stack (sp None: the run is not there).
Bases = make_dataclass("Bases", ["shape", "ptr", "nidxs", "cof", "bfix", ("sp", Optional[int], None)])
KIND = dict(shape="i32", ptr="i32", nidxs="i64", cof="f64", bfix="f64", sp="i64")


@dataclass
class Record:
    shape: Tuple[int, ...]
    ptr: np.ndarray
    nidxs: np.ndarray
    cof: np.ndarray
    bfix: np.ndarray
    sp: Optional[np.ndarray] = None

    def __post_init__(self):
        self.shape = tuple(int(s) for s in self.shape)
        for name, dtype in zip(("ptr", "nidxs", "cof", "bfix", "sp"), (np.int32, np.int64, float, float, np.int64)):
            if getattr(self, name) is not None:
                setattr(self, name, np.asarray(getattr(self, name), dtype=dtype))

    nd = property(lambda self: len(self.shape))
    nelem = property(lambda self: len(self.bfix))
    nnz = property(lambda self: int(self.ptr[-1]) if len(self.ptr) else 0)
    sparse = property(lambda self: self.sp is not None)
    size = property(lambda self: int(np.prod(self.shape, dtype=np.int64)))

    def terms(self, k):  # (nidxs, cof) of stored element k
        return self.nidxs[self.ptr[k]:self.ptr[k + 1]], self.cof[self.ptr[k]:self.ptr[k + 1]]

    def linear(self):  # the linear index of every stored element
        return self.sp if self.sparse else np.arange(self.nelem, dtype=np.int64)


# A random record: per element 0..max_terms terms on variables 0..nvars (-1..-bar too), indexes repeated,
# coefficients some 0; a sparse one keeps elements at `density`.
def random_record(rng, shape, sparse=False, max_terms=3, nvars=6, density=0.5, bar=0):
    size = int(np.prod(shape, dtype=np.int64))
    sp = np.nonzero(rng.random(size) < density)[0] if sparse else None
    ptr = np.concatenate([[0], np.cumsum(rng.integers(0, max_terms + 1, size=len(sp) if sparse else size))])
    nidxs = rng.integers(-bar, nvars + 1, size=ptr[-1])
    cof = np.round(rng.normal(size=ptr[-1]), 3) * (rng.random(ptr[-1]) >= 0.1)
    return Record(shape, ptr, nidxs, cof, np.round(rng.normal(size=len(ptr) - 1), 3), sp)


def lengths(nd, nelem, nnz, sparse):
    return dict(shape=nd, ptr=nelem + 1, nidxs=nnz, cof=nnz, bfix=nelem, sp=nelem if sparse else None)


# Lays `rec` out on `stack` (each run at its own fresh base) and returns the bases.
def place(stack, rec):
    return Bases(**{f: None if getattr(rec, f) is None else stack._put(KIND[f], np.asarray(getattr(rec, f)))
                    for f in KIND})


# Reserves (junk-filled) runs for a record of the given counts and returns the bases.
def reserve(stack, nd, nelem, nnz, sparse=False):
    return Bases(**{f: n if n is None else stack._take(KIND[f], n) for f, n in lengths(nd, nelem, nnz, sparse).items()})


# The (base, n) ranges of a record's runs per array, for Stack.assert_only_changed.
def runs(bases, nd, nelem, nnz):
    out = dict(i32=[], i64=[], f64=[])
    for f, n in lengths(nd, nelem, nnz, bases.sp is not None).items():
        out[KIND[f]] += [] if n is None else [(getattr(bases, f), n)]
    return out


# Reads back the record whose runs start at `bases` (shape from the stack unless given).
def read(stack, bases, nd, nelem, nnz, sparse=False, shape=None):
    got = {f: getattr(stack, KIND[f])[getattr(bases, f):][:n].copy()
           for f, n in lengths(nd, nelem, nnz, sparse).items() if n is not None}
    return Record(**dict(got, shape=got["shape"] if shape is None else shape))


# Asserts the invariants: ptr from 0 up, sp strictly up inside the shape, a dense record whole.
def check(rec):
    assert len(rec.ptr) == rec.nelem + 1 and rec.ptr[0] == 0 and np.all(np.diff(rec.ptr) >= 0) and len(rec.nidxs) == \
        len(rec.cof) == rec.nnz
    assert np.all(np.diff(rec.sp) > 0) and np.all((rec.sp >= 0) & (rec.sp < rec.size)) if rec.sparse else \
        rec.nelem == rec.size


# The value of each native index: v > 0 is x[v-1], v < 0 is xbar[-v-1], 0 is 0.
def values_of(nidxs, x, xbar=None):
    nidxs, out = np.asarray(nidxs, dtype=np.int64), np.zeros(len(nidxs))
    out[nidxs > 0] = np.asarray(x)[nidxs[nidxs > 0] - 1]
    if np.any(nidxs < 0):
        out[nidxs < 0] = np.asarray(xbar)[-nidxs[nidxs < 0] - 1]
    return out


# The record's affine values at the point (x, xbar), as a dense array of its shape.
def evaluate(rec, x, xbar=None):
    check(rec)
    out = np.zeros(rec.size)
    out[rec.linear()] = np.bincount(np.repeat(np.arange(rec.nelem), np.diff(rec.ptr)),
                                    rec.cof * values_of(rec.nidxs, x, xbar), rec.nelem) + rec.bfix
    return out.reshape(rec.shape)


def element_terms(rec, e):
    """[(nidx, cof), ...] of stored element e (None: no element)."""
    return [] if e is None else list(zip(*(v.tolist() for v in rec.terms(e))))


def elements(rec):
    """linear index -> (terms, constant) of every stored element of rec."""
    return {int(L): (element_terms(rec, e), float(rec.bfix[e])) for e, L in enumerate(rec.linear())}


def assert_elements(rec, expected):  # a sound record of exactly the expected elements, each with its terms in order
    check(rec)
    got = elements(rec)
    assert sorted(got) == sorted(expected)
    for e, (terms, constant) in expected.items():
        assert [t[0] for t in got[e][0]] == [t[0] for t in terms], e
        np.testing.assert_allclose([t[1] for t in got[e][0]], [t[1] for t in terms], rtol=1e-15, atol=0)
        assert abs(got[e][1] - constant) <= 1e-12, e
