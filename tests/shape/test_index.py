"""Size products, stride tables, linear indexes of multi-indexes and their range checks,
against NumPy (np.prod, np.ravel_multi_index, np.unravel_index)."""
import numpy as np
import pytest

import fragments
from support.buffers import JUNK, i32, i64
from support.stacks import Stack


def k(n):
    return getattr(fragments, f"_c_closure_{n}")


def wrap32(v):
    return (int(v) + 2**31) % 2**32 - 2**31


def prod(values, init=1):
    p = int(init)
    for v in values:
        p *= int(v)
    return p


def random_shape(rng, nd=None, top=6):
    """A shape of 0..5 dimensions with sizes 0..top-1 (zero sizes now and then)."""
    if nd is None:
        nd = int(rng.integers(0, 6))
    return [int(s) for s in rng.integers(0, top, size=nd)]


def row_major(shape):
    return [prod(shape[k + 1:]) for k in range(len(shape))]


STRIDES = [1, 2, 3, -1]


# ---- size products --------------------------------------------------------------------

# Every entry point of the size products: (kernels, how to call one with init, shape and
# (n) or (after, before), the range [lo, hi) of dimensions that it multiplies).
PRODUCTS = [
    ([28, 37, 135], lambda f, init, s, a, b: f(init, s), lambda s, a, b: (0, len(s))),
    ([138, 222, 223], lambda f, init, s, a, b: f(s, init), lambda s, a, b: (0, len(s))),
    ([31], lambda f, init, s, a, b: f(init, s), lambda s, a, b: (1, len(s))),
    ([32, 44, 47, 65, 66, 148], lambda f, init, s, a, b: f(a, init, s), lambda s, a, b: (0, a)),
    ([74, 165], lambda f, init, s, a, b: f(init, a, s), lambda s, a, b: (0, a)),
    ([161, 245, 436], lambda f, init, s, a, b: f(a, s, init), lambda s, a, b: (0, a)),
    ([33, 45, 67, 150], lambda f, init, s, a, b: f(a, init, b, s), lambda s, a, b: (a + 1, b)),
    ([48, 49, 149], lambda f, init, s, a, b: f(a, b, init, s), lambda s, a, b: (a + 1, b)),
    ([166], lambda f, init, s, a, b: f(init, a, b, s), lambda s, a, b: (a + 1, b)),
]


@pytest.mark.parametrize("kernels,call,span", PRODUCTS, ids=[str(p[0]) for p in PRODUCTS])
def test_size_products_match_numpy(kernels, call, span):
    rng = np.random.default_rng(kernels[0])
    for trial in range(60):
        shape = random_shape(rng, top=9)
        if trial % 10 == 0:
            shape = [int(s) for s in rng.integers(40000, 90000, size=3)]  # wraps in 32 bits
        nd = len(shape)
        a = int(rng.integers(-1, nd + 1))
        b = int(rng.integers(a, nd + 1))
        init = int(rng.integers(-3, 4))
        lo, hi = span(shape, a, b)
        expected = wrap32(prod((shape[j] for j in range(max(lo, 0), hi)), init))
        for n in kernels:
            got = call(k(n), init, i32(shape, stride=STRIDES[trial % 4]), a, b)
            assert got == expected, (n, shape, a, b, init)


def test_size_products_worked_examples():
    s = i32([2, 3, 4])
    assert k(32)(0, 5, s) == 5
    assert k(32)(2, 1, s) == 6
    # after 0, before 3: dimensions 1 and 2 lie strictly between
    assert k(33)(0, 7, 3, s) == 7 * 12
    assert k(33)(0, 7, 2, s) == 7 * 3
    assert k(56)(1, 3, 4, 1, i32([2, 3, 5, 7])) == 10
    assert k(28)(3, i32([])) == 3  # nd = 0: one element
    assert k(112)(i32([]), 5) == 5
    assert k(31)(2, i32([9])) == 2


def test_empty_ranges_do_not_read_shape():
    assert k(32)(0, 4, None) == 4
    assert k(32)(-3, 4, None) == 4
    assert k(74)(4, 0, None) == 4
    assert k(161)(0, None, 4) == 4
    assert k(33)(2, 4, 3, None) == 4
    assert k(48)(2, 2, 4, None) == 4
    assert k(166)(4, 5, 1, None) == 4
    assert k(50)(0, 4, None, 10) == 4


def test_size_of_result_run():
    stack = Stack(64)
    rng = np.random.default_rng(50)
    for _ in range(20):
        shape = random_shape(rng, top=9)
        off = stack.put_i32(shape)
        for n in range(len(shape) + 1):
            assert k(50)(n, 3, stack.i32, off) == wrap32(3 * prod(shape[:n]))
        stack = Stack(64) if stack.top["i32"] > 40 else stack


@pytest.mark.parametrize("n", [112, 210, 229])
def test_size_product_64_bits_does_not_wrap(n):
    assert k(n)(i32([70000, 70000]), 1) == 4_900_000_000
    assert k(n)(i32([1 << 20, 1 << 20, 3], stride=2), -2) == -6 * (1 << 40)
    rng = np.random.default_rng(112)
    for _ in range(30):
        shape = random_shape(rng, top=2000)
        init = int(rng.integers(-5, 6))
        assert k(n)(i32(shape, stride=3), init) == init * prod(shape)


def test_size_without_two():
    rng = np.random.default_rng(56)
    for trial in range(100):
        shape = random_shape(rng, top=7)
        nd = len(shape)
        n = int(rng.integers(0, nd + 1))
        axis = int(rng.integers(-2, nd + 2))
        skip = int(rng.integers(-1, nd + 1))
        init = int(rng.integers(1, 4))
        expected = prod((shape[j] for j in range(n) if j not in (axis, skip)), init)
        assert k(56)(axis, skip, n, init, i32(shape, stride=STRIDES[trial % 4])) == wrap32(expected)


def test_sizes_around_axis():
    rng = np.random.default_rng(70)
    for _ in range(60):
        shape = random_shape(rng, top=7)
        nd = len(shape)
        axis = int(rng.integers(-1, nd + 1))
        pre, post, total = (int(v) for v in rng.integers(-3, 4, size=3))
        expected = (prod(shape[:max(axis, 0)], pre), prod(shape[axis + 1:nd], post), prod(shape, total))
        assert k(70)(axis, pre, post, total, nd, i32(shape, stride=2)) == expected


def test_largest_and_real_dims():
    rng = np.random.default_rng(39)
    for _ in range(60):
        shape = [int(s) for s in rng.integers(0, 4, size=int(rng.integers(0, 7)))]
        n = int(rng.integers(0, len(shape) + 1))
        init = int(rng.integers(-1, 3))
        assert k(39)(init, n, i32(shape, stride=2)) == max([init] + shape[:n])
        real = [s for s in shape[:n] if s != 1]
        assert k(159)(n, init, i32(shape)) == init + len(real)
        out = i32(np.full(len(shape) + 2, -9), stride=2)
        k(160)(n, out, i32(shape, stride=3))
        assert out.tolist() == real + [-9] * (len(shape) + 2 - len(real))
    assert k(159)(4, 0, i32([1, 5, 1, 2])) == 2
    out = i32([0, 0, 0, 0])
    k(160)(4, out, i32([1, 5, 1, 2]))
    assert out.tolist() == [5, 2, 0, 0]


def test_shape_onto_result_stack():
    stack = Stack(64)
    off = stack.take_i32(4)
    snap = stack.snapshot()
    k(110)(4, stack.i32, i32([3, 0, 5, 1], stride=2), off)
    assert stack.i32[off:off + 4].tolist() == [3, 0, 5, 1]
    stack.assert_only_changed(snap, i32=[(off, 4)])
    snap = stack.snapshot()
    k(110)(0, stack.i32, None, off)  # a 0-dimensional shape copies nothing
    stack.assert_only_changed(snap)


# ---- stride tables --------------------------------------------------------------------

@pytest.mark.parametrize("n", [27, 36])
def test_full_stride_table(n):
    rng = np.random.default_rng(n)
    for trial in range(60):
        shape = random_shape(rng, top=7)
        nd = len(shape)
        strides = i32(np.full(nd, -5), stride=STRIDES[trial % 4])
        k(n)(nd, i32(shape, stride=2), strides)
        assert strides.tolist() == row_major(shape)
        if 0 not in shape and nd:
            midx = np.unravel_index(np.arange(prod(shape)), shape)
            assert np.array_equal(sum(m * s for m, s in zip(midx, strides.tolist())), np.arange(prod(shape)))
    s = i32([-5, -5, -5])
    k(n)(3, i32([2, 3, 4]), s)
    assert s.tolist() == [12, 4, 1]
    s = i32([-5])
    k(n)(1, i32([7]), s)
    assert s.tolist() == [1]
    for nd in (0, -1):  # nothing to write
        s = i32([-5, -5])
        k(n)(nd, i32([]), s[1:])
        assert s.tolist() == [-5, -5]
    big = i32([0, 70000, 70000])
    s = i32([0, 0, 0])
    k(n)(3, big, s)
    assert s.tolist() == [wrap32(70000 * 70000), 70000, 1]


def test_strides_from_preset_innermost():
    rng = np.random.default_rng(30)
    for trial in range(40):
        shape = random_shape(rng, top=7)
        nd = len(shape)
        last = int(rng.integers(1, 4))
        s32 = i32(np.full(nd, -5), stride=STRIDES[trial % 4])
        s64 = i64(np.full(nd, -5), stride=STRIDES[(trial + 1) % 4])
        if nd:
            s32[nd - 1] = last
            s64[nd - 1] = last
        k(30)(nd, i32(shape), s32)
        for n in (120, 125):
            k(n)(nd, i32(shape, stride=2), s64)
        assert s32.tolist() == [last * v for v in row_major(shape)]
        assert s64.tolist() == [last * v for v in row_major(shape)]
    s64 = i64([0, 0, 0, 1])
    k(120)(4, i32([1, 90000, 90000, 3]), s64)
    assert s64.tolist() == [90000 * 90000 * 3, 90000 * 3, 3, 1]


# ---- five-axis views ------------------------------------------------------------------

def test_five_axis_view():
    rng = np.random.default_rng(57)
    for trial in range(50):
        nd = int(rng.integers(2, 7))
        shape = [int(s) for s in rng.integers(1, 5, size=nd)]
        a, b = sorted(int(v) for v in rng.choice(nd, size=2, replace=False))
        dim = i32([1, shape[a], 1, shape[b], 1], stride=STRIDES[trial % 4])
        sh = i32(shape, stride=2)
        k(57)(a, dim, sh)
        k(58)(a, b, dim, sh)
        k(59)(b, dim, nd, sh)
        expected = [prod(shape[:a]), shape[a], prod(shape[a + 1:b]), shape[b], prod(shape[b + 1:])]
        assert dim.tolist() == expected
        for n in (60, 227):
            stride = i32([-5, -5, -5, -5, 1], stride=STRIDES[(trial + 1) % 4])
            k(n)(dim, stride)
            # the five-axis strides address the same elements as the original array
            x = np.arange(prod(shape)).reshape(shape)
            view = x.reshape(expected)
            assert [v * x.itemsize for v in stride.tolist()] == list(view.strides)


# ---- linear indexes of multi-indexes --------------------------------------------------

def random_midxs(rng, shape, count, layout):
    """count multi-indexes inside shape, from random linear indexes, as an int32 matrix
    that is C-ordered, Fortran-ordered or every second row of a bigger one."""
    lin = rng.integers(0, prod(shape), size=count)
    m = np.stack(np.unravel_index(lin, shape), axis=1).astype(np.int32).reshape(count, len(shape))
    if layout == "F":
        m = np.asfortranarray(m)
    elif layout == "rows":
        big = np.full((2 * count, len(shape)), -99, dtype=np.int32)
        big[::2] = m
        m = big[::2]
    return lin, m


LAYOUTS = ["C", "F", "rows"]


def test_linear_index_of_row():
    rng = np.random.default_rng(122)
    for trial in range(40):
        shape = [int(s) for s in rng.integers(1, 7, size=int(rng.integers(1, 6)))]
        lin, m = random_midxs(rng, shape, 5, LAYOUTS[trial % 3])
        st = i64(row_major(shape), stride=STRIDES[trial % 4])
        init = int(rng.integers(-100, 100))
        for n in (122, 123):
            for row in range(5):
                assert k(n)(row, init, m, len(shape), st) == init + np.ravel_multi_index(tuple(m[row]), shape)
                assert k(n)(row, init, m, 0, st) == init
    big = np.array([[69999, 69999, 1]], dtype=np.int32)
    assert k(122)(0, 0, big, 3, i64([140000, 2, 1])) == 69999 * 140000 + 69999 * 2 + 1


def test_linear_index_of_first_and_step():
    rng = np.random.default_rng(126)
    for trial in range(40):
        shape = [int(s) for s in rng.integers(1, 9, size=int(rng.integers(0, 6)))]
        nd = len(shape)
        first = [int(rng.integers(0, s)) for s in shape]
        step = [int(rng.integers(0, s)) for s in shape]
        st = i64(row_major(shape), stride=STRIDES[trial % 4])
        init = int(rng.integers(-1000, 1000))
        assert k(126)(i32(first, stride=2), init, i32(step, stride=3), st) == \
            init + int(np.ravel_multi_index(tuple(first), shape))
        assert k(127)(i32(step, stride=STRIDES[(trial + 1) % 4]), init, st) == \
            init + int(np.ravel_multi_index(tuple(step), shape))
    # 64-bit linear indexes do not wrap
    assert k(127)(i32([3, 1]), 1 << 40, i64([1 << 33, 1])) == (1 << 40) + 3 * (1 << 33) + 1


def test_native_indexes_of_midxs():
    rng = np.random.default_rng(121)
    for trial in range(30):
        shape = [int(s) for s in rng.integers(1, 6, size=int(rng.integers(1, 5)))]
        count = int(rng.integers(0, 8))
        nativeidxs = rng.permutation(prod(shape)).astype(np.int64) - 3
        lin, m = random_midxs(rng, shape, count, LAYOUTS[trial % 3])
        idxs = i64(np.full(count, -7), stride=STRIDES[trial % 4])
        k(121)(idxs, m, i64(nativeidxs, stride=2), len(shape), i64(row_major(shape)))
        assert idxs.tolist() == nativeidxs[lin].tolist()


def test_coordinates_into_midxs():
    rng = np.random.default_rng(117)
    for trial in range(10):
        count = int(rng.integers(0, 8))
        cols = rng.integers(-5, 50, size=(3, count)).astype(np.int32)
        m3 = np.full((count, 3), -1, dtype=np.int32, order="F" if trial % 2 else "C")
        k(117)(i32(cols[0], stride=2), i32(cols[1]), i32(cols[2], stride=3), m3)
        assert np.array_equal(m3, cols.T)
        big = np.full((count, 4), -1, dtype=np.int32)
        k(118)(i32(cols[0]), i32(cols[1], stride=-1), big[:, ::2])
        assert np.array_equal(big[:, ::2], cols[:2].T)
        assert np.all(big[:, 1::2] == -1)
    index = i32([4, 0, 7], stride=2)
    midx = np.full((2, 3), -1, dtype=np.int32)
    k(116)(index, midx)
    assert midx.tolist() == [[4, 0, 7], [-1, -1, -1]]
    empty = np.full((1, 2), -1, dtype=np.int32)
    k(116)(i32([]), empty)
    assert empty.tolist() == [[-1, -1]]


# ---- range checks ---------------------------------------------------------------------

def test_midxs_range_check():
    rng = np.random.default_rng(119)
    for trial in range(60):
        shape = [int(s) for s in rng.integers(1, 6, size=int(rng.integers(1, 5)))]
        count = int(rng.integers(0, 6))
        m = rng.integers(-1, max(shape) + 1, size=(count, len(shape))).astype(np.int32)
        bad = bool(np.any((m < 0) | (m >= np.array(shape))))
        if trial % 3 == 1:
            m = np.asfortranarray(m)
        assert k(119)(0, m, i32(shape, stride=2)) is bad
        assert k(119)(1, m, i32(shape)) is True
    inside = np.array([[1, 2], [0, 0]], dtype=np.int32)
    assert k(119)(0, inside, i32([2, 3])) is False
    assert k(119)(0, np.array([[1, 3]], dtype=np.int32), i32([2, 3])) is True  # equals its size
    assert k(119)(0, np.zeros((0, 2), dtype=np.int32), i32([2, 3])) is False
    assert k(119)(-4, np.zeros((0, 2), dtype=np.int32), i32([2, 3])) is True


def test_idxs_range_check():
    rng = np.random.default_rng(124)
    for trial in range(60):
        size = int(rng.integers(1, 6))
        idxs = rng.integers(-1, size + 1, size=int(rng.integers(0, 6)))
        bad = bool(np.any((idxs < 0) | (idxs >= size)))
        shape = i32([size, 99], stride=STRIDES[trial % 4])
        assert k(124)(i32(idxs, stride=2), 0, shape) is bad
        assert k(124)(i32(idxs), 3, shape) is True
    assert k(124)(i32([]), 0, i32([0])) is False
    assert k(124)(i32([0]), 0, i32([0])) is True
