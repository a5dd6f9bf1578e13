// Transposes and axis permutations of variables.
#include "kernels/kernel.h"

PENDING(35, (int32_t(int32_t, int32_t, int32_t, Vec<const int32_t>, int32_t, Vec<int32_t>)), "iiiOiO", "inner", "outer", "middle", "nativeidxs", "pos", "permidxs")
PENDING(72, (void(int32_t, int32_t, int32_t, int32_t, Vec<int32_t>, Vec<const int32_t>, Vec<const int32_t>)), "iiiiOOO", "axis", "inner", "outer", "middle", "permidxs", "shape", "slackidxs")
PENDING(115, (void(Vec<int64_t>, Vec<const int64_t>, Vec<const int32_t>, Vec<int64_t>, Vec<const int64_t>)), "OOOOO", "idxs", "nativeidxs", "shape", "sp", "sparsity")
PENDING(162, (void(int32_t, Vec<const int32_t>, Vec<int64_t>, Vec<const int32_t>)), "iOOO", "nd", "perm", "pstrides", "shape")
PENDING(163, (void(Vec<const int64_t>, int32_t, int32_t, Vec<const int32_t>, Vec<const int64_t>, Vec<int64_t>, Vec<const int32_t>)), "OiiOOOO", "nativeidxs", "nd", "n", "perm", "pstrides", "residxs", "shape")
PENDING(164, (void(int32_t, int32_t, Vec<const int32_t>, Vec<const int64_t>, Vec<int64_t>, Vec<const int32_t>)), "iiOOOO", "nd", "n", "perm", "pstrides", "ressp", "shape")
