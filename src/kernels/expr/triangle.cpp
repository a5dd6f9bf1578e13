// Triangular parts of an expression, and gathers by index.
//
// In the five-axis view (fiveaxis.h, here with int32 strides) a position is selected by
// the upper triangle when c3 >= c1 and by the lower one (lower != 0) when c3 <= c1. The
// triangle of an operand is a sparse record of the selected elements with their terms
// and constants unchanged: a count pass, the list of selected positions, and a gather
// of the operand's elements at a list of linear indexes. The file also holds the small
// kernels that build the view's dim array and a result shape, and the expansion of a
// sparse record's ptr and bfix to dense form.
#include "kernels/expr/fiveaxis.h"

namespace fragments::expr {
namespace {

bool selected(int64_t c1, int64_t c3, bool lower) { return lower ? c3 <= c1 : c1 <= c3; }

// Calls f(L) for every selected position L, in increasing linear index.
template <class F>
void for_each_selected(const FiveAxis& view, bool lower, F f) {
  for (int64_t c0 = 0; c0 < view.d[0]; ++c0)
    for (int64_t c1 = 0; c1 < view.d[1]; ++c1)
      for (int64_t c2 = 0; c2 < view.d[2]; ++c2) {
        const int64_t from = lower ? 0 : c1;
        const int64_t to = lower ? c1 + 1 : view.d[3];
        for (int64_t c3 = from; c3 < to; ++c3)
          for (int64_t c4 = 0; c4 < view.d[4]; ++c4) f(view.at(c0, c1, c2, c3, c4));
      }
}

// dim[b] ×= wi32[base + j] for after < j < before, wrapping in 32 bits.
void multiply_block(Vec<int32_t> dim, int b, int32_t base, Vec<const int32_t> wi32, int32_t after, int32_t before) {
  for (int64_t j = int64_t{after} + 1; j < before; ++j) dim[b] = mul32(dim[b], wi32[int64_t{base} + j]);
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
void triangle_view_strides(Vec<const int32_t> dim, Vec<int32_t> stride) { five_axis_strides(dim, stride); }

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
  ElementWriter out{operand_runs(wi32, wi64, wf64, wptr, wnidxs, wcof, wbfix),
                    result_runs(ri32, ri64, rf64, rptr, rnidxs, rcof, rbfix), 0, 0};
  Vec<const int64_t> requested = Vec<const int64_t>(ri64).from(rsp);
  if (sparse == 0) {
    for (int32_t k = 0; k < n; ++k) out.put(requested[k], -1, 1.0);
    return;
  }
  Vec<const int64_t> sp = wi64.from(wsp);
  int32_t j = 0;
  while (out.k < n && j < nelem) {
    const int64_t x = sp[j], y = requested[out.k];
    if (x < y) {
      ++j;
    } else if (y < x) {
      out.put_zero();
    } else {
      out.put(j, -1, 1.0);
      ++j;
    }
  }
  while (out.k < n) out.put_zero();
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
FRAGMENT(394, expr::sizes_after_skip, "iOO", "skip", "r", "shape")
FRAGMENT(395, expr::multiply_leading_block, "OiOi", "dim", "base", "wi32", "n")
FRAGMENT(396, expr::multiply_middle_block, "OiOii", "dim", "base", "wi32", "after", "before")
FRAGMENT(397, expr::multiply_trailing_block, "OiiOi", "dim", "before", "base", "wi32", "after")
FRAGMENT(398, expr::triangle_view_strides, "OO", "dim", "stride")
FRAGMENT(399, expr::triangle_count, "OiiiiiiOiOO", "dim", "sparse", "n", "wptr", "rnelem", "rnnz", "wsp", "stride",
         "lower", "wi32", "wi64")
FRAGMENT(400, expr::triangle_positions, "OOiOi", "dim", "ri64", "rsp", "stride", "lower")
FRAGMENT(401, expr::gather, "iiiiiiiiiOOOiiiiOOO", "wbfix", "wcof", "n", "sparse", "nelem", "wnidxs", "wptr", "rbfix",
         "rcof", "rf64", "ri32", "ri64", "rnidxs", "rptr", "rsp", "wsp", "wf64", "wi32", "wi64")
FRAGMENT(402, expr::expand_to_dense, "iiiiOOOiiiOOi", "rbfix", "pos", "n", "rptr", "rf64", "ri32", "ri64", "rnelem",
         "rsp", "xbfix", "xf64", "xi32", "xptr")
FRAGMENT(403, expr::multiply_leading_block_count_first, "OiiO", "dim", "n", "base", "wi32")
FRAGMENT(404, expr::multiply_middle_block_range_first, "OiiiO", "dim", "after", "before", "base", "wi32")
FRAGMENT(405, expr::multiply_trailing_block_range_first, "OiiiO", "dim", "after", "before", "base", "wi32")
