"""Transposes and permutations of dimensions: each element, terms unchanged, at its permuted coordinates."""
import numpy as np
import pytest

from support.layout import Stacks, build, coords, elements, names, put, random_shape, run, some_record, strides


@pytest.mark.parametrize("seed", range(80))
def test_transposes_and_permutations_move_the_elements(seed):
    rng, two = np.random.default_rng(31 + seed), seed % 2 == 0  # 268 and 267 transpose a matrix
    shape = (int(rng.integers(1, 5)), 1) if seed % 8 == 0 else random_shape(rng, 2 if two else None, 4, 4)
    axes = (1, 0) if two else tuple(int(a) for a in rng.permutation(len(shape)))
    rec = some_record(rng, shape, seed % 8 == 0 or bool(rng.integers(0, 2)))  # one column ones sparse
    rshape, count, sparse = tuple(shape[a] for a in axes), rec.nelem, rec.sparse
    want = {int(coords(L, shape)[list(axes)] @ strides(rshape)): element for L, element in elements(rec).items()}
    s, (e0, t0) = Stacks(stride=1 + seed // 2 % 2), (0, 0) if two else map(int, rng.integers(0, 4, size=2))
    W = names(put(s.w, rec, rng), "w") | dict(nd=rec.nd, count=count, rnelem=e0, rnnz=t0, dperm=np.argsort(axes).astype(
        np.int32), m=shape[0] if two else 0, n=shape[-1] if two else 0, sp=np.full(count, -5, np.int64))
    W |= dict(cntbase=s.x.take_i32(W["n"] + 1), permbase=s.x.take_i32(count))
    if two:
        build(s, want, rshape, sparse, lambda r: run(s, 267 if sparse else 268, False, W, names(r, "r")), fresh=True,
              x=dict(i32=[(W["cntbase"], W["n"] + 1), (W["permbase"], count)]))
    elif sparse:  # new indexes, the caller's sort, then the elements in that order (ptr, sp and bfix from 0)
        run(s, 264, None, W, dstride=strides(rshape).astype(np.int32), stride=strides(shape))
        assert build(s, want, rshape, True, lambda r: run(s, 265, False, W, names(r, "r"), perm=np.argsort(W["sp"])),
                     0, t0) == (e0 + count, t0 + rec.nnz)
    else:
        W |= dict(shapebase=s.w.put_i32(rshape), stride=strides(rshape), dstride=strides(shape).astype(np.int32))
        assert build(s, want, rshape, False, lambda r: run(s, 266, False, W, names(r, "r")), e0, t0) == (
            e0 + count, t0 + rec.nnz)
