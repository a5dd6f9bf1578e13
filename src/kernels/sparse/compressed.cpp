// Compressed sparse matrices and counting sorts.
#include "kernels/kernel.h"

namespace fragments::sparse {

// Stable bucket sort of a permutation by a reduced linear index. The entries of val are
// linear indexes v = a * d1 * d2 + b * d2 + c of a (d0, d1, d2) block; the bucket of v
// drops the middle axis: q(v) = (v / (d1 * d2)) * d2 + v % d2, one of d0 * d2 buckets.
// Reads val[perm[k]] for k < N, N the length of val; rewrites perm[0 .. N - 1] grouped by
// bucket (stable) and ptrb[0 .. d0 * d2] so that ptrb[q] ends bucket q. Takes one scratch
// copy of perm (its whole length) before writing anything.
void bucket_sort_permutation(int32_t d0, int32_t d1, int32_t d2, Vec<int64_t> perm, Vec<int64_t> ptrb,
                             Vec<const int64_t> val) {
  Scratch<int64_t> original(perm.size());
  const int64_t block = mul64(d1, d2);
  const int64_t buckets = mul64(d0, d2);
  const int64_t n = val.size();
  auto bucket = [&](int64_t v) { return add64(mul64(v / block, d2), v % d2); };
  for (int64_t q = 0; q <= buckets; ++q) ptrb[q] = 0;
  // val is read at random positions, twice: fetch ahead to overlap the cache misses.
  constexpr int64_t ahead = 16;
  for (int64_t k = 0; k < n; ++k) {
    if (k + ahead < n) __builtin_prefetch(&val[perm[k + ahead]]);
    ptrb[bucket(val[perm[k]]) + 1] += 1;
  }
  for (int64_t q = 1; q <= buckets; ++q) ptrb[q] += ptrb[q - 1];
  for (int64_t k = 0; k < perm.size(); ++k) original[k] = perm[k];
  for (int64_t k = 0; k < n; ++k) {
    if (k + ahead < n) __builtin_prefetch(&val[original[k + ahead]]);
    const int64_t e = original[k];
    perm[ptrb[bucket(val[e])]++] = e;
  }
}

}  // namespace fragments::sparse

PENDING(87, (void(Vec<int64_t>, int64_t, Vec<int64_t>, Vec<const int32_t>, Vec<const int32_t>)), "OLOOO", "cptrb", "nnz", "rptrb", "subi", "subj")
SAME_AS(91, 87, "cptrb", "nnz", "rptrb", "subi", "subj")
PENDING(88, (void(int32_t, Vec<int64_t>)), "iO", "n", "rptrb")
SAME_AS(92, 88, "n", "rptrb")
SAME_AS(99, 88, "n", "rptrb")
PENDING(89, (void(Vec<int64_t>, int32_t)), "Oi", "cptrb", "n")
SAME_AS(93, 89, "cptrb", "n")
SAME_AS(96, 89, "cptrb", "n")
PENDING(90, (void(Vec<int64_t>, int32_t, Vec<const int64_t>, Vec<const int32_t>, Vec<int64_t>, Vec<int64_t>, Vec<double>, Vec<const double>)), "OiOOOOOO", "cptrb", "n", "rptrb", "subj", "tsubi", "tsubj", "tval", "val")
PENDING(94, (void(Vec<int64_t>, int32_t, Vec<const int64_t>, Vec<const int32_t>, Vec<int32_t>, Vec<int32_t>, Vec<double>, Vec<const double>)), "OiOOOOOO", "cptrb", "n", "rptrb", "subj", "tsubi", "tsubj", "tval", "val")
PENDING(95, (void(Vec<int64_t>, int64_t, Vec<const int32_t>)), "OLO", "cptrb", "nnz", "subj")
PENDING(97, (void(Vec<int32_t>, Vec<int64_t>, int64_t, Vec<const int32_t>)), "OOLO", "cols", "cptrb", "nnz", "subj")
PENDING(98, (void(int64_t, Vec<int64_t>, Vec<const int32_t>)), "LOO", "nnz", "rptrb", "subi")
PENDING(100, (void(Vec<const int32_t>, Vec<const int64_t>, int32_t, Vec<int32_t>, Vec<int64_t>, Vec<const int32_t>)), "OOiOOO", "cols", "cptrb", "n", "rows", "rptrb", "subi")
PENDING(101, (int32_t(int64_t, int32_t, Vec<const int32_t>, Vec<const int32_t>, Vec<const int32_t>)), "LiOOO", "nnz", "init", "rows", "subi", "subj")
PENDING(102, (int32_t(int32_t, int64_t, Vec<const int32_t>, Vec<const int32_t>, Vec<const int32_t>, Vec<int32_t>, Vec<int32_t>, Vec<double>, Vec<const double>)), "iLOOOOOOO", "pos", "nnz", "rows", "subi", "subj", "tsubi", "tsubj", "tval", "val")
FRAGMENT(77, sparse::bucket_sort_permutation, "iiiOOO", "d0", "d1", "d2", "perm", "ptrb", "val")
