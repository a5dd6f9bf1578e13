// Picking and slicing elements of an expression.
//
// A pick takes a list of linear indexes (idxs; their number is the array's length) and
// builds a one-dimensional dense record with one element per index; a slice takes a box
// (first[d] <= c_d < last[d] in every dimension d) and builds the sub-array, dense or
// sparse like the operand. Elements keep their terms and constants. The operand is on
// the work stack, the result on the result stack; pick results leave ri32[rptrbase]
// (0) to the caller.
#include "kernels/expr/record.h"

namespace fragments::expr {

namespace {

// Writes operand element e unchanged as the next result element, or for e < 0 the zero
// element (no terms, constant 0).
void pick_element(RecordWriter& out, const RecordIn& w, int64_t e) {
  if (e < 0) return out.close(0.0);
  out.copy(w, e);
  out.close(w.bfix[e]);
}

// Whether linear index L (coordinates (L / st[d]) mod shape[d]) lies in the box
// first[d] <= c_d < last[d], tested from dimension 0; coords, when given, receives the
// coordinates up to the first one outside.
bool in_box(int64_t L, int32_t nd, Vec<const int64_t> st, Vec<const int32_t> shape, Vec<const int32_t> first,
            Vec<const int32_t> last, Vec<int32_t> coords) {
  for (int32_t d = 0; d < nd; ++d) {
    const int64_t c = rem64(div64(L, st[d]), shape[d]);
    if (coords) coords[d] = static_cast<int32_t>(c);
    if (c < first[d] || c >= last[d]) return false;
  }
  return true;
}

}  // namespace

// Picks from a dense operand: result element k is operand element idxs[k], for every
// entry of idxs. Writes ptr[1 ..], bfix and the terms from term position rnnz (ptr[0]
// is the caller's). Returns rnnz advanced by the terms written.
int32_t pick_dense(int32_t bfixbase, int32_t cofbase, Vec<const int64_t> idxs, int32_t rnnz, int32_t nidxsbase,
                   int32_t ptrbase, int32_t rbfixbase, int32_t rcofbase, Vec<double> rf64, Vec<int32_t> ri32,
                   Vec<int64_t> ri64, int32_t rnidxsbase, int32_t rptrbase, Vec<const double> wf64,
                   Vec<const int32_t> wi32, Vec<const int64_t> wi64) {
  const RecordIn w = operand_record(wi32, wi64, wf64, ptrbase, nidxsbase, cofbase, bfixbase);
  RecordWriter out{result_record(ri32, ri64, rf64, rptrbase, rnidxsbase, rcofbase, rbfixbase), 0, rnnz};
  for (int64_t k = 0; k < idxs.size(); ++k) pick_element(out, w, idxs[k]);
  return out.terms;
}

// Count pass of a pick from a sparse operand of count stored elements (sp at spbase,
// ptr at ptrbase): for every entry t of idxs, writes xi32[posbase + k] = the position j
// with sp[j] = t, or -1 when the operand does not store t, found by bisection. Returns
// rnnz plus the terms of the found elements.
int32_t locate_sparse(Vec<const int64_t> idxs, int32_t count, int32_t ptrbase, int32_t rnnz, int32_t spbase,
                      int32_t posbase, Vec<const int32_t> wi32, Vec<const int64_t> wi64, Vec<int32_t> xi32) {
  Vec<const int64_t> sp = wi64.from(spbase);
  Vec<const int32_t> ptr = wi32.from(ptrbase);
  Vec<int32_t> pos = xi32.from(posbase);
  for (int64_t k = 0; k < idxs.size(); ++k) {
    const int64_t t = idxs[k];
    // sp[lo] < t <= sp[hi], with sp[-1] = -inf and sp[count] = +inf.
    int64_t lo = -1, hi = count;
    while (lo < hi - 1) {
      const int64_t mid = (lo + hi + 1) / 2;
      if (sp[mid] < t)
        lo = mid;
      else
        hi = mid;
    }
    const int64_t j = lo + 1;
    if (j < count && sp[j] == t) {
      pos[k] = static_cast<int32_t>(j);
      rnnz = add32(rnnz, sub32(ptr[j + 1], ptr[j]));
    } else {
      pos[k] = -1;
    }
  }
  return rnnz;
}

// Build pass of a pick from a sparse operand: result element k is the operand's stored
// element j = xi32[posbase + k] (from locate_sparse), or the zero element when j < 0,
// for k below the length of idxs (whose values are not read). Writes ptr[1 ..], bfix
// and the terms from term position rnnz. Returns rnnz advanced by the terms written.
int32_t pick_sparse(int32_t bfixbase, int32_t cofbase, Vec<const int64_t> idxs, int32_t rnnz, int32_t nidxsbase,
                    int32_t ptrbase, int32_t rbfixbase, int32_t rcofbase, Vec<double> rf64, Vec<int32_t> ri32,
                    Vec<int64_t> ri64, int32_t rnidxsbase, int32_t rptrbase, int32_t posbase, Vec<const double> wf64,
                    Vec<const int32_t> wi32, Vec<const int64_t> wi64, Vec<const int32_t> xi32) {
  const RecordIn w = operand_record(wi32, wi64, wf64, ptrbase, nidxsbase, cofbase, bfixbase);
  RecordWriter out{result_record(ri32, ri64, rf64, rptrbase, rnidxsbase, rcofbase, rbfixbase), 0, rnnz};
  Vec<const int32_t> pos = xi32.from(posbase);
  for (int64_t k = 0; k < idxs.size(); ++k) pick_element(out, w, pos[k]);
  return out.terms;
}

// Count pass of a slice of the box first .. last (nd dimensions) from an operand of count
// stored elements (shape at shapebase, strides st, ptr at ptrbase, sp at spbase when
// sparse != 0). Dense: returns (product of last[d] - first[d], rnnz + the terms of the
// elements in the box); the passed rnelem is not used. Sparse: returns (rnelem + the
// stored elements in the box, rnnz + their terms). Products and sums wrap in 32 bits.
std::tuple<int32_t, int32_t> slice_count(Vec<const int32_t> first, int32_t sparse, Vec<const int32_t> last, int32_t nd,
                                         int32_t count, int32_t ptrbase, int32_t rnelem, int32_t rnnz,
                                         int32_t shapebase, int32_t spbase, Vec<const int64_t> st,
                                         Vec<const int32_t> wi32, Vec<const int64_t> wi64) {
  Vec<const int32_t> shape = wi32.from(shapebase);
  Vec<const int32_t> ptr = wi32.from(ptrbase);
  Vec<const int64_t> sp = wi64.from(spbase);
  if (!sparse) {
    rnelem = box_elements(1, first, last, nd);
  }
  ptr.expect_size(int64_t{count} + 1);  // read only for the elements in the box
  for (int32_t k = 0; k < count; ++k) {
    if (!in_box(sparse ? sp[k] : k, nd, st, shape, first, last, {})) continue;
    if (sparse) rnelem = add32(rnelem, 1);
    rnnz = add32(rnnz, sub32(ptr[k + 1], ptr[k]));
  }
  return {rnelem, rnnz};
}

// Build pass of the slice: for every stored element k < count in increasing order whose
// linear index (k, or sp[k] when sparse) lies in the box, writes result element rnelem:
// its terms from position rnnz, ptr[rnelem + 1], bfix and, when sparse, sp = sum over d
// of (c_d - first[d]) * rst[d], its linear index in the box's shape (strides rst).
// ptr[0] is the caller's. The sparse case takes an nd-entry scratch array for the
// coordinates before writing anything. Returns the advanced (rnelem, rnnz).
std::tuple<int32_t, int32_t> slice_build(int32_t bfixbase, int32_t cofbase, Vec<const int32_t> first, int32_t sparse,
                                         int32_t rnelem, int32_t rnnz, Vec<const int32_t> last, int32_t nd,
                                         int32_t count, int32_t nidxsbase, int32_t ptrbase, int32_t rbfixbase,
                                         int32_t rcofbase, Vec<double> rf64, Vec<int32_t> ri32, Vec<int64_t> ri64,
                                         int32_t rnidxsbase, int32_t rptrbase, int32_t rspbase, Vec<const int64_t> rst,
                                         int32_t shapebase, int32_t spbase, Vec<const int64_t> st,
                                         Vec<const double> wf64, Vec<const int32_t> wi32, Vec<const int64_t> wi64) {
  Scratch<int32_t> coords(sparse ? nd : 0);
  const RecordIn w = operand_record(wi32, wi64, wf64, ptrbase, nidxsbase, cofbase, bfixbase);
  RecordWriter out{result_record(ri32, ri64, rf64, rptrbase, rnidxsbase, rcofbase, rbfixbase), rnelem, rnnz};
  if (sparse) out.r.sp = ri64.from(rspbase);
  Vec<const int32_t> shape = wi32.from(shapebase);
  Vec<const int64_t> sp = wi64.from(spbase);
  w.ptr.expect_size(int64_t{count} + 1);  // read only for the elements in the box
  for (int32_t k = 0; k < count; ++k) {
    if (!in_box(sparse ? sp[k] : k, nd, st, shape, first, last, coords.view())) continue;
    out.copy(w, k);
    int64_t index = 0;
    if (sparse)
      for (int32_t d = 0; d < nd; ++d) index = add64(index, mul64(sub32(coords[d], first[d]), rst[d]));
    out.close(w.bfix[k], index);
  }
  return out.counts();
}

}  // namespace fragments::expr

TOPIC("Picking and slicing elements of an expression")
FRAGMENT(257, expr::pick_dense, "iiOiiiiiOOOiiOOO", "bfixbase", "cofbase", "idxs", "rnnz", "nidxsbase", "ptrbase", "rbfixbase", "rcofbase", "rf64", "ri32", "ri64", "rnidxsbase", "rptrbase", "wf64", "wi32", "wi64")
DOC(257, "rnnz",
    "Pick from a dense operand, the build pass sized by _c_closure_256: for k = 0 .. len(idxs) "
    "- 1, result element k is element e = idxs[k] of the dense work-stack record (ptr at "
    "wi32[ptrbase], nidxs at wi64[nidxsbase], cof at wf64[cofbase], bfix at wf64[bfixbase]): "
    "its terms are copied unchanged and in order to ri64[rnidxsbase + rnnz ..] and "
    "rf64[rcofbase + rnnz ..], rnnz advancing by their number; then ri32[rptrbase + k + 1] = "
    "rnnz and rf64[rbfixbase + k] = wf64[bfixbase + e]. An entry idxs[k] < 0 gives the zero "
    "element (no terms, constant 0.0).\n"
    "The number of picks is len(idxs), the array's own length; the result is one-dimensional "
    "and dense with that many elements. rnnz is the term position where the picked terms begin "
    "(0 for a fresh record). The final rnnz is T = _c_closure_256(idxs, ptrbase, rnnz, wi32), "
    "so ri32 needs rptrbase + len(idxs) + 1 entries, ri64 rnidxsbase + T, and rf64 both "
    "rcofbase + T and rbfixbase + len(idxs).\n"
    "ptr[0] (ri32[rptrbase]) is not written: the caller sets it (0 for a fresh record).\n"
    "Returns the advanced rnnz (32-bit, wrapping): equal to T.")
FRAGMENT(258, expr::locate_sparse, "OiiiiiOOO", "idxs", "count", "ptrbase", "rnnz", "spbase", "posbase", "wi32", "wi64", "xi32")
DOC(258, "rnnz",
    "Locate picks in a sparse operand, the count pass of _c_closure_259: for each k < "
    "len(idxs), searches t = idxs[k] by bisection in the strictly increasing sp run wi64[spbase "
    ".. spbase + count - 1] of the sparse work-stack record (count stored elements, ptr at "
    "wi32[ptrbase]) and writes xi32[posbase + k] = the position j with sp[j] = t, or -1 when "
    "the record does not store t; each found element adds its term count ptr[j + 1] - ptr[j] to "
    "rnnz.\n"
    "xi32 needs posbase + len(idxs) entries (the position run that _c_closure_259 reads). count "
    "= 0 marks every index -1; an empty idxs writes nothing.\n"
    "Returns rnnz plus the terms of the found elements (32-bit, wrapping): with rnnz = 0 the "
    "term count of the pick.")
FRAGMENT(259, expr::pick_sparse, "iiOiiiiiOOOiiiOOOO", "bfixbase", "cofbase", "idxs", "rnnz", "nidxsbase", "ptrbase", "rbfixbase", "rcofbase", "rf64", "ri32", "ri64", "rnidxsbase", "rptrbase", "posbase", "wf64", "wi32", "wi64", "xi32")
DOC(259, "rnnz",
    "Pick from a sparse operand, the build pass sized by _c_closure_258: for k = 0 .. len(idxs) "
    "- 1, with j = xi32[posbase + k] (the positions _c_closure_258 wrote), result element k is "
    "the work-stack record's stored element j: its terms copied unchanged to ri64[rnidxsbase + "
    "rnnz ..] and rf64[rcofbase + rnnz ..] (rnnz advancing) and rf64[rbfixbase + k] = "
    "wf64[bfixbase + j]; for j < 0 it is the zero element (no terms, constant 0.0). Then "
    "ri32[rptrbase + k + 1] = rnnz.\n"
    "Only the length of idxs is used, not its values. The result is one-dimensional and dense "
    "with len(idxs) elements: with T the value _c_closure_258 returned for the same starting "
    "rnnz, ri32 needs rptrbase + len(idxs) + 1 entries, ri64 rnidxsbase + T, rf64 rcofbase + T "
    "and rbfixbase + len(idxs).\n"
    "ptr[0] (ri32[rptrbase]) is not written: the caller sets it (0 for a fresh record).\n"
    "Returns the advanced rnnz (T).")
FRAGMENT(261, expr::slice_count, "OiOiiiiiiiOOO", "first", "sparse", "last", "nd", "count", "ptrbase", "rnelem", "rnnz", "shapebase", "spbase", "st", "wi32", "wi64")
DOC(261, "rnelem, rnnz",
    "Slice count, the count pass of _c_closure_263: the box holds the elements whose "
    "coordinates c_d = (L / st[d]) mod wi32[shapebase + d] satisfy first[d] <= c_d < last[d] "
    "for every d < nd. Of the work-stack record's count stored elements (linear index L = k "
    "when sparse = 0, L = wi64[spbase + k] otherwise; ptr at wi32[ptrbase]):\n"
    "- sparse = 0 (dense): returns (the product of last[d] - first[d] over d < nd, rnnz + the "
    "terms of the elements in the box); the rnelem passed is ignored, not added.\n"
    "- sparse != 0: returns (rnelem + the stored elements in the box, rnnz + their terms).\n"
    "st holds the operand's strides (_c_closure_260). Counts, sums and the product wrap in 32 "
    "bits. A box outside the shape is not detected.")
FRAGMENT(263, expr::slice_build, "iiOiiiOiiiiiiOOOiiiOiiOOOO", "bfixbase", "cofbase", "first", "sparse", "rnelem", "rnnz", "last", "nd", "count", "nidxsbase", "ptrbase", "rbfixbase", "rcofbase", "rf64", "ri32", "ri64", "rnidxsbase", "rptrbase", "rspbase", "rst", "shapebase", "spbase", "st", "wf64", "wi32", "wi64")
DOC(263, "rnelem, rnnz",
    "Slice build, the build pass sized by _c_closure_261: for the stored elements k = 0 .. "
    "count - 1 in order (linear index L = k when sparse = 0, L = wi64[spbase + k] otherwise) "
    "whose coordinates c_d = (L / st[d]) mod wi32[shapebase + d] lie in the box first[d] <= c_d "
    "< last[d] (all d < nd), writes result element rnelem: its terms copied unchanged to "
    "ri64[rnidxsbase + rnnz ..] and rf64[rcofbase + rnnz ..] (rnnz advancing), ri32[rptrbase + "
    "rnelem + 1] = rnnz, rf64[rbfixbase + rnelem] = its constant and, when sparse != 0, "
    "ri64[rspbase + rnelem] = sum over d of (c_d - first[d]) * rst[d], its linear index in the "
    "box's shape; then rnelem += 1.\n"
    "The result is dense or sparse like the operand, in row-major order of the box (a sparse "
    "result's sp strictly increasing). rst holds the strides of the box's shape (last[d] - "
    "first[d]; _c_closure_262); rspbase is not used when sparse = 0. The elements go after the "
    "rnelem elements and rnnz terms passed: with E new elements and T new terms (_c_closure_261 "
    "returns E itself for a dense operand, rnelem + E for a sparse one, and rnnz + T), ri32 "
    "needs rptrbase + rnelem + E + 1 entries, rf64 rbfixbase + rnelem + E and rcofbase + rnnz + "
    "T, ri64 rnidxsbase + rnnz + T (and rspbase + rnelem + E when sparse).\n"
    "ptr[0] is not written: the caller sets ri32[rptrbase] = 0 before the first piece. A sparse "
    "slice takes nd int32 of scratch memory before writing anything (MemoryError if it cannot).\n"
    "Returns the advanced (rnelem, rnnz).")
