// Solver rows and semidefinite term groups from expression records.
//
// The record lies on the result stack: ptr in ri32 at ptr_base, nidxs in ri64 at
// nidxs_base, cof and bfix in rf64 at cof_base and bfix_base. Element e has the terms
// k = ri32[ptr_base + e] .. ri32[ptr_base + e + 1] - 1. A term with a negative index is
// on bar element -nidx - 1, wherever it stands in the element (sums concatenate terms,
// so bar terms may follow scalar ones); a group is a maximal run of consecutive such
// terms on one bar variable. Terms with index > 0 are scalar terms; index 0 is nothing.
#include <algorithm>

#include "kernels/expr/record.h"

namespace fragments::shape {

namespace {
// One element's terms seen through the record's runs.
using expr::terms_of;
inline int64_t bar_element(int64_t nidx) { return -1 - nidx; }

// The end of the group that starts at term k (nidxs[k] < 0, on bar variable b): the
// first later term that is not negative or lies on another bar variable.
inline int64_t group_end(int64_t k, int64_t end, int32_t b, Vec<const int64_t> nidxs,
                         Vec<const int32_t> natbarvar_idx) {
  for (++k; k < end && nidxs[k] < 0 && natbarvar_idx[bar_element(nidxs[k])] == b; ++k) {
  }
  return k;
}
}  // namespace

// Count pass over elements 0 .. nelem - 1: adds to ngroups the number of groups, to
// nscalar the number of terms with index > 0 and to nbar the number with index < 0.
// Returns (ngroups, nscalar, nbar).
std::tuple<int32_t, int32_t, int32_t> count_bar_groups(int32_t ngroups, int32_t nscalar,
                                                       Vec<const int32_t> natbarvar_idx, int32_t nelem,
                                                       int32_t nidxs_base, int32_t ptr_base, Vec<const int32_t> ri32,
                                                       Vec<const int64_t> ri64, int32_t nbar) {
  const Vec<const int64_t> nidxs = ri64.from(nidxs_base);
  for (int32_t e = 0; e < nelem; ++e) {
    const auto el = terms_of(ri32, ptr_base, e);
    for (int64_t k = el.first; k < el.end;) {
      if (nidxs[k] < 0) {
        const int32_t b = natbarvar_idx[bar_element(nidxs[k])];
        const int64_t next = group_end(k, el.end, b, nidxs, natbarvar_idx);
        ngroups = add32(ngroups, 1);
        nbar = add32(nbar, static_cast<int32_t>(next - k));
        k = next;
      } else {
        if (nidxs[k] > 0) nscalar = add32(nscalar, 1);
        ++k;
      }
    }
  }
  return {ngroups, nscalar, nbar};
}

// Scalar rows, one per element, written from position 0: first the element's constant
// rf64[bfix_base + e] on column constidx, then each term with index > 0 in order
// (subj = nidx - 1, cof = its coefficient), then, when slack is given, slack[e] with
// coefficient -1.0. ptrb[e + 1] = ptrb[e] + the row's entry count (ptrb[0] is the
// caller's).
void scalar_rows(int32_t bfix_base, int32_t constidx, Vec<double> cof, int32_t cof_base, int32_t nelem,
                 int32_t nidxs_base, int32_t ptr_base, Vec<int64_t> ptrb, Vec<const double> rf64,
                 Vec<const int32_t> ri32, Vec<const int64_t> ri64, Vec<const int32_t> slack, Vec<int32_t> subj) {
  const Vec<const int64_t> nidxs = ri64.from(nidxs_base);
  const Vec<const double> coefficients = rf64.from(cof_base);
  const Vec<const double> bfix = rf64.from(bfix_base);
  int64_t p = 0;
  for (int32_t e = 0; e < nelem; ++e) {
    const int64_t row_start = p;
    subj[p] = constidx;
    cof[p] = bfix[e];
    ++p;
    p = expr::copy_scalar_terms(nidxs, coefficients, terms_of(ri32, ptr_base, e), subj, cof, p);
    if (slack) {
      subj[p] = slack[e];
      cof[p] = -1.0;
      ++p;
    }
    ptrb[int64_t{e} + 1] = add64(ptrb[e], p - row_start);
  }
}

// The bar element positions of the lower triangles of msize × msize bar variables, in
// the column order of their layout: for o < nouter, for column c < ncols, for row
// r = c .. msize - 1, for l < nper: nativeidxs[p++] = natbarvar_ptr[o × nper + l] + off + r,
// where off + r (off = c(2 msize - 1 - c)/2) is the place of (r, c) within one variable.
void bar_element_positions(int32_t msize, int32_t nouter, int32_t ncols, int32_t nper,
                           Vec<const int64_t> natbarvar_ptr, Vec<int64_t> nativeidxs) {
  // Columns from msize on have no rows r >= c.
  const int32_t cols = std::min(ncols, msize);
  if (!all_positive(nouter, cols, nper)) return;
  int64_t p = 0;
  for (int32_t o = 0; o < nouter; ++o)
    for (int32_t c = 0; c < cols; ++c) {
      const int64_t off = int64_t{c} * (2 * int64_t{msize} - 1 - c) / 2;
      for (int32_t r = c; r < msize; ++r)
        for (int32_t l = 0; l < nper; ++l, ++p)
          nativeidxs[p] = add64(natbarvar_ptr[int64_t{o} * nper + l], off + r);
    }
}

// Semidefinite build over elements 0 .. nelem - 1, continuing at entry m and group g:
// per group on bar variable b, each term k with q = -nidx - 1 gives matsubi[m] =
// natbarvar_i[q], matsubj[m] = natbarvar_j[q] and matcof[m] = its coefficient on the
// diagonal, half of it off the diagonal (one of two symmetric positions); m += 1. The
// group closes with barsubj[g] = b, matdim[g] = natbarvar_dim[b], matnnz[g] = its term
// count; g += 1. After element e, ptr[e + 1] = g. Returns (m, g); the caller starts
// with m = g = 0 and ptr[0] = 0.
std::tuple<int32_t, int32_t> bar_groups(int32_t m, int32_t g, Vec<int32_t> barsubj, int32_t cof_base,
                                        Vec<double> matcof, Vec<int32_t> matdim, Vec<int64_t> matnnz,
                                        Vec<int32_t> matsubi, Vec<int32_t> matsubj, Vec<const int32_t> natbarvar_dim,
                                        Vec<const int32_t> natbarvar_i, Vec<const int32_t> natbarvar_idx,
                                        Vec<const int32_t> natbarvar_j, int32_t nidxs_base, int32_t nelem,
                                        Vec<int64_t> ptr, int32_t ptr_base, Vec<const double> rf64,
                                        Vec<const int32_t> ri32, Vec<const int64_t> ri64) {
  const Vec<const int64_t> nidxs = ri64.from(nidxs_base);
  const Vec<const double> coefficients = rf64.from(cof_base);
  for (int32_t e = 0; e < nelem; ++e) {
    const auto el = terms_of(ri32, ptr_base, e);
    for (int64_t k = el.first; k < el.end;) {
      if (nidxs[k] >= 0) {
        ++k;
        continue;
      }
      const int32_t b = natbarvar_idx[bar_element(nidxs[k])];
      const int64_t next = group_end(k, el.end, b, nidxs, natbarvar_idx);
      const int64_t count = next - k;
      for (; k < next; ++k) {
        const int64_t q = bar_element(nidxs[k]);
        const int32_t i = natbarvar_i[q];
        const int32_t j = natbarvar_j[q];
        matsubi[m] = i;
        matsubj[m] = j;
        matcof[m] = i == j ? coefficients[k] : coefficients[k] * 0.5;
        m = add32(m, 1);
      }
      barsubj[g] = b;
      matdim[g] = natbarvar_dim[b];
      matnnz[g] = count;
      g = add32(g, 1);
    }
    ptr[int64_t{e} + 1] = g;
  }
  return {m, g};
}

}  // namespace fragments::shape

TOPIC("Solver rows and semidefinite term groups from expression records")
FRAGMENT(46, shape::bar_element_positions, "iiiiOO", "msize", "nouter", "ncols", "nper", "natbarvar_ptr", "nativeidxs")
DOC(46, "",
    "Bar element positions of lower triangles: for o < nouter, column c < ncols, row r = c .. "
    "msize - 1 and l < nper (innermost): nativeidxs[p] = natbarvar_ptr[o * nper + l] + c * (2 * "
    "msize - 1 - c) / 2 + r, p = 0, 1, ...: the position of entry (r, c) of bar variable o * nper "
    "+ l, whose elements run column by column from natbarvar_ptr (as _c_closure_3 lays them out). "
    "The values are positions, not signed indexes (_c_closure_151 encodes them as -p - 1).\n"
    "nativeidxs needs nouter * nper * (msize + (msize - 1) + ... + (msize - ncols + 1)) entries, "
    "nouter * nper * msize * (msize + 1) / 2 for ncols = msize; natbarvar_ptr needs nouter * nper.")
FRAGMENT(53, shape::count_bar_groups, "iiOiiiOOi", "ngroups", "nscalar", "natbarvar_idx", "nelem", "nidxs_base", "ptr_base", "ri32", "ri64", "nbar")
DOC(53, "ngroups, nscalar, nbar",
    "Semidefinite groups and scalar terms, the count pass of _c_closure_54 and _c_closure_55: over "
    "the elements e < nelem of the result-stack record (ptr at ri32[ptr_base], nidxs at "
    "ri64[nidxs_base]; element e has the terms ri32[ptr_base + e] .. ri32[ptr_base + e + 1] - 1), "
    "adds 1 to ngroups per group (a maximal run of consecutive terms with index < 0 on one bar "
    "variable natbarvar_idx[-nidx - 1], wherever it stands in the element), the number of terms "
    "with index < 0 to nbar and the number with index > 0 to nscalar; terms with index 0 count in "
    "neither.\n"
    "Returns (ngroups, nscalar, nbar) advanced (32-bit). _c_closure_54 needs nscalar + nelem "
    "entries in subj and cof (nscalar + 2 * nelem with a slack); _c_closure_55 needs nbar entries "
    "in matsubi, matsubj and matcof and ngroups in barsubj, matdim and matnnz.")
FRAGMENT(54, shape::scalar_rows, "iiOiiiiOOOOOO", "bfix_base", "constidx", "cof", "cof_base", "nelem", "nidxs_base", "ptr_base", "ptrb", "rf64", "ri32", "ri64", "slack", "subj")
DOC(54, "",
    "Scalar solver rows, the build pass sized by _c_closure_53: one row per element e < nelem of "
    "the result-stack record (ptr at ri32[ptr_base], nidxs at ri64[nidxs_base], cof at "
    "rf64[cof_base], bfix at rf64[bfix_base]), written from position 0 of subj and cof: first the "
    "constant, subj = constidx and cof = rf64[bfix_base + e]; then each term with index v > 0 in "
    "stored order, subj = v - 1 and cof = its coefficient; then, when slack is given, subj = "
    "slack[e] and cof = -1.0. Terms with index <= 0 are left out (bar terms go to _c_closure_55).\n"
    "ptrb[e + 1] = ptrb[e] + the row's entry count; ptrb[0] is the caller's and is not written, "
    "and row e stands at subj[ptrb[e] - ptrb[0] .. ptrb[e + 1] - ptrb[0] - 1]. subj and cof need "
    "nscalar + nelem entries (nscalar + 2 * nelem with slack), nscalar from _c_closure_53; ptrb "
    "needs nelem + 1 and slack nelem.")
FRAGMENT(55, shape::bar_groups, "iiOiOOOOOOOOOiiOiOOO", "m", "g", "barsubj", "cof_base", "matcof", "matdim", "matnnz", "matsubi", "matsubj", "natbarvar_dim", "natbarvar_i", "natbarvar_idx", "natbarvar_j", "nidxs_base", "nelem", "ptr", "ptr_base", "rf64", "ri32", "ri64")
DOC(55, "m, g",
    "Semidefinite term groups, the build pass sized by _c_closure_53: over the elements e < nelem "
    "of the result-stack record (ptr at ri32[ptr_base], nidxs at ri64[nidxs_base], cof at "
    "rf64[cof_base]), for each group (a maximal run of consecutive terms with index < 0 on one bar "
    "variable b = natbarvar_idx[q], q = -nidx - 1, wherever it stands in the element): each of its "
    "terms gives matsubi[m] = natbarvar_i[q], matsubj[m] = natbarvar_j[q] and matcof[m] = its "
    "coefficient on the diagonal (matsubi[m] = matsubj[m]) and half of it off the diagonal, m += "
    "1; then barsubj[g] = b, matdim[g] = natbarvar_dim[b] and matnnz[g] = the group's term count, "
    "g += 1. After element e, ptr[e + 1] = g. Terms with index >= 0 are skipped.\n"
    "Returns (m, g) advanced. The caller passes m = g = 0 and sets ptr[0] = 0 (not written); "
    "matsubi, matsubj and matcof need nbar entries, barsubj, matdim and matnnz ngroups (from "
    "_c_closure_53), ptr nelem + 1.")
