// Coordinate-list and dense matrix conversions.
#include "kernels/kernel.h"

PENDING(466, (void(int64_t, int64_t, Vec<const int32_t>, int32_t, int32_t, Vec<int32_t>, Vec<int32_t>)), "LLOiiOO", "n", "off", "msubi", "ioff", "joff", "subi", "subj")
PENDING(467, (int32_t(int32_t, Vec<const int32_t>, int32_t)), "iOi", "init", "idims", "n")
PENDING(468, (int32_t(int32_t, Vec<const int32_t>, int32_t)), "iOi", "init", "jdims", "n")
PENDING(469, (int32_t(Mat<const double>, int32_t, int32_t, int32_t, Vec<int32_t>, Vec<int32_t>, Vec<double>)), "OiiiOOO", "data", "nrows", "ncols", "pos", "subi", "subj", "val")
PENDING(470, (std::tuple<int32_t, int32_t>(int32_t, int32_t, int32_t, Vec<const int32_t>, Vec<const int32_t>)), "iiiOO", "maxi", "maxj", "n", "subi", "subj")
SAME_AS(471, 470, "maxi", "maxj", "n", "subi", "subj")
PENDING(472, (int32_t(Vec<const double>, int32_t, int32_t, Vec<double>, int32_t, int32_t)), "OiiOii", "data", "nrows", "ncols", "newdata", "pos", "ld")
PENDING(473, (int32_t(int32_t, int32_t, int32_t, Vec<int32_t>, Vec<int32_t>)), "iiiOO", "nrows", "ncols", "pos", "subi", "subj")
PENDING(474, (bool(int32_t, int32_t, int64_t, int32_t, Vec<const int32_t>, Vec<const int32_t>)), "iiLiOO", "m", "n", "nnz", "flag", "subi_", "subj_")
PENDING(475, (int32_t(int32_t, Vec<const double>)), "iO", "init", "val_")
PENDING(476, (int32_t(int32_t, Vec<int32_t>, Vec<const int32_t>, Vec<int32_t>, Vec<const int32_t>, Vec<double>, Vec<const double>)), "iOOOOOO", "pos", "subi", "subi_", "subj", "subj_", "val", "val_")
PENDING(477, (int64_t(int32_t, int64_t, int64_t, Vec<int64_t>, Vec<const int32_t>)), "iLLOO", "n", "end", "p", "ptrb", "subi")
PENDING(478, (void(int32_t, Vec<double>, Vec<const int32_t>, Vec<const int32_t>, Vec<const double>)), "iOOOO", "ncols", "r", "subi", "subj", "val")
