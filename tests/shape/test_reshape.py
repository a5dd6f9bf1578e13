# Element lists of repeated and stacked variables, against NumPy's repeat, tile and concatenate on
# dense arrays of native indexes (0 = absent).
import numpy as np
import pytest

from shape._helpers import J, bare, check, k, prod, random_shape, run
from support.buffers import i32, objects


def operand(rng, shape):
    return rng.integers(1, 10**6, size=shape) * rng.choice([-1, 0, 0, 1], size=shape)


def elements(dense, pos=0):
    # (rsp, rnativeidxs) as a kernel writes them from pos, and their room
    sp = np.flatnonzero(dense)
    want = dict(rsp=bare([J] * pos + sp.tolist()), rnativeidxs=bare([J] * pos + dense.ravel()[sp].tolist()))
    return want, pos + len(sp) + 1


def pairs(out):
    return sorted(zip(out["rsp"], out["rnativeidxs"]))  # for lists that come out of order


@pytest.mark.parametrize("seed", range(6))
def test_repeats(seed):
    rng = np.random.default_rng(seed)
    dense = operand(rng, random_shape(rng, int(rng.integers(0, 4)), 0, 4))
    (t, _), rep, pos = elements(dense), int(rng.integers(0, 4)), int(rng.integers(0, 5))
    t = dict(pos=pos, nnz=len(t["rsp"]), tsp=t["rsp"], tnativeidxs=t["rnativeidxs"])
    for key, whole, kw in ((169, np.stack([dense] * rep) if rep else dense[None][:0], dict(size=dense.size, count=rep)),
                           (170, np.repeat(dense[..., None], rep, axis=-1), dict(rep=rep))):
        want, room = elements(whole, pos)
        assert run(key, rsp=room, rnativeidxs=room, **t, **kw) == (room - 1, want)
    dense = operand(rng, random_shape(rng, 3, 1, 4))  # copies of an inner block, out of order
    (_, d1, d2), (t, _), (want, room) = dense.shape, elements(dense), elements(np.tile(dense, (1, rep, 1)), pos)
    end, out = run(171, d1=d1, d2=d2, pos=pos, rep=rep, nnz=len(t["rsp"]), newblock=rep * d1 * d2, oldblock=d1 * d2,
                   d2b=d2, rnativeidxs=room, rsp=room, tnativeidxs=t["rnativeidxs"], tsp=t["rsp"])
    assert end == room - 1 and pairs(out) == pairs(want)
    nouter, nmid, nblock = random_shape(rng, 3, 0, 4)  # dense repeats
    t = rng.integers(-100, 100, size=pos + nouter * nmid * nblock + 2)
    block = t[pos:pos + nouter * nmid * nblock].reshape(nouter, nmid, nblock)
    check([(179, dict(nouter=nouter, nmid=nmid, nblock=nblock, pos=pos, rep=rep, rnativeidxs=rep * block.size + 1,
                      ostride=rep * nmid * nblock, mstride=nblock, tnativeidxs=t), pos + block.size,
            dict(rnativeidxs=np.repeat(block[:, None], rep, axis=1).ravel()))])


@pytest.mark.parametrize("seed", range(6))
def test_stack_sparse_operands(seed):
    rng = np.random.default_rng(seed)
    nd = int(rng.integers(1, 4))
    axis, base, pos = int(rng.integers(0, nd)), random_shape(rng, nd, 1, 4), int(rng.integers(0, 3))
    ops = [operand(rng, base[:axis] + [int(rng.integers(0, 4))] + base[axis + 1:]) for _ in range(rng.integers(1, 4))]
    whole, sdims, numnz = np.concatenate(ops, axis), [d.shape[axis] for d in ops], [np.count_nonzero(d) for d in ops]
    rshape = i32(base + [J], 2)
    rshape[axis] = 0
    k(186)(axis, len(ops), rshape, objects([i32(d.shape) for d in ops]))
    offset = [0] + np.cumsum(sdims)[:-1].tolist()
    assert rshape.tolist() == list(whole.shape) + [J]
    assert run(191, n=len(ops), offset=[0] + [J] * len(ops), sdims=sdims)[1]["offset"] == offset
    joined = [elements(d)[0] for d in ops]
    end, out = run(193, stacksize=whole.shape[axis], postsize=prod(base[axis + 1:]), pos=pos, n=len(ops), numnz=numnz,
                   offset=offset, rsp=[J] * pos + sum((e["rsp"] for e in joined), []) + [J], sdims=sdims)
    nat = bare([J] * pos + sum((e["rnativeidxs"] for e in joined), []))
    assert end == pos + sum(numnz) and pairs(dict(out, rnativeidxs=nat)) == pairs(elements(whole, pos)[0])


def test_examples():
    shapes = objects([i32([2, 3]), i32([2]), None, i32([2, 4, 1], 2)])  # missing dimensions count as 1
    check([(186, dict(axis=1, n=4, rshape=[2, 5, 7], shapes=shapes), None, dict(rshape=[2, 5 + 3 + 1 + 1 + 4, 7])),
           (182, dict(n=2, numnz=[2**31 - 1, 1], init=0), -2**31, {}),
           (190, dict(j=1, pos=1, shift=10, numnz=[2, 3, 1], rsp=[J, 1, 2, 3, J]), 4, dict(rsp=[J, 11, 12, 13])),
           (200, dict(n=3, ptrb_=[1, 3, 3, 4], subi=6), None, dict(subi=[J, 0, 0, 2])),
           (200, dict(n=0, ptrb_=[2], subi=3), None, dict(subi=[]))])
