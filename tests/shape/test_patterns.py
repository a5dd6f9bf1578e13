"""Multi-index conversion and the radix sort of element lists, against np.ravel_multi_index
and NumPy's stable argsort."""
import numpy as np
import pytest

from shape._helpers import LAYOUTS, call, k, midx_matrix, random_shape, row_major
from support.buffers import i32, i64


def random_rows(rng, shape, n):
    if n == 0 or 0 in shape:
        return np.zeros((0, len(shape)), dtype=np.int32)
    pool = np.stack([rng.integers(0, s, size=max(1, n // 2)) for s in shape], axis=1)
    return pool[rng.integers(0, len(pool), size=n)].astype(np.int32)


@pytest.mark.parametrize("seed", range(8))
def test_conversion(seed):
    rng = np.random.default_rng(seed)
    nd = int(rng.integers(0, 4))
    shape = random_shape(rng, nd, 1, 6)
    n = int(rng.integers(0, 12))
    rows = random_rows(rng, shape, n) if nd else np.zeros((n, 0), dtype=np.int32)
    bad = None
    if n and nd and rng.random() < 0.5:
        bad, j = int(rng.integers(0, n)), int(rng.integers(0, nd))
        rows[bad, j] = shape[j] if rng.random() < 0.5 else -1
    stride = int(rng.choice([1, 2, -3]))
    out = i64(np.full(n, -5), stride=stride)
    st = i32(row_major(shape), -stride)
    assert call(38, flag=0, n=n, shape=i32(shape, stride), sp=midx_matrix(rows, LAYOUTS[seed % 3]), sparsity=out,
                strides=st) is (bad is not None)
    good = n if bad is None else bad
    assert out[:good].tolist() == [int(np.ravel_multi_index(tuple(r), shape)) if nd else 0 for r in rows[:good]]
    assert (out[good:] == -5).all()
    out = i64(np.full(n, -5))
    assert k(38)(1, n, i32(shape), rows, out, st) is True and (out == -5).all()  # an earlier failure passes on


@pytest.mark.parametrize("seed", range(8))
def test_row_sort(seed):
    rng = np.random.default_rng(100 + seed)
    nd = int(rng.integers(1, 5))
    shape = random_shape(rng, nd, 0 if seed % 4 == 0 else 1, 6)
    n = int(rng.integers(0, 40)) if 0 not in shape else 0
    rows = random_rows(rng, shape, n)
    stride = int(rng.choice([1, 2, -2]))
    cur, tgt = i32(np.full(n, -9), stride), i32(np.full(n, -9), -stride)
    ptr = i32(np.full(max(shape) + 2, -9), stride)
    k(40)(cur, n)
    midxs = midx_matrix(rows, LAYOUTS[seed % 3])
    for p in range(nd):
        k(41)(cur, p, midxs, n, nd, ptr, i32(shape), tgt)
        cur, tgt = tgt, cur
    linear = np.array([np.ravel_multi_index(tuple(r), shape) for r in rows], dtype=np.int64)
    order = np.argsort(linear, kind="stable")
    assert cur.tolist() == order.tolist()
    out = i64(np.full(n, -3), -stride)
    k(42)(cur, midxs, n, nd, out, i32(row_major(shape), stride))
    assert out.tolist() == linear[order].tolist()


def test_row_pass_without_rows():
    """n = 0 still clears shape[d] + 1 buckets, and writes no permutation entry."""
    ptr, tgt = i32([7, 7, 7, 7, 7]), i32([9, 9])
    k(41)(i32([]), 0, np.zeros((0, 2), np.int32), 0, 2, ptr, i32([5, 3]), tgt)
    assert ptr.tolist() == [0, 0, 0, 0, 7] and tgt.tolist() == [9, 9]


@pytest.mark.parametrize("n", [40, 174, 192])
def test_identity(n):
    cur = i32(np.full(6, -1), 2)
    k(n)(cur, 5)
    assert cur.tolist() == [0, 1, 2, 3, 4, -1]


@pytest.mark.parametrize("steps", [(173, 175, 176, 177, 178), (195, 196, 197, 198, 199)])
@pytest.mark.parametrize("seed", range(4))
def test_linear_sort(steps, seed):
    strides, clear, count, accumulate, scatter = (k(n) for n in steps)
    rng = np.random.default_rng(200 + seed)
    nd = int(rng.integers(1, 5))
    rshape = random_shape(rng, nd, 1, 6)
    n = int(rng.integers(0, 30))
    rsp = rng.integers(0, int(np.prod(rshape)), size=n).astype(np.int64)
    stride = int(rng.choice([1, 3, -1]))
    s = i64(np.full(nd, -4), stride)
    s[nd - 1] = 1
    strides(nd, i32(rshape), s)
    assert s.tolist() == row_major(rshape)
    cur, tgt = i32(np.full(n, -9), stride), i32(np.full(n, -9), stride)
    ptr = i32(np.full(max(rshape) + 1, -9), -stride)
    k(40)(cur, n)
    rsp_view = i64(rsp, -stride)
    for d in range(nd - 1, -1, -1):
        clear(d, ptr, i32(rshape))
        count(d, ptr, n, i32(rshape), rsp_view, s)
        accumulate(d, ptr, i32(rshape))
        scatter(cur, d, ptr, n, i32(rshape), rsp_view, s, tgt)
        cur, tgt = tgt, cur
    assert cur.tolist() == np.argsort(rsp, kind="stable").tolist()
