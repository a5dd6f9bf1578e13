// Block copies between typed strided arrays, and the square root, under the names the
// modeling layer knows them by (Utils.Tools.arraycopy and Utils.Tools.sqrt).
//
// arraycopy(source, source stride, source position, target, target stride, target
// position, count) copies element sp + k of the source to element tp + k of the target
// for k = 0 .. count - 1, through both strides. A count of 0 or less copies nothing.
// Source and target may be the same array and the two runs may overlap: the result is
// as if the source run had been read completely before the first write. Kernels reach
// these through copy_run() below, which takes views.
#pragma once

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <functional>
#include <utility>

#include "scratch.h"

namespace fragments {

template <class T>
void block_copy(const T* source, ptrdiff_t ss, int64_t sp, T* target, ptrdiff_t ts, int64_t tp, int64_t count) {
  if (count <= 0) return;
  const T* s = source + sp * ss;
  T* t = target + tp * ts;
  if (ss == 1 && ts == 1) {
    std::memmove(t, s, static_cast<size_t>(count) * sizeof(T));
    return;
  }
  // The address spans of the two runs, to see whether they can interfere.
  auto span = [count](const T* p, ptrdiff_t st) {
    const T* last = p + (count - 1) * st;
    return st >= 0 ? std::pair<const T*, const T*>(p, last) : std::pair<const T*, const T*>(last, p);
  };
  const auto [s_lo, s_hi] = span(s, ss);
  const auto [t_lo, t_hi] = span(t, ts);
  const bool apart = std::less<const T*>()(s_hi, t_lo) || std::less<const T*>()(t_hi, s_lo);
  if (apart) {
    for (int64_t k = 0; k < count; ++k) t[k * ts] = s[k * ss];
  } else if (ss == ts) {
    // Same lattice: walk away from the side where the target would overwrite unread source.
    if (s == t) return;
    if (ss != 0 && (t - s) / ss > 0)
      for (int64_t k = count - 1; k >= 0; --k) t[k * ts] = s[k * ss];
    else
      for (int64_t k = 0; k < count; ++k) t[k * ts] = s[k * ss];
  } else {
    Scratch<T> tmp(count);
    for (int64_t k = 0; k < count; ++k) tmp[k] = s[k * ss];
    for (int64_t k = 0; k < count; ++k) t[k * ts] = tmp[k];
  }
}

inline void norvak_4velmo_4Utils_4Tools_4arraycopy___3II_3III(const int32_t* src, ptrdiff_t src_stride, int32_t srcpos,
                                                            int32_t* dst, ptrdiff_t dst_stride, int32_t dstpos,
                                                            int32_t count) {
  block_copy(src, src_stride, srcpos, dst, dst_stride, dstpos, count);
}
inline void norvak_4velmo_4Utils_4Tools_4arraycopy___3JI_3JII(const int64_t* src, ptrdiff_t src_stride, int32_t srcpos,
                                                            int64_t* dst, ptrdiff_t dst_stride, int32_t dstpos,
                                                            int32_t count) {
  block_copy(src, src_stride, srcpos, dst, dst_stride, dstpos, count);
}
inline void norvak_4velmo_4Utils_4Tools_4arraycopy___3DI_3DII(const double* src, ptrdiff_t src_stride, int32_t srcpos,
                                                            double* dst, ptrdiff_t dst_stride, int32_t dstpos,
                                                            int32_t count) {
  block_copy(src, src_stride, srcpos, dst, dst_stride, dstpos, count);
}
inline void norvak_4velmo_4Utils_4Tools_4arraycopy___3IJ_3IJJ(const int32_t* src, ptrdiff_t src_stride, int64_t srcpos,
                                                            int32_t* dst, ptrdiff_t dst_stride, int64_t dstpos,
                                                            int64_t count) {
  block_copy(src, src_stride, srcpos, dst, dst_stride, dstpos, count);
}
inline void norvak_4velmo_4Utils_4Tools_4arraycopy___3JJ_3JJJ(const int64_t* src, ptrdiff_t src_stride, int64_t srcpos,
                                                            int64_t* dst, ptrdiff_t dst_stride, int64_t dstpos,
                                                            int64_t count) {
  block_copy(src, src_stride, srcpos, dst, dst_stride, dstpos, count);
}
inline void norvak_4velmo_4Utils_4Tools_4arraycopy___3DJ_3DJJ(const double* src, ptrdiff_t src_stride, int64_t srcpos,
                                                            double* dst, ptrdiff_t dst_stride, int64_t dstpos,
                                                            int64_t count) {
  block_copy(src, src_stride, srcpos, dst, dst_stride, dstpos, count);
}

// The same copy between views: source.from(sp)[k] to target.from(tp)[k], k < count.
// Kernels copy through this one; the checked build checks both runs against their
// arguments before copying.
template <class T>
void copy_run(Vec<const T> source, int64_t sp, Vec<T> target, int64_t tp, int64_t count) {
#ifdef FRAGMENTS_CHECKED
  if (count <= 0) return;
  source.place().check_run(sp, count);
  target.place().check_run(tp, count);
  block_copy(&source[sp], source.stride(), 0, &target[tp], target.stride(), 0, count);
#else
  block_copy(source.data(), source.stride(), sp, target.data(), target.stride(), tp, count);
#endif
}

// The correctly rounded square root; negative x gives NaN.
inline double norvak_4velmo_4Utils_4Tools_4sqrt__D(double x) { return std::sqrt(x); }

}  // namespace fragments
