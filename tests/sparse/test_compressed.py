"""The bucket sort of a permutation by a reduced linear index, against a stable argsort."""
import numpy as np
import pytest

import fragments as F
from support.buffers import i64


def oracle(d0, d1, d2, perm, val):
    n = len(val)
    q = (val[perm[:n]] // (d1 * d2)) * d2 + val[perm[:n]] % d2
    order = np.argsort(q, kind="stable")
    out = perm.copy()
    out[:n] = perm[:n][order]
    ptrb = np.zeros(d0 * d2 + 1, dtype=np.int64)
    ptrb[:-1] = np.cumsum(np.bincount(q, minlength=d0 * d2))  # ptrb[q] = end of bucket q
    ptrb[-1] = n  # the prefix total, untouched by the scatter
    return out, ptrb


@pytest.mark.parametrize("seed", range(10))
@pytest.mark.parametrize("stride", [1, -2])
def test_bucket_sort_is_stable_and_leaves_bucket_ends(seed, stride):
    rng = np.random.default_rng(seed)
    d0, d1, d2 = (int(x) for x in rng.integers(1, 5, size=3))
    if seed == 0:
        d1 = 1  # sorts by the plain index
    n = int(rng.integers(0, 40))
    val = rng.integers(0, d0 * d1 * d2, size=n).astype(np.int64)
    extra = int(rng.integers(0, 3))  # perm may be longer than val: the tail stays
    perm = np.concatenate([rng.permutation(n), np.arange(n, n + extra)]).astype(np.int64)
    eperm, eptrb = oracle(d0, d1, d2, perm, val)
    p = i64(perm, stride)
    ptrb = i64(rng.integers(-9, 9, size=d0 * d2 + 1), stride)
    F._c_closure_77(d0, d1, d2, p, ptrb, i64(val, -stride))
    assert list(p) == list(eperm)
    assert list(ptrb) == list(eptrb)


def test_the_documented_middle_axis_drop():
    # (d0, d1, d2) = (2, 3, 2): v = 7 is (1, 0, 1) -> bucket 3; v = 4 is (0, 2, 0) -> bucket 0
    perm = np.array([0, 1, 2], dtype=np.int64)
    ptrb = np.zeros(5, dtype=np.int64)
    F._c_closure_77(2, 3, 2, perm, ptrb, np.array([7, 4, 6], dtype=np.int64))
    assert list(perm) == [1, 2, 0]  # buckets 0, 2, 3
    assert list(ptrb) == [1, 1, 2, 3, 3]
