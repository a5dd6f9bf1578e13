"""Merging a buffer of coefficient changes into a matrix held as a sorted coordinate list."""
import numpy as np
import pytest

import fragments as F
from support.buffers import JUNK, f64, i32, i64


def merge_reference(current, buffer):
    """(merged, log): a dictionary of current entries updated by the (sorted) buffer; the log
    holds every coordinate the buffer touched with its final value."""
    table = {(i, j): v for i, j, v in zip(*current)}
    touched = set()
    for i, j, v in zip(*buffer):
        table[(i, j)] = table[(i, j)] + v if (i, j) in table else v
        touched.add((i, j))
    merged = sorted((i, j, v) for (i, j), v in table.items())
    log = sorted((i, j, table[(i, j)]) for i, j in touched)
    return merged, log


def run_merge(current, buffer, perm=None, logpos=3, step=1, spare=0):
    (si, sj, sc), (bi, bj, bc) = current, buffer
    room = len(si) + len(bi) + 1
    r = i32([JUNK[np.int32]] * room, step), i32([JUNK[np.int32]] * room, -step), f64([JUNK[np.float64]] * room, step)
    res = i32([JUNK[np.int32]] * (logpos + room)), i32([JUNK[np.int32]] * (logpos + room), step), \
        f64([JUNK[np.float64]] * (logpos + room), -step)
    out, end = F._c_closure_206(f64(bc, step), i32(bi, -step), i32(bj), f64(sc, -step), int(perm is None), spare,
                                len(si), len(bi), logpos, i64([] if perm is None else perm, step),
                                r[2], r[0], r[1], res[2], res[0], res[1], i32(si, step), i32(sj, -step))
    assert all((a[out:] == JUNK[a.dtype.type]).all() for a in r)
    assert all((a[:logpos] == JUNK[a.dtype.type]).all() and (a[end:] == JUNK[a.dtype.type]).all() for a in res)
    return (list(zip(*(a[:out].tolist() for a in r))), list(zip(*(a[logpos:end].tolist() for a in res))))


def test_worked_examples():
    current = ([0, 1], [0, 1], [1.0, 2.0])
    assert run_merge(current, ([1, 1, 2], [1, 1, 0], [0.5, 0.25, 3.0]), logpos=4) == \
        ([(0, 0, 1.0), (1, 1, 2.75), (2, 0, 3.0)], [(1, 1, 2.75), (2, 0, 3.0)])
    assert run_merge(current, ([], [], [])) == ([(0, 0, 1.0), (1, 1, 2.0)], [])
    assert run_merge(([], [], []), ([3], [2], [6.0])) == ([(3, 2, 6.0)], [(3, 2, 6.0)])
    assert run_merge(current, ([1], [1], [-2.0])) == ([(0, 0, 1.0), (1, 1, 0.0)], [(1, 1, 0.0)])  # zero sums stay


@pytest.mark.parametrize("perm", [None, [2, 0, 1, 3]])
def test_a_new_coordinate_repeated_in_the_buffer_is_merged_and_logged_once(perm):
    # (0, 1) comes before the current (1, 1), (2, 0) after it; both sums are exact.
    buffer = [[0, 0, 2, 2], [1, 1, 0, 0], [4.0, 0.5, 5.0, 0.25]]
    if perm is not None:
        buffer = [[v[perm.index(k)] for k in range(4)] for v in buffer]
    new = [(0, 1, 4.5), (2, 0, 5.25)]
    assert run_merge(([1], [1], [2.0]), buffer, perm) == ([new[0], (1, 1, 2.0), new[1]], new)


@pytest.mark.parametrize("seed", range(8))
def test_random_merges_match_the_reference(seed):
    rng = np.random.default_rng(seed)
    lin = np.sort(rng.choice(16, size=int(rng.integers(0, 10)), replace=False))
    current = (lin // 4, lin % 4, rng.normal(size=len(lin)))
    nb = int(rng.integers(0, 12))
    # odd seeds: buffer coordinates only update present ones, often repeatedly
    bl = (rng.choice(lin, size=nb) if len(lin) else np.zeros(0, int)) if seed % 2 else rng.integers(0, 16, size=nb)
    bi, bj, bv = bl // 4, bl % 4, rng.normal(size=len(bl))
    order = np.lexsort((bj, bi))
    merged, log = merge_reference(current, (bi[order], bj[order], bv[order]))
    through_perm = seed % 4 >= 2
    got = run_merge(current, (bi, bj, bv) if through_perm else (bi[order], bj[order], bv[order]),
                    order if through_perm else None, logpos=int(rng.integers(0, 4)), step=1 + seed % 3, spare=seed)
    for g, w in zip(got, (merged, log)):
        assert [e[:2] for e in g] == [e[:2] for e in w]
        np.testing.assert_allclose([e[2] for e in g], [e[2] for e in w])
