// Shape tables and one-slot row pointers.
#include "kernels/kernel.h"

PENDING(431, (std::tuple<int32_t, int32_t>(int32_t, int32_t, int32_t, Vec<const int32_t>)), "iiiO", "maxv", "minv", "n", "nds")
PENDING(432, (void(Vec<const int32_t>, Vec<int32_t>)), "OO", "s", "shape")
PENDING(433, (void(int32_t, Vec<const int32_t>, Vec<int32_t>)), "iOO", "n", "s", "shape")
PENDING(434, (void(int32_t, Mat<int32_t>, Vec<const int32_t>)), "iOO", "row", "shapes", "shp")
PENDING(435, (void(int32_t, int32_t, Mat<int32_t>, Vec<const int32_t>)), "iiOO", "row", "n", "shapes", "shp")
PENDING(437, (void(Vec<const int64_t>, int32_t, Vec<int64_t>)), "OiO", "ii", "n", "ptrb")
PENDING(438, (void(Vec<int64_t>, int32_t)), "Oi", "ptrb", "n")
PENDING(439, (void(Vec<const int64_t>, Vec<const int64_t>, int32_t, Vec<int64_t>, Vec<int64_t>)), "OOiOO", "idxs", "ii", "n", "ptrb", "subj")
PENDING(440, (void(Vec<int64_t>, int32_t)), "Oi", "ptrb", "n")
PENDING(441, (void(int32_t, Vec<const int32_t>, Vec<int32_t>)), "iOO", "n", "sh", "shape")
SAME_AS(443, 441, "n", "sh", "shape")
PENDING(442, (void(int32_t, int32_t, Vec<int32_t>)), "iiO", "end", "start", "shape")
SAME_AS(444, 442, "end", "start", "shape")
PENDING(445, (int64_t(int32_t, Vec<const int32_t>, int64_t)), "iOL", "n", "shape", "init")
