// Variables as expression records, and spreading values to shapes.
#include "kernels/kernel.h"

PENDING(111, (void(int32_t, int32_t, int32_t, Vec<const int64_t>, int32_t, int32_t, int32_t, Vec<double>, Vec<int32_t>, Vec<int64_t>, int32_t, Vec<const int64_t>)), "iiiOiiiOOOiO", "bfix_base", "cof_base", "issparse", "nativeidxs", "nidxs_base", "nelem", "ptr_base", "rf64", "ri32", "ri64", "sp_base", "sparsity")
PENDING(113, (void(Vec<const int64_t>, Vec<const double>, Vec<const int64_t>, Vec<double>)), "OOOO", "nativeidxs", "res", "sparsity", "spread_res")
SAME_AS(114, 113, "nativeidxs", "res", "sparsity", "spread_res")
