# Helpers shared by the shape and native tests: kernels called with plain lists, which become
# arrays of their parameters' element types with junk between the entries (stride -2).
import numpy as np

from support.buffers import DTYPES, arr, wrap  # noqa: F401
from support.kernels import call, info, kernel as k  # noqa: F401
from support.layout import strides

J = -7777  # junk that every element type holds exactly


def typed(key, /, **args):
    # args with each list or array given for a 1-D array parameter made (a copy) of its type, and
    # each int given for one made that many junk entries
    params = {p.name: p for p in info(key).params}
    return {a: arr(np.full(v, J) if isinstance(v, int) else v, DTYPES[params[a].elem], -2)
            if a in params and params[a].kind == "vec" and isinstance(v, (list, tuple, range, int, np.ndarray)) else v
            for a, v in args.items()}


def bare(values):
    # the list without its trailing junk
    values = list(values)
    while values and values[-1] == J:
        values.pop()
    return values


def run(key, /, **args):
    # The kernel's result and the arrays it writes, as lists without their trailing junk: give an
    # array one entry more than the kernel may write, and a write past its end shows.
    args = typed(key, **args)
    result = call(key, **args)
    return result, {p.name: bare(args[p.name].tolist()) for p in info(key).params if p.written and p.name in args}


def check(table):
    # rows (kernel, arguments, result, {written array: its content after the call})
    for key, args, result, want in table:
        got, out = run(key, **args)
        assert (got, {a: out[a] for a in want}) == (result, {a: bare(v) for a, v in want.items()}), (key, args)


def columns(rows, *names):
    # {name: the column of rows}, rows being tuples
    return {a: [r[k] for r in rows] for k, a in enumerate(names)}


def prod(values, init=1):
    return int(np.prod([int(init)] + [int(v) for v in values], dtype=object))


def row_major(shape):  # as a list
    return strides(shape).tolist()


def random_shape(rng, nd, low=0, high=6):
    return [int(s) for s in rng.integers(low, high, size=nd)]
