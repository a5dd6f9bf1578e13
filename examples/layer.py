"""A minimal modeling layer over the kernels of `fragments`.

Expressions are records on caller-owned stacks; every function below is one recipe of
docs/recipes.md: its body is the sequence of kernel calls, and its comments say which count
pass sizes each reservation. Every loop over elements or terms runs in a kernel; NumPy only
allocates the stacks and passes the inputs.

A record lies on one stack. An operation reads its operands from the stack they lie on (the
work stack of that call: its arrays go in the kernels' w* slots) and writes its result to
another stack `dst` (the r* slots); integer work arrays go on a scratch stack `x`, which
holds nothing between operations.
"""
import numpy as np

import fragments as F


class Stack:
    """One expression stack: an int32, an int64 and a float64 array, each with its own top.
    A run is reserved by advancing the top; kernels never resize a stack, so `take` grows an
    array (a larger allocation, the old entries kept) when a run does not fit."""

    def __init__(self, size=1024):
        self.i32 = np.zeros(size, np.int32)
        self.i64 = np.zeros(size, np.int64)
        self.f64 = np.zeros(size, np.float64)
        self.clear()

    def clear(self):
        """Pops every record: the next run goes to the bottom again."""
        self.top = {"i32": 0, "i64": 0, "f64": 0}

    def take(self, kind, n):
        """Reserves n entries of array `kind` ("i32", "i64" or "f64"); returns their base."""
        base = self.top[kind]
        self.top[kind] = base + n
        old = getattr(self, kind)
        if base + n > len(old):
            new = np.zeros(max(2 * len(old), base + n), old.dtype)
            new[:base] = old[:base]
            setattr(self, kind, new)
        return base

    def record(self, shape, nelem, nnz, sparse=False):
        """Reserves the runs of a record (shape: nd int32; ptr: nelem + 1 int32; nidxs and
        cof: nnz int64 and float64; bfix: nelem float64; sp: nelem int64 when sparse) and
        writes its shape run (_c_closure_110)."""
        rec = Record(self, tuple(shape), nelem, nnz, sparse, self.take("i32", len(shape)),
                     self.take("i32", nelem + 1), self.take("i64", nnz), self.take("f64", nnz),
                     self.take("f64", nelem), self.take("i64", nelem) if sparse else -1)
        F._c_closure_110(rec.nd, self.i32, np.array(shape, np.int32), rec.shape_base)
        return rec


class Record:
    """Where an expression lies: its stack, shape and counts (the caller keeps them; the
    kernels take them as scalars) and the bases of its runs (sp is -1 for a dense record)."""

    def __init__(self, stack, shape, nelem, nnz, sparse, shape_base, ptr, nidxs, cof, bfix, sp):
        self.stack, self.shape, self.nelem, self.nnz, self.sparse = stack, shape, nelem, nnz, sparse
        self.shape_base, self.ptr, self.nidxs, self.cof, self.bfix, self.sp = shape_base, ptr, nidxs, cof, bfix, sp

    @property
    def nd(self):
        return len(self.shape)

    def runs(self):
        """Views of the record's runs, for printing and checks: ptr, nidxs, cof, bfix, sp
        (until its stack grows or is cleared)."""
        s = self.stack
        return (s.i32[self.ptr:self.ptr + self.nelem + 1], s.i64[self.nidxs:self.nidxs + self.nnz],
                s.f64[self.cof:self.cof + self.nnz], s.f64[self.bfix:self.bfix + self.nelem],
                s.i64[self.sp:self.sp + self.nelem] if self.sparse else None)


def _fields(records, name):
    """One int32 entry per operand: a base or a count, for the kernels of operand lists."""
    return np.array([getattr(r, name) for r in records], np.int32)


def variable(s, shape, native, sparsity=None):
    """A variable as a record on stack s: one term per present element (its own signed native
    index, coefficient 1.0) and constant 0.0. native: int64, v > 0 names scalar variable
    v - 1; sparsity: the increasing linear indexes of a sparse variable's present elements."""
    n = len(native)
    # nelem = nnz = the present elements: no count pass.
    v = s.record(shape, n, n, sparsity is not None)
    F._c_closure_111(v.bfix, v.cof, int(v.sparse), native, v.nidxs, n, v.ptr, s.f64, s.i32, s.i64, v.sp, sparsity)
    return v


def move(rec, dst):
    """The record copied to stack dst. ptr entries count from the term runs' bases, so a copy
    of every run keeps the record whole; popping the original is the caller's business."""
    s = rec.stack
    # The copy has the record's own counts: no count pass.
    m = dst.record(rec.shape, rec.nelem, rec.nnz, rec.sparse)
    F._c_closure_415(rec.bfix, rec.cof, int(rec.sparse), rec.nd, rec.nelem, rec.nidxs, rec.nnz, rec.ptr,
                     m.bfix, m.cof, dst.f64, dst.i32, dst.i64, m.nidxs, m.ptr, m.shape_base, m.sp,
                     s.i32[rec.shape_base:rec.shape_base + rec.nd], rec.sp, s.f64, s.i32, s.i64)
    return m


def constant(s, values, shape=None):
    """A dense constant record on stack s: no terms, the float64 values as constants."""
    n = len(values)
    # nelem = len(values), nnz = 0.
    c = s.record((n,) if shape is None else shape, n, 0)
    F._c_closure_377(s.i32, n, c.ptr)            # ptr = 0, ..., 0: no element has terms
    F._c_closure_250(values, n, c.bfix, s.f64)   # bfix = values
    return c


def weighted_sum(dst, operands, weights, dense=False):
    """sum of weights[i] * operands[i], operands of one shape on one stack, dense and sparse
    mixed: a dense record on dst when any operand is dense (or dense=True), else sparse.
    Terms are concatenated (operand 0's first); only condense() merges equal variables."""
    w, n, first = operands[0].stack, len(operands), operands[0]
    nelem, nnz, sp = _fields(operands, "nelem"), _fields(operands, "nnz"), _fields(operands, "sp")
    anydense = F._c_closure_373(int(dense), n, sp)   # a dense operand has sp base -1
    if anydense:
        # Every element is stored: nelem = the product of the shape (272); nnz = the sum of
        # the operands' term counts (374).
        rnelem = F._c_closure_272(1, first.nd, first.shape_base, w.i32)
        rnnz = F._c_closure_374(n, nnz, 0)
    else:
        # nelem = the union of the operands' sp runs, nnz = the term sum: 375.
        rnelem, rnnz = F._c_closure_375(n, nelem, nnz, 0, 0, sp, w.i64)
    r = dst.record(first.shape, rnelem, rnnz, not anydense)
    F._c_closure_377(dst.i32, rnelem, r.ptr)   # 378 adds into ptr (dense form): zeros, ptr[0] too
    F._c_closure_376(r.bfix, dst.f64, rnelem)  # and into bfix
    F._c_closure_378(int(anydense), _fields(operands, "bfix"), _fields(operands, "cof"), n, nelem,
                     _fields(operands, "nidxs"), _fields(operands, "ptr"), r.bfix, r.cof, dst.f64, dst.i32,
                     dst.i64, rnelem, r.nidxs, r.ptr, r.sp, sp, np.asarray(weights, np.float64), w.f64, w.i32,
                     w.i64)
    return r


def dense(dst, rec):
    """A sparse record made dense on dst: every element stored, the absent ones 0 (the dense
    form of the weighted sum, with one operand)."""
    return weighted_sum(dst, [rec], [1.0], dense=True)


def times_variable(dst, m, msubi, msubj, mval, x):
    """M @ x for a constant m-row sparse matrix M given as triplets (int32 rows and columns,
    sorted by row, then column; float64 values) and a dense variable record x of shape (n,)
    or (n, p): a sparse record of shape (m,) or (m, p) on dst that stores the rows of M
    having entries."""
    n, p = x.shape[0], x.shape[1] if x.nd == 2 else 1
    # 361 counts the triplets by len(msubi): in range and strictly increasing?
    if not F._c_closure_361(m, n, msubi, msubj, 1):
        raise ValueError("triplets out of range or not sorted by (row, column)")
    # nelem = (rows with entries) * p, nnz = len(msubi) * p: 358, the count pass of 360.
    rnelem, rnnz = F._c_closure_358(len(msubi), msubi, 0, 0, p)
    r = dst.record((m,) + x.shape[1:], rnelem, rnnz, sparse=True)
    # 360 reads x's variable indexes from the array in its xi64 slot: x's own stack.
    F._c_closure_360(mval, len(msubi), msubi, msubj, x.nidxs, r.bfix, r.cof, dst.f64, dst.i32, dst.i64,
                     r.nidxs, r.ptr, r.sp, p, x.stack.i64)
    return r


def pick(dst, rec, idxs, x):
    """The elements of rec at the int64 linear indexes idxs (within the shape; from a sparse
    rec, an index it does not store picks a zero), as a dense one-dimensional record of
    len(idxs) elements on dst."""
    w, k = rec.stack, len(idxs)
    if rec.sparse:
        x.clear()
        # 258 writes where each index is stored (k int32 of scratch, -1: absent) and returns
        # the term count nnz of the pick; nelem = len(idxs).
        pos = x.take("i32", k)
        rnnz = F._c_closure_258(idxs, rec.nelem, rec.ptr, 0, rec.sp, pos, w.i32, w.i64, x.i32)
        r = dst.record((k,), k, rnnz)
        dst.i32[r.ptr] = 0                       # ptr[0] is the caller's
        F._c_closure_259(rec.bfix, rec.cof, idxs, 0, rec.nidxs, rec.ptr, r.bfix, r.cof, dst.f64, dst.i32, dst.i64,
                         r.nidxs, r.ptr, pos, w.f64, w.i32, w.i64, x.i32)
    else:
        # nnz = the terms of the picked elements (256); nelem = len(idxs).
        rnnz = F._c_closure_256(idxs, rec.ptr, 0, w.i32)
        r = dst.record((k,), k, rnnz)
        dst.i32[r.ptr] = 0                       # ptr[0] is the caller's
        F._c_closure_257(rec.bfix, rec.cof, idxs, 0, rec.nidxs, rec.ptr, r.bfix, r.cof, dst.f64, dst.i32, dst.i64,
                         r.nidxs, r.ptr, w.f64, w.i32, w.i64)
    return r


def vstack(dst, operands, x):
    """The operands (one stack; equal shapes but in dimension 0) stacked along dimension 0:
    a dense record on dst when every operand is dense, else a sparse one."""
    w, n, first = operands[0].stack, len(operands), operands[0]
    nds, shape_bases, mismatch = _fields(operands, "nd"), _fields(operands, "shape_base"), False
    for i in range(n):                            # 269, folded over the operands
        mismatch = F._c_closure_269(0, i, int(mismatch), first.nd, nds, first.shape_base, shape_bases, w.i32)
    if mismatch:
        raise ValueError("operands differ in shape beyond dimension 0")
    nelem, nnz, ptr = _fields(operands, "nelem"), _fields(operands, "nnz"), _fields(operands, "ptr")
    d1s = np.array([o.shape[0] for o in operands], np.int32)
    total = F._c_closure_274(0, d1s, n)                             # the result's size in dimension 0
    inner = F._c_closure_275(1, 0, first.nd, first.shape_base, w.i32)  # the sizes after it
    rnelem, rnnz = F._c_closure_271(n, nelem, nnz, 0, 0)           # nelem and nnz of the result
    shape = (total,) + first.shape[1:]
    if not any(o.sparse for o in operands):
        r = dst.record(shape, rnelem, rnnz)
        F._c_closure_277(_fields(operands, "bfix"), _fields(operands, "cof"), 1, total, d1s, inner, n,
                         _fields(operands, "nidxs"), ptr, r.bfix, r.cof, dst.f64, dst.i32, dst.i64, rnelem,
                         r.nidxs, r.ptr, w.f64, w.i32, w.i64)
        return r
    # With a sparse operand: gather terms and constants on the scratch stack (280), append
    # each operand's sp and ptr (281 sparse, 282 dense), then copy into the result (286).
    # The gathered record has the result's counts (271).
    x.clear()
    offset = np.zeros(n, np.int32)
    F._c_closure_273(d1s, n, offset)              # each operand's first index in dimension 0
    g = x.record((), rnelem, rnnz, sparse=True)
    F._c_closure_280(_fields(operands, "bfix"), _fields(operands, "cof"), n, nelem, _fields(operands, "nidxs"), nnz,
                     g.bfix, g.cof, g.nidxs, w.f64, w.i64, x.f64, x.i64)
    x.i32[g.ptr] = 0                              # the gathered ptr[0] is the caller's
    done = terms = 0
    for i, o in enumerate(operands):
        size = int(d1s[i])
        if o.sparse:
            done = F._c_closure_281(size, inner, i, done, terms, nelem, offset, ptr, size * inner, inner, total,
                                    _fields(operands, "sp"), g.ptr, g.sp, w.i32, w.i64, x.i32, x.i64)
        else:
            done = F._c_closure_282(1, size, inner, i, done, terms, offset, ptr, total, g.ptr, g.sp, w.i32,
                                    x.i32, x.i64)
        terms += o.nnz
    # Along dimension 0 the gathered elements are in increasing linear index already, so 286
    # copies them in order (285 sorts them, for stacking along another dimension).
    r = dst.record(shape, rnelem, rnnz, sparse=True)
    F._c_closure_286(r.bfix, r.cof, dst.f64, dst.i32, dst.i64, rnelem, r.nidxs, r.ptr, r.sp, g.bfix, g.cof, g.nidxs,
                     g.ptr, g.sp, x.f64, x.i32, x.i64)
    return r


def condense(dst, rec, x, tol=0.0):
    """The dense record with each element's terms sorted by variable, equal variables merged
    and sums within tol of 0 dropped, on dst. A record already condensed is copied."""
    w = rec.stack
    if rec.sparse:
        raise ValueError("condense a dense record: make it dense first")
    if F._c_closure_414(rec.cof, tol, 1, rec.nelem, rec.nidxs, rec.nnz, rec.ptr, w.f64, w.i32, w.i64):
        return move(rec, dst)
    x.clear()
    # 419 sorts each element's terms into a permutation parallel to the terms (nnz int32 of
    # scratch), counting in 2 * M int32, M = the most terms of one element (418).
    most = F._c_closure_418(0, rec.nelem, rec.ptr, w.i32)
    perm, cnt = x.take("i32", rec.nnz), x.take("i32", 2 * most)
    F._c_closure_419(rec.nelem, rec.nidxs, perm, rec.ptr, w.i32, w.i64, cnt, x.i32)
    # nnz of the condensed record: 416, the count pass of 417; nelem is unchanged.
    rnnz = F._c_closure_416(rec.cof, tol, rec.nelem, rec.nidxs, perm, rec.ptr, 0, w.f64, w.i32, w.i64, x.i32)
    c = dst.record(rec.shape, rec.nelem, rnnz)
    F._c_closure_417(rec.bfix, rec.cof, tol, 0, rec.nd, rec.nelem, rec.nidxs, perm, rec.ptr, c.bfix, c.cof,
                     dst.f64, dst.i32, dst.i64, c.nidxs, c.ptr, c.shape_base, 0, np.array(rec.shape, np.int32),
                     w.f64, w.i32, w.i64, x.i32)
    return c


def rows(rec):
    """Compressed solver rows of a dense record, one row per element: (row pointers, column
    indexes = scalar variable numbers, coefficients, row constants); row k stands for
    sum of rcof[t] * var[rsubj[t]] over its entries, plus constants[k]."""
    w, n = rec.stack, rec.nelem
    if rec.sparse:
        raise ValueError("rows are made from a dense record: one row per stored element")
    rptrb = np.zeros(n + 1, np.int64)       # 16 adds each row's count into rptrb[k + 1]
    F._c_closure_16(n, rec.nidxs, rec.ptr, rptrb, w.i32, w.i64)
    F._c_closure_17(n, rptrb)               # counts into row pointers: rptrb[n] entries in all
    rsubj, rcof = np.empty(rptrb[n], np.int32), np.empty(rptrb[n], np.float64)
    F._c_closure_18(rec.cof, 0, n, rec.nidxs, rec.ptr, rcof, rsubj, w.f64, w.i32, w.i64)
    return rptrb, rsubj, rcof, w.f64[rec.bfix:rec.bfix + n].copy()


def values(xx, native, shape, sparsity=None):
    """A variable's solution values as an array of its shape: xx holds the solver's values of
    the scalar variables; absent elements of a sparse variable are 0."""
    n = len(native)
    res = np.empty(n)
    F._c_closure_11(n, native, 0, res, xx)            # res[k] = xx[native[k] - 1]
    out = np.zeros(int(np.prod(shape)))
    F._c_closure_113(native, res, sparsity, out)      # out[sparsity[k]] = res[k] (dense: out = res)
    return out.reshape(shape)
