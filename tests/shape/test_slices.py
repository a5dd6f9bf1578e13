# Slices of dense and sparse variables and native index lists, against NumPy slicing of a dense
# array of native indexes (0 = absent).
import numpy as np
import pytest

from shape._helpers import J, bare, check, run, wrap


@pytest.mark.parametrize("seed", range(12))
def test_slices_of_a_box(seed):
    # The dense slice (132, sized by 129) and the count (130) and build (131) passes of a sparse
    # one, of boxes of several elements (of any size when seed % 3 == 0); nd = 0 is one element.
    rng = np.random.default_rng(300 + seed)
    nd, wide = int(rng.integers(1, 4)) if seed else 0, seed % 3 == 0
    shape = [int(v) for v in rng.integers(1 - wide, 5, size=nd)]
    dense = rng.integers(1, 10**6, size=shape) * rng.choice([-1, 1], size=shape)
    first = [int(rng.integers(0, (s + 1) // 2 + wide)) for s in shape]
    last = [int(rng.integers(a + 1 - wide, s + 1)) for a, s in zip(first, shape)]
    box = dict(first=first, last=last, nd=nd, shape=shape, key=max(nd, 1))
    n, piece = run(129, n=nd, init=1, **box)[0], dense[tuple(map(slice, first, last))].ravel()
    assert n == piece.size and run(132, nativeidxs=dense.ravel(), sliceidxs=n + 1, n=n, **box)[1]["sliceidxs"] == \
        piece.tolist()
    sparse, pos = np.where(rng.random(shape) < 0.5, dense, 0), int(rng.integers(0, 4))
    sp, piece = np.flatnonzero(sparse), sparse[tuple(map(slice, first, last))].ravel()
    present = np.flatnonzero(piece)
    count, out = run(130, init=3, sparsity=sp, **box)
    assert count == 3 + len(present) and (nd or out["key"] == [])
    end, out = run(131, pos=pos, idxs=pos + len(present) + 1, nativeidxs=sparse.ravel()[sp], sp=pos + len(present) + 1,
                   sliceshape=[b - a for a, b in zip(first, last)], sparsity=sp, **box)
    assert (end, out["idxs"], out["sp"]) == (pos + len(present), bare([J] * pos + piece[present].tolist()),
                                            bare([J] * pos + present.tolist()))


def test_box_sizes_and_index_lists():
    t, pick = [5, -6, 7, -8, 9], dict(nativeidxs=range(500, 510), residxs=5)
    check([(129, dict(first=[1, 2], last=[3, 2], n=2, init=5), 0, {}),
           (129, dict(first=[], last=[], n=0, init=7), 7, {}),
           (129, dict(first=[0, 0, 2], last=[60000, 60000, 7], n=3, init=1), wrap(60000 * 60000 * 5), {}),
           (132, dict(first=[], last=[], nativeidxs=[4], nd=0, shape=[], sliceidxs=1, n=0), None, dict(sliceidxs=[])),
           (132, dict(first=[0, 1, 1], last=[2, 3, 3], nativeidxs=range(24), nd=3, shape=[2, 3, 4], sliceidxs=9, n=8),
            None, dict(sliceidxs=[5, 6, 9, 10, 17, 18, 21, 22])),
           (128, dict(pick, n=4, start=9, step=-3), None, dict(residxs=[509, 506, 503, 500])),
           (128, dict(pick, n=2, start=4, step=0), None, dict(residxs=[504, 504])),
           (133, dict(nativeidxs=9, off=3, sparsity=10, spoff=4, thisnidxs=t), None,
            dict(nativeidxs=[J] * 3 + t, sparsity=[J] * 4 + [0, 1, 2, 3, 4])),
           (134, dict(nativeidxs=t, nindex=9, off=2), None, dict(nindex=[J, J] + t)),
           (136, dict(n=3, nindex=7, off=2), None, dict(nindex=[J, J, 0, 0, 0])),
           (137, dict(nativeidxs=[5, 6, 7], nindex=8, off=1, sparsity=[0, 3, 5]), None,
            dict(nindex=[J, 5, J, J, 6, J, 7])),
           # 139 stops at the shorter of its two lists
           (139, dict(idxs=6, nativeidxs=[5, 6, 7, 8], sparsity=[4, 0, 2]), None, dict(idxs=[6, J, 7, J, 5])),
           (139, dict(idxs=6, nativeidxs=[5, 6], sparsity=[4, 0, 2]), None, dict(idxs=[6, J, J, J, 5]))])
