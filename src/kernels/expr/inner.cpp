// Inner products of a constant sparse vector with an expression.
//
// The vector is given by the strictly increasing linear indexes vsub of its non-zeros
// (into the operand's shape; their number is vsub's length) and their values vcof. The
// product is one scalar affine expression: Σ k of vcof[k] × element vsub[k] of the
// operand. Its terms are appended to the result stack and its constant is returned; the
// caller writes the scalar's ptr entry. The operand lies on the work stack.
#include "kernels/expr/record.h"

namespace fragments::expr {

namespace {

// Calls take(k, e) for every entry k of vsub that selects a stored element e of the
// operand, in increasing k. A dense operand stores every element: e = vsub[k]. A sparse
// operand of count stored elements with linear indexes sp[0 .. count - 1] stores the
// element vsub[k] only if some sp[e] equals it; the two increasing lists are merged, so
// an entry the operand does not store selects nothing.
template <class Take>
void for_each_selected(int32_t sparse, int32_t count, Vec<const int64_t> wi64, int32_t spbase,
                       Vec<const int64_t> vsub, Take take) {
  const int64_t n = vsub.size();
  if (!sparse) {
    for (int64_t k = 0; k < n; ++k) take(k, vsub[k]);
    return;
  }
  const Vec<const int64_t> sp = wi64.from(spbase);
  int64_t k = 0, e = 0;
  while (k < n && e < count) {
    if (sp[e] < vsub[k]) {
      ++e;
    } else if (vsub[k] < sp[e]) {
      ++k;
    } else {
      take(k, e);
      ++k;
      ++e;
    }
  }
}

}  // namespace

// Checks a coefficient pattern: returns (badrange or vsub is non-empty with vsub[0] < 0
// or its last entry beyond limit, unsorted or some vsub[k + 1] <= vsub[k]). limit is the
// largest valid linear index; only the first and last entries are range-tested, which
// covers a sorted vsub.
std::tuple<bool, bool> check_coefficient_pattern(int32_t badrange, int32_t unsorted, int64_t limit,
                                                 Vec<const int64_t> vsub) {
  const int64_t n = vsub.size();
  bool out_of_range = badrange != 0;
  bool out_of_order = unsorted != 0;
  if (n > 0 && (vsub[0] < 0 || vsub[n - 1] > limit)) out_of_range = true;
  for (int64_t k = 0; k + 1 < n && !out_of_order; ++k)
    if (vsub[k + 1] <= vsub[k]) out_of_order = true;
  return {out_of_range, out_of_order};
}

// Count pass: rnnz plus the number of terms of the operand elements that vsub selects
// (row lengths from the ptr run wi32[ptrbase ..]; sp at wi64[spbase ..] when sparse),
// wrapping in 32 bits.
int32_t inner_product_terms(int32_t sparse, int32_t count, int32_t ptrbase, int32_t rnnz, int32_t spbase,
                            Vec<const int64_t> vsub, Vec<const int32_t> wi32, Vec<const int64_t> wi64) {
  for_each_selected(sparse, count, wi64, spbase, vsub, [&](int64_t, int64_t e) {
    const TermRange terms = terms_of(wi32, ptrbase, e);
    rnnz = add32(rnnz, static_cast<int32_t>(terms.end - terms.first));
  });
  return rnnz;
}

// Build pass: for each selected pair (k, e), appends e's terms scaled by vcof[k] at result
// term positions rnnz onward (ri64[rnidxsbase + ..], rf64[rcofbase + ..]) and adds
// vcof[k] × e's constant to constant. Returns (constant, rnnz after the last term).
std::tuple<double, int32_t> inner_product(double constant, int32_t bfixbase, int32_t cofbase, int32_t sparse,
                                          int32_t rnnz, int32_t count, int32_t nidxsbase, int32_t ptrbase,
                                          int32_t rcofbase, Vec<double> rf64, Vec<int64_t> ri64, int32_t rnidxsbase,
                                          int32_t spbase, Vec<const double> vcof, Vec<const int64_t> vsub,
                                          Vec<const double> wf64, Vec<const int32_t> wi32, Vec<const int64_t> wi64) {
  const Vec<int64_t> rnidxs = ri64.from(rnidxsbase);
  const Vec<double> rcof = rf64.from(rcofbase);
  const Vec<const int64_t> nidxs = wi64.from(nidxsbase);
  const Vec<const double> cof = wf64.from(cofbase);
  const Vec<const double> bfix = wf64.from(bfixbase);
  for_each_selected(sparse, count, wi64, spbase, vsub, [&](int64_t k, int64_t e) {
    const TermRange terms = terms_of(wi32, ptrbase, e);
    for (int64_t j = terms.first; j < terms.end; ++j) {
      rnidxs[rnnz] = nidxs[j];
      rcof[rnnz] = vcof[k] * cof[j];
      rnnz = add32(rnnz, 1);
    }
    constant += vcof[k] * bfix[e];
  });
  return {constant, rnnz};
}

// res[k] += Σ d < nd of vsub(k, d) × s[d] for every row k of vsub: the linear indexes of
// coordinate rows given the strides s (the caller zero-fills res for a plain conversion).
void linear_indexes_of_rows(int32_t nd, Vec<int64_t> res, Vec<const int64_t> s, Mat<const int32_t> vsub) {
  add_linear_indexes(vsub.rows(), nd, vsub, s, res);
}

}  // namespace fragments::expr

TOPIC("Inner products of a constant sparse vector with an expression")
FRAGMENT(289, expr::check_coefficient_pattern, "iiLO", "badrange", "unsorted", "limit", "vsub")
DOC(289, "badrange, unsorted",
    "Coefficient pattern check, before _c_closure_290 and _c_closure_291: returns (badrange != "
    "0 or vsub is non-empty with vsub[0] < 0 or its last entry > limit, unsorted != 0 or some "
    "vsub[k + 1] <= vsub[k]). limit is the largest valid linear index (the operand's size - 1): "
    "an entry equal to it is in range, unlike the size of _c_closure_316. Only the first and "
    "last entries are range-tested, which covers a sorted vsub; the entries are as many as vsub "
    "holds. An empty vsub returns the flags as passed.")
FRAGMENT(290, expr::inner_product_terms, "iiiiiOOO", "sparse", "count", "ptrbase", "rnnz", "spbase", "vsub", "wi32", "wi64")
DOC(290, "rnnz",
    "Inner product terms, the count pass of _c_closure_291: returns rnnz plus the term counts "
    "(from the ptr run at wi32[ptrbase]) of the operand elements that vsub selects, wrapping in "
    "32 bits. With a dense operand (sparse = 0) entry k selects stored element vsub[k]; with a "
    "sparse one (count stored elements, sp at wi64[spbase]) vsub is merged with sp and an entry "
    "the operand does not store selects nothing. The entries are as many as vsub holds "
    "(strictly increasing).")
FRAGMENT(291, expr::inner_product, "diiiiiiiiOOiiOOOOO", "constant", "bfixbase", "cofbase", "sparse", "rnnz", "count", "nidxsbase", "ptrbase", "rcofbase", "rf64", "ri64", "rnidxsbase", "spbase", "vcof", "vsub", "wf64", "wi32", "wi64")
DOC(291, "constant, rnnz",
    "Inner product with a sparse vector, the build pass sized by _c_closure_290: the scalar sum "
    "over k of vcof[k] times operand element vsub[k]. Selects elements as 290 does (count and "
    "spbase read only when sparse != 0) and, for each selected pair (k, e) in increasing k, "
    "appends e's terms (ptr at wi32[ptrbase], nidxs at wi64[nidxsbase], cof at wf64[cofbase]) "
    "with coefficients vcof[k] * cof at ri64[rnidxsbase + rnnz], rf64[rcofbase + rnnz], rnnz += "
    "1 each, and adds vcof[k] * wf64[bfixbase + e] to constant. Equal variables are not merged.\n"
    "Returns (constant, rnnz) advanced. Writes no ptr or bfix entry: the caller writes the "
    "scalar's ptr entry (the returned rnnz) and stores the returned constant as its bfix.")
FRAGMENT(293, expr::linear_indexes_of_rows, "iOOO", "nd", "res", "s", "vsub")
DOC(293, "",
    "Linear indexes of coordinate rows: for each row k of the two-dimensional int32 array vsub "
    "(row count and strides from the array), res[k] += sum over d < nd of vsub[k][d] * s[d] "
    "(64-bit, wrapping). It adds: zero-fill res for a plain conversion; res needs as many "
    "entries as vsub has rows, s nd strides (e.g. from _c_closure_424).")
