// Pattern checks, strides, linear indexes and outer products.
#include "kernels/kernel.h"

PENDING(422, (std::tuple<bool, bool, bool>(Vec<const int64_t>, int32_t, int32_t, Vec<const int64_t>, int32_t, int32_t, int64_t, Vec<const int32_t>)), "OiiOiiLO", "inst", "instok", "n", "ptrb", "ptrbok", "shapeok", "size", "thisshape")
PENDING(423, (int32_t(int32_t, Vec<const int32_t>)), "iO", "init", "vals")
PENDING(424, (void(int32_t, Vec<int64_t>, Vec<const int32_t>)), "iOO", "nd", "s", "shp")
SAME_AS(426, 424, "nd", "s", "shp")
PENDING(425, (void(int32_t, int32_t, Vec<const int64_t>, Vec<int64_t>, Mat<const int32_t>)), "iiOOO", "n", "nd", "s", "sp", "sparsity")
SAME_AS(427, 425, "n", "nd", "s", "sp", "sparsity")
PENDING(428, (int32_t(Vec<const int32_t>, int32_t)), "Oi", "eshape", "init")
PENDING(429, (void(Vec<const double>, Vec<double>, Vec<double>, int32_t, Vec<const double>, Vec<const double>, Vec<int64_t>, int32_t, Vec<const int64_t>, Vec<const int64_t>, Vec<int64_t>, Vec<const int32_t>, Vec<int64_t>, int32_t)), "OOOiOOOiOOOOOi", "a", "bfix", "cof", "asize", "ebfix", "ecof", "einst", "enz", "eptrb", "esubj", "ptrb", "sub", "subj", "amajor")
PENDING(430, (void(Vec<const double>, Vec<double>, int32_t, Vec<int64_t>, Vec<int64_t>, Vec<const int32_t>, Vec<int64_t>, int32_t, int32_t)), "OOiOOOOii", "a", "cof", "n", "inst", "ptrb", "sub", "subj", "aleft", "m")
