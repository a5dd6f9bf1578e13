# Multi-index conversion and the radix sorts of element lists, against row-major linear indexes
# and NumPy's stable argsort.
import numpy as np
import pytest

from shape._helpers import J, k, random_shape, row_major, run
from support.buffers import i32, i64


@pytest.mark.parametrize("seed", range(8))
def test_checked_conversion_stops_at_the_first_row_out_of_range(seed):
    rng = np.random.default_rng(seed)
    s, n = random_shape(rng, int(rng.integers(0, 4)), 1, 6), int(rng.integers(1, 12))
    rows = np.array([rng.integers(0, v, size=n) for v in s], np.int32).T.reshape(n, len(s))
    bad = int(rng.integers(0, n)) if s and seed % 2 else n
    if bad < n:
        j = int(rng.integers(0, len(s)))
        rows[bad, j] = s[j] if seed % 4 == 1 else -1
    d = dict(n=n, shape=s, sp=rows if seed % 3 else np.asfortranarray(rows), sparsity=n + 1, strides=row_major(s))
    assert run(38, flag=0, **d) == (bad < n, dict(sparsity=(rows[:bad] @ row_major(s)).tolist()))
    assert run(38, flag=1, **d) == (True, dict(sparsity=[]))


@pytest.mark.parametrize("seed", range(8))
def test_radix_sorts_are_stable_argsorts(seed):
    # Rows sorted column by column (41, then 42 lists their linear indexes), and linear indexes
    # digit by digit (173, 175 - 178); after a pass ptr holds each bucket's end.
    rng = np.random.default_rng(100 + seed)
    s = random_shape(rng, int(rng.integers(1, 5)), 1, 6)
    n, nd = int(rng.integers(0, 40)) if seed else 0, len(s)
    pool = np.array([rng.integers(0, v, size=max(1, n // 2)) for v in s]).T
    rows = pool[rng.integers(0, len(pool), size=n)].astype(np.int32)
    lin, sh = rows @ row_major(s), i32(s, 2)
    identity = run(40, curperm=n + 1, n=n)[1]["curperm"]
    st = run(173, nd=nd, rshape=s, s=[J] * (nd - 1) + [1])[1]["s"]
    assert identity == list(range(n)) and st == row_major(s)
    for linear in (False, True):
        cur, tgt, ptr = i32(identity + [J], -1), i32([J] * (n + 1), 2), i32([J] * (max(s) + 3))
        rsp, st = i64(lin, 3), i64(st)
        for p in range(nd):
            d, before = nd - 1 - p, ptr.tolist()
            if linear:
                k(175)(d, ptr, sh)
                k(176)(d, ptr, n, sh, rsp, st)
                k(177)(d, ptr, sh)
                k(178)(cur, d, ptr, n, sh, rsp, st, tgt)
            else:
                k(41)(cur, p, rows, n, nd, ptr, sh, tgt)
            cur, tgt = tgt, cur
            assert ptr.tolist() == [np.sum(rows[:, d] <= v) for v in range(s[d])] + [n] + before[s[d] + 1:]
        assert cur.tolist() == np.argsort(lin, kind="stable").tolist() + [J]
    assert run(42, curperm=cur, midxs=rows, n=n, nd=nd, sparsity=n + 1, strides=row_major(s))[1]["sparsity"] == \
        np.sort(lin).tolist()
