# Element lists of repeated and stacked variables, against NumPy's repeat, tile and concatenate on
# dense arrays of native indexes (0 = absent).
import numpy as np
import pytest

from shape._helpers import J, check, k, prod, random_shape, run
from support.buffers import i32


def operand(rng, shape):
    return rng.integers(1, 10**6, size=shape) * rng.choice([-1, 0, 0, 1], size=shape)


def elements(dense, pos):
    # (rsp, rnativeidxs) as a kernel writes them from pos into junk-filled lists one entry longer
    sp = np.flatnonzero(dense)
    return ([J] * pos + sp.tolist() + [J], [J] * pos + dense.ravel()[sp].tolist() + [J])


def pairs(rsp, rnat):
    return sorted(zip(rsp, rnat))  # lists that may come out of order


@pytest.mark.parametrize("seed", range(6))
def test_repeats(seed):
    rng = np.random.default_rng(seed)
    dense = operand(rng, random_shape(rng, int(rng.integers(0, 4)), 0, 4))
    (tsp, tnat), rep, pos = elements(dense, 0), int(rng.integers(0, 4)), int(rng.integers(0, 5))
    t = dict(pos=pos, nnz=len(tsp) - 1, tsp=tsp[:-1], tnativeidxs=tnat[:-1])
    for key, whole, kw in ((169, np.stack([dense] * rep) if rep else dense[None][:0], dict(size=dense.size, count=rep)),
                           (170, np.repeat(dense[..., None], rep, axis=-1), dict(rep=rep))):
        rsp, rnat = elements(whole, pos)
        assert run(key, rsp=len(rsp), rnativeidxs=len(rsp), **t, **kw) == (len(rsp) - 1, dict(rsp=rsp, rnativeidxs=rnat))
    lead, d1, d2 = random_shape(rng, 3, 1, 4)  # copies of an inner block, out of order
    dense = operand(rng, (lead, d1, d2))
    (rsp, rnat), (tsp, tnat) = elements(np.tile(dense, (1, rep, 1)), pos), elements(dense, 0)
    end, out = run(171, d1=d1, d2=d2, pos=pos, rep=rep, nnz=len(tsp) - 1, newblock=rep * d1 * d2, oldblock=d1 * d2,
                   d2b=d2, rnativeidxs=len(rsp), rsp=len(rsp), tnativeidxs=tnat[:-1], tsp=tsp[:-1])
    assert end == len(rsp) - 1 and pairs(out["rsp"], out["rnativeidxs"]) == pairs(rsp, rnat)
    nouter, nmid, nblock = random_shape(rng, 3, 0, 4)  # dense repeats
    t = rng.integers(-100, 100, size=pos + nouter * nmid * nblock + 2)
    block = t[pos:pos + nouter * nmid * nblock].reshape(nouter, nmid, nblock)
    check([(179, dict(nouter=nouter, nmid=nmid, nblock=nblock, pos=pos, rep=rep, rnativeidxs=rep * block.size + 1,
                      ostride=rep * nmid * nblock, mstride=nblock, tnativeidxs=t), pos + block.size,
            dict(rnativeidxs=np.repeat(block[:, None], rep, axis=1).ravel().tolist() + [J]))])


@pytest.mark.parametrize("seed", range(6))
def test_stack_sparse_operands(seed):
    rng = np.random.default_rng(seed)
    nd = int(rng.integers(1, 4))
    axis, base, pos = int(rng.integers(0, nd)), random_shape(rng, nd, 1, 4), int(rng.integers(0, 3))
    ops = [operand(rng, base[:axis] + [int(rng.integers(0, 4))] + base[axis + 1:]) for _ in range(rng.integers(1, 4))]
    whole, sdims, numnz = np.concatenate(ops, axis=axis), [d.shape[axis] for d in ops], [np.count_nonzero(d) for d in ops]
    rshape, shapes = i32(base + [J], 2), np.empty(len(ops), dtype=object)
    rshape[axis], shapes[:] = 0, [i32(d.shape) for d in ops]
    k(186)(axis, len(ops), rshape, shapes)
    offset = [0] + np.cumsum(sdims)[:-1].tolist()
    assert rshape.tolist() == list(whole.shape) + [J]
    assert run(191, n=len(ops), offset=[0] + [J] * len(ops), sdims=sdims)[1]["offset"] == offset + [J]
    joined = [elements(d, 0) for d in ops]
    end, out = run(193, stacksize=whole.shape[axis], postsize=prod(base[axis + 1:]), pos=pos, n=len(ops), numnz=numnz,
                   offset=offset, rsp=[J] * pos + sum((sp[:-1] for sp, _ in joined), []) + [J], sdims=sdims)
    assert end == pos + sum(numnz)
    assert pairs(out["rsp"], [J] * pos + sum((nat[:-1] for _, nat in joined), []) + [J]) == pairs(*elements(whole, pos))


def test_examples():
    shapes = np.empty(4, dtype=object)
    shapes[:] = [i32([2, 3]), i32([2]), None, i32([2, 4, 1], 2)]  # missing dimensions count as 1
    check([(186, dict(axis=1, n=4, rshape=[2, 5, 7], shapes=shapes), None, dict(rshape=[2, 5 + 3 + 1 + 1 + 4, 7])),
           (182, dict(n=2, numnz=[2**31 - 1, 1], init=0), -2**31, {}),
           (190, dict(j=1, pos=1, shift=10, numnz=[2, 3, 1], rsp=[J, 1, 2, 3, J]), 4, dict(rsp=[J, 11, 12, 13, J])),
           (200, dict(n=3, ptrb_=[1, 3, 3, 4], subi=6), None, dict(subi=[J, 0, 0, 2, J, J])),
           (200, dict(n=0, ptrb_=[2], subi=3), None, dict(subi=[J] * 3))])
