"""Expression records: a Python value, its layout on a stack, and its evaluation.

A record of shape `shape` holds, per stored element k, the terms
nidxs[ptr[k]:ptr[k+1]] × cof[ptr[k]:ptr[k+1]] and the constant bfix[k]; a sparse record
also lists the linear index sp[k] of each stored element (strictly increasing), the
others being zero."""
from dataclasses import dataclass
from typing import Optional, Tuple

import numpy as np


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
        self.ptr = np.asarray(self.ptr, dtype=np.int32)
        self.nidxs = np.asarray(self.nidxs, dtype=np.int64)
        self.cof = np.asarray(self.cof, dtype=np.float64)
        self.bfix = np.asarray(self.bfix, dtype=np.float64)
        if self.sp is not None:
            self.sp = np.asarray(self.sp, dtype=np.int64)

    @property
    def nd(self):
        return len(self.shape)

    @property
    def nelem(self):
        return len(self.bfix)

    @property
    def nnz(self):
        return int(self.ptr[-1]) if len(self.ptr) else 0

    @property
    def sparse(self):
        return self.sp is not None

    @property
    def size(self):
        return int(np.prod(self.shape, dtype=np.int64))

    def terms(self, k):
        """The (nidxs, cof) of stored element k."""
        a, b = self.ptr[k], self.ptr[k + 1]
        return self.nidxs[a:b], self.cof[a:b]

    def linear(self):
        """The linear index of every stored element."""
        return self.sp if self.sparse else np.arange(self.nelem, dtype=np.int64)


@dataclass
class Bases:
    """Where a record's runs start on a stack (None: the run is not there)."""
    shape: int
    ptr: int
    nidxs: int
    cof: int
    bfix: int
    sp: Optional[int] = None


def random_record(rng, shape, sparse=False, max_terms=3, nvars=6, density=0.5, bar=0, zero_index=True):
    """A random record of `shape`: each element gets 0..max_terms terms on scalar variables
    1..nvars (and bar elements -1..-bar when bar > 0; index 0 when zero_index), with repeated
    indexes allowed, random coefficients (some exactly 0) and random constants. A sparse
    record keeps each element with probability `density`."""
    shape = tuple(int(s) for s in shape)
    size = int(np.prod(shape, dtype=np.int64))
    if sparse:
        sp = np.nonzero(rng.random(size) < density)[0].astype(np.int64)
        nelem = len(sp)
    else:
        sp = None
        nelem = size
    counts = rng.integers(0, max_terms + 1, size=nelem)
    ptr = np.zeros(nelem + 1, dtype=np.int32)
    ptr[1:] = np.cumsum(counts)
    nnz = int(ptr[-1])
    lo = -bar if bar else (0 if zero_index else 1)
    nidxs = rng.integers(lo, nvars + 1, size=nnz).astype(np.int64)
    if not zero_index:
        nidxs[nidxs == 0] = 1
    cof = np.round(rng.normal(size=nnz), 3)
    cof[rng.random(nnz) < 0.1] = 0.0
    bfix = np.round(rng.normal(size=nelem), 3)
    return Record(shape, ptr, nidxs, cof, bfix, sp)


def place(stack, rec):
    """Lays `rec` out on `stack` (each run at its own fresh base) and returns the bases."""
    return Bases(
        shape=stack.put_i32(np.asarray(rec.shape, dtype=np.int32)),
        ptr=stack.put_i32(rec.ptr),
        nidxs=stack.put_i64(rec.nidxs),
        cof=stack.put_f64(rec.cof),
        bfix=stack.put_f64(rec.bfix),
        sp=stack.put_i64(rec.sp) if rec.sparse else None,
    )


def reserve(stack, nd, nelem, nnz, sparse=False):
    """Reserves (junk-filled) runs for a record of the given counts and returns the bases."""
    return Bases(
        shape=stack.take_i32(nd),
        ptr=stack.take_i32(nelem + 1),
        nidxs=stack.take_i64(nnz),
        cof=stack.take_f64(nnz),
        bfix=stack.take_f64(nelem),
        sp=stack.take_i64(nelem) if sparse else None,
    )


def runs(bases, nd, nelem, nnz):
    """The (base, n) ranges of a record's runs per array, for Stack.assert_only_changed."""
    i64 = [(bases.nidxs, nnz)] + ([(bases.sp, nelem)] if bases.sp is not None else [])
    return dict(i32=[(bases.shape, nd), (bases.ptr, nelem + 1)], i64=i64,
                f64=[(bases.cof, nnz), (bases.bfix, nelem)])


def read(stack, bases, nd, nelem, nnz, sparse=False, shape=None):
    """Reads back the record whose runs start at `bases` (shape from the stack unless given)."""
    if shape is None:
        shape = stack.i32[bases.shape:bases.shape + nd]
    ptr = stack.i32[bases.ptr:bases.ptr + nelem + 1].copy()
    return Record(
        shape=tuple(shape),
        ptr=ptr,
        nidxs=stack.i64[bases.nidxs:bases.nidxs + nnz].copy(),
        cof=stack.f64[bases.cof:bases.cof + nnz].copy(),
        bfix=stack.f64[bases.bfix:bases.bfix + nelem].copy(),
        sp=stack.i64[bases.sp:bases.sp + nelem].copy() if sparse else None,
    )


def check(rec):
    """Asserts the record's invariants: ptr starts at 0 and never decreases, sp strictly
    increases inside the shape, a dense record stores every element."""
    assert len(rec.ptr) == rec.nelem + 1
    assert rec.ptr[0] == 0 and np.all(np.diff(rec.ptr) >= 0)
    assert len(rec.nidxs) == len(rec.cof) == rec.nnz
    if rec.sparse:
        assert np.all(np.diff(rec.sp) > 0)
        assert rec.nelem == 0 or (rec.sp[0] >= 0 and rec.sp[-1] < rec.size)
    else:
        assert rec.nelem == rec.size


def values_of(nidxs, x, xbar=None):
    """The value of each native index: v > 0 is x[v-1], v < 0 is xbar[-v-1], 0 is 0."""
    nidxs = np.asarray(nidxs, dtype=np.int64)
    out = np.zeros(len(nidxs))
    pos = nidxs > 0
    out[pos] = np.asarray(x)[nidxs[pos] - 1]
    neg = nidxs < 0
    if np.any(neg):
        out[neg] = np.asarray(xbar)[-nidxs[neg] - 1]
    return out


def evaluate(rec, x, xbar=None):
    """The record's affine values at the point (x, xbar), as a dense array of its shape."""
    check(rec)
    termvals = rec.cof * values_of(rec.nidxs, x, xbar)
    owner = np.repeat(np.arange(rec.nelem), np.diff(rec.ptr))
    per_element = np.bincount(owner, weights=termvals, minlength=rec.nelem) + rec.bfix
    out = np.zeros(rec.size)
    out[rec.linear()] = per_element
    return out.reshape(rec.shape)


def dense(rec):
    """The same expression as a dense record."""
    if not rec.sparse:
        return rec
    counts = np.zeros(rec.size, dtype=np.int64)
    counts[rec.sp] = np.diff(rec.ptr)
    bfix = np.zeros(rec.size)
    bfix[rec.sp] = rec.bfix
    ptr = np.zeros(rec.size + 1, dtype=np.int32)
    ptr[1:] = np.cumsum(counts)
    return Record(rec.shape, ptr, rec.nidxs, rec.cof, bfix)
