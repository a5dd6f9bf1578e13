// Result shapes and patterns of reshaping, repeating and stacking.
//
// An operand's present elements are (tnativeidxs, tsp): native index and linear index in
// its own shape; the result's are (rnativeidxs, rsp). Pattern kernels write from a running
// position pos and return it advanced, so that calls for consecutive operands append.
// Shape arithmetic is 32-bit and wraps; linear indexes are 64-bit.
#include <algorithm>

#include "kernels/strides.h"

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
  return size_product(init, shape0, 0, std::min<int64_t>(n, shape0.size()));
}

// init times shape0[k] for axis < k < length of shape0 (the size of one block after axis).
int32_t operand_size_after_axis(int32_t init, int32_t axis, Vec<const int32_t> shape0) {
  return size_product(init, shape0, std::max<int64_t>(int64_t{axis} + 1, 0), shape0.size());
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
  if (!all_positive(count, nnz)) return pos;
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
  if (!all_positive(nnz, rep)) return pos;
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
    const int64_t q = div64(t, oldblock), m = rem64(div64(t, d2b), d1), r = rem64(t, d2);
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
  // With no copy to make only pos moves, by nblock per block.
  if (!all_positive(nblock, rep))
    return all_positive(nouter, nmid) ? add32(pos, mul32(mul32(nouter, nmid), nblock)) : pos;
  const int64_t copystep = static_cast<int64_t>(nmid) * mstride;
  const int64_t copies = copystep == 0 ? 1 : rep;  // a zero step puts every copy in one place
  for (int64_t o = 0; o < nouter; ++o)
    for (int64_t m = 0; m < nmid; ++m) {
      const int64_t base = o * ostride + m * mstride;
      for (int64_t l = 0; l < nblock; ++l)
        for (int64_t k = 0; k < copies; ++k) rnativeidxs[base + l + k * copystep] = tnativeidxs[pos + l];
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
      const int64_t q = div64(v, block), m = rem64(div64(v, postsize), sdims[j]), r = rem64(v, postsize);
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
DOC(167, "",
    "Result shape from an operand: rshape[k] = shape[k] for k < n; n <= 0 writes nothing.")
FRAGMENT(168, shape::unit_result_dimensions, "iiO", "after", "before", "rshape")
DOC(168, "",
    "Unit dimensions of a result shape: rshape[k] = 1 for after <= k < before (after included, "
    "unlike the size products); before <= after writes nothing.")
SAME_AS(185, 168)
FRAGMENT(169, shape::repeat_leading, "LiiiOOOO", "size", "pos", "count", "nnz", "rnativeidxs", "rsp", "tnativeidxs", "tsp")
DOC(169, "pos",
    "Repeat along a new leading axis: for r < count (outer) and i < nnz: rsp[pos] = size * r + "
    "tsp[i] (64-bit) and rnativeidxs[pos] = tnativeidxs[i], pos += 1; size is the element count of "
    "one copy. rsp and rnativeidxs need room at pos .. pos + count * nnz - 1. The output is "
    "ascending when tsp is; e.g. size 6, count 2, tsp [1, 4] gives rsp [1, 4, 7, 10].\n"
    "Returns the final pos, pos + count * nnz.")
FRAGMENT(170, shape::repeat_trailing, "iiiOOOO", "pos", "rep", "nnz", "rnativeidxs", "rsp", "tnativeidxs", "tsp")
DOC(170, "pos",
    "Repeat each element along a new trailing axis: for i < nnz and k < rep (inner): rsp[pos] = "
    "tsp[i] * rep + k (64-bit) and rnativeidxs[pos] = tnativeidxs[i], pos += 1. rsp and "
    "rnativeidxs need room at pos .. pos + nnz * rep - 1. The output is ascending when tsp is.\n"
    "Returns the final pos, pos + nnz * rep.")
FRAGMENT(171, shape::repeat_inner, "iiiiiiOOiiOO", "d1", "d2", "pos", "rep", "nnz", "newblock", "rnativeidxs", "rsp", "oldblock", "d2b", "tnativeidxs", "tsp")
DOC(171, "pos",
    "Repeat along an inner axis: for i < nnz, with t = tsp[i], q = t / oldblock, m = (t / d2b) mod "
    "d1 and r = t mod d2, and for k < rep: rsp[pos] = newblock * q + d2 * m + r + k * d1 * d2 "
    "(64-bit) and rnativeidxs[pos] = tnativeidxs[i], pos += 1. With oldblock = d1 * d2, d2b = d2 "
    "and newblock = rep * d1 * d2 this inserts rep copies of each trailing d1 x d2 block. rsp and "
    "rnativeidxs need room at pos .. pos + nnz * rep - 1. The output is not ascending: sort it "
    "with _c_closure_195 .. _c_closure_199.\n"
    "Returns the final pos, pos + nnz * rep.")
FRAGMENT(172, shape::largest_result_dimension, "iiO", "init", "n", "rshape")
DOC(172, "largest",
    "Largest result dimension: returns the largest of init and rshape[0 .. n - 1]; init when n <= "
    "0. With init = 0 and n = nd, the result + 1 is a bucket array length that serves every pass "
    "of the linear-index sort _c_closure_175 .. _c_closure_178.")
SAME_AS(194, 172)
FRAGMENT(179, shape::repeat_dense, "iiiiiOiiO", "nouter", "nmid", "nblock", "pos", "rep", "rnativeidxs", "ostride", "mstride", "tnativeidxs")
DOC(179, "pos",
    "Dense repeat: for o < nouter and m < nmid, the block tnativeidxs[pos .. pos + nblock - 1] is "
    "written rep times into rnativeidxs, copy k < rep of entry l < nblock at o * ostride + m * "
    "mstride + l + k * nmid * mstride, and then pos advances by nblock. Here pos is a read "
    "position in tnativeidxs, not a write position; rnativeidxs is written only at the positions "
    "named.\n"
    "Returns the final pos, pos + nouter * nmid * nblock.")
FRAGMENT(180, shape::operand_shape_from_sh, "OO", "sh", "shape")
DOC(180, "",
    "Operand shape copied: shape[k] = sh[k] for every k < len(sh) (the count is the length of sh); "
    "shape needs len(sh) entries. _c_closure_181 then pads it with unit dimensions.")
FRAGMENT(181, shape::pad_operand_shape_with_ones, "iOO", "n", "sh", "shape")
DOC(181, "",
    "Operand shape padded with unit dimensions: shape[k] = 1 for len(sh) <= k < n (only the length "
    "of sh is used); the entries below len(sh) are left alone. After _c_closure_180 it turns a "
    "shape of len(sh) dimensions into one of n; shape needs n entries.")
FRAGMENT(182, shape::total_operand_nonzeros, "iOi", "n", "numnz", "init")
DOC(182, "total",
    "Sum of counts: returns init + numnz[0] + ... + numnz[n - 1], wrapping in 32 bits; e.g. the "
    "present elements of n stacked operands, the room a stacked result's rsp and rnativeidxs need.")
SAME_AS(212, 182)
FRAGMENT(183, shape::most_operand_dimensions, "iOi", "n", "nds", "init")
DOC(183, "largest",
    "Most operand dimensions: returns the largest of init and nds[0 .. n - 1] (init when n <= 0), "
    "the most dimensions among n operands.")
FRAGMENT(184, shape::result_shape_from_first_operand, "iOO", "n", "rshape", "shape0")
DOC(184, "",
    "Result shape from the first operand: rshape[k] = shape0[k] for k < n; n <= 0 writes nothing.")
FRAGMENT(186, shape::add_stacked_sizes, "iiOO", "axis", "n", "rshape", "shapes")
DOC(186, "",
    "Result size along the stacking axis: rshape[axis] += the size along axis of each of the n "
    "operand shapes shapes[j], j < n: shapes[j][axis] when axis < len(shapes[j]), else 1 (a shape "
    "that lacks dimension axis, or a None entry, counts 1); the sum wraps in 32 bits. rshape[axis] "
    "keeps its starting value as the first term (0 for a plain total). shapes is an array list (a "
    "one-dimensional object array of int32 arrays) of at least n entries; axis must be >= 0.")
FRAGMENT(187, shape::padded_operand_size, "iiO", "init", "n", "shape0")
DOC(187, "size",
    "Operand size padded to n dimensions: returns init * shape0[k] over k < n, dimensions beyond "
    "len(shape0) counting as 1, in 32-bit arithmetic that wraps; init when n <= 0.")
FRAGMENT(188, shape::total_stacked_size, "iiO", "init", "n", "sdims")
DOC(188, "total",
    "Stacked size: returns init + sdims[0] + ... + sdims[n - 1], wrapping in 32 bits; with init = "
    "0 the result's size along the stacking axis (the stacksize of _c_closure_193).")
FRAGMENT(189, shape::operand_size_after_axis, "iiO", "init", "axis", "shape0")
DOC(189, "size",
    "Size after an axis: returns init * shape0[k] over axis < k < len(shape0) (to the end of "
    "shape0; its length is used), in 32-bit arithmetic that wraps; a negative axis takes every "
    "dimension. With init = 1 it is the postsize of _c_closure_193 when stacking along axis.")
FRAGMENT(190, shape::shift_block, "iiLOO", "j", "pos", "shift", "numnz", "rsp")
DOC(190, "pos",
    "Shift one operand's block of linear indexes: rsp[pos + k] += shift for k < numnz[j] (64-bit). "
    "Returns pos + numnz[j], the start of the next operand's block, so that calls for j = 0, 1, "
    "... walk a stacked rsp.")
FRAGMENT(191, shape::stacking_offsets, "iOO", "n", "offset", "sdims")
DOC(191, "",
    "Stacking offsets: offset[k + 1] = offset[k] + sdims[k] for k = 0 .. n - 2, wrapping in 32 "
    "bits; offset[0] is the caller's (0 for the first operand). offset needs n entries: operand "
    "j's first position along the stacking axis, the offset of _c_closure_193.")
FRAGMENT(193, shape::stack_inner, "iiiiOOOO", "stacksize", "postsize", "pos", "n", "numnz", "offset", "rsp", "sdims")
DOC(193, "pos",
    "Stacking sparse operands along an inner axis, in place: for each operand j < n and each of "
    "its numnz[j] entries v = rsp[pos] (its linear index in the operand's own shape, seen as (q, "
    "m, r) with r < postsize and m < sdims[j]): q = v / (postsize * sdims[j]), m = (v / postsize) "
    "mod sdims[j], r = v mod postsize; rsp[pos] = ((q * stacksize) + offset[j] + m) * postsize + r "
    "(64-bit), pos += 1.\n"
    "stacksize is the result's size along the axis (_c_closure_188), postsize the product of the "
    "dimensions after it (_c_closure_189) and offset[j] operand j's first position along it "
    "(_c_closure_191). The entries stay in operand order, so the output is in general not "
    "ascending; sort it with _c_closure_195 .. _c_closure_199.\n"
    "Returns the final pos, pos + numnz[0] + ... + numnz[n - 1].")
FRAGMENT(200, shape::pattern_rows_of_entries, "iOO", "n", "ptrb_", "subi")
DOC(200, "",
    "Row indexes from row pointers: subi[k] = r for ptrb_[r] <= k < ptrb_[r + 1], r < n. ptrb_ "
    "needs n + 1 non-decreasing entries and subi room at ptrb_[0] .. ptrb_[n] - 1; entries before "
    "ptrb_[0] are left alone and empty rows write nothing.")
