"""Shape copies and padding (flat and in rows of a shape table), extremes and products of
dimension lists, and grouping an int64 list by row with the one-slot pointer shift,
against NumPy (a stable argsort, bincount and cumsum for the grouping)."""
import numpy as np
import pytest

import fragments
from support.buffers import JUNK, i32, i64

STRIDES = [1, 2, -1, 3]
J32, J64 = JUNK[np.int32], JUNK[np.int64]


def k(n):
    return getattr(fragments, f"_c_closure_{n}")


def wrap64(v):
    return (int(v) + 2**63) % 2**64 - 2**63


def group_by_row(rows, values, m, stride=1):
    """The four-kernel grouping sequence; returns (ptrb, subj) as lists."""
    n = len(rows)
    ii, idxs = i64(rows, stride), i64(values, -stride)
    ptrb, subj = i64([0] * (m + 1), stride), i64([J64] * n, -stride)
    k(437)(ii, n, ptrb)
    k(438)(ptrb, m)
    k(439)(idxs, ii, n, ptrb, subj)
    k(440)(ptrb, m)
    ptrb[0] = 0
    return list(ptrb), list(subj)


def test_grouping_by_row_matches_stable_sort():
    assert group_by_row([1, 0, 1], [10, 20, 30], 2) == ([0, 1, 3], [20, 10, 30])
    rng = np.random.default_rng(439)
    for trial in range(40):
        m, n = int(rng.integers(1, 8)), int(rng.integers(0, 30))
        rows = rng.integers(0, m, size=n)
        values = rng.integers(-2**40, 2**40, size=n)
        ptrb, subj = group_by_row(rows, values, m, STRIDES[trial % 4])
        assert ptrb == [0, *np.cumsum(np.bincount(rows, minlength=m))]
        assert subj == list(values[np.argsort(rows, kind="stable")])


def test_pointer_steps_leave_the_rest():
    ptrb = i64([5, 1, 2, 3, J64])
    k(438)(ptrb, 3)
    k(440)(ptrb, 3)
    assert list(ptrb) == [5, 5, 6, 8, J64]


def test_extremes():
    rng = np.random.default_rng(431)
    for trial in range(40):
        nds = rng.integers(-5, 9, size=int(rng.integers(1, 9)))
        n = int(rng.integers(0, len(nds) + 1))
        maxv, minv = (int(v) for v in rng.integers(-3, 6, size=2))
        rest = nds[1:max(n, 1)]
        expected = (max([maxv, *rest]), min([minv, *rest]))
        assert k(431)(maxv, minv, n, i32(nds, STRIDES[trial % 4])) == expected
    # Entry 0 is the caller's seed and is not examined.
    assert k(431)(4, 4, 1, i32([100])) == (4, 4)
    assert k(431)(4, 4, 2, i32([100, -7])) == (4, -7)


def test_shape_products_64_bits():
    rng = np.random.default_rng(445)
    for trial in range(40):
        shape = rng.integers(0, 5000, size=int(rng.integers(0, 7)))
        n = int(rng.integers(-1, len(shape) + 1))
        init = int(rng.integers(-4, 5))
        expected = wrap64(init * int(np.prod([int(s) for s in shape[:max(n, 0)]], dtype=object)))
        assert k(445)(n, i32(shape, STRIDES[trial % 4]), init) == expected
    assert k(445)(2, i32([70000, 70000]), 1) == 4_900_000_000
    assert k(445)(0, i32([]), -9) == -9


def broadcast_padded(shapes):
    """The operands' shapes padded with trailing ones to a common length."""
    nd = max(len(s) for s in shapes)
    return np.array([list(s) + [1] * (nd - len(s)) for s in shapes], dtype=np.int32)


@pytest.mark.parametrize("layout", ["C", "F", "strided"])
def test_shape_table_rows(layout):
    rng = np.random.default_rng(434)
    for trial in range(20):
        shapes = [list(rng.integers(1, 6, size=int(rng.integers(0, 5)))) for _ in range(int(rng.integers(1, 5)))]
        nd = max(len(s) for s in shapes)
        table = np.full((len(shapes), nd + 1), J32, dtype=np.int32)
        if layout == "F":
            table = np.asfortranarray(table)
        elif layout == "strided":
            table = np.full((2 * len(shapes), 2 * nd + 2), J32, dtype=np.int32)[::-2, ::2]
        for row, shp in enumerate(shapes):
            view = i32(shp, STRIDES[trial % 4])
            k(434)(row, table, view)
            k(435)(row, nd, table, view)
        assert np.array_equal(table[:, :nd], broadcast_padded(shapes))
        assert np.all(table[:, nd] == J32)


def test_flat_shape_copies_and_padding():
    rng = np.random.default_rng(432)
    for trial in range(30):
        s = list(rng.integers(1, 9, size=int(rng.integers(0, 5))))
        n = int(rng.integers(0, 7))
        stride = STRIDES[trial % 4]
        shape = i32([J32] * 8, stride)
        k(432)(i32(s, -stride), shape)
        k(433)(n, i32(s, stride), shape)
        assert list(shape) == s + [1] * max(n - len(s), 0) + [J32] * (8 - max(n, len(s)))
        for kernel in (441, 443):
            out = i32([J32] * 8, stride)
            k(kernel)(n, i32(s + [7] * 8, -stride), out)
            assert list(out) == (s + [7] * 8)[:n] + [J32] * (8 - n)
        start, end = (int(v) for v in rng.integers(0, 9, size=2))
        for kernel in (442, 444):
            out = i32([J32] * 8, stride)
            k(kernel)(end, start, out)
            assert list(out) == [1 if start <= j < end else J32 for j in range(8)]
