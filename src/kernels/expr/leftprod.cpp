// A constant matrix on the left of an expression, and matrix checks.
#include "kernels/kernel.h"

PENDING(346, (void(int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, Vec<const int32_t>, Vec<const int32_t>, Vec<const double>, int32_t, int32_t, int32_t, int32_t, Vec<double>, Vec<int32_t>, Vec<int64_t>, int32_t, int32_t, int32_t, int32_t, Vec<const double>, Vec<const int32_t>, Vec<const int64_t>, Vec<const int32_t>)), "iiiiiiiiiiOOOiiiiOOOiiiiOOOO", "bfixbase", "cofbase", "p", "eperm", "ecolptr", "sparse", "m", "n", "msparse", "nnz", "msubi", "msubj", "mval", "nidxsbase", "ptrbase", "rbfixbase", "rcofbase", "rf64", "ri32", "ri64", "rnidxsbase", "rptrbase", "rspbase", "spbase", "wf64", "wi32", "wi64", "xi32")
PENDING(347, (std::tuple<bool, bool>(int32_t, int32_t, int32_t, int32_t, int32_t, Vec<const int32_t>, Vec<const int32_t>)), "iiiiiOO", "badrange", "unsorted", "nrows", "ncols", "nnz", "msubi", "msubj")
PENDING(358, (std::tuple<int32_t, int32_t>(int32_t, Vec<const int32_t>, int32_t, int32_t, int32_t)), "iOiii", "nnz", "msubi", "rnelem", "spare", "p")
PENDING(361, (bool(int32_t, int32_t, Vec<const int32_t>, Vec<const int32_t>, int32_t)), "iiOOi", "nrows", "ncols", "msubi", "msubj", "result")
PENDING(362, (bool(int32_t, int32_t, int32_t, Vec<const int32_t>, Vec<const int32_t>)), "iiiOO", "badrange", "nrows", "ncols", "msubi", "msubj")
PENDING(363, (bool(int32_t, Vec<const int32_t>, Vec<const int32_t>)), "iOO", "unsorted", "msubi", "msubj")
