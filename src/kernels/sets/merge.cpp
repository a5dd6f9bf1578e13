// Merging a coefficient buffer into a sorted matrix.
#include "kernels/kernel.h"

PENDING(206, (std::tuple<int64_t, int64_t>(Vec<const double>, Vec<const int32_t>, Vec<const int32_t>, Vec<const double>, int32_t, int64_t, int64_t, int64_t, int64_t, Vec<const int64_t>, Vec<double>, Vec<int32_t>, Vec<int32_t>, Vec<double>, Vec<int32_t>, Vec<int32_t>, Vec<const int32_t>, Vec<const int32_t>)), "OOOOiLLLLOOOOOOOOO", "buffer_cof", "buffer_subi", "buffer_subj", "cof", "sorted", "spare", "nnz", "nb", "logpos", "perm", "r_cof", "r_subi", "r_subj", "rescof", "ressubi", "ressubj", "subi", "subj")
