"""Result shapes and the element lists of repeated and stacked variables, against NumPy's
repeat, tile, stack and concatenate on dense arrays of native indexes."""
import numpy as np
import pytest

from shape._helpers import call, k, random_shape
from support.buffers import JUNK, i32, i64

J = JUNK[np.int64]


def operand(rng, shape):
    """A sparse variable as a dense array of native indexes (0 = absent), its sparsity and indexes."""
    dense = rng.integers(1, 10**6, size=shape) * rng.choice([-1, 1], size=shape)
    dense = np.where(rng.random(shape) < 0.5, dense, 0).astype(np.int64)
    return (dense,) + element_list(dense)


def element_list(dense):
    sp = np.flatnonzero(dense)
    return sp, dense.ravel()[sp]


def out(n, pos=0, stride=1):
    return i64(np.full(pos + n + 2, J), stride)


def check_list(rsp, rnat, pos, end, want, order=False):
    """rsp/rnat[pos:end] hold the element list want (in any order if order), junk around it."""
    perm = np.argsort(rsp[pos:end]) if order else slice(None)
    np.testing.assert_array_equal(rsp[pos:end][perm], want[0])
    np.testing.assert_array_equal(rnat[pos:end][perm], want[1])
    for r in (rsp, rnat):
        assert (r[:pos] == J).all() and (r[end:] == J).all()


@pytest.mark.parametrize("seed", range(6))
def test_repeats(seed):
    rng = np.random.default_rng(seed)
    shape = tuple(random_shape(rng, int(rng.integers(0, 4)), 0, 4))
    dense, tsp, tnat = operand(rng, shape)
    nnz, rep, pos = len(tsp), int(rng.integers(0, 4)), int(rng.integers(0, 5))
    t = dict(pos=pos, nnz=nnz, tnativeidxs=i64(tnat, 2), tsp=i64(tsp, -1))
    for f, want, kw in ((169, np.stack([dense] * rep) if rep else dense[None][:0], dict(size=dense.size, count=rep)),
                        (170, np.repeat(dense[..., None], rep, axis=-1), dict(rep=rep))):
        want = element_list(want)
        rsp, rnat = out(len(want[0]), pos, -1), out(len(want[0]), pos, 2)
        assert call(f, rsp=rsp, rnativeidxs=rnat, **t, **kw) == pos + rep * nnz
        check_list(rsp, rnat, pos, pos + rep * nnz, want)
    lead, d1, d2 = random_shape(rng, 3, 1, 4)  # repeats of an inner block
    dense, tsp, tnat = operand(rng, (lead, d1, d2))
    want = element_list(np.tile(dense, (1, rep, 1)))
    rsp, rnat = out(len(want[0]), pos, 2), out(len(want[0]), pos)
    end = k(171)(d1, d2, pos, rep, len(tsp), rep * d1 * d2, rnat, rsp, d1 * d2, d2, i64(tnat), i64(tsp, 2))
    assert end == pos + len(want[0])
    check_list(rsp, rnat, pos, end, want, order=True)
    nouter, nmid, nblock = random_shape(rng, 3, 0, 4)  # dense repeats
    t = rng.integers(-100, 100, size=pos + nouter * nmid * nblock + 2)
    block = t[pos:pos + nouter * nmid * nblock].reshape(nouter, nmid, nblock)
    r = out(rep * block.size, 0, 2)
    assert k(179)(nouter, nmid, nblock, pos, rep, r, rep * nmid * nblock, nblock, i64(t, -1)) == pos + block.size
    assert r.tolist() == np.repeat(block[:, None], rep, axis=1).ravel().tolist() + [J, J]


@pytest.mark.parametrize("seed", range(6))
def test_stack_sparse_operands(seed):
    rng = np.random.default_rng(seed)
    nd = int(rng.integers(1, 4))
    axis, base, nops = int(rng.integers(0, nd)), random_shape(rng, nd, 1, 4), int(rng.integers(1, 4))
    ops = [operand(rng, tuple(int(rng.integers(0, 4)) if j == axis else s for j, s in enumerate(base)))
           for _ in range(nops)]
    sdims = np.array([d.shape[axis] for d, _, _ in ops], dtype=np.int32)
    numnz = np.array([len(tsp) for _, tsp, _ in ops], dtype=np.int32)
    result = np.concatenate([d for d, _, _ in ops], axis=axis)
    want = element_list(result)
    rshape = i32(np.r_[base, -1], 2)
    rshape[axis] = 0
    shapes = np.empty(nops, dtype=object)
    shapes[:] = [i32(d.shape) for d, _, _ in ops]
    k(186)(axis, nops, rshape, shapes)
    assert rshape.tolist() == list(result.shape) + [-1]
    assert k(188)(0, nops, i32(sdims)) == result.shape[axis]
    assert k(182)(nops, i32(numnz), 0) == k(212)(nops, i32(numnz), 0) == len(want[0])
    offset = i32(np.full(nops + 1, -1), -1)
    offset[0] = 0
    k(191)(nops, offset, i32(sdims, 2))
    assert offset.tolist() == np.r_[0, np.cumsum(sdims)[:-1], -1].tolist()
    pos = int(rng.integers(0, 3))
    joined = np.r_[np.full(pos, J), np.concatenate([tsp for _, tsp, _ in ops]), J, J]
    rsp, nat = i64(joined, 2), i64(np.r_[np.full(pos, J), np.concatenate([t for _, _, t in ops]), J, J])
    postsize = k(189)(1, axis, i32(base))
    assert postsize == int(np.prod(base[axis + 1:]))
    end = k(193)(int(result.shape[axis]), postsize, pos, nops, i32(numnz), offset, rsp, i32(sdims))
    assert end == pos + len(want[0])
    check_list(rsp, nat, pos, end, want, order=True)
    if axis == 0:  # leading-axis stacking shifts each operand's block by the elements before it
        rsp2 = i64(joined)
        at, shift = pos, 0
        for j, (d, _, _) in enumerate(ops):
            assert k(190)(j, at, shift, i32(numnz, 2), rsp2) == at + numnz[j]
            at, shift = at + numnz[j], shift + d.size
        assert rsp2.tolist() == rsp.tolist()


@pytest.mark.parametrize("seed", range(6))
def test_shape_kernels(seed):
    rng = np.random.default_rng(seed)
    nd = int(rng.integers(0, 5))
    shape = np.array(random_shape(rng, nd, 0, 6), dtype=np.int32)
    n, init = int(rng.integers(0, nd + 1)), int(rng.integers(-3, 4))
    for f in (167, 184):
        rshape = i32(np.full(nd + 1, -1), 2)
        k(f)(n, rshape, i32(shape, -1))
        assert rshape.tolist() == shape[:n].tolist() + [-1] * (nd + 1 - n)
    total = nd + int(rng.integers(0, 3))  # copied, then padded with unit dimensions
    padded = i32(np.full(total + 1, -1), -1)
    k(180)(i32(shape), padded)
    k(181)(total, i32(shape, 2), padded)
    assert padded.tolist() == shape.tolist() + [1] * (total - nd) + [-1]
    after, before = sorted(int(v) for v in rng.integers(0, nd + 1, size=2))
    for f in (168, 185):
        rshape = i32(shape, 2)
        k(f)(after, before, rshape)
        assert rshape.tolist() == [1 if after <= j < before else s for j, s in enumerate(shape.tolist())]
    for f in (172, 194):
        assert k(f)(init, n, i32(shape, 2)) == max([init] + list(shape[:n]))
    assert k(183)(n, i32(shape, -1), init) == max([init] + list(shape[:n]))
    assert k(188)(init, n, i32(shape)) == init + shape[:n].sum()
    assert k(187)(init, n + int(rng.integers(0, 3)), i32(shape[:n])) == init * int(np.prod(shape[:n]))
    axis = int(rng.integers(-2, nd + 1))
    assert k(189)(init, axis, i32(shape, 2)) == init * int(np.prod(shape[max(axis + 1, 0):]))
    counts, first = shape[:n] % 4, int(rng.integers(0, 3))  # row numbers of entries from row pointers
    ptrb = first + np.r_[0, np.cumsum(counts)]
    subi = i32(np.full(ptrb[-1] + 2, -1), 2)
    k(200)(n, i64(ptrb, -1), subi)
    assert subi.tolist() == [-1] * first + np.repeat(np.arange(n), counts).tolist() + [-1, -1]


def test_short_shapes_and_32_bit_wrapping():
    rshape, shapes = i32([2, 5, 7]), np.empty(4, dtype=object)
    shapes[:] = [i32([2, 3]), i32([2]), None, i32([2, 4, 1], 2)]  # missing dimensions count as 1
    k(186)(1, 4, rshape, shapes)
    assert rshape.tolist() == [2, 5 + 3 + 1 + 1 + 4, 7]
    assert k(187)(1, 3, i32([65536, 65536, 3])) == 0
    assert k(189)(3, 0, i32([7, 2**30])) == 3 * 2**30 - 2**32
    assert k(189)(1, -1, i32([46341, 46341])) == 46341 * 46341 - 2**32
    assert k(182)(2, i32([2**31 - 1, 1]), 0) == -2**31
