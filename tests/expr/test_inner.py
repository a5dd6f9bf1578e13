"""Inner products of a constant sparse vector with an expression record, the check of the
vector's pattern, and linear indexes of coordinate rows."""
import numpy as np
import pytest

from support.buffers import f64, i64
from support.layout import k, point, put, random_shape, some_record, value
from support.patterns import coordinate_layouts, random_coordinates
from support.records import Record, values_of
from support.stacks import Stacks

TOL = dict(rel=1e-12, abs=1e-12)


def inner(s, rec, w, vsub, vcof, constant=0.0, rnnz0=0, stride=1):
    """Count pass, then build pass of vcof · rec[vsub] into fresh result runs after rnnz0
    terms; checks what both passes touch and returns (constant, nidxs, cof) of the scalar."""
    sparse, spbase = (1, w.sp) if rec.sparse else (0, -1)
    vsub, vcof = i64(vsub, stride), f64(vcof, -stride)
    wsnap = s.w.snapshot()
    nnz = k(290)(sparse, rec.nelem, w.ptr, rnnz0, spbase, vsub, s.w.i32, s.w.i64)
    added = nnz - rnnz0
    rn, rc = s.r.take_i64(nnz), s.r.take_f64(nnz)
    rsnap = s.r.snapshot()
    got = k(291)(constant, w.bfix, w.cof, sparse, rnnz0, rec.nelem, w.nidxs, w.ptr, rc, s.r.f64, s.r.i64, rn,
                 spbase, vcof, vsub, s.w.f64, s.w.i32, s.w.i64)
    assert got[1] == nnz
    s.w.assert_only_changed(wsnap)
    s.r.assert_only_changed(rsnap, i64=[(rn + rnnz0, added)], f64=[(rc + rnnz0, added)])
    return got[0], s.r.i64[rn + rnnz0:rn + nnz].copy(), s.r.f64[rc + rnnz0:rc + nnz].copy()


def selected_terms(rec, vsub):
    """The operand's terms of the elements vsub selects, concatenated in vsub order."""
    where = {int(L): e for e, L in enumerate(rec.linear())}
    picked = [rec.terms(where[int(L)]) for L in vsub if int(L) in where]
    if not picked:
        return np.zeros(0, np.int64)
    return np.concatenate([t[0] for t in picked])


@pytest.mark.parametrize("stride", [1, 2, -1])
def test_inner_product_equals_dot_with_the_dense_vector(stride):
    rng = np.random.default_rng(10 + stride)
    for case in range(80):
        rec = some_record(rng, random_shape(rng, max_size=4), sparse=bool(case % 2))
        size = rec.size
        vsub = np.sort(rng.choice(size, size=int(rng.integers(0, size + 1)), replace=False)).astype(np.int64)
        vcof = np.round(rng.normal(size=len(vsub)), 3)
        s = Stacks(stride=stride)
        w = put(s.w, rec, rng)
        constant0, rnnz0 = float(rng.normal()), int(rng.integers(0, 4))
        constant, nidxs, cof = inner(s, rec, w, vsub, vcof, constant0, rnnz0, stride)
        xs = point(rng)
        dense_v = np.zeros(size)
        dense_v[vsub] = vcof
        want = constant0 + dense_v @ value(rec, xs).ravel()
        assert constant + cof @ values_of(nidxs, *xs) == pytest.approx(want, **TOL)
        np.testing.assert_array_equal(nidxs, selected_terms(rec, vsub))


# The 2 x 2 expression (a + 1, 2 b; 0, a - c), held densely and sparsely (element 2 not stored).
EXAMPLE = dict(shape=(2, 2), nidxs=[1, 2, 1, 3], cof=[1.0, 2.0, 1.0, -1.0])
DENSE = Record(ptr=[0, 1, 2, 2, 4], bfix=[1.0, 0.0, 0.0, 0.0], **EXAMPLE)
SPARSE = Record(ptr=[0, 1, 2, 4], bfix=[1.0, 0.0, 0.0], sp=[0, 1, 3], **EXAMPLE)


@pytest.mark.parametrize("rec", [DENSE, SPARSE], ids=["dense", "sparse"])
def test_worked_example(rec):
    # 2 (a + 1) + 5 · 0 - (a - c) = a + c + 2: terms 2a, -a, +c appended, equal indexes kept apart.
    s = Stacks()
    w = put(s.w, rec, np.random.default_rng(0))
    constant, nidxs, cof = inner(s, rec, w, [0, 2, 3], [2.0, 5.0, -1.0], constant=0.0, rnnz0=2)
    assert constant == 2.0
    assert nidxs.tolist() == [1, 1, 3] and cof.tolist() == [2.0, -1.0, 1.0]


@pytest.mark.parametrize("rec", [DENSE, SPARSE], ids=["dense", "sparse"])
def test_empty_vector_returns_its_inputs(rec):
    s = Stacks()
    w = put(s.w, rec, np.random.default_rng(1))
    assert inner(s, rec, w, [], [], constant=1.5, rnnz0=7)[0] == 1.5


def test_sparse_operand_contributes_only_stored_elements():
    # Stored at 2, 5, 9; the vector asks for 0, 5, 7, 9, 11: only 5 and 9 count.
    rec = Record((12,), [0, 1, 3, 4], [4, 5, 6, 7], [1.0, 2.0, 3.0, 4.0], [10.0, 20.0, 30.0], sp=[2, 5, 9])
    s = Stacks()
    w = put(s.w, rec, np.random.default_rng(2))
    constant, nidxs, cof = inner(s, rec, w, [0, 5, 7, 9, 11], [1.0, 2.0, 4.0, 8.0, 16.0])
    assert constant == 2.0 * 20.0 + 8.0 * 30.0
    assert nidxs.tolist() == [5, 6, 7] and cof.tolist() == [4.0, 6.0, 32.0]


def pattern_truth(badrange, unsorted, limit, v):
    v = np.asarray(v, dtype=np.int64)
    bad = bool(badrange) or (len(v) > 0 and bool(v[0] < 0 or v[-1] > limit))
    return bad, bool(unsorted) or bool(np.any(np.diff(v) <= 0))


@pytest.mark.parametrize("vsub, limit, want", [
    ([], 0, (False, False)),
    ([0, 1, 5], 5, (False, False)),     # the last entry may equal limit, the largest valid index
    ([0, 1, 5], 4, (True, False)),
    ([-1, 2, 3], 9, (True, False)),
    ([1, 1, 2], 9, (False, True)),      # a repeated entry is unsorted
    ([3, 2, 4], 9, (False, True)),
    ([2, -5, 7], 9, (False, True)),     # only the ends are range-tested
    ([-3, -4], -4, (True, True)),
])
@pytest.mark.parametrize("flags", [(0, 0), (1, 0), (0, 7)])
def test_pattern_check_cases(vsub, limit, want, flags):
    got = k(289)(*flags, limit, i64(vsub, 2))
    assert got == (want[0] or bool(flags[0]), want[1] or bool(flags[1]))
    assert got == pattern_truth(*flags, limit, vsub)


def test_pattern_check_random():
    rng = np.random.default_rng(5)
    for _ in range(300):
        v = rng.integers(-3, 20, size=int(rng.integers(0, 6)))
        if rng.random() < 0.5:
            v = np.unique(v)
        flags = tuple(int(f) for f in rng.integers(0, 2, size=2))
        limit = int(rng.integers(-2, 22))
        assert k(289)(*flags, limit, i64(v)) == pattern_truth(*flags, limit, v)


def test_linear_indexes_of_rows_match_ravel_multi_index():
    rng = np.random.default_rng(6)
    for _ in range(40):
        shape, st, coords, linear = random_coordinates(rng)
        preset = rng.integers(-5, 5, size=len(coords))
        for vsub in coordinate_layouts(coords):
            res = i64(preset, -2)
            k(293)(len(shape), res, i64(st, 3), vsub)
            np.testing.assert_array_equal(res, preset + linear)


def test_linear_indexes_of_rows_are_64_bit_and_wrap():
    res = i64([0, 1])
    k(293)(2, res, i64([2**40, 2**62]), np.array([[3, 1], [0, 4]], np.int32))
    assert res.tolist() == [3 * 2**40 + 2**62, 1]           # 1 + 4 · 2**62 wraps round to 1
