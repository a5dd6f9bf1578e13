"""Fuzzer of all kernels, for the checked build (-DFRAGMENTS_CHECKED=ON)."""
#
#   python tests/fuzz/fuzz.py [--path DIR] [--calls N] [--seed S] [--kernels 0-99,240] [--timeout T]
#   python tests/fuzz/fuzz.py --path DIR --replay SEED:KERNEL:CALL
#
# Every kernel is called N times with arguments drawn from its parameter kinds as the stubs
# list them: scalars (small values, 0, ±1, the limits of int32 and int64, now and then a
# value beyond the parameter's width) and arrays (lengths 0 to 20, contents from valid
# indexes to negative and huge ones, None, strided and reversed views, matrices of either
# order, array lists). A call must return or raise one of ACCEPTED; anything else fails:
# another exception, a crash or sanitizer report, or a call that runs longer than --timeout
# seconds. The calls run in a worker process; the driver restarts it after a crash, so one
# run reports every failing kernel, each with the call that failed (its arguments, and the
# --replay line that rebuilds and runs that call). Best run under the address and
# undefined-behaviour sanitizers with PYTHONMALLOC=malloc. Against the default build the
# fuzzer is meaningless (its kernels trust the caller), so it refuses to run there.
import argparse
import array
import collections
import faulthandler
import json
import math
import os
import random
import subprocess
import sys
import time

import numpy as np

sys.path.insert(0, os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
from support import stubs  # noqa: E402
from support.buffers import DTYPES, objects  # noqa: E402

ACCEPTED = ("IndexError", "ValueError", "TypeError", "OverflowError", "MemoryError", "ZeroDivisionError")
I32 = (-2**31, 2**31 - 1)
KERNELS = {k.number: k for k in stubs.kernels()}


# Drawing arguments. An array is drawn as (element type, values, layout, shape or None), an
# array list as a list of those and Nones; make() builds the array, code() writes the call.

# A value for an Int32 or Int64 parameter; now and then one beyond its width, which the
# frame must refuse with OverflowError.
def draw_int(rng, n, bits):
    r = rng.random()
    if r < 0.015:
        return rng.choice([2**31, -2**31 - 1, 2**40] if bits == 32 else [2**63, -2**63 - 1])
    if bits == 64 and r < 0.14:
        return rng.choice([2**63 - 1, -2**63, 2**62, -2**62, 2**40, 2**32 + 3, 2**31])
    if r < 0.5:
        return rng.randint(0, n + 1)
    if r < 0.64:
        return rng.randint(-3, 24)
    if r < 0.75:
        return rng.choice([0, 1, -1])
    if r < 0.87:
        return rng.choice([I32[1], I32[0], I32[1] - 1, I32[0] + 1, 2**30, 2**16, 46341, 65535])
    return rng.randint(-50, 1000)


def draw_float(rng):
    return rng.choice([0.0, 1.0, -1.0, 0.5, 2.0, 1e-12, 1e300, -1e300, math.inf, -math.inf, math.nan,
                       rng.gauss(0, 3), rng.gauss(0, 3)])


# size values for an array of element type elem, in a mode chosen for the whole array.
def draw_values(rng, elem, n, size):
    if elem == "F64":
        return [draw_float(rng) if rng.random() < 0.2 else round(rng.gauss(0, 2), 3) for _ in range(size)]
    mode, top = rng.random(), max(n, size, 1)
    if mode < 0.3:  # valid positions
        return [rng.randrange(top) for _ in range(size)]
    if mode < 0.45:  # non-decreasing from 0, as row pointers are
        steps = [rng.choice([0, 1, 1, 2, 3]) for _ in range(size)]
        return [sum(steps[:k]) for k in range(size)]
    if mode < 0.55:
        return [0] * size
    if mode < 0.8:
        return [rng.randint(-3, top + 4) for _ in range(size)]
    limits = [I32[1], I32[0], 2**30, -2**30] + ([2**62, -2**62, 2**63 - 1, -2**63] if elem == "I64" else [])
    return [rng.choice(limits) if rng.random() < 0.3 else rng.randint(-5, top + 5) for _ in range(size)]


def draw_vector(rng, elem, n):
    size = max(n + rng.choice([0, 0, 0, 1, 1, 2, 3, -1]) if rng.random() < 0.7 else rng.randint(0, 20), 0)
    layout = rng.choice(["plain"] * 12 + ["step2", "step2", "reversed", "reversed", "stride0", "memoryview", "array"])
    return (elem, draw_values(rng, elem, n, size), layout, None)


def draw_array(rng, p, n):
    if rng.random() < 0.08:
        return None
    if p.kind == "list":
        return [None if rng.random() < 0.2 else draw_vector(rng, "I32", n)
                for _ in range(rng.choice([0, 1, 2, 3, 4, max(n, 1)]))]
    if p.kind == "mat":
        rows, cols = rng.randint(0, 5), rng.choice([0, 1, 2, 3, 4, max(n, 1)])
        if rng.random() < 0.3:
            rows = n
        layout = rng.choice(["C", "C", "C", "F", "skip"])
        return (p.elem, draw_values(rng, p.elem, n, rows * cols), layout, (rows, cols))
    return draw_vector(rng, p.elem, n)


# The arguments of call `index` of a kernel: scalars, None, arrays and lists as drawn.
def draw_call(number, seed, index):
    rng = random.Random("%s:%d:%d" % (seed, number, index))
    n = rng.choice([0, 1, 1, 2, 2, 3, 3, 4, 5, 6, 8, 12, 20])
    return [draw_int(rng, n, 32 if p.type == "Int32" else 64) if p.type in ("Int32", "Int64") else
            draw_float(rng) if p.type == "float" else draw_array(rng, p, n) for p in KERNELS[number].params]


def make(elem, values, layout, shape=None):
    values = np.array(values, dtype=DTYPES[elem])
    n = len(values)
    if shape is not None:  # a matrix: C order, Fortran order or every other row of a taller one
        a = values.reshape(shape)
        if layout == "skip":
            return np.stack([a, 0 * a], axis=1).reshape(2 * shape[0], shape[1])[::2]
        return np.asfortranarray(a) if layout == "F" else a
    if layout == "step2":  # the base ends at the view's last element
        base = np.zeros(max(2 * n - 1, 0), dtype=values.dtype)
        base[::2] = values
        return base[::2]
    if layout == "reversed":
        return values[::-1].copy()[::-1]
    if layout == "stride0" and n:  # every element is the same one
        return np.lib.stride_tricks.as_strided(values[:1], shape=(n,), strides=(0,))
    if layout == "memoryview":
        return memoryview(values)
    if layout == "array" and n:  # (an empty array.array's buffer is not aligned)
        return array.array({"I32": "i", "I64": "q", "F64": "d"}[elem], values.tolist())
    return values


def build(a):
    return make(*a) if isinstance(a, tuple) else objects([build(e) for e in a]) if isinstance(a, list) else a


def code(a):
    return ("make%r" % (a,) if isinstance(a, tuple) else
            "objects([%s])" % ", ".join(map(code, a)) if isinstance(a, list) else repr(a))


# The worker runs the calls and writes one line of outcomes per kernel; before each call it
# writes "call INDEX", by which the driver knows the call a crash ended (of the first kernel
# without its line of outcomes).

def worker(opts):
    import fragments
    for number in kernel_numbers(opts.kernels):
        f, outcomes, failure = getattr(fragments, "_c_closure_%d" % number), collections.Counter(), None
        for index in range(opts.calls):
            args = [build(a) for a in draw_call(number, opts.seed, index)]
            print("call", index, flush=True)
            faulthandler.dump_traceback_later(opts.timeout, exit=True)
            try:
                f(*args)
                outcome = "returned"
            except Exception as e:  # noqa: BLE001 - sorted below
                outcome = type(e).__name__
                if outcome not in ACCEPTED:
                    failure = {"seed": opts.seed, "kernel": number, "call": index, "what": "%s: %s" % (outcome, e)}
            outcomes[outcome] += 1
            if failure:
                break
        faulthandler.cancel_dump_traceback_later()
        print(json.dumps({"kernel": number, "outcomes": outcomes, "failure": failure}), flush=True)


def kernel_numbers(text):  # "0-99,240": 0 to 99 and 240; all when empty
    spans = [part.partition("-") for part in text.split(",")] if text else []
    return [n for lo, _, hi in spans for n in range(int(lo), int(hi or lo) + 1)] if text else sorted(KERNELS)


def report_failure(f, path):
    print("FAIL _c_closure_%d call %d: %s" % (f["kernel"], f["call"], f["what"]))
    if f.get("stderr"):
        print("  " + "\n  ".join(f["stderr"].rstrip().splitlines()[-25:]))
    print("  replay: python %s --path %s --replay %s:%d:%d" % (os.path.relpath(__file__), path or ".",
                                                              f["seed"], f["kernel"], f["call"]))
    print("  arguments: %s" % ", ".join(map(code, draw_call(f["kernel"], f["seed"], f["call"]))))


def replay(opts):
    seed, number, index = opts.replay.rsplit(":", 2)
    args = draw_call(int(number), seed, int(index))
    print("_c_closure_%s(%s)" % (number, ", ".join(map(code, args))), flush=True)
    import fragments
    print("returned %r" % (getattr(fragments, "_c_closure_%s" % number)(*map(build, args)),))


def drive(opts):
    import fragments
    if not getattr(fragments, "__checked__", False):
        sys.exit("fuzz.py: %s is the default build, whose kernels trust the caller; build with "
                 "-DFRAGMENTS_CHECKED=ON" % fragments.__file__)
    env = dict(os.environ, PYTHONPATH=os.pathsep.join(filter(None, [opts.path, os.environ.get("PYTHONPATH")])))
    numbers = everything = kernel_numbers(opts.kernels)
    totals, reached, failures, calls, start = collections.Counter(), set(), [], 0, time.time()
    while numbers:
        cmd = [sys.executable, os.path.abspath(__file__), "--worker", "--seed", opts.seed, "--calls", str(opts.calls),
               "--timeout", str(opts.timeout), "--kernels", ",".join(map(str, numbers))]
        proc = subprocess.Popen(cmd, stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True, env=env)
        ran, index = set(), 0
        for line in proc.stdout:
            if line.startswith("call "):
                index = int(line[5:])
                continue
            r = json.loads(line)
            ran.add(r["kernel"])
            totals.update(r["outcomes"])
            calls += sum(r["outcomes"].values())
            if r["outcomes"].get("returned"):
                reached.add(r["kernel"])
            if r["failure"]:
                failures.append(r["failure"])
                report_failure(r["failure"], opts.path)
        err = proc.stderr.read()
        numbers = [n for n in numbers if n not in ran]
        if proc.wait() == 0:
            if numbers:
                sys.exit("worker ended early:\n" + err)
            break
        # The worker died in the middle of call `index` of the first kernel it had not finished.
        what = "hung (over %ss)" % opts.timeout if "Timeout (" in err else "crashed (exit status %d)" % proc.returncode
        failures.append({"seed": opts.seed, "kernel": numbers.pop(0), "call": index, "what": what, "stderr": err})
        report_failure(failures[-1], opts.path)
        calls += index + 1
    print("fuzz: seed %s, %d kernels, %d calls in %.0f s; %d kernels returned normally at least once" %
          (opts.seed, len(everything), calls, time.time() - start, len(reached)))
    print("outcomes: " + ", ".join("%s %d" % kv for kv in totals.most_common()))
    never = sorted(set(everything) - reached)
    if never:
        print("kernels that never returned normally: " + " ".join(map(str, never)))
    if failures:
        print("%d failing kernel(s): %s" % (len(failures), " ".join(str(f["kernel"]) for f in failures)))
    return 1 if failures else 0


def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("--path", default="", help="folder holding the checked module (else the one on sys.path)")
    ap.add_argument("--calls", type=int, default=300, help="calls per kernel (default 300)")
    ap.add_argument("--seed", default="1", help="seed of the draws (any string; default 1)")
    ap.add_argument("--kernels", default="", help="kernel numbers, e.g. 0-99 or 17,240 (default all)")
    ap.add_argument("--timeout", type=float, default=10.0, help="seconds one call may take (default 10)")
    ap.add_argument("--replay", help="SEED:KERNEL:CALL (as a failure report gives it): print and run that call")
    ap.add_argument("--worker", action="store_true", help=argparse.SUPPRESS)
    opts = ap.parse_args()
    if opts.worker:
        return worker(opts)
    if opts.path:
        opts.path = os.path.abspath(opts.path)
        sys.path.insert(0, opts.path)
    return replay(opts) if opts.replay else drive(opts)


if __name__ == "__main__":
    sys.exit(main())
