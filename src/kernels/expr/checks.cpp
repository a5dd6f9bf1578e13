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
  int32_t product = init;
  for (int64_t k = 0; k < vals.size(); ++k) product = mul32(product, vals[k]);
  return product;
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
      norvak_4velmo_4Utils_4Tools_4arraycopy___3JJ_3JJJ(esubj.data(), esubj.stride(), 0, subj.data(),
                                                        subj.stride(), at, enz);
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
FRAGMENT(423, expr::product_of_entries, "iO", "init", "vals")
FRAGMENT(424, expr::strides_of, "iOO", "nd", "s", "shp")
SAME_AS(426, 424)
FRAGMENT(425, expr::linear_indexes, "iiOOO", "n", "nd", "s", "sp", "sparsity")
SAME_AS(427, 425)
FRAGMENT(428, expr::nontrivial_dimensions, "Oi", "eshape", "init")
FRAGMENT(429, expr::outer_with_expression, "OOOiOOOiOOOOOi", "a", "bfix", "cof", "asize", "ebfix", "ecof", "einst", "enz", "eptrb", "esubj", "ptrb", "sub", "subj", "amajor")
FRAGMENT(430, expr::outer_rows, "OOiOOOOii", "a", "cof", "n", "inst", "ptrb", "sub", "subj", "aleft", "m")
