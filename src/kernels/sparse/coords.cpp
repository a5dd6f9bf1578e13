// Coordinate-list and dense matrix conversions.
//
// A coordinate list holds entry k as (subi[k], subj[k], val[k]); a trailing underscore
// (subi_, subj_, val_) marks the input list of a kernel that writes a list of the same
// kind. Kernels that append take the write position pos and return the position after
// their last entry.
#include "kernels/kernel.h"

namespace fragments::sparse {

// init + dims[0] + ... + dims[n - 1], wrapping in 32 bits.
static int32_t sum_of_sizes(int32_t init, Vec<const int32_t> dims, int32_t n) {
  int32_t sum = init;
  for (int32_t k = 0; k < n; ++k) sum = add32(sum, dims[k]);
  return sum;
}

// Visits the cells of an nrows × ncols block in row-major order as put(pos, i, j), pos
// counting up from the given position; returns the position after the last cell.
template <class Put>
static int32_t list_cells(int32_t nrows, int32_t ncols, int32_t pos, Put put) {
  if (!all_positive(nrows, ncols)) return pos;
  for (int32_t i = 0; i < nrows; ++i)
    for (int32_t j = 0; j < ncols; ++j) {
      put(pos, i, j);
      pos = add32(pos, 1);
    }
  return pos;
}

// Whether v is non-zero and not NaN.
static bool nonzero(double v) { return v < 0 || v > 0; }

// subi[off + k] = msubi[k] + ioff and subj[off + k] = msubi[k] + joff for k < n: a
// diagonal pattern shifted by (ioff, joff). msubi[k] is read once, before either entry
// off + k is written: with off = 0, msubi may be the same buffer as subi or subj.
void shifted_diagonal(int64_t n, int64_t off, Vec<const int32_t> msubi, int32_t ioff, int32_t joff, Vec<int32_t> subi,
                      Vec<int32_t> subj) {
  for (int64_t k = 0; k < n; ++k) {
    const int32_t d = msubi[k];
    subi[add64(off, k)] = add32(d, ioff);
    subj[add64(off, k)] = add32(d, joff);
  }
}

// init plus the sum of the row block sizes idims[0 .. n - 1] (32-bit).
int32_t total_rows(int32_t init, Vec<const int32_t> idims, int32_t n) { return sum_of_sizes(init, idims, n); }

// init plus the sum of the column block sizes jdims[0 .. n - 1] (32-bit).
int32_t total_cols(int32_t init, Vec<const int32_t> jdims, int32_t n) { return sum_of_sizes(init, jdims, n); }

// Lists every entry of the nrows × ncols block of data in row-major order, zeros
// included, at subi/subj/val[pos ..]. Returns the position after the last.
int32_t dense_to_list(Mat<const double> data, int32_t nrows, int32_t ncols, int32_t pos, Vec<int32_t> subi,
                      Vec<int32_t> subj, Vec<double> val) {
  return list_cells(nrows, ncols, pos, [&](int32_t at, int32_t i, int32_t j) {
    subi[at] = i;
    subj[at] = j;
    val[at] = data(i, j);
  });
}

// The largest of maxi and subi[0 .. n - 1], and of maxj and subj[0 .. n - 1].
std::tuple<int32_t, int32_t> extents(int32_t maxi, int32_t maxj, int32_t n, Vec<const int32_t> subi,
                                     Vec<const int32_t> subj) {
  for (int32_t k = 0; k < n; ++k) {
    if (subi[k] >= maxi) maxi = subi[k];
    if (subj[k] >= maxj) maxj = subj[k];
  }
  return {maxi, maxj};
}

// newdata[i + j × ld] = data[pos + i × ncols + j] for i < nrows, j < ncols: a row-major
// block into column-major order with leading dimension ld. Returns pos + nrows × ncols.
int32_t row_major_to_column_major(Vec<const double> data, int32_t nrows, int32_t ncols, Vec<double> newdata,
                                  int32_t pos, int32_t ld) {
  if (all_positive(nrows, ncols))
    for (int32_t i = 0; i < nrows; ++i)
      for (int32_t j = 0; j < ncols; ++j)
        newdata[int64_t{i} + int64_t{j} * ld] = data[int64_t{pos} + int64_t{i} * ncols + j];
  return add32(pos, mul32(nrows, ncols));
}

// Lists the coordinates of a dense nrows × ncols pattern, row-major, at subi/subj[pos ..].
// Returns the position after the last.
int32_t dense_pattern(int32_t nrows, int32_t ncols, int32_t pos, Vec<int32_t> subi, Vec<int32_t> subj) {
  return list_cells(nrows, ncols, pos, [&](int32_t at, int32_t i, int32_t j) {
    subi[at] = i;
    subj[at] = j;
  });
}

// True when flag is non-zero on entry or some k < nnz has subi_[k] outside 0 .. m - 1
// or subj_[k] outside 0 .. n - 1.
bool out_of_range(int32_t m, int32_t n, int64_t nnz, int32_t flag, Vec<const int32_t> subi_,
                  Vec<const int32_t> subj_) {
  for (int64_t k = 0; k < nnz && flag == 0; ++k)
    if (subi_[k] < 0 || subi_[k] >= m || subj_[k] < 0 || subj_[k] >= n) flag = 1;
  return flag != 0;
}

// init plus the number of entries of val_ that are < 0 or > 0 (zeros and NaN not counted).
int32_t count_nonzeros(int32_t init, Vec<const double> val_) {
  int32_t count = init;
  for (int64_t k = 0; k < val_.size(); ++k)
    if (nonzero(val_[k])) count = add32(count, 1);
  return count;
}

// Appends the entries of (subi_, subj_, val_) whose value is < 0 or > 0 to (subi, subj,
// val) at pos, in order. Returns the position after the last.
int32_t drop_zeros(int32_t pos, Vec<int32_t> subi, Vec<const int32_t> subi_, Vec<int32_t> subj,
                   Vec<const int32_t> subj_, Vec<double> val, Vec<const double> val_) {
  for (int64_t k = 0; k < val_.size(); ++k)
    if (nonzero(val_[k])) {
      val[pos] = val_[k];
      subj[pos] = subj_[k];
      subi[pos] = subi_[k];
      pos = add32(pos, 1);
    }
  return pos;
}

// Row pointers of a list sorted by row: for r < n, ptrb[r] = p, then p passes the
// entries of row r among subi[p .. end - 1]. Returns the final p (end for a sorted
// list of rows 0 .. n - 1).
int64_t row_starts(int32_t n, int64_t end, int64_t p, Vec<int64_t> ptrb, Vec<const int32_t> subi) {
  for (int32_t r = 0; r < n; ++r) {
    ptrb[r] = p;
    while (p < end && subi[p] == r) ++p;
  }
  return p;
}

// r[subi[k] × ncols + subj[k]] = val[k] for every entry, in order (a later entry on the
// same coordinate wins); the other entries of r are left as they are.
void list_to_dense(int32_t ncols, Vec<double> r, Vec<const int32_t> subi, Vec<const int32_t> subj,
                   Vec<const double> val) {
  for (int64_t k = 0; k < subi.size(); ++k) r[int64_t{subi[k]} * ncols + subj[k]] = val[k];
}

}  // namespace fragments::sparse

TOPIC("Coordinate-list and dense matrix conversions")
FRAGMENT(466, sparse::shifted_diagonal, "LLOiiOO", "n", "off", "msubi", "ioff", "joff", "subi", "subj")
DOC(466, "",
    "Shifted diagonal pattern: for k < n, subi[off + k] = msubi[k] + ioff and subj[off + k] = "
    "msubi[k] + joff (32-bit, wrapping): both coordinates come from msubi. msubi[k] is read once, "
    "before either is written, so msubi may be the very buffer subi or subj (in place, off = 0). "
    "subi and subj need off + n entries.")
FRAGMENT(467, sparse::total_rows, "iOi", "init", "idims", "n")
DOC(467, "count",
    "Total of row block sizes: returns init + idims[0] + ... + idims[n - 1], wrapping in 32 bits; "
    "init when n <= 0.")
FRAGMENT(468, sparse::total_cols, "iOi", "init", "jdims", "n")
DOC(468, "count",
    "Total of column block sizes: returns init + jdims[0] + ... + jdims[n - 1], wrapping in 32 "
    "bits; init when n <= 0.")
FRAGMENT(469, sparse::dense_to_list, "OiiiOOO", "data", "nrows", "ncols", "pos", "subi", "subj", "val")
DOC(469, "pos",
    "Dense block to a coordinate list, zeros included: for i < nrows and j < ncols in row-major "
    "order, subi[pos] = i, subj[pos] = j, val[pos] = data[i, j], and pos advances "
    "(_c_closure_475 and _c_closure_476 then drop the zeros).\n"
    "data is two-dimensional with at least nrows rows and ncols columns, any strides. subi, subj "
    "and val need pos + nrows*ncols entries. Returns pos + nrows*ncols (a 32-bit running "
    "position).")
FRAGMENT(470, sparse::extents, "iiiOO", "maxi", "maxj", "n", "subi", "subj")
DOC(470, "maxi, maxj",
    "Extents of a coordinate list: returns (the largest of maxi and subi[0 .. n - 1], the largest "
    "of maxj and subj[0 .. n - 1]); (maxi, maxj) when n <= 0. Seeded with -1, the results plus 1 "
    "are the numbers of rows and columns the list needs.")
SAME_AS(471, 470)
FRAGMENT(472, sparse::row_major_to_column_major, "OiiOii", "data", "nrows", "ncols", "newdata", "pos", "ld")
DOC(472, "pos",
    "Row-major block to column-major: newdata[i + j*ld] = data[pos + i*ncols + j] for i < nrows, "
    "j < ncols, the nrows x ncols block read row-major from data at pos and written column-major "
    "with leading dimension ld (>= nrows; ld = nrows is the plain column-major copy). Entries "
    "nrows .. ld - 1 of each column are left alone.\n"
    "data needs pos + nrows*ncols entries, newdata (ncols - 1)*ld + nrows. Returns pos + "
    "nrows*ncols (a 32-bit running position: where the next block starts in data).")
FRAGMENT(473, sparse::dense_pattern, "iiiOO", "nrows", "ncols", "pos", "subi", "subj")
DOC(473, "pos",
    "Dense pattern as a coordinate list: for i < nrows and j < ncols in row-major order, subi[pos] "
    "= i and subj[pos] = j, and pos advances. subi and subj need pos + nrows*ncols entries. "
    "Returns pos + nrows*ncols (a 32-bit running position).")
FRAGMENT(474, sparse::out_of_range, "iiLiOO", "m", "n", "nnz", "flag", "subi_", "subj_")
DOC(474, "outside",
    "Range check of a coordinate list (error flag): True when flag is non-zero on entry or some k "
    "< nnz has subi_[k] outside 0 .. m - 1 or subj_[k] outside 0 .. n - 1; else False. A set flag "
    "stays set (nothing is read then); nnz <= 0 returns flag as a boolean.")
FRAGMENT(475, sparse::count_nonzeros, "iO", "init", "val_")
DOC(475, "count",
    "Non-zero count, the count pass of _c_closure_476: returns init plus the number of entries of "
    "val_ (its whole length) that are < 0 or > 0, wrapping in 32 bits. Zeros of either sign and "
    "NaN are not counted; infinities are.")
FRAGMENT(476, sparse::drop_zeros, "iOOOOOO", "pos", "subi", "subi_", "subj", "subj_", "val", "val_")
DOC(476, "pos",
    "Dropping zeros, the build pass sized by _c_closure_475: for each k over the whole length of "
    "val_ in order, when val_[k] < 0 or > 0: subi[pos] = subi_[k], subj[pos] = subj_[k], "
    "val[pos] = val_[k], and pos advances. Zeros of either sign and NaN are dropped, infinities "
    "kept.\n"
    "subi_ and subj_ need as many entries as val_; subi, subj and val need pos + count entries, "
    "count being what _c_closure_475 returns with init = 0. Returns the final pos (a 32-bit "
    "running position).")
FRAGMENT(477, sparse::row_starts, "iLLOO", "n", "end", "p", "ptrb", "subi")
DOC(477, "p",
    "Row pointers of a row-sorted coordinate list: for r < n in order, ptrb[r] = p, then p "
    "advances while p < end and subi[p] = r. Returns the final p.\n"
    "For a list sorted by row with rows 0 .. n - 1 at subi[p .. end - 1], ptrb[r] is the first "
    "position of row r (a row without entries gets the same pointer as the next row) and the "
    "result is end; an entry of another row (unsorted, or row >= n) stops the advance and the "
    "result falls short of end. ptrb needs n entries: ptrb[n] is not written, the caller sets it "
    "to the result.")
FRAGMENT(478, sparse::list_to_dense, "iOOOO", "ncols", "r", "subi", "subj", "val")
DOC(478, "",
    "Coordinate list to a dense row-major array: r[subi[k]*ncols + subj[k]] = val[k] for each k "
    "over the whole length of subi, in order. A later entry on a coordinate overwrites an "
    "earlier one (values are not summed: merge duplicates first); entries of r without a listed "
    "coordinate are left alone, so the caller zero-fills r.\n"
    "r needs nrows*ncols entries for rows below nrows; subj and val need as many entries as subi.")
