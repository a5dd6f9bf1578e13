// Building and sorting sparsity patterns.
#include "kernels/kernel.h"

PENDING(38, (bool(int32_t, int32_t, Vec<const int32_t>, Mat<const int32_t>, Vec<int64_t>, Vec<const int32_t>)), "iiOOOO", "flag", "n", "shape", "sp", "sparsity", "strides")
PENDING(40, (void(Vec<int32_t>, int32_t)), "Oi", "curperm", "n")
SAME_AS(174, 40, "curperm", "n")
SAME_AS(192, 40, "curperm", "n")
PENDING(41, (void(Vec<const int32_t>, int32_t, Mat<const int32_t>, int32_t, int32_t, Vec<int32_t>, Vec<const int32_t>, Vec<int32_t>)), "OiOiiOOO", "curperm", "pass", "midxs", "n", "nd", "ptr", "shape", "tgtperm")
PENDING(42, (void(Vec<const int32_t>, Mat<const int32_t>, int32_t, int32_t, Vec<int64_t>, Vec<const int32_t>)), "OOiiOO", "curperm", "midxs", "n", "nd", "sparsity", "strides")
PENDING(173, (void(int32_t, Vec<const int32_t>, Vec<int64_t>)), "iOO", "nd", "rshape", "s")
SAME_AS(195, 173, "nd", "rshape", "s")
PENDING(175, (void(int32_t, Vec<int32_t>, Vec<const int32_t>)), "iOO", "d", "ptr", "rshape")
SAME_AS(196, 175, "d", "ptr", "rshape")
PENDING(176, (void(int32_t, Vec<int32_t>, int32_t, Vec<const int32_t>, Vec<const int64_t>, Vec<const int64_t>)), "iOiOOO", "d", "ptr", "n", "rshape", "rsp", "s")
SAME_AS(197, 176, "d", "ptr", "n", "rshape", "rsp", "s")
PENDING(177, (void(int32_t, Vec<int32_t>, Vec<const int32_t>)), "iOO", "d", "ptr", "rshape")
SAME_AS(198, 177, "d", "ptr", "rshape")
PENDING(178, (void(Vec<const int32_t>, int32_t, Vec<int32_t>, int32_t, Vec<const int32_t>, Vec<const int64_t>, Vec<const int64_t>, Vec<int32_t>)), "OiOiOOOO", "curperm", "d", "ptr", "n", "rshape", "rsp", "s", "tgtperm")
SAME_AS(199, 178, "curperm", "d", "ptr", "n", "rshape", "rsp", "s", "tgtperm")
