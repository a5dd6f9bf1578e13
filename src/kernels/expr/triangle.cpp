// Triangular parts of an expression, and gathers by index.
//
// In the five-axis view (fiveaxis.h, here with int32 strides) a position is selected by
// the upper triangle when c3 >= c1 and by the lower one (lower != 0) when c3 <= c1. The
// triangle of an operand is a sparse record of the selected elements with their terms
// and constants unchanged: a count pass, the list of selected positions, and a gather
// of the operand's elements at a list of linear indexes. The file also holds the small
// kernels that build the view's dim array and a result shape, and the expansion of a
// sparse record's ptr and bfix to dense form.
#include <algorithm>

#include "kernels/expr/fiveaxis.h"

namespace fragments::expr {
namespace {

bool selected(int64_t c1, int64_t c3, bool lower) { return lower ? c3 <= c1 : c1 <= c3; }

// Calls f(L) for every selected position L, in increasing linear index.
template <class F>
void for_each_selected(const FiveAxis& view, bool lower, F f) {
  // Rows c1 from d[3] on have no upper part.
  const int64_t rows = lower ? view.d[1] : std::min(view.d[1], view.d[3]);
  if (!all_positive(view.d[0], rows, view.d[2], view.d[4])) return;
  for (int64_t c0 = 0; c0 < view.d[0]; ++c0)
    for (int64_t c1 = 0; c1 < rows; ++c1)
      for (int64_t c2 = 0; c2 < view.d[2]; ++c2) {
        const int64_t from = lower ? 0 : c1;
        const int64_t to = lower ? c1 + 1 : view.d[3];
        for (int64_t c3 = from; c3 < to; ++c3)
          for (int64_t c4 = 0; c4 < view.d[4]; ++c4) f(view.at(c0, c1, c2, c3, c4));
      }
}

// dim[b] ×= wi32[base + j] for after < j < before, wrapping in 32 bits.
void multiply_block(Vec<int32_t> dim, int b, int32_t base, Vec<const int32_t> wi32, int32_t after, int32_t before) {
  dim[b] = size_product(dim[b], wi32.from(base), int64_t{after} + 1, before);
}

}  // namespace

// r[j] = shape[j] for j < n.
void leading_sizes(int32_t n, Vec<int32_t> r, Vec<const int32_t> shape) { copy_elements(shape, r, n); }

// r[j - 1] = shape[j] for skip < j < the length of shape: the sizes after dimension skip,
// moved down by one.
void sizes_after_skip(int32_t skip, Vec<int32_t> r, Vec<const int32_t> shape) {
  for (int64_t j = int64_t{skip} + 1; j < shape.size(); ++j) r[j - 1] = shape[j];
}

// dim[0] ×= wi32[base + j] for j < n (the sizes before the first chosen dimension).
void multiply_leading_block(Vec<int32_t> dim, int32_t base, Vec<const int32_t> wi32, int32_t n) {
  multiply_block(dim, 0, base, wi32, -1, n);
}

void multiply_leading_block_count_first(Vec<int32_t> dim, int32_t n, int32_t base, Vec<const int32_t> wi32) {
  multiply_leading_block(dim, base, wi32, n);
}

// dim[2] ×= wi32[base + j] for after < j < before (the sizes between the chosen dimensions).
void multiply_middle_block(Vec<int32_t> dim, int32_t base, Vec<const int32_t> wi32, int32_t after, int32_t before) {
  multiply_block(dim, 2, base, wi32, after, before);
}

void multiply_middle_block_range_first(Vec<int32_t> dim, int32_t after, int32_t before, int32_t base,
                                       Vec<const int32_t> wi32) {
  multiply_middle_block(dim, base, wi32, after, before);
}

// dim[4] ×= wi32[base + j] for after < j < before (the sizes after the second chosen dimension).
void multiply_trailing_block(Vec<int32_t> dim, int32_t before, int32_t base, Vec<const int32_t> wi32,
                             int32_t after) {
  multiply_block(dim, 4, base, wi32, after, before);
}

void multiply_trailing_block_range_first(Vec<int32_t> dim, int32_t after, int32_t before, int32_t base,
                                         Vec<const int32_t> wi32) {
  multiply_trailing_block(dim, before, base, wi32, after);
}

// Fills stride[3], stride[2], stride[1], stride[0] of the five-axis view from stride[4]
// (set by the caller) and dim, in wrapping 32-bit products.
void triangle_view_strides(Vec<const int32_t> dim, Vec<int32_t> stride) { row_major_strides(5, dim, stride); }

// Count pass of the triangular part. Dense operand (sparse = 0): the element count is
// d0 × d2 × (d1 × (d1 + 1) / 2) × d4 (rnelem is not read) and the term count rnnz plus the
// terms of every selected element. Sparse operand: rnelem and rnnz plus the count and
// terms of the selected ones among the n stored elements (sp at wsp). The operand's ptr
// run is at wptr. Returns (element count, term count).
std::tuple<int32_t, int32_t> triangle_count(Vec<const int32_t> dim, int32_t sparse, int32_t n, int32_t wptr,
                                            int32_t rnelem, int32_t rnnz, int32_t wsp, Vec<const int32_t> stride,
                                            int32_t lower, Vec<const int32_t> wi32, Vec<const int64_t> wi64) {
  const FiveAxis view(dim, stride);
  Vec<const int32_t> ptr = wi32.from(wptr);
  if (sparse == 0) {
    const int32_t d1 = dim[1];
    rnelem = mul32(mul32(mul32(dim[0], dim[2]), mul32(d1, add32(d1, 1)) / 2), dim[4]);
    // A dense operand, of which only a triangle is read.
    const int64_t side = std::max(view.d[1], view.d[3]);
    if (all_positive(view.d[0], side, view.d[2], view.d[4])) ptr.expect_size(view.square_positions(side) + 1);
    for_each_selected(view, lower != 0, [&](int64_t e) { rnnz = add32(rnnz, term_count(ptr, e)); });
  } else {
    Vec<const int64_t> sp = wi64.from(wsp);
    for (int32_t j = 0; j < n; ++j) {
      const int64_t L = sp[j];
      if (selected(view.coordinate(L, 1), view.coordinate(L, 3), lower != 0)) {
        rnelem = add32(rnelem, 1);
        rnnz = add32(rnnz, term_count(ptr, j));
      }
    }
  }
  return {rnelem, rnnz};
}

// Writes the linear indexes of all selected positions, in increasing order, to
// ri64[rsp ..]: the sp run of a dense operand's triangle.
void triangle_positions(Vec<const int32_t> dim, Vec<int64_t> ri64, int32_t rsp, Vec<const int32_t> stride,
                        int32_t lower) {
  Vec<int64_t> sp = ri64.from(rsp);
  int64_t k = 0;
  for_each_selected(FiveAxis(dim, stride), lower != 0, [&](int64_t L) { sp[k++] = L; });
}

// Build pass of a gather: result element k < n is the operand's element at linear index
// ri64[rsp + k] (the result's own sp run), with its terms and constant unchanged; a
// sparse operand (sparse != 0, nelem stored elements, sp at wsp) that does not store it
// gives an element with no terms and constant 0. Writes ptr entries from 1 on (ptr[0]
// is the caller's), bfix, nidxs and cof.
void gather(int32_t wbfix, int32_t wcof, int32_t n, int32_t sparse, int32_t nelem, int32_t wnidxs, int32_t wptr,
            int32_t rbfix, int32_t rcof, Vec<double> rf64, Vec<int32_t> ri32, Vec<int64_t> ri64, int32_t rnidxs,
            int32_t rptr, int32_t rsp, int32_t wsp, Vec<const double> wf64, Vec<const int32_t> wi32,
            Vec<const int64_t> wi64) {
  const RecordIn w = operand_record(wi32, wi64, wf64, wptr, wnidxs, wcof, wbfix);
  RecordWriter out{result_record(ri32, ri64, rf64, rptr, rnidxs, rcof, rbfix)};
  Vec<const int64_t> requested = Vec<const int64_t>(ri64).from(rsp);
  if (sparse == 0) {
    for (int32_t k = 0; k < n; ++k) put_pair(out, w, requested[k], -1, 1.0);
    return;
  }
  Vec<const int64_t> sp = wi64.from(wsp);
  int32_t j = 0;
  while (out.elements < n && j < nelem) {
    const int64_t x = sp[j], y = requested[out.elements];
    if (x < y) {
      ++j;
    } else if (y < x) {
      out.close(0.0);
    } else {
      put_pair(out, w, j, -1, 1.0);
      ++j;
    }
  }
  while (out.elements < n) out.close(0.0);
}

// Expands the ptr and bfix of a sparse record with n stored elements (sp at ri64[rsp ..],
// bfix at xf64[xbfix ..], ptr at xi32[xptr ..]) to a dense record of rnelem elements
// whose terms stay where they are: rbfix[j] is the constant of the stored element at j
// or 0, rptr[j + 1] the sparse ptr entry after the stored elements up to j. Starts at
// position pos of the sparse record and returns the position reached. rptr[0] is the
// caller's.
int32_t expand_to_dense(int32_t rbfix, int32_t pos, int32_t n, int32_t rptr, Vec<double> rf64, Vec<int32_t> ri32,
                        Vec<const int64_t> ri64, int32_t rnelem, int32_t rsp, int32_t xbfix, Vec<const double> xf64,
                        Vec<const int32_t> xi32, int32_t xptr) {
  Vec<double> bfix = rf64.from(rbfix);
  Vec<int32_t> ptr = ri32.from(rptr);
  Vec<const int64_t> sp = ri64.from(rsp);
  Vec<const double> sparse_bfix = xf64.from(xbfix);
  Vec<const int32_t> sparse_ptr = xi32.from(xptr);
  if (n < 1) {
    for (int32_t j = 0; j < rnelem; ++j) {
      bfix[j] = 0.0;
      ptr[int64_t{j} + 1] = 0;
    }
  }
  int32_t p = pos;
  for (int32_t j = 0; j < rnelem; ++j) {
    if (p < n && sp[p] == j) {
      bfix[j] = sparse_bfix[p];
      ++p;
    } else {
      bfix[j] = 0.0;
    }
    ptr[int64_t{j} + 1] = sparse_ptr[p];
  }
  return p;
}

}  // namespace fragments::expr

TOPIC("Triangular parts of an expression, and gathers by index")
FRAGMENT(393, expr::leading_sizes, "iOO", "n", "r", "shape")
DOC(393, "",
    "Leading sizes: r[j] = shape[j] for j < n (both arrays outside the stacks).")
FRAGMENT(394, expr::sizes_after_skip, "iOO", "skip", "r", "shape")
DOC(394, "",
    "Sizes after a skipped dimension: r[j - 1] = shape[j] for skip < j < len(shape), the length "
    "of the array shape itself. After a leading copy of skip entries (_c_closure_393 with n = "
    "skip) r holds shape without dimension skip.")
FRAGMENT(395, expr::multiply_leading_block, "OiOi", "dim", "base", "wi32", "n")
DOC(395, "",
    "Five-axis block d0: dim[0] *= wi32[base + j] for j < n (32-bit, wrapping). The caller "
    "presets dim = (1, size of the first chosen dimension a, 1, size of the second b, 1); with "
    "n = a and the operand's shape run at base this multiplies in the sizes before a. "
    "_c_closure_403 with the parameters in another order.")
FRAGMENT(396, expr::multiply_middle_block, "OiOii", "dim", "base", "wi32", "after", "before")
DOC(396, "",
    "Five-axis block d2: dim[2] *= wi32[base + j] for after < j < before (32-bit, wrapping); "
    "with after = a and before = b (the chosen dimensions) and the operand's shape run at base, "
    "the sizes between them. _c_closure_404 with the parameters in another order.")
FRAGMENT(397, expr::multiply_trailing_block, "OiiOi", "dim", "before", "base", "wi32", "after")
DOC(397, "",
    "Five-axis block d4: dim[4] *= wi32[base + j] for after < j < before (32-bit, wrapping); "
    "with after = b (the second chosen dimension), before = nd and the operand's shape run at "
    "base, the sizes after b. _c_closure_405 with the parameters in another order.")
FRAGMENT(398, expr::triangle_view_strides, "OO", "dim", "stride")
DOC(398, "",
    "Five-axis strides, int32: stride[b] = dim[b + 1] * stride[b + 1] for b = 3 down to 0 "
    "(32-bit, wrapping), from stride[4], which the caller sets (1 for a plain row-major view). "
    "The strides of _c_closure_399 and _c_closure_400; _c_closure_406 is the int64 twin.")
FRAGMENT(399, expr::triangle_count, "OiiiiiiOiOO", "dim", "sparse", "n", "wptr", "rnelem", "rnnz", "wsp", "stride",
         "lower", "wi32", "wi64")
DOC(399, "rnelem, rnnz",
    "Triangle count: a position with block coordinates c_b = (L / stride[b]) mod dim[b] is "
    "selected when c1 <= c3 (upper triangle, lower = 0) or c3 <= c1 (lower != 0). The operand's "
    "ptr run is at wi32[wptr]; counts wrap in 32 bits.\n"
    "- sparse = 0 (dense operand): returns (d0 * d2 * (d1 * (d1 + 1) / 2) * d4, rnnz + the "
    "terms of every selected element); rnelem is ignored, and d1 * (d1 + 1) is taken in 32 bits "
    "before halving. The element count is the number of positions _c_closure_400 writes.\n"
    "- sparse != 0: each selected one of the n stored elements (sp at wi64[wsp ..]) adds 1 to "
    "rnelem and its terms to rnnz; returns (rnelem, rnnz).\n"
    "It sizes the triangle built by _c_closure_400 and _c_closure_401 (see there).")
FRAGMENT(400, expr::triangle_positions, "OOiOi", "dim", "ri64", "rsp", "stride", "lower")
DOC(400, "",
    "Selected positions: writes the linear index c0*st0 + c1*st1 + c2*st2 + c3*st3 + c4*st4 "
    "(st_b = stride[b]) of every selected position (c3 >= c1, or c3 <= c1 when lower != 0), in "
    "increasing order, to ri64[rsp ..]: d0 * d2 * (d1 * (d1 + 1) / 2) * d4 entries, the dense "
    "element count of _c_closure_399. It is the sp run of the triangle of a dense operand and "
    "the requested list that _c_closure_401 reads.")
FRAGMENT(401, expr::gather, "iiiiiiiiiOOOiiiiOOO", "wbfix", "wcof", "n", "sparse", "nelem", "wnidxs", "wptr", "rbfix",
         "rcof", "rf64", "ri32", "ri64", "rnidxs", "rptr", "rsp", "wsp", "wf64", "wi32", "wi64")
DOC(401, "",
    "Gather by linear index, a build pass: result element k < n is the operand's element at "
    "linear index ri64[rsp + k] (the result's own sp run, strictly increasing, written before "
    "the call, e.g. by _c_closure_400), with its terms copied unchanged, packed from term "
    "position 0, and its constant; ri32[rptr + k + 1] = terms so far. The result always has n "
    "elements.\n"
    "- sparse = 0: the operand is dense; element ri64[rsp + k] is read directly.\n"
    "- sparse != 0: the operand stores nelem elements with sp at wi64[wsp ..]; a requested "
    "index that it does not store gives an element with no terms and constant 0.0.\n"
    "For a triangle, T is _c_closure_399's term count and n its element count: for a dense "
    "operand the positions of _c_closure_400; for a sparse one the stored selected indexes, a "
    "list the caller builds (requesting every selected position instead gives that many "
    "elements, the same T). ri32 needs rptr + n + 1 entries, ri64 rsp + n and rnidxs + T, rf64 "
    "rbfix + n and rcof + T. ptr[0] is not written: the caller sets ri32[rptr] = 0.")
FRAGMENT(402, expr::expand_to_dense, "iiiiOOOiiiOOi", "rbfix", "pos", "n", "rptr", "rf64", "ri32", "ri64", "rnelem",
         "rsp", "xbfix", "xf64", "xi32", "xptr")
DOC(402, "pos",
    "Dense expansion of a sparse record's ptr and bfix: the sparse record has n stored "
    "elements, sp at ri64[rsp ..], bfix at xf64[xbfix ..] and ptr at xi32[xptr ..]. For the "
    "dense elements j = 0 .. rnelem - 1, starting at sparse position p = pos: if p < n and "
    "ri64[rsp + p] = j, rf64[rbfix + j] = xf64[xbfix + p] and p += 1, else rf64[rbfix + j] = "
    "0.0; then ri32[rptr + j + 1] = xi32[xptr + p]. The terms stay where they are: the dense "
    "ptr points into the sparse record's nidxs and cof runs.\n"
    "Needs the sparse sp strictly increasing. ri32 needs rptr + rnelem + 1 entries and rf64 "
    "rbfix + rnelem; ptr[0] (ri32[rptr]) is not written: it is the caller's, like the sparse "
    "ptr[0] (0). With n = 0 every ptr entry becomes xi32[xptr + pos] (0 for a sparse record's "
    "ptr) and every constant 0.0.\n"
    "Returns the sparse position reached (pos + the stored elements matched).")
FRAGMENT(403, expr::multiply_leading_block_count_first, "OiiO", "dim", "n", "base", "wi32")
DOC(403, "",
    "Five-axis block d0, n first: dim[0] *= wi32[base + j] for j < n (32-bit, wrapping); with n "
    "= a, the sizes before the first chosen dimension. _c_closure_395 with the parameters in "
    "another order.")
FRAGMENT(404, expr::multiply_middle_block_range_first, "OiiiO", "dim", "after", "before", "base", "wi32")
DOC(404, "",
    "Five-axis block d2, range first: dim[2] *= wi32[base + j] for after < j < before (32-bit, "
    "wrapping); with after = a and before = b, the sizes between the chosen dimensions. "
    "_c_closure_396 with the parameters in another order.")
FRAGMENT(405, expr::multiply_trailing_block_range_first, "OiiiO", "dim", "after", "before", "base", "wi32")
DOC(405, "",
    "Five-axis block d4, range first: dim[4] *= wi32[base + j] for after < j < before (32-bit, "
    "wrapping); with after = b and before = nd, the sizes after the second chosen dimension. "
    "_c_closure_397 with the parameters in another order.")
