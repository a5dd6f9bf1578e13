"""Triangles of a record over two dimensions of equal size, gathers by linear index and the
dense expansion of a sparse record, against np.triu / np.tril and the dense form."""
import numpy as np
import pytest

from support.buffers import i32
from support.fiveaxis import blocks, block_strides, coordinates, paired_case
from support.layout import k, only_changed, pad, point, put, snap, some_record, value
from support.products import EXAMPLE_SPARSE, call, element_terms, elements, result_args, stack_args, stored_at
from support.records import Record, dense, read, reserve
from support.stacks import Stacks

FACTORS = [(395, 403), (396, 404), (397, 405)]  # the two signatures of each dim factor


def wrap32(v):
    return (int(v) + (1 << 31)) % (1 << 32) - (1 << 31)


def view(rng, s, shape, a, b):
    """dim (by a random signature of each factor kernel) and int32 strides of the view."""
    pad(s.w, rng)
    base = s.w.put_i32(shape)
    dim = i32([1, shape[a], 1, shape[b], 1], stride=int(rng.choice([1, 2])))
    for pair, after, before in zip(FACTORS, (-1, a, b), (a, b, len(shape))):
        call(int(rng.choice(pair)), dim=dim, base=base, wi32=s.w.i32, after=after, before=before, n=before)
    assert dim.tolist() == blocks(shape, a, b)
    stride = i32([-9, -9, -9, -9, 1])
    k(398)(dim, stride)
    assert stride.tolist() == block_strides(dim.tolist())
    return dim, stride


def gather(rng, s, w, op, requested):
    """401: the operand's elements at increasing `requested` (absent ones empty, constant 0)."""
    requested = np.asarray(requested, dtype=np.int64)
    n, at = len(requested), stored_at(op)
    want = {int(L): (element_terms(op, at.get(int(L))), float(op.bfix[at[int(L)]]) if int(L) in at else 0.0)
            for L in requested}
    nnz = sum(len(t) for t, _ in want.values())
    pad(s.r, rng)
    out = reserve(s.r, 0, n, nnz, sparse=True)
    s.r.i64[out.sp:out.sp + n] = requested
    s.r.i32[out.ptr] = 0
    snaps = snap(s)
    nelem, wsp = (op.nelem, w.sp) if op.sparse else (int(rng.integers(-3, 9)), int(rng.integers(-3, 9)))
    call(401, **stack_args(s), **result_args(out), **result_args(w, "w") | dict(wsp=wsp), n=n, nelem=nelem,
         sparse=int(op.sparse) * int(rng.integers(1, 4)))
    only_changed(s, snaps, r=dict(i32=[(out.ptr + 1, n)], i64=[(out.nidxs, nnz)], f64=[(out.cof, nnz), (out.bfix, n)]))
    result = read(s.r, out, 0, n, nnz, sparse=True, shape=op.shape)
    assert elements(result) == want
    return result


@pytest.mark.parametrize("seed", range(30))
@pytest.mark.parametrize("sparse", [False, True])
def test_triangle_matches_numpy(seed, sparse):
    rng = np.random.default_rng(3000 + 100 * sparse + seed)
    op, a, b = paired_case(rng, sparse)
    lower = int(rng.integers(0, 2)) * int(rng.choice([1, -4]))
    s = Stacks(4096, stride=int(rng.choice([1, 2])))
    dim, stride = view(rng, s, op.shape, a, b)
    w = put(s.w, op, rng)
    e0, t0 = (int(v) for v in rng.integers(0, 30, size=2))
    pad(s.r, rng)
    args = dict(stack_args(s), dim=dim, stride=stride, lower=lower, sparse=int(sparse) * int(rng.integers(1, 4)),
             n=op.nelem, wptr=w.ptr, rnelem=e0, rnnz=t0, wsp=w.sp if sparse else int(rng.integers(0, 9)))
    c = coordinates(np.arange(op.size), dim.tolist(), block_strides(dim.tolist()))
    positions = np.nonzero(c[3] <= c[1] if lower else c[1] <= c[3])[0]
    listed, snaps = s.r.take_i64(len(positions)), snap(s)
    count = call(399, **args)
    call(400, **args, rsp=listed)
    only_changed(s, snaps, r=dict(i64=[(listed, len(positions))]))
    assert s.r.i64[listed:listed + len(positions)].tolist() == positions.tolist()
    at = stored_at(op)
    stored = [int(L) for L in positions if int(L) in at]
    terms = sum(len(element_terms(op, at[L])) for L in stored)
    # A dense count sets the element count; a sparse one adds the stored selected ones.
    assert count == ((e0 + len(stored), t0 + terms) if sparse else (len(positions), t0 + terms))

    xs = point(rng)
    E = np.moveaxis(value(op, xs), (a, b), (-2, -1))
    want = np.moveaxis(np.tril(E) if lower else np.triu(E), (-2, -1), (a, b))
    for requested in (positions, stored):  # every selected position, or the stored ones
        result = gather(rng, s, w, op, requested)
        np.testing.assert_allclose(value(result, xs), want, atol=1e-12)
    assert result.nnz == count[1] - t0


@pytest.mark.parametrize("op, a, b, lower, e0, t0, want", [
    # (a + 1, 2b; 0, a - c) held sparsely: upper keeps all three stored elements; lower's
    # positions are 0, 2, 3, of which 2 is not stored.
    (EXAMPLE_SPARSE, 0, 1, 0, 0, 0, (3, 4)),
    (EXAMPLE_SPARSE, 0, 1, 1, 0, 0, (2, 3)),
    (Record((2, 2), [0, 2], [4, 5], [1.0, 1.0], [2.0], sp=[1]), 0, 1, 1, 7, 8, (7, 8)),  # only (0, 1) stored
    # A pair of size-one dimensions selects everything.
    (some_record(np.random.default_rng(11), (2, 1, 3, 1), False), 1, 3, 0, 5, 0, (6, None)),
    (some_record(np.random.default_rng(11), (2, 1, 3, 1), False), 1, 3, 1, 5, 0, (6, None)),
])
def test_triangle_counts(op, a, b, lower, e0, t0, want):
    rng = np.random.default_rng(0)
    s = Stacks(512)
    dim, stride = view(rng, s, op.shape, a, b)
    w = put(s.w, op, rng)
    got = k(399)(dim, int(op.sparse), op.nelem, w.ptr, e0, t0, w.sp if op.sparse else 0, stride, lower, s.w.i32,
                 s.w.i64)
    assert got == (want[0], op.nnz if want[1] is None else want[1])


@pytest.mark.parametrize("seed", range(20))
def test_dense_expansion(seed):
    rng = np.random.default_rng(5000 + seed)
    shape = tuple(int(v) for v in rng.integers(0, 5, size=int(rng.integers(1, 3))))
    op = some_record(rng, shape, True) if seed else Record((2, 3), [0], [], [], [], sp=[])  # nothing: all zero
    s = Stacks(1024, stride=int(rng.choice([1, 2])))
    pad(s.r, rng)
    sp = s.r.put_i64(op.sp)
    pad(s.x, rng)
    xbfix, xptr = s.x.put_f64(op.bfix), s.x.put_i32(op.ptr)
    rptr, rbfix = s.r.take_i32(op.size + 1), s.r.take_f64(op.size)
    snaps = snap(s)
    assert k(402)(rbfix, 0, op.nelem, rptr, s.r.f64, s.r.i32, s.r.i64, op.size, sp, xbfix, s.x.f64, s.x.i32,
                  xptr) == op.nelem
    only_changed(s, snaps, r=dict(i32=[(rptr + 1, op.size)], f64=[(rbfix, op.size)]))
    full = dense(op)
    assert s.r.i32[rptr + 1:rptr + op.size + 1].tolist() == full.ptr[1:].tolist()
    assert s.r.f64[rbfix:rbfix + op.size].tolist() == full.bfix.tolist()


@pytest.mark.parametrize("number, nd, want", [(393, 3, [4, 5, 6, -1, -1, -1]), (394, 1, [-1, 6, 7, 8, -1, -1]),
                                              (393, 0, [-1] * 6), (394, 4, [-1] * 6)])
def test_shape_copies(number, nd, want):
    r = i32([-1] * 6)
    k(number)(nd, r, i32([4, 5, 6, 7, 8], stride=2))
    assert r.tolist() == want


def test_dim_and_strides_wrap_in_32_bits():
    s = Stacks(64)
    base = s.w.put_i32([70001, 3, 70001, 5, 70001, 9, 7])
    dim = i32([1, 3, 1, 9, 1])
    k(395)(dim, base, s.w.i32, 3)
    k(404)(dim, 1, 5, base, s.w.i32)
    k(397)(dim, 7, base, s.w.i32, 5)
    assert dim.tolist() == [wrap32(70001 * 3 * 70001), 3, wrap32(70001 * 5 * 70001), 9, 7]
    big = i32([1, 70001, 1, 70001, 3])
    stride = i32([0, 0, 0, 0, 3])
    k(398)(big, stride)
    assert stride.tolist() == [wrap32(v) for v in block_strides(big.tolist(), 3)]
