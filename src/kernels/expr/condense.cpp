// Condensing the terms of an expression.
#include "kernels/kernel.h"

PENDING(365, (void(int32_t, int32_t, Vec<double>, Vec<int32_t>, int32_t, int32_t, int32_t)), "iiOOiii", "obfix", "ocof", "f64", "i32", "nelem", "nnz", "optr")
PENDING(414, (bool(int32_t, double, int32_t, int32_t, int32_t, int32_t, int32_t, Vec<const double>, Vec<const int32_t>, Vec<const int64_t>)), "idiiiiiOOO", "wcof", "tol", "init", "nelem", "wnidxs", "nnz", "wptr", "wf64", "wi32", "wi64")
PENDING(415, (void(int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, Vec<double>, Vec<int32_t>, Vec<int64_t>, int32_t, int32_t, int32_t, int32_t, Vec<const int32_t>, int32_t, Vec<const double>, Vec<const int32_t>, Vec<const int64_t>)), "iiiiiiiiiiOOOiiiiOiOOO", "wbfix", "wcof", "sparse", "nd", "nelem", "wnidxs", "nnz", "wptr", "rbfix", "rcof", "rf64", "ri32", "ri64", "rnidxs", "rptr", "rshape", "rsp", "shape", "wsp", "wf64", "wi32", "wi64")
PENDING(416, (int32_t(int32_t, double, int32_t, int32_t, int32_t, int32_t, int32_t, Vec<const double>, Vec<const int32_t>, Vec<const int64_t>, Vec<const int32_t>)), "idiiiiiOOOO", "wcof", "tol", "nelem", "wnidxs", "perm", "wptr", "rnnz", "wf64", "wi32", "wi64", "xi32")
PENDING(417, (void(int32_t, int32_t, double, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, Vec<double>, Vec<int32_t>, Vec<int64_t>, int32_t, int32_t, int32_t, int32_t, Vec<const int32_t>, Vec<const double>, Vec<const int32_t>, Vec<const int64_t>, Vec<const int32_t>)), "iidiiiiiiiiOOOiiiiOOOOO", "wbfix", "wcof", "tol", "sparse", "nd", "nelem", "wnidxs", "perm", "wptr", "rbfix", "rcof", "rf64", "ri32", "ri64", "rnidxs", "rptr", "rshape", "spbase", "shape", "wf64", "wi32", "wi64", "xi32")
PENDING(418, (int32_t(int32_t, int32_t, int32_t, Vec<const int32_t>)), "iiiO", "init", "n", "wptr", "wi32")
PENDING(419, (void(int32_t, int32_t, int32_t, int32_t, Vec<const int32_t>, Vec<const int64_t>, int32_t, Vec<int32_t>)), "iiiiOOiO", "nelem", "wnidxs", "perm", "wptr", "wi32", "wi64", "cnt", "xi32")
PENDING(420, (void(int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, Vec<int32_t>, Vec<const int64_t>)), "iiiiiiOO", "nelem", "wnidxs", "nnz", "perm", "perm2", "wptr", "wi32", "wi64")
PENDING(421, (void(int32_t, int32_t, int32_t, int32_t, int32_t, Vec<double>, Vec<int32_t>)), "iiiiiOO", "rbfix", "rcof", "nelem", "nnz", "rptr", "rf64", "ri32")
