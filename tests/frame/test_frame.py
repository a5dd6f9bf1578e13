# Frame behaviour beyond the portable suite (test_unittest_frame.py beside it): exact NumPy
# arrays and memoryviews, which the frame reads in place, end every call as the buffer protocol
# does; array lists of NumPy arrays; a list too long to hold.
import warnings

import numpy as np
import pytest

import fragments as F
from support.buffers import BufferOnly, i32, objects, readonly
from support.portable import E

I32, I64, F64 = np.int32, np.int64, np.float64


def spaced(t, step, n):
    # n elements of type t, `step` bytes apart.
    return np.lib.stride_tricks.as_strided(np.zeros(8, t), (n,), (step,))


def variants(t, ndim):
    # Arrays a caller may pass for an element type t: the frame takes some, refuses others.
    shape = (3, 2) if ndim == 2 else (6,)
    size = np.dtype(t).itemsize
    out = {
        "right": lambda: np.arange(6, dtype=t).reshape(shape),
        "empty": lambda: np.zeros((0, 2)[:ndim], dtype=t),
        "readonly": lambda: readonly(np.arange(6, dtype=t).reshape(shape)),
        "broadcast": lambda: np.broadcast_to(np.array(1, dtype=t), shape),
        "broadcast-warns": lambda: np.broadcast_arrays(np.ones(shape[1:] or 1, t), np.zeros(shape))[0],
        "one-more-dim": lambda: np.zeros(shape + (1,), dtype=t),
        "zero-dim": lambda: np.array(3, dtype=t),
        "swapped": lambda: np.arange(6, dtype=np.dtype(t).newbyteorder()).reshape(shape),
        "misaligned": lambda: np.zeros(6 * size + 1, np.uint8)[1:].view(t).reshape(shape),
        "record-field": lambda: np.zeros(shape, dtype=[("pad", "u1"), ("a", t)])["a"],
        "record-field-aligned": lambda: np.zeros(shape, dtype=[("a", t), ("b", t)])["a"],
    }
    for d in ("i", "l", "q", "d", "u4", "u8", "f4", "O", "V8"):
        out["dtype-" + d] = lambda d=d: np.zeros(shape, dtype=d)
    if ndim == 1:
        out.update({"strided": lambda: np.arange(12, dtype=t)[::2], "reversed": lambda: np.arange(12, dtype=t)[::-3],
                    "zero-stride": lambda: spaced(t, 0, 4), "odd-byte-stride": lambda: spaced(t, size + 1, 3),
                    "one-element-odd-stride": lambda: spaced(t, size + 1, 1), "two-dims": lambda: np.zeros((6, 1), t)})
    else:
        out.update({"fortran": lambda: np.asfortranarray(np.arange(6, dtype=t).reshape(shape)),
                    "transposed-slice": lambda: np.arange(24, dtype=t).reshape(4, 6)[::2, 1::2].T,
                    "negative-2d": lambda: np.arange(24, dtype=t).reshape(4, 6)[::-1, ::-2],
                    "one-dim": lambda: np.zeros(6, dtype=t)})
    return out


def dims(a):
    return (tuple(a.shape) + (1, 1))[:2] if a.ndim else (0, 0)


def flatten(a):  # 242: lval and uval take a's rows one after another; returns the end
    lval, uval = np.zeros(12), np.zeros(12)
    return F._c_closure_242(*dims(a), 0, a, lval, a, uval), list(lval), list(uval)


# A parameter of each kind, in a call whose result and outputs depend on every element of
# the array `a` given for it: (element type, dimensions, written, call).
SLOTS = {
    "260 st": (I64, 1, True, lambda a: F._c_closure_260(dims(a)[0], 0, a, np.arange(2, 9, dtype=I32))),
    "272 wi32": (I32, 1, False, lambda a: F._c_closure_272(1, dims(a)[0], 0, a)),
    "243 inst": (I32, 2, True, lambda a: F._c_closure_243(a, i32(range(dims(a)[0])), i32(-np.arange(8)))),
    "242 lb": (F64, 2, False, flatten),
}
ACCEPTED = {"right", "empty", "broadcast-warns", "record-field-aligned", "strided", "reversed", "zero-stride",
            "one-element-odd-stride", "fortran", "transposed-slice", "negative-2d"}
LETTERS = {I32: "i", I64: "lq", F64: "d"}


def outcome(call, a):
    # What a call ends with: result or exception, warnings, and the bytes under `a`.
    with warnings.catch_warnings(record=True) as caught:
        warnings.simplefilter("always")
        try:
            result = ("ok", call(a))
        except Exception as e:  # noqa: BLE001 - the outcome itself is compared
            result = ("raised", type(e), str(e))
    owner = a
    while isinstance(getattr(owner, "base", None), np.ndarray):
        owner = owner.base
    return result, [(w.category, str(w.message)) for w in caught], owner.tobytes()


@pytest.mark.parametrize("slot", SLOTS)
def test_arrays_read_in_place_end_a_call_as_the_buffer_protocol_does(slot):
    t, ndim, written, call = SLOTS[slot]
    for label, make in variants(t, ndim).items():
        direct, buffered = outcome(call, make()), outcome(call, make().view(BufferOnly))
        assert direct == buffered, label
        accepted = label in ACCEPTED or label in ["dtype-" + c for c in LETTERS[t]] or (
            label in ("readonly", "broadcast") and not written)
        assert (direct[0][0] == "ok") == accepted, (label, direct)
        try:
            viewed = outcome(call, memoryview(make()))
        except (ValueError, TypeError):
            continue  # no memoryview of this array
        # (where the kernel writes, a read-only memoryview raises its own export error)
        assert viewed[:2] == buffered[:2] or (written and viewed[0][:2] == ("raised", BufferError)), label


def test_a_fill_through_a_zero_stride_view_writes_its_one_element():  # the unit-stride loop is not for it
    base = np.full(6, -1, I32)
    F._c_closure_251(3, np.lib.stride_tricks.as_strided(base, (4,), (0,)), 0)  # ri32[k] = 0 for k <= 3
    assert base.tolist() == [0, -1, -1, -1, -1, -1]


def test_a_released_memoryview_raises_the_interpreters_error():
    m = memoryview(np.zeros(3, dtype=I64))
    m.release()
    with pytest.raises(ValueError, match="released memoryview"):
        F._c_closure_260(3, 0, m, i32([2, 3, 4]))


@pytest.mark.parametrize("stride", [1, -2])
def test_array_list_entries_take_either_path_and_none_is_an_absent_entry(stride):
    # 217 interleaves the first nlists lists: nativeidxs[s * 2 + k] = list k's entry s. It
    # does not read a None entry past nlists and refuses one before it.
    for first in (i32([1, 2], stride), i32([1, 2], stride).view(BufferOnly)):
        lists = objects([first, i32([5, 6], -stride), None])
        out = i32([-1] * 6, stride)
        F._c_closure_217(2, out, 1, lists, i32([2]))
        assert out.tolist() == [1, 5, 2, 6, -1, -1]
        for n, bad in ((3, None), (2, first.astype(I64))):
            lists[2 if bad is None else 1] = bad
            with pytest.raises(ValueError, match="'nidxlist'"):
                F._c_closure_217(n, out, 1, lists, i32([2]))


def test_a_list_too_long_to_hold_raises_memory_error_and_releases_everything():
    out, after = E("i", [0]), E("i", [0])
    huge = E("O", [None], claim=2**60)
    with pytest.raises(MemoryError):
        F._c_closure_217(1, out, 1, huge, after)
    assert (huge.exports, out.exports, after.taken, out.values()) == (0, 0, 0, [0])
