// Native rows and terms from expression records.
//
// The record's runs are read through their bases: on the work stack ptr in wi32 at
// ptrbase, nidxs in wi64 at nidxsbase and cof in wf64 at cofbase (row r has the terms
// t = wi32[ptrbase + r] .. wi32[ptrbase + r + 1] - 1); on the result stack nidxs in
// ri64 at rnidxsbase and cof in rf64 at rcofbase. A term with index v > 0 is on scalar
// variable v - 1, one with v < 0 on bar element -v - 1, one with v = 0 on nothing.
#include "kernels/expr/record.h"

namespace fragments::native {

using expr::terms_of;

namespace {

// The number of terms first .. end - 1 with index > 0 (one branch-free loop).
int64_t scalar_terms_in(Vec<const int64_t> nidxs, int64_t first, int64_t end) {
  return unit_stride([first, end](auto nidxs) {
    uint64_t count = 0;
    for (int64_t t = first; t < end; ++t) count += not_positive64(nidxs[t]) ^ 1;
    return static_cast<int64_t>(count);
  }, nidxs);
}

}  // namespace

// Row counts: rptrb[r + 1] += the number of terms of row r with index > 0, r < n.
// rptrb[0] and the starting values are the caller's (zero-filled for a fresh count).
// Where the rows tile their terms and every term is on a scalar variable (one flat count
// tells), each row adds its length.
void count_row_terms(int32_t n, int32_t nidxsbase, int32_t ptrbase, Vec<int64_t> rptrb, Vec<const int32_t> wi32,
                     Vec<const int64_t> wi64) {
  const Unlocked unlocked(expr::record_work(wi32.from(ptrbase), n));
  const Vec<const int64_t> nidxs = wi64.from(nidxsbase);
  const Vec<const int32_t> ptr = wi32.from(ptrbase);
  const bool all_scalar = n > 0 && !expr::ptr_decreases(ptr, n) && scalar_terms_in(nidxs, ptr[0], ptr[n]) == int64_t{ptr[n]} - ptr[0];
  for (int32_t r = 0; r < n; ++r) {
    const int64_t count = all_scalar ? int64_t{ptr[r + 1]} - ptr[r] : scalar_terms_in(nidxs, ptr[r], ptr[r + 1]);
    rptrb[int64_t{r} + 1] = add64(rptrb[int64_t{r} + 1], count);
  }
}

// Row pointers from counts, in place: rptrb[k] += rptrb[k - 1] for k = 1 .. n.
void running_row_pointers(int32_t n, Vec<int64_t> rptrb) {
  const Unlocked unlocked(n);
  for (int32_t k = 1; k <= n; ++k) rptrb[k] = add64(rptrb[k], rptrb[k - 1]);
}

// Row fill: for rows r < n in order and each term with index v > 0 in stored order,
// rsubj[pos] = v - 1 and rcof[pos] = its coefficient, pos += 1. Returns the final pos.
// Where the rows tile their terms, the terms run as one stretch, block by block.
int32_t fill_rows(int32_t cofbase, int32_t pos, int32_t n, int32_t nidxsbase, int32_t ptrbase, Vec<double> rcof,
                  Vec<int32_t> rsubj, Vec<const double> wf64, Vec<const int32_t> wi32, Vec<const int64_t> wi64) {
  const Unlocked unlocked(expr::record_work(wi32.from(ptrbase), n));
  const Vec<const int64_t> nidxs = wi64.from(nidxsbase);
  const Vec<const double> cof = wf64.from(cofbase);
  const Vec<const int32_t> ptr = wi32.from(ptrbase);
  int64_t p = pos;
  if (n > 0 && !expr::ptr_decreases(ptr, n))
    p = expr::copy_scalar_terms(nidxs, cof, {ptr[0], ptr[n]}, rsubj, rcof, p);
  else
    for (int32_t r = 0; r < n; ++r) p = expr::copy_scalar_terms(nidxs, cof, terms_of(wi32, ptrbase, r), rsubj, rcof, p);
  return static_cast<int32_t>(p);  // the running position wraps like a 32-bit count
}

// init plus the number of rows conidxs[k], k < n, whose slack is a scalar variable.
int32_t count_scalar_slacks(Vec<const int32_t> conidxs, Vec<const int64_t> natconmap_slackidx, int32_t n,
                            int32_t init) {
  int32_t count = init;
  for (int32_t k = 0; k < n; ++k)
    if (natconmap_slackidx[conidxs[k]] > 0) count = add32(count, 1);
  return count;
}

// Slack coefficients: for k < n, row c = conidxs[k] with scalar slack s - 1
// (s = natconmap_slackidx[c] > 0) gets ii[pos] = c, jj[pos] = s - 1, cc[pos] = -1.0,
// pos += 1. Returns the final pos.
int32_t slack_coefficients(Vec<double> cc, Vec<const int32_t> conidxs, Vec<int32_t> ii, Vec<int32_t> jj, int32_t pos,
                           Vec<const int64_t> natconmap_slackidx, int32_t n) {
  for (int32_t k = 0; k < n; ++k) {
    const int32_t c = conidxs[k];
    const int64_t s = natconmap_slackidx[c];
    if (s <= 0) continue;
    ii[pos] = c;
    jj[pos] = static_cast<int32_t>(s - 1);
    cc[pos] = -1.0;
    pos = add32(pos, 1);
  }
  return pos;
}

// Dense rows over the L = len(varidxs) listed variables: row r < n goes to
// cof[pos + r × L .. pos + r × L + L - 1], entry i holding the coefficient of scalar
// variable varidxs[i] (the sum of its terms when the row has several). Needs each row's
// terms in increasing index order and varidxs strictly increasing; entries of variables
// without a term are left alone (the caller zero-fills). Returns pos + n × L.
int32_t dense_rows(Vec<double> cof, int32_t cofbase, int32_t pos, int32_t n, int32_t nidxsbase, int32_t ptrbase,
                   Vec<const int32_t> varidxs, Vec<const double> wf64, Vec<const int32_t> wi32,
                   Vec<const int64_t> wi64) {
  const Unlocked unlocked(expr::record_work(wi32.from(ptrbase), n) + int64_t{n} * varidxs.size());
  const int64_t L = varidxs.size();
  const Vec<const int64_t> nidxs = wi64.from(nidxsbase);
  const Vec<const double> coefficients = wf64.from(cofbase);
  int64_t at = pos;
  for (int32_t r = 0; r < n; ++r) {
    const auto row = terms_of(wi32, ptrbase, r);
    int64_t t = row.first;
    int64_t i = 0;
    while (t < row.end && i < L) {
      const int64_t v = varidxs[i];
      const int64_t w = nidxs[t];
      if (v + 1 < w) {
        ++i;  // no term on this variable
      } else if (v + 1 == w) {
        double sum = coefficients[t];
        for (++t; t < row.end && nidxs[t] == w; ++t) sum += coefficients[t];
        cof[at + i] = sum;
        ++i;
      } else {
        ++t;  // a variable not listed, a bar element or nothing
      }
    }
    at += L;
  }
  return static_cast<int32_t>(at);
}

// Strict increase of varidxs_[0 .. n - 1]: flag (as a boolean) when n <= 1, False when
// flag is 0, else whether every entry is below the next.
bool strictly_increasing(int32_t n, Vec<const int64_t> varidxs_, int32_t flag) {
  if (n <= 1) return flag != 0;
  if (flag == 0) return false;
  for (int32_t k = 0; k + 1 < n; ++k)
    if (varidxs_[k] >= varidxs_[k + 1]) return false;
  return true;
}

// Term census of ri64[rnidxsbase .. + n - 1]: adds the number of indexes > 0 to nscalar
// and of indexes < 0 to nbar; returns (nscalar, nbar).
std::tuple<int32_t, int32_t> count_terms(int32_t nscalar, int32_t rnidxsbase, int32_t n, int32_t nbar,
                                         Vec<const int64_t> ri64) {
  const Unlocked unlocked(n);
  const Vec<const int64_t> nidxs = ri64.from(rnidxsbase);
  for (int32_t k = 0; k < n; ++k) {
    if (nidxs[k] > 0) nscalar = add32(nscalar, 1);
    if (nidxs[k] < 0) nbar = add32(nbar, 1);
  }
  return {nscalar, nbar};
}

// Scalar terms of the n result-stack terms, compactly from 0: for each index v > 0 in
// order, subj[c] = v - 1 and cof[c] = its coefficient, c = 0, 1, ...
void scalar_terms(Vec<double> cof, int32_t rcofbase, int32_t rnidxsbase, int32_t n, Vec<const double> rf64,
                  Vec<const int64_t> ri64, Vec<int32_t> subj) {
  const Unlocked unlocked(n);
  const Vec<const int64_t> nidxs = ri64.from(rnidxsbase);
  const Vec<const double> coefficients = rf64.from(rcofbase);
  expr::copy_scalar_terms(nidxs, coefficients, {0, n}, subj, cof, 0);
}

// Bar terms of the n result-stack terms, compactly from 0: for each index v < 0 in
// order, on bar element p = -v - 1: subj[c], subk[c], subl[c] = its bar variable, row
// and column; val[c] = the coefficient on the diagonal and half of it off the diagonal
// (the lower of two equal symmetric entries). Indexes >= 0 are skipped.
void bar_terms(int32_t rcofbase, Vec<const int32_t> natbarvar_i, Vec<const int32_t> natbarvar_idx,
               Vec<const int32_t> natbarvar_j, int32_t rnidxsbase, int32_t n, Vec<const double> rf64,
               Vec<const int64_t> ri64, Vec<int32_t> subj, Vec<int32_t> subk, Vec<int32_t> subl, Vec<double> val) {
  const Unlocked unlocked(n);
  const Vec<const int64_t> nidxs = ri64.from(rnidxsbase);
  const Vec<const double> coefficients = rf64.from(rcofbase);
  int64_t c = 0;
  for (int32_t k = 0; k < n; ++k) {
    const int64_t v = nidxs[k];
    if (v >= 0) continue;
    const int64_t p = -1 - v;
    const int32_t i = natbarvar_i[p];
    const int32_t j = natbarvar_j[p];
    subj[c] = natbarvar_idx[p];
    subk[c] = i;
    subl[c] = j;
    val[c] = i == j ? coefficients[k] : coefficients[k] * 0.5;
    ++c;
  }
}

}  // namespace fragments::native

TOPIC("Native rows and terms from expression records")
FRAGMENT(16, native::count_row_terms, "iiiOOO", "n", "nidxsbase", "ptrbase", "rptrb", "wi32", "wi64")
DOC(16, "",
    "Row counts, the count pass of _c_closure_18: for each row r < n of the work-stack "
    "record (ptr at wi32[ptrbase], nidxs at wi64[nidxsbase]), adds to rptrb[r + 1] the number of its "
    "terms on scalar variables (index > 0).\n"
    "rptrb needs n + 1 entries; rptrb[0] and the starting counts are the caller's (zero-filled for a "
    "fresh count). Then _c_closure_17 turns the counts into row pointers.")
FRAGMENT(17, native::running_row_pointers, "iO", "n", "rptrb")
DOC(17, "",
    "Row pointers from row counts: in place, rptrb[k] += rptrb[k - 1] for k = 1 .. n (the step "
    "between _c_closure_16 and _c_closure_18). rptrb needs n + 1 entries; n = 0 changes nothing.")
FRAGMENT(18, native::fill_rows, "iiiiiOOOOO", "cofbase", "pos", "n", "nidxsbase", "ptrbase", "rcof", "rsubj", "wf64", "wi32", "wi64")
DOC(18, "pos",
    "Row fill, the build pass of compressed rows sized by _c_closure_16 and _c_closure_17: walks rows r < n of the "
    "work-stack record (ptr at wi32[ptrbase], nidxs at wi64[nidxsbase], cof at wf64[cofbase]) and "
    "each row's terms in stored order; a term with index v > 0 gets rsubj[pos] = v - 1 and rcof[pos] "
    "= its coefficient, and pos advances. Terms with index <= 0 (bar elements, nothing) are skipped.\n"
    "With pos = rptrb[0] the entries of row r land at rptrb[r] .. rptrb[r + 1] - 1, so rsubj and rcof "
    "need rptrb[n] entries. The kernel leaves rptrb alone.\n"
    "Returns the final pos (a 32-bit running position).")
FRAGMENT(19, native::count_scalar_slacks, "OOii", "conidxs", "natconmap_slackidx", "n", "init")
DOC(19, "count",
    "Slack count, the count pass of _c_closure_20: returns init plus the number of rows conidxs[k], k < n, whose slack "
    "is a scalar variable (natconmap_slackidx[conidxs[k]] > 0).")
FRAGMENT(20, native::slack_coefficients, "OOOOiOi", "cc", "conidxs", "ii", "jj", "pos", "natconmap_slackidx", "n")
DOC(20, "pos",
    "Slack coefficients, the build pass sized by _c_closure_19: for k < n, row c = conidxs[k] "
    "whose slack code s = natconmap_slackidx[c] is > 0 gets the coordinate entry ii[pos] = c, jj[pos] "
    "= s - 1, cc[pos] = -1.0, and pos advances; rows without a scalar slack are skipped.\n"
    "ii, jj and cc need room at pos .. pos + count - 1, count being what _c_closure_19 adds. Returns "
    "the final pos.")
FRAGMENT(21, native::dense_rows, "OiiiiiOOOO", "cof", "cofbase", "pos", "n", "nidxsbase", "ptrbase", "varidxs", "wf64", "wi32", "wi64")
DOC(21, "pos",
    "Dense rows over listed variables: with L = len(varidxs), row r < n of the work-stack record "
    "(ptr at wi32[ptrbase], nidxs at wi64[nidxsbase], cof at wf64[cofbase]) goes to cof[pos + r*L .. "
    "pos + r*L + L - 1], entry i holding the coefficient of scalar variable varidxs[i] (the sum of "
    "its terms when the row has several).\n"
    "Needs each row's terms in increasing index order and varidxs strictly increasing (_c_closure_22 "
    "tests that). Entries of variables without a term are left alone: the caller zero-fills cof, "
    "which needs pos + n*L entries. Terms on variables not listed, on bar elements or on nothing are "
    "skipped.\n"
    "Returns pos + n*L.")
SAME_AS(23, 21)
FRAGMENT(22, native::strictly_increasing, "iOi", "n", "varidxs_", "flag")
DOC(22, "increasing",
    "Strict increase test: of varidxs_[0 .. n - 1], flag (as a boolean) when n <= 1; False when flag "
    "is 0; otherwise True when every entry is below the next. Only the first n entries are read; flag "
    "lets a caller chain tests.")
FRAGMENT(24, native::count_terms, "iiiiO", "nscalar", "rnidxsbase", "n", "nbar", "ri64")
DOC(24, "nscalar, nbar",
    "Term census, the count pass of _c_closure_25 and _c_closure_26: over the n indexes "
    "ri64[rnidxsbase + k], adds 1 to nscalar for each index > 0 (a scalar-variable term) and 1 to "
    "nbar for each index < 0 (a bar element term); zeros count in neither.\n"
    "Returns (nscalar, nbar) advanced: the sizes of the scalar and bar parts of the run.")
FRAGMENT(25, native::scalar_terms, "OiiiOOO", "cof", "rcofbase", "rnidxsbase", "n", "rf64", "ri64", "subj")
DOC(25, "",
    "Scalar terms of a result-stack run, sized by _c_closure_24: for each k < n with index "
    "v = ri64[rnidxsbase + k] > 0, in order, writes subj[c] = v - 1 and cof[c] = rf64[rcofbase + k], "
    "c counting from 0. subj and cof need nscalar entries.")
FRAGMENT(26, native::bar_terms, "iOOOiiOOOOOO", "rcofbase", "natbarvar_i", "natbarvar_idx", "natbarvar_j", "rnidxsbase", "n", "rf64", "ri64", "subj", "subk", "subl", "val")
DOC(26, "",
    "Bar terms of a result-stack run, sized by _c_closure_24: for each k < n with index v = "
    "ri64[rnidxsbase + k] < 0, in order, on bar element p = -v - 1: subj[c] = natbarvar_idx[p] (its "
    "bar variable), subk[c] = natbarvar_i[p], subl[c] = natbarvar_j[p] (row and column), and val[c] = "
    "the coefficient on the diagonal and half of it off the diagonal (the lower of the two equal "
    "entries of a symmetric coefficient matrix); c counts from 0. Indexes >= 0 are skipped. subj, "
    "subk, subl and val need nbar entries.")
