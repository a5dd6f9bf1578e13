"""One linear constraint on its way from variables to solver rows: 2x - y - b for a dense
2 x 3 variable x, a sparse 2 x 3 variable y and a constant b, through the recipes of examples/layer.py, with
each record printed as it stands on its stack."""
import numpy as np

import layer

r, w, x = layer.Stack(), layer.Stack(), layer.Stack()   # result, work and scratch stacks
shape = (2, 3)

# The variables and their native indexes (v > 0 names scalar variable v - 1). y was declared
# first, so it owns scalar variables 0..2 and x owns 3..8.
y_sparsity = np.array([1, 3, 5], np.int64)     # present elements of y, by linear index
y_native = np.array([1, 2, 3], np.int64)
x_native = np.arange(4, 10, dtype=np.int64)    # x is dense: every element present


def show(name, rec):
    ptr, nidxs, cof, bfix, sp = rec.runs()
    print(f"{name}: shape {rec.shape}, {rec.nelem} elements, {rec.nnz} terms"
          + (f", sp {sp.tolist()}" if rec.sparse else ""))
    print(f"  ptr {ptr.tolist()} nidxs {nidxs.tolist()} cof {cof.tolist()} bfix {bfix.tolist()}")


# 1. Each variable becomes a record on the result stack; then the operands move to the work
#    stack, and the result stack is free again.
xv = layer.variable(r, shape, x_native)
yv = layer.variable(r, shape, y_native, y_sparsity)
xv, yv = layer.move(xv, w), layer.move(yv, w)
r.clear()
b = layer.constant(w, np.arange(1.0, 7.0), shape)   # b = [[1, 2, 3], [4, 5, 6]]
show("x", xv)
show("y", yv)

# 2. The sum 2x - y - b: x is dense, so the sum is dense; y's terms land on its stored
#    elements.
s = layer.weighted_sum(r, [xv, yv, b], [2.0, -1.0, -1.0])
show("2x - y - b", s)

# 3. Condense (onto the work stack, whose operands are done with): each element's terms
#    sorted by variable, equal ones merged. Nothing merges here; the linear program in
#    examples/linear_program.py has sums that do.
w.clear()
c = layer.condense(w, s, x)
show("condensed", c)

# 4. Solver rows: one row per element, columns are scalar variable numbers.
rptrb, rsubj, rcof, consts = layer.rows(c)
print("row pointers:", rptrb.tolist())
for row in range(c.nelem):
    terms = " ".join(f"{rcof[t]:+g}*v{rsubj[t]}" for t in range(rptrb[row], rptrb[row + 1])) or "0"
    print(f"row {row} (element {divmod(row, 3)}): {terms}, constant {consts[row]:g}")

# The rows, applied to a random point, give 2x - y - b evaluated directly; each row's columns
# are strictly increasing after condensing.
A = np.zeros((c.nelem, 9))
for row in range(c.nelem):
    A[row, rsubj[rptrb[row]:rptrb[row + 1]]] = rcof[rptrb[row]:rptrb[row + 1]]
v = np.random.default_rng(7).normal(size=9)
X = v[x_native - 1].reshape(shape)
Y = np.zeros(6)
Y[y_sparsity] = v[y_native - 1]
np.testing.assert_allclose(A @ v + consts, (2 * X - Y.reshape(shape) - np.arange(1.0, 7.0).reshape(shape)).ravel())
assert all(np.all(np.diff(rsubj[rptrb[i]:rptrb[i + 1]]) > 0) for i in range(c.nelem))
# The point's values read back through the native indexes, in the variables' shapes.
assert np.array_equal(layer.values(v, x_native, shape), X)
assert np.array_equal(layer.values(v, y_native, shape, y_sparsity), Y.reshape(shape))
print("ok")
