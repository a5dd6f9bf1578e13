"""Result shapes and the element lists of repeated and stacked variables, against NumPy's
tile, stack, concatenate and slicing on dense arrays of native indexes."""
import numpy as np
import pytest

import fragments as F
from support.buffers import JUNK, i32, i64

J64 = JUNK[np.int64]


def operand(rng, shape, density=0.5):
    """A sparse variable as a dense array of native indexes (0 where no element is present)
    and its element list (tsp, tnativeidxs)."""
    dense = rng.integers(1, 10**6, size=shape) * rng.choice([-1, 1], size=shape)
    dense = np.where(rng.random(shape) < density, dense, 0).astype(np.int64)
    tsp = np.flatnonzero(dense)
    return dense, tsp, dense.ravel()[tsp]


def element_list(dense):
    rsp = np.flatnonzero(dense)
    return rsp, dense.ravel()[rsp]


def random_shape(rng, nd, low=0, high=4):
    return tuple(int(s) for s in rng.integers(low, high, size=nd))


def out(n, pos=0, stride=1):
    return i64(np.full(pos + n + 2, J64), stride)


# ---------------------------------------------------------------- repeats


def test_repeat_examples():
    rsp, rnat = out(4), out(4)
    assert F._c_closure_169(6, 0, 2, 2, rnat, rsp, i64([11, 12]), i64([1, 4])) == 4
    np.testing.assert_array_equal(rsp[:4], [1, 4, 7, 10])
    np.testing.assert_array_equal(rnat[:4], [11, 12, 11, 12])
    rsp, rnat = out(3), out(3)
    assert F._c_closure_170(0, 3, 1, rnat, rsp, i64([-5]), i64([2])) == 3
    np.testing.assert_array_equal(rsp[:3], [6, 7, 8])
    np.testing.assert_array_equal(rnat[:3], [-5, -5, -5])


@pytest.mark.parametrize("seed", range(8))
def test_repeat_patterns(seed):
    rng = np.random.default_rng(seed)
    shape = random_shape(rng, int(rng.integers(0, 4)))
    dense, tsp, tnat = operand(rng, shape)
    nnz = len(tsp)
    rep = int(rng.integers(0, 4))
    pos = int(rng.integers(0, 5))
    args = (i64(tnat, 2), i64(tsp, -1))

    # A new leading axis.
    want_sp, want_nat = element_list(np.stack([dense] * rep) if rep else np.zeros((0,) + shape))
    rsp, rnat = out(len(want_sp), pos), out(len(want_sp), pos, 2)
    assert F._c_closure_169(dense.size, pos, rep, nnz, rnat, rsp, *args) == pos + rep * nnz
    np.testing.assert_array_equal(rsp[pos:pos + len(want_sp)], want_sp)
    np.testing.assert_array_equal(rnat[pos:pos + len(want_sp)], want_nat)
    assert (rsp[:pos] == J64).all() and (rsp[pos + len(want_sp):] == J64).all()

    # A new trailing axis.
    want_sp, want_nat = element_list(np.repeat(dense[..., None], rep, axis=-1))
    rsp, rnat = out(len(want_sp), pos, -1), out(len(want_sp), pos)
    assert F._c_closure_170(pos, rep, nnz, rnat, rsp, *args) == pos + rep * nnz
    np.testing.assert_array_equal(rsp[pos:pos + len(want_sp)], want_sp)
    np.testing.assert_array_equal(rnat[pos:pos + len(want_sp)], want_nat)
    assert (rnat[:pos] == J64).all() and (rnat[pos + len(want_sp):] == J64).all()


@pytest.mark.parametrize("seed", range(8))
def test_repeat_inner_block(seed):
    rng = np.random.default_rng(seed)
    lead, d1, d2 = random_shape(rng, 3, 1, 4)
    rep = int(rng.integers(0, 4))
    dense, tsp, tnat = operand(rng, (lead, d1, d2))
    want_sp, want_nat = element_list(np.tile(dense, (1, rep, 1)))
    pos = int(rng.integers(0, 3))
    rsp, rnat = out(len(want_sp), pos, 2), out(len(want_sp), pos)
    got = F._c_closure_171(d1, d2, pos, rep, len(tsp), rep * d1 * d2, rnat, rsp, d1 * d2, d2, i64(tnat),
                           i64(tsp, 2))
    assert got == pos + len(want_sp)
    got_sp, got_nat = rsp[pos:got], rnat[pos:got]
    order = np.argsort(got_sp)
    np.testing.assert_array_equal(got_sp[order], want_sp)
    np.testing.assert_array_equal(got_nat[order], want_nat)
    assert (rsp[:pos] == J64).all() and (rsp[got:] == J64).all()


@pytest.mark.parametrize("seed", range(6))
def test_dense_repeat(seed):
    rng = np.random.default_rng(seed)
    nouter, nmid, nblock = random_shape(rng, 3, 0, 4)
    rep = int(rng.integers(0, 4))
    pos = int(rng.integers(0, 4))
    t = rng.integers(-100, 100, size=pos + nouter * nmid * nblock + 2)
    block = t[pos:pos + nouter * nmid * nblock].reshape(nouter, nmid, nblock)
    want = np.stack([block] * rep, axis=1) if rep else np.zeros((nouter, 0, nmid, nblock))
    r = out(want.size, 0, 2)
    got = F._c_closure_179(nouter, nmid, nblock, pos, rep, r, rep * nmid * nblock, nblock, i64(t, -1))
    assert got == pos + block.size
    np.testing.assert_array_equal(r[:want.size], want.ravel())
    assert (r[want.size:] == J64).all()


# ---------------------------------------------------------------- stacking


def test_stack_inner_example():
    rsp = i64([1, 1])  # entry 1 of the first operand (2, 1), then of the second (2, 2)
    assert F._c_closure_193(3, 1, 0, 2, i32([1, 1]), i32([0, 1]), rsp, i32([1, 2])) == 2
    np.testing.assert_array_equal(rsp, [3, 2])


@pytest.mark.parametrize("seed", range(10))
def test_stack_sparse_operands(seed):
    rng = np.random.default_rng(seed)
    nd = int(rng.integers(1, 4))
    axis = int(rng.integers(0, nd))
    base = random_shape(rng, nd, 1, 4)
    nops = int(rng.integers(1, 4))
    ops = []
    for _ in range(nops):
        shape = list(base)
        shape[axis] = int(rng.integers(0, 4))
        ops.append(operand(rng, tuple(shape)))
    sdims = np.array([d.shape[axis] for d, _, _ in ops], dtype=np.int32)
    numnz = np.array([len(tsp) for _, tsp, _ in ops], dtype=np.int32)
    result = np.concatenate([d for d, _, _ in ops], axis=axis)
    want_sp, want_nat = element_list(result)

    # Shape of the result and the operands' offsets along the axis.
    rshape = i32(np.r_[base, -1], 2)
    rshape[axis] = 0
    shapes = np.empty(nops, dtype=object)
    shapes[:] = [i32(d.shape) for d, _, _ in ops]
    F._c_closure_186(axis, nops, rshape, shapes)
    np.testing.assert_array_equal(rshape, list(result.shape) + [-1])
    assert F._c_closure_188(0, nops, i32(sdims)) == result.shape[axis]
    assert F._c_closure_182(nops, i32(numnz), 0) == F._c_closure_212(nops, i32(numnz), 0) == len(want_sp)
    offset = i32(np.full(nops + 1, -1), -1)
    offset[0] = 0
    F._c_closure_191(nops, offset, i32(sdims, 2))
    np.testing.assert_array_equal(offset, np.r_[0, np.cumsum(sdims)[:-1], -1])

    # Linear indexes of the operands, re-encoded in the result.
    pos = int(rng.integers(0, 3))
    rsp = i64(np.r_[np.full(pos, J64), np.concatenate([tsp for _, tsp, _ in ops]), J64], 2)
    stacksize = int(result.shape[axis])
    postsize = F._c_closure_189(1, axis, i32(base))
    assert postsize == int(np.prod(base[axis + 1:]))
    end = F._c_closure_193(stacksize, postsize, pos, nops, i32(numnz), offset, rsp, i32(sdims))
    assert end == pos + len(want_sp)
    got_sp = rsp[pos:end]
    got_nat = np.concatenate([tnat for _, _, tnat in ops])
    order = np.argsort(got_sp)
    np.testing.assert_array_equal(got_sp[order], want_sp)
    np.testing.assert_array_equal(got_nat[order], want_nat)
    assert (rsp[:pos] == J64).all() and rsp[end] == J64

    # Leading-axis stacking: shift each operand's block by the elements before it.
    if axis == 0:
        rsp = i64(np.r_[np.full(pos, J64), np.concatenate([tsp for _, tsp, _ in ops]), J64])
        at, shift = pos, 0
        for j, (d, _, _) in enumerate(ops):
            at2 = F._c_closure_190(j, at, shift, i32(numnz, 2), rsp)
            assert at2 == at + numnz[j]
            at, shift = at2, shift + d.size
        np.testing.assert_array_equal(rsp[pos:at], got_sp)
        assert (rsp[:pos] == J64).all() and rsp[at] == J64


def test_stacked_sizes_of_short_shapes():
    rshape = i32([2, 5, 7])
    shapes = np.empty(4, dtype=object)
    shapes[:] = [i32([2, 3]), i32([2]), None, i32([2, 4, 1], 2)]
    F._c_closure_186(1, 4, rshape, shapes)
    np.testing.assert_array_equal(rshape, [2, 5 + 3 + 1 + 1 + 4, 7])


# ---------------------------------------------------------------- shape kernels


@pytest.mark.parametrize("seed", range(6))
def test_shape_kernels(seed):
    rng = np.random.default_rng(seed)
    nd = int(rng.integers(0, 5))
    shape = np.array(random_shape(rng, nd, 0, 6), dtype=np.int32)
    n = int(rng.integers(0, nd + 1))
    init = int(rng.integers(-3, 4))

    for k in (F._c_closure_167, F._c_closure_184):
        rshape = i32(np.full(nd + 1, -1), 2)
        k(n, rshape, i32(shape, -1))
        np.testing.assert_array_equal(rshape, np.r_[shape[:n], np.full(nd + 1 - n, -1)])

    # A shape of n dims from sh: copied, then padded with unit dimensions (a reshape to more dims).
    total = nd + int(rng.integers(0, 3))
    padded = i32(np.full(total + 1, -1), -1)
    F._c_closure_180(i32(shape), padded)
    F._c_closure_181(total, i32(shape, 2), padded)
    want = np.r_[shape, np.ones(total - nd), -1]
    np.testing.assert_array_equal(padded, want)
    assert np.reshape(np.zeros(shape), want[:-1].astype(int)).shape == tuple(want[:-1])

    after, before = sorted(int(v) for v in rng.integers(0, nd + 1, size=2))
    for k in (F._c_closure_168, F._c_closure_185):
        rshape = i32(shape, 2)
        k(after, before, rshape)
        want = shape.copy()
        want[after:before] = 1
        np.testing.assert_array_equal(rshape, want)

    for k in (F._c_closure_172, F._c_closure_194):
        assert k(init, n, i32(shape, 2)) == max([init] + list(shape[:n]))
    assert F._c_closure_183(n, i32(shape, -1), init) == max([init] + list(shape[:n]))
    assert F._c_closure_188(init, n, i32(shape)) == init + shape[:n].sum()

    total = n + int(rng.integers(0, 3))
    assert F._c_closure_187(init, total, i32(shape[:n])) == init * int(np.prod(shape[:n]))
    axis = int(rng.integers(-2, nd + 1))
    assert F._c_closure_189(init, axis, i32(shape, 2)) == init * int(np.prod(shape[max(axis + 1, 0):]))


def test_size_products_wrap_in_32_bits():
    shape = i32([65536, 65536, 3])
    assert F._c_closure_187(1, 3, shape) == 0
    assert F._c_closure_189(3, 0, i32([7, 2**30])) == 3 * 2**30 - 2**32
    assert F._c_closure_189(1, -1, i32([46341, 46341])) == np.array([46341 * 46341]).astype(np.int32)[0]
    assert F._c_closure_182(2, i32([2**31 - 1, 1]), 0) == -2**31


@pytest.mark.parametrize("seed", range(5))
def test_rows_of_entries(seed):
    rng = np.random.default_rng(seed)
    n = int(rng.integers(0, 6))
    first = int(rng.integers(0, 3))
    counts = rng.integers(0, 4, size=n)
    ptrb = first + np.r_[0, np.cumsum(counts)]
    total = int(ptrb[-1])
    subi = i32(np.full(total + 2, -1), 2)
    F._c_closure_200(n, i64(ptrb, -1), subi)
    want = np.r_[np.full(first, -1), np.repeat(np.arange(n), counts), -1, -1]
    np.testing.assert_array_equal(subi, want)
