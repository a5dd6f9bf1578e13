"""The calling convention every kernel shares: scalars, views, lists, errors, release, results."""
import sys

import numpy as np
import pytest

import fragments
from support.buffers import i32, i64, f64, readonly

INVALID = "Invalid array shape or type for argument '{}'"


def invalid(name):
    return pytest.raises(ValueError, match="^" + INVALID.format(name).replace("(", r"\(") + "$")


def test_module_lists_exactly_the_kernels():
    public = sorted(n for n in dir(fragments) if not n.startswith("__"))
    assert public == sorted(f"_c_closure_{n}" for n in range(486))
    assert all(callable(getattr(fragments, n)) for n in public)
    assert fragments.__doc__ is None


def test_kernels_take_no_keyword_arguments():
    with pytest.raises(TypeError):
        fragments._c_closure_260(nd=3, shapebase=0, st=i64([0, 0, 1]), wi32=i32([1, 2, 3]))


# --- scalars ------------------------------------------------------------------------------

class Index:
    def __init__(self, v):
        self.v = v

    def __index__(self):
        return self.v


SCALARS = [0, -5, 1.5, 2.0, "3", None, [1], 2**31 - 1, 2**31, -2**31, -2**31 - 1, 2**63 - 1, 2**63,
           -2**63 - 1, 10**400, True, Index(7), Index(2**40), np.int64(5), np.int32(-3), np.float64(1.0)]

# A kernel per scalar letter, with a wrongly typed array after the scalar: a scalar that is
# accepted leads to the array's ValueError, so the body never runs.
PROBES = {
    "i": (lambda v: fragments._c_closure_272(1, v, 0, f64([]))),   # init, count, base, wi32
    "L": (lambda v: fragments._c_closure_122(0, v, f64([]), 0, None)),  # row, init, midxs, nd, strides
    "d": (lambda v: fragments._c_closure_320(v, 0, i32([]), 0, 0)),  # factor, base, f64, count1, count2
}
FIRST_ARRAY = {"i": "wi32", "L": "midxs", "d": "f64"}


@pytest.mark.parametrize("value", SCALARS, ids=repr)
@pytest.mark.parametrize("letter", ["i", "L", "d"])
def test_scalars_convert_like_the_interpreters_parser(exporter, letter, value):
    """Each scalar letter accepts and rejects exactly what the tuple parser does, with the
    same exception type and message."""
    try:
        exporter.parse_tuple(letter, (value,))
        expected = None
    except Exception as e:  # noqa: BLE001 - whatever the parser raises is the reference
        expected = e
    with pytest.raises(Exception) as got:
        PROBES[letter](value)
    if expected is None:
        assert got.type is ValueError and str(got.value) == INVALID.format(FIRST_ARRAY[letter])
    else:
        assert got.type is type(expected) and str(got.value) == str(expected)


@pytest.mark.parametrize("args", [(), (1,), (1, 2, 3), (1, 2, 3, None, 5)])
def test_wrong_argument_count_is_the_parsers_error(exporter, args):
    with pytest.raises(TypeError) as expected:
        exporter.parse_tuple("iiiO", args)
    with pytest.raises(TypeError) as got:
        fragments._c_closure_272(*args)
    assert str(got.value) == str(expected.value)


def test_scalars_are_passed_exactly():
    w = i32([3, 5, 7])
    assert fragments._c_closure_272(-2, 3, 0, w) == -210
    assert fragments._c_closure_272(Index(2), np.int32(2), True, w) == 70
    assert fragments._c_closure_283(-2**31, i32([-2**31, -2**31 + 1]), 2, 0) == -2**31 + 1


# --- array views --------------------------------------------------------------------------

def test_element_type_and_dimensions_are_checked_per_parameter():
    # _c_closure_260: nd, shapebase, st (int64, written), wi32 (int32, read)
    good_st, good_w = i64([0, 0, 1]), i32([2, 3, 4])
    for bad in (i32([0, 0, 1]), f64([0, 0, 1]), np.zeros((3, 1), dtype=np.int64), np.zeros(3, dtype=np.uint64),
                np.zeros(3, dtype=np.float32), bytearray(24)):
        with invalid("st"):
            fragments._c_closure_260(3, 0, bad, good_w)
    for bad in (i64([2, 3, 4]), f64([2, 3, 4]), np.zeros((1, 3), dtype=np.int32), np.zeros(3, dtype=np.uint32)):
        with invalid("wi32"):
            fragments._c_closure_260(3, 0, good_st, bad)
    assert list(good_st) == [0, 0, 1]


def test_objects_without_the_buffer_interface_raise_the_interpreters_type_error():
    with pytest.raises(TypeError):
        fragments._c_closure_260(3, 0, [0, 0, 1], i32([2, 3, 4]))
    with pytest.raises(TypeError):
        fragments._c_closure_260(3, 0, i64([0, 0, 1]), 17)


def test_int64_accepts_formats_l_and_q_and_rejects_byte_order_marks(exporter):
    E = exporter.Exporter
    for fmt in ("l", "q"):
        st = E(fmt, [0, 0, 1])
        fragments._c_closure_260(3, 0, st, i32([2, 3, 4]))
        assert st.values() == [12, 4, 1]
    for fmt in ("<q", "=q", "@l", ">q", "<l"):
        st = E(fmt, [0, 0, 1])
        with invalid("st"):
            fragments._c_closure_260(3, 0, st, i32([2, 3, 4]))
        assert st.values() == [0, 0, 1] and st.exports == 0
    with invalid("wi32"):
        fragments._c_closure_260(3, 0, i64([0, 0, 1]), E("<i", [2, 3, 4]))


def test_ctypes_arrays_carry_byte_order_marks_and_are_rejected():
    import ctypes
    st = (ctypes.c_int64 * 3)(0, 0, 1)
    with invalid("st"):
        fragments._c_closure_260(3, 0, st, i32([2, 3, 4]))


def test_item_size_alignment_and_stride_must_be_whole_elements(exporter):
    E = exporter.Exporter
    with invalid("wi32"):  # 'i' format but 8-byte items
        fragments._c_closure_272(1, 2, 0, E("i", [1, 2], itemsize=8))
    with invalid("wi32"):  # misaligned address
        fragments._c_closure_272(1, 2, 0, E("i", [1, 2], offset=1))
    rec = np.zeros(4, dtype=[("a", "<i4"), ("b", "u1")])["a"]  # stride of 5 bytes
    with invalid("wi32"):
        fragments._c_closure_272(1, 2, 0, rec)


@pytest.mark.parametrize("stride", [1, 2, 3, -1, -2])
def test_strided_views_are_read_and_written_through_their_stride(stride):
    shape = [2, 3, 4, 5]
    st = i64([0, 0, 0, 1], stride)
    w = i32([99] + shape, -stride)
    fragments._c_closure_260(4, 1, st, w)
    assert list(st) == [60, 20, 5, 1]
    if abs(stride) > 1:  # the elements between were not touched
        first = (st.__array_interface__["data"][0] - st.base.__array_interface__["data"][0]) // 8
        mine = first + np.arange(4) * stride
        assert np.all(np.delete(st.base, mine) == -7777777777)


def test_zero_stride_view_reads_one_element_repeatedly():
    w = np.broadcast_to(np.int32(3), (4,))
    assert fragments._c_closure_272(1, 4, 0, w) == 81


def test_two_dimensional_views_follow_both_strides(exporter):
    # _c_closure_116 reads index (int32) and writes midx (int32, 2-D); a wrong dimension
    # count is rejected, any strides are accepted.
    with invalid("midx"):
        fragments._c_closure_116(i32([0]), np.zeros(4, dtype=np.int32))
    with invalid("midx"):
        fragments._c_closure_116(i32([0]), np.zeros((2, 2, 1), dtype=np.int32))
    with invalid("index"):
        fragments._c_closure_116(np.zeros((2, 2), dtype=np.int32), np.zeros((2, 2), dtype=np.int32))


def test_none_is_an_absent_array_when_the_kernel_does_not_touch_it():
    assert fragments._c_closure_260(1, 0, None, None) is None
    assert fragments._c_closure_260(0, 0, None, None) is None
    assert fragments._c_closure_272(5, 0, 0, None) == 5
    assert fragments._c_closure_287(0, None, None) is None


def test_written_arrays_must_be_writable_and_nothing_is_written(exporter):
    st = readonly(i64([0, 0, 1]))
    with pytest.raises((BufferError, ValueError), match="read-only"):
        fragments._c_closure_260(3, 0, st, i32([2, 3, 4]))
    assert list(st) == [0, 0, 1]
    e = exporter.Exporter("q", [0, 0, 1], readonly=True)
    with pytest.raises(BufferError):
        fragments._c_closure_260(3, 0, e, i32([2, 3, 4]))
    assert e.values() == [0, 0, 1] and e.exports == 0
    # read-only arrays are fine where the kernel only reads
    w = readonly(i32([2, 3, 4]))
    st = i64([0, 0, 1])
    fragments._c_closure_260(3, 0, st, w)
    assert list(st) == [12, 4, 1]
    assert fragments._c_closure_272(1, 3, 0, bytes(np.array([2, 3, 4], dtype=np.int32).data) and
                                    memoryview(np.array([2, 3, 4], dtype=np.int32)).toreadonly()) == 24


# --- taking and releasing -------------------------------------------------------------------

def five(exporter, bad_at=None, bad="type", fail_at=None):
    """Arguments for _c_closure_1 (arrays natbarvar_dim i32, natbarvar_ptr i64,
    natbarvarmap_num i32, natbarvarmap_ptr i32, res i64 written; then mapidx) as counting
    exporters; the one at `bad_at` has the wrong element type, the one at `fail_at`
    refuses to export."""
    E = exporter.Exporter
    fmts = ["i", "q", "i", "i", "q"]
    arrays = []
    for k, f in enumerate(fmts):
        if k == bad_at:
            f = "d"
        arrays.append(E(f, [0, 0], fail=(k == fail_at)))
    return arrays


def test_failure_on_the_third_array_releases_the_first_two_and_never_takes_the_rest(exporter):
    arrays = five(exporter, bad_at=2)
    with invalid("natbarvarmap_num"):
        fragments._c_closure_1(*arrays, 0)
    assert [a.taken for a in arrays] == [1, 1, 1, 0, 0]
    assert [a.exports for a in arrays] == [0] * 5


def test_a_refused_export_stands_and_earlier_views_are_released(exporter):
    arrays = five(exporter, fail_at=3)
    with pytest.raises(BufferError, match="export refused"):
        fragments._c_closure_1(*arrays, 0)
    assert [a.taken for a in arrays] == [1, 1, 1, 0, 0]
    assert [a.exports for a in arrays] == [0] * 5


def test_scalar_errors_come_before_any_view_is_taken(exporter):
    arrays = five(exporter)
    with pytest.raises(TypeError):
        fragments._c_closure_1(*arrays, "x")
    assert [a.taken for a in arrays] == [0] * 5


def test_every_view_is_released_after_a_call(exporter):
    E = exporter.Exporter
    st, w = E("q", [0, 0, 1]), E("i", [2, 3, 4])
    for _ in range(3):
        fragments._c_closure_260(3, 0, st, w)
    assert (st.taken, st.exports, w.taken, w.exports) == (3, 0, 3, 0)
    assert st.values() == [12, 4, 1]
    a = np.zeros(3, dtype=np.int64)
    before = sys.getrefcount(a)
    for _ in range(100):
        fragments._c_closure_260(3, 0, a, i32([2, 3, 4]))
    assert sys.getrefcount(a) == before


def test_the_same_buffer_may_be_passed_twice(exporter):
    e = exporter.Exporter("i", [7, 1, 2, 0, 0])
    fragments._c_closure_276(2, e, 3, 1, e)  # ri32[3..4] = wi32[1..2]
    assert e.values() == [7, 1, 2, 1, 2] and e.exports == 0


# --- array lists ----------------------------------------------------------------------------

def objects(items):
    a = np.empty(len(items), dtype=object)
    a[:] = items
    return a


def test_array_lists_are_object_buffers_of_int32_arrays(exporter):
    # _c_closure_217: nlists, nativeidxs (i32, written), nd, nidxlist (list), resshape (i32).
    # A wrongly typed resshape after the list fails after the list has been taken.
    E = exporter.Exporter
    entries = [E("i", [1, 2]), None, E("i", [3], stride=-2)]
    out = E("i", [0, 0])
    lst = objects(entries)
    before = [e.taken for e in (entries[0], entries[2])]
    with invalid("resshape"):
        fragments._c_closure_217(3, out, 1, lst, f64([1]))
    assert [e.taken - b for e, b in zip((entries[0], entries[2]), before)] == [1, 1]
    assert all(e.exports == 0 for e in (entries[0], entries[2], out))
    for empty in (objects([]), None):
        with invalid("resshape"):
            fragments._c_closure_217(0, out, 1, empty, f64([1]))
    # a strided object array is read through its stride
    strided = objects([E("i", [1]), E("d", [1.0]), E("i", [2]), E("d", [2.0])])[::2]
    with invalid("resshape"):
        fragments._c_closure_217(2, out, 1, strided, f64([1]))


@pytest.mark.parametrize("bad", ["d", "q", "<i", "2d", "fail"])
def test_a_bad_list_entry_names_the_list_and_releases_everything(exporter, bad):
    E = exporter.Exporter
    ok1, ok2, after = E("i", [1]), E("i", [2]), E("i", [0])
    wrong = E("i", [1], fail=True) if bad == "fail" else (
        E("i", [1, 2, 3, 4], shape=(2, 2)) if bad == "2d" else E(bad, [1]))
    out = E("i", [0])
    lst = objects([ok1, None, wrong, ok2])
    before = (ok1.taken, ok2.taken, after.taken)
    if bad == "fail":
        with pytest.raises(BufferError):
            fragments._c_closure_217(4, out, 1, lst, after)
    else:
        with invalid("nidxlist"):
            fragments._c_closure_217(4, out, 1, lst, after)
    assert (ok1.taken - before[0], ok2.taken - before[1], after.taken - before[2]) == (1, 0, 0)
    assert all(e.exports == 0 for e in (ok1, ok2, wrong, out, after))


@pytest.mark.parametrize("outer", [i32([1, 2]), np.zeros((1, 1), dtype=object), "notabuffer"])
def test_list_outer_buffer_must_be_a_one_dimensional_object_array(outer):
    with pytest.raises((ValueError, TypeError)) as e:
        fragments._c_closure_217(1, i32([0]), 1, outer, i32([1]))
    if e.type is ValueError:
        assert str(e.value) == INVALID.format("nidxlist")


def test_a_list_too_long_to_hold_raises_memory_error_and_releases_everything(exporter):
    E = exporter.Exporter
    out, after = E("i", [0]), E("i", [0])
    huge = E("O", [None], claim=2**60)
    with pytest.raises(MemoryError):
        fragments._c_closure_217(1, out, 1, huge, after)
    assert (huge.exports, out.exports, after.taken) == (0, 0, 0)


# --- results ----------------------------------------------------------------------------------

def test_results_are_new_references_of_the_right_types():
    st = i64([0, 0, 1])
    refs = sys.getrefcount(None)
    for _ in range(1000):
        assert fragments._c_closure_260(3, 0, st, i32([2, 3, 4])) is None
    assert abs(sys.getrefcount(None) - refs) < 10
    r = fragments._c_closure_272(2, 2, 0, i32([3, 4]))
    assert type(r) is int and r == 24
    big = fragments._c_closure_112(i32([70000, 70000, 3]), 5)  # a 64-bit product
    assert type(big) is int and big == 5 * 70000 * 70000 * 3
    assert fragments._c_closure_112(i32([2**31 - 1, 2**31 - 1, 2]), 2**62) == (2**62 * (2**31 - 1)**2 * 2 + 2**63) % 2**64 - 2**63
    t = fragments._c_closure_70(1, 1, 1, 1, 3, i32([2, 3, 4]))   # (before, after, all) of axis 1
    assert type(t) is tuple and t == (2, 4, 24) and all(type(v) is int for v in t)
    assert fragments._c_closure_119(0, np.array([[0, 2]], dtype=np.int32), i32([2, 2])) is True
    assert fragments._c_closure_119(0, np.array([[0, 1]], dtype=np.int32), i32([2, 2])) is False
