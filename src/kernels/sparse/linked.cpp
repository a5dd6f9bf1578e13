// Index-linked lists.
#include "kernels/kernel.h"

PENDING(479, (void(int32_t, Vec<int32_t>, Vec<int32_t>)), "iOO", "n", "next", "prev")
PENDING(480, (std::tuple<int32_t, int32_t>(int32_t, int32_t, Vec<int32_t>, int32_t, int32_t, Vec<int32_t>)), "iiOiiO", "dsthead", "head", "next", "count", "n", "prev")
PENDING(481, (int32_t(int32_t, Vec<const int32_t>, int32_t, int32_t, Vec<int32_t>)), "iOiiO", "head", "next", "n", "pos", "target")
PENDING(482, (void(int32_t, Vec<const int32_t>, int32_t, int32_t, Vec<int32_t>)), "iOiiO", "head", "next", "n", "pos", "target")
PENDING(483, (std::tuple<int32_t, int32_t>(int32_t, int32_t, Vec<const int32_t>, int32_t)), "iiOi", "head", "maxidx", "next", "n")
PENDING(484, (int32_t(int32_t, Vec<const int32_t>, int32_t)), "iOi", "head", "next", "n")
PENDING(485, (void(int32_t, int32_t, Vec<int32_t>, Vec<int32_t>)), "iiOO", "first", "end", "next", "prev")
