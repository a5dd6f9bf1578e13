# Sparse multi-index lists: checks, linear indexes, distinct counts, merges, scaled copies.
import numpy as np
import pytest

from support.buffers import f64, i32, i64
from support.kernels import kernel as k
from support.worked import run, table

UP = 1 + 2**-52
ROWS = [
    (448, dict(i64=[7, 7, 7], value=10, at=1), None, dict(i64=[7, 9, 7])),
    (448, dict(i64=[7, 7], value=-2**31, at=0), None, dict(i64=[-2**31 - 1, 7])),  # 64-bit
    (453, dict(dims_=[100000] * 3, inst_=[0], sub=[[99999] * 3]), None, dict(inst_=[100000**3 - 1])),
    # Scaled copies of the first n; scale 1 copies as it is.
    (449, dict(new_uval=[9] * 4, scale=0.0, n=3, uval=[1, 2, 3, 4]), None, dict(new_uval=[0, 0, 0, 9])),
    (450, dict(new_vval=[9] * 4, scale=1.0, n=3, vval=[1, 2, 3, 4]), None, dict(new_vval=[1, 2, 3, 9])),
    (449, dict(new_uval=[9] * 3, scale=UP, n=2, uval=[3, 5, 7]), None, dict(new_uval=[3 * UP, 5 * UP, 9])),
    (450, dict(new_vval=[9], scale=-2.0, n=0, vval=[1]), None, dict(new_vval=[9])),
]


@table(ROWS)
def test_worked_examples(number, args, result, after, stride):
    run(number, args, result, after, stride)


def mat(values, step):
    return i32(np.ravel(values), step).reshape(np.shape(values))


@pytest.mark.parametrize("seed", range(6))
def test_multi_index_checks_and_linear_indexes_match_numpy(seed):
    rng, step = np.random.default_rng(seed), 1 + seed % 3
    dims = rng.integers(1, 6, size=int(rng.integers(1, 5)))
    values = rng.integers(0, dims, size=(int(rng.integers(0, 12)), len(dims)))
    inst = i64([-1] * len(values), -step)
    k(453)(i32(dims, step), inst, mat(values, step))
    assert list(inst) == list(np.ravel_multi_index(values.T, dims) if len(values) else [])
    assert k(452)(i32(dims), 0, mat(values, step)) is False and k(452)(i32(dims), 1, mat(values, step)) is True
    if len(values):  # one entry just outside its axis
        r, c = (int(rng.integers(0, n)) for n in values.shape)
        for bad in (-1, dims[c]):
            values[r, c] = bad
            assert k(452)(i32(dims, -1), 0, mat(values, step)) is True


@pytest.mark.parametrize("seed", range(3))
def test_order_and_range_checks_agree_with_references(seed):
    rng = np.random.default_rng(seed)
    for _ in range(60):
        size = int(rng.integers(1, 12))
        inst = [int(v) for v in rng.integers(-1, size + 1, size=int(rng.integers(0, 7)))]
        inst = sorted(set(inst)) if rng.random() < 0.4 else inst
        pairs, ptrb, s = list(zip(inst, inst[1:])), inst + [0], int(rng.choice([1, 2, -3]))
        inside = all(0 <= v < size for v in inst)
        for flag in (0, 1, 5):
            on = bool(flag)
            assert k(446)(i64(inst, s), flag, size) is (on and (not inst or inside and all(a < b for a, b in pairs)))
            for number in (454, 461):
                assert k(number)(i64(inst, s), flag) is (on and (len(inst) <= 1 or all(a <= b for a, b in pairs)))
            assert k(460)(flag, i64(inst, s), size) is (on or not inside)
            assert k(447)(len(inst), i64(ptrb, s), flag) is (on and all(a <= b for a, b in zip(ptrb, ptrb[1:])))


def test_446_range_tests_entry_0_too():
    for inst in ([-1, 3], [12], [-5, 0, 3], [5, 3]):
        assert k(446)(i64(inst), 1, 10) is False
    assert k(446)(i64([0, 4, 9]), 1, 10) is True and k(446)(i64([9]), 1, 10) is True


@pytest.mark.parametrize("seed", range(6))
def test_distinct_counts_and_merges_match_numpy(seed):
    rng, s = np.random.default_rng(seed), 1 + seed % 3
    n, pos = (int(v) for v in rng.integers([1, 0], [40, 4]))
    raw, cof_ = rng.integers(0, 15, size=n), rng.normal(size=n)
    perm = np.argsort(raw, kind="stable")
    distinct, inverse = np.unique(raw, return_inverse=True)
    for number in (455, 462):
        assert k(number)(i64(raw[perm], -s), 1) == len(distinct) and k(number)(i64(raw[perm]), 10) == 9 + len(distinct)
    for number in (457, 464):
        assert k(number)(i64(raw, s), 1, i64(perm, -s)) == len(distinct)
    for number, through in ((456, False), (463, False), (458, True), (465, True)):
        src, src_cof, args = (raw, cof_, (i64(perm, s),)) if through else (raw[perm], cof_[perm], ())
        inst, cof = i64([-9] * (pos + n), s), f64([-9.0] * (pos + n), -s)
        inst[pos], cof[pos] = raw[perm[0]], cof_[perm[0]]  # the caller writes the first entry
        assert k(number)(cof, f64(src_cof, -s), inst, i64(src, s), pos, *args) == pos + len(distinct) - 1
        assert list(inst) == [-9] * pos + list(distinct) + [-9] * (n - len(distinct))
        sums = list(np.bincount(inverse, weights=cof_))
        np.testing.assert_allclose(cof, [-9.0] * pos + sums + [-9.0] * (n - len(distinct)))


def test_merge_runs_in_place_from_position_0():
    raw, values = np.array([1, 1, 2, 5, 5, 5, 8], np.int64), np.arange(1.0, 8.0)
    assert k(456)(values, values, raw, raw, 0) == 3
    assert list(raw[:4]) == [1, 2, 5, 8] and list(values[:4]) == [3.0, 3.0, 15.0, 7.0]
