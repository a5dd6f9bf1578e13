// Sums of an expression along one dimension.
//
// For an operand of shape s and a dimension axis: outer = s[0] × ... × s[axis - 1],
// inner = s[axis + 1] × ... × s[nd - 1], span = s[axis] × inner. A linear index L has
// outer coordinate (L / span) mod outer and inner coordinate L mod inner, and lands in
// result element outer coordinate × inner + inner coordinate. A result element holds
// the terms of its summed elements in visiting order and the sum of their constants.
//
// Dense operands reduce in one build pass. Sparse operands reduce in steps: an identity
// permutation of the stored elements, a stable radix sort of it by the coordinates
// outside axis, a count pass and a build pass over the sorted permutation.
#include <utility>

#include "kernels/expr/record.h"

namespace fragments::expr {
namespace {

// Appends the terms [p, q) of nidxs/cof unchanged to rnidxs/rcof from position c on.
// Returns the position after the last term written.
inline int32_t append_terms(Vec<const int64_t> nidxs, Vec<const double> cof, int32_t p, int32_t q,
                            Vec<int64_t> rnidxs, Vec<double> rcof, int32_t c) {
  for (int32_t u = p; u < q; ++u, ++c) {
    rnidxs[c] = nidxs[u];
    rcof[c] = cof[u];
  }
  return c;
}

// The result element that linear index L of the operand falls into, as (outer, inner)
// coordinates.
struct ReducedKey {
  int64_t outer;
  int64_t inner;
  bool operator==(const ReducedKey& o) const { return outer == o.outer && inner == o.inner; }
};

inline ReducedKey reduced_key(int64_t L, int32_t span, int32_t outer, int32_t inner) {
  return {rem64(div64(L, span), outer), rem64(L, inner)};
}

}  // namespace

// ri32[rbase + j] = wi32[base + j] for j < n.
void copy_leading_shape(Vec<int32_t> ri32, int32_t n, int32_t rbase, int32_t base, Vec<const int32_t> wi32) {
  copy_elements(wi32.from(base), ri32.from(rbase), n);
}

// init × wi32[base] × ... × wi32[base + n - 1], in wrapping 64-bit arithmetic.
int64_t size_of_run_64(int32_t n, int32_t base, int64_t init, Vec<const int32_t> wi32) {
  return size_product(init, wi32.from(base), 0, n);
}

// The largest of init and wi32[base .. base + n - 1].
int32_t largest_size(int32_t init, int32_t n, int32_t base, Vec<const int32_t> wi32) {
  int32_t largest = init;
  for (int32_t j = 0; j < n; ++j)
    if (wi32[int64_t{base} + j] >= largest) largest = wi32[int64_t{base} + j];
  return largest;
}

// The identity permutation: xi32[base + j] = j for j < n.
void identity_permutation(int32_t base, int32_t n, Vec<int32_t> xi32) {
  for (int32_t j = 0; j < n; ++j) xi32[int64_t{base} + j] = j;
}

// Stable radix sort of the permutation of n stored elements at xi32[src ..] by the
// elements' coordinates in every dimension but axis (dimension 0 most significant),
// least significant dimension first, alternating between the runs at src and dst and
// counting in xi32[cnt ..] (room for the largest size + 1). Coordinates come from the
// sp run wi64[wsp ..] and the shape run wi32[wshape ..] (nd sizes). Returns (base of
// the sorted permutation, base of the other run); with axis >= nd - 1 the permutation is
// already grouped and (src, dst) is returned untouched.
std::tuple<int32_t, int32_t> sort_for_reduction(int32_t src, int32_t axis, int32_t nd, int32_t n, int32_t cnt,
                                                int32_t wshape, int32_t wsp, int32_t dst, Vec<const int32_t> wi32,
                                                Vec<const int64_t> wi64, Vec<int32_t> xi32) {
  if (nd <= 0 || axis >= nd - 1) return {src, dst};
  const Vec<const int32_t> s = wi32.from(wshape);
  const Vec<const int64_t> sp = wi64.from(wsp);
  const Vec<int32_t> count = xi32.from(cnt);

  Scratch<int64_t> st(nd);    // taken before the first write
  Scratch<int32_t> dims(nd);  // the dimensions to sort by, last to first
  st[nd - 1] = 1;
  row_major_strides(nd, s, st.view());
  int32_t passes = 0;
  for (int32_t d = nd - 1; d >= 0; --d)
    if (d != axis) dims[passes++] = d;

  for (int32_t pass = 0; pass < passes; ++pass) {
    const int32_t d = dims[pass];
    const int32_t size = s[d];
    auto key = [&](int32_t e) { return rem64(div64(sp[e], st[d]), size); };
    for (int64_t j = 0; j <= size; ++j) count[j] = 0;
    for (int32_t e = 0; e < n; ++e) {
      const int64_t c = key(e) + 1;
      count[c] = add32(count[c], 1);
    }
    for (int32_t j = 0; j < size; ++j) count[j + 1] += count[j];
    for (int32_t i = 0; i < n; ++i) {
      const int32_t e = xi32[int64_t{src} + i];
      const int64_t c = key(e);
      xi32[int64_t{dst} + count[c]] = e;
      count[c] = add32(count[c], 1);
    }
    std::swap(src, dst);
  }
  return {src, dst};
}

// Count pass of the sparse reduction: walks the n sorted permutation entries at
// xi32[perm ..] and counts the changes of their result key, starting from the key
// (last_outer, last_inner). Returns (the last key, rnelem plus the count), so that a
// further stretch can continue the count.
std::tuple<int64_t, int64_t, int32_t> count_reduced(int32_t perm, int32_t outer, int32_t inner, int32_t n,
                                                    int64_t last_outer, int64_t last_inner, int32_t rnelem,
                                                    int32_t span, int32_t wsp, Vec<const int64_t> wi64,
                                                    Vec<const int32_t> xi32) {
  const Vec<const int64_t> sp = wi64.from(wsp);
  ReducedKey last{last_outer, last_inner};
  int32_t count = rnelem;
  for (int32_t i = 0; i < n; ++i) {
    const ReducedKey key = reduced_key(sp[xi32[int64_t{perm} + i]], span, outer, inner);
    if (!(key == last)) {
      count = add32(count, 1);
      last = key;
    }
  }
  return {last.outer, last.inner, count};
}

// Build pass of the sparse reduction over the sorted permutation positions first ..
// last - 1 (xi32[perm ..]): each run of equal result key becomes one sparse result
// element, written piecewise from element rnelem and term rnnz on (ptr[0] is the
// caller's). Returns (last, new element count, new term count).
std::tuple<int32_t, int32_t, int32_t> build_reduced(int32_t wbfix, int32_t wcof, int32_t perm, int32_t outer,
                                                    int32_t inner, int32_t first, int32_t rnelem, int32_t rnnz,
                                                    int32_t last, int32_t wnidxs, int32_t wptr, int32_t rbfix,
                                                    int32_t rcof, Vec<double> rf64, Vec<int32_t> ri32,
                                                    Vec<int64_t> ri64, int32_t rnidxs, int32_t rptr, int32_t rsp,
                                                    int32_t span, int32_t wsp, Vec<const double> wf64,
                                                    Vec<const int32_t> wi32, Vec<const int64_t> wi64,
                                                    Vec<const int32_t> xi32) {
  const Vec<const int32_t> in_ptr = wi32.from(wptr), order = xi32.from(perm);
  const Vec<const int64_t> in_nidxs = wi64.from(wnidxs), sp = wi64.from(wsp);
  const Vec<const double> in_cof = wf64.from(wcof), in_bfix = wf64.from(wbfix);
  const Vec<int32_t> out_ptr = ri32.from(rptr);
  const Vec<int64_t> out_nidxs = ri64.from(rnidxs), out_sp = ri64.from(rsp);
  const Vec<double> out_cof = rf64.from(rcof), out_bfix = rf64.from(rbfix);
  auto key_at = [&](int32_t t) { return reduced_key(sp[order[t]], span, outer, inner); };

  int32_t t = first, k = rnelem, c = rnnz;
  while (t < last) {
    const ReducedKey key = key_at(t);
    double sum = 0.0;
    do {
      const int32_t e = order[t];
      c = append_terms(in_nidxs, in_cof, in_ptr[e], in_ptr[e + 1], out_nidxs, out_cof, c);
      sum += in_bfix[e];
      ++t;
    } while (t < last && key_at(t) == key);
    out_ptr[int64_t{k} + 1] = c;
    out_sp[k] = key.outer * inner + key.inner;
    out_bfix[k] = sum;
    ++k;
  }
  return {t, k, c};
}

// Build pass of the dense reduction: the operand is dense with outer × size × inner
// elements (ostride = size × inner, astride = inner). Writes outer × inner result
// elements piecewise from element rnelem and term rnnz on (ptr[0] is the caller's);
// the terms of one result element follow in increasing coordinate along the axis.
// Returns (new element count, new term count).
std::tuple<int32_t, int32_t> build_reduced_dense(int32_t wbfix, int32_t wcof, int32_t outer, int32_t size,
                                                 int32_t inner, int32_t rnelem, int32_t rnnz, int32_t wnidxs,
                                                 int32_t wptr, int32_t rbfix, int32_t rcof, Vec<double> rf64,
                                                 Vec<int32_t> ri32, Vec<int64_t> ri64, int32_t rnidxs, int32_t rptr,
                                                 int32_t ostride, int32_t astride, Vec<const double> wf64,
                                                 Vec<const int32_t> wi32, Vec<const int64_t> wi64) {
  const Vec<const int32_t> in_ptr = wi32.from(wptr);
  const Vec<const int64_t> in_nidxs = wi64.from(wnidxs);
  const Vec<const double> in_cof = wf64.from(wcof), in_bfix = wf64.from(wbfix);
  const Vec<int32_t> out_ptr = ri32.from(rptr);
  const Vec<int64_t> out_nidxs = ri64.from(rnidxs);
  const Vec<double> out_cof = rf64.from(rcof), out_bfix = rf64.from(rbfix);

  if (!all_positive(outer, inner)) return {rnelem, rnnz};
  if (size > 0) in_ptr.expect_size(block_size(outer, size, inner) + 1);
  int32_t k = rnelem, c = rnnz;
  for (int32_t o = 0; o < outer; ++o)
    for (int32_t p = 0; p < inner; ++p) {
      double sum = 0.0;
      for (int32_t q = 0; q < size; ++q) {
        const int64_t e = int64_t{o} * ostride + int64_t{q} * astride + p;
        c = append_terms(in_nidxs, in_cof, in_ptr[e], in_ptr[e + 1], out_nidxs, out_cof, c);
        sum += in_bfix[e];
      }
      out_ptr[int64_t{k} + 1] = c;
      out_bfix[k] = sum;
      ++k;
    }
  return {k, c};
}

// Copies the sizes after dimension axis: ri32[rbase + j - 1] = wi32[base + j] for
// axis < j < nd, so that after a leading copy of axis sizes the result shape is the
// operand shape without dimension axis.
void copy_trailing_shape(int32_t axis, int32_t nd, Vec<int32_t> ri32, int32_t rbase, int32_t base,
                         Vec<const int32_t> wi32) {
  for (int64_t j = int64_t{axis} + 1; j < nd; ++j) ri32[int64_t{rbase} + j - 1] = wi32[int64_t{base} + j];
}

}  // namespace fragments::expr

TOPIC("Sums of an expression along one dimension")
FRAGMENT(366, expr::copy_leading_shape, "OiiiO", "ri32", "n", "rbase", "base", "wi32")
DOC(366, "",
    "Leading shape copy for a sum along an axis: ri32[rbase + j] = wi32[base + j] for j < n. "
    "With n = axis it copies the operand's sizes before axis; _c_closure_386 then copies those "
    "after it, which gives the result shape (the operand's without dimension axis, nd - 1 "
    "entries). _c_closure_385 with the parameters in another order.")
SAME_AS(371, 366)
FRAGMENT(369, expr::size_of_run_64, "iiLO", "n", "base", "init", "wi32")
DOC(369, "size",
    "64-bit size product: init * wi32[base] * ... * wi32[base + n - 1], in 64-bit wrapping "
    "arithmetic; init when n <= 0. The 64-bit twin of _c_closure_382 for element counts beyond "
    "32 bits.")
FRAGMENT(379, expr::largest_size, "iiiO", "init", "n", "base", "wi32")
DOC(379, "largest",
    "Largest size of a shape run: the maximum of init and wi32[base + j] for j < n; init when n "
    "<= 0. With init = 0 over the operand's shape run, largest + 1 is the counter run of "
    "_c_closure_381.")
FRAGMENT(380, expr::identity_permutation, "iiO", "base", "n", "xi32")
DOC(380, "",
    "Identity permutation on the scratch stack: xi32[base + j] = j for j < n. The starting "
    "permutation of the n stored elements for _c_closure_381.")
FRAGMENT(381, expr::sort_for_reduction, "iiiiiiiiOOO", "src", "axis", "nd", "n", "cnt", "wshape", "wsp", "dst", "wi32",
         "wi64", "xi32")
DOC(381, "perm, other",
    "Radix sort for a sparse sum along an axis: reorders the permutation of the n stored "
    "elements at xi32[src ..] (usually the identity from _c_closure_380) so that it lists them "
    "in increasing order of their coordinates in every dimension but axis (dimension 0 most "
    "significant), ties keeping their incoming order. The coordinates come from the operand's "
    "sp run wi64[wsp ..] and shape run wi32[wshape ..] (nd sizes). Each dimension other than "
    "axis, the last first, takes one stable counting pass, written through the run at dst, "
    "after which the two runs exchange roles.\n"
    "Scratch on xi32: n entries at src and at dst, and the largest size + 1 counters at cnt "
    "(_c_closure_379). When axis >= nd - 1 (or nd <= 0) it reads and writes nothing and returns "
    "(src, dst): storage order is already grouped. Otherwise it takes nd int64 and nd int32 of "
    "scratch memory before writing (MemoryError if it cannot).\n"
    "Returns (the base of the run that holds the sorted permutation, the base of the other "
    "run); pass the first to _c_closure_384 and _c_closure_387.")
FRAGMENT(384, expr::count_reduced, "iiiiLLiiiOO", "perm", "outer", "inner", "n", "last_outer", "last_inner", "rnelem",
         "span", "wsp", "wi64", "xi32")
DOC(384, "last_outer, last_inner, rnelem",
    "Group count, the count pass of the sparse sum along an axis (for _c_closure_387): for the "
    "n sorted permutation entries e = xi32[perm + i] in order, the result key of element e is "
    "((L / span) mod outer, L mod inner), L = wi64[wsp + e]; each key that differs from the one "
    "before counts 1, starting from the key (last_outer, last_inner). For a fresh count pass a "
    "key that no element has, (-1, -1); to continue over a further stretch of entries pass back "
    "the returned key.\n"
    "outer and inner are the products of the sizes before and after axis (_c_closure_388, "
    "_c_closure_389), span = the size of axis * inner.\n"
    "Returns (the outer part and the inner part of the last key, rnelem + the count): the last, "
    "from rnelem = 0, is the element count of the sparse result; its term count is the "
    "operand's nnz. n = 0 returns the key and rnelem passed.")
FRAGMENT(386, expr::copy_trailing_shape, "iiOiiO", "axis", "nd", "ri32", "rbase", "base", "wi32")
DOC(386, "",
    "Trailing shape copy for a sum along an axis: ri32[rbase + j - 1] = wi32[base + j] for axis "
    "< j < nd, the sizes after axis moved down by one. After a leading copy of axis sizes to "
    "ri32[rbase ..] (_c_closure_366 or _c_closure_385) the run holds the operand's shape "
    "without dimension axis (nd - 1 entries).")
SAME_AS(391, 386)
FRAGMENT(387, expr::build_reduced, "iiiiiiiiiiiiiOOOiiiiiOOOO", "wbfix", "wcof", "perm", "outer", "inner", "first",
         "rnelem", "rnnz", "last", "wnidxs", "wptr", "rbfix", "rcof", "rf64", "ri32", "ri64", "rnidxs", "rptr", "rsp",
         "span", "wsp", "wf64", "wi32", "wi64", "xi32")
DOC(387, "position, rnelem, rnnz",
    "Sparse sum along an axis, the build pass sized by _c_closure_384: walks the sorted "
    "permutation positions t = first .. last - 1 (e = xi32[perm + t]); each run of consecutive "
    "positions whose elements have the same key ((L / span) mod outer, L mod inner), L = "
    "wi64[wsp + e], becomes result element k, from k = rnelem: the terms of the run's elements "
    "in order, copied unchanged from term position rnnz on, ri32[rptr + k + 1] = terms so far, "
    "ri64[rsp + k] = outer part * inner + inner part (its linear index in the shape without "
    "axis) and rf64[rbfix + k] = the sum of their constants.\n"
    "Written piecewise after rnelem elements and rnnz terms; split the positions only between "
    "runs, or one key becomes two elements. With E from _c_closure_384 and T the operand's nnz, "
    "ri32 needs rptr + E + 1 entries, ri64 rsp + E and rnidxs + T, rf64 rbfix + E and rcof + T. "
    "ptr[0] is not written: the caller sets ri32[rptr] = 0.\n"
    "Returns (the position where it stopped: last, or first when first >= last; the new element "
    "count; the new term count).")
FRAGMENT(392, expr::build_reduced_dense, "iiiiiiiiiiiOOOiiiiOOO", "wbfix", "wcof", "outer", "size", "inner", "rnelem",
         "rnnz", "wnidxs", "wptr", "rbfix", "rcof", "rf64", "ri32", "ri64", "rnidxs", "rptr", "ostride", "astride",
         "wf64", "wi32", "wi64")
DOC(392, "rnelem, rnnz",
    "Dense sum along an axis, the build pass (no count pass): the operand is dense with outer * "
    "size * inner elements (size = the axis size, ostride = size * inner, astride = inner). For "
    "o < outer and p < inner in order, result element k (from k = rnelem) holds the terms of "
    "the operand elements e = o * ostride + q * astride + p, q = 0 .. size - 1 in order, copied "
    "unchanged from term position rnnz on; ri32[rptr + k + 1] = terms so far and rf64[rbfix + "
    "k] = the sum of their constants.\n"
    "Written piecewise: the caller may reduce the operand in stretches of whole outer blocks, "
    "shifting wptr and wbfix by the elements before the stretch and passing back the returned "
    "counts. The whole result has outer * inner elements and the operand's nnz terms: ri32 "
    "needs rptr + outer*inner + 1 entries, ri64 rnidxs + nnz, rf64 rcof + nnz and rbfix + "
    "outer*inner. ptr[0] is not written: the caller sets ri32[rptr] = 0.\n"
    "Returns the new (element count, term count).")
