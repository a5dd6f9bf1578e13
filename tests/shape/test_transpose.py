# Transposes and axis permutations of variables, against np.transpose.
import numpy as np
import pytest

from shape._helpers import J, check, run


@pytest.mark.parametrize("seed", range(10))
def test_axis_permutation(seed):
    rng = np.random.default_rng(600 + seed)
    shape = [int(v) for v in rng.integers(0 if seed % 3 == 0 else 1, 5, size=int(rng.integers(0, 5)) if seed else 0)]
    nd, n, perm = len(shape), int(np.prod(shape)), rng.permutation(len(shape)).tolist()
    d = dict(nd=nd, n=n, perm=perm, shape=shape, residxs=n + 1, ressp=n + 1, nativeidxs=rng.integers(-999, 999, n))
    d["pstrides"] = run(162, **dict(d, pstrides=[J] * (nd - 1) + [1] * (nd > 0) + [J]))[1]["pstrides"]
    assert d["pstrides"] == [int(np.prod([shape[p] for p in perm[j + 1:]])) for j in range(nd)]
    assert run(163, **d)[1]["residxs"] == np.transpose(d["nativeidxs"].reshape(shape), perm).ravel().tolist()
    moved = np.transpose(np.arange(n).reshape(shape), perm).ravel()  # moved[target] = input position
    assert run(164, **d)[1]["ressp"] == np.argsort(moved).tolist()


@pytest.mark.parametrize("shape", [(3, 0), (0, 4), (2, 2), (4, 1), (1, 5), (3, 4), (5, 3)])
@pytest.mark.parametrize("sparse", [False, True])
def test_matrix_transpose(shape, sparse):
    # Sparse (2, 2) has no entries.
    rng = np.random.default_rng(sum(shape))
    dense = rng.integers(1, 1000, size=shape) * (rng.random(shape) >= (0.4 if shape != (2, 2) else 1) * sparse)
    flat, t = dense.ravel(), dense.T.ravel()
    t_sp = np.flatnonzero(t) if sparse else np.arange(t.size)
    _, out = run(115, idxs=flat.size + 1, nativeidxs=flat[flat != 0], shape=shape, sp=flat.size + 1,
                 sparsity=np.flatnonzero(flat) if sparse else None)
    assert out == dict(idxs=t[t_sp].tolist(), sp=t_sp.tolist() if sparse else [])


@pytest.mark.parametrize("seed", range(5))
def test_trailing_swap(seed):
    rng = np.random.default_rng(800 + seed)
    outer, inner, middle = (int(v) for v in rng.integers(0, 5, size=3))
    nat, pos = rng.integers(-1000, 1000, size=outer * inner * middle), int(rng.integers(0, 4))
    want, d = nat.reshape(outer, inner, middle).transpose(0, 2, 1).ravel().tolist(), dict(inner=inner, outer=outer)
    check([(35, dict(d, middle=middle, nativeidxs=nat, pos=pos, permidxs=pos + nat.size + 1), pos + nat.size,
            dict(permidxs=[J] * pos + want)),
           (72, dict(d, middle=middle, axis=0, permidxs=nat.size + 1, shape=[7, 7], slackidxs=nat), None,
            dict(permidxs=want))])


@pytest.mark.parametrize("axis,shape,writes", [
    (0, [5, 5, 5], True), (1, [5, 5, 5], True), (2, [5, 5, 5], False), (0, [5], False), (-1, [], False),
    (0, None, False), (-1, None, False)])
def test_slack_swap_only_before_the_last_axis_compared_signed(axis, shape, writes):
    # axis -1 with nd 0 writes nothing.
    _, out = run(72, axis=axis, inner=2, outer=1, middle=3, permidxs=6, shape=shape, slackidxs=range(6))
    assert out["permidxs"] == ([0, 3, 1, 4, 2, 5] if writes else [])
