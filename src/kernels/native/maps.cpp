// Native index maps: the signed native index and the layout of bar variables.
//
// A signed native index v names one scalar unknown: v > 0 is scalar variable v - 1,
// v < 0 is bar element -v - 1, 0 names nothing. A bar variable of dimension d owns
// d(d+1)/2 consecutive bar element positions from natbarvar_ptr[b], its lower triangle
// column by column: (0,0), (1,0), ..., (d-1,0), (1,1), ..., (d-1,d-1).
#include "kernels/kernel.h"

namespace fragments::native {

// The bar variables of map entry mapidx: res[k] = natbarvarmap_ptr[mapidx] + k for
// k < natbarvarmap_num[mapidx]; nothing when that count is <= 0.
void bar_variables_of_entry(Vec<const int32_t> natbarvarmap_num, Vec<const int32_t> natbarvarmap_ptr,
                            Vec<int32_t> res, int32_t mapidx) {
  const int32_t f = natbarvarmap_ptr[mapidx];
  const int32_t c = natbarvarmap_num[mapidx];
  for (int32_t k = 0; k < c; ++k) res[k] = add32(f, k);
}

// The bar element positions of map entry mapidx, whose c = natbarvarmap_num[mapidx] bar
// variables start at f = natbarvarmap_ptr[mapidx], share the dimension d =
// natbarvar_dim[f] and lie consecutively from s = natbarvar_ptr[f]:
// res[k] = s + k for k < c × d(d+1)/2 (counted in 64 bits). The maps of f are read
// only when c > 0; nothing is written when the count is <= 0.
void bar_elements_of_entry(Vec<const int32_t> natbarvar_dim, Vec<const int64_t> natbarvar_ptr,
                           Vec<const int32_t> natbarvarmap_num, Vec<const int32_t> natbarvarmap_ptr,
                           Vec<int64_t> res, int32_t mapidx) {
  const int32_t c = natbarvarmap_num[mapidx];
  if (c <= 0) return;
  const int32_t f = natbarvarmap_ptr[mapidx];
  const int64_t d = natbarvar_dim[f];
  const int64_t s = natbarvar_ptr[f];
  const int64_t t = mul64(c, d * (d + 1) / 2);
  for (int64_t k = 0; k < t; ++k) res[k] = add64(s, k);
}

// natbarvar_dim[first + k] = value for k < n.
void set_bar_dimensions(int32_t value, int32_t n, Vec<int32_t> natbarvar_dim, int32_t first) {
  for (int32_t k = 0; k < n; ++k) natbarvar_dim[int64_t{first} + k] = value;
}

// Lays out n bar variables first .. first + n - 1 of dimension dim, barsize positions
// apart, from P = natbarvar_ptr[ptrpos]: the q-th lower-triangle pair (i, j) in column
// order of variable first + k goes to position P + q + k × barsize, where natbarvar_idx,
// natbarvar_i and natbarvar_j receive first + k, i and j. Then
// natbarvar_ptr[first + k] = natbarvar_ptr[first + k - 1] + barsize for k = 1 .. n
// (also when dim <= 0). With barsize = dim(dim+1)/2 and ptrpos = first the pointers
// agree with the positions written.
void lay_out_bar_variables(int32_t barsize, int32_t dim, int32_t first, int32_t n, Vec<int32_t> natbarvar_i,
                           Vec<int32_t> natbarvar_idx, Vec<int32_t> natbarvar_j, Vec<int64_t> natbarvar_ptr,
                           int32_t ptrpos) {
  const int64_t P = natbarvar_ptr[ptrpos];
  // With barsize 0 every k of a position lands on one place, where the last write stays.
  const int32_t first_k = barsize == 0 && n > 0 ? n - 1 : 0;
  int64_t q = 0;
  if (all_positive(dim, n))
    for (int32_t j = 0; j < dim; ++j)
      for (int32_t i = j; i < dim; ++i, ++q)
        for (int32_t k = first_k; k < n; ++k) {
          const int64_t p = add64(P, add64(q, mul64(k, barsize)));
          natbarvar_idx[p] = add32(first, k);
          natbarvar_i[p] = i;
          natbarvar_j[p] = j;
        }
  for (int32_t k = 1; k <= n; ++k)
    natbarvar_ptr[int64_t{first} + k] = add64(natbarvar_ptr[int64_t{first} + k - 1], barsize);
}

// idx[start .. end - 1] = -1 (unowned); nothing when end <= start.
static void mark_unowned(Vec<int32_t> idx, int32_t end, int32_t start) {
  for (int32_t k = start; k < end; ++k) idx[k] = -1;
}

void release_variables(Vec<int32_t> natvarmap_idx, int32_t end, int32_t start) {
  mark_unowned(natvarmap_idx, end, start);
}

void release_constraints(Vec<int32_t> natconmap_idx, int32_t end, int32_t start) {
  mark_unowned(natconmap_idx, end, start);
}

// init plus the number of entries of idxs (its whole length) that are > 0: its scalar
// variable indexes.
int32_t count_scalar_indexes(int32_t init, Vec<const int64_t> idxs) {
  int32_t count = init;
  for (int64_t k = 0; k < idxs.size(); ++k)
    if (idxs[k] > 0) count = add32(count, 1);
  return count;
}

// Writes v - 1 for every entry v > 0 of idxs (whole length, in order) to out[pos], pos + 1,
// ...; returns the position after the last one written.
static int32_t compress_scalar_indexes(Vec<const int64_t> idxs, int32_t pos, Vec<int32_t> out) {
  for (int64_t k = 0; k < idxs.size(); ++k) {
    const int64_t v = idxs[k];
    if (v > 0) {
      out[pos] = static_cast<int32_t>(v - 1);
      pos = add32(pos, 1);
    }
  }
  return pos;
}

int32_t scalar_variables_of(Vec<const int64_t> idxs, int32_t pos, Vec<int32_t> nativeidxs) {
  return compress_scalar_indexes(idxs, pos, nativeidxs);
}

// init plus the number of entries of nativeidxs (whole length) that are >= 0.
int32_t count_non_negative(Vec<const int64_t> nativeidxs, int32_t init) {
  int32_t count = init;
  for (int64_t k = 0; k < nativeidxs.size(); ++k)
    if (nativeidxs[k] >= 0) count = add32(count, 1);
  return count;
}

int32_t scalar_variables_into(int32_t pos, Vec<const int64_t> nativeidxs, Vec<int32_t> subj) {
  return compress_scalar_indexes(nativeidxs, pos, subj);
}

}  // namespace fragments::native

TOPIC("Native index maps and the layout of bar variables")
FRAGMENT(0, native::bar_variables_of_entry, "OOOi", "natbarvarmap_num", "natbarvarmap_ptr", "res", "mapidx")
DOC(0, "",
    "Bar variables of a map entry: with f = natbarvarmap_ptr[mapidx] and c = "
    "natbarvarmap_num[mapidx], writes res[k] = f + k (32-bit) for k < c: the bar variables that "
    "model entry mapidx owns. Nothing is written when c <= 0.\n"
    "res needs c entries; entries from c on are left alone.")
FRAGMENT(1, native::bar_elements_of_entry, "OOOOOi", "natbarvar_dim", "natbarvar_ptr", "natbarvarmap_num", "natbarvarmap_ptr", "res", "mapidx")
DOC(1, "",
    "Bar element positions of a map entry: the c = natbarvarmap_num[mapidx] bar variables of the "
    "entry start at f = natbarvarmap_ptr[mapidx]; with d = natbarvar_dim[f] and s = "
    "natbarvar_ptr[f], writes res[k] = s + k for k < t = c * d*(d+1)/2 (t and the positions in 64 "
    "bits).\n"
    "It relies on the entry's bar variables sharing the dimension d and lying consecutively from "
    "s, as _c_closure_3 lays them out; only the maps of f are read, and only when c > 0. Nothing "
    "is written when c <= 0 or t <= 0. res needs t entries.")
FRAGMENT(2, native::set_bar_dimensions, "iiOi", "value", "n", "natbarvar_dim", "first")
DOC(2, "",
    "Bar dimensions: natbarvar_dim[first + k] = value for k < n; nothing when n <= 0. "
    "natbarvar_dim needs first + n entries. Sets the dimension of bar variables that _c_closure_3 "
    "lays out.")
FRAGMENT(3, native::lay_out_bar_variables, "iiiiOOOOi", "barsize", "dim", "first", "n", "natbarvar_i", "natbarvar_idx", "natbarvar_j", "natbarvar_ptr", "ptrpos")
DOC(3, "",
    "Bar variable layout: lays out the n bar variables first .. first + n - 1 of dimension dim, "
    "barsize positions apart, from P = natbarvar_ptr[ptrpos]. The q-th lower-triangle pair (i, j) "
    "in column order ((0,0), (1,0), .., (dim-1,0), (1,1), .., (dim-1,dim-1)) of variable first + k "
    "goes to position p = P + q + k*barsize (64-bit): natbarvar_idx[p] = first + k, natbarvar_i[p] "
    "= i, natbarvar_j[p] = j.\n"
    "Then natbarvar_ptr[first + k] = natbarvar_ptr[first + k - 1] + barsize for k = 1 .. n, also "
    "when dim <= 0: the pointers chain from natbarvar_ptr[first], not from P. n <= 0 writes "
    "nothing.\n"
    "With barsize = dim*(dim+1)/2 and ptrpos = first (natbarvar_ptr[first] set by the caller) each "
    "variable's elements are consecutive and the pointers agree with them; natbarvar_idx, "
    "natbarvar_i and natbarvar_j then need P + n*barsize entries and natbarvar_ptr first + n + 1. "
    "The dimensions themselves are set by _c_closure_2.")
FRAGMENT(4, native::release_variables, "Oii", "natvarmap_idx", "end", "start")
DOC(4, "",
    "Release of scalar variables: natvarmap_idx[k] = -1 (unowned) for start <= k < end; nothing "
    "when end <= start. Note the argument order: end before start.")
FRAGMENT(5, native::release_constraints, "Oii", "natconmap_idx", "end", "start")
DOC(5, "",
    "Release of constraint rows: natconmap_idx[k] = -1 (unused row) for start <= k < end; nothing "
    "when end <= start. Note the argument order: end before start.")
FRAGMENT(6, native::count_scalar_indexes, "iO", "init", "idxs")
DOC(6, "count",
    "Scalar index count, the count pass of _c_closure_7 (and of _c_closure_15): returns init plus "
    "the number of entries of idxs, over its whole length, that are > 0 (signed native indexes "
    "naming scalar variables); bar elements (< 0) and 0 are not counted. A 32-bit count, wrapping.")
SAME_AS(8, 6)
FRAGMENT(7, native::scalar_variables_of, "OiO", "idxs", "pos", "nativeidxs")
DOC(7, "pos",
    "Scalar variables of a signed index list, the build pass sized by _c_closure_6: for each entry "
    "v > 0 of idxs in order, over its whole length, nativeidxs[pos] = v - 1 (the zero-based scalar "
    "variable, as int32) and pos advances; entries <= 0 are skipped.\n"
    "nativeidxs needs room at pos .. pos + count - 1, count being what _c_closure_6 adds to its "
    "init; other entries are left alone. Returns the final pos (a 32-bit running position).")
SAME_AS(9, 7)
FRAGMENT(14, native::count_non_negative, "Oi", "nativeidxs", "init")
DOC(14, "count",
    "Non-negative index count: returns init plus the number of entries of nativeidxs, over its "
    "whole length, that are >= 0 (a 32-bit count, wrapping). Zeros count too, so for signed native "
    "indexes this is at least the number _c_closure_15 writes; the exact number is what "
    "_c_closure_6 counts.")
FRAGMENT(15, native::scalar_variables_into, "iOO", "pos", "nativeidxs", "subj")
DOC(15, "pos",
    "Scalar variables of a signed index list into subj, the build pass sized by _c_closure_6: the "
    "compression of _c_closure_7 with pos first: for each entry v > 0 of nativeidxs in order, over "
    "its whole length, subj[pos] = v - 1 and pos advances; entries <= 0 are skipped.\n"
    "subj needs room at pos .. pos + count - 1, count being what _c_closure_6 adds; other entries "
    "are left alone. Returns the final pos (a 32-bit running position).")
