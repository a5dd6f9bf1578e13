// Loops shared by the products of a constant matrix with an expression or a variable:
// runs of equal keys, merges of two key-sorted lists, and the scaled copy of an operand
// element into the result being written.
#pragma once

#include "kernels/expr/record.h"

namespace fragments::expr {

// Row and column of linear index `linear` in a shape with q columns. A shape without
// columns stores no element; should q not be positive anyway, the index counts as a
// column of row 0 rather than being divided by q.
inline int64_t row_of(int64_t linear, int64_t q) { return q > 0 ? linear / q : 0; }
inline int64_t col_of(int64_t linear, int64_t q) { return q > 0 ? linear % q : linear; }

// Calls visit(first, end) for every maximal run first .. end - 1 of items 0 .. count - 1
// that share one key(item), in order. Nothing when count <= 0.
template <class Key, class Visit>
void for_each_run(int64_t count, Key key, Visit visit) {
  for (int64_t first = 0; first < count;) {
    const int64_t value = key(first);
    int64_t end = first + 1;
    while (end < count && key(end) == value) ++end;
    visit(first, end);
    first = end;
  }
}

// The number of runs that for_each_run visits: one at item 0 and one at every change of
// key (a loop without a branch per item).
template <class Key>
int32_t count_runs(int64_t count, Key key) {
  if (count <= 0) return 0;
  uint32_t runs = 1;
  for (int64_t r = 1; r < count; ++r) runs += key(r) != key(r - 1);
  return static_cast<int32_t>(runs);
}

// For every row run first .. end - 1 of nnz triplets (rows msubi, sorted) and every
// column c below p, in that order: visit(first, end, i, c) with i the run's row.
template <class Visit>
void for_each_row_run_and_column(int32_t nnz, Vec<const int32_t> msubi, int32_t p, Visit visit) {
  for_each_run(nnz, [&](int64_t r) { return msubi[r]; }, [&](int64_t first, int64_t end) {
    for (int32_t c = 0; c < p; ++c) visit(first, end, msubi[first], c);
  });
}

// Merges items a .. a_end - 1 with items b .. b_end - 1, each list in increasing key: the
// side with the smaller key advances; on equal keys match(a, b) is called and both
// advance. Returns the number of matches.
template <class KeyA, class KeyB, class Match>
int64_t merge_equal_keys(int64_t a, int64_t a_end, KeyA key_a, int64_t b, int64_t b_end, KeyB key_b, Match match) {
  int64_t matches = 0;
  while (a < a_end && b < b_end) {
    const int64_t ka = key_a(a), kb = key_b(b);
    if (ka < kb) {
      ++a;
    } else if (kb < ka) {
      ++b;
    } else {
      match(a, b);
      ++matches;
      ++a;
      ++b;
    }
  }
  return matches;
}

// Linear index of position (i, c) of a result with p columns.
inline int64_t position(int64_t i, int32_t p, int64_t c) { return add64(mul64(i, p), c); }

// Appends v times operand element e to the result element being written: e's terms with
// coefficients times v. Returns v times e's constant, for the element's constant.
inline double append_scaled(RecordWriter& out, const RecordIn& E, int64_t e, double v) {
  out.append(E, e, v);
  return v * E.bfix[e];
}

}  // namespace fragments::expr
