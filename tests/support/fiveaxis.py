"""Records viewed around two chosen dimensions of equal size (symmetric and triangular
parts): random cases, the five block sizes and strides, and mirrored linear indexes."""
import numpy as np

from .layout import some_record


def paired_case(rng, sparse, max_size=3):
    """A random record of 2 .. 4 dimensions (sizes 1 .. max_size, now and then one of them
    0) and two dimensions a < b of equal size."""
    nd = int(rng.integers(2, 5))
    shape = [int(s) for s in rng.integers(1, max_size + 1, size=nd)]
    if rng.random() < 0.15:
        shape[int(rng.integers(0, nd))] = 0
    a, b = sorted(int(v) for v in rng.choice(nd, size=2, replace=False))
    shape[b] = shape[a]
    return some_record(rng, tuple(shape), sparse), a, b


def blocks(shape, a, b):
    """dim = (d0, d1, d2, d3, d4) of the view around dimensions a < b."""
    p = lambda part: int(np.prod(part, dtype=np.int64))
    return [p(shape[:a]), shape[a], p(shape[a + 1:b]), shape[b], p(shape[b + 1:])]


def block_strides(dim, last=1):
    st = [0, 0, 0, 0, last]
    for q in range(3, -1, -1):
        st[q] = dim[q + 1] * st[q + 1]
    return st


def coordinates(L, dim, st):
    """The five block coordinates of linear indexes L (an int64 array)."""
    L = np.asarray(L, dtype=np.int64)
    return [(L // max(s, 1)) % max(d, 1) for d, s in zip(dim, st)]


def mirror(L, dim, st):
    """The linear index of the element with block coordinates c1 and c3 exchanged."""
    c = coordinates(L, dim, st)
    return c[0] * st[0] + c[3] * st[1] + c[2] * st[2] + c[1] * st[3] + c[4] * st[4]
