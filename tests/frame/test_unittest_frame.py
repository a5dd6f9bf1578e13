# The calling convention every kernel shares, checked with the test exporter only, so that it
# runs unchanged under Python 2.7 (tests/py27/run.py) and Python 3 (run.py or pytest).
import ctypes
import sys
import unittest
import warnings

import fragments
from support.portable import PY2, INVALID, Case, E, Index, f64, i32, i64, objects

COUNT = len([n for n in dir(fragments) if n.startswith("_c_closure_")])  # numbered 0 .. COUNT - 1


class Registration(Case):
    def test_the_module_holds_exactly_the_kernels_behind_the_interpreters_entry_point(self):
        public = sorted(n for n in dir(fragments) if not n.startswith("__"))
        self.assertEqual(public, sorted("_c_closure_%d" % n for n in range(COUNT)))
        self.assertIsNone(fragments.__doc__)
        # 2.7 documents every kernel by ""; 3 by its text signature and contract.
        self.assertTrue(all(getattr(fragments, n).__name__ == n and (getattr(fragments, n).__doc__ == "") == PY2
                            for n in public))
        lib = ctypes.CDLL(fragments.__file__)
        self.assertEqual((hasattr(lib, "initfragments"), hasattr(lib, "PyInit_fragments")), (PY2, not PY2))
        # 2.7 registers the functions without a self object; 3 binds them to the module.
        self.assertIs(fragments._c_closure_0.__self__, None if PY2 else fragments)
        with self.assertRaises(TypeError):  # no keyword arguments
            fragments._c_closure_260(nd=3, shapebase=0, st=i64([0, 0, 1]), wi32=i32([1, 2, 3]))


SCALARS = [0, -5, 1.5, 2.0, "3", u"3", None, [1], 2**31 - 1, 2**31, -2**31, -2**31 - 1, 2**63 - 1, 2**63,
           -2**63 - 1, 10**400, True, Index(7), Index(2**40), 2**64 // 2**62, float("nan")]

# A kernel per scalar letter with a wrongly typed array after the scalar: an accepted scalar
# leads to that array's ValueError, so no body runs.
PROBES = {
    "i": ("wi32", lambda v: fragments._c_closure_272(1, v, 0, f64([]))),        # init, count, base, wi32
    "L": ("midxs", lambda v: fragments._c_closure_122(0, v, f64([]), 0, None)),  # row, init, midxs, nd, strides
    "d": ("f64", lambda v: fragments._c_closure_320(v, 0, i32([]), 0, 0)),       # factor, base, f64, count1, count2
}


def parse(letter, value):
    # The interpreter's own tuple parser on (value,), converting into a slot large enough.
    ctypes.pythonapi.PyArg_ParseTuple(ctypes.py_object((value,)), letter.encode(), ctypes.create_string_buffer(16))


class Scalars(Case):
    def test_scalars_convert_like_the_interpreters_parser(self):
        for letter, (array, probe) in PROBES.items():
            for value in SCALARS:
                for action in ("ignore", "error"):  # 2.7 warns of floats given for "L"
                    with warnings.catch_warnings():
                        warnings.simplefilter(action)
                        try:
                            parse(letter, value)
                            expected = ValueError(INVALID.format(array))
                        except Exception as e:  # whatever the parser raises is the reference
                            expected = e
                        self.assertRaisesLike(expected, probe, value)


# Arrays the frame refuses for a parameter: (name, a call with the array in that slot, arrays).
# _c_closure_260: nd, shapebase, st (int64, read and written), wi32 (int32, read);
# _c_closure_116: index (int32), midx (int32, two-dimensional, written).
REFUSED = [
    ("st", lambda a: fragments._c_closure_260(3, 0, a, i32([2, 3, 4])), lambda: [
        i32([0, 0, 1]), f64([0, 0, 1]), E("q", [0, 0, 1], shape=(3, 1)), E("Q", [0, 0, 1], itemsize=8),
        E("f", [0, 0, 1], itemsize=4), bytearray(24), E("O", [1, 2, 3]), E("q", [0, 0, 1], offset=4),
        (ctypes.c_int64 * 3)(0, 0, 1)] + [E(f, [0, 0, 1]) for f in ("<q", "=q", "@l", ">q", "<l", "!q")]),
    ("wi32", lambda a: fragments._c_closure_260(3, 0, i64([0, 0, 1]), a), lambda: [
        i64([2, 3, 4]), i64([2, 3, 4], fmt="l"), f64([2, 3, 4]), E("i", [2, 3, 4], shape=(1, 3)), E("<i", [2, 3, 4]),
        E("I", [2, 3, 4], itemsize=4), bytearray(12), b"\0" * 12, memoryview(bytearray(12)),
        E("i", [2, 3, 4], itemsize=8), E("i", [2, 3, 4], offset=1), (ctypes.c_int32 * 3)(2, 3, 4)]),
    ("midx", lambda a: fragments._c_closure_116(i32([0]), a), lambda: [i32([0] * 4), E("q", [0] * 4, shape=(2, 2))]),
    ("index", lambda a: fragments._c_closure_116(a, E("i", [0] * 4, shape=(2, 2))),
     lambda: [E("i", [0] * 4, shape=(2, 2))]),
]


class Views(Case):
    def test_element_type_dimensions_item_size_and_alignment_are_checked_per_parameter(self):
        for name, call, arrays in REFUSED:
            for bad in arrays():
                self.assertInvalid(name, call, bad)
                self.assertEqual(getattr(bad, "exports", 0), 0)

    def test_strided_views_are_read_and_written_through_their_stride_in_both_int64_formats(self):
        for stride, fmt in ((1, "q"), (2, "l"), (3, "q"), (-1, "l"), (-2, "q")):
            st, w = i64([0, 0, 0, 1], stride, fmt), i32([99, 2, 3, 4, 5], -stride)
            self.assertIsNone(fragments._c_closure_260(4, 1, st, w))
            self.assertValues(st, [60, 20, 5, 1])
            self.assertValues(w, [99, 2, 3, 4, 5])
        self.assertEqual(fragments._c_closure_272(1, 4, 0, E("i", [3, 3, 3, 3], stride=0)), 81)


def five(bad_at=None, fail_at=None):
    # Counting exporters for the arrays of _c_closure_1 (natbarvar_dim i32, natbarvar_ptr i64,
    # natbarvarmap_num i32, natbarvarmap_ptr i32, res i64 written; then mapidx); the one at
    # `bad_at` has the wrong element type, the one at `fail_at` refuses to export.
    return [E("d" if k == bad_at else f, [0, 0], fail=(k == fail_at)) for k, f in enumerate("iqiiq")]


class TakingAndReleasing(Case):
    def test_a_failing_array_releases_the_earlier_ones_and_the_rest_are_never_taken(self):
        for arrays, expected in ((five(bad_at=2), ValueError(INVALID.format("natbarvarmap_num"))),
                                 (five(fail_at=3), BufferError("export refused"))):
            self.assertRaisesLike(expected, fragments._c_closure_1, *(arrays + [0]))
            self.assertEqual([(a.taken, a.exports) for a in arrays], [(1, 0)] * 3 + [(0, 0)] * 2)
        arrays = five()
        with self.assertRaises(TypeError):  # scalars are converted before any view is taken
            fragments._c_closure_1(*(arrays + ["x"]))
        self.assertEqual([a.taken for a in arrays], [0] * 5)

    def test_every_view_is_released_after_a_call_and_none_results_are_new_references(self):
        st, w = E("q", [0, 0, 1]), E("i", [2, 3, 4])
        refs = (sys.getrefcount(st), sys.getrefcount(w), sys.getrefcount(None))
        for _ in range(1000):
            fragments._c_closure_260(3, 0, st, w)
        self.assertEqual((st.taken, st.exports, w.taken, w.exports), (1000, 0, 1000, 0))
        self.assertEqual((sys.getrefcount(st), sys.getrefcount(w)), refs[:2])
        self.assertLess(abs(sys.getrefcount(None) - refs[2]), 10)

    def test_the_same_buffer_may_be_passed_twice(self):
        e = i32([7, 1, 2, 0, 0])
        fragments._c_closure_276(2, e, 3, 1, e)  # ri32[3..4] = wi32[1..2]
        self.assertEqual((e.values(), e.exports), ([7, 1, 2, 1, 2], 0))


class ArrayLists(Case):
    # _c_closure_217: nlists, nativeidxs (i32, written), nd, nidxlist (list), resshape (i32).
    # A wrongly typed resshape after the list fails after the list has been taken.
    def test_array_lists_are_object_buffers_of_int32_arrays_read_through_their_stride(self):
        entries = [i32([1, 2]), None, i32([3], stride=-2)]
        for calls, stride in enumerate((1, 2, -1, -3), 1):
            lst = objects(entries, stride)
            self.assertInvalid("resshape", fragments._c_closure_217, 3, i32([0]), 1, lst, f64([1]))
            self.assertEqual([e.taken for e in (entries[0], entries[2])], [calls] * 2)
            self.assertTrue(all(e.exports == 0 for e in (entries[0], entries[2], lst)))
        for empty in (objects([]), None):
            self.assertInvalid("resshape", fragments._c_closure_217, 0, i32([0]), 1, empty, f64([1]))

    def test_a_bad_list_entry_names_the_list_and_releases_everything(self):
        invalid = ValueError(INVALID.format("nidxlist"))
        for bad, expected in (("d", invalid), ("q", invalid), ("<i", invalid), ("2d", invalid), ("O", invalid),
                              ("fail", BufferError("export refused"))):
            ok1, ok2, after, out = i32([1]), i32([2]), i32([0]), i32([0])
            wrong = {"fail": E("i", [1], fail=True), "2d": E("i", [1] * 4, shape=(2, 2)),
                     "O": objects([ok1])}.get(bad) or E(bad, [1])
            lst = objects([ok1, None, wrong, ok2])
            self.assertRaisesLike(expected, fragments._c_closure_217, 4, out, 1, lst, after)
            self.assertEqual((ok1.taken, ok2.taken, after.taken), (1, 0, 0))
            self.assertTrue(all(e.exports == 0 for e in (ok1, ok2, wrong, out, after, lst)))

    def test_the_outer_buffer_must_be_a_one_dimensional_object_array(self):
        # nlists 0: an outer buffer taken by mistake is not read, and the call would return.
        for outer in (i32([1, 2]), E("O", [i32([1])], shape=(1, 1)), i64([0]), bytearray(8), memoryview(i32([1, 2]))):
            self.assertInvalid("nidxlist", fragments._c_closure_217, 0, i32([0]), 1, outer, i32([1]))


if __name__ == "__main__":
    unittest.main()
