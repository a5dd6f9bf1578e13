// Shapes, strides, linear and multi-dimensional indexes.
//
// A shape is nd int32 sizes, outermost first; an array of nd = 0 has one element.
// Elements are numbered row-major: strides[nd - 1] = 1, strides[k - 1] = strides[k] ×
// shape[k]. Size products and int32 stride tables wrap like 32-bit integers (callers keep
// sizes within 32 bits); int64 strides and linear indexes are computed in 64 bits.
#include <algorithm>

#include "kernels/strides.h"

namespace fragments::shape {

namespace {

// init × shape[k] for after < k < before, wrapping in 32 bits (the bounds are 64-bit so
// that after + 1 cannot overflow).
int32_t between(int32_t init, int32_t after, int32_t before, Vec<const int32_t> shape) {
  return size_product(init, shape, int64_t{after} + 1, before);
}

// init + Σ coords[k] × strides[k] for k < count, in 64 bits.
int64_t linear_index(int64_t init, Vec<const int32_t> coords, Vec<const int64_t> strides, int64_t count) {
  int64_t index = init;
  for (int64_t k = 0; k < count; ++k) index = add64(index, mul64(coords[k], strides[k]));
  return index;
}

}  // namespace

// ---- Size products ---------------------------------------------------------------------

// init × the product of all entries of shape (its whole length; init for an empty shape).
int32_t size_of_shape(int32_t init, Vec<const int32_t> shape) { return size_product(init, shape, 0, shape.size()); }

int32_t size_of_shape_shape_first(Vec<const int32_t> shape, int32_t init) { return size_of_shape(init, shape); }

// init × the product of all entries of shape, in 64 bits.
int64_t size_of_shape64(Vec<const int32_t> shape, int64_t init) {
  return size_product(init, shape, 0, shape.size());
}

// init × the product of shape[1 ..] (all but the outermost dimension).
int32_t size_of_inner(int32_t init, Vec<const int32_t> shape) { return size_product(init, shape, 1, shape.size()); }

// init × shape[0] × ... × shape[n - 1]; init when n <= 0 (shape is then not read).
int32_t size_of_leading(int32_t n, int32_t init, Vec<const int32_t> shape) { return size_product(init, shape, 0, n); }

int32_t size_of_leading_init_first(int32_t init, int32_t n, Vec<const int32_t> shape) {
  return size_of_leading(n, init, shape);
}

int32_t size_of_leading_shape_middle(int32_t n, Vec<const int32_t> shape, int32_t init) {
  return size_of_leading(n, init, shape);
}

// init × ri32[off] × ... × ri32[off + n - 1]: the size of a shape run on the result stack.
int32_t size_of_result_run(int32_t n, int32_t init, Vec<const int32_t> ri32, int32_t off) {
  return size_of_leading(n, init, ri32.from(off));
}

// init × shape[k] for after < k < before; init when before <= after + 1.
int32_t size_between(int32_t after, int32_t init, int32_t before, Vec<const int32_t> shape) {
  return between(init, after, before, shape);
}

int32_t size_between_init_third(int32_t after, int32_t before, int32_t init, Vec<const int32_t> shape) {
  return between(init, after, before, shape);
}

int32_t size_between_init_first(int32_t init, int32_t after, int32_t before, Vec<const int32_t> shape) {
  return between(init, after, before, shape);
}

// init × shape[k] for 0 <= k < n with k != axis and k != skip (a negative axis excludes
// only skip).
int32_t size_without_two(int32_t axis, int32_t skip, int32_t n, int32_t init, Vec<const int32_t> shape) {
  int32_t p = init;
  const int64_t first_end = std::min(axis, n);
  for (int64_t k = 0; k < first_end; ++k)
    if (k != skip) p = mul32(p, shape[k]);
  for (int64_t k = std::max<int64_t>(int64_t{axis} + 1, 0); k < n; ++k)
    if (k != skip) p = mul32(p, shape[k]);
  return p;
}

// (pre × the sizes before axis, post × the sizes after axis, total × all nd sizes).
std::tuple<int32_t, int32_t, int32_t> sizes_around_axis(int32_t axis, int32_t pre, int32_t post, int32_t total,
                                                        int32_t nd, Vec<const int32_t> shape) {
  return {size_product(pre, shape, 0, axis), size_product(post, shape, int64_t{axis} + 1, nd),
          size_product(total, shape, 0, nd)};
}

// The largest of init and shape[0 .. n - 1].
int32_t largest_size(int32_t init, int32_t n, Vec<const int32_t> shape) {
  int32_t largest = init;
  for (int32_t k = 0; k < n; ++k) largest = std::max(largest, shape[k]);
  return largest;
}

// init + the number of k < n with shape[k] != 1.
int32_t count_real_dims(int32_t n, int32_t init, Vec<const int32_t> shape) {
  int32_t count = init;
  for (int32_t k = 0; k < n; ++k)
    if (shape[k] != 1) count = add32(count, 1);
  return count;
}

// Copies the entries of shape[0 .. n - 1] that are not 1, in order, to realshape[0 ..];
// realshape past the copied entries is left as it was.
void squeeze_shape(int32_t n, Vec<int32_t> realshape, Vec<const int32_t> shape) {
  int64_t out = 0;
  for (int32_t k = 0; k < n; ++k)
    if (shape[k] != 1) realshape[out++] = shape[k];
}

// ri32[off + k] = shape[k] for k < n: a shape copied onto the result stack.
void shape_to_result(int32_t n, Vec<int32_t> ri32, Vec<const int32_t> shape, int32_t off) {
  Vec<int32_t> run = ri32.from(off);
  for (int32_t k = 0; k < n; ++k) run[k] = shape[k];
}

// ---- Stride tables ---------------------------------------------------------------------

// Writes the row-major strides of shape into strides[0 .. nd - 1], strides[nd - 1] = 1.
// nd <= 0 writes nothing.
void strides_of(int32_t nd, Vec<const int32_t> shape, Vec<int32_t> strides) {
  unit_row_major_strides(nd, shape, strides);
}

// Fills strides[0 .. nd - 2] from strides[nd - 1], which the caller sets.
void strides_from_innermost(int32_t nd, Vec<const int32_t> shape, Vec<int32_t> strides) {
  row_major_strides(nd, shape, strides);
}

// The same in 64 bits: strides[k - 1] = strides[k] × shape[k], strides[nd - 1] preset.
void strides64_from_innermost(int32_t nd, Vec<const int32_t> shape, Vec<int64_t> strides) {
  row_major_strides(nd, shape, strides);
}

// ---- Five-axis views -------------------------------------------------------------------
// dim = [sizes before a, shape[a], sizes between a and b, shape[b], sizes after b]; the
// caller fills dim[1] and dim[3] and sets the accumulators dim[0], dim[2], dim[4] to 1.

// dim[0] ×= shape[0] × ... × shape[n - 1].
void fold_before(int32_t n, Vec<int32_t> dim, Vec<const int32_t> shape) { dim[0] = size_product(dim[0], shape, 0, n); }

// dim[2] ×= shape[k] for after < k < before.
void fold_between(int32_t after, int32_t before, Vec<int32_t> dim, Vec<const int32_t> shape) {
  dim[2] = between(dim[2], after, before, shape);
}

// dim[4] ×= shape[k] for after < k < before.
void fold_after(int32_t after, Vec<int32_t> dim, int32_t before, Vec<const int32_t> shape) {
  dim[4] = between(dim[4], after, before, shape);
}

// Row-major strides of the five-axis view: stride[k - 1] = stride[k] × dim[k] for
// k = 4 down to 1; the caller sets stride[4].
void five_axis_strides(Vec<const int32_t> dim, Vec<int32_t> stride) { row_major_strides(5, dim, stride); }

// ---- Index conversions and checks ------------------------------------------------------

// init + Σ k < nd of midxs[row, k] × strides[k].
int64_t linear_index_of_row(int32_t row, int64_t init, Mat<const int32_t> midxs, int32_t nd,
                            Vec<const int64_t> strides) {
  return linear_index(init, midxs.row(row), strides, nd);
}

// init + Σ firstidx[k] × strides[k], k over the length of step (that of firstidx).
int64_t linear_index_of_first(Vec<const int32_t> firstidx, int64_t init, Vec<const int32_t> step,
                              Vec<const int64_t> strides) {
  return linear_index(init, firstidx, strides, step.size());
}

// init + Σ step[k] × strides[k], k over the length of step.
int64_t linear_offset_of_step(Vec<const int32_t> step, int64_t init, Vec<const int64_t> strides) {
  return linear_index(init, step, strides, step.size());
}

// For every row i of midxs: idxs[i] = nativeidxs[Σ k < nd of midxs[i, k] × strides[k]]
// (nativeidxs lists a dense variable's native indexes in row-major order).
void native_of_midxs(Vec<int64_t> idxs, Mat<const int32_t> midxs, Vec<const int64_t> nativeidxs, int32_t nd,
                     Vec<const int64_t> strides) {
  for (int64_t i = 0; i < midxs.rows(); ++i) idxs[i] = nativeidxs[linear_index(0, midxs.row(i), strides, nd)];
}

// midx[0, k] = index[k] for every k of index.
void index_to_midx(Vec<const int32_t> index, Mat<int32_t> midx) {
  for (int64_t k = 0; k < index.size(); ++k) midx(0, k) = index[k];
}

// midxs[i, 0] = i0[i], midxs[i, 1] = i1[i] for every i of i0.
void coords2_to_midxs(Vec<const int32_t> i0, Vec<const int32_t> i1, Mat<int32_t> midxs) {
  for (int64_t i = 0; i < i0.size(); ++i) {
    midxs(i, 0) = i0[i];
    midxs(i, 1) = i1[i];
  }
}

// As coords2_to_midxs, with a third column from i2.
void coords3_to_midxs(Vec<const int32_t> i0, Vec<const int32_t> i1, Vec<const int32_t> i2, Mat<int32_t> midxs) {
  for (int64_t i = 0; i < i0.size(); ++i) {
    midxs(i, 0) = i0[i];
    midxs(i, 1) = i1[i];
    midxs(i, 2) = i2[i];
  }
}

// True if flag is non-zero or some midxs[i, k] lies outside [0, shape[k]); every entry of
// midxs (rows and columns of the buffer) is visited.
bool midxs_out_of_range(int32_t flag, Mat<const int32_t> midxs, Vec<const int32_t> shape) {
  bool out = flag != 0;
  for (int64_t i = 0; i < midxs.rows(); ++i)
    for (int64_t k = 0; k < midxs.cols(); ++k) out |= midxs(i, k) < 0 || midxs(i, k) >= shape[k];
  return out;
}

// True if flag is non-zero or some idxs[i] lies outside [0, shape[0]).
bool idxs_out_of_range(Vec<const int32_t> idxs, int32_t flag, Vec<const int32_t> shape) {
  bool out = flag != 0;
  for (int64_t i = 0; i < idxs.size(); ++i) out |= idxs[i] < 0 || idxs[i] >= shape[0];
  return out;
}

}  // namespace fragments::shape

TOPIC("Shapes, strides, linear and multi-dimensional indexes")
FRAGMENT(27, shape::strides_of, "iOO", "nd", "shape", "strides")
DOC(27, "",
    "Row-major strides of a shape: strides[nd - 1] = 1 and strides[k - 1] = strides[k] * shape[k] "
    "for k = nd - 1 down to 1, in 32-bit arithmetic that wraps; e.g. shape [2, 3, 4] gives [12, 4, "
    "1]. strides needs nd entries; shape[1 .. nd - 1] is read (shape[0] is not). nd <= 0 writes "
    "nothing.\n"
    "_c_closure_30 is the same without setting the innermost stride, _c_closure_120 its 64-bit "
    "form.")
SAME_AS(36, 27)
FRAGMENT(28, shape::size_of_shape, "iO", "init", "shape")
DOC(28, "size",
    "Size of a shape: returns init * shape[0] * ... * shape[len(shape) - 1], over the whole length "
    "of shape (there is no count parameter), in 32-bit arithmetic that wraps. An empty shape (or "
    "None) returns init, so with init = 1 it is the element count of an array of that shape, 1 for "
    "nd = 0. _c_closure_138 takes the parameters in the other order; _c_closure_112 gives the "
    "product in 64 bits.")
SAME_AS(37, 28)
SAME_AS(135, 28)
FRAGMENT(30, shape::strides_from_innermost, "iOO", "nd", "shape", "strides")
DOC(30, "",
    "Strides from a preset innermost one: strides[k - 1] = strides[k] * shape[k] for k = nd - 1 "
    "down to 1, in 32-bit arithmetic that wraps. The caller sets strides[nd - 1] (1 for row-major "
    "strides); only strides[0 .. nd - 2] are written, so strides needs nd entries. nd <= 1 writes "
    "nothing. _c_closure_120 is the 64-bit form.")
FRAGMENT(31, shape::size_of_inner, "iO", "init", "shape")
DOC(31, "size",
    "Size of the inner dimensions: returns init * shape[1] * ... * shape[len(shape) - 1], all "
    "dimensions but the outermost, over the whole length of shape, in 32-bit arithmetic that "
    "wraps; init when shape has at most one entry.")
FRAGMENT(32, shape::size_of_leading, "iiO", "n", "init", "shape")
DOC(32, "size",
    "Size of the leading dimensions: returns init * shape[0] * ... * shape[n - 1], in 32-bit "
    "arithmetic that wraps; e.g. n = 2 on shape [2, 3, 4] gives init * 6. n <= 0 returns init "
    "without reading shape (None is then accepted).\n"
    "_c_closure_74, _c_closure_161 and _c_closure_165 compute the same product with the parameters "
    "in other orders.")
SAME_AS(44, 32)
SAME_AS(47, 32)
SAME_AS(65, 32)
SAME_AS(66, 32)
SAME_AS(148, 32)
FRAGMENT(33, shape::size_between, "iiiO", "after", "init", "before", "shape")
DOC(33, "size",
    "Size between two dimensions: returns init * shape[k] over after < k < before (both bounds "
    "excluded), in 32-bit arithmetic that wraps; e.g. after = 0, before = 3 on shape [2, 3, 4] "
    "gives init * 12. An empty range (before <= after + 1) returns init without reading shape.\n"
    "_c_closure_48, _c_closure_49, _c_closure_149 and _c_closure_166 compute the same product with "
    "the parameters in other orders.")
SAME_AS(45, 33)
SAME_AS(67, 33)
SAME_AS(150, 33)
FRAGMENT(39, shape::largest_size, "iiO", "init", "n", "shape")
DOC(39, "largest",
    "Largest size: returns the largest of init and shape[0 .. n - 1]; init when n <= 0 (shape is "
    "then not read). With init = 0 and n = nd, the result + 1 is a bucket array length that serves "
    "every pass of the row sort _c_closure_41.")
FRAGMENT(48, shape::size_between_init_third, "iiiO", "after", "before", "init", "shape")
DOC(48, "size",
    "Size between two dimensions, init third: returns init * shape[k] over after < k < before "
    "(both bounds excluded), in 32-bit arithmetic that wraps; init when before <= after + 1 (shape "
    "is then not read). The product of _c_closure_33 with the parameters in this order.")
SAME_AS(49, 48)
FRAGMENT(50, shape::size_of_result_run, "iiOi", "n", "init", "ri32", "off")
DOC(50, "size",
    "Size of a shape run on the result stack: returns init * ri32[off] * ... * ri32[off + n - 1], "
    "in 32-bit arithmetic that wraps; init when n <= 0. With init = 1 and n = nd it is the element "
    "count of the record whose shape run starts at ri32[off].")
FRAGMENT(56, shape::size_without_two, "iiiiO", "axis", "skip", "n", "init", "shape")
DOC(56, "size",
    "Size without two dimensions: returns init * shape[k] over 0 <= k < n with k != axis and k != "
    "skip, in 32-bit arithmetic that wraps; e.g. axis = 1, skip = 3, n = 4 on shape [2, 3, 5, 7] "
    "gives init * 10. An axis outside 0 .. n - 1 (negative, say) excludes only skip, and a skip "
    "outside it excludes nothing more.")
FRAGMENT(57, shape::fold_before, "iOO", "n", "dim", "shape")
DOC(57, "",
    "Five-axis view, outer size: dim[0] = dim[0] * shape[0] * ... * shape[n - 1], in place, in "
    "32-bit arithmetic that wraps; n <= 0 leaves dim[0] as it is.\n"
    "The five-axis view of a shape around two chosen dimensions a < b of equal size is dim = "
    "[sizes before a, shape[a], sizes between a and b, shape[b], sizes after b]. The caller sets "
    "dim[1] and dim[3] and the accumulators dim[0] = dim[2] = dim[4] = 1, then calls this kernel "
    "with n = a, _c_closure_58 with (after, before) = (a, b) and _c_closure_59 with (after, "
    "before) = (b, nd); _c_closure_60 gives the view's strides.")
FRAGMENT(58, shape::fold_between, "iiOO", "after", "before", "dim", "shape")
DOC(58, "",
    "Five-axis view, middle size: dim[2] = dim[2] * shape[k] over after < k < before, in place, in "
    "32-bit arithmetic that wraps; with (after, before) = (a, b) it multiplies in the dimensions "
    "between the two chosen ones. An empty range leaves dim[2] as it is. See _c_closure_57 for the "
    "whole view.")
FRAGMENT(59, shape::fold_after, "iOiO", "after", "dim", "before", "shape")
DOC(59, "",
    "Five-axis view, inner size: dim[4] = dim[4] * shape[k] over after < k < before, in place, in "
    "32-bit arithmetic that wraps; with after = b (the second chosen dimension) and before = nd it "
    "multiplies in the dimensions after it. An empty range leaves dim[4] as it is. See "
    "_c_closure_57 for the whole view.")
FRAGMENT(60, shape::five_axis_strides, "OO", "dim", "stride")
DOC(60, "",
    "Strides of a five-axis view: stride[k - 1] = stride[k] * dim[k] for k = 4 down to 1, in "
    "32-bit arithmetic that wraps, so stride[3] = dim[4] * stride[4], ..., stride[0] = dim[1] * "
    "stride[1]. The caller sets stride[4] (1 for row-major strides); dim and stride have 5 "
    "entries, dim[0] is not read and stride[4] is not written. dim comes from _c_closure_57 .. "
    "_c_closure_59.")
SAME_AS(227, 60)
FRAGMENT(70, shape::sizes_around_axis, "iiiiiO", "axis", "pre", "post", "total", "nd", "shape")
DOC(70, "pre, post, total",
    "Sizes around an axis: returns (pre * shape[0] * ... * shape[axis - 1], post * shape[axis + 1] "
    "* ... * shape[nd - 1], total * shape[0] * ... * shape[nd - 1]), each in 32-bit arithmetic "
    "that wraps: the sizes before and after dimension axis and the whole size, each times its own "
    "starting value. An empty range leaves its value unchanged (pre for axis <= 0, post for axis "
    ">= nd - 1, total for nd <= 0).")
FRAGMENT(74, shape::size_of_leading_init_first, "iiO", "init", "n", "shape")
DOC(74, "size",
    "Size of the leading dimensions, init first: returns init * shape[0] * ... * shape[n - 1], in "
    "32-bit arithmetic that wraps; init when n <= 0 (shape is then not read). The product of "
    "_c_closure_32 with the parameters in this order.")
FRAGMENT(110, shape::shape_to_result, "iOOi", "n", "ri32", "shape", "off")
DOC(110, "",
    "Shape onto the result stack: ri32[off + k] = shape[k] for k < n, the shape run of a record (a "
    "variable's record is completed by _c_closure_111). ri32 needs room at off .. off + n - 1; n "
    "<= 0 writes nothing.")
FRAGMENT(112, shape::size_of_shape64, "OL", "shape", "init")
DOC(112, "size",
    "Size of a shape in 64 bits: returns init * shape[0] * ... * shape[len(shape) - 1], over the "
    "whole length of shape, accumulated in 64 bits, so a product beyond 2**31 does not wrap (one "
    "beyond 2**63 wraps in 64 bits). An empty shape (or None) returns init.")
SAME_AS(210, 112)
SAME_AS(229, 112)
FRAGMENT(116, shape::index_to_midx, "OO", "index", "midx")
DOC(116, "",
    "Index into a one-row multi-index: midx[0, k] = index[k] for every k < len(index) (the count "
    "is the length of index). midx is two-dimensional with at least one row and len(index) "
    "columns; other rows are left alone.")
FRAGMENT(117, shape::coords3_to_midxs, "OOOO", "i0", "i1", "i2", "midxs")
DOC(117, "",
    "Three coordinate lists into multi-index rows: midxs[i, 0] = i0[i], midxs[i, 1] = i1[i] and "
    "midxs[i, 2] = i2[i] for every i < len(i0). The count is the length of i0: i1 and i2 need as "
    "many entries, midxs as many rows and at least 3 columns (columns after the third are left "
    "alone).")
FRAGMENT(118, shape::coords2_to_midxs, "OOO", "i0", "i1", "midxs")
DOC(118, "",
    "Two coordinate lists into multi-index rows: midxs[i, 0] = i0[i] and midxs[i, 1] = i1[i] for "
    "every i < len(i0). The count is the length of i0: i1 needs as many entries, midxs as many "
    "rows and at least 2 columns (columns after the second are left alone).")
FRAGMENT(119, shape::midxs_out_of_range, "iOO", "flag", "midxs", "shape")
DOC(119, "outofrange",
    "Range check of multi-indexes: returns True when flag != 0 or some midxs[i, k] lies outside 0 "
    ".. shape[k] - 1, over every row and column of the midxs buffer (there is no count parameter; "
    "shape needs one entry per column), else False. Writes nothing and visits every entry. An "
    "empty midxs returns bool(flag); a True flag stays True whatever the data, so checks can be "
    "chained.")
FRAGMENT(120, shape::strides64_from_innermost, "iOO", "nd", "shape", "strides")
DOC(120, "",
    "Strides in 64 bits from a preset innermost one: strides[k - 1] = strides[k] * shape[k] for k "
    "= nd - 1 down to 1, in 64-bit arithmetic. The caller sets strides[nd - 1] (1 for row-major "
    "strides); only strides[0 .. nd - 2] are written, so strides needs nd entries. nd <= 1 writes "
    "nothing.")
SAME_AS(125, 120)
FRAGMENT(121, shape::native_of_midxs, "OOOiO", "idxs", "midxs", "nativeidxs", "nd", "strides")
DOC(121, "",
    "Native indexes at multi-indexes of a dense variable: for every row i of midxs (its row count; "
    "there is no count parameter), idxs[i] = nativeidxs[q] with q = midxs[i, 0] * strides[0] + ... "
    "+ midxs[i, nd - 1] * strides[nd - 1] in 64 bits. nativeidxs lists the variable's native "
    "indexes in row-major order and strides are its int64 row-major strides (_c_closure_120). idxs "
    "needs one entry per row of midxs. Coordinates are not checked (_c_closure_119 checks them).")
FRAGMENT(122, shape::linear_index_of_row, "iLOiO", "row", "init", "midxs", "nd", "strides")
DOC(122, "index",
    "Linear index of one multi-index row: returns init + midxs[row, 0] * strides[0] + ... + "
    "midxs[row, nd - 1] * strides[nd - 1], in 64-bit arithmetic. Only row row of midxs is read; nd "
    "<= 0 returns init.")
SAME_AS(123, 122)
FRAGMENT(124, shape::idxs_out_of_range, "OiO", "idxs", "flag", "shape")
DOC(124, "outofrange",
    "Range check of single coordinates: returns True when flag != 0 or some idxs[i], over the "
    "whole length of idxs, lies outside 0 .. shape[0] - 1, else False. Writes nothing and visits "
    "every entry; an empty idxs returns bool(flag) without reading shape.")
FRAGMENT(126, shape::linear_index_of_first, "OLOO", "firstidx", "init", "step", "strides")
DOC(126, "index",
    "Linear index of a strided slice's first element: returns init + firstidx[k] * strides[k] "
    "summed over k < len(step), in 64-bit arithmetic. The count is the length of step (equal to "
    "that of firstidx), not of firstidx; with _c_closure_127 it places a strided pick in the "
    "linear index space.")
FRAGMENT(127, shape::linear_offset_of_step, "OLO", "step", "init", "strides")
DOC(127, "offset",
    "Linear offset of a step: returns init + step[k] * strides[k] summed over k < len(step), in "
    "64-bit arithmetic: how far one step of a strided pick moves in linear index.")
FRAGMENT(138, shape::size_of_shape_shape_first, "Oi", "shape", "init")
DOC(138, "size",
    "Size of a shape, shape first: returns init * the product of all entries of shape (its whole "
    "length), in 32-bit arithmetic that wraps; init for an empty shape. The product of "
    "_c_closure_28 with the parameters in this order.")
SAME_AS(222, 138)
SAME_AS(223, 138)
SAME_AS(149, 48)
FRAGMENT(159, shape::count_real_dims, "iiO", "n", "init", "shape")
DOC(159, "count",
    "Count of non-unit dimensions: returns init + the number of k < n with shape[k] != 1 (wrapping "
    "in 32 bits). With init = 0 it is the number of entries _c_closure_160 copies, the room "
    "realshape needs; e.g. shape [1, 5, 1, 2] gives init + 2.")
FRAGMENT(160, shape::squeeze_shape, "iOO", "n", "realshape", "shape")
DOC(160, "",
    "Squeezed shape: copies the entries of shape[0 .. n - 1] that are not 1, in order, to "
    "realshape[0], realshape[1], ...; entries of realshape after the copied ones are left alone. "
    "realshape needs _c_closure_159(n, 0, shape) entries; e.g. shape [1, 5, 1, 2] gives [5, 2].")
FRAGMENT(161, shape::size_of_leading_shape_middle, "iOi", "n", "shape", "init")
DOC(161, "size",
    "Size of the leading dimensions, shape in the middle: returns init * shape[0] * ... * shape[n "
    "- 1], in 32-bit arithmetic that wraps; init when n <= 0 (shape is then not read). The product "
    "of _c_closure_32 with the parameters in this order.")
SAME_AS(245, 161)
SAME_AS(436, 161)
SAME_AS(165, 74)
FRAGMENT(166, shape::size_between_init_first, "iiiO", "init", "after", "before", "shape")
DOC(166, "size",
    "Size between two dimensions, init first: returns init * shape[k] over after < k < before "
    "(both bounds excluded), in 32-bit arithmetic that wraps; init when before <= after + 1 (shape "
    "is then not read). The product of _c_closure_33 with the parameters in this order.")
