// A constant matrix on the left of an expression, and matrix checks.
//
// M (m by n) times E (n by p). M comes as triplets msubi, msubj, mval sorted by (row,
// column), or dense (mval[i * n + k]); E lies on the work stack, a sparse E grouped by
// column on the scratch stack (bucket array at ecolptr, permutation at eperm). Element
// (i, c) of the result gets, for every matched pair of an entry M(i, k) and a stored E
// element (k, c), E's terms with coefficients times M(i, k) and M(i, k) times E's
// constant, in merge order, without merging equal variables.
#include <algorithm>

#include "kernels/expr/matprod.h"

namespace fragments::expr {
namespace {

// The faults of count triplets: some entry outside nrows by ncols (out_of_range), some
// consecutive pair whose second position is not after the first in (row, column) order,
// a repeated position included (not_increasing). Only the faults asked for are looked
// for; the scan runs in blocks without a branch per entry and stops after the block in
// which every fault asked for has shown.
struct TripletFaults {
  bool out_of_range = false, not_increasing = false;
};
TripletFaults triplet_faults(int64_t count, Vec<const int32_t> msubi, Vec<const int32_t> msubj, int32_t nrows,
                             int32_t ncols, bool range, bool order) {
  TripletFaults found;
  // i < 0 || i >= nrows is one unsigned comparison with nrows (0 when negative: then no
  // i fits, as no i fits an extent of 0).
  const uint32_t rows = static_cast<uint32_t>(std::max(nrows, 0)), cols = static_cast<uint32_t>(std::max(ncols, 0));
  unit_stride([&](auto subi, auto subj) {
    constexpr int64_t kBlock = 4096;
    for (int64_t first = 0; first < count && (range || order); first += kBlock) {
      const int64_t end = std::min(count, first + kBlock);
      if (range) {
        int outside = 0;
        for (int64_t k = first; k < end; ++k)
          outside |= (static_cast<uint32_t>(subi[k]) >= rows) | (static_cast<uint32_t>(subj[k]) >= cols);
        found.out_of_range = outside != 0;
        range = !found.out_of_range;
      }
      if (order) {
        int backwards = 0;
        for (int64_t k = std::max<int64_t>(first, 1); k < end; ++k)
          backwards |= (subi[k] < subi[k - 1]) | ((subi[k] == subi[k - 1]) & (subj[k] <= subj[k - 1]));
        found.not_increasing = backwards != 0;
        order = !found.not_increasing;
      }
    }
  }, msubi, msubj);
  return found;
}

}  // namespace

// Build pass of M E into a fresh record on the result stack (ptr[0] = 0 written here).
// Three modes:
//   sparse == 0:                  triplet M times dense E; every column c < p of every row of
//                                 M with entries is an element (sp = i * p + c), with or
//                                 without terms;
//   sparse != 0, msparse == 0:    dense M (m by n) times sparse E; a dense m by p result;
//   sparse != 0, msparse != 0:    triplet M times sparse E; element (i, c) (sp = i * p + c)
//                                 only where a row run of M meets a stored element of
//                                 column c of E.
// The caller reserved the result runs with the sizes of the matching count pass.
void left_product(int32_t bfixbase, int32_t cofbase, int32_t p, int32_t eperm, int32_t ecolptr, int32_t sparse,
                  int32_t m, int32_t n, int32_t msparse, int32_t nnz, Vec<const int32_t> msubi,
                  Vec<const int32_t> msubj, Vec<const double> mval, int32_t nidxsbase, int32_t ptrbase,
                  int32_t rbfixbase, int32_t rcofbase, Vec<double> rf64, Vec<int32_t> ri32, Vec<int64_t> ri64,
                  int32_t rnidxsbase, int32_t rptrbase, int32_t rspbase, int32_t spbase, Vec<const double> wf64,
                  Vec<const int32_t> wi32, Vec<const int64_t> wi64, Vec<const int32_t> xi32) {
  const Unlocked unlocked((int64_t{nnz} + m) * p);
  const RecordIn E = operand_record(wi32, wi64, wf64, ptrbase, nidxsbase, cofbase, bfixbase);
  RecordWriter out{sparse_result_record(ri32, ri64, rf64, rptrbase, rnidxsbase, rcofbase, rbfixbase, rspbase)};
  out.start();
  auto element_of_column = [&](int64_t q) -> int64_t { return xi32[eperm + q]; };
  auto row_of_element = [&](int64_t el) { return row_of(wi64[spbase + el], p); };

  if (sparse == 0) {
    for_each_row_run_and_column(nnz, msubi, p, [&](int64_t first, int64_t end, int64_t i, int32_t c) {
      double constant = 0.0;
      for (int64_t r = first; r < end; ++r) constant += append_scaled(out, E, int64_t{msubj[r]} * p + c, mval[r]);
      out.close(constant, position(i, p, c));
    });
  } else if (msparse == 0) {
    for (int32_t i = 0; p > 0 && i < m; ++i) {  // (no rows to visit without columns)
      for (int32_t c = 0; c < p; ++c) {
        double constant = 0.0;
        const TermRange column = terms_of(xi32, ecolptr, c);
        for (int64_t q = column.first; q < column.end; ++q) {
          const int64_t el = element_of_column(q);
          constant += append_scaled(out, E, el, mval[add64(row_of_element(el), int64_t{n} * i)]);
        }
        out.close(constant);
      }
    }
  } else {
    for_each_row_run_and_column(nnz, msubi, p, [&](int64_t first, int64_t end, int64_t i, int32_t c) {
      double constant = 0.0;
      const TermRange column = terms_of(xi32, ecolptr, c);
      const int64_t matches = merge_equal_keys(
          first, end, [&](int64_t r) { return msubj[r]; }, column.first, column.end,
          [&](int64_t q) { return row_of_element(element_of_column(q)); },
          [&](int64_t r, int64_t q) { constant += append_scaled(out, E, element_of_column(q), mval[r]); });
      if (matches == 0) return;
      out.close(constant, position(i, p, c));
    });
  }
}

// Sizes of M E for triplet M and an E whose p columns hold one term per element:
// ((rnelem + the number of row runs of msubi[0 .. nnz - 1]) * p, nnz * p), wrapping in
// 32 bits. `spare` is not read.
std::tuple<int32_t, int32_t> left_product_sizes(int32_t nnz, Vec<const int32_t> msubi, int32_t rnelem, int32_t spare,
                                                int32_t p) {
  const Unlocked unlocked(nnz);
  (void)spare;
  const int32_t runs = unit_stride([nnz](auto rows) { return count_runs(nnz, [&](int64_t r) { return rows[r]; }); },
                                   msubi);
  return {mul32(add32(rnelem, runs), p), mul32(nnz, p)};
}

// Checks nnz triplets: (some entry outside nrows by ncols, some consecutive pair not
// strictly increasing in (row, column)). A set badrange returns (true, unsorted != 0) at
// once, as does the first entry out of range; a set unsorted skips the order scan.
std::tuple<bool, bool> check_triplets_early_exit(int32_t badrange, int32_t unsorted, int32_t nrows, int32_t ncols,
                                                 int32_t nnz, Vec<const int32_t> msubi, Vec<const int32_t> msubj) {
  const Unlocked unlocked(nnz);
  if (badrange != 0) return {true, unsorted != 0};
  const TripletFaults found = triplet_faults(nnz, msubi, msubj, nrows, ncols, true, unsorted == 0);
  if (found.out_of_range) return {true, unsorted != 0};
  return {false, unsorted != 0 || found.not_increasing};
}

// result != 0, unless some triplet (as many as msubi holds) is out of range or some
// consecutive pair is not strictly increasing: then false.
bool triplets_valid(int32_t nrows, int32_t ncols, Vec<const int32_t> msubi, Vec<const int32_t> msubj, int32_t result) {
  const Unlocked unlocked(msubi.size());
  if (result == 0) return false;
  const TripletFaults found = triplet_faults(msubi.size(), msubi, msubj, nrows, ncols, true, true);
  return !found.out_of_range && !found.not_increasing;
}

// badrange != 0, or some triplet (as many as msubi holds) outside nrows by ncols.
bool triplets_out_of_range(int32_t badrange, int32_t nrows, int32_t ncols, Vec<const int32_t> msubi,
                           Vec<const int32_t> msubj) {
  const Unlocked unlocked(msubi.size());
  return badrange != 0 || triplet_faults(msubi.size(), msubi, msubj, nrows, ncols, true, false).out_of_range;
}

// unsorted != 0, or some consecutive pair of triplets (as many as msubi holds) not
// strictly increasing in (row, column).
bool triplets_unsorted(int32_t unsorted, Vec<const int32_t> msubi, Vec<const int32_t> msubj) {
  const Unlocked unlocked(msubi.size());
  return unsorted != 0 || triplet_faults(msubi.size(), msubi, msubj, 0, 0, false, true).not_increasing;
}

}  // namespace fragments::expr

TOPIC("A constant matrix on the left of an expression, and matrix checks")
FRAGMENT(346, expr::left_product, "iiiiiiiiiiOOOiiiiOOOiiiiOOOO", "bfixbase", "cofbase", "p", "eperm", "ecolptr",
         "sparse", "m", "n", "msparse", "nnz", "msubi", "msubj", "mval", "nidxsbase", "ptrbase", "rbfixbase",
         "rcofbase", "rf64", "ri32", "ri64", "rnidxsbase", "rptrbase", "rspbase", "spbase", "wf64", "wi32", "wi64",
         "xi32")
DOC(346, "",
    "Left product M E, the build pass sized by _c_closure_345 or _c_closure_344: by 345 when "
    "sparse = 0, by 344 (same msparse) otherwise, counted from 0. M is m x n, E is n x p on the "
    "work stack (ptr, nidxs, cof, bfix at ptrbase, nidxsbase, cofbase, bfixbase). A sparse E "
    "has sp at wi64[spbase] and is grouped by column on the scratch stack: column c's elements "
    "are xi32[eperm + q] for xi32[ecolptr + c] <= q < xi32[ecolptr + c + 1], in increasing row.\n"
    "Writes a fresh record on the result stack, ri32[rptrbase] = 0 included. Element (i, c) "
    "holds, for each matched pair (entry M(i, k), E element (k, c)) in merge order, E's terms "
    "with coefficients times M(i, k), and the sum of M(i, k) times E's constants; equal "
    "variables are not merged, zero products are kept.\n"
    "- sparse = 0: M as nnz sorted triplets, E dense (element (k, c) is k*p + c): each row run "
    "i of M and c < p gives element (i, c) from E(msubj[t], c) * mval[t] over the run, terms or "
    "not; sp = i*p + c. msparse, m, n, ecolptr, eperm and spbase are not read.\n"
    "- sparse != 0, msparse = 0: M dense (mval[i*n + k]), E sparse: for i < m and c < p, each "
    "element e of E's column c in bucket order, row k = sp / p, is taken times mval[i*n + k] "
    "(zero values included): a dense m x p result, no sp written (rspbase not read). msubi and "
    "msubj (may be None) and nnz are not read.\n"
    "- sparse != 0, msparse != 0: M as triplets, E sparse: each row run i of M and c < p merges "
    "the run (key msubj) with E's column c (key: E's row); element (i, c) with sp = i*p + c "
    "only where a pair matched (also when the matched elements carry no terms).")
FRAGMENT(347, expr::check_triplets_early_exit, "iiiiiOO", "badrange", "unsorted", "nrows", "ncols", "nnz", "msubi", "msubj")
DOC(347, "badrange, unsorted",
    "Triplet check with early exits: returns (out of range, not increasing) for the first nnz "
    "triplets. If badrange != 0 or some msubi[k] lies outside [0, nrows) or msubj[k] outside "
    "[0, ncols) (scanning stops there), returns (True, unsorted != 0) without an order scan. "
    "Otherwise (False, True) when unsorted != 0, else (False, whether some consecutive pair is "
    "not strictly increasing in (row, column); a repeated position counts). _c_closure_302 is "
    "the same test scanning every entry.")
FRAGMENT(358, expr::left_product_sizes, "iOiii", "nnz", "msubi", "rnelem", "spare", "p")
DOC(358, "nelem, nnz",
    "Sizes by the row runs of M's triplets, the count pass of _c_closure_360: 360, a triplet "
    "matrix times a dense variable, is in the family of products of a matrix and a variable. "
    "Returns ((rnelem + the number of runs of equal msubi among msubi[0 .. nnz - 1]) * p, nnz * "
    "p), both wrapping in 32 bits; nnz <= 0 has no runs. rnelem counts rows and is multiplied "
    "by p too: pass 0 to get 360's element and term counts. spare is not read.\n"
    "The term count is exact when every element of the right operand holds one term, as a "
    "variable's do; for _c_closure_346 with a general dense E use _c_closure_345.")
FRAGMENT(361, expr::triplets_valid, "iiOOi", "nrows", "ncols", "msubi", "msubj", "result")
DOC(361, "valid",
    "Triplet validity: returns result != 0 unless some triplet is out of range (msubi outside "
    "[0, nrows) or msubj outside [0, ncols)) or some consecutive pair is not strictly "
    "increasing in (row, column) order (a repeated position counts); then False. There is no "
    "count parameter: the number of triplets is the length of msubi (msubj must hold as many). "
    "result = 0 gives False for any matrix.")
FRAGMENT(362, expr::triplets_out_of_range, "iiiOO", "badrange", "nrows", "ncols", "msubi", "msubj")
DOC(362, "badrange",
    "Triplet range flag: returns True when badrange != 0 or some triplet has msubi outside [0, "
    "nrows) or msubj outside [0, ncols), else False. The number of triplets is the length of "
    "msubi (msubj must hold as many).")
FRAGMENT(363, expr::triplets_unsorted, "iOO", "unsorted", "msubi", "msubj")
DOC(363, "unsorted",
    "Triplet order flag: returns True when unsorted != 0 or some consecutive pair of triplets "
    "is not strictly increasing in (row, column) order (a repeated position counts), else "
    "False. The number of triplets is the length of msubi (msubj must hold as many).")
