"""A linear program built through the kernels, solved with SciPy's HiGHS.

    minimize    -cx . x - cy . y + cz . z
    subject to  A1 @ x + A2 @ x <= b1                      (block 1: 1000 rows)
                A3 @ y - x[pick] - z[week] <= b2           (block 2: 500 rows)
                0 <= x <= 1, 0 <= y <= 1, z >= 0

x and y are dense vectors of variables. z is a sparse vector over weeks (only some weeks
have one), and each row of block 2 belongs to a week: z[week] picks a week's z for every row,
zero where the week has none. A1 and A2 share half of their positions in every row, so the
sum A1 @ x + A2 @ x holds repeated terms that condensing merges.

Everything is built through examples/layer.py: the blocks are stacked into one row set, so
are their constants, and the rows are condensed into compressed solver rows. These are
checked against the same matrix built directly with scipy.sparse, both problems are solved,
and the solution values are read back through the native indexes.
"""
import time

import numpy as np
import scipy.sparse as sp
from scipy.optimize import linprog

import layer

N_X, N_Y = 20_000, 10_000      # variables in x and y
M1, M2 = 1_000, 500            # rows of block 1 and block 2
K1, K3 = 50, 40                # entries per row of A1 and A2, and of A3
WEEKS = 50                     # the size of z; block 2 has M2 / WEEKS rows per week

stages = []


def stage(name, start):
    stages.append((name, time.perf_counter() - start))
    return time.perf_counter()


def triplets(rng, m, n, per_row, cols=None):
    """An m by n matrix as triplets sorted by (row, column): one column in each of per_row
    equal column bands, so the columns of a row are distinct and increasing. Where `cols`
    is given, its columns are kept in the even bands (shared positions)."""
    band = n // per_row
    msubi = np.repeat(np.arange(m, dtype=np.int32), per_row)
    msubj = (np.arange(per_row, dtype=np.int32) * band + rng.integers(0, band, (m, per_row), dtype=np.int32))
    if cols is not None:
        msubj[:, 0::2] = cols.reshape(m, per_row)[:, 0::2]
    return msubi, msubj.ravel(), rng.uniform(0.1, 1.0, m * per_row)


# --- the inputs (NumPy) ------------------------------------------------------------------------
t = time.perf_counter()
rng = np.random.default_rng(12)
A1 = triplets(rng, M1, N_X, K1)
A2 = triplets(rng, M1, N_X, K1, cols=A1[1])
A3 = triplets(rng, M2, N_Y, K3)
b1, b2 = rng.uniform(1.0, 2.0, M1), rng.uniform(0.5, 1.0, M2)
pick = rng.integers(0, N_X, M2)                                     # x[pick]: int64 indexes
week = np.arange(M2, dtype=np.int64) * WEEKS // M2                  # the week of each row
z_sparsity = np.flatnonzero(rng.random(WEEKS) < 0.5).astype(np.int64)  # weeks that have a z
N_Z = len(z_sparsity)
# Native indexes: x owns scalar variables 0 .. N_X - 1, then y, then z (v > 0 is v - 1).
x_native = np.arange(1, N_X + 1, dtype=np.int64)
y_native = np.arange(N_X + 1, N_X + N_Y + 1, dtype=np.int64)
z_native = np.arange(N_X + N_Y + 1, N_X + N_Y + N_Z + 1, dtype=np.int64)
n_var = N_X + N_Y + N_Z
cost = np.concatenate([-rng.uniform(0.5, 1.5, N_X + N_Y), np.full(N_Z, 2.0)])
bounds = [(0.0, 1.0)] * (N_X + N_Y) + [(0.0, None)] * N_Z
t = stage("inputs (NumPy)", t)

# --- the rows through the kernels ------------------------------------------------------------
# Two stacks take turns as the result and the work stack; x is the scratch stack.
r, w, x = layer.Stack(), layer.Stack(), layer.Stack()
xv = layer.variable(w, (N_X,), x_native)
yv = layer.variable(w, (N_Y,), y_native)
zv = layer.variable(w, (WEEKS,), z_native, z_sparsity)
# Block 1: two sparse products on r, their sum on w (sparse: the union of their rows).
p1 = layer.times_variable(r, M1, *A1, xv)
p2 = layer.times_variable(r, M1, *A2, xv)
block1 = layer.weighted_sum(w, [p1, p2], [1.0, 1.0])
r.clear()
# Block 2: the product with y and the two picks on r, their sum on w (dense: the picks are).
p3 = layer.times_variable(r, M2, *A3, yv)
xp = layer.pick(r, xv, pick, x)
zp = layer.pick(r, zv, week, x)
block2 = layer.weighted_sum(w, [p3, xp, zp], [1.0, -1.0, -1.0])
r.clear()
t = stage("variables, products, picks, sums of the blocks", t)
# The blocks stacked (one sparse, one dense: a sparse result), and so are their constants.
stacked = layer.vstack(r, [block1, block2], x)
b = layer.vstack(r, [layer.constant(w, b1), layer.constant(w, b2)], x)
t = stage("vstack of the blocks and of the constants", t)
# rows - b on w; then r is free again and receives the condensed rows.
expression = layer.weighted_sum(w, [stacked, b], [1.0, -1.0])
r.clear()
t = stage("rows - b", t)
condensed = layer.condense(r, expression, x)
t = stage("condensing", t)
rptrb, rsubj, rcof, consts = layer.rows(condensed)
t = stage("compressed rows", t)

# --- the solve ---------------------------------------------------------------------------------
A = sp.csr_array((rcof, rsubj, rptrb), shape=(condensed.nelem, n_var))
res = linprog(cost, A_ub=A, b_ub=-consts, bounds=bounds, method="highs")
assert res.status == 0, res.message
t = stage("solve (HiGHS)", t)


# --- the reference: the same rows built with scipy.sparse ------------------------------------
def csr(m, n, trip):
    return sp.csr_array((trip[2], (trip[0], trip[1])), shape=(m, n))


has_z = np.isin(week, z_sparsity)
picked = sp.csr_array((np.ones(M2), (np.arange(M2), pick)), shape=(M2, N_X))
z_cols = sp.csr_array((np.ones(has_z.sum()), (np.flatnonzero(has_z), np.searchsorted(z_sparsity, week[has_z]))),
                      shape=(M2, N_Z))
reference = sp.vstack([sp.hstack([csr(M1, N_X, A1) + csr(M1, N_X, A2), sp.csr_array((M1, N_Y + N_Z))]),
                       sp.hstack([-picked, csr(M2, N_Y, A3), -z_cols])], format="csr")
reference.sum_duplicates()
reference.sort_indices()
b_ref = np.concatenate([b1, b2])
assert np.array_equal(A.indptr, reference.indptr) and np.array_equal(A.indices, reference.indices)
assert np.array_equal(A.data, reference.data) and np.array_equal(-consts, b_ref)
ref = linprog(cost, A_ub=reference, b_ub=b_ref, bounds=bounds, method="highs")
assert ref.status == 0 and abs(res.fun - ref.fun) <= 1e-7 * max(1.0, abs(ref.fun)), (res.fun, ref.fun)
t = stage("reference: scipy.sparse rows compared, solved again", t)

# --- the solution read back through the native indexes ---------------------------------------
xs = layer.values(res.x, x_native, (N_X,))
ys = layer.values(res.x, y_native, (N_Y,))
zs = layer.values(res.x, z_native, (WEEKS,), z_sparsity)   # 0 in weeks without a z
t = stage("solution values read back", t)
z_dense = np.zeros(WEEKS)
z_dense[z_sparsity] = res.x[N_X + N_Y:]
assert np.array_equal(np.concatenate([xs, ys, zs]), np.concatenate([res.x[:N_X + N_Y], z_dense]))
rows_ref = np.concatenate([csr(M1, N_X, A1) @ xs + csr(M1, N_X, A2) @ xs, csr(M2, N_Y, A3) @ ys - xs[pick] - zs[week]])
slack = b_ref - rows_ref
assert slack.min() >= -1e-7, slack.min()

print(f"rows: {condensed.nelem} ({M1} + {M2}); variables: {n_var} (x {N_X}, y {N_Y}, z {N_Z} of {WEEKS} weeks)")
print(f"terms: {expression.nnz} before condensing, {condensed.nnz} after")
print(f"objective: {res.fun:.6f} (reference {ref.fun:.6f}); binding rows: {int(np.sum(slack < 1e-9))}")
for name, seconds in stages:
    print(f"  {seconds * 1e3:9.1f} ms  {name}")
print("ok: the kernels' rows equal the scipy.sparse reference")
