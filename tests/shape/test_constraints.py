"""Registration of constraint rows, bounds, slacks and map stamps in the native maps."""
import numpy as np
import pytest

from shape._helpers import call, midx_matrix
from support.buffers import JUNK, f64, i32, i64
from support.stacks import Stack

J32, J64 = JUNK[np.int32], JUNK[np.int64]
BOUNDS = ("natconmap_efix", "natconmap_lb", "natconmap_ub")


def rows(rng, n, nrows):
    return rng.choice(nrows, size=n, replace=False).astype(np.int32)


def constants(rng, n):
    """n constants on a result stack after a random gap: (stack, off, values)."""
    stack = Stack(size=n + 64)
    stack.take_f64(int(rng.integers(0, 5)))
    values = rng.normal(size=n)
    return stack, stack.put_f64(values), values


def scattered(size, fill, at, values):
    want = np.full(size, fill, dtype=np.result_type(fill, np.asarray(values)))
    want[at] = values
    return want


@pytest.mark.parametrize("seed", range(3))
def test_variable_and_row_stamps(seed):
    rng = np.random.default_rng(seed)
    n, value, stride = int(rng.integers(0, 12)), int(rng.integers(-5, 100)), (1, 2, -1)[seed]
    idx = i32(rows(rng, n + 3, 30), stride)  # entries past n are ignored
    start, slack = rng.integers(-9, 9, size=30).astype(np.int32), rng.integers(-50, 50, size=30)
    hit = np.isin(np.arange(30), idx[:n])
    for f, name in ((29, "nativeidxs"), (43, "nativeidxs"), (34, "nativeidxs"), (71, "slackidxs")):
        m = i32(start, stride)
        call(f, natvarmap_idx=m, n=n, value=value, **{name: idx})
        np.testing.assert_array_equal(m, np.where(hit, value, start))
    for f in (51, 76):
        ci, cs = i32(start, stride), i64(slack, stride)
        call(f, value=value, natconmap_idx=ci, natconmap_slackidx=cs, nativeidxs=idx, n=n)
        np.testing.assert_array_equal(ci, np.where(hit, value, start))
        np.testing.assert_array_equal(cs, np.where(hit, 0, slack))


@pytest.mark.parametrize("nblocks,msize,nsub,typecode", [
    (2, 3, 2, 0), (3, 1, 1, 2**31 - 1), (1, 0, 2, -2**31), (0, 3, 1, 5)])
def test_fixed_conic_and_semidefinite_rows(nblocks, msize, nsub, typecode):
    rng = np.random.default_rng(msize * 10 + nsub)
    nrows, blockid, n, stride = 40, 4, int(rng.integers(0, 12)), (1, 2, -1)[msize % 3]
    nat = rows(rng, n, nrows)
    stack, off, values = constants(rng, n)
    slackidxs = rng.integers(0, 1000, size=n).astype(np.int32)
    slackidxs[:1] = 0  # slack variable 0 is stored one-based, as 1
    want = {"bnd": (7.5, range(n), 0.0), "natconmap_efix": (7.5, nat, values), "natconmap_lb": (7.5, nat, 0.0),
            "natconmap_ub": (7.5, nat, 0.0), "natconmap_idx": (-1, nat, np.arange(n)),
            "natconmap_blockid": (-1, nat, blockid), "natconmap_type": (-1, blockid, -1 - typecode),
            "natconmap_slackidx": (99, nat, slackidxs + 1)}
    make = {7.5: f64, -1: i32, 99: i64}

    def maps(*names):
        return {m: make[want[m][0]](np.full(nrows, want[m][0]), stride) for m in names + BOUNDS}

    zero, conic = maps("bnd"), maps("natconmap_idx", "natconmap_blockid", "natconmap_slackidx")
    sdp = maps("natconmap_idx", "natconmap_blockid", "natconmap_type")
    common = dict(off=off, n=n, nativeidxs=i32(nat, stride), rf64=stack.f64)
    call(61, **zero, **common)
    call(73, **conic, **common, blockid=blockid, slackidxs=i32(slackidxs, stride))
    nt = nblocks * msize * (msize + 1) // 2 * nsub
    barsubj, matsubi, matsubj = (i32(np.full(nt + 2, J32), 2) for _ in range(3))
    call(69, **sdp, **common, blockid=blockid, barsubj=barsubj, msize=msize, nblocks=nblocks, nsub=nsub,
         matsubi=matsubi, matsubj=matsubj, typecode=typecode)
    for got in (zero, conic, sdp):
        for name, values in got.items():
            np.testing.assert_array_equal(values, scattered(nrows, *want[name]), err_msg=name)
    ti, tj = np.tril_indices(msize)
    b, t, s = np.meshgrid(np.arange(nblocks), np.arange(len(ti)), np.arange(nsub), indexing="ij")
    np.testing.assert_array_equal(barsubj, np.r_[(nsub * b + s).ravel(), J32, J32])
    np.testing.assert_array_equal(matsubi, np.r_[ti[t].ravel(), J32, J32])
    np.testing.assert_array_equal(matsubj, np.r_[tj[t].ravel(), J32, J32])


@pytest.mark.parametrize("rowwise", [0, 1, 7])
@pytest.mark.parametrize("dims5", [(1, 3, 1, 3, 1), (2, 4, 3, 4, 2), (2, 0, 2, 0, 1), (3, 2, 2, 2, 1)])
def test_semidefinite_slacks_name_the_matching_bar_element(rowwise, dims5):
    """Each slack entry names the bar element (variable, row i >= column j) of a native bar map
    stored column by column, after two variables of other sizes."""
    rng = np.random.default_rng(sum(dims5))
    d0, n, d2, _, d4 = dims5
    nmat = d0 * d2 * d4
    ptr = 1 + np.r_[0, np.cumsum([d * (d + 1) // 2 for d in [2, 3] + [n] * nmat])]
    at = np.zeros((n, n), np.int64)
    tj, ti = np.triu_indices(n)
    at[ti, tj] = np.arange(len(ti))  # place of (i, j) within its variable
    slacks = (np.arange(nmat) + 2)[rng.permutation(nmat)].astype(np.int32)
    a, x1, m, x3, c = np.indices(dims5).reshape(5, -1)
    lin = np.flatnonzero(x1 >= x3 if rowwise else x1 <= x3)
    nativeidxs = (lin + 3).astype(np.int32)
    matidxs = rng.integers(-1000, 1000, size=n * (n + 1) // 2)
    slackidx = i64(np.full(len(a) + 5, 12345), 2)
    slackmat, slackbarsubj = i64(np.full(len(lin) + 2, J64)), i32(np.full(len(lin) + 2, J32), -1)
    call(64, dim=i32(dims5), matidxs=i64(matidxs), natbarvar_ptr=i64(ptr, 2), natconmap_slackidx=slackidx,
         nativeidxs=i32(nativeidxs, 2), slackbarsubj=slackbarsubj, slackmat=slackmat, slacks=i32(slacks),
         rowwise=rowwise)
    i, j = np.maximum(x1, x3)[lin], np.minimum(x1, x3)[lin]
    s = slacks[((a * d2 + m) * d4 + c)[lin]]
    np.testing.assert_array_equal(slackbarsubj, np.r_[s, J32, J32])
    np.testing.assert_array_equal(slackmat, np.r_[matidxs[i * (i + 1) // 2 + j], J64, J64])
    np.testing.assert_array_equal(slackidx[nativeidxs], -1 - ptr[s] - at[i, j])
    assert (np.delete(slackidx, nativeidxs) == 12345).all()


def ranged(rng, shape, n, nnz, nbuf=None, **dom):
    stack, off, values = constants(rng, max(nnz, 1))
    nat = rows(rng, max(nnz, 1), 12)
    nbuf = nbuf or max(n, int(np.prod(shape)), 1)
    bl, bu, efix = f64(np.full(nbuf, 9.0), 2), f64(np.full(nbuf, 9.0), -1), f64(np.full(12, 3.0))
    call(52, **{"nobounds": 0, "isscalar": 0, **dom}, off=off, bl=bl, bu=bu, efix=efix, nativeidxs=i32(nat),
         nd=len(shape), nnz=nnz, n=n, rf64=stack.f64, ri32=stack.i32, shapeoff=stack.put_i32(shape))
    np.testing.assert_array_equal(efix, scattered(12, 3.0, nat[:nnz], values[:nnz]))
    return bl, bu


def equality(rng, shape, n, **dom):
    stack, off, values = constants(rng, max(n, 1))
    nat = rows(rng, max(n, int(np.prod(shape)), 1), 32)
    lb, ub, efix = f64(np.full(32, 9.0), 2), f64(np.full(32, 9.0)), f64(np.full(32, 3.0), -1)
    call(75, **{"nobounds": 0, "isscalar": 0, **dom}, off=off, efix=efix, lb=lb, nativeidxs=i32(nat),
         nd=len(shape), n=n, rf64=stack.f64, shape=i32(shape), ub=ub)
    np.testing.assert_array_equal(efix, scattered(32, 3.0, nat[:n], values[:n]))
    np.testing.assert_array_equal(lb, ub)
    return lb, nat


def test_simple_domains():
    rng = np.random.default_rng(1)
    one = np.array([[0, 0]], dtype=np.int32)
    for nobounds in (0, 1):  # a scalar domain applies whatever nobounds says
        bl, bu = ranged(rng, (2, 3), 6, 6, nobounds=nobounds, isscalar=1, domsp=one, domlb=f64([-1.0]),
                        domub=f64([1.0]))
        assert (bl == -1.0).all() and (bu == 1.0).all()
    dom = np.arange(5.0)
    bl, bu = ranged(rng, (), 5, 4, nobounds=1, domlb=f64(dom), domub=f64(dom))
    assert (bl == 9.0).all() and (bu == 9.0).all()
    bl, bu = ranged(rng, (), 5, 5, nbuf=7, domlb=f64(-dom, 2), domub=f64(dom + 1))
    np.testing.assert_array_equal(bl, np.r_[-dom, 9, 9])
    np.testing.assert_array_equal(bu, np.r_[dom + 1, 9, 9])
    four = f64([1.0, 2.0, 3.0, 4.0])
    for kw, filled in ((dict(domsp=one[:, :1]), 0.0), (dict(dombnd=f64([2.5, 7]), isscalar=1, nobounds=1), 2.5),
                       (dict(dombnd=four), [1.0, 2.0, 3.0, 4.0]), (dict(dombnd=four, nobounds=1), None)):
        lb, nat = equality(rng, (4,), 4, **kw)
        np.testing.assert_array_equal(lb, np.full(32, 9.0) if filled is None else scattered(32, 9.0, nat[:4], filled))


@pytest.mark.parametrize("seed", range(6))
def test_sparse_domains(seed):
    """Seed 0 is 0-dimensional; the equality path runs whatever nobounds says, also with no rows."""
    rng = np.random.default_rng(seed)
    shape = tuple(int(s) for s in rng.integers(1, 4, size=int(rng.integers(1, 4)) if seed else 0))
    size = int(np.prod(shape))
    lin = rng.choice(size, size=int(rng.integers(0, size + 1)) if seed else 1, replace=False)
    midx = np.array(np.unravel_index(lin, shape) if shape else [], np.int32).T.reshape(len(lin), len(shape))
    lo, hi = rng.normal(size=len(lin)), rng.normal(size=len(lin))
    bl, bu = ranged(rng, shape, size, int(rng.integers(0, 4)), domsp=midx_matrix(midx, "CF"[seed % 2]),
                    domlb=f64(lo), domub=f64(hi, 2))
    np.testing.assert_array_equal(bl, scattered(size, 9.0, lin, lo))
    np.testing.assert_array_equal(bu, scattered(size, 9.0, lin, hi))
    lb, nat = equality(rng, shape, 0 if seed % 3 == 2 else size, dombnd=f64(lo, 2), nobounds=seed % 2,
                       domsp=np.ascontiguousarray(midx))
    np.testing.assert_array_equal(lb, scattered(32, 9.0, nat[lin], lo))
