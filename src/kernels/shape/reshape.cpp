// Result shapes and patterns of reshaping, repeating and stacking.
//
// An operand's present elements are (tnativeidxs, tsp): native index and linear index in
// its own shape; the result's are (rnativeidxs, rsp). Pattern kernels write from a running
// position pos and return it advanced, so that calls for consecutive operands append.
// Shape arithmetic is 32-bit and wraps; linear indexes are 64-bit.
#include <algorithm>

#include "kernels/kernel.h"

namespace fragments::shape {

namespace {

template <class T>
inline void copy_prefix(int32_t n, Vec<const T> source, Vec<T> target) {
  for (int32_t k = 0; k < n; ++k) target[k] = source[k];
}

// The largest of init and values[0 .. n - 1].
inline int32_t largest(int32_t init, int32_t n, Vec<const int32_t> values) {
  int32_t best = init;
  for (int32_t k = 0; k < n; ++k)
    if (values[k] > best) best = values[k];
  return best;
}

// init + values[0] + ... + values[n - 1], wrapping in 32 bits.
inline int32_t total(int32_t init, int32_t n, Vec<const int32_t> values) {
  int32_t sum = init;
  for (int32_t k = 0; k < n; ++k) sum = add32(sum, values[k]);
  return sum;
}

}  // namespace

// rshape[k] = shape[k] for k < n.
void result_shape_from_operand(int32_t n, Vec<int32_t> rshape, Vec<const int32_t> shape) { copy_prefix(n, shape, rshape); }

// rshape[k] = shape0[k] for k < n.
void result_shape_from_first_operand(int32_t n, Vec<int32_t> rshape, Vec<const int32_t> shape0) {
  copy_prefix(n, shape0, rshape);
}

// shape[k] = sh[k] for every entry of sh.
void operand_shape_from_sh(Vec<const int32_t> sh, Vec<int32_t> shape) {
  for (int64_t k = 0; k < sh.size(); ++k) shape[k] = sh[k];
}

// Pads a shape with unit dimensions: shape[k] = 1 for (length of sh) <= k < n.
void pad_operand_shape_with_ones(int32_t n, Vec<const int32_t> sh, Vec<int32_t> shape) {
  for (int64_t k = sh.size(); k < n; ++k) shape[k] = 1;
}

// rshape[k] = 1 for after <= k < before.
void unit_result_dimensions(int32_t after, int32_t before, Vec<int32_t> rshape) {
  for (int32_t k = after; k < before; ++k) rshape[k] = 1;
}

// The largest of init and rshape[0 .. n - 1].
int32_t largest_result_dimension(int32_t init, int32_t n, Vec<const int32_t> rshape) { return largest(init, n, rshape); }

// The largest of init and nds[0 .. n - 1] (the most dimensions among n operands).
int32_t most_operand_dimensions(int32_t n, Vec<const int32_t> nds, int32_t init) { return largest(init, n, nds); }

// init + numnz[0] + ... + numnz[n - 1] (the present elements of n operands).
int32_t total_operand_nonzeros(int32_t n, Vec<const int32_t> numnz, int32_t init) { return total(init, n, numnz); }

// init + sdims[0] + ... + sdims[n - 1] (the operands' sizes along the stacking axis).
int32_t total_stacked_size(int32_t init, int32_t n, Vec<const int32_t> sdims) { return total(init, n, sdims); }

// init times shape0[k] for k < n, where dimensions beyond the length of shape0 count as 1.
int32_t padded_operand_size(int32_t init, int32_t n, Vec<const int32_t> shape0) {
  int32_t product = init;
  for (int64_t k = 0; k < n && k < shape0.size(); ++k) product = mul32(product, shape0[k]);
  return product;
}

// init times shape0[k] for axis < k < length of shape0 (the size of one block after axis).
int32_t operand_size_after_axis(int32_t init, int32_t axis, Vec<const int32_t> shape0) {
  int32_t product = init;
  for (int64_t k = std::max<int64_t>(static_cast<int64_t>(axis) + 1, 0); k < shape0.size(); ++k)
    product = mul32(product, shape0[k]);
  return product;
}

// Stacking offsets: offset[k + 1] = offset[k] + sdims[k] for k < n - 1; offset[0] is the
// caller's.
void stacking_offsets(int32_t n, Vec<int32_t> offset, Vec<const int32_t> sdims) {
  for (int32_t k = 0; k + 1 < n; ++k) offset[k + 1] = add32(offset[k], sdims[k]);
}

// rshape[axis] += the sizes of the n operands shapes[j] along axis, an operand whose shape
// has no dimension axis counting 1.
void add_stacked_sizes(int32_t axis, int32_t n, Vec<int32_t> rshape, VecList<const int32_t> shapes) {
  int32_t sum = rshape[axis];
  for (int32_t j = 0; j < n; ++j) {
    const Vec<const int32_t> sh = shapes[j];
    sum = add32(sum, axis < sh.size() ? sh[axis] : 1);
  }
  rshape[axis] = sum;
}

// Repeats the whole pattern count times along a new leading axis: for r < count, i < nnz:
// rsp[pos] = size * r + tsp[i], rnativeidxs[pos] = tnativeidxs[i], pos += 1. size is the
// element count of one copy. Returns the final pos.
int32_t repeat_leading(int64_t size, int32_t pos, int32_t count, int32_t nnz, Vec<int64_t> rnativeidxs,
                       Vec<int64_t> rsp, Vec<const int64_t> tnativeidxs, Vec<const int64_t> tsp) {
  for (int32_t r = 0; r < count; ++r)
    for (int32_t i = 0; i < nnz; ++i) {
      rsp[pos] = add64(mul64(size, r), tsp[i]);
      rnativeidxs[pos] = tnativeidxs[i];
      pos = add32(pos, 1);
    }
  return pos;
}

// Repeats each element rep times along a new trailing axis: for i < nnz, k < rep:
// rsp[pos] = tsp[i] * rep + k, rnativeidxs[pos] = tnativeidxs[i], pos += 1. Returns the final pos.
int32_t repeat_trailing(int32_t pos, int32_t rep, int32_t nnz, Vec<int64_t> rnativeidxs, Vec<int64_t> rsp,
                        Vec<const int64_t> tnativeidxs, Vec<const int64_t> tsp) {
  for (int32_t i = 0; i < nnz; ++i)
    for (int32_t k = 0; k < rep; ++k) {
      rsp[pos] = add64(mul64(tsp[i], rep), k);
      rnativeidxs[pos] = tnativeidxs[i];
      pos = add32(pos, 1);
    }
  return pos;
}

// Repeats along an inner axis. For i < nnz, with t = tsp[i], q = t / oldblock,
// m = (t / d2b) mod d1 and r = t mod d2, and k < rep:
// rsp[pos] = newblock * q + d2 * m + r + k * (d1 * d2), rnativeidxs[pos] = tnativeidxs[i],
// pos += 1. With oldblock = d1 * d2, d2b = d2 and newblock = rep * d1 * d2 this inserts rep
// copies of each trailing d1 x d2 block. The output is not sorted. Returns the final pos.
int32_t repeat_inner(int32_t d1, int32_t d2, int32_t pos, int32_t rep, int32_t nnz, int32_t newblock,
                     Vec<int64_t> rnativeidxs, Vec<int64_t> rsp, int32_t oldblock, int32_t d2b,
                     Vec<const int64_t> tnativeidxs, Vec<const int64_t> tsp) {
  const int64_t copystep = static_cast<int64_t>(d1) * d2;
  for (int32_t i = 0; i < nnz; ++i) {
    const int64_t t = tsp[i];
    const int64_t q = t / oldblock, m = (t / d2b) % d1, r = t % d2;
    const int64_t first = add64(add64(mul64(newblock, q), mul64(d2, m)), r);
    for (int32_t k = 0; k < rep; ++k) {
      rsp[pos] = add64(first, mul64(k, copystep));
      rnativeidxs[pos] = tnativeidxs[i];
      pos = add32(pos, 1);
    }
  }
  return pos;
}

// Dense repeat: for o < nouter, m < nmid, the block tnativeidxs[pos .. pos + nblock - 1] is
// written rep times, copy k at o * ostride + m * mstride + k * (nmid * mstride); then pos
// advances by nblock. Returns the final pos.
int32_t repeat_dense(int32_t nouter, int32_t nmid, int32_t nblock, int32_t pos, int32_t rep,
                     Vec<int64_t> rnativeidxs, int32_t ostride, int32_t mstride, Vec<const int64_t> tnativeidxs) {
  const int64_t copystep = static_cast<int64_t>(nmid) * mstride;
  for (int64_t o = 0; o < nouter; ++o)
    for (int64_t m = 0; m < nmid; ++m) {
      const int64_t base = o * ostride + m * mstride;
      for (int64_t l = 0; l < nblock; ++l)
        for (int64_t k = 0; k < rep; ++k) rnativeidxs[base + l + k * copystep] = tnativeidxs[pos + l];
      pos = add32(pos, nblock);
    }
  return pos;
}

// Shifts operand j's block of linear indexes: rsp[pos + k] += shift for k < numnz[j].
// Returns pos + numnz[j].
int32_t shift_block(int32_t j, int32_t pos, int64_t shift, Vec<const int32_t> numnz, Vec<int64_t> rsp) {
  const int32_t count = numnz[j];
  for (int64_t k = 0; k < count; ++k) rsp[pos + k] = add64(rsp[pos + k], shift);
  return add32(pos, count);
}

// Re-encodes the linear indexes of n stacked sparse operands, in place from pos: an entry
// v of operand j, seen as (q, m, r) in its own shape with r < postsize and m < sdims[j],
// becomes ((q * stacksize) + offset[j] + m) * postsize + r in the result. Returns the final pos.
int32_t stack_inner(int32_t stacksize, int32_t postsize, int32_t pos, int32_t n, Vec<const int32_t> numnz,
                    Vec<const int32_t> offset, Vec<int64_t> rsp, Vec<const int32_t> sdims) {
  for (int32_t j = 0; j < n; ++j) {
    const int64_t block = static_cast<int64_t>(postsize) * sdims[j];
    for (int32_t e = 0; e < numnz[j]; ++e) {
      const int64_t v = rsp[pos];
      const int64_t q = v / block, m = (v / postsize) % sdims[j], r = v % postsize;
      rsp[pos] = add64(mul64(add64(add64(mul64(q, stacksize), offset[j]), m), postsize), r);
      pos = add32(pos, 1);
    }
  }
  return pos;
}

// Row pointers to row indexes: subi[k] = r for ptrb_[r] <= k < ptrb_[r + 1], r < n.
void pattern_rows_of_entries(int32_t n, Vec<const int64_t> ptrb_, Vec<int32_t> subi) {
  for (int32_t r = 0; r < n; ++r)
    for (int64_t k = ptrb_[r]; k < ptrb_[r + 1]; ++k) subi[k] = r;
}

}  // namespace fragments::shape

TOPIC("Result shapes and patterns of reshaping, repeating and stacking")
FRAGMENT(167, shape::result_shape_from_operand, "iOO", "n", "rshape", "shape")
FRAGMENT(168, shape::unit_result_dimensions, "iiO", "after", "before", "rshape")
SAME_AS(185, 168)
FRAGMENT(169, shape::repeat_leading, "LiiiOOOO", "size", "pos", "count", "nnz", "rnativeidxs", "rsp", "tnativeidxs", "tsp")
FRAGMENT(170, shape::repeat_trailing, "iiiOOOO", "pos", "rep", "nnz", "rnativeidxs", "rsp", "tnativeidxs", "tsp")
FRAGMENT(171, shape::repeat_inner, "iiiiiiOOiiOO", "d1", "d2", "pos", "rep", "nnz", "newblock", "rnativeidxs", "rsp", "oldblock", "d2b", "tnativeidxs", "tsp")
FRAGMENT(172, shape::largest_result_dimension, "iiO", "init", "n", "rshape")
SAME_AS(194, 172)
FRAGMENT(179, shape::repeat_dense, "iiiiiOiiO", "nouter", "nmid", "nblock", "pos", "rep", "rnativeidxs", "ostride", "mstride", "tnativeidxs")
FRAGMENT(180, shape::operand_shape_from_sh, "OO", "sh", "shape")
FRAGMENT(181, shape::pad_operand_shape_with_ones, "iOO", "n", "sh", "shape")
FRAGMENT(182, shape::total_operand_nonzeros, "iOi", "n", "numnz", "init")
SAME_AS(212, 182)
FRAGMENT(183, shape::most_operand_dimensions, "iOi", "n", "nds", "init")
FRAGMENT(184, shape::result_shape_from_first_operand, "iOO", "n", "rshape", "shape0")
FRAGMENT(186, shape::add_stacked_sizes, "iiOO", "axis", "n", "rshape", "shapes")
FRAGMENT(187, shape::padded_operand_size, "iiO", "init", "n", "shape0")
FRAGMENT(188, shape::total_stacked_size, "iiO", "init", "n", "sdims")
FRAGMENT(189, shape::operand_size_after_axis, "iiO", "init", "axis", "shape0")
FRAGMENT(190, shape::shift_block, "iiLOO", "j", "pos", "shift", "numnz", "rsp")
FRAGMENT(191, shape::stacking_offsets, "iOO", "n", "offset", "sdims")
FRAGMENT(193, shape::stack_inner, "iiiiOOOO", "stacksize", "postsize", "pos", "n", "numnz", "offset", "rsp", "sdims")
FRAGMENT(200, shape::pattern_rows_of_entries, "iOO", "n", "ptrb_", "subi")
