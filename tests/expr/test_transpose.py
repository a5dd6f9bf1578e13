"""Transposes and permutations of the dimensions of expression records: each element, terms
unchanged and in order, at its coordinates permuted."""
import numpy as np
import pytest

from support.layout import (appended_runs, assert_record, names, put, random_shape, read_appended, run, some_record,
                            strides)
from support.products import elements
from support.records import reserve
from support.stacks import Stacks


@pytest.mark.parametrize("stride", [1, 2])
def test_transposes_and_permutations_move_the_elements(stride):
    rng = np.random.default_rng(31 + stride)
    for case in range(80):
        two = case % 2 == 0  # 268 and 267 transpose a matrix, one column ones included
        shape = (int(rng.integers(1, 5)), 1) if case % 8 == 0 else random_shape(rng, nd=2 if two else None, max_nd=4,
                                                                              max_size=4)
        axes = (1, 0) if two else tuple(int(a) for a in rng.permutation(len(shape)))
        rec = some_record(rng, shape, case % 8 == 0 or bool(rng.integers(0, 2)))
        rshape, want = tuple(shape[a] for a in axes), {}
        for L, element in elements(rec).items():
            want[int((L // strides(shape) % np.maximum(shape, 1))[list(axes)] @ strides(rshape))] = element
        s, count, nnz, sparse = Stacks(stride=stride), rec.nelem, rec.nnz, rec.sparse
        e0, t0 = (0, 0) if two else (int(rng.integers(0, 3)) * (not sparse), int(rng.integers(0, 4)))
        A = dict(names(put(s.w, rec, rng), "w"), nd=rec.nd, count=count, rnelem=e0, rnnz=t0, m=shape[0] if two else 0,
                 n=shape[-1] if two else 0, dperm=np.argsort(axes).astype(np.int32))
        cnt, perm = s.x.take_i32(A["n"] + 1), s.x.take_i32(count)
        r = reserve(s.r, 0, e0 + count, t0 + nnz, sparse=sparse)
        allowed = dict(r=appended_runs(r, e0, t0, count, nnz, sparse), x=dict(i32=[(cnt, A["n"] + 1), (perm, count)]))
        if two:
            allowed["r"]["i32"].append((r.ptr, 1))
            run(s, 267 if sparse else 268, allowed, A, names(r, "r"), permbase=perm, cntbase=cnt)
        elif sparse:
            sp = np.full(count, -5, np.int64)
            run(s, 264, None, A, dstride=strides(rshape).astype(np.int32), sp=sp, stride=strides(shape))
            assert run(s, 265, allowed, A, names(r, "r"), perm=np.argsort(sp), sp=sp) == (e0 + count, t0 + nnz)
        else:
            assert run(s, 266, allowed, A, names(r, "r"), shapebase=s.w.put_i32(rshape), stride=strides(rshape),
                       dstride=strides(shape).astype(np.int32)) == (e0 + count, t0 + nnz)
        assert not two or s.r.i32[r.ptr] == 0
        assert_record(read_appended(s.r, r, e0, t0, count, nnz, rshape, sparse), want)
