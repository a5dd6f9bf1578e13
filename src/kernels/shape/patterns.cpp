// Building and sorting sparsity patterns.
//
// Element lists arrive in any order; the caller sorts them with a least-significant-digit
// radix sort: one stable counting pass per dimension, last dimension first, swapping the
// two permutation buffers between passes. A pass is four steps over a bucket array `ptr`
// of size + 1 entries (clear, count, accumulate, scatter); afterwards the permutation
// lists the elements in row-major order, equal keys in their input order.
#include "kernels/strides.h"

namespace fragments::shape {

namespace {

// Σk row[k] × strides[k] for k < nd: each product in wrapping 32 bits, summed in 64 bits.
int64_t linear_index_of_row(Vec<const int32_t> row, Vec<const int32_t> strides, int64_t nd) {
  int64_t index = 0;
  for (int64_t k = 0; k < nd; ++k) index = add64(index, mul32(row[k], strides[k]));
  return index;
}

// The four steps of one counting pass. digit(j) is the key of element j in the
// dimension being sorted, in [0, size).

// ptr[0 .. size] = 0.
void clear_buckets(Vec<int32_t> ptr, int32_t size) {
  for (int32_t v = 0; v <= size; ++v) ptr[v] = 0;
}

// ptr[digit(i) + 1] += 1 for every i < n, in storage order.
template <class Digit>
void count_digits(Vec<int32_t> ptr, int32_t n, Digit digit) {
  for (int32_t i = 0; i < n; ++i) {
    int64_t v = digit(i);
    ptr[v + 1] = add32(ptr[v + 1], 1);
  }
}

// Prefix sums: ptr[v + 1] += ptr[v] for v < size; ptr[v] is then the first position of digit v.
void accumulate_buckets(Vec<int32_t> ptr, int32_t size) {
  for (int32_t v = 0; v < size; ++v) ptr[v + 1] = add32(ptr[v + 1], ptr[v]);
}

// Stable scatter in the order of curperm: tgtperm[ptr[digit(j)]++] = j for j = curperm[i], i < n.
template <class Digit>
void scatter_by_digit(Vec<const int32_t> curperm, Vec<int32_t> tgtperm, Vec<int32_t> ptr, int32_t n, Digit digit) {
  for (int32_t i = 0; i < n; ++i) {
    int32_t j = curperm[i];
    int64_t v = digit(j);
    tgtperm[ptr[v]] = j;
    ptr[v] = add32(ptr[v], 1);
  }
}

// The digit of linear index rsp[j] in dimension d of rshape: (rsp[j] / s[d]) mod rshape[d].
struct LinearDigit {
  Vec<const int64_t> rsp;
  int64_t stride;
  int64_t size;
  int64_t operator()(int32_t j) const { return rem64(div64(rsp[j], stride), size); }
};

LinearDigit linear_digit(int32_t d, Vec<const int32_t> rshape, Vec<const int64_t> rsp, Vec<const int64_t> s) {
  return LinearDigit{rsp, s[d], rshape[d]};
}

}  // namespace

// Converts the first n rows of the multi-index list sp (nd = its column count) into linear
// indexes: sparsity[i] = Σk sp[i,k] × strides[k]. Every coordinate is checked against
// shape; at the first one outside [0, shape[k]) the conversion stops, leaving that row and
// all later ones unwritten. Nothing is written when flag is non-zero on entry. Returns
// whether flag was set or a coordinate was out of range.
bool linear_indexes_checked(int32_t flag, int32_t n, Vec<const int32_t> shape, Mat<const int32_t> sp,
                            Vec<int64_t> sparsity, Vec<const int32_t> strides) {
  if (flag != 0) return true;
  const int64_t nd = sp.cols();
  for (int32_t i = 0; i < n; ++i) {
    for (int64_t k = 0; k < nd; ++k)
      if (sp(i, k) < 0 || sp(i, k) >= shape[k]) return true;
    sparsity[i] = linear_index_of_row(sp.row(i), strides, nd);
  }
  return false;
}

// curperm[i] = i for i < n.
void identity_permutation(Vec<int32_t> curperm, int32_t n) {
  for (int32_t i = 0; i < n; ++i) curperm[i] = i;
}

// One counting-sort pass over the rows of midxs by column d = nd - pass - 1: clears, counts
// and accumulates ptr[0 .. shape[d]], then writes to tgtperm[0 .. n-1] the elements of
// curperm stably ordered by their coordinate in dimension d. ptr needs shape[d] + 1 entries.
void sort_pass_on_rows(Vec<const int32_t> curperm, int32_t pass, Mat<const int32_t> midxs, int32_t n, int32_t nd,
                       Vec<int32_t> ptr, Vec<const int32_t> shape, Vec<int32_t> tgtperm) {
  const int32_t d = sub32(sub32(nd, pass), 1);
  const int32_t size = shape[d];
  auto digit = [&](int32_t j) -> int64_t { return midxs(j, d); };
  clear_buckets(ptr, size);
  count_digits(ptr, n, digit);
  accumulate_buckets(ptr, size);
  scatter_by_digit(curperm, tgtperm, ptr, n, digit);
}

// sparsity[i] = Σk<nd midxs[curperm[i], k] × strides[k] for i < n (rows in permuted order).
void linear_indexes_in_order(Vec<const int32_t> curperm, Mat<const int32_t> midxs, int32_t n, int32_t nd,
                             Vec<int64_t> sparsity, Vec<const int32_t> strides) {
  for (int32_t i = 0; i < n; ++i) sparsity[i] = linear_index_of_row(midxs.row(curperm[i]), strides, nd);
}

// Row-major strides of rshape: s[k-1] = rshape[k] × s[k] for k = nd-1 down to 1 (64-bit).
// The caller sets s[nd-1] (to 1).
void strides_of_target_shape(int32_t nd, Vec<const int32_t> rshape, Vec<int64_t> s) {
  row_major_strides(nd, rshape, s);
}

// Sort pass on linear indexes, step 1: ptr[0 .. rshape[d]] = 0.
void clear_pass(int32_t d, Vec<int32_t> ptr, Vec<const int32_t> rshape) { clear_buckets(ptr, rshape[d]); }

// Step 2: ptr[(rsp[i] / s[d]) mod rshape[d] + 1] += 1 for i < n.
void count_pass(int32_t d, Vec<int32_t> ptr, int32_t n, Vec<const int32_t> rshape, Vec<const int64_t> rsp,
                Vec<const int64_t> s) {
  count_digits(ptr, n, linear_digit(d, rshape, rsp, s));
}

// Step 3: ptr[v + 1] += ptr[v] for v < rshape[d].
void accumulate_pass(int32_t d, Vec<int32_t> ptr, Vec<const int32_t> rshape) { accumulate_buckets(ptr, rshape[d]); }

// Step 4: for i < n, j = curperm[i], v = (rsp[j] / s[d]) mod rshape[d]: tgtperm[ptr[v]] = j, ptr[v] += 1.
void scatter_pass(Vec<const int32_t> curperm, int32_t d, Vec<int32_t> ptr, int32_t n, Vec<const int32_t> rshape,
                  Vec<const int64_t> rsp, Vec<const int64_t> s, Vec<int32_t> tgtperm) {
  scatter_by_digit(curperm, tgtperm, ptr, n, linear_digit(d, rshape, rsp, s));
}

}  // namespace fragments::shape

TOPIC("Building and sorting sparsity patterns")
FRAGMENT(38, shape::linear_indexes_checked, "iiOOOO", "flag", "n", "shape", "sp", "sparsity", "strides")
DOC(38, "outofrange",
    "Checked conversion of multi-indexes to linear indexes: for rows i = 0 .. n - 1 of sp (nd = "
    "its column count), when every sp[i, k] lies in 0 .. shape[k] - 1, sparsity[i] = sp[i, 0] * "
    "strides[0] + ... + sp[i, nd - 1] * strides[nd - 1] (each product in 32 bits that wrap, the "
    "sum in 64 bits). At the first coordinate out of range the kernel stops and returns True, "
    "leaving that row and every later one unwritten; with flag != 0 on entry it writes nothing and "
    "returns True; otherwise it returns False after writing n entries.\n"
    "The rows may be in any order and sparsity keeps it (sort with _c_closure_41 and "
    "_c_closure_42, or the linear-index passes _c_closure_175 .. _c_closure_178). sparsity needs n "
    "entries; shape and strides (int32 row-major strides, _c_closure_27) need nd.")
FRAGMENT(40, shape::identity_permutation, "Oi", "curperm", "n")
DOC(40, "",
    "Identity permutation: curperm[i] = i for i < n, the starting permutation of the radix sorts "
    "(_c_closure_41 on multi-index rows, _c_closure_175 .. _c_closure_178 on linear indexes). "
    "curperm needs n entries; n <= 0 writes nothing.")
SAME_AS(174, 40)
SAME_AS(192, 40)
FRAGMENT(41, shape::sort_pass_on_rows, "OiOiiOOO", "curperm", "pass", "midxs", "n", "nd", "ptr", "shape", "tgtperm")
DOC(41, "",
    "Radix sort pass on multi-index rows: one stable counting-sort pass of the rows 0 .. n - 1 of "
    "midxs by their coordinate in column d = nd - pass_ - 1. It clears ptr[0 .. shape[d]], counts "
    "ptr[v + 1] += 1 for the coordinate v = midxs[i, d] of each row i < n, turns the counts into "
    "first positions, then for i = 0 .. n - 1 in the order of curperm writes tgtperm[ptr[v]] = "
    "curperm[i] (v the coordinate of row curperm[i]) and advances ptr[v].\n"
    "- pass_ takes the values 0, 1, ..., nd - 1, one call each, in that order: pass_ = 0 sorts by "
    "the last column (d = nd - 1), pass_ = nd - 1 by column 0. After the last pass the permutation "
    "lists the rows in row-major (lexicographic) order; equal rows keep their input order "
    "(duplicates are not removed).\n"
    "- ptr needs shape[d] + 1 entries for the pass: one array of max(shape[0 .. nd - 1]) + 1 "
    "entries (_c_closure_39(0, nd, shape) + 1) serves every pass. The caller need not clear it; on "
    "return ptr[v] is the end of bucket v and ptr[shape[d]] = n.\n"
    "- curperm and tgtperm are two distinct arrays of n entries. curperm is a permutation of 0 .. "
    "n - 1: the identity (_c_closure_40) before pass_ = 0, and the previous pass's tgtperm "
    "afterwards, so the caller swaps the two arrays between passes.\n"
    "- midxs needs n rows and nd columns, shape nd entries (only shape[d] is read). Coordinates "
    "must lie in 0 .. shape[d] - 1 and are not checked (_c_closure_38 or _c_closure_119 checks "
    "them).\n"
    "Then _c_closure_42 with the last tgtperm writes the sorted linear indexes. With n = 0, "
    "tgtperm is left alone and ptr[0 .. shape[d]] is still cleared.")
FRAGMENT(42, shape::linear_indexes_in_order, "OOiiOO", "curperm", "midxs", "n", "nd", "sparsity", "strides")
DOC(42, "",
    "Linear indexes of rows in permuted order: sparsity[i] = midxs[j, 0] * strides[0] + ... + "
    "midxs[j, nd - 1] * strides[nd - 1] with j = curperm[i], for i < n (each product in 32 bits "
    "that wrap, the sum in 64 bits). With curperm the last tgtperm of the sort passes "
    "_c_closure_41 it writes a sparse variable's sparsity in ascending order (equal rows give "
    "equal entries; the caller rejects them). sparsity needs n entries; strides are the int32 "
    "row-major strides of the shape (_c_closure_27).")
FRAGMENT(173, shape::strides_of_target_shape, "iOO", "nd", "rshape", "s")
DOC(173, "",
    "Strides of a target shape for the linear-index sort: s[k - 1] = rshape[k] * s[k] for k = nd - "
    "1 down to 1, in 64 bits. The caller sets s[nd - 1] = 1; s needs nd entries and nd <= 1 writes "
    "nothing. These are the s of the sort passes _c_closure_175 .. _c_closure_178.")
SAME_AS(195, 173)
FRAGMENT(175, shape::clear_pass, "iOO", "d", "ptr", "rshape")
DOC(175, "",
    "Linear-index sort pass, step 1 of 4 (clear): ptr[0 .. rshape[d]] = 0.\n"
    "One pass of the least-significant-digit radix sort of n linear indexes rsp in the shape "
    "rshape (nd dimensions) orders the elements stably by their coordinate in dimension d, (rsp[j] "
    "/ s[d]) mod rshape[d]:\n"
    "- the caller writes the identity into curperm (_c_closure_174) and the 64-bit strides s of "
    "rshape with s[nd - 1] = 1 (_c_closure_173);\n"
    "- then for d = nd - 1, nd - 2, ..., 0 (these are the values d takes) it calls this kernel, "
    "_c_closure_176, _c_closure_177 and _c_closure_178 with the same d, ptr and rshape, and swaps "
    "curperm and tgtperm after each pass;\n"
    "- the final permutation (the last tgtperm) lists the elements in ascending rsp, equal indexes "
    "in their input order.\n"
    "ptr needs rshape[d] + 1 entries: one array of max(rshape[0 .. nd - 1]) + 1 entries "
    "(_c_closure_172(0, nd, rshape) + 1) serves every pass.")
SAME_AS(196, 175)
FRAGMENT(176, shape::count_pass, "iOiOOO", "d", "ptr", "n", "rshape", "rsp", "s")
DOC(176, "",
    "Linear-index sort pass, step 2 of 4 (count): for each i < n in storage order, ptr[(rsp[i] / "
    "s[d]) mod rshape[d] + 1] += 1 (32-bit counts). Follows _c_closure_175, which cleared ptr[0 .. "
    "rshape[d]], with the same d; rsp holds n non-negative linear indexes inside rshape and s the "
    "64-bit strides of rshape (_c_closure_173). See _c_closure_175 for the whole sort.")
SAME_AS(197, 176)
FRAGMENT(177, shape::accumulate_pass, "iOO", "d", "ptr", "rshape")
DOC(177, "",
    "Linear-index sort pass, step 3 of 4 (accumulate): ptr[v + 1] += ptr[v] for v = 0 .. rshape[d] "
    "- 1, so that ptr[v] becomes the first output position of coordinate v. Follows _c_closure_176 "
    "with the same d; ptr needs rshape[d] + 1 entries. See _c_closure_175 for the whole sort.")
SAME_AS(198, 177)
FRAGMENT(178, shape::scatter_pass, "OiOiOOOO", "curperm", "d", "ptr", "n", "rshape", "rsp", "s", "tgtperm")
DOC(178, "",
    "Linear-index sort pass, step 4 of 4 (scatter): for i = 0 .. n - 1, with j = curperm[i] and v "
    "= (rsp[j] / s[d]) mod rshape[d]: tgtperm[ptr[v]] = j and ptr[v] += 1, a stable placement by "
    "the coordinate in dimension d. Needs ptr as _c_closure_177 left it for the same d. curperm (a "
    "permutation of 0 .. n - 1) and tgtperm are two distinct arrays of n entries, the order before "
    "and after the pass; the caller swaps them for the next pass. After the pass for d = 0, "
    "tgtperm lists the elements in ascending rsp. See _c_closure_175 for the whole sort.")
SAME_AS(199, 178)
