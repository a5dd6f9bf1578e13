# Worked examples as table rows (kernel, arguments, result, arrays after the call): the
# arguments are plain Python values, typed as the stubs type each parameter (a list of rows is
# a matrix), and every row runs twice: on unit-stride arrays and on reversed strided views,
# with junk between the entries and one stride before and after them.
import numpy as np
import pytest

from .buffers import DTYPES, JUNK
from .kernels import call, info, label


def typed(v, dtype, stride):  # a view with junk one stride before, between and after its entries
    view = np.full((np.size(v) + 2) * abs(stride), JUNK[dtype], dtype)[::stride][1:np.size(v) + 1]
    view[...] = np.ravel(v)
    return view.reshape(np.shape(v))


def run(number, args, result, after, stride=1):
    args = {p.name: typed(v, DTYPES[p.elem], stride) if p.is_array and isinstance(v, list) else v
            for p in info(number).params if p.name in args for v in [args[p.name]]}
    assert call(number, **args) == result
    assert {name: np.asarray(args[name]).tolist() for name in after} == after


def table(rows):
    """A test of the rows (kernel, args, result, after), each on unit-stride arrays and on reversed strided views."""
    def test(number, args, result, after, stride):
        run(number, args, result, after, stride)
    cases = [(*row, s) for row in rows for s in (1, -2)]
    return pytest.mark.parametrize("number, args, result, after, stride", cases,
                                   ids=["%s s%d" % (label(c[0]), c[-1]) for c in cases])(test)
