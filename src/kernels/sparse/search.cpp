// Searches, merges, ranges and index odometers.
#include "kernels/kernel.h"

PENDING(78, (void(int64_t, Vec<const int64_t>, int64_t, Vec<int64_t>, Vec<const int64_t>, Vec<const int64_t>)), "LOLOOO", "first", "idx", "last", "res", "vals1", "vals2")
PENDING(79, (void(int64_t, Vec<const int64_t>, int64_t, Vec<int32_t>, Vec<const int32_t>, Vec<const int32_t>)), "LOLOOO", "first", "idx", "last", "res", "vals1", "vals2")
PENDING(80, (void(int32_t, Vec<int64_t>, int64_t)), "iOL", "n", "st", "value")
SAME_AS(81, 80, "n", "st", "value")
SAME_AS(83, 80, "n", "st", "value")
PENDING(82, (void(Vec<const int32_t>, Vec<int32_t>, int32_t, Vec<int64_t>, Vec<const int64_t>)), "OOiOO", "dims", "ii", "nd", "st", "strides")
PENDING(84, (std::tuple<int32_t, int32_t>(int32_t, int32_t, int64_t, Vec<const int64_t>)), "iiLO", "lo", "hi", "key", "values")
PENDING(85, (std::tuple<int32_t, int32_t>(int32_t, int32_t, int64_t, Vec<const int64_t>)), "iiLO", "lo", "hi", "key", "values")
PENDING(86, (void(Vec<const int32_t>, Vec<const int32_t>, Vec<int32_t>)), "OOO", "first", "last", "ndidx")
PENDING(103, (void(int32_t, int32_t, int32_t, Vec<const int32_t>, Vec<int32_t>, Vec<const int32_t>)), "iiiOOO", "lo", "mid", "hi", "src", "tgt", "vals")
