// Slices and native index lists of variables.
#include "kernels/kernel.h"

PENDING(128, (void(Vec<const int64_t>, int32_t, Vec<int64_t>, int64_t, int64_t)), "OiOLL", "nativeidxs", "n", "residxs", "start", "step")
PENDING(129, (int32_t(Vec<const int32_t>, Vec<const int32_t>, int32_t, int32_t)), "OOii", "first", "last", "n", "init")
PENDING(130, (int32_t(Vec<const int32_t>, Vec<int32_t>, Vec<const int32_t>, int32_t, int32_t, Vec<const int32_t>, Vec<const int64_t>)), "OOOiiOO", "first", "key", "last", "nd", "init", "shape", "sparsity")
PENDING(131, (int32_t(Vec<const int32_t>, int32_t, Vec<int64_t>, Vec<int32_t>, Vec<const int32_t>, Vec<const int64_t>, int32_t, Vec<const int32_t>, Vec<const int32_t>, Vec<int64_t>, Vec<const int64_t>)), "OiOOOOiOOOO", "first", "pos", "idxs", "key", "last", "nativeidxs", "nd", "shape", "sliceshape", "sp", "sparsity")
PENDING(132, (void(Vec<const int32_t>, Vec<const int32_t>, Vec<const int64_t>, int32_t, Vec<const int32_t>, Vec<int64_t>, int32_t)), "OOOiOOi", "first", "last", "nativeidxs", "nd", "shape", "sliceidxs", "n")
PENDING(133, (void(Vec<int64_t>, int32_t, Vec<int64_t>, int32_t, Vec<const int64_t>)), "OiOiO", "nativeidxs", "off", "sparsity", "spoff", "thisnidxs")
PENDING(134, (void(Vec<const int64_t>, Vec<int64_t>, int32_t)), "OOi", "nativeidxs", "nindex", "off")
PENDING(136, (void(int32_t, Vec<int64_t>, int32_t)), "iOi", "n", "nindex", "off")
PENDING(137, (void(Vec<const int64_t>, Vec<int64_t>, int32_t, Vec<const int64_t>)), "OOiO", "nativeidxs", "nindex", "off", "sparsity")
PENDING(139, (void(Vec<int64_t>, Vec<const int64_t>, Vec<const int64_t>)), "OOO", "idxs", "nativeidxs", "sparsity")
SAME_AS(140, 139, "idxs", "nativeidxs", "sparsity")
SAME_AS(141, 139, "idxs", "nativeidxs", "sparsity")
