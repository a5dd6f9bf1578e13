"""Transposes and axis permutations of variables, against np.transpose."""
import numpy as np
import pytest

from shape._helpers import k
from support.buffers import i32, i64

J = -7777


@pytest.mark.parametrize("seed", range(10))
def test_axis_permutation(seed):
    rng = np.random.default_rng(600 + seed)
    nd = int(rng.integers(0, 5)) if seed else 0
    shape = [int(v) for v in rng.integers(0 if seed % 3 == 0 else 1, 5, size=nd)]
    perm = rng.permutation(nd).astype(np.int32)
    n = int(np.prod(shape))
    stride = int(rng.choice([1, 2, -1]))
    pstrides = i64(np.full(max(nd, 1), J), stride)
    if nd:
        pstrides[nd - 1] = 1
    k(162)(nd, i32(perm, -stride), pstrides, i32(shape, stride))
    result_shape = [shape[p] for p in perm]
    assert pstrides[:nd].tolist() == [int(np.prod(result_shape[j + 1:])) for j in range(nd)]

    nat = rng.integers(-1000, 1000, size=n).astype(np.int64)
    residxs = i64(np.full(n + 1, J), -stride)
    k(163)(i64(nat, stride), nd, n, i32(perm, stride), pstrides, residxs, i32(shape, -stride))
    assert residxs.tolist() == np.transpose(nat.reshape(shape), perm).ravel().tolist() + [J]

    ressp = i64(np.full(n + 1, J), stride)
    k(164)(nd, n, i32(perm, -stride), pstrides, ressp, i32(shape, stride))
    moved = np.transpose(np.arange(n).reshape(shape), perm).ravel()  # moved[target] = input position
    assert ressp.tolist() == np.argsort(moved).tolist() + [J]


@pytest.mark.parametrize("seed", range(9))
def test_matrix_transpose(seed):
    rng = np.random.default_rng(700 + seed)
    shape = [int(v) for v in rng.integers(0, 6, size=2)] if seed > 2 else [[3, 0], [0, 4], [2, 2]][seed]
    dense = rng.integers(1, 1000, size=shape).astype(np.int64)
    sparse = seed % 2 == 1 or seed == 2
    if sparse:
        dense[rng.random(shape) < (0.5 if seed > 2 else 2)] = 0
    stride = int(rng.choice([1, 2, -2]))
    flat = dense.ravel()
    idxs, sp = i64(np.full(flat.size + 1, J), stride), i64(np.full(flat.size + 1, J), -stride)
    t = dense.T.ravel()
    if sparse:
        sparsity, t_sp = np.flatnonzero(flat), np.flatnonzero(t)
        k(115)(idxs, i64(flat[sparsity], stride), i32(shape, -stride), sp, i64(sparsity, -stride))
        assert sp.tolist() == t_sp.tolist() + [J] * (flat.size + 1 - len(t_sp))
        assert idxs.tolist() == t[t_sp].tolist() + [J] * (flat.size + 1 - len(t_sp))
    else:
        k(115)(idxs, i64(flat, stride), i32(shape), sp, None)
        assert idxs.tolist() == t.tolist() + [J] and (sp == J).all()


def block_swap(nat, outer, inner, middle):
    return nat.reshape(outer, inner, middle).transpose(0, 2, 1).ravel()


@pytest.mark.parametrize("seed", range(5))
def test_trailing_swap(seed):
    rng = np.random.default_rng(800 + seed)
    outer, inner, middle = (int(v) for v in rng.integers(0, 5, size=3))
    n = outer * inner * middle
    nat = rng.integers(-1000, 1000, size=n).astype(np.int32)
    pos, stride = int(rng.integers(0, 4)), int(rng.choice([1, 3, -1]))
    out = i32(np.full(pos + n + 1, -1), stride)
    assert k(35)(inner, outer, middle, i32(nat, -stride), pos, out) == pos + n
    assert out.tolist() == [-1] * pos + block_swap(nat, outer, inner, middle).tolist() + [-1]
    slacks = i32(np.full(n + 1, -1), -stride)
    k(72)(0, inner, outer, middle, slacks, i32([7, 7]), i32(nat, stride))
    assert slacks.tolist() == block_swap(nat, outer, inner, middle).tolist() + [-1]


@pytest.mark.parametrize("axis,shape,writes", [
    (0, [5, 5, 5], True), (1, [5, 5, 5], True), (2, [5, 5, 5], False), (3, [5, 5, 5], False),
    (0, [5], False), (0, [], False), (-1, [], False), (0, None, False), (-1, None, False),
])
def test_slack_swap_condition(axis, shape, writes):
    """Swaps only when axis + 1 < nd, compared signed (axis -1 with nd 0 writes nothing)."""
    out = i32(np.full(6, -1))
    k(72)(axis, 2, 1, 3, out, None if shape is None else i32(shape), i32(np.arange(6)))
    assert out.tolist() == ([0, 3, 1, 4, 2, 5] if writes else [-1] * 6)
