"""Threads: kernel calls on separate arrays from several threads at once.

    python bench/threads.py [--path DIR] [--compare DIR] [--threads 1,2,4,8] [--size N]
    python bench/threads.py --cost [--path DIR]

A long call releases the interpreter's lock while its loops run (from 2^16 items on; see
src/module/unlock.h), so calls from several threads run in parallel. Each thread owns its
arrays and runs the same number of calls of one kernel:

  sort     _c_closure_419, the per-element term sort of condensing (merge sort: elements of
           100 terms with random variable indexes), N terms
  product  _c_closure_360, a triplet matrix (10 entries per row) times a vector variable,
           N entries

Printed per kernel and thread count: the speedup, the work done per second relative to one
thread (at most the number of cores), and the cores kept busy, processor time over wall
time (at most 1 while the lock is held; on a machine shared with other work it shows the
parallel run even when the other work takes a core away). --compare runs another build
(for instance one that holds the lock throughout) beside it.

--cost measures what the release costs a call: _c_closure_421 (the unit record, one pass
over its items) at 2^16 - 1 items (the lock kept) and at 2^16 items (released), medians
of interleaved repeats.
"""
import argparse
import os
import statistics
import sys
import threading
import time
import timeit

os.environ.setdefault("OPENBLAS_NUM_THREADS", "1")  # no idle BLAS threads in the processor time

import numpy as np  # noqa: E402

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from peer import Road, Stack, load_fragments, load_other_build, triplets  # noqa: E402


def sort_case(F, n, rng):
    """A call of the term sort on a record of n terms in elements of 100."""
    m = 100
    nelem = n // m
    ptr = (np.arange(nelem + 1, dtype=np.int32) * m)
    nidxs = rng.integers(1, 1 << 40, size=nelem * m).astype(np.int64)
    xi32 = np.zeros(nelem * m + 2 * m, np.int32)
    return lambda: F._c_closure_419(nelem, 0, 0, 0, ptr, nidxs, nelem * m, xi32)


def product_case(F, n, rng):
    """A call of the product of a triplet matrix with a vector variable, n entries."""
    A = triplets(rng, n // 10, n // 10)
    k = n // 10 + 16
    w, r = Stack(k, k, 2 * k), Stack(k, n + 2 * k, n + 2 * k)
    x = Road(F).variable(w, (n // 10, 1), np.arange(1, n // 10 + 1, dtype=np.int64))
    m, _, msubi, msubj, mval = A
    rnelem = F._c_closure_358(len(msubi), msubi, 0, 0, 1)[0]
    p = r.record(2, rnelem, len(msubi), True)
    return lambda: F._c_closure_360(mval, len(msubi), msubi, msubj, x.nidxs, p.bfix, p.cof, r.f64, r.i32, r.i64,
                                    p.nidxs, p.ptr, p.sp, 1, w.i64)


CASES = {"sort": sort_case, "product": product_case}


def wall(calls, per_thread):
    """Wall and processor time of running per_thread calls of each callable, one thread per
    callable."""
    start = threading.Barrier(len(calls) + 1)

    def work(call):
        start.wait()
        for _ in range(per_thread):
            call()

    threads = [threading.Thread(target=work, args=(c,)) for c in calls]
    for t in threads:
        t.start()
    start.wait()
    t0, c0 = time.perf_counter(), time.process_time()
    for t in threads:
        t.join()
    return time.perf_counter() - t0, time.process_time() - c0


def scaling(modules, opts):
    counts = [int(c) for c in opts.threads.split(",")]
    print("%d calls per thread, each thread on its own arrays. Per thread count: the speedup (work per\n"
          "second over one thread's) and the cores kept busy (processor time / wall time)" % opts.calls)
    print("%-9s %-10s" % ("kernel", "build") + "".join("%13s" % ("%d thread%s" % (c, "s" if c > 1 else ""))
                                                       for c in counts))
    for name, make in CASES.items():
        for label, F in modules:
            rng = np.random.default_rng(1)
            calls = [make(F, opts.size, rng) for _ in range(max(counts))]
            for c in calls:
                c()  # touch every array once
            best = {}
            for _ in range(opts.repeats):
                for count in counts:
                    seconds = wall(calls[:count], opts.calls)
                    best[count] = min(best.get(count, seconds), seconds)
            one = best[counts[0]][0] / counts[0]
            cells = ["%5.2fx %4.2f" % (one * c / best[c][0], best[c][1] / best[c][0]) for c in counts]
            print("%-9s %-10s" % (name, label) + "".join("%13s" % cell for cell in cells), flush=True)


def cost(F, repeats):
    """Median time of a call of 421 just below and at the release threshold."""
    below, at = (1 << 16) - 1, 1 << 16
    ri32, rf64 = np.zeros(at + 8, np.int32), np.zeros(2 * at + 8)
    timers = {n: timeit.Timer(lambda n=n: F._c_closure_421(0, at + 4, n // 2, n - n // 2, 0, rf64, ri32))
              for n in (below, at)}
    samples = {n: [] for n in timers}
    for _ in range(repeats):
        for n, t in timers.items():
            samples[n].append(t.timeit(200) / 200)
    diffs = [b - a for a, b in zip(samples[below], samples[at])]
    med = {n: statistics.median(s) for n, s in samples.items()}
    print("_c_closure_421, unit record: %d items %.2f us (lock kept), %d items %.2f us (lock released)"
          % (below, med[below] * 1e6, at, med[at] * 1e6))
    print("release and take back: %.3f us per call (median of per-repeat differences), %.2f%% of the call"
          % (statistics.median(diffs) * 1e6, 100 * statistics.median(diffs) / med[at]))


def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("--path", help="folder holding the fragments module (default: installed, else build/dev)")
    ap.add_argument("--compare", action="append", default=[], metavar="DIR", help="another build to run beside it")
    ap.add_argument("--threads", default="1,2,4,8", help="thread counts (default 1,2,4,8)")
    ap.add_argument("--size", type=int, default=10 ** 6, help="terms or entries per call (default 1e6)")
    ap.add_argument("--calls", type=int, default=8, help="calls per thread (default 8)")
    ap.add_argument("--repeats", type=int, default=3, help="repeats, best taken (default 3)")
    ap.add_argument("--cost", action="store_true", help="measure what releasing the lock costs a call")
    opts = ap.parse_args()
    F = load_fragments(opts.path)
    print("module: %s; %d cores" % (F.__file__, os.cpu_count()))
    if opts.cost:
        cost(F, 41)
        return
    modules = [("this", F)] + [(os.path.basename(os.path.normpath(d)), load_other_build(d)) for d in opts.compare]
    scaling(modules, opts)


if __name__ == "__main__":
    main()
