# Registration of constraint rows, bounds, slacks and map stamps in the native maps.
import numpy as np
import pytest

from shape._helpers import J, prod, random_shape, run


def scattered(size, fill, at, values):
    want = np.full(size, fill, dtype=float)
    want[at] = values
    return want.tolist()


def test_variable_and_row_stamps():
    rng = np.random.default_rng(29)
    for n in (0, 1, 7, 11):
        idx, value = rng.choice(30, size=n + 3, replace=False), int(rng.integers(-5, 100))  # idx past n is ignored
        start, slack, hit = rng.integers(-9, 9, 30), rng.integers(-50, 50, 30), np.isin(np.arange(30), idx[:n])
        var = dict(natvarmap_idx=np.where(hit, value, start).tolist())
        row = dict(natconmap_idx=var["natvarmap_idx"], natconmap_slackidx=np.where(hit, 0, slack).tolist())
        for key, name, want in ((29, "nativeidxs", var), (34, "nativeidxs", var), (71, "slackidxs", var),
                                (51, "nativeidxs", row), (76, "nativeidxs", row)):
            assert run(key, natvarmap_idx=start, natconmap_idx=start, natconmap_slackidx=slack, n=n, value=value,
                       **{name: idx})[1] == want


@pytest.mark.parametrize("nblocks,msize,nsub,typecode", [
    (2, 3, 2, 0), (3, 1, 1, 2**31 - 1), (1, 0, 2, -2**31), (0, 3, 1, 5)])
def test_fixed_conic_and_semidefinite_rows(nblocks, msize, nsub, typecode):
    rng = np.random.default_rng(msize * 10 + nsub)
    n, off, blockid = int(rng.integers(0, 12)), int(rng.integers(0, 5)), 4
    nat, values, slackidxs = rng.choice(40, size=n, replace=False), rng.normal(size=n), rng.integers(0, 1000, size=n)
    slackidxs[:1] = 0  # slack variable 0 is stored one-based, as 1
    maps = dict(natconmap_efix=(7.5, values), natconmap_lb=(7.5, 0.0), natconmap_ub=(7.5, 0.0),
                natconmap_idx=(-1, range(n)), natconmap_blockid=(-1, blockid), natconmap_slackidx=(99, slackidxs + 1))
    want = {m: scattered(40, fill, nat, v) for m, (fill, v) in maps.items()}
    common = dict({m: [fill] * 40 for m, (fill, _) in maps.items()}, off=off, n=n, nativeidxs=nat, blockid=blockid,
                  rf64=[J] * off + values.tolist(), slackidxs=slackidxs)
    assert run(61, bnd=n + 1, **common)[1] == dict(bnd=[0.0] * n, **{m: want[m] for m in list(want)[:3]})
    assert run(73, **common)[1] == want
    nt = nblocks * msize * (msize + 1) // 2 * nsub
    _, out = run(69, barsubj=nt + 1, matsubi=nt + 1, matsubj=nt + 1, msize=msize, nblocks=nblocks, nsub=nsub,
                 natconmap_type=[-1] * 6, typecode=typecode, **common)
    ti, tj = np.tril_indices(msize)
    b, t, s = (v.ravel() for v in np.meshgrid(np.arange(nblocks), np.arange(len(ti)), np.arange(nsub), indexing="ij"))
    assert out == dict({m: want[m] for m in list(want)[:5]}, natconmap_type=scattered(6, -1, blockid, -1 - typecode),
                       barsubj=(nsub * b + s).tolist(), matsubi=ti[t].tolist(), matsubj=tj[t].tolist())


@pytest.mark.parametrize("rowwise", [0, 1, 7])
@pytest.mark.parametrize("dims5", [(1, 3, 1, 3, 1), (2, 4, 3, 4, 2), (2, 0, 2, 0, 1), (3, 2, 2, 2, 1)])
def test_semidefinite_slacks_name_the_matching_bar_element(rowwise, dims5):
    # Each slack entry names the bar element (variable, row i >= column j) of a native bar map
    # stored column by column, after two variables of other sizes.
    rng = np.random.default_rng(sum(dims5))
    d0, n, d2, _, d4 = dims5
    ptr = 1 + np.cumsum([0] + [d * (d + 1) // 2 for d in [2, 3] + [n] * (d0 * d2 * d4)])
    at = np.zeros((n, n), np.int64)
    at[np.triu_indices(n)[::-1]] = np.arange(n * (n + 1) // 2)  # place of (i, j) within its variable
    slacks, matidxs = rng.permutation(d0 * d2 * d4) + 2, rng.integers(-1000, 1000, size=n * (n + 1) // 2)
    a, x1, m, x3, c = np.indices(dims5).reshape(5, -1)
    lin = np.flatnonzero(x1 >= x3 if rowwise else x1 <= x3)
    i, j, s = np.maximum(x1, x3)[lin], np.minimum(x1, x3)[lin], slacks[((a * d2 + m) * d4 + c)[lin]]
    _, out = run(64, dim=dims5, matidxs=matidxs, natbarvar_ptr=ptr, natconmap_slackidx=[12345] * (len(a) + 5),
                 nativeidxs=lin + 3, slackbarsubj=len(lin) + 1, slackmat=len(lin) + 1, slacks=slacks, rowwise=rowwise)
    assert out == dict(slackbarsubj=s.tolist(), slackmat=matidxs[i * (i + 1) // 2 + j].tolist(),
                       natconmap_slackidx=scattered(len(a) + 5, 12345, lin + 3, -1 - ptr[s] - at[i, j]))


@pytest.mark.parametrize("seed", range(6))
def test_domains(seed):
    # Bounds by case: a scalar domain (whatever nobounds says), no bounds, dense, sparse in the
    # constraint's shape (seed 0: 0-dimensional); 52 by element position, 75 by native row (with
    # no rows when seed % 3 == 2).
    rng = np.random.default_rng(seed)
    shape = random_shape(rng, int(rng.integers(1, 4)) if seed else 0, 1, 4)
    size, off, flag = prod(shape), int(rng.integers(0, 3)), seed % 2
    lin = rng.choice(size, size=int(rng.integers(0, size + 1)) if seed else 1, replace=False)
    domsp = np.array([np.unravel_index(v, shape) for v in lin], np.int32, order="CF"[flag])
    domsp = domsp.reshape(len(lin), len(shape))
    lo, hi, dlo, dhi, values = (rng.normal(size=len(v)) for v in (lin, lin, range(size), range(size), range(size)))
    nat, nnz, m = rng.choice(32, size=size, replace=False), int(rng.integers(0, size + 1)), size * (seed % 3 != 2)
    args = dict(dict.fromkeys(("bl", "bu", "lb", "ub"), [9.0] * 32), off=off, nativeidxs=nat, nd=len(shape), nnz=nnz,
                rf64=[J] * off + values.tolist(), nobounds=0, isscalar=0, ri32=[J, J] + shape, shapeoff=2, n=size,
                shape=shape, domsp=domsp, efix=[3.0] * 32)
    for over, at, bl, bu in [(dict(isscalar=1, nobounds=flag, domlb=[-1.0, 5], domub=[1.0, 5]), range(size), -1.0, 1.0),
                             (dict(nobounds=1, domlb=lo, domub=hi), [], 0, 0), (dict(domlb=lo, domub=hi), lin, lo, hi),
                             (dict(domlb=dlo, domub=dhi, domsp=None), range(size), dlo, dhi)]:
        assert run(52, **dict(args, **over))[1] == dict(efix=scattered(32, 3.0, nat[:nnz], values[:nnz]),
                                                        bl=scattered(32, 9.0, at, bl), bu=scattered(32, 9.0, at, bu))
    for over, rows, v in [(dict(dombnd=None), nat[:m], 0.0), (dict(dombnd=[2.5, 9], isscalar=1), nat[:m], 2.5),
                          (dict(dombnd=dlo, domsp=None), nat[:m - m * flag], dlo[:m - m * flag]),
                          (dict(dombnd=lo), nat[lin], lo)]:
        over["nobounds"] = flag
        want, efix = scattered(32, 9.0, rows, v), scattered(32, 3.0, nat[:m], values[:m])
        assert run(75, **dict(args, n=m, **over))[1] == dict(efix=efix, lb=want, ub=want)
