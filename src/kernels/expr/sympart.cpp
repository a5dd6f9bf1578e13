// The symmetric part of an expression over two dimensions of equal size.
//
// S = (E + Eᵀ)/2 in the five-axis view (fiveaxis.h): the element of S at block
// coordinates (c0, c1, c2, c3, c4) holds the terms of E there, each coefficient halved,
// then those of E at its mirror (c0, c3, c2, c1, c4), halved, and half the sum of the
// two constants. Diagonal elements (c1 = c3) are their own mirror and are copied
// unchanged. Terms are concatenated, never merged.
//
// Dense operands go through one count and one build pass. Sparse operands go in steps:
// the mirror index of every stored element, an identity permutation, a stable radix sort
// of it by mirror index, then a count and a build pass that merge the stored elements
// in storage order with the stored elements in mirror order.
#include <utility>

#include "kernels/expr/fiveaxis.h"

namespace fragments::expr {
namespace {

// The elements of the symmetric part of a sparse operand, in increasing linear index:
// merges the stored elements in storage order (position i, key sp[i]) with the stored
// elements in mirror order (position j, element m = perm[j], key mirror[m]). Each
// result element is reported as visit(key, a, b, scale), for put_pair().
template <class Visit>
void merge_with_mirrors(Vec<const int64_t> sp, Vec<const int64_t> mirror, Vec<const int32_t> perm, int32_t n,
                        Visit visit) {
  int32_t i = 0, j = 0;
  while (i < n && j < n) {
    const int64_t x = sp[i];
    const int32_t m = perm[j];
    const int64_t y = mirror[m];
    if (x < y) {
      visit(x, i, -1, 0.5);  // the mirror of x is not stored
      ++i;
    } else if (y < x) {
      visit(y, m, -1, 0.5);  // y itself is not stored
      ++j;
    } else {
      if (sp[m] == x)
        visit(x, i, -1, 1.0);  // diagonal: m is element i itself
      else
        visit(x, i, m, 0.5);
      ++i;
      ++j;
    }
  }
  for (; i < n; ++i) visit(sp[i], i, -1, 0.5);
  for (; j < n; ++j) visit(mirror[perm[j]], perm[j], -1, 0.5);
}

}  // namespace

// Fills stride[3], stride[2], stride[1], stride[0] of the five-axis view from stride[4]
// (set by the caller) and dim, in wrapping 64-bit products.
void symmetric_view_strides(Vec<const int32_t> dim, Vec<int64_t> stride) { row_major_strides(5, dim, stride); }

// wi32[base + j] = j for j < n: the identity permutation of n stored elements.
void work_identity_permutation(int32_t base, int32_t n, Vec<int32_t> wi32) {
  Vec<int32_t> perm = wi32.from(base);
  for (int32_t j = 0; j < n; ++j) perm[j] = j;
}

// wi64[tsp + j] = the mirror index of wi64[wsp + j], for the n stored elements of a
// sparse operand.
void mirror_indexes(Vec<const int32_t> dim, int32_t n, int32_t tsp, int32_t wsp, Vec<const int64_t> stride,
                    Vec<int64_t> wi64) {
  const FiveAxis view(dim, stride);
  Vec<const int64_t> sp = Vec<const int64_t>(wi64).from(wsp);
  Vec<int64_t> mirror = wi64.from(tsp);
  for (int32_t j = 0; j < n; ++j) mirror[j] = view.mirror(sp[j]);
}

// Stable radix sort of the permutation of n stored elements at wi32[src ..] by their
// mirror indexes wi64[tsp + e]. Pass p sorts by block coordinate b = sortidx[p] (least
// significant first) through the run at dst and the dim[b] + 1 counters at wi32[cnt ..],
// then exchanges src and dst; a block of size 1 or less costs no pass. Returns (base of
// the sorted permutation, base of the other run).
std::tuple<int32_t, int32_t> sort_by_mirror(int32_t src, Vec<const int32_t> dim, int32_t n, int32_t cnt,
                                            Vec<const int32_t> sortidx, int32_t tsp, Vec<const int64_t> stride,
                                            int32_t dst, Vec<int32_t> wi32, Vec<const int64_t> wi64) {
  Vec<const int64_t> mirror = wi64.from(tsp);
  Vec<int32_t> count = wi32.from(cnt);
  for (int p = 0; p < 4; ++p) {
    const int32_t b = sortidx[p];
    const int32_t s = dim[b];
    if (s <= 1) continue;
    const int64_t st = stride[b];
    Vec<int32_t> from = wi32.from(src), to = wi32.from(dst);
    auto key = [&](int32_t e) { return block_coordinate(mirror[e], st, s); };
    for (int64_t j = 0; j <= s; ++j) count[j] = 0;
    for (int32_t i = 0; i < n; ++i) {
      const int64_t c = key(from[i]) + 1;
      count[c] = add32(count[c], 1);
    }
    for (int32_t j = 0; j < s; ++j) count[j + 1] += count[j];
    for (int32_t i = 0; i < n; ++i) {
      const int32_t e = from[i];
      const int64_t c = key(e);
      to[count[c]] = e;
      count[c] = add32(count[c], 1);
    }
    std::swap(src, dst);
  }
  return {src, dst};
}

// Count pass of the sparse symmetric part: the n stored elements (ptr at wptr, sp at
// wsp), their mirror indexes at tsp and the permutation at perm sorted by them.
// Returns (rnelem + result elements, rnnz + result terms).
std::tuple<int32_t, int32_t> sparse_symmetric_count(int32_t perm, int32_t n, int32_t wptr, int32_t rnelem,
                                                    int32_t rnnz, int32_t tsp, int32_t wsp, Vec<const int32_t> wi32,
                                                    Vec<const int64_t> wi64) {
  Vec<const int32_t> ptr = wi32.from(wptr);
  merge_with_mirrors(wi64.from(wsp), wi64.from(tsp), wi32.from(perm), n,
                     [&](int64_t, int64_t a, int64_t b, double) {
                       rnelem = add32(rnelem, 1);
                       rnnz = add32(rnnz, term_count(ptr, a));
                       if (b >= 0) rnnz = add32(rnnz, term_count(ptr, b));
                     });
  return {rnelem, rnnz};
}

// Build pass of the sparse symmetric part: writes a fresh sparse record on the result
// stack (ptr[0] = 0 and the entries after it, sp, bfix, nidxs and cof) into runs sized
// by the count pass. The operand's runs and the sorted permutation are as there.
void sparse_symmetric_build(int32_t wbfix, int32_t wcof, int32_t perm, int32_t n, int32_t wnidxs, int32_t wptr,
                            int32_t rbfix, int32_t rcof, Vec<double> rf64, Vec<int32_t> ri32, Vec<int64_t> ri64,
                            int32_t rnidxs, int32_t rptr, int32_t rsp, int32_t tsp, int32_t wsp,
                            Vec<const double> wf64, Vec<const int32_t> wi32, Vec<const int64_t> wi64) {
  const RecordIn w = operand_record(wi32, wi64, wf64, wptr, wnidxs, wcof, wbfix);
  RecordWriter out{result_record(ri32, ri64, rf64, rptr, rnidxs, rcof, rbfix)};
  Vec<int64_t> sp = ri64.from(rsp);
  out.start();
  merge_with_mirrors(wi64.from(wsp), wi64.from(tsp), wi32.from(perm), n,
                     [&](int64_t key, int64_t a, int64_t b, double scale) {
                       sp[out.elements] = key;
                       put_pair(out, w, a, b, scale);
                     });
}

// Count pass of the dense symmetric part: init minus the term counts of all diagonal
// elements (c1 = c3) of the operand whose ptr run is at wptr. With init = 2 × the
// operand's term count this is the term count of the result.
int32_t dense_symmetric_count(Vec<const int32_t> dim, int32_t wptr, int32_t init, Vec<const int64_t> stride,
                              Vec<const int32_t> wi32) {
  const FiveAxis view(dim, stride);
  Vec<const int32_t> ptr = wi32.from(wptr);
  if (!all_positive(view.d[0], view.d[2], view.d[4], view.d[1])) return init;
  ptr.expect_size(view.square_positions(view.d[1]) + 1);  // a dense operand, only its diagonal read
  for (int64_t c0 = 0; c0 < view.d[0]; ++c0)
    for (int64_t c2 = 0; c2 < view.d[2]; ++c2)
      for (int64_t c4 = 0; c4 < view.d[4]; ++c4)
        for (int64_t u = 0; u < view.d[1]; ++u) init = sub32(init, term_count(ptr, view.at(c0, u, c2, u, c4)));
  return init;
}

// Build pass of the dense symmetric part, appending to a result record that already
// holds rnelem elements and rnnz terms (ptr entries from rnelem + 1 on; ptr[0] is the
// caller's). Visits the operand's elements first, first + 1, ... in row-major order of
// the view of a whole shape (stride[4] = 1); the mirror of the element at (c0, ..., c4)
// is operand element first + c0 st0 + c3 st1 + c2 st2 + c1 st3 + c4. Returns (operand
// element after the last, new element count, new term count).
std::tuple<int32_t, int32_t, int32_t> dense_symmetric_build(
    int32_t wbfix, int32_t wcof, Vec<const int32_t> dim, int32_t first, int32_t wnidxs, int32_t wptr,
    int32_t rnelem, int32_t rbfix, int32_t rcof, Vec<double> rf64, Vec<int32_t> ri32, Vec<int64_t> ri64,
    int32_t rnidxs, int32_t rnnz, int32_t rptr, Vec<const int64_t> stride, Vec<const double> wf64,
    Vec<const int32_t> wi32, Vec<const int64_t> wi64) {
  const FiveAxis view(dim, stride);
  const RecordIn w = operand_record(wi32, wi64, wf64, wptr, wnidxs, wcof, wbfix);
  RecordWriter out{result_record(ri32, ri64, rf64, rptr, rnidxs, rcof, rbfix), rnelem, rnnz};
  if (!view.nonempty()) return {first, out.elements, out.terms};
  int64_t e = first;
  for (int64_t c0 = 0; c0 < view.d[0]; ++c0)
    for (int64_t c1 = 0; c1 < view.d[1]; ++c1)
      for (int64_t c2 = 0; c2 < view.d[2]; ++c2)
        for (int64_t c3 = 0; c3 < view.d[3]; ++c3)
          for (int64_t c4 = 0; c4 < view.d[4]; ++c4, ++e) {
            if (c1 == c3) {
              put_pair(out, w, e, -1, 1.0);
            } else {
              const int64_t t = add64(add64(first, view.at(c0, c3, c2, c1, 0)), c4);
              put_pair(out, w, e, t, 0.5);
            }
          }
  return {static_cast<int32_t>(e), out.elements, out.terms};
}

}  // namespace fragments::expr

TOPIC("The symmetric part of an expression over two dimensions of equal size")
FRAGMENT(406, expr::symmetric_view_strides, "OO", "dim", "stride")
DOC(406, "",
    "Five-axis strides, 64-bit: stride[b] = dim[b + 1] * stride[b + 1] for b = 3 down to 0 "
    "(wrapping), from stride[4], which the caller sets (1 for a plain row-major view). dim = "
    "(d0, d1, d2, d3, d4): the product of the sizes before the first chosen dimension, its "
    "size, the product of those between the two, the second's size (equal to d1) and the "
    "product of those after it (_c_closure_395, _c_closure_396 and _c_closure_397 build it). "
    "_c_closure_398 is the int32 twin.")
FRAGMENT(407, expr::work_identity_permutation, "iiO", "base", "n", "wi32")
DOC(407, "",
    "Identity permutation on the work stack: wi32[base + j] = j for j < n. The starting "
    "permutation of the n stored elements for _c_closure_408.")
FRAGMENT(408, expr::sort_by_mirror, "iOiiOiOiOO", "src", "dim", "n", "cnt", "sortidx", "tsp", "stride", "dst", "wi32",
         "wi64")
DOC(408, "perm, other",
    "Radix sort by mirror index for the sparse symmetric part: for p = 0 .. 3 with b = "
    "sortidx[p], a stable counting pass over the n entries of the permutation at wi32[src ..], "
    "by the key (wi64[tsp + e] / stride[b]) mod dim[b] of each element e (block coordinate b of "
    "its mirror), written through the run at dst with dim[b] + 1 counters at wi32[cnt ..]; then "
    "src and dst exchange roles. A block with dim[b] <= 1 takes no pass and no exchange. The "
    "passes run in the order given, least significant first.\n"
    "For the order that _c_closure_410 and _c_closure_411 need (increasing mirror index) start "
    "from the identity (_c_closure_407) and pass sortidx = (3, 2, 1, 0): storage order already "
    "orders block 4.\n"
    "wi32 needs n entries at src and at dst and the largest dim[sortidx[p]] + 1 at cnt.\n"
    "Returns (the base of the run that holds the sorted permutation, the base of the other "
    "run).")
FRAGMENT(409, expr::mirror_indexes, "OiiiOO", "dim", "n", "tsp", "wsp", "stride", "wi64")
DOC(409, "",
    "Mirror indexes for the sparse symmetric part: for j < n, wi64[tsp + j] = the mirror of L = "
    "wi64[wsp + j], that is c0*st0 + c3*st1 + c2*st2 + c1*st3 + c4*st4 with c_b = (L / "
    "stride[b]) mod dim[b] and st_b = stride[b] (the coordinates in the two chosen dimensions "
    "exchanged). A block with dim[b] <= 0 or stride[b] <= 0 gives coordinate 0. The n entries "
    "at tsp are read by _c_closure_408, _c_closure_410 and _c_closure_411.")
FRAGMENT(410, expr::sparse_symmetric_count, "iiiiiiiOO", "perm", "n", "wptr", "rnelem", "rnnz", "tsp", "wsp", "wi32",
         "wi64")
DOC(410, "rnelem, rnnz",
    "Sparse symmetric part count, the count pass of _c_closure_411: merges the n stored "
    "elements in storage order (key wi64[wsp + i]) with the same elements in mirror order (e = "
    "wi32[perm + j], key wi64[tsp + e]; perm sorted by _c_closure_408). Each distinct key is "
    "one result element, holding the terms of the element stored there and of the element "
    "stored at its mirror; a diagonal element (its own mirror) counts its terms once. Term "
    "counts come from the ptr run at wi32[wptr].\n"
    "Returns (rnelem + the result elements, rnnz + their terms), 32-bit; n = 0 returns (rnelem, "
    "rnnz).")
FRAGMENT(411, expr::sparse_symmetric_build, "iiiiiiiiOOOiiiiiOOO", "wbfix", "wcof", "perm", "n", "wnidxs", "wptr",
         "rbfix", "rcof", "rf64", "ri32", "ri64", "rnidxs", "rptr", "rsp", "tsp", "wsp", "wf64", "wi32", "wi64")
DOC(411, "",
    "Sparse symmetric part, the build pass sized by _c_closure_410: the same merge, writing for "
    "each result element k in increasing linear index x: ri64[rsp + k] = x; when only x is "
    "stored, its terms with coefficients * 0.5 and 0.5 * its constant; when only its mirror is "
    "stored, the mirror's terms * 0.5 and 0.5 * its constant; when both are, x's terms * 0.5, "
    "then the mirror's * 0.5, and 0.5 * (the sum of the two constants); a diagonal element (its "
    "own mirror) unchanged. Indexes are copied unchanged, nothing merged; ri32[rptr + k + 1] = "
    "terms so far.\n"
    "Builds the whole record, ptr[0] included (ri32[rptr] = 0), terms packed from position 0: "
    "with (E, T) = _c_closure_410(..., 0, 0, ...), ri32 needs rptr + E + 1 entries, ri64 rsp + "
    "E and rnidxs + T, rf64 rbfix + E and rcof + T. The result has the operand's shape and a "
    "strictly increasing sp.")
FRAGMENT(412, expr::dense_symmetric_count, "OiiOO", "dim", "wptr", "init", "stride", "wi32")
DOC(412, "rnnz",
    "Dense symmetric part count, the count pass of _c_closure_413: returns init minus the term "
    "counts of every diagonal element (c1 = c3, element c0*st0 + u*(st1 + st3) + c2*st2 + "
    "c4*st4 for u < d1) of the dense operand whose ptr run is at wi32[wptr] (st_b = stride[b]; "
    "32-bit, wrapping). With init = 2 * the operand's nnz it is the result's term count, since "
    "an element off the diagonal holds its own terms and its mirror's. The result has the "
    "operand's element count, d0*d1*d2*d3*d4.")
FRAGMENT(413, expr::dense_symmetric_build, "iiOiiiiiiOOOiiiOOOO", "wbfix", "wcof", "dim", "first", "wnidxs", "wptr",
         "rnelem", "rbfix", "rcof", "rf64", "ri32", "ri64", "rnidxs", "rnnz", "rptr", "stride", "wf64", "wi32",
         "wi64")
DOC(413, "first, rnelem, rnnz",
    "Dense symmetric part, the build pass sized by _c_closure_412: visits the view's positions "
    "(c0, c1, c2, c3, c4) in row-major order with operand element e = first, first + 1, ...; "
    "result element k (from k = rnelem) gets, when c1 = c3, e's terms unchanged and its "
    "constant; otherwise e's terms with coefficients * 0.5, then those of its mirror t = first "
    "+ c0*st0 + c3*st1 + c2*st2 + c1*st3 + c4 (st_b = stride[b]) with coefficients * 0.5, and "
    "0.5 * (constant of e + constant of t). Terms are copied from term position rnnz on; "
    "ri32[rptr + k + 1] = terms so far.\n"
    "first is the number of the operand's first element within the runs at wptr and wbfix (0 "
    "when they are the operand's own); e and its mirror are both offset by it. Expects the view "
    "of a whole shape (stride[4] = 1). Written after the rnelem elements and rnnz terms passed: "
    "with N = d0*d1*d2*d3*d4 and T from _c_closure_412, ri32 needs rptr + rnelem + N + 1 "
    "entries, rf64 rbfix + rnelem + N and rcof + rnnz + T, ri64 rnidxs + rnnz + T. ptr[0] is "
    "not written: the caller sets ri32[rptr] = 0 for a fresh record.\n"
    "Returns (first + N, rnelem + N, rnnz + T): the operand element after the last, the new "
    "element count and the new term count.")
