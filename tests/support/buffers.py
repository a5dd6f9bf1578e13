# Typed buffers as a caller passes them: NumPy arrays, strided views whose gaps hold junk,
# array lists and read-only views.
import numpy as np

JUNK = {np.int32: -777777, np.int64: -7777777777, np.float64: -7.77e77}
DTYPES = {"I32": np.int32, "I64": np.int64, "F64": np.float64}  # by the stubs' element names


class BufferOnly(np.ndarray):
    """An ndarray subclass. The module views exact ndarrays directly and every other
    object, this one included, through the buffer protocol (NumPy's own export here), so
    wrapping arrays in it runs a call through the buffer path."""


def arr(values, dtype, stride=1):
    # A 1-D array of `values` with element stride `stride` (may be negative); the
    # elements between hold junk so that a kernel ignoring the stride reads junk.
    values = np.asarray(values, dtype=dtype).ravel()
    view = np.full(max(len(values) * abs(stride), 1), JUNK[dtype], dtype=dtype)[::stride][:len(values)]
    view[...] = values
    return view


def i32(values=(), stride=1):
    return arr(values, np.int32, stride)


def i64(values=(), stride=1):
    return arr(values, np.int64, stride)


def f64(values=(), stride=1):
    return arr(values, np.float64, stride)


def wrap(v, bits=32):
    # v as a signed integer of `bits` bits holds it (the kernels' wrapping arithmetic)
    return (int(v) + (1 << bits - 1)) % (1 << bits) - (1 << bits - 1)


def objects(items):
    # An array list: a one-dimensional object array of the given arrays (or Nones); the None
    # appended keeps NumPy from stacking arrays of one length into a matrix.
    return np.array(list(items) + [None], dtype=object)[:-1]


def readonly(a):
    v = a.view()
    v.flags.writeable = False
    return v
