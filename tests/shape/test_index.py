"""Size products, stride tables, linear indexes of multi-indexes and their range checks,
against NumPy (np.ravel_multi_index, np.unravel_index) and exact Python products."""
import numpy as np
import pytest

from shape._helpers import LAYOUTS, k, midx_matrix, prod, random_shape, row_major, wrap32
from support.buffers import i32, i64
from support.stacks import Stack

STRIDES = [1, 2, 3, -1]
M0 = np.zeros((0, 2), dtype=np.int32)

# Edge cases the random sweeps miss: nd <= 0 and empty ranges read no shape, 64-bit products.
EXAMPLES = [
    (32, (0, 4, None), 4), (32, (-3, 4, None), 4), (74, (4, 0, None), 4), (161, (0, None, 4), 4),
    (33, (2, 4, 3, None), 4), (48, (2, 2, 4, None), 4), (166, (4, 5, 1, None), 4), (50, (0, 4, None, 10), 4),
    (122, (0, 0, np.array([[69999, 69999, 1]], np.int32), 3, i64([140000, 2, 1])), 69999 * 140000 + 139999),
    (127, (i32([3, 1]), 1 << 40, i64([1 << 33, 1])), (1 << 40) + 3 * (1 << 33) + 1),
    (119, (0, M0, i32([2, 3])), False), (119, (-4, M0, i32([2, 3])), True), (124, (i32([]), 0, i32([0])), False),
]


@pytest.mark.parametrize("n,args,result", EXAMPLES)
def test_examples(n, args, result):
    assert k(n)(*args) == result


# Every entry point of the size products: kernels, call with (init, shape, a, b), span [lo, hi).
PRODUCTS = [
    ([28, 37, 135], lambda f, i, s, a, b: f(i, s), lambda s, a, b: (0, len(s))),
    ([138, 222, 223], lambda f, i, s, a, b: f(s, i), lambda s, a, b: (0, len(s))),
    ([31], lambda f, i, s, a, b: f(i, s), lambda s, a, b: (1, len(s))),
    ([32, 44, 47, 65, 66, 148], lambda f, i, s, a, b: f(a, i, s), lambda s, a, b: (0, a)),
    ([74, 165], lambda f, i, s, a, b: f(i, a, s), lambda s, a, b: (0, a)),
    ([161, 245, 436], lambda f, i, s, a, b: f(a, s, i), lambda s, a, b: (0, a)),
    ([33, 45, 67, 150], lambda f, i, s, a, b: f(a, i, b, s), lambda s, a, b: (a + 1, b)),
    ([48, 49, 149], lambda f, i, s, a, b: f(a, b, i, s), lambda s, a, b: (a + 1, b)),
    ([166], lambda f, i, s, a, b: f(i, a, b, s), lambda s, a, b: (a + 1, b)),
]


@pytest.mark.parametrize("kernels,call,span", PRODUCTS, ids=[str(p[0]) for p in PRODUCTS])
def test_size_products_wrap_in_32_bits(kernels, call, span):
    rng = np.random.default_rng(kernels[0])
    for trial in range(30):
        shape = random_shape(rng, high=9)
        if trial % 10 == 0:
            shape = [int(s) for s in rng.integers(40000, 90000, size=3)]
        a = int(rng.integers(-1, len(shape) + 1))
        b = int(rng.integers(a, len(shape) + 1))
        init = int(rng.integers(-3, 4))
        lo, hi = span(shape, a, b)
        expected = wrap32(prod((shape[j] for j in range(max(lo, 0), hi)), init))
        for n in kernels:
            assert call(k(n), init, i32(shape, stride=STRIDES[trial % 4]), a, b) == expected, (n, shape, a, b)


@pytest.mark.parametrize("n", [112, 210, 229])
def test_size_product_64_bits_does_not_wrap(n):
    rng = np.random.default_rng(112)
    for shape, init in [([70000, 70000], 1), ([1 << 20, 1 << 20, 3], -2)] + [
            (random_shape(rng, high=2000), int(rng.integers(-5, 6))) for _ in range(10)]:
        assert k(n)(i32(shape, stride=3), init) == init * prod(shape)


def test_sizes_around_axes_and_dims():
    rng = np.random.default_rng(56)
    for trial in range(60):
        shape = random_shape(rng, high=7)
        nd = len(shape)
        n, axis, skip = int(rng.integers(0, nd + 1)), int(rng.integers(-2, nd + 2)), int(rng.integers(-1, nd + 1))
        init, pre, post = (int(v) for v in rng.integers(-3, 4, size=3))
        sh = i32(shape, stride=STRIDES[trial % 4])
        kept = (shape[j] for j in range(n) if j not in (axis, skip))
        assert k(56)(axis, skip, n, init, sh) == wrap32(prod(kept, init))
        a = min(max(axis, -1), nd)
        assert k(70)(a, pre, post, init, nd, sh) == (prod(shape[:max(a, 0)], pre), prod(shape[a + 1:], post),
                                                      prod(shape, init))
        stack = Stack(64)
        off = stack.put_i32(shape)
        assert k(50)(n, init, stack.i32, off) == wrap32(init * prod(shape[:n]))
        assert k(39)(init, n, i32(shape, stride=2)) == max([init] + shape[:n])
        real = [s for s in shape[:n] if s != 1]
        assert k(159)(n, init, sh) == init + len(real)
        out = i32(np.full(nd + 2, -9), stride=2)
        k(160)(n, out, i32(shape, stride=3))
        assert out.tolist() == real + [-9] * (nd + 2 - len(real))


@pytest.mark.parametrize("n,make,preset", [(27, i32, 0), (36, i32, 0), (30, i32, 1), (120, i64, 1), (125, i64, 1)])
def test_stride_tables(n, make, preset):
    """27/36 set the innermost stride to 1 and write nothing for nd <= 0; the others scale a preset one."""
    rng = np.random.default_rng(n)
    for trial in range(30):
        shape = random_shape(rng, high=7)
        nd, last = len(shape), int(rng.integers(1, 4)) if preset else 1
        s = make(np.full(nd, -5), stride=STRIDES[trial % 4])
        if nd and preset:
            s[nd - 1] = last
        k(n)(nd, i32(shape, stride=2), s)
        assert s.tolist() == [last * v for v in row_major(shape)]
    s = make([0, 0, 0, 1])
    k(n)(4, i32([1, 70000, 70000, 3]), s)
    assert s.tolist() == [v if make is i64 else wrap32(v) for v in row_major([1, 70000, 70000, 3])]
    for nd in (0, -1) if not preset else ():
        s = i32([-5, -5, -5])
        k(n)(nd, i32([]), s[2:])
        assert s.tolist() == [-5, -5, -5]


def test_five_axis_view():
    rng = np.random.default_rng(57)
    for trial in range(40):
        nd = int(rng.integers(2, 7))
        shape = random_shape(rng, nd, 1, 5)
        a, b = sorted(int(v) for v in rng.choice(nd, size=2, replace=False))
        dim = i32([1, shape[a], 1, shape[b], 1], stride=STRIDES[trial % 4])
        sh = i32(shape, stride=2)
        k(57)(a, dim, sh)
        k(58)(a, b, dim, sh)
        k(59)(b, dim, nd, sh)
        expected = [prod(shape[:a]), shape[a], prod(shape[a + 1:b]), shape[b], prod(shape[b + 1:])]
        assert dim.tolist() == expected
        view = np.arange(prod(shape)).reshape(shape).reshape(expected)
        for n in (60, 227):
            stride = i32([-5, -5, -5, -5, 1], stride=STRIDES[(trial + 1) % 4])
            k(n)(dim, stride)
            assert [v * view.itemsize for v in stride.tolist()] == list(view.strides)


def random_midxs(rng, shape, count, layout):
    lin = rng.integers(0, prod(shape), size=count)
    return lin, midx_matrix(np.stack(np.unravel_index(lin, shape), axis=1).reshape(count, len(shape)), layout)


def test_linear_indexes_of_midxs():
    rng = np.random.default_rng(122)
    for trial in range(30):
        shape = random_shape(rng, int(rng.integers(1, 6)), 1, 7)
        lin, m = random_midxs(rng, shape, 5, LAYOUTS[trial % 3])
        st = i64(row_major(shape), stride=STRIDES[trial % 4])
        init = int(rng.integers(-100, 100))
        for n in (122, 123):
            for row in range(5):
                assert k(n)(row, init, m, len(shape), st) == init + lin[row]
                assert k(n)(row, init, m, 0, st) == init
        first, step = [int(rng.integers(0, s)) for s in shape], [int(rng.integers(0, s)) for s in shape]
        assert k(126)(i32(first, stride=2), init, i32(step, stride=3), st) == init + np.ravel_multi_index(first, shape)
        assert k(127)(i32(step, stride=-1), init, st) == init + np.ravel_multi_index(step, shape)
        count = int(rng.integers(0, 8))
        nativeidxs = rng.permutation(prod(shape)).astype(np.int64) - 3
        lin, m = random_midxs(rng, shape, count, LAYOUTS[trial % 3])
        idxs = i64(np.full(count, -7), stride=STRIDES[trial % 4])
        k(121)(idxs, m, i64(nativeidxs, stride=2), len(shape), i64(row_major(shape)))
        assert idxs.tolist() == nativeidxs[lin].tolist()


def test_coordinates_into_midxs():
    rng = np.random.default_rng(117)
    for count, order in ((0, "C"), (5, "F"), (7, "C")):
        cols = rng.integers(-5, 50, size=(3, count)).astype(np.int32)
        m3, big = np.full((count, 3), -1, np.int32, order=order), np.full((count, 4), -1, np.int32)
        k(117)(i32(cols[0], stride=2), i32(cols[1]), i32(cols[2], stride=3), m3)
        k(118)(i32(cols[0]), i32(cols[1], stride=-1), big[:, ::2])
        assert np.array_equal(m3, cols.T) and np.array_equal(big[:, ::2], cols[:2].T) and (big[:, 1::2] == -1).all()
    midx, empty = np.full((2, 3), -1, dtype=np.int32), np.full((1, 2), -1, dtype=np.int32)
    k(116)(i32([4, 0, 7], stride=2), midx)
    k(116)(i32([]), empty)
    assert midx.tolist() == [[4, 0, 7], [-1, -1, -1]] and empty.tolist() == [[-1, -1]]

def test_range_checks():
    rng = np.random.default_rng(119)
    for trial in range(60):
        shape = random_shape(rng, int(rng.integers(1, 5)), 1, 6)
        m = rng.integers(-1, max(shape) + 1, size=(int(rng.integers(0, 6)), len(shape))).astype(np.int32)
        bad = bool(np.any((m < 0) | (m >= np.array(shape))))
        m = midx_matrix(m, LAYOUTS[trial % 3])
        assert k(119)(0, m, i32(shape, stride=2)) is bad
        assert k(119)(1, m, i32(shape)) is True
        idxs = rng.integers(-1, shape[0] + 1, size=int(rng.integers(0, 6)))
        bad = bool(np.any((idxs < 0) | (idxs >= shape[0])))
        sh = i32(shape, stride=STRIDES[trial % 4])
        assert k(124)(i32(idxs, stride=2), 0, sh) is bad
        assert k(124)(i32(idxs), 3, sh) is True
