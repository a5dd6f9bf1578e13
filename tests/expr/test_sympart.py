"""Symmetric part (E + Eᵀ)/2 over two dimensions of equal size: own terms and the mirror's, halved."""
import numpy as np
import pytest

from support.layout import (Stacks, block_strides, blocks, build, elements, i32, i64, mirror, names, nterms,
                            paired_case, put, run)


@pytest.mark.parametrize("seed", range(62))  # seed 61: the first stored element and its mirror, a pair
def test_symmetric_part(seed):
    rng, sparse = np.random.default_rng(seed), bool(seed % 2)
    op, a, b = paired_case(rng, sparse)
    s, d, have, want, (e0, t0) = Stacks(stride=1 + seed // 2 % 2), blocks(op.shape, a, b), elements(op), {}, \
        map(int, rng.integers(0, 50, 2))
    W, st = dict(dim=i32(d), stride=i64([-5, -5, -5, -5, 1]), rnelem=e0, rnnz=t0), block_strides(d)
    run(s, 406, None, W)
    assert W["stride"].tolist() == st
    for L in set(have) | {int(mirror(L, d, st)) for L in have}:
        M = int(mirror(L, d, st))
        parts, scale = [have[x] for x in dict.fromkeys((L, M)) if x in have], 0.5 if M != L else 1.0
        want[L] = ([(n, scale * c) for t, _ in parts for n, c in t], scale * sum(c for _, c in parts))
    if not sparse:  # visited from element `first` on (ptr and bfix bases shifted back), appended after e0 and t0
        w, first = put(s.w, op, rng), int(rng.integers(0, 4))
        assert run(s, 412, None, W, wptr=w.ptr, init=2 * op.nnz) == nterms(want)
        assert build(s, want, op.shape, False, lambda r: run(
            s, 413, False, names(w, "w"), names(r, "r"), W, first=first, wbfix=w.bfix - first, wptr=w.ptr - first),
            e0, t0) == (first + op.nelem, e0 + op.nelem, t0 + nterms(want))
        return
    # Sparse: mirror indexes, identity, radix sort (a pass per block of more than one entry, in
    # sortidx order: now and then another order, checked up to the permutation), count, build.
    n, sortidx = op.nelem, (3, 2, 1, 0) if seed % 3 else tuple(int(v) for v in rng.choice(5, size=4, replace=False))
    W |= names(put(s.w, op, rng), "w") | dict(n=n, sortidx=i32(sortidx), tsp=s.w.take_i64(n), src=s.w.take_i32(n),
                                               dst=s.w.take_i32(n), cnt=s.w.take_i32(max(d[q] for q in sortidx) + 1))
    work = dict(w=dict(i32=[(W["src"], n), (W["dst"], n), (W["cnt"], max(d[q] for q in sortidx) + 1)],
                       i64=[(W["tsp"], n)]))
    for number in (409, 407, 408):
        perm = run(s, number, work, W, base=W["src"])
    mirrors, order, ends, counters = s.w.i64[W["tsp"]:][:n], np.arange(n), [W["src"], W["dst"]], []
    for q in (q for q in sortidx if d[q] > 1):  # the counters end at each key's bucket end
        key = (mirrors[order] // st[q]) % d[q]
        order, ends = order[np.argsort(key, kind="stable")], ends[::-1]
        counters = [sum(key <= j) for j in range(d[q] + 1)]
    assert mirrors.tolist() == mirror(op.sp, d, st).tolist() and perm == tuple(ends)
    assert s.w.i32[perm[0]:][:n].tolist() == order.tolist() and s.w.i32[W["cnt"]:][:len(counters)].tolist() == counters
    if sortidx == (3, 2, 1, 0):
        assert run(s, 410, None, W, perm=perm[0]) == (e0 + len(want), t0 + nterms(want))
        build(s, want, op.shape, True, lambda r: run(s, 411, False, W, names(r, "r"), perm=perm[0]), fresh=True)
