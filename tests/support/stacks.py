"""The result (r), work (w) and scratch (x) stacks: int32, int64, float64 arrays with junk around runs."""
from functools import partialmethod

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
