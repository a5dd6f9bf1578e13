// Sums of an expression along one dimension.
#include "kernels/kernel.h"

PENDING(366, (void(Vec<int32_t>, int32_t, int32_t, int32_t, Vec<const int32_t>)), "OiiiO", "ri32", "n", "rbase", "base", "wi32")
SAME_AS(371, 366, "ri32", "n", "rbase", "base", "wi32")
PENDING(369, (int64_t(int32_t, int32_t, int64_t, Vec<const int32_t>)), "iiLO", "n", "base", "init", "wi32")
PENDING(379, (int32_t(int32_t, int32_t, int32_t, Vec<const int32_t>)), "iiiO", "init", "n", "base", "wi32")
PENDING(380, (void(int32_t, int32_t, Vec<int32_t>)), "iiO", "base", "n", "xi32")
PENDING(381, (std::tuple<int32_t, int32_t>(int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, Vec<const int32_t>, Vec<const int64_t>, Vec<int32_t>)), "iiiiiiiiOOO", "src", "axis", "nd", "n", "cnt", "wshape", "wsp", "dst", "wi32", "wi64", "xi32")
PENDING(384, (std::tuple<int64_t, int64_t, int32_t>(int32_t, int32_t, int32_t, int32_t, int64_t, int64_t, int32_t, int32_t, int32_t, Vec<const int64_t>, Vec<const int32_t>)), "iiiiLLiiiOO", "perm", "outer", "inner", "n", "last_outer", "last_inner", "rnelem", "span", "wsp", "wi64", "xi32")
PENDING(386, (void(int32_t, int32_t, Vec<int32_t>, int32_t, int32_t, Vec<const int32_t>)), "iiOiiO", "axis", "nd", "ri32", "rbase", "base", "wi32")
SAME_AS(391, 386, "axis", "nd", "ri32", "rbase", "base", "wi32")
PENDING(387, (std::tuple<int32_t, int32_t, int32_t>(int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, Vec<double>, Vec<int32_t>, Vec<int64_t>, int32_t, int32_t, int32_t, int32_t, int32_t, Vec<const double>, Vec<const int32_t>, Vec<const int64_t>, Vec<const int32_t>)), "iiiiiiiiiiiiiOOOiiiiiOOOO", "wbfix", "wcof", "perm", "outer", "inner", "first", "rnelem", "rnnz", "last", "wnidxs", "wptr", "rbfix", "rcof", "rf64", "ri32", "ri64", "rnidxs", "rptr", "rsp", "span", "wsp", "wf64", "wi32", "wi64", "xi32")
PENDING(392, (std::tuple<int32_t, int32_t>(int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, Vec<double>, Vec<int32_t>, Vec<int64_t>, int32_t, int32_t, int32_t, int32_t, Vec<const double>, Vec<const int32_t>, Vec<const int64_t>)), "iiiiiiiiiiiOOOiiiiOOO", "wbfix", "wcof", "outer", "size", "inner", "rnelem", "rnnz", "wnidxs", "wptr", "rbfix", "rcof", "rf64", "ri32", "ri64", "rnidxs", "rptr", "ostride", "astride", "wf64", "wi32", "wi64")
