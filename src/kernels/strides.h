// Size products and row-major strides of shapes.
//
// A shape is int32 sizes, outermost first. Its strides are row-major: st[nd - 1] = 1 and
// st[k - 1] = shape[k] × st[k]. Products and strides wrap in the width they are kept in:
// an int32 product or stride table like 32-bit integers (mul32), an int64 one like 64-bit
// integers (mul64). The width follows the type of init or of the stride array.
#pragma once

#include "kernels/kernel.h"

namespace fragments {

inline int32_t wrapping_product(int32_t a, int32_t b) { return mul32(a, b); }
inline int64_t wrapping_product(int64_t a, int64_t b) { return mul64(a, b); }

// init × shape[k] for from <= k < to, wrapping in the width of init; init, with shape not
// read, for an empty range.
template <class T>
T size_product(T init, Vec<const int32_t> shape, int64_t from, int64_t to) {
  T product = init;
  for (int64_t k = from; k < to; ++k) product = wrapping_product(product, static_cast<T>(shape[k]));
  return product;
}

// init × (last[k] - first[k]) for k < n, wrapping in 32 bits: the element count of a box.
inline int32_t box_elements(int32_t init, Vec<const int32_t> first, Vec<const int32_t> last, int64_t n) {
  int32_t size = init;
  for (int64_t k = 0; k < n; ++k) size = mul32(size, sub32(last[k], first[k]));
  return size;
}

// st[k - 1] = shape[k] × st[k] for k = nd - 1 down to 1, wrapping in the width of st. The
// caller sets st[nd - 1]; with nd of 0 or 1 nothing is written.
template <class T>
void row_major_strides(int64_t nd, Vec<const int32_t> shape, Vec<T> st) {
  for (int64_t k = nd - 1; k >= 1; --k) st[k - 1] = wrapping_product(static_cast<T>(shape[k]), st[k]);
}

// The whole stride table: st[nd - 1] = 1, then the rest as above. nd <= 0 writes nothing.
template <class T>
void unit_row_major_strides(int64_t nd, Vec<const int32_t> shape, Vec<T> st) {
  if (nd <= 0) return;
  st[nd - 1] = 1;
  row_major_strides(nd, shape, st);
}

}  // namespace fragments
