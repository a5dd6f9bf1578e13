// Searches, merges, ranges and index odometers.
#include <algorithm>

#include "kernels/kernel.h"

namespace fragments::sparse {

// ---- Binary search steps -------------------------------------------------------------------

// Narrows (lo, hi) while lo < hi - 1: mid = (lo + hi) / 2, rounded toward zero; lo = mid
// when goes_low(values[mid]), hi = mid otherwise. Nothing is read when lo >= hi - 1.
template <class GoesLow>
static std::tuple<int32_t, int32_t> narrow(int32_t lo, int32_t hi, Vec<const int64_t> values, GoesLow goes_low) {
  while (int64_t{lo} < int64_t{hi} - 1) {
    const auto mid = static_cast<int32_t>((int64_t{lo} + hi) / 2);
    if (goes_low(values[mid]))
      lo = mid;
    else
      hi = mid;
  }
  return {lo, hi};
}

// With values[lo] <= key < values[hi] on entry, ends with lo at the last entry <= key.
std::tuple<int32_t, int32_t> search_last_at_most(int32_t lo, int32_t hi, int64_t key, Vec<const int64_t> values) {
  return narrow(lo, hi, values, [key](int64_t v) { return v <= key; });
}

// With values[lo] < key <= values[hi] on entry, ends with hi at the first entry >= key.
std::tuple<int32_t, int32_t> search_first_at_least(int32_t lo, int32_t hi, int64_t key, Vec<const int64_t> values) {
  return narrow(lo, hi, values, [key](int64_t v) { return v < key; });
}

// ---- One merge step of a merge sort of entry numbers ----------------------------------------

// src[lo .. mid - 1] and src[mid .. hi - 1] are entry numbers, each run sorted by the key
// vals[entry]; writes their merge to tgt[lo .. hi - 1]. hi is clamped to the length of src
// and mid to hi; with an empty second run the first is copied as it is. On equal keys the
// entry of the second run goes first.
void merge_step(int32_t lo, int32_t mid, int32_t hi, Vec<const int32_t> src, Vec<int32_t> tgt, Vec<const int32_t> vals) {
  const int64_t end = std::min<int64_t>(hi, src.size());
  const int64_t split = std::min<int64_t>(mid, end);
  if (split == end) {
    copy_run(src, lo, tgt, lo, static_cast<int32_t>(std::max<int64_t>(end - lo, 0)));
    return;
  }
  int64_t i = lo, j = split, out = lo;
  while (i < split && j < end) tgt[out++] = vals[src[i]] < vals[src[j]] ? src[i++] : src[j++];
  const int64_t rest = std::max<int64_t>(split - i, 0);
  copy_run(src, i, tgt, out, rest);
  copy_run(src, j, tgt, out + rest, end - j);
}

// ---- Key ranges over a slice of a permutation -----------------------------------------------

// Over k = first .. last - 1 with e = idx[k]: res[0], res[1] = the minimum and maximum of
// vals1[e]; when vals2 is given, res[2], res[3] = those of vals2[e] (else untouched).
// An empty range has no extremes and writes nothing.
template <class T>
static void key_ranges(int64_t first, Vec<const int64_t> idx, int64_t last, Vec<T> res, Vec<const T> vals1,
                       Vec<const T> vals2) {
  if (first >= last) return;
  auto extremes = [&](Vec<const T> vals, int64_t slot) {
    T lowest = vals[idx[first]], highest = lowest;
    for (int64_t k = first + 1; k < last; ++k) {
      const T v = vals[idx[k]];
      lowest = std::min(lowest, v);
      highest = std::max(highest, v);
    }
    res[slot] = lowest;
    res[slot + 1] = highest;
  };
  extremes(vals1, 0);
  if (vals2) extremes(vals2, 2);
}

void key_ranges_wide(int64_t first, Vec<const int64_t> idx, int64_t last, Vec<int64_t> res, Vec<const int64_t> vals1,
                     Vec<const int64_t> vals2) {
  key_ranges(first, idx, last, res, vals1, vals2);
}

void key_ranges_narrow(int64_t first, Vec<const int64_t> idx, int64_t last, Vec<int32_t> res, Vec<const int32_t> vals1,
                       Vec<const int32_t> vals2) {
  key_ranges(first, idx, last, res, vals1, vals2);
}

// ---- Fill and odometers --------------------------------------------------------------------

// st[k] = value for k < n.
void fill(int32_t n, Vec<int64_t> st, int64_t value) {
  unit_stride([&](auto s) {
    for (int32_t k = 0; k < n; ++k) s[k] = value;
  }, st);
}

// Advances a multi-index over the shape dims by one position. ii holds the index in reverse
// (ii[0] counts the last axis), st[k] the offset accumulated at level k, strides the stride
// of each axis in axis order. A carry out of level k resets it and steps level k + 1; the
// levels below the highest one touched restart from its offset. Without axes (nd <= 0)
// there is nothing to advance.
void advance_strided(Vec<const int32_t> dims, Vec<int32_t> ii, int32_t nd, Vec<int64_t> st, Vec<const int64_t> strides) {
  if (nd <= 0) return;
  const int64_t top = int64_t{nd} - 1;
  ii[0] = add32(ii[0], 1);
  st[0] = add64(st[0], strides[top]);
  int64_t k = 0;
  while (k < top && ii[k] == dims[top - k]) {
    ii[k] = 0;
    ii[k + 1] = add32(ii[k + 1], 1);
    st[k + 1] = add64(st[k + 1], strides[top - 1 - k]);
    ++k;
  }
  for (int64_t l = 0; l < k; ++l) st[l] = st[k];
}

// Advances ndidx over the box first[d] <= ndidx[d] < last[d] by one position, last axis
// fastest. Axis 0 is never reset: the caller stops when ndidx[0] reaches last[0]. An empty
// ndidx is left alone.
void advance_in_box(Vec<const int32_t> first, Vec<const int32_t> last, Vec<int32_t> ndidx) {
  const int64_t n = ndidx.size();
  if (n == 0) return;
  ndidx[n - 1] = add32(ndidx[n - 1], 1);
  for (int64_t d = n - 1; d > 0 && ndidx[d] >= last[d]; --d) {
    ndidx[d] = first[d];
    ndidx[d - 1] = add32(ndidx[d - 1], 1);
  }
}

}  // namespace fragments::sparse

TOPIC("Searches, merges, ranges and index odometers")
FRAGMENT(78, sparse::key_ranges_wide, "LOLOOO", "first", "idx", "last", "res", "vals1", "vals2")
DOC(78, "",
    "Key ranges over a slice of a permutation (64-bit keys): over k = first .. last - 1 with e = "
    "idx[k]: res[0] = the minimum and res[1] = the maximum of vals1[e]; when vals2 is given, "
    "res[2] = the minimum and res[3] = the maximum of vals2[e]. With vals2 None, res[2] and "
    "res[3] are not touched.\n"
    "res needs 2 entries (4 with vals2). An empty range (first >= last) writes nothing.")
FRAGMENT(79, sparse::key_ranges_narrow, "LOLOOO", "first", "idx", "last", "res", "vals1", "vals2")
DOC(79, "",
    "Key ranges over a slice of a permutation (32-bit keys): over k = first .. last - 1 with e = "
    "idx[k]: res[0] = the minimum and res[1] = the maximum of vals1[e]; when vals2 is given, "
    "res[2] = the minimum and res[3] = the maximum of vals2[e]. With vals2 None, res[2] and "
    "res[3] are not touched.\n"
    "res needs 2 entries (4 with vals2). An empty range (first >= last) writes nothing.")
FRAGMENT(80, sparse::fill, "iOL", "n", "st", "value")
DOC(80, "",
    "Fill of an int64 array: st[k] = value for k < n. st needs n entries; n <= 0 writes nothing.")
SAME_AS(81, 80)
SAME_AS(83, 80)
FRAGMENT(82, sparse::advance_strided, "OOiOO", "dims", "ii", "nd", "st", "strides")
DOC(82, "",
    "Strided odometer step: advances a multi-index over the shape dims (nd axes, last axis "
    "fastest) by one position together with its offset. ii holds the index in reverse (ii[0] "
    "counts the last axis, ii[nd - 1] the first), st[l] the offset accumulated at level l, "
    "strides the stride of each axis in axis order. One call:\n"
    "- ii[0] += 1 and st[0] += strides[nd - 1];\n"
    "- l = 0; while l < nd - 1 and ii[l] = dims[nd - 1 - l]: ii[l] = 0, ii[l + 1] += 1, st[l + "
    "1] += strides[nd - 2 - l], l += 1;\n"
    "- st[0 .. l - 1] = st[l] (the lower levels restart from the new offset).\n"
    "Start with ii all 0 and every st[l] = the base offset: st[0] is then always the base offset "
    "plus the sum of index times stride. Level nd - 1 is never reset: the caller stops when ii[nd "
    "- 1] reaches dims[0]. dims, ii, st and strides need nd entries; nd <= 0 does nothing.")
FRAGMENT(84, sparse::search_last_at_most, "iiLO", "lo", "hi", "key", "values")
DOC(84, "lo, hi",
    "Binary search step, last entry <= key: while lo < hi - 1: mid = (lo + hi) / 2 rounded "
    "toward zero (no 32-bit overflow); lo = mid when values[mid] <= key, else hi = mid. Returns "
    "(lo, hi).\n"
    "With values sorted and values[lo] <= key < values[hi] on entry, it ends with hi = lo + 1 and "
    "lo at the last entry <= key. Only values[lo + 1 .. hi - 1] are read; when lo >= hi - 1 "
    "nothing is read and (lo, hi) come back unchanged.")
FRAGMENT(85, sparse::search_first_at_least, "iiLO", "lo", "hi", "key", "values")
DOC(85, "lo, hi",
    "Binary search step, first entry >= key: while lo < hi - 1: mid = (lo + hi) / 2 rounded "
    "toward zero (no 32-bit overflow); lo = mid when values[mid] < key, else hi = mid. Returns "
    "(lo, hi).\n"
    "With values sorted and values[lo] < key <= values[hi] on entry, it ends with lo = hi - 1 and "
    "hi at the first entry >= key. Only values[lo + 1 .. hi - 1] are read; when lo >= hi - 1 "
    "nothing is read and (lo, hi) come back unchanged.")
FRAGMENT(86, sparse::advance_in_box, "OOO", "first", "last", "ndidx")
DOC(86, "",
    "Box odometer step: advances ndidx (n = its length) by one position over the box first[d] <= "
    "ndidx[d] < last[d], last axis fastest: ndidx[n - 1] += 1; then for d = n - 1 down to 1, "
    "while ndidx[d] >= last[d]: ndidx[d] = first[d] and ndidx[d - 1] += 1.\n"
    "Start from ndidx = first. Axis 0 is never reset: the caller stops when ndidx[0] reaches "
    "last[0]. first and last need n entries (entry 0 of each is not read); with n = 1 a call only "
    "increments ndidx[0], and an empty ndidx is left alone.")
FRAGMENT(103, sparse::merge_step, "iiiOOO", "lo", "mid", "hi", "src", "tgt", "vals")
DOC(103, "",
    "Merge step of a merge sort of entry numbers: src[lo .. mid - 1] and src[mid .. hi - 1] are "
    "two runs of entry numbers e, each sorted by the key vals[e]; their merge by key is written "
    "to tgt[lo .. hi - 1]. hi is first clamped to the length of src and mid to hi.\n"
    "When the second run is empty (mid = hi after clamping) the first is copied unchanged. On "
    "equal keys the second run's entry goes first (src[i] of the first run is taken only when its "
    "key is strictly smaller). tgt needs hi entries (after clamping) and must be another array "
    "than src; entries outside lo .. hi - 1 are left alone.")
