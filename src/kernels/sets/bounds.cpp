// Element bound matrices: the union of a lower-bound and an upper-bound coordinate list,
// flattening of dense bound matrices, scatters of sparse bounds, element tables.
//
// A bound list is sorted by row, then column, without repeated coordinates; its length is
// the length of its row array. The union has one row per distinct coordinate of the two
// lists, in the same order; an element that one list lacks gets 0.0 for that bound.
#include "kernels/kernel.h"

namespace fragments::sets {
namespace {

// -1, 0 or 1 as (ri, rj) comes before, equals or comes after (si, sj), by row then column.
inline int compare(int32_t ri, int32_t rj, int32_t si, int32_t sj) {
  if (ri != si) return ri < si ? -1 : 1;
  if (rj != sj) return rj < sj ? -1 : 1;
  return 0;
}

// Walks the union of the two lists in order, calling emit(i, j) once per union element
// with the positions in the lower and upper lists (-1 where the list lacks it). Returns
// the number of elements.
template <class Emit>
int64_t merge_bounds(Vec<const int32_t> lsubi, Vec<const int32_t> lsubj, Vec<const int32_t> usubi,
                     Vec<const int32_t> usubj, Emit emit) {
  const int64_t nl = lsubi.size(), nu = usubi.size();
  int64_t i = 0, j = 0, r = 0;
  for (; i < nl && j < nu; ++r) {
    const int c = compare(lsubi[i], lsubj[i], usubi[j], usubj[j]);
    if (c < 0)
      emit(i++, int64_t{-1});
    else if (c > 0)
      emit(int64_t{-1}, j++);
    else
      emit(i++, j++);
  }
  for (; i < nl; ++r) emit(i++, int64_t{-1});
  for (; j < nu; ++r) emit(int64_t{-1}, j++);
  return r;
}

// v[subi[k] * ncols + subj[k]] = val[k] over the length of subi (the position in 64 bits).
void scatter_bounds(int32_t ncols, Vec<const int32_t> subi, Vec<const int32_t> subj, Vec<const double> val,
                    Vec<double> v) {
  const int64_t n = subi.size();
  for (int64_t k = 0; k < n; ++k) v[int64_t{subi[k]} * ncols + subj[k]] = val[k];
}

}  // namespace

// count plus the number of distinct coordinates of the two lists together.
int64_t union_size(Vec<const int32_t> lsubi, Vec<const int32_t> lsubj, int64_t count, Vec<const int32_t> usubi,
                   Vec<const int32_t> usubj) {
  return add64(count, merge_bounds(lsubi, lsubj, usubi, usubj, [](int64_t, int64_t) {}));
}

// Writes the union of the two lists: inst(r, 0..1) the coordinate of element r, lbv[r] and
// ubv[r] its bounds. The caller sizes inst, lbv and ubv by union_size with count 0.
void union_with_bounds(Mat<int32_t> inst, Vec<double> lbv, Vec<const int32_t> lsubi, Vec<const int32_t> lsubj,
                       Vec<const double> lval, Vec<double> ubv, Vec<const int32_t> usubi, Vec<const int32_t> usubj,
                       Vec<const double> uval) {
  int64_t r = 0;
  merge_bounds(lsubi, lsubj, usubi, usubj, [&](int64_t i, int64_t j) {
    inst(r, 0) = i >= 0 ? lsubi[i] : usubi[j];
    inst(r, 1) = i >= 0 ? lsubj[i] : usubj[j];
    lbv[r] = i >= 0 ? lval[i] : 0.0;
    ubv[r] = j >= 0 ? uval[j] : 0.0;
    ++r;
  });
}

// For each row i < nrows: lval[pos + j] = lb(i, j) and uval[pos + j] = ub(i, j) for
// j < ncols, then pos += ncols. Returns the final pos.
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

// lval[subi[k] * ncols + subj[k]] = v[k] for k over the length of subi.
void scatter_lower_bounds(int32_t ncols, Vec<double> lval, Vec<const int32_t> subi, Vec<const int32_t> subj,
                          Vec<const double> v) {
  scatter_bounds(ncols, subi, subj, v, lval);
}

// uval[subi[k] * ncols + subj[k]] = v[k] for k over the length of subi.
void scatter_upper_bounds(int32_t ncols, Vec<const int32_t> subi, Vec<const int32_t> subj, Vec<double> uval,
                          Vec<const double> v) {
  scatter_bounds(ncols, subi, subj, v, uval);
}

// inst(k, 0) = msubi[k] and inst(k, 1) = msubj[k] for k over the length of msubi.
void element_table(Mat<int32_t> inst, Vec<const int32_t> msubi, Vec<const int32_t> msubj) {
  const int64_t n = msubi.size();
  for (int64_t k = 0; k < n; ++k) {
    inst(k, 0) = msubi[k];
    inst(k, 1) = msubj[k];
  }
}

}  // namespace fragments::sets

TOPIC("Element bound matrices")
FRAGMENT(238, sets::union_size, "OOLOO", "lsubi", "lsubj", "count", "usubi", "usubj")
FRAGMENT(239, sets::union_with_bounds, "OOOOOOOOO", "inst", "lbv", "lsubi", "lsubj", "lval", "ubv", "usubi", "usubj", "uval")
FRAGMENT(240, sets::scatter_lower_bounds, "iOOOO", "ncols", "lval", "subi", "subj", "v")
FRAGMENT(241, sets::scatter_upper_bounds, "iOOOO", "ncols", "subi", "subj", "uval", "v")
FRAGMENT(242, sets::flatten_bounds, "iiiOOOO", "nrows", "ncols", "pos", "lb", "lval", "ub", "uval")
FRAGMENT(243, sets::element_table, "OOO", "inst", "msubi", "msubj")
