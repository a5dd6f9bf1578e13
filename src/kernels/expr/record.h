// The expression record: how one affine expression lies on a stack.
//
// A stack is three caller-owned arrays: int32, int64 and float64 (the result stack
// ri32/ri64/rf64, the work stack wi32/wi64/wf64, the scratch stack xi32/xi64/xf64).
// An expression with nd dimensions, nelem stored elements and nnz terms occupies six
// runs, each at its own base (an element offset into one of the arrays):
//
//   shape  int32  nd         dimension sizes, outermost first
//   ptr    int32  nelem + 1  ptr[0] = 0, non-decreasing, ptr[nelem] = nnz; the terms of
//                            stored element k are entries ptr[k] .. ptr[k+1]-1 of
//                            nidxs and cof, counted from those runs' bases
//   nidxs  int64  nnz        the signed native index of each term's variable
//   cof    f64    nnz        each term's coefficient
//   bfix   f64    nelem      each stored element's constant
//   sp     int64  nelem      sparse records only: the strictly increasing linear index
//                            of each stored element
//
// A dense record stores every element (nelem = product of shape, element k has linear
// index k, no sp); a sparse one stores some elements and the others are zero. Linear
// indexes are row-major: st[nd-1] = 1, st[d] = st[d+1] * shape[d+1], and the coordinate
// of linear index L in dimension d is (L / st[d]) mod shape[d]. nd, nelem and nnz are
// not stored; callers pass them. Bases, counts and ptr entries are int32; linear
// indexes, strides and variable indexes are int64.
//
// Operations whose result size depends on the data run as a count pass (returns the
// sizes) and a build pass (writes into runs the caller reserved at the bases it passes).
#pragma once

#include <algorithm>

#include "kernels/kernel.h"
#include "kernels/strides.h"

namespace fragments::expr {

// The terms of stored element e of a record whose ptr run starts at ptrbase on the int32
// array i32: entries first .. end - 1 of its nidxs and cof runs.
struct TermRange {
  int64_t first, end;
};
inline TermRange terms_of(Vec<const int32_t> i32, int32_t ptrbase, int64_t e) {
  const int64_t at = add64(ptrbase, e);
  return {i32[at], i32[add64(at, 1)]};
}

// One record seen through its runs: field.from(base) for each field. A field that an
// operation does not use may be left as an absent view.
template <class I32, class I64, class F64>
struct Record {
  Vec<I32> shape;
  Vec<I32> ptr;
  Vec<I64> nidxs;
  Vec<F64> cof;
  Vec<F64> bfix;
  Vec<I64> sp;

  // The terms of stored element e, and how many they are.
  TermRange terms(int64_t e) const { return {ptr[e], ptr[add64(e, 1)]}; }
  int64_t length(int64_t e) const {
    const TermRange r = terms(e);
    return r.end - r.first;
  }
};
using RecordIn = Record<const int32_t, const int64_t, const double>;
using RecordOut = Record<int32_t, int64_t, double>;

// The ptr, nidxs, cof and bfix runs of an operand (read, on the work or scratch stack) or
// of a result (written, on the result stack), from their bases.
inline RecordIn operand_record(Vec<const int32_t> i32, Vec<const int64_t> i64, Vec<const double> f64,
                               int32_t ptrbase, int32_t nidxsbase, int32_t cofbase, int32_t bfixbase) {
  return RecordIn{{}, i32.from(ptrbase), i64.from(nidxsbase), f64.from(cofbase), f64.from(bfixbase), {}};
}
inline RecordOut result_record(Vec<int32_t> ri32, Vec<int64_t> ri64, Vec<double> rf64, int32_t rptrbase,
                               int32_t rnidxsbase, int32_t rcofbase, int32_t rbfixbase) {
  return RecordOut{{}, ri32.from(rptrbase), ri64.from(rnidxsbase), rf64.from(rcofbase), rf64.from(rbfixbase), {}};
}
// A sparse result: the same with its sp run.
inline RecordOut sparse_result_record(Vec<int32_t> ri32, Vec<int64_t> ri64, Vec<double> rf64, int32_t rptrbase,
                                      int32_t rnidxsbase, int32_t rcofbase, int32_t rbfixbase, int32_t rspbase) {
  RecordOut r = result_record(ri32, ri64, rf64, rptrbase, rnidxsbase, rcofbase, rbfixbase);
  r.sp = ri64.from(rspbase);
  return r;
}

// rnidxs[t] = nidxs[u] and rcof[t] = scale × cof[u] for the given terms u, t from at on.
// Returns the position after the last term written, wrapping in 32 bits. (Views of any
// kind: strided, or unit-stride ones from unit_stride.)
template <class Nidxs, class Cof, class RNidxs, class RCof>
inline int32_t append_terms(Nidxs nidxs, Cof cof, TermRange terms, double scale, RNidxs rnidxs, RCof rcof,
                            int32_t at) {
  for (int64_t u = terms.first; u < terms.end; ++u, at = add32(at, 1)) {
    rnidxs[at] = nidxs[u];
    rcof[at] = scale * cof[u];
  }
  return at;
}

// Copies the terms of operand element e unchanged, as block copies, to the result's term
// positions at ..; returns at plus their number, wrapping in 32 bits.
inline int32_t copy_terms(const RecordIn& w, int64_t e, const RecordOut& r, int32_t at) {
  const int32_t begin = w.ptr[e];
  const int32_t length = sub32(w.ptr[e + 1], begin);
  copy_run(w.nidxs, begin, r.nidxs, at, length);
  copy_run(w.cof, begin, r.cof, at, length);
  return add32(at, length);
}

// A result record written element after element from the running counts (elements,
// terms): first the element's terms, scaled (append), copied as they are (copy) or one
// by one (term); then close() writes its linear index when the record has an sp run, its
// constant and ptr[elements + 1]. close_leaving_constant() writes no constant, for results
// whose constants the caller set beforehand. start() writes ptr[0] of a fresh record.
struct RecordWriter {
  RecordOut r;
  int32_t elements = 0;
  int32_t terms = 0;

  void start() const { r.ptr[0] = 0; }
  void term(int64_t nidx, double coefficient) {
    r.nidxs[terms] = nidx;
    r.cof[terms] = coefficient;
    terms = add32(terms, 1);
  }
  // The terms of operand element e, coefficients times scale.
  void append(const RecordIn& w, int64_t e, double scale) {
    terms = append_terms(w.nidxs, w.cof, w.terms(e), scale, r.nidxs, r.cof, terms);
  }
  // The terms of operand element e unchanged, as block copies.
  void copy(const RecordIn& w, int64_t e) { terms = copy_terms(w, e, r, terms); }
  void close(double constant, int64_t linear) {
    if (r.sp) r.sp[elements] = linear;
    close(constant);
  }
  void close(double constant) {
    r.bfix[elements] = constant;
    next();
  }
  void close_leaving_constant(int64_t linear) {
    if (r.sp) r.sp[elements] = linear;
    next();
  }
  std::tuple<int32_t, int32_t> counts() const { return {elements, terms}; }

 private:
  void next() {
    r.ptr[int64_t{elements} + 1] = terms;
    elements = add32(elements, 1);
  }
};

// A dense result filled out of element order: ptr[e + 1] first collects the term count of
// element e (count), then a prefix sum turns ptr[e] into the next free term position of
// e; each fill advances it, and shift_back restores the row pointers at the end.
struct ScatterWriter {
  RecordOut r;

  void count(int64_t e, int32_t terms) const {
    const int64_t at = add64(e, 1);
    r.ptr[at] = add32(r.ptr[at], terms);
  }
  void prefix_sum(int32_t rnelem) const {
    for (int32_t j = 0; j < rnelem; ++j) r.ptr[j + 1] = add32(r.ptr[j + 1], r.ptr[j]);
  }
  // Appends operand element j, scaled, to result element e; adds its scaled constant to bfix[e].
  void fill(int64_t e, const RecordIn& w, int64_t j, double scale) const {
    r.ptr[e] = append_terms(w.nidxs, w.cof, w.terms(j), scale, r.nidxs, r.cof, r.ptr[e]);
    r.bfix[e] += scale * w.bfix[j];
  }
  void shift_back(int32_t rnelem) const {
    for (int32_t e = rnelem; e >= 1; --e) r.ptr[e] = r.ptr[e - 1];
    r.ptr[0] = 0;
  }
};

// The items that a pass over n elements of a record and their terms visits: n plus the
// terms ptr[0] .. ptr[n] - 1 (the size of the call, for the lock release of long calls).
inline int64_t record_work(Vec<const int32_t> ptr, int32_t n) {
  return n <= 0 ? 0 : int64_t{n} + std::max<int64_t>(0, int64_t{ptr[n]} - ptr[0]);
}

// Whether ptr[j + 1] < ptr[j] for some j < n. Row pointers that never decrease tile the
// terms ptr[0] .. ptr[n] - 1 with elements 0 .. n - 1 in order, so that a loop over the
// elements' terms can run as one flat loop over that range.
inline bool ptr_decreases(Vec<const int32_t> ptr, int32_t n) {
  return unit_stride([n](auto ptr) {
    int down = 0;
    for (int32_t j = 0; j < n; ++j) down |= ptr[j + 1] < ptr[j];
    return down != 0;
  }, ptr);
}

// Copies the scalar terms among the given terms (index v > 0 names scalar variable v - 1)
// in order: subj[p] = v - 1 and cof[p] = its coefficient, p + 1, ... Returns the position
// after the last one written. In blocks: a block of scalar terms only (the common case) is
// copied by a loop without a branch per term.
inline int64_t copy_scalar_terms(Vec<const int64_t> nidxs, Vec<const double> coefficients, TermRange terms,
                                 Vec<int32_t> subj, Vec<double> cof, int64_t p) {
  return unit_stride([&terms, p](auto nidxs, auto coefficients, auto subj, auto cof) mutable {
    constexpr int64_t kBlock = 256;
    for (int64_t first = terms.first; first < terms.end; first += kBlock) {
      const int64_t end = std::min(terms.end, first + kBlock);
      uint64_t others = 0;
      for (int64_t t = first; t < end; ++t) others |= not_positive64(nidxs[t]);
      if (others == 0) {
        for (int64_t t = first; t < end; ++t, ++p) {
          subj[p] = static_cast<int32_t>(nidxs[t] - 1);
          cof[p] = coefficients[t];
        }
        continue;
      }
      for (int64_t t = first; t < end; ++t) {
        const int64_t v = nidxs[t];
        if (v <= 0) continue;
        subj[p] = static_cast<int32_t>(v - 1);
        cof[p] = coefficients[t];
        ++p;
      }
    }
    return p;
  }, nidxs, coefficients, subj, cof);
}

// For each row i < rows of coords: out[i] += Σ d < nd of coords(i, d) × st[d], the linear
// index of a coordinate row added to what out holds (64-bit, wrapping).
inline void add_linear_indexes(int64_t rows, int32_t nd, Mat<const int32_t> coords, Vec<const int64_t> st,
                               Vec<int64_t> out) {
  for (int64_t i = 0; i < rows; ++i) {
    int64_t index = out[i];
    for (int32_t d = 0; d < nd; ++d) index = add64(index, mul64(coords(i, d), st[d]));
    out[i] = index;
  }
}

// target[k] = f(source[k]) for k < count, in increasing k (a contiguous pair of runs goes
// through the vectorised instantiation).
template <class S, class T, class F>
inline void transform_elements(Vec<const S> source, Vec<T> target, int64_t count, F f) {
  unit_stride([count, &f](auto s, auto t) {
    for (int64_t k = 0; k < count; ++k) t[k] = f(s[k]);
  }, source, target);
}

// Copies count elements of a run: target[k] = source[k], in increasing k.
template <class T>
inline void copy_elements(Vec<const T> source, Vec<T> target, int64_t count) {
  transform_elements(source, target, count, [](T v) { return v; });
}

}  // namespace fragments::expr
