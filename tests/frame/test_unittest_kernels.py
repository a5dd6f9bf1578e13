# Worked examples of a few kernels of every subsystem, called through the real calling
# convention with exporter buffers (strided, two-dimensional in either order, both int64
# formats), so that the 2.7 build runs real bodies too. Expected values are worked out by hand.
import unittest

import fragments
from support.portable import PY2, Case, E, f64, i32, i64

INTEGERS = (int, long) if PY2 else (int,)  # noqa: F821 - `long` exists only under 2.7
LOWER = ([0, 0, 1], [0, 2, 1], [1.0, 2.0, 3.0])  # element bounds: (i, j) and value, sorted
UPPER = ([0, 1, 2], [2, 1, 0], [10.0, 20.0, 30.0])


def kind(v):
    if isinstance(v, tuple):
        return tuple(kind(x) for x in v)
    return "bool" if isinstance(v, bool) else "int" if isinstance(v, INTEGERS) else type(v).__name__


def mat(values, rows, cols, fortran=0, fmt="i"):
    return E(fmt, values, shape=(rows, cols), fortran=fortran)


def values_of(fmt):  # 13: barx, n, nativeidxs (in format fmt), off, res, xx
    return (f64([-1.5, -2.5], stride=3), 5, i64([2, -1, 0, 3, -2], stride=-1, fmt=fmt), 1, f64([-9.0] * 7, stride=2),
            f64([10.0, 20.0, 30.0]))


def union_with_bounds(fortran):  # 239: inst, lbv, lsubi, lsubj, lval, ubv, usubi, usubj, uval
    (li, lj, lv), (ui, uj, uv) = LOWER, UPPER
    return (mat([-1] * 8, 4, 2, fortran), f64([-1.0] * 4), i32(li), i32(lj), f64(lv), f64([-1.0] * 4, stride=2),
            i32(ui), i32(uj), f64(uv))


# (kernels, arguments, result, {argument position: its values afterwards})
CASES = [
    # 272: init, count, base, wi32 -> init times wi32[base + k] for k < count, wrapping in 32
    # bits. Scalars are passed exactly (True and 2**64 // 2**63 are ints).
    ((272,), lambda: (-2, 3, 0, i32([3, 5, 7])), -210, {}),
    ((272,), lambda: (2**64 // 2**63, 2, True, i32([3, 5, 7])), 70, {}),
    ((272,), lambda: (1, 2, 0, i32([65536, 32768])), -2**31, {}),
    # 13: barx, n, nativeidxs, off, res, xx: res[off + k] = the value of unknown nativeidxs[k]
    # (xx[i] for i >= 0, barx[-1 - i] for i < 0)
    ((13,), lambda: values_of("q"), None, {4: [-9.0, 20.0, -1.5, 0.0, 30.0, -2.5, -9.0]}),
    ((13,), lambda: values_of("l"), None, {4: [-9.0, 20.0, -1.5, 0.0, 30.0, -2.5, -9.0]}),
    # 24: nscalar, rnidxsbase, n, nbar, ri64 -> (nscalar, nbar) advanced; the bar count wraps in 32 bits
    ((24,), lambda: (10, 1, 4, 2**31 - 1, i64([-5, 3, -1, 0, 7, -9])), (12, -2**31), {}),
    # 112 and its aliases: shape, init -> init times the product of shape, in 64 bits
    ((112, 210, 229), lambda: (i32([70000, 70000, 3], stride=2), 5), 5 * 70000 * 70000 * 3, {}),
    ((112, 210, 229), lambda: (i32([2**31 - 1, 2**31 - 1, 2]), 2**62), -2**63, {}),  # 2**63 times an odd number
    ((112, 210, 229), lambda: (i32([]), -2**63), -2**63, {}),
    # 116: index, midx: midx[0, k] = index[k], as stored row by row or column by column
    ((116,), lambda: (i32([7, 8, 9]), mat([0] * 6, 2, 3)), None, {1: [7, 8, 9, 0, 0, 0]}),
    ((116,), lambda: (i32([7, 8, 9]), mat([0] * 6, 2, 3, 1)), None, {1: [7, 0, 8, 0, 9, 0]}),
    # 119: flag, midxs, shape -> whether some midxs[i, k] is outside [0, shape[k]); stored
    # [0, 1, 2, 1] is rows (0, 1), (2, 1) in row order and (0, 2), (1, 1) in column order
    ((119,), lambda: (0, mat([0, 1, 2, 1], 2, 2), i32([3, 2])), False, {}),
    ((119,), lambda: (0, mat([0, 1, 2, 1], 2, 2, 1), i32([3, 2])), True, {}),
    # 271: n, nelem, nnz, totalelem, totalnnz -> the totals advanced, wrapping in 32 bits
    # (1 + 4 + 5 + 2**31 - 10 wraps to -2**31)
    ((271,), lambda: (3, i32([1, 2, 3]), i32([4, 5, 2**31 - 10], stride=2), 100, 1), (106, -2**31), {}),
    # 257: picks operand elements 2, 0, 2 of a three-element record on the work stack (ptr
    # at 1, nidxs at 1, cof at 0, bfix at 3) into a result record
    ((257,), lambda: (3, 0, i64([2, 0, 2]), 0, 1, 1, 6, 1, f64([-1.0] * 9), i32([0, -1, -1, -1]), i64([-1] * 6), 1, 0,
                      f64([1.5, 2.0, -1.0, 0.5, 1.0, 2.0], stride=2), i32([-1, 0, 1, 1, 3]), i64([-1, 5, 7, -2])), 5,
     {8: [-1.0, 2.0, -1.0, 1.5, 2.0, -1.0, 2.0, 0.5, 2.0], 9: [0, 2, 3, 5], 10: [-1, 7, -2, 5, 7, -2],
      13: [1.5, 2.0, -1.0, 0.5, 1.0, 2.0]}),
    # 239: the union's coordinates as a table and its bounds (0 where a side has none)
    ((239,), lambda: union_with_bounds(0), None, {0: [0, 0, 0, 2, 1, 1, 2, 0], 1: [1.0, 2.0, 3.0, 0.0],
                                                  5: [0.0, 10.0, 20.0, 30.0]}),
    ((239,), lambda: union_with_bounds(1), None, {0: [0, 0, 1, 2, 0, 2, 1, 0]}),
    # 242: nrows, ncols, pos, lb, lval, ub, uval -> pos advanced; lb and ub flattened row by row
    ((242,), lambda: (2, 3, 1, mat([1.0, 4.0, 2.0, 5.0, 3.0, 6.0], 2, 3, 1, "d"), f64([-1.0] * 8),
                      mat([10.0, 20.0, 30.0, 40.0, 50.0, 60.0], 2, 3, 0, "d"), f64([-1.0] * 8, stride=-1)), 7,
     {4: [-1.0, 1.0, 2.0, 3.0, 4.0, 5.0, 6.0, -1.0], 6: [-1.0, 10.0, 20.0, 30.0, 40.0, 50.0, 60.0, -1.0]}),
]


class WorkedExamples(Case):
    def test_results_and_written_arrays(self):
        for numbers, args, result, written in CASES:
            for n in numbers:
                a = args()
                r = getattr(fragments, "_c_closure_%d" % n)(*a)
                self.assertEqual((kind(r), r), (kind(result), result), "_c_closure_%d" % n)
                for at, values in written.items():
                    self.assertEqual(a[at].values(), values, "_c_closure_%d argument %d" % (n, at))


if __name__ == "__main__":
    unittest.main()
