"""The three work stacks: result (r), work (w) and scratch (x), each an int32, an int64
and a float64 array. Runs are reserved at increasing bases with junk between them, so
that a kernel reading or writing outside its runs is caught."""
import numpy as np

from .buffers import JUNK

KINDS = (("i32", np.int32), ("i64", np.int64), ("f64", np.float64))


class Stack:
    def __init__(self, size=4096, gap=3, stride=1):
        """A `stride` other than 1 makes the stack arrays strided views (junk between
        elements; a negative stride runs backwards through memory)."""
        self.gap = gap
        self.top = {"i32": gap, "i64": gap, "f64": gap}
        for name, dtype in KINDS:
            base = np.full(size * abs(stride), JUNK[dtype], dtype=dtype)
            setattr(self, name, base[::stride])

    def _take(self, kind, n):
        base = self.top[kind]
        self.top[kind] = base + n + self.gap
        if self.top[kind] > len(getattr(self, kind)):
            raise MemoryError("test stack too small")
        return base

    def take_i32(self, n):
        return self._take("i32", n)

    def take_i64(self, n):
        return self._take("i64", n)

    def take_f64(self, n):
        return self._take("f64", n)

    def _put(self, kind, values):
        values = np.asarray(values).ravel()
        base = self._take(kind, len(values))
        getattr(self, kind)[base:base + len(values)] = values
        return base

    def put_i32(self, values):
        return self._put("i32", values)

    def put_i64(self, values):
        return self._put("i64", values)

    def put_f64(self, values):
        return self._put("f64", values)

    def snapshot(self):
        return {name: getattr(self, name).copy() for name, _ in KINDS}

    def assert_only_changed(self, snapshot, i32=(), i64=(), f64=()):
        """Fails if any entry outside the given (base, n) ranges differs from `snapshot`."""
        for name, ranges in (("i32", i32), ("i64", i64), ("f64", f64)):
            now = getattr(self, name)
            mask = np.ones(len(now), dtype=bool)
            for base, n in ranges:
                mask[base:base + n] = False
            before = snapshot[name]
            same = now == before
            if now.dtype.kind == "f":
                same |= np.isnan(now) & np.isnan(before)
            changed = np.nonzero(mask & ~same)[0]
            assert len(changed) == 0, f"{name} written outside its runs at {changed[:10].tolist()}"


class Stacks:
    """The result, work and scratch stacks."""

    def __init__(self, size=4096, gap=3, stride=1):
        self.r = Stack(size, gap, stride)
        self.w = Stack(size, gap, stride)
        self.x = Stack(size, gap, stride)
