// Transposes and axis permutations of variables.
//
// Axis k of a permuted result is axis perm[k] of the input; an element with input
// multi-index m lands at Σk m[perm[k]] × pstrides[k], pstrides being the row-major strides
// of the result's shape. Results are listed in row-major order of the result's shape.
#include "kernels/kernel.h"

namespace fragments::shape {

namespace {

// Calls visit(i, target(i)) for every input element i < n (row-major in shape), where
// target(i) is its linear index in the permuted result, in wrapping 32-bit arithmetic
// (the low 32 bits of each stride). m is nd entries of scratch for the multi-index.
template <class Visit>
void for_each_target(int32_t nd, int32_t n, Vec<const int32_t> perm, Vec<const int64_t> pstrides,
                     Vec<const int32_t> shape, Scratch<int32_t>& m, Visit visit) {
  for (int32_t i = 0; i < n; ++i) {
    int32_t v = i;
    for (int32_t k = nd - 1; k >= 0; --k) {
      m[k] = v % shape[k];
      v /= shape[k];
    }
    int32_t target = 0;
    for (int32_t k = 0; k < nd; ++k) target = add32(target, mul32(m[perm[k]], static_cast<int32_t>(pstrides[k])));
    visit(i, target);
  }
}

}  // namespace

// Row-major strides of the permuted shape: pstrides[k-1] = shape[perm[k]] × pstrides[k] for
// k = nd-1 down to 1 (64-bit). The caller sets pstrides[nd-1] (to 1).
void permuted_strides(int32_t nd, Vec<const int32_t> perm, Vec<int64_t> pstrides, Vec<const int32_t> shape) {
  for (int32_t k = nd - 1; k >= 1; --k) pstrides[k - 1] = mul64(shape[perm[k]], pstrides[k]);
}

// Dense axis permutation: residxs[target(i)] = nativeidxs[i] for the n elements of the input.
void permute_dense(Vec<const int64_t> nativeidxs, int32_t nd, int32_t n, Vec<const int32_t> perm,
                   Vec<const int64_t> pstrides, Vec<int64_t> residxs, Vec<const int32_t> shape) {
  Scratch<int32_t> m(nd);
  for_each_target(nd, n, perm, pstrides, shape, m, [&](int32_t i, int32_t target) { residxs[target] = nativeidxs[i]; });
}

// ressp[i] = target(i) for the n elements of the input, in input order.
void permuted_positions(int32_t nd, int32_t n, Vec<const int32_t> perm, Vec<const int64_t> pstrides,
                        Vec<int64_t> ressp, Vec<const int32_t> shape) {
  Scratch<int32_t> m(nd);
  for_each_target(nd, n, perm, pstrides, shape, m, [&](int32_t i, int32_t target) { ressp[i] = target; });
}

// Transpose of a matrix variable of shape (r, c).
// Sparse (sparsity given): a counting sort by column; idxs and sp receive the transposed
// variable's native indexes and strictly ascending sparsity (an element (i, j) moves to
// linear index j × r + i). Dense (sparsity None): idxs[j × r + i] = nativeidxs[i × c + j],
// sp untouched. A variable without elements writes nothing.
void transpose_matrix(Vec<int64_t> idxs, Vec<const int64_t> nativeidxs, Vec<const int32_t> shape, Vec<int64_t> sp,
                      Vec<const int64_t> sparsity) {
  const int64_t r = shape[0];
  const int64_t c = shape[1];
  if (!sparsity) {
    int64_t pos = 0;
    for (int64_t j = 0; j < c; ++j)
      for (int64_t i = 0; i < r; ++i) idxs[pos++] = nativeidxs[i * c + j];
    return;
  }
  const int64_t nnz = sparsity.size();
  Scratch<int32_t> bucket(c + 1);
  for (int64_t k = 0; k < nnz; ++k) {
    int64_t j = sparsity[k] % c;
    bucket[j + 1] = add32(bucket[j + 1], 1);
  }
  for (int64_t j = 0; j < c; ++j) bucket[j + 1] = add32(bucket[j + 1], bucket[j]);
  for (int64_t k = 0; k < nnz; ++k) {
    int64_t j = sparsity[k] % c;
    int32_t p = bucket[j];
    idxs[p] = nativeidxs[k];
    sp[p] = sparsity[k] / c + j * r;
    bucket[j] = add32(p, 1);
  }
}

// Swaps the two trailing axes of a block of shape (outer, inner, middle): walks it in
// row-major order of (outer, middle, inner), permidxs[pos] = nativeidxs[(i × inner + k) ×
// middle + j], pos += 1. Returns pos after the last element written.
int32_t swap_trailing_axes(int32_t inner, int32_t outer, int32_t middle, Vec<const int32_t> nativeidxs, int32_t pos,
                           Vec<int32_t> permidxs) {
  for (int32_t i = 0; i < outer; ++i)
    for (int32_t j = 0; j < middle; ++j)
      for (int32_t k = 0; k < inner; ++k) {
        permidxs[pos] = nativeidxs[add32(mul32(add32(mul32(i, inner), k), middle), j)];
        pos = add32(pos, 1);
      }
  return pos;
}

// The same swap from slackidxs into permidxs[0 ..], done only when axis is not the last
// dimension of shape (axis < its length - 1, signed; an empty or absent shape writes
// nothing for any axis >= -1). The entries of shape are not read.
void swap_axes_slacks(int32_t axis, int32_t inner, int32_t outer, int32_t middle, Vec<int32_t> permidxs,
                      Vec<const int32_t> shape, Vec<const int32_t> slackidxs) {
  if (int64_t{axis} < shape.size() - 1) swap_trailing_axes(inner, outer, middle, slackidxs, 0, permidxs);
}

}  // namespace fragments::shape

TOPIC("Transposes and axis permutations of variables")
FRAGMENT(35, shape::swap_trailing_axes, "iiiOiO", "inner", "outer", "middle", "nativeidxs", "pos", "permidxs")
FRAGMENT(72, shape::swap_axes_slacks, "iiiiOOO", "axis", "inner", "outer", "middle", "permidxs", "shape", "slackidxs")
FRAGMENT(115, shape::transpose_matrix, "OOOOO", "idxs", "nativeidxs", "shape", "sp", "sparsity")
FRAGMENT(162, shape::permuted_strides, "iOOO", "nd", "perm", "pstrides", "shape")
FRAGMENT(163, shape::permute_dense, "OiiOOOO", "nativeidxs", "nd", "n", "perm", "pstrides", "residxs", "shape")
FRAGMENT(164, shape::permuted_positions, "iiOOOO", "nd", "n", "perm", "pstrides", "ressp", "shape")
