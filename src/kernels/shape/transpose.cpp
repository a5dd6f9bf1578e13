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
    for (int64_t k = int64_t{nd} - 1; k >= 0; --k) {
      m[k] = rem32(v, shape[k]);
      v = div32(v, shape[k]);
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
  for (int64_t k = int64_t{nd} - 1; k >= 1; --k) pstrides[k - 1] = mul64(shape[perm[k]], pstrides[k]);
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
    if (!all_positive(r, c)) return;
    int64_t pos = 0;
    for (int64_t j = 0; j < c; ++j)
      for (int64_t i = 0; i < r; ++i) idxs[pos++] = nativeidxs[i * c + j];
    return;
  }
  const int64_t nnz = sparsity.size();
  Scratch<int32_t> bucket(c + 1);
  for (int64_t k = 0; k < nnz; ++k) {
    int64_t j = rem64(sparsity[k], c);
    bucket[j + 1] = add32(bucket[j + 1], 1);
  }
  for (int64_t j = 0; j < c; ++j) bucket[j + 1] = add32(bucket[j + 1], bucket[j]);
  for (int64_t k = 0; k < nnz; ++k) {
    int64_t j = rem64(sparsity[k], c);
    int32_t p = bucket[j];
    idxs[p] = nativeidxs[k];
    sp[p] = div64(sparsity[k], c) + j * r;
    bucket[j] = add32(p, 1);
  }
}

// Swaps the two trailing axes of a block of shape (outer, inner, middle): walks it in
// row-major order of (outer, middle, inner), permidxs[pos] = nativeidxs[(i × inner + k) ×
// middle + j], pos += 1. Returns pos after the last element written.
int32_t swap_trailing_axes(int32_t inner, int32_t outer, int32_t middle, Vec<const int32_t> nativeidxs, int32_t pos,
                           Vec<int32_t> permidxs) {
  if (!all_positive(outer, middle, inner)) return pos;
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
DOC(35, "pos",
    "Swap of the two trailing axes: walks a block of shape (outer, inner, middle) in row-major "
    "order of (outer, middle, inner): for i < outer, j < middle, k < inner, permidxs[pos] = "
    "nativeidxs[(i * inner + k) * middle + j] and pos += 1 (positions in 32 bits); e.g. outer 1, "
    "inner 2, middle 3 reads positions 0, 3, 1, 4, 2, 5. permidxs needs room at pos .. pos + outer "
    "* inner * middle - 1.\n"
    "Returns the final pos, pos + outer * inner * middle, so that calls for consecutive blocks "
    "append.")
FRAGMENT(72, shape::swap_axes_slacks, "iiiiOOO", "axis", "inner", "outer", "middle", "permidxs", "shape", "slackidxs")
DOC(72, "",
    "Swap of the two trailing axes of slack indexes: the walk of _c_closure_35 from slackidxs into "
    "permidxs from position 0 (permidxs[p] = slackidxs[(i * inner + k) * middle + j] for i < "
    "outer, j < middle, k < inner, p = 0, 1, ...), done only when axis < len(shape) - 1; when axis "
    "names the last dimension (or lies beyond it) nothing is written. Only the length of shape is "
    "used (None counts as length 0). permidxs needs outer * inner * middle entries.")
FRAGMENT(115, shape::transpose_matrix, "OOOOO", "idxs", "nativeidxs", "shape", "sp", "sparsity")
DOC(115, "",
    "Transpose of a matrix variable: with (r, c) = (shape[0], shape[1]), the element at (i, j) "
    "moves to (j, i).\n"
    "- sparse (sparsity given, strictly ascending, nnz = len(sparsity)): sp receives the "
    "transposed variable's sparsity, strictly ascending (element (i, j) at linear index j * r + "
    "i), and idxs its native indexes (nativeidxs[k] goes with sparsity[k]); both need nnz entries. "
    "A counting sort by column that takes c + 1 int32 entries of scratch memory.\n"
    "- dense (sparsity None): idxs[j * r + i] = nativeidxs[i * c + j] for i < r, j < c; idxs needs "
    "r * c entries and sp is not touched (None is accepted).\n"
    "A variable without elements writes nothing.")
FRAGMENT(162, shape::permuted_strides, "iOOO", "nd", "perm", "pstrides", "shape")
DOC(162, "",
    "Strides of a permuted shape: pstrides[k - 1] = shape[perm[k]] * pstrides[k] for k = nd - 1 "
    "down to 1, in 64 bits: the row-major strides of the result shape (shape[perm[0]], ..., "
    "shape[perm[nd - 1]]). The caller sets pstrides[nd - 1] = 1; pstrides needs nd entries. These "
    "are the pstrides of _c_closure_163 and _c_closure_164.")
FRAGMENT(163, shape::permute_dense, "OiiOOOO", "nativeidxs", "nd", "n", "perm", "pstrides", "residxs", "shape")
DOC(163, "",
    "Dense axis permutation: axis k of the result is axis perm[k] of the input. For every input "
    "element i < n (row-major in shape, multi-index m), residxs[t] = nativeidxs[i] with t = "
    "m[perm[0]] * pstrides[0] + ... + m[perm[nd - 1]] * pstrides[nd - 1], computed in 32 bits (the "
    "low 32 bits of each stride). n is the input's element count and residxs needs n entries; "
    "pstrides comes from _c_closure_162. The kernel takes nd int32 entries of scratch memory.")
FRAGMENT(164, shape::permuted_positions, "iiOOOO", "nd", "n", "perm", "pstrides", "ressp", "shape")
DOC(164, "",
    "Result positions of an axis permutation: ressp[i] = t(i) for every input element i < n "
    "(row-major in shape), in input order, t(i) being its linear index in the permuted result as "
    "in _c_closure_163 (32-bit arithmetic, pstrides from _c_closure_162). ressp needs n entries; "
    "the values are a permutation of 0 .. n - 1, not sorted. The kernel takes nd int32 entries of "
    "scratch memory.")
