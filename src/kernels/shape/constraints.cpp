// Constraint rows, domains and native map registration.
//
// Every element of a constraint is one native row. These kernels record, per row,
// the constant of the constraint's expression (read from the result stack, rf64[off + i]
// for element i), its bounds, its block and position and its slack, and stamp or clear
// entries of the native variable and constraint maps.
#include "kernels/strides.h"

namespace fragments::shape {

namespace {

// map[index[i]] = value for i < n.
inline void stamp(Vec<int32_t> map, Vec<const int32_t> index, int32_t n, int32_t value) {
  for (int32_t i = 0; i < n; ++i) map[index[i]] = value;
}

// Row-major strides of an nd-dimensional shape into stride[0 .. nd - 1], in wrapping
// 32-bit arithmetic: stride[nd - 1] = 1, stride[k - 1] = stride[k] * shape[k].
inline void fill_strides(Scratch<int32_t>& stride, Vec<const int32_t> shape, int32_t nd) {
  unit_row_major_strides(nd, shape, stride.view());
}

// The linear index of the multi-index in row r of domsp: the sum over k < nd of
// domsp(r, k) * stride[k]; 0 for a 0-dimensional shape.
inline int64_t linear_index(Mat<const int32_t> domsp, int64_t r, const Scratch<int32_t>& stride, int32_t nd) {
  int64_t lin = 0;
  for (int32_t k = 0; k < nd; ++k) lin = add64(lin, mul64(domsp(r, k), stride[k]));
  return lin;
}

// The position of entry (i, j), i >= j, of an n x n matrix variable among its bar
// elements, which run column by column and within column j from row j downwards.
inline int64_t bar_element_offset(int64_t i, int64_t j, int64_t n) { return j * (2 * n - j - 1) / 2 + i; }

}  // namespace

// natvarmap_idx[nativeidxs[i]] = value for i < n.
void stamp_variables(Vec<const int32_t> nativeidxs, Vec<int32_t> natvarmap_idx, int32_t n, int32_t value) {
  stamp(natvarmap_idx, nativeidxs, n, value);
}

void stamp_variables_n_first(int32_t n, Vec<const int32_t> nativeidxs, Vec<int32_t> natvarmap_idx, int32_t value) {
  stamp_variables(nativeidxs, natvarmap_idx, n, value);
}

// natvarmap_idx[slackidxs[i]] = value for i < n.
void stamp_slack_variables(int32_t n, Vec<int32_t> natvarmap_idx, int32_t value, Vec<const int32_t> slackidxs) {
  stamp(natvarmap_idx, slackidxs, n, value);
}

// For i < n, j = nativeidxs[i]: natconmap_idx[j] = value and natconmap_slackidx[j] = 0
// (the row loses its slack whatever value is).
void stamp_rows(int32_t value, Vec<int32_t> natconmap_idx, Vec<int64_t> natconmap_slackidx,
                Vec<const int32_t> nativeidxs, int32_t n) {
  for (int32_t i = 0; i < n; ++i) {
    const int32_t j = nativeidxs[i];
    natconmap_idx[j] = value;
    natconmap_slackidx[j] = 0;
  }
}

void stamp_rows_n_first(int32_t value, int32_t n, Vec<int32_t> natconmap_idx, Vec<int64_t> natconmap_slackidx,
                        Vec<const int32_t> nativeidxs) {
  stamp_rows(value, natconmap_idx, natconmap_slackidx, nativeidxs, n);
}

// Ranged domain of a linear constraint.
// Writes efix[nativeidxs[i]] = rf64[off + i] for i < nnz, then the bounds by element
// position, the first case that applies:
//   isscalar != 0     bl[i] = domlb[0], bu[i] = domub[0] for i < n;
//   nobounds != 0     no bounds;
//   domsp is None     bl[i] = domlb[i], bu[i] = domub[i] for i < n;
//   otherwise         for each domain entry r (as many as domlb holds), at the linear index
//                     lin of the multi-index domsp(r, .) in the constraint's shape
//                     ri32[shapeoff .. shapeoff + nd - 1]: bl[lin] = domlb[r], bu[lin] = domub[r].
// Entries of bl/bu that no case writes keep the caller's values.
void ranged_domain(int32_t off, Vec<double> bl, Vec<double> bu, int32_t nobounds, Vec<const double> domlb,
                   int32_t isscalar, Mat<const int32_t> domsp, Vec<const double> domub, Vec<double> efix,
                   Vec<const int32_t> nativeidxs, int32_t nd, int32_t nnz, int32_t n, Vec<const double> rf64,
                   Vec<const int32_t> ri32, int32_t shapeoff) {
  const bool sparse_domain = !isscalar && !nobounds && domsp;
  Scratch<int32_t> stride(sparse_domain ? nd : 0);  // taken before anything is written

  for (int32_t i = 0; i < nnz; ++i) efix[nativeidxs[i]] = rf64[off + i];

  if (isscalar) {
    for (int32_t i = 0; i < n; ++i) {
      bl[i] = domlb[0];
      bu[i] = domub[0];
    }
  } else if (nobounds) {
    return;
  } else if (!domsp) {
    for (int32_t i = 0; i < n; ++i) {
      bl[i] = domlb[i];
      bu[i] = domub[i];
    }
  } else {
    fill_strides(stride, ri32.from(shapeoff), nd);
    for (int64_t r = 0; r < domlb.size(); ++r) {
      const int64_t lin = linear_index(domsp, r, stride, nd);
      bl[lin] = domlb[r];
      bu[lin] = domub[r];
    }
  }
}

// Equality domain of a linear constraint, by native row j = nativeidxs[i]:
//   when n >= 1, efix[j] = rf64[off + i] for i < n;
//   dombnd is None    lb[j] = ub[j] = 0.0 for i < n;
//   isscalar != 0     lb[j] = ub[j] = dombnd[0] for i < n;
//   domsp is None     unless nobounds: lb[j] = ub[j] = dombnd[i] for i < n;
//   otherwise         for each row r of domsp, with lin its linear index in shape
//                     (nd dimensions): lb[nativeidxs[lin]] = ub[nativeidxs[lin]] = dombnd[r].
void equality_domain(int32_t off, Vec<const double> dombnd, int32_t nobounds, int32_t isscalar,
                     Mat<const int32_t> domsp, Vec<double> efix, Vec<double> lb, Vec<const int32_t> nativeidxs,
                     int32_t nd, int32_t n, Vec<const double> rf64, Vec<const int32_t> shape, Vec<double> ub) {
  const bool sparse_domain = dombnd && !isscalar && domsp;
  Scratch<int32_t> stride(sparse_domain ? nd : 0);  // taken before anything is written

  for (int32_t i = 0; i < n; ++i) efix[nativeidxs[i]] = rf64[off + i];

  if (!dombnd) {
    for (int32_t i = 0; i < n; ++i) lb[nativeidxs[i]] = ub[nativeidxs[i]] = 0.0;
  } else if (isscalar) {
    for (int32_t i = 0; i < n; ++i) lb[nativeidxs[i]] = ub[nativeidxs[i]] = dombnd[0];
  } else if (!domsp) {
    if (!nobounds)
      for (int32_t i = 0; i < n; ++i) lb[nativeidxs[i]] = ub[nativeidxs[i]] = dombnd[i];
  } else {
    fill_strides(stride, shape, nd);
    for (int64_t r = 0; r < domsp.rows(); ++r) {
      const int32_t j = nativeidxs[linear_index(domsp, r, stride, nd)];
      lb[j] = ub[j] = dombnd[r];
    }
  }
}

// Rows fixed at zero: for i < n, j = nativeidxs[i]: natconmap_efix[j] = rf64[off + i],
// natconmap_lb[j] = natconmap_ub[j] = 0.0 and bnd[i] = 0.0.
void zero_rows(int32_t off, Vec<double> bnd, Vec<double> natconmap_efix, Vec<double> natconmap_lb,
               Vec<double> natconmap_ub, Vec<const int32_t> nativeidxs, int32_t n, Vec<const double> rf64) {
  for (int32_t i = 0; i < n; ++i) {
    const int32_t j = nativeidxs[i];
    natconmap_efix[j] = rf64[off + i];
    natconmap_lb[j] = 0.0;
    natconmap_ub[j] = 0.0;
    bnd[i] = 0.0;
  }
}

// Rows of a conic block: each row j = nativeidxs[i], i < n, requires its expression minus
// its slack variable slackidxs[i] to be zero. One pass per map, in this order: constant
// rf64[off + i]; bounds 0.0 (lb, then ub); slack slackidxs[i] + 1 (one-based); block id;
// position i.
void conic_rows(int32_t off, int32_t blockid, int32_t n, Vec<int32_t> natconmap_blockid, Vec<double> natconmap_efix,
                Vec<int32_t> natconmap_idx, Vec<double> natconmap_lb, Vec<int64_t> natconmap_slackidx,
                Vec<double> natconmap_ub, Vec<const int32_t> nativeidxs, Vec<const double> rf64,
                Vec<const int32_t> slackidxs) {
  for (int32_t i = 0; i < n; ++i) natconmap_efix[nativeidxs[i]] = rf64[off + i];
  for (int32_t i = 0; i < n; ++i) {
    natconmap_lb[nativeidxs[i]] = 0.0;
    natconmap_ub[nativeidxs[i]] = 0.0;
  }
  for (int32_t i = 0; i < n; ++i) natconmap_slackidx[nativeidxs[i]] = static_cast<int64_t>(slackidxs[i]) + 1;
  for (int32_t i = 0; i < n; ++i) natconmap_blockid[nativeidxs[i]] = blockid;
  for (int32_t i = 0; i < n; ++i) natconmap_idx[nativeidxs[i]] = i;
}

// Rows and slack terms of a semidefinite block.
// Slack terms from position 0: for each of the nblocks matrices b, each lower-triangle
// entry (i, j) of an msize x msize matrix row by row, and k < nsub:
// barsubj = nsub * b + k, matsubi = i, matsubj = j.
// natconmap_type[blockid] = -typecode - 1.
// For i < n, row j = nativeidxs[i]: block id, position i, constant rf64[off + i], bounds 0.0.
void semidefinite_rows(Vec<int32_t> barsubj, int32_t off, int32_t blockid, int32_t msize, int32_t nblocks,
                       int32_t nsub, Vec<int32_t> matsubi, Vec<int32_t> matsubj, Vec<int32_t> natconmap_blockid,
                       Vec<double> natconmap_efix, Vec<int32_t> natconmap_idx, Vec<double> natconmap_lb,
                       Vec<int32_t> natconmap_type, Vec<double> natconmap_ub, Vec<const int32_t> nativeidxs,
                       int32_t n, Vec<const double> rf64, int32_t typecode) {
  int64_t pos = 0;
  if (all_positive(nblocks, msize, nsub))
    for (int32_t b = 0; b < nblocks; ++b)
      for (int32_t i = 0; i < msize; ++i)
        for (int32_t j = 0; j <= i; ++j)
          for (int32_t k = 0; k < nsub; ++k) {
            barsubj[pos] = add32(mul32(nsub, b), k);
            matsubi[pos] = i;
            matsubj[pos] = j;
            ++pos;
          }

  natconmap_type[blockid] = -1 - typecode;

  for (int32_t i = 0; i < n; ++i) {
    const int32_t j = nativeidxs[i];
    natconmap_blockid[j] = blockid;
    natconmap_idx[j] = i;
    natconmap_efix[j] = rf64[off + i];
    natconmap_lb[j] = 0.0;
    natconmap_ub[j] = 0.0;
  }
}

// Semidefinite slack entries. The constraint is seen as dim = [d0, n, d2, n, d4]; its
// rows are the lower-triangle entries (i >= j) of each n x n matrix over axes 1 and 3,
// visited with i on axis 1 (rowwise != 0: a, i, m, j <= i, k) or with j on axis 1
// (rowwise == 0: a, j, m, i >= j, k). For visit p, with t = i(i+1)/2 + j the entry's
// packed row-by-row position and s = slacks[(a * d2 + m) * d4 + k] its slack matrix variable:
//   slackmat[p] = matidxs[t], slackbarsubj[p] = s,
//   natconmap_slackidx[nativeidxs[p]] = -(e + 1), where e = natbarvar_ptr[s] + j(2n - j - 1)/2 + i
//   is the bar element of (i, j) of variable s (bar elements run column by column).
void semidefinite_slacks(Vec<const int32_t> dim, Vec<const int64_t> matidxs, Vec<const int64_t> natbarvar_ptr,
                         Vec<int64_t> natconmap_slackidx, Vec<const int32_t> nativeidxs, Vec<int32_t> slackbarsubj,
                         Vec<int64_t> slackmat, Vec<const int32_t> slacks, int32_t rowwise) {
  const int64_t d0 = dim[0], n = dim[1], d2 = dim[2], d4 = dim[4];
  if (!all_positive(d0, n, d2, d4)) return;
  int64_t p = 0;
  auto visit = [&](int64_t a, int64_t i, int64_t m, int64_t j, int64_t k) {
    const int64_t t = i * (i + 1) / 2 + j;
    const int32_t s = slacks[(a * d2 + m) * d4 + k];
    slackmat[p] = matidxs[t];
    slackbarsubj[p] = s;
    natconmap_slackidx[nativeidxs[p]] = sub64(-1, add64(natbarvar_ptr[s], bar_element_offset(i, j, n)));
    ++p;
  };
  for (int64_t a = 0; a < d0; ++a) {
    if (rowwise) {
      for (int64_t i = 0; i < n; ++i)
        for (int64_t m = 0; m < d2; ++m)
          for (int64_t j = 0; j <= i; ++j)
            for (int64_t k = 0; k < d4; ++k) visit(a, i, m, j, k);
    } else {
      for (int64_t j = 0; j < n; ++j)
        for (int64_t m = 0; m < d2; ++m)
          for (int64_t i = j; i < n; ++i)
            for (int64_t k = 0; k < d4; ++k) visit(a, i, m, j, k);
    }
  }
}

}  // namespace fragments::shape

TOPIC("Constraint rows, domains and native map registration")
FRAGMENT(29, shape::stamp_variables, "OOii", "nativeidxs", "natvarmap_idx", "n", "value")
DOC(29, "",
    "Stamp variables in the native variable map: natvarmap_idx[nativeidxs[i]] = value for i < n "
    "(value is the layer's mark of a variable block; -1 marks an unowned variable). Other entries "
    "are left alone. _c_closure_34 is the same with n first.")
SAME_AS(43, 29)
FRAGMENT(34, shape::stamp_variables_n_first, "iOOi", "n", "nativeidxs", "natvarmap_idx", "value")
DOC(34, "",
    "Stamp variables in the native variable map, n first: natvarmap_idx[nativeidxs[i]] = value for "
    "i < n; other entries are left alone. The same as _c_closure_29 with the parameters in this "
    "order.")
FRAGMENT(51, shape::stamp_rows, "iOOOi", "value", "natconmap_idx", "natconmap_slackidx", "nativeidxs", "n")
DOC(51, "",
    "Stamp constraint rows: for i < n, row j = nativeidxs[i]: natconmap_idx[j] = value and "
    "natconmap_slackidx[j] = 0, so the row loses its slack whatever value is. Other rows are left "
    "alone. _c_closure_76 is the same with n second.")
FRAGMENT(52, shape::ranged_domain, "iOOiOiOOOOiiiOOi", "off", "bl", "bu", "nobounds", "domlb", "isscalar", "domsp", "domub", "efix", "nativeidxs", "nd", "nnz", "n", "rf64", "ri32", "shapeoff")
DOC(52, "",
    "Ranged domain of a linear constraint: first efix[nativeidxs[i]] = rf64[off + i] for i < nnz "
    "(constants by native row, off being the base of the record's bfix run on the result stack); "
    "then the bounds by element position, by the first case that applies:\n"
    "- isscalar != 0: bl[i] = domlb[0], bu[i] = domub[0] for i < n (domsp is ignored);\n"
    "- nobounds != 0: no bounds;\n"
    "- domsp None (a dense domain): bl[i] = domlb[i], bu[i] = domub[i] for i < n;\n"
    "- otherwise (a sparse domain): for each domain entry r < len(domlb) (the count is the length "
    "of domlb; domsp needs as many rows and nd columns), with lin the row-major linear index of "
    "the multi-index domsp[r, :] in the constraint's shape, read from the result stack at "
    "ri32[shapeoff .. shapeoff + nd - 1]: bl[lin] = domlb[r], bu[lin] = domub[r]. The strides "
    "(32-bit) take nd int32 entries of scratch memory.\n"
    "Entries of bl and bu that no case writes keep the caller's values; bl and bu need n entries, "
    "or for a sparse domain one per element of the constraint's shape. ri32 and shapeoff are read "
    "only for a sparse domain.")
FRAGMENT(61, shape::zero_rows, "iOOOOOiO", "off", "bnd", "natconmap_efix", "natconmap_lb", "natconmap_ub", "nativeidxs", "n", "rf64")
DOC(61, "",
    "Rows fixed at zero: for i < n, row j = nativeidxs[i]: natconmap_efix[j] = rf64[off + i] "
    "(element i's constant, off being the base of the record's bfix run on the result stack), "
    "natconmap_lb[j] = natconmap_ub[j] = 0.0, and bnd[i] = 0.0 by element position. bnd needs n "
    "entries.")
FRAGMENT(64, shape::semidefinite_slacks, "OOOOOOOOi", "dim", "matidxs", "natbarvar_ptr", "natconmap_slackidx", "nativeidxs", "slackbarsubj", "slackmat", "slacks", "rowwise")
DOC(64, "",
    "Semidefinite slack entries of a constraint's rows: the constraint is seen as the five-axis "
    "view dim = [d0, n, d2, n, d4] (_c_closure_57 .. _c_closure_59; dim[3] is not read), each n x "
    "n matrix over axes 1 and 3 standing for one slack bar variable. Its rows are the "
    "lower-triangle entries (i, j), i >= j, visited in the view's row-major order: with rowwise != "
    "0, i on axis 1 (a < d0, i < n, m < d2, j <= i, k < d4); with rowwise = 0, j on axis 1 (a < "
    "d0, j < n, m < d2, i = j .. n - 1, k < d4). For visit p = 0, 1, ..., with t = i * (i + 1) / 2 "
    "+ j (the entry's packed row-by-row position) and v = slacks[(a * d2 + m) * d4 + k] (the bar "
    "variable of this matrix):\n"
    "- slackmat[p] = matidxs[t] and slackbarsubj[p] = v;\n"
    "- natconmap_slackidx[nativeidxs[p]] = -e - 1 with e = natbarvar_ptr[v] + j * (2 * n - j - 1) "
    "/ 2 + i, the bar element of entry (i, j) of variable v (bar elements run column by column, as "
    "_c_closure_3 lays them out): the row's slack as a signed native index.\n"
    "nativeidxs, slackmat and slackbarsubj need d0 * d2 * d4 * n * (n + 1) / 2 entries, slacks d0 "
    "* d2 * d4 and matidxs n * (n + 1) / 2.")
FRAGMENT(69, shape::semidefinite_rows, "OiiiiiOOOOOOOOOiOi", "barsubj", "off", "blockid", "msize", "nblocks", "nsub", "matsubi", "matsubj", "natconmap_blockid", "natconmap_efix", "natconmap_idx", "natconmap_lb", "natconmap_type", "natconmap_ub", "nativeidxs", "n", "rf64", "typecode")
DOC(69, "",
    "Rows and slack terms of a semidefinite constraint block: writes its slack terms, its type and "
    "its rows.\n"
    "- slack terms from position 0: for b < nblocks, for the lower-triangle entries (i, j), j <= "
    "i, of an msize x msize matrix row by row ((0,0), (1,0), (1,1), ...), for k < nsub: barsubj[p] "
    "= nsub * b + k, matsubi[p] = i, matsubj[p] = j, p += 1; barsubj, matsubi and matsubj need "
    "nblocks * nsub * msize * (msize + 1) / 2 entries;\n"
    "- natconmap_type[blockid] = -typecode - 1;\n"
    "- for i < n, row j = nativeidxs[i]: natconmap_blockid[j] = blockid, natconmap_idx[j] = i, "
    "natconmap_efix[j] = rf64[off + i] (element i's constant, off being the base of the record's "
    "bfix run on the result stack), natconmap_lb[j] = natconmap_ub[j] = 0.0.\n"
    "The rows' slacks are set by _c_closure_64.")
FRAGMENT(71, shape::stamp_slack_variables, "iOiO", "n", "natvarmap_idx", "value", "slackidxs")
DOC(71, "",
    "Stamp slack variables in the native variable map: natvarmap_idx[slackidxs[i]] = value for i < "
    "n; other entries are left alone.")
FRAGMENT(73, shape::conic_rows, "iiiOOOOOOOOO", "off", "blockid", "n", "natconmap_blockid", "natconmap_efix", "natconmap_idx", "natconmap_lb", "natconmap_slackidx", "natconmap_ub", "nativeidxs", "rf64", "slackidxs")
DOC(73, "",
    "Rows of a conic constraint block: for i < n, row j = nativeidxs[i]: natconmap_efix[j] = "
    "rf64[off + i] (element i's constant, off being the base of the record's bfix run on the "
    "result stack), natconmap_lb[j] = natconmap_ub[j] = 0.0, natconmap_slackidx[j] = slackidxs[i] "
    "+ 1 (the scalar slack variable as a signed native index, so slack variable 0 is stored as 1), "
    "natconmap_blockid[j] = blockid and natconmap_idx[j] = i. Each row thus requires its "
    "expression minus its slack variable to be zero.")
FRAGMENT(75, shape::equality_domain, "iOiiOOOOiiOOO", "off", "dombnd", "nobounds", "isscalar", "domsp", "efix", "lb", "nativeidxs", "nd", "n", "rf64", "shape", "ub")
DOC(75, "",
    "Equality domain of a linear constraint, by native row j = nativeidxs[i]: first efix[j] = "
    "rf64[off + i] for i < n (off being the base of the record's bfix run on the result stack); "
    "then both bounds, by the first case that applies:\n"
    "- dombnd None: lb[j] = ub[j] = 0.0 for i < n;\n"
    "- isscalar != 0: lb[j] = ub[j] = dombnd[0] for i < n (domsp is ignored);\n"
    "- domsp None (a dense domain): lb[j] = ub[j] = dombnd[i] for i < n, unless nobounds != 0 "
    "(then no bounds);\n"
    "- otherwise (a sparse domain; nobounds is not consulted): for each row r of domsp (its row "
    "count), with lin the row-major linear index of domsp[r, :] in shape (nd entries): "
    "lb[nativeidxs[lin]] = ub[nativeidxs[lin]] = dombnd[r]; nativeidxs then needs one entry per "
    "element of shape. The strides (32-bit) take nd int32 entries of scratch memory.\n"
    "Rows that no case writes keep the caller's bounds.")
FRAGMENT(76, shape::stamp_rows_n_first, "iiOOO", "value", "n", "natconmap_idx", "natconmap_slackidx", "nativeidxs")
DOC(76, "",
    "Stamp constraint rows, n second: for i < n, row j = nativeidxs[i]: natconmap_idx[j] = value "
    "and natconmap_slackidx[j] = 0, so the row loses its slack whatever value is. Other rows are "
    "left alone. The same as _c_closure_51 with the parameters in this order.")
