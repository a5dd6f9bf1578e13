# Native index maps: bar variable layout and listing, map resets, signed index counts, compression;
# solution values gathered through signed indexes and slack codes, clearing of solution ranges.
import numpy as np
import pytest

from shape._helpers import J, bare, call, check, run, typed
from support.native_model import GROUPS, NativeModel
from support.records import values_of


def test_model_layout_and_listing_of_each_entry():
    model = NativeModel()
    sizes = [d * (d + 1) // 2 for d, n in GROUPS for _ in range(n)]
    assert model.natbarvar_ptr.tolist() == np.cumsum([0] + sizes).tolist()
    for mapidx, (d, n) in enumerate(GROUPS):
        f, tri = model.natbarvarmap_ptr[mapidx], [(i, j) for j in range(d) for i in range(j, d)]
        p = np.arange(model.natbarvar_ptr[f], model.natbarvar_ptr[f + n])
        assert (model.natbarvar_dim[f:f + n] == d).all() and [(b, *t) for b in range(f, f + n) for t in tri] == list(
            zip(model.natbarvar_idx[p], model.natbarvar_i[p], model.natbarvar_j[p]))
        assert run(0, res=n + 1, mapidx=mapidx, **model.maps)[1]["res"] == list(range(f, f + n))
        assert run(1, res=len(p) + 1, mapidx=mapidx, **model.maps)[1]["res"] == p.tolist()


def test_layout_at_an_offset_dimensions_and_releases():
    # Variables 2..4 of dimension 3 from position 4; dim <= 0 chains the pointers only. Releases
    # take end before start.
    tri = [(i, j) for j in range(3) for i in range(j, 3)] * 3
    lay = dict(natbarvar_i=24, natbarvar_idx=24, natbarvar_j=24)
    check([(3, dict(barsize=6, dim=3, first=2, n=3, ptrpos=2, natbarvar_ptr=[0, 0, 4, 0, 0, 0], **lay), None, dict(
               natbarvar_ptr=[0, 0, 4, 10, 16, 22], natbarvar_idx=[J] * 4 + [2] * 6 + [3] * 6 + [4] * 6,
               natbarvar_i=[J] * 4 + [i for i, _ in tri], natbarvar_j=[J] * 4 + [j for _, j in tri])),
           (3, dict(barsize=2, dim=0, first=0, n=3, ptrpos=0, natbarvar_ptr=[5, 0, 0, 0], **lay), None,
            dict(natbarvar_ptr=[5, 7, 9, 11], natbarvar_idx=[])),
           # barsize 1: variables interleave; barsize 0: every variable lands on the same positions, the last stays
           (3, dict(barsize=1, dim=1, first=0, n=2, ptrpos=0, natbarvar_ptr=[5, 0, 0], natbarvar_i=7, natbarvar_idx=7,
                    natbarvar_j=7), None, dict(natbarvar_ptr=[5, 6, 7], natbarvar_idx=[J] * 5 + [0, 1])),
           (3, dict(barsize=0, dim=1, first=0, n=2, ptrpos=0, natbarvar_ptr=[5, 0, 0], natbarvar_i=6, natbarvar_idx=6,
                    natbarvar_j=6), None, dict(natbarvar_ptr=[5, 5, 5], natbarvar_idx=[J] * 5 + [1])),
           (2, dict(value=4, n=3, natbarvar_dim=6, first=2), None, dict(natbarvar_dim=[J, J, 4, 4, 4]))] + [
        (key, dict({name: range(8)}, end=end, start=start), None, {name: want})
        for key, name in ((4, "natvarmap_idx"), (5, "natconmap_idx"))
        for end, start, want in ((5, 2, [0, 1, -1, -1, -1, 5, 6, 7]), (4, 4, range(8)), (1, 6, range(8)))])


def test_empty_entries_read_no_bar_maps_and_element_counts_pass_32_bits():
    check([(key, dict(natbarvar_dim=[7], natbarvar_ptr=[0], natbarvarmap_num=[count], natbarvarmap_ptr=[1 << 30],
                      res=2, mapidx=0), None, dict(res=[])) for key in (0, 1) for count in (0, -2)])
    # 46341 × 46342 / 2 positions; a zero-stride result keeps only the last one.
    cell, d = np.zeros(1, np.int64), 46341
    call(1, **typed(1, natbarvar_dim=[d], natbarvar_ptr=[5], natbarvarmap_num=[1], natbarvarmap_ptr=[0], mapidx=0),
         res=np.lib.stride_tricks.as_strided(cell, (2**31,), (0,)))
    assert cell[0] == 5 + d * (d + 1) // 2 - 1


@pytest.mark.parametrize("seed", range(4))
def test_signed_index_counts_and_compression(seed):
    rng = np.random.default_rng(seed)
    v = rng.integers(-5, 6, size=rng.integers(0, 30)) if seed else np.array([3, 0, -2, 1])
    i, pos, scalar = int(rng.integers(0, 10)), int(rng.integers(0, 4)), (v[v > 0] - 1).tolist()
    out, end = bare([J] * pos + scalar), pos + len(scalar)
    check([(6, dict(init=i, idxs=v), i + len(scalar), {}), (14, dict(nativeidxs=v, init=i), i + sum(v >= 0), {}),
           (7, dict(idxs=v, pos=pos, nativeidxs=pos + len(v) + 1), end, dict(nativeidxs=out)),
           (15, dict(nativeidxs=v, pos=pos, subj=pos + len(v) + 1), end, dict(subj=out))])


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
        assert out["res"] == bare([J] * off + expected.tolist())


def test_negated_values_flip_the_sign_of_zero():
    _, out = run(12, n=5, nativeidxs=[1, 2, 3, 0, -1], off=0, res=5, xx=[0.0, -0.0, 2.5])  # but +0.0 for v <= 0
    assert out["res"] == [0.0, 0.0, -2.5, 0.0, 0.0] and np.signbit(out["res"]).tolist() == [1, 0, 1, 0, 0]


def test_clearing_ranges():
    for key, names in {104: "slx sux xx yx", 105: "slx sux xx", 106: "slc suc xc y", 107: "slc suc xc y", 108: "snx",
                       109: "snx"}.items():
        for end, start in [(6, 2), (3, 3), (1, 5), (8, 0)]:  # even kernels return end
            cleared = [0.0 if start <= i < end else i + 1.0 for i in range(8)]
            assert run(key, end=end, start=start, **dict.fromkeys(names.split(), range(1, 9))) == (
                end if key % 2 == 0 else None, dict.fromkeys(names.split(), cleared))
