// Sums and weighted sums of expressions.
//
// Every result element holds the terms of the operands that store it, operand by
// operand and each operand's terms in stored order, with coefficients multiplied by
// the operand's weight; its constant is the weighted sum of their constants. Terms are
// concatenated, never merged or dropped. Sparse results come from merging the operands'
// sp runs; dense results from counting terms per element, a prefix sum and a fill.
#include "kernels/expr/record.h"

namespace fragments::expr {
namespace {

// rnidxs[u] = nidxs[u] and rcof[u] = weight * cof[u] for u < count, in one loop (the
// vectorised one for contiguous runs).
void scale_terms(Vec<const int64_t> nidxs, Vec<const double> cof, int32_t count, double weight, Vec<int64_t> rnidxs,
                 Vec<double> rcof) {
  copy_elements(nidxs, rnidxs, count);
  transform_elements(cof, rcof, count, [weight](double c) { return weight * c; });
}

// Whether ptr[0] = ptr[1] = ... = ptr[n]: n elements without terms.
bool no_terms(Vec<const int32_t> ptr, int32_t n) {
  return unit_stride([n](auto ptr) {
    int differ = 0;
    for (int32_t j = 1; j <= n; ++j) differ |= ptr[j] != ptr[0];
    return differ == 0;
  }, ptr);
}

// Whether sp[0 .. n - 1] increases strictly and lies in [0, size).
bool increasing_within(Vec<const int64_t> sp, int32_t n, int32_t size) {
  if (n <= 0) return true;
  if (sp[0] < 0 || sp[int64_t{n} - 1] >= size) return false;
  return unit_stride([n](auto sp) {
    uint64_t not_up = 0;
    for (int32_t j = 1; j < n; ++j) not_up |= below64(sp[j - 1], sp[j]) ^ 1;
    return not_up == 0;
  }, sp);
}

// nelem[0] + ... + nelem[n - 1], in 64 bits.
int64_t total_elements(int32_t n, Vec<const int32_t> nelem) {
  int64_t total = 0;
  for (int32_t i = 0; i < n; ++i) total += nelem[i];
  return total;
}

// The term count of stored element j of an operand, wrapping in 32 bits.
int32_t term_count(const RecordIn& a, int64_t j) { return static_cast<int32_t>(a.length(j)); }

// Appends the terms of stored element j of operand a, each coefficient times weight, to
// the result's term positions t ..; returns the position after them.
int32_t append_weighted(const RecordIn& a, int64_t j, double weight, const RecordOut& r, int32_t t) {
  return append_terms(a.nidxs, a.cof, a.terms(j), weight, r.nidxs, r.cof, t);
}

// Walks the union of two strictly increasing sp runs in increasing linear index. For
// each union element calls visit(index, i, j) with the stored positions in a and b,
// -1 for an operand that does not store it. Returns the number of union elements.
template <class Visit>
int32_t merge_two(Vec<const int64_t> sp_a, int32_t nelem_a, Vec<const int64_t> sp_b, int32_t nelem_b, Visit visit) {
  int32_t i = 0, j = 0, count = 0;
  for (; i < nelem_a && j < nelem_b; ++count) {
    const int64_t x = sp_a[i], y = sp_b[j];
    if (x < y)
      visit(x, i++, -1);
    else if (y < x)
      visit(y, -1, j++);
    else
      visit(x, i++, j++);
  }
  for (; i < nelem_a; ++i, ++count) visit(sp_a[i], i, -1);
  for (; j < nelem_b; ++j, ++count) visit(sp_b[j], -1, j);
  return count;
}

// Walks the union of the sp runs of n sparse operands with the cursors cur (n zeros).
// Per union element k (from 0), in increasing linear index m: calls take(i, p, k) for
// every operand i (in order) whose stored element p has index m, then done(k, m).
// Returns the number of union elements.
template <class Take, class Done>
int32_t merge_list(int32_t n, Vec<const int32_t> nelem, Vec<const int32_t> sp_base, Vec<const int64_t> wi64,
                   Scratch<int32_t>& cur, Take take, Done done) {
  auto index_at = [&](int32_t i) { return wi64[int64_t{sp_base[i]} + cur[i]]; };
  int32_t steps = 0;
  for (;;) {
    bool any = false;
    int64_t m = 0;
    for (int32_t i = 0; i < n; ++i) {
      if (cur[i] >= nelem[i]) continue;
      const int64_t x = index_at(i);
      if (!any || x < m) m = x;
      any = true;
    }
    if (!any) return steps;
    for (int32_t i = 0; i < n; ++i)
      if (cur[i] < nelem[i] && index_at(i) == m) take(i, cur[i]++, steps);
    done(steps, m);
    ++steps;
  }
}

}  // namespace

// Dense a plus dense b, both of rnelem elements, written piecewise: terms from
// rnidxs/rcof + rnnz on, ri32[rptr + 1 .. rptr + rnelem] and rbfix[0 .. rnelem - 1];
// ptr[0] is the caller's. Returns rnnz plus the number of terms written.
int32_t sum_dense_dense(int32_t bfix_a, int32_t bfix_b, int32_t cof_a, int32_t cof_b, int32_t rnnz, double wa,
                        double wb, int32_t nidxs_a, int32_t nidxs_b, int32_t ptr_a, int32_t ptr_b, int32_t rbfix,
                        int32_t rcof, Vec<double> rf64, Vec<int32_t> ri32, Vec<int64_t> ri64, int32_t rnelem,
                        int32_t rnidxs, int32_t rptr, Vec<const double> wf64, Vec<const int32_t> wi32,
                        Vec<const int64_t> wi64) {
  const Unlocked unlocked(record_work(wi32.from(ptr_a), rnelem) + record_work(wi32.from(ptr_b), rnelem));
  return unit_stride([&](auto wi32, auto wi64, auto wf64, auto ri32, auto ri64, auto rf64) {
    const auto a_ptr = wi32.from(ptr_a), b_ptr = wi32.from(ptr_b);
    const auto a_nidxs = wi64.from(nidxs_a), b_nidxs = wi64.from(nidxs_b);
    const auto a_cof = wf64.from(cof_a), b_cof = wf64.from(cof_b), a_bfix = wf64.from(bfix_a), b_bfix = wf64.from(bfix_b);
    const auto out_nidxs = ri64.from(rnidxs);
    const auto out_cof = rf64.from(rcof), out_bfix = rf64.from(rbfix);
    const auto out_ptr = ri32.from(rptr);
    int32_t t = rnnz;
    for (int32_t j = 0; j < rnelem; ++j) {
      t = append_terms(a_nidxs, a_cof, TermRange{a_ptr[j], a_ptr[j + 1]}, wa, out_nidxs, out_cof, t);
      t = append_terms(b_nidxs, b_cof, TermRange{b_ptr[j], b_ptr[j + 1]}, wb, out_nidxs, out_cof, t);
      out_ptr[j + 1] = t;
      out_bfix[j] = wa * a_bfix[j] + wb * b_bfix[j];
    }
    return t;
  }, wi32, wi64, wf64, ri32, ri64, rf64);
}

// Dense a (nelem_a elements) plus sparse b (nelem_b stored elements, sp at sp_b): a fresh
// dense record of rnelem elements with ptr[0] = 0, and its shape run copied from wshape
// (nd entries) to rshape. Within an element a's terms precede b's.
void sum_dense_sparse(int32_t bfix_a, int32_t bfix_b, int32_t cof_a, int32_t cof_b, double wa, double wb,
                      int32_t nelem_a, int32_t nelem_b, int32_t nidxs_a, int32_t nidxs_b, int32_t ptr_a,
                      int32_t ptr_b, int32_t rbfix, int32_t rcof, Vec<double> rf64, Vec<int32_t> ri32,
                      Vec<int64_t> ri64, int32_t nd, int32_t rnelem, int32_t rnidxs, int32_t rptr, int32_t rshape,
                      int32_t wshape, int32_t sp_b, Vec<const double> wf64, Vec<const int32_t> wi32,
                      Vec<const int64_t> wi64) {
  const Unlocked unlocked(record_work(wi32.from(ptr_a), nelem_a) + record_work(wi32.from(ptr_b), nelem_b) + rnelem);
  const RecordIn a = operand_record(wi32, wi64, wf64, ptr_a, nidxs_a, cof_a, bfix_a);
  const RecordIn b = operand_record(wi32, wi64, wf64, ptr_b, nidxs_b, cof_b, bfix_b);
  const Vec<const int64_t> sp = wi64.from(sp_b);
  const ScatterWriter out{result_record(ri32, ri64, rf64, rptr, rnidxs, rcof, rbfix)};
  const RecordOut& r = out.r;

  copy_elements(wi32.from(wshape), ri32.from(rshape), nd);
  if (nelem_a <= rnelem && increasing_within(sp, nelem_b, rnelem)) {
    // b's elements come in increasing element order: one walk over the result elements.
    // When a has no terms the result's terms are b's, in order, copied in one loop.
    const bool b_terms_only = no_terms(a.ptr, nelem_a) && !ptr_decreases(b.ptr, nelem_b);
    int32_t t = 0;
    r.ptr[0] = 0;
    for (int32_t e = 0, j = 0; e < rnelem; ++e) {
      if (e < nelem_a) {
        t = b_terms_only ? t + term_count(a, e) : append_weighted(a, e, wa, r, t);
        r.bfix[e] = wa * a.bfix[e];
      }
      if (j < nelem_b && sp[j] == e) {
        t = b_terms_only ? t + term_count(b, j) : append_weighted(b, j, wb, r, t);
        r.bfix[e] += wb * b.bfix[j];
        ++j;
      }
      r.ptr[int64_t{e} + 1] = t;
    }
    if (b_terms_only && nelem_b > 0)
      scale_terms(b.nidxs.from(b.ptr[0]), b.cof.from(b.ptr[0]), b.ptr[nelem_b] - b.ptr[0], wb, r.nidxs, r.cof);
    return;
  }
  for (int32_t e = 0; e <= rnelem; ++e) r.ptr[e] = 0;
  for (int32_t j = 0; j < nelem_a; ++j) out.count(j, term_count(a, j));
  for (int32_t j = 0; j < nelem_b; ++j) out.count(sp[j], term_count(b, j));
  out.prefix_sum(rnelem);
  for (int32_t j = 0; j < nelem_a; ++j) {
    r.ptr[j] = append_weighted(a, j, wa, r, r.ptr[j]);
    r.bfix[j] = wa * a.bfix[j];
  }
  for (int32_t j = 0; j < nelem_b; ++j) out.fill(sp[j], b, j, wb);
  out.shift_back(rnelem);
}

// Count pass of sum_sparse_sparse: rnelem plus the number of distinct linear indexes in
// the union of the sp runs wi64[sp_a ..] (nelem_a entries) and wi64[sp_b ..] (nelem_b).
int32_t count_sparse_union(int32_t nelem_a, int32_t nelem_b, int32_t rnelem, int32_t sp_a, int32_t sp_b,
                           Vec<const int64_t> wi64) {
  const Unlocked unlocked(int64_t{nelem_a} + nelem_b);
  const int32_t count = merge_two(wi64.from(sp_a), nelem_a, wi64.from(sp_b), nelem_b, [](int64_t, int32_t, int32_t) {});
  return add32(rnelem, count);
}

// Sparse a plus sparse b: a fresh sparse record (ptr[0] = 0) whose sp is the union of
// the operands' sp runs; element count as count_sparse_union, term count nnz_a + nnz_b.
void sum_sparse_sparse(int32_t bfix_a, int32_t bfix_b, int32_t cof_a, int32_t cof_b, double wa, double wb,
                       int32_t nelem_a, int32_t nelem_b, int32_t nidxs_a, int32_t nidxs_b, int32_t ptr_a,
                       int32_t ptr_b, int32_t rbfix, int32_t rcof, Vec<double> rf64, Vec<int32_t> ri32,
                       Vec<int64_t> ri64, int32_t rnidxs, int32_t rptr, int32_t rsp, int32_t sp_a, int32_t sp_b,
                       Vec<const double> wf64, Vec<const int32_t> wi32, Vec<const int64_t> wi64) {
  const Unlocked unlocked(record_work(wi32.from(ptr_a), nelem_a) + record_work(wi32.from(ptr_b), nelem_b));
  const RecordIn a = operand_record(wi32, wi64, wf64, ptr_a, nidxs_a, cof_a, bfix_a);
  const RecordIn b = operand_record(wi32, wi64, wf64, ptr_b, nidxs_b, cof_b, bfix_b);
  RecordWriter out{sparse_result_record(ri32, ri64, rf64, rptr, rnidxs, rcof, rbfix, rsp)};
  out.start();
  merge_two(wi64.from(sp_a), nelem_a, wi64.from(sp_b), nelem_b, [&](int64_t index, int32_t i, int32_t j) {
    if (i >= 0) out.append(a, i, wa);
    if (j >= 0) out.append(b, j, wb);
    out.close(i < 0 ? wb * b.bfix[j] : j < 0 ? wa * a.bfix[i] : wa * a.bfix[i] + wb * b.bfix[j], index);
  });
}

// True if init is non-zero or some sp_base[0 .. n - 1] is negative (a dense operand).
bool any_dense(int32_t init, int32_t n, Vec<const int32_t> sp_base) {
  if (init != 0) return true;
  for (int32_t i = 0; i < n; ++i)
    if (sp_base[i] < 0) return true;
  return false;
}

// init plus nnz[0] + ... + nnz[n - 1] (wrapping in 32 bits): the term count of a sum.
int32_t total_terms(int32_t n, Vec<const int32_t> nnz, int32_t init) {
  int32_t total = init;
  for (int32_t i = 0; i < n; ++i) total = add32(total, nnz[i]);
  return total;
}

// Count pass of the sparse sum of a list (all n operands sparse): returns (rnelem plus
// the number of distinct linear indexes over their sp runs, rnnz plus the sum of nnz).
std::tuple<int32_t, int32_t> count_sparse_list(int32_t n, Vec<const int32_t> nelem, Vec<const int32_t> nnz,
                                               int32_t rnelem, int32_t rnnz, Vec<const int32_t> sp_base,
                                               Vec<const int64_t> wi64) {
  Scratch<int32_t> cur(n);  // before reading the operands' counts
  const Unlocked unlocked(int64_t{n} * total_elements(n, nelem));
  const int32_t terms = total_terms(n, nnz, rnnz);
  const int32_t count = merge_list(
      n, nelem, sp_base, wi64, cur, [](int32_t, int32_t, int32_t) {}, [](int32_t, int64_t) {});
  return {add32(rnelem, count), terms};
}

// rf64[base .. base + n - 1] = 0.0.
void zero_f64_run(int32_t base, Vec<double> rf64, int32_t n) {
  const Unlocked unlocked(n);
  for (int64_t k = 0; k < n; ++k) rf64[base + k] = 0.0;
}

// ri32[base .. base + n] = 0 (n + 1 entries).
void zero_i32_run(Vec<int32_t> ri32, int32_t n, int32_t base) {
  const Unlocked unlocked(n);
  for (int64_t k = 0; k <= n; ++k) ri32[base + k] = 0;
}

// Weighted sum of a list of n operands on the work stack (bases and counts per operand,
// weights w). anydense = 0: all operands sparse; the result is sparse with the union of
// their sp runs, written from element 0 and term 0 on, ptr[1 ..] (ptr[0] is the
// caller's). anydense != 0: a negative sp_base marks a dense operand; the result is dense
// with rnelem elements and ptr[0] = 0. Both forms add into rbfix and the dense form into
// rptr: the caller zero-fills rbfix (rnelem entries) and rptr (rnelem + 1) first.
void sum_list(int32_t anydense, Vec<const int32_t> bfix_base, Vec<const int32_t> cof_base, int32_t n,
              Vec<const int32_t> nelem, Vec<const int32_t> nidxs_base, Vec<const int32_t> ptr_base, int32_t rbfix,
              int32_t rcof, Vec<double> rf64, Vec<int32_t> ri32, Vec<int64_t> ri64, int32_t rnelem, int32_t rnidxs,
              int32_t rptr, int32_t rsp, Vec<const int32_t> sp_base, Vec<const double> w, Vec<const double> wf64,
              Vec<const int32_t> wi32, Vec<const int64_t> wi64) {
  Scratch<int32_t> cur(anydense == 0 ? n : 0);  // before any write or read
  const Unlocked unlocked(int64_t{n} * total_elements(n, nelem) + rnelem);
  auto op = [&](int32_t i) {
    return operand_record(wi32, wi64, wf64, ptr_base[i], nidxs_base[i], cof_base[i], bfix_base[i]);
  };
  const ScatterWriter out{sparse_result_record(ri32, ri64, rf64, rptr, rnidxs, rcof, rbfix, rsp)};
  const RecordOut& r = out.r;

  if (anydense == 0) {
    int32_t t = 0;
    merge_list(
        n, nelem, sp_base, wi64, cur,
        [&](int32_t i, int32_t p, int32_t k) {
          const RecordIn a = op(i);
          t = append_weighted(a, p, w[i], r, t);
          r.bfix[k] += w[i] * a.bfix[p];
        },
        [&](int32_t k, int64_t m) {
          r.ptr[k + 1] = t;
          r.sp[k] = m;
        });
    return;
  }

  auto element = [&](int32_t i, int32_t j) -> int64_t { return sp_base[i] < 0 ? j : wi64[int64_t{sp_base[i]} + j]; };
  for (int32_t i = 0; i < n; ++i) {
    const RecordIn a = op(i);
    for (int32_t j = 0; j < nelem[i]; ++j) out.count(element(i, j), term_count(a, j));
  }
  out.prefix_sum(rnelem);
  for (int32_t i = 0; i < n; ++i) {
    const RecordIn a = op(i);
    for (int32_t j = 0; j < nelem[i]; ++j) out.fill(element(i, j), a, j, w[i]);
  }
  out.shift_back(rnelem);
}

}  // namespace fragments::expr

TOPIC("Sums and weighted sums of expressions")
FRAGMENT(367, expr::sum_dense_dense, "iiiiiddiiiiiiOOOiiiOOO", "bfix_a", "bfix_b", "cof_a", "cof_b", "rnnz", "wa", "wb",
         "nidxs_a", "nidxs_b", "ptr_a", "ptr_b", "rbfix", "rcof", "rf64", "ri32", "ri64", "rnelem", "rnidxs", "rptr",
         "wf64", "wi32", "wi64")
DOC(367, "rnnz",
    "Dense plus dense, written piecewise: for j = 0 .. rnelem - 1, result element j holds "
    "operand a's terms of element j with coefficients * wa, then operand b's with coefficients "
    "* wb (indexes unchanged, nothing merged or dropped), at ri64[rnidxs + t] and rf64[rcof + "
    "t] with t running from rnnz; then ri32[rptr + j + 1] = t and rf64[rbfix + j] = wa * "
    "wf64[bfix_a + j] + wb * wf64[bfix_b + j]. Both operands are dense records of rnelem "
    "elements on the work stack (ptr at wi32[ptr_a], nidxs at wi64[nidxs_a], cof at "
    "wf64[cof_a], bfix at wf64[bfix_a], likewise for b).\n"
    "No count pass: the result has nnz_a + nnz_b terms, the operands' term counts "
    "(_c_closure_374). ri32 needs rptr + rnelem + 1 entries, ri64 rnidxs + rnnz + nnz_a + "
    "nnz_b, rf64 rcof + rnnz + nnz_a + nnz_b and rbfix + rnelem. ptr[0] (ri32[rptr]) is not "
    "written: the caller sets it (0 for a fresh record, with rnnz = 0). rnelem <= 0 writes "
    "nothing.\n"
    "Returns rnnz plus the terms written.")
FRAGMENT(368, expr::sum_dense_sparse, "iiiiddiiiiiiiiOOOiiiiiiiOOO", "bfix_a", "bfix_b", "cof_a", "cof_b", "wa", "wb",
         "nelem_a", "nelem_b", "nidxs_a", "nidxs_b", "ptr_a", "ptr_b", "rbfix", "rcof", "rf64", "ri32", "ri64", "nd",
         "rnelem", "rnidxs", "rptr", "rshape", "wshape", "sp_b", "wf64", "wi32", "wi64")
DOC(368, "",
    "Dense plus sparse: the dense operand comes first (a, nelem_a = rnelem elements) and the "
    "sparse one second (b, nelem_b stored elements, sp at wi64[sp_b]); for sparse plus dense, "
    "swap the operands and their weights. The result is a dense record of rnelem elements: "
    "element e holds a's terms of e with coefficients * wa, then the terms of b's element "
    "stored at e (if any) with coefficients * wb, indexes unchanged and nothing merged; "
    "rf64[rbfix + e] = wa * a's constant, plus wb * b's when b stores e. Also copies the shape: "
    "ri32[rshape + i] = wi32[wshape + i] for i < nd.\n"
    "Builds the whole record, ptr[0] included (ri32[rptr] = 0; ptr needs no zero-filling), "
    "terms packed from position 0. No count pass: with nnz_a and nnz_b the operands' term "
    "counts, ri32 needs rptr + rnelem + 1 and rshape + nd entries, ri64 rnidxs + nnz_a + nnz_b, "
    "rf64 rcof + nnz_a + nnz_b and rbfix + rnelem.")
FRAGMENT(370, expr::count_sparse_union, "iiiiiO", "nelem_a", "nelem_b", "rnelem", "sp_a", "sp_b", "wi64")
DOC(370, "rnelem",
    "Union count, the count pass of _c_closure_372: returns rnelem plus the number of distinct "
    "linear indexes in the union of the strictly increasing sp runs wi64[sp_a ..] (nelem_a "
    "entries) and wi64[sp_b ..] (nelem_b entries), 32-bit. With rnelem = 0 it is the element "
    "count of the sum of two sparse records; the term count is nnz_a + nnz_b, the sum of the "
    "operands' term counts.")
FRAGMENT(372, expr::sum_sparse_sparse, "iiiiddiiiiiiiiOOOiiiiiOOO", "bfix_a", "bfix_b", "cof_a", "cof_b", "wa", "wb",
         "nelem_a", "nelem_b", "nidxs_a", "nidxs_b", "ptr_a", "ptr_b", "rbfix", "rcof", "rf64", "ri32", "ri64",
         "rnidxs", "rptr", "rsp", "sp_a", "sp_b", "wf64", "wi32", "wi64")
DOC(372, "",
    "Sparse plus sparse, the build pass sized by _c_closure_370: merges the strictly increasing "
    "sp runs wi64[sp_a ..] (nelem_a entries) and wi64[sp_b ..] (nelem_b) into a sparse result; "
    "for each distinct linear index, in increasing order, result element k gets ri64[rsp + k] = "
    "the index, the terms of a's element there with coefficients * wa followed by those of b's "
    "with coefficients * wb (indexes unchanged, nothing merged), rf64[rbfix + k] = wa * a's "
    "constant, wb * b's, or their sum when both store it, and ri32[rptr + k + 1] = terms so "
    "far.\n"
    "Builds the whole record, ptr[0] included (ri32[rptr] = 0), terms packed from position 0: "
    "with E = _c_closure_370(nelem_a, nelem_b, 0, sp_a, sp_b, wi64) and T = nnz_a + nnz_b, ri32 "
    "needs rptr + E + 1 entries, ri64 rsp + E and rnidxs + T, rf64 rbfix + E and rcof + T. With "
    "both empty it writes only ptr[0].")
FRAGMENT(373, expr::any_dense, "iiO", "init", "n", "sp_base")
DOC(373, "anydense",
    "Any dense operand: True when init != 0 or some sp_base[i], i < n, is negative (a dense "
    "operand of a list); else False. The answer is the anydense argument of _c_closure_378.")
FRAGMENT(374, expr::total_terms, "iOi", "n", "nnz", "init")
DOC(374, "nnz",
    "Term total of a sum: init + nnz[0] + ... + nnz[n - 1] (32-bit, wrapping). Sums concatenate "
    "terms, so with init = 0 it is the term count of the sum of the n operands: the size of the "
    "nidxs and cof runs of the dense form of _c_closure_378, and of _c_closure_367, "
    "_c_closure_368 and _c_closure_372 for two operands.")
FRAGMENT(375, expr::count_sparse_list, "iOOiiOO", "n", "nelem", "nnz", "rnelem", "rnnz", "sp_base", "wi64")
DOC(375, "rnelem, rnnz",
    "List union count, the count pass of the sparse form of _c_closure_378: with all n operands "
    "sparse (nelem[i] stored elements, sp runs at wi64[sp_base[i] ..]), returns (rnelem + the "
    "number of distinct linear indexes over all their sp runs, rnnz + nnz[0] + ... + nnz[n - "
    "1]), 32-bit. n = 0 returns (rnelem, rnnz). Takes n int32 of scratch memory (MemoryError if "
    "it cannot).")
FRAGMENT(376, expr::zero_f64_run, "iOi", "base", "rf64", "n")
DOC(376, "",
    "Zero a float64 run: rf64[base + k] = 0.0 for k < n. Prepares the rbfix run of "
    "_c_closure_378, which adds into it.")
FRAGMENT(377, expr::zero_i32_run, "Oii", "ri32", "n", "base")
DOC(377, "",
    "Zero an int32 run: ri32[base + k] = 0 for k = 0 .. n (n + 1 entries). Prepares the rptr "
    "run of _c_closure_378 (n = the result's element count): the dense form adds counts into it "
    "and the sparse form takes its ptr[0] from it.")
FRAGMENT(378, expr::sum_list, "iOOiOOOiiOOOiiiiOOOOO", "anydense", "bfix_base", "cof_base", "n", "nelem",
         "nidxs_base", "ptr_base", "rbfix", "rcof", "rf64", "ri32", "ri64", "rnelem", "rnidxs", "rptr", "rsp",
         "sp_base", "w", "wf64", "wi32", "wi64")
DOC(378, "",
    "Weighted sum of a list of n operands, the build pass: result element = sum over i of w[i] "
    "times operand i's element (operand i's runs at ptr_base[i], nidxs_base[i], cof_base[i], "
    "bfix_base[i] on the work stack, nelem[i] stored elements). Within an element the terms of "
    "operand 0 come first, then those of operand 1, and so on, each in stored order with "
    "coefficients * w[i] (indexes unchanged, nothing merged); the constant is the sum of w[i] * "
    "the operands' constants.\n"
    "- anydense = 0 (every operand sparse, sp at wi64[sp_base[i] ..]): a sparse result whose sp "
    "at ri64[rsp ..] is the union of the operands' sp runs in increasing order, sized by "
    "_c_closure_375 (E elements, T terms); rnelem is not used. Writes ri32[rptr + k + 1] for k "
    "< E but not ptr[0], which the caller provides (0), and terms packed from position 0. Takes "
    "n int32 of scratch memory first (MemoryError before anything is written).\n"
    "- anydense != 0 (_c_closure_373): a dense result of E = rnelem elements; an operand with "
    "sp_base[i] < 0 is dense (its element j is element j), the others sparse. Writes ptr[0] = 0 "
    "itself; T = _c_closure_374(n, nnz, 0).\n"
    "Both forms add into rbfix and the dense form also into rptr, so the caller zero-fills "
    "rbfix (E entries, _c_closure_376) and rptr (E + 1 entries, _c_closure_377) first. ri64 "
    "needs rnidxs + T (and rsp + E) entries, rf64 rcof + T and rbfix + E, ri32 rptr + E + 1.")
