"""Search steps against np.searchsorted, the merge step against a Python merge, key
ranges against NumPy minima and maxima, the fill, and the two odometers against
itertools.product over the index box."""
import itertools

import numpy as np
import pytest

from support.buffers import JUNK, i32, i64
from support.layout import k

J32, J64 = JUNK[np.int32], JUNK[np.int64]


# ---- Search steps ------------------------------------------------------------------------------

@pytest.mark.parametrize("seed", range(6))
def test_search_steps_match_searchsorted(seed):
    rng = np.random.default_rng(seed)
    values = np.sort(rng.integers(-20, 20, size=int(rng.integers(2, 30))))
    v = i64(values, [1, -1, 3][seed % 3])
    n = len(values)
    for _ in range(40):
        lo, hi = sorted(int(x) for x in rng.choice(n, size=2, replace=False))
        key = int(rng.integers(values[lo] - 1, values[hi] + 2))
        if values[lo] <= key < values[hi]:  # last entry <= key
            want = np.searchsorted(values, key, "right") - 1
            assert k(84)(lo, hi, key, v) == (want, want + 1)
        if values[lo] < key <= values[hi]:  # first entry >= key
            want = np.searchsorted(values, key, "left")
            assert k(85)(lo, hi, key, v) == (want - 1, want)


def test_search_steps_documented_example_and_empty_ranges():
    v = i64([1, 3, 3, 5])
    assert k(84)(0, 3, 3, v) == (2, 3)
    assert k(85)(0, 3, 3, v) == (0, 1)
    for number in (84, 85):  # nothing to narrow: nothing is read
        assert k(number)(4, 5, 0, i64()) == (4, 5)
        assert k(number)(7, 2, 0, i64()) == (7, 2)


@pytest.mark.parametrize("number, key, want", [(84, 0, "up"), (85, 1, "up"), (84, -1, "down"), (85, 0, "down")])
def test_search_midpoint_does_not_overflow_near_the_32_bit_limit(number, key, want):
    # A zero-stride array of 2**31 zeros costs nothing; lo + hi exceeds 2**31 - 1.
    values = np.broadcast_to(np.int64(0), (2**31,))
    lo, hi = 2**31 - 40, 2**31 - 1
    assert k(number)(lo, hi, key, values) == ((hi - 1, hi) if want == "up" else (lo, lo + 1))


# ---- Merge step --------------------------------------------------------------------------------

def python_merge(first, second, vals):
    """Merge of two runs sorted by vals[entry]; on equal keys the second run's entry first."""
    out, i, j = [], 0, 0
    while i < len(first) and j < len(second):
        if vals[first[i]] < vals[second[j]]:
            out.append(first[i]); i += 1
        else:
            out.append(second[j]); j += 1
    return out + first[i:] + second[j:]


@pytest.mark.parametrize("seed", range(8))
def test_merge_step_against_a_python_merge(seed):
    rng = np.random.default_rng(50 + seed)
    nent = int(rng.integers(1, 30))
    vals = rng.integers(0, 6, size=nent)  # many equal keys
    n = int(rng.integers(0, 25))
    src = rng.integers(0, nent, size=n)
    lo = int(rng.integers(0, n + 1))
    mid = int(rng.integers(lo, n + 3))
    hi = int(rng.integers(mid, n + 4))  # may lie past the end of src: clamped
    end, split = min(hi, n), min(mid, hi, n)
    src[lo:split] = sorted(src[lo:split], key=lambda e: vals[e])
    src[split:end] = sorted(src[split:end], key=lambda e: vals[e])
    stride = [1, 2, -1, -3][seed % 4]
    tgt = i32(np.full(n, J32), -stride)
    k(103)(lo, mid, hi, i32(src, stride), tgt, i32(vals, stride))
    want = python_merge(list(src[lo:split]), list(src[split:end]), vals)
    assert list(tgt) == [J32] * lo + want + [J32] * (n - end)


def test_merge_step_ties_and_copies():
    vals = i32([4, 4, 1, 9])
    tgt = i32([-1] * 4)
    k(103)(0, 2, 4, i32([0, 3, 2, 1]), tgt, vals)
    assert list(tgt) == [2, 1, 0, 3]  # key 4 in both runs: the second run's entry 1 first
    tgt = i32([-1] * 4)
    k(103)(1, 4, 9, i32([3, 2, 1, 0]), tgt, vals)  # mid beyond the clamped hi: a copy
    assert list(tgt) == [-1, 2, 1, 0]


# ---- Key ranges --------------------------------------------------------------------------------

@pytest.mark.parametrize("number, make, junk", [(78, i64, J64), (79, i32, J32)])
@pytest.mark.parametrize("seed", range(4))
def test_key_ranges_against_numpy(number, make, junk, seed):
    rng = np.random.default_rng(80 + seed)
    nent = int(rng.integers(1, 20))
    vals1, vals2 = rng.integers(-50, 50, size=nent), rng.integers(-(2**30), 2**30, size=nent)
    idx = rng.integers(0, nent, size=int(rng.integers(1, 30)))
    for _ in range(10):
        first = int(rng.integers(0, len(idx)))
        last = int(rng.integers(first + 1, len(idx) + 1))
        picked = idx[first:last]
        res = make([junk] * 5, 2)
        k(number)(first, i64(idx, -1), last, res, make(vals1, 3), make(vals2))
        assert list(res) == [vals1[picked].min(), vals1[picked].max(), vals2[picked].min(), vals2[picked].max(), junk]
        res = make([junk] * 5)
        k(number)(first, i64(idx), last, res, make(vals1), None)
        assert list(res) == [vals1[picked].min(), vals1[picked].max(), junk, junk, junk]


@pytest.mark.parametrize("number, make, junk", [(78, i64, J64), (79, i32, J32)])
def test_key_ranges_of_an_empty_range_write_nothing(number, make, junk):
    res = make([junk] * 4)
    k(number)(3, i64([0, 1, 2]), 3, res, make([5, 6, 7]), make([1, 2, 3]))
    k(number)(2, i64([0, 1, 2]), 1, res, make([5, 6, 7]), None)
    assert list(res) == [junk] * 4


# ---- Fill --------------------------------------------------------------------------------------

@pytest.mark.parametrize("number", [80, 81, 83])
@pytest.mark.parametrize("stride", [1, -2])
def test_fill_writes_the_first_n(number, stride):
    st = i64(np.arange(6), stride)
    k(number)(4, st, -(2**40))
    assert list(st) == [-(2**40)] * 4 + [4, 5]
    k(number)(0, st, 1)
    assert st[0] == -(2**40)


# ---- Odometers ---------------------------------------------------------------------------------

@pytest.mark.parametrize("seed", range(8))
def test_strided_odometer_walks_the_shape_in_row_major_order(seed):
    rng = np.random.default_rng(90 + seed)
    nd = int(rng.integers(1, 5))
    dims = rng.integers(1, 4, size=nd)
    strides = rng.integers(-(2**33), 2**33, size=nd)
    ii, st = i32(np.zeros(nd), 2), i64(np.zeros(nd), -1)
    d, s = i32(dims, -1), i64(strides, 3)
    positions = list(itertools.product(*(range(x) for x in dims)))
    for step, index in enumerate(positions):
        if step:
            k(82)(d, ii, nd, st, s)
        assert list(ii)[::-1] == list(index)
        assert st[0] == int(np.dot(index, strides))
    k(82)(d, ii, nd, st, s)  # one past the end: the first axis reaches its size
    assert ii[nd - 1] == dims[0]


def test_strided_odometer_documented_step_and_no_axes():
    ii, st = i32([2, 0]), i64([2, 0])
    k(82)(i32([2, 3]), ii, 2, st, i64([3, 1]))
    assert (list(ii), list(st)) == ([0, 1], [3, 3])
    ii, st = i32([J32]), i64([J64])
    k(82)(i32(), ii, 0, st, i64())  # a shape without axes has nothing to advance
    assert (ii[0], st[0]) == (J32, J64)


@pytest.mark.parametrize("seed", range(8))
def test_box_odometer_walks_the_box_like_itertools_product(seed):
    rng = np.random.default_rng(120 + seed)
    n = int(rng.integers(1, 5))
    first = rng.integers(-3, 3, size=n)
    last = first + rng.integers(1, 4, size=n)
    ndidx = i32(first, [1, -1, 2][seed % 3])
    walked = []
    while ndidx[0] < last[0]:
        walked.append(tuple(ndidx))
        k(86)(i32(first, 2), i32(last, -1), ndidx)
    assert walked == list(itertools.product(*(range(a, b) for a, b in zip(first, last))))


def test_box_odometer_documented_cases():
    ndidx = i32([0, 1, 1])
    k(86)(i32([0, 0, 0]), i32([2, 2, 2]), ndidx)
    assert list(ndidx) == [1, 0, 0]
    ndidx = i32([7])
    k(86)(i32([0]), i32([2]), ndidx)  # one axis: only the increment
    assert list(ndidx) == [8]
    k(86)(i32(), i32(), i32())  # no axes: nothing to advance
