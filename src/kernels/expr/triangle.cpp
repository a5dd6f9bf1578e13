// Triangular parts of an expression, and gathers by index.
#include "kernels/kernel.h"

PENDING(393, (void(int32_t, Vec<int32_t>, Vec<const int32_t>)), "iOO", "n", "r", "shape")
PENDING(394, (void(int32_t, Vec<int32_t>, Vec<const int32_t>)), "iOO", "skip", "r", "shape")
PENDING(395, (void(Vec<int32_t>, int32_t, Vec<const int32_t>, int32_t)), "OiOi", "dim", "base", "wi32", "n")
PENDING(396, (void(Vec<int32_t>, int32_t, Vec<const int32_t>, int32_t, int32_t)), "OiOii", "dim", "base", "wi32", "after", "before")
PENDING(397, (void(Vec<int32_t>, int32_t, int32_t, Vec<const int32_t>, int32_t)), "OiiOi", "dim", "before", "base", "wi32", "after")
PENDING(398, (void(Vec<const int32_t>, Vec<int32_t>)), "OO", "dim", "stride")
PENDING(399, (std::tuple<int32_t, int32_t>(Vec<const int32_t>, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, Vec<const int32_t>, int32_t, Vec<const int32_t>, Vec<const int64_t>)), "OiiiiiiOiOO", "dim", "sparse", "n", "wptr", "rnelem", "rnnz", "wsp", "stride", "lower", "wi32", "wi64")
PENDING(400, (void(Vec<const int32_t>, Vec<int64_t>, int32_t, Vec<const int32_t>, int32_t)), "OOiOi", "dim", "ri64", "rsp", "stride", "lower")
PENDING(401, (void(int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, Vec<double>, Vec<int32_t>, Vec<int64_t>, int32_t, int32_t, int32_t, int32_t, Vec<const double>, Vec<const int32_t>, Vec<const int64_t>)), "iiiiiiiiiOOOiiiiOOO", "wbfix", "wcof", "n", "sparse", "nelem", "wnidxs", "wptr", "rbfix", "rcof", "rf64", "ri32", "ri64", "rnidxs", "rptr", "rsp", "wsp", "wf64", "wi32", "wi64")
PENDING(402, (int32_t(int32_t, int32_t, int32_t, int32_t, Vec<double>, Vec<int32_t>, Vec<const int64_t>, int32_t, int32_t, int32_t, Vec<const double>, Vec<const int32_t>, int32_t)), "iiiiOOOiiiOOi", "rbfix", "pos", "n", "rptr", "rf64", "ri32", "ri64", "rnelem", "rsp", "xbfix", "xf64", "xi32", "xptr")
PENDING(403, (void(Vec<int32_t>, int32_t, int32_t, Vec<const int32_t>)), "OiiO", "dim", "n", "base", "wi32")
PENDING(404, (void(Vec<int32_t>, int32_t, int32_t, int32_t, Vec<const int32_t>)), "OiiiO", "dim", "after", "before", "base", "wi32")
PENDING(405, (void(Vec<int32_t>, int32_t, int32_t, int32_t, Vec<const int32_t>)), "OiiiO", "dim", "after", "before", "base", "wi32")
