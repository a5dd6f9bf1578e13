"""Slices of dense and sparse variables and native index lists, against NumPy slicing of a
dense array of native indexes."""
import numpy as np
import pytest

import fragments
from support.buffers import i32, i64

JUNK64 = -7777


def wrap32(v):
    return (v + 2**31) % 2**32 - 2**31


def kernel(n):
    return getattr(fragments, f"_c_closure_{n}")


def random_variable(rng, nd, sparse):
    """shape, the dense array of native indexes (0 = absent), nativeidxs, sparsity (or None)."""
    shape = [int(v) for v in rng.integers(0, 5, size=nd)]
    if rng.random() < 0.7:  # mostly without empty dimensions
        shape = [max(1, s) for s in shape]
    total = int(np.prod(shape))
    dense = rng.integers(1, 10**6, size=total).astype(np.int64) * rng.choice([-1, 1], size=total)
    if not sparse:
        return shape, dense.reshape(shape), dense, None
    present = rng.random(total) < 0.5
    dense[~present] = 0
    sparsity = np.flatnonzero(present).astype(np.int64)
    return shape, dense.reshape(shape), dense[sparsity], sparsity


def random_box(rng, shape):
    first, last = [], []
    for s in shape:
        a, b = sorted(rng.integers(0, s + 1, size=2).tolist())
        first.append(a)
        last.append(b)
    return first, last


def box_of(first, last):
    return tuple(slice(a, b) for a, b in zip(first, last))


def sparse_slice(shape, nativeidxs, sparsity, first, last, pos=0, stride=1):
    """Runs the count and build passes; returns count, end, idxs, sp, key."""
    nd = len(shape)
    key = i32(np.full(max(nd, 1), -9), stride)
    count = kernel(130)(i32(first, stride), key, i32(last, -stride), nd, 3, i32(shape, stride), i64(sparsity, stride)) - 3
    idxs = i64(np.full(pos + count + 2, JUNK64), stride)
    sp = i64(np.full(pos + count + 2, JUNK64), -stride)
    sliceshape = [b - a for a, b in zip(first, last)]
    end = kernel(131)(i32(first), pos, idxs, key, i32(last), i64(nativeidxs, -stride), nd, i32(shape),
                      i32(sliceshape, stride), sp, i64(sparsity))
    return count, end, idxs, sp, key


def test_box_size():
    assert kernel(129)(i32([1, 0]), i32([3, 2]), 2, 1) == 4
    assert kernel(129)(i32([1, 2]), i32([3, 2]), 2, 5) == 0
    assert kernel(129)(i32([]), i32([]), 0, 7) == 7
    assert kernel(129)(i32([0, 0, 2], 2), i32([60000, 60000, 7], -1), 3, 1) == wrap32(60000 * 60000 * 5)


def test_sparse_slice_example():
    count, end, idxs, sp, key = sparse_slice([3, 4], [10, 50, 60, 110], [1, 5, 6, 11], [1, 1], [3, 3])
    assert count == 2 and end == 2
    assert sp[:2].tolist() == [0, 1]
    assert idxs[:2].tolist() == [50, 60]
    assert key[:2].tolist() == [2, 3]  # the last element tested was 11 = (2, 3)


def test_sparse_slice_box_edges():
    """A coordinate equal to first is inside, one equal to last is outside."""
    shape, sparsity = [4, 4], [4 * 1 + 1, 4 * 1 + 3, 4 * 3 + 1]
    count, end, idxs, sp, _ = sparse_slice(shape, [7, 8, 9], sparsity, [1, 1], [3, 3])
    assert count == 1 and end == 1 and idxs[0] == 7 and sp[0] == 0


@pytest.mark.parametrize("seed", range(20))
def test_sparse_slice_random(seed):
    rng = np.random.default_rng(300 + seed)
    nd = int(rng.integers(0, 4))
    shape, dense, nativeidxs, sparsity = random_variable(rng, nd, sparse=True)
    first, last = random_box(rng, shape)
    pos = int(rng.integers(0, 4))
    count, end, idxs, sp, key = sparse_slice(shape, nativeidxs, sparsity, first, last, pos,
                                             stride=int(rng.choice([1, 2, -1])))
    piece = dense[box_of(first, last)]
    present = np.flatnonzero(piece.ravel() != 0)
    assert count == len(present)
    assert end == pos + count
    assert idxs[pos:end].tolist() == piece.ravel()[present].tolist()
    assert sp[pos:end].tolist() == present.tolist()
    assert (idxs[:pos] == JUNK64).all() and (idxs[end:] == JUNK64).all()
    assert (sp[:pos] == JUNK64).all() and (sp[end:] == JUNK64).all()
    if nd and len(sparsity):
        assert key[:nd].tolist() == list(np.unravel_index(sparsity[-1], shape))


def test_sparse_slice_zero_dimensions():
    """nd = 0: one element, inside the empty box at linear index 0; key is left alone."""
    count, end, idxs, sp, key = sparse_slice([], [42], [0], [], [], pos=1)
    assert (count, end) == (1, 2)
    assert idxs[1] == 42 and sp[1] == 0
    assert key.tolist() == [-9]


@pytest.mark.parametrize("seed", range(20))
def test_dense_slice_random(seed):
    rng = np.random.default_rng(400 + seed)
    nd = int(rng.integers(0, 5))
    shape, dense, nativeidxs, _ = random_variable(rng, nd, sparse=False)
    first, last = random_box(rng, shape)
    n = kernel(129)(i32(first), i32(last), nd, 1)
    stride = int(rng.choice([1, 2, -2]))
    out = i64(np.full(n + 1, JUNK64), stride)
    kernel(132)(i32(first, stride), i32(last, -stride), i64(nativeidxs, stride), nd, i32(shape, -stride), out, n)
    assert out[:n].tolist() == dense[box_of(first, last)].ravel().tolist()
    assert out[n] == JUNK64


def test_dense_slice_example():
    out = i64(np.full(4, JUNK64))
    kernel(132)(i32([1, 1]), i32([3, 3]), i64(np.arange(100, 112)), 2, i32([3, 4]), out, 4)
    assert out.tolist() == [105, 106, 109, 110]


@pytest.mark.parametrize("n", [0, 1])
def test_dense_slice_zero_dimensions(n):
    out = i64([JUNK64, JUNK64])
    kernel(132)(i32([]), i32([]), i64([42]), 0, i32([]), out, n)
    assert out.tolist() == [42 if n else JUNK64, JUNK64]


@pytest.mark.parametrize("start,step,n", [(1, 2, 3), (0, 1, 0), (9, -3, 4), (4, 0, 3)])
def test_strided_pick(start, step, n):
    nat = np.arange(500, 510, dtype=np.int64)
    out = i64(np.full(n + 1, JUNK64), -2)
    kernel(128)(i64(nat, 3), n, out, start, step)
    assert out[:n].tolist() == nat[start + step * np.arange(n)].tolist()
    assert out[n] == JUNK64


def test_joining_index_lists():
    rng = np.random.default_rng(5)
    this = rng.integers(-50, 50, size=5).astype(np.int64)

    nat, sp = i64(np.full(10, JUNK64), 2), i64(np.full(10, JUNK64), -1)
    kernel(133)(nat, 3, sp, 4, i64(this, -2))
    expect_nat, expect_sp = np.full(10, JUNK64), np.full(10, JUNK64)
    expect_nat[3:8], expect_sp[4:9] = this, np.arange(5)
    assert nat.tolist() == expect_nat.tolist() and sp.tolist() == expect_sp.tolist()

    nindex = i64(np.full(9, JUNK64), 3)
    kernel(134)(i64(this, 2), nindex, 2)
    assert nindex.tolist() == [JUNK64] * 2 + this.tolist() + [JUNK64] * 2

    kernel(136)(3, nindex, 5)
    assert nindex.tolist() == [JUNK64] * 2 + this[:3].tolist() + [0] * 3 + [JUNK64]
    kernel(136)(0, nindex, 0)
    assert nindex[0] == JUNK64


@pytest.mark.parametrize("seed", range(6))
def test_sparse_into_dense_list(seed):
    rng = np.random.default_rng(500 + seed)
    shape, dense, nativeidxs, sparsity = random_variable(rng, int(rng.integers(0, 4)), sparse=True)
    off = int(rng.integers(0, 3))
    nindex = i64(np.full(off + dense.size + 1, JUNK64), int(rng.choice([1, -2])))
    kernel(136)(dense.size, nindex, off)
    kernel(137)(i64(nativeidxs, 2), nindex, off, i64(sparsity, -1))
    assert nindex[off:off + dense.size].tolist() == dense.ravel().tolist()
    assert nindex[:off].tolist() == [JUNK64] * off and nindex[-1] == JUNK64

    before = i64(np.full(dense.size, 3))
    kernel(137)(i64(nativeidxs), before, 0, i64(sparsity))
    absent = dense.ravel() == 0
    assert (before[absent] == 3).all()


@pytest.mark.parametrize("number", [139, 140, 141])
@pytest.mark.parametrize("extra", ["none", "nativeidxs", "sparsity"])
def test_scatter_present(number, extra):
    """Count = the shorter of the two lists; neither is read past its end."""
    rng = np.random.default_rng(number)
    shape, dense, nativeidxs, sparsity = random_variable(rng, 2, sparse=True)
    nat, sp = nativeidxs, sparsity
    if extra == "nativeidxs":
        nat = np.append(nativeidxs, 99)
    elif extra == "sparsity":
        sp = np.append(sparsity, dense.size)
    idxs = i64(np.zeros(dense.size + 1), -1)
    kernel(number)(idxs, np.ascontiguousarray(nat), np.ascontiguousarray(sp))
    assert idxs[:dense.size].tolist() == dense.ravel().tolist()
    assert idxs[dense.size] == 0
