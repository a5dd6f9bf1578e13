"""Search and merge steps, key ranges, the fill and the two odometers against Python references."""
import itertools

import numpy as np
import pytest

from support.buffers import JUNK, i32, i64
from support.layout import k

J32, J64 = JUNK[np.int32], JUNK[np.int64]


@pytest.mark.parametrize("seed", range(4))
def test_search_steps_match_searchsorted(seed):
    rng = np.random.default_rng(seed)
    values = np.sort(rng.integers(-20, 20, size=int(rng.integers(2, 30)))) if seed else np.array([1, 3, 3, 5])
    v, n = i64(values, [1, -1, 3, 1][seed]), len(values)
    for _ in range(40):
        lo, hi = sorted(int(x) for x in rng.choice(n, size=2, replace=False))
        key = int(rng.integers(values[lo] - 1, values[hi] + 2))
        if values[lo] <= key < values[hi]:  # last entry <= key
            want = np.searchsorted(values, key, "right") - 1
            assert k(84)(lo, hi, key, v) == (want, want + 1)
        if values[lo] < key <= values[hi]:  # first entry >= key
            want = np.searchsorted(values, key, "left")
            assert k(85)(lo, hi, key, v) == (want - 1, want)
    for number in (84, 85):  # nothing to narrow: nothing is read
        assert k(number)(4, 5, 0, i64()) == (4, 5) and k(number)(7, 2, 0, i64()) == (7, 2)


@pytest.mark.parametrize("number, key, up", [(84, 0, True), (85, 1, True), (84, -1, False), (85, 0, False)])
def test_search_midpoint_does_not_overflow_near_the_32_bit_limit(number, key, up):
    # A zero-stride array of 2**31 zeros costs nothing; lo + hi exceeds 2**31 - 1.
    lo, hi = 2**31 - 40, 2**31 - 1
    assert k(number)(lo, hi, key, np.broadcast_to(np.int64(0), (2**31,))) == ((hi - 1, hi) if up else (lo, lo + 1))


@pytest.mark.parametrize("seed", range(8))
def test_merge_step_against_a_python_merge(seed):
    rng = np.random.default_rng(50 + seed)
    if seed == 0:  # key 4 in both runs: the second run's entry first
        vals, src, lo, mid, hi = np.array([4, 4, 1, 9]), np.array([0, 3, 2, 1]), 0, 2, 4
    else:
        vals = rng.integers(0, 6, size=int(rng.integers(1, 30)))
        src = rng.integers(0, len(vals), size=int(rng.integers(0, 25)))
        lo = int(rng.integers(0, len(src) + 1))
        mid = int(rng.integers(lo, len(src) + 3))
        hi = int(rng.integers(mid, len(src) + 4))  # may lie past the end of src: clamped
    n = len(src)
    end, split = min(hi, n), min(mid, hi, n)
    src[lo:split] = sorted(src[lo:split], key=lambda e: vals[e])
    src[split:end] = sorted(src[split:end], key=lambda e: vals[e])
    stride = [1, 2, -1, -3][seed % 4]
    tgt = i32(np.full(n, J32), -stride)
    k(103)(lo, mid, hi, i32(src, stride), tgt, i32(vals, stride))
    first, second, want = list(src[lo:split]), list(src[split:end]), []
    while first and second:
        want.append((first if vals[first[0]] < vals[second[0]] else second).pop(0))
    assert list(tgt) == [J32] * lo + want + first + second + [J32] * (n - end)


@pytest.mark.parametrize("number, make, junk", [(78, i64, J64), (79, i32, J32)])
def test_key_ranges_against_numpy(number, make, junk):
    rng = np.random.default_rng(number)
    for _ in range(30):
        nent = int(rng.integers(1, 20))
        vals1, vals2 = rng.integers(-50, 50, size=nent), rng.integers(-(2**30), 2**30, size=nent)
        idx = rng.integers(0, nent, size=int(rng.integers(1, 30)))
        first = int(rng.integers(0, len(idx)))
        last = int(rng.integers(first + 1, len(idx) + 1))
        picked = idx[first:last]
        res = make([junk] * 5, 2)
        k(number)(first, i64(idx, -1), last, res, make(vals1, 3), make(vals2))
        assert list(res) == [vals1[picked].min(), vals1[picked].max(), vals2[picked].min(), vals2[picked].max(), junk]
        res = make([junk] * 5)
        k(number)(first, i64(idx), last, res, make(vals1), None)
        assert list(res) == [vals1[picked].min(), vals1[picked].max(), junk, junk, junk]
    res = make([junk] * 4)  # empty ranges write nothing
    k(number)(3, i64([0, 1, 2]), 3, res, make([5, 6, 7]), make([1, 2, 3]))
    k(number)(2, i64([0, 1, 2]), 1, res, make([5, 6, 7]), None)
    assert list(res) == [junk] * 4


@pytest.mark.parametrize("number", [80, 81, 83])
def test_fill_writes_the_first_n(number):
    st = i64(np.arange(6), -2)
    k(number)(4, st, -(2**40))
    k(number)(0, st, 1)
    assert list(st) == [-(2**40)] * 4 + [4, 5]


@pytest.mark.parametrize("seed", range(6))
def test_odometers_walk_like_itertools_product(seed):
    rng = np.random.default_rng(90 + seed)
    nd = int(rng.integers(1, 5))
    dims, strides = rng.integers(1, 4, size=nd), rng.integers(-(2**33), 2**33, size=nd)
    ii, st, d, s = i32(np.zeros(nd), 2), i64(np.zeros(nd), -1), i32(dims, -1), i64(strides, 3)
    for step, index in enumerate(itertools.product(*(range(x) for x in dims))):
        if step:
            k(82)(d, ii, nd, st, s)
        assert list(ii)[::-1] == list(index) and st[0] == int(np.dot(index, strides))
    k(82)(d, ii, nd, st, s)  # one past the end: the first axis reaches its size
    assert ii[nd - 1] == dims[0]

    first = rng.integers(-3, 3, size=nd)
    last = first + dims
    ndidx, walked = i32(first, [1, -1, 2][seed % 3]), []
    while ndidx[0] < last[0]:
        walked.append(tuple(ndidx))
        k(86)(i32(first, 2), i32(last, -1), ndidx)
    assert walked == list(itertools.product(*(range(a, b) for a, b in zip(first, last))))


def test_odometers_without_axes():
    ii, st = i32([J32]), i64([J64])
    k(82)(i32(), ii, 0, st, i64())
    k(82)(i32([5]), ii, -1, st, i64([1]))
    assert (ii[0], st[0]) == (J32, J64)
    k(86)(i32(), i32(), i32())
    ndidx = i32([7])
    k(86)(i32([0]), i32([2]), ndidx)  # one axis: only the increment
    assert list(ndidx) == [8]
