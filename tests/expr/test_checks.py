"""Checks of triplets, patterns and shapes, shape products, strides, linear indexes of multi-indexes
and the rows of outer products with a constant vector, against NumPy and the rows they must write."""
import itertools

import numpy as np
import pytest

from support.buffers import arr, f64, i32, i64, wrap
from support.layout import some_record, strides
from support.products import call, random_triplets
from support.portable import INVALID


@pytest.mark.parametrize("seed", range(60))
def test_triplet_checks(seed):
    rng = np.random.default_rng(100 + seed)
    nrows, ncols = (int(v) for v in rng.integers(1, 5, size=2))
    subi, subj, _ = random_triplets(rng, nrows, ncols)
    t, j = rng.integers(0, max(len(subi), 1), size=2)
    if len(subi) and seed % 4 == 1:  # out of range
        (subi, subj)[seed % 8 == 1][t] = [-1, max(nrows, ncols) + 1][seed % 3 == 0]
    elif len(subi) and seed % 4 == 2:  # a swap, or with t = j a repeat of the entry before
        subi[[t, j]], subj[[t, j]] = (subi[[j, t]], subj[[j, t]]) if t != j else (subi[t - 1], subj[t - 1])
    out = lambda n: bool(np.any((subi[:n] < 0) | (subi[:n] >= nrows) | (subj[:n] < 0) | (subj[:n] >= ncols)))
    disorder = lambda n: bool(np.any(np.diff(subi[:n].astype(np.int64) * 2**32 + subj[:n]) <= 0))
    nnz, n = len(subi), int(rng.integers(0, len(subi) + 1))  # 347 reads n and stops at one out of range
    for badrange, unsorted, result in itertools.product((0, 1), repeat=3):
        f = dict(nrows=nrows, ncols=ncols, nnz=nnz, msubi=i32(subi, 2), msubj=i32(subj), badrange=badrange,
                 unsorted=unsorted, result=result)
        bad, uns, stop = out(nnz) or badrange, disorder(nnz) or unsorted, badrange or out(n)
        assert [call(k, **f) for k in (302, 315, 322, 362, 363, 337, 338, 361)] + [call(347, **f | dict(nnz=n))] == [
            (bad, uns)] * 3 + [bad, uns, not out(nnz), not disorder(nnz), result and not (out(nnz) or disorder(nnz)),
                               (stop, unsorted or (not stop and disorder(n)))]


def test_pattern_checks_range_test_the_ends_or_every_entry():
    rng = np.random.default_rng(5)
    cases = [([], 0), ([0, 1, 5], 5), ([0, 1, 5], 4), ([-1, 2, 3], 9), ([2, -5, 7], 9), ([2, 12, 7], 9), ([12, 3], 9)]
    for _ in range(300):  # half of them sorted
        v = rng.integers(-3, 20, size=int(rng.integers(0, 6)))
        cases.append((np.unique(v) if rng.random() < 0.5 else v, int(rng.integers(-2, 22))))
    for (v, limit), (badrange, unsorted) in itertools.product(cases, ((0, 0), (1, 0), (0, 7))):
        v, flags = np.asarray(v, np.int64), dict(badrange=badrange, unsorted=unsorted)
        order, outside = bool(unsorted) or bool(np.any(np.diff(v) <= 0)), (v < 0) | (v > limit)
        assert call(289, **flags, limit=limit, vsub=i64(v, 2)) == (  # limit: the largest valid index
            bool(badrange) or (len(v) > 0 and bool(v[0] < 0 or v[-1] > limit)), order)
        assert call(316, **flags, size=limit + 1, msp=i64(v, -1)) == (bool(badrange) or bool(np.any(outside)), order)


@pytest.mark.parametrize("seed", range(200))
def test_pattern_row_pointer_and_shape_checks(seed):
    rng = np.random.default_rng(seed)
    size = int(rng.integers(0, 12))
    inst = np.sort(rng.choice(size, size=int(rng.integers(0, size + 1)), replace=False))
    if len(inst) and seed % 3:  # out of range below or above, repeated or unsorted
        inst[int(rng.integers(len(inst)))] = rng.choice([-1, size, size + 5, inst[0], inst[-1]])
    n = len(inst) - int(rng.integers(0, 2)) if len(inst) else int(rng.integers(-1, 3))  # entries past n not read
    ptrb = np.cumsum(rng.integers(-(seed % 4 == 0), 3, size=max(n, 0) + 1))  # given with one entry more, -9
    shape = rng.integers(-(seed % 5 == 0), 4, size=int(rng.integers(0, 4)))
    (instok, ptrbok, shapeok), given, v = rng.choice([0, 1, 5], size=3).tolist(), seed % 10 != 0, inst[:n]
    want = (bool(v[0] >= 0 and v[-1] < size and np.all(np.diff(v) > 0)) if given and len(inst) and n > 0 else
            bool(instok), bool(ptrbok) and (n <= 0 or bool(np.all(np.diff(ptrb) >= 0))),
            bool(shapeok) and bool(np.all(shape >= 0)))
    assert call(422, inst=i64(inst, 2) if given else None, instok=instok, n=n, ptrb=i64([*ptrb, -9], -1), ptrbok=ptrbok,
                shapeok=shapeok, size=size, thisshape=i32(shape, 3)) == want


def test_products_and_nontrivial_dimension_counts_wrap_in_32_bits():
    rng = np.random.default_rng(21)
    for vals, init in [([2], 2**31 - 1)] + [(rng.choice([-70000, -1, 0, 1, 2, 70000], size=k), k - 2) for k in
                                             rng.integers(0, 5, size=200)]:
        assert (call(423, init=init, vals=i32(vals, -2)), call(428, eshape=i32(vals, 2), init=init)) == (
            wrap(init * int(np.prod(np.asarray(vals, object)))), wrap(init + int(np.sum(np.asarray(vals) > 1))))


@pytest.mark.parametrize("strides_kernel, linear_kernel", [(424, 425), (426, 427)])
def test_strides_and_linear_indexes_match_ravel_multi_index(strides_kernel, linear_kernel):
    rng = np.random.default_rng(22)
    for _ in range(40):  # coordinate rows in a shape of sizes >= 1
        shape = tuple(int(n) for n in rng.integers(1, 5, size=int(rng.integers(1, 5))))
        nd, rows, want_st = len(shape), int(rng.integers(0, 7)), strides(shape)
        coords, inner = np.stack([rng.integers(0, n, size=rows) for n in shape], axis=1), 1 + rows % 2
        linear = coords @ want_st
        s = i64([-9] * (nd - 1) + [inner], -2)  # the caller sets the innermost stride
        call(strides_kernel, nd=nd, s=s, shp=i32(shape, 3))
        assert s.tolist() == (inner * want_st).tolist()
        s[:] = want_st
        n = rows - int(rng.integers(0, 2)) if rows else 0  # rows from n on are left alone
        padded = np.hstack([coords, np.full((rows, 1), -99)]).astype(np.int32)  # a column not to read
        strided = np.full((2 * rows + 1, 2 * nd + 2), -77, np.int32)[1::2, ::2]
        strided[...] = padded
        for sparsity in (padded, np.asfortranarray(padded), strided):  # C and Fortran order, strided
            sp, res = arr(np.zeros(rows + 3), np.int64, 2), i64(rng.integers(-5, 5, size=rows), -2)
            want = res + linear
            call(293, nd=nd, res=res, s=i64(s, 3), vsub=sparsity)
            for _ in range(2):  # it adds: a second call doubles
                call(linear_kernel, n=n, nd=nd, s=s, sp=sp, sparsity=sparsity)
            assert res.tolist() == want.tolist() and sp.tolist() == (2 * linear[:n]).tolist() + [0] * (rows - n + 3)


def room(n, dtype, stride, head=()):
    """A strided output of n entries (head first) and three more."""
    return arr(np.concatenate([head, np.full(n + 3 - len(head), -7)]), dtype, stride)


def call_and_check(number, args, want):
    """Calls the kernel; each output named in want must start with its expected entries, the rest unchanged."""
    before = {name: args[name].copy() for name in want}
    assert call(number, **args) is None
    for name, w in want.items():
        assert args[name].tolist() == list(w) + before[name].tolist()[len(w):], name


@pytest.mark.parametrize("amajor", [0, 1])
@pytest.mark.parametrize("seed", range(20))
def test_outer_product_with_an_expression_writes_its_rows(amajor, seed):
    rng, st, ptrb0 = np.random.default_rng(seed), seed % 2 + 1, seed % 3
    E, asize = some_record(rng, (int(rng.integers(4, 8)),), True), int(rng.integers(1, 6))  # E's rows: its elements
    sub, ne = np.nonzero(rng.random(asize) < 0.6)[0], E.nelem
    a, na = rng.normal(size=len(sub)) * (rng.random(len(sub)) >= 0.2), len(sub)
    rows = [(r, j) for j in range(na) for r in range(ne)] if amajor else list(itertools.product(range(ne), range(na)))
    terms = [(u, j) for r, j in rows for u in range(E.ptr[r], E.ptr[r + 1])]
    want = dict(ptrb=np.cumsum([ptrb0] + [E.ptr[r + 1] - E.ptr[r] for r, _ in rows]), cof=[
        a[j] * E.cof[u] for u, j in terms], subj=[E.nidxs[u] for u, _ in terms], einst=[
        E.sp[r] * asize + sub[j] for r, j in rows], bfix=[E.bfix[r] * a[j] for r, j in rows])
    if not ptrb0:  # without bfix, no constants
        del want["bfix"]
    call_and_check(429, dict(
        a=f64(a, st), asize=asize, ebfix=f64(E.bfix, -st), ecof=f64(E.cof, st), enz=E.nnz, eptrb=i64(E.ptr, st),
        esubj=i64(E.nidxs, -st), sub=i32(sub, st), amajor=amajor, ptrb=room(ne * na + 1, np.int64, st, [ptrb0]),
        subj=room(len(terms), np.int64, -st), cof=room(len(terms), np.float64, st), einst=room(
            max(ne * na, ne), np.int64, -st, E.sp), bfix=room(ne * na, np.float64, st) if ptrb0 else None), want)


def test_outer_product_refuses_an_einst_shorter_than_its_rows_and_writes_nothing():
    # E's 2 rows times a's 2 entries make 4 rows; einst holds 3 (a view of 4, to catch a write past it).
    outs = dict(bfix=f64([-5] * 4), cof=f64([-5] * 6), room=i64([1, 4, -5, -5]), ptrb=i64([0] * 5), subj=i64([-5] * 6))
    before = {k: v.copy() for k, v in outs.items()}
    with pytest.raises(ValueError, match=INVALID.format("einst")):
        call(429, a=f64([10.0, -1.0]), asize=3, ebfix=f64([1.0, 2.0]), ecof=f64([2.0, 3.0, -1.0]), enz=3,
             einst=outs["room"][:3], eptrb=i64([0, 1, 3]), esubj=i64([7, 8, 9]), sub=i32([0, 2]), amajor=0, **outs)
    assert all(np.array_equal(outs[k], before[k]) for k in outs)


@pytest.mark.parametrize("aleft", [0, 1])
@pytest.mark.parametrize("seed", range(16))
def test_outer_rows_with_a_vector_of_variables(aleft, seed):
    rng, sparse = np.random.default_rng(seed), seed % 2  # a sparse a has fewer entries than its size n
    n, m = int(rng.integers(1, 6)), int(rng.integers(0, 5))
    sub = np.sort(rng.choice(n, size=int(rng.integers(0, n)), replace=False)) if sparse else np.arange(n)
    a = np.round(rng.normal(size=len(sub)), 3) * (rng.random(len(sub)) >= 0.2)
    rows = [(q, j) for j in range(len(a)) for q in range(m)] if aleft else list(itertools.product(range(m), range(
        len(a))))
    call_and_check(430, dict(a=f64(a, -2), n=n, sub=i32(sub if sparse else [], 2), aleft=aleft, m=m, ptrb=room(
        len(rows) + 1, np.int64, 1, [11]), subj=room(len(rows), np.int64, 2), cof=room(len(rows), np.float64, -1),
        inst=room(len(rows), np.int64, 1)), dict(ptrb=[11, *range(1, len(rows) + 1)], subj=[x for x, _ in rows],
                                                 cof=[a[j] for _, j in rows], inst=[
        sub[j] * m + x if aleft else sub[j] + x * n for x, j in rows] if sparse else []))  # dense: inst untouched


def test_checks_read_nothing_past_their_lists():
    # The entry after msp is smaller than its last one; no triplet fits zero rows or columns.
    assert call(316, badrange=0, unsorted=0, size=5, msp=np.array([0, 1, -5], np.int64)[:2]) == (False, False)
    assert [call(362, badrange=0, nrows=m, ncols=n, msubi=i32([0]), msubj=i32([0])) for m, n in ((3, 0), (0, 3))] == [
        True, True]
