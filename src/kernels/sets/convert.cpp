// Shape products, index conversions and stack fills.
#include "kernels/kernel.h"

namespace fragments::sets {

// Stack fills: streaming loops, run through unit_stride so that contiguous runs are
// filled and copied by vectorised code.

// ri32[off + k] = shape[k] for k < n.
void shape_onto_stack(int32_t n, Vec<int32_t> ri32, int32_t off, Vec<const int32_t> shape) {
  unit_stride([n](auto r, auto s) {
    for (int32_t k = 0; k < n; ++k) r[k] = s[k];
  }, ri32.from(off), shape);
}

// rf64[off + k] = bfix[k] for k < n.
void constants_onto_stack(Vec<const double> bfix, int32_t n, int32_t off, Vec<double> rf64) {
  unit_stride([n](auto b, auto r) {
    for (int32_t k = 0; k < n; ++k) r[k] = b[k];
  }, bfix, rf64.from(off));
}

// ri32[off + k] = 0 for k = 0 .. n: the n + 1 entries of an empty ptr run.
void empty_ptr_onto_stack(int32_t n, Vec<int32_t> ri32, int32_t off) {
  unit_stride([n](auto r) {
    for (int64_t k = 0; k <= n; ++k) r[k] = 0;
  }, ri32.from(off));
}

}  // namespace fragments::sets

PENDING(211, (void(int32_t, int32_t, Mat<int32_t>)), "iiO", "nrows", "ncols", "shape")
PENDING(213, (void(int32_t, Mat<int32_t>, Vec<const int32_t>)), "iOO", "row", "shape", "shpi")
PENDING(214, (void(int32_t, int32_t, Vec<int32_t>, Mat<const int32_t>)), "iiOO", "col", "n", "resshape", "shape")
PENDING(215, (int32_t(int32_t, int32_t, Vec<const int32_t>)), "iiO", "init", "n", "resshape")
PENDING(216, (int32_t(int32_t, int32_t, int32_t, Vec<const int32_t>)), "iiiO", "init", "start", "end", "resshape")
PENDING(218, (void(int32_t, Vec<const int32_t>, Vec<int64_t>)), "iOO", "nd", "shape", "strides")
PENDING(219, (int32_t(Vec<const int32_t>, int32_t, int32_t, Vec<const int64_t>)), "OiiO", "idxa", "init", "n", "strides")
PENDING(220, (int32_t(Vec<const int32_t>, Vec<const int32_t>, int32_t, int32_t)), "OOii", "firsta", "lasta", "n", "init")
PENDING(221, (void(Vec<const int32_t>, Vec<const int32_t>, Vec<const int32_t>, int32_t, Vec<const int32_t>, Vec<int32_t>, int32_t)), "OOOiOOi", "firsta", "lasta", "nativeidxs", "nd", "shape", "sliceidxs", "n")
PENDING(224, (void(int32_t, Vec<const int32_t>, Vec<int32_t>)), "iOO", "n", "dim", "shape")
PENDING(225, (void(int32_t, int32_t, Vec<const int32_t>, Vec<int32_t>)), "iiOO", "start", "end", "dim", "shape")
PENDING(226, (void(int32_t, Vec<const int32_t>, int32_t, Vec<int32_t>)), "iOiO", "start", "dim", "end", "shape")
PENDING(228, (int32_t(Vec<const int32_t>, int32_t, Vec<const int32_t>, Vec<int32_t>, Vec<const int32_t>, int32_t)), "OiOOOi", "dim", "pos", "nativeidxs", "nidxs", "stride", "upper")
PENDING(230, (int64_t(Vec<const int32_t>, int64_t, Vec<const int32_t>)), "OLO", "key", "init", "shape")
PENDING(231, (void(Vec<int32_t>, int64_t, Vec<const int32_t>)), "OLO", "dest", "lin", "shape")
PENDING(232, (int64_t(Vec<int32_t>, int32_t, int64_t, Vec<const int32_t>)), "OiLO", "k", "n", "lin", "shape")
PENDING(233, (void(int64_t, Vec<int32_t>, Vec<const int32_t>)), "LOO", "lin", "res", "shape")
PENDING(234, (void(int32_t, Vec<const int32_t>, Vec<int64_t>)), "iOO", "nd", "shape", "st")
PENDING(237, (int64_t(Vec<const int32_t>, int64_t)), "OL", "dims", "init")
PENDING(244, (int64_t(Vec<const int32_t>, int64_t)), "OL", "dim", "init")
PENDING(249, (void(int32_t, Vec<int64_t>, int32_t, Vec<const int64_t>)), "iOiO", "flag", "ri64", "off", "sparsity")
PENDING(254, (void(Mat<const int32_t>, int32_t, Vec<const int32_t>, Vec<int64_t>)), "OiOO", "idxs", "nd", "shape", "this_idxs")
FRAGMENT(248, sets::shape_onto_stack, "iOiO", "n", "ri32", "off", "shape")
FRAGMENT(250, sets::constants_onto_stack, "OiiO", "bfix", "n", "off", "rf64")
FRAGMENT(251, sets::empty_ptr_onto_stack, "iOi", "n", "ri32", "off")
