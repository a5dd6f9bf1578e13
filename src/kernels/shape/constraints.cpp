// Constraint rows, domains and native map registration.
#include "kernels/kernel.h"

PENDING(29, (void(Vec<const int32_t>, Vec<int32_t>, int32_t, int32_t)), "OOii", "nativeidxs", "natvarmap_idx", "n", "value")
SAME_AS(43, 29, "nativeidxs", "natvarmap_idx", "n", "value")
PENDING(34, (void(int32_t, Vec<const int32_t>, Vec<int32_t>, int32_t)), "iOOi", "n", "nativeidxs", "natvarmap_idx", "value")
PENDING(51, (void(int32_t, Vec<int32_t>, Vec<int64_t>, Vec<const int32_t>, int32_t)), "iOOOi", "value", "natconmap_idx", "natconmap_slackidx", "nativeidxs", "n")
PENDING(52, (void(int32_t, Vec<double>, Vec<double>, int32_t, Vec<const double>, int32_t, Mat<const int32_t>, Vec<const double>, Vec<double>, Vec<const int32_t>, int32_t, int32_t, int32_t, Vec<const double>, Vec<const int32_t>, int32_t)), "iOOiOiOOOOiiiOOi", "off", "bl", "bu", "nobounds", "domlb", "isscalar", "domsp", "domub", "efix", "nativeidxs", "nd", "nnz", "n", "rf64", "ri32", "shapeoff")
PENDING(61, (void(int32_t, Vec<double>, Vec<double>, Vec<double>, Vec<double>, Vec<const int32_t>, int32_t, Vec<const double>)), "iOOOOOiO", "off", "bnd", "natconmap_efix", "natconmap_lb", "natconmap_ub", "nativeidxs", "n", "rf64")
PENDING(64, (void(Vec<const int32_t>, Vec<const int64_t>, Vec<const int64_t>, Vec<int64_t>, Vec<const int32_t>, Vec<int32_t>, Vec<int64_t>, Vec<const int32_t>, int32_t)), "OOOOOOOOi", "dim", "matidxs", "natbarvar_ptr", "natconmap_slackidx", "nativeidxs", "slackbarsubj", "slackmat", "slacks", "rowwise")
PENDING(69, (void(Vec<int32_t>, int32_t, int32_t, int32_t, int32_t, int32_t, Vec<int32_t>, Vec<int32_t>, Vec<int32_t>, Vec<double>, Vec<int32_t>, Vec<double>, Vec<int32_t>, Vec<double>, Vec<const int32_t>, int32_t, Vec<const double>, int32_t)), "OiiiiiOOOOOOOOOiOi", "barsubj", "off", "blockid", "msize", "nblocks", "nsub", "matsubi", "matsubj", "natconmap_blockid", "natconmap_efix", "natconmap_idx", "natconmap_lb", "natconmap_type", "natconmap_ub", "nativeidxs", "n", "rf64", "typecode")
PENDING(71, (void(int32_t, Vec<int32_t>, int32_t, Vec<const int32_t>)), "iOiO", "n", "natvarmap_idx", "value", "slackidxs")
PENDING(73, (void(int32_t, int32_t, int32_t, Vec<int32_t>, Vec<double>, Vec<int32_t>, Vec<double>, Vec<int64_t>, Vec<double>, Vec<const int32_t>, Vec<const double>, Vec<const int32_t>)), "iiiOOOOOOOOO", "off", "blockid", "n", "natconmap_blockid", "natconmap_efix", "natconmap_idx", "natconmap_lb", "natconmap_slackidx", "natconmap_ub", "nativeidxs", "rf64", "slackidxs")
PENDING(75, (void(int32_t, Vec<const double>, int32_t, int32_t, Mat<const int32_t>, Vec<double>, Vec<double>, Vec<const int32_t>, int32_t, int32_t, Vec<const double>, Vec<const int32_t>, Vec<double>)), "iOiiOOOOiiOOO", "off", "dombnd", "nobounds", "isscalar", "domsp", "efix", "lb", "nativeidxs", "nd", "n", "rf64", "shape", "ub")
PENDING(76, (void(int32_t, int32_t, Vec<int32_t>, Vec<int64_t>, Vec<const int32_t>)), "iiOOO", "value", "n", "natconmap_idx", "natconmap_slackidx", "nativeidxs")
