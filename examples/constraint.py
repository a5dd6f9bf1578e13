"""One linear constraint on its way from variables to solver rows: 2x - y for a dense 2 x 3
variable x and a sparse 2 x 3 variable y. Every loop runs in a kernel; NumPy only lays out the
stacks and checks the result."""
import numpy as np

import fragments as F


class Stack:
    """One expression stack: an int32, an int64 and a float64 array, each with its own top."""

    def __init__(self, size=64):
        self.i32 = np.zeros(size, np.int32)
        self.i64 = np.zeros(size, np.int64)
        self.f64 = np.zeros(size, np.float64)
        self.clear()

    def clear(self):
        """Pops everything: the next record goes to the bottom again."""
        self.top = {"i32": 0, "i64": 0, "f64": 0}

    def take(self, kind, n):
        """Reserves n entries on one array; returns their base."""
        base = self.top[kind]
        self.top[kind] += n
        return base

    def record(self, nd, nelem, nnz, sparse):
        """Reserves the runs of a record; returns the bases by field (sp is -1 when dense)."""
        return dict(shape=self.take("i32", nd), ptr=self.take("i32", nelem + 1),
                    nidxs=self.take("i64", nnz), cof=self.take("f64", nnz),
                    bfix=self.take("f64", nelem), sp=self.take("i64", nelem) if sparse else -1)


r, w, scr = Stack(), Stack(), Stack()  # result, work and scratch stacks
shape = np.array([2, 3], np.int32)
nd, size = 2, 6

# The variables and their native indexes (v > 0 names scalar variable v - 1). y was declared
# first, so it owns scalar variables 0..2 and x owns 3..8.
y_sparsity = np.array([1, 3, 5], np.int64)       # present elements of y, by linear index
y_native = np.array([1, 2, 3], np.int64)
x_native = np.arange(4, 10, dtype=np.int64)       # x is dense: every element present
variables = [("x", x_native, None), ("y", y_native, y_sparsity)]

# 1. Each variable becomes a record on the result stack: its shape, one term per present
#    element (its own native index, coefficient 1) and constant 0.
records = []
for name, native, sparsity in variables:
    nelem, sparse = len(native), sparsity is not None
    b = r.record(nd, nelem, nelem, sparse)
    F._c_closure_110(nd, r.i32, shape, b["shape"])
    F._c_closure_111(b["bfix"], b["cof"], int(sparse), native, b["nidxs"], nelem, b["ptr"],
                     r.f64, r.i32, r.i64, b["sp"], sparsity)
    records.append((b, nelem, sparse))


def move(b, nelem, nnz, sparse, src, dst):
    """Moves a record between stacks: row pointers are relative to the term runs, so a plain
    copy of every run keeps it whole. The record copier writes to the array triple it gets as
    its destination, here the other stack."""
    nb = dst.record(nd, nelem, nnz, sparse)
    F._c_closure_415(b["bfix"], b["cof"], int(sparse), nd, nelem, b["nidxs"], nnz, b["ptr"],
                     nb["bfix"], nb["cof"], dst.f64, dst.i32, dst.i64, nb["nidxs"], nb["ptr"],
                     nb["shape"], nb["sp"], src.i32[b["shape"]:b["shape"] + nd], b["sp"],
                     src.f64, src.i32, src.i64)
    return nb


# 2. The operands move to the work stack; the result stack is free again.
ops = [move(b, n, n, sp, r, w) for b, n, sp in records]
r.clear()

# 3. The sum 2x - y. Count pass: is any operand dense (then the sum is dense), and how many
#    terms does it have? Then reserve, zero the runs that the build pass adds into, build.
field = lambda name: np.array([b[name] for b in ops], np.int32)
nelem = np.array([n for _, n, _ in records], np.int32)
weights = np.array([2.0, -1.0])
anydense = F._c_closure_373(0, 2, field("sp"))
rnelem = F._c_closure_272(1, nd, ops[0]["shape"], w.i32)        # product of the sizes
rnnz = F._c_closure_374(2, nelem, 0)                            # concatenated terms
s = r.record(nd, rnelem, rnnz, sparse=False)
F._c_closure_276(nd, r.i32, s["shape"], ops[0]["shape"], w.i32)  # shape of the sum
F._c_closure_377(r.i32, rnelem, s["ptr"])
F._c_closure_376(s["bfix"], r.f64, rnelem)
F._c_closure_378(int(anydense), field("bfix"), field("cof"), 2, nelem, field("nidxs"),
                 field("ptr"), s["bfix"], s["cof"], r.f64, r.i32, r.i64, rnelem, s["nidxs"],
                 s["ptr"], 0, field("sp"), weights, w.f64, w.i32, w.i64)

# 4. Condense: sort each element's terms by variable, merge equal ones, drop zeros. The sum
#    lists x's term before y's, so its terms are out of order and need the full pass.
w.clear()
c = move(s, rnelem, rnnz, False, r, w)
r.clear()
tol = 1e-12
done = F._c_closure_414(c["cof"], tol, 1, rnelem, c["nidxs"], rnnz, c["ptr"], w.f64, w.i32, w.i64)
longest = F._c_closure_418(0, rnelem, c["ptr"], w.i32)           # most terms of one element
perm, cnt = scr.take("i32", rnnz), scr.take("i32", 2 * longest)
F._c_closure_419(rnelem, c["nidxs"], perm, c["ptr"], w.i32, w.i64, cnt, scr.i32)
cnnz = F._c_closure_416(c["cof"], tol, rnelem, c["nidxs"], perm, c["ptr"], 0,
                        w.f64, w.i32, w.i64, scr.i32)
k = r.record(nd, rnelem, cnnz, sparse=False)
F._c_closure_417(c["bfix"], c["cof"], tol, 0, nd, rnelem, c["nidxs"], perm, c["ptr"], k["bfix"],
                 k["cof"], r.f64, r.i32, r.i64, k["nidxs"], k["ptr"], k["shape"], 0,
                 shape, w.f64, w.i32, w.i64, scr.i32)

# 5. Solver rows: count the scalar-variable terms per row, turn the counts into row pointers,
#    then fill column indexes (scalar variable numbers) and coefficients row by row.
rptrb = np.zeros(rnelem + 1, np.int64)
F._c_closure_16(rnelem, k["nidxs"], k["ptr"], rptrb, r.i32, r.i64)
F._c_closure_17(rnelem, rptrb)
rsubj = np.zeros(rptrb[-1], np.int32)
rcof = np.zeros(rptrb[-1], np.float64)
end = F._c_closure_18(k["cof"], int(rptrb[0]), rnelem, k["nidxs"], k["ptr"], rcof, rsubj,
                      r.f64, r.i32, r.i64)
consts = r.f64[k["bfix"]:k["bfix"] + rnelem]

print(f"sum: {rnelem} elements, {rnnz} terms; condensed already: {done}; after condensing: {cnnz}")
print("row pointers:", rptrb.tolist())
for row in range(rnelem):
    cols = range(rptrb[row], rptrb[row + 1])
    terms = " ".join(f"{rcof[t]:+g}*v{rsubj[t]}" for t in cols) or "0"
    print(f"row {row} (element {divmod(row, 3)}): {terms}, constant {consts[row]:g}")

# The rows, applied to a random point, give 2x - y evaluated directly.
assert end == rptrb[-1] == cnnz
A = np.zeros((rnelem, 9))
for row in range(rnelem):
    for t in range(rptrb[row], rptrb[row + 1]):
        A[row, rsubj[t]] += rcof[t]
v = np.random.default_rng(7).normal(size=9)
X = v[x_native - 1].reshape(2, 3)
Y = np.zeros(size)
Y[y_sparsity] = v[y_native - 1]
np.testing.assert_allclose(A @ v + consts, (2 * X - Y.reshape(2, 3)).ravel())
assert all(np.all(np.diff(rsubj[rptrb[i]:rptrb[i + 1]]) > 0) for i in range(rnelem))
print("ok")
