"""A variable turned into an expression record evaluates to the variable's own values;
spreading a variable's values fills its present elements only."""
import numpy as np
import pytest

import fragments
from support.buffers import f64, i32, i64
from support.records import evaluate, read, reserve, runs
from support.stacks import Stack

variable_record = fragments._c_closure_111
shape_to_result = fragments._c_closure_110


def random_variable(rng, shape, sparse):
    """(sparsity or None, nativeidxs): present elements and their signed native indexes,
    scalar variables 1..40 and bar elements -1..-10 (no 0)."""
    size = int(np.prod(shape, dtype=np.int64))
    sparsity = np.nonzero(rng.random(size) < 0.5)[0].astype(np.int64) if sparse else None
    nelem = size if sparsity is None else len(sparsity)
    nativeidxs = rng.choice(np.r_[-10:0, 1:41], size=nelem).astype(np.int64)
    return sparsity, nativeidxs


def values_at(shape, sparsity, nativeidxs, x, xbar):
    """What the variable's elements are worth at (x, xbar), as a dense array."""
    vals = np.where(nativeidxs > 0, x[np.maximum(nativeidxs, 1) - 1], xbar[np.maximum(-nativeidxs, 1) - 1])
    out = np.zeros(int(np.prod(shape, dtype=np.int64)))
    out[np.arange(len(nativeidxs)) if sparsity is None else sparsity] = vals
    return out.reshape(shape)


@pytest.mark.parametrize("sparse", [False, True])
@pytest.mark.parametrize("stride", [1, 2])
def test_variable_record_evaluates_to_the_variable(sparse, stride):
    rng = np.random.default_rng(111 + 10 * sparse + stride)
    x, xbar = rng.normal(size=40), rng.normal(size=10)
    for trial in range(25):
        shape = tuple(int(s) for s in rng.integers(0, 5, size=int(rng.integers(0, 4))))
        sparsity, nativeidxs = random_variable(rng, shape, sparse)
        nelem, nd = len(nativeidxs), len(shape)
        stack = Stack(512, stride=stride)
        b = reserve(stack, nd, nelem, nelem, sparse=True)  # sp is reserved even when dense
        snap = stack.snapshot()
        shape_to_result(nd, stack.i32, i32(shape, stride=2), b.shape)
        variable_record(b.bfix, b.cof, int(sparse), i64(nativeidxs, stride=3), b.nidxs, nelem, b.ptr,
                        stack.f64, stack.i32, stack.i64, b.sp,
                        i64(sparsity, stride=2) if sparse else None)
        if not sparse:
            b.sp = None  # a dense variable writes nothing at sp_base
        stack.assert_only_changed(snap, **runs(b, nd, nelem, nelem))
        rec = read(stack, b, nd, nelem, nelem, sparse=sparse)
        assert rec.shape == shape
        assert rec.ptr.tolist() == list(range(nelem + 1))
        assert np.all(rec.cof == 1.0) and np.all(rec.bfix == 0.0)
        np.testing.assert_array_equal(evaluate(rec, x, xbar), values_at(shape, sparsity, nativeidxs, x, xbar))


def test_empty_variable_writes_only_ptr0():
    stack = Stack(64)
    b = reserve(stack, 1, 0, 0, sparse=True)
    snap = stack.snapshot()
    variable_record(b.bfix, b.cof, 1, i64([]), b.nidxs, 0, b.ptr, stack.f64, stack.i32, stack.i64, b.sp, i64([]))
    stack.assert_only_changed(snap, i32=[(b.ptr, 1)])
    assert stack.i32[b.ptr] == 0


@pytest.mark.parametrize("n", [113, 114])
def test_spread_values(n):
    spread = getattr(fragments, f"_c_closure_{n}")
    out = f64(np.full(6, -1.0))
    spread(i64([10, 11]), f64([2.5, 3.5]), i64([1, 4]), out)
    assert out.tolist() == [-1.0, 2.5, -1.0, -1.0, 3.5, -1.0]

    rng = np.random.default_rng(n)
    for trial in range(30):
        size = int(rng.integers(0, 30))
        sparsity = np.nonzero(rng.random(size) < 0.4)[0]
        res = rng.normal(size=len(sparsity))
        fill = rng.normal(size=size)
        expected = fill.copy()
        expected[sparsity] = res
        out = f64(fill, stride=(1, 2, 3)[trial % 3])
        # the count of present elements comes from nativeidxs; extra res entries are ignored
        spread(i64(np.zeros(len(sparsity)), stride=2), f64(np.r_[res, 99.0], stride=3),
               i64(sparsity, stride=(1, 2, -1)[trial % 3]), out)
        np.testing.assert_array_equal(out, expected)


def test_spread_values_of_dense_variable():
    # with no sparsity every element is present, in order
    out = f64(np.full(4, -1.0), stride=2)
    fragments._c_closure_113(i64([5, 6, 7]), f64([1.0, 2.0, 3.0]), None, out)
    assert out.tolist() == [1.0, 2.0, 3.0, -1.0]
