// Inner products with a sparse coefficient vector.
#include "kernels/kernel.h"

PENDING(289, (std::tuple<bool, bool>(int32_t, int32_t, int64_t, Vec<const int64_t>)), "iiLO", "badrange", "unsorted", "limit", "vsub")
PENDING(290, (int32_t(int32_t, int32_t, int32_t, int32_t, int32_t, Vec<const int64_t>, Vec<const int32_t>, Vec<const int64_t>)), "iiiiiOOO", "sparse", "count", "ptrbase", "rnnz", "spbase", "vsub", "wi32", "wi64")
PENDING(291, (std::tuple<double, int32_t>(double, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, Vec<double>, Vec<int64_t>, int32_t, int32_t, Vec<const double>, Vec<const int64_t>, Vec<const double>, Vec<const int32_t>, Vec<const int64_t>)), "diiiiiiiiOOiiOOOOO", "constant", "bfixbase", "cofbase", "sparse", "rnnz", "count", "nidxsbase", "ptrbase", "rcofbase", "rf64", "ri64", "rnidxsbase", "spbase", "vcof", "vsub", "wf64", "wi32", "wi64")
PENDING(293, (void(int32_t, Vec<int64_t>, Vec<const int64_t>, Mat<const int32_t>)), "iOOO", "nd", "res", "s", "vsub")
