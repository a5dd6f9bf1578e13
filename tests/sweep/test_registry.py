"""Sweeps over every kernel as the committed stubs list it: names, argument counts, the
type check of every array slot, writability of written arrays, and aliases."""
import importlib.util
import inspect
import os

import numpy as np
import pytest

import fragments
from support import stubs
from support.build import CHECKED
from support.kernels import label
from support.portable import INVALID

KERNELS = stubs.kernels()
BY_NUMBER = {k.number: k for k in KERNELS}
DTYPES = {"I32": np.int32, "I64": np.int64, "F64": np.float64}


def test_the_stubs_list_every_kernel_once():
    assert sorted(BY_NUMBER) == list(range(len(KERNELS)))


def test_the_committed_stubs_are_those_the_build_generated():
    built = os.path.join(os.path.dirname(fragments.__file__), "fragments.pyi")
    with open(built) as f, open(stubs.STUBS) as g:
        assert f.read() == g.read(), "fragments.pyi is out of date: copy the build's fragments.pyi over it"


def test_every_kernel_explains_itself():
    """help() and inspect.signature() show every kernel's parameter names, its function and a
    text of its own (an alias without names of its own shares its primary's)."""
    for k in KERNELS:
        f = getattr(fragments, f"_c_closure_{k.number}")
        assert list(inspect.signature(f).parameters) == [p.name for p in k.params]
        function, _, text = f.__doc__.partition("\n\n")
        assert "::" in function and len(text.partition("\nParameters:")[0]) > 40, k.number


def test_the_reference_page_is_the_one_the_registry_gives():
    path = os.path.join(stubs.ROOT, "docs", "build_reference.py")
    spec = importlib.util.spec_from_file_location("build_reference", path)
    page = importlib.util.module_from_spec(spec)
    spec.loader.exec_module(page)
    with open(page.PAGE) as f:
        assert f.read() == page.render(), "docs/kernels.md is out of date: run docs/build_reference.py"


def good(p):
    """A well-typed, writable, empty argument for parameter p."""
    if not p.is_array:
        return 0.0 if p.type == "float" else 0
    if p.kind == "list":
        return np.empty(0, dtype=object)
    if p.kind == "mat":
        return np.zeros((0, 0), dtype=DTYPES[p.elem])
    return np.zeros(0, dtype=DTYPES[p.elem])


def wrong(p):
    """Arguments of the wrong element type or dimension count for array parameter p."""
    if p.kind == "list":
        return [np.zeros(0, dtype=np.int32), np.zeros((0, 0), dtype=object)]
    shape = (0,) if p.kind == "mat" else (0, 0)
    out = [np.zeros(shape, dtype=DTYPES[p.elem]), np.zeros(0, dtype=np.float32)]
    shape = (0, 0) if p.kind == "mat" else (0,)
    out += [np.zeros(shape, dtype=d) for e, d in DTYPES.items() if e != p.elem]
    return out


def array_slots(k):
    return [i for i, p in enumerate(k.params) if p.is_array]


@pytest.mark.parametrize("k", KERNELS, ids=label)
def test_every_array_slot_rejects_a_wrong_type_with_its_own_name(k):
    """For each array slot in turn: the earlier slots get good arrays (so they must pass),
    the slot itself a wrong one, the later ones None; the error must name the slot."""
    kernel = getattr(fragments, f"_c_closure_{k.number}")
    for i in array_slots(k):
        for bad in wrong(k.params[i]):
            args = [good(p) if j < i else (None if p.is_array else good(p)) for j, p in enumerate(k.params)]
            args[i] = bad
            with pytest.raises(ValueError) as e:
                kernel(*args)
            assert str(e.value) == INVALID.format(k.params[i].name)


@pytest.mark.parametrize("k", KERNELS, ids=label)
def test_argument_count_and_scalar_types_are_checked_first(k):
    kernel = getattr(fragments, f"_c_closure_{k.number}")
    n = len(k.params)
    for count in (n - 1, n + 1):
        if count >= 0:
            with pytest.raises(TypeError, match=f"takes exactly {n} argument"):
                kernel(*([None] * count))
    for i, p in enumerate(k.params):
        if not p.is_array:
            args = [good(q) if not q.is_array else np.zeros(0, dtype=np.uint8) for q in k.params]
            args[i] = "x"
            with pytest.raises(TypeError):
                kernel(*args)


@pytest.mark.parametrize("k", [k for k in KERNELS if any(p.written for p in k.params)],
                         ids=label)
def test_written_arrays_must_be_writable(k):
    kernel = getattr(fragments, f"_c_closure_{k.number}")
    for i, p in enumerate(k.params):
        if not p.written:
            continue
        ro = good(p)
        ro.flags.writeable = False
        args = [good(q) if j < i else (None if q.is_array else good(q)) for j, q in enumerate(k.params)]
        args[i] = ro
        with pytest.raises((BufferError, ValueError), match="read-only|not writable"):
            kernel(*args)


def test_read_only_arrays_are_accepted_where_the_kernel_only_reads():
    """A read-only array in a read slot passes the frame: the wrongly typed array placed
    in the next array slot is what fails."""
    checked = 0
    for k in KERNELS:
        slots = array_slots(k)
        kernel = getattr(fragments, f"_c_closure_{k.number}")
        for a, b in zip(slots, slots[1:]):
            if k.params[a].written:
                continue
            ro = good(k.params[a])
            ro.flags.writeable = False
            args = [good(q) if j < a else (None if q.is_array else good(q)) for j, q in enumerate(k.params)]
            args[a] = ro
            args[b] = wrong(k.params[b])[0]
            with pytest.raises(ValueError, match=INVALID.format(k.params[b].name)):
                kernel(*args)
            checked += 1
    assert checked > 500


def test_aliases_share_their_primarys_signature():
    aliases = [k for k in KERNELS if k.same_as is not None]
    assert aliases
    for k in aliases:
        primary = BY_NUMBER[k.same_as]
        assert primary.same_as is None
        assert [p.type for p in k.params] == [p.type for p in primary.params]
        assert k.result == primary.result


@pytest.mark.parametrize("k", KERNELS, ids=label)
def test_every_kernel_runs_on_absent_arrays_and_zero_scalars(k):
    """Every array (and array list) None, every scalar 0: nothing to do, and nothing goes
    wrong (absent views read a zeroed cell of the call's own; loops bounded by zero counts
    do nothing). The checked build raises IndexError where a kernel touches an absent view."""
    kernel = getattr(fragments, f"_c_closure_{k.number}")
    try:
        kernel(*[None if p.is_array else good(p) for p in k.params])
    except IndexError as e:
        assert CHECKED and "(None)" in str(e), e
