# Search and merge steps, key ranges, the fill and the two odometers against Python references.
import itertools

import numpy as np
import pytest

from support.buffers import i32, i64
from support.kernels import kernel as k
from support.worked import run, table

ZEROS, TOP = np.broadcast_to(np.int64(0), (2**31,)), 2**31 - 1  # costs nothing
ROWS = [
    # Nothing to narrow: nothing is read; midpoints of positions near 2**31 do not overflow.
    (84, dict(lo=4, hi=5, key=0, values=[]), (4, 5), {}),
    (85, dict(lo=7, hi=2, key=0, values=[]), (7, 2), {}),
    (84, dict(lo=TOP - 39, hi=TOP, key=0, values=ZEROS), (TOP - 1, TOP), {}),
    (85, dict(lo=TOP - 39, hi=TOP, key=0, values=ZEROS), (TOP - 39, TOP - 38), {}),
    (80, dict(n=4, st=[0] * 6, value=-2**40), None, dict(st=[-2**40] * 4 + [0, 0])),
    (83, dict(n=0, st=[3], value=1), None, dict(st=[3])),
    # Key ranges of an empty slice write nothing.
    (78, dict(first=3, idx=[0, 1, 2], last=3, res=[9] * 4, vals1=[5, 6, 7], vals2=[1, 2, 3]), None, dict(res=[9] * 4)),
    (79, dict(first=2, idx=[0, 1, 2], last=1, res=[9] * 4, vals1=[5, 6, 7]), None, dict(res=[9] * 4)),
    # Odometers without axes leave everything alone; with one axis only the increment.
    (82, dict(dims=[5], ii=[9], nd=0, st=[9], strides=[1]), None, dict(ii=[9], st=[9])),
    (86, dict(first=[], last=[], ndidx=[]), None, {}),
    (86, dict(first=[0], last=[2], ndidx=[7]), None, dict(ndidx=[8])),
]


@table(ROWS)
def test_worked_examples(number, args, result, after, stride):
    run(number, args, result, after, stride)


@pytest.mark.parametrize("seed", range(4))
def test_search_steps_match_searchsorted(seed):
    rng = np.random.default_rng(seed)
    values = np.sort(rng.integers(-20, 20, size=int(rng.integers(2, 30))))
    v = i64(values, [1, -1, 3, 1][seed])
    for _ in range(40):
        lo, hi = sorted(int(x) for x in rng.choice(len(values), size=2, replace=False))
        key = int(rng.integers(values[lo] - 1, values[hi] + 2))
        if values[lo] <= key < values[hi]:  # lo ends at the last entry <= key
            assert k(84)(lo, hi, key, v) == tuple(np.searchsorted(values, key, "right") + np.array([-1, 0]))
        if values[lo] < key <= values[hi]:  # hi ends at the first entry >= key
            assert k(85)(lo, hi, key, v) == tuple(np.searchsorted(values, key, "left") + np.array([-1, 0]))


@pytest.mark.parametrize("seed", range(8))
def test_merge_step_against_a_python_merge(seed):
    rng, stride = np.random.default_rng(50 + seed), [1, 2, -1, -3][seed % 4]
    vals = rng.integers(0, 6, size=int(rng.integers(1, 30)))  # equal keys: the second run's entry first
    src = rng.integers(0, len(vals), size=int(rng.integers(0, 25)))
    lo = int(rng.integers(0, len(src) + 1))
    mid = int(rng.integers(lo, len(src) + 3))
    hi = int(rng.integers(mid, len(src) + 4))  # may lie past the end of src: clamped
    n = len(src)
    end, split = min(hi, n), min(mid, hi, n)
    first, second = sorted(src[lo:split], key=lambda e: vals[e]), sorted(src[split:end], key=lambda e: vals[e])
    src[lo:split], src[split:end], tgt, want = first, second, i32([-5] * n, -stride), []
    k(103)(lo, mid, hi, i32(src, stride), tgt, i32(vals, stride))
    while first and second:
        want.append((first if vals[first[0]] < vals[second[0]] else second).pop(0))
    assert list(tgt) == [-5] * lo + want + first + second + [-5] * (n - end)


@pytest.mark.parametrize("number, make", [(78, i64), (79, i32)])
def test_key_ranges_against_numpy(number, make):
    rng = np.random.default_rng(number)
    for _ in range(30):
        nent = int(rng.integers(1, 20))
        vals1, vals2 = rng.integers(-50, 50, size=nent), rng.integers(-(2**30), 2**30, size=nent)
        idx = rng.integers(0, nent, size=int(rng.integers(1, 30)))
        first = int(rng.integers(0, len(idx)))
        picked = idx[first:int(rng.integers(first + 1, len(idx) + 1))]
        res, res1 = make([-5] * 5, 2), make([-5] * 5)
        k(number)(first, i64(idx, -1), first + len(picked), res, make(vals1, 3), make(vals2))
        k(number)(first, i64(idx), first + len(picked), res1, make(vals1), None)
        ranges = [vals1[picked].min(), vals1[picked].max(), vals2[picked].min(), vals2[picked].max()]
        assert list(res) == ranges + [-5] and list(res1) == ranges[:2] + [-5] * 3


@pytest.mark.parametrize("seed", range(6))
def test_odometers_walk_like_itertools_product(seed):
    rng = np.random.default_rng(90 + seed)
    nd = int(rng.integers(1, 5))
    dims, first, strides = (rng.integers(a, b, size=nd) for a, b in ((1, 4), (-3, 3), (-9**10, 9**10)))
    ii, st, d, s, ndidx = i32([0] * nd, 2), i64([0] * nd, -1), i32(dims, -1), i64(strides, 3), i32(first, 2 - seed % 2)
    for step, index in enumerate(itertools.product(*(range(x) for x in dims))):
        if step:
            k(82)(d, ii, nd, st, s)
            k(86)(i32(first, 2), i32(first + dims, -1), ndidx)
        assert list(ii)[::-1] == list(index) and st[0] == int(np.dot(index, strides))
        assert list(ndidx) == list(first + index)
    k(82)(d, ii, nd, st, s)  # one past the end: the first axis reaches its size
    k(86)(i32(first, 2), i32(first + dims, -1), ndidx)
    assert ii[nd - 1] == dims[0] and list(ndidx) == [first[0] + dims[0]] + list(first[1:])
