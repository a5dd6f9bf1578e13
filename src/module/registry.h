// The registry: one KernelDef per kernel number, defined beside each kernel.
#pragma once

#include "numbers.h"
#include "signature.h"

namespace fragments::registry {
#define FRAGMENTS_DECLARE(n) extern const KernelDef kernel_##n;
FRAGMENTS_EACH_KERNEL(FRAGMENTS_DECLARE)
#undef FRAGMENTS_DECLARE

// All kernels, the highest number first.
inline const KernelDef* const all[] = {
#define FRAGMENTS_ADDRESS(n) &kernel_##n,
    FRAGMENTS_EACH_KERNEL(FRAGMENTS_ADDRESS)
#undef FRAGMENTS_ADDRESS
};
}  // namespace fragments::registry
