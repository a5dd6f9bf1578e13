// Element bound matrices.
#include "kernels/kernel.h"

PENDING(238, (int64_t(Vec<const int32_t>, Vec<const int32_t>, int64_t, Vec<const int32_t>, Vec<const int32_t>)), "OOLOO", "lsubi", "lsubj", "count", "usubi", "usubj")
PENDING(239, (void(Mat<int32_t>, Vec<double>, Vec<const int32_t>, Vec<const int32_t>, Vec<const double>, Vec<double>, Vec<const int32_t>, Vec<const int32_t>, Vec<const double>)), "OOOOOOOOO", "inst", "lbv", "lsubi", "lsubj", "lval", "ubv", "usubi", "usubj", "uval")
PENDING(240, (void(int32_t, Vec<double>, Vec<const int32_t>, Vec<const int32_t>, Vec<const double>)), "iOOOO", "ncols", "lval", "subi", "subj", "v")
PENDING(241, (void(int32_t, Vec<const int32_t>, Vec<const int32_t>, Vec<double>, Vec<const double>)), "iOOOO", "ncols", "subi", "subj", "uval", "v")
PENDING(242, (int32_t(int32_t, int32_t, int32_t, Mat<const double>, Vec<double>, Mat<const double>, Vec<double>)), "iiiOOOO", "nrows", "ncols", "pos", "lb", "lval", "ub", "uval")
PENDING(243, (void(Mat<int32_t>, Vec<const int32_t>, Vec<const int32_t>)), "OOO", "inst", "msubi", "msubj")
