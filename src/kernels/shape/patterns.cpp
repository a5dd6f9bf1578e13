// Building and sorting sparsity patterns.
//
// Element lists arrive in any order; the caller sorts them with a least-significant-digit
// radix sort: one stable counting pass per dimension, last dimension first, swapping the
// two permutation buffers between passes. A pass is four steps over a bucket array `ptr`
// of size + 1 entries (clear, count, accumulate, scatter); afterwards the permutation
// lists the elements in row-major order, equal keys in their input order.
#include "kernels/kernel.h"

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
  int64_t operator()(int32_t j) const { return (rsp[j] / stride) % size; }
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
  for (int32_t k = nd - 1; k >= 1; --k) s[k - 1] = mul64(rshape[k], s[k]);
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
FRAGMENT(40, shape::identity_permutation, "Oi", "curperm", "n")
SAME_AS(174, 40)
SAME_AS(192, 40)
FRAGMENT(41, shape::sort_pass_on_rows, "OiOiiOOO", "curperm", "pass", "midxs", "n", "nd", "ptr", "shape", "tgtperm")
FRAGMENT(42, shape::linear_indexes_in_order, "OOiiOO", "curperm", "midxs", "n", "nd", "sparsity", "strides")
FRAGMENT(173, shape::strides_of_target_shape, "iOO", "nd", "rshape", "s")
SAME_AS(195, 173)
FRAGMENT(175, shape::clear_pass, "iOO", "d", "ptr", "rshape")
SAME_AS(196, 175)
FRAGMENT(176, shape::count_pass, "iOiOOO", "d", "ptr", "n", "rshape", "rsp", "s")
SAME_AS(197, 176)
FRAGMENT(177, shape::accumulate_pass, "iOO", "d", "ptr", "rshape")
SAME_AS(198, 177)
FRAGMENT(178, shape::scatter_pass, "OiOiOOOO", "curperm", "d", "ptr", "n", "rshape", "rsp", "s", "tgtperm")
SAME_AS(199, 178)
