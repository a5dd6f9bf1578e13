// Solution values read back through the native maps, and clearing of solution ranges.
#include "kernels/kernel.h"

namespace fragments::native {

// The value of the unknown named by the signed native index v: xx[v - 1] for v > 0,
// barx[-v - 1] for v < 0, 0.0 for v = 0.
static double value_of(int64_t v, Vec<const double> xx, Vec<const double> barx) {
  if (v > 0) return xx[v - 1];
  if (v < 0) return barx[-1 - v];
  return 0.0;
}

// Constraint levels: for k < n, with row i = nativeidxs[k] and its slack code
// s = natconmap_slackidx[i], res[off + k] is the slack's value (xx or barx) when s != 0
// and the row's activity xc[i] otherwise.
void constraint_levels(Vec<const double> barx, int32_t n, Vec<const int64_t> natconmap_slackidx,
                       Vec<const int32_t> nativeidxs, int32_t off, Vec<double> res, Vec<const double> xc,
                       Vec<const double> xx) {
  for (int32_t k = 0; k < n; ++k) {
    const int32_t i = nativeidxs[k];
    const int64_t s = natconmap_slackidx[i];
    res[int64_t{off} + k] = s == 0 ? xc[i] : value_of(s, xx, barx);
  }
}

// res[off + k] = xx[v - 1] for v = nativeidxs[k] > 0, else 0.0; k < n.
void scalar_values(int32_t n, Vec<const int64_t> nativeidxs, int32_t off, Vec<double> res, Vec<const double> xx) {
  for (int32_t k = 0; k < n; ++k) {
    const int64_t v = nativeidxs[k];
    res[int64_t{off} + k] = v > 0 ? xx[v - 1] : 0.0;
  }
}

// res[off + k] = -xx[v - 1] (a sign flip: 0.0 becomes -0.0) for v = nativeidxs[k] > 0,
// else +0.0; k < n.
void negated_scalar_values(int32_t n, Vec<const int64_t> nativeidxs, int32_t off, Vec<double> res,
                           Vec<const double> xx) {
  for (int32_t k = 0; k < n; ++k) {
    const int64_t v = nativeidxs[k];
    res[int64_t{off} + k] = v > 0 ? -xx[v - 1] : 0.0;
  }
}

// res[off + k] = the value of the unknown named by nativeidxs[k] (scalar or bar element,
// 0.0 for index 0); k < n.
void values(Vec<const double> barx, int32_t n, Vec<const int64_t> nativeidxs, int32_t off, Vec<double> res,
            Vec<const double> xx) {
  for (int32_t k = 0; k < n; ++k) res[int64_t{off} + k] = value_of(nativeidxs[k], xx, barx);
}

// Clearing: entries start .. end - 1 of each array become 0.0, all arrays of one entry
// before the next; nothing when end <= start. Those that return an int return end.
template <class... Arrays>
static void clear_entries(int32_t start, int32_t end, Arrays... arrays) {
  for (int32_t k = start; k < end; ++k) ((arrays[k] = 0.0), ...);
}

int32_t clear_variable_values(int32_t end, Vec<double> slx, int32_t start, Vec<double> sux, Vec<double> xx,
                              Vec<double> yx) {
  clear_entries(start, end, slx, sux, xx, yx);
  return end;
}

void clear_variable_values_except_yx(int32_t end, Vec<double> slx, int32_t start, Vec<double> sux, Vec<double> xx) {
  clear_entries(start, end, slx, sux, xx);
}

int32_t clear_constraint_values(int32_t end, Vec<double> slc, int32_t start, Vec<double> suc, Vec<double> xc,
                                Vec<double> y) {
  clear_entries(start, end, slc, suc, xc, y);
  return end;
}

void clear_constraint_values_quietly(int32_t end, Vec<double> slc, int32_t start, Vec<double> suc, Vec<double> xc,
                                     Vec<double> y) {
  clear_entries(start, end, slc, suc, xc, y);
}

int32_t clear_conic_duals(int32_t end, Vec<double> snx, int32_t start) {
  clear_entries(start, end, snx);
  return end;
}

void clear_conic_duals_quietly(int32_t end, Vec<double> snx, int32_t start) { clear_entries(start, end, snx); }

}  // namespace fragments::native

TOPIC("Solution values read back through the native maps, and clearing of solution ranges")
FRAGMENT(10, native::constraint_levels, "OiOOiOOO", "barx", "n", "natconmap_slackidx", "nativeidxs", "off", "res", "xc", "xx")
FRAGMENT(11, native::scalar_values, "iOiOO", "n", "nativeidxs", "off", "res", "xx")
FRAGMENT(12, native::negated_scalar_values, "iOiOO", "n", "nativeidxs", "off", "res", "xx")
FRAGMENT(13, native::values, "OiOiOO", "barx", "n", "nativeidxs", "off", "res", "xx")
FRAGMENT(104, native::clear_variable_values, "iOiOOO", "end", "slx", "start", "sux", "xx", "yx")
FRAGMENT(105, native::clear_variable_values_except_yx, "iOiOO", "end", "slx", "start", "sux", "xx")
FRAGMENT(106, native::clear_constraint_values, "iOiOOO", "end", "slc", "start", "suc", "xc", "y")
FRAGMENT(107, native::clear_constraint_values_quietly, "iOiOOO", "end", "slc", "start", "suc", "xc", "y")
FRAGMENT(108, native::clear_conic_duals, "iOi", "end", "snx", "start")
FRAGMENT(109, native::clear_conic_duals_quietly, "iOi", "end", "snx", "start")
