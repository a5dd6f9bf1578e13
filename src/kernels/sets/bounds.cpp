// Element bound matrices: the union of a lower-bound and an upper-bound coordinate list
// with both values per element, dense bound matrices flattened, sparse bounds scattered
// into dense arrays, element lists written into two-column index tables.
#include "kernels/kernel.h"

namespace fragments::sets {

// Walks the lower list (lsubi, lsubj) and the upper list (usubi, usubj), both sorted by
// row, then column, without repeats, in merged (row, column) order, calling
// emit(i, j) once per distinct coordinate: i is the lower entry there or -1, j the upper
// entry or -1. Returns the number of calls.
template <class Emit>
static int64_t merge_bound_lists(Vec<const int32_t> lsubi, Vec<const int32_t> lsubj, Vec<const int32_t> usubi,
                                 Vec<const int32_t> usubj, Emit emit) {
  const int64_t nl = lsubi.size(), nu = usubi.size();
  int64_t i = 0, j = 0, r = 0;
  for (; i < nl && j < nu; ++r) {
    const bool lower_first = lsubi[i] < usubi[j] || (lsubi[i] == usubi[j] && lsubj[i] < usubj[j]);
    const bool upper_first = usubi[j] < lsubi[i] || (usubi[j] == lsubi[i] && usubj[j] < lsubj[i]);
    if (lower_first)
      emit(i++, int64_t{-1});
    else if (upper_first)
      emit(int64_t{-1}, j++);
    else
      emit(i++, j++);
  }
  for (; i < nl; ++i, ++r) emit(i, int64_t{-1});
  for (; j < nu; ++j, ++r) emit(int64_t{-1}, j);
  return r;
}

// count plus the number of distinct coordinates in the lower and upper lists together.
int64_t bound_union_size(Vec<const int32_t> lsubi, Vec<const int32_t> lsubj, int64_t count,
                         Vec<const int32_t> usubi, Vec<const int32_t> usubj) {
  return add64(count, merge_bound_lists(lsubi, lsubj, usubi, usubj, [](int64_t, int64_t) {}));
}

// Writes the union of the lower and upper lists, row r of inst being (row, column) of the
// r-th distinct coordinate in (row, column) order, lbv[r] and ubv[r] its bounds, 0.0 for
// a bound that its list lacks. The caller sizes inst, lbv and ubv by bound_union_size.
void bound_union(Mat<int32_t> inst, Vec<double> lbv, Vec<const int32_t> lsubi, Vec<const int32_t> lsubj,
                 Vec<const double> lval, Vec<double> ubv, Vec<const int32_t> usubi, Vec<const int32_t> usubj,
                 Vec<const double> uval) {
  int64_t r = 0;
  merge_bound_lists(lsubi, lsubj, usubi, usubj, [&](int64_t i, int64_t j) {
    inst(r, 0) = i >= 0 ? lsubi[i] : usubi[j];
    inst(r, 1) = i >= 0 ? lsubj[i] : usubj[j];
    lbv[r] = i >= 0 ? lval[i] : 0.0;
    ubv[r] = j >= 0 ? uval[j] : 0.0;
    ++r;
  });
}

// Flattens the nrows × ncols bound matrices row by row: lval[pos + j] = lb(i, j) and
// uval[pos + j] = ub(i, j), then pos += ncols, for each row i. Returns pos.
int32_t flatten_bounds(int32_t nrows, int32_t ncols, int32_t pos, Mat<const double> lb, Vec<double> lval,
                       Mat<const double> ub, Vec<double> uval) {
  for (int32_t i = 0; i < nrows; ++i) {
    for (int32_t j = 0; j < ncols; ++j) {
      lval[int64_t{pos} + j] = lb(i, j);
      uval[int64_t{pos} + j] = ub(i, j);
    }
    pos = add32(pos, ncols);
  }
  return pos;
}

// dense[subi[k] × ncols + subj[k]] = v[k] over the length of subi (64-bit positions).
static void scatter(int32_t ncols, Vec<const int32_t> subi, Vec<const int32_t> subj, Vec<double> dense,
                    Vec<const double> v) {
  for (int64_t k = 0; k < subi.size(); ++k) dense[int64_t{subi[k]} * ncols + subj[k]] = v[k];
}

void scatter_lower(int32_t ncols, Vec<double> lval, Vec<const int32_t> subi, Vec<const int32_t> subj,
                   Vec<const double> v) {
  scatter(ncols, subi, subj, lval, v);
}

void scatter_upper(int32_t ncols, Vec<const int32_t> subi, Vec<const int32_t> subj, Vec<double> uval,
                   Vec<const double> v) {
  scatter(ncols, subi, subj, uval, v);
}

// inst(k, 0) = msubi[k] and inst(k, 1) = msubj[k] over the length of msubi.
void element_table(Mat<int32_t> inst, Vec<const int32_t> msubi, Vec<const int32_t> msubj) {
  for (int64_t k = 0; k < msubi.size(); ++k) {
    inst(k, 0) = msubi[k];
    inst(k, 1) = msubj[k];
  }
}

}  // namespace fragments::sets

FRAGMENT(238, sets::bound_union_size, "OOLOO", "lsubi", "lsubj", "count", "usubi", "usubj")
FRAGMENT(239, sets::bound_union, "OOOOOOOOO", "inst", "lbv", "lsubi", "lsubj", "lval", "ubv", "usubi", "usubj",
         "uval")
FRAGMENT(240, sets::scatter_lower, "iOOOO", "ncols", "lval", "subi", "subj", "v")
FRAGMENT(241, sets::scatter_upper, "iOOOO", "ncols", "subi", "subj", "uval", "v")
FRAGMENT(242, sets::flatten_bounds, "iiiOOOO", "nrows", "ncols", "pos", "lb", "lval", "ub", "uval")
FRAGMENT(243, sets::element_table, "OOO", "inst", "msubi", "msubj")
