// Shapes, strides, linear and multi-dimensional indexes.
//
// A shape is nd int32 sizes, outermost first; an array of nd = 0 has one element.
// Elements are numbered row-major: strides[nd - 1] = 1, strides[k - 1] = strides[k] ×
// shape[k]. Size products and int32 stride tables wrap like 32-bit integers (callers keep
// sizes within 32 bits); int64 strides and linear indexes are computed in 64 bits.
#include <algorithm>

#include "kernels/kernel.h"

namespace fragments::shape {

namespace {

// init × shape[k] for from <= k < to, wrapping in 32 bits. An empty range returns init
// without reading shape. The bounds are 64-bit so that after + 1 cannot overflow.
int32_t product(int32_t init, Vec<const int32_t> shape, int64_t from, int64_t to) {
  int32_t p = init;
  for (int64_t k = from; k < to; ++k) p = mul32(p, shape[k]);
  return p;
}

// init × shape[k] for after < k < before.
int32_t between(int32_t init, int32_t after, int32_t before, Vec<const int32_t> shape) {
  return product(init, shape, int64_t{after} + 1, before);
}

// strides[k - 1] = strides[k] × shape[k] for k = nd - 1 down to 1, in 32 bits; the caller
// sets strides[nd - 1].
void strides_from_last(int32_t nd, Vec<const int32_t> shape, Vec<int32_t> strides) {
  for (int32_t k = nd - 1; k >= 1; --k) strides[k - 1] = mul32(strides[k], shape[k]);
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
int32_t size_of_shape(int32_t init, Vec<const int32_t> shape) { return product(init, shape, 0, shape.size()); }

int32_t size_of_shape_shape_first(Vec<const int32_t> shape, int32_t init) { return size_of_shape(init, shape); }

// init × the product of all entries of shape, in 64 bits.
int64_t size_of_shape64(Vec<const int32_t> shape, int64_t init) {
  int64_t p = init;
  for (int64_t k = 0; k < shape.size(); ++k) p = mul64(p, shape[k]);
  return p;
}

// init × the product of shape[1 ..] (all but the outermost dimension).
int32_t size_of_inner(int32_t init, Vec<const int32_t> shape) { return product(init, shape, 1, shape.size()); }

// init × shape[0] × ... × shape[n - 1]; init when n <= 0 (shape is then not read).
int32_t size_of_leading(int32_t n, int32_t init, Vec<const int32_t> shape) { return product(init, shape, 0, n); }

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
  return {product(pre, shape, 0, axis), product(post, shape, int64_t{axis} + 1, nd), product(total, shape, 0, nd)};
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
  if (nd <= 0) return;
  strides[nd - 1] = 1;
  strides_from_last(nd, shape, strides);
}

// Fills strides[0 .. nd - 2] from strides[nd - 1], which the caller sets.
void strides_from_innermost(int32_t nd, Vec<const int32_t> shape, Vec<int32_t> strides) {
  strides_from_last(nd, shape, strides);
}

// The same in 64 bits: strides[k - 1] = strides[k] × shape[k], strides[nd - 1] preset.
void strides64_from_innermost(int32_t nd, Vec<const int32_t> shape, Vec<int64_t> strides) {
  for (int32_t k = nd - 1; k >= 1; --k) strides[k - 1] = mul64(strides[k], shape[k]);
}

// ---- Five-axis views -------------------------------------------------------------------
// dim = [sizes before a, shape[a], sizes between a and b, shape[b], sizes after b]; the
// caller fills dim[1] and dim[3] and sets the accumulators dim[0], dim[2], dim[4] to 1.

// dim[0] ×= shape[0] × ... × shape[n - 1].
void fold_before(int32_t n, Vec<int32_t> dim, Vec<const int32_t> shape) { dim[0] = product(dim[0], shape, 0, n); }

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
void five_axis_strides(Vec<const int32_t> dim, Vec<int32_t> stride) { strides_from_last(5, dim, stride); }

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
SAME_AS(36, 27)
FRAGMENT(28, shape::size_of_shape, "iO", "init", "shape")
SAME_AS(37, 28)
SAME_AS(135, 28)
FRAGMENT(30, shape::strides_from_innermost, "iOO", "nd", "shape", "strides")
FRAGMENT(31, shape::size_of_inner, "iO", "init", "shape")
FRAGMENT(32, shape::size_of_leading, "iiO", "n", "init", "shape")
SAME_AS(44, 32)
SAME_AS(47, 32)
SAME_AS(65, 32)
SAME_AS(66, 32)
SAME_AS(148, 32)
FRAGMENT(33, shape::size_between, "iiiO", "after", "init", "before", "shape")
SAME_AS(45, 33)
SAME_AS(67, 33)
SAME_AS(150, 33)
FRAGMENT(39, shape::largest_size, "iiO", "init", "n", "shape")
FRAGMENT(48, shape::size_between_init_third, "iiiO", "after", "before", "init", "shape")
FRAGMENT(49, shape::size_between_init_third, "iiiO", "after", "before", "init", "shape")
FRAGMENT(50, shape::size_of_result_run, "iiOi", "n", "init", "ri32", "off")
FRAGMENT(56, shape::size_without_two, "iiiiO", "axis", "skip", "n", "init", "shape")
FRAGMENT(57, shape::fold_before, "iOO", "n", "dim", "shape")
FRAGMENT(58, shape::fold_between, "iiOO", "after", "before", "dim", "shape")
FRAGMENT(59, shape::fold_after, "iOiO", "after", "dim", "before", "shape")
FRAGMENT(60, shape::five_axis_strides, "OO", "dim", "stride")
SAME_AS(227, 60)
FRAGMENT(70, shape::sizes_around_axis, "iiiiiO", "axis", "pre", "post", "total", "nd", "shape")
FRAGMENT(74, shape::size_of_leading_init_first, "iiO", "init", "n", "shape")
FRAGMENT(110, shape::shape_to_result, "iOOi", "n", "ri32", "shape", "off")
FRAGMENT(112, shape::size_of_shape64, "OL", "shape", "init")
SAME_AS(210, 112)
SAME_AS(229, 112)
FRAGMENT(116, shape::index_to_midx, "OO", "index", "midx")
FRAGMENT(117, shape::coords3_to_midxs, "OOOO", "i0", "i1", "i2", "midxs")
FRAGMENT(118, shape::coords2_to_midxs, "OOO", "i0", "i1", "midxs")
FRAGMENT(119, shape::midxs_out_of_range, "iOO", "flag", "midxs", "shape")
FRAGMENT(120, shape::strides64_from_innermost, "iOO", "nd", "shape", "strides")
SAME_AS(125, 120)
FRAGMENT(121, shape::native_of_midxs, "OOOiO", "idxs", "midxs", "nativeidxs", "nd", "strides")
FRAGMENT(122, shape::linear_index_of_row, "iLOiO", "row", "init", "midxs", "nd", "strides")
SAME_AS(123, 122)
FRAGMENT(124, shape::idxs_out_of_range, "OiO", "idxs", "flag", "shape")
FRAGMENT(126, shape::linear_index_of_first, "OLOO", "firstidx", "init", "step", "strides")
FRAGMENT(127, shape::linear_offset_of_step, "OLO", "step", "init", "strides")
FRAGMENT(138, shape::size_of_shape_shape_first, "Oi", "shape", "init")
SAME_AS(222, 138)
SAME_AS(223, 138)
FRAGMENT(149, shape::size_between_init_third, "iiiO", "after", "before", "init", "shape")
FRAGMENT(159, shape::count_real_dims, "iiO", "n", "init", "shape")
FRAGMENT(160, shape::squeeze_shape, "iOO", "n", "realshape", "shape")
FRAGMENT(161, shape::size_of_leading_shape_middle, "iOi", "n", "shape", "init")
SAME_AS(245, 161)
SAME_AS(436, 161)
FRAGMENT(165, shape::size_of_leading_init_first, "iiO", "init", "n", "shape")
FRAGMENT(166, shape::size_between_init_first, "iiiO", "init", "after", "before", "shape")
