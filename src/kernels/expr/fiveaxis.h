// The five-axis view of a shape around two chosen dimensions of equal size, shared by
// the symmetric and triangular parts of a record.
//
// dim = (d0, d1, d2, d3, d4): the product of the sizes before the first chosen
// dimension, its size, the product of the sizes between the two, the second's size and
// the product of the sizes after it. stride holds the view's row-major strides:
// stride[4] is set by the caller (1 for a plain view) and stride[b] = dim[b + 1] ×
// stride[b + 1]. A linear index L has block coordinate c_b = (L / stride[b]) mod dim[b].
#pragma once

#include "kernels/expr/record.h"

namespace fragments::expr {

// (L / st) mod d: a block coordinate. A block without positions (or a stride that is not
// positive) gives 0, so that no input divides by zero.
inline int64_t block_coordinate(int64_t L, int64_t st, int64_t d) {
  if (st <= 0 || d <= 0) return 0;
  return (L / st) % d;
}

struct FiveAxis {
  int64_t d[5];
  int64_t st[5];

  template <class T>
  FiveAxis(Vec<const int32_t> dim, Vec<const T> stride) {
    for (int b = 0; b < 5; ++b) {
      d[b] = dim[b];
      st[b] = stride[b];
    }
  }

  int64_t coordinate(int64_t L, int b) const { return block_coordinate(L, st[b], d[b]); }

  // Whether every block size is positive; the positions of a dense operand whose square
  // blocks have the given side (d[1] and d[3] in a valid view), as block_size() counts them.
  bool nonempty() const { return all_positive(d[0], d[1], d[2], d[3], d[4]); }
  int64_t square_positions(int64_t side) const { return block_size(d[0], side, d[2], side, d[4]); }

  // The linear index at block coordinates (c0, ..., c4).
  int64_t at(int64_t c0, int64_t c1, int64_t c2, int64_t c3, int64_t c4) const {
    int64_t L = mul64(c0, st[0]);
    L = add64(L, mul64(c1, st[1]));
    L = add64(L, mul64(c2, st[2]));
    L = add64(L, mul64(c3, st[3]));
    return add64(L, mul64(c4, st[4]));
  }

  // The linear index of L's mirror: its coordinates c1 and c3 exchanged.
  int64_t mirror(int64_t L) const {
    return at(coordinate(L, 0), coordinate(L, 3), coordinate(L, 2), coordinate(L, 1), coordinate(L, 4));
  }
};

// The term count of stored element e of a record whose ptr run is ptr.
inline int32_t term_count(Vec<const int32_t> ptr, int64_t e) { return sub32(ptr[add64(e, 1)], ptr[e]); }

// Writes the next result element: the terms of operand element a and then those of b
// (none when b < 0), every coefficient times scale, and the constant scale × (bfix[a] +
// bfix[b]).
inline void put_pair(RecordWriter& out, const RecordIn& w, int64_t a, int64_t b, double scale) {
  double constant = w.bfix[a];
  out.append(w, a, scale);
  if (b >= 0) {
    constant += w.bfix[b];
    out.append(w, b, scale);
  }
  out.close(scale * constant);
}

}  // namespace fragments::expr
