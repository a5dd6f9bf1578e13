"""Helpers shared by the shape tests."""
import numpy as np

from support.kernels import call, kernel as k  # noqa: F401

LAYOUTS = ["C", "F", "strided"]


def wrap32(v):
    return (int(v) + 2**31) % 2**32 - 2**31


def prod(values, init=1):
    p = int(init)
    for v in values:
        p *= int(v)
    return p


def row_major(shape):
    return [prod(shape[j + 1:]) for j in range(len(shape))]


def random_shape(rng, nd=None, low=0, high=6):
    nd = int(rng.integers(0, 6)) if nd is None else nd
    return [int(s) for s in rng.integers(low, high, size=nd)]


def midx_matrix(rows, layout):
    """rows as a 2-D int32 matrix: C order, Fortran order or a strided column view."""
    rows = np.asarray(rows, dtype=np.int32)
    if layout == "F":
        return np.asfortranarray(rows)
    if layout == "strided":
        wide = np.full((rows.shape[0], 2 * rows.shape[1]), -99, dtype=np.int32)
        wide[:, ::2] = rows
        return wide[:, ::2]
    return rows.copy()
