"""Shape products, index conversions, five-group folds, shape tables and stack fills."""
import numpy as np
import pytest

import fragments as F
from support.alloclimit import run_capped
from support.buffers import i32, i64
from support.stacks import Stack

STRIDES = (1, 2, -1, 3)


def k(n):
    return getattr(F, f"_c_closure_{n}")


def wrap(v, bits):
    return (v + 2 ** (bits - 1)) % 2 ** bits - 2 ** (bits - 1)


def prod(values, init=1):
    p = init
    for v in values:
        p *= int(v)
    return p


def random_shape(rng, nd=None, top=5):
    """A random shape of 0 .. 4 dimensions (sizes 0 .. top)."""
    nd = int(rng.integers(0, 5)) if nd is None else nd
    return [int(s) for s in rng.integers(0, top + 1, size=nd)]


def row_major(shape):
    """Row-major strides of `shape`, in elements."""
    return [prod(shape[d + 1:]) for d in range(len(shape))]


# ---- products and sums -----------------------------------------------------------------

def test_products_and_sums_match_numpy():
    rng = np.random.default_rng(1)
    for trial in range(150):
        n = int(rng.integers(0, 7))
        big = trial % 3 == 0
        lst = [int(v) for v in rng.integers(-70000, 90000, size=n)] if big else random_shape(rng, n, 6)
        a = i32(lst, stride=STRIDES[trial % 4])
        init = int(rng.integers(-5, 6))
        init64 = int(rng.integers(-2**40, 2**40))
        for num in (210, 229, 237, 244):
            assert k(num)(a, init64) == wrap(init64 * int(np.prod(lst, dtype=np.int64)), 64)
        for num in (222, 223):
            assert k(num)(a, init) == wrap(init * prod(lst), 32)
        m = int(rng.integers(-1, n + 1))
        p32 = wrap(init * int(np.prod(np.array(lst[:max(m, 0)], dtype=np.int32), dtype=np.int32)), 32)
        assert k(215)(init, m, a) == p32 and k(245)(m, a, init) == p32
        assert k(212)(m, a, init) == wrap(init + sum(lst[:max(m, 0)]), 32)
        start, end = sorted(int(v) for v in rng.integers(-1, n + 1, size=2))
        assert k(216)(init, start, end, a) == wrap(prod(lst[max(start + 1, 0):max(end, 0)], init), 32)
        first = [int(v) for v in rng.integers(-3, 4, size=n)]
        last = [f + e for f, e in zip(first, lst)]
        assert k(220)(i32(first), i32(last, stride=-1), m, init) == wrap(prod(lst[:max(m, 0)], init), 32)


def test_strided_offset_uses_the_low_32_bits_of_each_stride():
    rng = np.random.default_rng(2)
    for trial in range(60):
        n = int(rng.integers(0, 6))
        idxa = rng.integers(-1000, 1000, size=n)
        strides = rng.integers(-2**40, 2**40, size=n)
        init = int(rng.integers(-2**31, 2**31))
        low = [wrap(int(s), 32) for s in strides]
        expected = wrap(init + sum(int(a) * s for a, s in zip(idxa, low)), 32)
        assert k(219)(i32(idxa, stride=STRIDES[trial % 4]), init, n, i64(strides, stride=-1)) == expected


def test_empty_ranges_return_init_without_reading():
    assert k(216)(7, 2, 3, None) == 7 and k(216)(7, 5, 1, None) == 7
    assert k(216)(7, 2**31 - 1, -2**31, None) == 7         # start + 1 does not overflow
    assert k(215)(7, 0, None) == 7 and k(220)(None, None, 0, 7) == 7 and k(219)(None, 7, 0, None) == 7
    assert k(216)(2, 0, 3, i32([2, 3, 4])) == 24 and k(216)(2, 0, 2, i32([2, 3, 4])) == 6 and k(220)(i32([1, 1]), i32([3, 3]), 2, 1) == 4


# ---- index conversions -----------------------------------------------------------------

def random_index_cases(rng, count):
    for trial in range(count):
        shape = random_shape(rng)
        size = prod(shape)
        yield trial, shape, (int(rng.integers(0, size)) if size else None)


def test_linear_and_multi_indexes_round_trip_like_numpy():
    rng = np.random.default_rng(3)
    for trial, shape, lin in random_index_cases(rng, 200):
        st = STRIDES[trial % 4]
        sh = i32(shape, stride=st)
        if lin is None or not shape:
            continue
        key = np.unravel_index(lin, shape)
        assert k(230)(i32(key, stride=st), int(key[0]), sh) == lin
        for num, call in ((231, lambda d: k(231)(d, lin, sh)), (233, lambda d: k(233)(lin, d, sh))):
            dest = i32([-9] * len(shape), stride=-st)
            call(dest)
            assert list(dest) == list(key), num
        # the digits of axes 1 .. n - 1 of the first n axes; lin is not reduced by the others
        n = int(rng.integers(0, len(shape) + 1))
        digits = i32([-9] * len(shape), stride=st)
        assert k(232)(digits, n, lin, sh) == lin // prod(shape[1:n])
        expected = [-9] + [lin // prod(shape[t + 1:n]) % shape[t] for t in range(1, n)]
        assert list(digits) == (expected + [-9] * len(shape))[:len(shape)]


def test_index_conversions_worked_examples():
    shape = i32([2, 3, 4])
    dest = i32([0, 0, 0])
    k(231)(dest, 23, shape)
    assert list(dest) == [1, 2, 3] and k(230)(i32([1, 2, 3]), 1, shape) == 23
    kk = i32([-1, -1, -1])
    assert k(232)(kk, 3, 23, shape) == 1 and list(kk) == [-1, 2, 3]
    assert k(232)(kk, 1, 23, shape) == 23 and k(232)(kk, -4, 23, shape) == 23
    # indexes past the outermost axis are not reduced; negative ones divide truncating
    k(231)(dest, 77, shape)
    assert list(dest) == [6, 1, 1]
    k(233)(-5, dest, shape)
    assert list(dest) == [0, -1, -1]


def test_multi_index_of_a_scalar_writes_nothing_and_zero_sizes_do_not_trap():
    dest = i32([7])
    k(231)(dest, 5, i32([]))                 # no axes: no entry to write
    k(233)(5, dest, i32([]))
    assert list(dest) == [7]
    dest = i32([7, 7, 7])
    k(231)(dest, 17, i32([2, 0, 4]))         # a shape without elements: divides as by 1
    assert list(dest) == [4, 0, 1]
    k(231)(dest, -2**63, i32([1, -1, -1]))   # the one quotient that overflows wraps
    assert list(dest) == [0, 0, 0]
    assert k(232)(i32([0, 0]), 2, -2**63, i32([1, -1])) == -2**63


def test_linear_indexes_of_rows_match_numpy():
    rng = np.random.default_rng(4)
    for trial in range(80):
        shape = random_shape(rng)
        rows = int(rng.integers(0, 6))
        idxs = np.stack([rng.integers(0, max(s, 1), size=rows) for s in shape], axis=1).astype(np.int32) \
            if shape else np.zeros((rows, 0), np.int32)
        if trial % 2:
            idxs = np.asfortranarray(idxs)
        out = i64([-9] * (rows + 2), stride=STRIDES[trial % 4])
        k(254)(idxs, len(shape), i32(shape, stride=-1), out)
        expected = [int(np.dot(r, row_major(shape))) if shape else 0 for r in idxs.astype(np.int64)]
        assert list(out[:rows]) == expected and list(out[rows:]) == [-9, -9]
    out = i64([0])
    k(254)(np.array([[1, 2, 3]], np.int32), 3, i32([2, 3, 4]), out)
    assert out[0] == 23


def test_box_gather_matches_numpy_slicing():
    rng = np.random.default_rng(5)
    for trial in range(150):
        shape = random_shape(rng, top=4)
        first = [int(rng.integers(0, s)) if s else 0 for s in shape]
        last = [int(rng.integers(f + 1, s + 1)) if s else 0 for f, s in zip(first, shape)]
        native = rng.integers(0, 1000, size=prod(shape)).astype(np.int32)
        box = native.reshape(shape)[tuple(slice(f, e) for f, e in zip(first, last))].ravel()
        n = int(rng.integers(0, box.size + 1))
        st = STRIDES[trial % 4]
        out = i32([-9] * (n + 2), stride=st)
        k(221)(i32(first, stride=st), i32(last), i32(native, stride=-st), len(shape), i32(shape), out, n)
        assert list(out[:n]) == list(box[:n]) and list(out[n:]) == [-9, -9]
    out = i32([0] * 4)
    k(221)(i32([1, 1]), i32([3, 3]), i32(np.arange(100, 112)), 2, i32([3, 4]), out, 4)
    assert list(out) == [105, 106, 109, 110]


def test_scratch_failure_writes_nothing():
    # 2**28 axes ask for 2 GiB of strides (1 GiB for each int32 array of the gather); the
    # shape and box are zero-stride arrays that cost no memory.
    done = run_capped("""
        import numpy as np, fragments
        nd = 2**28
        ones = np.broadcast_to(np.int32(1), (nd,))
        out64, out32 = np.full(2, 7, np.int64), np.full(2, 7, np.int32)
        cap_address_space()
        for call in (lambda: fragments._c_closure_254(np.zeros((2, 1), np.int32), nd, ones, out64),
                     lambda: fragments._c_closure_221(ones, ones, ones, nd, ones, out32, 2)):
            try:
                call()
            except MemoryError:
                pass
            else:
                raise SystemExit("no MemoryError")
        assert (out64 == 7).all() and (out32 == 7).all()
        print("ok")
    """)
    assert done.stdout.strip() == "ok", done.stderr


# ---- strides and five-group folds --------------------------------------------------------

def test_stride_lists_match_numpy():
    rng = np.random.default_rng(6)
    for trial in range(60):
        shape = random_shape(rng, top=7)
        nd = len(shape)
        for num, source in ((234, shape), (218, shape[:1] + shape[:0:-1])):
            st = i64([-9] * nd + [-8], stride=STRIDES[trial % 4])
            if nd:
                st[nd - 1] = 3
            k(num)(nd, i32(shape, stride=-1), st)
            assert list(st[:nd]) == [3 * s for s in row_major(source)] and st[nd] == -8, num
    for num, expected in ((234, [12, 4, 1]), (218, [12, 3, 1])):
        st = i64([0, 0, 1])
        k(num)(3, i32([2, 3, 4]), st)
        assert list(st) == expected


def test_five_group_folds_and_strides():
    rng = np.random.default_rng(7)
    for trial in range(60):
        dims = [int(v) for v in rng.integers(1, 5, size=int(rng.integers(0, 7)))]
        nd = len(dims)
        a, b = sorted(int(v) for v in rng.integers(-1, nd + 1, size=2))
        acc = [int(v) for v in rng.integers(1, 4, size=5)]
        shape = i32(acc, stride=STRIDES[trial % 4])
        d = i32(dims, stride=-1)
        k(224)(a, d, shape)
        k(225)(a, b, d, shape)
        k(226)(b, d, nd, shape)
        expected = list(acc)
        expected[0] *= prod(dims[:max(a, 0)])
        expected[2] *= prod(dims[a + 1:max(b, 0)])
        expected[4] *= prod(dims[b + 1:])
        assert list(shape) == expected
        stride = i32([0, 0, 0, 0, 2])
        k(227)(shape, stride)
        assert list(stride) == [2 * p for p in row_major(expected)]


def symmetric_oracle(dim, upper, values):
    """The five-group array with the triangle of axes 1 and 3 filled from `values` in
    row-major order and mirrored onto the other triangle."""
    d0, d1, d2, _, d4 = dim
    a1, a3 = np.meshgrid(np.arange(d1), np.arange(d1), indexing="ij")
    tri = (a3 >= a1) if upper else (a3 <= a1)
    mask = np.broadcast_to(tri[None, :, None, :, None], (d0, d1, d2, d1, d4))
    full = np.full(mask.shape, -9, dtype=np.int64)
    full[mask] = values
    return np.where(mask, full, full.transpose(0, 3, 2, 1, 4))


@pytest.mark.parametrize("upper", [0, 1, -3])
def test_symmetric_expansion_matches_a_mirrored_triangle(upper):
    rng = np.random.default_rng(8 + upper)
    for trial in range(40):
        d0, d1, d2, d4 = (int(v) for v in rng.integers(0, 4, size=4))
        dim = [d0, d1, d2, d1, d4]
        count = d0 * d2 * d4 * d1 * (d1 + 1) // 2
        pos = int(rng.integers(0, 4))
        native = rng.integers(1, 1000, size=pos + count + 2).astype(np.int32)
        st = STRIDES[trial % 4]
        nidxs = i32([-9] * (prod(dim) + 2), stride=st)
        dims = i32(dim[:3] + [-5] + dim[4:], stride=-st)       # dim[3] is not read
        ret = k(228)(dims, pos, i32(native, stride=st), nidxs, i32(row_major(dim)), upper)
        assert ret == pos + count
        assert list(nidxs[:prod(dim)]) == list(symmetric_oracle(dim, upper, native[pos:pos + count]).ravel())
        assert list(nidxs[prod(dim):]) == [-9, -9]
    nidxs = i32([0] * 4)
    assert k(228)(i32([1, 2, 1, 2, 1]), 0, i32([10, 11, 12]), nidxs, i32([0, 2, 0, 1, 0]), 0) == 3
    assert list(nidxs) == [10, 11, 11, 12]


# ---- shape tables --------------------------------------------------------------------------

def table(rng, rows, cols, layout):
    t = rng.integers(-9, 9, size=(rows, cols)).astype(np.int32)
    if layout == 1:
        return np.asfortranarray(t)
    if layout == 2:
        big = np.full((rows * 2, cols * 3), -777, np.int32)
        big[::2, ::3] = t
        return big[::2, ::3]
    return t


def test_shape_tables_match_numpy():
    rng = np.random.default_rng(9)
    for trial in range(60):
        rows, cols = (int(v) for v in rng.integers(0, 5, size=2))
        t = table(rng, rows, cols, trial % 3)
        before = t.copy()
        nr, nc = int(rng.integers(0, rows + 1)), int(rng.integers(0, cols + 1))
        k(211)(nr, nc, t)
        before[:nr, :nc] = 1
        assert np.array_equal(t, before)
        if rows and cols:
            row, col = int(rng.integers(0, rows)), int(rng.integers(0, cols))
            shpi = rng.integers(0, 9, size=int(rng.integers(0, cols + 1))).astype(np.int32)
            k(213)(row, t, i32(shpi, stride=-1))
            before[row, :len(shpi)] = shpi
            assert np.array_equal(t, before)
            res = i32(rng.integers(-5, 5, size=cols), stride=STRIDES[trial % 4])
            expected = res.copy()
            n = int(rng.integers(0, rows + 1))
            expected[col] += t[:n, col].sum()
            k(214)(col, n, res, t)
            assert list(res) == list(expected)


# ---- stack fills -------------------------------------------------------------------------

@pytest.mark.parametrize("stride", [1, 2, -1])
@pytest.mark.parametrize("n", [0, 1, 5, 67])
def test_fills_write_exactly_their_runs(stride, n):
    rng = np.random.default_rng(n)
    s = Stack(stride=stride)
    shape_base = s.put_i32(rng.integers(-9, 9, size=n))
    bfix_base = s.put_f64(rng.normal(size=n))
    sp_base = s.put_i64(rng.integers(-2**40, 2**40, size=n))
    shape = s.i32[shape_base:shape_base + n].copy()
    bfix = s.f64[bfix_base:bfix_base + n].copy()
    sp = s.i64[sp_base:sp_base + n].copy()
    r1, r2, r3, r4 = s.take_i32(n), s.take_f64(n), s.take_i32(n + 1), s.take_i64(n)
    snap = s.snapshot()
    F._c_closure_248(n, s.i32, r1, s.i32[shape_base:])
    F._c_closure_250(s.f64[bfix_base:], n, r2, s.f64)
    F._c_closure_251(n, s.i32, r3)
    F._c_closure_249(0, s.i64, r4, s.i64[sp_base:sp_base + n])   # flag 0: nothing
    s.assert_only_changed(snap, i32=[(r1, n), (r3, n + 1)], f64=[(r2, n)])
    F._c_closure_249(-2, s.i64, r4, s.i64[sp_base:sp_base + n])
    assert np.array_equal(s.i32[r1:r1 + n], shape)
    assert np.array_equal(s.f64[r2:r2 + n], bfix)
    assert np.array_equal(s.i64[r4:r4 + n], sp)
    assert np.all(s.i32[r3:r3 + n + 1] == 0)
    s.assert_only_changed(snap, i32=[(r1, n), (r3, n + 1)], f64=[(r2, n)], i64=[(r4, n)])


def test_a_fill_of_minus_one_entries_writes_nothing_and_absent_sources_are_fine():
    r = np.full(4, 5, dtype=np.int32)
    F._c_closure_251(-1, r, 0)
    F._c_closure_248(0, r, 1, None)
    F._c_closure_250(None, 0, 1, np.zeros(1))
    F._c_closure_249(1, np.zeros(1, np.int64), 0, None)
    assert list(r) == [5] * 4


def test_overlapping_copy_on_one_stack_is_a_forward_element_copy():
    # ri32 and shape are the same array: the copy runs forward, element by element,
    # whether the arrays are contiguous or strided.
    for stride in (1, 3):
        a = np.zeros(20 * stride, dtype=np.int32)[::stride]
        a[:10] = np.arange(10)
        F._c_closure_248(8, a, 2, a)  # a[2 + k] = a[k], k < 8, reading what it wrote
        assert list(a[:10]) == [0, 1, 0, 1, 0, 1, 0, 1, 0, 1]
