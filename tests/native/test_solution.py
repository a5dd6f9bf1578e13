# Solution values gathered through signed indexes and slack codes; clearing of solution ranges.
import numpy as np
import pytest

from shape._helpers import J, run
from support.records import values_of


@pytest.mark.parametrize("seed", range(4))
def test_gathers_against_numpy(seed):
    rng = np.random.default_rng(seed)
    xx, barx, xc, slack = rng.normal(size=9), rng.normal(size=7), rng.normal(size=12), rng.integers(-7, 10, size=12)
    rows = rng.integers(0, 12, size=rng.integers(1, 15)) if seed else np.zeros(0, int)
    v, off = slack[rows], int(rng.integers(0, 4))
    want = values_of(v, xx, barx)
    scalar = np.where(v > 0, want, 0.0)
    for key, expected, args in [(10, np.where(v == 0, xc[rows], want), dict(natconmap_slackidx=slack, nativeidxs=rows)),
                                (11, scalar, dict(nativeidxs=v)), (12, -scalar, dict(nativeidxs=v)),
                                (13, want, dict(nativeidxs=v))]:
        _, out = run(key, barx=barx, n=len(rows), off=off, res=off + len(rows) + 1, xc=xc, xx=xx, **args)
        assert out["res"] == [J] * off + expected.tolist() + [J]


def test_worked_examples():
    # Slack codes 0, 4 and -2: the row's activity, xx[3] and barx[1].
    _, out = run(10, barx=np.arange(5.0) + 200, n=3, natconmap_slackidx=[0, 4, -2], nativeidxs=[0, 1, 2], off=1,
                 res=5, xc=np.arange(3.0) + 300, xx=np.arange(10.0) + 100)
    assert out["res"] == [J, 300.0, 103.0, 201.0, J]
    _, out = run(12, n=5, nativeidxs=[1, 2, 3, 0, -1], off=0, res=5, xx=[0.0, -0.0, 2.5])  # -x, but +0.0 for v <= 0
    assert out["res"] == [0.0, 0.0, -2.5, 0.0, 0.0] and np.signbit(out["res"]).tolist() == [1, 0, 1, 0, 0]


def test_clearing_ranges():
    rng = np.random.default_rng(104)
    for key, names in {104: "slx sux xx yx", 105: "slx sux xx", 106: "slc suc xc y", 107: "slc suc xc y", 108: "snx",
                       109: "snx"}.items():
        for end, start in [(6, 2), (3, 3), (1, 5), (8, 0)]:
            values = {name: rng.normal(size=8) + 1 for name in names.split()}
            result, out = run(key, end=end, start=start, **values)
            assert result == (end if key in (104, 106, 108) else None)
            for v in values.values():
                v[start:max(start, end)] = 0.0
            assert out == {name: v.tolist() for name, v in values.items()}
