// What every kernel file includes: the views, scratch memory, registration, the lock
// release of long calls, and the fixed-width arithmetic helpers.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <tuple>
#ifdef FRAGMENTS_CHECKED
#include <cstdio>
#include <limits>
#endif

#include "module/copy.h"
#include "module/errors.h"
#include "module/scratch.h"
#include "module/signature.h"
#include "module/unlock.h"
#include "module/view.h"

namespace fragments {

// 32-bit arithmetic that wraps like the hardware does, without signed overflow.
inline int32_t mul32(int32_t a, int32_t b) {
  return static_cast<int32_t>(static_cast<uint32_t>(a) * static_cast<uint32_t>(b));
}
inline int32_t add32(int32_t a, int32_t b) {
  return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}
inline int32_t sub32(int32_t a, int32_t b) {
  return static_cast<int32_t>(static_cast<uint32_t>(a) - static_cast<uint32_t>(b));
}
// 64-bit arithmetic that wraps (two's complement) instead of overflowing.
inline int64_t mul64(int64_t a, int64_t b) {
  return static_cast<int64_t>(static_cast<uint64_t>(a) * static_cast<uint64_t>(b));
}
inline int64_t add64(int64_t a, int64_t b) {
  return static_cast<int64_t>(static_cast<uint64_t>(a) + static_cast<uint64_t>(b));
}
inline int64_t sub64(int64_t a, int64_t b) {
  return static_cast<int64_t>(static_cast<uint64_t>(a) - static_cast<uint64_t>(b));
}


// Whether every count is positive, that is whether a loop nest over these counts reaches its
// body at all. Kernels test it first where an outer count may be huge while an inner one is
// not positive: the nest would otherwise spin through empty outer iterations.
template <class... T>
constexpr bool all_positive(T... counts) {
  return ((counts > 0) && ...);
}

// The element count of a block of the given positive sizes, or INT64_MAX - 1 (more than any
// array holds) when the product does not fit: what a dense operand's runs must hold, for
// Vec::expect_size() before a walk that may read the same elements over and over.
template <class... T>
inline int64_t block_size(T... sizes) {
  int64_t n = 1;
  for (int64_t size : {int64_t{sizes}...})
    if (__builtin_mul_overflow(n, size, &n) || n == INT64_MAX) return INT64_MAX - 1;
  return n;
}

// Integer division and remainder (truncating, as in C++) by a divisor that comes from the
// caller. The checked build raises ZeroDivisionError for a zero divisor and for the one
// quotient that does not fit (the smallest value divided by -1); the default build trusts
// the caller.
#ifndef FRAGMENTS_CHECKED
inline int32_t div32(int32_t a, int32_t b) { return a / b; }
inline int32_t rem32(int32_t a, int32_t b) { return a % b; }
inline int64_t div64(int64_t a, int64_t b) { return a / b; }
inline int64_t rem64(int64_t a, int64_t b) { return a % b; }
#else
namespace detail {
[[noreturn]] __attribute__((noinline, cold)) inline void division_fault(long long a, long long b) {
  CheckFault f{CheckFault::division, {}};
  if (b == 0)
    std::snprintf(f.message, sizeof f.message, "integer division or modulo by zero");
  else
    std::snprintf(f.message, sizeof f.message, "integer division overflow (%lld by %lld)", a, b);
  throw f;
}
template <class T>
inline void check_divisor(T a, T b) {
  if (b == 0 || (b == -1 && a == std::numeric_limits<T>::min())) division_fault(a, b);
}
}  // namespace detail
inline int32_t div32(int32_t a, int32_t b) { return detail::check_divisor(a, b), a / b; }
inline int32_t rem32(int32_t a, int32_t b) { return detail::check_divisor(a, b), a % b; }
inline int64_t div64(int64_t a, int64_t b) { return detail::check_divisor(a, b), a / b; }
inline int64_t rem64(int64_t a, int64_t b) { return detail::check_divisor(a, b), a % b; }
#endif

// Branch-free tests of 64-bit values, 1 when true and 0 when not, made of additions and
// bit operations only: a loop that counts or ORs them vectorises on any x86-64 (whose
// base instruction set has no 64-bit comparison) and has no branch per item.
// x < y, signed: the sign of x - y, corrected where the difference overflows.
inline uint64_t below64(int64_t x, int64_t y) {
  const uint64_t a = static_cast<uint64_t>(x), b = static_cast<uint64_t>(y), d = a - b;
  return (d ^ ((a ^ b) & (d ^ a))) >> 63;
}
// v <= 0: the sign of (v - 1) | v.
inline uint64_t not_positive64(int64_t v) {
  const uint64_t a = static_cast<uint64_t>(v);
  return ((a - 1) | a) >> 63;
}
// v == 0: no sign in v | -v.
inline uint64_t zero64(int64_t v) {
  const uint64_t a = static_cast<uint64_t>(v);
  return ((a | (0 - a)) >> 63) ^ 1;
}

}  // namespace fragments
