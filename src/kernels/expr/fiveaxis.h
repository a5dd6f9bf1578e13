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

// Writes result elements one after another from element k and term position c on.
// Element k gets the terms of operand element a and then those of b (none when b < 0),
// every coefficient times scale, the constant scale × (bfix[a] + bfix[b]), and
// ptr[k + 1] = the running term count.
struct ElementWriter {
  RecordIn w;
  RecordOut r;
  int32_t k;
  int32_t c;

  void put(int64_t a, int64_t b, double scale) {
    double constant = w.bfix[a];
    append(a, scale);
    if (b >= 0) {
      constant += w.bfix[b];
      append(b, scale);
    }
    close(scale * constant);
  }

  // An element with no terms and constant 0.
  void put_zero() { close(0.0); }

 private:
  void append(int64_t e, double scale) {
    for (int64_t t = w.ptr[e]; t < w.ptr[add64(e, 1)]; ++t, c = add32(c, 1)) {
      r.nidxs[c] = w.nidxs[t];
      r.cof[c] = scale * w.cof[t];
    }
  }
  void close(double constant) {
    r.bfix[k] = constant;
    r.ptr[int64_t{k} + 1] = c;
    k = add32(k, 1);
  }
};

inline RecordIn operand_runs(Vec<const int32_t> wi32, Vec<const int64_t> wi64, Vec<const double> wf64,
                             int32_t ptr, int32_t nidxs, int32_t cof, int32_t bfix) {
  return RecordIn{{}, wi32.from(ptr), wi64.from(nidxs), wf64.from(cof), wf64.from(bfix), {}};
}

inline RecordOut result_runs(Vec<int32_t> ri32, Vec<int64_t> ri64, Vec<double> rf64, int32_t ptr, int32_t nidxs,
                             int32_t cof, int32_t bfix) {
  return RecordOut{{}, ri32.from(ptr), ri64.from(nidxs), rf64.from(cof), rf64.from(bfix), {}};
}

}  // namespace fragments::expr
