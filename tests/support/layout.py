"""Helpers for the tests of the element-moving expression kernels: random shapes, records laid
out at random bases with junk around them, kernel calls by parameter name with the stacks
checked around them, and the NumPy oracle check."""
import numpy as np

from .alloclimit import run_capped
from .kernels import call, kernel as k  # noqa: F401
from .products import assert_elements
from .records import Record, check, evaluate, place, random_record

NVARS, NBAR = 6, 2


def random_shape(rng, nd=None, max_nd=3, max_size=3):
    """A random shape of nd (or 0 .. max_nd) dimensions, sizes 0 .. max_size."""
    nd = int(rng.integers(0, max_nd + 1)) if nd is None else nd
    return tuple(int(s) for s in rng.integers(0, max_size + 1, size=nd))


def some_record(rng, shape, sparse):
    """A random record with repeated and zero indexes, bar elements and zero coefficients."""
    return random_record(rng, shape, sparse=sparse, bar=NBAR, density=rng.uniform(0.2, 0.9))


def pad(stack, rng, most=4):
    """Takes a few junk entries on every array of the stack, so that runs start at random bases."""
    for take in (stack.take_i32, stack.take_i64, stack.take_f64):
        take(int(rng.integers(0, most + 1)))


def put(stack, rec, rng):
    """Lays `rec` out on `stack` at random bases; returns the bases."""
    pad(stack, rng)
    return place(stack, rec)


def names(b, p):
    """The record bases `b` under every name the kernels give them: p + field (wptr, rsp ..),
    p + field + "base" (rptrbase, xspbase ..) and, for the work stack, field + "base" (ptrbase)."""
    out = {}
    for f in ("ptr", "nidxs", "cof", "bfix", "sp", "shape"):
        v = getattr(b, f, None)
        out.update({p + f: v or 0, p + f + "base": v or 0} | ({f + "base": v or 0} if p == "w" else {}))
    return out


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


def assert_record(rec, want):
    """rec is a sound record that stores exactly the elements `want` (as products.elements)."""
    check(rec)
    assert_elements(rec, want)


def accumulate(pairs, size=0):
    """Elements from (linear index, (terms, constant)) pairs: per index the terms in order and
    the sum of the constants; every index below `size` is an element (of a dense result)."""
    out = {L: ([], 0.0) for L in range(size)}
    for L, (terms, b) in pairs:
        t, c = out.get(L, ([], 0.0))
        out[L] = (t + terms, c + b)
    return out


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


def run(s, number, allowed=None, /, *given, **args):
    """Kernel `number` called by parameter name with the stacks' arrays (ri32 .. xf64), the
    dicts `given` and `args` (the later ones win); nothing may change outside allowed =
    dict(r=ranges, w=.., x=..) (as for only_changed)."""
    merged = {f"{w}{t}": getattr(getattr(s, w), t) for w in "rwx" for t in ("i32", "i64", "f64")}
    for d in given + (args,):
        merged.update(d)
    return guarded(s, lambda: call(number, **merged), **(allowed or {}))


def assert_memory_error(setup, calls, kept):
    """In a memory-capped child: after `setup`, every call in `calls` raises MemoryError and
    the arrays named in `kept` stay as they were."""
    code = [setup, f"kept = [a.copy() for a in ({kept},)]", "cap_address_space()"]
    for c in calls:
        code += ["try:", f"    {c}", f"    raise SystemExit('no MemoryError: {c[:40]}')", "except MemoryError:", "    pass"]
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
    return dict(i32=[(bases.ptr + e0 + 1, nelem)], i64=i64, f64=[(bases.cof + t0, nnz), (bases.bfix + e0, nelem)])


# Records viewed around two chosen dimensions a < b of equal size (symmetric and triangular
# parts): five blocks dim = (d0, d1, d2, d3, d4) of sizes before a, a, between, b, after b.

def paired_case(rng, sparse, max_size=3):
    """A random record of 2 .. 4 dimensions (sizes 1 .. max_size, now and then one of them
    0) and two dimensions a < b of equal size."""
    nd = int(rng.integers(2, 5))
    shape = [int(s) for s in rng.integers(1, max_size + 1, size=nd)]
    if rng.random() < 0.15:
        shape[int(rng.integers(0, nd))] = 0
    a, b = sorted(int(v) for v in rng.choice(nd, size=2, replace=False))
    shape[b] = shape[a]
    return some_record(rng, tuple(shape), sparse), a, b


def blocks(shape, a, b):
    p = lambda part: int(np.prod(part, dtype=np.int64))
    return [p(shape[:a]), shape[a], p(shape[a + 1:b]), shape[b], p(shape[b + 1:])]


def block_strides(dim, last=1):
    st = [0, 0, 0, 0, last]
    for q in range(3, -1, -1):
        st[q] = dim[q + 1] * st[q + 1]
    return st


def coordinates(L, dim, st):
    """The five block coordinates of linear indexes L (an int64 array)."""
    return [(np.asarray(L, dtype=np.int64) // max(s, 1)) % max(d, 1) for d, s in zip(dim, st)]


def mirror(L, dim, st):
    """The linear index of the element with block coordinates c1 and c3 exchanged."""
    c = coordinates(L, dim, st)
    return c[0] * st[0] + c[3] * st[1] + c[2] * st[2] + c[1] * st[3] + c[4] * st[4]
