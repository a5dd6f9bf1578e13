// Stacking expressions along a dimension.
//
// A list of operand records on the work stack, all of one shape except in dimension
// dim, is joined into one record whose size in dim is the sum of theirs (or, when dim
// equals their number of dimensions, a new trailing dimension of one entry per
// operand). Per-operand arrays carry each operand's counts and bases (nelem, nnz, nds,
// d1s = size in dim, shape_bases, ptr_base, nidxs_base, cof_base, bfix_base, sp_base)
// and offset[i], operand i's first position in dim.
//
// In (outer, dim, inner) terms, with outer the product of the sizes before dim and
// inner the product of those after it, operand element (o, j, q) becomes result element
// (o, offset[i] + j, q) of a result of size total in dim.
//
// Two ways to build the result:
//   all operands dense: stack_dense writes the dense result directly;
//   otherwise: gather_terms copies all terms and constants to the scratch stack,
//     append_sparse_operand / append_dense_operand add each operand's new linear
//     indexes and shifted row pointers there, and sort_gathered writes the elements
//     in increasing linear index as the result (copy_gathered when they already are).
#include "kernels/expr/record.h"

namespace fragments::expr {

namespace {

// Writes gathered element e (ptr, sp, bfix, nidxs, cof on the scratch stack) as result
// element k, for k = 0 .. count - 1 with e = order(k): ptr[0] = 0, ptr[k + 1] = terms
// so far, sp, bfix, and the terms packed from term position 0.
template <class Order>
void write_gathered(int32_t count, Order order, RecordIn x, RecordOut r) {
  RecordWriter out{r};
  out.start();
  for (int64_t k = 0; k < count; ++k) {
    const int64_t e = order(k);
    out.copy(x, e);
    out.close(x.bfix[e], x.sp[e]);
  }
}

// Appends one element to the gathered record: its linear index in the stacked shape and
// its row end, already shifted by the terms gathered before its operand.
inline void append_gathered(Vec<int64_t> xsp, Vec<int32_t> xptr, int32_t xnelem, int64_t index, int32_t rowend) {
  xsp[xnelem] = index;
  xptr[int64_t(xnelem) + 1] = rowend;
}

}  // namespace

// True when operand i does not fit the stack: when mismatch is already non-zero, when
// nds[i] differs from nd, or when some dimension k < nd other than dim has a size
// (wi32[shape_bases[i] + k]) that differs from the reference shape wi32[shapebase + k].
// The caller folds it over the operands, passing the previous answer as mismatch.
bool operand_mismatch(int32_t dim, int32_t i, int32_t mismatch, int32_t nd, Vec<const int32_t> nds, int32_t shapebase,
                      Vec<const int32_t> shape_bases, Vec<const int32_t> wi32) {
  if (mismatch != 0) return true;
  if (nds[i] != nd) return true;
  Vec<const int32_t> reference = wi32.from(shapebase);
  Vec<const int32_t> operand = wi32.from(shape_bases[i]);
  for (int32_t k = 0; k < nd; ++k)
    if (k != dim && reference[k] != operand[k]) return true;
  return false;
}

// The result size in dim: total plus the n operands' sizes in dim (wi32[shape_bases[i]
// + dim]) when dim < nd, wrapping in 32 bits; n (a new dimension) when dim >= nd.
int32_t stacked_size(int32_t dim, int32_t n, int32_t nd, int32_t total, Vec<const int32_t> shape_bases,
                     Vec<const int32_t> wi32) {
  if (dim >= nd) return n;
  for (int32_t i = 0; i < n; ++i) total = add32(total, wi32[int64_t(shape_bases[i]) + dim]);
  return total;
}

// (totalelem + sum of nelem[0 .. n-1], totalnnz + sum of nnz[0 .. n-1]), wrapping in 32 bits.
std::tuple<int32_t, int32_t> stacked_counts(int32_t n, Vec<const int32_t> nelem, Vec<const int32_t> nnz,
                                            int32_t totalelem, int32_t totalnnz) {
  for (int32_t i = 0; i < n; ++i) {
    totalelem = add32(totalelem, nelem[i]);
    totalnnz = add32(totalnnz, nnz[i]);
  }
  return {totalelem, totalnnz};
}

// offset[k] = offset[k - 1] + d1s[k - 1] for k = 1 .. n - 1; offset[0] is the caller's (0).
void stacked_offsets(Vec<const int32_t> d1s, int32_t n, Vec<int32_t> offset) {
  for (int32_t k = 1; k < n; ++k) offset[k] = add32(offset[k - 1], d1s[k - 1]);
}

// total + d1s[0] + ... + d1s[n - 1], wrapping in 32 bits.
int32_t stacked_total(int32_t total, Vec<const int32_t> d1s, int32_t n) {
  for (int32_t i = 0; i < n; ++i) total = add32(total, d1s[i]);
  return total;
}

// Adds to resshape[dim] the size in dim of every shape in shapes but the first. A shape
// with no entry dim (dim beyond its length, or None) adds nothing; resshape is written
// only when some shape adds to it, so a new trailing dimension's size is left to the caller.
void stacked_shape(int32_t dim, Vec<int32_t> resshape, VecList<const int32_t> shapes) {
  if (dim < 0) return;
  bool added = false;
  int32_t sum = 0;
  for (int64_t j = 1; j < shapes.size(); ++j) {
    Vec<const int32_t> shape = shapes[j];
    if (dim < shape.size()) {
      sum = add32(sum, shape[dim]);
      added = true;
    }
  }
  if (added) resshape[dim] = add32(resshape[dim], sum);
}

// Stacks n dense operands into the dense result record at rptrbase, rnidxsbase,
// rcofbase, rbfixbase (rnelemtotal = outer * total * inner elements). Operand i's
// element e, with coordinates (o, j, q) of its (outer, d1s[i], inner) shape, becomes
// result element t = (o * total + offset + j) * inner + q, offset being the sizes of the
// operands before it. Writes ptr[0 .. rnelemtotal] (ptr[0] = 0), bfix and all terms:
// first the row lengths, then their prefix sums, then the terms at those positions.
void stack_dense(Vec<const int32_t> bfix_base, Vec<const int32_t> cof_base, int32_t outer, int32_t total,
                 Vec<const int32_t> d1s, int32_t inner, int32_t n, Vec<const int32_t> nidxs_base,
                 Vec<const int32_t> ptr_base, int32_t rbfixbase, int32_t rcofbase, Vec<double> rf64, Vec<int32_t> ri32,
                 Vec<int64_t> ri64, int32_t rnelemtotal, int32_t rnidxsbase, int32_t rptrbase, Vec<const double> wf64,
                 Vec<const int32_t> wi32, Vec<const int64_t> wi64) {
  const RecordOut r = result_record(ri32, ri64, rf64, rptrbase, rnidxsbase, rcofbase, rbfixbase);
  Vec<int32_t> rptr = r.ptr;
  Vec<double> rbfix = r.bfix;

  // visit(i, e, t) for every operand element e of operand i and its result element t,
  // operands in order, each operand's elements in stored order.
  auto for_each_element = [&](auto visit) {
    int64_t acc = 0;
    for (int32_t i = 0; i < n; ++i) {
      const int64_t block = int64_t(d1s[i]) * inner;  // one outer slice of operand i
      int64_t e = 0;
      for (int64_t o = 0; block > 0 && o < outer; ++o) {  // no slices to visit without a block
        const int64_t start = mul64(add64(mul64(o, total), acc), inner);
        for (int64_t m = 0; m < block; ++m, ++e) visit(i, e, add64(start, m));
      }
      acc = add64(acc, d1s[i]);
    }
  };

  rptr[0] = 0;
  for_each_element([&](int32_t i, int64_t e, int64_t t) {
    Vec<const int32_t> ptr = wi32.from(ptr_base[i]);
    rptr[t + 1] = sub32(ptr[e + 1], ptr[e]);
    rbfix[t] = wf64[int64_t(bfix_base[i]) + e];
  });
  for (int64_t k = 0; k < rnelemtotal; ++k) rptr[k + 1] = add32(rptr[k + 1], rptr[k]);
  for_each_element([&](int32_t i, int64_t e, int64_t t) {
    copy_terms(operand_record(wi32, wi64, wf64, ptr_base[i], nidxs_base[i], cof_base[i], bfix_base[i]), e, r, rptr[t]);
  });
}

// Gathers the terms and constants of n operands on the scratch stack, operands in order:
// nnz[i] entries of nidxs (wi64 from nidxs_base[i]) and cof (wf64 from cof_base[i]) to
// xi64 at xnidxsbase and xf64 at xcofbase, after the terms of the operands before it;
// nelem[i] entries of bfix (wf64 from bfix_base[i]) to xf64 at xbfixbase, after the
// elements of the operands before it.
void gather_terms(Vec<const int32_t> bfix_base, Vec<const int32_t> cof_base, int32_t n, Vec<const int32_t> nelem,
                  Vec<const int32_t> nidxs_base, Vec<const int32_t> nnz, int32_t xbfixbase, int32_t xcofbase,
                  int32_t xnidxsbase, Vec<const double> wf64, Vec<const int64_t> wi64, Vec<double> xf64,
                  Vec<int64_t> xi64) {
  int32_t terms = 0;
  int32_t elements = 0;
  for (int32_t i = 0; i < n; ++i) {
    copy_run(wi64, nidxs_base[i], xi64, add32(xnidxsbase, terms), nnz[i]);
    copy_run(wf64, cof_base[i], xf64, add32(xcofbase, terms), nnz[i]);
    copy_run(wf64, bfix_base[i], xf64, add32(xbfixbase, elements), nelem[i]);
    terms = add32(terms, nnz[i]);
    elements = add32(elements, nelem[i]);
  }
}

// Appends sparse operand i (nelem[i] elements, sp at sp_base[i], ptr at ptr_base[i]) to
// the gathered record at xspbase, xptrbase, from element xnelem: an element of linear
// index v gets the index (total * (v / blocksize) + (v / innersize) mod size + offset[i])
// * inner + v mod inner and the row end termoffset + its own ptr entry. With size =
// d1s[i], blocksize = size * inner and innersize = inner this maps (o, j, q) to
// (o, offset[i] + j, q). Returns the new xnelem.
int32_t append_sparse_operand(int32_t size, int32_t inner, int32_t i, int32_t xnelem, int32_t termoffset,
                              Vec<const int32_t> nelem, Vec<const int32_t> offset, Vec<const int32_t> ptr_base,
                              int32_t blocksize, int32_t innersize, int32_t total, Vec<const int32_t> sp_base,
                              int32_t xptrbase, int32_t xspbase, Vec<const int32_t> wi32, Vec<const int64_t> wi64,
                              Vec<int32_t> xi32, Vec<int64_t> xi64) {
  Vec<const int64_t> sp = wi64.from(sp_base[i]);
  Vec<const int32_t> ptr = wi32.from(ptr_base[i]);
  for (int32_t k = 0; k < nelem[i]; ++k) {
    const int64_t v = sp[k];
    const int64_t outer = add64(add64(mul64(total, div64(v, blocksize)), rem64(div64(v, innersize), size)), offset[i]);
    const int64_t index = add64(mul64(outer, inner), rem64(v, inner));
    append_gathered(xi64.from(xspbase), xi32.from(xptrbase), xnelem, index, add32(termoffset, ptr[k + 1]));
    xnelem = add32(xnelem, 1);
  }
  return xnelem;
}

// Appends dense operand i of (outer, size, inner) elements (ptr at ptr_base[i]) to the
// gathered record at xspbase, xptrbase, from element xnelem: element (o, j, q) gets the
// index (o * total + j + offset[i]) * inner + q and the row end termoffset + its own ptr
// entry. Returns the new xnelem.
int32_t append_dense_operand(int32_t outer, int32_t size, int32_t inner, int32_t i, int32_t xnelem, int32_t termoffset,
                             Vec<const int32_t> offset, Vec<const int32_t> ptr_base, int32_t total, int32_t xptrbase,
                             int32_t xspbase, Vec<const int32_t> wi32, Vec<int32_t> xi32, Vec<int64_t> xi64) {
  Vec<const int32_t> ptr = wi32.from(ptr_base[i]);
  if (!all_positive(outer, size, inner)) return xnelem;
  int64_t e = 0;
  for (int64_t o = 0; o < outer; ++o)
    for (int64_t j = 0; j < size; ++j)
      for (int64_t q = 0; q < inner; ++q, ++e) {
        const int64_t index = add64(mul64(add64(add64(mul64(o, total), j), offset[i]), inner), q);
        append_gathered(xi64.from(xspbase), xi32.from(xptrbase), xnelem, index, add32(termoffset, ptr[e + 1]));
        xnelem = add32(xnelem, 1);
      }
  return xnelem;
}

// Sorts the gathered record of count elements (ptr at xptrbase, sp at xspbase, terms at
// xnidxsbase / xcofbase, bfix at xbfixbase on the scratch stack) by linear index and
// writes it as the sparse result at rptrbase, rspbase, rbfixbase, rnidxsbase, rcofbase.
// The sort is a stable counting sort per dimension, last dimension first, with key
// (sp / s[d]) mod size_d, size_d = ri32[rshapebase + d] (the result's shape) and s its
// strides. Uses xi32 runs of count entries at perma and permb and one of (largest size
// + 1) entries at cntbase. Writes ptr[0 .. count] (ptr[0] = 0). Returns (perma, permb) as
// they stand after the passes: the first holds the final order.
std::tuple<int32_t, int32_t> sort_gathered(int32_t perma, int32_t cntbase, int32_t rbfixbase, int32_t rcofbase,
                                           Vec<double> rf64, Vec<int32_t> ri32, Vec<int64_t> ri64, int32_t nd,
                                           int32_t count, int32_t rnidxsbase, int32_t rptrbase, int32_t rshapebase,
                                           int32_t rspbase, Vec<const int64_t> s, int32_t xbfixbase, int32_t xcofbase,
                                           int32_t permb, int32_t xnidxsbase, int32_t xptrbase, int32_t xspbase,
                                           Vec<const double> xf64, Vec<int32_t> xi32, Vec<const int64_t> xi64) {
  Vec<const int64_t> xsp = xi64.from(xspbase);
  Vec<int32_t> cnt = xi32.from(cntbase);
  for (int32_t k = 0; k < count; ++k) xi32[int64_t(perma) + k] = k;
  for (int64_t d = int64_t{nd} - 1; d >= 0; --d) {
    const int32_t size = ri32[int64_t(rshapebase) + d];
    Vec<int32_t> from = xi32.from(perma);
    Vec<int32_t> to = xi32.from(permb);
    auto key = [&](int32_t e) { return rem64(div64(xsp[e], s[d]), size); };
    for (int64_t c = 0; c <= size; ++c) cnt[c] = 0;
    for (int32_t k = 0; k < count; ++k) {
      const int64_t c = key(from[k]) + 1;
      cnt[c] = add32(cnt[c], 1);
    }
    for (int64_t c = 0; c < size; ++c) cnt[c + 1] = add32(cnt[c + 1], cnt[c]);
    for (int32_t k = 0; k < count; ++k) {
      const int32_t e = from[k];
      const int64_t c = key(e);
      to[cnt[c]] = e;
      cnt[c] = add32(cnt[c], 1);
    }
    std::swap(perma, permb);
  }
  Vec<const int32_t> order = Vec<const int32_t>(xi32.from(perma));
  write_gathered(count, [&](int64_t k) { return order[k]; },
                 RecordIn{{}, Vec<const int32_t>(xi32.from(xptrbase)), xi64.from(xnidxsbase), xf64.from(xcofbase),
                          xf64.from(xbfixbase), xsp},
                 RecordOut{{}, ri32.from(rptrbase), ri64.from(rnidxsbase), rf64.from(rcofbase), rf64.from(rbfixbase),
                           ri64.from(rspbase)});
  return {perma, permb};
}

// Copies the gathered sparse record of count elements (already in increasing linear
// index) from the scratch stack to the result stack in its order: ptr (ptr[0] = 0,
// rebuilt from the row lengths), sp, bfix, and the terms packed from term position 0.
void copy_gathered(int32_t rbfixbase, int32_t rcofbase, Vec<double> rf64, Vec<int32_t> ri32, Vec<int64_t> ri64,
                   int32_t count, int32_t rnidxsbase, int32_t rptrbase, int32_t rspbase, int32_t xbfixbase,
                   int32_t xcofbase, int32_t xnidxsbase, int32_t xptrbase, int32_t xspbase, Vec<const double> xf64,
                   Vec<const int32_t> xi32, Vec<const int64_t> xi64) {
  write_gathered(count, [](int64_t k) { return k; },
                 RecordIn{{}, xi32.from(xptrbase), xi64.from(xnidxsbase), xf64.from(xcofbase), xf64.from(xbfixbase),
                          xi64.from(xspbase)},
                 RecordOut{{}, ri32.from(rptrbase), ri64.from(rnidxsbase), rf64.from(rcofbase), rf64.from(rbfixbase),
                           ri64.from(rspbase)});
}

}  // namespace fragments::expr

TOPIC("Stacking expressions along a dimension")
FRAGMENT(269, expr::operand_mismatch, "iiiiOiOO", "dim", "i", "mismatch", "nd", "nds", "shapebase", "shape_bases", "wi32")
DOC(269, "mismatch",
    "Fit test of one stacking operand: True when mismatch != 0; otherwise True when nds[i] != "
    "nd, or when some dimension k < nd other than dim has wi32[shape_bases[i] + k] != "
    "wi32[shapebase + k] (the reference shape, usually the first operand's); else False. The "
    "caller folds it over the operands i = 0 .. n - 1, passing the previous answer as mismatch, "
    "and stacks only when the last answer is False. The dimension-count test is made for every "
    "operand, including i = dim.")
FRAGMENT(270, expr::stacked_size, "iiiiOO", "dim", "n", "nd", "total", "shape_bases", "wi32")
DOC(270, "total",
    "Stacked size in dim: when dim < nd, total plus wi32[shape_bases[i] + dim] over the n "
    "operands (32-bit, wrapping), which with total = 0 is the result's size in dim; when dim >= "
    "nd (stacking along a new trailing dimension), n, total being ignored.")
FRAGMENT(271, expr::stacked_counts, "iOOii", "n", "nelem", "nnz", "totalelem", "totalnnz")
DOC(271, "totalelem, totalnnz",
    "Stacked counts: returns (totalelem + nelem[0] + ... + nelem[n - 1], totalnnz + nnz[0] + "
    "... + nnz[n - 1]), 32-bit, wrapping. With 0, 0 passed these are the element and term "
    "counts of the stacked record: the sizes of the gathered record of _c_closure_280 .. "
    "_c_closure_282 and of the result of _c_closure_285 or _c_closure_286, and, when every "
    "operand is dense, of the result of _c_closure_277 (whose element count is then outer * "
    "total * inner).")
FRAGMENT(273, expr::stacked_offsets, "OiO", "d1s", "n", "offset")
DOC(273, "",
    "Operand offsets in dim: offset[k] = offset[k - 1] + d1s[k - 1] for k = 1 .. n - 1 (32-bit, "
    "wrapping); offset[0] is the caller's (0). offset needs n entries; _c_closure_281 and "
    "_c_closure_282 read it.")
FRAGMENT(274, expr::stacked_total, "iOi", "total", "d1s", "n")
DOC(274, "total",
    "Stacked size from the operands' sizes in dim: total + d1s[0] + ... + d1s[n - 1] (32-bit, "
    "wrapping). With total = 0 it is the result's size in dim (d1s[i] = 1 for a new trailing "
    "dimension).")
FRAGMENT(277, expr::stack_dense, "OOiiOiiOOiiOOOiiiOOO", "bfix_base", "cof_base", "outer", "total", "d1s", "inner", "n", "nidxs_base", "ptr_base", "rbfixbase", "rcofbase", "rf64", "ri32", "ri64", "rnelemtotal", "rnidxsbase", "rptrbase", "wf64", "wi32", "wi64")
DOC(277, "",
    "Dense stacking in one build pass: stacks n dense operands along dim into the dense result. "
    "Operand i (ptr at wi32[ptr_base[i]], nidxs at wi64[nidxs_base[i]], cof at "
    "wf64[cof_base[i]], bfix at wf64[bfix_base[i]]) has outer * d1s[i] * inner elements; its "
    "element (o, j, q), in stored order, becomes result element (o * total + offset_i + j) * "
    "inner + q, offset_i = d1s[0] + ... + d1s[i - 1], with its constant and its terms unchanged "
    "and in order. The result is in row-major order of the stacked shape.\n"
    "total is the result's size in dim (_c_closure_270 or _c_closure_274) and rnelemtotal = "
    "outer * total * inner its element count; for a new trailing dimension pass d1s[i] = 1, "
    "inner = 1 and total = n. Builds the whole record, ptr[0] included (ri32[rptrbase] = 0): "
    "ri32 needs rptrbase + rnelemtotal + 1 entries, rf64 rbfixbase + rnelemtotal and rcofbase + "
    "T, ri64 rnidxsbase + T, T being the term total of _c_closure_271. No count pass.")
FRAGMENT(280, expr::gather_terms, "OOiOOOiiiOOOO", "bfix_base", "cof_base", "n", "nelem", "nidxs_base", "nnz", "xbfixbase", "xcofbase", "xnidxsbase", "wf64", "wi64", "xf64", "xi64")
DOC(280, "",
    "Gather of terms and constants, the first step of stacking with a sparse operand: for the "
    "operands i = 0 .. n - 1 in order, copies nnz[i] entries of wi64 from nidxs_base[i] to "
    "xi64[xnidxsbase + T_i ..], nnz[i] entries of wf64 from cof_base[i] to xf64[xcofbase + T_i "
    "..] and nelem[i] entries of wf64 from bfix_base[i] to xf64[xbfixbase + E_i ..], T_i and "
    "E_i being the terms and elements of the operands before i. _c_closure_281 and "
    "_c_closure_282 add the gathered record's sp and ptr (termoffset = T_i), _c_closure_285 "
    "sorts it into the result.\n"
    "With (E, T) = _c_closure_271(n, nelem, nnz, 0, 0), xi64 needs xnidxsbase + T entries and "
    "xf64 xcofbase + T and xbfixbase + E.")
FRAGMENT(281, expr::append_sparse_operand, "iiiiiOOOiiiOiiOOOO", "size", "inner", "i", "xnelem", "termoffset", "nelem", "offset", "ptr_base", "blocksize", "innersize", "total", "sp_base", "xptrbase", "xspbase", "wi32", "wi64", "xi32", "xi64")
DOC(281, "xnelem",
    "Append a sparse operand to the gathered record, the second step of stacking: for k < "
    "nelem[i], with v = wi64[sp_base[i] + k] the linear index of operand i's stored element k, "
    "writes xi64[xspbase + xnelem] = (total * (v / blocksize) + (v / innersize) mod size + "
    "offset[i]) * inner + v mod inner and xi32[xptrbase + xnelem + 1] = termoffset + "
    "wi32[ptr_base[i] + k + 1], then xnelem += 1. With size = d1s[i], blocksize = size * inner "
    "and innersize = inner this is the index of (o, offset[i] + j, q) in the stacked shape for "
    "the operand's (o, j, q); termoffset is the number of terms gathered before operand i.\n"
    "Call it (or _c_closure_282 for a dense operand) for each operand in order, from xnelem = 0 "
    "and termoffset = 0, passing back the returned xnelem and advancing termoffset by nnz[i]. "
    "The gathered record's ptr[0] (xi32[xptrbase]) is not written: the caller sets it to 0. "
    "With E the element total of _c_closure_271, xi32 needs xptrbase + E + 1 entries and xi64 "
    "xspbase + E.\n"
    "Returns the new xnelem.")
FRAGMENT(282, expr::append_dense_operand, "iiiiiiOOiiiOOO", "outer", "size", "inner", "i", "xnelem", "termoffset", "offset", "ptr_base", "total", "xptrbase", "xspbase", "wi32", "xi32", "xi64")
DOC(282, "xnelem",
    "Append a dense operand to the gathered record, the second step of stacking: for operand "
    "i's elements e = (o, j, q), o < outer, j < size, q < inner, in stored order, writes "
    "xi64[xspbase + xnelem] = (o * total + j + offset[i]) * inner + q and xi32[xptrbase + "
    "xnelem + 1] = termoffset + wi32[ptr_base[i] + e + 1], then xnelem += 1 (size = d1s[i]).\n"
    "Chained with _c_closure_281 over the operands as described there; the gathered record's "
    "ptr[0] (xi32[xptrbase]) is the caller's (0).\n"
    "Returns the new xnelem.")
FRAGMENT(285, expr::sort_gathered, "iiiiOOOiiiiiiOiiiiiiOOO", "perma", "cntbase", "rbfixbase", "rcofbase", "rf64", "ri32", "ri64", "nd", "count", "rnidxsbase", "rptrbase", "rshapebase", "rspbase", "s", "xbfixbase", "xcofbase", "permb", "xnidxsbase", "xptrbase", "xspbase", "xf64", "xi32", "xi64")
DOC(285, "perma, permb",
    "Sort of the gathered record into the sparse result, the last step of stacking: sorts the "
    "count gathered elements (ptr at xi32[xptrbase], sp at xi64[xspbase], nidxs at "
    "xi64[xnidxsbase], cof at xf64[xcofbase], bfix at xf64[xbfixbase]) by linear index with a "
    "stable counting sort per dimension d = nd - 1 down to 0, key (sp / s[d]) mod "
    "ri32[rshapebase + d]: the result's shape run, already on the result stack, and its strides "
    "s (_c_closure_284). The order starts as the identity at xi32[perma ..] and moves between "
    "the runs at perma and permb, counting in xi32[cntbase ..]. Then result element k is the "
    "k-th gathered element e in increasing linear index: ri64[rspbase + k] = its sp, "
    "rf64[rbfixbase + k] = its constant, its terms packed from term position 0 and "
    "ri32[rptrbase + k + 1] = terms so far.\n"
    "Builds the whole record, ptr[0] included (ri32[rptrbase] = 0): with (count, T) from "
    "_c_closure_271, ri32 needs rptrbase + count + 1 entries, ri64 rspbase + count and "
    "rnidxsbase + T, rf64 rbfixbase + count and rcofbase + T. Scratch: count entries at perma "
    "and at permb, and the largest result size + 1 counters at cntbase (_c_closure_283).\n"
    "Returns (perma, permb) as they stand after the passes, which exchange them once per "
    "dimension: the first holds the final order.")
FRAGMENT(286, expr::copy_gathered, "iiOOOiiiiiiiiiOOO", "rbfixbase", "rcofbase", "rf64", "ri32", "ri64", "count", "rnidxsbase", "rptrbase", "rspbase", "xbfixbase", "xcofbase", "xnidxsbase", "xptrbase", "xspbase", "xf64", "xi32", "xi64")
DOC(286, "",
    "Copy of the gathered record to the result in its own order, in place of _c_closure_285 "
    "when the gathered sp is already strictly increasing: for k < count, ri32[rptrbase + k + 1] "
    "= ri32[rptrbase + k] + the term count of gathered element k (ptr at xi32[xptrbase]), "
    "ri64[rspbase + k] = its sp (xi64[xspbase + k]), rf64[rbfixbase + k] = its constant "
    "(xf64[xbfixbase + k]), and its terms (from xi64[xnidxsbase ..], xf64[xcofbase ..]) packed "
    "from term position 0.\n"
    "Builds the whole record, ptr[0] included (ri32[rptrbase] = 0); sizes as for "
    "_c_closure_285.")
FRAGMENT(288, expr::stacked_shape, "iOO", "dim", "resshape", "shapes")
DOC(288, "",
    "Stacked shape: adds to resshape[dim] the size in dim of every shape in shapes except the "
    "first (shapes: one int32 shape array per operand, in operand order). A shape without an "
    "entry dim (shorter, or None) adds nothing, and resshape is not written at all when no "
    "shape adds (dim < 0 included). After _c_closure_287 copied the first operand's shape into "
    "resshape, the two give the stacked shape; for a new trailing dimension (dim = nd) the "
    "caller sets resshape[nd] = n itself.")
