# Native index maps: bar variable layout and listing, map resets, signed index counts, compression.
import numpy as np
import pytest

from shape._helpers import J, call, check, run, typed
from support.native_model import GROUPS, NativeModel


def test_model_layout_and_listing_of_each_entry():
    model = NativeModel()
    sizes = [d * (d + 1) // 2 for d, n in GROUPS for _ in range(n)]
    assert model.natbarvar_ptr.tolist() == np.cumsum([0] + sizes).tolist()
    for mapidx, (d, n) in enumerate(GROUPS):
        f = model.natbarvarmap_ptr[mapidx]
        p = np.arange(model.natbarvar_ptr[f], model.natbarvar_ptr[f + n])
        assert (model.natbarvar_dim[f:f + n] == d).all() and model.natbarvar_idx[p].tolist() == np.repeat(
            np.arange(f, f + n), d * (d + 1) // 2).tolist()
        assert list(zip(model.natbarvar_i[p], model.natbarvar_j[p])) == [(i, j) for j in range(d) for i in range(j, d)] * n
        assert run(0, res=n + 2, mapidx=mapidx, **model.maps)[1]["res"] == list(range(f, f + n)) + [J, J]
        assert run(1, res=len(p) + 1, mapidx=mapidx, **model.maps)[1]["res"] == p.tolist() + [J]


def test_layout_at_an_offset_and_dimensions():
    # Variables 2..4 of dimension 3 from position 4; dim <= 0 chains the pointers only; n = 0 writes nothing.
    tri, lay = [(0, 0), (1, 0), (2, 0), (1, 1), (2, 1), (2, 2)] * 3, dict(natbarvar_i=24, natbarvar_idx=24, natbarvar_j=24)
    check([(3, dict(barsize=6, dim=3, first=2, n=3, ptrpos=2, natbarvar_ptr=[0, 0, 4, 0, 0, 0], **lay), None,
            dict(natbarvar_ptr=[0, 0, 4, 10, 16, 22], natbarvar_idx=[J] * 4 + [2] * 6 + [3] * 6 + [4] * 6 + [J] * 2,
                 natbarvar_i=[J] * 4 + [i for i, _ in tri] + [J] * 2, natbarvar_j=[J] * 4 + [j for _, j in tri] + [J] * 2)),
           (3, dict(barsize=2, dim=0, first=0, n=3, ptrpos=0, natbarvar_ptr=[5, 0, 0, 0], **lay), None,
            dict(natbarvar_ptr=[5, 7, 9, 11], natbarvar_idx=[J] * 24)),
           (3, dict(barsize=2, dim=2, first=1, n=0, ptrpos=0, natbarvar_ptr=[5, 0], **lay), None,
            dict(natbarvar_ptr=[5, 0], natbarvar_idx=[J] * 24)),
           (2, dict(value=4, n=3, natbarvar_dim=6, first=2), None, dict(natbarvar_dim=[J, J, 4, 4, 4, J])),
           (2, dict(value=9, n=0, natbarvar_dim=2, first=0), None, dict(natbarvar_dim=[J, J]))] +
          [(key, dict({name: range(8)}, end=end, start=start), None, {name: want})  # releases: end before start
           for key, name in ((4, "natvarmap_idx"), (5, "natconmap_idx")) for end, start, want in
           ((5, 2, [0, 1, -1, -1, -1, 5, 6, 7]), (4, 4, range(8)), (1, 6, range(8)))])


def test_empty_entries_read_no_bar_maps_and_element_counts_pass_32_bits():
    check([(0, dict(natbarvarmap_num=[c], natbarvarmap_ptr=[1 << 30], res=2, mapidx=0), None, dict(res=[J, J]))
           for c in (0, -2)] + [(1, dict(natbarvar_dim=[7], natbarvar_ptr=[0], natbarvarmap_num=[c],
                                          natbarvarmap_ptr=[1 << 30], res=2, mapidx=0), None, dict(res=[J, J])) for c in (0, -2)])
    # 46341 × 46342 / 2 positions; a zero-stride result keeps only the last one.
    cell, d = np.zeros(1, np.int64), 46341
    call(1, **typed(1, natbarvar_dim=[d], natbarvar_ptr=[5], natbarvarmap_num=[1], natbarvarmap_ptr=[0], mapidx=0),
         res=np.lib.stride_tricks.as_strided(cell, (8,), (0,)))
    assert cell[0] == 5 + d * (d + 1) // 2 - 1


@pytest.mark.parametrize("seed", range(4))
def test_signed_index_counts_and_compression(seed):
    rng = np.random.default_rng(seed)
    v = rng.integers(-5, 6, size=rng.integers(0, 30)) if seed else np.array([3, 0, -2, 1])
    init, pos, scalar = int(rng.integers(0, 10)), int(rng.integers(0, 4)), (v[v > 0] - 1).tolist()
    out = [J] * pos + scalar + [J] * (len(v) + 1 - len(scalar))
    check([(6, dict(init=init, idxs=v), init + len(scalar), {}), (14, dict(nativeidxs=v, init=init), init + sum(v >= 0), {}),
           (7, dict(idxs=v, pos=pos, nativeidxs=pos + len(v) + 1), pos + len(scalar), dict(nativeidxs=out)),
           (15, dict(nativeidxs=v, pos=pos, subj=pos + len(v) + 1), pos + len(scalar), dict(subj=out))])
