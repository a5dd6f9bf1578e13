"""A variable turned into an expression record evaluates to the variable's own values;
spreading a variable's values fills its present elements only."""
import numpy as np
import pytest

from shape._helpers import k
from support.buffers import f64, i32, i64
from support.records import evaluate, read, reserve, runs
from support.stacks import Stack


@pytest.mark.parametrize("sparse", [False, True])
@pytest.mark.parametrize("stride", [1, 2])
def test_variable_record_evaluates_to_the_variable(sparse, stride):
    rng = np.random.default_rng(111 + 10 * sparse + stride)
    x, xbar = rng.normal(size=40), rng.normal(size=10)
    for trial in range(15):
        shape = tuple(int(s) for s in rng.integers(0, 5, size=int(rng.integers(0, 4))))
        size, nd = int(np.prod(shape, dtype=np.int64)), len(shape)
        sparsity = np.flatnonzero(rng.random(size) < 0.5) if sparse else np.arange(size)
        nelem = len(sparsity)
        nativeidxs = rng.choice(np.r_[-10:0, 1:41], size=nelem).astype(np.int64)  # bar elements < 0
        stack = Stack(512, stride=stride)
        b = reserve(stack, nd, nelem, nelem, sparse=True)
        snap = stack.snapshot()
        k(110)(nd, stack.i32, i32(shape, stride=2) if nd else None, b.shape)
        k(111)(b.bfix, b.cof, int(sparse), i64(nativeidxs, stride=3), b.nidxs, nelem, b.ptr,
               stack.f64, stack.i32, stack.i64, b.sp, i64(sparsity, stride=2) if sparse else None)
        if not sparse:
            b.sp = None  # a dense variable writes nothing at sp_base
        stack.assert_only_changed(snap, **runs(b, nd, nelem, nelem))
        rec = read(stack, b, nd, nelem, nelem, sparse=sparse)
        assert rec.shape == shape and rec.ptr.tolist() == list(range(nelem + 1))
        assert np.all(rec.cof == 1.0) and np.all(rec.bfix == 0.0)
        want = np.zeros(size)
        xs, bars = x[np.maximum(nativeidxs, 1) - 1], xbar[np.maximum(-nativeidxs, 1) - 1]
        want[sparsity] = np.where(nativeidxs > 0, xs, bars)
        np.testing.assert_array_equal(evaluate(rec, x, xbar), want.reshape(shape))
    stack = Stack(64)
    b = reserve(stack, 1, 0, 0, sparse=True)
    snap = stack.snapshot()
    k(111)(b.bfix, b.cof, 1, i64([]), b.nidxs, 0, b.ptr, stack.f64, stack.i32, stack.i64, b.sp, i64([]))
    stack.assert_only_changed(snap, i32=[(b.ptr, 1)])
    assert stack.i32[b.ptr] == 0


@pytest.mark.parametrize("n", [113, 114])
def test_spread_values(n):
    rng = np.random.default_rng(n)
    for trial in range(20):
        size = int(rng.integers(0, 30))
        dense = trial % 4 == 0  # no sparsity: every element present, in order
        sparsity = np.arange(size // 2) if dense else np.flatnonzero(rng.random(size) < 0.4)
        res, fill = rng.normal(size=len(sparsity)), rng.normal(size=size)
        expected = fill.copy()
        expected[sparsity] = res
        out = f64(fill, stride=(1, 2, 3)[trial % 3])
        # the count of present elements comes from nativeidxs; extra res entries are ignored
        k(n)(i64(np.zeros(len(sparsity)), stride=2), f64(np.r_[res, 99.0], stride=3),
             None if dense else i64(sparsity, stride=(1, 2, -1)[trial % 3]), out)
        np.testing.assert_array_equal(out, expected)
