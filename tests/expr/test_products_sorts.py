"""Counting sorts that group matrix entries and stored elements by row or column, the
checks of a constant matrix, and scaling of a run, against NumPy."""
import itertools

import numpy as np
import pytest

from support.buffers import i32, i64
from support.layout import k, only_changed, pad, put, snap, some_record
from support.products import (call, elements_by_column, elements_by_row, entries_by_column, entry_row_pointers,
                              grouping, random_triplets, stack_args)
from support.stacks import Stacks


def grouped(s, where, fill):
    """Runs fill() and checks that it wrote only the stack runs it took."""
    stack = getattr(s, where)
    top, snaps = stack.top["i32"], snap(s)
    out = fill()
    only_changed(s, snaps, **{where: dict(i32=[(top, stack.top["i32"] - top)])})
    return out


@pytest.mark.parametrize("seed", range(20))
def test_groupings_match_bincount_and_stable_argsort(seed):
    rng = np.random.default_rng(seed)
    m, n, p = (int(v) for v in rng.integers(0, 5, size=3))
    s = Stacks(1024, stride=int(rng.choice([1, 2])))
    E = some_record(rng, (m, n), sparse=True)
    eb = put(s.w, E, rng)
    where = str(rng.choice(["w", "x"]))
    pad(s.x, rng)
    arr = getattr(s, where).i32

    def same(base, perm, keys, nkeys, a=arr):
        ptr, order = grouping(keys, nkeys)
        assert a[base:base + nkeys + 1].tolist() == ptr.tolist()
        if perm is not None:
            assert a[perm:perm + len(keys)].tolist() == order.tolist()

    same(grouped(s, where, lambda: elements_by_row(rng, s, where, m, n, E.nelem, eb.sp)), None,
         E.sp // n if n else E.sp, m)
    same(*grouped(s, where, lambda: elements_by_column(rng, s, where, n, E.nelem, eb.sp)), E.sp % n if n else E.sp, n)
    msubi, msubj, _ = random_triplets(rng, n, p)
    msubj_arg = i32(msubj, stride=int(rng.choice([1, 3])))
    same(*grouped(s, where, lambda: entries_by_column(rng, s, where, msubj_arg, p)), msubj, p)
    base = grouped(s, "w", lambda: entry_row_pointers(rng, s, i32(msubi), n))
    same(base, None, msubi, n, s.w.i32)
    nonempty = int(np.count_nonzero(np.bincount(msubi, minlength=n)))
    assert call(306, n=n, base=base, count=7, wi32=s.w.i32) == 7 + nonempty


def test_step_kernels_on_empty_and_negative_ranges():
    s = Stacks(64)
    snaps = snap(s)
    for number in (295, 308, 328, 323, 335):
        call(number, n=-1, base=5, **stack_args(s))  # n + 1 = 0 entries
    for number in (297, 310, 330):
        call(number, n=0, base=5, **stack_args(s))
    assert call(306, n=0, base=5, count=3, **stack_args(s)) == 3
    only_changed(s, snaps)
    call(295, n=0, base=5, **stack_args(s))
    only_changed(s, snaps, w=dict(i32=[(5, 1)]))


@pytest.mark.parametrize("number", [312, 327, 343])
@pytest.mark.parametrize("ends, n, want", [([3, 3, 7, 9, 9], 4, [0, 3, 3, 7, 9]), ([4], 0, [0])])
def test_shift_back_turns_bucket_ends_into_starts_from_zero(number, ends, n, want):
    a = i32(ends, 2)
    call(number, base=0, n=n, wi32=a, xi32=a)
    assert list(a) == want


@pytest.mark.parametrize("seed", range(60))
def test_triplet_and_pattern_checks(seed):
    rng = np.random.default_rng(100 + seed)
    nrows, ncols = (int(v) for v in rng.integers(1, 5, size=2))
    msubi, msubj, _ = random_triplets(rng, nrows, ncols)
    nnz = len(msubi)
    if nnz and rng.random() < 0.5:  # a defect: out of range, a repeat, or a swap
        t, kind = int(rng.integers(nnz)), rng.integers(3)
        if kind == 0:
            (msubi if rng.random() < 0.5 else msubj)[t] = int(rng.choice([-1, max(nrows, ncols) + 1]))
        elif kind == 1 and t + 1 < nnz:
            msubi[t + 1], msubj[t + 1] = msubi[t], msubj[t]
        else:
            j = int(rng.integers(nnz))
            msubi[[t, j]], msubj[[t, j]] = msubi[[j, t]], msubj[[j, t]]
    out = lambda i, j: bool(np.any((i < 0) | (i >= nrows) | (j < 0) | (j >= ncols)))
    disorder = lambda i, j: bool(np.any(np.diff(i.astype(np.int64) * (1 << 32) + j) <= 0))
    n = int(rng.integers(0, nnz + 1))
    bad, uns = out(msubi, msubj), disorder(msubi, msubj)
    for badrange, unsorted, result in itertools.product((0, 1), repeat=3):
        f = dict(nrows=nrows, ncols=ncols, nnz=nnz, msubi=i32(msubi, 2), msubj=i32(msubj), badrange=badrange,
                 unsorted=unsorted, result=result)
        for number in (302, 315, 322):
            assert call(number, **f) == (bad or bool(badrange), uns or bool(unsorted))
        # 347 reads the first n triplets and, once one is out of range, returns the order flag given.
        stop = badrange or out(msubi[:n], msubj[:n])
        assert call(347, **f | dict(nnz=n)) == (bool(stop), bool(unsorted) or (not stop and disorder(msubi[:n],
                                                                                                      msubj[:n])))
        assert (call(362, **f), call(363, **f)) == (bool(badrange) or bad, bool(unsorted) or uns)
        assert (call(337, **f), call(338, **f)) == (not bad, not uns)
        assert call(361, **f) is (bool(result) and not bad and not uns)
    msp, size = msubi.astype(np.int64) * ncols + msubj, nrows * ncols
    want = (bool(np.any((msp < 0) | (msp >= size))), bool(np.any(np.diff(msp) <= 0)))
    assert call(316, badrange=0, unsorted=0, msp=i64(msp, 2), size=size) == want
    assert call(316, badrange=1, unsorted=1, msp=i64(msp), size=size) == (True, True)


def test_checks_of_empty_and_repeated_triplets():
    empty = dict(nrows=2, ncols=2, nnz=0, msubi=i32(), msubj=i32())
    assert call(302, badrange=1, unsorted=0, **empty) == (True, False)
    assert call(316, badrange=0, unsorted=1, msp=i64(), size=0) == (False, True)
    assert call(337, result=1, **empty) and call(338, result=1, **empty) and k(361)(2, 2, i32(), i32(), 1)
    assert k(347)(1, 0, 2, 2, 2, i32([1, 0]), i32([0, 0])) == (True, False)  # a set badrange returns at once
    assert k(347)(0, 0, 2, 2, 2, i32([0, 0]), i32([1, 1])) == (False, True)  # repeated position
    assert k(347)(0, 1, 2, 2, 0, None, None) == (False, True)


@pytest.mark.parametrize("count1, count2", [(3, 4), (0, 5), (5, 0), (0, 0), (6, -2)])
def test_scale_run(count1, count2):
    s = Stacks(64, stride=2)
    values = np.arange(1.0, 21.0)
    base = s.w.put_f64(values)
    snaps = snap(s)
    call(320, factor=-2.5, base=base + 2, f64=s.w.f64, count1=count1, count2=count2)
    n = max(count1 + count2, 0)
    only_changed(s, snaps, w=dict(f64=[(base + 2, n)]))
    want = values.copy()
    want[2:2 + n] *= -2.5
    assert s.w.f64[base:base + 20].tolist() == want.tolist()
