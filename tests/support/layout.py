"""Helpers for the tests of the element-moving expression kernels: random shapes, records laid
out at random bases with junk around them, guarded kernel calls and the NumPy oracle check."""
import numpy as np

from .alloclimit import run_capped
from .kernels import kernel as k  # noqa: F401
from .records import Record, evaluate, place, random_record

NVARS = 6
NBAR = 2


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
    return np.array([int(np.prod(shape[d + 1:], dtype=np.int64)) for d in range(len(shape))], dtype=np.int64)


def point(rng):
    """A random point (x, xbar) for evaluate."""
    return rng.normal(size=NVARS), rng.normal(size=NBAR)


def value(rec, xs):
    return evaluate(rec, *xs)


def assert_numpy(rng, out, op, *recs):
    """evaluate(out) equals op applied to the evaluated recs at a random point."""
    xs = point(rng)
    np.testing.assert_allclose(value(out, xs), op(*(value(r, xs) for r in recs)), rtol=1e-12, atol=1e-12)


def snap(s):
    """Snapshots of the result, work and scratch stacks of `s`."""
    return s.r.snapshot(), s.w.snapshot(), s.x.snapshot()


def only_changed(s, snaps, r=None, w=None, x=None):
    """Asserts that nothing outside the given ranges (as for Stack.assert_only_changed) of
    each stack changed since `snaps`."""
    for stack, before, ranges in zip((s.r, s.w, s.x), snaps, (r, w, x)):
        stack.assert_only_changed(before, **(ranges or {}))


def guarded(s, call, r=None, w=None, x=None):
    """call() with `only_changed` checked around it; returns its result."""
    before = snap(s)
    got = call()
    only_changed(s, before, r, w, x)
    return got


def assert_memory_error(setup, calls, kept):
    """In a memory-capped child: after `setup`, every call in `calls` raises MemoryError and
    the arrays named in `kept` stay as they were."""
    code = [setup, f"kept = [a.copy() for a in ({kept},)]", "cap_address_space()"]
    for call in calls:
        code += ["try:", f"    {call}", f"    raise SystemExit('no MemoryError: {call[:40]}')",
                 "except MemoryError:", "    pass"]
    code += [f"assert all((a == b).all() for a, b in zip(({kept},), kept))", "print('ok')"]
    done = run_capped("import numpy as np, fragments as F\n" + "\n".join(code))
    assert done.stdout.strip() == "ok", done.stderr


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
