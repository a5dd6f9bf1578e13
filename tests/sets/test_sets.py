# Set and bound kernels against NumPy and Python models: bound unions and scatters, shape
# products and index conversions, five-group folds, stack fills, the buffer merge, order and
# range checks, index sets, interleaving; worked examples as table rows.
from math import prod

import numpy as np
import pytest

from support.buffers import f64, i32, i64, objects, wrap
from support.kernels import call, kernel as k
from support.worked import table
from support.portable import INVALID

SHAPE, ONES = [2, 3, 4], [1] * 5


ROWS = [
    # Unions of sorted bound lists, one row per coordinate of either (a missing bound is 0.0);
    # absent lists are empty.
    (238, dict(lsubi=[0, 0, 1, 3], lsubj=[0, 1, 1, 0], count=10, usubi=[0, 1, 2], usubj=[1, 0, 2]), 16, {}),
    (238, dict(count=4), 4, {}),
    (239, dict(inst=np.zeros((0, 2), np.int32)), None, {}),
    (240, dict(ncols=3, lval=[9] * 7, subi=[1, 0, 1], subj=[2, 0, 0], v=[5, 6, 7]), None,
     dict(lval=[6, 9, 9, 7, 9, 5, 9])),
    (241, dict(ncols=2, subi=[2, 0], subj=[1, 1], uval=[9] * 6, v=[5, 6]), None, dict(uval=[9, 6, 9, 9, 9, 5])),
    (243, dict(inst=[[9, 9]] * 3, msubi=[5, 6], msubj=[8, 7]), None, dict(inst=[[5, 8], [6, 7], [9, 9]])),
    # Products over leading axes, axes strictly between two, a box's sides; 32 bits wrap, 64 bits for int64 results.
    (215, dict(init=7, n=2, resshape=SHAPE), 42, {}),
    (216, dict(init=2, start=0, end=3, resshape=SHAPE), 24, {}),
    (216, dict(init=7, start=2**31 - 1, end=-2**31), 7, {}),  # start + 1 does not wrap
    (216, dict(init=2, start=0, end=2, resshape=SHAPE), 6, {}),
    (220, dict(firsta=[1, 0, 5], lasta=[3, 3, 9], n=2, init=-1), -6, {}),
    (220, dict(firsta=[0, 0], lasta=[65536, 65537], n=2, init=1), 65536, {}),
    (219, dict(idxa=[1, 2, 3], init=5, n=2, strides=[2**32 + 3, -1, 7]), 6, {}),  # low 32 bits of the strides
    (219, dict(idxa=[65536], init=1, n=1, strides=[65536]), 1, {}),
    (237, dict(dims=[70000, 70000], init=3), 3 * 4_900_000_000, {}),
    (451, dict(dims_=[2**31 - 1] * 3, init=5), wrap(5 * (2**31 - 1) ** 3, 64), {}),
    # Index conversions; linear indexes are row-major.
    (231, dict(dest=[0] * 3, lin=77, shape=SHAPE), None, dict(dest=[6, 1, 1])),  # outermost axis not reduced
    (233, dict(lin=-5, res=[0] * 3, shape=SHAPE), None, dict(res=[0, -1, -1])),  # division truncates
    (231, dict(dest=[7], lin=5, shape=[]), None, dict(dest=[7])),  # no axes: nothing to write
    (231, dict(dest=[7] * 3, lin=17, shape=[2, 0, 4]), None, dict(dest=[4, 0, 1])),  # size 0 divides as 1
    (231, dict(dest=[7] * 3, lin=-2**63, shape=[1, -1, -1]), None, dict(dest=[0, 0, 0])),  # quotient wraps
    (232, dict(k=[0, 0], n=2, lin=-2**63, shape=[1, -1]), -2**63, {}),
    (254, dict(idxs=[[1, 2, 3], [0, 1, 0]], nd=3, shape=SHAPE, this_idxs=[9] * 3), None, dict(this_idxs=[23, 4, 9])),
    (254, dict(idxs=[[1, 2, 3]], nd=2, shape=[5, 6, 7], this_idxs=[9] * 2), None, dict(this_idxs=[8, 9])),
    # Five-group folds multiply shape[0], [2] or [4] by the sizes before, between or after two axes.
    (224, dict(n=2, dim=[2, 3, 5], shape=[2] + ONES[1:]), None, dict(shape=[12, 1, 1, 1, 1])),
    (225, dict(start=0, end=3, dim=[2, 3, 5, 7], shape=ONES), None, dict(shape=[1, 1, 15, 1, 1])),
    (225, dict(start=1, end=3, dim=[2, 3, 5, 7], shape=ONES), None, dict(shape=[1, 1, 5, 1, 1])),
    (226, dict(start=1, dim=[2, 3, 5, 7], end=4, shape=ONES), None, dict(shape=[1, 1, 1, 1, 35])),
    # Symmetric expansion: v at (a0, a1, a2, a3, a4) and (a0, a3, a2, a1, a4), a3 over a triangle.
    (228, dict(dim=[1, 2, 1, 2, 1], pos=1, nativeidxs=[9, 10, 11, 12], nidxs=[0] * 5, stride=[0, 2, 0, 1, 0], upper=0),
     4, dict(nidxs=[10, 11, 11, 12, 0])),
    (228, dict(dim=[1, 2, 1, 2, 1], pos=0, nativeidxs=[10, 11, 12], nidxs=[0] * 4, stride=[0, 2, 0, 1, 0], upper=-1),
     3, dict(nidxs=[10, 11, 11, 12])),
    (228, dict(dim=[2, 1, 2, 0, 2], pos=0, nativeidxs=list(range(8)), nidxs=[9] * 9, stride=[4, 0, 2, 0, 1], upper=1),
     8, dict(nidxs=list(range(8)) + [9])),  # dim[3] is not read
    (234, dict(nd=3, shape=[0, 3, 4], st=[0, 0, 2]), None, dict(st=[24, 8, 2])),  # shape[0] is not read
    (211, dict(nrows=2, ncols=1, shape=[[5, 5]] * 3), None, dict(shape=[[1, 5], [1, 5], [5, 5]])),
    (213, dict(row=1, shape=[[5] * 3] * 2, shpi=[7, 8]), None, dict(shape=[[5] * 3, [7, 8, 5]])),
    (214, dict(col=1, n=2, resshape=[1, 2, 3], shape=[[1, 2], [3, 4], [5, 6]]), None, dict(resshape=[1, 8, 3])),
    # Stack fills of n entries (n + 1 zeros for an empty ptr run; the sparsity only with a flag).
    (248, dict(n=3, ri32=[9] * 6, off=2, shape=[1, 2, 3, 4]), None, dict(ri32=[9, 9, 1, 2, 3, 9])),
    (249, dict(flag=-2, ri64=[9] * 4, off=1, sparsity=[7, 8]), None, dict(ri64=[9, 7, 8, 9])),
    (249, dict(flag=0, ri64=[9] * 4, off=1, sparsity=[7, 8]), None, dict(ri64=[9] * 4)),
    (250, dict(bfix=[1.5, 2.5, 3.5], n=2, off=1, rf64=[9] * 4), None, dict(rf64=[9, 1.5, 2.5, 9])),
    (251, dict(n=2, ri32=[9] * 5, off=1), None, dict(ri32=[9, 0, 0, 0, 9])),
    # Index sets, first rows and columns, row indexes of entries, constant runs, term counts.
    (235, dict(r=[9] * 4, set1=[3, 1, 4]), None, dict(r=[3, 1, 4, 9])),
    (236, dict(r=[9] * 6, set1=[3, 1, 4], set2=[1, 5]), None, dict(r=[9, 9, 9, 1, 5, 9])),
    (236, dict(r=[9] * 2, set2=[7]), None, dict(r=[7, 9])),  # no first set: the second goes first
    (246, dict(idxs=[[0] * 2] * 4, indexes=[5, 6, 7]), None, dict(idxs=[[5, 0], [6, 0], [7, 0], [0, 0]])),
    (247, dict(idxs=[[0] * 4] * 2, indexes=[8, 9]), None, dict(idxs=[[8, 9, 0, 0], [0] * 4])),
    (202, dict(n=3, off=1, ptrb_=[0, 2, 2, 3, 9], tmp_subi=[9] * 5), None, dict(tmp_subi=[9, 0, 0, 2, 9])),
    *[(number, dict(bfix=[1, 2, 3], bfix_=[10, 20, 30], n=2), None, dict(bfix=[11, 22, 3])) for number in (201, 203)],
    (203, dict(bfix=[1, 2], n=2), None, dict(bfix=[1, 2])),  # nothing to add
    (204, dict(bfix=[1, 2, 3], n=2, resbfix=[9] * 3), None, dict(resbfix=[1, 2, 9])),
    (204, dict(n=2, resbfix=[9] * 2), None, dict(resbfix=[9] * 2)),
    (256, dict(idxs=[2, 0, 2], ptrbase=1, count=4, wi32=[9, 0, 3, 3, 7]), 15, {}),  # terms of 2, 0 and 2 again
    # Distinct variables in the order of perm (the caller writes the first), zero-based.
    (208, dict(n=4, count=1, perm=[1, 0, 2, 3], varidxs=[5, 2, 5, 9]), 3, {}),
    (208, dict(n=3, count=0, perm=[1, 0, 2, 3], varidxs=[5, 2, 5, 9]), 1, {}),
    (209, dict(pos=1, n=4, perm=[1, 0, 2, 3], varidxs=[5, 2, 5, 9], varidxs32=[9] * 4), 3,
     dict(varidxs32=[9, 4, 8, 9])),
    # Interleaving: entry s of list k at s * nlists + k for s below the size product (1 without axes).
    (217, dict(nlists=2, nativeidxs=[9] * 7, nd=1, nidxlist=objects([i32([1, 2, 3, 0]), i32([4, 5, 6, 0], -2)]),
               resshape=[3]), None, dict(nativeidxs=[1, 4, 2, 5, 3, 6, 9])),
    (217, dict(nlists=3, nativeidxs=[9] * 4, nd=0, nidxlist=objects([i32([1, 2])] * 3), resshape=[]), None,
     dict(nativeidxs=[1, 1, 1, 9])),
    (217, dict(nlists=2, nativeidxs=[9] * 4, nd=1, nidxlist=objects([i32([1, 2]), "skipped", i32([3, 4]), "skipped",
                                                                       None])[::2], resshape=[2]), None,
     dict(nativeidxs=[1, 3, 2, 4])),  # lists past nlists are not read
]


test_worked_examples = table(ROWS)


# ---- Bound scatters --------------------------------------------------------------------------

def test_scatter_positions_beyond_32_bits_are_not_wrapped():
    x, first = np.zeros(2), 70000 * 70000  # row 70000 of a 70000-column matrix lands in x
    window = np.asarray(type("Window", (), dict(__array_interface__=dict(
        data=(x.ctypes.data - first * 8, False), shape=(first + 2,), typestr="<f8", version=3)))())
    k(240)(70000, window, i32([70000]), i32([1]), f64([9.0]))
    k(241)(70000, i32([70000]), i32([0]), window, f64([4.0]))
    assert list(x) == [4.0, 9.0]


# ---- Index conversions, box gathers, stack copies --------------------------------------------

def test_indexes_strides_and_box_gathers_match_numpy():
    rng = np.random.default_rng(3)
    for trial in range(150):
        st, shape = [1, 2, -1, 3][trial % 4], [int(s) for s in rng.integers(1, 5, size=int(rng.integers(1, 5)))]
        lin, sh, nd = int(rng.integers(0, prod(shape))), i32(shape, st), len(shape)
        key = np.unravel_index(lin, shape)
        assert k(230)(i32(key, st), int(key[0]), sh) == lin
        for num in (231, 233):
            dest = i32([-9] * nd, -st)
            call(num, dest=dest, res=dest, lin=lin, shape=sh)
            assert list(dest) == list(key), num
        n, digits = int(rng.integers(0, nd + 1)), i32([-9] * nd, st)  # axes 1 .. n - 1; lin not reduced by the others
        assert k(232)(digits, n, lin, sh) == lin // prod(shape[1:n])
        assert list(digits) == ([-9] + [lin // prod(shape[t + 1:n]) % shape[t] for t in range(1, n)] + [-9] * nd)[:nd]
        first = [int(rng.integers(0, s)) for s in shape]  # boxes of several elements
        last = [int(rng.integers(f + 1, s + 1)) for f, s in zip(first, shape)]
        native = rng.integers(0, 1000, size=prod(shape)).astype(np.int32)
        box = native.reshape(shape)[tuple(slice(f, e) for f, e in zip(first, last))].ravel()
        n, out = int(rng.integers(0, box.size + 1)), i32([-9] * (box.size + 2), st)
        k(221)(i32(first, st), i32(last), i32(native, -st), nd, i32(shape), out, n)
        assert list(out) == list(box[:n]) + [-9] * (box.size + 2 - n)


def test_218_strides_are_row_major_so_elements_keep_distinct_offsets():
    k(218)(3, i32(SHAPE), strides := i64([0, 0, 1]))
    assert list(strides) == [12, 4, 1]  # (0, 1, 0) at 4, (0, 0, 3) at 3


def test_overlapping_copy_on_one_stack_is_a_forward_element_copy():
    a = np.repeat(np.arange(20, dtype=np.int32), 3)[::3]  # a[k] = k, strided
    k(248)(8, a, 2, a)  # a[2 + k] = a[k], k < 8, reading what it wrote
    assert list(a[:10]) == [0, 1, 0, 1, 0, 1, 0, 1, 0, 1]


# ---- The buffer merge ------------------------------------------------------------------------

def reference(current, buffer):
    # (merged, log): the current entries updated by the sorted buffer; the log holds every
    # coordinate the buffer touched, with its final value.
    table, touched = {(i, j): v for i, j, v in zip(*current)}, set()
    for i, j, v in zip(*buffer):
        table[(i, j)] = table.get((i, j), 0.0) + v
        touched.add((i, j))
    return sorted((i, j, v) for (i, j), v in table.items()), sorted((i, j, table[(i, j)]) for i, j in touched)


def merge(current, buffer, perm=None, logpos=3, step=1, spare=0, tail=(-1, -1, 0.0)):
    # The inputs are views of arrays holding one more entry, which must not be read: -5 after the
    # current matrix, `tail` after the buffer (and perm pointing at it).
    nnz, nb, room = len(current[0]), len(buffer[0]), len(current[0]) + len(buffer[0]) + 1
    si, sj, sc = (a([*v, -5], st)[:nnz] for a, v, st in zip((i32, i32, f64), current, (step, -step, -step)))
    bi, bj, bc = (a([*v, t], st)[:nb] for a, v, t, st in zip((i32, i32, f64), buffer, tail, (-step, 1, step)))
    r = [a([-5] * room, st) for a, st in ((i32, step), (i32, -step), (f64, step))]
    res = [a([-5] * (logpos + room), st) for a, st in ((i32, 1), (i32, step), (f64, -step))]
    out, end = k(206)(bc, bi, bj, sc, int(perm is None), spare, nnz, nb, logpos,
                      i64([*(perm if perm is not None else []), nb], step)[:nb], r[2], *r[:2], res[2], *res[:2], si, sj)
    for a, b in zip(r, res):  # only the runs are written
        assert set(a[out:]) | set(b[:logpos]) | set(b[end:]) <= {-5}
    return list(zip(*(a[:out].tolist() for a in r))), list(zip(*(a[logpos:end].tolist() for a in res)))


@pytest.mark.parametrize("perm", [None, [2, 0, 1, 3]])
def test_a_new_coordinate_repeated_in_the_buffer_is_merged_and_logged_once(perm):
    # (0, 1) comes before the current (1, 1), (2, 0) after it; both sums are exact.
    buffer = [[0, 0, 2, 2], [1, 1, 0, 0], [4.0, 0.5, 5.0, 0.25]]
    if perm is not None:
        buffer = [[v[perm.index(j)] for j in range(4)] for v in buffer]
    new = [(0, 1, 4.5), (2, 0, 5.25)]
    assert merge(([1], [1], [2.0]), buffer, perm) == ([new[0], (1, 1, 2.0), new[1]], new)


@pytest.mark.parametrize("seed", range(8))
def test_random_merges_match_the_reference(seed):
    rng = np.random.default_rng(seed)
    lin, nb = np.sort(rng.choice(16, size=int(rng.integers(0, 10)), replace=False)), int(rng.integers(0, 12))
    # odd seeds: buffer coordinates only update present ones, often repeatedly
    bl = rng.choice(lin, size=nb) if seed % 2 and len(lin) else rng.integers(0, 16, size=nb)
    current, (bi, bj), bv = (lin // 4, lin % 4, rng.normal(size=len(lin))), np.divmod(bl, 4), rng.normal(size=nb)
    order, perm = np.lexsort((bj, bi)), seed % 4 >= 2
    buffer = (bi, bj, bv) if perm else (bi[order], bj[order], bv[order])
    tail = (bi[order[-1]], bj[order[-1]], 9.0) if nb and seed % 2 else (-1, -1, 9.0)  # the last coordinate again
    assert merge(current, buffer, order if perm else None, int(rng.integers(0, 4)), 1 + seed % 3, seed, tail) == \
        reference(current, (bi[order], bj[order], bv[order]))


# ---- Term counts, order and range checks, interleaving ---------------------------------------

def test_the_pick_count_gives_a_negative_index_no_terms_as_the_pick_does():
    wi32 = i32([5, 7])  # element 0 has 2 terms; ptr[-1] would be outside the run
    assert k(256)(i64([-1, 0, -3]), 0, 1, wi32) == 1 + 2


@pytest.mark.parametrize("seed", range(4))
def test_order_and_range_checks_agree_with_references(seed):
    rng = np.random.default_rng(seed)
    for _ in range(60):
        size = int(rng.integers(1, 10))
        inst = [int(v) for v in rng.integers(-1, size + 1, size=int(rng.integers(0, 7)))]
        inst = sorted(set(inst)) if rng.random() < 0.4 else inst
        n, s = len(inst), int(rng.choice([1, 2, -3]))
        pairs, ptrb, keys = list(zip(inst, inst[1:])), inst + [0], [divmod(v, 3) for v in inst]
        inside, rising = all(0 <= v < size for v in inst), all(a < b for a, b in pairs)
        idxs, shape, m = np.array([inst, inst[::-1]], np.int32).T.reshape(-1, 2), [size, 3], int(rng.integers(0, 3))
        bad = any(not 0 <= v < shape[c] for row in idxs for c, v in enumerate(row[:m]))  # the first m columns
        for flag, on in ((0, False), (1, True), (5, True)):
            assert k(446)(i64(inst, s), flag, size) is (on and (not inst or inside and rising))
            assert k(207)(flag, n, i64(inst, -s)) is (on and rising)
            assert k([454, 461][flag % 2])(i64(inst, s), flag) is (on and all(a <= b for a, b in pairs))
            assert k(447)(n, i64(ptrb, s), flag) is (on and all(a <= b for a, b in zip(ptrb, ptrb[1:])))
            fw, bw = i64(inst, s), i64(inst, -s)
            assert {k(460)(flag, fw, size), k(252)(flag, bw, size), k(255)(i64(inst), size, flag)} == {on or not inside}
            assert k(253)(i32(idxs.ravel(), s).reshape(idxs.shape), m, i32(shape), flag) is (on or bad)
        assert k(205)(i32([i for i, _ in keys], 3), i32([j for _, j in keys]), 7, n) is (n > 0 and keys == sorted(keys))


def test_interleaving_refuses_missing_lists_and_writes_nothing():
    # A list it would read that is None, missing from a shorter nidxlist, or no nidxlist at all.
    a = i32([1, 2])
    for nidxlist in (objects([a, None, a]), objects([None, a, a]), objects([a]), None):
        with pytest.raises(ValueError, match=INVALID.format("nidxlist")):
            k(217)(3, nat := i32([-5] * 6), 1, nidxlist, i32([2]))
        assert list(nat) == [-5] * 6
    # No entries (nlists or the size product not positive) need no list.
    for nlists, resshape in ((0, [2]), (1, [0, 3]), (1, [2, -1]), (1, [65536, 65536])):  # the last wraps to 0
        k(217)(nlists, nat := i32([-5] * 2), len(resshape), None, i32(resshape))
        assert list(nat) == [-5] * 2
