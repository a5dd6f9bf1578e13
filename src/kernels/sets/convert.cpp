// Shape products, index conversions, five-group folds, shape tables and stack fills.
//
// Shapes are int32 sizes, outermost first; linear indexes are row-major (last axis
// fastest). Products with an int result wrap like 32-bit integers, those with an int64
// result like 64-bit integers; callers keep them in range.
#include "kernels/expr/record.h"

namespace fragments::sets {

using expr::copy_elements;

namespace {

// init × list[k] for after < k < before (the axes strictly between), wrapping in 32 bits;
// init, with list not read, when there are none.
int32_t product_between(int32_t init, Vec<const int32_t> list, int32_t after, int32_t before) {
  if (int64_t{after} + 1 >= before) return init;
  return size_product(init, list, after + 1, before);
}

// lin div size and lin mod size, truncating. A zero size (a shape without elements, for
// which no linear index is valid) divides as 1 instead of trapping, and the quotient of
// the most negative lin by -1 wraps.
struct QuotRem {
  int64_t quot;
  int32_t rem;
};
QuotRem divide(int64_t lin, int32_t size) {
  if (size == 0) return {lin, 0};
  if (size == -1) return {sub64(0, lin), 0};
  return {lin / size, static_cast<int32_t>(lin % size)};
}

// For t = n - 1 down to 1: digit[t] = lin mod shape[t], lin = lin div shape[t]; returns
// the remaining lin (the index along axis 0). n <= 1 writes nothing.
int64_t low_digits(Vec<int32_t> digit, int64_t n, int64_t lin, Vec<const int32_t> shape) {
  for (int64_t t = n - 1; t >= 1; --t) {
    const QuotRem qr = divide(lin, shape[t]);
    digit[t] = qr.rem;
    lin = qr.quot;
  }
  return lin;
}

}  // namespace

// ---- Products and sums -----------------------------------------------------------------

// init × every entry of dims (64-bit).
int64_t size_of_dims64(Vec<const int32_t> dims, int64_t init) {
  return size_product(init, dims, 0, dims.size());
}

// init × resshape[0] × ... × resshape[n - 1]; init when n <= 0.
int32_t size_of_leading(int32_t init, int32_t n, Vec<const int32_t> resshape) {
  return size_product(init, resshape, 0, n);
}

// init × resshape[k] for start < k < end; init when there are none.
int32_t size_between(int32_t init, int32_t start, int32_t end, Vec<const int32_t> resshape) {
  return product_between(init, resshape, start, end);
}

// init × Π k < n of (lasta[k] - firsta[k]): the element count of a box slice.
int32_t box_size(Vec<const int32_t> firsta, Vec<const int32_t> lasta, int32_t n, int32_t init) {
  return box_elements(init, firsta, lasta, n);
}

// init + Σ k < n of idxa[k] × (the low 32 bits of strides[k]), wrapping in 32 bits.
int32_t strided_offset(Vec<const int32_t> idxa, int32_t init, int32_t n, Vec<const int64_t> strides) {
  int32_t offset = init;
  for (int32_t k = 0; k < n; ++k)
    offset = add32(offset, mul32(idxa[k], static_cast<int32_t>(static_cast<uint32_t>(strides[k]))));
  return offset;
}

// ---- Index conversions -----------------------------------------------------------------

// v = init, then v = v × shape[k] + key[k] for k = 1 .. length of key - 1 (64-bit). With
// init = key[0] this is the row-major linear index of key.
int64_t linear_of_key(Vec<const int32_t> key, int64_t init, Vec<const int32_t> shape) {
  int64_t v = init;
  for (int64_t k = 1; k < key.size(); ++k) v = add64(mul64(v, shape[k]), key[k]);
  return v;
}

// Writes dest[0 .. n - 1], n the length of shape: the multi-index of linear index lin
// (dest[0] takes what remains after the inner axes, unreduced).
void multi_of_linear(Vec<int32_t> dest, int64_t lin, Vec<const int32_t> shape) {
  const int64_t n = shape.size();
  if (n == 0) return;
  dest[0] = static_cast<int32_t>(low_digits(dest, n, lin, shape));
}

void multi_of_linear_lin_first(int64_t lin, Vec<int32_t> res, Vec<const int32_t> shape) {
  multi_of_linear(res, lin, shape);
}

// Writes k[1 .. n - 1], the multi-index digits of lin on axes 1 .. n - 1 of shape; returns
// the index along axis 0. n <= 1 writes nothing and returns lin.
int64_t inner_digits(Vec<int32_t> k, int32_t n, int64_t lin, Vec<const int32_t> shape) {
  return low_digits(k, n, lin, shape);
}

// this_idxs[r] = Σ c < nd of idxs(r, c) × stride c for every row r of idxs, the strides
// being the row-major strides of shape[0 .. nd - 1] (64-bit).
void linear_of_rows(Mat<const int32_t> idxs, int32_t nd, Vec<const int32_t> shape, Vec<int64_t> this_idxs) {
  Scratch<int64_t> st(nd);
  unit_row_major_strides(nd, shape, st.view());
  for (int64_t r = 0; r < idxs.rows(); ++r) {
    int64_t index = 0;
    for (int32_t c = 0; c < nd; ++c) index = add64(index, mul64(idxs(r, c), st[c]));
    this_idxs[r] = index;
  }
}

// Lists the elements of the box firsta[k] <= index k < lasta[k] (k < nd) of an array of
// shape `shape` in row-major order and writes sliceidxs[t] = nativeidxs[L] for the first n
// of them, L the element's linear index. The caller passes n no larger than the box size.
// Linear indexes are 32-bit.
void gather_box(Vec<const int32_t> firsta, Vec<const int32_t> lasta, Vec<const int32_t> nativeidxs, int32_t nd,
                Vec<const int32_t> shape, Vec<int32_t> sliceidxs, int32_t n) {
  // stride: the strides of shape; at: the current multi-index; reached[k]: the linear
  // index of the current element with the axes after k at their firsta values.
  Scratch<int32_t> stride(nd), at(nd), reached(nd);
  int32_t start = 0;
  unit_row_major_strides(nd, shape, stride.view());
  for (int32_t k = 0; k < nd; ++k) {
    at[k] = firsta[k];
    start = add32(start, mul32(firsta[k], stride[k]));
  }
  for (int32_t k = 0; k < nd; ++k) reached[k] = start;
  int32_t current = start;
  for (int32_t t = 0; t < n; ++t) {
    if (t > 0 && nd > 0) {
      // Advance the last axis; carry outward over the axes that reach their bound (never
      // past axis 0), then restart the axes after the one advanced from its linear index.
      int32_t a = nd - 1;
      at[a] = add32(at[a], 1);
      reached[a] = add32(reached[a], stride[a]);
      while (a > 0 && at[a] == lasta[a]) {
        at[a] = firsta[a];
        --a;
        at[a] = add32(at[a], 1);
        reached[a] = add32(reached[a], stride[a]);
      }
      for (int32_t k = a + 1; k < nd; ++k) reached[k] = reached[a];
      current = reached[nd - 1];
    }
    sliceidxs[t] = nativeidxs[current];
  }
}

// ---- Strides ---------------------------------------------------------------------------

// st[k] = shape[k + 1] × st[k + 1] for k = nd - 2 down to 0; st[nd - 1] is the caller's.
void strides_from_last(int32_t nd, Vec<const int32_t> shape, Vec<int64_t> st) { row_major_strides(nd, shape, st); }

// ---- Five-group folds ------------------------------------------------------------------
// shape = [sizes before the first chosen axis, its size, sizes between, the second chosen
// axis's size, sizes after]; the caller sets the accumulators shape[0], shape[2], shape[4].

// shape[0] ×= dim[0] × ... × dim[n - 1].
void fold_before(int32_t n, Vec<const int32_t> dim, Vec<int32_t> shape) {
  shape[0] = size_product(shape[0], dim, 0, n);
}

// shape[2] ×= dim[k] for start < k < end.
void fold_between(int32_t start, int32_t end, Vec<const int32_t> dim, Vec<int32_t> shape) {
  shape[2] = product_between(shape[2], dim, start, end);
}

// shape[4] ×= dim[k] for start < k < end.
void fold_after(int32_t start, Vec<const int32_t> dim, int32_t end, Vec<int32_t> shape) {
  shape[4] = product_between(shape[4], dim, start, end);
}

// Symmetric expansion over the five-group box dim[0..4] with strides stride[0..4]: for
// a0 < dim[0], a1 < dim[1], a2 < dim[2], a3 in the triangle (0 .. a1 when upper is 0,
// a1 .. dim[1] - 1 otherwise), a4 < dim[4], nested in that order, writes
// v = nativeidxs[pos] at the positions of (a0, a1, a2, a3, a4) and (a0, a3, a2, a1, a4)
// of nidxs, then advances pos. Returns pos. dim[3] is not read (it equals dim[1]).
int32_t symmetric_expand(Vec<const int32_t> dim, int32_t pos, Vec<const int32_t> nativeidxs, Vec<int32_t> nidxs,
                         Vec<const int32_t> stride, int32_t upper) {
  const auto at = [&stride](int64_t a0, int64_t a1, int64_t a2, int64_t a3, int64_t a4) {
    int64_t p = mul64(a0, stride[0]);
    p = add64(p, mul64(a1, stride[1]));
    p = add64(p, mul64(a2, stride[2]));
    p = add64(p, mul64(a3, stride[3]));
    return add64(p, mul64(a4, stride[4]));
  };
  const int32_t d0 = dim[0], d1 = dim[1], d2 = dim[2], d4 = dim[4];
  if (!all_positive(d0, d1, d2, d4)) return pos;
  for (int32_t a0 = 0; a0 < d0; ++a0)
    for (int32_t a1 = 0; a1 < d1; ++a1)
      for (int32_t a2 = 0; a2 < d2; ++a2) {
        const int32_t first = upper == 0 ? 0 : a1, last = upper == 0 ? a1 : d1 - 1;
        for (int32_t a3 = first; a3 <= last; ++a3)
          for (int32_t a4 = 0; a4 < d4; ++a4) {
            const int32_t v = nativeidxs[pos];
            nidxs[at(a0, a1, a2, a3, a4)] = v;
            nidxs[at(a0, a3, a2, a1, a4)] = v;
            pos = add32(pos, 1);
          }
      }
  return pos;
}

// ---- Shape tables ----------------------------------------------------------------------

// shape(i, j) = 1 for i < nrows, j < ncols.
void ones_table(int32_t nrows, int32_t ncols, Mat<int32_t> shape) {
  if (!all_positive(nrows, ncols)) return;
  for (int32_t i = 0; i < nrows; ++i)
    for (int32_t j = 0; j < ncols; ++j) shape(i, j) = 1;
}

// shape(row, k) = shpi[k] over the length of shpi.
void set_table_row(int32_t row, Mat<int32_t> shape, Vec<const int32_t> shpi) {
  copy_elements(shpi, shape.row(row), shpi.size());
}

// resshape[col] += shape(k, col) for k < n: the total size of axis col over n items.
void add_table_column(int32_t col, int32_t n, Vec<int32_t> resshape, Mat<const int32_t> shape) {
  int32_t total = resshape[col];
  for (int32_t k = 0; k < n; ++k) total = add32(total, shape(k, col));
  resshape[col] = total;
}

// ---- Stack fills -----------------------------------------------------------------------
// Streaming copies and fills, run through unit_stride so that contiguous runs take the
// vectorised path; an overlapping copy on one stack runs forward, element by element.

// ri32[off + k] = shape[k] for k < n.
void shape_onto_stack(int32_t n, Vec<int32_t> ri32, int32_t off, Vec<const int32_t> shape) {
  copy_elements(shape, ri32.from(off), n);
}

// When flag is non-zero, ri64[off + k] = sparsity[k] over the length of sparsity.
void sparsity_onto_stack(int32_t flag, Vec<int64_t> ri64, int32_t off, Vec<const int64_t> sparsity) {
  if (flag != 0) copy_elements(sparsity, ri64.from(off), sparsity.size());
}

// rf64[off + k] = bfix[k] for k < n.
void constants_onto_stack(Vec<const double> bfix, int32_t n, int32_t off, Vec<double> rf64) {
  copy_elements(bfix, rf64.from(off), n);
}

// ri32[off + k] = 0 for k = 0 .. n: the n + 1 entries of an empty ptr run.
void empty_ptr_onto_stack(int32_t n, Vec<int32_t> ri32, int32_t off) {
  unit_stride([n](auto r) {
    for (int64_t k = 0; k <= n; ++k) r[k] = 0;
  }, ri32.from(off));
}

}  // namespace fragments::sets

TOPIC("Shape products, index conversions, five-group folds, shape tables and stack fills")
FRAGMENT(211, sets::ones_table, "iiO", "nrows", "ncols", "shape")
DOC(211, "",
    "Ones table: shape(i, j) = 1 for i < nrows, j < ncols; the rest of the 2-D table is left "
    "alone. shape needs at least nrows rows and ncols columns. Starts a shape table whose rows "
    "_c_closure_213 then fills, padded with ones.")
FRAGMENT(213, sets::set_table_row, "iOO", "row", "shape", "shpi")
DOC(213, "",
    "Table row: shape(row, k) = shpi[k] over the length of shpi; the row's other entries are left "
    "alone (1 after _c_closure_211). shape (2-D) needs len(shpi) columns and row < its rows.")
FRAGMENT(214, sets::add_table_column, "iiOO", "col", "n", "resshape", "shape")
DOC(214, "",
    "Column total: resshape[col] += shape(k, col) for k < n (32-bit, wrapping): the total size "
    "along axis col of n stacked items whose shapes are the rows of the 2-D table shape. "
    "resshape[col] holds the starting value (zero it for a plain total); other entries are left "
    "alone.")
FRAGMENT(215, sets::size_of_leading, "iiO", "init", "n", "resshape")
DOC(215, "size",
    "Size of leading axes: returns init * resshape[0] * .. * resshape[n - 1] (32-bit, wrapping); "
    "init when n <= 0.")
FRAGMENT(216, sets::size_between, "iiiO", "init", "start", "end", "resshape")
DOC(216, "size",
    "Size between two axes: returns init * resshape[k] over start < k < end, the axes strictly "
    "between (32-bit, wrapping); init, without reading resshape, when end <= start + 1.")
FRAGMENT(219, sets::strided_offset, "OiiO", "idxa", "init", "n", "strides")
DOC(219, "offset",
    "Strided offset: returns init + the sum over k < n of idxa[k] * (the low 32 bits of "
    "strides[k]), in 32-bit arithmetic, wrapping; init when n <= 0.")
FRAGMENT(220, sets::box_size, "OOii", "firsta", "lasta", "n", "init")
DOC(220, "size",
    "Box size: returns init * the product over k < n of (lasta[k] - firsta[k]) (32-bit, wrapping): "
    "the element count of the box firsta[k] <= index k < lasta[k]; init when n <= 0. An empty axis "
    "gives 0, a reversed one a negative factor.")
FRAGMENT(221, sets::gather_box, "OOOiOOi", "firsta", "lasta", "nativeidxs", "nd", "shape", "sliceidxs", "n")
DOC(221, "",
    "Box gather: lists the elements of the box firsta[k] <= index k < lasta[k], k < nd, of an "
    "array of shape shape in row-major order (last axis fastest) and writes sliceidxs[t] = "
    "nativeidxs[L] for the first n of them, L being the element's row-major linear index within "
    "shape (32-bit). With nd = 0 every t reads nativeidxs[0].\n"
    "n must not exceed the box size (_c_closure_220 gives it): axis 0 is never wrapped. sliceidxs "
    "needs n entries. It takes three scratch arrays of nd int32 entries; when they cannot be had "
    "it raises MemoryError and writes nothing.")
FRAGMENT(224, sets::fold_before, "iOO", "n", "dim", "shape")
DOC(224, "",
    "Five-group fold, the leading axes: shape[0] *= dim[0] * .. * dim[n - 1] (32-bit, wrapping); "
    "unchanged when n <= 0. shape = (before, first chosen axis, between, second chosen axis, "
    "after) collects the sizes of dim around two chosen axes with _c_closure_225 and "
    "_c_closure_226; the caller sets the accumulators shape[0], shape[2] and shape[4] (to 1) and "
    "the chosen sizes shape[1] and shape[3].")
FRAGMENT(225, sets::fold_between, "iiOO", "start", "end", "dim", "shape")
DOC(225, "",
    "Five-group fold, the axes between: shape[2] *= dim[k] for start < k < end (32-bit, wrapping), "
    "start and end being the two chosen axes; unchanged when end <= start + 1. See _c_closure_224 "
    "for the five groups.")
FRAGMENT(226, sets::fold_after, "iOiO", "start", "dim", "end", "shape")
DOC(226, "",
    "Five-group fold, the trailing axes: shape[4] *= dim[k] for start < k < end (32-bit, "
    "wrapping), start being the second chosen axis and end the number of axes; unchanged when end "
    "<= start + 1. Note the argument order: start, dim, end, shape. See _c_closure_224 for the "
    "five groups.")
FRAGMENT(228, sets::symmetric_expand, "OiOOOi", "dim", "pos", "nativeidxs", "nidxs", "stride", "upper")
DOC(228, "pos",
    "Symmetric expansion over a five-group box: with the sizes dim[0..4] and the strides "
    "stride[0..4] (as _c_closure_227 builds them), the position of (a0, a1, a2, a3, a4) is the sum "
    "of a_t * stride[t] (64-bit). For a0 < dim[0], a1 < dim[1], a2 < dim[2], a3 in the triangle, "
    "a4 < dim[4], nested in that order (a4 innermost): v = nativeidxs[pos] is written to nidxs at "
    "the positions of (a0, a1, a2, a3, a4) and (a0, a3, a2, a1, a4), then pos advances.\n"
    "The triangle is a3 = 0 .. a1 when upper is 0 and a3 = a1 .. dim[1] - 1 otherwise; dim[3] is "
    "not read (it equals dim[1]); diagonal elements are written twice with the same value.\n"
    "Each call reads dim[0]*dim[2]*dim[4]*dim[1]*(dim[1]+1)/2 entries of nativeidxs from pos; "
    "nidxs needs every position reached: dim[0]*dim[1]*dim[2]*dim[1]*dim[4] entries with the "
    "row-major strides of dim and stride[4] = 1. Returns the final pos (a 32-bit running "
    "position).")
FRAGMENT(230, sets::linear_of_key, "OLO", "key", "init", "shape")
DOC(230, "lin",
    "Linear index of a multi-index: v = init, then v = v*shape[k] + key[k] for k = 1 .. len(key) - "
    "1 (64-bit, wrapping); returns v. With init = key[0] it is the row-major linear index of key: "
    "shape (2, 3, 4), key (1, 2, 3) and init 1 give 23. The length of key sets the axes; shape "
    "needs as many entries, shape[0] is not read.")
FRAGMENT(231, sets::multi_of_linear, "OLO", "dest", "lin", "shape")
DOC(231, "",
    "Multi-index of a linear index: with n = len(shape), for k = n - 1 down to 1, dest[k] = lin "
    "mod shape[k] and lin = lin div shape[k] (64-bit, truncating toward zero: a negative lin gives "
    "digits <= 0); then dest[0] = what remains, not reduced by shape[0]. Shape (2, 3, 4) and lin "
    "23 give (1, 2, 3).\n"
    "dest needs n entries; an empty shape writes nothing. A size of 0 divides as 1 (digit 0) "
    "instead of trapping. _c_closure_233 is the same with lin first.")
FRAGMENT(232, sets::inner_digits, "OiLO", "k", "n", "lin", "shape")
DOC(232, "lin",
    "Low digits of a linear index: for t = n - 1 down to 1, k[t] = lin mod shape[t] and lin = lin "
    "div shape[t] (64-bit, truncating; a size of 0 divides as 1); returns the remaining lin, the "
    "index along axis 0 of the first n axes. k (an array) needs n entries; k[0] is not written, "
    "and n <= 1 writes nothing and returns lin. Shape (2, 3, 4), n = 3 and lin 23 give k[1] = 2, "
    "k[2] = 3 and return 1.")
FRAGMENT(233, sets::multi_of_linear_lin_first, "LOO", "lin", "res", "shape")
DOC(233, "",
    "Multi-index of a linear index, as _c_closure_231 with lin first: with n = len(shape), for k = "
    "n - 1 down to 1, res[k] = lin mod shape[k] and lin = lin div shape[k] (64-bit, truncating; a "
    "size of 0 divides as 1); then res[0] = what remains, not reduced by shape[0]. res needs n "
    "entries; an empty shape writes nothing.")
FRAGMENT(234, sets::strides_from_last, "iOO", "nd", "shape", "st")
DOC(234, "",
    "Row-major strides: st[k] = shape[k + 1] * st[k + 1] for k = nd - 2 down to 0 (64-bit, "
    "wrapping); st[nd - 1] is the caller's (1 for plain strides; another value scales them all). "
    "Shape (2, 3, 4) with st[2] = 1 gives (12, 4, 1). nd <= 1 writes nothing; shape[0] is not "
    "read.")
SAME_AS(218, 234, "nd", "shape", "strides")
DOC(218, "",
    "Row-major strides: strides[k] = shape[k + 1] * strides[k + 1] for k = nd - 2 down to 0 "
    "(64-bit, wrapping); strides[nd - 1] is the caller's (1 for plain strides; another value "
    "scales them all). Shape (2, 3, 4) with strides[2] = 1 gives (12, 4, 1). nd <= 1 writes "
    "nothing; shape[0] is not read.")
FRAGMENT(237, sets::size_of_dims64, "OL", "dims", "init")
DOC(237, "size",
    "Size of a dimension list: returns init times every entry of dims, over its whole length "
    "(64-bit, wrapping); init when dims is empty or None.")
SAME_AS(244, 237, "dim", "init")
DOC(244, "size",
    "Size of a dimension list: returns init times every entry of dim, over its whole length "
    "(64-bit, wrapping); init when dim is empty or None. The product of _c_closure_237.")
FRAGMENT(248, sets::shape_onto_stack, "iOiO", "n", "ri32", "off", "shape")
DOC(248, "",
    "Shape onto the result stack: ri32[off + k] = shape[k] for k < n, the shape run of a record at "
    "base off; nothing when n <= 0. A copy within one array (shape a view of ri32) runs forward, "
    "element by element.")
FRAGMENT(249, sets::sparsity_onto_stack, "iOiO", "flag", "ri64", "off", "sparsity")
DOC(249, "",
    "Sparsity onto the result stack: when flag != 0, ri64[off + k] = sparsity[k] over the length "
    "of sparsity, the sp run of a sparse record at base off (ri64 needs off + len(sparsity) "
    "entries); nothing when flag is 0.")
FRAGMENT(250, sets::constants_onto_stack, "OiiO", "bfix", "n", "off", "rf64")
DOC(250, "",
    "Constants onto the result stack: rf64[off + k] = bfix[k] for k < n, the bfix run of a record "
    "at base off; nothing when n <= 0. Note the argument order: bfix first, then n, off and rf64.")
FRAGMENT(251, sets::empty_ptr_onto_stack, "iOi", "n", "ri32", "off")
DOC(251, "",
    "Empty ptr run onto the result stack: ri32[off + k] = 0 for k = 0 .. n, the n + 1 entries of "
    "the ptr run (ptr[0] included) of a record of n elements without terms. n = 0 writes one zero, "
    "n < 0 nothing.")
FRAGMENT(254, sets::linear_of_rows, "OiOO", "idxs", "nd", "shape", "this_idxs")
DOC(254, "",
    "Linear indexes of multi-index rows: with the row-major strides of shape[0 .. nd - 1] (stride "
    "nd - 1 is 1), this_idxs[r] = the sum over c < nd of idxs(r, c) * stride c (64-bit) for every "
    "row r of the 2-D idxs (its first extent). idxs needs nd columns and this_idxs one entry per "
    "row of idxs; shape[0] is not read; nd <= 0 writes 0 for every row. Shape (2, 3, 4) and the "
    "row (1, 2, 3) give 23.\n"
    "It takes a scratch array of nd int64 entries; when that cannot be had it raises MemoryError "
    "and writes nothing.")
