"""Transposes and axis permutations of variables, against np.transpose."""
import numpy as np
import pytest

from shape._helpers import k
from support.buffers import i32, i64

J = -7777


def junk(n, stride, make=i64):
    return make(np.full(n, J), stride)


@pytest.mark.parametrize("seed", range(10))
def test_axis_permutation(seed):
    rng = np.random.default_rng(600 + seed)
    nd = int(rng.integers(0, 5)) if seed else 0
    shape = [int(v) for v in rng.integers(0 if seed % 3 == 0 else 1, 5, size=nd)]
    perm, n, st = rng.permutation(nd).astype(np.int32), int(np.prod(shape)), int(rng.choice([1, 2, -1]))
    pstrides = junk(max(nd, 1), st)
    pstrides[nd - 1] = 1
    k(162)(nd, i32(perm, -st), pstrides, i32(shape, st))
    assert pstrides[:nd].tolist() == [int(np.prod([shape[p] for p in perm[j + 1:]])) for j in range(nd)]
    nat, residxs, ressp = rng.integers(-1000, 1000, size=n).astype(np.int64), junk(n + 1, -st), junk(n + 1, st)
    k(163)(i64(nat, st), nd, n, i32(perm, st), pstrides, residxs, i32(shape, -st))
    assert residxs.tolist() == np.transpose(nat.reshape(shape), perm).ravel().tolist() + [J]
    k(164)(nd, n, i32(perm, -st), pstrides, ressp, i32(shape, st))
    moved = np.transpose(np.arange(n).reshape(shape), perm).ravel()  # moved[target] = input position
    assert ressp.tolist() == np.argsort(moved).tolist() + [J]


@pytest.mark.parametrize("seed", range(9))
def test_matrix_transpose(seed):
    """Seeds 0-2: empty rows, empty columns, a sparse matrix with no entries; odd seeds sparse."""
    rng = np.random.default_rng(700 + seed)
    shape = [int(v) for v in rng.integers(0, 6, size=2)] if seed > 2 else [[3, 0], [0, 4], [2, 2]][seed]
    dense = rng.integers(1, 1000, size=shape).astype(np.int64)
    sparse, st = seed % 2 == 1 or seed == 2, int(rng.choice([1, 2, -2]))
    dense[rng.random(shape) < (0.5 if seed > 2 else 2) * sparse] = 0
    flat, t = dense.ravel(), dense.T.ravel()
    idxs, sp = junk(flat.size + 1, st), junk(flat.size + 1, -st)
    t_sp = np.flatnonzero(t) if sparse else np.arange(t.size)
    sparsity = i64(np.flatnonzero(flat), -st) if sparse else None
    k(115)(idxs, i64(flat[flat != 0] if sparse else flat, st), i32(shape, -st), sp, sparsity)
    assert idxs.tolist() == t[t_sp].tolist() + [J] * (flat.size + 1 - len(t_sp))
    assert sp.tolist() == (t_sp.tolist() if sparse else []) + [J] * (flat.size + 1 - len(t_sp) * sparse)


@pytest.mark.parametrize("seed", range(5))
def test_trailing_swap(seed):
    rng = np.random.default_rng(800 + seed)
    outer, inner, middle = (int(v) for v in rng.integers(0, 5, size=3))
    nat = rng.integers(-1000, 1000, size=outer * inner * middle).astype(np.int32)
    want = nat.reshape(outer, inner, middle).transpose(0, 2, 1).ravel().tolist()
    pos, st = int(rng.integers(0, 4)), int(rng.choice([1, 3, -1]))
    out, slacks = junk(pos + nat.size + 1, st, i32), junk(nat.size + 1, -st, i32)
    assert k(35)(inner, outer, middle, i32(nat, -st), pos, out) == pos + nat.size
    assert out.tolist() == [J] * pos + want + [J]
    k(72)(0, inner, outer, middle, slacks, i32([7, 7]), i32(nat, st))
    assert slacks.tolist() == want + [J]


@pytest.mark.parametrize("axis,shape,writes", [
    (0, [5, 5, 5], True), (1, [5, 5, 5], True), (2, [5, 5, 5], False), (3, [5, 5, 5], False),
    (0, [5], False), (0, [], False), (-1, [], False), (0, None, False), (-1, None, False),
])
def test_slack_swap_condition(axis, shape, writes):
    """Swaps only when axis + 1 < nd, compared signed (axis -1 with nd 0 writes nothing)."""
    out = i32(np.full(6, -1))
    k(72)(axis, 2, 1, 3, out, None if shape is None else i32(shape), i32(np.arange(6)))
    assert out.tolist() == ([0, 3, 1, 4, 2, 5] if writes else [-1] * 6)
