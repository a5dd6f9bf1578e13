"""A few kernels of every subsystem called through the real calling convention with exporter
buffers (strided, two-dimensional, both int64 formats), so that the 2.7 build runs real
bodies too. Expected values are worked out by hand. One test per kernel: a kernel is added
with one more method in its subsystem's class."""
import unittest

import fragments
from support.portable import PY2, Case, E, f64, i32, i64

INTEGERS = (int, long) if PY2 else (int,)  # noqa: F821 - `long` exists only under 2.7


def wrap64(v):
    return (v + 2**63) % 2**64 - 2**63


class NativeMaps(Case):
    def test_values_of_scalar_and_bar_unknowns(self):
        # _c_closure_13: barx, n, nativeidxs, off, res, xx: res[off + k] = value of nativeidxs[k]
        for fmt in ("q", "l"):
            res = f64([-9.0] * 7, stride=2)
            idx = i64([2, -1, 0, 3, -2], stride=-1, fmt=fmt)
            self.assertIsNone(fragments._c_closure_13(f64([-1.5, -2.5], stride=3), 5, idx, 1, res, f64([10.0, 20.0, 30.0])))
            self.assertValues(res, [-9.0, 20.0, -1.5, 0.0, 30.0, -2.5, -9.0])

    def test_strict_increase_is_a_bool(self):
        # _c_closure_22: n, varidxs_, flag
        self.assertIs(fragments._c_closure_22(3, i64([1, 2, 5]), 1), True)
        self.assertIs(fragments._c_closure_22(3, i64([1, 5, 5]), 1), False)
        self.assertIs(fragments._c_closure_22(1, None, 7), True)
        self.assertInvalid("varidxs_", fragments._c_closure_22, 3, i32([1, 2, 5]), 1)

    def test_term_census_is_a_tuple_of_ints(self):
        # _c_closure_24: nscalar, rnidxsbase, n, nbar, ri64 -> (nscalar, nbar)
        r = fragments._c_closure_24(10, 1, 4, 2**31 - 1, i64([-5, 3, -1, 0, 7, -9]))
        self.assertEqual(r, (12, -2**31))  # the bar count wraps in 32 bits
        self.assertTrue(type(r) is tuple and all(type(v) is int for v in r))


class Shapes(Case):
    def test_64_bit_size_products_compare_by_value(self):
        # _c_closure_112 (and its aliases 210, 229): shape, init -> int64
        for n in (112, 210, 229):
            f = getattr(fragments, "_c_closure_%d" % n)
            big = f(i32([70000, 70000, 3], stride=2), 5)
            self.assertIsInstance(big, INTEGERS)
            self.assertEqual(big, 5 * 70000 * 70000 * 3)
            self.assertEqual(f(i32([2**31 - 1, 2**31 - 1, 2]), 2**62), wrap64(2**62 * (2**31 - 1)**2 * 2))
            self.assertEqual(f(i32([]), -2**63), -2**63)

    def test_sizes_around_an_axis_are_a_tuple(self):
        # _c_closure_70: axis, pre, post, total, nd, shape -> (before, after, all)
        r = fragments._c_closure_70(1, 1, 1, 1, 3, i32([2, 3, 4]))
        self.assertEqual(r, (2, 4, 24))
        self.assertTrue(type(r) is tuple and all(type(v) is int for v in r))

    def test_two_dimensional_views_are_written_through_both_strides(self):
        # _c_closure_116: index, midx: midx[0, k] = index[k]
        for fortran, stored in ((0, [7, 8, 9, 0, 0, 0]), (1, [7, 0, 8, 0, 9, 0])):
            midx = E("i", [0] * 6, shape=(2, 3), fortran=fortran)
            fragments._c_closure_116(i32([7, 8, 9]), midx)
            self.assertValues(midx, stored)

    def test_two_dimensional_views_are_read_through_both_strides(self):
        # _c_closure_119: flag, midxs, shape -> whether some midxs[i, k] is outside [0, shape[k])
        stored = [0, 1, 2, 1]  # rows (0, 1), (2, 1) in row order; (0, 2), (1, 1) in column order
        self.assertIs(fragments._c_closure_119(0, E("i", stored, shape=(2, 2)), i32([3, 2])), False)
        self.assertIs(fragments._c_closure_119(0, E("i", stored, shape=(2, 2), fortran=1), i32([3, 2])), True)
        self.assertIs(fragments._c_closure_119(1, E("i", [0] * 4, shape=(2, 2)), i32([3, 2])), True)


class ExpressionRecords(Case):
    def test_size_after_a_dimension(self):
        # _c_closure_275 (and 383, 389): init, dim, nd, base, wi32 -> init x wi32[base + k], dim < k < nd
        for n in (275, 383, 389):
            f = getattr(fragments, "_c_closure_%d" % n)
            self.assertEqual(f(3, 0, 3, 1, i32([9, 2, 5, 7], stride=3)), 105)
            self.assertEqual(f(3, 2, 3, 1, i32([9, 2, 5, 7])), 3)

    def test_stacked_counts_are_a_tuple_that_wraps(self):
        # _c_closure_271: n, nelem, nnz, totalelem, totalnnz -> the totals advanced
        r = fragments._c_closure_271(3, i32([1, 2, 3]), i32([4, 5, 2**31 - 10], stride=2), 100, 1)
        self.assertEqual(r, (106, 2**31 - 10 + 10 - 2**32))
        self.assertTrue(type(r) is tuple and all(type(v) is int for v in r))

    def test_picking_from_a_dense_record_on_the_stacks(self):
        # _c_closure_257: a three-element operand on the work stack (ptr at 1, nidxs at 1,
        # cof at 0, bfix at 3); result elements are operand elements 2, 0, 2.
        wi32, wi64 = i32([-1, 0, 1, 1, 3]), i64([-1, 5, 7, -2])
        wf64 = f64([1.5, 2.0, -1.0, 0.5, 1.0, 2.0], stride=2)
        ri32, ri64, rf64 = i32([0, -1, -1, -1]), i64([-1] * 6), f64([-1.0] * 9)
        rnnz = fragments._c_closure_257(3, 0, i64([2, 0, 2]), 0, 1, 1, 6, 1, rf64, ri32, ri64, 1, 0, wf64, wi32, wi64)
        self.assertEqual(rnnz, 5)
        self.assertValues(ri32, [0, 2, 3, 5])
        self.assertValues(ri64, [-1, 7, -2, 5, 7, -2])
        self.assertValues(rf64, [-1.0, 2.0, -1.0, 1.5, 2.0, -1.0, 2.0, 0.5, 2.0])
        self.assertValues(wf64, [1.5, 2.0, -1.0, 0.5, 1.0, 2.0])

    def test_shape_copy(self):
        # _c_closure_287: count, resshape, shape
        res = i32([0, 0, 0, -1], stride=-2)
        fragments._c_closure_287(3, res, i32([4, 5, 6], stride=2))
        self.assertValues(res, [4, 5, 6, -1])



class SparseMatrices(Case):
    def test_bucket_sort_of_a_permutation(self):
        # _c_closure_77: d0, d1, d2, perm, ptrb, val. With (d0, d1, d2) = (1, 2, 2) the bucket
        # of a linear index v is v % 2; the sort is stable and ptrb[q] ends bucket q.
        perm, ptrb = i64([0, 1, 2, 3, 4], stride=2), i64([-1, -1, -1], stride=-1, fmt="l")
        self.assertIsNone(fragments._c_closure_77(1, 2, 2, perm, ptrb, i64([3, 0, 2, 1, 0], stride=3)))
        self.assertValues(perm, [1, 2, 4, 0, 3])
        self.assertValues(ptrb, [3, 5, 5])


class IndexSetsAndBounds(Case):
    LOWER = ([0, 0, 1], [0, 2, 1], [1.0, 2.0, 3.0])    # (i, j) and value, sorted
    UPPER = ([0, 1, 2], [2, 1, 0], [10.0, 20.0, 30.0])

    def test_union_size_is_64_bit(self):
        # _c_closure_238: lsubi, lsubj, count, usubi, usubj -> count + distinct coordinates
        (li, lj, _), (ui, uj, _) = self.LOWER, self.UPPER
        r = fragments._c_closure_238(i32(li), i32(lj, stride=-1), 2**40, i32(ui, stride=2), i32(uj))
        self.assertIsInstance(r, INTEGERS)
        self.assertEqual(r, 2**40 + 4)

    def test_union_with_bounds_writes_a_two_dimensional_table(self):
        # _c_closure_239: inst, lbv, lsubi, lsubj, lval, ubv, usubi, usubj, uval
        (li, lj, lv), (ui, uj, uv) = self.LOWER, self.UPPER
        for fortran, stored in ((0, [0, 0, 0, 2, 1, 1, 2, 0]), (1, [0, 0, 1, 2, 0, 2, 1, 0])):
            inst, lbv, ubv = E("i", [-1] * 8, shape=(4, 2), fortran=fortran), f64([-1.0] * 4), f64([-1.0] * 4, stride=2)
            fragments._c_closure_239(inst, lbv, i32(li), i32(lj), f64(lv), ubv, i32(ui), i32(uj), f64(uv))
            self.assertValues(inst, stored)
            self.assertValues(lbv, [1.0, 2.0, 3.0, 0.0])
            self.assertValues(ubv, [0.0, 10.0, 20.0, 30.0])

    def test_flattening_two_dimensional_bounds(self):
        # _c_closure_242: nrows, ncols, pos, lb, lval, ub, uval -> pos advanced
        lb = E("d", [1.0, 4.0, 2.0, 5.0, 3.0, 6.0], shape=(2, 3), fortran=1)  # rows (1 2 3), (4 5 6)
        ub = E("d", [10.0, 20.0, 30.0, 40.0, 50.0, 60.0], shape=(2, 3))
        lval, uval = f64([-1.0] * 8), f64([-1.0] * 8, stride=-1)
        self.assertEqual(fragments._c_closure_242(2, 3, 1, lb, lval, ub, uval), 7)
        self.assertValues(lval, [-1.0, 1.0, 2.0, 3.0, 4.0, 5.0, 6.0, -1.0])
        self.assertValues(uval, [-1.0, 10.0, 20.0, 30.0, 40.0, 50.0, 60.0, -1.0])
        self.assertInvalid("lb", fragments._c_closure_242, 2, 3, 1, f64([0.0] * 6), lval, ub, uval)


if __name__ == "__main__":
    unittest.main()
