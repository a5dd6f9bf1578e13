"""Long calls let other threads run while they work: a thread that counts while the call runs
gets to count before the call is half done (a call that keeps the interpreter's lock holds it
back until the call returns)."""
import bisect
import sys
import threading
import time

import numpy as np

from support.kernels import call


def others_ran_during(number, **args):
    # The interpreter never takes its lock from this thread (a switch interval of minutes): the
    # counter runs only where this thread lets it go, and gives it back after every count.
    stamps, done, interval = [], threading.Event(), sys.getswitchinterval()

    def count():
        while not done.is_set():
            stamps.append(time.perf_counter())
            time.sleep(0)

    sys.setswitchinterval(600)
    counter = threading.Thread(target=count)
    counter.start()
    while not stamps:
        time.sleep(0.001)
    try:
        for _ in range(3):  # a busy machine may not run the counter at once
            start = time.perf_counter()
            call(number, **args)
            half = start + (time.perf_counter() - start) / 2
            first = bisect.bisect_right(stamps, start)  # the counter's first count after the start
            if first < len(stamps) and stamps[first] < half:
                return True
        return False
    finally:
        sys.setswitchinterval(interval)
        done.set()
        counter.join()


def test_long_sums_unions_and_dense_rows_let_other_threads_run():
    n = 1 << 21
    sp = np.concatenate([np.arange(0, 2 * n, 2), np.arange(1, 2 * n, 2)])  # the even indexes, then the odd ones
    # The union of two interleaved sparse runs; of a list of two.
    assert others_ran_during(370, nelem_a=n, nelem_b=n, rnelem=0, sp_a=0, sp_b=n, wi64=sp)
    assert others_ran_during(375, n=2, nelem=np.array([n, n], np.int32), nnz=np.zeros(2, np.int32), rnelem=0, rnnz=0,
                             sp_base=np.array([0, n], np.int32), wi64=sp)
    # Dense rows: 64 rows of one term each, on the last of 2**17 listed variables.
    rows, width = 64, 1 << 17
    assert others_ran_during(21, cof=np.zeros(rows * width), cofbase=0, pos=0, n=rows, nidxsbase=0, ptrbase=0,
                             varidxs=np.arange(width, dtype=np.int32), wf64=np.ones(rows),
                             wi32=np.arange(rows + 1, dtype=np.int32), wi64=np.full(rows, width, np.int64))
