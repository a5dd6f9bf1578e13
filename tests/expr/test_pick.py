"""Picks by linear index and slices by a box: the elements picked (unstored ones empty) or in the box."""
import numpy as np
import pytest

from support.layout import (Record, Stacks, build, coords, elements, i32, i64, names, nterms, put, random_shape, run,
                            some_record, strides)


@pytest.mark.parametrize("seed", range(80))
def test_pick_and_slice(seed):
    rng, sparse, stride = np.random.default_rng(400 + seed), bool(seed % 2), 1 + seed // 2 % 2
    shape = random_shape(rng, max_nd=3 + seed % 4 // 2, max_size=4)
    rec = some_record(rng, shape, sparse) if seed % 20 != 1 else Record(shape, [0], [], [], [], sp=[])
    s, have, t0, e0 = Stacks(stride=stride), elements(rec), int(rng.integers(0, 3)), int(rng.integers(0, 3))
    idxs = rng.integers(0, max(rec.size, 1), size=int(rng.integers(0, 7)) if rec.size else 0)
    if len(idxs) and rec.nelem:
        idxs[0] = rec.linear()[0]  # the first stored element
    want = {k: have.get(int(L), ([], 0.0)) for k, L in enumerate(idxs)}
    W = names(put(s.w, rec, rng), "w") | dict(count=rec.nelem, rnnz=t0, nd=rec.nd, sparse=int(sparse), st=strides(
        shape), idxs=i64(idxs, stride=stride), posbase=s.x.take_i32(len(idxs)), rnelem=e0)
    if sparse:  # where each index is stored (-1: nowhere)
        assert run(s, 258, dict(x=dict(i32=[(W["posbase"], len(idxs))])), W) == t0 + nterms(want)
        assert s.x.i32[W["posbase"]:][:len(idxs)].tolist() == [np.searchsorted(rec.sp, L) if L in rec.sp else -1
                                                                for L in idxs]
    assert build(s, want, (len(idxs),), False, lambda r: run(s, 259 if sparse else 257, False, W, names(r, "r")),
                 t0=t0) == t0 + nterms(want)
    first, last = np.sort(rng.integers(0, np.add(shape, 1), size=(2, len(shape))), axis=0)
    W |= dict(first=i32(first, stride), last=i32(last, stride), rst=strides(last - first))
    want = {int((coords(L, shape) - first) @ W["rst"]): element for L, element in have.items()
            if np.all((first <= coords(L, shape)) & (coords(L, shape) < last))}
    assert run(s, 261, None, W) == (e0 * sparse + len(want), t0 + nterms(want))  # a dense count does not add rnelem
    assert build(s, want, tuple(last - first), sparse, lambda r: run(s, 263, False, W, names(r, "r")), e0, t0) == (
        e0 + len(want), t0 + nterms(want))


def test_bisection_midpoint_beyond_32_bits():
    # count near 2**31 overflows a 32-bit lo + hi + 1; a stride-0 sp run holds 5 everywhere.
    sp, pos = np.lib.stride_tricks.as_strided(np.array([5], dtype=np.int64), shape=(2**31,), strides=(0,)), i32([-9] * 3)
    assert run(Stacks(8), 258, None, idxs=i64([6, 5, 4]), count=2**31 - 1, ptrbase=0, rnnz=10, spbase=0, posbase=0,
               wi32=i32([0, 2]), wi64=sp, xi32=pos) == 12
    assert pos.tolist() == [-1, 0, -1]
