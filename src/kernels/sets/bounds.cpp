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
  // With no columns only pos moves, by ncols per row.
  if (ncols <= 0) return nrows > 0 ? add32(pos, mul32(nrows, ncols)) : pos;
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
DOC(238, "count",
    "Union size, the count pass of _c_closure_239: returns count plus the number of distinct "
    "coordinates in the lower-bound list (lsubi, lsubj) and the upper-bound list (usubi, usubj) "
    "together (64-bit). Writes nothing; with count = 0 the result is the number of rows "
    "_c_closure_239 writes.\n"
    "A list's length is that of lsubi (usubi), and lsubj (usubj) needs as many entries; a list "
    "given as None is empty. Each list must be sorted by row, then column, without repeated "
    "coordinates.")
FRAGMENT(239, sets::union_with_bounds, "OOOOOOOOO", "inst", "lbv", "lsubi", "lsubj", "lval", "ubv", "usubi", "usubj", "uval")
DOC(239, "",
    "Union with bounds, the build pass sized by _c_closure_238 (count 0): merges the lower-bound "
    "list (lsubi, lsubj, lval) and the upper-bound list (usubi, usubj, uval), both sorted by row, "
    "then column, without repeats, and writes for each union element r in that order: inst(r, 0) "
    "and inst(r, 1) = its row and column, lbv[r] = its lower and ubv[r] = its upper bound, 0.0 for "
    "the bound of a list that lacks the coordinate. A coordinate in both lists gives one row.\n"
    "The lists' lengths are those of lsubi and usubi (None: empty); lsubj and lval need the length "
    "of lsubi, usubj and uval that of usubi. inst needs U rows of at least 2 columns and lbv and "
    "ubv U entries, U being _c_closure_238's result with count 0.")
FRAGMENT(240, sets::scatter_lower_bounds, "iOOOO", "ncols", "lval", "subi", "subj", "v")
DOC(240, "",
    "Scatter of lower bounds: lval[subi[k]*ncols + subj[k]] = v[k] for k over the length of subi "
    "(positions in 64 bits): sparse bounds into a dense row-major array of ncols columns. subj and "
    "v need as many entries as subi; lval needs every position written (nrows*ncols for an nrows x "
    "ncols matrix). Positions not listed are left alone (the caller fills the defaults first); the "
    "coordinates may come in any order, and of a repeated one the last value stays. _c_closure_241 "
    "is the same into uval.")
FRAGMENT(241, sets::scatter_upper_bounds, "iOOOO", "ncols", "subi", "subj", "uval", "v")
DOC(241, "",
    "Scatter of upper bounds: uval[subi[k]*ncols + subj[k]] = v[k] for k over the length of subi "
    "(positions in 64 bits), as _c_closure_240 does for lval; note that uval stands between subj "
    "and v. subj and v need as many entries as subi; uval needs every position written. Positions "
    "not listed are left alone; of a repeated coordinate the last value stays.")
FRAGMENT(242, sets::flatten_bounds, "iiiOOOO", "nrows", "ncols", "pos", "lb", "lval", "ub", "uval")
DOC(242, "pos",
    "Flattening of dense bounds: for each row i < nrows, lval[pos + j] = lb(i, j) and uval[pos + "
    "j] = ub(i, j) for j < ncols, then pos += ncols. lb and ub are 2-D tables of at least nrows "
    "rows and ncols columns, read through their strides (any order); lval and uval need pos + "
    "nrows*ncols entries.\n"
    "Returns the final pos, pos + nrows*ncols (a 32-bit running position); pos when nrows <= 0, "
    "and nothing is written when nrows <= 0 or ncols <= 0.")
FRAGMENT(243, sets::element_table, "OOO", "inst", "msubi", "msubj")
DOC(243, "",
    "Element table: inst(k, 0) = msubi[k] and inst(k, 1) = msubj[k] for k over the length of "
    "msubi. inst needs that many rows of at least 2 columns (any strides: a transposed table "
    "works; other columns are left alone); msubj needs as many entries as msubi.")
