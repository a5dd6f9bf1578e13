// Sparse multi-dimensional index lists: entries given as rows of a multi-index table
// `sub` or as row-major linear indexes `inst` into the shape `dims_`, with values `cof`.
// Range and order checks, linear indexes, distinct counts, merging of duplicates, scaled
// value copies.
#include "kernels/sparse/indexlists.h"
#include "kernels/strides.h"

namespace fragments::sparse {

// init × dims_[0] × ... × dims_[last], wrapping in 64 bits; init when dims_ is empty.
int64_t size_of_dims(Vec<const int32_t> dims_, int64_t init) {
  return size_product(init, dims_, 0, dims_.size());
}

// Error flag: set when flag is or when some sub(r, c) lies outside 0 .. dims_[c] - 1.
bool multi_indexes_out_of_range(Vec<const int32_t> dims_, int32_t flag, Mat<const int32_t> sub) {
  return any_outside(flag, sub, sub.cols(), dims_);
}

// inst_[r] = the row-major linear index of row r of sub in the shape dims_ (64-bit).
void linear_indexes(Vec<const int32_t> dims_, Vec<int64_t> inst_, Mat<const int32_t> sub) {
  for (int64_t r = 0; r < sub.rows(); ++r) {
    int64_t v = 0;
    for (int64_t c = 0; c < sub.cols(); ++c) v = add64(mul64(v, dims_[c]), sub(r, c));
    inst_[r] = v;
  }
}

// Error flag: set when flag is or when some entry lies outside 0 .. size - 1 (so flag
// when inst_ is empty).
bool linear_indexes_out_of_range(int32_t flag, Vec<const int64_t> inst_, int64_t size) {
  return any_outside(flag, inst_, size);
}

// Validity flag: flag when inst is empty, false when flag is 0; otherwise whether every
// entry of inst is in 0 .. size - 1 and exceeds the one before it.
bool strictly_increasing_in_range(Vec<const int64_t> inst, int32_t flag, int64_t size) {
  if (inst.size() == 0 || flag == 0) return flag != 0;
  for (int64_t k = 0; k < inst.size(); ++k)
    if (inst[k] < 0 || inst[k] >= size || (k > 0 && inst[k] <= inst[k - 1])) return false;
  return true;
}

// Validity flag: flag when inst_ has at most one entry, false when flag is 0; otherwise
// whether inst_ is non-decreasing.
bool non_decreasing(Vec<const int64_t> inst_, int32_t flag) {
  if (inst_.size() <= 1 || flag == 0) return flag != 0;
  for (int64_t k = 1; k < inst_.size(); ++k)
    if (inst_[k] < inst_[k - 1]) return false;
  return true;
}

// Validity flag: flag when n <= 0, false when flag is 0; otherwise whether
// ptrb[0] <= ptrb[1] <= ... <= ptrb[n].
bool pointers_in_order(int32_t n, Vec<const int64_t> ptrb, int32_t flag) {
  if (n <= 0 || flag == 0) return flag != 0;
  for (int32_t k = 0; k < n; ++k)
    if (ptrb[k] > ptrb[k + 1]) return false;
  return true;
}

// count plus the number of k >= 1 with inst_[k - 1] < inst_[k]: on a sorted list with
// count 1, the number of distinct indexes.
int32_t distinct_count(Vec<const int64_t> inst_, int32_t count) {
  return count_increases(count, inst_.size(), [&](int64_t k) { return inst_[k]; });
}

// The same on the order inst_[perm[0]], inst_[perm[1]], ... (perm as long as inst_).
int32_t distinct_count_through(Vec<const int64_t> inst_, int32_t count, Vec<const int64_t> perm) {
  return count_increases(count, inst_.size(), [&](int64_t k) { return inst_[perm[k]]; });
}

// Merges the duplicates of the sorted list (inst_, cof_) into (inst, cof). The caller has
// written the first entry at pos (inst[pos] = inst_[0], cof[pos] = cof_[0]); every later
// entry either starts a new output entry at pos + 1 or adds its value to cof[pos].
// Returns the position of the last entry written.
template <class At>
static int32_t merge_duplicates(Vec<double> cof, Vec<const double> cof_, Vec<int64_t> inst,
                                Vec<const int64_t> inst_, int32_t pos, At at) {
  for (int64_t k = 1; k < inst_.size(); ++k) {
    const int64_t e = at(k);
    if (inst_[at(k - 1)] < inst_[e]) {
      pos = add32(pos, 1);
      inst[pos] = inst_[e];
      cof[pos] = cof_[e];
    } else {
      cof[pos] += cof_[e];
    }
  }
  return pos;
}

int32_t merge_sorted(Vec<double> cof, Vec<const double> cof_, Vec<int64_t> inst, Vec<const int64_t> inst_,
                     int32_t pos) {
  return merge_duplicates(cof, cof_, inst, inst_, pos, [](int64_t k) { return k; });
}

// The same on the entries perm[0], perm[1], ... of (inst_, cof_).
int32_t merge_sorted_through(Vec<double> cof, Vec<const double> cof_, Vec<int64_t> inst,
                             Vec<const int64_t> inst_, int32_t pos, Vec<const int64_t> perm) {
  return merge_duplicates(cof, cof_, inst, inst_, pos, [&](int64_t k) { return perm[k]; });
}

// i64[at] = value - 1 (a one-based index made zero-based).
void store_zero_based(Vec<int64_t> i64, int32_t value, int32_t at) { i64[at] = int64_t{value} - 1; }

// target[k] = scale × source[k] for k < n; with scale 1 the n values are copied as they are.
static void scaled_copy(Vec<double> target, double scale, int32_t n, Vec<const double> source) {
  if (scale == 1.0) {
    copy_run(source, 0, target, 0, n);
    return;
  }
  unit_stride([n, scale](auto t, auto s) {
    for (int32_t k = 0; k < n; ++k) t[k] = scale * s[k];
  }, target, source);
}

void scale_uval(Vec<double> new_uval, double scale, int32_t n, Vec<const double> uval) {
  scaled_copy(new_uval, scale, n, uval);
}

void scale_vval(Vec<double> new_vval, double scale, int32_t n, Vec<const double> vval) {
  scaled_copy(new_vval, scale, n, vval);
}

}  // namespace fragments::sparse

TOPIC("Sparse multi-dimensional index lists")
FRAGMENT(446, sparse::strictly_increasing_in_range, "OiL", "inst", "flag", "size")
DOC(446, "valid",
    "Strict increase and range of linear indexes (validity flag): False when flag is 0; True when "
    "inst is empty and flag is not 0; otherwise True when every entry of inst (its whole length), "
    "entry 0 included, lies in 0 .. size - 1 and every entry exceeds the one before it, else "
    "False.")
FRAGMENT(447, sparse::pointers_in_order, "iOi", "n", "ptrb", "flag")
DOC(447, "valid",
    "Order of pointers (validity flag): False when flag is 0; True when n <= 0 and flag is not 0; "
    "otherwise True when ptrb[0] <= ptrb[1] <= ... <= ptrb[n], else False. Reads ptrb[0 .. n].")
FRAGMENT(448, sparse::store_zero_based, "Oii", "i64", "value", "at")
DOC(448, "",
    "One-based index made zero-based: i64[at] = value - 1, computed in 64 bits (value = -2**31 "
    "gives -2**31 - 1). Writes that one entry.")
FRAGMENT(449, sparse::scale_uval, "OdiO", "new_uval", "scale", "n", "uval")
DOC(449, "",
    "Scaled copy of values: new_uval[k] = scale * uval[k] for k < n; when scale is exactly 1 the n "
    "values are copied unchanged. new_uval and uval need n entries; n <= 0 writes nothing.")
FRAGMENT(450, sparse::scale_vval, "OdiO", "new_vval", "scale", "n", "vval")
DOC(450, "",
    "Scaled copy of values: new_vval[k] = scale * vval[k] for k < n; when scale is exactly 1 the n "
    "values are copied unchanged. new_vval and vval need n entries; n <= 0 writes nothing.")
FRAGMENT(451, sparse::size_of_dims, "OL", "dims_", "init")
DOC(451, "size",
    "Size of a shape: returns init * dims_[0] * ... * dims_[last] over the whole length of dims_, "
    "wrapping in 64 bits; init when dims_ is empty.")
SAME_AS(459, 451)
FRAGMENT(452, sparse::multi_indexes_out_of_range, "OiO", "dims_", "flag", "sub")
DOC(452, "outside",
    "Range check of a multi-index table (error flag): True when flag is non-zero on entry or some "
    "sub[r, c], over every row r and column c of sub, lies outside 0 .. dims_[c] - 1; else False. "
    "dims_ needs as many entries as sub has columns; a table without rows returns flag as a "
    "boolean.")
FRAGMENT(453, sparse::linear_indexes, "OOO", "dims_", "inst_", "sub")
DOC(453, "",
    "Linear indexes of a multi-index table: for each row r of sub, inst_[r] = the row-major "
    "linear index of the row in the shape dims_: v = 0, then v = v*dims_[c] + sub[r, c] for each "
    "column c in order (64-bit, wrapping).\n"
    "inst_ needs as many entries as sub has rows, dims_ as many as sub has columns. The "
    "multi-indexes are not checked (_c_closure_452 does that).")
FRAGMENT(454, sparse::non_decreasing, "Oi", "inst_", "flag")
DOC(454, "valid",
    "Non-decrease of linear indexes (validity flag): False when flag is 0; True when inst_ has at "
    "most one entry and flag is not 0; otherwise True when inst_[k - 1] <= inst_[k] for every k = "
    "1 .. len(inst_) - 1, else False.")
SAME_AS(461, 454)
FRAGMENT(455, sparse::distinct_count, "Oi", "inst_", "count")
DOC(455, "count",
    "Distinct count of a sorted index list, the count pass of _c_closure_456: returns count plus "
    "the number of k = 1 .. len(inst_) - 1 with inst_[k - 1] < inst_[k], wrapping in 32 bits. With "
    "count = 1 and inst_ non-empty and non-decreasing, the number of distinct indexes.")
SAME_AS(462, 455)
FRAGMENT(456, sparse::merge_sorted, "OOOOi", "cof", "cof_", "inst", "inst_", "pos")
DOC(456, "pos",
    "Merging duplicates of a sorted index list, the build pass sized by _c_closure_455: the "
    "caller first writes entry 0 at pos (inst[pos] = inst_[0], cof[pos] = cof_[0]); then for k = "
    "1 .. len(inst_) - 1: when inst_[k - 1] < inst_[k], pos += 1, inst[pos] = inst_[k], cof[pos] "
    "= cof_[k]; otherwise cof[pos] += cof_[k].\n"
    "inst_ must be non-decreasing (_c_closure_454 tests that): a decrease is merged like an "
    "equal index. cof_ needs as many entries as inst_; inst and cof need pos + count entries, "
    "count being what _c_closure_455 returns with count = 1. Values of one index are summed in "
    "list order; sums of zero stay. With pos = 0 the merge may run in place (inst = inst_, cof = "
    "cof_).\n"
    "Returns pos, the position of the last entry written (not one past it; 32-bit).")
SAME_AS(463, 456)
FRAGMENT(457, sparse::distinct_count_through, "OiO", "inst_", "count", "perm")
DOC(457, "count",
    "Distinct count through a permutation, the count pass of _c_closure_458: returns count plus "
    "the number of k = 1 .. len(inst_) - 1 with inst_[perm[k - 1]] < inst_[perm[k]], wrapping in "
    "32 bits. perm needs as many entries as inst_; with count = 1 and inst_ non-decreasing through "
    "perm, the number of distinct indexes.")
SAME_AS(464, 457)
FRAGMENT(458, sparse::merge_sorted_through, "OOOOiO", "cof", "cof_", "inst", "inst_", "pos", "perm")
DOC(458, "pos",
    "Merging duplicates through a permutation, the build pass sized by _c_closure_457: the "
    "caller first writes inst[pos] = inst_[perm[0]], cof[pos] = cof_[perm[0]]; then for k = 1 .. "
    "len(inst_) - 1, with e = perm[k]: when inst_[perm[k - 1]] < inst_[e], pos += 1, inst[pos] = "
    "inst_[e], cof[pos] = cof_[e]; otherwise cof[pos] += cof_[e].\n"
    "perm needs as many entries as inst_ and must order it non-decreasingly; inst and cof need "
    "pos + count entries, count being what _c_closure_457 returns with count = 1, and must be "
    "other arrays than inst_ and cof_. Values of one index are summed in the order of perm; sums "
    "of zero stay.\n"
    "Returns pos, the position of the last entry written (not one past it; 32-bit).")
SAME_AS(465, 458)
FRAGMENT(460, sparse::linear_indexes_out_of_range, "iOL", "flag", "inst_", "size")
DOC(460, "outside",
    "Range check of linear indexes (error flag): True when flag is non-zero on entry or some entry "
    "of inst_ (its whole length) lies outside 0 .. size - 1; else False. An empty inst_ returns "
    "flag as a boolean.")
