// Transposing and permuting the dimensions of an expression.
//
// Elements keep their terms and constants; only their positions change. The operand is
// on the work stack, the result is written on the result stack. For a permutation,
// dperm[d] is the dimension of the other shape that dimension d pairs with; the caller
// passes the strides (stride, dstride) and shape run accordingly.
#include "kernels/expr/record.h"

namespace fragments::expr {

namespace {

// Writes operand element e unchanged as the next result element, with the linear index
// `linear` when the result has an sp run.
void move_element(RecordWriter& out, const RecordIn& w, int64_t e, int64_t linear = 0) {
  out.copy(w, e);
  out.close(w.bfix[e], linear);
}

// sum over d < nd of ((L / stride[a(d)]) mod shape[a(d)]) * dstride[b(d)]: the linear
// index L re-read in the other shape, dimension by dimension.
template <class A, class B>
int64_t permuted_index(int64_t L, int32_t nd, Vec<const int64_t> stride, Vec<const int32_t> shape,
                       Vec<const int32_t> dstride, A a, B b) {
  int64_t index = 0;
  for (int32_t d = 0; d < nd; ++d) {
    const int32_t s = a(d);
    index = add64(index, mul64(rem64(div64(L, stride[s]), shape[s]), dstride[b(d)]));
  }
  return index;
}

}  // namespace

// Sparse permutation, first step: for the count stored elements (sp at spbase) of an
// operand of nd dimensions (shape at shapebase, strides stride), writes into sp[k] the
// element's linear index in the permuted shape: sum over d of ((v / stride[d]) mod
// shape[d]) * dstride[dperm[d]], dstride being the permuted shape's strides.
void permute_sparse_indexes(Vec<const int32_t> dperm, Vec<const int32_t> dstride, int32_t spbase, int32_t nd,
                            int32_t count, int32_t shapebase, Vec<int64_t> sp, Vec<const int64_t> stride,
                            Vec<const int32_t> wi32, Vec<const int64_t> wi64) {
  Vec<const int32_t> shape = wi32.from(shapebase);
  Vec<const int64_t> operand_sp = wi64.from(spbase);
  for (int32_t k = 0; k < count; ++k)
    sp[k] = permuted_index(operand_sp[k], nd, stride, shape, dstride, [](int32_t d) { return d; },
                           [&](int32_t d) { return dperm[d]; });
}

// Sparse permutation, second step: result element k is operand element e = perm[k]
// (the caller's order of ascending new index), with sp[e] (from the first step) as its
// linear index. Writes ptr[k + 1], sp[k], bfix[k] for k < count (ptr[0] is the caller's)
// and the terms from term position rnnz. Returns (rnelem + count, the advanced rnnz).
std::tuple<int32_t, int32_t> permute_sparse_elements(int32_t bfixbase, int32_t cofbase, int32_t nidxsbase,
                                                     int32_t ptrbase, int32_t rnelem, int32_t rnnz, int32_t count,
                                                     Vec<const int64_t> perm, int32_t rbfixbase, int32_t rcofbase,
                                                     Vec<double> rf64, Vec<int32_t> ri32, Vec<int64_t> ri64,
                                                     int32_t rnidxsbase, int32_t rptrbase, int32_t rspbase,
                                                     Vec<const int64_t> sp, Vec<const double> wf64,
                                                     Vec<const int32_t> wi32, Vec<const int64_t> wi64) {
  const RecordIn w = operand_record(wi32, wi64, wf64, ptrbase, nidxsbase, cofbase, bfixbase);
  RecordWriter out{result_record(ri32, ri64, rf64, rptrbase, rnidxsbase, rcofbase, rbfixbase), 0, rnnz};
  out.r.sp = ri64.from(rspbase);
  for (int32_t k = 0; k < count; ++k) {
    const int64_t e = perm[k];
    move_element(out, w, e, sp[e]);
    rnelem = add32(rnelem, 1);
  }
  return {rnelem, out.terms};
}

// Dense permutation: for t = 0 .. count - 1 (the result's linear index; the result's
// strides stride and shape at shapebase), result element rnelem + t is operand element
// sum over d of ((t / stride[dperm[d]]) mod shape[dperm[d]]) * dstride[d], dstride being
// the operand's strides. Writes ptr[rnelem + 1 ..] (ptr[0] is the caller's), bfix and the
// terms from term position rnnz. Returns the advanced (rnelem, rnnz).
std::tuple<int32_t, int32_t> permute_dense(Vec<const int32_t> dperm, Vec<const int32_t> dstride, int32_t bfixbase,
                                           int32_t cofbase, int32_t nidxsbase, int32_t ptrbase, int32_t rnelem,
                                           int32_t rnnz, int32_t nd, int32_t count, int32_t rbfixbase,
                                           int32_t rcofbase, Vec<double> rf64, Vec<int32_t> ri32, Vec<int64_t> ri64,
                                           int32_t rnidxsbase, int32_t rptrbase, int32_t shapebase,
                                           Vec<const int64_t> stride, Vec<const double> wf64, Vec<const int32_t> wi32,
                                           Vec<const int64_t> wi64) {
  const RecordIn w = operand_record(wi32, wi64, wf64, ptrbase, nidxsbase, cofbase, bfixbase);
  RecordWriter out{result_record(ri32, ri64, rf64, rptrbase, rnidxsbase, rcofbase, rbfixbase), rnelem, rnnz};
  Vec<const int32_t> shape = wi32.from(shapebase);
  for (int32_t t = 0; t < count; ++t) {
    const int64_t s = permuted_index(t, nd, stride, shape, dstride, [&](int32_t d) { return dperm[d]; },
                                     [](int32_t d) { return d; });
    move_element(out, w, s);
  }
  return out.counts();
}

// Sparse transpose of an m by n operand with count stored elements (sp at spbase) into
// the n by m sparse result: a stable counting sort of the elements by column, with
// xi32 runs of n + 1 counters at cntbase and count positions at permbase, then the
// elements in that order with sp = v / n + m * (v mod n). Writes ptr[0 .. count]
// (ptr[0] = 0), sp, bfix and the terms from term position 0.
void transpose_sparse(int32_t m, int32_t n, int32_t bfixbase, int32_t cofbase, int32_t nidxsbase, int32_t ptrbase,
                      int32_t spbase, int32_t count, int32_t permbase, int32_t cntbase, int32_t rbfixbase,
                      int32_t rcofbase, Vec<double> rf64, Vec<int32_t> ri32, Vec<int64_t> ri64, int32_t rnidxsbase,
                      int32_t rptrbase, int32_t rspbase, Vec<const double> wf64, Vec<const int32_t> wi32,
                      Vec<const int64_t> wi64, Vec<int32_t> xi32) {
  const RecordIn w = operand_record(wi32, wi64, wf64, ptrbase, nidxsbase, cofbase, bfixbase);
  RecordWriter out{result_record(ri32, ri64, rf64, rptrbase, rnidxsbase, rcofbase, rbfixbase)};
  out.r.sp = ri64.from(rspbase);
  Vec<const int64_t> sp = wi64.from(spbase);
  Vec<int32_t> cnt = xi32.from(cntbase);
  Vec<int32_t> perm = xi32.from(permbase);

  for (int64_t c = 0; c <= n; ++c) cnt[c] = 0;
  for (int32_t e = 0; e < count; ++e) {
    const int64_t c = rem64(sp[e], n) + 1;
    cnt[c] = add32(cnt[c], 1);
  }
  for (int64_t c = 0; c < n; ++c) cnt[c + 1] = add32(cnt[c + 1], cnt[c]);
  for (int32_t e = 0; e < count; ++e) {
    const int64_t key = rem64(sp[e], n);
    perm[cnt[key]] = e;
    cnt[key] = add32(cnt[key], 1);
  }

  out.start();
  for (int32_t k = 0; k < count; ++k) {
    const int32_t e = perm[k];
    const int64_t v = sp[e];
    move_element(out, w, e, add64(div64(v, n), mul64(m, rem64(v, n))));
  }
}

// Dense transpose of an m by n operand into the n by m result: result element i * m + j
// is operand element j * n + i. Writes ptr[0 .. m * n] (ptr[0] = 0), bfix and the terms
// from term position 0.
void transpose_dense(int32_t m, int32_t n, int32_t bfixbase, int32_t cofbase, int32_t nidxsbase, int32_t ptrbase,
                     int32_t rbfixbase, int32_t rcofbase, Vec<double> rf64, Vec<int32_t> ri32, Vec<int64_t> ri64,
                     int32_t rnidxsbase, int32_t rptrbase, Vec<const double> wf64, Vec<const int32_t> wi32,
                     Vec<const int64_t> wi64) {
  const RecordIn w = operand_record(wi32, wi64, wf64, ptrbase, nidxsbase, cofbase, bfixbase);
  RecordWriter out{result_record(ri32, ri64, rf64, rptrbase, rnidxsbase, rcofbase, rbfixbase)};
  out.start();
  if (!all_positive(m, n)) return;
  for (int64_t i = 0; i < n; ++i)
    for (int64_t j = 0; j < m; ++j) move_element(out, w, j * n + i);
}

}  // namespace fragments::expr

TOPIC("Transposing and permuting the dimensions of an expression")
FRAGMENT(264, expr::permute_sparse_indexes, "OOiiiiOOOO", "dperm", "dstride", "spbase", "nd", "count", "shapebase", "sp", "stride", "wi32", "wi64")
DOC(264, "",
    "Sparse permutation of dimensions, new indexes (the first step; the caller's sort and "
    "_c_closure_265 follow): for each of the count stored elements of the sparse work-stack "
    "record, with v = wi64[spbase + k], writes sp[k] = sum over d < nd of ((v / stride[d]) mod "
    "wi32[shapebase + d]) * dstride[dperm[d]], its linear index in the permuted shape. stride "
    "(int64) and the shape run at shapebase are the operand's; dperm[d] is the result dimension "
    "that operand dimension d becomes; dstride (int32) holds the result shape's strides.\n"
    "sp is an array outside the stacks with count entries. The caller then lists the element "
    "numbers in ascending sp (a sort of sp) as perm for _c_closure_265.")
FRAGMENT(265, expr::permute_sparse_elements, "iiiiiiiOiiOOOiiiOOOO", "bfixbase", "cofbase", "nidxsbase", "ptrbase", "rnelem", "rnnz", "count", "perm", "rbfixbase", "rcofbase", "rf64", "ri32", "ri64", "rnidxsbase", "rptrbase", "rspbase", "sp", "wf64", "wi32", "wi64")
DOC(265, "rnelem, rnnz",
    "Sparse permutation of dimensions, the build pass (after _c_closure_264 and the caller's "
    "sort): for k = 0 .. count - 1 with e = perm[k], result element k is the operand's stored "
    "element e: its terms copied unchanged to ri64[rnidxsbase + rnnz ..] and rf64[rcofbase + "
    "rnnz ..] (rnnz advancing), ri32[rptrbase + k + 1] = rnnz, ri64[rspbase + k] = sp[e] (its "
    "new linear index from _c_closure_264) and rf64[rbfixbase + k] = wf64[bfixbase + e].\n"
    "The ptr, sp and bfix entries count from k = 0 whatever rnelem is passed: rnelem only feeds "
    "the first returned value, while the terms start at rnnz. For a fresh result pass rnelem = "
    "rnnz = 0; the result has the operand's counts (count elements, its nnz terms), so ri32 "
    "needs rptrbase + count + 1 entries, ri64 rspbase + count and rnidxsbase + nnz, rf64 "
    "rbfixbase + count and rcofbase + nnz. perm must list every element once in ascending new "
    "index, or the result's sp is not increasing.\n"
    "ptr[0] is not written: the caller sets ri32[rptrbase] = 0.\n"
    "Returns (rnelem + count, rnnz + the terms copied): with 0, 0 passed, the result's element "
    "count and term count.")
FRAGMENT(266, expr::permute_dense, "OOiiiiiiiiiiOOOiiiOOOO", "dperm", "dstride", "bfixbase", "cofbase", "nidxsbase", "ptrbase", "rnelem", "rnnz", "nd", "count", "rbfixbase", "rcofbase", "rf64", "ri32", "ri64", "rnidxsbase", "rptrbase", "shapebase", "stride", "wf64", "wi32", "wi64")
DOC(266, "rnelem, rnnz",
    "Dense permutation of dimensions: for each result linear index t = 0 .. count - 1, result "
    "element rnelem + t is operand element s = sum over d < nd of ((t / stride[dperm[d]]) mod "
    "wi32[shapebase + dperm[d]]) * dstride[d]: its terms copied unchanged from term position "
    "rnnz on (rnnz advancing), ri32[rptrbase + rnelem + t + 1] = rnnz and rf64[rbfixbase + "
    "rnelem + t] = wf64[bfixbase + s]. Here stride (int64) and the shape run at wi32[shapebase] "
    "are the result's (the permuted shape, placed on the work stack), dstride (int32) holds the "
    "operand's strides, and dperm[d] is the result dimension that operand dimension d becomes. "
    "count is the element count of the shape.\n"
    "No count pass: the result has the operand's counts. Written after the rnelem elements and "
    "rnnz terms passed: ri32 needs rptrbase + rnelem + count + 1 entries, rf64 rbfixbase + "
    "rnelem + count and rcofbase + rnnz + nnz, ri64 rnidxsbase + rnnz + nnz (nnz the operand's "
    "term count). ptr[0] is not written: the caller sets ri32[rptrbase] = 0 for a fresh record.\n"
    "Returns the advanced (rnelem, rnnz).")
FRAGMENT(267, expr::transpose_sparse, "iiiiiiiiiiiiOOOiiiOOOO", "m", "n", "bfixbase", "cofbase", "nidxsbase", "ptrbase", "spbase", "count", "permbase", "cntbase", "rbfixbase", "rcofbase", "rf64", "ri32", "ri64", "rnidxsbase", "rptrbase", "rspbase", "wf64", "wi32", "wi64", "xi32")
DOC(267, "",
    "Sparse transpose of an m by n record into the n by m sparse result: a stable counting sort "
    "of the count stored elements by column v mod n (v = wi64[spbase + e]), rows staying in "
    "increasing order, with n + 1 counters at xi32[cntbase ..] and count positions at "
    "xi32[permbase ..]; then result element k is the k-th element e in that order: its terms "
    "copied unchanged, packed from term position 0, ri64[rspbase + k] = v / n + m * (v mod n) "
    "(its transposed linear index), rf64[rbfixbase + k] = its constant, ri32[rptrbase + k + 1] "
    "= terms so far.\n"
    "Builds the whole record, ptr[0] included (ri32[rptrbase] = 0), with the operand's counts "
    "(no count pass): ri32 needs rptrbase + count + 1 entries, ri64 rspbase + count and "
    "rnidxsbase + nnz, rf64 rbfixbase + count and rcofbase + nnz (nnz the operand's term "
    "count); xi32 cntbase + n + 1 and permbase + count. The result's sp is strictly increasing.")
FRAGMENT(268, expr::transpose_dense, "iiiiiiiiOOOiiOOO", "m", "n", "bfixbase", "cofbase", "nidxsbase", "ptrbase", "rbfixbase", "rcofbase", "rf64", "ri32", "ri64", "rnidxsbase", "rptrbase", "wf64", "wi32", "wi64")
DOC(268, "",
    "Dense transpose of an m by n record into the n by m dense result: result element i * m + j "
    "(i < n, j < m) is operand element j * n + i, with its terms copied unchanged, packed from "
    "term position 0, and its constant.\n"
    "Builds the whole record, ptr[0] included (ri32[rptrbase] = 0), with the operand's counts "
    "(no count pass): ri32 needs rptrbase + m*n + 1 entries, rf64 rbfixbase + m*n and rcofbase "
    "+ nnz, ri64 rnidxsbase + nnz (nnz the operand's term count).")
