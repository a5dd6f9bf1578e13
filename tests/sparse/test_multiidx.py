"""Sparse multi-dimensional index lists: range and order checks, linear indexes, distinct
counts, merging of duplicates, scaled copies."""
import math

import numpy as np
import pytest

import fragments as F
from support.buffers import JUNK, f64, i32, i64


def wrap64(x):
    return (x + 2**63) % 2**64 - 2**63


def table(rows, cols, values, step=1):
    """A rows × cols int32 table; with step > 1 a strided view into a junk-filled array."""
    big = np.full((rows * step, max(cols, 1) * step), JUNK[np.int32], dtype=np.int32)
    view = big[::step, ::step][:rows, :cols]
    view[...] = np.asarray(values, dtype=np.int32).reshape(rows, cols)
    return view


def merged_reference(inst_, cof_, order):
    """Sorted-merge of duplicates in walking order: (indexes, sums)."""
    inst, cof = [], []
    for k, e in enumerate(order):
        if k == 0 or inst_[order[k - 1]] < inst_[e]:
            inst.append(int(inst_[e]))
            cof.append(float(cof_[e]))
        else:
            cof[-1] += cof_[e]
    return inst, cof


# --- worked examples --------------------------------------------------------------------------

def test_worked_examples():
    sub = table(1, 2, [1, 2])
    inst = i64([-1])
    F._c_closure_453(i32([2, 3]), inst, sub)
    assert list(inst) == [5]
    assert F._c_closure_452(i32([2, 3]), 0, table(2, 2, [0, 0, 1, 3])) is True
    assert F._c_closure_446(i64([5, 3]), 1, 10) is False
    assert F._c_closure_446(i64([0, 4, 9]), 1, 10) is True
    inst, cof = i64([0, 0]), f64([0, 0])
    inst[0], cof[0] = 2, 1.0
    assert F._c_closure_456(cof, f64([1, 2, 3]), inst, i64([2, 2, 7]), 0) == 1
    assert (list(inst), list(cof)) == ([2, 7], [3.0, 3.0])
    assert F._c_closure_451(i32([]), 7) == 7


# --- sizes, multi-indexes, linear indexes -----------------------------------------------------

@pytest.mark.parametrize("kernel", [F._c_closure_451, F._c_closure_459])
def test_size_is_init_times_the_product_wrapping_in_64_bits(kernel):
    rng = np.random.default_rng(1)
    for nd in range(6):
        dims = rng.integers(0, 50, size=nd)
        assert kernel(i32(dims, -2), 3) == 3 * math.prod(int(d) for d in dims)
    big = [2**31 - 1] * 3
    assert kernel(i32(big), 5) == wrap64(5 * (2**31 - 1) ** 3)


@pytest.mark.parametrize("seed", range(6))
def test_multi_index_checks_and_linear_indexes_match_numpy(seed):
    rng = np.random.default_rng(seed)
    nd = int(rng.integers(1, 5))
    dims = rng.integers(1, 6, size=nd)
    rows = int(rng.integers(0, 12))
    values = rng.integers(0, dims, size=(rows, nd))
    step = 1 + seed % 3
    sub = table(rows, nd, values, step)
    assert F._c_closure_452(i32(dims), 0, sub) is False
    assert F._c_closure_452(i32(dims), 1, sub) is True
    inst = i64([-1] * rows, -step)
    F._c_closure_453(i32(dims, step), inst, sub)
    expect = np.ravel_multi_index(values.T, dims) if rows else []
    assert list(inst) == list(expect)
    if rows:
        for bad in (-1, int(dims[-1])):  # one past the axis, or negative, anywhere
            wrong = values.copy()
            wrong[rows // 2, nd - 1] = bad
            assert F._c_closure_452(i32(dims), 0, table(rows, nd, wrong, step)) is True


def test_linear_indexes_are_64_bit():
    dims = [100000, 100000, 100000]
    inst = i64([0])
    F._c_closure_453(i32(dims), inst, table(1, 3, [99999, 99999, 99999]))
    assert inst[0] == 100000**3 - 1


# --- order and range checks of linear index lists ---------------------------------------------

def strictly_increasing_ref(inst, flag, size):
    if len(inst) <= 1 or not flag:
        return bool(flag)
    return all(0 <= inst[k] < size and inst[k] > inst[k - 1] for k in range(1, len(inst)))


def non_decreasing_ref(inst, flag):
    if len(inst) <= 1 or not flag:
        return bool(flag)
    return all(inst[k] >= inst[k - 1] for k in range(1, len(inst)))


@pytest.mark.parametrize("seed", range(4))
def test_order_and_range_checks_agree_with_references(seed):
    rng = np.random.default_rng(seed)
    for _ in range(60):
        n = int(rng.integers(0, 7))
        size = int(rng.integers(1, 12))
        inst = [int(v) for v in rng.integers(-1, size + 1, size=n)]
        if rng.random() < 0.4:
            inst = sorted(set(inst))
        n = len(inst)
        for flag in (0, 1, 5):
            s = int(rng.choice([1, 2, -3]))
            assert F._c_closure_446(i64(inst, s), flag, size) is strictly_increasing_ref(inst, flag, size)
            for kernel in (F._c_closure_454, F._c_closure_461):
                assert kernel(i64(inst, s), flag) is non_decreasing_ref(inst, flag)
            out_of_range = bool(flag) or any(not 0 <= v < size for v in inst)
            assert F._c_closure_460(flag, i64(inst, s), size) is out_of_range
            ptrb = inst + [0]
            expect = bool(flag) if n <= 0 or not flag else all(ptrb[k] <= ptrb[k + 1] for k in range(n))
            assert F._c_closure_447(n, i64(ptrb, s), flag) is expect


def test_first_entry_range_is_not_tested_by_the_increase_check():
    assert F._c_closure_446(i64([-5, 0, 3]), 1, 4) is True
    assert F._c_closure_446(i64([-5]), 1, 4) is True
    assert F._c_closure_446(i64([0, 4]), 1, 4) is False


# --- distinct counts and merging of duplicates ------------------------------------------------

@pytest.mark.parametrize("seed", range(6))
def test_distinct_counts_and_merges_match_numpy(seed):
    rng = np.random.default_rng(seed)
    n = int(rng.integers(1, 40))
    raw = rng.integers(0, 15, size=n)
    cof_ = rng.normal(size=n)
    perm = np.argsort(raw, kind="stable")
    ordered = np.sort(raw)
    distinct, inverse = np.unique(raw, return_inverse=True)
    sums = np.zeros(len(distinct))
    np.add.at(sums, inverse, cof_)
    s = 1 + seed % 3

    for kernel in (F._c_closure_455, F._c_closure_462):
        assert kernel(i64(ordered, -s), 1) == len(distinct)
        assert kernel(i64(ordered), 10) == 9 + len(distinct)
    for kernel in (F._c_closure_457, F._c_closure_464):
        assert kernel(i64(raw, s), 1, i64(perm, -s)) == len(distinct)

    pos = int(rng.integers(0, 4))
    for kernel, args in ((F._c_closure_456, ()), (F._c_closure_463, ()),
                         (F._c_closure_458, (i64(perm, s),)), (F._c_closure_465, (i64(perm, s),))):
        src = raw if args else ordered
        src_cof = cof_ if args else cof_[perm]
        inst, cof = i64([-9] * (pos + n), s), f64([-9.0] * (pos + n), -s)
        inst[pos], cof[pos] = ordered[0], src_cof[perm[0]] if args else src_cof[0]
        last = kernel(cof, f64(src_cof, -s), inst, i64(src, s), pos, *args)
        assert last == pos + len(distinct) - 1
        assert list(inst[pos:last + 1]) == list(distinct)
        order = list(perm) if args else list(range(n))
        ref_inst, ref_cof = merged_reference(src, src_cof, order)
        assert list(cof[pos:last + 1]) == ref_cof  # summed in list order, exactly
        np.testing.assert_allclose(cof[pos:last + 1], sums)
        assert list(inst[:pos]) == [-9] * pos and list(inst[last + 1:]) == [-9] * (n - len(distinct))


def test_sums_of_zero_stay_and_a_single_entry_writes_nothing():
    inst, cof = i64([4, 0]), f64([1.5, 0])
    assert F._c_closure_456(cof, f64([1.5, -1.5]), inst, i64([4, 4]), 0) == 0
    assert (list(inst), list(cof)) == ([4, 0], [0.0, 0])
    inst, cof = i64([3]), f64([2.0])
    assert F._c_closure_456(cof, f64([2.0]), inst, i64([3]), 0) == 0
    assert F._c_closure_458(cof, f64([2.0]), inst, i64([3]), 0, i64([0])) == 0
    assert (list(inst), list(cof)) == ([3], [2.0])


def test_merging_in_place_over_the_input_list():
    raw = np.array([1, 1, 2, 5, 5, 5, 8], dtype=np.int64)
    values = np.arange(1.0, 8.0)
    last = F._c_closure_456(values, values, raw, raw, 0)
    assert last == 3 and list(raw[:4]) == [1, 2, 5, 8] and list(values[:4]) == [3.0, 3.0, 15.0, 7.0]


# --- small stores and scaled copies -----------------------------------------------------------

def test_store_zero_based():
    a = i64([7, 7, 7], stride=-2)
    F._c_closure_448(a, 10, 1)
    F._c_closure_448(a, -(2**31), 2)
    assert list(a) == [7, 9, -(2**31) - 1]


@pytest.mark.parametrize("kernel", [F._c_closure_449, F._c_closure_450])
@pytest.mark.parametrize("scale", [2.0, 1.0, -0.5, 0.0, 1.0 + 2**-52, math.inf])
def test_scaled_copy(kernel, scale):
    rng = np.random.default_rng(3)
    values = rng.normal(size=9)
    for n, s_in, s_out in ((9, 1, 1), (6, -3, 2), (0, 1, 1)):
        src, out = f64(values, s_in), f64([JUNK[np.float64]] * 9, s_out)
        kernel(out, scale, n, src)
        expect = scale * values[:n] if scale != 1.0 else values[:n]
        np.testing.assert_array_equal(out[:n], expect)
        assert (out[n:] == JUNK[np.float64]).all()


def test_scaling_by_nan_gives_nan_rather_than_a_copy():
    out = f64([0.0, 0.0])
    F._c_closure_449(out, math.nan, 2, f64([1.0, 2.0]))
    assert np.isnan(out).all()
