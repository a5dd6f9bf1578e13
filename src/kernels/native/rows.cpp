// Native rows and terms from expression records.
#include "kernels/kernel.h"

PENDING(16, (void(int32_t, int32_t, int32_t, Vec<int64_t>, Vec<const int32_t>, Vec<const int64_t>)), "iiiOOO", "n", "nidxsbase", "ptrbase", "rptrb", "wi32", "wi64")
PENDING(17, (void(int32_t, Vec<int64_t>)), "iO", "n", "rptrb")
PENDING(18, (int32_t(int32_t, int32_t, int32_t, int32_t, int32_t, Vec<double>, Vec<int32_t>, Vec<const double>, Vec<const int32_t>, Vec<const int64_t>)), "iiiiiOOOOO", "cofbase", "pos", "n", "nidxsbase", "ptrbase", "rcof", "rsubj", "wf64", "wi32", "wi64")
PENDING(19, (int32_t(Vec<const int32_t>, Vec<const int64_t>, int32_t, int32_t)), "OOii", "conidxs", "natconmap_slackidx", "n", "init")
PENDING(20, (int32_t(Vec<double>, Vec<const int32_t>, Vec<int32_t>, Vec<int32_t>, int32_t, Vec<const int64_t>, int32_t)), "OOOOiOi", "cc", "conidxs", "ii", "jj", "pos", "natconmap_slackidx", "n")
PENDING(21, (int32_t(Vec<double>, int32_t, int32_t, int32_t, int32_t, int32_t, Vec<const int32_t>, Vec<const double>, Vec<const int32_t>, Vec<const int64_t>)), "OiiiiiOOOO", "cof", "cofbase", "pos", "n", "nidxsbase", "ptrbase", "varidxs", "wf64", "wi32", "wi64")
SAME_AS(23, 21, "cof", "cofbase", "pos", "n", "nidxsbase", "ptrbase", "varidxs", "wf64", "wi32", "wi64")
PENDING(22, (bool(int32_t, Vec<const int64_t>, int32_t)), "iOi", "n", "varidxs_", "flag")
PENDING(24, (std::tuple<int32_t, int32_t>(int32_t, int32_t, int32_t, int32_t, Vec<const int64_t>)), "iiiiO", "nscalar", "rnidxsbase", "n", "nbar", "ri64")
PENDING(25, (void(Vec<double>, int32_t, int32_t, int32_t, Vec<const double>, Vec<const int64_t>, Vec<int32_t>)), "OiiiOOO", "cof", "rcofbase", "rnidxsbase", "n", "rf64", "ri64", "subj")
PENDING(26, (void(int32_t, Vec<const int32_t>, Vec<const int32_t>, Vec<const int32_t>, int32_t, int32_t, Vec<const double>, Vec<const int64_t>, Vec<int32_t>, Vec<int32_t>, Vec<int32_t>, Vec<double>)), "iOOOiiOOOOOO", "rcofbase", "natbarvar_i", "natbarvar_idx", "natbarvar_j", "rnidxsbase", "n", "rf64", "ri64", "subj", "subk", "subl", "val")
