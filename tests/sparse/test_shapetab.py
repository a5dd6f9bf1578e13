"""Shape copies and padding, extremes of dimension lists, grouping by row."""
import numpy as np
import pytest

from support.buffers import JUNK, i32, i64
from support.layout import k

STRIDES = [1, 2, -1, 3]
J32, J64 = JUNK[np.int32], JUNK[np.int64]


def test_grouping_by_row_matches_stable_sort():
    rng = np.random.default_rng(439)
    for trial in range(20):
        m, n = int(rng.integers(1, 8)), int(rng.integers(0, 30))
        rows, values = rng.integers(0, m, size=n), rng.integers(-2**40, 2**40, size=n)
        stride = STRIDES[trial % 4]
        ii, ptrb, subj = i64(rows, stride), i64([0] * (m + 2), stride), i64([J64] * n, -stride)
        ptrb[m + 1] = J64
        k(437)(ii, n, ptrb)
        k(438)(ptrb, m)
        k(439)(i64(values, -stride), ii, n, ptrb, subj)
        k(440)(ptrb, m)
        ptrb[0] = 0
        assert list(ptrb) == [0, *np.cumsum(np.bincount(rows, minlength=m)), J64]
        assert list(subj) == list(values[np.argsort(rows, kind="stable")])


def test_extremes():
    rng = np.random.default_rng(431)
    for trial in range(30):
        nds = rng.integers(-5, 9, size=int(rng.integers(1, 9)))
        n = int(rng.integers(0, len(nds) + 1))
        maxv, minv = (int(v) for v in rng.integers(-3, 6, size=2))
        rest = nds[1:max(n, 1)]  # entry 0 is the caller's seed and is not examined
        assert k(431)(maxv, minv, n, i32(nds, STRIDES[trial % 4])) == (max([maxv, *rest]), min([minv, *rest]))


@pytest.mark.parametrize("layout", ["C", "F", "strided"])
def test_shape_table_rows(layout):
    rng = np.random.default_rng(434)
    for trial in range(12):
        shapes = [list(rng.integers(1, 6, size=int(rng.integers(0, 5)))) for _ in range(int(rng.integers(1, 5)))]
        nd = max(len(s) for s in shapes)
        table = np.full((len(shapes), nd + 1), J32, dtype=np.int32)
        if layout == "F":
            table = np.asfortranarray(table)
        elif layout == "strided":
            table = np.full((2 * len(shapes), 2 * nd + 2), J32, dtype=np.int32)[::-2, ::2]
        for row, shp in enumerate(shapes):
            k(434)(row, table, i32(shp, STRIDES[trial % 4]))
            k(435)(row, nd, table, i32(shp, STRIDES[trial % 4]))
        assert table.tolist() == [s + [1] * (nd - len(s)) + [J32] for s in shapes]


def test_flat_shape_copies_and_padding():
    rng = np.random.default_rng(432)
    for trial in range(20):
        s = list(rng.integers(1, 9, size=int(rng.integers(0, 5))))
        n, stride = int(rng.integers(0, 7)), STRIDES[trial % 4]
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
