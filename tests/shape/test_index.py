# Size products, shape copies, stride tables, linear indexes of multi-indexes and their range
# checks, against exact Python products and NumPy.
from types import SimpleNamespace

import numpy as np

from shape._helpers import J, bare, check, k, prod, random_shape, row_major, run, wrap
from support.buffers import i32


def P(values, init):
    return wrap(prod(values, init))


# What the size kernels return for a draw d: shape s, n <= len(s), after < before <= len(s)
# (nothing between when before <= after + 1), axis and skip in -1 .. len(s), initial values.
SIZES = {
    (28, 138): lambda d: P(d.s, d.init),
    (112,): lambda d: prod(d.s, d.init),  # 64 bits
    (31,): lambda d: P(d.s[1:], d.init),
    (32, 50, 74, 161, 165, 187): lambda d: P(d.s[:d.n], d.init),
    (33, 48, 49, 149, 166): lambda d: P(d.s[d.after + 1:d.before], d.init),
    (56,): lambda d: P([v for j, v in enumerate(d.s[:d.n]) if j not in (d.axis, d.skip)], d.init),
    (70,): lambda d: (P(d.s[:max(d.axis, 0)], d.pre), P(d.s[d.axis + 1:], d.post), P(d.s, d.total)),
    (39, 172, 183): lambda d: max([d.init] + d.s[:d.n]),
    (159,): lambda d: d.init + sum(v != 1 for v in d.s[:d.n]),
    (182, 188): lambda d: d.init + sum(d.s[:d.n]),
    (189,): lambda d: P(d.s[d.axis + 1:], d.init),
}
# What the shape kernels write: (array, its content before, after). 27 sets the innermost
# stride to 1, 30, 60 and 120 (64-bit) scale the one the caller sets.
WRITES = {
    (160,): lambda d, s: ("realshape", d.nd + 1, [v for v in s[:d.n] if v != 1]),
    (167, 184): lambda d, s: ("rshape", d.nd + 1, s[:d.n]),
    (110,): lambda d, s: ("ri32", d.off + d.nd + 1, [J] * d.off + s[:d.n]),
    (180,): lambda d, s: ("shape", d.nd + 1, s[:d.after]),
    (181,): lambda d, s: ("shape", d.nd + 1, [J] * d.after + [1] * (d.n - d.after)),
    (168,): lambda d, s: ("rshape", s + [J], [1 if d.after <= j < d.before else v for j, v in enumerate(s)]),
    (57,): lambda d, s: ("dim", [d.init, J], [P(s[:d.n], d.init)]),
    (58,): lambda d, s: ("dim", [J, J, d.init, J], [J, J, P(s[d.after + 1:d.before], d.init)]),
    (59,): lambda d, s: ("dim", [J] * 4 + [d.init, J], [J] * 4 + [P(s[d.after + 1:d.before], d.init)]),
    (27,): lambda d, s: ("strides", d.strides, [wrap(v) for v in row_major(s)]),
    (30,): lambda d, s: ("strides", d.strides, [wrap(d.last * v) for v in row_major(s)]),
    (120,): lambda d, s: ("strides", d.strides, [d.last * v for v in row_major(s)]),
    (60,): lambda d, s: ("stride", d.strides, [wrap(d.last * v) for v in row_major(s)]),  # five axes only
}


def test_size_products_shape_copies_and_stride_tables():
    rng = np.random.default_rng(1)
    for trial in range(300):
        s = random_shape(rng, 3, 40000, 90000) if trial % 10 == 0 else random_shape(rng, int(rng.integers(0, 6)), 0, 7)
        nd, after, last = len(s), int(rng.integers(0, len(s) + 1)), int(rng.integers(1, 4))
        d = SimpleNamespace(s=s, nd=nd, n=int(rng.integers(after, nd + 1)), after=after, last=last,
                            before=int(rng.integers(after, nd + 1)), axis=int(rng.integers(-1, nd + 1)),
                            skip=int(rng.integers(-1, nd + 1)), off=int(rng.integers(0, 3)),
                            strides=[J] * (nd - 1) + [last] * (nd > 0) + [J],
                            **{v: int(rng.integers(-3, 4)) for v in ("init", "pre", "post", "total")})
        args = dict(vars(d), ri32=[J] * d.off + s, sh=s[:after], dim=s, **dict.fromkeys(
            ("shape", "shape0", "rshape", "nds", "numnz", "sdims"), s))
        for keys, want in SIZES.items():
            assert [run(key, **args)[0] for key in keys] == [want(d)] * len(keys), (keys, d)
        for keys, want in WRITES.items():
            name, given, then = want(d, s)
            if keys != (60,) or nd == 5:
                assert [run(key, **dict(args, **{name: given}))[1][name] for key in keys] == [bare(then)] * len(keys)
    for nd in (0, -1):  # 27 writes nothing, not even before the table
        strides = i32([J] * 3)
        k(27)(nd, i32([]), strides[2:])
        assert strides.tolist() == [J] * 3


def test_examples():
    # Empty ranges read no shape; 33 takes every k strictly between after and before.
    empty = dict(n=0, init=4, after=2, before=3, off=9, shape=None, ri32=None)
    check([(key, empty, 4, {}) for key in (32, 50, 161, 33)] + [
        (32, dict(empty, n=-3), 4, {}), (166, dict(empty, after=5, before=1), 4, {}),
        (33, dict(after=0, init=1, before=3, shape=[2, 3, 4]), 12, {}), (187, dict(init=2, n=4, shape0=[3, 5]), 30, {}),
        (122, dict(row=0, init=0, midxs=np.array([[69999, 69999, 1]], np.int32), nd=3, strides=[140000, 2, 1]),
         69999 * 140000 + 139999, {}),
        (127, dict(step=[3, 1], init=1 << 40, strides=[1 << 33, 1]), (1 << 40) + 3 * (1 << 33) + 1, {}),
        (117, dict(i0=[1, 2], i1=[3, 4], i2=[5, 6], midxs=np.full((2, 3), J, np.int32, order="F")), None,
         dict(midxs=[[1, 3, 5], [2, 4, 6]])),
        (118, dict(i0=[1, 2], i1=[3, 4], midxs=np.full((2, 4), J, np.int32)[:, ::2]), None,
         dict(midxs=[[1, 3], [2, 4]]))])


def test_linear_indexes_of_midxs_and_range_checks():
    # Range checks: True when flag is set or a coordinate lies outside [0, size); odd trials step
    # one coordinate out.
    rng = np.random.default_rng(122)
    for trial in range(40):
        s = random_shape(rng, int(rng.integers(1, 6)), 1, 7)
        count, init = int(rng.integers(1, 8)), int(rng.integers(-100, 100))
        lin = rng.integers(0, prod(s), size=count)
        m = np.stack(np.unravel_index(lin, s), axis=1).astype(np.int32)
        d = dict(init=init, midxs=m if trial % 2 else np.asfortranarray(m), nd=len(s), strides=row_major(s),
                 firstidx=m[0], step=m[-1], shape=s)
        assert [run(122, row=r, **d)[0] for r in range(count)] == (init + lin).tolist()
        assert run(122, row=0, **dict(d, nd=0))[0] == init
        assert run(126, **d)[0] == init + lin[0] and run(127, **d)[0] == init + lin[-1]
        nat = rng.permutation(prod(s)) - 3
        assert run(121, idxs=count + 1, nativeidxs=nat, **d)[1]["idxs"] == nat[lin].tolist()
        r, c = int(rng.integers(0, count)), int(rng.integers(0, len(s)))
        m[r, c] = (-1, s[c])[r % 2] if trial % 2 else m[r, c]
        assert run(119, flag=0, **d)[0] is run(124, idxs=m[:, c], flag=0, shape=s[c:])[0] is bool(trial % 2)
        assert run(119, flag=1, **dict(d, midxs=m * 0))[0] is run(124, idxs=m[:, 0] * 0, flag=3, shape=s)[0] is True
