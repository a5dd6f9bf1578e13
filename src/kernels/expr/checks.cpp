// Pattern checks, strides, linear indexes and outer products on the caller's own arrays
// (not stack runs): the integer arrays that describe a shape or a sparsity pattern, and
// the rows of outer products with a constant vector.
#include "kernels/expr/record.h"

namespace fragments::expr {

namespace {

// Whether v[0 .. count - 1] strictly increases.
bool strictly_increasing(Vec<const int64_t> v, int64_t count) {
  for (int64_t k = 0; k + 1 < count; ++k)
    if (v[k + 1] <= v[k]) return false;
  return true;
}

// Whether v[0 .. count - 1] never decreases.
bool non_decreasing(Vec<const int64_t> v, int64_t count) {
  for (int64_t k = 0; k + 1 < count; ++k)
    if (v[k + 1] < v[k]) return false;
  return true;
}

}  // namespace

// Returns (instok, ptrbok, shapeok), each starting from its argument:
//  - instok, when inst is non-empty and n > 0: whether inst[0 .. n - 1] strictly increases
//    inside [0, size) (the range test reads the first and the last entry);
//  - ptrbok, when n > 0 and ptrbok != 0: whether ptrb[0 .. n] never decreases;
//  - shapeok, when thisshape is non-empty and shapeok != 0: whether no entry is negative.
// A flag whose condition does not hold is returned as passed. Only the emptiness of inst
// and the length of thisshape come from the arrays; n bounds what is read of inst and ptrb.
std::tuple<bool, bool, bool> check_pattern(Vec<const int64_t> inst, int32_t instok, int32_t n,
                                           Vec<const int64_t> ptrb, int32_t ptrbok, int32_t shapeok, int64_t size,
                                           Vec<const int32_t> thisshape) {
  bool inst_ok = instok != 0;
  if (inst.size() > 0 && n > 0) inst_ok = inst[0] >= 0 && inst[n - 1] < size && strictly_increasing(inst, n);
  bool ptrb_ok = ptrbok != 0;
  if (n > 0 && ptrb_ok) ptrb_ok = non_decreasing(ptrb, int64_t{n} + 1);
  bool shape_ok = shapeok != 0;
  for (int64_t k = 0; k < thisshape.size() && shape_ok; ++k)
    if (thisshape[k] < 0) shape_ok = false;
  return {inst_ok, ptrb_ok, shape_ok};
}

// init × the product of all entries of vals, wrapping in 32 bits.
int32_t product_of_entries(int32_t init, Vec<const int32_t> vals) {
  return size_product(init, vals, 0, vals.size());
}

// Row-major strides: s[k - 1] = shp[k] × s[k] for k = nd - 1 down to 1 (64-bit); the
// caller sets s[nd - 1]. nd <= 1 writes nothing.
void strides_of(int32_t nd, Vec<int64_t> s, Vec<const int32_t> shp) { row_major_strides(nd, shp, s); }

// sp[i] += Σ d < nd of sparsity(i, d) × s[d] for i < n: linear indexes of multi-indexes,
// added to what sp holds (the caller presets it, normally to 0).
void linear_indexes(int32_t n, int32_t nd, Vec<const int64_t> s, Vec<int64_t> sp, Mat<const int32_t> sparsity) {
  add_linear_indexes(n, nd, sparsity, s, sp);
}

// init plus the number of entries of eshape greater than 1, wrapping in 32 bits.
int32_t nontrivial_dimensions(Vec<const int32_t> eshape, int32_t init) {
  int32_t count = init;
  for (int64_t k = 0; k < eshape.size(); ++k)
    if (eshape[k] > 1) count = add32(count, 1);
  return count;
}

// The outer product of a constant vector (values a at positions sub in a space of size
// asize) with an expression E in row form: E has nE rows, given by nE + 1 row pointers
// eptrb (from 0; enz = eptrb[nE] terms), the terms esubj and ecof, a constant ebfix[r]
// and an element index einst[r] per row. Writes one row per pair (row r, entry j): E's
// row r scaled by a[j], with constant ebfix[r] × a[j] and element index
// einst[r] × asize + sub[j].
//  - amajor == 0: row k = r × len(a) + j, terms in row order from subj[0], cof[0];
//  - amajor != 0: row k = j × nE + r, the terms for a[j] at j × enz onward.
// ptrb[k + 1] = ptrb[k] + the row's term count (ptrb[0] is the caller's); bfix[k], when
// bfix is given, is the constant. The element index of row k goes to einst[k]: einst has
// room for nE × len(a) entries, the first nE of which are E's indexes, read as passed
// (they are copied aside before anything is written). A shorter einst is refused before
// anything is written: InvalidArgument naming einst (the caller's ValueError).
void outer_with_expression(Vec<const double> a, Vec<double> bfix, Vec<double> cof, int32_t asize,
                           Vec<const double> ebfix, Vec<const double> ecof, Vec<int64_t> einst, int32_t enz,
                           Vec<const int64_t> eptrb, Vec<const int64_t> esubj, Vec<int64_t> ptrb,
                           Vec<const int32_t> sub, Vec<int64_t> subj, int32_t amajor) {
  const int64_t na = a.size();
  const int64_t ne = eptrb.size() > 0 ? eptrb.size() - 1 : 0;
  if (na > 0 && einst.size() / na < ne) throw InvalidArgument{"einst"};  // einst.size() < ne × na
  Scratch<int64_t> inst(na > 0 ? ne : 0);
  for (int64_t r = 0; r < inst.size(); ++r) inst[r] = einst[r];

  // Row k of the output is E's row r scaled by a[j].
  auto put_row = [&](int64_t k, int64_t r, int64_t j) {
    ptrb[k + 1] = add64(ptrb[k], sub64(eptrb[r + 1], eptrb[r]));
    if (bfix) bfix[k] = ebfix[r] * a[j];
    einst[k] = add64(mul64(inst[r], asize), sub[j]);
  };
  if (!amajor) {
    int64_t t = 0;
    for (int64_t r = 0; r < ne; ++r)
      for (int64_t j = 0; j < na; ++j) {
        for (int64_t u = eptrb[r]; u < eptrb[r + 1]; ++u, ++t) {
          subj[t] = esubj[u];
          cof[t] = a[j] * ecof[u];
        }
        put_row(add64(mul64(r, na), j), r, j);
      }
  } else {
    for (int64_t j = 0; j < na; ++j) {
      const int64_t at = mul64(j, enz);
      copy_run(esubj, 0, subj, at, enz);
      for (int64_t u = 0; u < enz; ++u) cof[at + u] = a[j] * ecof[u];
      for (int64_t r = 0; r < ne; ++r) put_row(add64(mul64(j, ne), r), r, j);
    }
  }
}

// The rows of x ⊗ a (aleft == 0, result shape (m, n)) or a ⊗ x (aleft != 0, shape (n, m))
// for a vector x of m variables and a constant vector a of size n, one term per row:
// subj[k] is the position in x of row k's variable, cof[k] its coefficient, and
// ptrb[k + 1] = k + 1 (ptrb[0] is the caller's). a is dense when it has exactly n entries;
// otherwise it is sparse, its values at the positions sub, and inst[k] receives the linear
// index of row k's element in the result shape. Zero values are written like others.
void outer_rows(Vec<const double> a, Vec<double> cof, int32_t n, Vec<int64_t> inst, Vec<int64_t> ptrb,
                Vec<const int32_t> sub, Vec<int64_t> subj, int32_t aleft, int32_t m) {
  const int64_t na = a.size();
  if (!all_positive(m, na)) return;  // every nest below runs over m and na (= n) rows
  int64_t k = 0;
  auto put_row = [&](int64_t variable, double coefficient) {
    subj[k] = variable;
    cof[k] = coefficient;
    ptrb[k + 1] = k + 1;
    ++k;
  };
  if (na == n) {
    if (!aleft) {
      for (int64_t r = 0; r < m; ++r)
        for (int64_t p = 0; p < n; ++p) put_row(r, a[p]);
    } else {
      for (int64_t p = 0; p < n; ++p)
        for (int64_t q = 0; q < m; ++q) put_row(q, a[p]);
    }
  } else if (!aleft) {
    for (int64_t r = 0; r < m; ++r)
      for (int64_t j = 0; j < na; ++j) {
        inst[k] = sub[j] + r * n;
        put_row(r, a[j]);
      }
  } else {
    for (int64_t j = 0; j < na; ++j)
      for (int64_t q = 0; q < m; ++q) {
        inst[k] = int64_t{sub[j]} * m + q;
        put_row(q, a[j]);
      }
  }
}

}  // namespace fragments::expr

TOPIC("Pattern checks, strides, linear indexes and outer products")
FRAGMENT(422, expr::check_pattern, "OiiOiiLO", "inst", "instok", "n", "ptrb", "ptrbok", "shapeok", "size", "thisshape")
DOC(422, "instok, ptrbok, shapeok",
    "Pattern, row pointer and shape checks: returns three flags, each starting from its "
    "argument as a boolean:\n"
    "- instok: when inst is given and non-empty and n > 0, replaced by whether inst[0] >= 0, "
    "inst[n - 1] < size and inst[0 .. n - 1] strictly increases; otherwise as passed.\n"
    "- ptrbok: when n > 0 and ptrbok != 0, whether ptrb[0 .. n] never decreases; otherwise as "
    "passed.\n"
    "- shapeok: shapeok != 0 and no entry of thisshape (its whole length) is negative.\n"
    "n bounds what is read of inst (n entries) and ptrb (n + 1); of inst only its emptiness "
    "comes from the array. inst may be None.")
FRAGMENT(423, expr::product_of_entries, "iO", "init", "vals")
DOC(423, "product",
    "Product of entries: returns init * vals[0] * ... * vals[len(vals) - 1] over the whole "
    "length of vals, wrapping in 32 bits; init when vals is empty. With init = 1 over a shape, "
    "its element count.")
FRAGMENT(424, expr::strides_of, "iOO", "nd", "s", "shp")
DOC(424, "",
    "Row-major strides of a shape: s[k - 1] = shp[k] * s[k] for k = nd - 1 down to 1 (64-bit, "
    "wrapping). The caller sets s[nd - 1] (1 for plain strides); nd <= 1 writes nothing. s and "
    "shp need nd entries.")
SAME_AS(426, 424)
FRAGMENT(425, expr::linear_indexes, "iiOOO", "n", "nd", "s", "sp", "sparsity")
DOC(425, "",
    "Linear indexes of multi-indexes: sp[i] += sum over d < nd of sparsity[i][d] * s[d] for i < "
    "n (64-bit, wrapping); sparsity is a two-dimensional int32 array, one row per element, one "
    "column per dimension. It adds: the caller presets sp (normally to 0; a second call doubles "
    "the indexes). Entries of sp from n on are left alone.")
SAME_AS(427, 425)
FRAGMENT(428, expr::nontrivial_dimensions, "Oi", "eshape", "init")
DOC(428, "count",
    "Non-trivial dimensions: returns init plus the number of entries of eshape (its whole "
    "length) greater than 1, wrapping in 32 bits; sizes 0 and 1 are trivial.")
FRAGMENT(429, expr::outer_with_expression, "OOOiOOOiOOOOOi", "a", "bfix", "cof", "asize", "ebfix", "ecof", "einst", "enz", "eptrb", "esubj", "ptrb", "sub", "subj", "amajor")
DOC(429, "",
    "Outer product of a constant vector with an expression in row form: a has len(a) values at "
    "positions sub in a space of size asize; E has nE = len(eptrb) - 1 rows with row pointers "
    "eptrb (from eptrb[0] = 0; enz = eptrb[nE] terms), terms esubj and ecof, a constant "
    "ebfix[r] and an element index einst[r] per row. One output row k per pair (row r, entry "
    "j): E's row r with coefficients a[j] * ecof, ptrb[k + 1] = ptrb[k] + the row's term count "
    "(ptrb[0] is the caller's), bfix[k] = ebfix[r] * a[j] when bfix is given (None: no "
    "constants), and the element index einst[r] * asize + sub[j] written to einst[k].\n"
    "- amajor = 0: row k = r*len(a) + j, terms in row order from subj[0], cof[0].\n"
    "- amajor != 0: row k = j*nE + r; the enz terms for a[j] at subj[j*enz ..], cof[j*enz ..].\n"
    "Sizes: ptrb nE*len(a) + 1, subj and cof len(a)*enz, bfix nE*len(a). einst is read and "
    "written: its first nE entries are E's indexes (copied aside before anything is written) "
    "and it must hold nE*len(a) entries; a shorter einst raises ValueError naming einst and "
    "nothing is written. An empty a writes nothing.")
FRAGMENT(430, expr::outer_rows, "OOiOOOOii", "a", "cof", "n", "inst", "ptrb", "sub", "subj", "aleft", "m")
DOC(430, "",
    "Rows of an outer product with a vector of variables: x (m variables, named by position) "
    "and a constant vector a of size n, one term per row: subj[k] = the position in x of row "
    "k's variable, cof[k] = its coefficient, ptrb[k + 1] = k + 1 (ptrb[0] is the caller's). a "
    "is dense when len(a) = n (sub and inst are then not touched), otherwise sparse with its "
    "values at positions sub; rows k count from 0 in this order:\n"
    "- dense a, aleft = 0 (x outer a, shape (m, n)): for r < m, i < n: subj = r, cof = a[i].\n"
    "- dense a, aleft != 0 (a outer x, shape (n, m)): for i < n, q < m: subj = q, cof = a[i].\n"
    "- sparse a, aleft = 0: for r < m, each entry j: subj = r, cof = a[j], inst[k] = sub[j] + "
    "r*n.\n"
    "- sparse a, aleft != 0: for each entry j, q < m: subj = q, cof = a[j], inst[k] = sub[j]*m "
    "+ q.\n"
    "m*len(a) rows: subj, cof (and inst for a sparse a) need that many entries, ptrb one more. "
    "Zero values of a are written like others.")
