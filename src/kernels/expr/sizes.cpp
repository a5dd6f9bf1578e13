// Strides, size products, maxima and shape copies of record shape runs.
#include "kernels/expr/record.h"

namespace fragments::expr {

// Reads wi32[shapebase + 1 .. shapebase + nd - 1]; writes st[0 .. nd - 2] from the
// innermost stride st[nd - 1], which the caller sets. nd of 0 or 1 writes nothing.
void strides_of_work_shape(int32_t nd, int32_t shapebase, Vec<int64_t> st, Vec<const int32_t> wi32) {
  row_major_strides(nd, wi32.from(shapebase), st);
}

// Row-major strides of rshape into rst (rst[nd - 1] set by the caller).
void strides_of_shape(int32_t nd, Vec<const int32_t> rshape, Vec<int64_t> rst) {
  row_major_strides(nd, rshape, rst);
}

// Row-major strides of the shape run ri32[shapebase ..] into s (s[nd - 1] set by the caller).
void strides_of_result_shape(Vec<const int32_t> ri32, int32_t nd, int32_t shapebase, Vec<int64_t> s) {
  row_major_strides(nd, ri32.from(shapebase), s);
}

// Row-major strides of shape into s (s[nd - 1] set by the caller).
void strides_into(int32_t nd, Vec<int64_t> s, Vec<const int32_t> shape) { row_major_strides(nd, shape, s); }

// init × wi32[base] × ... × wi32[base + count - 1], wrapping in 32 bits; init when count <= 0.
int32_t size_of_run(int32_t init, int32_t count, int32_t base, Vec<const int32_t> wi32) {
  return size_product(init, wi32.from(base), 0, count);
}

int32_t size_of_run_count_first(int32_t count, int32_t init, int32_t base, Vec<const int32_t> wi32) {
  return size_of_run(init, count, base, wi32);
}

// init × the sizes after dimension dim: wi32[base + k] for dim < k < nd, wrapping in 32 bits.
int32_t size_after(int32_t init, int32_t dim, int32_t nd, int32_t base, Vec<const int32_t> wi32) {
  return size_product(init, wi32.from(base), int64_t{dim} + 1, nd);
}

int32_t size_after_dim_first(int32_t dim, int32_t nd, int32_t init, int32_t base, Vec<const int32_t> wi32) {
  return size_after(init, dim, nd, base, wi32);
}

// The largest of init and ri32[base .. base + count - 1].
int32_t largest_in_run(int32_t init, Vec<const int32_t> ri32, int32_t count, int32_t base) {
  int32_t largest = init;
  for (int32_t k = 0; k < count; ++k)
    if (ri32[base + k] >= largest) largest = ri32[base + k];
  return largest;
}

// Copies the shape run wi32[wbase ..] to ri32[rbase ..], count entries.
void copy_shape_to_result(int32_t count, Vec<int32_t> ri32, int32_t rbase, int32_t wbase, Vec<const int32_t> wi32) {
  copy_elements(wi32.from(wbase), ri32.from(rbase), count);
}

// resshape[k] = shape[k] for k < count.
void copy_shape(int32_t count, Vec<int32_t> resshape, Vec<const int32_t> shape) {
  copy_elements(shape, resshape, count);
}

}  // namespace fragments::expr

TOPIC("Strides, size products, maxima and shape copies of record shape runs")
FRAGMENT(260, expr::strides_of_work_shape, "iiOO", "nd", "shapebase", "st", "wi32")
DOC(260, "",
    "Strides of a work-stack shape run: st[k - 1] = wi32[shapebase + k] * st[k] for k = nd - 1 "
    "down to 1 (64-bit, wrapping), each from the entry just written. The caller sets st[nd - 1] "
    "(1 for row-major strides); st needs nd entries; nd of 0 or 1 writes nothing.")
FRAGMENT(262, expr::strides_of_shape, "iOO", "nd", "rshape", "rst")
DOC(262, "",
    "Strides of a shape array: rst[k - 1] = rshape[k] * rst[k] for k = nd - 1 down to 1 "
    "(64-bit, wrapping). The caller sets rst[nd - 1] (1 for row-major strides); rst needs nd "
    "entries; nd of 0 or 1 writes nothing.")
FRAGMENT(272, expr::size_of_run, "iiiO", "init", "count", "base", "wi32")
DOC(272, "size",
    "Size of a work-stack shape run: init * wi32[base] * ... * wi32[base + count - 1], "
    "multiplied in increasing order in 32-bit wrapping arithmetic; init when count <= 0, 0 when "
    "a size is 0. With init = 1 and a record's nd and shape base it is the element count of the "
    "dense record (_c_closure_369 is the 64-bit product).")
SAME_AS(382, 272, "init", "n", "base", "wi32")
DOC(382, "size",
    "Leading size product for a sum along an axis: init * wi32[base] * ... * wi32[base + n - 1] "
    "in 32-bit wrapping arithmetic; init when n <= 0. With init = 1, n = axis and the operand's "
    "shape run at base it is outer, the product of the sizes before axis; with n = nd, the "
    "element count. _c_closure_369 is the 64-bit product.")
SAME_AS(388, 272, "init", "n", "base", "wi32")
DOC(388, "size",
    "Leading size product for a sum along an axis, as _c_closure_382: init * wi32[base] * ... * "
    "wi32[base + n - 1] in 32-bit wrapping arithmetic; init when n <= 0. With init = 1, n = "
    "axis and the operand's shape run at base it is outer, the product of the sizes before "
    "axis.")
FRAGMENT(275, expr::size_after, "iiiiO", "init", "dim", "nd", "base", "wi32")
DOC(275, "size",
    "Size after a dimension: init times wi32[base + k] for k = dim + 1 .. nd - 1, in 32-bit "
    "wrapping arithmetic; init when the range is empty (dim >= nd - 1). With init = 1 and a "
    "shape run at base it is inner, the product of the sizes after dim.")
SAME_AS(383, 275, "init", "after", "before", "base", "wi32")
DOC(383, "size",
    "Trailing size product for a sum along an axis: init times wi32[base + j] for j = after + 1 "
    ".. before - 1, in 32-bit wrapping arithmetic; init when after + 1 >= before. With init = "
    "1, after = axis, before = nd and the operand's shape run at base it is inner, the product "
    "of the sizes after axis.")
SAME_AS(389, 275, "init", "after", "before", "base", "wi32")
DOC(389, "size",
    "Trailing size product for a sum along an axis, as _c_closure_383: init times wi32[base + "
    "j] for j = after + 1 .. before - 1, in 32-bit wrapping arithmetic; init when after + 1 >= "
    "before. With init = 1, after = axis and before = nd it is inner.")
FRAGMENT(276, expr::copy_shape_to_result, "iOiiO", "count", "ri32", "rbase", "wbase", "wi32")
DOC(276, "",
    "Shape run copy from the work stack to the result stack: ri32[rbase + k] = wi32[wbase + k] "
    "for k < count.")
SAME_AS(385, 276, "n", "ri32", "rbase", "base", "wi32")
DOC(385, "",
    "Leading shape copy for a sum along an axis: ri32[rbase + j] = wi32[base + j] for j < n. "
    "With n = axis it copies the operand's sizes before axis; _c_closure_386 then copies those "
    "after it, which gives the result shape (the operand's without dimension axis, nd - 1 "
    "entries). _c_closure_366 takes the parameters in another order.")
SAME_AS(390, 276, "n", "ri32", "rbase", "base", "wi32")
DOC(390, "",
    "Leading shape copy for a sum along an axis, as _c_closure_385: ri32[rbase + j] = wi32[base "
    "+ j] for j < n. With n = axis it copies the sizes before axis; _c_closure_391 copies those "
    "after it.")
FRAGMENT(278, expr::size_of_run_count_first, "iiiO", "count", "init", "base", "wi32")
DOC(278, "size",
    "Size of a work-stack shape run, count first: init * wi32[base] * ... * wi32[base + count - "
    "1] in 32-bit wrapping arithmetic; init when count <= 0. _c_closure_272 with the parameters "
    "in another order.")
SAME_AS(318, 278)
FRAGMENT(279, expr::size_after_dim_first, "iiiiO", "dim", "nd", "init", "base", "wi32")
DOC(279, "size",
    "Size after a dimension, dim first: init times wi32[base + k] for k = dim + 1 .. nd - 1, in "
    "32-bit wrapping arithmetic; init when dim >= nd - 1. _c_closure_275 with the parameters in "
    "another order.")
FRAGMENT(283, expr::largest_in_run, "iOii", "init", "ri32", "count", "base")
DOC(283, "largest",
    "Largest entry of a result-stack run: the maximum of init and ri32[base + k] for k < count; "
    "init when count <= 0. With init = 0 over the result's shape run it is the largest size L; "
    "_c_closure_285 needs L + 1 counters.")
FRAGMENT(284, expr::strides_of_result_shape, "OiiO", "ri32", "nd", "shapebase", "s")
DOC(284, "",
    "Strides of a result-stack shape run: s[k - 1] = ri32[shapebase + k] * s[k] for k = nd - 1 "
    "down to 1 (64-bit, wrapping). The caller sets s[nd - 1] (1 for row-major strides); s needs "
    "nd entries; nd of 0 or 1 writes nothing.")
FRAGMENT(287, expr::copy_shape, "iOO", "count", "resshape", "shape")
DOC(287, "",
    "Shape array copy: resshape[k] = shape[k] for k < count. Copying the first operand's shape "
    "before _c_closure_288 gives the stacked shape.")
FRAGMENT(292, expr::strides_into, "iOO", "nd", "s", "shape")
DOC(292, "",
    "Strides of a shape array: s[k - 1] = shape[k] * s[k] for k = nd - 1 down to 1 (64-bit, "
    "wrapping). The caller sets s[nd - 1] (1 for row-major strides); s needs nd entries; nd of "
    "0 or 1 writes nothing.")
