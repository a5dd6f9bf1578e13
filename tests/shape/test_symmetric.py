# Symmetric expansions and triangular coordinate lists, against NumPy's triangle indexes.
import numpy as np
import pytest

from shape._helpers import check, prod


@pytest.mark.parametrize("n", [0, 1, 2, 3, 5])
def test_dense_and_sparse_expansions(n):
    # Dense: the upper triangle read row by row. Sparse: count, build and pattern passes; each
    # stored entry comes in order, its mirror straight after it.
    rng = np.random.default_rng(n)
    count, pos = n * (n + 1) // 2, n % 3
    idxs = rng.integers(-1, 2**31 - 1, size=pos + count + 2, endpoint=True)
    m = np.zeros((n, n), np.int64)
    m[np.triu_indices(n)] = idxs[pos:pos + count] + 1
    sp = np.sort(rng.choice(np.flatnonzero(np.tri(n)), size=int(rng.integers(0, count + 1)), replace=False))
    rsp = [v for s in sp for v in ([s] if s // n == s % n else [s, s % n * n + s // n])]
    ridxs = [v + 1 for s, v in zip(sp, idxs) for _ in range(1 + (s // n != s % n))]
    check([(142, dict(n=n, idxs=idxs, pos=pos, ridxs=n * n + 1), pos + count, dict(ridxs=(m + np.triu(m, 1).T).flat)),
           (143, dict(n=n, init=5, sp=sp), 5 + len(rsp), {}),
           (144, dict(n=n, idxs=idxs, ridxs=len(rsp) + 1, rsp=len(rsp) + 1, sp=sp), None, dict(ridxs=ridxs, rsp=rsp)),
           (146, dict(n=n, rsp=len(rsp) + 1, sp=sp), None, dict(rsp=rsp))])


def test_triangles_and_one_based_indexes():
    v, diagonal = [0, -1, 5, 2**31 - 1, -2**31], [-1, 0.5, -1, 0.5, 0.5, -1, 0.5]
    check([(63, dict(n=3, matsubi=7, matsubj=7), None, dict(matsubi=[0, 1, 1, 2, 2, 2], matsubj=[0, 0, 1, 0, 1, 2])),
           (63, dict(n=0, matsubi=1, matsubj=1), None, dict(matsubi=[], matsubj=[])),
           (62, dict(n=3, matcof=[0.5] * 7), None, dict(matcof=diagonal)),
           (62, dict(n=0, matcof=[0.5]), None, dict(matcof=[0.5])),
           (68, dict(n=3, matcof=[0.5] * 7), None, dict(matcof=diagonal)),
           (147, dict(nativeidxs=v, r=6), None, dict(r=[x + 1 for x in v]))])


@pytest.mark.parametrize("nouter,msize,nmid,nq,nblock", [
    (2, 3, 2, 3, 2), (1, 4, 3, 6, 1), (2, 3, 1, 2, 2), (0, 3, 1, 3, 1), (2, 0, 2, 2, 1)])
def test_mirror_semidefinite_entries(nouter, msize, nmid, nq, nblock):
    dims = (nouter, msize, nmid, msize, nblock)
    _, q, _, i, _ = np.indices(dims)
    read = (i >= q) & (q < nq)  # read row-major, lower part of the first nq columns
    values = np.random.default_rng(msize + 10 * nmid).integers(-50, 50, size=read.sum() + 3)
    want = np.zeros(dims, np.int64)
    want[read] = -values[:read.sum()] - 1
    want = want + np.swapaxes(np.where(read & (i > q), want, 0), 1, 3)
    strides = dict(zip(("ostride", "rowstride", "mstride", "colstride"), [prod(dims[j + 1:]) for j in range(4)]))
    check([(151, dict(nouter=nouter, msize=msize, nmid=nmid, nq=nq, nblock=nblock, nativeidxs=values,
                      residxs=[0] * (want.size + 1), **strides), None, dict(residxs=want.ravel().tolist() + [0]))])
