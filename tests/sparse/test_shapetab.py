# Shape copies and padding, extremes of dimension lists, grouping by row.
import numpy as np

from support.buffers import i64
from support.kernels import kernel as k
from support.worked import run, table

ROWS = [
    (431, dict(maxv=3, minv=3, n=4, nds=[-9, 5, 1, 4, -9]), (5, 1), {}),  # entry 0 is the caller's seed
    (431, dict(maxv=3, minv=3, n=1, nds=[9, 9]), (3, 3), {}),
    (432, dict(s=[2, 3], shape=[9] * 3), None, dict(shape=[2, 3, 9])),
    (433, dict(n=4, s=[2, 3], shape=[9] * 5), None, dict(shape=[9, 9, 1, 1, 9])),
    (433, dict(n=1, s=[2, 3], shape=[9] * 3), None, dict(shape=[9] * 3)),
    (434, dict(row=1, shapes=[[9] * 3] * 3, shp=[2, 3]), None, dict(shapes=[[9] * 3, [2, 3, 9], [9] * 3])),
    (435, dict(row=1, n=3, shapes=[[9] * 4] * 3, shp=[2]), None, dict(shapes=[[9] * 4, [9, 1, 1, 9], [9] * 4])),
    (441, dict(n=2, sh=[2, 3, 4], shape=[9] * 3), None, dict(shape=[2, 3, 9])),
    (444, dict(end=4, start=1, shape=[9] * 5), None, dict(shape=[9, 1, 1, 1, 9])),
    (445, dict(n=2, shape=[70000, 70000, 5], init=1), 4_900_000_000, {}),  # 64-bit
    (445, dict(n=0, shape=[5], init=7), 7, {}),
]


@table(ROWS)
def test_worked_examples(number, args, result, after, stride):
    run(number, args, result, after, stride)


def test_grouping_by_row_matches_stable_sort():
    rng = np.random.default_rng(439)
    for trial in range(20):
        m, n, stride = int(rng.integers(1, 8)), int(rng.integers(0, 30)), [1, 2, -1, 3][trial % 4]
        rows, values = rng.integers(0, m, size=n), rng.integers(-2**40, 2**40, size=n)
        ii, ptrb, subj = i64(rows, stride), i64([0] * (m + 1) + [-5], stride), i64([-5] * n, -stride)
        k(437)(ii, n, ptrb)
        k(438)(ptrb, m)
        k(439)(i64(values, -stride), ii, n, ptrb, subj)
        k(440)(ptrb, m)
        ptrb[0] = 0
        assert list(ptrb) == [0, *np.cumsum(np.bincount(rows, minlength=m)), -5]
        assert list(subj) == list(values[np.argsort(rows, kind="stable")])
