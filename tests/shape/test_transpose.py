"""Transposes and axis permutations of variables, against np.transpose."""
import numpy as np
import pytest

import fragments
from support.buffers import i32, i64

JUNK = -7777


def kernel(n):
    return getattr(fragments, f"_c_closure_{n}")


def random_shape(rng, nd):
    shape = [int(v) for v in rng.integers(0, 5, size=nd)]
    if rng.random() < 0.7:
        shape = [max(1, s) for s in shape]
    return shape


def permuted_strides(shape, perm, stride=1):
    nd = len(shape)
    pstrides = i64(np.full(max(nd, 1), JUNK), stride)
    if nd:
        pstrides[nd - 1] = 1
    kernel(162)(nd, i32(perm, -stride), pstrides, i32(shape, stride))
    return pstrides


def test_permuted_strides_example():
    assert permuted_strides([2, 3, 4], [2, 0, 1]).tolist() == [6, 3, 1]


@pytest.mark.parametrize("seed", range(20))
def test_axis_permutation_random(seed):
    rng = np.random.default_rng(600 + seed)
    nd = int(rng.integers(0, 5))
    shape = random_shape(rng, nd)
    perm = rng.permutation(nd).astype(np.int32)
    n = int(np.prod(shape))
    stride = int(rng.choice([1, 2, -1]))
    pstrides = permuted_strides(shape, perm, stride)
    result_shape = [shape[p] for p in perm]
    expect = [int(np.prod(result_shape[k + 1:])) for k in range(nd)]
    assert pstrides[:nd].tolist() == expect

    nat = np.random.default_rng(seed).integers(-1000, 1000, size=n).astype(np.int64)
    residxs = i64(np.full(n + 1, JUNK), -stride)
    kernel(163)(i64(nat, stride), nd, n, i32(perm, stride), pstrides, residxs, i32(shape, -stride))
    assert residxs[:n].tolist() == np.transpose(nat.reshape(shape), perm).ravel().tolist()
    assert residxs[n] == JUNK

    ressp = i64(np.full(n + 1, JUNK), stride)
    kernel(164)(nd, n, i32(perm, -stride), pstrides, ressp, i32(shape, stride))
    moved = np.transpose(np.arange(n).reshape(shape), perm).ravel()  # moved[target] = input position
    expect_sp = np.empty(n, dtype=np.int64)
    expect_sp[moved] = np.arange(n)
    assert ressp[:n].tolist() == expect_sp.tolist()
    assert ressp[n] == JUNK


def test_axis_permutation_example():
    residxs = i64(np.full(6, JUNK))
    kernel(163)(i64(np.arange(10, 16)), 2, 6, i32([1, 0]), i64([2, 1]), residxs, i32([2, 3]))
    assert residxs.tolist() == [10, 13, 11, 14, 12, 15]
    ressp = i64(np.full(6, JUNK))
    kernel(164)(2, 6, i32([1, 0]), i64([2, 1]), ressp, i32([2, 3]))
    assert ressp.tolist() == [0, 2, 4, 1, 3, 5]


def test_axis_permutation_without_dimensions():
    residxs, ressp = i64([JUNK, JUNK]), i64([JUNK, JUNK])
    kernel(163)(i64([42]), 0, 1, i32([]), i64([]), residxs, i32([]))
    kernel(164)(0, 1, i32([]), i64([]), ressp, i32([]))
    assert residxs.tolist() == [42, JUNK] and ressp.tolist() == [0, JUNK]


def random_matrix(rng, sparse):
    shape = [int(v) for v in rng.integers(0, 6, size=2)]
    total = shape[0] * shape[1]
    dense = rng.integers(1, 1000, size=total).astype(np.int64)
    if sparse:
        dense[rng.random(total) < 0.5] = 0
    return shape, dense.reshape(shape)


@pytest.mark.parametrize("seed", range(16))
def test_matrix_transpose_random(seed):
    rng = np.random.default_rng(700 + seed)
    sparse = seed % 2 == 1
    shape, dense = random_matrix(rng, sparse)
    stride = int(rng.choice([1, 2, -2]))
    flat = dense.ravel()
    idxs = i64(np.full(flat.size + 1, JUNK), stride)
    sp = i64(np.full(flat.size + 1, JUNK), -stride)
    if sparse:
        sparsity = np.flatnonzero(flat)
        kernel(115)(idxs, i64(flat[sparsity], stride), i32(shape, -stride), sp, i64(sparsity, -stride))
        t = dense.T.ravel()
        t_sp = np.flatnonzero(t)
        assert sp[:len(t_sp)].tolist() == t_sp.tolist()
        assert idxs[:len(t_sp)].tolist() == t[t_sp].tolist()
        assert (sp[len(t_sp):] == JUNK).all() and (idxs[len(t_sp):] == JUNK).all()
    else:
        kernel(115)(idxs, i64(flat, stride), i32(shape), sp, None)
        assert idxs[:flat.size].tolist() == dense.T.ravel().tolist()
        assert idxs[flat.size] == JUNK
        assert (sp == JUNK).all()


def test_matrix_transpose_example():
    idxs, sp = i64(np.full(3, JUNK)), i64(np.full(3, JUNK))
    kernel(115)(idxs, i64([21, 23, 25]), i32([2, 3]), sp, i64([1, 3, 5]))
    assert sp.tolist() == [1, 2, 5]
    assert idxs.tolist() == [23, 21, 25]


@pytest.mark.parametrize("shape,sparsity", [([3, 0], []), ([0, 4], []), ([2, 2], [])])
def test_matrix_transpose_without_elements(shape, sparsity):
    for sp_arg in (i64(sparsity), None):
        idxs, sp = i64([JUNK] * 2), i64([JUNK] * 2)
        if sp_arg is None and shape[0] * shape[1]:
            continue
        kernel(115)(idxs, i64([]), i32(shape), sp, sp_arg)
        assert idxs.tolist() == [JUNK] * 2 and sp.tolist() == [JUNK] * 2


def block_swap(nat, outer, inner, middle):
    return nat.reshape(outer, inner, middle).transpose(0, 2, 1).ravel()


def test_trailing_swap_example():
    out = i32(np.full(6, -1))
    assert kernel(35)(2, 1, 3, i32(np.arange(6)), 0, out) == 6
    assert out.tolist() == [0, 3, 1, 4, 2, 5]


@pytest.mark.parametrize("seed", range(8))
def test_trailing_swap_random(seed):
    rng = np.random.default_rng(800 + seed)
    outer, inner, middle = (int(v) for v in rng.integers(0, 5, size=3))
    n = outer * inner * middle
    nat = rng.integers(-1000, 1000, size=n).astype(np.int32)
    pos = int(rng.integers(0, 4))
    stride = int(rng.choice([1, 3, -1]))
    out = i32(np.full(pos + n + 1, -1), stride)
    assert kernel(35)(inner, outer, middle, i32(nat, -stride), pos, out) == pos + n
    assert out[pos:pos + n].tolist() == block_swap(nat, outer, inner, middle).tolist()
    assert (out[:pos] == -1).all() and out[pos + n] == -1

    slacks = i32(np.full(n + 1, -1), -stride)
    kernel(72)(0, inner, outer, middle, slacks, i32([7, 7]), i32(nat, stride))
    assert slacks[:n].tolist() == block_swap(nat, outer, inner, middle).tolist()
    assert slacks[n] == -1


@pytest.mark.parametrize("axis,shape,writes", [
    (0, [5, 5, 5], True), (1, [5, 5, 5], True), (2, [5, 5, 5], False), (3, [5, 5, 5], False),
    (0, [5], False), (0, [], False), (-1, [], False), (0, None, False), (-1, None, False),
])
def test_slack_swap_condition(axis, shape, writes):
    nat = np.arange(6, dtype=np.int32)
    out = i32(np.full(6, -1))
    kernel(72)(axis, 2, 1, 3, out, None if shape is None else i32(shape), i32(nat))
    assert out.tolist() == ([0, 3, 1, 4, 2, 5] if writes else [-1] * 6)
