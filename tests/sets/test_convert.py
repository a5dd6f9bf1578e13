"""Shape products (sparse ones too), index conversions, five-group folds, shape tables, stack fills."""
import numpy as np
import pytest

import fragments as F
from support.alloclimit import run_capped
from support.buffers import i32, i64
from support.products import call
from support.stacks import Stack

STRIDES = (1, 2, -1, 3)


def wrap(v, bits):
    return (v + 2 ** (bits - 1)) % 2 ** bits - 2 ** (bits - 1)


def prod(values, init=1):
    for v in values:
        init *= int(v)
    return init


def random_shape(rng, top=5):
    return [int(s) for s in rng.integers(0, top + 1, size=int(rng.integers(0, 5)))]


def row_major(shape):
    return [prod(shape[d + 1:]) for d in range(len(shape))]


SHAPE = [2, 3, 4]
# (kernel, arguments (lists become int32 arrays), result, written argument, its contents after)
EXAMPLES = [
    (216, dict(init=7, start=2, end=3, resshape=None), 7, None, None),  # empty ranges read nothing
    (216, dict(init=7, start=5, end=1, resshape=None), 7, None, None),
    (216, dict(init=7, start=2**31 - 1, end=-2**31, resshape=None), 7, None, None),  # start + 1 does not wrap
    (215, dict(init=7, n=0, resshape=None), 7, None, None),
    (220, dict(firsta=None, lasta=None, n=0, init=7), 7, None, None),
    (219, dict(idxa=None, init=7, n=0, strides=None), 7, None, None),
    (216, dict(init=2, start=0, end=3, resshape=SHAPE), 24, None, None),
    (216, dict(init=2, start=0, end=2, resshape=SHAPE), 6, None, None),
    (220, dict(firsta=[1, 1], lasta=[3, 3], n=2, init=1), 4, None, None),
    (445, dict(n=2, shape=[70000, 70000], init=1), 4_900_000_000, None, None),  # 64-bit products
    (451, dict(dims_=[2**31 - 1] * 3, init=5), wrap(5 * (2**31 - 1) ** 3, 64), None, None),
    (230, dict(key=[1, 2, 3], init=1, shape=SHAPE), 23, None, None),
    (231, dict(dest=[0] * 3, lin=23, shape=SHAPE), None, "dest", [1, 2, 3]),
    (231, dict(dest=[0] * 3, lin=77, shape=SHAPE), None, "dest", [6, 1, 1]),  # outermost axis not reduced
    (233, dict(lin=-5, res=[0] * 3, shape=SHAPE), None, "res", [0, -1, -1]),  # division truncates
    (232, dict(k=[-1] * 3, n=3, lin=23, shape=SHAPE), 1, "k", [-1, 2, 3]),
    (232, dict(k=[-1] * 3, n=1, lin=23, shape=SHAPE), 23, "k", [-1] * 3),
    (232, dict(k=[-1] * 3, n=-4, lin=23, shape=SHAPE), 23, "k", [-1] * 3),
    (231, dict(dest=[7], lin=5, shape=[]), None, "dest", [7]),  # no axes: nothing to write
    (233, dict(lin=5, res=[7], shape=[]), None, "res", [7]),
    (231, dict(dest=[7] * 3, lin=17, shape=[2, 0, 4]), None, "dest", [4, 0, 1]),  # size 0 divides as 1
    (231, dict(dest=[7] * 3, lin=-2**63, shape=[1, -1, -1]), None, "dest", [0, 0, 0]),  # quotient wraps
    (232, dict(k=[0, 0], n=2, lin=-2**63, shape=[1, -1]), -2**63, None, None),
    (234, dict(nd=3, shape=SHAPE, st=i64([0, 0, 1])), None, "st", [12, 4, 1]),
    (221, dict(firsta=[1, 1], lasta=[3, 3], nativeidxs=list(range(100, 112)), nd=2, shape=[3, 4],
               sliceidxs=[0] * 4, n=4), None, "sliceidxs", [105, 106, 109, 110]),
    (254, dict(idxs=np.array([[1, 2, 3]], np.int32), nd=3, shape=SHAPE, this_idxs=i64([0])), None, "this_idxs", [23]),
    (228, dict(dim=[1, 2, 1, 2, 1], pos=0, nativeidxs=[10, 11, 12], nidxs=[0] * 4, stride=[0, 2, 0, 1, 0], upper=0),
     3, "nidxs", [10, 11, 11, 12]),
    (251, dict(n=-1, ri32=[5] * 4, off=0), None, "ri32", [5] * 4),  # fills of n <= 0 write nothing
    (248, dict(n=0, ri32=[5] * 4, off=1, shape=None), None, "ri32", [5] * 4),
    (250, dict(bfix=None, n=0, off=1, rf64=np.zeros(1)), None, "rf64", [0.0]),
    (249, dict(flag=1, ri64=i64([3]), off=0, sparsity=None), None, "ri64", [3]),
]


@pytest.mark.parametrize("num,args,result,out,after", EXAMPLES)
def test_worked_examples(num, args, result, out, after):
    args = {name: i32(v) if isinstance(v, list) else v for name, v in args.items()}
    assert call(num, **args) == result
    if out:
        assert list(args[out]) == after


def test_products_sums_and_offsets_match_python():
    rng = np.random.default_rng(1)
    for trial in range(100):
        n = int(rng.integers(0, 7))
        lst = [int(v) for v in (rng.integers(-70000, 90000, size=n) if trial % 3 == 0 else rng.integers(0, 7, size=n))]
        a = i32(lst, stride=STRIDES[trial % 4])
        init, big = int(rng.integers(-5, 6)), int(rng.integers(-2**40, 2**40))
        m = int(rng.integers(-1, n + 1))
        head = lst[:max(m, 0)]
        for num in (210, 229, 237, 244, 451, 459):
            assert call(num, shape=a, dims=a, dim=a, dims_=a, init=big) == wrap(big * prod(lst), 64)
        assert F._c_closure_445(m, a, big) == wrap(prod(head, big), 64)
        for num in (222, 223):
            assert call(num, shape=a, init=init) == wrap(init * prod(lst), 32)
        assert F._c_closure_215(init, m, a) == F._c_closure_245(m, a, init) == wrap(prod(head, init), 32)
        assert F._c_closure_212(m, a, init) == wrap(init + sum(head), 32)
        start, end = sorted(int(v) for v in rng.integers(-1, n + 1, size=2))
        assert F._c_closure_216(init, start, end, a) == wrap(prod(lst[max(start + 1, 0):max(end, 0)], init), 32)
        first = [int(v) for v in rng.integers(-3, 4, size=n)]
        last = i32([f + e for f, e in zip(first, lst)], stride=-1)
        assert F._c_closure_220(i32(first), last, m, init) == wrap(prod(head, init), 32)
        # offsets take the low 32 bits of each 64-bit stride
        strides, init = rng.integers(-2**40, 2**40, size=n), int(rng.integers(-2**31, 2**31))
        expected = wrap(init + sum(x * wrap(int(s), 32) for x, s in zip(lst, strides)), 32)
        assert F._c_closure_219(a, init, n, i64(strides, stride=-1)) == expected


def test_linear_and_multi_indexes_round_trip_like_numpy():
    rng = np.random.default_rng(3)
    for trial in range(150):
        shape, st = random_shape(rng), STRIDES[trial % 4]
        if not prod(shape) or not shape:
            continue
        lin, sh = int(rng.integers(0, prod(shape))), i32(shape, stride=st)
        key = np.unravel_index(lin, shape)
        assert F._c_closure_230(i32(key, stride=st), int(key[0]), sh) == lin
        for num in (231, 233):
            dest = i32([-9] * len(shape), stride=-st)
            call(num, dest=dest, res=dest, lin=lin, shape=sh)
            assert list(dest) == list(key), num
        # the digits of axes 1 .. n - 1 of the first n axes; lin is not reduced by the others
        n = int(rng.integers(0, len(shape) + 1))
        digits = i32([-9] * len(shape), stride=st)
        assert F._c_closure_232(digits, n, lin, sh) == lin // prod(shape[1:n])
        expected = [-9] + [lin // prod(shape[t + 1:n]) % shape[t] for t in range(1, n)]
        assert list(digits) == (expected + [-9] * len(shape))[:len(shape)]


def test_row_indexes_and_box_gather_match_numpy():
    rng = np.random.default_rng(4)
    for trial in range(100):
        shape, st = random_shape(rng, top=4), STRIDES[trial % 4]
        rows = int(rng.integers(0, 6))
        idxs = np.array([[int(rng.integers(0, max(s, 1))) for s in shape] for _ in range(rows)], np.int32)
        idxs = np.asfortranarray(idxs.reshape(rows, len(shape))) if trial % 2 else idxs.reshape(rows, len(shape))
        out = i64([-9] * (rows + 2), stride=st)
        F._c_closure_254(idxs, len(shape), i32(shape, stride=-1), out)
        assert list(out) == [int(np.dot(r, row_major(shape))) for r in idxs.astype(np.int64)] + [-9, -9]
        first = [int(rng.integers(0, s)) if s else 0 for s in shape]
        last = [int(rng.integers(f + 1, s + 1)) if s else 0 for f, s in zip(first, shape)]
        native = rng.integers(0, 1000, size=prod(shape)).astype(np.int32)
        box = native.reshape(shape)[tuple(slice(f, e) for f, e in zip(first, last))].ravel()
        n = int(rng.integers(0, box.size + 1))
        out = i32([-9] * (n + 2), stride=st)
        F._c_closure_221(i32(first, stride=st), i32(last), i32(native, stride=-st), len(shape), i32(shape), out, n)
        assert list(out) == list(box[:n]) + [-9, -9]


def test_scratch_failure_raises_memory_error_and_writes_nothing():
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


def test_218_strides_are_row_major_so_elements_keep_distinct_offsets():
    strides = i64([0, 0, 1])
    F._c_closure_218(3, i32(SHAPE), strides)
    assert list(strides) == [12, 4, 1]  # (0, 1, 0) at 4, (0, 0, 3) at 3


def test_stride_lists_and_five_group_folds():
    rng = np.random.default_rng(6)
    for trial in range(50):
        shape, st = random_shape(rng, top=7), STRIDES[trial % 4]
        nd = len(shape)
        for num in (234, 218):
            out = i64([-9] * nd + [-8], stride=st)
            if nd:
                out[nd - 1] = 3
            call(num, nd=nd, shape=i32(shape, stride=-1), st=out, strides=out)
            assert list(out) == [3 * s for s in row_major(shape)] + [-8], num
        dims = [int(v) for v in rng.integers(1, 5, size=int(rng.integers(0, 7)))]
        a, b = sorted(int(v) for v in rng.integers(-1, len(dims) + 1, size=2))
        acc = [int(v) for v in rng.integers(1, 4, size=5)]
        fold, d = i32(acc, stride=st), i32(dims, stride=-1)
        F._c_closure_224(a, d, fold)
        F._c_closure_225(a, b, d, fold)
        F._c_closure_226(b, d, len(dims), fold)
        acc[0] *= prod(dims[:max(a, 0)])
        acc[2] *= prod(dims[a + 1:max(b, 0)])
        acc[4] *= prod(dims[b + 1:])
        assert list(fold) == acc
        stride = i32([0, 0, 0, 0, 2])
        F._c_closure_227(fold, stride)
        assert list(stride) == [2 * p for p in row_major(acc)]


@pytest.mark.parametrize("upper", [0, 1, -3])
def test_symmetric_expansion_matches_a_mirrored_triangle(upper):
    rng = np.random.default_rng(8 + upper)
    for trial in range(30):
        d0, d1, d2, d4 = (int(v) for v in rng.integers(0, 4, size=4))
        dim = [d0, d1, d2, d1, d4]
        count, pos, st = d0 * d2 * d4 * d1 * (d1 + 1) // 2, int(rng.integers(0, 4)), STRIDES[trial % 4]
        native = rng.integers(1, 1000, size=pos + count + 2).astype(np.int32)
        nidxs = i32([-9] * (prod(dim) + 2), stride=st)
        dims = i32(dim[:3] + [-5] + dim[4:], stride=-st)  # dim[3] is not read
        assert F._c_closure_228(dims, pos, i32(native, stride=st), nidxs, i32(row_major(dim)), upper) == pos + count
        a1, a3 = np.meshgrid(np.arange(d1), np.arange(d1), indexing="ij")
        mask = np.broadcast_to(((a3 >= a1) if upper else (a3 <= a1))[None, :, None, :, None], dim)
        full = np.full(dim, -9, dtype=np.int64)
        full[mask] = native[pos:pos + count]
        assert list(nidxs) == list(np.where(mask, full, full.transpose(0, 3, 2, 1, 4)).ravel()) + [-9, -9]


def test_shape_tables_match_numpy():
    rng = np.random.default_rng(9)
    for trial in range(40):
        rows, cols = (int(v) for v in rng.integers(0, 5, size=2))
        t = rng.integers(-9, 9, size=(rows, cols)).astype(np.int32)
        if trial % 3:
            t = np.asfortranarray(t) if trial % 3 == 1 else np.repeat(np.repeat(t, 2, 0), 3, 1)[::2, ::3]
        before = t.copy()
        nr, nc = int(rng.integers(0, rows + 1)), int(rng.integers(0, cols + 1))
        F._c_closure_211(nr, nc, t)
        before[:nr, :nc] = 1
        assert np.array_equal(t, before)
        if rows and cols:
            row, col = int(rng.integers(0, rows)), int(rng.integers(0, cols))
            shpi = rng.integers(0, 9, size=int(rng.integers(0, cols + 1))).astype(np.int32)
            F._c_closure_213(row, t, i32(shpi, stride=-1))
            before[row, :len(shpi)] = shpi
            assert np.array_equal(t, before)
            res = i32(rng.integers(-5, 5, size=cols), stride=STRIDES[trial % 4])
            expected, n = res.copy(), int(rng.integers(0, rows + 1))
            expected[col] += t[:n, col].sum()
            F._c_closure_214(col, n, res, t)
            assert list(res) == list(expected)


@pytest.mark.parametrize("stride,n", [(1, 0), (2, 1), (-1, 5), (2, 67)])
def test_fills_write_exactly_their_runs(stride, n):
    rng = np.random.default_rng(n)
    s = Stack(stride=stride)
    shape_base = s.put_i32(rng.integers(-9, 9, size=n))
    bfix_base = s.put_f64(rng.normal(size=n))
    sp_base = s.put_i64(rng.integers(-2**40, 2**40, size=n))
    shape, bfix = s.i32[shape_base:shape_base + n].copy(), s.f64[bfix_base:bfix_base + n].copy()
    sp = s.i64[sp_base:sp_base + n].copy()
    r1, r2, r3, r4 = s.take_i32(n), s.take_f64(n), s.take_i32(n + 1), s.take_i64(n)
    snap = s.snapshot()
    F._c_closure_248(n, s.i32, r1, s.i32[shape_base:])
    F._c_closure_250(s.f64[bfix_base:], n, r2, s.f64)
    F._c_closure_251(n, s.i32, r3)
    F._c_closure_249(0, s.i64, r4, s.i64[sp_base:sp_base + n])  # flag 0: nothing
    s.assert_only_changed(snap, i32=[(r1, n), (r3, n + 1)], f64=[(r2, n)])
    F._c_closure_249(-2, s.i64, r4, s.i64[sp_base:sp_base + n])
    assert np.array_equal(s.i32[r1:r1 + n], shape) and np.array_equal(s.f64[r2:r2 + n], bfix)
    assert np.array_equal(s.i64[r4:r4 + n], sp) and np.all(s.i32[r3:r3 + n + 1] == 0)
    s.assert_only_changed(snap, i32=[(r1, n), (r3, n + 1)], f64=[(r2, n)], i64=[(r4, n)])


@pytest.mark.parametrize("stride", [1, 3])
def test_overlapping_copy_on_one_stack_is_a_forward_element_copy(stride):
    a = np.zeros(20 * stride, dtype=np.int32)[::stride]
    a[:10] = np.arange(10)
    F._c_closure_248(8, a, 2, a)  # a[2 + k] = a[k], k < 8, reading what it wrote
    assert list(a[:10]) == [0, 1, 0, 1, 0, 1, 0, 1, 0, 1]
