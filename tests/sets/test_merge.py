"""Merging a buffer of coefficient changes into a matrix held as a sorted coordinate list."""
import numpy as np
import pytest

import fragments as F
from support.buffers import JUNK, f64, i32, i64

J32, JF = JUNK[np.int32], JUNK[np.float64]


def merge_reference(current, buffer, order):
    """(merged, log) as lists of (row, column, value) from a two-pointer merge."""
    cur = list(zip(*current))
    buf = [tuple(b) for b in zip(*buffer)]
    buf = [buf[e] for e in order]
    merged, log = [], []
    i = j = 0
    while i < len(cur) and j < len(buf):
        c, b = cur[i], buf[j]
        if c[:2] < b[:2]:
            merged.append(c)
            i += 1
        elif b[:2] < c[:2]:
            merged.append(b)
            log.append(b)
            j += 1
        else:
            v = c[2]
            while j < len(buf) and buf[j][:2] == c[:2]:
                v += buf[j][2]
                j += 1
            merged.append(c[:2] + (v,))
            log.append(c[:2] + (v,))
            i += 1
    merged += cur[i:]
    merged += buf[j:]
    log += buf[j:]
    return merged, log


def run_merge(current, buffer, perm=None, logpos=3, step=1, spare=0):
    (si, sj, sc), (bi, bj, bc) = current, buffer
    nnz, nb = len(si), len(bi)
    room = nnz + nb + 1
    r = i32([J32] * room, step), i32([J32] * room, -step), f64([JF] * room, step)
    res = i32([J32] * (logpos + room)), i32([J32] * (logpos + room), step), f64([JF] * (logpos + room), -step)
    sorted_flag = 1 if perm is None else 0
    out, end = F._c_closure_206(f64(bc, step), i32(bi, -step), i32(bj), f64(sc, -step), sorted_flag, spare,
                                nnz, nb, logpos, i64([] if perm is None else perm, step),
                                r[2], r[0], r[1], res[2], res[0], res[1], i32(si, step), i32(sj, -step))
    assert all((a[out:] == JUNK[a.dtype.type]).all() for a in r)
    assert all((a[:logpos] == JUNK[a.dtype.type]).all() and (a[end:] == JUNK[a.dtype.type]).all() for a in res)
    merged = list(zip(r[0][:out].tolist(), r[1][:out].tolist(), r[2][:out].tolist()))
    log = list(zip(res[0][logpos:end].tolist(), res[1][logpos:end].tolist(), res[2][logpos:end].tolist()))
    return merged, log


def test_worked_example():
    current = ([0, 1], [0, 1], [1.0, 2.0])
    buffer = ([1, 1, 2], [1, 1, 0], [0.5, 0.25, 3.0])
    merged, log = run_merge(current, buffer, logpos=4)
    assert merged == [(0, 0, 1.0), (1, 1, 2.75), (2, 0, 3.0)]
    assert log == [(1, 1, 2.75), (2, 0, 3.0)]


def test_empty_buffer_or_empty_matrix_and_zero_sums():
    current = ([0, 2], [1, 0], [1.0, -2.0])
    assert run_merge(current, ([], [], [])) == ([(0, 1, 1.0), (2, 0, -2.0)], [])
    buffer = ([1, 1, 3], [0, 0, 2], [4.0, 5.0, 6.0])  # repeated new coordinates stay apart
    new = [(1, 0, 4.0), (1, 0, 5.0), (3, 2, 6.0)]
    assert run_merge(([], [], []), buffer) == (new, new)
    merged, log = run_merge(current, ([2], [0], [2.0]))
    assert merged == [(0, 1, 1.0), (2, 0, 0.0)] and log == [(2, 0, 0.0)]


@pytest.mark.parametrize("seed", range(8))
def test_random_merges_match_the_reference(seed):
    rng = np.random.default_rng(seed)
    m, n = 4, 4
    lin = np.sort(rng.choice(m * n, size=int(rng.integers(0, 10)), replace=False))
    current = (lin // n, lin % n, rng.normal(size=len(lin)))
    nb = int(rng.integers(0, 12))
    if seed % 2:  # buffer coordinates only updating present ones may repeat
        bl = rng.choice(lin, size=nb) if len(lin) else np.zeros(0, dtype=int)
    else:
        bl = rng.integers(0, m * n, size=nb)
    bvals = rng.normal(size=len(bl))
    bi, bj = bl // n, bl % n
    through_perm = seed % 4 >= 2
    if through_perm:
        perm = np.lexsort((bj, bi))
        buffer = (bi, bj, bvals)
    else:
        order = np.lexsort((bj, bi))
        buffer = (bi[order], bj[order], bvals[order])
        perm = None
    expect = merge_reference(current, buffer, perm if through_perm else range(len(bl)))
    assert run_merge(current, buffer, perm, logpos=int(rng.integers(0, 4)), step=1 + seed % 3,
                     spare=seed) == expect
    # every present coordinate updated by the buffer holds the current value plus the sum
    if seed % 2 and len(bl):
        merged, _ = expect
        totals = dict(((i, j), v) for i, j, v in zip(*current))
        for i, j, v in zip(bi, bj, bvals):
            totals[(i, j)] += v
        assert [(i, j) for i, j, _ in merged] == sorted(totals)
        np.testing.assert_allclose([v for _, _, v in merged], [totals[k] for k in sorted(totals)])
