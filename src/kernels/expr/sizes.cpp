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
  return size_product(init, wi32.from(base), dim + 1, nd);
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
FRAGMENT(262, expr::strides_of_shape, "iOO", "nd", "rshape", "rst")
FRAGMENT(272, expr::size_of_run, "iiiO", "init", "count", "base", "wi32")
SAME_AS(382, 272, "init", "n", "base", "wi32")
SAME_AS(388, 272, "init", "n", "base", "wi32")
FRAGMENT(275, expr::size_after, "iiiiO", "init", "dim", "nd", "base", "wi32")
SAME_AS(383, 275, "init", "after", "before", "base", "wi32")
SAME_AS(389, 275, "init", "after", "before", "base", "wi32")
FRAGMENT(276, expr::copy_shape_to_result, "iOiiO", "count", "ri32", "rbase", "wbase", "wi32")
SAME_AS(385, 276, "n", "ri32", "rbase", "base", "wi32")
SAME_AS(390, 276, "n", "ri32", "rbase", "base", "wi32")
FRAGMENT(278, expr::size_of_run_count_first, "iiiO", "count", "init", "base", "wi32")
SAME_AS(318, 278)
FRAGMENT(279, expr::size_after_dim_first, "iiiiO", "dim", "nd", "init", "base", "wi32")
FRAGMENT(283, expr::largest_in_run, "iOii", "init", "ri32", "count", "base")
FRAGMENT(284, expr::strides_of_result_shape, "OiiO", "ri32", "nd", "shapebase", "s")
FRAGMENT(287, expr::copy_shape, "iOO", "count", "resshape", "shape")
FRAGMENT(292, expr::strides_into, "iOO", "nd", "s", "shape")
