// What every kernel file includes: the views, scratch memory, registration, the lock
// release of long calls, and the fixed-width arithmetic helpers.
#pragma once

#include <cstdint>
#include <tuple>

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
