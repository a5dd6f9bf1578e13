# Coordinate rows (multi-indexes) as callers pass them to the linear-index kernels.
import numpy as np


def random_coordinates(rng, max_nd=4, max_size=4, max_rows=6):
    # A random shape (sizes >= 1), its row-major strides and random coordinate rows in it;
    # returns (shape, strides, coords, linear indexes of the rows).
    shape = tuple(int(n) for n in rng.integers(1, max_size + 1, size=int(rng.integers(1, max_nd + 1))))
    st = np.array([np.prod(shape[d + 1:], dtype=np.int64) for d in range(len(shape))], np.int64)
    rows = int(rng.integers(0, max_rows + 1))
    coords = np.stack([rng.integers(0, n, size=rows) for n in shape], axis=1).reshape(rows, len(shape))
    linear = np.ravel_multi_index(coords.T, shape) if rows else np.zeros(0, np.int64)
    return shape, st, coords, linear


def coordinate_layouts(coords, junk_cols=1):
    # The rows as C-ordered, Fortran-ordered and strided int32 arrays, each with junk columns
    # after the coordinates (a kernel must not read past its nd columns).
    rows, nd = coords.shape
    padded = np.hstack([coords, np.full((rows, junk_cols), -99)]).astype(np.int32)
    big = np.full((2 * rows + 1, 2 * (nd + junk_cols)), -77, np.int32)
    strided = big[1::2, ::2]
    strided[...] = padded
    return [padded, np.asfortranarray(padded), strided]
