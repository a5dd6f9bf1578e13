"""Stacking records along a dimension, every way a caller can take: each element at its stacked position."""
import numpy as np
import pytest

from support.layout import (JUNK, Stacks, build, elements, i32, names, put, random_shape, read, reserve, run, runs,
                            some_record, strides)


@pytest.mark.parametrize("seed", range(80))
def test_stacking(seed):
    rng, stride = np.random.default_rng(900 + seed), 1 + seed // 2 % 2
    shape = random_shape(rng, max_nd=3, max_size=3)
    nd, s, a, init = len(shape), Stacks(stride=stride), lambda v: i32(v, stride), int(rng.integers(-9, 9))
    dim = int(rng.integers(0, nd + 1))
    recs = [some_record(rng, shape[:dim] + (int(rng.integers(0, 4)),) * (dim < nd) + shape[dim + 1:],
                        bool(seed % 2 * rng.integers(0, 2))) for _ in range(int(rng.integers(1, 5)))]
    bases, d1s, n = [put(s.w, r, rng) for r in recs], [r.shape[dim] if dim < nd else 1 for r in recs], len(recs)
    total, count, nnz = sum(d1s), sum(r.nelem for r in recs), sum(r.nnz for r in recs)
    A = {f + "_base": a([getattr(b, f) for b in bases]) for f in ("ptr", "nidxs", "cof", "bfix")} | dict(
        n=n, dim=dim, nd=nd, nds=a([nd] * n), d1s=a(d1s), nelem=a([r.nelem for r in recs]), shapebase=bases[0].shape,
        nnz=a([r.nnz for r in recs]), sp_base=a([b.sp if r.sparse else -1 for r, b in zip(recs, bases)]),
        shape_bases=a([b.shape for b in bases]), offset=a(np.cumsum(d1s) - d1s), mismatch=0, totalelem=init,
        totalnnz=2 * init, rnelemtotal=count, outer=int(np.prod(shape[:dim])), inner=int(np.prod(shape[dim + 1:])))
    assert not any(run(s, 269, None, A, i=i) for i in range(n)) and run(s, 269, None, A, i=n - 1, mismatch=1)
    assert run(s, 269, None, A, i=0, nds=a([nd + 1]))  # another number of dimensions does not fit,
    assert all(run(s, 269, None, A, i=0, shape_bases=a([s.w.put_i32(np.add(recs[0].shape, np.eye(nd)[k]))]))
               for k in set(range(nd)) - {dim})  # nor another size outside dim
    assert [run(s, k, None, A, total=init) for k in (270, 274, 271)] == [
        n if dim == nd else init + total, init + total, (init + count, 2 * init + nnz)]
    rshape, inner = shape[:dim] + (total,) + shape[dim + 1:], A["inner"]  # (o, j, q) goes to (o, offset + j, q)
    want = {int((L // (d1 * inner) * total + off + L // inner % d1) * inner + L % inner): element
            for r, d1, off in zip(recs, d1s, A["offset"]) for L, element in elements(r).items()}
    if all(not r.sparse for r in recs):
        build(s, want, rshape, False, lambda r: run(s, 277, False, A, names(r, "r"), total=total), fresh=True)
    g = reserve(s.x, 0, count, nnz, sparse=True)  # gathered on the scratch stack, unsorted
    A |= names(g, "x") | dict(total=total, perma=s.x.take_i32(count), permb=s.x.take_i32(count),
                               cntbase=s.x.take_i32(max(rshape) + 1), nd=len(rshape), count=count, s=strides(rshape))
    run(s, 280, dict(x=runs(g, 0, count, nnz)), A)
    s.x.i32[g.ptr], xnelem = 0, 0
    for i, r in enumerate(recs):
        xnelem = run(s, 281 if r.sparse else 282, dict(x=runs(g, 0, count, nnz)), A, i=i, xnelem=xnelem, size=d1s[i],
                     termoffset=sum(p.nnz for p in recs[:i]), blocksize=d1s[i] * inner, innersize=inner)
    gathered = read(s.x, g, 0, count, nnz, sparse=True)
    assert xnelem == count and elements(gathered) == want
    scratch = dict(x=dict(i32=[(A["perma"], count), (A["permb"], count), (A["cntbase"], max(rshape) + 1)]))
    A["rshapebase"] = s.r.put_i32(rshape)
    sort = build(s, want, rshape, True, lambda r: run(s, 285, False, names(r, "r"), A), fresh=True, **scratch)
    assert sort == ((A["perma"], A["permb"]) if len(rshape) % 2 == 0 else (A["permb"], A["perma"]))
    assert s.x.i32[sort[0]:sort[0] + count].tolist() == np.argsort(gathered.sp).tolist()
    if np.all(np.diff(gathered.sp) > 0):  # already in order: the plain copy
        build(s, want, rshape, True, lambda r: run(s, 286, False, A, names(r, "r")), fresh=True)


def test_stacked_shape_reads_only_recorded_sizes():
    # Shapes shorter than dim + 1 (and None) add nothing; no shape with an entry dim writes nothing.
    junk, s, store, wider = JUNK[np.int32], Stacks(8), i32([2, 3, 4, JUNK[np.int32], JUNK[np.int32]]), i32([2, 3, 4, 1])
    shapes = np.array([i32([2, 3, 4]), i32([2, 5, 1], stride=2), None, i32([2]), i32([9, 1, 6, 8])], dtype=object)
    run(s, 288, None, dim=1, resshape=store[:3], shapes=shapes)
    run(s, 288, None, dim=3, resshape=wider, shapes=shapes)
    assert store.tolist() == [2, 3 + 5 + 1, 4, junk, junk] and wider.tolist() == [2, 3, 4, 9]
    run(s, 288, None, dim=2, resshape=store[:2], shapes=np.array([i32([2, 3])] * 3 + [None], dtype=object)[:3])
    assert store.tolist() == [2, 9, 4, junk, junk]
