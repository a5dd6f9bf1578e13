// Shape tables and one-slot row pointers.
//
// Shapes are int32 lists of axis sizes; `shapes` is a table whose row i holds the shape
// of operand i. Copying a shorter shape and padding it with ones lines it up with
// longer ones.
//
// Grouping an int64 list of N items by row (m rows) with a one-slot shift: zero ptrb
// (m + 1 entries); count_rows (n = N) puts row r's count in ptrb[r + 1]; running_starts
// (n = m) makes ptrb[r] the start of row r; scatter_by_row (n = N) fills subj and leaves
// ptrb[r] at row r's end; shift_up (n = m) moves the ends up one entry; the caller sets
// ptrb[0] = 0. Row r's items are then subj[ptrb[r]] .. subj[ptrb[r + 1] - 1].
#include "kernels/expr/record.h"

namespace fragments::sparse {

using expr::copy_elements;

// shape[k] = 1 for from <= k < to.
static void fill_ones(Vec<int32_t> shape, int64_t from, int64_t to) {
  for (int64_t k = from; k < to; ++k) shape[k] = 1;
}

// Starting from maxv and minv (the caller seeds both with nds[0]), the largest and the
// smallest of nds[1 .. n - 1]. Returns (maxv, minv).
std::tuple<int32_t, int32_t> size_extremes(int32_t maxv, int32_t minv, int32_t n, Vec<const int32_t> nds) {
  for (int32_t k = 1; k < n; ++k) {
    if (nds[k] < minv) minv = nds[k];
    if (nds[k] >= maxv) maxv = nds[k];
  }
  return {maxv, minv};
}

// shape[k] = s[k] over the whole length of s.
void copy_whole_shape(Vec<const int32_t> s, Vec<int32_t> shape) { copy_elements(s, shape, s.size()); }

// shape[k] = 1 for k from the length of s up to n - 1 (nothing when n <= length of s).
void pad_shape(int32_t n, Vec<const int32_t> s, Vec<int32_t> shape) { fill_ones(shape, s.size(), n); }

// Row `row` of the table takes shp: shapes[row, k] = shp[k] over the length of shp.
void copy_shape_to_row(int32_t row, Mat<int32_t> shapes, Vec<const int32_t> shp) {
  copy_elements(shp, shapes.row(row), shp.size());
}

// shapes[row, k] = 1 for k from the length of shp up to n - 1.
void pad_row(int32_t row, int32_t n, Mat<int32_t> shapes, Vec<const int32_t> shp) {
  fill_ones(shapes.row(row), shp.size(), n);
}

// shape[k] = sh[k] for k < n.
void copy_leading_shape(int32_t n, Vec<const int32_t> sh, Vec<int32_t> shape) { copy_elements(sh, shape, n); }

// shape[k] = 1 for start <= k < end.
void ones_between(int32_t end, int32_t start, Vec<int32_t> shape) { fill_ones(shape, start, end); }

// init × shape[0] × ... × shape[n - 1], wrapping in 64 bits; init when n <= 0.
int64_t leading_size64(int32_t n, Vec<const int32_t> shape, int64_t init) {
  return size_product(init, shape, 0, n);
}

// ptrb[ii[k] + 1] += 1 for k < n: row counts, one slot up.
void count_rows(Vec<const int64_t> ii, int32_t n, Vec<int64_t> ptrb) {
  for (int32_t k = 0; k < n; ++k) {
    const int64_t at = add64(ii[k], 1);
    ptrb[at] = add64(ptrb[at], 1);
  }
}

// ptrb[k] += ptrb[k - 1] for k = 1 .. n.
void running_starts(Vec<int64_t> ptrb, int32_t n) {
  for (int32_t k = 1; k <= n; ++k) ptrb[k] = add64(ptrb[k], ptrb[k - 1]);
}

// For k < n in order, with r = ii[k]: subj[ptrb[r]] = idxs[k], then ptrb[r] += 1. Items
// of one row keep their input order; ptrb[r] ends at row r's end.
void scatter_by_row(Vec<const int64_t> idxs, Vec<const int64_t> ii, int32_t n, Vec<int64_t> ptrb, Vec<int64_t> subj) {
  for (int32_t k = 0; k < n; ++k) {
    const int64_t r = ii[k];
    subj[ptrb[r]] = idxs[k];
    ptrb[r] = add64(ptrb[r], 1);
  }
}

// ptrb[k] = ptrb[k - 1] for k = n down to 1; ptrb[0] is left as it was.
void shift_up(Vec<int64_t> ptrb, int32_t n) {
  for (int32_t k = n; k >= 1; --k) ptrb[k] = ptrb[k - 1];
}

}  // namespace fragments::sparse

TOPIC("Shape tables and one-slot row pointers")
FRAGMENT(431, sparse::size_extremes, "iiiO", "maxv", "minv", "n", "nds")
DOC(431, "maxv, minv",
    "Extremes of a dimension list: over k = 1 .. n - 1, minv = nds[k] when nds[k] < minv and maxv "
    "= nds[k] when nds[k] >= maxv. Entry 0 is not read: the caller seeds maxv and minv with "
    "nds[0]. Returns (maxv, minv), unchanged when n <= 1.")
FRAGMENT(432, sparse::copy_whole_shape, "OO", "s", "shape")
DOC(432, "",
    "Copy of a shape: shape[k] = s[k] for every k over the length of s. shape needs that many "
    "entries; its further entries are left alone (_c_closure_433 pads them with ones).")
FRAGMENT(433, sparse::pad_shape, "iOO", "n", "s", "shape")
DOC(433, "",
    "Padding a shape with ones: shape[k] = 1 for k = len(s) .. n - 1, lining a shape copied by "
    "_c_closure_432 up with n axes. Only the length of s is read; n <= len(s) writes nothing. "
    "shape needs n entries.")
FRAGMENT(434, sparse::copy_shape_to_row, "iOO", "row", "shapes", "shp")
DOC(434, "",
    "Shape into a table row: shapes[row, k] = shp[k] for every k over the length of shp. shapes "
    "needs that many columns; the rest of the row is left alone (_c_closure_435 pads it with "
    "ones).")
FRAGMENT(435, sparse::pad_row, "iiOO", "row", "n", "shapes", "shp")
DOC(435, "",
    "Padding a table row with ones: shapes[row, k] = 1 for k = len(shp) .. n - 1, lining the shape "
    "copied by _c_closure_434 up with n axes. Only the length of shp is read; n <= len(shp) writes "
    "nothing. shapes needs n columns.")
FRAGMENT(437, sparse::count_rows, "OiO", "ii", "n", "ptrb")
DOC(437, "",
    "Row counts one slot up, the count pass of _c_closure_439: ptrb[ii[k] + 1] += 1 for k < n (n "
    "= the number of items).\n"
    "For m rows (every ii[k] < m) ptrb needs m + 1 entries, zero-filled by the caller: counts are "
    "added to what is there. Then _c_closure_438 with n = m.")
FRAGMENT(438, sparse::running_starts, "Oi", "ptrb", "n")
DOC(438, "",
    "Row starts from one-slot counts: in place, ptrb[k] += ptrb[k - 1] for k = 1 .. n in turn; "
    "ptrb[0] is left as it is. After _c_closure_437 with n = the number of rows, ptrb[r] is the "
    "start of row r, the write cursor that _c_closure_439 advances. ptrb needs n + 1 entries.")
FRAGMENT(439, sparse::scatter_by_row, "OOiOO", "idxs", "ii", "n", "ptrb", "subj")
DOC(439, "",
    "Items grouped by row, the build pass sized by _c_closure_437 and _c_closure_438: for k < n "
    "in order, with r = ii[k]: subj[ptrb[r]] = idxs[k], then ptrb[r] += 1. Items of one row keep "
    "their input order; ptrb[r] ends at row r's end.\n"
    "subj needs n entries (all the items counted). Then _c_closure_440 with n = the number of "
    "rows, and the caller sets ptrb[0] = 0: row r's items are subj[ptrb[r]] .. subj[ptrb[r + 1] - "
    "1].")
FRAGMENT(440, sparse::shift_up, "Oi", "ptrb", "n")
DOC(440, "",
    "Shifting pointers up one entry: ptrb[k] = ptrb[k - 1] for k = n down to 1; ptrb[0] is left as "
    "it was. After _c_closure_439 the caller then sets ptrb[0] = 0 to get the row pointers ptrb[0 "
    ".. n]. ptrb needs n + 1 entries.")
FRAGMENT(441, sparse::copy_leading_shape, "iOO", "n", "sh", "shape")
DOC(441, "",
    "Leading axes of a shape: shape[k] = sh[k] for k < n. sh and shape need n entries; n <= 0 "
    "writes nothing.")
SAME_AS(443, 441)
FRAGMENT(442, sparse::ones_between, "iiO", "end", "start", "shape")
DOC(442, "",
    "Ones over a range of axes: shape[k] = 1 for k = start .. end - 1 (end is the first "
    "parameter). shape needs end entries; end <= start writes nothing.")
SAME_AS(444, 442)
FRAGMENT(445, sparse::leading_size64, "iOL", "n", "shape", "init")
DOC(445, "size",
    "Size of the leading axes: returns init * shape[0] * ... * shape[n - 1], wrapping in 64 bits; "
    "init when n <= 0.")
