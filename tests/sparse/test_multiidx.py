"""Sparse multi-index lists: checks, linear indexes, distinct counts, merges, scaled copies."""
import math

import numpy as np
import pytest

import fragments as F
from support.buffers import JUNK, f64, i32, i64


def table(values, step=1):
    """A 2-D int32 table; with step > 1 a strided view into a junk-filled array."""
    values = np.asarray(values, dtype=np.int32)
    rows, cols = values.shape
    view = np.full((rows * step, max(cols, 1) * step), JUNK[np.int32], np.int32)[::step, ::step][:rows, :cols]
    view[...] = values
    return view


@pytest.mark.parametrize("seed", range(6))
def test_multi_index_checks_and_linear_indexes_match_numpy(seed):
    rng = np.random.default_rng(seed)
    nd = int(rng.integers(1, 5))
    dims = rng.integers(1, 6, size=nd)
    rows, step = int(rng.integers(0, 12)), 1 + seed % 3
    values = rng.integers(0, dims, size=(rows, nd))
    assert F._c_closure_452(i32(dims), 0, table(values, step)) is False
    assert F._c_closure_452(i32(dims), 1, table(values, step)) is True
    inst = i64([-1] * rows, -step)
    F._c_closure_453(i32(dims, step), inst, table(values, step))
    assert list(inst) == (list(np.ravel_multi_index(values.T, dims)) if rows else [])
    for bad in (-1, int(dims[-1])) if rows else ():  # one past the axis, or negative
        values[rows // 2, nd - 1] = bad
        assert F._c_closure_452(i32(dims), 0, table(values, step)) is True
    inst = i64([0])  # linear indexes are 64-bit
    F._c_closure_453(i32([100000] * 3), inst, table([[99999] * 3]))
    assert inst[0] == 100000**3 - 1


@pytest.mark.parametrize("seed", range(3))
def test_order_and_range_checks_agree_with_references(seed):
    rng = np.random.default_rng(seed)
    for _ in range(60):
        size = int(rng.integers(1, 12))
        inst = [int(v) for v in rng.integers(-1, size + 1, size=int(rng.integers(0, 7)))]
        if rng.random() < 0.4:
            inst = sorted(set(inst))
        pairs = list(zip(inst, inst[1:]))
        for flag in (0, 1, 5):
            s, short = int(rng.choice([1, 2, -3])), len(inst) <= 1 or not flag
            increasing = bool(flag) if not inst or not flag else \
                all(a < b for a, b in pairs) and all(0 <= v < size for v in inst)
            assert F._c_closure_446(i64(inst, s), flag, size) is increasing
            for kernel in (F._c_closure_454, F._c_closure_461):
                assert kernel(i64(inst, s), flag) is (bool(flag) if short else all(a <= b for a, b in pairs))
            assert F._c_closure_460(flag, i64(inst, s), size) is (bool(flag) or any(not 0 <= v < size for v in inst))
            ptrb, n = inst + [0], len(inst)
            assert F._c_closure_447(n, i64(ptrb, s), flag) is \
                (bool(flag) if n <= 0 or not flag else all(a <= b for a, b in zip(ptrb, ptrb[1:])))
    assert F._c_closure_446(i64([0, 4]), 1, 4) is False


def test_446_range_tests_entry_0_too():
    for inst in ([-1, 3], [12], [-5, 0, 3], [5, 3]):
        assert F._c_closure_446(i64(inst), 1, 10) is False
    assert F._c_closure_446(i64([0, 4, 9]), 1, 10) is True and F._c_closure_446(i64([9]), 1, 10) is True


@pytest.mark.parametrize("seed", range(6))
def test_distinct_counts_and_merges_match_numpy(seed):
    rng = np.random.default_rng(seed)
    n = int(rng.integers(1, 40)) if seed else 2
    raw = rng.integers(0, 15, size=n) if seed else np.array([4, 4])
    cof_ = rng.normal(size=n) if seed else np.array([1.5, -1.5])  # a zero sum stays
    perm = np.argsort(raw, kind="stable")
    distinct, inverse = np.unique(raw, return_inverse=True)
    sums = np.zeros(len(distinct))
    np.add.at(sums, inverse, cof_)
    s = 1 + seed % 3
    for kernel in (F._c_closure_455, F._c_closure_462):
        assert kernel(i64(raw[perm], -s), 1) == len(distinct) and kernel(i64(raw[perm]), 10) == 9 + len(distinct)
    for kernel in (F._c_closure_457, F._c_closure_464):
        assert kernel(i64(raw, s), 1, i64(perm, -s)) == len(distinct)
    pos = int(rng.integers(0, 4))
    for kernel, through in ((F._c_closure_456, False), (F._c_closure_463, False),
                            (F._c_closure_458, True), (F._c_closure_465, True)):
        src, src_cof, args = (raw, cof_, (i64(perm, s),)) if through else (raw[perm], cof_[perm], ())
        inst, cof = i64([-9] * (pos + n), s), f64([-9.0] * (pos + n), -s)
        inst[pos], cof[pos] = raw[perm[0]], cof_[perm[0]]  # the caller writes the first entry
        last = kernel(cof, f64(src_cof, -s), inst, i64(src, s), pos, *args)
        assert last == pos + len(distinct) - 1
        assert list(inst) == [-9] * pos + list(distinct) + [-9] * (n - len(distinct))
        np.testing.assert_allclose(cof[pos:last + 1], sums)
        assert list(cof[:pos]) == [-9.0] * pos


def test_merging_in_place_and_store_zero_based():
    raw, values = np.array([1, 1, 2, 5, 5, 5, 8], np.int64), np.arange(1.0, 8.0)
    assert F._c_closure_456(values, values, raw, raw, 0) == 3
    assert list(raw[:4]) == [1, 2, 5, 8] and list(values[:4]) == [3.0, 3.0, 15.0, 7.0]
    a = i64([7, 7, 7], stride=-2)
    F._c_closure_448(a, 10, 1)
    F._c_closure_448(a, -(2**31), 2)
    assert list(a) == [7, 9, -(2**31) - 1]


@pytest.mark.parametrize("kernel", [F._c_closure_449, F._c_closure_450])
def test_scaled_copy(kernel):
    values = np.random.default_rng(3).normal(size=9)
    for scale in (2.0, 1.0, -0.5, 0.0, 1.0 + 2**-52, math.inf, math.nan):
        for n, s_in, s_out in ((9, 1, 1), (6, -3, 2), (0, 1, 1)):
            out = f64([JUNK[np.float64]] * 9, s_out)
            kernel(out, scale, n, f64(values, s_in))
            np.testing.assert_array_equal(out[:n], scale * values[:n] if scale != 1.0 else values[:n])
            assert (out[n:] == JUNK[np.float64]).all()
