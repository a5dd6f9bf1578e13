// The symmetric part of an expression over two dimensions.
#include "kernels/kernel.h"

PENDING(406, (void(Vec<const int32_t>, Vec<int64_t>)), "OO", "dim", "stride")
PENDING(407, (void(int32_t, int32_t, Vec<int32_t>)), "iiO", "base", "n", "wi32")
PENDING(408, (std::tuple<int32_t, int32_t>(int32_t, Vec<const int32_t>, int32_t, int32_t, Vec<const int32_t>, int32_t, Vec<const int64_t>, int32_t, Vec<int32_t>, Vec<const int64_t>)), "iOiiOiOiOO", "src", "dim", "n", "cnt", "sortidx", "tsp", "stride", "dst", "wi32", "wi64")
PENDING(409, (void(Vec<const int32_t>, int32_t, int32_t, int32_t, Vec<const int64_t>, Vec<int64_t>)), "OiiiOO", "dim", "n", "tsp", "wsp", "stride", "wi64")
PENDING(410, (std::tuple<int32_t, int32_t>(int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, Vec<const int32_t>, Vec<const int64_t>)), "iiiiiiiOO", "perm", "n", "wptr", "rnelem", "rnnz", "tsp", "wsp", "wi32", "wi64")
PENDING(411, (void(int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, Vec<double>, Vec<int32_t>, Vec<int64_t>, int32_t, int32_t, int32_t, int32_t, int32_t, Vec<const double>, Vec<const int32_t>, Vec<const int64_t>)), "iiiiiiiiOOOiiiiiOOO", "wbfix", "wcof", "perm", "n", "wnidxs", "wptr", "rbfix", "rcof", "rf64", "ri32", "ri64", "rnidxs", "rptr", "rsp", "tsp", "wsp", "wf64", "wi32", "wi64")
PENDING(412, (int32_t(Vec<const int32_t>, int32_t, int32_t, Vec<const int64_t>, Vec<const int32_t>)), "OiiOO", "dim", "wptr", "init", "stride", "wi32")
PENDING(413, (std::tuple<int32_t, int32_t, int32_t>(int32_t, int32_t, Vec<const int32_t>, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, Vec<double>, Vec<int32_t>, Vec<int64_t>, int32_t, int32_t, int32_t, Vec<const int64_t>, Vec<const double>, Vec<const int32_t>, Vec<const int64_t>)), "iiOiiiiiiOOOiiiOOOO", "wbfix", "wcof", "dim", "first", "wnidxs", "wptr", "rnelem", "rbfix", "rcof", "rf64", "ri32", "ri64", "rnidxs", "rnnz", "rptr", "stride", "wf64", "wi32", "wi64")
