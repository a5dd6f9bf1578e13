// Scratch<T>: a kernel's own zero-filled work array, freed when it goes out of scope.
//
// A request of zero or fewer elements takes no memory and is not a failure. A failed
// allocation throws std::bad_alloc, which the frame turns into MemoryError; kernels
// take their scratch before their first write, so such a failure leaves the caller's
// arrays untouched.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <new>

#include "view.h"

namespace fragments {

template <class T>
class Scratch {
 public:
  explicit Scratch(int64_t n) {
    if (n > 0) {
      p_ = static_cast<T*>(std::calloc(static_cast<size_t>(n), sizeof(T)));
      if (!p_) throw std::bad_alloc();
      n_ = n;
    }
  }
  ~Scratch() { std::free(p_); }
  Scratch(const Scratch&) = delete;
  Scratch& operator=(const Scratch&) = delete;

  T& operator[](int64_t k) const { return p_[k]; }
  T* data() const { return p_; }
  int64_t size() const { return n_; }
  // The scratch array as a unit-stride view, for code shared with kernels' own arrays.
  Vec<T> view() const { return Vec<T>(p_, 1, n_, p_ != nullptr); }

 private:
  T* p_ = nullptr;
  int64_t n_ = 0;
};

}  // namespace fragments
