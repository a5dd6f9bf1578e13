// Checks and walks over index lists, shared by the sparse-list and index-set kernels.
#pragma once

#include "kernels/kernel.h"

namespace fragments::sparse {

// count plus the number of k = 1 .. n - 1 with at(k - 1) < at(k), wrapping in 32 bits:
// with count 1 and a non-decreasing sequence at(0), at(1), ..., its number of distinct
// values. at(k) is the k-th value in walking order.
template <class At>
inline int32_t count_increases(int32_t count, int64_t n, At at) {
  for (int64_t k = 1; k < n; ++k)
    if (at(k - 1) < at(k)) count = add32(count, 1);
  return count;
}

// Error flag: set when flag is, or when some entry of idxs (its whole length) lies
// outside 0 .. size - 1.
inline bool any_outside(int32_t flag, Vec<const int64_t> idxs, int64_t size) {
  if (flag != 0) return true;
  for (int64_t k = 0; k < idxs.size(); ++k)
    if (idxs[k] < 0 || idxs[k] >= size) return true;
  return false;
}

// Error flag: set when flag is, or when some entry sub(r, c), over all rows and the
// columns c < ncols, lies outside 0 .. shape[c] - 1.
inline bool any_outside(int32_t flag, Mat<const int32_t> sub, int64_t ncols, Vec<const int32_t> shape) {
  if (flag != 0) return true;
  for (int64_t r = 0; r < sub.rows(); ++r)
    for (int64_t c = 0; c < ncols; ++c)
      if (sub(r, c) < 0 || sub(r, c) >= shape[c]) return true;
  return false;
}

}  // namespace fragments::sparse
