"""Pattern checks, shape products, strides, linear indexes of multi-indexes and the rows of
outer products with a constant vector, against NumPy."""
import numpy as np
import pytest

from support.alloclimit import run_capped
from support.buffers import JUNK, f64, i32, i64
from support.layout import k
from support.patterns import coordinate_layouts, random_coordinates


def wrap32(x):
    return (int(x) + 2**31) % 2**32 - 2**31


def with_tail(values, dtype, tail=3, stride=1):
    """A strided buffer of `values` and `tail` junk entries (nothing may be written past them)."""
    buf = np.full((len(values) + tail) * abs(stride), JUNK[dtype], dtype)[::stride]
    buf[:len(values)] = values
    return buf


def test_pattern_checks_random():
    rng = np.random.default_rng(20)
    for _ in range(300):
        size = int(rng.integers(0, 12))
        inst = np.sort(rng.choice(size, size=int(rng.integers(0, size + 1)), replace=False)).astype(np.int64)
        how = int(rng.integers(0, 6))  # unsorted, repeated, out of range below or above, or valid
        if len(inst) >= 2 and how < 2:
            inst[[0, 1]] = inst[[1, 0]] if how == 0 else inst[0]
        elif len(inst) and how < 5:
            inst[0 if how == 2 else -1] = [-1, size, size + 5][how - 2]
        n = len(inst) - int(rng.integers(0, 2)) if len(inst) else int(rng.integers(-1, 3))
        ptrb = np.cumsum(rng.integers(0, 3, size=max(n, 0) + 1)).astype(np.int64)
        if len(ptrb) > 1 and rng.random() < 0.4:
            ptrb[int(rng.integers(1, len(ptrb)))] -= 3
        shape = rng.integers(-1 if rng.random() < 0.3 else 0, 4, size=int(rng.integers(0, 4)))
        instok, ptrbok, shapeok = (int(f) for f in rng.choice([0, 1, 5], size=3))
        given = rng.random() >= 0.1
        want_inst = bool(instok)
        if given and len(inst) and n > 0:
            v = inst[:n]
            want_inst = bool(v[0] >= 0 and v[-1] < size and np.all(np.diff(v) > 0))
        want_ptrb = bool(ptrbok) and (n <= 0 or bool(np.all(np.diff(ptrb[:n + 1]) >= 0)))
        want = (want_inst, want_ptrb, bool(shapeok) and bool(np.all(shape >= 0)))
        got = k(422)(i64(inst, 2) if given else None, instok, n, i64(ptrb, -1), ptrbok, shapeok, size, i32(shape, 3))
        assert got == want, (inst, n, ptrb, shape)


@pytest.mark.parametrize("inst, instok, n, ptrb, flags, want", [
    ([0, 2, 3], 0, 3, [0] * 5, 1, (True, True, True)),     # a valid pattern sets the flag whatever was passed
    ([0, 2, 3, -7], 1, 3, [0] * 5, 1, (True, True, True)),  # entries past n are not read
    (None, 0, 3, [0] * 5, 1, (False, True, True)), (None, 1, 3, [0] * 5, 1, (True, True, True)),
    ([9, 8], 0, 0, [5, 0], 1, (False, True, True)), ([9, 8], 1, -2, [5, 0], 1, (True, True, True)),  # n <= 0
    (None, 0, 2, [0, 1, 2], 0, (False, False, False)),     # false flags stay
])
def test_pattern_check_cases(inst, instok, n, ptrb, flags, want):
    assert k(422)(None if inst is None else i64(inst), instok, n, i64(ptrb), flags, flags, 4, i32([2])) == want


def test_products_and_nontrivial_dimension_counts():
    rng = np.random.default_rng(21)
    for _ in range(200):
        vals = rng.integers(-70000, 70000, size=int(rng.integers(0, 5)))
        vals[rng.random(len(vals)) < 0.3] = rng.integers(-1, 3)
        init = int(rng.integers(-9, 9))
        assert k(423)(init, i32(vals, -2)) == wrap32(init * int(np.prod(vals.astype(object))))
        assert k(428)(i32(vals, 2), init) == init + int(np.sum(vals > 1))
    assert k(423)(3, i32([65536, 65536])) == 0
    assert k(428)(i32([2]), 2**31 - 1) == -2**31  # the count wraps in 32 bits


@pytest.mark.parametrize("strides_kernel, linear_kernel", [(424, 425), (426, 427)])
def test_strides_and_linear_indexes_match_ravel_multi_index(strides_kernel, linear_kernel):
    rng = np.random.default_rng(22)
    for _ in range(40):
        shape, want_st, coords, linear = random_coordinates(rng)
        nd, rows = len(shape), len(coords)
        s = i64(rng.integers(-9, 9, size=nd), -2)
        s[nd - 1] = 1
        k(strides_kernel)(nd, s, i32(shape, 3))
        np.testing.assert_array_equal(s, want_st)
        n = rows - int(rng.integers(0, 2)) if rows else 0  # rows from n on are left alone
        for sparsity in coordinate_layouts(coords):
            sp = with_tail(np.zeros(rows), np.int64, stride=2)
            for times in (1, 2):  # it adds: a second call doubles
                k(linear_kernel)(n, nd, s, sp, sparsity)
                np.testing.assert_array_equal(sp[:n], times * linear[:n])
            assert np.all(sp[n:rows] == 0) and np.all(sp[rows:] == JUNK[np.int64])


def test_strides_start_from_the_callers_innermost_stride_and_are_64_bit():
    s = i64([0, 0, 3])
    k(424)(3, s, i32([9, 70000, 70000]))
    assert s.tolist() == [3 * 70000 * 70000, 3 * 70000, 3]
    for nd in (0, 1):  # nothing to write
        s = i64([42, 43])
        k(424)(nd, s, i32([5, 6]))
        assert s.tolist() == [42, 43]


def row_values(ptrb, subj, cof, x, rows):
    """The value Σ cof × x[subj] of each of `rows` rows (ptrb entries relative to ptrb[0])."""
    p = np.asarray(ptrb[:rows + 1]) - ptrb[0]
    owner = np.repeat(np.arange(rows), np.diff(p))
    return np.bincount(owner, weights=np.asarray(cof[:p[-1]]) * x[np.asarray(subj[:p[-1]])], minlength=rows)


def outer(a, sub, asize, eptrb, esubj, ecof, ebfix, einst, amajor, with_bfix=True, ptrb0=0, stride=1):
    """429 on junk-tailed outputs (einst room nE × len(a)); returns them cut to their lengths."""
    na, ne, enz = len(a), len(eptrb) - 1, int(eptrb[-1])
    rows = na * ne
    ptrb = with_tail([ptrb0] + [-5] * rows, np.int64, stride=stride)
    subj = with_tail([-5] * (na * enz), np.int64, stride=-stride)
    cof = with_tail([-5.0] * (na * enz), np.float64, stride=stride)
    bfix = with_tail([-5.0] * rows, np.float64, stride=stride) if with_bfix else None
    inst = with_tail(list(einst) + [-5] * (rows - ne), np.int64, stride=-stride)
    k(429)(f64(a, stride), bfix, cof, asize, f64(ebfix, -stride), f64(ecof, stride), inst, enz,
           i64(eptrb, stride), i64(esubj, -stride), ptrb, i32(sub, stride), subj, amajor)
    outs = [(ptrb, rows + 1), (subj, na * enz), (cof, na * enz), (bfix, rows), (inst, max(rows, ne))]
    for buf, n in outs:
        assert buf is None or np.all(buf[n:] == JUNK[buf.dtype.type]), "written past its room"
    return [None if buf is None else buf[:n] for (buf, _), n in zip(outs, (rows + 1, na * enz, na * enz, rows, rows))]


@pytest.mark.parametrize("amajor", [0, 1])
@pytest.mark.parametrize("stride", [1, 2])
def test_outer_product_with_expression_matches_numpy_outer(amajor, stride):
    rng = np.random.default_rng(30 + amajor + 2 * stride)
    for case in range(40):
        ne, esize, asize = (int(v) for v in rng.integers([0, 4, 1], [5, 8, 6]))
        eptrb = np.concatenate([[0], np.cumsum(rng.integers(0, 4, size=ne))]).astype(np.int64)
        esubj, ecof, ebfix = rng.integers(0, 5, size=eptrb[-1]), rng.normal(size=eptrb[-1]), rng.normal(size=ne)
        einst = np.sort(rng.choice(esize, size=ne, replace=False)).astype(np.int64)
        sub = np.sort(rng.choice(asize, size=int(rng.integers(0, asize + 1)), replace=False)).astype(np.int32)
        a = rng.normal(size=len(sub)) * (rng.random(len(sub)) >= 0.2)
        with_bfix, ptrb0 = case % 3 != 0, int(rng.integers(0, 3))
        ptrb, subj, cof, bfix, inst = outer(a, sub, asize, eptrb, esubj, ecof, ebfix, einst, amajor, with_bfix,
                                            ptrb0, stride)
        x, rows = rng.normal(size=5), len(a) * ne
        got, evals, adense = np.zeros(esize * asize), np.zeros(esize), np.zeros(asize)
        got[inst] = row_values(ptrb, subj, cof, x, rows) + (bfix if with_bfix else 0.0)
        evals[einst] = row_values(eptrb, esubj, ecof, x, ne) + (ebfix if with_bfix else 0.0)
        adense[sub] = a
        np.testing.assert_allclose(got, np.outer(evals, adense).ravel(), rtol=1e-12, atol=1e-12)
        assert ptrb[0] == ptrb0 and np.all(np.diff(ptrb) >= 0) and ptrb[-1] - ptrb0 == len(subj)
        r, j = (np.repeat(np.arange(ne), len(a)), np.tile(np.arange(len(a)), ne)) if amajor == 0 else \
            (np.tile(np.arange(ne), len(a)), np.repeat(np.arange(len(a)), ne))
        np.testing.assert_array_equal(inst, einst[r] * asize + sub[j])  # the row order of each mode


@pytest.mark.parametrize("amajor, want", [
    (0, [[0, 1, 2, 4, 6], [7, 7, 8, 9, 8, 9], [20.0, -2.0, 30.0, -10.0, -3.0, 1.0], [10.0, -1.0, 20.0, -2.0],
         [3, 5, 12, 14]]),
    (1, [[0, 1, 3, 4, 6], [7, 8, 9, 7, 8, 9], [20.0, 30.0, -10.0, -2.0, -3.0, 1.0], [10.0, 20.0, -1.0, -2.0],
         [3, 12, 5, 14]]),
])
def test_outer_product_with_expression_worked_rows(amajor, want):
    # E = (2 u + 1 at element 1; 3 v - w + 2 at element 4), a = (10 at 0, -1 at 2) in a space of 3.
    got = outer([10.0, -1.0], [0, 2], 3, np.array([0, 1, 3]), [7, 8, 9], [2.0, 3.0, -1.0], [1.0, 2.0], [1, 4], amajor)
    assert [v.tolist() for v in got] == want


def test_outer_product_scratch_failure_writes_nothing():
    # 2**27 rows of E (a zero-stride eptrb that costs no memory) ask for 1 GiB to copy E's element
    # indexes aside; the kernel must raise MemoryError before it writes anything.
    done = run_capped("""
        import numpy as np, fragments
        eptrb = np.broadcast_to(np.int64(0), (2**27 + 1,))
        out_i = np.full(4, 7, np.int64); out_f = np.full(4, 7.0)
        einst = np.lib.stride_tricks.as_strided(out_i, shape=(2**27,), strides=(0,), writeable=True)  # room enough
        try:
            cap_address_space()
            fragments._c_closure_429(np.ones(1), out_f, out_f, 1, np.ones(1), np.ones(1), einst, 0, eptrb,
                                     np.zeros(1, np.int64), out_i, np.zeros(1, np.int32), out_i, 0)
        except MemoryError:
            assert (out_i == 7).all() and (out_f == 7.0).all()
            print("ok")
    """)
    assert done.stdout.strip() == "ok", done.stderr


@pytest.mark.parametrize("amajor", [0, 1])
def test_outer_product_refuses_an_einst_shorter_than_its_rows_and_writes_nothing(amajor):
    # E's 2 rows times a's 2 entries make 4 rows; einst holds 3 (a view of 4, to catch a write past it).
    bfix, cof, room, ptrb, subj = f64([-5.0] * 4), f64([-5.0] * 6), i64([1, 4, -5, -5]), i64([0] * 5), i64([-5] * 6)
    before = [v.copy() for v in (bfix, cof, room, ptrb, subj)]
    with pytest.raises(ValueError, match="Invalid array shape or type for argument 'einst'"):
        k(429)(f64([10.0, -1.0]), bfix, cof, 3, f64([1.0, 2.0]), f64([2.0, 3.0, -1.0]), room[:3], 3, i64([0, 1, 3]),
               i64([7, 8, 9]), ptrb, i32([0, 2]), subj, amajor)
    assert all(np.array_equal(v, w) for v, w in zip((bfix, cof, room, ptrb, subj), before))


@pytest.mark.parametrize("aleft", [0, 1])
@pytest.mark.parametrize("sparse", [False, True])
def test_outer_rows_match_numpy_outer(aleft, sparse):
    rng = np.random.default_rng(40 + aleft + 2 * sparse)
    for _ in range(30):
        n, m = int(rng.integers(0, 6)), int(rng.integers(0, 5))
        sub = np.sort(rng.choice(n, size=int(rng.integers(0, n)), replace=False)) if sparse and n else np.arange(n)
        n = n or 3 * sparse  # an empty a in a space of 3 is sparse
        a = np.round(rng.normal(size=len(sub)), 3) * (rng.random(len(sub)) >= 0.2)
        rows = m * len(a)
        ptrb, inst = with_tail([11] + [-5] * rows, np.int64), with_tail([-5] * rows, np.int64)
        subj, cof = with_tail([-5] * rows, np.int64, stride=2), with_tail([-5.0] * rows, np.float64, stride=-1)
        inst_before = inst.copy()
        k(430)(f64(a, -2), cof, n, inst, ptrb, i32(sub if sparse else [], 2), subj, aleft, m)
        assert ptrb.tolist() == [11] + list(range(1, rows + 1)) + [JUNK[np.int64]] * 3
        assert np.all(subj[rows:] == JUNK[np.int64]) and np.all(cof[rows:] == JUNK[np.float64])
        x, adense, got = rng.normal(size=m), np.zeros(n), np.zeros(m * n)
        adense[sub] = a
        got[inst[:rows] if sparse else slice(None)] = cof[:rows] * x[subj[:rows]]
        np.testing.assert_array_equal(got, (np.outer(adense, x) if aleft else np.outer(x, adense)).ravel())
        # Sparse rows come in increasing element order; a dense a writes no element indexes.
        assert np.all(np.diff(inst[:rows]) > 0) if sparse else np.array_equal(inst, inst_before)
