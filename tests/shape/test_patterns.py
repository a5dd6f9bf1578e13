"""Multi-index conversion and the radix sort of element lists, against NumPy."""
import numpy as np
import pytest

import fragments
from support.buffers import JUNK, i32, i64


def kernel(n):
    return getattr(fragments, f"_c_closure_{n}")


def random_shape(rng, nd, low=0, high=5):
    return [int(v) for v in rng.integers(low, high, size=nd)]


def random_rows(rng, shape, n):
    """n multi-indexes within shape (none when a dimension is empty), with repeats."""
    if n == 0 or 0 in shape:
        return np.zeros((0, len(shape)), dtype=np.int32)
    pool = np.stack([rng.integers(0, s, size=max(1, n // 2)) for s in shape], axis=1) if shape else np.zeros((1, 0))
    return pool[rng.integers(0, len(pool), size=n)].astype(np.int32)


def mat(rows, layout):
    """The rows as a 2-D int32 array: C order, Fortran order, or a strided column view."""
    rows = np.asarray(rows, dtype=np.int32)
    if layout == "F":
        return np.asfortranarray(rows)
    if layout == "strided":
        wide = np.full((rows.shape[0], 2 * rows.shape[1]), JUNK[np.int32], dtype=np.int32)
        wide[:, ::2] = rows
        return wide[:, ::2]
    return rows.copy()


def row_major_strides(shape):
    st = [1] * len(shape)
    for k in range(len(shape) - 1, 0, -1):
        st[k - 1] = st[k] * shape[k]
    return st


# Multi-index list to linear indexes, with bounds checking.

def test_conversion_examples():
    convert = kernel(38)
    out = i64([-1, -1])
    assert convert(0, 2, i32([2, 3]), mat([[1, 2], [0, 0]], "C"), out, i32([3, 1])) is False
    assert out.tolist() == [5, 0]

    out = i64([-1, -1, -1])
    assert convert(0, 3, i32([2, 3]), mat([[0, 0], [2, 0], [1, 1]], "C"), out, i32([3, 1])) is True
    assert out.tolist() == [0, -1, -1]

    out = i64([-1, -1])
    assert convert(1, 2, i32([2, 3]), mat([[1, 2], [0, 0]], "C"), out, i32([3, 1])) is True
    assert out.tolist() == [-1, -1]


@pytest.mark.parametrize("seed", range(12))
def test_conversion_random(seed):
    rng = np.random.default_rng(seed)
    nd = int(rng.integers(0, 4))
    shape = random_shape(rng, nd, 1, 6)
    n = int(rng.integers(0, 12))
    rows = random_rows(rng, shape, n)
    bad = None
    if n and nd and rng.random() < 0.5:
        bad = int(rng.integers(0, n))
        k = int(rng.integers(0, nd))
        rows[bad, k] = shape[k] if rng.random() < 0.5 else -1
    stride = int(rng.choice([1, 2, -3]))
    out = i64(np.full(n, -5), stride=stride)
    sp = mat(rows, rng.choice(["C", "F", "strided"]))
    result = kernel(38)(0, n, i32(shape, stride), sp, out, i32(row_major_strides(shape), -stride))
    good = n if bad is None else bad
    expect = [int(np.ravel_multi_index(tuple(r), shape)) if nd else 0 for r in rows[:good]]
    assert result is (bad is not None)
    assert out[:good].tolist() == expect
    assert (out[good:] == -5).all()


# Radix passes over multi-index rows.

def sort_rows(rows, shape, n, layout="C", stride=1):
    nd = len(shape)
    cur = i32(np.full(n, -9), stride)
    tgt = i32(np.full(n, -9), -stride)
    ptr = i32(np.full(max(shape, default=0) + 2, -9), stride)
    kernel(40)(cur, n)
    midxs = mat(rows, layout)
    for p in range(nd):
        kernel(41)(cur, p, midxs, n, nd, ptr, i32(shape), tgt)
        cur, tgt = tgt, cur
    return cur, midxs


def test_row_sort_example():
    shape = [2, 2]
    perm, midxs = sort_rows([[1, 0], [0, 1], [0, 0]], shape, 3)
    assert perm.tolist() == [2, 1, 0]
    out = i64([-1, -1, -1])
    kernel(42)(perm, midxs, 3, 2, out, i32([2, 1]))
    assert out.tolist() == [0, 1, 2]


@pytest.mark.parametrize("seed", range(15))
def test_row_sort_random(seed):
    rng = np.random.default_rng(100 + seed)
    nd = int(rng.integers(1, 5))
    shape = random_shape(rng, nd, 0 if seed % 5 == 0 else 1, 6)
    n = int(rng.integers(0, 40)) if 0 not in shape else 0
    rows = random_rows(rng, shape, n)
    stride = int(rng.choice([1, 2, -2]))
    perm, midxs = sort_rows(rows, shape, n, rng.choice(["C", "F", "strided"]), stride)
    linear = np.array([np.ravel_multi_index(tuple(r), shape) for r in rows], dtype=np.int64)
    order = np.argsort(linear, kind="stable")
    assert perm.tolist() == order.tolist()

    out = i64(np.full(n, -3), -stride)
    kernel(42)(perm, midxs, n, nd, out, i32(row_major_strides(shape), stride))
    assert out.tolist() == linear[order].tolist()


def test_row_pass_without_rows():
    """n = 0 still clears shape[d] + 1 buckets, and writes no permutation entry."""
    ptr = i32([7, 7, 7, 7, 7])
    tgt = i32([9, 9])
    kernel(41)(i32([]), 0, np.zeros((0, 2), np.int32), 0, 2, ptr, i32([5, 3]), tgt)
    assert ptr.tolist() == [0, 0, 0, 0, 7]
    assert tgt.tolist() == [9, 9]


@pytest.mark.parametrize("number", [40, 174, 192])
def test_identity(number):
    cur = i32(np.full(6, -1), 2)
    kernel(number)(cur, 5)
    assert cur.tolist() == [0, 1, 2, 3, 4, -1]


# Split passes over linear indexes of a target shape.

STEPS = {"primary": (173, 175, 176, 177, 178), "alias": (195, 196, 197, 198, 199)}


@pytest.mark.parametrize("steps", list(STEPS))
@pytest.mark.parametrize("seed", range(8))
def test_linear_sort_random(steps, seed):
    strides_k, clear, count, accumulate, scatter = (kernel(k) for k in STEPS[steps])
    rng = np.random.default_rng(200 + seed)
    nd = int(rng.integers(1, 5))
    rshape = random_shape(rng, nd, 1, 6)
    total = int(np.prod(rshape))
    n = int(rng.integers(0, 30))
    rsp = rng.integers(0, total, size=n).astype(np.int64)
    stride = int(rng.choice([1, 3, -1]))

    s = i64(np.full(nd, -4), stride)
    s[nd - 1] = 1
    strides_k(nd, i32(rshape), s)
    assert s.tolist() == row_major_strides(rshape)

    cur = i32(np.full(n, -9), stride)
    tgt = i32(np.full(n, -9), stride)
    ptr = i32(np.full(max(rshape) + 1, -9), -stride)
    kernel(40)(cur, n)
    rsp_view = i64(rsp, -stride)
    for d in range(nd - 1, -1, -1):
        clear(d, ptr, i32(rshape))
        count(d, ptr, n, i32(rshape), rsp_view, s)
        accumulate(d, ptr, i32(rshape))
        scatter(cur, d, ptr, n, i32(rshape), rsp_view, s, tgt)
        cur, tgt = tgt, cur
    assert cur.tolist() == np.argsort(rsp, kind="stable").tolist()
