// Condensing the terms of an expression.
//
// A condensed record has, within every element, terms in strictly increasing variable
// index, none of index 0, and every coefficient outside [-tol, tol]. Condensing sorts
// each element's terms into a term permutation (term numbers in increasing variable
// index, equal indexes in increasing term number), then sums each run of equal index
// and keeps the sums that survive the tolerance. Constants, sp and shape are copied;
// elements never disappear.
#include <algorithm>
#include <cstring>
#include <utility>

#include "kernels/expr/record.h"

namespace fragments::expr {
namespace {

constexpr uint64_t kSignBit = uint64_t{1} << 63;
inline uint64_t bits_of(double x) {
  uint64_t bits;
  std::memcpy(&bits, &x, sizeof bits);
  return bits;
}

// One pass of a stable bottom-up merge sort over m entries: merges the adjacent runs of
// width `width` of from[0 .. m - 1] into to[0 .. m - 1]. The right run's head goes
// first only when less(right head, left head).
template <class Less>
void merge_pass(Vec<const int32_t> from, Vec<int32_t> to, int64_t m, int64_t width, Less less) {
  for (int64_t lo = 0; lo < m; lo += 2 * width) {
    const int64_t mid = std::min(lo + width, m), hi = std::min(lo + 2 * width, m);
    int64_t i = lo, j = mid, k = lo;
    while (i < mid && j < hi) to[k++] = less(from[j], from[i]) ? from[j++] : from[i++];
    while (i < mid) to[k++] = from[i++];
    while (j < hi) to[k++] = from[j++];
  }
}

// Walks the terms of one element in the order order[p .. q - 1] (term numbers into
// nidxs/cof): every run of equal non-zero variable index v whose summed coefficient lies
// outside [-tol, tol] is passed to emit(v, sum). Terms of index 0 are skipped.
template <class Emit>
void condensed_terms(Vec<const int32_t> order, int32_t p, int32_t q, Vec<const int64_t> nidxs, Vec<const double> cof,
                     double tol, Emit emit) {
  int32_t u = p;
  while (u < q) {
    const int64_t v = nidxs[order[u]];
    if (v == 0) {
      ++u;
      continue;
    }
    double sum = 0.0;
    for (; u < q && nidxs[order[u]] == v; ++u) sum += cof[order[u]];
    if (sum > tol || sum < -tol) emit(v, sum);
  }
}

// Elements of at least this many terms whose indexes span fewer values than the element has
// terms are condensed through dense sums over their index range: the terms are then read
// once in stored order instead of through the permutation, whose jumps miss the cache once
// an element outgrows it. Smaller elements walk the permutation.
constexpr int64_t kDenseTerms = 256;

// condensed_terms through dense sums: per index offset v - lo (range + 1 of them), the sum
// of the coefficients of the element's terms with that index, added in term order, which
// is the order the permutation (sorted by index, equal indexes in term order) gives them;
// then every index that has terms, in increasing order. False, with nothing emitted, when
// a term's index lies outside lo .. lo + range (the permutation did not sort the element).
template <class Emit>
bool condensed_terms_dense(int32_t p, int32_t q, int64_t lo, uint64_t range, Vec<const int64_t> nidxs,
                           Vec<const double> cof, double tol, Emit emit) {
  const int64_t size = static_cast<int64_t>(range) + 1;
  Scratch<double> sums(size);
  Scratch<uint8_t> seen(size);
  const bool sorted = unit_stride([&](auto nidxs, auto cof) {
    for (int64_t u = p; u < q; ++u) {
      const int64_t v = nidxs[u];
      if (v == 0) continue;
      const uint64_t at = static_cast<uint64_t>(v) - static_cast<uint64_t>(lo);
      if (at > range) return false;
      sums[static_cast<int64_t>(at)] += cof[u];
      seen[static_cast<int64_t>(at)] = 1;
    }
    return true;
  }, nidxs, cof);
  if (!sorted) return false;
  for (int64_t at = 0; at < size; ++at)
    if (seen[at] && (sums[at] > tol || sums[at] < -tol)) emit(add64(lo, at), sums[at]);
  return true;
}

// The condensed terms of the element whose terms are p .. q - 1: emit(v, sum) per
// surviving index v in increasing order, through dense sums where the element is large
// and its index range short (the permutation's ends give the range), else by walking the
// permutation.
template <class Emit>
void condense_element(Vec<const int32_t> order, int32_t p, int32_t q, Vec<const int64_t> nidxs,
                      Vec<const double> cof, double tol, Emit emit) {
  const int64_t m = int64_t{q} - p;
  if (m >= kDenseTerms) {
    const int64_t lo = nidxs[order[p]], hi = nidxs[order[q - 1]];
    const uint64_t range = static_cast<uint64_t>(hi) - static_cast<uint64_t>(lo);
    if (hi >= lo && range < static_cast<uint64_t>(m) && condensed_terms_dense(p, q, lo, range, nidxs, cof, tol, emit))
      return;
  }
  condensed_terms(order, p, q, nidxs, cof, tol, emit);
}

// The record in which every element has one term of coefficient 1.0 and constant 0:
// ptr[j] = j for j <= nelem, bfix[j] = 0.0 for j < nelem, cof[u] = 1.0 for u < nnz.
void write_unit_record(Vec<int32_t> ptr, Vec<double> bfix, Vec<double> cof, int32_t nelem, int32_t nnz) {
  for (int64_t j = 0; j <= nelem; ++j) ptr[j] = static_cast<int32_t>(j);
  for (int32_t j = 0; j < nelem; ++j) bfix[j] = 0.0;
  for (int32_t u = 0; u < nnz; ++u) cof[u] = 1.0;
}

// 1 when the term at u of a run of variable indexes may not follow the term before it in
// a condensed element: its index is 0 or not above the one before.
template <class Nidxs>
uint64_t out_of_order(Nidxs nidxs, int64_t u) {
  return zero64(nidxs[u]) | (below64(nidxs[u - 1], nidxs[u]) ^ 1);
}

// Whether, in every element j < nelem, the terms after the first are out_of_order nowhere.
// Row pointers that never decrease (tiled) lay the elements' terms end to end over
// ptr[0] .. ptr[nelem] - 1: then a flat scan flags every term after the first, block by
// block, and the flags at the first terms of elements, where any order is allowed, are
// counted apart; a block with more flags than that ends the scan.
template <class Ptr, class Nidxs>
bool terms_in_order(Ptr ptr, Nidxs nidxs, int32_t nelem, bool tiled) {
  if (!tiled) {  // not a record's row pointers: element by element
    for (int32_t j = 0; j < nelem; ++j)
      for (int64_t u = int64_t{ptr[j]} + 1; u < ptr[j + 1]; ++u)
        if (out_of_order(nidxs, u)) return false;
    return true;
  }
  constexpr int64_t kBlock = 2048;
  const int64_t first = ptr[0], end = ptr[nelem];
  int64_t last_start = first;  // elements that start there are the first ones, or empty
  for (int64_t from = first + 1, j = 1; from < end; from += kBlock) {
    const int64_t to = std::min(end, from + kBlock);
    uint64_t flagged = 0;
    for (int64_t u = from; u < to; ++u) flagged += out_of_order(nidxs, u);
    for (; j < nelem && ptr[j] < to; ++j) {
      if (ptr[j] == last_start) continue;
      last_start = ptr[j];
      flagged -= out_of_order(nidxs, last_start);
    }
    if (flagged != 0) return false;
  }
  return true;
}

// Whether some coefficient c of cof[0 .. n - 1] lies strictly between -tol and tol. Only
// a positive tol has such values; for it (infinity included) the test is |c| < tol, which
// on the bits of non-negative doubles (NaN above infinity) is an integer comparison. In
// blocks, without a branch per coefficient.
template <class Cof>
bool any_small(Cof cof, int32_t n, double tol) {
  if (!(tol > 0.0)) return false;
  const uint64_t limit = bits_of(tol);
  constexpr int64_t kBlock = 2048;
  for (int64_t first = 0; first < n; first += kBlock) {
    const int64_t end = std::min<int64_t>(n, first + kBlock);
    uint64_t below = 0;
    for (int64_t u = first; u < end; ++u) below |= (bits_of(cof[u]) & ~kSignBit) - limit;
    if (below >> 63) return true;
  }
  return false;
}

// The smallest and largest of nidxs[p .. q - 1] (q > p), in four interleaved running
// bounds, so that the comparisons of neighbouring terms need not wait on each other.
template <class Nidxs>
std::pair<int64_t, int64_t> index_bounds(Nidxs nidxs, int32_t p, int32_t q) {
  int64_t lo[4], hi[4];
  for (int k = 0; k < 4; ++k) lo[k] = hi[k] = nidxs[p];
  int64_t u = int64_t{p} + 1;
  for (; u + 4 <= q; u += 4)
    for (int k = 0; k < 4; ++k) {
      lo[k] = std::min(lo[k], nidxs[u + k]);
      hi[k] = std::max(hi[k], nidxs[u + k]);
    }
  for (; u < q; ++u) {
    lo[0] = std::min(lo[0], nidxs[u]);
    hi[0] = std::max(hi[0], nidxs[u]);
  }
  return {std::min(std::min(lo[0], lo[1]), std::min(lo[2], lo[3])),
          std::max(std::max(hi[0], hi[1]), std::max(hi[2], hi[3]))};
}

// Stable counting sort of the terms p .. q - 1 by index offset v - lo (range + 1 values):
// count[0 .. range + 1] counts, then places; term numbers go to out[p ..].
template <class Nidxs, class Out, class Count>
void counting_sort(Nidxs nidxs, Out out, Count count, int32_t p, int32_t q, int64_t lo, uint64_t range) {
  auto offset = [&](int32_t u) { return static_cast<int64_t>(static_cast<uint64_t>(nidxs[u]) - static_cast<uint64_t>(lo)); };
  const int64_t counters = static_cast<int64_t>(range) + 2;
  for (int64_t c = 0; c < counters; ++c) count[c] = 0;
  for (int32_t u = p; u < q; ++u) ++count[offset(u) + 1];
  for (int64_t c = 0; c + 1 < counters; ++c) count[c + 1] += count[c];
  for (int32_t u = p; u < q; ++u) out[int64_t{p} + count[offset(u)]++] = u;
}

}  // namespace

// The unit record (see write_unit_record) in the caller's arrays: ptr at i32[optr ..],
// bfix at f64[obfix ..], cof at f64[ocof ..].
void unit_record_into(int32_t obfix, int32_t ocof, Vec<double> f64, Vec<int32_t> i32, int32_t nelem, int32_t nnz,
                      int32_t optr) {
  const Unlocked unlocked(int64_t{nelem} + nnz);
  write_unit_record(i32.from(optr), f64.from(obfix), f64.from(ocof), nelem, nnz);
}

// Whether the record on the work stack is already condensed: false when init = 0;
// otherwise true unless some element has, after its first term, a variable index of 0
// or one not greater than the index before it, or some coefficient of the nnz terms lies
// strictly between -tol and tol.
bool is_condensed(int32_t wcof, double tol, int32_t init, int32_t nelem, int32_t wnidxs, int32_t nnz, int32_t wptr,
                  Vec<const double> wf64, Vec<const int32_t> wi32, Vec<const int64_t> wi64) {
  if (init == 0) return false;
  const bool tiled = !ptr_decreases(wi32.from(wptr), nelem);
  return unit_stride([&](auto ptr, auto nidxs, auto cof) {
    return terms_in_order(ptr, nidxs, nelem, tiled) && !any_small(cof, nnz, tol);
  }, wi32.from(wptr), wi64.from(wnidxs), wf64.from(wcof));
}

// Copies a record from the work stack to the result stack unchanged: shape (nd entries,
// from the array shape) to rshape, ptr (nelem + 1), sp (nelem, only when sparse != 0,
// from wsp to rsp), bfix (nelem), nidxs and cof (nnz each).
void copy_record(int32_t wbfix, int32_t wcof, int32_t sparse, int32_t nd, int32_t nelem, int32_t wnidxs, int32_t nnz,
                 int32_t wptr, int32_t rbfix, int32_t rcof, Vec<double> rf64, Vec<int32_t> ri32, Vec<int64_t> ri64,
                 int32_t rnidxs, int32_t rptr, int32_t rshape, int32_t rsp, Vec<const int32_t> shape, int32_t wsp,
                 Vec<const double> wf64, Vec<const int32_t> wi32, Vec<const int64_t> wi64) {
  const Unlocked unlocked(int64_t{nelem} + nnz);
  copy_elements(shape, ri32.from(rshape), nd);
  copy_elements(wi32.from(wptr), ri32.from(rptr), int64_t{nelem} + 1);
  if (sparse != 0) copy_elements(wi64.from(wsp), ri64.from(rsp), nelem);
  copy_elements(wf64.from(wbfix), rf64.from(rbfix), nelem);
  copy_elements(wi64.from(wnidxs), ri64.from(rnidxs), nnz);
  copy_elements(wf64.from(wcof), rf64.from(rcof), nnz);
}

// The largest of init and the term counts wi32[wptr + j + 1] - wi32[wptr + j], j < n.
int32_t most_terms(int32_t init, int32_t n, int32_t wptr, Vec<const int32_t> wi32) {
  const Unlocked unlocked(n);
  const Vec<const int32_t> ptr = wi32.from(wptr);
  int32_t most = init;
  for (int32_t j = 0; j < n; ++j) most = std::max(most, sub32(ptr[j + 1], ptr[j]));
  return most;
}

// Writes the term permutation of every element to xi32[perm ..] (parallel to the terms).
// Scratch on xi32 at cnt: 2 × (largest term count of an element) entries. An element
// whose indexes span a range hi - lo below its term count m is counting-sorted; others
// are merge-sorted in cnt[0 .. m - 1] and cnt[m .. 2m - 1].
void sort_terms(int32_t nelem, int32_t wnidxs, int32_t perm, int32_t wptr, Vec<const int32_t> wi32,
                Vec<const int64_t> wi64, int32_t cnt, Vec<int32_t> xi32) {
  const Unlocked unlocked(record_work(wi32.from(wptr), nelem));
  const Vec<const int32_t> ptr = wi32.from(wptr);
  const Vec<const int64_t> nidxs = wi64.from(wnidxs);
  const Vec<int32_t> out = xi32.from(perm), count = xi32.from(cnt);
  for (int32_t j = 0; j < nelem; ++j) {
    const int32_t p = ptr[j], q = ptr[j + 1];
    const int64_t m = int64_t{q} - p;
    if (m <= 0) continue;
    if (m == 1) {
      out[p] = p;
      continue;
    }
    if (m == 2) {
      const bool keep = !(nidxs[int64_t{p} + 1] < nidxs[p]);
      out[p] = keep ? p : p + 1;
      out[int64_t{p} + 1] = keep ? p + 1 : p;
      continue;
    }
    const auto [lo, hi] = unit_stride([p, q](auto nidxs) { return index_bounds(nidxs, p, q); }, nidxs);
    // The index range in 64 bits (exact for any pair of int64 indexes, hi >= lo).
    const uint64_t range = static_cast<uint64_t>(hi) - static_cast<uint64_t>(lo);
    if (range < static_cast<uint64_t>(m)) {
      unit_stride([&, lo = lo](auto nidxs, auto out, auto count) { counting_sort(nidxs, out, count, p, q, lo, range); },
                  nidxs, out, count);
      continue;
    }
    Vec<int32_t> from = count, to = count.from(m);
    for (int32_t t = 0; t < m; ++t) from[t] = t;
    auto less = [&](int32_t a, int32_t b) { return nidxs[int64_t{p} + a] < nidxs[int64_t{p} + b]; };
    for (int64_t width = 1; width < m; width *= 2) {
      merge_pass(from, to, m, width, less);
      std::swap(from, to);
    }
    for (int32_t t = 0; t < m; ++t) out[int64_t{p} + t] = p + from[t];
  }
}

// Writes the identity 0 .. nnz - 1 to wi32[perm ..], then sorts each element's stretch
// of it into the term permutation, merging back and forth with the run at wi32[perm2 ..];
// the sorted stretches end at perm.
void sort_terms_in_place(int32_t nelem, int32_t wnidxs, int32_t nnz, int32_t perm, int32_t perm2, int32_t wptr,
                         Vec<int32_t> wi32, Vec<const int64_t> wi64) {
  const Unlocked unlocked(int64_t{nelem} + nnz);
  const Vec<const int64_t> nidxs = wi64.from(wnidxs);
  const Vec<int32_t> first = wi32.from(perm), second = wi32.from(perm2);
  for (int32_t u = 0; u < nnz; ++u) first[u] = u;
  auto less = [&](int32_t a, int32_t b) { return nidxs[a] < nidxs[b]; };
  for (int32_t j = 0; j < nelem; ++j) {
    const int32_t p = wi32[int64_t{wptr} + j], q = wi32[int64_t{wptr} + j + 1];
    const int64_t m = int64_t{q} - p;
    if (m < 2) continue;
    Vec<int32_t> from = first.from(p), to = second.from(p);
    // floor(log2 m) + 1 passes of widths 1, 2, 4, ...
    int64_t width = 1;
    for (int64_t left = m; left >= 1; left /= 2, width *= 2) {
      merge_pass(from, to, m, width, less);
      std::swap(from, to);
    }
    if (from.data() != first.from(p).data()) copy_elements(Vec<const int32_t>(from), first.from(p), m);
  }
}

// Count pass of the condensed record: rnnz plus the number of terms build_condensed
// writes, walking the term permutation at xi32[perm ..].
int32_t count_condensed(int32_t wcof, double tol, int32_t nelem, int32_t wnidxs, int32_t perm, int32_t wptr,
                        int32_t rnnz, Vec<const double> wf64, Vec<const int32_t> wi32, Vec<const int64_t> wi64,
                        Vec<const int32_t> xi32) {
  const Unlocked unlocked(record_work(wi32.from(wptr), nelem));
  const Vec<const int32_t> ptr = wi32.from(wptr), order = xi32.from(perm);
  const Vec<const int64_t> nidxs = wi64.from(wnidxs);
  const Vec<const double> cof = wf64.from(wcof);
  int32_t c = rnnz;
  for (int32_t j = 0; j < nelem; ++j)
    condense_element(order, ptr[j], ptr[j + 1], nidxs, cof, tol, [&](int64_t, double) { c = add32(c, 1); });
  return c;
}

// Build pass: writes the condensed record (fresh ptr with ptr[0] = 0) to the result
// stack, walking the term permutation at xi32[perm ..]; shape (nd entries from the array
// shape) to rshape, bfix copied, and when sparse != 0 the sp run copied from
// wi64[spbase ..] to ri64[spbase ..] (the same base on both stacks).
void build_condensed(int32_t wbfix, int32_t wcof, double tol, int32_t sparse, int32_t nd, int32_t nelem,
                     int32_t wnidxs, int32_t perm, int32_t wptr, int32_t rbfix, int32_t rcof, Vec<double> rf64,
                     Vec<int32_t> ri32, Vec<int64_t> ri64, int32_t rnidxs, int32_t rptr, int32_t rshape,
                     int32_t spbase, Vec<const int32_t> shape, Vec<const double> wf64, Vec<const int32_t> wi32,
                     Vec<const int64_t> wi64, Vec<const int32_t> xi32) {
  const Unlocked unlocked(record_work(wi32.from(wptr), nelem));
  const Vec<const int32_t> ptr = wi32.from(wptr), order = xi32.from(perm);
  const Vec<const int64_t> nidxs = wi64.from(wnidxs);
  const Vec<const double> cof = wf64.from(wcof);
  const Vec<int32_t> out_ptr = ri32.from(rptr);
  const Vec<int64_t> out_nidxs = ri64.from(rnidxs);
  const Vec<double> out_cof = rf64.from(rcof);

  copy_elements(shape, ri32.from(rshape), nd);
  copy_elements(wf64.from(wbfix), rf64.from(rbfix), nelem);
  if (sparse != 0) copy_elements(wi64.from(spbase), ri64.from(spbase), nelem);

  out_ptr[0] = 0;
  int32_t t = 0;
  for (int32_t j = 0; j < nelem; ++j) {
    condense_element(order, ptr[j], ptr[j + 1], nidxs, cof, tol, [&](int64_t v, double sum) {
      out_nidxs[t] = v;
      out_cof[t] = sum;
      ++t;
    });
    out_ptr[int64_t{j} + 1] = t;
  }
}

// The unit record on the result stack: ptr at ri32[rptr ..], bfix at rf64[rbfix ..],
// cof at rf64[rcof ..]; the nidxs run is the caller's.
void unit_record(int32_t rbfix, int32_t rcof, int32_t nelem, int32_t nnz, int32_t rptr, Vec<double> rf64,
                 Vec<int32_t> ri32) {
  const Unlocked unlocked(int64_t{nelem} + nnz);
  write_unit_record(ri32.from(rptr), rf64.from(rbfix), rf64.from(rcof), nelem, nnz);
}

}  // namespace fragments::expr

TOPIC("Condensing the terms of an expression")
FRAGMENT(365, expr::unit_record_into, "iiOOiii", "obfix", "ocof", "f64", "i32", "nelem", "nnz", "optr")
DOC(365, "",
    "Unit record in the caller's arrays: i32[optr + j] = j for j = 0 .. nelem (ptr[0] = 0 "
    "included), f64[obfix + j] = 0.0 for j < nelem and f64[ocof + u] = 1.0 for u < nnz. With "
    "nnz = nelem these are the ptr, bfix and cof of a record whose every element has one term "
    "of coefficient 1.0 and constant 0; its nidxs run is the caller's. i32 needs optr + nelem + "
    "1 entries, f64 obfix + nelem and ocof + nnz. _c_closure_421 writes the same on the result "
    "stack.")
FRAGMENT(414, expr::is_condensed, "idiiiiiOOO", "wcof", "tol", "init", "nelem", "wnidxs", "nnz", "wptr", "wf64", "wi32",
         "wi64")
DOC(414, "condensed",
    "Condensed check: False when init = 0; otherwise True unless some element of the work-stack "
    "record (ptr at wi32[wptr], nidxs at wi64[wnidxs]) has, after its first term, a term of "
    "index 0 or of an index not greater than the one before it, or some coefficient wf64[wcof + "
    "u], u < nnz, lies strictly between -tol and tol. True means the record may be moved by the "
    "plain copy _c_closure_415 instead of being condensed (_c_closure_419, _c_closure_416, "
    "_c_closure_417).\n"
    "Two edges differ from condensing: a first term of index 0 is not tested, and a coefficient "
    "equal to tol or -tol passes here although _c_closure_417 drops it. The coefficient test "
    "covers the nnz terms from wcof on.")
FRAGMENT(415, expr::copy_record, "iiiiiiiiiiOOOiiiiOiOOO", "wbfix", "wcof", "sparse", "nd", "nelem", "wnidxs", "nnz",
         "wptr", "rbfix", "rcof", "rf64", "ri32", "ri64", "rnidxs", "rptr", "rshape", "rsp", "shape", "wsp", "wf64",
         "wi32", "wi64")
DOC(415, "",
    "Plain record copy, for a record that _c_closure_414 finds condensed: copies shape[0 .. nd "
    "- 1] (an array outside the stacks) to ri32[rshape ..], the nelem + 1 ptr entries (ptr[0] "
    "included, unchanged) from wi32[wptr ..] to ri32[rptr ..], the nelem constants from "
    "wf64[wbfix ..] to rf64[rbfix ..], the nnz terms from wi64[wnidxs ..] and wf64[wcof ..] to "
    "ri64[rnidxs ..] and rf64[rcof ..] and, when sparse != 0, the nelem sp entries from "
    "wi64[wsp ..] to ri64[rsp ..]. The result runs need those lengths; no count pass.")
FRAGMENT(416, expr::count_condensed, "idiiiiiOOOO", "wcof", "tol", "nelem", "wnidxs", "perm", "wptr", "rnnz", "wf64",
         "wi32", "wi64", "xi32")
DOC(416, "rnnz",
    "Condensed count, the count pass of _c_closure_417: for each element j < nelem of the "
    "work-stack record (ptr at wi32[wptr], nidxs at wi64[wnidxs], cof at wf64[wcof]), walks its "
    "term permutation xi32[perm + ptr[j] .. perm + ptr[j + 1] - 1] (from _c_closure_419; after "
    "_c_closure_420, which leaves it on the work stack, pass wi32 as xi32). Each run of "
    "consecutive terms with the same variable index v != 0 counts 1 when the sum of its "
    "coefficients is > tol or < -tol; terms of index 0 never count.\n"
    "Returns rnnz plus the count (32-bit): with rnnz = 0, the term count of the condensed "
    "record (whose element count is the operand's).")
FRAGMENT(417, expr::build_condensed, "iidiiiiiiiiOOOiiiiOOOOO", "wbfix", "wcof", "tol", "sparse", "nd", "nelem",
         "wnidxs", "perm", "wptr", "rbfix", "rcof", "rf64", "ri32", "ri64", "rnidxs", "rptr", "rshape", "spbase",
         "shape", "wf64", "wi32", "wi64", "xi32")
DOC(417, "",
    "Condensed record, the build pass sized by _c_closure_416: for each element j < nelem, "
    "walking its term permutation as there, every run of equal variable index v != 0 whose "
    "coefficients sum (added in permutation order) to > tol or < -tol becomes one term "
    "ri64[rnidxs + t] = v, rf64[rcof + t] = the sum; runs of index 0 are dropped whatever their "
    "sum; then ri32[rptr + j + 1] = t. Each element's terms come out strictly increasing in "
    "index; elements never disappear. Also copies shape[0 .. nd - 1] to ri32[rshape ..], the "
    "nelem constants from wf64[wbfix ..] to rf64[rbfix ..] and, when sparse != 0, the sp run "
    "from wi64[spbase ..] to ri64[spbase ..]: the same base on both stacks, so the caller "
    "reserves that run of ri64.\n"
    "Builds the whole record, ptr[0] included (ri32[rptr] = 0), terms packed from position 0: "
    "with T = _c_closure_416(..., rnnz = 0, ...), ri32 needs rptr + nelem + 1 entries, ri64 "
    "rnidxs + T (and spbase + nelem), rf64 rcof + T and rbfix + nelem. The permutation is read "
    "from the array passed as xi32 (wi32 after _c_closure_420).")
FRAGMENT(418, expr::most_terms, "iiiO", "init", "n", "wptr", "wi32")
DOC(418, "most",
    "Most terms in an element: the largest of init and wi32[wptr + j + 1] - wi32[wptr + j] for "
    "j < n. With init = 0 it is M, the largest term count of an element; _c_closure_419 needs 2 "
    "* M scratch entries.")
FRAGMENT(419, expr::sort_terms, "iiiiOOiO", "nelem", "wnidxs", "perm", "wptr", "wi32", "wi64", "cnt", "xi32")
DOC(419, "",
    "Term sort on the scratch stack, the first step of condensing: for every element j < nelem "
    "of the work-stack record (ptr at wi32[wptr], nidxs at wi64[wnidxs]) writes its term "
    "permutation to xi32[perm + ptr[j] .. perm + ptr[j + 1] - 1]: the element's term numbers "
    "(in that same range) in increasing variable index, equal indexes in increasing term number "
    "(a stable sort). The run at perm is parallel to the terms, so it needs nnz entries.\n"
    "Scratch: 2 * M int32 entries at xi32[cnt ..], M = _c_closure_418(0, nelem, wptr, wi32); "
    "their contents afterwards are unspecified. _c_closure_416 and _c_closure_417 read the "
    "permutation.")
FRAGMENT(420, expr::sort_terms_in_place, "iiiiiiOO", "nelem", "wnidxs", "nnz", "perm", "perm2", "wptr", "wi32", "wi64")
DOC(420, "",
    "Term sort on the work stack: writes the term permutation (as for _c_closure_419: per "
    "element, its term numbers in increasing variable index, equal indexes in increasing term "
    "number) to wi32[perm .. perm + nnz - 1], using wi32[perm2 .. perm2 + nnz - 1] as a second "
    "buffer, whose contents afterwards are unspecified; the record's ptr covers terms 0 .. nnz "
    "- 1. Then pass wi32 as the xi32 argument of _c_closure_416 and _c_closure_417.")
FRAGMENT(421, expr::unit_record, "iiiiiOO", "rbfix", "rcof", "nelem", "nnz", "rptr", "rf64", "ri32")
DOC(421, "",
    "Unit record on the result stack: ri32[rptr + j] = j for j = 0 .. nelem (ptr[0] = 0 "
    "included), rf64[rbfix + j] = 0.0 for j < nelem and rf64[rcof + u] = 1.0 for u < nnz. With "
    "nnz = nelem every element has one term of coefficient 1.0 and constant 0; the nidxs run is "
    "the caller's. ri32 needs rptr + nelem + 1 entries, rf64 rbfix + nelem and rcof + nnz. "
    "_c_closure_365 writes the same into arrays of the caller's choice.")
