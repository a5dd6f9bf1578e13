"""Products of a constant matrix (triplets, dense, a pattern) or a sparse vector and a record or a variable (one term
per element), their diagonals, counts and groupings, against one oracle (the terms in merge order) and NumPy."""
import numpy as np
import pytest

from support.layout import (Record, Stacks, assert_elements, evaluate, f64, i32, i64, names, only_changed, pad, put,
                            random_shape, snap, some_record, stack_args)
from support.products import (build, call, entries_by_column, entry_row_pointers, group_elements, grouping, met,
                              product_items, random_triplets)

# kind: the operand's sparsity (None: either). E is a record, X a variable, x one variable; in a left
# product the matrix M comes first; "vector E" is the inner product with a sparse vector. Kernels:
#   E M 331/332 (mperm by 294 or from 326's positions), dense E M 333/334, E dense M 336,
#   diagonal E M 298/299, diagonal dense E M 300/301, diagonal M E 313/314, diagonal M dense E 306/307,
#   M E and dense M E 344/346, M dense E 345/346, pattern 317/319, vector E 290/291, scalar M 321, x M 364,
#   X dense M 348/349, dense X M 350/351/352, X M 350/353/354/355/356, M X 357/359, M dense X 358/360;
#   groupings by the step kernels 295 .. 343 and 304 (support.products).
KINDS = {"E M, mperm sorted by 294": 1, "E M, mperm inverted from 326": 1, "dense E M": 0, "E dense M": None,
         "diagonal E M": 1, "diagonal dense E M": 0, "M E": 1, "M dense E": 0, "dense M E": 1, "diagonal M E": 1,
         "diagonal M dense E": 0, "pattern": None, "vector E": None, "scalar M": 0, "x M": 0, "X dense M": 1,
         "dense X M": 0, "X M": 1, "M X": 1, "M dense X": 0}
ELEMENTWISE = ("pattern", "vector E", "scalar M", "x M")


def holds(arr, *runs):
    """arr holds each run (base, values)."""
    return all(arr[base:base + len(v)].tolist() == list(v) for base, v in runs)


@pytest.mark.parametrize("seed", range(12))
@pytest.mark.parametrize("kind", KINDS)
def test_products_hold_the_matched_pairs_in_merge_order(kind, seed):
    rng = np.random.default_rng(seed)
    m, n, p = (int(v) for v in rng.integers(0, 5, size=3))
    left, diagonal = kind.replace("diagonal ", "").startswith(("M", "dense M")), kind.startswith("diagonal")
    sparse = bool(seed % 2 if KINDS[kind] is None else KINDS[kind])
    vector = "X" in kind and sparse and seed % 4 == 0  # a one-dimensional X: a row, or a column on the right
    m, p = ((m, 1) if left else (1, p)) if vector else (m, m if diagonal else p)
    grid = {"pattern": random_shape(rng, max_size=4), "vector E": random_shape(rng, max_size=4), "scalar M": (),
            "x M": ()}.get(kind, (n, p) if left else (m, n))
    mshape = (m, n) if left or kind in ELEMENTWISE else (n, p)
    s, E = Stacks(4096, stride=int(rng.choice([1, 2]))), some_record(rng, (n,) if vector else grid, sparse)
    if "X" in kind or kind == "x M":  # distinct variables, numbered in a row or not; x may be any index
        nidxs = 9 + np.arange(E.nelem) if seed % 3 == 0 else 1 + rng.permutation(64)[:E.nelem]
        E = Record(E.shape, np.arange(E.nelem + 1), [seed % 9 - 2] if kind == "x M" else nidxs, np.ones(E.nelem),
                   np.zeros(E.nelem), E.sp)
    eb = put(s.w, E, rng)
    pad(s.r, rng)
    pad(s.x, rng)
    subi, subj, val = random_triplets(rng, *mshape)
    if "dense M" in kind or kind == "x M" and seed % 2:  # every position, some values 0
        subi, subj = np.indices(mshape).reshape(2, -1)
        val = np.round(rng.normal(size=len(subi)), 3) * (rng.random(len(subi)) >= 0.2)
    M, Md = dict(zip(zip(subi.tolist(), subj.tolist()), val)), np.zeros(mshape)
    Md[subi, subj] = val
    if kind in ("pattern", "vector E"):  # linear indexes into E's shape
        msp = np.sort(rng.choice(E.size, size=int(rng.integers(0, E.size + 1)), replace=False))
        M = dict(zip(msp.tolist(), np.round(rng.normal(size=len(msp)), 3)))
        Md = np.bincount(msp, list(M.values()), E.size).reshape(grid)
    st, (e0, t0) = int(rng.choice([1, 2])), (int(v) for v in rng.integers(0, 5, size=2))
    a = dict(stack_args(s), **names(eb, "w"), m=m, n=n, p=p, q=p, msubi=i32(subi, st), msubj=i32(subj, st),
             mval=f64(val, st), mcof=f64(list(M.values()), st), nnz=len(val), rnelem=e0, rnnz=t0, eterms=E.nnz,
             count=E.nelem, sparse=int(sparse), xnidxs=eb.nidxs, xsp=eb.sp or 0, nx=E.nelem, xnd=E.nd,
             xshape=i32(E.shape, st))
    items = {"pattern": [(L, [(L, L)]) for L in range(E.size)], "vector E": [(0, [(L, L) for L in M])]}.get(kind, [
        (i * n + j, [(0, (i, j))]) for i in range(m) for j in range(n)] if kind in ELEMENTWISE else product_items(
        m, n, p, left, diagonal))
    constants = kind != "diagonal M dense E"  # whose product takes no constants
    want = met(E, M, items, kind in ("dense E M", "E dense M", "dense M E", "vector E"), constants)
    nelem, nterms = len(want), sum(len(terms) for terms, _ in want.values())
    ne, nt = e0 + nelem, t0 + nterms
    if kind in ("M E", "M dense E", "M dense X"):  # row runs end at nnz: the arrays hold the last entry once more
        a.update(msubi=i32(np.append(subi, subi[-1:]), st), msubj=i32(np.append(subj, subj[-1:]), st))
    if kind in ("dense X M", "X M"):  # M grouped by column
        a["mcolptr"], a["mperm"] = s.w.take_i32(p + 1), s.w.take_i32(len(val))
        call(350, **a | dict(ncols=p, nbuckets=p))
    if kind.startswith(("E M", "dense E M")):  # grouped on the scratch stack
        a["erowptr"] = group_elements(rng, s, "x", "row", n, E.nelem, eb.sp, m) if sparse else 0
        a["mcolptr"], a["mperm"] = entries_by_column(rng, s, "x", a["msubj"], p, "294" if "294" in kind else "326")
        assert call(331 if sparse else 333, **a) == ((ne, nt) if sparse else nt)
        ret, got = build(s, 332 if sparse else 334, a, nelem, nterms, e0, t0, fresh=False, shape=(m, p))
    elif kind == "E dense M":  # a sparse E is grouped by row into the zeroed erowptr
        a["erowptr"] = s.x.put_i32(np.zeros(m + 1))
        ret, got = build(s, 336, a, nelem, nterms, e0, t0, fresh=False, sparse=False, shape=(m, p),
                         x=[(a["erowptr"], m + 1)] if sparse else [])
    elif diagonal and not left:
        a["erowptr"] = group_elements(rng, s, "w", "row", n, E.nelem, eb.sp, m) if sparse else 0
        a["mcolptr"], a["mperm"] = entries_by_column(rng, s, "w", a["msubj"], m)
        assert call(298 if sparse else 300, **a) == (ne, nt)
        ret, got = build(s, 299 if sparse else 301, a, nelem, nterms, shape=(m,))
    elif diagonal:  # E has m columns
        a["mrowptr"], a["n"] = entry_row_pointers(rng, s, a["msubi"], m), m
        a["ecolptr"], a["eperm"] = group_elements(rng, s, "w", "column", m, E.nelem, eb.sp, m) if sparse else (7, 9)
        assert call(313, **a) == (ne, nt) if sparse else call(306, **a | dict(base=a["mrowptr"], count=e0)) == (
            ne)  # the element count of 307 comes from the row pointers
        ret, got = build(s, 314 if sparse else 307, a, nelem, nterms, shape=(m,))
    elif "E" in kind and left:
        a["ecolptr"], a["eperm"] = group_elements(rng, s, "x", "column", p, E.nelem, eb.sp, p) if sparse else (7, 9)
        a.update(sparse=int(sparse) * int(rng.integers(1, 3)), msparse=int(rng.integers(kind == "M E", 3)) * (
            kind != "dense M E"))  # with dense M the counts are replaced
        assert call(344 if sparse else 345, **a) == ((nelem, nterms) if kind == "dense M E" else (ne, nt))
        ret, got = build(s, 346, a, nelem, nterms, sparse=kind != "dense M E", shape=(m, p))
    elif kind == "pattern":  # with a dense E the element count is replaced
        a.update(nd=E.nd, msp=i64(msp, st))
        assert call(317, **a) == (ne if sparse else nelem, nt)
        ret, got = build(s, 319, a, nelem, nterms, shape=E.shape, nd=E.nd)
    elif kind == "vector E":  # vcof . E[vsub]: terms from rnnz on, the constant returned
        a.update(vsub=i64(msp, [1, 2, -1][seed % 3]), vcof=f64(list(M.values()), -st), constant=float(seed))
        snaps = snap(s)
        assert call(290, **a) == nt
        rn, rc = s.r.take_i64(nt), s.r.take_f64(nt)
        ret = call(291, **a, rnidxsbase=rn, rcofbase=rc)
        only_changed(s, snaps, r=dict(i64=[(rn + t0, nterms)], f64=[(rc + t0, nterms)]))
        got, ret = Record((), [0, nterms], s.r.i64[rn + t0:rn + nt], s.r.f64[rc + t0:rc + nt], [ret[0] - seed]), ret[1]
    elif kind == "scalar M":  # element count from the result's bases
        ret, got = build(s, 321, a | dict(ncols=n, count=E.nnz), nelem, nterms, 0, t0, fresh=False, shape=(m, n))
    elif kind == "x M":  # into any arrays, here the result stack's
        a.update(f64=s.r.f64, i32=s.r.i32, i64=s.r.i64, sparse=1 - seed % 2, var=E.nidxs[0], ncols=n, nelem=nelem)
        ret, got = build(s, 364, a, nelem, nterms, sparse=seed % 2 == 0, shape=(m, n))
    elif kind == "X dense M":
        rows = len(np.unique(E.sp // n)) if E.nelem else e0 - 2
        assert call(348, **a | dict(n=E.nelem, init=e0 - 2, ncols=n)) == rows
        ret, got = build(s, 349, a, nelem, nterms, shape=(m, p))
    elif kind == "dense X M":
        assert call(351, **a | dict(init=e0, n=len(val))) - e0 == len(np.unique(subj))
        ret, got = build(s, 352, a | dict(xrowstride=n), nelem, nterms, e0, t0, fresh=False, shape=(m, p))
    elif kind == "X M":
        a.update(xrowptr=s.w.take_i32(m + 1), xrow=s.w.take_i32(E.nelem), xcol=s.w.take_i32(E.nelem))
        call(353, base=a["xrowptr"], wi32=s.w.i32, n=m)
        call(354, **a)
        rows, cols = np.divmod(E.sp, max(n, 1))
        assert holds(s.w.i32, (a["xrow"], rows), (a["xcol"], cols), (a["xrowptr"], grouping(rows, m)[0]))
        assert call(355, **a) == (ne, nt)
        ret, got = build(s, 356, a, nelem, nterms, nbfix=nelem + seed % 3, shape=(m, p))
    elif kind == "M X":  # prepared on the scratch stack
        a.update(mrowptr=s.x.take_i32(m + 1), xrow=s.x.take_i32(E.nelem), xcol=s.x.take_i32(E.nelem),
                 xcolptr=s.x.take_i32(p + 1), xperm=s.x.take_i32(E.nelem), xi64=s.w.i64)
        snaps = snap(s)
        assert call(357, **a) == (ne, nt)
        only_changed(s, snaps, x=dict(i32=[(a[k], c) for k, c in (
            ("mrowptr", m + 1), ("xrow", E.nelem), ("xcol", E.nelem), ("xcolptr", p + 1), ("xperm", E.nelem))]))
        rows, cols = np.divmod(E.sp, max(p, 1))
        assert holds(s.x.i32, (a["mrowptr"], grouping(subi, m)[0]), (a["xrow"], rows), (a["xcol"], cols),
                     *zip((a["xcolptr"], a["xperm"]), grouping(cols, p)))
        ret, got = build(s, 359, a, nelem, nterms, nbfix=nelem + seed % 3, shape=(m, p))
    else:
        assert call(358, **a | dict(spare=seed)) == (nelem + e0 * p, nterms)
        ret, got = build(s, 360, a | dict(xi64=s.w.i64), nelem, nterms, shape=(m, p))
    assert ret is None or list(np.ravel(ret)) == [ne, nt][-np.size(ret):]  # the counts, or the term count
    assert_elements(got, want)  # the terms in order, the constants summed as the kernels do but for vector E
    xs = np.random.default_rng(seed).normal(size=(2, 80))
    Ev = evaluate(E if constants else Record(E.shape, E.ptr, E.nidxs, E.cof, 0 * E.bfix, E.sp), *xs).reshape(grid)
    want = Md @ Ev if left else Ev * Md if kind in ELEMENTWISE else Ev @ Md
    want = np.diag(want) if diagonal else np.sum(want) if kind == "vector E" else want
    np.testing.assert_allclose(evaluate(got, *xs), want, atol=1e-9)


@pytest.mark.parametrize("number", [312, 327, 343])
@pytest.mark.parametrize("ends, n, want", [([3, 3, 7, 9, 9], 4, [0, 3, 3, 7, 9]), ([4], 0, [0])])
def test_shift_back_turns_bucket_ends_into_starts_from_zero(number, ends, n, want):
    call(number, base=0, n=n, wi32=(a := i32(ends, 2)), xi32=a)
    assert list(a) == want


def test_zero_columns_do_not_divide_by_zero():  # linear indexes split into row and column
    w, s = i64([1, 2, 7, 8, 9, 20]), Stacks(size=64)
    # rows 0, 0, 1, 2, 2, 5; one-dimensional: one row; n <= 0: init; no columns: row 0
    assert [call(348, n=n, xsp=0, wi64=w, init=5, xnd=d, ncols=c) for n, d, c in (
        (6, 2, 4), (6, 1, 4), (0, 2, 4), (-1, 2, 4), (3, 2, 0))] == [4, 1, 5, 5, 1]
    call(354, xnd=2, nx=2, xrowptr=10, xsp=0, m=1, xshape=i32([1, 0]), xrow=20, xcol=30, wi32=s.w.i32, wi64=w)
    assert s.w.i32[20:22].tolist() == [0, 0] and s.w.i32[30:32].tolist() == [1, 2]  # row 0, the linear index


def test_sizes_of_triplet_product_wrap_in_32_bits():
    assert call(358, nnz=0, msubi=None, rnelem=3, spare=0, p=1 << 30) == (-(1 << 30), 0)


@pytest.mark.parametrize("count1, count2", [(3, 4), (0, 5), (5, 0), (0, 0), (6, -2)])
def test_scale_run_scales_count1_plus_count2_entries(count1, count2):
    call(320, factor=-2.5, base=2, f64=(v := f64(np.arange(20.0), 2)), count1=count1, count2=count2)
    assert v.tolist() == [x * (-2.5 if 2 <= x < 2 + count1 + count2 else 1) for x in range(20)]
