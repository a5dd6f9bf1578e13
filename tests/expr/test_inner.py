"""Inner products of a constant sparse vector with an expression record, the check of the
vector's pattern, and linear indexes of coordinate rows."""
import numpy as np
import pytest

from support.buffers import f64, i64
from support.layout import k, only_changed, point, put, random_shape, snap, some_record, value
from support.patterns import coordinate_layouts, random_coordinates
from support.products import EXAMPLE_DENSE, EXAMPLE_SPARSE, bases_args, call, element_terms, stack_args, stored_at
from support.records import Record, values_of
from support.stacks import Stacks


def inner(rng, rec, vsub, vcof, constant=0.0, rnnz0=0, stride=1):
    """Count (290) and build (291) of vcof · rec[vsub] after rnnz0 terms: (constant, nidxs, cof)."""
    s = Stacks(stride=stride)
    w, at = put(s.w, rec, rng), stored_at(rec)
    want = [n for L in vsub for n, _ in element_terms(rec, at.get(int(L)))]
    a = dict(stack_args(s), **bases_args(w) | dict(spbase=w.sp if rec.sparse else -1), sparse=int(rec.sparse),
             count=rec.nelem, rnnz=rnnz0, vsub=i64(vsub, stride), vcof=f64(vcof, -stride), constant=constant)
    snaps = snap(s)
    nnz = call(290, **a)
    assert nnz == rnnz0 + len(want)
    rn, rc = s.r.take_i64(nnz), s.r.take_f64(nnz)
    got = call(291, **a, rnidxsbase=rn, rcofbase=rc)
    assert got[1] == nnz
    only_changed(s, snaps, r=dict(i64=[(rn + rnnz0, len(want))], f64=[(rc + rnnz0, len(want))]))
    assert s.r.i64[rn + rnnz0:rn + nnz].tolist() == want
    return got[0], s.r.i64[rn + rnnz0:rn + nnz].copy(), s.r.f64[rc + rnnz0:rc + nnz].copy()


@pytest.mark.parametrize("stride", [1, 2, -1])
def test_inner_product_equals_dot_with_the_dense_vector(stride):
    rng = np.random.default_rng(10 + stride)
    for case in range(60):
        rec = some_record(rng, random_shape(rng, max_size=4), sparse=bool(case % 2))
        vsub = np.sort(rng.choice(rec.size, size=int(rng.integers(0, rec.size + 1)), replace=False))
        vcof = np.round(rng.normal(size=len(vsub)), 3)
        constant0, rnnz0 = float(rng.normal()), int(rng.integers(0, 4))
        constant, nidxs, cof = inner(rng, rec, vsub, vcof, constant0, rnnz0, stride)
        xs = point(rng)
        dense_v = np.zeros(rec.size)
        dense_v[vsub] = vcof
        want = constant0 + dense_v @ value(rec, xs).ravel()
        assert constant + cof @ values_of(nidxs, *xs) == pytest.approx(want, rel=1e-12, abs=1e-12)


@pytest.mark.parametrize("rec, vsub, vcof, constant, want", [
    # 2 (a + 1) + 5 · 0 - (a - c) = a + c + 2: terms 2a, -a, +c, equal indexes kept apart.
    (EXAMPLE_DENSE, [0, 2, 3], [2.0, 5.0, -1.0], 0.0, (2.0, [1, 1, 3], [2.0, -1.0, 1.0])),
    (EXAMPLE_SPARSE, [0, 2, 3], [2.0, 5.0, -1.0], 0.0, (2.0, [1, 1, 3], [2.0, -1.0, 1.0])),
    # An empty vector returns its inputs.
    (EXAMPLE_SPARSE, [], [], 1.5, (1.5, [], [])),
    # Stored at 2, 5, 9; the vector asks for 0, 5, 7, 9, 11: only 5 and 9 count.
    (Record((12,), [0, 1, 3, 4], [4, 5, 6, 7], [1.0, 2.0, 3.0, 4.0], [10.0, 20.0, 30.0], sp=[2, 5, 9]),
     [0, 5, 7, 9, 11], [1.0, 2.0, 4.0, 8.0, 16.0], 0.0, (2.0 * 20.0 + 8.0 * 30.0, [5, 6, 7], [4.0, 6.0, 32.0])),
])
def test_worked_examples(rec, vsub, vcof, constant, want):
    got = inner(np.random.default_rng(0), rec, vsub, vcof, constant, rnnz0=2)
    assert (got[0], got[1].tolist(), got[2].tolist()) == want


def pattern_truth(badrange, unsorted, limit, v):
    v = np.asarray(v, dtype=np.int64)
    bad = bool(badrange) or (len(v) > 0 and bool(v[0] < 0 or v[-1] > limit))
    return bad, bool(unsorted) or bool(np.any(np.diff(v) <= 0))


def test_pattern_check():
    rng = np.random.default_rng(5)
    cases = [([], 0), ([0, 1, 5], 5),  # the last entry may equal limit, the largest valid index
             ([0, 1, 5], 4), ([-1, 2, 3], 9), ([2, -5, 7], 9), ([-3, -4], -4)]  # only the ends are range-tested
    for _ in range(300):
        v = rng.integers(-3, 20, size=int(rng.integers(0, 6)))
        cases.append((np.unique(v) if rng.random() < 0.5 else v, int(rng.integers(-2, 22))))
    for vsub, limit in cases:
        for flags in ((0, 0), (1, 0), (0, 7)):
            assert k(289)(*flags, limit, i64(vsub, 2)) == pattern_truth(*flags, limit, vsub)


def test_linear_indexes_of_rows_match_ravel_multi_index():
    rng = np.random.default_rng(6)
    for _ in range(30):
        shape, st, coords, linear = random_coordinates(rng)
        preset = rng.integers(-5, 5, size=len(coords))
        for vsub in coordinate_layouts(coords):
            res = i64(preset, -2)
            k(293)(len(shape), res, i64(st, 3), vsub)
            np.testing.assert_array_equal(res, preset + linear)
    res = i64([0, 1])  # 64-bit: 1 + 4 · 2**62 wraps round to 1
    k(293)(2, res, i64([2**40, 2**62]), np.array([[3, 1], [0, 4]], np.int32))
    assert res.tolist() == [3 * 2**40 + 2**62, 1]
