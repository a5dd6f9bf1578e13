// Slices and native index lists of variables.
//
// A slice is the box first[k] <= m[k] < last[k] of a variable's elements. A dense slice
// lists the native indexes of the box in row-major order; a sparse one lists the present
// elements inside the box in the order of the variable's sparsity (which is the box's
// row-major order too) with their linear indexes in the slice's own shape.
#include "kernels/strides.h"

namespace fragments::shape {

namespace {

// Decomposes linear index v by shape into key[0 .. nd-1] (key[0] takes what remains of v;
// shape[0] is not read) and tells whether first[k] <= key[k] < last[k] for every k < nd.
// With nd <= 0 key is not touched and the element lies in the (empty) box.
bool key_in_box(int64_t v, int32_t nd, Vec<const int32_t> shape, Vec<int32_t> key, Vec<const int32_t> first,
                Vec<const int32_t> last) {
  if (nd <= 0) return true;
  for (int32_t k = nd - 1; k >= 1; --k) {
    key[k] = static_cast<int32_t>(rem64(v, shape[k]));
    v = div64(v, shape[k]);
  }
  key[0] = static_cast<int32_t>(v);
  for (int32_t k = 0; k < nd; ++k)
    if (key[k] < first[k] || key[k] >= last[k]) return false;
  return true;
}

// nindex[off + i] = value(i) for i < n, with 64-bit positions.
template <class Value>
void fill_at(Vec<int64_t> nindex, int32_t off, int64_t n, Value value) {
  for (int64_t i = 0; i < n; ++i) nindex[int64_t{off} + i] = value(i);
}

}  // namespace

// residxs[i] = nativeidxs[start + i × step] for i < n.
void strided_pick(Vec<const int64_t> nativeidxs, int32_t n, Vec<int64_t> residxs, int64_t start, int64_t step) {
  for (int32_t i = 0; i < n; ++i) residxs[i] = nativeidxs[add64(start, mul64(i, step))];
}

// init × Πk<n (last[k] - first[k]), wrapping in 32 bits: the element count of a box.
int32_t box_size(Vec<const int32_t> first, Vec<const int32_t> last, int32_t n, int32_t init) {
  return box_elements(init, first, last, n);
}

// init + the number of present elements (linear indexes in sparsity, shape of nd
// dimensions) inside the box [first, last). key (nd entries) is scratch and keeps the
// multi-index of the last element tested.
int32_t count_in_box(Vec<const int32_t> first, Vec<int32_t> key, Vec<const int32_t> last, int32_t nd, int32_t init,
                     Vec<const int32_t> shape, Vec<const int64_t> sparsity) {
  int32_t count = init;
  for (int64_t i = 0; i < sparsity.size(); ++i)
    if (key_in_box(sparsity[i], nd, shape, key, first, last)) count = add32(count, 1);
  return count;
}

// For every present element i inside the box, in order: idxs[pos] = nativeidxs[i] and
// sp[pos] = the linear index of key - first in sliceshape; pos += 1. The caller reserves
// the room counted by count_in_box. key (nd entries) is scratch. Returns the advanced pos.
int32_t write_in_box(Vec<const int32_t> first, int32_t pos, Vec<int64_t> idxs, Vec<int32_t> key,
                     Vec<const int32_t> last, Vec<const int64_t> nativeidxs, int32_t nd, Vec<const int32_t> shape,
                     Vec<const int32_t> sliceshape, Vec<int64_t> sp, Vec<const int64_t> sparsity) {
  for (int64_t i = 0; i < sparsity.size(); ++i) {
    if (!key_in_box(sparsity[i], nd, shape, key, first, last)) continue;
    int64_t r = 0;
    for (int32_t k = 0; k < nd; ++k) r = add64(mul64(r, sliceshape[k]), sub32(key[k], first[k]));
    idxs[pos] = nativeidxs[i];
    sp[pos] = r;
    pos = add32(pos, 1);
  }
  return pos;
}

// Dense slice: sliceidxs[0 .. n-1] = the native indexes of the box [first, last) of a dense
// variable of shape (nd dimensions), in row-major order of the box; n is the box's element
// count. Keeps a running linear index per level, so a step costs one addition.
void dense_slice(Vec<const int32_t> first, Vec<const int32_t> last, Vec<const int64_t> nativeidxs, int32_t nd,
                 Vec<const int32_t> shape, Vec<int64_t> sliceidxs, int32_t n) {
  if (nd <= 0) {  // one element, the whole box
    if (n >= 1) sliceidxs[0] = nativeidxs[0];
    return;
  }
  Scratch<int32_t> st(nd);    // row-major strides of shape
  Scratch<int32_t> base(nd);  // linear index of the current position at each level
  Scratch<int32_t> ctr(nd);   // the current multi-index
  const int32_t inner = nd - 1;
  unit_row_major_strides(nd, shape, st.view());
  int32_t start = 0;
  for (int32_t k = 0; k < nd; ++k) start = add32(start, mul32(first[k], st[k]));
  for (int32_t k = 0; k < nd; ++k) {
    base[k] = start;
    ctr[k] = first[k];
  }
  for (int32_t i = 0; i < n; ++i) {
    sliceidxs[i] = nativeidxs[base[inner]];
    int32_t k = inner;
    ctr[k] = add32(ctr[k], 1);
    base[k] = add32(base[k], st[k]);
    while (k > 0 && ctr[k] >= last[k]) {  // carry into the next outer level
      ctr[k] = first[k];
      --k;
      ctr[k] = add32(ctr[k], 1);
      base[k] = add32(base[k], st[k]);
    }
    for (int32_t j = k + 1; j < nd; ++j) base[j] = base[k];
  }
}

// For every i of thisnidxs: nativeidxs[off + i] = thisnidxs[i], sparsity[spoff + i] = i.
void place_with_positions(Vec<int64_t> nativeidxs, int32_t off, Vec<int64_t> sparsity, int32_t spoff,
                          Vec<const int64_t> thisnidxs) {
  fill_at(nativeidxs, off, thisnidxs.size(), [&](int64_t i) { return thisnidxs[i]; });
  fill_at(sparsity, spoff, thisnidxs.size(), [](int64_t i) { return i; });
}

// nindex[off + i] = nativeidxs[i] for every i of nativeidxs.
void place_at(Vec<const int64_t> nativeidxs, Vec<int64_t> nindex, int32_t off) {
  fill_at(nindex, off, nativeidxs.size(), [&](int64_t i) { return nativeidxs[i]; });
}

// nindex[off + i] = 0 for i < n.
void clear_at(int32_t n, Vec<int64_t> nindex, int32_t off) {
  fill_at(nindex, off, n, [](int64_t) { return int64_t{0}; });
}

// nindex[off + sparsity[i]] = nativeidxs[i] for every i of sparsity; absent positions keep
// what the caller put there.
void scatter_at(Vec<const int64_t> nativeidxs, Vec<int64_t> nindex, int32_t off, Vec<const int64_t> sparsity) {
  for (int64_t i = 0; i < sparsity.size(); ++i) nindex[add64(off, sparsity[i])] = nativeidxs[i];
}

// idxs[sparsity[i]] = nativeidxs[i] for every present element i. The two lists have equal
// lengths; the shorter one bounds the loop.
void scatter_present(Vec<int64_t> idxs, Vec<const int64_t> nativeidxs, Vec<const int64_t> sparsity) {
  const int64_t count = nativeidxs.size() < sparsity.size() ? nativeidxs.size() : sparsity.size();
  for (int64_t i = 0; i < count; ++i) idxs[sparsity[i]] = nativeidxs[i];
}

}  // namespace fragments::shape

TOPIC("Slices and native index lists of variables")
FRAGMENT(128, shape::strided_pick, "OiOLL", "nativeidxs", "n", "residxs", "start", "step")
DOC(128, "",
    "Strided pick from a dense one-dimensional variable: residxs[i] = nativeidxs[start + i * step] "
    "for i < n, positions in 64 bits (step may be negative). residxs needs n entries; every "
    "position read must lie inside nativeidxs (not checked); e.g. start 1, step 2, n 3 picks "
    "positions 1, 3, 5.")
FRAGMENT(129, shape::box_size, "OOii", "first", "last", "n", "init")
DOC(129, "size",
    "Element count of a box: returns init * (last[0] - first[0]) * ... * (last[n - 1] - first[n - "
    "1]), in 32-bit arithmetic that wraps; a dimension with last[k] = first[k] gives 0, and n <= 0 "
    "returns init. With init = 1 and n = nd it is the n of the dense slice _c_closure_132 (the "
    "entries its sliceidxs needs).")
FRAGMENT(130, shape::count_in_box, "OOOiiOO", "first", "key", "last", "nd", "init", "shape", "sparsity")
DOC(130, "count",
    "Present elements in a box, the count pass of _c_closure_131: returns init + the number of "
    "entries of sparsity (its whole length) whose multi-index m in shape satisfies first[k] <= "
    "m[k] < last[k] for every k < nd (a 32-bit count that wraps). key (nd entries) is scratch: the "
    "kernel writes into it the multi-index of each element it tests. shape[1 .. nd - 1] are read "
    "(shape[0] is not). With nd <= 0 every element counts and key is left alone.")
FRAGMENT(131, shape::write_in_box, "OiOOOOiOOOO", "first", "pos", "idxs", "key", "last", "nativeidxs", "nd", "shape",
         "sliceshape", "sp", "sparsity")
DOC(131, "pos",
    "Present elements in a box, the build pass sized by _c_closure_130: for each entry i of "
    "sparsity in order (its whole length) whose multi-index m in shape lies in the box first[k] <= "
    "m[k] < last[k], k < nd: idxs[pos] = nativeidxs[i], sp[pos] = the row-major linear index of m "
    "- first in sliceshape (64-bit), and pos += 1.\n"
    "idxs and sp need room at pos .. pos + count - 1, count being what _c_closure_130 adds for the "
    "same box; sliceshape[k] = last[k] - first[k]. With sparsity ascending, sp comes out "
    "ascending: the slice's sparsity, with idxs its nativeidxs. key (nd entries) is scratch, as in "
    "_c_closure_130.\n"
    "Returns the final pos (32-bit), so that calls chain.")
FRAGMENT(132, shape::dense_slice, "OOOiOOi", "first", "last", "nativeidxs", "nd", "shape", "sliceidxs", "n")
DOC(132, "",
    "Dense slice: sliceidxs[0 .. n - 1] = the native indexes of the elements of the box first[k] "
    "<= m[k] < last[k], k < nd, of a dense variable of shape shape whose nativeidxs are in "
    "row-major order, listed in row-major order of the box; e.g. shape [3, 4], box [1, 1] .. [3, "
    "3] reads positions 5, 6, 9, 10. n must be the box's element count (_c_closure_129 with init "
    "1), the entries sliceidxs needs. A 0-dimensional variable (nd <= 0) gives sliceidxs[0] = "
    "nativeidxs[0] when n >= 1. Positions are 32-bit; the kernel takes 3 * nd int32 entries of "
    "scratch memory.")
FRAGMENT(133, shape::place_with_positions, "OiOiO", "nativeidxs", "off", "sparsity", "spoff", "thisnidxs")
DOC(133, "",
    "Place an operand's native indexes with their positions: for every i < len(thisnidxs), "
    "nativeidxs[off + i] = thisnidxs[i] and sparsity[spoff + i] = i. The count is the length of "
    "thisnidxs; nativeidxs (written here) needs room at off .. off + len(thisnidxs) - 1 and "
    "sparsity at spoff .. spoff + len(thisnidxs) - 1.")
FRAGMENT(134, shape::place_at, "OOi", "nativeidxs", "nindex", "off")
DOC(134, "",
    "Place a native index list at an offset: nindex[off + i] = nativeidxs[i] for every i < "
    "len(nativeidxs) (the count is the length of nativeidxs); nindex needs room at off .. off + "
    "len(nativeidxs) - 1.")
FRAGMENT(136, shape::clear_at, "iOi", "n", "nindex", "off")
DOC(136, "",
    "Clear a range of a native index list: nindex[off + i] = 0 for i < n; n <= 0 writes nothing. "
    "Used before _c_closure_137, so that the absent elements of a sparse variable read as 0 (no "
    "variable).")
FRAGMENT(137, shape::scatter_at, "OOiO", "nativeidxs", "nindex", "off", "sparsity")
DOC(137, "",
    "Scatter a sparse variable into a dense native index list: nindex[off + sparsity[i]] = "
    "nativeidxs[i] for every i < len(sparsity) (the count is the length of sparsity; nativeidxs "
    "needs as many entries). Entries at absent positions keep what the caller put there (0 after "
    "_c_closure_136); nindex needs room at off .. off + size - 1, size being the variable's "
    "element count.")
FRAGMENT(139, shape::scatter_present, "OOO", "idxs", "nativeidxs", "sparsity")
DOC(139, "",
    "Scatter present elements: idxs[sparsity[i]] = nativeidxs[i] for every present element i; the "
    "count is the shorter of len(nativeidxs) and len(sparsity) (equal for a well-formed variable), "
    "so neither is read past its end. Entries of idxs at absent positions are left alone; idxs "
    "needs the variable's element count (at least the largest sparsity entry + 1).")
SAME_AS(140, 139)
SAME_AS(141, 139)
