"""Stacking expression records along a dimension, by every way a caller can take (dense
stacking; gathering, then sorting or the plain copy when already in order), against the
elements of the operands moved to their stacked positions."""
import numpy as np
import pytest

from support.buffers import JUNK, i32
from support.layout import names, put, random_shape, run, some_record, strides
from support.products import elements
from support.records import check, read, reserve, runs
from support.stacks import Stacks


def object_list(arrays):
    out = np.empty(len(arrays), dtype=object)
    for j, a in enumerate(arrays):
        out[j] = a
    return out


def operands(rng, all_dense):
    shape = random_shape(rng, max_nd=3, max_size=3)
    dim = int(rng.integers(0, len(shape) + 1))
    sizes = [list(shape[:dim]) + [int(rng.integers(0, 4))] * (dim < len(shape)) + list(shape[dim + 1:])
             for _ in range(int(rng.integers(1, 5)))]
    return [some_record(rng, sh, False if all_dense else bool(rng.integers(0, 2))) for sh in sizes], dim


@pytest.mark.parametrize("stride", [1, 2])
def test_every_stacking_way_moves_the_elements(stride):
    rng = np.random.default_rng(900 + stride)
    copies = 0
    for case in range(40):
        recs, dim = operands(rng, all_dense=case % 2 == 0)
        s, n, nd, a = Stacks(stride=stride), len(recs), recs[0].nd, lambda v: i32(v, stride)
        bases = [put(s.w, r, rng) for r in recs]
        d1s = [r.shape[dim] if dim < nd else 1 for r in recs]
        outer, inner = (int(np.prod(recs[0].shape[cut], dtype=np.int64)) for cut in (slice(dim), slice(dim + 1, nd)))
        A = {f + "_base": a([getattr(b, f) for b in bases]) for f in ("ptr", "nidxs", "cof", "bfix")}
        A.update(n=n, dim=dim, nd=nd, nds=a([r.nd for r in recs]), d1s=a(d1s), nelem=a([r.nelem for r in recs]),
                 nnz=a([r.nnz for r in recs]), shape_bases=a([b.shape for b in bases]), offset=a([0] * n),
                 sp_base=a([b.sp if r.sparse else -1 for r, b in zip(recs, bases)]), outer=outer, inner=inner)
        assert not any(run(s, 269, None, A, i=i, mismatch=0, shapebase=bases[0].shape) for i in range(n))
        init, total = int(rng.integers(-9, 9)), sum(d1s)
        assert run(s, 270, None, A, total=init) == (n if dim == nd else init + total)
        assert run(s, 274, None, A, total=init) == init + total
        count, tnnz = sum(r.nelem for r in recs), sum(r.nnz for r in recs)
        assert run(s, 271, None, A, totalelem=init, totalnnz=2 * init) == (init + count, 2 * init + tnnz)
        run(s, 273, None, A)
        assert A["offset"].tolist() == (np.cumsum(d1s) - d1s).tolist()
        resshape = a([-1] * (nd + 1))
        run(s, 287, None, count=nd, resshape=resshape, shape=a(recs[0].shape))
        run(s, 288, None, dim=dim, resshape=resshape, shapes=object_list([a(r.shape) for r in recs]))
        rshape = recs[0].shape[:dim] + (total,) + recs[0].shape[dim + 1:]
        assert resshape.tolist() == list(rshape[:nd]) + [-1]
        want = {}
        for i, r in enumerate(recs):  # operand element (o, j, q) goes to (o, offset + j, q)
            for L, element in elements(r).items():
                o, j, q = L // max(d1s[i] * inner, 1), L // max(inner, 1) % d1s[i], L % max(inner, 1)
                want[int((o * total + A["offset"][i] + j) * inner + q)] = element

        if all(not r.sparse for r in recs):
            r = reserve(s.r, 0, count, tnnz)
            run(s, 277, dict(r=runs(r, 0, count, tnnz)), A, names(r, "r"), total=total, rnelemtotal=count)
            assert elements(read(s.r, r, 0, count, tnnz, shape=rshape)) == want
        g = reserve(s.x, 0, count, tnnz, sparse=True)
        X, gathered = dict(A, **names(g, "x"), total=total), dict(x=runs(g, 0, count, tnnz))
        run(s, 280, gathered, X)
        s.x.i32[g.ptr], xnelem = 0, 0
        for i, r in enumerate(recs):
            xnelem = run(s, 281 if r.sparse else 282, gathered, X, i=i, xnelem=xnelem, size=d1s[i],
                         termoffset=sum(p.nnz for p in recs[:i]), blocksize=d1s[i] * inner, innersize=inner)
        assert xnelem == count
        g_sp = read(s.x, g, 0, count, tnnz, sparse=True).sp
        assert elements(read(s.x, g, 0, count, tnnz, sparse=True)) == want  # in operand order
        perma, permb, cnt = s.x.take_i32(count), s.x.take_i32(count), s.x.take_i32(max(rshape) + 1)
        for copy in (False, True) if np.all(np.diff(g_sp) > 0) else (False,):
            r = reserve(s.r, len(rshape), count, tnnz, sparse=True)
            s.r.i32[r.shape:r.shape + len(rshape)] = rshape
            scratch = dict(i32=[(perma, count), (permb, count), (cnt, max(rshape) + 1)])
            got = run(s, 286 if copy else 285, dict(r=runs(r, 0, count, tnnz), x=scratch), X, names(r, "r"),
                      perma=perma, permb=permb, cntbase=cnt, nd=len(rshape), count=count, s=strides(rshape))
            if not copy:
                assert got == ((perma, permb) if len(rshape) % 2 == 0 else (permb, perma))
                assert s.x.i32[got[0]:got[0] + count].tolist() == np.argsort(g_sp).tolist()
            out = read(s.r, r, 0, count, tnnz, sparse=True, shape=rshape)
            check(out)
            assert elements(out) == want
            copies += copy
    assert copies > 5


def test_fit_test_checks_every_operand():
    rng = np.random.default_rng(11)
    s = Stacks()
    for _ in range(100):
        nd, n = int(rng.integers(0, 4)), int(rng.integers(1, 5))
        dim, first = int(rng.integers(0, n + 1)), rng.integers(1, 4, size=nd)
        shapes = [first] + [rng.integers(1, 4, size=int(rng.integers(0, 5))) if rng.random() < 0.3 else
                            first + (np.arange(nd) == rng.integers(0, 4)) * (rng.random() < 0.3) for _ in range(n - 1)]
        bases = i32([s.w.put_i32(np.asarray(sh, dtype=np.int32)) for sh in shapes])
        for i in range(n):
            for mismatch in (0, 1):
                want = bool(mismatch) or len(shapes[i]) != nd or any(shapes[i][d] != first[d]
                                                                    for d in range(nd) if d != dim)
                assert run(s, 269, None, dim=dim, i=i, mismatch=mismatch, nd=nd, nds=i32([len(sh) for sh in shapes]),
                           shapebase=int(bases[0]), shape_bases=bases) is want
    bases = i32([s.w.put_i32([2, 3]), s.w.put_i32([2, 5, 7])])  # agrees in two sizes, has three
    assert run(s, 269, None, dim=1, i=1, mismatch=0, nd=2, nds=i32([2, 3]), shapebase=int(bases[0]),
               shape_bases=bases) is True


def test_stacked_shape_reads_only_recorded_sizes():
    # Shapes shorter than dim + 1 (and None) add nothing; no shape with an entry dim writes nothing.
    junk, s = JUNK[np.int32], Stacks(8)
    store = np.full(5, junk, dtype=np.int32)
    store[:3] = [2, 3, 4]
    shapes = object_list([i32([2, 3, 4]), i32([2, 5, 1], stride=2), None, i32([2]), i32([9, 1, 6, 8])])
    run(s, 288, None, dim=1, resshape=store[:3], shapes=shapes)
    assert store.tolist() == [2, 3 + 5 + 1, 4, junk, junk]
    wider = i32([2, 3, 4, 1])
    run(s, 288, None, dim=3, resshape=wider, shapes=shapes)
    assert wider.tolist() == [2, 3, 4, 9]
    run(s, 288, None, dim=2, resshape=store[:2], shapes=object_list([i32([2, 3])] * 3))
    assert store.tolist() == [2, 9, 4, junk, junk]


def test_sizes_and_counts_wrap_in_32_bits():
    big, s, offset = 2**31 - 1, Stacks(8), i32([0, 0, 0])
    assert run(s, 274, None, total=big, d1s=i32([1, 2]), n=2) == -(2**31) + 2
    assert run(s, 271, None, n=2, nelem=i32([big, 1]), nnz=i32([1, big]), totalelem=0, totalnnz=1) == (-(2**31),
                                                                                                    -(2**31) + 1)
    run(s, 273, None, d1s=i32([big, 1, 5]), n=3, offset=offset)
    assert offset.tolist() == [0, big, -(2**31)]
