"""Registration of constraint rows, bounds, slacks and map stamps in the native maps."""
import numpy as np
import pytest

import fragments as F
from support.buffers import JUNK, f64, i32, i64
from support.stacks import Stack

STRIDES = [1, 2, -1]


def junk(dtype, n, stride=1):
    return {np.int32: i32, np.int64: i64, np.float64: f64}[dtype](np.full(n, JUNK[dtype]), stride)


def rows(rng, n, nrows):
    """n distinct native rows out of nrows, in random order."""
    return rng.choice(nrows, size=n, replace=False).astype(np.int32)


def constants(rng, n):
    """n constants on a result stack: (stack, off, values)."""
    stack = Stack(size=n + 64)
    stack.take_f64(int(rng.integers(0, 5)))
    values = rng.normal(size=n)
    return stack, stack.put_f64(values), values


# ---------------------------------------------------------------- map stamps


@pytest.mark.parametrize("seed", range(4))
def test_variable_and_row_stamps(seed):
    rng = np.random.default_rng(seed)
    nmap = 30
    n = int(rng.integers(0, 12))
    idx = rows(rng, n + 3, nmap)  # entries past n must be ignored
    value = int(rng.integers(-5, 100))
    stride = STRIDES[seed % 3]
    start = rng.integers(-9, 9, size=nmap).astype(np.int32)
    expected = start.copy()
    expected[idx[:n]] = value

    calls = [
        lambda m, x: F._c_closure_29(x, m, n, value),
        lambda m, x: F._c_closure_43(x, m, n, value),
        lambda m, x: F._c_closure_34(n, x, m, value),
        lambda m, x: F._c_closure_71(n, m, value, x),
    ]
    for call in calls:
        m = i32(start, stride)
        call(m, i32(idx, stride))
        np.testing.assert_array_equal(m, expected)

    # Rows: position stamp and slack reset.
    slack = rng.integers(-50, 50, size=nmap)
    for call in (lambda ci, cs, x: F._c_closure_51(value, ci, cs, x, n),
                 lambda ci, cs, x: F._c_closure_76(value, n, ci, cs, x)):
        ci, cs = i32(start, stride), i64(slack, stride)
        call(ci, cs, i32(idx, stride))
        want_slack = slack.copy()
        want_slack[idx[:n]] = 0
        np.testing.assert_array_equal(ci, expected)
        np.testing.assert_array_equal(cs, want_slack)


# ---------------------------------------------------------------- fixed, conic and semidefinite rows


@pytest.mark.parametrize("seed", range(3))
def test_zero_and_conic_rows(seed):
    rng = np.random.default_rng(seed)
    nrows = 25
    n = int(rng.integers(0, 10))
    nat = rows(rng, n, nrows)
    stack, off, values = constants(rng, n)
    stride = STRIDES[seed]

    efix, lb, ub, bnd = (f64(np.full(nrows, 7.5), stride) for _ in range(4))
    F._c_closure_61(off, bnd, efix, lb, ub, i32(nat, stride), n, stack.f64)
    want = np.full(nrows, 7.5)
    want_efix = want.copy()
    want_efix[nat] = values
    want_b = want.copy()
    want_b[nat] = 0.0
    np.testing.assert_array_equal(efix, want_efix)
    np.testing.assert_array_equal(lb, want_b)
    np.testing.assert_array_equal(ub, want_b)
    np.testing.assert_array_equal(bnd, np.r_[np.zeros(n), np.full(nrows - n, 7.5)])

    slackidxs = rng.integers(0, 1000, size=n).astype(np.int32)
    slackidxs[:1] = 0  # slack variable 0 is stored one-based, as 1
    blockid = int(rng.integers(0, 9))
    blk, pos = i32(np.full(nrows, -1), stride), i32(np.full(nrows, -1), stride)
    efix, lb, ub = (f64(np.full(nrows, 7.5), stride) for _ in range(3))
    sl = i64(np.full(nrows, 99), stride)
    F._c_closure_73(off, blockid, n, blk, efix, pos, lb, sl, ub, i32(nat, stride), stack.f64,
                    i32(slackidxs, stride))
    want_pos = np.full(nrows, -1)
    want_pos[nat] = np.arange(n)
    want_blk = np.full(nrows, -1)
    want_blk[nat] = blockid
    want_sl = np.full(nrows, 99)
    want_sl[nat] = slackidxs.astype(np.int64) + 1
    np.testing.assert_array_equal(efix, want_efix)
    np.testing.assert_array_equal(lb, want_b)
    np.testing.assert_array_equal(ub, want_b)
    np.testing.assert_array_equal(pos, want_pos)
    np.testing.assert_array_equal(blk, want_blk)
    np.testing.assert_array_equal(sl, want_sl)


@pytest.mark.parametrize("nblocks,msize,nsub,typecode",
                         [(1, 2, 1, 3), (2, 3, 2, 0), (3, 1, 1, 2**31 - 1), (1, 0, 2, -2**31), (0, 3, 1, 5),
                          (2, 4, 3, -7)])
def test_semidefinite_rows(nblocks, msize, nsub, typecode):
    rng = np.random.default_rng(msize * 10 + nsub)
    nrows, blockid = 40, 4
    n = int(rng.integers(0, 12))
    nt = nblocks * msize * (msize + 1) // 2 * nsub
    nat = rows(rng, n, nrows)
    stack, off, values = constants(rng, n)
    barsubj, matsubi, matsubj = (junk(np.int32, nt + 2, 2) for _ in range(3))
    blk, pos, types = (i32(np.full(nrows, -1)) for _ in range(3))
    efix, lb, ub = (f64(np.full(nrows, 7.5)) for _ in range(3))
    F._c_closure_69(barsubj, off, blockid, msize, nblocks, nsub, matsubi, matsubj, blk, efix, pos, lb, types,
                    ub, i32(nat), n, stack.f64, typecode)

    ti, tj = np.tril_indices(msize)  # row by row
    b, t, k = np.meshgrid(np.arange(nblocks), np.arange(len(ti)), np.arange(nsub), indexing="ij")
    np.testing.assert_array_equal(barsubj, np.r_[(nsub * b + k).ravel(), JUNK[np.int32], JUNK[np.int32]])
    np.testing.assert_array_equal(matsubi, np.r_[ti[t].ravel(), JUNK[np.int32], JUNK[np.int32]])
    np.testing.assert_array_equal(matsubj, np.r_[tj[t].ravel(), JUNK[np.int32], JUNK[np.int32]])

    want = np.full(nrows, -1)
    want[blockid] = -1 - typecode
    np.testing.assert_array_equal(types, want)
    want = np.full(nrows, -1)
    want[nat] = np.arange(n)
    np.testing.assert_array_equal(pos, want)
    want[nat] = blockid
    np.testing.assert_array_equal(blk, want)
    want_e = np.full(nrows, 7.5)
    want_e[nat] = values
    np.testing.assert_array_equal(efix, want_e)
    want_e[nat] = 0.0
    np.testing.assert_array_equal(lb, want_e)
    np.testing.assert_array_equal(ub, want_e)


# ---------------------------------------------------------------- semidefinite slack entries


class BarModel:
    """A small native bar-variable map: variables of given dimensions laid out one after
    the other, elements of each column by column (within column j, rows j .. d-1)."""

    def __init__(self, dims, first=0):
        self.ptr = np.zeros(len(dims) + 1, dtype=np.int64)
        self.ptr[0] = first
        idx, ii, jj = [np.full(first, -1)], [np.full(first, -1)], [np.full(first, -1)]
        for b, d in enumerate(dims):
            self.ptr[b + 1] = self.ptr[b] + d * (d + 1) // 2
            col, row = np.triu_indices(d)  # (col, row) with row >= col, column by column
            idx.append(np.full(len(row), b))
            ii.append(row)
            jj.append(col)
        self.idx, self.i, self.j = (np.concatenate(v) for v in (idx, ii, jj))


@pytest.mark.parametrize("rowwise", [0, 1, 7])
@pytest.mark.parametrize("dims5", [(1, 3, 1, 3, 1), (2, 4, 3, 4, 2), (1, 1, 1, 1, 1), (2, 0, 2, 0, 1),
                                   (1, 5, 1, 5, 3), (3, 2, 2, 2, 1)])
def test_semidefinite_slacks_name_the_matching_bar_element(rowwise, dims5):
    rng = np.random.default_rng(sum(dims5))
    d0, n, d2, _, d4 = dims5
    nmat = d0 * d2 * d4
    # Slack matrix variables of dimension n after two unrelated variables of other sizes.
    model = BarModel([2, 3] + [n] * nmat, first=1)
    slacks = (np.arange(nmat) + 2)[rng.permutation(nmat)].astype(np.int32)

    # The constraint's rows: one triangle of each matrix over axes 1 and 3, in row-major order.
    a, x1, m, x3, k = np.indices(dims5).reshape(5, -1)
    keep = x1 >= x3 if rowwise else x1 <= x3
    lin = np.flatnonzero(keep)
    nrow = len(lin)
    assert nrow == nmat * n * (n + 1) // 2
    nativeidxs = (lin + 3).astype(np.int32)  # native row of constraint element lin
    matidxs = rng.integers(-1000, 1000, size=n * (n + 1) // 2)

    slackidx = i64(np.full(int(np.prod(dims5)) + 5, 12345), 2)
    slackmat = junk(np.int64, nrow + 2)
    slackbarsubj = junk(np.int32, nrow + 2, -1)
    F._c_closure_64(i32(dims5), i64(matidxs), i64(model.ptr, 2), slackidx, i32(nativeidxs, 2), slackbarsubj,
                    slackmat, i32(slacks), rowwise)

    i = np.maximum(x1, x3)[lin]
    j = np.minimum(x1, x3)[lin]
    s = slacks[((a * d2 + m) * d4 + k)[lin]]
    np.testing.assert_array_equal(slackbarsubj[:nrow], s)
    np.testing.assert_array_equal(slackmat[:nrow], matidxs[i * (i + 1) // 2 + j])
    assert (slackbarsubj[nrow:] == JUNK[np.int32]).all() and (slackmat[nrow:] == JUNK[np.int64]).all()

    code = slackidx[nativeidxs]
    assert (code < 0).all()
    e = -code - 1
    np.testing.assert_array_equal(model.idx[e], s)
    np.testing.assert_array_equal(model.i[e], i)
    np.testing.assert_array_equal(model.j[e], j)
    untouched = np.ones(len(slackidx), dtype=bool)
    untouched[nativeidxs] = False
    assert (slackidx[untouched] == 12345).all()


# ---------------------------------------------------------------- domains


def random_domain(rng, shape, count):
    """count distinct multi-indexes of shape (rows of domsp) and their linear indexes."""
    size = int(np.prod(shape))
    lin = rng.choice(size, size=min(count, size), replace=False)
    midx = np.array(np.unravel_index(lin, shape), dtype=np.int32).T.reshape(len(lin), len(shape))
    return np.ascontiguousarray(midx), lin


def ranged(isscalar=0, nobounds=0, domsp=None, domlb=None, domub=None, shape=(), nnz=0, n=0, rng=None,
           nmap=12, nbuf=None):
    rng = rng or np.random.default_rng(1)
    nbuf = nbuf if nbuf is not None else max(n, int(np.prod(shape)), 1)
    stack, off, values = constants(rng, max(nnz, 1))
    shapeoff = stack.put_i32(shape)
    nat = rows(rng, max(nnz, 1), nmap)
    bl, bu = f64(np.full(nbuf, 9.0), 2), f64(np.full(nbuf, 9.0), -1)
    efix = f64(np.full(nmap, 3.0))
    F._c_closure_52(off, bl, bu, nobounds, domlb, isscalar, domsp, domub, efix, i32(nat), len(shape), nnz, n,
                    stack.f64, stack.i32, shapeoff)
    want_efix = np.full(nmap, 3.0)
    want_efix[nat[:nnz]] = values[:nnz]
    np.testing.assert_array_equal(efix, want_efix)
    return bl, bu


def test_ranged_scalar_domain_wins():
    domsp = np.array([[0, 0]], dtype=np.int32)
    for nobounds in (0, 1):
        bl, bu = ranged(isscalar=1, nobounds=nobounds, domsp=domsp, domlb=f64([-1.0]), domub=f64([1.0]),
                        shape=(2, 3), nnz=6, n=6)
        np.testing.assert_array_equal(bl, np.full(6, -1.0))
        np.testing.assert_array_equal(bu, np.full(6, 1.0))


def test_ranged_without_bounds_and_dense():
    dom = np.arange(5.0)
    bl, bu = ranged(nobounds=1, domsp=None, domlb=f64(dom), domub=f64(dom), nnz=4, n=5)
    assert (bl == 9.0).all() and (bu == 9.0).all()
    bl, bu = ranged(domlb=f64(-dom, 2), domub=f64(dom + 1), nnz=5, n=5, nbuf=7)
    np.testing.assert_array_equal(bl, np.r_[-dom, 9, 9])
    np.testing.assert_array_equal(bu, np.r_[dom + 1, 9, 9])


def test_ranged_sparse_domain_example():
    domsp = np.array([[1, 2], [0, 0]], dtype=np.int32)
    bl, bu = ranged(domsp=domsp, domlb=f64([-2.0, -3.0]), domub=f64([2.0, 3.0]), shape=(2, 3), nnz=6, n=6)
    np.testing.assert_array_equal(bl, [-3.0, 9, 9, 9, 9, -2.0])
    np.testing.assert_array_equal(bu, [3.0, 9, 9, 9, 9, 2.0])


@pytest.mark.parametrize("seed", range(6))
def test_ranged_sparse_domain_random(seed):
    rng = np.random.default_rng(seed)
    nd = int(rng.integers(0, 4))
    shape = tuple(int(s) for s in rng.integers(1, 5, size=nd))
    size = int(np.prod(shape))
    midx, lin = random_domain(rng, shape, int(rng.integers(0, size + 1)))
    lo, hi = rng.normal(size=len(lin)), rng.normal(size=len(lin))
    domsp = np.asfortranarray(midx) if seed % 2 else midx
    bl, bu = ranged(domsp=domsp, domlb=f64(lo), domub=f64(hi, 2), shape=shape, nnz=int(rng.integers(0, 4)),
                    n=size, rng=rng)
    want_l, want_u = np.full(size, 9.0), np.full(size, 9.0)
    want_l[lin], want_u[lin] = lo, hi
    np.testing.assert_array_equal(bl, want_l)
    np.testing.assert_array_equal(bu, want_u)


def equality(dombnd=None, isscalar=0, nobounds=0, domsp=None, shape=(), n=0, rng=None, nmap=16):
    rng = rng or np.random.default_rng(2)
    stack, off, values = constants(rng, max(n, 1))
    nat = rows(rng, max(n, int(np.prod(shape)), 1), nmap)
    lb, ub = f64(np.full(nmap, 9.0), 2), f64(np.full(nmap, 9.0))
    efix = f64(np.full(nmap, 3.0), -1)
    F._c_closure_75(off, dombnd, nobounds, isscalar, domsp, efix, lb, i32(nat), len(shape), n, stack.f64,
                    i32(shape), ub)
    want_efix = np.full(nmap, 3.0)
    want_efix[nat[:n]] = values[:n]
    np.testing.assert_array_equal(efix, want_efix)
    np.testing.assert_array_equal(lb, ub)
    return lb, nat


def test_equality_simple_domains():
    domsp = np.array([[1]], dtype=np.int32)
    lb, nat = equality(dombnd=None, domsp=domsp, shape=(4,), n=4)
    want = np.full(16, 9.0)
    want[nat[:4]] = 0.0
    np.testing.assert_array_equal(lb, want)
    lb, nat = equality(dombnd=f64([2.5, 7.0]), isscalar=1, domsp=domsp, nobounds=1, shape=(4,), n=4)
    want[nat[:4]] = 2.5
    np.testing.assert_array_equal(lb, want)
    lb, nat = equality(dombnd=f64([1.0, 2.0, 3.0, 4.0]), shape=(4,), n=4)
    want[nat[:4]] = [1.0, 2.0, 3.0, 4.0]
    np.testing.assert_array_equal(lb, want)
    lb, nat = equality(dombnd=f64([1.0, 2.0, 3.0, 4.0]), nobounds=1, shape=(4,), n=4)
    assert (lb == 9.0).all()


@pytest.mark.parametrize("seed", range(6))
def test_equality_sparse_domain(seed):
    rng = np.random.default_rng(seed)
    nd = int(rng.integers(0, 4))
    shape = tuple(int(s) for s in rng.integers(1, 4, size=nd))
    size = int(np.prod(shape))
    midx, lin = random_domain(rng, shape, int(rng.integers(0, size + 1)))
    bnd = rng.normal(size=len(lin))
    # The sparse path runs whatever nobounds says, and also with no rows to register.
    n = size if seed % 3 else 0
    lb, nat = equality(dombnd=f64(bnd, 2), nobounds=seed % 2, domsp=midx, shape=shape, n=n, rng=rng)
    want = np.full(16, 9.0)
    want[nat[lin]] = bnd
    np.testing.assert_array_equal(lb, want)


def test_zero_dimensional_sparse_domain():
    domsp = np.zeros((1, 0), dtype=np.int32)
    bl, bu = ranged(domsp=domsp, domlb=f64([-4.0]), domub=f64([4.0]), shape=(), nnz=1, n=1)
    assert bl[0] == -4.0 and bu[0] == 4.0
    lb, nat = equality(dombnd=f64([6.0]), domsp=domsp, shape=(), n=1)
    assert lb[nat[0]] == 6.0
