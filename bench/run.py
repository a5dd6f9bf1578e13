"""Benchmark of the call frame and of a few bandwidth-bound kernels.

    python bench/run.py [--quick] [--path DIR]

Per call: the cost of one call with small arrays (4 elements), for NumPy arrays (viewed
directly), array.array objects and memoryviews (both through the buffer protocol), as
nanoseconds and as a multiple of the floor: a no-op METH_FASTCALL function (bench/floor.c,
built here for the running interpreter) called with the same arguments.

Bulk: the fill, copy, scatter and counting-sort kernels at 1e3 and 1e6 elements, against
memcpy of the same bytes (called the same way, with addresses prepared outside the timing)
and against the NumPy expression that does the same work.

Every figure is the median of interleaved repeats: each repeat times every case once, so
a slow moment of the machine spreads over all cases instead of spoiling one; a ratio is
the median of the per-repeat ratios of two samples taken back to back. Figures include
the timing loop (its cost per iteration is printed); ratios are of one run.
"""
import argparse
import array
import hashlib
import importlib
import os
import platform
import statistics
import subprocess
import sys
import sysconfig
import timeit

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(HERE)


# --- setting up ------------------------------------------------------------------------------

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


def load_floor():
    """Builds bench/floor.c for this interpreter (once, into bench/_build/) and imports it."""
    source = os.path.join(HERE, "floor.c")
    with open(source, "rb") as f:
        digest = hashlib.sha1(f.read() + sys.version.encode()).hexdigest()[:12]
    folder = os.path.join(HERE, "_build", digest)
    target = os.path.join(folder, "_floor" + (sysconfig.get_config_var("EXT_SUFFIX") or ".so"))
    if not os.path.exists(target):
        os.makedirs(folder, exist_ok=True)
        cc = os.environ.get("CC") or (sysconfig.get_config_var("CC") or "cc").split()[0]
        tmp = "%s.%d.tmp" % (target, os.getpid())
        subprocess.check_call([cc, "-shared", "-fPIC", "-O2", "-I" + sysconfig.get_paths()["include"],
                               source, "-o", tmp])
        os.rename(tmp, target)
    sys.path.insert(0, folder)
    return importlib.import_module("_floor")


class Timed:
    """One timed statement: `call(*args)`, or a statement string over named locals."""

    def __init__(self, label, call=None, args=(), stmt=None, names=None):
        self.label = label
        if stmt is None:
            names = {"f": call}
            names.update(("a%d" % k, a) for k, a in enumerate(args))
            stmt = "f(%s)" % ", ".join("a%d" % k for k in range(len(args)))
        # The names become locals of timeit's loop function (fast lookups, as in real code).
        setup = "; ".join("%s = _names[%r]" % (n, n) for n in names) or "pass"
        self.timer = timeit.Timer(stmt, setup, globals={"_names": names})
        self.number = 1
        self.samples = []

    def calibrate(self, seconds):
        n = 1
        while True:
            t = self.timer.timeit(n)
            if t >= seconds / 5 or n >= 10 ** 7:
                break
            n *= 4 if t < seconds / 50 else 2
        self.number = max(1, int(n * seconds / max(t, 1e-9)))

    def sample(self):
        self.samples.append(self.timer.timeit(self.number) / self.number)

    stat = staticmethod(statistics.median)

    @property
    def ns(self):
        return Timed.stat(self.samples) * 1e9

    def ratio(self, other):
        """The median of the per-repeat ratios self / other (the two samples of a repeat are
        taken one right after the other, so a slow moment of the machine cancels out); with
        --stat min, the ratio of the two minima."""
        if Timed.stat is min:
            return min(self.samples) / min(other.samples)
        return statistics.median(a / b for a, b in zip(self.samples, other.samples))


def run_interleaved(timed, repeats, seconds):
    for t in timed:
        t.calibrate(seconds)
    for _ in range(repeats):
        for t in timed:
            t.sample()


# --- the cases -------------------------------------------------------------------------------

def function_of(F, name):
    """The C++ function behind a kernel, as its docstring names it first (native::fill_rows)."""
    kernel = getattr(F, name, None)
    return (kernel.__doc__ or "").split(" ", 1)[0] if kernel else ""


def small_cases(F, np):
    """(label, kernel name, argument builder(kind)) for the per-call table. kind is
    'ndarray', 'array.array' or 'memoryview'."""
    def arr(kind, values, code):
        a = np.array(values, dtype={"i": np.int32, "q": np.int64, "d": np.float64}[code])
        if kind == "ndarray":
            return a
        if kind == "memoryview":
            return memoryview(a)
        if a.ndim == 1:
            return array.array(code, a.tolist())
        flat = array.array(code, a.ravel().tolist())  # 2-D: a cast memoryview of an array.array
        return memoryview(flat).cast("B").cast(code, a.shape)

    cases = []
    cases.append(("_c_closure_0   3 arrays, 1 int", "_c_closure_0", lambda k: [
        arr(k, [2, 1, 3, 0], "i"), arr(k, [0, 5, 9, 2], "i"), arr(k, [0, 0, 0, 0], "i"), 1]))
    cases.append(("_c_closure_239 9 arrays", "_c_closure_239", lambda k: [
        arr(k, [[0, 0]] * 4, "i"), arr(k, [0.0] * 4, "d"), arr(k, [0, 1], "i"), arr(k, [0, 1], "i"),
        arr(k, [1.0, 2.0], "d"), arr(k, [0.0] * 4, "d"), arr(k, [0, 1], "i"), arr(k, [1, 1], "i"),
        arr(k, [3.0, 4.0], "d")]))
    cases.append(("_c_closure_276 record shape", "_c_closure_276", lambda k: [
        3, arr(k, [0, 0, 0, 0], "i"), 1, 0, arr(k, [2, 3, 4, 5], "i")]))
    cases.append(("_c_closure_251 fill", "_c_closure_251", lambda k: [3, arr(k, [9, 9, 9, 9], "i"), 0]))
    cases.append(("_c_closure_240 scatter", "_c_closure_240", lambda k: [
        2, arr(k, [0.0] * 4, "d"), arr(k, [0, 0, 1, 1], "i"), arr(k, [1, 0, 1, 0], "i"),
        arr(k, [1.0, 2.0, 3.0, 4.0], "d")]))
    cases.append(("_c_closure_77  counting sort", "_c_closure_77", lambda k: [
        2, 1, 2, arr(k, [0, 1, 2, 3], "q"), arr(k, [0] * 5, "q"), arr(k, [3, 1, 2, 0], "q")]))
    return cases


def built(F, name, args):
    try:
        getattr(F, name)(*args)
        return True
    except NotImplementedError:
        return False


def bulk_cases(F, floor, np, n, rng):
    """(label, kernel Timed, NumPy Timed, memcpy Timed, bytes) for n elements."""
    cases = []
    addr = lambda a: a.__array_interface__["data"][0]  # noqa: E731

    def memcpy(nbytes):
        src, dst = np.ones(nbytes, np.uint8), np.zeros(nbytes, np.uint8)
        return Timed("memcpy", floor.copy, (addr(dst), addr(src), nbytes)), (src, dst)

    # fill: ri32[off + k] = 0, k = 0 .. n - 1 (the kernel's n is the last index)
    r, rn = np.ones(n + 8, np.int32), np.ones(n + 8, np.int32)
    m, keep = memcpy(4 * n)
    cases.append(("fill int32 (_c_closure_251)", "_c_closure_251",
                  Timed("kernel", F._c_closure_251, (n - 1, r, 4)),
                  Timed("numpy", stmt="r[4:4 + n] = 0", names={"r": rn, "n": n}), m, keep))

    # copy: rf64[off + k] = bfix[k]
    b, t, tn = rng.normal(size=n), np.zeros(n + 8), np.zeros(n + 8)
    m, keep = memcpy(8 * n)
    cases.append(("copy float64 (_c_closure_250)", "_c_closure_250",
                  Timed("kernel", F._c_closure_250, (b, n, 4, t)),
                  Timed("numpy", stmt="t[4:4 + n] = b", names={"t": tn, "n": n, "b": b}), m, keep))

    # scatter: lval[subi[k] * ncols + subj[k]] = v[k], every position once in random order
    ncols = min(n, 1000)
    lin = rng.permutation(n)
    subi, subj = (lin // ncols).astype(np.int32), (lin % ncols).astype(np.int32)
    v, lval, lvaln = rng.normal(size=n), np.zeros(n), np.zeros(n)
    m, keep = memcpy(8 * n)
    cases.append(("scatter float64 (_c_closure_240)", "_c_closure_240",
                  Timed("kernel", F._c_closure_240, (ncols, lval, subi, subj, v)),
                  Timed("numpy", stmt="l[subi * ncols + subj] = v",
                        names={"l": lvaln, "subi": subi, "subj": subj, "ncols": ncols, "v": v}), m, keep))
    cases.append(("  numpy with the positions precomputed", None, None,
                  Timed("numpy", stmt="l[lin] = v", names={"l": lvaln, "lin": lin, "v": v}), None, None))

    # counting sort: perm grouped by bucket (d0 * d2 buckets of a (d0, d1, d2) block)
    d0, d1, d2 = 64, 4, 16
    val = rng.integers(0, d0 * d1 * d2, size=n).astype(np.int64)
    perm, permn = rng.permutation(n).astype(np.int64), None
    permn = perm.copy()
    ptrb, ptrbn = np.zeros(d0 * d2 + 1, np.int64), np.zeros(d0 * d2 + 1, np.int64)
    m, keep = memcpy(8 * n)

    def numpy_bucket_sort(perm, ptrb, val):
        x = val[perm]
        q = (x // (d1 * d2)) * d2 + x % d2
        order = np.argsort(q, kind="stable")
        perm[:] = perm[order]
        ptrb[:-1] = np.cumsum(np.bincount(q, minlength=d0 * d2))
        ptrb[-1] = len(val)

    cases.append(("counting sort int64 (_c_closure_77)", "_c_closure_77",
                  Timed("kernel", F._c_closure_77, (d0, d1, d2, perm, ptrb, val)),
                  Timed("numpy", numpy_bucket_sort, (permn, ptrbn, val)), m, keep))
    return cases


# --- report ----------------------------------------------------------------------------------

def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("--quick", action="store_true", help="few short repeats (a smoke run of a few seconds)")
    ap.add_argument("--path", help="folder holding the fragments module to measure (default: installed, "
                                   "else build/dev)")
    ap.add_argument("--repeats", type=int, help="interleaved repeats (default 31, quick 5)")
    ap.add_argument("--stat", choices=["median", "min"], default="median",
                    help="statistic over the repeats (min suits a machine busy with other work)")
    opts = ap.parse_args()
    Timed.stat = staticmethod(statistics.median if opts.stat == "median" else min)
    import numpy as np

    F = load_fragments(opts.path)
    floor = load_floor()
    repeats = opts.repeats or (5 if opts.quick else 31)
    seconds = 0.0005 if opts.quick else 0.001  # short samples: fewer are hit by other processes
    sizes = [1000, 1000000]
    rng = np.random.default_rng(7)

    print("fragments benchmark: Python %s, NumPy %s, %s" % (platform.python_version(), np.__version__,
                                                            platform.machine()))
    print("module: %s" % F.__file__)
    print("%d interleaved repeats, %ss; ratios are of this run%s" % (repeats, opts.stat, " (quick)" if opts.quick else ""))

    loop = Timed("loop", stmt="pass", names={})
    small = []
    for label, name, make in small_cases(F, np):
        if not built(F, name, make("ndarray")):
            small.append((label, None))
            continue
        rows = []
        for kind in ("ndarray", "array.array", "memoryview"):
            args = make(kind)
            rows.append((kind, Timed(kind, getattr(F, name), args), Timed("floor", floor.noop, args)))
        small.append((label, rows))
    timed = [loop] + [t for _, rows in small if rows for _, k, f in rows for t in (k, f)]
    run_interleaved(timed, repeats, seconds)

    print()
    print("empty timing loop: %.1f ns per iteration (included in every figure)" % loop.ns)
    print()
    print("%-52s %-12s %9s %9s %8s" % ("Per call, arrays of 4 elements", "arrays", "ns/call", "floor ns", "x floor"))
    ratios = {}
    for label, rows in small:
        named = "%-15s%s" % (label.split()[0], function_of(F, label.split()[0]))
        if rows is None:
            print("%-52s (not built yet)" % named)
            continue
        for j, (kind, k, f) in enumerate(rows):
            ratios[(label.split()[0], kind)] = k.ratio(f)
            print("%-52s %-12s %9.1f %9.1f %8.2f" % (named if j == 0 else "", kind, k.ns, f.ns, k.ratio(f)))

    bulk = {}
    print()
    print("%-60s %9s %10s %8s %9s %9s %13s" % ("Bulk", "n", "ns/call", "ns/elem", "x memcpy", "numpy ns", "numpy/kernel"))
    for n in sizes:
        cases = bulk_cases(F, floor, np, n, rng)
        timed = [t for c in cases for t in c[2:5] if t is not None]
        run_interleaved(timed, max(3, repeats // 3) if n >= 10 ** 6 else repeats, seconds)
        kernel = None
        for label, name, k, nump, m, _ in cases:
            if k is None:  # a second NumPy formulation of the case above
                print("%-60s %9s %10s %8s %9s %9.0f %13.2f" % (label, "", "", "", "", nump.ns, nump.ratio(kernel)))
                bulk[(label.split()[0], n, "numpy-alt")] = nump.ratio(kernel)
                continue
            kernel = k
            bulk[(label.split()[0], n, "memcpy")] = k.ratio(m)
            bulk[(label.split()[0], n, "numpy")] = nump.ratio(k)
            named = label.replace(name + ")", "%s %s)" % (name, function_of(F, name)))
            print("%-60s %9s %10.0f %8.3f %9.2f %9.0f %13.2f" % (named, "%.0e" % n, k.ns, k.ns / n, k.ratio(m),
                                                                 nump.ns, nump.ratio(k)))

    print()
    print("Targets")

    def target(text, value, ok):
        if value is None:
            print("  %-58s %s" % (text, "not measured (kernel not built)"))
        else:
            print("  %-58s %6.2f  %s" % (text, value, "met" if ok(value) else "MISSED"))

    # The targets the README states: the frame's cost per call, and bulk loops that run at
    # memory speed at 1e6 and beat NumPy's per-call overhead at 1e3.
    target("_c_closure_0, ndarray: x floor <= 2.5", ratios.get(("_c_closure_0", "ndarray")), lambda v: v <= 2.5)
    target("_c_closure_0, memoryview: x floor <= 3", ratios.get(("_c_closure_0", "memoryview")), lambda v: v <= 3)
    target("_c_closure_0, array.array: x floor <= 4", ratios.get(("_c_closure_0", "array.array")), lambda v: v <= 4)
    target("_c_closure_239 (9 arrays), ndarray: x floor <= 4.5", ratios.get(("_c_closure_239", "ndarray")),
           lambda v: v <= 4.5)
    target("fill at 1e6: x memcpy <= 2", bulk.get(("fill", 10 ** 6, "memcpy")), lambda v: v <= 2)
    target("fill at 1e3: numpy / kernel >= 4", bulk.get(("fill", 10 ** 3, "numpy")), lambda v: v >= 4)
    target("scatter at 1e6: numpy / kernel >= 1.5", bulk.get(("scatter", 10 ** 6, "numpy")), lambda v: v >= 1.5)

if __name__ == "__main__":
    main()
