"""Whole-road benchmark: constraints built into solver rows through the kernels, against a
modeling peer and against the least work possible.

    python bench/peer.py [--smoke] [--path DIR] [--compare DIR] [--family NAME ...]
                         [--repeats N] [--stat min] [--no-peer] [--peer-budget SECONDS]

Three constraint families, each at growing sizes:

  affine   A @ x - b with a sparse m by n matrix A (10 entries per row, m = n = nnz / 10)
  centred  sum(x - sum(x)) for a vector x of n variables (n (n + 1) terms before condensing)
  vstack   ten blocks A_k @ x stacked (1e4-th of the entries per row block, as affine)

Contenders, interleaved (each repeat runs every contender once, in turn):

  kernels  the road of the modeling layer, every loop in a kernel: variable records, the
           product with the constant matrix, sums, picks, reductions and stacking, the
           condensed check (and condensing where needed), then compressed solver rows
           (row counts, row pointers, row fill). NumPy only lays out the stacks and passes
           the inputs; results stay on the stacks, which the road reuses (a result becomes
           the next operation's operand in place, as a caller that alternates its result and
           work stacks does).
  limit    the same CSR rows built directly with scipy.sparse from the same input: for
           row-sorted triplets, data and column indexes copied and row pointers from
           np.bincount (the least work any canonicalizer can do); for the stack,
           scipy.sparse.vstack of such blocks. Not defined for `centred`.
  CPP, SCIPY, COO
           the peer: CVXPY's Problem.get_problem_data (conic form for CLARABEL) with its
           three canonicalization backends, on the same data; each call builds the problem
           anew (a problem caches its canonical form).

Every contender's result at every size is checked against a NumPy reference before it is
timed (row pointers, column indexes, coefficients and constants). A sample is the mean time
of back-to-back calls lasting at least --sample seconds together (one call when a call takes
longer), as timeit does; each repeat takes one sample of every contender in turn. Figures
are medians over the repeats (--stat min: minima); ratios are of one run; the growth
exponent of a contender is the least-squares slope of log(time) against log(size) over the
sizes it ran at. A peer backend whose time, extrapolated from the previous size, exceeds
--peer-budget seconds per call is skipped at the larger sizes (its estimate is printed
instead). BLAS runs one thread (OPENBLAS_NUM_THREADS=1 unless set).

CVXPY and SciPy are optional (`pip install ".[bench]"`): without CVXPY the peer columns are
left out, without SciPy also the limit. --smoke runs tiny sizes in a few seconds.
"""

import argparse
import gc
import glob
import importlib
import importlib.machinery
import importlib.util
import math
import os
import platform
import statistics
import sys
import time

# One thread of BLAS for everyone: idle BLAS threads that spin would take a core from the
# contender being timed on a small machine.
os.environ.setdefault("OPENBLAS_NUM_THREADS", "1")

import numpy as np  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(HERE)
BACKENDS = ("CPP", "SCIPY", "COO")


# --- the module --------------------------------------------------------------------------------

def load_fragments(path):
    if path:
        sys.path.insert(0, os.path.abspath(path))
    try:
        return importlib.import_module("fragments")
    except ImportError:
        if path:
            raise
    sys.path.insert(0, os.path.join(ROOT, "build", "dev"))
    return importlib.import_module("fragments")


def load_other_build(folder):
    """A second copy of the module, from another build folder (for before/after in one run)."""
    so = sorted(glob.glob(os.path.join(folder, "fragments*.so")))
    if not so:
        raise SystemExit("no fragments module in %s" % folder)
    loader = importlib.machinery.ExtensionFileLoader("fragments", so[0])
    source = importlib.util.spec_from_file_location("fragments", so[0], loader=loader)
    module = importlib.util.module_from_spec(source)
    loader.exec_module(module)
    return module


# --- stacks and records ------------------------------------------------------------------------

class Record:
    """The bases of one record's runs on a stack (sp is -1 for a dense record)."""

    def __init__(self, shape, ptr, nidxs, cof, bfix, sp):
        self.shape, self.ptr, self.nidxs, self.cof, self.bfix, self.sp = shape, ptr, nidxs, cof, bfix, sp


class Stack:
    """One expression stack: an int32, an int64 and a float64 array, each with its own top."""

    def __init__(self, n32, n64, nf64):
        self.i32 = np.zeros(max(n32, 1), np.int32)
        self.i64 = np.zeros(max(n64, 1), np.int64)
        self.f64 = np.zeros(max(nf64, 1), np.float64)
        self.clear()

    def clear(self):
        self.top = [0, 0, 0]

    def take(self, kind, n):
        base = self.top[kind]
        self.top[kind] += n
        size = (self.i32, self.i64, self.f64)[kind].size
        if self.top[kind] > size:
            raise MemoryError("stack too small: %d > %d" % (self.top[kind], size))
        return base

    def record(self, nd, nelem, nnz, sparse):
        return Record(self.take(0, nd), self.take(0, nelem + 1), self.take(1, nnz), self.take(2, nnz),
                      self.take(2, nelem), self.take(1, nelem) if sparse else -1)


def stacks(sizes, scratch):
    """Two stacks that take turns as result and work stack (sizes: int32, int64 and float64
    entries), and a scratch stack."""
    return Stack(*sizes), Stack(*sizes), Stack(*scratch)


class Road:
    """The kernels' road from variables to compressed solver rows."""

    def __init__(self, F):
        self.F = F

    def variable(self, s, shape, native):
        """A dense variable as a record on stack s: its shape, one term per element."""
        F, n = self.F, len(native)
        shape = np.asarray(shape, np.int32)
        v = s.record(len(shape), n, n, False)
        F._c_closure_110(len(shape), s.i32, shape, v.shape)
        F._c_closure_111(v.bfix, v.cof, 0, native, v.nidxs, n, v.ptr, s.f64, s.i32, s.i64, -1, None)
        return v

    def times_variable(self, w, r, A, x):
        """Triplet matrix A (checked first) times the dense variable record x on stack w: a
        sparse record on stack r; returns it with its element and term counts."""
        F = self.F
        m, n, msubi, msubj, mval = A
        if not F._c_closure_361(m, n, msubi, msubj, 1):
            raise ValueError("invalid triplets")
        rnelem, rnnz = F._c_closure_358(len(msubi), msubi, 0, 0, 1)
        p = r.record(2, rnelem, rnnz, True)
        F._c_closure_110(2, r.i32, np.array([m, 1], np.int32), p.shape)
        F._c_closure_360(mval, len(msubi), msubi, msubj, x.nidxs, p.bfix, p.cof, r.f64, r.i32, r.i64, p.nidxs,
                         p.ptr, p.sp, 1, w.i64)
        return p, rnelem, rnnz

    def constant(self, s, values, shape):
        """A dense constant record: no terms, constants `values`."""
        F, m = self.F, len(values)
        c = s.record(len(shape), m, 0, False)
        F._c_closure_110(len(shape), s.i32, np.asarray(shape, np.int32), c.shape)
        F._c_closure_377(s.i32, m, c.ptr)
        F._c_closure_250(values, m, c.bfix, s.f64)
        return c

    def rows(self, w, r, x, rec, nd, nelem, nnz, shape):
        """Compressed rows of the dense record rec on stack w (condensed first unless it is
        already): (row pointers, columns, coefficients, constants)."""
        F = self.F
        if not F._c_closure_414(rec.cof, 0.0, 1, nelem, rec.nidxs, nnz, rec.ptr, w.f64, w.i32, w.i64):
            most = F._c_closure_418(0, nelem, rec.ptr, w.i32)
            perm, cnt = x.take(0, nnz), x.take(0, 2 * most)
            F._c_closure_419(nelem, rec.nidxs, perm, rec.ptr, w.i32, w.i64, cnt, x.i32)
            cnnz = F._c_closure_416(rec.cof, 0.0, nelem, rec.nidxs, perm, rec.ptr, 0, w.f64, w.i32, w.i64, x.i32)
            r.clear()
            c = r.record(nd, nelem, cnnz, False)
            F._c_closure_417(rec.bfix, rec.cof, 0.0, 0, nd, nelem, rec.nidxs, perm, rec.ptr, c.bfix, c.cof, r.f64,
                             r.i32, r.i64, c.nidxs, c.ptr, c.shape, 0, np.asarray(shape, np.int32), w.f64, w.i32,
                             w.i64, x.i32)
            w, rec = r, c
        rptrb = np.zeros(nelem + 1, np.int64)
        F._c_closure_16(nelem, rec.nidxs, rec.ptr, rptrb, w.i32, w.i64)
        F._c_closure_17(nelem, rptrb)
        total = int(rptrb[nelem])
        rsubj, rcof = np.empty(total, np.int32), np.empty(total, np.float64)
        F._c_closure_18(rec.cof, 0, nelem, rec.nidxs, rec.ptr, rcof, rsubj, w.f64, w.i32, w.i64)
        return rptrb, rsubj, rcof, w.f64[rec.bfix:rec.bfix + nelem]


# --- the families ------------------------------------------------------------------------------

def triplets(rng, m, n, per_row=10):
    """A random m by n matrix with per_row entries in every row, as triplets sorted by (row,
    column): one column drawn in each of per_row equal column bands."""
    band = n // per_row
    msubi = np.repeat(np.arange(m, dtype=np.int32), per_row)
    msubj = (np.tile(np.arange(per_row, dtype=np.int32) * band, m)
             + rng.integers(0, band, size=m * per_row).astype(np.int32))
    mval = rng.normal(size=m * per_row)
    return m, n, msubi, msubj, mval


def csr_reference(blocks):
    """The CSR rows of the blocks stacked: (row pointers, columns, coefficients)."""
    counts = np.concatenate([np.bincount(b[2], minlength=b[0]) for b in blocks])
    ptr = np.concatenate([[0], np.cumsum(counts)]).astype(np.int64)
    return ptr, np.concatenate([b[3] for b in blocks]), np.concatenate([b[4] for b in blocks])


def scipy_rows(A):
    """The least-work CSR of row-sorted triplets, with scipy.sparse."""
    import scipy.sparse as sp
    m, n, msubi, msubj, mval = A
    ptr = np.empty(m + 1, np.int64)
    ptr[0] = 0
    np.cumsum(np.bincount(msubi, minlength=m), out=ptr[1:])
    return sp.csr_array((mval.copy(), msubj.copy(), ptr), shape=(m, n))


class Family:
    """One constraint family at one size: inputs, the reference, and the contenders."""
    name = ""
    unit = ""

    def contenders(self, F, cp, backends):
        """(label, callable returning the result in the contender's own form, check)."""
        out = [("kernels", self.kernels(F), self.check_rows)]
        for label, other in self.others:
            out.append((label, self.kernels(other), self.check_rows))
        if self.has_limit and scipy_available():
            out.append(("limit", self.limit, self.check_csr))
        for backend in backends:
            out.append((backend, self.peer(cp, backend), self.check_peer))
        return out

    # The checks compare with the reference rows exactly: every contender computes the same
    # coefficients by the same arithmetic (sums of exact small integers, products by 1).
    def check_rows(self, result):
        ptr, subj, cof, consts = result
        want_ptr, want_subj, want_cof, want_consts = self.reference
        ok = (np.array_equal(ptr, want_ptr) and np.array_equal(subj, want_subj) and np.array_equal(cof, want_cof)
              and np.array_equal(consts, want_consts))
        if not ok:
            raise AssertionError("%s: rows differ from the reference" % self.name)

    def check_csr(self, result):
        A, consts = result
        A = A.tocsr()
        A.sort_indices()
        self.check_rows((A.indptr, A.indices, A.data, consts))

    def check_peer(self, data):
        self.check_csr((data["A"], -data["b"]))


def scipy_available():
    try:
        import scipy.sparse  # noqa: F401
        return True
    except ImportError:
        return False


class Affine(Family):
    name, unit, has_limit = "A @ x - b, sparse A", "nnz", True

    def __init__(self, size, rng, others):
        m = n = size // 10
        self.size, self.others = size, others
        self.A = triplets(rng, m, n)
        self.b = rng.normal(size=m)
        self.native = np.arange(1, n + 1, dtype=np.int64)
        self.reference = csr_reference([self.A]) + (-self.b,)
        nnz = len(self.A[2])
        big = nnz + 2 * m + 2 * n + 16
        self.stack_sizes = (2 * m + 2 * n + 16, big, big), (3 * nnz + 16, 0, 0)

    def kernels(self, F):
        road = Road(F)
        s, t, x = stacks(*self.stack_sizes)
        m, n = self.A[0], self.A[1]

        def run():
            for st in (s, t, x):
                st.clear()
            xv = road.variable(s, (n, 1), self.native)
            p, pnelem, pnnz = road.times_variable(s, t, self.A, xv)
            c = road.constant(t, self.b, (m, 1))
            r = s.record(2, m, pnnz, False)
            # -b + A x: the dense constant first (weight -1), then the sparse product
            F._c_closure_368(c.bfix, p.bfix, c.cof, p.cof, -1.0, 1.0, m, pnelem, c.nidxs, p.nidxs, c.ptr, p.ptr,
                             r.bfix, r.cof, s.f64, s.i32, s.i64, 2, m, r.nidxs, r.ptr, r.shape, c.shape, p.sp,
                             t.f64, t.i32, t.i64)
            return road.rows(s, t, x, r, 2, m, pnnz, (m, 1))
        return run

    def limit(self):
        return scipy_rows(self.A), -self.b

    def peer(self, cp, backend):
        import scipy.sparse as sp
        m, n, msubi, msubj, mval = self.A
        A = sp.csr_array((mval, (msubi, msubj)), shape=(m, n))

        def run():
            x = cp.Variable(n)
            problem = cp.Problem(cp.Minimize(0), [A @ x - self.b == 0])
            return problem.get_problem_data(cp.CLARABEL, canon_backend=backend)[0]
        return run


class Centred(Family):
    name, unit, has_limit = "sum(x - sum(x))", "n", False

    def __init__(self, size, rng, others):
        n = self.size = size
        self.others = others
        self.native = np.arange(1, n + 1, dtype=np.int64)
        self.zeros = np.zeros(n, np.int64)  # the scalar picked n times: its broadcast
        self.reference = (np.array([0, n], np.int64), np.arange(n, dtype=np.int32),
                          np.full(n, 1.0 - n), np.zeros(1))
        nnz = n * (n + 1)
        self.stack_sizes = (2 * n + 16, nnz + 3 * n + 16, nnz + 3 * n + 16), (3 * nnz + 16, 0, 0)

    def kernels(self, F):
        road = Road(F)
        s, t, x = stacks(*self.stack_sizes)
        n = self.size

        def run():
            for st in (s, t, x):
                st.clear()
            xv = road.variable(s, (n,), self.native)
            # sum(x): the dense reduction along the only dimension, a scalar of n terms
            a = t.record(0, 1, n, False)
            F._c_closure_377(t.i32, 0, a.ptr)
            F._c_closure_392(xv.bfix, xv.cof, 1, n, 1, 0, 0, xv.nidxs, xv.ptr, a.bfix, a.cof, t.f64, t.i32, t.i64,
                             a.nidxs, a.ptr, n, 1, s.f64, s.i32, s.i64)
            # its broadcast to n elements: a pick of element 0, n times
            bnnz = F._c_closure_256(self.zeros, a.ptr, 0, t.i32)
            bc = s.record(1, n, bnnz, False)
            F._c_closure_377(s.i32, 0, bc.ptr)
            F._c_closure_257(a.bfix, a.cof, self.zeros, 0, a.nidxs, a.ptr, bc.bfix, bc.cof, s.f64, s.i32, s.i64,
                             bc.nidxs, bc.ptr, t.f64, t.i32, t.i64)
            # x - broadcast
            d = t.record(1, n, n + bnnz, False)
            F._c_closure_377(t.i32, 0, d.ptr)
            dnnz = F._c_closure_367(xv.bfix, bc.bfix, xv.cof, bc.cof, 0, 1.0, -1.0, xv.nidxs, bc.nidxs, xv.ptr,
                                    bc.ptr, d.bfix, d.cof, t.f64, t.i32, t.i64, n, d.nidxs, d.ptr, s.f64, s.i32,
                                    s.i64)
            # sum of it: a scalar of n (n + 1) terms, on s (x and the broadcast are done with)
            s.clear()
            e = s.record(0, 1, dnnz, False)
            F._c_closure_377(s.i32, 0, e.ptr)
            F._c_closure_392(d.bfix, d.cof, 1, n, 1, 0, 0, d.nidxs, d.ptr, e.bfix, e.cof, s.f64, s.i32, s.i64,
                             e.nidxs, e.ptr, n, 1, t.f64, t.i32, t.i64)
            return road.rows(s, t, x, e, 0, 1, dnnz, ())
        return run

    def peer(self, cp, backend):
        n = self.size

        def run():
            x = cp.Variable(n)
            problem = cp.Problem(cp.Minimize(0), [cp.sum(x - cp.sum(x)) == 0])
            return problem.get_problem_data(cp.CLARABEL, canon_backend=backend)[0]
        return run


class Vstack(Family):
    name, unit, has_limit = "vstack of 10 blocks", "nnz", True
    nblocks = 10

    def __init__(self, size, rng, others):
        mk = size // (10 * self.nblocks)
        n = size // 10
        self.size, self.others = size, others
        self.blocks = [triplets(rng, mk, n) for _ in range(self.nblocks)]
        self.native = np.arange(1, n + 1, dtype=np.int64)
        m, nnz = mk * self.nblocks, size
        self.reference = csr_reference(self.blocks) + (np.zeros(m),)
        big = n + nnz + m + n + 16
        self.stack_sizes = (3 * m + n + 64, big, big), (3 * nnz + m + 16, nnz + m + 16, nnz + m + 16)

    def kernels(self, F):
        road = Road(F)
        s, t, x = stacks(*self.stack_sizes)
        nb = self.nblocks
        n = self.blocks[0][1]
        d1s = np.array([b[0] for b in self.blocks], np.int32)
        offset = np.zeros(nb, np.int32)

        def run():
            for st in (s, t, x):
                st.clear()
            xv = road.variable(s, (n, 1), self.native)
            products = [road.times_variable(s, t, A, xv) for A in self.blocks]
            field = lambda name: np.array([getattr(p, name) for p, _, _ in products], np.int32)  # noqa: E731
            nelem = np.array([k for _, k, _ in products], np.int32)
            nnz = np.array([k for _, _, k in products], np.int32)
            # Stack along dimension 0: gather the sparse operands on the scratch stack, then
            # (their elements are in order already) copy them to the result stack.
            total_elem, total_nnz = F._c_closure_271(nb, nelem, nnz, 0, 0)
            F._c_closure_273(d1s, nb, offset)
            total = F._c_closure_274(0, d1s, nb)
            g = x.record(0, total_elem, total_nnz, True)
            F._c_closure_280(field("bfix"), field("cof"), nb, nelem, field("nidxs"), nnz, g.bfix, g.cof, g.nidxs,
                             t.f64, t.i64, x.f64, x.i64)
            F._c_closure_377(x.i32, 0, g.ptr)
            done, terms = 0, 0
            for i in range(nb):
                done = F._c_closure_281(int(d1s[i]), 1, i, done, terms, nelem, offset, field("ptr"), int(d1s[i]), 1,
                                        total, field("sp"), g.ptr, g.sp, t.i32, t.i64, x.i32, x.i64)
                terms += int(nnz[i])
            r = s.record(2, total_elem, total_nnz, True)
            F._c_closure_110(2, s.i32, np.array([total, 1], np.int32), r.shape)
            F._c_closure_286(r.bfix, r.cof, s.f64, s.i32, s.i64, total_elem, r.nidxs, r.ptr, r.sp, g.bfix, g.cof,
                             g.nidxs, g.ptr, g.sp, x.f64, x.i32, x.i64)
            return road.rows(s, t, x, r, 2, total_elem, total_nnz, (total, 1))
        return run

    def limit(self):
        import scipy.sparse as sp
        m = sum(b[0] for b in self.blocks)
        return sp.vstack([scipy_rows(b) for b in self.blocks], format="csr"), np.zeros(m)

    def peer(self, cp, backend):
        import scipy.sparse as sp
        mats = [sp.csr_array((b[4], (b[2], b[3])), shape=(b[0], b[1])) for b in self.blocks]
        n = self.blocks[0][1]

        def run():
            x = cp.Variable((n, 1))
            problem = cp.Problem(cp.Minimize(0), [cp.vstack([A @ x for A in mats]) == 0])
            return problem.get_problem_data(cp.CLARABEL, canon_backend=backend)[0]
        return run


FAMILIES = {"affine": (Affine, [10 ** 4, 10 ** 5, 10 ** 6], [2000]),
            "centred": (Centred, [1000, 3000, 10000], [30]),
            "vstack": (Vstack, [10 ** 5, 10 ** 6], [2000])}


# --- timing and report -------------------------------------------------------------------------

def timed(fn, number=1):
    """Mean time of `number` calls back to back, and the last call's result."""
    gc.collect()
    gc.disable()
    try:
        start = time.perf_counter()
        for _ in range(number):
            result = fn()
        return (time.perf_counter() - start) / number, result
    finally:
        gc.enable()


def fmt(seconds):
    if seconds is None:
        return "-"
    if seconds >= 1:
        return "%.2f s" % seconds
    if seconds >= 1e-3:
        return "%.3g ms" % (seconds * 1e3)
    return "%.3g us" % (seconds * 1e6)


def exponent(points):
    """Least-squares slope of log(time) against log(size)."""
    if len(points) < 2:
        return None
    xs = [math.log(s) for s, _ in points]
    ys = [math.log(t) for _, t in points]
    mx, my = sum(xs) / len(xs), sum(ys) / len(ys)
    den = sum((x - mx) ** 2 for x in xs)
    return sum((x - mx) * (y - my) for x, y in zip(xs, ys)) / den if den else None


def run_family(F, key, sizes, opts, cp, others):
    cls = FAMILIES[key][0]
    backends = BACKENDS if cp is not None else ()
    stat = min if opts.stat == "min" else statistics.median
    print()
    print("%s (%s)" % (cls.name, key))
    labels = ["kernels"] + [label for label, _ in others] + (["limit"] if cls.has_limit and scipy_available()
                                                             else []) + list(backends)
    head = "%-9s" % cls.unit + "".join("%11s" % label for label in labels)
    head += "  best peer/kernels" if backends else ""
    head += "  kernels/limit" if "limit" in labels else ""
    print(head)
    history = {label: [] for label in labels}
    for size in sizes:
        family = cls(size, np.random.default_rng(size), others)
        contenders = []
        estimates = {}
        per_round = 1e-9
        for label, fn, check in family.contenders(F, cp, backends):
            if label in BACKENDS and history[label]:
                last_size, last_time = history[label][-1]
                slope = exponent(history[label]) or exponent(history["kernels"]) or 1.0
                estimate = last_time * (size / last_size) ** max(slope, 1.0)
                if estimate > opts.peer_budget:
                    estimates[label] = estimate
                    continue
            first, result = timed(fn)  # also warms the stacks and caches
            check(result)
            del result
            number = max(1, int(math.ceil(opts.sample / max(first, 1e-9))))
            contenders.append([label, fn, number, []])
            per_round += number * first
        repeats = opts.repeats or (1 if opts.smoke else 7)
        repeats = max(1 if opts.smoke else 3, min(repeats, int(opts.budget / per_round)))
        for _ in range(repeats):
            for c in contenders:
                seconds, result = timed(c[1], c[2])
                del result
                c[3].append(seconds)
        times = {}
        for label, _, _, samples in contenders:
            times[label] = stat(samples)
            history[label].append((size, times[label]))
        line = "%-9s" % ("%.0e" % size if size >= 10 ** 4 else size)
        for label in labels:
            if label in estimates:
                line += "%11s" % ("skip(~%.0fs)" % estimates[label])
            else:
                line += "%11s" % fmt(times.get(label))
        peers = [times[b] for b in backends if b in times]
        if backends:
            line += "  %17s" % ("%.1f" % (min(peers) / times["kernels"]) if peers else "-")
        if "limit" in labels:
            line += "  %13.1f" % (times["kernels"] / times["limit"])
        print(line + "   (%d repeats)" % repeats, flush=True)
        del family, contenders
        gc.collect()
    growth = ", ".join("%s %.2f" % (label, exponent(history[label])) for label in labels
                       if exponent(history[label]) is not None)
    if growth:
        print("growth exponent (time ~ %s^e): %s" % (cls.unit, growth))


def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("--smoke", action="store_true", help="tiny sizes, one repeat (a few seconds)")
    ap.add_argument("--path", help="folder holding the fragments module (default: installed, else build/dev)")
    ap.add_argument("--compare", action="append", default=[], metavar="DIR",
                    help="another build of the module to run as a further contender (before/after)")
    ap.add_argument("--family", action="append", choices=sorted(FAMILIES), help="families to run (default all)")
    ap.add_argument("--size", action="append", type=float, help="sizes to run (default: the family's)")
    ap.add_argument("--repeats", type=int, help="interleaved repeats per size (default 7, fewer for long "
                                                "cases: see --budget)")
    ap.add_argument("--sample", type=float, help="least seconds of one sample (default 0.2, smoke 0)")
    ap.add_argument("--budget", type=float, default=60.0, help="seconds of repeats per size (default 60)")
    ap.add_argument("--stat", choices=["median", "min"], default="median")
    ap.add_argument("--no-peer", action="store_true", help="leave CVXPY out")
    ap.add_argument("--peer-budget", type=float, default=30.0,
                    help="skip a peer backend whose estimated time per call exceeds this (default 30 s)")
    opts = ap.parse_args()
    if opts.sample is None:
        opts.sample = 0.0 if opts.smoke else 0.2

    F = load_fragments(opts.path)
    others = [("k:%s" % os.path.basename(os.path.normpath(d)), load_other_build(d)) for d in opts.compare]
    cp = None
    if not opts.no_peer:
        try:
            import cvxpy as cp
        except ImportError:
            cp = None
    print("fragments whole-road benchmark: Python %s, NumPy %s, %s" % (platform.python_version(), np.__version__,
                                                                       platform.machine()))
    print("module: %s" % F.__file__)
    for label, module in others:
        print("%s: %s" % (label, module.__file__))
    if cp is not None:
        print("peer: CVXPY %s, get_problem_data(CLARABEL) with canon_backend = CPP, SCIPY, COO" % cp.__version__)
    else:
        print("peer: CVXPY not installed (or --no-peer): peer columns left out")
    if not scipy_available():
        print("limit: SciPy not installed: limit column left out")
    print("%s over interleaved repeats; every result checked against a NumPy reference" % opts.stat)
    for key in opts.family or ["affine", "centred", "vstack"]:
        sizes = [int(s) for s in opts.size] if opts.size else FAMILIES[key][2 if opts.smoke else 1]
        run_family(F, key, sizes, opts, cp, others)


if __name__ == "__main__":
    main()
