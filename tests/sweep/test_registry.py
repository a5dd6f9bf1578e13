# Sweeps over every kernel as the committed stubs list it: names, documentation, and the
# frame's checks of every argument slot.
import inspect
import os
import sys

import numpy as np
import pytest

import fragments
from support import stubs
from support.buffers import DTYPES
from support.build import CHECKED
from support.kernels import BY_NUMBER, KERNELS, kernel, label
from support.portable import INVALID


def test_the_stubs_list_every_kernel_once_and_are_those_the_build_generated():
    assert sorted(BY_NUMBER) == list(range(len(KERNELS)))
    with open(os.path.join(os.path.dirname(fragments.__file__), "fragments.pyi")) as f, open(stubs.STUBS) as g:
        assert f.read() == g.read(), "fragments.pyi is out of date: copy the build's fragments.pyi over it"


def test_every_kernel_explains_itself():
    # help() and inspect.signature() show every kernel's parameter names, its function and a
    # text of its own (an alias without names of its own shares its primary's).
    for k in KERNELS:
        f = kernel(k.number)
        assert list(inspect.signature(f).parameters) == [p.name for p in k.params]
        function, _, text = f.__doc__.partition("\n\n")
        assert "::" in function and len(text.partition("\nParameters:")[0]) > 40, k.number


def test_the_reference_page_is_the_one_the_registry_gives():
    sys.path.insert(0, os.path.join(stubs.ROOT, "docs"))
    import build_reference as page
    with open(page.PAGE) as f:
        assert f.read() == page.render(), "docs/kernels.md is out of date: run docs/build_reference.py"


def good(p, writable=True):
    # A well-typed empty argument for parameter p (a zero for a scalar).
    if not p.is_array:
        return 0.0 if p.type == "float" else 0
    a = np.empty(0, dtype=object) if p.kind == "list" else np.zeros((0, 0)[:1 + (p.kind == "mat")], DTYPES[p.elem])
    a.flags.writeable = writable
    return a


def wrong(p):
    # Arguments of the wrong element type or dimension count for array parameter p.
    if p.kind == "list":
        return [np.zeros(0, dtype=np.int32), np.zeros((0, 0), dtype=object)]
    ndim = 2 if p.kind == "mat" else 1
    return [np.zeros((0, 0)[:3 - ndim], DTYPES[p.elem]), np.zeros((0, 0)[:ndim], np.float32)] + \
        [np.zeros((0, 0)[:ndim], d) for e, d in DTYPES.items() if e != p.elem]


@pytest.mark.parametrize("k", KERNELS, ids=label)
def test_the_frame_checks_every_argument_slot(k):
    # Argument counts and scalar types first; then, slot by slot with good arrays before it
    # and None after it: a wrong element type or dimension count names the slot, an object
    # without the buffer interface raises TypeError, a read-only array is refused where the
    # kernel writes and passes where it reads. Last, every array None and every scalar 0 runs
    # (absent views read a zeroed cell of the call's own); the checked build raises
    # IndexError where a kernel touches an absent view.
    f, n = kernel(k.number), len(k.params)
    for count in (n - 1, n + 1):
        with pytest.raises(TypeError, match=r"^function takes exactly %d arguments \(%d given\)$" % (n, count)):
            f(*([None] * count))
    for i, p in enumerate(k.params):
        args = [good(q) if j < i or not q.is_array else None for j, q in enumerate(k.params)]
        if not p.is_array:
            with pytest.raises(TypeError):
                f(*(args[:i] + ["x"] + [good(q) for q in k.params[i + 1:]]))  # not run with an exception set
            continue
        for bad in wrong(p):
            with pytest.raises(ValueError) as e:
                f(*(args[:i] + [bad] + args[i + 1:]))
            assert str(e.value) == INVALID.format(p.name)
        with pytest.raises(TypeError):  # the interpreter's error for an object without the buffer interface
            f(*(args[:i] + [[0]] + args[i + 1:]))
        later = [j for j in range(i + 1, n) if k.params[j].is_array]
        if p.written:
            with pytest.raises((BufferError, ValueError), match="read-only|not writable"):
                f(*(args[:i] + [good(p, writable=False)] + args[i + 1:]))
        elif later:  # the read-only array passes: the wrongly typed one after it fails
            args[i], args[later[0]] = good(p, writable=False), wrong(k.params[later[0]])[0]
            with pytest.raises(ValueError, match=INVALID.format(k.params[later[0]].name)):
                f(*args)
    try:
        f(*[None if p.is_array else good(p) for p in k.params])
    except IndexError as e:
        assert CHECKED and "(None)" in str(e), e
