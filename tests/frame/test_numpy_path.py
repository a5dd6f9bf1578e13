"""The direct views (exact NumPy arrays, memoryviews) accept and reject exactly what the
buffer protocol does: every array below is passed once as it is (or as a memoryview of it)
and once as an ndarray subclass (which takes NumPy's buffer export), and the calls must end
alike: the same result or the same exception type and text, the same warnings, the same
memory afterwards."""
import warnings

import numpy as np
import pytest

import fragments as F
from support.buffers import BufferOnly

NATIVE = {"i4": np.int32, "i8": np.int64, "f8": np.float64}


def strided_as(a, itemsize_step, shape=None):
    """A view of a's memory with the given byte stride (and shape), writable."""
    shape = shape or (max(1, (a.nbytes - a.itemsize) // itemsize_step + 1),)
    return np.lib.stride_tricks.as_strided(a, shape=shape, strides=(itemsize_step,))


def variants(kind, ndim):
    """(label, factory) pairs: factories give fresh arrays around element type `kind`."""
    t = NATIVE[kind]
    size = np.dtype(t).itemsize
    other = "i8" if kind == "i4" else "i4"
    swapped = np.dtype(t).newbyteorder()
    out = {}

    def add(label, f):
        out[label] = f

    shape = (3, 2) if ndim == 2 else (6,)
    add("right", lambda: np.arange(6, dtype=t).reshape(shape))
    add("empty", lambda: np.zeros((0, 2) if ndim == 2 else (0,), dtype=t))
    add("readonly", lambda: _readonly(np.arange(6, dtype=t).reshape(shape)))
    add("broadcast-readonly", lambda: np.broadcast_to(np.array(1, dtype=t), shape))
    add("broadcast-warns", lambda: np.broadcast_arrays(np.arange(shape[-1], dtype=t), np.zeros(shape))[0])
    add("wrong-ndim-up", lambda: np.zeros(shape + (1,), dtype=t))
    add("wrong-ndim-down", lambda: np.zeros(6, dtype=t) if ndim == 2 else np.zeros((6, 1), dtype=t))
    add("zero-dim", lambda: np.array(3, dtype=t))
    add("swapped", lambda: np.arange(6, dtype=swapped).reshape(shape))
    add("other-int", lambda: np.zeros(shape, dtype=NATIVE[other]))
    add("metadata", lambda: np.zeros(shape, dtype=np.dtype(t, metadata={"unit": "m"})))
    for d in ("u4", "u8", "i2", "f4", "?", "c16", "O", "M8[s]", "V8", "S8", "g", "q", "l", "i", "d",
              [("a", "i4"), ("b", "i4")]):
        add("dtype-" + str(d), lambda d=d: np.zeros(shape, dtype=d))
    add("misaligned", lambda: _misaligned(t, shape))
    add("record-field", lambda: np.zeros(shape, dtype=[("pad", "u1"), ("a", t)])["a"])
    add("record-field-aligned", lambda: np.zeros(shape, dtype=[("a", t), ("b", t)])["a"])
    if ndim == 1:
        add("strided", lambda: np.arange(12, dtype=t)[::2])
        add("reversed", lambda: np.arange(12, dtype=t)[::-3])
        add("zero-stride-writable", lambda: strided_as(np.arange(6, dtype=t), 0, (4,)))
        add("odd-byte-stride", lambda: strided_as(np.zeros(8, dtype=t), size + 1, (3,)))
        add("one-element-odd-stride", lambda: strided_as(np.zeros(8, dtype=t), size + 1, (1,)))
    else:
        add("fortran", lambda: np.asfortranarray(np.arange(6, dtype=t).reshape(shape)))
        add("transposed-slice", lambda: np.arange(24, dtype=t).reshape(4, 6)[::2, 1::2].T)
        add("negative-2d", lambda: np.arange(24, dtype=t).reshape(4, 6)[::-1, ::-2])
    return list(out.items())


def _readonly(a):
    a.flags.writeable = False
    return a


def _misaligned(t, shape):
    size = np.dtype(t).itemsize
    raw = np.zeros(6 * size + 8, dtype=np.uint8)
    start = 1 if raw.ctypes.data % size == 0 else 0
    return raw[start:start + 6 * size].view(t).reshape(shape)


# Kernels covering each parameter kind: (kernel, good arguments; arrays as fresh factories).
def g(kind, n=6, ndim=1):
    t = NATIVE[kind]
    return lambda: np.zeros((n, 2) if ndim == 2 else n, dtype=t)


CASES = {
    # _c_closure_248(n, ri32 w, off, shape r)
    "248": (F._c_closure_248, [0, g("i4"), 0, g("i4")], {1: ("i4", 1, "w"), 3: ("i4", 1, "r")}),
    # _c_closure_250(bfix r, n, off, rf64 w)
    "250": (F._c_closure_250, [g("f8"), 0, 0, g("f8")], {0: ("f8", 1, "r"), 3: ("f8", 1, "w")}),
    # _c_closure_260(nd, shapebase, st i64 w, wi32 r)
    "260": (F._c_closure_260, [0, 0, g("i8"), g("i4")], {2: ("i8", 1, "w")}),
    # _c_closure_243(inst i32[,] w, msubi, msubj)
    "243": (F._c_closure_243, [g("i4", 3, 2), g("i4", 0), g("i4", 0)], {0: ("i4", 2, "w")}),
    # _c_closure_242(nrows, ncols, pos, lb f64[,] r, lval w, ub f64[,] r, uval w)
    "242": (F._c_closure_242, [0, 0, 0, g("f8", 3, 2), g("f8"), g("f8", 3, 2), g("f8")], {3: ("f8", 2, "r")}),
}


@pytest.fixture
def array_path():
    """This file builds its own arrays: run it once, not once per path of tests/frame."""
    return None


def run(kernel, args):
    with warnings.catch_warnings(record=True) as caught:
        warnings.simplefilter("always")
        try:
            result = ("ok", kernel(*args))
        except Exception as e:  # noqa: BLE001 - the outcome itself is compared
            result = ("raised", type(e), str(e))
    return result, [(w.category, str(w.message)) for w in caught]


def memory(a):
    """The bytes under an array (its base's, when it is a view)."""
    owner = a
    while isinstance(getattr(owner, "base", None), np.ndarray):
        owner = owner.base
    return owner.tobytes() if isinstance(owner, np.ndarray) else bytes(a.tobytes())


PARAMS = [(name, slot, label, factory) for name, (_, _, slots) in CASES.items()
          for slot, (kind, ndim, _) in slots.items() for label, factory in variants(kind, ndim)]
IDS = [f"{p[0]}-{p[1]}-{p[2]}" for p in PARAMS]


@pytest.mark.parametrize("name,slot,label,factory", PARAMS, ids=IDS)
def test_direct_view_and_buffer_protocol_agree(name, slot, label, factory):
    kernel, good, _ = CASES[name]
    outcomes = []
    for wrap in (lambda a: a, lambda a: a.view(BufferOnly)):
        args = [a() if callable(a) else a for a in good]
        bad = factory()
        args[slot] = wrap(bad)
        assert (type(args[slot]) is np.ndarray) == (len(outcomes) == 0)
        outcomes.append((run(kernel, args), memory(bad)))
    assert outcomes[0] == outcomes[1]
    if label in ("right", "empty", "record-field-aligned", "strided", "reversed", "fortran", "metadata",
                 "zero-stride-writable", "transposed-slice", "negative-2d"):
        assert outcomes[0][0][0][0] == "ok"


@pytest.mark.parametrize("name,slot,label,factory", PARAMS, ids=IDS)
def test_memoryviews_read_in_place_agree_with_the_buffer_protocol(name, slot, label, factory):
    kernel, good, slots = CASES[name]
    outcomes = []
    for wrap in (memoryview, lambda a: a.view(BufferOnly)):
        args = [a() if callable(a) else a for a in good]
        bad = factory()
        try:
            args[slot] = wrap(bad)
        except (ValueError, TypeError, BufferError):
            return  # no memoryview of this array: nothing to compare
        outcomes.append((run(kernel, args), memory(bad)))
    if slots[slot][2] == "w" and memoryview(factory()).readonly:
        # the memoryview's own export error, as the buffer path raises it
        assert outcomes[0][0] == (("raised", BufferError, "memoryview: underlying buffer is not writable"), [])
        assert outcomes[0][1] == outcomes[1][1]
    else:
        assert outcomes[0] == outcomes[1]


def test_a_released_memoryview_raises_the_interpreters_error():
    m = memoryview(np.zeros(3, dtype=np.int64))
    m.release()
    with pytest.raises(ValueError, match="released memoryview"):
        F._c_closure_260(3, 0, m, np.array([2, 3, 4], dtype=np.int32))


def test_the_buffer_path_error_for_read_only_arrays_is_numpys():
    a = _readonly(np.zeros(3, dtype=np.int64))
    with pytest.raises(ValueError, match="^buffer source array is read-only$"):
        F._c_closure_260(3, 0, a, np.array([2, 3, 4], dtype=np.int32))


def test_accepted_arrays_are_written_through_their_strides_on_both_paths():
    for wrap in (lambda a: a, lambda a: a.view(BufferOnly)):
        base = np.full((4, 6), -1, dtype=np.int32)
        inst = wrap(base)[::-1, 4::-2]  # negative strides in both dimensions
        F._c_closure_243(inst, np.array([1, 2, 3], np.int32), np.array([4, 5, 6], np.int32))
        assert base[::-1, 4][:3].tolist() == [1, 2, 3] and base[::-1, 2][:3].tolist() == [4, 5, 6]
        assert (base != -1).sum() == 6


def test_array_list_entries_take_either_path():
    # _c_closure_217 interleaves the entries it is given; a bad entry names the list on
    # both paths.
    lst = np.empty(3, dtype=object)
    for good in (np.arange(3, dtype=np.int32), np.arange(3, dtype=np.int32).view(BufferOnly)):
        lst[:] = [good, good[::-1], None]
        out = np.full(6, -1, np.int32)
        F._c_closure_217(2, out, 1, lst, np.array([3], np.int32))
        assert out.tolist() == [0, 2, 1, 1, 2, 0]
        lst[1] = good.astype(np.int64)
        with pytest.raises(ValueError, match="'nidxlist'"):
            F._c_closure_217(0, np.zeros(1, np.int32), 0, lst, np.zeros(1, np.int32))
