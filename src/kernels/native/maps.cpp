// Native index maps: the signed native index and the layout of bar variables.
#include "kernels/kernel.h"

PENDING(0, (void(Vec<const int32_t>, Vec<const int32_t>, Vec<int32_t>, int32_t)), "OOOi", "natbarvarmap_num", "natbarvarmap_ptr", "res", "mapidx")
PENDING(1, (void(Vec<const int32_t>, Vec<const int64_t>, Vec<const int32_t>, Vec<const int32_t>, Vec<int64_t>, int32_t)), "OOOOOi", "natbarvar_dim", "natbarvar_ptr", "natbarvarmap_num", "natbarvarmap_ptr", "res", "mapidx")
PENDING(2, (void(int32_t, int32_t, Vec<int32_t>, int32_t)), "iiOi", "value", "n", "natbarvar_dim", "first")
PENDING(3, (void(int32_t, int32_t, int32_t, int32_t, Vec<int32_t>, Vec<int32_t>, Vec<int32_t>, Vec<int64_t>, int32_t)), "iiiiOOOOi", "barsize", "dim", "first", "n", "natbarvar_i", "natbarvar_idx", "natbarvar_j", "natbarvar_ptr", "ptrpos")
PENDING(4, (void(Vec<int32_t>, int32_t, int32_t)), "Oii", "natvarmap_idx", "end", "start")
PENDING(5, (void(Vec<int32_t>, int32_t, int32_t)), "Oii", "natconmap_idx", "end", "start")
PENDING(6, (int32_t(int32_t, Vec<const int64_t>)), "iO", "init", "idxs")
SAME_AS(8, 6, "init", "idxs")
PENDING(7, (int32_t(Vec<const int64_t>, int32_t, Vec<int32_t>)), "OiO", "idxs", "pos", "nativeidxs")
SAME_AS(9, 7, "idxs", "pos", "nativeidxs")
PENDING(14, (int32_t(Vec<const int64_t>, int32_t)), "Oi", "nativeidxs", "init")
PENDING(15, (int32_t(int32_t, Vec<const int64_t>, Vec<int32_t>)), "iOO", "pos", "nativeidxs", "subj")
