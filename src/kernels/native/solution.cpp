// Solution values read back through the native maps.
#include "kernels/kernel.h"

PENDING(10, (void(Vec<const double>, int32_t, Vec<const int64_t>, Vec<const int32_t>, int32_t, Vec<double>, Vec<const double>, Vec<const double>)), "OiOOiOOO", "barx", "n", "natconmap_slackidx", "nativeidxs", "off", "res", "xc", "xx")
PENDING(11, (void(int32_t, Vec<const int64_t>, int32_t, Vec<double>, Vec<const double>)), "iOiOO", "n", "nativeidxs", "off", "res", "xx")
PENDING(12, (void(int32_t, Vec<const int64_t>, int32_t, Vec<double>, Vec<const double>)), "iOiOO", "n", "nativeidxs", "off", "res", "xx")
PENDING(13, (void(Vec<const double>, int32_t, Vec<const int64_t>, int32_t, Vec<double>, Vec<const double>)), "OiOiOO", "barx", "n", "nativeidxs", "off", "res", "xx")
PENDING(104, (int32_t(int32_t, Vec<double>, int32_t, Vec<double>, Vec<double>, Vec<double>)), "iOiOOO", "end", "slx", "start", "sux", "xx", "yx")
PENDING(105, (void(int32_t, Vec<double>, int32_t, Vec<double>, Vec<double>)), "iOiOO", "end", "slx", "start", "sux", "xx")
PENDING(106, (int32_t(int32_t, Vec<double>, int32_t, Vec<double>, Vec<double>, Vec<double>)), "iOiOOO", "end", "slc", "start", "suc", "xc", "y")
PENDING(107, (void(int32_t, Vec<double>, int32_t, Vec<double>, Vec<double>, Vec<double>)), "iOiOOO", "end", "slc", "start", "suc", "xc", "y")
PENDING(108, (int32_t(int32_t, Vec<double>, int32_t)), "iOi", "end", "snx", "start")
PENDING(109, (void(int32_t, Vec<double>, int32_t)), "iOi", "end", "snx", "start")
