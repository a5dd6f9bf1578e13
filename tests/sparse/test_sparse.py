# Sparse kernels against NumPy and Python models: counting sorts and merges of coordinate
# lists, dense conversions, linked lists, multi-index lists, searches and odometers, shape
# tables; worked examples as table rows.
import itertools

import numpy as np
import pytest

from support.buffers import f64, i32, i64
from support.kernels import kernel as k
from support.worked import table

INF, NAN, BIG, UP = float("inf"), float("nan"), 2**31 - 1, 1 + 2**-52
ZEROS = np.broadcast_to(np.int64(0), (2**31,))  # costs nothing
ROWS = [
    # Prefix sums from entry 2 (entries 0, 1 and past n kept); an empty block puts all in bucket 0.
    (88, dict(n=4, rptrb=[5, 1, 2, 3, 4, 9]), None, dict(rptrb=[5, 1, 3, 6, 10, 9])),
    (89, dict(cptrb=[5, 1, 2], n=1), None, dict(cptrb=[5, 1, 2])),
    (77, dict(d0=3, d1=0, d2=3, perm=[1, 0], ptrb=[9] * 10, val=[5, 4]), None, dict(perm=[1, 0], ptrb=[2] * 10)),
    (77, dict(d0=3, d1=3, d2=0, perm=[1, 0], ptrb=[9] * 2, val=[5, 4]), None, dict(perm=[1, 0])),
    # Duplicates of a list by coordinate (entries (0, 0), (0, 1), (1, 1), (0, 0), (1, 1)): the caller
    # writes the first at pos - 1, the others follow, equal coordinates summed.
    (101, dict(nnz=5, init=1, rows=[0, 3, 1, 2, 4, 0], subi=[0, 0, 1, 0, 1], subj=[0, 1, 1, 0, 1]), 3, {}),
    (102, dict(pos=2, nnz=5, rows=[0, 3, 1, 2, 4, 0], subi=[0, 0, 1, 0, 1], subj=[0, 1, 1, 0, 1], tsubi=[9, 0, 9, 9, 9],
               tsubj=[9, 0, 9, 9, 9], tval=[9, 1.5, 9, 9, 9], val=[1.5, 2, 4, 8, -1.5]), 4,
     dict(tsubi=[9, 0, 0, 1, 9], tsubj=[9, 0, 1, 1, 9], tval=[9, 9.5, 2, 2.5, 9])),
    # Row-compressed entries into column order: each to its column's cursor, which advances.
    *[(number, dict(cptrb=[0, 1, 3], n=2, rptrb=[0, 2, 3, 9], subj=[1, 0, 1], tsubi=[9] * 4, tsubj=[9] * 4,
                    tval=[9] * 4, val=[1.5, 2.5, 3.5]), None,
       dict(cptrb=[1, 3, 3], tsubi=[0, 0, 1, 9], tsubj=[0, 1, 1, 9], tval=[2.5, 1.5, 3.5, 9])) for number in (90, 94)],
    # Range checks: 0 and the last index inside, -1 and the size outside, entries past nnz not read.
    (474, dict(m=3, n=2, nnz=3, flag=0, subi_=[0, 2, 1, 5], subj_=[1, 0, 1, -1]), False, {}),
    *[(474, dict(m=3, n=2, nnz=2, flag=0, subi_=i, subj_=j), True, {})
      for i, j in (([0, 3], [1, 0]), ([-1, 2], [1, 0]), ([2, 2], [0, 2]), ([2, 0], [-1, 0]))],
    (474, dict(m=3, n=2, nnz=0, flag=5, subi_=[], subj_=[]), True, {}),
    (470, dict(maxi=-1, maxj=5, n=3, subi=[7, 2, 1, 9], subj=[0, 3, 4, 9]), (7, 5), {}),
    (467, dict(init=5, idims=[1, 2, BIG, 9], n=3), -2**31 + 7, {}),  # 32-bit wrapping
    (466, dict(n=2, off=1, msubi=[5, BIG, 7], ioff=1, joff=-3, subi=[0] * 4, subj=[0] * 4), None,
     dict(subi=[0, 6, -2**31, 0], subj=[0, 2, BIG - 3, 0])),
    (472, dict(data=[9, 1, 2, 3, 4, 5, 6, 9], nrows=2, ncols=3, newdata=[0] * 9, pos=1, ld=3), 7,
     dict(newdata=[1, 4, 0, 2, 5, 0, 3, 6, 0])),
    # Dense blocks listed row by row, zeros included; zeros of either sign and NaN dropped from a
    # list, infinities kept; counts wrap.
    (469, dict(data=[[1.5, 0.0, 9], [-2.5, 3.5, 9]], nrows=2, ncols=2, pos=1, subi=[9] * 6, subj=[9] * 6, val=[9] * 6),
     5, dict(subi=[9, 0, 0, 1, 1, 9], subj=[9, 0, 1, 0, 1, 9], val=[9, 1.5, 0.0, -2.5, 3.5, 9])),
    (473, dict(nrows=2, ncols=3, pos=1, subi=[9] * 8, subj=[9] * 8), 7,
     dict(subi=[9, 0, 0, 0, 1, 1, 1, 9], subj=[9, 0, 1, 2, 0, 1, 2, 9])),
    (475, dict(init=BIG, val_=[1.0, 0.0]), -2**31, {}),
    (476, dict(pos=2, subi=[9] * 7, subi_=list(range(8)), subj=[9] * 7, subj_=list(range(10, 18)), val=[9] * 7,
               val_=[0.0, -0.0, NAN, -1.5, INF, 2.0, -INF, 0.0]), 6,
     dict(subi=[9, 9, 3, 4, 5, 6, 9], subj=[9, 9, 13, 14, 15, 16, 9], val=[9, 9, -1.5, INF, 2.0, -INF, 9])),
    (478, dict(ncols=2, r=[7] * 4, subi=[1, 1, 0], subj=[0, 0, 1], val=[1, 2, 3]), None, dict(r=[7, 3, 2, 7])),
    # Row pointers: an entry of another row stops the advance; `end` bounds it; p starts anywhere.
    (477, dict(n=3, end=3, p=0, ptrb=[9] * 4, subi=[0, 0, 2]), 3, dict(ptrb=[0, 2, 2, 9])),
    (477, dict(n=4, end=6, p=1, ptrb=[9] * 4, subi=[9, 0, 2, 1, 3, 3]), 3, dict(ptrb=[1, 2, 2, 3])),
    (477, dict(n=2, end=1, p=0, ptrb=[9] * 2, subi=[0, 0, 2]), 1, dict(ptrb=[0, 1])),
    # Linked lists: chains leave their outer ends alone; a part of a list copied returns the next node;
    # moving n <= 0 nodes changes nothing.
    (479, dict(n=3, next=[9] * 4, prev=[9] * 4), None, dict(next=[1, 2, 9, 9], prev=[9, 0, 1, 9])),
    (481, dict(head=0, next=[2, -1, 1], n=2, pos=1, target=[0] * 3), 1, dict(target=[0, 0, 2])),
    (481, dict(head=0, next=[2, -1, 1], n=3, pos=0, target=[0] * 4), -1, dict(target=[0, 2, 1, 0])),
    (482, dict(head=2, next=[2, -1, 1], n=2, pos=1, target=[0] * 4), None, dict(target=[0, 2, 1, 0])),
    (480, dict(dsthead=2, head=0, next=[1, -1, 3, -1], count=2, n=0, prev=[-1, 0, -1, 2]), (2, 2),
     dict(next=[1, -1, 3, -1], prev=[-1, 0, -1, 2])),
    # Multi-indexes: linear indexes (64-bit); range checks of each column against its axis; one-based
    # indexes stored zero-based.
    (448, dict(i64=[7, 7, 7], value=10, at=1), None, dict(i64=[7, 9, 7])),
    (448, dict(i64=[7, 7], value=-2**31, at=0), None, dict(i64=[-2**31 - 1, 7])),  # 64-bit
    (453, dict(dims_=[2, 3, 4], inst_=[9] * 3, sub=[[1, 2, 3], [0, 1, 0]]), None, dict(inst_=[23, 4, 9])),
    (453, dict(dims_=[100000] * 3, inst_=[0], sub=[[99999] * 3]), None, dict(inst_=[100000**3 - 1])),
    (452, dict(dims_=[2, 3, 4], flag=0, sub=[[1, 2, 3], [0, 0, 0]]), False, {}),
    (452, dict(dims_=[2, 3, 4], flag=3, sub=[[0, 0, 0]]), True, {}),
    (452, dict(dims_=[2, 3, 4], flag=0, sub=[[0, 0, 0], [0, 3, 0]]), True, {}),
    (452, dict(dims_=[2, 3, 4], flag=0, sub=[[1, 2, -1]]), True, {}),
    # Scaled copies of the first n; scale 1 copies as it is.
    (449, dict(new_uval=[9] * 4, scale=0.0, n=3, uval=[1, 2, 3, 4]), None, dict(new_uval=[0, 0, 0, 9])),
    (450, dict(new_vval=[9] * 4, scale=1.0, n=3, vval=[1, 2, 3, 4]), None, dict(new_vval=[1, 2, 3, 9])),
    (449, dict(new_uval=[9] * 3, scale=UP, n=2, uval=[3, 5, 7]), None, dict(new_uval=[3 * UP, 5 * UP, 9])),
    # Searches: lo ends at the last entry <= key, hi at the first >= key; nothing to narrow reads
    # nothing; midpoints of positions near 2**31 do not overflow.
    (84, dict(lo=0, hi=5, key=3, values=[1, 3, 3, 5, 8, 9]), (2, 3), {}),
    (85, dict(lo=0, hi=5, key=3, values=[1, 3, 3, 5, 8, 9]), (0, 1), {}),
    (85, dict(lo=7, hi=2, key=0, values=[]), (7, 2), {}),
    (84, dict(lo=BIG - 39, hi=BIG, key=0, values=ZEROS), (BIG - 1, BIG), {}),
    (85, dict(lo=BIG - 39, hi=BIG, key=0, values=ZEROS), (BIG - 39, BIG - 38), {}),
    # Key ranges over idx[first:last] (vals2 optional); an empty slice writes nothing.
    (78, dict(first=1, idx=[0, 2, 1, 3, 0], last=4, res=[9] * 5, vals1=[99, -7, 8, 6], vals2=[-99, 2**40, -3, 4]),
     None, dict(res=[-7, 8, -3, 2**40, 9])),
    (79, dict(first=1, idx=[0, 2, 1, 3, 0], last=4, res=[9] * 5, vals1=[99, -7, 8, 6]), None,
     dict(res=[-7, 8, 9, 9, 9])),
    (78, dict(first=3, idx=[0, 1, 2], last=3, res=[9] * 4, vals1=[5, 6, 7], vals2=[1, 2, 3]), None, dict(res=[9] * 4)),
    # The merge step of runs src[lo:mid] and src[mid:hi] by vals (equal keys: the second run's entry
    # first); hi is clamped to the length of src and mid to hi, the first run copied when alone.
    (103, dict(lo=1, mid=3, hi=6, src=[5, 0, 3, 4, 1, 2, 5], tgt=[9] * 7, vals=[4, 1, 4, 9, 0, 6]), None,
     dict(tgt=[9, 4, 1, 2, 0, 3, 9])),
    (103, dict(lo=0, mid=1, hi=3, src=[1, 4, 2], tgt=[9] * 3, vals=[4, 1, 4, 9, 0]), None, dict(tgt=[4, 1, 2])),
    (103, dict(lo=0, mid=1, hi=9, src=[0, 1], tgt=[9] * 2, vals=[4, 1]), None, dict(tgt=[1, 0])),
    (103, dict(lo=1, mid=5, hi=9, src=[3, 2, 1, 0], tgt=[9] * 6, vals=[0] * 4), None, dict(tgt=[9, 2, 1, 0, 9, 9])),
    (103, dict(lo=2, mid=2, hi=2, src=[1, 0], tgt=[9] * 3, vals=[0] * 2), None, dict(tgt=[9] * 3)),
    (81, dict(n=4, st=[0] * 6, value=-2**40), None, dict(st=[-2**40] * 4 + [0, 0])),
    # Odometers without axes leave everything alone; with one axis only the increment.
    (82, dict(dims=[5], ii=[9], nd=0, st=[9], strides=[1]), None, dict(ii=[9], st=[9])),
    (86, dict(first=[], last=[], ndidx=[]), None, {}),
    (86, dict(first=[0], last=[2], ndidx=[7]), None, dict(ndidx=[8])),
    # Shape copies and padding; extremes of nds[1 .. n - 1] (entry 0 is the caller's seed).
    (431, dict(maxv=3, minv=3, n=4, nds=[-9, 5, 1, 4, -9]), (5, 1), {}),
    (432, dict(s=[2, 3], shape=[9] * 3), None, dict(shape=[2, 3, 9])),
    (433, dict(n=4, s=[2, 3], shape=[9] * 5), None, dict(shape=[9, 9, 1, 1, 9])),
    (434, dict(row=1, shapes=[[9] * 3] * 3, shp=[2, 3]), None, dict(shapes=[[9] * 3, [2, 3, 9], [9] * 3])),
    (435, dict(row=1, n=3, shapes=[[9] * 4] * 3, shp=[2]), None, dict(shapes=[[9] * 4, [9, 1, 1, 9], [9] * 4])),
    (441, dict(n=2, sh=[2, 3, 4], shape=[9] * 3), None, dict(shape=[2, 3, 9])),
    (444, dict(end=4, start=1, shape=[9] * 5), None, dict(shape=[9, 1, 1, 1, 9])),
    (445, dict(n=2, shape=[70000, 70000, 5], init=1), 4_900_000_000, {}),  # 64-bit
    # Grouping by row: one-slot counts of the first n, starts, the scatter, the shift up.
    (437, dict(ii=[2, 0, 2], n=2, ptrb=[1, 1, 1, 1]), None, dict(ptrb=[1, 2, 1, 2])),
    (438, dict(ptrb=[1, 2, 3, 4], n=2), None, dict(ptrb=[1, 3, 6, 4])),
    (439, dict(idxs=[7, 2**40, 9], ii=[1, 0, 1], n=3, ptrb=[0, 1, 9], subj=[0] * 4), None,
     dict(ptrb=[1, 3, 9], subj=[2**40, 7, 9, 0])),
    (440, dict(ptrb=[1, 2, 3, 4], n=2), None, dict(ptrb=[1, 1, 2, 4])),
]


test_worked_examples = table(ROWS)


# ---- Counting sorts and the bucket sort ------------------------------------------------------

def starts(subs, n):
    return np.concatenate([[0], np.cumsum(np.bincount(subs, minlength=n))]).astype(np.int64)


@pytest.mark.parametrize("seed", range(8))
def test_coordinate_counting_sorts_match_numpy(seed):
    rng, s = np.random.default_rng(seed), [1, 2, -1, 3][seed % 4]
    nrows, ncols, nnz = (int(x) for x in rng.integers(1, [7, 7, 40]))
    subi, subj = (rng.integers(0, m, size=nnz).astype(np.int32) for m in (nrows, ncols))
    si, sj = i32(subi, s), i32(subj, -s)
    # Two-slot counts (87 counts both), starts from entry 2, entries by column, then by row within.
    cptrb, rptrb, both = i64([0] * (ncols + 2), s), i64([0] * (nrows + 2), -s), i64([0] * (ncols + 2))
    cols, rows = i32([0] * nnz, s), i32([0] * nnz, -s)
    k(95)(cptrb, nnz, sj)
    k(98)(nnz, rptrb, si)
    k([87, 91][seed % 2])(both, nnz, rptrb, si, sj)  # the rows counted twice
    assert list(both) == list(cptrb) == list(np.bincount(subj + 2, minlength=ncols + 2))
    assert list(rptrb) == list(2 * np.bincount(subi + 2, minlength=nrows + 2))
    rptrb[2:] //= 2
    k([89, 93, 96][seed % 3])(cptrb, ncols)
    k(97)(cols, cptrb, nnz, sj)
    k([88, 92, 99][seed % 3])(nrows, rptrb)
    k(100)(cols, cptrb, ncols, rows, rptrb, si)
    assert list(cols) == list(np.argsort(subj, kind="stable")) and list(rows) == list(np.lexsort((subj, subi)))
    assert list(cptrb[:-1]) == list(starts(subj, ncols)) and list(rptrb[:-1]) == list(starts(subi, nrows))


@pytest.mark.parametrize("seed", range(10))
def test_bucket_sort_is_stable_and_leaves_bucket_ends(seed):
    rng, stride = np.random.default_rng(seed), [1, -2][seed % 2]
    d0, d1, d2, n = (int(x) for x in rng.integers([1, 1, 1, 0], [5, 5, 5, 40]))
    val = rng.integers(0, d0 * d1 * d2, size=n)
    perm = np.concatenate([rng.permutation(n), np.arange(n, n + int(rng.integers(0, 3)))])  # the tail stays
    q = (val[perm[:n]] // (d1 * d2)) * d2 + val[perm[:n]] % d2
    p, ptrb = i64(perm, stride), i64(rng.integers(-9, 9, size=d0 * d2 + 1), stride)
    k(77)(d0, d1, d2, p, ptrb, i64(val, -stride))
    assert list(p) == list(perm[:n][np.argsort(q, kind="stable")]) + list(perm[n:])
    assert list(ptrb) == list(np.cumsum(np.bincount(q, minlength=d0 * d2))) + [n]  # bucket ends


def test_bucket_sort_counts_only_what_both_val_and_perm_hold():
    perm, ptrb = i64([1, 3]), i64([-1] * 9)  # val has 4 entries, perm 2: two are sorted
    k(77)(1, 1, 8, perm, ptrb, i64([5, 4, 3, 2]))
    assert list(perm) == [3, 1] and list(ptrb) == [0, 0, 1, 1, 2, 2, 2, 2, 2]


# ---- Coordinate lists ------------------------------------------------------------------------

def test_shifted_diagonal_takes_both_coordinates_from_msubi_as_passed_when_it_is_subi():
    k(466)(2, 0, d := i32([1, 2]), 10, 100, d, subj := i32([-5] * 2))
    assert (list(d), list(subj)) == ([11, 12], [101, 102])


# ---- Linked lists ----------------------------------------------------------------------------

@pytest.mark.parametrize("stride", [1, 2, -1])
def test_random_pool_operations_match_list_model(stride):
    rng = np.random.default_rng(480 + stride)
    for trial in range(12):
        size = int(rng.integers(1, 40))
        nxt, prv = i32([-5] * size, stride), i32([-5] * size, stride)
        cuts = sorted({0, size, *(int(c) for c in rng.integers(0, size, size=3))})  # one list per range
        lists = [list(range(first, end)) for first, end in zip(cuts, cuts[1:])]
        for nodes in lists:
            k(485)(nodes[0], nodes[-1] + 1, nxt, prv)
            nxt[nodes[-1]], prv[nodes[0]] = -1, -1
        for _ in range(30):
            src, dst = (int(v) for v in rng.integers(0, len(lists), size=2))
            if lists[src] and src != dst:
                nodes = lists[src]
                at = int(rng.integers(0, len(nodes)))
                moved = nodes[at:at + int(rng.integers(1, len(nodes) - at + 1))]
                assert k(484)(moved[0], nxt, len(moved)) == moved[-1]
                seed = int(rng.integers(-2, size))
                assert k(483)(moved[0], seed, nxt, len(moved)) == (moved[-1], max([seed] + moved[1:]))  # not the head
                head, count = (lists[dst] or [-1])[0], len(lists[dst])
                assert k(480)(head, moved[0], nxt, count, len(moved), prv) == (moved[0], count + len(moved))
                lists[src], lists[dst] = [v for v in nodes if v not in moved], moved + lists[dst]
            for ns in filter(None, lists):  # the links hold the model's lists
                assert [nxt[v] for v in ns] == ns[1:] + [-1] and [prv[v] for v in ns] == [-1] + ns[:-1]


# ---- Multi-index lists -----------------------------------------------------------------------

def test_446_range_tests_entry_0_too():
    lists = ([-1, 3], [12], [-5, 0, 3], [5, 3], [0, 4, 9], [9])
    assert [k(446)(i64(inst), 1, 10) for inst in lists] == [False] * 4 + [True] * 2


@pytest.mark.parametrize("seed", range(6))
def test_distinct_counts_and_merges_match_numpy(seed):
    rng, s = np.random.default_rng(seed), 1 + seed % 3
    n, pos = (int(v) for v in rng.integers([1, 0], [40, 4]))
    raw, cof_ = rng.integers(0, 15, size=n), rng.normal(size=n)
    perm = np.argsort(raw, kind="stable")
    distinct, inverse = np.unique(raw, return_inverse=True)
    sums, m = list(np.bincount(inverse, weights=cof_)), len(distinct)
    assert k([455, 462][seed % 2])(i64(raw[perm], -s), 1) == m and k(455)(i64(raw[perm]), 10) == 9 + m
    assert k([457, 464][seed % 2])(i64(raw, s), 1, i64(perm, -s)) == m
    for number, through in ((456, False), (463, False), (458, True), (465, True)):
        src, src_cof, args = (raw, cof_, (i64(perm, s),)) if through else (raw[perm], cof_[perm], ())
        inst, cof = i64([-9] * (pos + n), s), f64([-9.0] * (pos + n), -s)
        inst[pos], cof[pos] = raw[perm[0]], cof_[perm[0]]  # the caller writes the first entry
        assert k(number)(cof, f64(src_cof, -s), inst, i64(src, s), pos, *args) == pos + m - 1
        assert list(inst) == [-9] * pos + list(distinct) + [-9] * (n - m)
        np.testing.assert_allclose(cof, [-9.0] * pos + sums + [-9.0] * (n - m))


def test_merge_runs_in_place_from_position_0():
    raw, values = np.array([1, 1, 2, 5, 5, 5, 8], np.int64), np.arange(1.0, 8.0)
    assert k(456)(values, values, raw, raw, 0) == 3
    assert list(raw[:4]) == [1, 2, 5, 8] and list(values[:4]) == [3.0, 3.0, 15.0, 7.0]


# ---- Odometers -------------------------------------------------------------------------------

@pytest.mark.parametrize("seed", range(6))
def test_odometers_walk_like_itertools_product(seed):
    rng = np.random.default_rng(90 + seed)
    nd = int(rng.integers(1, 5))
    dims, first, strides = (rng.integers(a, b, size=nd) for a, b in ((1, 4), (-3, 3), (-9**10, 9**10)))
    ii, st, d, s, ndidx = i32([0] * nd, 2), i64([0] * nd, -1), i32(dims, -1), i64(strides, 3), i32(first, 2 - seed % 2)
    for step, index in enumerate(itertools.product(*(range(x) for x in dims))):
        if step:
            k(82)(d, ii, nd, st, s)
            k(86)(i32(first, 2), i32(first + dims, -1), ndidx)
        assert list(ii)[::-1] == list(index) and st[0] == int(np.dot(index, strides))
        assert list(ndidx) == list(first + index)
    k(82)(d, ii, nd, st, s)  # one past the end: the first axis reaches its size
    k(86)(i32(first, 2), i32(first + dims, -1), ndidx)
    assert ii[nd - 1] == dims[0] and list(ndidx) == [first[0] + dims[0]] + list(first[1:])

