// What every kernel file includes: the views, scratch memory, registration, and the
// fixed-width arithmetic helpers.
#pragma once

#include <cstdint>
#include <tuple>

#include "module/copy.h"
#include "module/errors.h"
#include "module/scratch.h"
#include "module/signature.h"
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

}  // namespace fragments
