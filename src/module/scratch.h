// Scratch<T>: a kernel's own zero-filled work array, freed when it goes out of scope.
//
// A request of zero or fewer elements takes no memory and is not a failure. A failed
// allocation throws std::bad_alloc, which the frame turns into MemoryError; kernels
// take their scratch before their first write, so such a failure leaves the caller's
// arrays untouched. The checked build checks every index and refuses requests above
// kCheckedScratchBytes (a size drawn from a huge scalar) with the same std::bad_alloc.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <new>

#include "view.h"

namespace fragments {

#ifdef FRAGMENTS_CHECKED
constexpr int64_t kCheckedScratchBytes = int64_t{1} << 28;  // 256 MiB
#endif

template <class T>
class Scratch {
 public:
  explicit Scratch(int64_t n) {
    if (n > 0) {
#ifdef FRAGMENTS_CHECKED
      if (n > kCheckedScratchBytes / static_cast<int64_t>(sizeof(T))) throw std::bad_alloc();
#endif
      p_ = static_cast<T*>(std::calloc(static_cast<size_t>(n), sizeof(T)));
      if (!p_) throw std::bad_alloc();
      n_ = n;
    }
  }
  ~Scratch() { std::free(p_); }
  Scratch(const Scratch&) = delete;
  Scratch& operator=(const Scratch&) = delete;

#ifndef FRAGMENTS_CHECKED
  T& operator[](int64_t k) const { return p_[k]; }
#else
  T& operator[](int64_t k) const {
    if (static_cast<uint64_t>(k) >= static_cast<uint64_t>(n_)) detail::own_fault("a scratch array", k, n_);
    return p_[k];
  }
#endif
  int64_t size() const { return n_; }
  // The scratch array as a unit-stride view, for code shared with kernels' own arrays
  // (an absent view when it holds nothing).
  Vec<T> view() const { return Vec<T>(p_, 1, n_, p_ != nullptr); }

 private:
  T* p_ = nullptr;
  int64_t n_ = 0;
};

}  // namespace fragments
