"""Slices of dense and sparse variables and native index lists, against NumPy slicing of a
dense array of native indexes."""
import numpy as np
import pytest

from shape._helpers import k, wrap32
from support.buffers import i32, i64

J = -7777


def random_variable(rng, nd, sparse=True):
    """shape, the dense array of native indexes (0 = absent), nativeidxs, sparsity."""
    shape = [int(v) for v in rng.integers(0, 5, size=nd)]
    if rng.random() < 0.7:  # mostly without empty dimensions
        shape = [max(1, s) for s in shape]
    total = int(np.prod(shape))
    dense = rng.integers(1, 10**6, size=total).astype(np.int64) * rng.choice([-1, 1], size=total)
    dense[rng.random(total) < (0.5 if sparse else 0)] = 0
    sparsity = np.flatnonzero(dense)
    return shape, dense.reshape(shape), dense[sparsity], sparsity


def random_box(rng, shape):
    box = [sorted(rng.integers(0, s + 1, size=2).tolist()) for s in shape]
    return [a for a, _ in box], [b for _, b in box]


def test_box_size():
    assert k(129)(i32([1, 0]), i32([3, 2]), 2, 1) == 4
    assert k(129)(i32([1, 2]), i32([3, 2]), 2, 5) == 0
    assert k(129)(i32([]), i32([]), 0, 7) == 7
    assert k(129)(i32([0, 0, 2], 2), i32([60000, 60000, 7], -1), 3, 1) == wrap32(60000 * 60000 * 5)


@pytest.mark.parametrize("seed", range(12))
def test_sparse_slice(seed):
    """Count pass (130) and build pass (131) agree with NumPy slicing; nd = 0 is one element."""
    rng = np.random.default_rng(300 + seed)
    nd = int(rng.integers(0, 4)) if seed else 0
    shape, dense, nativeidxs, sparsity = random_variable(rng, nd)
    first, last = random_box(rng, shape)
    pos, stride = int(rng.integers(0, 4)), int(rng.choice([1, 2, -1]))
    key = i32(np.full(max(nd, 1), -9), stride)
    count = k(130)(i32(first, stride), key, i32(last, -stride), nd, 3, i32(shape, stride), i64(sparsity, stride)) - 3
    idxs, sp = i64(np.full(pos + count + 2, J), stride), i64(np.full(pos + count + 2, J), -stride)
    end = k(131)(i32(first), pos, idxs, key, i32(last), i64(nativeidxs, -stride), nd, i32(shape),
                 i32([b - a for a, b in zip(first, last)], stride), sp, i64(sparsity))
    piece = dense[tuple(slice(a, b) for a, b in zip(first, last))].ravel()
    present = np.flatnonzero(piece)
    assert count == len(present) and end == pos + count
    assert idxs[pos:end].tolist() == piece[present].tolist() and sp[pos:end].tolist() == present.tolist()
    assert all((r[:pos] == J).all() and (r[end:] == J).all() for r in (idxs, sp))
    assert nd or key.tolist() == [-9]


@pytest.mark.parametrize("seed", range(10))
def test_dense_slice(seed):
    rng = np.random.default_rng(400 + seed)
    nd = int(rng.integers(0, 5)) if seed > 1 else 0
    shape, dense, nativeidxs, _ = random_variable(rng, nd, sparse=False)
    first, last = random_box(rng, shape)
    n = k(129)(i32(first), i32(last), nd, 1) if seed else 0  # nd = 0 with n = 0 writes nothing
    stride = int(rng.choice([1, 2, -2]))
    out = i64(np.full(n + 1, J), stride)
    k(132)(i32(first, stride), i32(last, -stride), i64(nativeidxs, stride), nd, i32(shape, -stride), out, n)
    assert out[:n].tolist() == dense[tuple(slice(a, b) for a, b in zip(first, last))].ravel().tolist()[:n]
    assert out[n] == J


@pytest.mark.parametrize("start,step,n", [(1, 2, 3), (0, 1, 0), (9, -3, 4), (4, 0, 3)])
def test_strided_pick(start, step, n):
    nat = np.arange(500, 510, dtype=np.int64)
    out = i64(np.full(n + 1, J), -2)
    k(128)(i64(nat, 3), n, out, start, step)
    assert out[:n].tolist() == nat[start + step * np.arange(n)].tolist() and out[n] == J


def test_joining_index_lists():
    this = np.random.default_rng(5).integers(-50, 50, size=5).astype(np.int64)
    nat, sp = i64(np.full(10, J), 2), i64(np.full(10, J), -1)
    k(133)(nat, 3, sp, 4, i64(this, -2))
    assert nat.tolist() == [J] * 3 + this.tolist() + [J] * 2
    assert sp.tolist() == [J] * 4 + list(range(5)) + [J]
    nindex = i64(np.full(9, J), 3)
    k(134)(i64(this, 2), nindex, 2)
    assert nindex.tolist() == [J] * 2 + this.tolist() + [J] * 2
    k(136)(3, nindex, 5)
    k(136)(0, nindex, 0)
    assert nindex.tolist() == [J] * 2 + this[:3].tolist() + [0] * 3 + [J]


@pytest.mark.parametrize("seed", range(3))
def test_sparse_into_dense_list(seed):
    rng = np.random.default_rng(500 + seed)
    shape, dense, nativeidxs, sparsity = random_variable(rng, int(rng.integers(0, 4)))
    off = int(rng.integers(0, 3))
    nindex = i64(np.full(off + dense.size + 1, J), int(rng.choice([1, -2])))
    k(136)(dense.size, nindex, off)
    k(137)(i64(nativeidxs, 2), nindex, off, i64(sparsity, -1))
    assert nindex.tolist() == [J] * off + dense.ravel().tolist() + [J]
    before = i64(np.full(dense.size, 3))
    k(137)(i64(nativeidxs), before, 0, i64(sparsity))
    assert (before[dense.ravel() == 0] == 3).all()


@pytest.mark.parametrize("n", [139, 140, 141])
@pytest.mark.parametrize("extra", ["none", "nativeidxs", "sparsity"])
def test_scatter_present(n, extra):
    """Count = the shorter of the two lists; neither is read past its end."""
    shape, dense, nat, sp = random_variable(np.random.default_rng(n), 2)
    if extra == "nativeidxs":
        nat = np.append(nat, 99)
    elif extra == "sparsity":
        sp = np.append(sp, dense.size)
    idxs = i64(np.zeros(dense.size + 1), -1)
    k(n)(idxs, np.ascontiguousarray(nat), np.ascontiguousarray(sp))
    assert idxs.tolist() == dense.ravel().tolist() + [0]
