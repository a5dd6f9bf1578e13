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
DOC(10, "",
    "Constraint levels: for k < n, with the constraint row i = nativeidxs[k] (an int32 row number, "
    "not a signed index) and its slack code s = natconmap_slackidx[i]: res[off + k] = xc[i] (the "
    "row's activity) when s = 0, and the slack's value when the row has one: xx[s - 1] when s > 0, "
    "barx[-s - 1] when s < 0.\n"
    "res needs off + n entries; only res[off .. off + n - 1] is written, nothing when n <= 0.")
FRAGMENT(11, native::scalar_values, "iOiOO", "n", "nativeidxs", "off", "res", "xx")
DOC(11, "",
    "Scalar values: for k < n, with the signed native index v = nativeidxs[k]: res[off + k] = xx[v "
    "- 1] when v > 0, else 0.0 (bar elements read nothing; _c_closure_13 reads them from barx). "
    "res needs off + n entries; nothing is written when n <= 0.")
FRAGMENT(12, native::negated_scalar_values, "iOiOO", "n", "nativeidxs", "off", "res", "xx")
DOC(12, "",
    "Negated scalar values: for k < n, with the signed native index v = nativeidxs[k]: res[off + "
    "k] = -xx[v - 1] when v > 0 (a sign flip: 0.0 becomes -0.0), else +0.0. res needs off + n "
    "entries; nothing is written when n <= 0.")
FRAGMENT(13, native::values, "OiOiOO", "barx", "n", "nativeidxs", "off", "res", "xx")
DOC(13, "",
    "Values of signed native indexes: for k < n, with v = nativeidxs[k]: res[off + k] = xx[v - 1] "
    "when v > 0 (a scalar variable), barx[-v - 1] when v < 0 (a bar element), 0.0 when v = 0. res "
    "needs off + n entries; nothing is written when n <= 0.")
FRAGMENT(104, native::clear_variable_values, "iOiOOO", "end", "slx", "start", "sux", "xx", "yx")
DOC(104, "end",
    "Clearing of variable values: slx[k], sux[k], xx[k] and yx[k] become 0.0 for start <= k < end "
    "(the four arrays of one k before the next); nothing when end <= start. Note the argument "
    "order: end, slx, start. Returns end in every case. _c_closure_105 clears all but yx.")
FRAGMENT(105, native::clear_variable_values_except_yx, "iOiOO", "end", "slx", "start", "sux", "xx")
DOC(105, "",
    "Clearing of variable values except yx: slx[k], sux[k] and xx[k] become 0.0 for start <= k < "
    "end; yx is not touched; nothing when end <= start. Note the argument order: end, slx, start. "
    "Returns None (_c_closure_104 also clears yx and returns end).")
FRAGMENT(106, native::clear_constraint_values, "iOiOOO", "end", "slc", "start", "suc", "xc", "y")
DOC(106, "end",
    "Clearing of constraint values: slc[k], suc[k], xc[k] and y[k] become 0.0 for start <= k < end "
    "(the four arrays of one k before the next); nothing when end <= start. Note the argument "
    "order: end, slc, start. Returns end in every case; _c_closure_107 is the same returning None.")
FRAGMENT(107, native::clear_constraint_values_quietly, "iOiOOO", "end", "slc", "start", "suc", "xc", "y")
DOC(107, "",
    "Clearing of constraint values, returning nothing: slc[k], suc[k], xc[k] and y[k] become 0.0 "
    "for start <= k < end; nothing when end <= start. Note the argument order: end, slc, start. "
    "The same clearing as _c_closure_106, which returns end.")
FRAGMENT(108, native::clear_conic_duals, "iOi", "end", "snx", "start")
DOC(108, "end",
    "Clearing of conic duals: snx[k] = 0.0 for start <= k < end; nothing when end <= start. Note "
    "the argument order: end, snx, start. Returns end in every case; _c_closure_109 is the same "
    "returning None.")
FRAGMENT(109, native::clear_conic_duals_quietly, "iOi", "end", "snx", "start")
DOC(109, "",
    "Clearing of conic duals, returning nothing: snx[k] = 0.0 for start <= k < end; nothing when "
    "end <= start. Note the argument order: end, snx, start. The same clearing as _c_closure_108, "
    "which returns end.")
