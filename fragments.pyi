# Typed stubs of the fragments kernels, generated from the kernel registry at build time.
# Arrays are buffers of the named element type (I32: int32, format 'i'; I64: int64,
# format 'l' or 'q'; F64: float64, format 'd'), one-dimensional unless named Matrix;
# an ArrayList is a one-dimensional object buffer of I32 arrays. 'Out' marks arrays
# the kernel writes, which must be writable. None stands for an absent array.
# Int32 scalars must lie in -2**31 .. 2**31 - 1 and Int64 scalars in -2**63 .. 2**63 - 1
# (OverflowError otherwise). Every kernel takes its arguments by position only.
from typing import Any, Optional, Tuple
from typing_extensions import Annotated

Int32 = int
Int64 = int
I32Array = Optional[Any]
I32ArrayOut = Optional[Any]
I32Matrix = Optional[Any]
I32MatrixOut = Optional[Any]
I64Array = Optional[Any]
I64ArrayOut = Optional[Any]
I64Matrix = Optional[Any]
I64MatrixOut = Optional[Any]
F64Array = Optional[Any]
F64ArrayOut = Optional[Any]
F64Matrix = Optional[Any]
F64MatrixOut = Optional[Any]
I32ArrayList = Optional[Any]

def _c_closure_0(natbarvarmap_num: I32Array, natbarvarmap_ptr: I32Array, res: I32ArrayOut, mapidx: Int32, /) -> None:
    r"""native::bar_variables_of_entry (native/maps.cpp: Native index maps and the layout of bar variables)


    Parameters:
      natbarvarmap_num  int32[], read
      natbarvarmap_ptr  int32[], read
      res               int32[], written
      mapidx            int32
    Returns: None
    """

def _c_closure_1(natbarvar_dim: I32Array, natbarvar_ptr: I64Array, natbarvarmap_num: I32Array, natbarvarmap_ptr: I32Array, res: I64ArrayOut, mapidx: Int32, /) -> None:
    r"""native::bar_elements_of_entry (native/maps.cpp: Native index maps and the layout of bar variables)


    Parameters:
      natbarvar_dim     int32[], read
      natbarvar_ptr     int64[], read
      natbarvarmap_num  int32[], read
      natbarvarmap_ptr  int32[], read
      res               int64[], written
      mapidx            int32
    Returns: None
    """

def _c_closure_2(value: Int32, n: Int32, natbarvar_dim: I32ArrayOut, first: Int32, /) -> None:
    r"""native::set_bar_dimensions (native/maps.cpp: Native index maps and the layout of bar variables)


    Parameters:
      value          int32
      n              int32
      natbarvar_dim  int32[], written
      first          int32
    Returns: None
    """

def _c_closure_3(barsize: Int32, dim: Int32, first: Int32, n: Int32, natbarvar_i: I32ArrayOut, natbarvar_idx: I32ArrayOut, natbarvar_j: I32ArrayOut, natbarvar_ptr: I64ArrayOut, ptrpos: Int32, /) -> None:
    r"""native::lay_out_bar_variables (native/maps.cpp: Native index maps and the layout of bar variables)


    Parameters:
      barsize        int32
      dim            int32
      first          int32
      n              int32
      natbarvar_i    int32[], written
      natbarvar_idx  int32[], written
      natbarvar_j    int32[], written
      natbarvar_ptr  int64[], written
      ptrpos         int32
    Returns: None
    """

def _c_closure_4(natvarmap_idx: I32ArrayOut, end: Int32, start: Int32, /) -> None:
    r"""native::release_variables (native/maps.cpp: Native index maps and the layout of bar variables)


    Parameters:
      natvarmap_idx  int32[], written
      end            int32
      start          int32
    Returns: None
    """

def _c_closure_5(natconmap_idx: I32ArrayOut, end: Int32, start: Int32, /) -> None:
    r"""native::release_constraints (native/maps.cpp: Native index maps and the layout of bar variables)


    Parameters:
      natconmap_idx  int32[], written
      end            int32
      start          int32
    Returns: None
    """

def _c_closure_6(init: Int32, idxs: I64Array, /) -> Annotated[Int32, ""]:
    r"""native::count_scalar_indexes (native/maps.cpp: Native index maps and the layout of bar variables)


    Parameters:
      init  int32
      idxs  int64[], read
    Returns: : int32
    """

def _c_closure_7(idxs: I64Array, pos: Int32, nativeidxs: I32ArrayOut, /) -> Annotated[Int32, ""]:
    r"""native::scalar_variables_of (native/maps.cpp: Native index maps and the layout of bar variables)


    Parameters:
      idxs        int64[], read
      pos         int32
      nativeidxs  int32[], written
    Returns: : int32
    """

def _c_closure_8(init: Int32, idxs: I64Array, /) -> Annotated[Int32, ""]:
    r"""native::count_scalar_indexes (native/maps.cpp: Native index maps and the layout of bar variables)

    The same kernel as _c_closure_6.


    Parameters:
      init  int32
      idxs  int64[], read
    Returns: : int32
    """

def _c_closure_9(idxs: I64Array, pos: Int32, nativeidxs: I32ArrayOut, /) -> Annotated[Int32, ""]:
    r"""native::scalar_variables_of (native/maps.cpp: Native index maps and the layout of bar variables)

    The same kernel as _c_closure_7.


    Parameters:
      idxs        int64[], read
      pos         int32
      nativeidxs  int32[], written
    Returns: : int32
    """

def _c_closure_10(barx: F64Array, n: Int32, natconmap_slackidx: I64Array, nativeidxs: I32Array, off: Int32, res: F64ArrayOut, xc: F64Array, xx: F64Array, /) -> None:
    r"""native::constraint_levels (native/solution.cpp: Solution values read back through the native maps, and clearing of solution ranges)


    Parameters:
      barx                float64[], read
      n                   int32
      natconmap_slackidx  int64[], read
      nativeidxs          int32[], read
      off                 int32
      res                 float64[], written
      xc                  float64[], read
      xx                  float64[], read
    Returns: None
    """

def _c_closure_11(n: Int32, nativeidxs: I64Array, off: Int32, res: F64ArrayOut, xx: F64Array, /) -> None:
    r"""native::scalar_values (native/solution.cpp: Solution values read back through the native maps, and clearing of solution ranges)


    Parameters:
      n           int32
      nativeidxs  int64[], read
      off         int32
      res         float64[], written
      xx          float64[], read
    Returns: None
    """

def _c_closure_12(n: Int32, nativeidxs: I64Array, off: Int32, res: F64ArrayOut, xx: F64Array, /) -> None:
    r"""native::negated_scalar_values (native/solution.cpp: Solution values read back through the native maps, and clearing of solution ranges)


    Parameters:
      n           int32
      nativeidxs  int64[], read
      off         int32
      res         float64[], written
      xx          float64[], read
    Returns: None
    """

def _c_closure_13(barx: F64Array, n: Int32, nativeidxs: I64Array, off: Int32, res: F64ArrayOut, xx: F64Array, /) -> None:
    r"""native::values (native/solution.cpp: Solution values read back through the native maps, and clearing of solution ranges)


    Parameters:
      barx        float64[], read
      n           int32
      nativeidxs  int64[], read
      off         int32
      res         float64[], written
      xx          float64[], read
    Returns: None
    """

def _c_closure_14(nativeidxs: I64Array, init: Int32, /) -> Annotated[Int32, ""]:
    r"""native::count_non_negative (native/maps.cpp: Native index maps and the layout of bar variables)


    Parameters:
      nativeidxs  int64[], read
      init        int32
    Returns: : int32
    """

def _c_closure_15(pos: Int32, nativeidxs: I64Array, subj: I32ArrayOut, /) -> Annotated[Int32, ""]:
    r"""native::scalar_variables_into (native/maps.cpp: Native index maps and the layout of bar variables)


    Parameters:
      pos         int32
      nativeidxs  int64[], read
      subj        int32[], written
    Returns: : int32
    """

def _c_closure_16(n: Int32, nidxsbase: Int32, ptrbase: Int32, rptrb: I64ArrayOut, wi32: I32Array, wi64: I64Array, /) -> None:
    r"""native::count_row_terms (native/rows.cpp: Native rows and terms from expression records)

    Row counts, the count pass of _c_closure_18: for each row r < n of the work-stack record
    (ptr at wi32[ptrbase], nidxs at wi64[nidxsbase]), adds to rptrb[r + 1] the number of its
    terms on scalar variables (index > 0).

    rptrb needs n + 1 entries; rptrb[0] and the starting counts are the caller's
    (zero-filled for a fresh count). Then _c_closure_17 turns the counts into row pointers.

    Parameters:
      n          int32
      nidxsbase  int32
      ptrbase    int32
      rptrb      int64[], written
      wi32       int32[], read
      wi64       int64[], read
    Returns: None
    """

def _c_closure_17(n: Int32, rptrb: I64ArrayOut, /) -> None:
    r"""native::running_row_pointers (native/rows.cpp: Native rows and terms from expression records)

    Row pointers from row counts: in place, rptrb[k] += rptrb[k - 1] for k = 1 .. n (the
    step between _c_closure_16 and _c_closure_18). rptrb needs n + 1 entries; n = 0 changes
    nothing.

    Parameters:
      n      int32
      rptrb  int64[], written
    Returns: None
    """

def _c_closure_18(cofbase: Int32, pos: Int32, n: Int32, nidxsbase: Int32, ptrbase: Int32, rcof: F64ArrayOut, rsubj: I32ArrayOut, wf64: F64Array, wi32: I32Array, wi64: I64Array, /) -> Annotated[Int32, "pos"]:
    r"""native::fill_rows (native/rows.cpp: Native rows and terms from expression records)

    Row fill, the build pass of compressed rows sized by _c_closure_16 and _c_closure_17:
    walks rows r < n of the work-stack record (ptr at wi32[ptrbase], nidxs at
    wi64[nidxsbase], cof at wf64[cofbase]) and each row's terms in stored order; a term with
    index v > 0 gets rsubj[pos] = v - 1 and rcof[pos] = its coefficient, and pos advances.
    Terms with index <= 0 (bar elements, nothing) are skipped.

    With pos = rptrb[0] the entries of row r land at rptrb[r] .. rptrb[r + 1] - 1, so rsubj
    and rcof need rptrb[n] entries. The kernel leaves rptrb alone.

    Returns the final pos (a 32-bit running position).

    Parameters:
      cofbase    int32
      pos        int32
      n          int32
      nidxsbase  int32
      ptrbase    int32
      rcof       float64[], written
      rsubj      int32[], written
      wf64       float64[], read
      wi32       int32[], read
      wi64       int64[], read
    Returns: pos: int32
    """

def _c_closure_19(conidxs: I32Array, natconmap_slackidx: I64Array, n: Int32, init: Int32, /) -> Annotated[Int32, "count"]:
    r"""native::count_scalar_slacks (native/rows.cpp: Native rows and terms from expression records)

    Slack count, the count pass of _c_closure_20: returns init plus the number of rows
    conidxs[k], k < n, whose slack is a scalar variable (natconmap_slackidx[conidxs[k]] >
    0).

    Parameters:
      conidxs             int32[], read
      natconmap_slackidx  int64[], read
      n                   int32
      init                int32
    Returns: count: int32
    """

def _c_closure_20(cc: F64ArrayOut, conidxs: I32Array, ii: I32ArrayOut, jj: I32ArrayOut, pos: Int32, natconmap_slackidx: I64Array, n: Int32, /) -> Annotated[Int32, "pos"]:
    r"""native::slack_coefficients (native/rows.cpp: Native rows and terms from expression records)

    Slack coefficients, the build pass sized by _c_closure_19: for k < n, row c = conidxs[k]
    whose slack code s = natconmap_slackidx[c] is > 0 gets the coordinate entry ii[pos] = c,
    jj[pos] = s - 1, cc[pos] = -1.0, and pos advances; rows without a scalar slack are
    skipped.

    ii, jj and cc need room at pos .. pos + count - 1, count being what _c_closure_19 adds.
    Returns the final pos.

    Parameters:
      cc                  float64[], written
      conidxs             int32[], read
      ii                  int32[], written
      jj                  int32[], written
      pos                 int32
      natconmap_slackidx  int64[], read
      n                   int32
    Returns: pos: int32
    """

def _c_closure_21(cof: F64ArrayOut, cofbase: Int32, pos: Int32, n: Int32, nidxsbase: Int32, ptrbase: Int32, varidxs: I32Array, wf64: F64Array, wi32: I32Array, wi64: I64Array, /) -> Annotated[Int32, "pos"]:
    r"""native::dense_rows (native/rows.cpp: Native rows and terms from expression records)

    Dense rows over listed variables: with L = len(varidxs), row r < n of the work-stack
    record (ptr at wi32[ptrbase], nidxs at wi64[nidxsbase], cof at wf64[cofbase]) goes to
    cof[pos + r*L .. pos + r*L + L - 1], entry i holding the coefficient of scalar variable
    varidxs[i] (the sum of its terms when the row has several).

    Needs each row's terms in increasing index order and varidxs strictly increasing
    (_c_closure_22 tests that). Entries of variables without a term are left alone: the
    caller zero-fills cof, which needs pos + n*L entries. Terms on variables not listed, on
    bar elements or on nothing are skipped.

    Returns pos + n*L.

    Parameters:
      cof        float64[], written
      cofbase    int32
      pos        int32
      n          int32
      nidxsbase  int32
      ptrbase    int32
      varidxs    int32[], read
      wf64       float64[], read
      wi32       int32[], read
      wi64       int64[], read
    Returns: pos: int32
    """

def _c_closure_22(n: Int32, varidxs_: I64Array, flag: Int32, /) -> Annotated[bool, "increasing"]:
    r"""native::strictly_increasing (native/rows.cpp: Native rows and terms from expression records)

    Strict increase test: of varidxs_[0 .. n - 1], flag (as a boolean) when n <= 1; False
    when flag is 0; otherwise True when every entry is below the next. Only the first n
    entries are read; flag lets a caller chain tests.

    Parameters:
      n         int32
      varidxs_  int64[], read
      flag      int32
    Returns: increasing: bool
    """

def _c_closure_23(cof: F64ArrayOut, cofbase: Int32, pos: Int32, n: Int32, nidxsbase: Int32, ptrbase: Int32, varidxs: I32Array, wf64: F64Array, wi32: I32Array, wi64: I64Array, /) -> Annotated[Int32, "pos"]:
    r"""native::dense_rows (native/rows.cpp: Native rows and terms from expression records)

    The same kernel as _c_closure_21.

    Dense rows over listed variables: with L = len(varidxs), row r < n of the work-stack
    record (ptr at wi32[ptrbase], nidxs at wi64[nidxsbase], cof at wf64[cofbase]) goes to
    cof[pos + r*L .. pos + r*L + L - 1], entry i holding the coefficient of scalar variable
    varidxs[i] (the sum of its terms when the row has several).

    Needs each row's terms in increasing index order and varidxs strictly increasing
    (_c_closure_22 tests that). Entries of variables without a term are left alone: the
    caller zero-fills cof, which needs pos + n*L entries. Terms on variables not listed, on
    bar elements or on nothing are skipped.

    Returns pos + n*L.

    Parameters:
      cof        float64[], written
      cofbase    int32
      pos        int32
      n          int32
      nidxsbase  int32
      ptrbase    int32
      varidxs    int32[], read
      wf64       float64[], read
      wi32       int32[], read
      wi64       int64[], read
    Returns: pos: int32
    """

def _c_closure_24(nscalar: Int32, rnidxsbase: Int32, n: Int32, nbar: Int32, ri64: I64Array, /) -> Tuple[Annotated[Int32, "nscalar"], Annotated[Int32, "nbar"]]:
    r"""native::count_terms (native/rows.cpp: Native rows and terms from expression records)

    Term census, the count pass of _c_closure_25 and _c_closure_26: over the n indexes
    ri64[rnidxsbase + k], adds 1 to nscalar for each index > 0 (a scalar-variable term) and
    1 to nbar for each index < 0 (a bar element term); zeros count in neither.

    Returns (nscalar, nbar) advanced: the sizes of the scalar and bar parts of the run.

    Parameters:
      nscalar     int32
      rnidxsbase  int32
      n           int32
      nbar        int32
      ri64        int64[], read
    Returns: (nscalar, nbar): (int32, int32)
    """

def _c_closure_25(cof: F64ArrayOut, rcofbase: Int32, rnidxsbase: Int32, n: Int32, rf64: F64Array, ri64: I64Array, subj: I32ArrayOut, /) -> None:
    r"""native::scalar_terms (native/rows.cpp: Native rows and terms from expression records)

    Scalar terms of a result-stack run, sized by _c_closure_24: for each k < n with index v
    = ri64[rnidxsbase + k] > 0, in order, writes subj[c] = v - 1 and cof[c] = rf64[rcofbase
    + k], c counting from 0. subj and cof need nscalar entries.

    Parameters:
      cof         float64[], written
      rcofbase    int32
      rnidxsbase  int32
      n           int32
      rf64        float64[], read
      ri64        int64[], read
      subj        int32[], written
    Returns: None
    """

def _c_closure_26(rcofbase: Int32, natbarvar_i: I32Array, natbarvar_idx: I32Array, natbarvar_j: I32Array, rnidxsbase: Int32, n: Int32, rf64: F64Array, ri64: I64Array, subj: I32ArrayOut, subk: I32ArrayOut, subl: I32ArrayOut, val: F64ArrayOut, /) -> None:
    r"""native::bar_terms (native/rows.cpp: Native rows and terms from expression records)

    Bar terms of a result-stack run, sized by _c_closure_24: for each k < n with index v =
    ri64[rnidxsbase + k] < 0, in order, on bar element p = -v - 1: subj[c] =
    natbarvar_idx[p] (its bar variable), subk[c] = natbarvar_i[p], subl[c] = natbarvar_j[p]
    (row and column), and val[c] = the coefficient on the diagonal and half of it off the
    diagonal (the lower of the two equal entries of a symmetric coefficient matrix); c
    counts from 0. Indexes >= 0 are skipped. subj, subk, subl and val need nbar entries.

    Parameters:
      rcofbase       int32
      natbarvar_i    int32[], read
      natbarvar_idx  int32[], read
      natbarvar_j    int32[], read
      rnidxsbase     int32
      n              int32
      rf64           float64[], read
      ri64           int64[], read
      subj           int32[], written
      subk           int32[], written
      subl           int32[], written
      val            float64[], written
    Returns: None
    """

def _c_closure_27(nd: Int32, shape: I32Array, strides: I32ArrayOut, /) -> None:
    r"""shape::strides_of (shape/index.cpp: Shapes, strides, linear and multi-dimensional indexes)


    Parameters:
      nd       int32
      shape    int32[], read
      strides  int32[], written
    Returns: None
    """

def _c_closure_28(init: Int32, shape: I32Array, /) -> Annotated[Int32, ""]:
    r"""shape::size_of_shape (shape/index.cpp: Shapes, strides, linear and multi-dimensional indexes)


    Parameters:
      init   int32
      shape  int32[], read
    Returns: : int32
    """

def _c_closure_29(nativeidxs: I32Array, natvarmap_idx: I32ArrayOut, n: Int32, value: Int32, /) -> None:
    r"""shape::stamp_variables (shape/constraints.cpp: Constraint rows, domains and native map registration)


    Parameters:
      nativeidxs     int32[], read
      natvarmap_idx  int32[], written
      n              int32
      value          int32
    Returns: None
    """

def _c_closure_30(nd: Int32, shape: I32Array, strides: I32ArrayOut, /) -> None:
    r"""shape::strides_from_innermost (shape/index.cpp: Shapes, strides, linear and multi-dimensional indexes)


    Parameters:
      nd       int32
      shape    int32[], read
      strides  int32[], written
    Returns: None
    """

def _c_closure_31(init: Int32, shape: I32Array, /) -> Annotated[Int32, ""]:
    r"""shape::size_of_inner (shape/index.cpp: Shapes, strides, linear and multi-dimensional indexes)


    Parameters:
      init   int32
      shape  int32[], read
    Returns: : int32
    """

def _c_closure_32(n: Int32, init: Int32, shape: I32Array, /) -> Annotated[Int32, ""]:
    r"""shape::size_of_leading (shape/index.cpp: Shapes, strides, linear and multi-dimensional indexes)


    Parameters:
      n      int32
      init   int32
      shape  int32[], read
    Returns: : int32
    """

def _c_closure_33(after: Int32, init: Int32, before: Int32, shape: I32Array, /) -> Annotated[Int32, ""]:
    r"""shape::size_between (shape/index.cpp: Shapes, strides, linear and multi-dimensional indexes)


    Parameters:
      after   int32
      init    int32
      before  int32
      shape   int32[], read
    Returns: : int32
    """

def _c_closure_34(n: Int32, nativeidxs: I32Array, natvarmap_idx: I32ArrayOut, value: Int32, /) -> None:
    r"""shape::stamp_variables_n_first (shape/constraints.cpp: Constraint rows, domains and native map registration)


    Parameters:
      n              int32
      nativeidxs     int32[], read
      natvarmap_idx  int32[], written
      value          int32
    Returns: None
    """

def _c_closure_35(inner: Int32, outer: Int32, middle: Int32, nativeidxs: I32Array, pos: Int32, permidxs: I32ArrayOut, /) -> Annotated[Int32, ""]:
    r"""shape::swap_trailing_axes (shape/transpose.cpp: Transposes and axis permutations of variables)


    Parameters:
      inner       int32
      outer       int32
      middle      int32
      nativeidxs  int32[], read
      pos         int32
      permidxs    int32[], written
    Returns: : int32
    """

def _c_closure_36(nd: Int32, shape: I32Array, strides: I32ArrayOut, /) -> None:
    r"""shape::strides_of (shape/index.cpp: Shapes, strides, linear and multi-dimensional indexes)

    The same kernel as _c_closure_27.


    Parameters:
      nd       int32
      shape    int32[], read
      strides  int32[], written
    Returns: None
    """

def _c_closure_37(init: Int32, shape: I32Array, /) -> Annotated[Int32, ""]:
    r"""shape::size_of_shape (shape/index.cpp: Shapes, strides, linear and multi-dimensional indexes)

    The same kernel as _c_closure_28.


    Parameters:
      init   int32
      shape  int32[], read
    Returns: : int32
    """

def _c_closure_38(flag: Int32, n: Int32, shape: I32Array, sp: I32Matrix, sparsity: I64ArrayOut, strides: I32Array, /) -> Annotated[bool, ""]:
    r"""shape::linear_indexes_checked (shape/patterns.cpp: Building and sorting sparsity patterns)


    Parameters:
      flag      int32
      n         int32
      shape     int32[], read
      sp        int32[,], read
      sparsity  int64[], written
      strides   int32[], read
    Returns: : bool
    """

def _c_closure_39(init: Int32, n: Int32, shape: I32Array, /) -> Annotated[Int32, ""]:
    r"""shape::largest_size (shape/index.cpp: Shapes, strides, linear and multi-dimensional indexes)


    Parameters:
      init   int32
      n      int32
      shape  int32[], read
    Returns: : int32
    """

def _c_closure_40(curperm: I32ArrayOut, n: Int32, /) -> None:
    r"""shape::identity_permutation (shape/patterns.cpp: Building and sorting sparsity patterns)


    Parameters:
      curperm  int32[], written
      n        int32
    Returns: None
    """

def _c_closure_41(curperm: I32Array, pass_: Int32, midxs: I32Matrix, n: Int32, nd: Int32, ptr: I32ArrayOut, shape: I32Array, tgtperm: I32ArrayOut, /) -> None:
    r"""shape::sort_pass_on_rows (shape/patterns.cpp: Building and sorting sparsity patterns)


    Parameters:
      curperm  int32[], read
      pass_    int32
      midxs    int32[,], read
      n        int32
      nd       int32
      ptr      int32[], written
      shape    int32[], read
      tgtperm  int32[], written
    Returns: None
    """

def _c_closure_42(curperm: I32Array, midxs: I32Matrix, n: Int32, nd: Int32, sparsity: I64ArrayOut, strides: I32Array, /) -> None:
    r"""shape::linear_indexes_in_order (shape/patterns.cpp: Building and sorting sparsity patterns)


    Parameters:
      curperm   int32[], read
      midxs     int32[,], read
      n         int32
      nd        int32
      sparsity  int64[], written
      strides   int32[], read
    Returns: None
    """

def _c_closure_43(nativeidxs: I32Array, natvarmap_idx: I32ArrayOut, n: Int32, value: Int32, /) -> None:
    r"""shape::stamp_variables (shape/constraints.cpp: Constraint rows, domains and native map registration)

    The same kernel as _c_closure_29.


    Parameters:
      nativeidxs     int32[], read
      natvarmap_idx  int32[], written
      n              int32
      value          int32
    Returns: None
    """

def _c_closure_44(n: Int32, init: Int32, shape: I32Array, /) -> Annotated[Int32, ""]:
    r"""shape::size_of_leading (shape/index.cpp: Shapes, strides, linear and multi-dimensional indexes)

    The same kernel as _c_closure_32.


    Parameters:
      n      int32
      init   int32
      shape  int32[], read
    Returns: : int32
    """

def _c_closure_45(after: Int32, init: Int32, before: Int32, shape: I32Array, /) -> Annotated[Int32, ""]:
    r"""shape::size_between (shape/index.cpp: Shapes, strides, linear and multi-dimensional indexes)

    The same kernel as _c_closure_33.


    Parameters:
      after   int32
      init    int32
      before  int32
      shape   int32[], read
    Returns: : int32
    """

def _c_closure_46(msize: Int32, nouter: Int32, ncols: Int32, nper: Int32, natbarvar_ptr: I64Array, nativeidxs: I64ArrayOut, /) -> None:
    r"""shape::bar_element_positions (shape/barterms.cpp: Solver rows and semidefinite term groups from expression records)


    Parameters:
      msize          int32
      nouter         int32
      ncols          int32
      nper           int32
      natbarvar_ptr  int64[], read
      nativeidxs     int64[], written
    Returns: None
    """

def _c_closure_47(n: Int32, init: Int32, shape: I32Array, /) -> Annotated[Int32, ""]:
    r"""shape::size_of_leading (shape/index.cpp: Shapes, strides, linear and multi-dimensional indexes)

    The same kernel as _c_closure_32.


    Parameters:
      n      int32
      init   int32
      shape  int32[], read
    Returns: : int32
    """

def _c_closure_48(after: Int32, before: Int32, init: Int32, shape: I32Array, /) -> Annotated[Int32, ""]:
    r"""shape::size_between_init_third (shape/index.cpp: Shapes, strides, linear and multi-dimensional indexes)


    Parameters:
      after   int32
      before  int32
      init    int32
      shape   int32[], read
    Returns: : int32
    """

def _c_closure_49(after: Int32, before: Int32, init: Int32, shape: I32Array, /) -> Annotated[Int32, ""]:
    r"""shape::size_between_init_third (shape/index.cpp: Shapes, strides, linear and multi-dimensional indexes)


    Parameters:
      after   int32
      before  int32
      init    int32
      shape   int32[], read
    Returns: : int32
    """

def _c_closure_50(n: Int32, init: Int32, ri32: I32Array, off: Int32, /) -> Annotated[Int32, ""]:
    r"""shape::size_of_result_run (shape/index.cpp: Shapes, strides, linear and multi-dimensional indexes)


    Parameters:
      n     int32
      init  int32
      ri32  int32[], read
      off   int32
    Returns: : int32
    """

def _c_closure_51(value: Int32, natconmap_idx: I32ArrayOut, natconmap_slackidx: I64ArrayOut, nativeidxs: I32Array, n: Int32, /) -> None:
    r"""shape::stamp_rows (shape/constraints.cpp: Constraint rows, domains and native map registration)


    Parameters:
      value               int32
      natconmap_idx       int32[], written
      natconmap_slackidx  int64[], written
      nativeidxs          int32[], read
      n                   int32
    Returns: None
    """

def _c_closure_52(off: Int32, bl: F64ArrayOut, bu: F64ArrayOut, nobounds: Int32, domlb: F64Array, isscalar: Int32, domsp: I32Matrix, domub: F64Array, efix: F64ArrayOut, nativeidxs: I32Array, nd: Int32, nnz: Int32, n: Int32, rf64: F64Array, ri32: I32Array, shapeoff: Int32, /) -> None:
    r"""shape::ranged_domain (shape/constraints.cpp: Constraint rows, domains and native map registration)


    Parameters:
      off         int32
      bl          float64[], written
      bu          float64[], written
      nobounds    int32
      domlb       float64[], read
      isscalar    int32
      domsp       int32[,], read
      domub       float64[], read
      efix        float64[], written
      nativeidxs  int32[], read
      nd          int32
      nnz         int32
      n           int32
      rf64        float64[], read
      ri32        int32[], read
      shapeoff    int32
    Returns: None
    """

def _c_closure_53(ngroups: Int32, nscalar: Int32, natbarvar_idx: I32Array, nelem: Int32, nidxs_base: Int32, ptr_base: Int32, ri32: I32Array, ri64: I64Array, nbar: Int32, /) -> Tuple[Annotated[Int32, ""], Annotated[Int32, ""], Annotated[Int32, ""]]:
    r"""shape::count_bar_groups (shape/barterms.cpp: Solver rows and semidefinite term groups from expression records)


    Parameters:
      ngroups        int32
      nscalar        int32
      natbarvar_idx  int32[], read
      nelem          int32
      nidxs_base     int32
      ptr_base       int32
      ri32           int32[], read
      ri64           int64[], read
      nbar           int32
    Returns: (): (int32, int32, int32)
    """

def _c_closure_54(bfix_base: Int32, constidx: Int32, cof: F64ArrayOut, cof_base: Int32, nelem: Int32, nidxs_base: Int32, ptr_base: Int32, ptrb: I64ArrayOut, rf64: F64Array, ri32: I32Array, ri64: I64Array, slack: I32Array, subj: I32ArrayOut, /) -> None:
    r"""shape::scalar_rows (shape/barterms.cpp: Solver rows and semidefinite term groups from expression records)


    Parameters:
      bfix_base   int32
      constidx    int32
      cof         float64[], written
      cof_base    int32
      nelem       int32
      nidxs_base  int32
      ptr_base    int32
      ptrb        int64[], written
      rf64        float64[], read
      ri32        int32[], read
      ri64        int64[], read
      slack       int32[], read
      subj        int32[], written
    Returns: None
    """

def _c_closure_55(m: Int32, g: Int32, barsubj: I32ArrayOut, cof_base: Int32, matcof: F64ArrayOut, matdim: I32ArrayOut, matnnz: I64ArrayOut, matsubi: I32ArrayOut, matsubj: I32ArrayOut, natbarvar_dim: I32Array, natbarvar_i: I32Array, natbarvar_idx: I32Array, natbarvar_j: I32Array, nidxs_base: Int32, nelem: Int32, ptr: I64ArrayOut, ptr_base: Int32, rf64: F64Array, ri32: I32Array, ri64: I64Array, /) -> Tuple[Annotated[Int32, ""], Annotated[Int32, ""]]:
    r"""shape::bar_groups (shape/barterms.cpp: Solver rows and semidefinite term groups from expression records)


    Parameters:
      m              int32
      g              int32
      barsubj        int32[], written
      cof_base       int32
      matcof         float64[], written
      matdim         int32[], written
      matnnz         int64[], written
      matsubi        int32[], written
      matsubj        int32[], written
      natbarvar_dim  int32[], read
      natbarvar_i    int32[], read
      natbarvar_idx  int32[], read
      natbarvar_j    int32[], read
      nidxs_base     int32
      nelem          int32
      ptr            int64[], written
      ptr_base       int32
      rf64           float64[], read
      ri32           int32[], read
      ri64           int64[], read
    Returns: (): (int32, int32)
    """

def _c_closure_56(axis: Int32, skip: Int32, n: Int32, init: Int32, shape: I32Array, /) -> Annotated[Int32, ""]:
    r"""shape::size_without_two (shape/index.cpp: Shapes, strides, linear and multi-dimensional indexes)


    Parameters:
      axis   int32
      skip   int32
      n      int32
      init   int32
      shape  int32[], read
    Returns: : int32
    """

def _c_closure_57(n: Int32, dim: I32ArrayOut, shape: I32Array, /) -> None:
    r"""shape::fold_before (shape/index.cpp: Shapes, strides, linear and multi-dimensional indexes)


    Parameters:
      n      int32
      dim    int32[], written
      shape  int32[], read
    Returns: None
    """

def _c_closure_58(after: Int32, before: Int32, dim: I32ArrayOut, shape: I32Array, /) -> None:
    r"""shape::fold_between (shape/index.cpp: Shapes, strides, linear and multi-dimensional indexes)


    Parameters:
      after   int32
      before  int32
      dim     int32[], written
      shape   int32[], read
    Returns: None
    """

def _c_closure_59(after: Int32, dim: I32ArrayOut, before: Int32, shape: I32Array, /) -> None:
    r"""shape::fold_after (shape/index.cpp: Shapes, strides, linear and multi-dimensional indexes)


    Parameters:
      after   int32
      dim     int32[], written
      before  int32
      shape   int32[], read
    Returns: None
    """

def _c_closure_60(dim: I32Array, stride: I32ArrayOut, /) -> None:
    r"""shape::five_axis_strides (shape/index.cpp: Shapes, strides, linear and multi-dimensional indexes)


    Parameters:
      dim     int32[], read
      stride  int32[], written
    Returns: None
    """

def _c_closure_61(off: Int32, bnd: F64ArrayOut, natconmap_efix: F64ArrayOut, natconmap_lb: F64ArrayOut, natconmap_ub: F64ArrayOut, nativeidxs: I32Array, n: Int32, rf64: F64Array, /) -> None:
    r"""shape::zero_rows (shape/constraints.cpp: Constraint rows, domains and native map registration)


    Parameters:
      off             int32
      bnd             float64[], written
      natconmap_efix  float64[], written
      natconmap_lb    float64[], written
      natconmap_ub    float64[], written
      nativeidxs      int32[], read
      n               int32
      rf64            float64[], read
    Returns: None
    """

def _c_closure_62(n: Int32, matcof: F64ArrayOut, /) -> None:
    r"""shape::packed_diagonal_minus_one (shape/symmetric.cpp: Symmetric and triangular index patterns)


    Parameters:
      n       int32
      matcof  float64[], written
    Returns: None
    """

def _c_closure_63(n: Int32, matsubi: I32ArrayOut, matsubj: I32ArrayOut, /) -> None:
    r"""shape::packed_triangle_coordinates (shape/symmetric.cpp: Symmetric and triangular index patterns)


    Parameters:
      n        int32
      matsubi  int32[], written
      matsubj  int32[], written
    Returns: None
    """

def _c_closure_64(dim: I32Array, matidxs: I64Array, natbarvar_ptr: I64Array, natconmap_slackidx: I64ArrayOut, nativeidxs: I32Array, slackbarsubj: I32ArrayOut, slackmat: I64ArrayOut, slacks: I32Array, rowwise: Int32, /) -> None:
    r"""shape::semidefinite_slacks (shape/constraints.cpp: Constraint rows, domains and native map registration)


    Parameters:
      dim                 int32[], read
      matidxs             int64[], read
      natbarvar_ptr       int64[], read
      natconmap_slackidx  int64[], written
      nativeidxs          int32[], read
      slackbarsubj        int32[], written
      slackmat            int64[], written
      slacks              int32[], read
      rowwise             int32
    Returns: None
    """

def _c_closure_65(n: Int32, init: Int32, shape: I32Array, /) -> Annotated[Int32, ""]:
    r"""shape::size_of_leading (shape/index.cpp: Shapes, strides, linear and multi-dimensional indexes)

    The same kernel as _c_closure_32.


    Parameters:
      n      int32
      init   int32
      shape  int32[], read
    Returns: : int32
    """

def _c_closure_66(n: Int32, init: Int32, shape: I32Array, /) -> Annotated[Int32, ""]:
    r"""shape::size_of_leading (shape/index.cpp: Shapes, strides, linear and multi-dimensional indexes)

    The same kernel as _c_closure_32.


    Parameters:
      n      int32
      init   int32
      shape  int32[], read
    Returns: : int32
    """

def _c_closure_67(after: Int32, init: Int32, before: Int32, shape: I32Array, /) -> Annotated[Int32, ""]:
    r"""shape::size_between (shape/index.cpp: Shapes, strides, linear and multi-dimensional indexes)

    The same kernel as _c_closure_33.


    Parameters:
      after   int32
      init    int32
      before  int32
      shape   int32[], read
    Returns: : int32
    """

def _c_closure_68(matcof: F64ArrayOut, n: Int32, /) -> None:
    r"""shape::packed_diagonal_minus_one_n_last (shape/symmetric.cpp: Symmetric and triangular index patterns)


    Parameters:
      matcof  float64[], written
      n       int32
    Returns: None
    """

def _c_closure_69(barsubj: I32ArrayOut, off: Int32, blockid: Int32, msize: Int32, nblocks: Int32, nsub: Int32, matsubi: I32ArrayOut, matsubj: I32ArrayOut, natconmap_blockid: I32ArrayOut, natconmap_efix: F64ArrayOut, natconmap_idx: I32ArrayOut, natconmap_lb: F64ArrayOut, natconmap_type: I32ArrayOut, natconmap_ub: F64ArrayOut, nativeidxs: I32Array, n: Int32, rf64: F64Array, typecode: Int32, /) -> None:
    r"""shape::semidefinite_rows (shape/constraints.cpp: Constraint rows, domains and native map registration)


    Parameters:
      barsubj            int32[], written
      off                int32
      blockid            int32
      msize              int32
      nblocks            int32
      nsub               int32
      matsubi            int32[], written
      matsubj            int32[], written
      natconmap_blockid  int32[], written
      natconmap_efix     float64[], written
      natconmap_idx      int32[], written
      natconmap_lb       float64[], written
      natconmap_type     int32[], written
      natconmap_ub       float64[], written
      nativeidxs         int32[], read
      n                  int32
      rf64               float64[], read
      typecode           int32
    Returns: None
    """

def _c_closure_70(axis: Int32, pre: Int32, post: Int32, total: Int32, nd: Int32, shape: I32Array, /) -> Tuple[Annotated[Int32, ""], Annotated[Int32, ""], Annotated[Int32, ""]]:
    r"""shape::sizes_around_axis (shape/index.cpp: Shapes, strides, linear and multi-dimensional indexes)


    Parameters:
      axis   int32
      pre    int32
      post   int32
      total  int32
      nd     int32
      shape  int32[], read
    Returns: (): (int32, int32, int32)
    """

def _c_closure_71(n: Int32, natvarmap_idx: I32ArrayOut, value: Int32, slackidxs: I32Array, /) -> None:
    r"""shape::stamp_slack_variables (shape/constraints.cpp: Constraint rows, domains and native map registration)


    Parameters:
      n              int32
      natvarmap_idx  int32[], written
      value          int32
      slackidxs      int32[], read
    Returns: None
    """

def _c_closure_72(axis: Int32, inner: Int32, outer: Int32, middle: Int32, permidxs: I32ArrayOut, shape: I32Array, slackidxs: I32Array, /) -> None:
    r"""shape::swap_axes_slacks (shape/transpose.cpp: Transposes and axis permutations of variables)


    Parameters:
      axis       int32
      inner      int32
      outer      int32
      middle     int32
      permidxs   int32[], written
      shape      int32[], read
      slackidxs  int32[], read
    Returns: None
    """

def _c_closure_73(off: Int32, blockid: Int32, n: Int32, natconmap_blockid: I32ArrayOut, natconmap_efix: F64ArrayOut, natconmap_idx: I32ArrayOut, natconmap_lb: F64ArrayOut, natconmap_slackidx: I64ArrayOut, natconmap_ub: F64ArrayOut, nativeidxs: I32Array, rf64: F64Array, slackidxs: I32Array, /) -> None:
    r"""shape::conic_rows (shape/constraints.cpp: Constraint rows, domains and native map registration)


    Parameters:
      off                 int32
      blockid             int32
      n                   int32
      natconmap_blockid   int32[], written
      natconmap_efix      float64[], written
      natconmap_idx       int32[], written
      natconmap_lb        float64[], written
      natconmap_slackidx  int64[], written
      natconmap_ub        float64[], written
      nativeidxs          int32[], read
      rf64                float64[], read
      slackidxs           int32[], read
    Returns: None
    """

def _c_closure_74(init: Int32, n: Int32, shape: I32Array, /) -> Annotated[Int32, ""]:
    r"""shape::size_of_leading_init_first (shape/index.cpp: Shapes, strides, linear and multi-dimensional indexes)


    Parameters:
      init   int32
      n      int32
      shape  int32[], read
    Returns: : int32
    """

def _c_closure_75(off: Int32, dombnd: F64Array, nobounds: Int32, isscalar: Int32, domsp: I32Matrix, efix: F64ArrayOut, lb: F64ArrayOut, nativeidxs: I32Array, nd: Int32, n: Int32, rf64: F64Array, shape: I32Array, ub: F64ArrayOut, /) -> None:
    r"""shape::equality_domain (shape/constraints.cpp: Constraint rows, domains and native map registration)


    Parameters:
      off         int32
      dombnd      float64[], read
      nobounds    int32
      isscalar    int32
      domsp       int32[,], read
      efix        float64[], written
      lb          float64[], written
      nativeidxs  int32[], read
      nd          int32
      n           int32
      rf64        float64[], read
      shape       int32[], read
      ub          float64[], written
    Returns: None
    """

def _c_closure_76(value: Int32, n: Int32, natconmap_idx: I32ArrayOut, natconmap_slackidx: I64ArrayOut, nativeidxs: I32Array, /) -> None:
    r"""shape::stamp_rows_n_first (shape/constraints.cpp: Constraint rows, domains and native map registration)


    Parameters:
      value               int32
      n                   int32
      natconmap_idx       int32[], written
      natconmap_slackidx  int64[], written
      nativeidxs          int32[], read
    Returns: None
    """

def _c_closure_77(d0: Int32, d1: Int32, d2: Int32, perm: I64ArrayOut, ptrb: I64ArrayOut, val: I64Array, /) -> None:
    r"""sparse::bucket_sort_permutation (sparse/compressed.cpp: Compressed sparse matrices and counting sorts)


    Parameters:
      d0    int32
      d1    int32
      d2    int32
      perm  int64[], written
      ptrb  int64[], written
      val   int64[], read
    Returns: None
    """

def _c_closure_78(first: Int64, idx: I64Array, last: Int64, res: I64ArrayOut, vals1: I64Array, vals2: I64Array, /) -> None:
    r"""sparse::key_ranges_wide (sparse/search.cpp: Searches, merges, ranges and index odometers)


    Parameters:
      first  int64
      idx    int64[], read
      last   int64
      res    int64[], written
      vals1  int64[], read
      vals2  int64[], read
    Returns: None
    """

def _c_closure_79(first: Int64, idx: I64Array, last: Int64, res: I32ArrayOut, vals1: I32Array, vals2: I32Array, /) -> None:
    r"""sparse::key_ranges_narrow (sparse/search.cpp: Searches, merges, ranges and index odometers)


    Parameters:
      first  int64
      idx    int64[], read
      last   int64
      res    int32[], written
      vals1  int32[], read
      vals2  int32[], read
    Returns: None
    """

def _c_closure_80(n: Int32, st: I64ArrayOut, value: Int64, /) -> None:
    r"""sparse::fill (sparse/search.cpp: Searches, merges, ranges and index odometers)


    Parameters:
      n      int32
      st     int64[], written
      value  int64
    Returns: None
    """

def _c_closure_81(n: Int32, st: I64ArrayOut, value: Int64, /) -> None:
    r"""sparse::fill (sparse/search.cpp: Searches, merges, ranges and index odometers)

    The same kernel as _c_closure_80.


    Parameters:
      n      int32
      st     int64[], written
      value  int64
    Returns: None
    """

def _c_closure_82(dims: I32Array, ii: I32ArrayOut, nd: Int32, st: I64ArrayOut, strides: I64Array, /) -> None:
    r"""sparse::advance_strided (sparse/search.cpp: Searches, merges, ranges and index odometers)


    Parameters:
      dims     int32[], read
      ii       int32[], written
      nd       int32
      st       int64[], written
      strides  int64[], read
    Returns: None
    """

def _c_closure_83(n: Int32, st: I64ArrayOut, value: Int64, /) -> None:
    r"""sparse::fill (sparse/search.cpp: Searches, merges, ranges and index odometers)

    The same kernel as _c_closure_80.


    Parameters:
      n      int32
      st     int64[], written
      value  int64
    Returns: None
    """

def _c_closure_84(lo: Int32, hi: Int32, key: Int64, values: I64Array, /) -> Tuple[Annotated[Int32, ""], Annotated[Int32, ""]]:
    r"""sparse::search_last_at_most (sparse/search.cpp: Searches, merges, ranges and index odometers)


    Parameters:
      lo      int32
      hi      int32
      key     int64
      values  int64[], read
    Returns: (): (int32, int32)
    """

def _c_closure_85(lo: Int32, hi: Int32, key: Int64, values: I64Array, /) -> Tuple[Annotated[Int32, ""], Annotated[Int32, ""]]:
    r"""sparse::search_first_at_least (sparse/search.cpp: Searches, merges, ranges and index odometers)


    Parameters:
      lo      int32
      hi      int32
      key     int64
      values  int64[], read
    Returns: (): (int32, int32)
    """

def _c_closure_86(first: I32Array, last: I32Array, ndidx: I32ArrayOut, /) -> None:
    r"""sparse::advance_in_box (sparse/search.cpp: Searches, merges, ranges and index odometers)


    Parameters:
      first  int32[], read
      last   int32[], read
      ndidx  int32[], written
    Returns: None
    """

def _c_closure_87(cptrb: I64ArrayOut, nnz: Int64, rptrb: I64ArrayOut, subi: I32Array, subj: I32Array, /) -> None:
    r"""sparse::count_rows_and_columns (sparse/compressed.cpp: Compressed sparse matrices and counting sorts)


    Parameters:
      cptrb  int64[], written
      nnz    int64
      rptrb  int64[], written
      subi   int32[], read
      subj   int32[], read
    Returns: None
    """

def _c_closure_88(n: Int32, rptrb: I64ArrayOut, /) -> None:
    r"""sparse::row_counts_to_starts (sparse/compressed.cpp: Compressed sparse matrices and counting sorts)


    Parameters:
      n      int32
      rptrb  int64[], written
    Returns: None
    """

def _c_closure_89(cptrb: I64ArrayOut, n: Int32, /) -> None:
    r"""sparse::column_counts_to_starts (sparse/compressed.cpp: Compressed sparse matrices and counting sorts)


    Parameters:
      cptrb  int64[], written
      n      int32
    Returns: None
    """

def _c_closure_90(cptrb: I64ArrayOut, n: Int32, rptrb: I64Array, subj: I32Array, tsubi: I64ArrayOut, tsubj: I64ArrayOut, tval: F64ArrayOut, val: F64Array, /) -> None:
    r"""sparse::rows_to_columns_wide (sparse/compressed.cpp: Compressed sparse matrices and counting sorts)


    Parameters:
      cptrb  int64[], written
      n      int32
      rptrb  int64[], read
      subj   int32[], read
      tsubi  int64[], written
      tsubj  int64[], written
      tval   float64[], written
      val    float64[], read
    Returns: None
    """

def _c_closure_91(cptrb: I64ArrayOut, nnz: Int64, rptrb: I64ArrayOut, subi: I32Array, subj: I32Array, /) -> None:
    r"""sparse::count_rows_and_columns (sparse/compressed.cpp: Compressed sparse matrices and counting sorts)

    The same kernel as _c_closure_87.


    Parameters:
      cptrb  int64[], written
      nnz    int64
      rptrb  int64[], written
      subi   int32[], read
      subj   int32[], read
    Returns: None
    """

def _c_closure_92(n: Int32, rptrb: I64ArrayOut, /) -> None:
    r"""sparse::row_counts_to_starts (sparse/compressed.cpp: Compressed sparse matrices and counting sorts)

    The same kernel as _c_closure_88.


    Parameters:
      n      int32
      rptrb  int64[], written
    Returns: None
    """

def _c_closure_93(cptrb: I64ArrayOut, n: Int32, /) -> None:
    r"""sparse::column_counts_to_starts (sparse/compressed.cpp: Compressed sparse matrices and counting sorts)

    The same kernel as _c_closure_89.


    Parameters:
      cptrb  int64[], written
      n      int32
    Returns: None
    """

def _c_closure_94(cptrb: I64ArrayOut, n: Int32, rptrb: I64Array, subj: I32Array, tsubi: I32ArrayOut, tsubj: I32ArrayOut, tval: F64ArrayOut, val: F64Array, /) -> None:
    r"""sparse::rows_to_columns (sparse/compressed.cpp: Compressed sparse matrices and counting sorts)


    Parameters:
      cptrb  int64[], written
      n      int32
      rptrb  int64[], read
      subj   int32[], read
      tsubi  int32[], written
      tsubj  int32[], written
      tval   float64[], written
      val    float64[], read
    Returns: None
    """

def _c_closure_95(cptrb: I64ArrayOut, nnz: Int64, subj: I32Array, /) -> None:
    r"""sparse::count_columns (sparse/compressed.cpp: Compressed sparse matrices and counting sorts)


    Parameters:
      cptrb  int64[], written
      nnz    int64
      subj   int32[], read
    Returns: None
    """

def _c_closure_96(cptrb: I64ArrayOut, n: Int32, /) -> None:
    r"""sparse::column_counts_to_starts (sparse/compressed.cpp: Compressed sparse matrices and counting sorts)

    The same kernel as _c_closure_89.


    Parameters:
      cptrb  int64[], written
      n      int32
    Returns: None
    """

def _c_closure_97(cols: I32ArrayOut, cptrb: I64ArrayOut, nnz: Int64, subj: I32Array, /) -> None:
    r"""sparse::entries_by_column (sparse/compressed.cpp: Compressed sparse matrices and counting sorts)


    Parameters:
      cols   int32[], written
      cptrb  int64[], written
      nnz    int64
      subj   int32[], read
    Returns: None
    """

def _c_closure_98(nnz: Int64, rptrb: I64ArrayOut, subi: I32Array, /) -> None:
    r"""sparse::count_rows (sparse/compressed.cpp: Compressed sparse matrices and counting sorts)


    Parameters:
      nnz    int64
      rptrb  int64[], written
      subi   int32[], read
    Returns: None
    """

def _c_closure_99(n: Int32, rptrb: I64ArrayOut, /) -> None:
    r"""sparse::row_counts_to_starts (sparse/compressed.cpp: Compressed sparse matrices and counting sorts)

    The same kernel as _c_closure_88.


    Parameters:
      n      int32
      rptrb  int64[], written
    Returns: None
    """

def _c_closure_100(cols: I32Array, cptrb: I64Array, n: Int32, rows: I32ArrayOut, rptrb: I64ArrayOut, subi: I32Array, /) -> None:
    r"""sparse::entries_by_row_then_column (sparse/compressed.cpp: Compressed sparse matrices and counting sorts)


    Parameters:
      cols   int32[], read
      cptrb  int64[], read
      n      int32
      rows   int32[], written
      rptrb  int64[], written
      subi   int32[], read
    Returns: None
    """

def _c_closure_101(nnz: Int64, init: Int32, rows: I32Array, subi: I32Array, subj: I32Array, /) -> Annotated[Int32, ""]:
    r"""sparse::distinct_coordinates (sparse/compressed.cpp: Compressed sparse matrices and counting sorts)


    Parameters:
      nnz   int64
      init  int32
      rows  int32[], read
      subi  int32[], read
      subj  int32[], read
    Returns: : int32
    """

def _c_closure_102(pos: Int32, nnz: Int64, rows: I32Array, subi: I32Array, subj: I32Array, tsubi: I32ArrayOut, tsubj: I32ArrayOut, tval: F64ArrayOut, val: F64Array, /) -> Annotated[Int32, ""]:
    r"""sparse::merge_duplicates (sparse/compressed.cpp: Compressed sparse matrices and counting sorts)


    Parameters:
      pos    int32
      nnz    int64
      rows   int32[], read
      subi   int32[], read
      subj   int32[], read
      tsubi  int32[], written
      tsubj  int32[], written
      tval   float64[], written
      val    float64[], read
    Returns: : int32
    """

def _c_closure_103(lo: Int32, mid: Int32, hi: Int32, src: I32Array, tgt: I32ArrayOut, vals: I32Array, /) -> None:
    r"""sparse::merge_step (sparse/search.cpp: Searches, merges, ranges and index odometers)


    Parameters:
      lo    int32
      mid   int32
      hi    int32
      src   int32[], read
      tgt   int32[], written
      vals  int32[], read
    Returns: None
    """

def _c_closure_104(end: Int32, slx: F64ArrayOut, start: Int32, sux: F64ArrayOut, xx: F64ArrayOut, yx: F64ArrayOut, /) -> Annotated[Int32, ""]:
    r"""native::clear_variable_values (native/solution.cpp: Solution values read back through the native maps, and clearing of solution ranges)


    Parameters:
      end    int32
      slx    float64[], written
      start  int32
      sux    float64[], written
      xx     float64[], written
      yx     float64[], written
    Returns: : int32
    """

def _c_closure_105(end: Int32, slx: F64ArrayOut, start: Int32, sux: F64ArrayOut, xx: F64ArrayOut, /) -> None:
    r"""native::clear_variable_values_except_yx (native/solution.cpp: Solution values read back through the native maps, and clearing of solution ranges)


    Parameters:
      end    int32
      slx    float64[], written
      start  int32
      sux    float64[], written
      xx     float64[], written
    Returns: None
    """

def _c_closure_106(end: Int32, slc: F64ArrayOut, start: Int32, suc: F64ArrayOut, xc: F64ArrayOut, y: F64ArrayOut, /) -> Annotated[Int32, ""]:
    r"""native::clear_constraint_values (native/solution.cpp: Solution values read back through the native maps, and clearing of solution ranges)


    Parameters:
      end    int32
      slc    float64[], written
      start  int32
      suc    float64[], written
      xc     float64[], written
      y      float64[], written
    Returns: : int32
    """

def _c_closure_107(end: Int32, slc: F64ArrayOut, start: Int32, suc: F64ArrayOut, xc: F64ArrayOut, y: F64ArrayOut, /) -> None:
    r"""native::clear_constraint_values_quietly (native/solution.cpp: Solution values read back through the native maps, and clearing of solution ranges)


    Parameters:
      end    int32
      slc    float64[], written
      start  int32
      suc    float64[], written
      xc     float64[], written
      y      float64[], written
    Returns: None
    """

def _c_closure_108(end: Int32, snx: F64ArrayOut, start: Int32, /) -> Annotated[Int32, ""]:
    r"""native::clear_conic_duals (native/solution.cpp: Solution values read back through the native maps, and clearing of solution ranges)


    Parameters:
      end    int32
      snx    float64[], written
      start  int32
    Returns: : int32
    """

def _c_closure_109(end: Int32, snx: F64ArrayOut, start: Int32, /) -> None:
    r"""native::clear_conic_duals_quietly (native/solution.cpp: Solution values read back through the native maps, and clearing of solution ranges)


    Parameters:
      end    int32
      snx    float64[], written
      start  int32
    Returns: None
    """

def _c_closure_110(n: Int32, ri32: I32ArrayOut, shape: I32Array, off: Int32, /) -> None:
    r"""shape::shape_to_result (shape/index.cpp: Shapes, strides, linear and multi-dimensional indexes)


    Parameters:
      n      int32
      ri32   int32[], written
      shape  int32[], read
      off    int32
    Returns: None
    """

def _c_closure_111(bfix_base: Int32, cof_base: Int32, issparse: Int32, nativeidxs: I64Array, nidxs_base: Int32, nelem: Int32, ptr_base: Int32, rf64: F64ArrayOut, ri32: I32ArrayOut, ri64: I64ArrayOut, sp_base: Int32, sparsity: I64Array, /) -> None:
    r"""shape::variable_record (shape/variables.cpp: Variables as expression records, and spreading values to shapes)


    Parameters:
      bfix_base   int32
      cof_base    int32
      issparse    int32
      nativeidxs  int64[], read
      nidxs_base  int32
      nelem       int32
      ptr_base    int32
      rf64        float64[], written
      ri32        int32[], written
      ri64        int64[], written
      sp_base     int32
      sparsity    int64[], read
    Returns: None
    """

def _c_closure_112(shape: I32Array, init: Int64, /) -> Annotated[Int64, ""]:
    r"""shape::size_of_shape64 (shape/index.cpp: Shapes, strides, linear and multi-dimensional indexes)


    Parameters:
      shape  int32[], read
      init   int64
    Returns: : int64
    """

def _c_closure_113(nativeidxs: I64Array, res: F64Array, sparsity: I64Array, spread_res: F64ArrayOut, /) -> None:
    r"""shape::spread_values (shape/variables.cpp: Variables as expression records, and spreading values to shapes)


    Parameters:
      nativeidxs  int64[], read
      res         float64[], read
      sparsity    int64[], read
      spread_res  float64[], written
    Returns: None
    """

def _c_closure_114(nativeidxs: I64Array, res: F64Array, sparsity: I64Array, spread_res: F64ArrayOut, /) -> None:
    r"""shape::spread_values (shape/variables.cpp: Variables as expression records, and spreading values to shapes)

    The same kernel as _c_closure_113.


    Parameters:
      nativeidxs  int64[], read
      res         float64[], read
      sparsity    int64[], read
      spread_res  float64[], written
    Returns: None
    """

def _c_closure_115(idxs: I64ArrayOut, nativeidxs: I64Array, shape: I32Array, sp: I64ArrayOut, sparsity: I64Array, /) -> None:
    r"""shape::transpose_matrix (shape/transpose.cpp: Transposes and axis permutations of variables)


    Parameters:
      idxs        int64[], written
      nativeidxs  int64[], read
      shape       int32[], read
      sp          int64[], written
      sparsity    int64[], read
    Returns: None
    """

def _c_closure_116(index: I32Array, midx: I32MatrixOut, /) -> None:
    r"""shape::index_to_midx (shape/index.cpp: Shapes, strides, linear and multi-dimensional indexes)


    Parameters:
      index  int32[], read
      midx   int32[,], written
    Returns: None
    """

def _c_closure_117(i0: I32Array, i1: I32Array, i2: I32Array, midxs: I32MatrixOut, /) -> None:
    r"""shape::coords3_to_midxs (shape/index.cpp: Shapes, strides, linear and multi-dimensional indexes)


    Parameters:
      i0     int32[], read
      i1     int32[], read
      i2     int32[], read
      midxs  int32[,], written
    Returns: None
    """

def _c_closure_118(i0: I32Array, i1: I32Array, midxs: I32MatrixOut, /) -> None:
    r"""shape::coords2_to_midxs (shape/index.cpp: Shapes, strides, linear and multi-dimensional indexes)


    Parameters:
      i0     int32[], read
      i1     int32[], read
      midxs  int32[,], written
    Returns: None
    """

def _c_closure_119(flag: Int32, midxs: I32Matrix, shape: I32Array, /) -> Annotated[bool, ""]:
    r"""shape::midxs_out_of_range (shape/index.cpp: Shapes, strides, linear and multi-dimensional indexes)


    Parameters:
      flag   int32
      midxs  int32[,], read
      shape  int32[], read
    Returns: : bool
    """

def _c_closure_120(nd: Int32, shape: I32Array, strides: I64ArrayOut, /) -> None:
    r"""shape::strides64_from_innermost (shape/index.cpp: Shapes, strides, linear and multi-dimensional indexes)


    Parameters:
      nd       int32
      shape    int32[], read
      strides  int64[], written
    Returns: None
    """

def _c_closure_121(idxs: I64ArrayOut, midxs: I32Matrix, nativeidxs: I64Array, nd: Int32, strides: I64Array, /) -> None:
    r"""shape::native_of_midxs (shape/index.cpp: Shapes, strides, linear and multi-dimensional indexes)


    Parameters:
      idxs        int64[], written
      midxs       int32[,], read
      nativeidxs  int64[], read
      nd          int32
      strides     int64[], read
    Returns: None
    """

def _c_closure_122(row: Int32, init: Int64, midxs: I32Matrix, nd: Int32, strides: I64Array, /) -> Annotated[Int64, ""]:
    r"""shape::linear_index_of_row (shape/index.cpp: Shapes, strides, linear and multi-dimensional indexes)


    Parameters:
      row      int32
      init     int64
      midxs    int32[,], read
      nd       int32
      strides  int64[], read
    Returns: : int64
    """

def _c_closure_123(row: Int32, init: Int64, midxs: I32Matrix, nd: Int32, strides: I64Array, /) -> Annotated[Int64, ""]:
    r"""shape::linear_index_of_row (shape/index.cpp: Shapes, strides, linear and multi-dimensional indexes)

    The same kernel as _c_closure_122.


    Parameters:
      row      int32
      init     int64
      midxs    int32[,], read
      nd       int32
      strides  int64[], read
    Returns: : int64
    """

def _c_closure_124(idxs: I32Array, flag: Int32, shape: I32Array, /) -> Annotated[bool, ""]:
    r"""shape::idxs_out_of_range (shape/index.cpp: Shapes, strides, linear and multi-dimensional indexes)


    Parameters:
      idxs   int32[], read
      flag   int32
      shape  int32[], read
    Returns: : bool
    """

def _c_closure_125(nd: Int32, shape: I32Array, strides: I64ArrayOut, /) -> None:
    r"""shape::strides64_from_innermost (shape/index.cpp: Shapes, strides, linear and multi-dimensional indexes)

    The same kernel as _c_closure_120.


    Parameters:
      nd       int32
      shape    int32[], read
      strides  int64[], written
    Returns: None
    """

def _c_closure_126(firstidx: I32Array, init: Int64, step: I32Array, strides: I64Array, /) -> Annotated[Int64, ""]:
    r"""shape::linear_index_of_first (shape/index.cpp: Shapes, strides, linear and multi-dimensional indexes)


    Parameters:
      firstidx  int32[], read
      init      int64
      step      int32[], read
      strides   int64[], read
    Returns: : int64
    """

def _c_closure_127(step: I32Array, init: Int64, strides: I64Array, /) -> Annotated[Int64, ""]:
    r"""shape::linear_offset_of_step (shape/index.cpp: Shapes, strides, linear and multi-dimensional indexes)


    Parameters:
      step     int32[], read
      init     int64
      strides  int64[], read
    Returns: : int64
    """

def _c_closure_128(nativeidxs: I64Array, n: Int32, residxs: I64ArrayOut, start: Int64, step: Int64, /) -> None:
    r"""shape::strided_pick (shape/slices.cpp: Slices and native index lists of variables)


    Parameters:
      nativeidxs  int64[], read
      n           int32
      residxs     int64[], written
      start       int64
      step        int64
    Returns: None
    """

def _c_closure_129(first: I32Array, last: I32Array, n: Int32, init: Int32, /) -> Annotated[Int32, ""]:
    r"""shape::box_size (shape/slices.cpp: Slices and native index lists of variables)


    Parameters:
      first  int32[], read
      last   int32[], read
      n      int32
      init   int32
    Returns: : int32
    """

def _c_closure_130(first: I32Array, key: I32ArrayOut, last: I32Array, nd: Int32, init: Int32, shape: I32Array, sparsity: I64Array, /) -> Annotated[Int32, ""]:
    r"""shape::count_in_box (shape/slices.cpp: Slices and native index lists of variables)


    Parameters:
      first     int32[], read
      key       int32[], written
      last      int32[], read
      nd        int32
      init      int32
      shape     int32[], read
      sparsity  int64[], read
    Returns: : int32
    """

def _c_closure_131(first: I32Array, pos: Int32, idxs: I64ArrayOut, key: I32ArrayOut, last: I32Array, nativeidxs: I64Array, nd: Int32, shape: I32Array, sliceshape: I32Array, sp: I64ArrayOut, sparsity: I64Array, /) -> Annotated[Int32, ""]:
    r"""shape::write_in_box (shape/slices.cpp: Slices and native index lists of variables)


    Parameters:
      first       int32[], read
      pos         int32
      idxs        int64[], written
      key         int32[], written
      last        int32[], read
      nativeidxs  int64[], read
      nd          int32
      shape       int32[], read
      sliceshape  int32[], read
      sp          int64[], written
      sparsity    int64[], read
    Returns: : int32
    """

def _c_closure_132(first: I32Array, last: I32Array, nativeidxs: I64Array, nd: Int32, shape: I32Array, sliceidxs: I64ArrayOut, n: Int32, /) -> None:
    r"""shape::dense_slice (shape/slices.cpp: Slices and native index lists of variables)


    Parameters:
      first       int32[], read
      last        int32[], read
      nativeidxs  int64[], read
      nd          int32
      shape       int32[], read
      sliceidxs   int64[], written
      n           int32
    Returns: None
    """

def _c_closure_133(nativeidxs: I64ArrayOut, off: Int32, sparsity: I64ArrayOut, spoff: Int32, thisnidxs: I64Array, /) -> None:
    r"""shape::place_with_positions (shape/slices.cpp: Slices and native index lists of variables)


    Parameters:
      nativeidxs  int64[], written
      off         int32
      sparsity    int64[], written
      spoff       int32
      thisnidxs   int64[], read
    Returns: None
    """

def _c_closure_134(nativeidxs: I64Array, nindex: I64ArrayOut, off: Int32, /) -> None:
    r"""shape::place_at (shape/slices.cpp: Slices and native index lists of variables)


    Parameters:
      nativeidxs  int64[], read
      nindex      int64[], written
      off         int32
    Returns: None
    """

def _c_closure_135(init: Int32, shape: I32Array, /) -> Annotated[Int32, ""]:
    r"""shape::size_of_shape (shape/index.cpp: Shapes, strides, linear and multi-dimensional indexes)

    The same kernel as _c_closure_28.


    Parameters:
      init   int32
      shape  int32[], read
    Returns: : int32
    """

def _c_closure_136(n: Int32, nindex: I64ArrayOut, off: Int32, /) -> None:
    r"""shape::clear_at (shape/slices.cpp: Slices and native index lists of variables)


    Parameters:
      n       int32
      nindex  int64[], written
      off     int32
    Returns: None
    """

def _c_closure_137(nativeidxs: I64Array, nindex: I64ArrayOut, off: Int32, sparsity: I64Array, /) -> None:
    r"""shape::scatter_at (shape/slices.cpp: Slices and native index lists of variables)


    Parameters:
      nativeidxs  int64[], read
      nindex      int64[], written
      off         int32
      sparsity    int64[], read
    Returns: None
    """

def _c_closure_138(shape: I32Array, init: Int32, /) -> Annotated[Int32, ""]:
    r"""shape::size_of_shape_shape_first (shape/index.cpp: Shapes, strides, linear and multi-dimensional indexes)


    Parameters:
      shape  int32[], read
      init   int32
    Returns: : int32
    """

def _c_closure_139(idxs: I64ArrayOut, nativeidxs: I64Array, sparsity: I64Array, /) -> None:
    r"""shape::scatter_present (shape/slices.cpp: Slices and native index lists of variables)


    Parameters:
      idxs        int64[], written
      nativeidxs  int64[], read
      sparsity    int64[], read
    Returns: None
    """

def _c_closure_140(idxs: I64ArrayOut, nativeidxs: I64Array, sparsity: I64Array, /) -> None:
    r"""shape::scatter_present (shape/slices.cpp: Slices and native index lists of variables)

    The same kernel as _c_closure_139.


    Parameters:
      idxs        int64[], written
      nativeidxs  int64[], read
      sparsity    int64[], read
    Returns: None
    """

def _c_closure_141(idxs: I64ArrayOut, nativeidxs: I64Array, sparsity: I64Array, /) -> None:
    r"""shape::scatter_present (shape/slices.cpp: Slices and native index lists of variables)

    The same kernel as _c_closure_139.


    Parameters:
      idxs        int64[], written
      nativeidxs  int64[], read
      sparsity    int64[], read
    Returns: None
    """

def _c_closure_142(n: Int32, idxs: I32Array, pos: Int32, ridxs: I64ArrayOut, /) -> Annotated[Int32, ""]:
    r"""shape::expand_dense_symmetric (shape/symmetric.cpp: Symmetric and triangular index patterns)


    Parameters:
      n      int32
      idxs   int32[], read
      pos    int32
      ridxs  int64[], written
    Returns: : int32
    """

def _c_closure_143(n: Int32, init: Int32, sp: I64Array, /) -> Annotated[Int32, ""]:
    r"""shape::count_symmetric (shape/symmetric.cpp: Symmetric and triangular index patterns)


    Parameters:
      n     int32
      init  int32
      sp    int64[], read
    Returns: : int32
    """

def _c_closure_144(n: Int32, idxs: I32Array, ridxs: I64ArrayOut, rsp: I64ArrayOut, sp: I64Array, /) -> None:
    r"""shape::expand_sparse_symmetric (shape/symmetric.cpp: Symmetric and triangular index patterns)


    Parameters:
      n      int32
      idxs   int32[], read
      ridxs  int64[], written
      rsp    int64[], written
      sp     int64[], read
    Returns: None
    """

def _c_closure_145(n: Int32, init: Int32, sp: I64Array, /) -> Annotated[Int32, ""]:
    r"""shape::count_symmetric (shape/symmetric.cpp: Symmetric and triangular index patterns)

    The same kernel as _c_closure_143.


    Parameters:
      n     int32
      init  int32
      sp    int64[], read
    Returns: : int32
    """

def _c_closure_146(n: Int32, rsp: I64ArrayOut, sp: I64Array, /) -> None:
    r"""shape::expand_sparse_symmetric_pattern (shape/symmetric.cpp: Symmetric and triangular index patterns)


    Parameters:
      n    int32
      rsp  int64[], written
      sp   int64[], read
    Returns: None
    """

def _c_closure_147(nativeidxs: I32Array, r: I64ArrayOut, /) -> None:
    r"""shape::one_based_native_indexes (shape/symmetric.cpp: Symmetric and triangular index patterns)


    Parameters:
      nativeidxs  int32[], read
      r           int64[], written
    Returns: None
    """

def _c_closure_148(n: Int32, init: Int32, shape: I32Array, /) -> Annotated[Int32, ""]:
    r"""shape::size_of_leading (shape/index.cpp: Shapes, strides, linear and multi-dimensional indexes)

    The same kernel as _c_closure_32.


    Parameters:
      n      int32
      init   int32
      shape  int32[], read
    Returns: : int32
    """

def _c_closure_149(after: Int32, before: Int32, init: Int32, shape: I32Array, /) -> Annotated[Int32, ""]:
    r"""shape::size_between_init_third (shape/index.cpp: Shapes, strides, linear and multi-dimensional indexes)


    Parameters:
      after   int32
      before  int32
      init    int32
      shape   int32[], read
    Returns: : int32
    """

def _c_closure_150(after: Int32, init: Int32, before: Int32, shape: I32Array, /) -> Annotated[Int32, ""]:
    r"""shape::size_between (shape/index.cpp: Shapes, strides, linear and multi-dimensional indexes)

    The same kernel as _c_closure_33.


    Parameters:
      after   int32
      init    int32
      before  int32
      shape   int32[], read
    Returns: : int32
    """

def _c_closure_151(nouter: Int32, msize: Int32, nmid: Int32, nq: Int32, nblock: Int32, nativeidxs: I64Array, residxs: I64ArrayOut, ostride: Int32, rowstride: Int32, mstride: Int32, colstride: Int32, /) -> None:
    r"""shape::mirror_semidefinite_entries (shape/symmetric.cpp: Symmetric and triangular index patterns)


    Parameters:
      nouter      int32
      msize       int32
      nmid        int32
      nq          int32
      nblock      int32
      nativeidxs  int64[], read
      residxs     int64[], written
      ostride     int32
      rowstride   int32
      mstride     int32
      colstride   int32
    Returns: None
    """

def _c_closure_152(n: Int32, idxs: I32Array, pos: Int32, ridxs: I64ArrayOut, /) -> Annotated[Int32, ""]:
    r"""shape::expand_dense_symmetric (shape/symmetric.cpp: Symmetric and triangular index patterns)

    The same kernel as _c_closure_142.


    Parameters:
      n      int32
      idxs   int32[], read
      pos    int32
      ridxs  int64[], written
    Returns: : int32
    """

def _c_closure_153(n: Int32, init: Int32, sp: I64Array, /) -> Annotated[Int32, ""]:
    r"""shape::count_symmetric (shape/symmetric.cpp: Symmetric and triangular index patterns)

    The same kernel as _c_closure_143.


    Parameters:
      n     int32
      init  int32
      sp    int64[], read
    Returns: : int32
    """

def _c_closure_154(n: Int32, idxs: I32Array, ridxs: I64ArrayOut, rsp: I64ArrayOut, sp: I64Array, /) -> None:
    r"""shape::expand_sparse_symmetric (shape/symmetric.cpp: Symmetric and triangular index patterns)

    The same kernel as _c_closure_144.


    Parameters:
      n      int32
      idxs   int32[], read
      ridxs  int64[], written
      rsp    int64[], written
      sp     int64[], read
    Returns: None
    """

def _c_closure_155(n: Int32, init: Int32, sp: I64Array, /) -> Annotated[Int32, ""]:
    r"""shape::count_symmetric (shape/symmetric.cpp: Symmetric and triangular index patterns)

    The same kernel as _c_closure_143.


    Parameters:
      n     int32
      init  int32
      sp    int64[], read
    Returns: : int32
    """

def _c_closure_156(n: Int32, rsp: I64ArrayOut, sp: I64Array, /) -> None:
    r"""shape::expand_sparse_symmetric_pattern (shape/symmetric.cpp: Symmetric and triangular index patterns)

    The same kernel as _c_closure_146.


    Parameters:
      n    int32
      rsp  int64[], written
      sp   int64[], read
    Returns: None
    """

def _c_closure_157(nativeidxs: I32Array, r: I64ArrayOut, /) -> None:
    r"""shape::one_based_native_indexes (shape/symmetric.cpp: Symmetric and triangular index patterns)

    The same kernel as _c_closure_147.


    Parameters:
      nativeidxs  int32[], read
      r           int64[], written
    Returns: None
    """

def _c_closure_158(nativeidxs: I32Array, r: I64ArrayOut, /) -> None:
    r"""shape::one_based_native_indexes (shape/symmetric.cpp: Symmetric and triangular index patterns)

    The same kernel as _c_closure_147.


    Parameters:
      nativeidxs  int32[], read
      r           int64[], written
    Returns: None
    """

def _c_closure_159(n: Int32, init: Int32, shape: I32Array, /) -> Annotated[Int32, ""]:
    r"""shape::count_real_dims (shape/index.cpp: Shapes, strides, linear and multi-dimensional indexes)


    Parameters:
      n      int32
      init   int32
      shape  int32[], read
    Returns: : int32
    """

def _c_closure_160(n: Int32, realshape: I32ArrayOut, shape: I32Array, /) -> None:
    r"""shape::squeeze_shape (shape/index.cpp: Shapes, strides, linear and multi-dimensional indexes)


    Parameters:
      n          int32
      realshape  int32[], written
      shape      int32[], read
    Returns: None
    """

def _c_closure_161(n: Int32, shape: I32Array, init: Int32, /) -> Annotated[Int32, ""]:
    r"""shape::size_of_leading_shape_middle (shape/index.cpp: Shapes, strides, linear and multi-dimensional indexes)


    Parameters:
      n      int32
      shape  int32[], read
      init   int32
    Returns: : int32
    """

def _c_closure_162(nd: Int32, perm: I32Array, pstrides: I64ArrayOut, shape: I32Array, /) -> None:
    r"""shape::permuted_strides (shape/transpose.cpp: Transposes and axis permutations of variables)


    Parameters:
      nd        int32
      perm      int32[], read
      pstrides  int64[], written
      shape     int32[], read
    Returns: None
    """

def _c_closure_163(nativeidxs: I64Array, nd: Int32, n: Int32, perm: I32Array, pstrides: I64Array, residxs: I64ArrayOut, shape: I32Array, /) -> None:
    r"""shape::permute_dense (shape/transpose.cpp: Transposes and axis permutations of variables)


    Parameters:
      nativeidxs  int64[], read
      nd          int32
      n           int32
      perm        int32[], read
      pstrides    int64[], read
      residxs     int64[], written
      shape       int32[], read
    Returns: None
    """

def _c_closure_164(nd: Int32, n: Int32, perm: I32Array, pstrides: I64Array, ressp: I64ArrayOut, shape: I32Array, /) -> None:
    r"""shape::permuted_positions (shape/transpose.cpp: Transposes and axis permutations of variables)


    Parameters:
      nd        int32
      n         int32
      perm      int32[], read
      pstrides  int64[], read
      ressp     int64[], written
      shape     int32[], read
    Returns: None
    """

def _c_closure_165(init: Int32, n: Int32, shape: I32Array, /) -> Annotated[Int32, ""]:
    r"""shape::size_of_leading_init_first (shape/index.cpp: Shapes, strides, linear and multi-dimensional indexes)


    Parameters:
      init   int32
      n      int32
      shape  int32[], read
    Returns: : int32
    """

def _c_closure_166(init: Int32, after: Int32, before: Int32, shape: I32Array, /) -> Annotated[Int32, ""]:
    r"""shape::size_between_init_first (shape/index.cpp: Shapes, strides, linear and multi-dimensional indexes)


    Parameters:
      init    int32
      after   int32
      before  int32
      shape   int32[], read
    Returns: : int32
    """

def _c_closure_167(n: Int32, rshape: I32ArrayOut, shape: I32Array, /) -> None:
    r"""shape::result_shape_from_operand (shape/reshape.cpp: Result shapes and patterns of reshaping, repeating and stacking)


    Parameters:
      n       int32
      rshape  int32[], written
      shape   int32[], read
    Returns: None
    """

def _c_closure_168(after: Int32, before: Int32, rshape: I32ArrayOut, /) -> None:
    r"""shape::unit_result_dimensions (shape/reshape.cpp: Result shapes and patterns of reshaping, repeating and stacking)


    Parameters:
      after   int32
      before  int32
      rshape  int32[], written
    Returns: None
    """

def _c_closure_169(size: Int64, pos: Int32, count: Int32, nnz: Int32, rnativeidxs: I64ArrayOut, rsp: I64ArrayOut, tnativeidxs: I64Array, tsp: I64Array, /) -> Annotated[Int32, ""]:
    r"""shape::repeat_leading (shape/reshape.cpp: Result shapes and patterns of reshaping, repeating and stacking)


    Parameters:
      size         int64
      pos          int32
      count        int32
      nnz          int32
      rnativeidxs  int64[], written
      rsp          int64[], written
      tnativeidxs  int64[], read
      tsp          int64[], read
    Returns: : int32
    """

def _c_closure_170(pos: Int32, rep: Int32, nnz: Int32, rnativeidxs: I64ArrayOut, rsp: I64ArrayOut, tnativeidxs: I64Array, tsp: I64Array, /) -> Annotated[Int32, ""]:
    r"""shape::repeat_trailing (shape/reshape.cpp: Result shapes and patterns of reshaping, repeating and stacking)


    Parameters:
      pos          int32
      rep          int32
      nnz          int32
      rnativeidxs  int64[], written
      rsp          int64[], written
      tnativeidxs  int64[], read
      tsp          int64[], read
    Returns: : int32
    """

def _c_closure_171(d1: Int32, d2: Int32, pos: Int32, rep: Int32, nnz: Int32, newblock: Int32, rnativeidxs: I64ArrayOut, rsp: I64ArrayOut, oldblock: Int32, d2b: Int32, tnativeidxs: I64Array, tsp: I64Array, /) -> Annotated[Int32, ""]:
    r"""shape::repeat_inner (shape/reshape.cpp: Result shapes and patterns of reshaping, repeating and stacking)


    Parameters:
      d1           int32
      d2           int32
      pos          int32
      rep          int32
      nnz          int32
      newblock     int32
      rnativeidxs  int64[], written
      rsp          int64[], written
      oldblock     int32
      d2b          int32
      tnativeidxs  int64[], read
      tsp          int64[], read
    Returns: : int32
    """

def _c_closure_172(init: Int32, n: Int32, rshape: I32Array, /) -> Annotated[Int32, ""]:
    r"""shape::largest_result_dimension (shape/reshape.cpp: Result shapes and patterns of reshaping, repeating and stacking)


    Parameters:
      init    int32
      n       int32
      rshape  int32[], read
    Returns: : int32
    """

def _c_closure_173(nd: Int32, rshape: I32Array, s: I64ArrayOut, /) -> None:
    r"""shape::strides_of_target_shape (shape/patterns.cpp: Building and sorting sparsity patterns)


    Parameters:
      nd      int32
      rshape  int32[], read
      s       int64[], written
    Returns: None
    """

def _c_closure_174(curperm: I32ArrayOut, n: Int32, /) -> None:
    r"""shape::identity_permutation (shape/patterns.cpp: Building and sorting sparsity patterns)

    The same kernel as _c_closure_40.


    Parameters:
      curperm  int32[], written
      n        int32
    Returns: None
    """

def _c_closure_175(d: Int32, ptr: I32ArrayOut, rshape: I32Array, /) -> None:
    r"""shape::clear_pass (shape/patterns.cpp: Building and sorting sparsity patterns)


    Parameters:
      d       int32
      ptr     int32[], written
      rshape  int32[], read
    Returns: None
    """

def _c_closure_176(d: Int32, ptr: I32ArrayOut, n: Int32, rshape: I32Array, rsp: I64Array, s: I64Array, /) -> None:
    r"""shape::count_pass (shape/patterns.cpp: Building and sorting sparsity patterns)


    Parameters:
      d       int32
      ptr     int32[], written
      n       int32
      rshape  int32[], read
      rsp     int64[], read
      s       int64[], read
    Returns: None
    """

def _c_closure_177(d: Int32, ptr: I32ArrayOut, rshape: I32Array, /) -> None:
    r"""shape::accumulate_pass (shape/patterns.cpp: Building and sorting sparsity patterns)


    Parameters:
      d       int32
      ptr     int32[], written
      rshape  int32[], read
    Returns: None
    """

def _c_closure_178(curperm: I32Array, d: Int32, ptr: I32ArrayOut, n: Int32, rshape: I32Array, rsp: I64Array, s: I64Array, tgtperm: I32ArrayOut, /) -> None:
    r"""shape::scatter_pass (shape/patterns.cpp: Building and sorting sparsity patterns)


    Parameters:
      curperm  int32[], read
      d        int32
      ptr      int32[], written
      n        int32
      rshape   int32[], read
      rsp      int64[], read
      s        int64[], read
      tgtperm  int32[], written
    Returns: None
    """

def _c_closure_179(nouter: Int32, nmid: Int32, nblock: Int32, pos: Int32, rep: Int32, rnativeidxs: I64ArrayOut, ostride: Int32, mstride: Int32, tnativeidxs: I64Array, /) -> Annotated[Int32, ""]:
    r"""shape::repeat_dense (shape/reshape.cpp: Result shapes and patterns of reshaping, repeating and stacking)


    Parameters:
      nouter       int32
      nmid         int32
      nblock       int32
      pos          int32
      rep          int32
      rnativeidxs  int64[], written
      ostride      int32
      mstride      int32
      tnativeidxs  int64[], read
    Returns: : int32
    """

def _c_closure_180(sh: I32Array, shape: I32ArrayOut, /) -> None:
    r"""shape::operand_shape_from_sh (shape/reshape.cpp: Result shapes and patterns of reshaping, repeating and stacking)


    Parameters:
      sh     int32[], read
      shape  int32[], written
    Returns: None
    """

def _c_closure_181(n: Int32, sh: I32Array, shape: I32ArrayOut, /) -> None:
    r"""shape::pad_operand_shape_with_ones (shape/reshape.cpp: Result shapes and patterns of reshaping, repeating and stacking)


    Parameters:
      n      int32
      sh     int32[], read
      shape  int32[], written
    Returns: None
    """

def _c_closure_182(n: Int32, numnz: I32Array, init: Int32, /) -> Annotated[Int32, ""]:
    r"""shape::total_operand_nonzeros (shape/reshape.cpp: Result shapes and patterns of reshaping, repeating and stacking)


    Parameters:
      n      int32
      numnz  int32[], read
      init   int32
    Returns: : int32
    """

def _c_closure_183(n: Int32, nds: I32Array, init: Int32, /) -> Annotated[Int32, ""]:
    r"""shape::most_operand_dimensions (shape/reshape.cpp: Result shapes and patterns of reshaping, repeating and stacking)


    Parameters:
      n     int32
      nds   int32[], read
      init  int32
    Returns: : int32
    """

def _c_closure_184(n: Int32, rshape: I32ArrayOut, shape0: I32Array, /) -> None:
    r"""shape::result_shape_from_first_operand (shape/reshape.cpp: Result shapes and patterns of reshaping, repeating and stacking)


    Parameters:
      n       int32
      rshape  int32[], written
      shape0  int32[], read
    Returns: None
    """

def _c_closure_185(after: Int32, before: Int32, rshape: I32ArrayOut, /) -> None:
    r"""shape::unit_result_dimensions (shape/reshape.cpp: Result shapes and patterns of reshaping, repeating and stacking)

    The same kernel as _c_closure_168.


    Parameters:
      after   int32
      before  int32
      rshape  int32[], written
    Returns: None
    """

def _c_closure_186(axis: Int32, n: Int32, rshape: I32ArrayOut, shapes: I32ArrayList, /) -> None:
    r"""shape::add_stacked_sizes (shape/reshape.cpp: Result shapes and patterns of reshaping, repeating and stacking)


    Parameters:
      axis    int32
      n       int32
      rshape  int32[], written
      shapes  int32[][], read
    Returns: None
    """

def _c_closure_187(init: Int32, n: Int32, shape0: I32Array, /) -> Annotated[Int32, ""]:
    r"""shape::padded_operand_size (shape/reshape.cpp: Result shapes and patterns of reshaping, repeating and stacking)


    Parameters:
      init    int32
      n       int32
      shape0  int32[], read
    Returns: : int32
    """

def _c_closure_188(init: Int32, n: Int32, sdims: I32Array, /) -> Annotated[Int32, ""]:
    r"""shape::total_stacked_size (shape/reshape.cpp: Result shapes and patterns of reshaping, repeating and stacking)


    Parameters:
      init   int32
      n      int32
      sdims  int32[], read
    Returns: : int32
    """

def _c_closure_189(init: Int32, axis: Int32, shape0: I32Array, /) -> Annotated[Int32, ""]:
    r"""shape::operand_size_after_axis (shape/reshape.cpp: Result shapes and patterns of reshaping, repeating and stacking)


    Parameters:
      init    int32
      axis    int32
      shape0  int32[], read
    Returns: : int32
    """

def _c_closure_190(j: Int32, pos: Int32, shift: Int64, numnz: I32Array, rsp: I64ArrayOut, /) -> Annotated[Int32, ""]:
    r"""shape::shift_block (shape/reshape.cpp: Result shapes and patterns of reshaping, repeating and stacking)


    Parameters:
      j      int32
      pos    int32
      shift  int64
      numnz  int32[], read
      rsp    int64[], written
    Returns: : int32
    """

def _c_closure_191(n: Int32, offset: I32ArrayOut, sdims: I32Array, /) -> None:
    r"""shape::stacking_offsets (shape/reshape.cpp: Result shapes and patterns of reshaping, repeating and stacking)


    Parameters:
      n       int32
      offset  int32[], written
      sdims   int32[], read
    Returns: None
    """

def _c_closure_192(curperm: I32ArrayOut, n: Int32, /) -> None:
    r"""shape::identity_permutation (shape/patterns.cpp: Building and sorting sparsity patterns)

    The same kernel as _c_closure_40.


    Parameters:
      curperm  int32[], written
      n        int32
    Returns: None
    """

def _c_closure_193(stacksize: Int32, postsize: Int32, pos: Int32, n: Int32, numnz: I32Array, offset: I32Array, rsp: I64ArrayOut, sdims: I32Array, /) -> Annotated[Int32, ""]:
    r"""shape::stack_inner (shape/reshape.cpp: Result shapes and patterns of reshaping, repeating and stacking)


    Parameters:
      stacksize  int32
      postsize   int32
      pos        int32
      n          int32
      numnz      int32[], read
      offset     int32[], read
      rsp        int64[], written
      sdims      int32[], read
    Returns: : int32
    """

def _c_closure_194(init: Int32, n: Int32, rshape: I32Array, /) -> Annotated[Int32, ""]:
    r"""shape::largest_result_dimension (shape/reshape.cpp: Result shapes and patterns of reshaping, repeating and stacking)

    The same kernel as _c_closure_172.


    Parameters:
      init    int32
      n       int32
      rshape  int32[], read
    Returns: : int32
    """

def _c_closure_195(nd: Int32, rshape: I32Array, s: I64ArrayOut, /) -> None:
    r"""shape::strides_of_target_shape (shape/patterns.cpp: Building and sorting sparsity patterns)

    The same kernel as _c_closure_173.


    Parameters:
      nd      int32
      rshape  int32[], read
      s       int64[], written
    Returns: None
    """

def _c_closure_196(d: Int32, ptr: I32ArrayOut, rshape: I32Array, /) -> None:
    r"""shape::clear_pass (shape/patterns.cpp: Building and sorting sparsity patterns)

    The same kernel as _c_closure_175.


    Parameters:
      d       int32
      ptr     int32[], written
      rshape  int32[], read
    Returns: None
    """

def _c_closure_197(d: Int32, ptr: I32ArrayOut, n: Int32, rshape: I32Array, rsp: I64Array, s: I64Array, /) -> None:
    r"""shape::count_pass (shape/patterns.cpp: Building and sorting sparsity patterns)

    The same kernel as _c_closure_176.


    Parameters:
      d       int32
      ptr     int32[], written
      n       int32
      rshape  int32[], read
      rsp     int64[], read
      s       int64[], read
    Returns: None
    """

def _c_closure_198(d: Int32, ptr: I32ArrayOut, rshape: I32Array, /) -> None:
    r"""shape::accumulate_pass (shape/patterns.cpp: Building and sorting sparsity patterns)

    The same kernel as _c_closure_177.


    Parameters:
      d       int32
      ptr     int32[], written
      rshape  int32[], read
    Returns: None
    """

def _c_closure_199(curperm: I32Array, d: Int32, ptr: I32ArrayOut, n: Int32, rshape: I32Array, rsp: I64Array, s: I64Array, tgtperm: I32ArrayOut, /) -> None:
    r"""shape::scatter_pass (shape/patterns.cpp: Building and sorting sparsity patterns)

    The same kernel as _c_closure_178.


    Parameters:
      curperm  int32[], read
      d        int32
      ptr      int32[], written
      n        int32
      rshape   int32[], read
      rsp      int64[], read
      s        int64[], read
      tgtperm  int32[], written
    Returns: None
    """

def _c_closure_200(n: Int32, ptrb_: I64Array, subi: I32ArrayOut, /) -> None:
    r"""shape::pattern_rows_of_entries (shape/reshape.cpp: Result shapes and patterns of reshaping, repeating and stacking)


    Parameters:
      n      int32
      ptrb_  int64[], read
      subi   int32[], written
    Returns: None
    """

def _c_closure_201(bfix: F64ArrayOut, bfix_: F64Array, n: Int32, /) -> None:
    r"""sets::add_constants (sets/order.cpp: Order checks, index lists and coefficient buffers)


    Parameters:
      bfix   float64[], written
      bfix_  float64[], read
      n      int32
    Returns: None
    """

def _c_closure_202(n: Int32, off: Int64, ptrb_: I64Array, tmp_subi: I32ArrayOut, /) -> None:
    r"""sets::rows_of_entries (sets/order.cpp: Order checks, index lists and coefficient buffers)


    Parameters:
      n         int32
      off       int64
      ptrb_     int64[], read
      tmp_subi  int32[], written
    Returns: None
    """

def _c_closure_203(bfix: F64ArrayOut, bfix_: F64Array, n: Int32, /) -> None:
    r"""sets::add_constants_if_given (sets/order.cpp: Order checks, index lists and coefficient buffers)


    Parameters:
      bfix   float64[], written
      bfix_  float64[], read
      n      int32
    Returns: None
    """

def _c_closure_204(bfix: F64Array, n: Int32, resbfix: F64ArrayOut, /) -> None:
    r"""sets::copy_constants (sets/order.cpp: Order checks, index lists and coefficient buffers)


    Parameters:
      bfix     float64[], read
      n        int32
      resbfix  float64[], written
    Returns: None
    """

def _c_closure_205(buffer_subi: I32Array, buffer_subj: I32Array, spare: Int32, n: Int64, /) -> Annotated[bool, ""]:
    r"""sets::buffer_in_order (sets/order.cpp: Order checks, index lists and coefficient buffers)


    Parameters:
      buffer_subi  int32[], read
      buffer_subj  int32[], read
      spare        int32
      n            int64
    Returns: : bool
    """

def _c_closure_206(buffer_cof: F64Array, buffer_subi: I32Array, buffer_subj: I32Array, cof: F64Array, sorted: Int32, spare: Int64, nnz: Int64, nb: Int64, logpos: Int64, perm: I64Array, r_cof: F64ArrayOut, r_subi: I32ArrayOut, r_subj: I32ArrayOut, rescof: F64ArrayOut, ressubi: I32ArrayOut, ressubj: I32ArrayOut, subi: I32Array, subj: I32Array, /) -> Tuple[Annotated[Int64, ""], Annotated[Int64, ""]]:
    r"""sets::merge_buffer (sets/merge.cpp: Merging a buffer of coefficient changes into a matrix held as a sorted coordinate list)


    Parameters:
      buffer_cof   float64[], read
      buffer_subi  int32[], read
      buffer_subj  int32[], read
      cof          float64[], read
      sorted       int32
      spare        int64
      nnz          int64
      nb           int64
      logpos       int64
      perm         int64[], read
      r_cof        float64[], written
      r_subi       int32[], written
      r_subj       int32[], written
      rescof       float64[], written
      ressubi      int32[], written
      ressubj      int32[], written
      subi         int32[], read
      subj         int32[], read
    Returns: (): (int64, int64)
    """

def _c_closure_207(flag: Int32, n: Int32, varidxs: I64Array, /) -> Annotated[bool, ""]:
    r"""sets::strictly_increasing (sets/order.cpp: Order checks, index lists and coefficient buffers)


    Parameters:
      flag     int32
      n        int32
      varidxs  int64[], read
    Returns: : bool
    """

def _c_closure_208(n: Int32, count: Int32, perm: I64Array, varidxs: I64Array, /) -> Annotated[Int32, ""]:
    r"""sets::distinct_count (sets/order.cpp: Order checks, index lists and coefficient buffers)


    Parameters:
      n        int32
      count    int32
      perm     int64[], read
      varidxs  int64[], read
    Returns: : int32
    """

def _c_closure_209(pos: Int32, n: Int32, perm: I64Array, varidxs: I64Array, varidxs32: I32ArrayOut, /) -> Annotated[Int32, ""]:
    r"""sets::distinct_variables (sets/order.cpp: Order checks, index lists and coefficient buffers)


    Parameters:
      pos        int32
      n          int32
      perm       int64[], read
      varidxs    int64[], read
      varidxs32  int32[], written
    Returns: : int32
    """

def _c_closure_210(shape: I32Array, init: Int64, /) -> Annotated[Int64, ""]:
    r"""shape::size_of_shape64 (shape/index.cpp: Shapes, strides, linear and multi-dimensional indexes)

    The same kernel as _c_closure_112.


    Parameters:
      shape  int32[], read
      init   int64
    Returns: : int64
    """

def _c_closure_211(nrows: Int32, ncols: Int32, shape: I32MatrixOut, /) -> None:
    r"""sets::ones_table (sets/convert.cpp: Shape products, index conversions, five-group folds, shape tables and stack fills)


    Parameters:
      nrows  int32
      ncols  int32
      shape  int32[,], written
    Returns: None
    """

def _c_closure_212(n: Int32, numnz: I32Array, init: Int32, /) -> Annotated[Int32, ""]:
    r"""shape::total_operand_nonzeros (shape/reshape.cpp: Result shapes and patterns of reshaping, repeating and stacking)

    The same kernel as _c_closure_182.


    Parameters:
      n      int32
      numnz  int32[], read
      init   int32
    Returns: : int32
    """

def _c_closure_213(row: Int32, shape: I32MatrixOut, shpi: I32Array, /) -> None:
    r"""sets::set_table_row (sets/convert.cpp: Shape products, index conversions, five-group folds, shape tables and stack fills)


    Parameters:
      row    int32
      shape  int32[,], written
      shpi   int32[], read
    Returns: None
    """

def _c_closure_214(col: Int32, n: Int32, resshape: I32ArrayOut, shape: I32Matrix, /) -> None:
    r"""sets::add_table_column (sets/convert.cpp: Shape products, index conversions, five-group folds, shape tables and stack fills)


    Parameters:
      col       int32
      n         int32
      resshape  int32[], written
      shape     int32[,], read
    Returns: None
    """

def _c_closure_215(init: Int32, n: Int32, resshape: I32Array, /) -> Annotated[Int32, ""]:
    r"""sets::size_of_leading (sets/convert.cpp: Shape products, index conversions, five-group folds, shape tables and stack fills)


    Parameters:
      init      int32
      n         int32
      resshape  int32[], read
    Returns: : int32
    """

def _c_closure_216(init: Int32, start: Int32, end: Int32, resshape: I32Array, /) -> Annotated[Int32, ""]:
    r"""sets::size_between (sets/convert.cpp: Shape products, index conversions, five-group folds, shape tables and stack fills)


    Parameters:
      init      int32
      start     int32
      end       int32
      resshape  int32[], read
    Returns: : int32
    """

def _c_closure_217(nlists: Int32, nativeidxs: I32ArrayOut, nd: Int32, nidxlist: I32ArrayList, resshape: I32Array, /) -> None:
    r"""sets::interleave_lists (sets/order.cpp: Order checks, index lists and coefficient buffers)


    Parameters:
      nlists      int32
      nativeidxs  int32[], written
      nd          int32
      nidxlist    int32[][], read
      resshape    int32[], read
    Returns: None
    """

def _c_closure_218(nd: Int32, shape: I32Array, strides: I64ArrayOut, /) -> None:
    r"""sets::strides_from_mirrored_shape (sets/convert.cpp: Shape products, index conversions, five-group folds, shape tables and stack fills)


    Parameters:
      nd       int32
      shape    int32[], read
      strides  int64[], written
    Returns: None
    """

def _c_closure_219(idxa: I32Array, init: Int32, n: Int32, strides: I64Array, /) -> Annotated[Int32, ""]:
    r"""sets::strided_offset (sets/convert.cpp: Shape products, index conversions, five-group folds, shape tables and stack fills)


    Parameters:
      idxa     int32[], read
      init     int32
      n        int32
      strides  int64[], read
    Returns: : int32
    """

def _c_closure_220(firsta: I32Array, lasta: I32Array, n: Int32, init: Int32, /) -> Annotated[Int32, ""]:
    r"""sets::box_size (sets/convert.cpp: Shape products, index conversions, five-group folds, shape tables and stack fills)


    Parameters:
      firsta  int32[], read
      lasta   int32[], read
      n       int32
      init    int32
    Returns: : int32
    """

def _c_closure_221(firsta: I32Array, lasta: I32Array, nativeidxs: I32Array, nd: Int32, shape: I32Array, sliceidxs: I32ArrayOut, n: Int32, /) -> None:
    r"""sets::gather_box (sets/convert.cpp: Shape products, index conversions, five-group folds, shape tables and stack fills)


    Parameters:
      firsta      int32[], read
      lasta       int32[], read
      nativeidxs  int32[], read
      nd          int32
      shape       int32[], read
      sliceidxs   int32[], written
      n           int32
    Returns: None
    """

def _c_closure_222(shape: I32Array, init: Int32, /) -> Annotated[Int32, ""]:
    r"""shape::size_of_shape_shape_first (shape/index.cpp: Shapes, strides, linear and multi-dimensional indexes)

    The same kernel as _c_closure_138.


    Parameters:
      shape  int32[], read
      init   int32
    Returns: : int32
    """

def _c_closure_223(shape: I32Array, init: Int32, /) -> Annotated[Int32, ""]:
    r"""shape::size_of_shape_shape_first (shape/index.cpp: Shapes, strides, linear and multi-dimensional indexes)

    The same kernel as _c_closure_138.


    Parameters:
      shape  int32[], read
      init   int32
    Returns: : int32
    """

def _c_closure_224(n: Int32, dim: I32Array, shape: I32ArrayOut, /) -> None:
    r"""sets::fold_before (sets/convert.cpp: Shape products, index conversions, five-group folds, shape tables and stack fills)


    Parameters:
      n      int32
      dim    int32[], read
      shape  int32[], written
    Returns: None
    """

def _c_closure_225(start: Int32, end: Int32, dim: I32Array, shape: I32ArrayOut, /) -> None:
    r"""sets::fold_between (sets/convert.cpp: Shape products, index conversions, five-group folds, shape tables and stack fills)


    Parameters:
      start  int32
      end    int32
      dim    int32[], read
      shape  int32[], written
    Returns: None
    """

def _c_closure_226(start: Int32, dim: I32Array, end: Int32, shape: I32ArrayOut, /) -> None:
    r"""sets::fold_after (sets/convert.cpp: Shape products, index conversions, five-group folds, shape tables and stack fills)


    Parameters:
      start  int32
      dim    int32[], read
      end    int32
      shape  int32[], written
    Returns: None
    """

def _c_closure_227(dim: I32Array, stride: I32ArrayOut, /) -> None:
    r"""shape::five_axis_strides (shape/index.cpp: Shapes, strides, linear and multi-dimensional indexes)

    The same kernel as _c_closure_60.


    Parameters:
      dim     int32[], read
      stride  int32[], written
    Returns: None
    """

def _c_closure_228(dim: I32Array, pos: Int32, nativeidxs: I32Array, nidxs: I32ArrayOut, stride: I32Array, upper: Int32, /) -> Annotated[Int32, ""]:
    r"""sets::symmetric_expand (sets/convert.cpp: Shape products, index conversions, five-group folds, shape tables and stack fills)


    Parameters:
      dim         int32[], read
      pos         int32
      nativeidxs  int32[], read
      nidxs       int32[], written
      stride      int32[], read
      upper       int32
    Returns: : int32
    """

def _c_closure_229(shape: I32Array, init: Int64, /) -> Annotated[Int64, ""]:
    r"""shape::size_of_shape64 (shape/index.cpp: Shapes, strides, linear and multi-dimensional indexes)

    The same kernel as _c_closure_112.


    Parameters:
      shape  int32[], read
      init   int64
    Returns: : int64
    """

def _c_closure_230(key: I32Array, init: Int64, shape: I32Array, /) -> Annotated[Int64, ""]:
    r"""sets::linear_of_key (sets/convert.cpp: Shape products, index conversions, five-group folds, shape tables and stack fills)


    Parameters:
      key    int32[], read
      init   int64
      shape  int32[], read
    Returns: : int64
    """

def _c_closure_231(dest: I32ArrayOut, lin: Int64, shape: I32Array, /) -> None:
    r"""sets::multi_of_linear (sets/convert.cpp: Shape products, index conversions, five-group folds, shape tables and stack fills)


    Parameters:
      dest   int32[], written
      lin    int64
      shape  int32[], read
    Returns: None
    """

def _c_closure_232(k: I32ArrayOut, n: Int32, lin: Int64, shape: I32Array, /) -> Annotated[Int64, ""]:
    r"""sets::inner_digits (sets/convert.cpp: Shape products, index conversions, five-group folds, shape tables and stack fills)


    Parameters:
      k      int32[], written
      n      int32
      lin    int64
      shape  int32[], read
    Returns: : int64
    """

def _c_closure_233(lin: Int64, res: I32ArrayOut, shape: I32Array, /) -> None:
    r"""sets::multi_of_linear_lin_first (sets/convert.cpp: Shape products, index conversions, five-group folds, shape tables and stack fills)


    Parameters:
      lin    int64
      res    int32[], written
      shape  int32[], read
    Returns: None
    """

def _c_closure_234(nd: Int32, shape: I32Array, st: I64ArrayOut, /) -> None:
    r"""sets::strides_from_last (sets/convert.cpp: Shape products, index conversions, five-group folds, shape tables and stack fills)


    Parameters:
      nd     int32
      shape  int32[], read
      st     int64[], written
    Returns: None
    """

def _c_closure_235(r: I32ArrayOut, set1: I32Array, /) -> None:
    r"""sets::copy_first_set (sets/order.cpp: Order checks, index lists and coefficient buffers)


    Parameters:
      r     int32[], written
      set1  int32[], read
    Returns: None
    """

def _c_closure_236(r: I32ArrayOut, set1: I32Array, set2: I32Array, /) -> None:
    r"""sets::append_second_set (sets/order.cpp: Order checks, index lists and coefficient buffers)


    Parameters:
      r     int32[], written
      set1  int32[], read
      set2  int32[], read
    Returns: None
    """

def _c_closure_237(dims: I32Array, init: Int64, /) -> Annotated[Int64, ""]:
    r"""sets::size_of_dims64 (sets/convert.cpp: Shape products, index conversions, five-group folds, shape tables and stack fills)


    Parameters:
      dims  int32[], read
      init  int64
    Returns: : int64
    """

def _c_closure_238(lsubi: I32Array, lsubj: I32Array, count: Int64, usubi: I32Array, usubj: I32Array, /) -> Annotated[Int64, ""]:
    r"""sets::union_size (sets/bounds.cpp: Element bound matrices)


    Parameters:
      lsubi  int32[], read
      lsubj  int32[], read
      count  int64
      usubi  int32[], read
      usubj  int32[], read
    Returns: : int64
    """

def _c_closure_239(inst: I32MatrixOut, lbv: F64ArrayOut, lsubi: I32Array, lsubj: I32Array, lval: F64Array, ubv: F64ArrayOut, usubi: I32Array, usubj: I32Array, uval: F64Array, /) -> None:
    r"""sets::union_with_bounds (sets/bounds.cpp: Element bound matrices)


    Parameters:
      inst   int32[,], written
      lbv    float64[], written
      lsubi  int32[], read
      lsubj  int32[], read
      lval   float64[], read
      ubv    float64[], written
      usubi  int32[], read
      usubj  int32[], read
      uval   float64[], read
    Returns: None
    """

def _c_closure_240(ncols: Int32, lval: F64ArrayOut, subi: I32Array, subj: I32Array, v: F64Array, /) -> None:
    r"""sets::scatter_lower_bounds (sets/bounds.cpp: Element bound matrices)


    Parameters:
      ncols  int32
      lval   float64[], written
      subi   int32[], read
      subj   int32[], read
      v      float64[], read
    Returns: None
    """

def _c_closure_241(ncols: Int32, subi: I32Array, subj: I32Array, uval: F64ArrayOut, v: F64Array, /) -> None:
    r"""sets::scatter_upper_bounds (sets/bounds.cpp: Element bound matrices)


    Parameters:
      ncols  int32
      subi   int32[], read
      subj   int32[], read
      uval   float64[], written
      v      float64[], read
    Returns: None
    """

def _c_closure_242(nrows: Int32, ncols: Int32, pos: Int32, lb: F64Matrix, lval: F64ArrayOut, ub: F64Matrix, uval: F64ArrayOut, /) -> Annotated[Int32, ""]:
    r"""sets::flatten_bounds (sets/bounds.cpp: Element bound matrices)


    Parameters:
      nrows  int32
      ncols  int32
      pos    int32
      lb     float64[,], read
      lval   float64[], written
      ub     float64[,], read
      uval   float64[], written
    Returns: : int32
    """

def _c_closure_243(inst: I32MatrixOut, msubi: I32Array, msubj: I32Array, /) -> None:
    r"""sets::element_table (sets/bounds.cpp: Element bound matrices)


    Parameters:
      inst   int32[,], written
      msubi  int32[], read
      msubj  int32[], read
    Returns: None
    """

def _c_closure_244(dim: I32Array, init: Int64, /) -> Annotated[Int64, ""]:
    r"""sets::size_of_dims64 (sets/convert.cpp: Shape products, index conversions, five-group folds, shape tables and stack fills)


    Parameters:
      dim   int32[], read
      init  int64
    Returns: : int64
    """

def _c_closure_245(n: Int32, shape: I32Array, init: Int32, /) -> Annotated[Int32, ""]:
    r"""shape::size_of_leading_shape_middle (shape/index.cpp: Shapes, strides, linear and multi-dimensional indexes)

    The same kernel as _c_closure_161.


    Parameters:
      n      int32
      shape  int32[], read
      init   int32
    Returns: : int32
    """

def _c_closure_246(idxs: I32MatrixOut, indexes: I32Array, /) -> None:
    r"""sets::fill_first_column (sets/order.cpp: Order checks, index lists and coefficient buffers)


    Parameters:
      idxs     int32[,], written
      indexes  int32[], read
    Returns: None
    """

def _c_closure_247(idxs: I32MatrixOut, indexes: I32Array, /) -> None:
    r"""sets::fill_first_row (sets/order.cpp: Order checks, index lists and coefficient buffers)


    Parameters:
      idxs     int32[,], written
      indexes  int32[], read
    Returns: None
    """

def _c_closure_248(n: Int32, ri32: I32ArrayOut, off: Int32, shape: I32Array, /) -> None:
    r"""sets::shape_onto_stack (sets/convert.cpp: Shape products, index conversions, five-group folds, shape tables and stack fills)


    Parameters:
      n      int32
      ri32   int32[], written
      off    int32
      shape  int32[], read
    Returns: None
    """

def _c_closure_249(flag: Int32, ri64: I64ArrayOut, off: Int32, sparsity: I64Array, /) -> None:
    r"""sets::sparsity_onto_stack (sets/convert.cpp: Shape products, index conversions, five-group folds, shape tables and stack fills)


    Parameters:
      flag      int32
      ri64      int64[], written
      off       int32
      sparsity  int64[], read
    Returns: None
    """

def _c_closure_250(bfix: F64Array, n: Int32, off: Int32, rf64: F64ArrayOut, /) -> None:
    r"""sets::constants_onto_stack (sets/convert.cpp: Shape products, index conversions, five-group folds, shape tables and stack fills)


    Parameters:
      bfix  float64[], read
      n     int32
      off   int32
      rf64  float64[], written
    Returns: None
    """

def _c_closure_251(n: Int32, ri32: I32ArrayOut, off: Int32, /) -> None:
    r"""sets::empty_ptr_onto_stack (sets/convert.cpp: Shape products, index conversions, five-group folds, shape tables and stack fills)


    Parameters:
      n     int32
      ri32  int32[], written
      off   int32
    Returns: None
    """

def _c_closure_252(flag: Int32, sparsity: I64Array, size: Int64, /) -> Annotated[bool, ""]:
    r"""sets::sparsity_out_of_range (sets/order.cpp: Order checks, index lists and coefficient buffers)


    Parameters:
      flag      int32
      sparsity  int64[], read
      size      int64
    Returns: : bool
    """

def _c_closure_253(idxs: I32Matrix, n: Int32, shape: I32Array, flag: Int32, /) -> Annotated[bool, ""]:
    r"""sets::multi_indexes_out_of_range (sets/order.cpp: Order checks, index lists and coefficient buffers)


    Parameters:
      idxs   int32[,], read
      n      int32
      shape  int32[], read
      flag   int32
    Returns: : bool
    """

def _c_closure_254(idxs: I32Matrix, nd: Int32, shape: I32Array, this_idxs: I64ArrayOut, /) -> None:
    r"""sets::linear_of_rows (sets/convert.cpp: Shape products, index conversions, five-group folds, shape tables and stack fills)


    Parameters:
      idxs       int32[,], read
      nd         int32
      shape      int32[], read
      this_idxs  int64[], written
    Returns: None
    """

def _c_closure_255(idxs: I64Array, size: Int64, flag: Int32, /) -> Annotated[bool, ""]:
    r"""sets::indexes_out_of_range (sets/order.cpp: Order checks, index lists and coefficient buffers)


    Parameters:
      idxs  int64[], read
      size  int64
      flag  int32
    Returns: : bool
    """

def _c_closure_256(idxs: I64Array, ptrbase: Int32, count: Int32, wi32: I32Array, /) -> Annotated[Int32, ""]:
    r"""sets::terms_of_elements (sets/order.cpp: Order checks, index lists and coefficient buffers)


    Parameters:
      idxs     int64[], read
      ptrbase  int32
      count    int32
      wi32     int32[], read
    Returns: : int32
    """

def _c_closure_257(bfixbase: Int32, cofbase: Int32, idxs: I64Array, rnnz: Int32, nidxsbase: Int32, ptrbase: Int32, rbfixbase: Int32, rcofbase: Int32, rf64: F64ArrayOut, ri32: I32ArrayOut, ri64: I64ArrayOut, rnidxsbase: Int32, rptrbase: Int32, wf64: F64Array, wi32: I32Array, wi64: I64Array, /) -> Annotated[Int32, ""]:
    r"""expr::pick_dense (expr/pick.cpp: Picking and slicing elements of an expression)


    Parameters:
      bfixbase    int32
      cofbase     int32
      idxs        int64[], read
      rnnz        int32
      nidxsbase   int32
      ptrbase     int32
      rbfixbase   int32
      rcofbase    int32
      rf64        float64[], written
      ri32        int32[], written
      ri64        int64[], written
      rnidxsbase  int32
      rptrbase    int32
      wf64        float64[], read
      wi32        int32[], read
      wi64        int64[], read
    Returns: : int32
    """

def _c_closure_258(idxs: I64Array, count: Int32, ptrbase: Int32, rnnz: Int32, spbase: Int32, posbase: Int32, wi32: I32Array, wi64: I64Array, xi32: I32ArrayOut, /) -> Annotated[Int32, ""]:
    r"""expr::locate_sparse (expr/pick.cpp: Picking and slicing elements of an expression)


    Parameters:
      idxs     int64[], read
      count    int32
      ptrbase  int32
      rnnz     int32
      spbase   int32
      posbase  int32
      wi32     int32[], read
      wi64     int64[], read
      xi32     int32[], written
    Returns: : int32
    """

def _c_closure_259(bfixbase: Int32, cofbase: Int32, idxs: I64Array, rnnz: Int32, nidxsbase: Int32, ptrbase: Int32, rbfixbase: Int32, rcofbase: Int32, rf64: F64ArrayOut, ri32: I32ArrayOut, ri64: I64ArrayOut, rnidxsbase: Int32, rptrbase: Int32, posbase: Int32, wf64: F64Array, wi32: I32Array, wi64: I64Array, xi32: I32Array, /) -> Annotated[Int32, ""]:
    r"""expr::pick_sparse (expr/pick.cpp: Picking and slicing elements of an expression)


    Parameters:
      bfixbase    int32
      cofbase     int32
      idxs        int64[], read
      rnnz        int32
      nidxsbase   int32
      ptrbase     int32
      rbfixbase   int32
      rcofbase    int32
      rf64        float64[], written
      ri32        int32[], written
      ri64        int64[], written
      rnidxsbase  int32
      rptrbase    int32
      posbase     int32
      wf64        float64[], read
      wi32        int32[], read
      wi64        int64[], read
      xi32        int32[], read
    Returns: : int32
    """

def _c_closure_260(nd: Int32, shapebase: Int32, st: I64ArrayOut, wi32: I32Array, /) -> None:
    r"""expr::strides_of_work_shape (expr/sizes.cpp: Strides, size products, maxima and shape copies of record shape runs)


    Parameters:
      nd         int32
      shapebase  int32
      st         int64[], written
      wi32       int32[], read
    Returns: None
    """

def _c_closure_261(first: I32Array, sparse: Int32, last: I32Array, nd: Int32, count: Int32, ptrbase: Int32, rnelem: Int32, rnnz: Int32, shapebase: Int32, spbase: Int32, st: I64Array, wi32: I32Array, wi64: I64Array, /) -> Tuple[Annotated[Int32, ""], Annotated[Int32, ""]]:
    r"""expr::slice_count (expr/pick.cpp: Picking and slicing elements of an expression)


    Parameters:
      first      int32[], read
      sparse     int32
      last       int32[], read
      nd         int32
      count      int32
      ptrbase    int32
      rnelem     int32
      rnnz       int32
      shapebase  int32
      spbase     int32
      st         int64[], read
      wi32       int32[], read
      wi64       int64[], read
    Returns: (): (int32, int32)
    """

def _c_closure_262(nd: Int32, rshape: I32Array, rst: I64ArrayOut, /) -> None:
    r"""expr::strides_of_shape (expr/sizes.cpp: Strides, size products, maxima and shape copies of record shape runs)


    Parameters:
      nd      int32
      rshape  int32[], read
      rst     int64[], written
    Returns: None
    """

def _c_closure_263(bfixbase: Int32, cofbase: Int32, first: I32Array, sparse: Int32, rnelem: Int32, rnnz: Int32, last: I32Array, nd: Int32, count: Int32, nidxsbase: Int32, ptrbase: Int32, rbfixbase: Int32, rcofbase: Int32, rf64: F64ArrayOut, ri32: I32ArrayOut, ri64: I64ArrayOut, rnidxsbase: Int32, rptrbase: Int32, rspbase: Int32, rst: I64Array, shapebase: Int32, spbase: Int32, st: I64Array, wf64: F64Array, wi32: I32Array, wi64: I64Array, /) -> Tuple[Annotated[Int32, ""], Annotated[Int32, ""]]:
    r"""expr::slice_build (expr/pick.cpp: Picking and slicing elements of an expression)


    Parameters:
      bfixbase    int32
      cofbase     int32
      first       int32[], read
      sparse      int32
      rnelem      int32
      rnnz        int32
      last        int32[], read
      nd          int32
      count       int32
      nidxsbase   int32
      ptrbase     int32
      rbfixbase   int32
      rcofbase    int32
      rf64        float64[], written
      ri32        int32[], written
      ri64        int64[], written
      rnidxsbase  int32
      rptrbase    int32
      rspbase     int32
      rst         int64[], read
      shapebase   int32
      spbase      int32
      st          int64[], read
      wf64        float64[], read
      wi32        int32[], read
      wi64        int64[], read
    Returns: (): (int32, int32)
    """

def _c_closure_264(dperm: I32Array, dstride: I32Array, spbase: Int32, nd: Int32, count: Int32, shapebase: Int32, sp: I64ArrayOut, stride: I64Array, wi32: I32Array, wi64: I64Array, /) -> None:
    r"""expr::permute_sparse_indexes (expr/transpose.cpp: Transposing and permuting the dimensions of an expression)


    Parameters:
      dperm      int32[], read
      dstride    int32[], read
      spbase     int32
      nd         int32
      count      int32
      shapebase  int32
      sp         int64[], written
      stride     int64[], read
      wi32       int32[], read
      wi64       int64[], read
    Returns: None
    """

def _c_closure_265(bfixbase: Int32, cofbase: Int32, nidxsbase: Int32, ptrbase: Int32, rnelem: Int32, rnnz: Int32, count: Int32, perm: I64Array, rbfixbase: Int32, rcofbase: Int32, rf64: F64ArrayOut, ri32: I32ArrayOut, ri64: I64ArrayOut, rnidxsbase: Int32, rptrbase: Int32, rspbase: Int32, sp: I64Array, wf64: F64Array, wi32: I32Array, wi64: I64Array, /) -> Tuple[Annotated[Int32, ""], Annotated[Int32, ""]]:
    r"""expr::permute_sparse_elements (expr/transpose.cpp: Transposing and permuting the dimensions of an expression)


    Parameters:
      bfixbase    int32
      cofbase     int32
      nidxsbase   int32
      ptrbase     int32
      rnelem      int32
      rnnz        int32
      count       int32
      perm        int64[], read
      rbfixbase   int32
      rcofbase    int32
      rf64        float64[], written
      ri32        int32[], written
      ri64        int64[], written
      rnidxsbase  int32
      rptrbase    int32
      rspbase     int32
      sp          int64[], read
      wf64        float64[], read
      wi32        int32[], read
      wi64        int64[], read
    Returns: (): (int32, int32)
    """

def _c_closure_266(dperm: I32Array, dstride: I32Array, bfixbase: Int32, cofbase: Int32, nidxsbase: Int32, ptrbase: Int32, rnelem: Int32, rnnz: Int32, nd: Int32, count: Int32, rbfixbase: Int32, rcofbase: Int32, rf64: F64ArrayOut, ri32: I32ArrayOut, ri64: I64ArrayOut, rnidxsbase: Int32, rptrbase: Int32, shapebase: Int32, stride: I64Array, wf64: F64Array, wi32: I32Array, wi64: I64Array, /) -> Tuple[Annotated[Int32, ""], Annotated[Int32, ""]]:
    r"""expr::permute_dense (expr/transpose.cpp: Transposing and permuting the dimensions of an expression)


    Parameters:
      dperm       int32[], read
      dstride     int32[], read
      bfixbase    int32
      cofbase     int32
      nidxsbase   int32
      ptrbase     int32
      rnelem      int32
      rnnz        int32
      nd          int32
      count       int32
      rbfixbase   int32
      rcofbase    int32
      rf64        float64[], written
      ri32        int32[], written
      ri64        int64[], written
      rnidxsbase  int32
      rptrbase    int32
      shapebase   int32
      stride      int64[], read
      wf64        float64[], read
      wi32        int32[], read
      wi64        int64[], read
    Returns: (): (int32, int32)
    """

def _c_closure_267(m: Int32, n: Int32, bfixbase: Int32, cofbase: Int32, nidxsbase: Int32, ptrbase: Int32, spbase: Int32, count: Int32, permbase: Int32, cntbase: Int32, rbfixbase: Int32, rcofbase: Int32, rf64: F64ArrayOut, ri32: I32ArrayOut, ri64: I64ArrayOut, rnidxsbase: Int32, rptrbase: Int32, rspbase: Int32, wf64: F64Array, wi32: I32Array, wi64: I64Array, xi32: I32ArrayOut, /) -> None:
    r"""expr::transpose_sparse (expr/transpose.cpp: Transposing and permuting the dimensions of an expression)


    Parameters:
      m           int32
      n           int32
      bfixbase    int32
      cofbase     int32
      nidxsbase   int32
      ptrbase     int32
      spbase      int32
      count       int32
      permbase    int32
      cntbase     int32
      rbfixbase   int32
      rcofbase    int32
      rf64        float64[], written
      ri32        int32[], written
      ri64        int64[], written
      rnidxsbase  int32
      rptrbase    int32
      rspbase     int32
      wf64        float64[], read
      wi32        int32[], read
      wi64        int64[], read
      xi32        int32[], written
    Returns: None
    """

def _c_closure_268(m: Int32, n: Int32, bfixbase: Int32, cofbase: Int32, nidxsbase: Int32, ptrbase: Int32, rbfixbase: Int32, rcofbase: Int32, rf64: F64ArrayOut, ri32: I32ArrayOut, ri64: I64ArrayOut, rnidxsbase: Int32, rptrbase: Int32, wf64: F64Array, wi32: I32Array, wi64: I64Array, /) -> None:
    r"""expr::transpose_dense (expr/transpose.cpp: Transposing and permuting the dimensions of an expression)


    Parameters:
      m           int32
      n           int32
      bfixbase    int32
      cofbase     int32
      nidxsbase   int32
      ptrbase     int32
      rbfixbase   int32
      rcofbase    int32
      rf64        float64[], written
      ri32        int32[], written
      ri64        int64[], written
      rnidxsbase  int32
      rptrbase    int32
      wf64        float64[], read
      wi32        int32[], read
      wi64        int64[], read
    Returns: None
    """

def _c_closure_269(dim: Int32, i: Int32, mismatch: Int32, nd: Int32, nds: I32Array, shapebase: Int32, shape_bases: I32Array, wi32: I32Array, /) -> Annotated[bool, ""]:
    r"""expr::operand_mismatch (expr/stack.cpp: Stacking expressions along a dimension)


    Parameters:
      dim          int32
      i            int32
      mismatch     int32
      nd           int32
      nds          int32[], read
      shapebase    int32
      shape_bases  int32[], read
      wi32         int32[], read
    Returns: : bool
    """

def _c_closure_270(dim: Int32, n: Int32, nd: Int32, total: Int32, shape_bases: I32Array, wi32: I32Array, /) -> Annotated[Int32, ""]:
    r"""expr::stacked_size (expr/stack.cpp: Stacking expressions along a dimension)


    Parameters:
      dim          int32
      n            int32
      nd           int32
      total        int32
      shape_bases  int32[], read
      wi32         int32[], read
    Returns: : int32
    """

def _c_closure_271(n: Int32, nelem: I32Array, nnz: I32Array, totalelem: Int32, totalnnz: Int32, /) -> Tuple[Annotated[Int32, ""], Annotated[Int32, ""]]:
    r"""expr::stacked_counts (expr/stack.cpp: Stacking expressions along a dimension)


    Parameters:
      n          int32
      nelem      int32[], read
      nnz        int32[], read
      totalelem  int32
      totalnnz   int32
    Returns: (): (int32, int32)
    """

def _c_closure_272(init: Int32, count: Int32, base: Int32, wi32: I32Array, /) -> Annotated[Int32, ""]:
    r"""expr::size_of_run (expr/sizes.cpp: Strides, size products, maxima and shape copies of record shape runs)


    Parameters:
      init   int32
      count  int32
      base   int32
      wi32   int32[], read
    Returns: : int32
    """

def _c_closure_273(d1s: I32Array, n: Int32, offset: I32ArrayOut, /) -> None:
    r"""expr::stacked_offsets (expr/stack.cpp: Stacking expressions along a dimension)


    Parameters:
      d1s     int32[], read
      n       int32
      offset  int32[], written
    Returns: None
    """

def _c_closure_274(total: Int32, d1s: I32Array, n: Int32, /) -> Annotated[Int32, ""]:
    r"""expr::stacked_total (expr/stack.cpp: Stacking expressions along a dimension)


    Parameters:
      total  int32
      d1s    int32[], read
      n      int32
    Returns: : int32
    """

def _c_closure_275(init: Int32, dim: Int32, nd: Int32, base: Int32, wi32: I32Array, /) -> Annotated[Int32, ""]:
    r"""expr::size_after (expr/sizes.cpp: Strides, size products, maxima and shape copies of record shape runs)


    Parameters:
      init  int32
      dim   int32
      nd    int32
      base  int32
      wi32  int32[], read
    Returns: : int32
    """

def _c_closure_276(count: Int32, ri32: I32ArrayOut, rbase: Int32, wbase: Int32, wi32: I32Array, /) -> None:
    r"""expr::copy_shape_to_result (expr/sizes.cpp: Strides, size products, maxima and shape copies of record shape runs)


    Parameters:
      count  int32
      ri32   int32[], written
      rbase  int32
      wbase  int32
      wi32   int32[], read
    Returns: None
    """

def _c_closure_277(bfix_base: I32Array, cof_base: I32Array, outer: Int32, total: Int32, d1s: I32Array, inner: Int32, n: Int32, nidxs_base: I32Array, ptr_base: I32Array, rbfixbase: Int32, rcofbase: Int32, rf64: F64ArrayOut, ri32: I32ArrayOut, ri64: I64ArrayOut, rnelemtotal: Int32, rnidxsbase: Int32, rptrbase: Int32, wf64: F64Array, wi32: I32Array, wi64: I64Array, /) -> None:
    r"""expr::stack_dense (expr/stack.cpp: Stacking expressions along a dimension)


    Parameters:
      bfix_base    int32[], read
      cof_base     int32[], read
      outer        int32
      total        int32
      d1s          int32[], read
      inner        int32
      n            int32
      nidxs_base   int32[], read
      ptr_base     int32[], read
      rbfixbase    int32
      rcofbase     int32
      rf64         float64[], written
      ri32         int32[], written
      ri64         int64[], written
      rnelemtotal  int32
      rnidxsbase   int32
      rptrbase     int32
      wf64         float64[], read
      wi32         int32[], read
      wi64         int64[], read
    Returns: None
    """

def _c_closure_278(count: Int32, init: Int32, base: Int32, wi32: I32Array, /) -> Annotated[Int32, ""]:
    r"""expr::size_of_run_count_first (expr/sizes.cpp: Strides, size products, maxima and shape copies of record shape runs)


    Parameters:
      count  int32
      init   int32
      base   int32
      wi32   int32[], read
    Returns: : int32
    """

def _c_closure_279(dim: Int32, nd: Int32, init: Int32, base: Int32, wi32: I32Array, /) -> Annotated[Int32, ""]:
    r"""expr::size_after_dim_first (expr/sizes.cpp: Strides, size products, maxima and shape copies of record shape runs)


    Parameters:
      dim   int32
      nd    int32
      init  int32
      base  int32
      wi32  int32[], read
    Returns: : int32
    """

def _c_closure_280(bfix_base: I32Array, cof_base: I32Array, n: Int32, nelem: I32Array, nidxs_base: I32Array, nnz: I32Array, xbfixbase: Int32, xcofbase: Int32, xnidxsbase: Int32, wf64: F64Array, wi64: I64Array, xf64: F64ArrayOut, xi64: I64ArrayOut, /) -> None:
    r"""expr::gather_terms (expr/stack.cpp: Stacking expressions along a dimension)


    Parameters:
      bfix_base   int32[], read
      cof_base    int32[], read
      n           int32
      nelem       int32[], read
      nidxs_base  int32[], read
      nnz         int32[], read
      xbfixbase   int32
      xcofbase    int32
      xnidxsbase  int32
      wf64        float64[], read
      wi64        int64[], read
      xf64        float64[], written
      xi64        int64[], written
    Returns: None
    """

def _c_closure_281(size: Int32, inner: Int32, i: Int32, xnelem: Int32, termoffset: Int32, nelem: I32Array, offset: I32Array, ptr_base: I32Array, blocksize: Int32, innersize: Int32, total: Int32, sp_base: I32Array, xptrbase: Int32, xspbase: Int32, wi32: I32Array, wi64: I64Array, xi32: I32ArrayOut, xi64: I64ArrayOut, /) -> Annotated[Int32, ""]:
    r"""expr::append_sparse_operand (expr/stack.cpp: Stacking expressions along a dimension)


    Parameters:
      size        int32
      inner       int32
      i           int32
      xnelem      int32
      termoffset  int32
      nelem       int32[], read
      offset      int32[], read
      ptr_base    int32[], read
      blocksize   int32
      innersize   int32
      total       int32
      sp_base     int32[], read
      xptrbase    int32
      xspbase     int32
      wi32        int32[], read
      wi64        int64[], read
      xi32        int32[], written
      xi64        int64[], written
    Returns: : int32
    """

def _c_closure_282(outer: Int32, size: Int32, inner: Int32, i: Int32, xnelem: Int32, termoffset: Int32, offset: I32Array, ptr_base: I32Array, total: Int32, xptrbase: Int32, xspbase: Int32, wi32: I32Array, xi32: I32ArrayOut, xi64: I64ArrayOut, /) -> Annotated[Int32, ""]:
    r"""expr::append_dense_operand (expr/stack.cpp: Stacking expressions along a dimension)


    Parameters:
      outer       int32
      size        int32
      inner       int32
      i           int32
      xnelem      int32
      termoffset  int32
      offset      int32[], read
      ptr_base    int32[], read
      total       int32
      xptrbase    int32
      xspbase     int32
      wi32        int32[], read
      xi32        int32[], written
      xi64        int64[], written
    Returns: : int32
    """

def _c_closure_283(init: Int32, ri32: I32Array, count: Int32, base: Int32, /) -> Annotated[Int32, ""]:
    r"""expr::largest_in_run (expr/sizes.cpp: Strides, size products, maxima and shape copies of record shape runs)


    Parameters:
      init   int32
      ri32   int32[], read
      count  int32
      base   int32
    Returns: : int32
    """

def _c_closure_284(ri32: I32Array, nd: Int32, shapebase: Int32, s: I64ArrayOut, /) -> None:
    r"""expr::strides_of_result_shape (expr/sizes.cpp: Strides, size products, maxima and shape copies of record shape runs)


    Parameters:
      ri32       int32[], read
      nd         int32
      shapebase  int32
      s          int64[], written
    Returns: None
    """

def _c_closure_285(perma: Int32, cntbase: Int32, rbfixbase: Int32, rcofbase: Int32, rf64: F64ArrayOut, ri32: I32ArrayOut, ri64: I64ArrayOut, nd: Int32, count: Int32, rnidxsbase: Int32, rptrbase: Int32, rshapebase: Int32, rspbase: Int32, s: I64Array, xbfixbase: Int32, xcofbase: Int32, permb: Int32, xnidxsbase: Int32, xptrbase: Int32, xspbase: Int32, xf64: F64Array, xi32: I32ArrayOut, xi64: I64Array, /) -> Tuple[Annotated[Int32, ""], Annotated[Int32, ""]]:
    r"""expr::sort_gathered (expr/stack.cpp: Stacking expressions along a dimension)


    Parameters:
      perma       int32
      cntbase     int32
      rbfixbase   int32
      rcofbase    int32
      rf64        float64[], written
      ri32        int32[], written
      ri64        int64[], written
      nd          int32
      count       int32
      rnidxsbase  int32
      rptrbase    int32
      rshapebase  int32
      rspbase     int32
      s           int64[], read
      xbfixbase   int32
      xcofbase    int32
      permb       int32
      xnidxsbase  int32
      xptrbase    int32
      xspbase     int32
      xf64        float64[], read
      xi32        int32[], written
      xi64        int64[], read
    Returns: (): (int32, int32)
    """

def _c_closure_286(rbfixbase: Int32, rcofbase: Int32, rf64: F64ArrayOut, ri32: I32ArrayOut, ri64: I64ArrayOut, count: Int32, rnidxsbase: Int32, rptrbase: Int32, rspbase: Int32, xbfixbase: Int32, xcofbase: Int32, xnidxsbase: Int32, xptrbase: Int32, xspbase: Int32, xf64: F64Array, xi32: I32Array, xi64: I64Array, /) -> None:
    r"""expr::copy_gathered (expr/stack.cpp: Stacking expressions along a dimension)


    Parameters:
      rbfixbase   int32
      rcofbase    int32
      rf64        float64[], written
      ri32        int32[], written
      ri64        int64[], written
      count       int32
      rnidxsbase  int32
      rptrbase    int32
      rspbase     int32
      xbfixbase   int32
      xcofbase    int32
      xnidxsbase  int32
      xptrbase    int32
      xspbase     int32
      xf64        float64[], read
      xi32        int32[], read
      xi64        int64[], read
    Returns: None
    """

def _c_closure_287(count: Int32, resshape: I32ArrayOut, shape: I32Array, /) -> None:
    r"""expr::copy_shape (expr/sizes.cpp: Strides, size products, maxima and shape copies of record shape runs)


    Parameters:
      count     int32
      resshape  int32[], written
      shape     int32[], read
    Returns: None
    """

def _c_closure_288(dim: Int32, resshape: I32ArrayOut, shapes: I32ArrayList, /) -> None:
    r"""expr::stacked_shape (expr/stack.cpp: Stacking expressions along a dimension)


    Parameters:
      dim       int32
      resshape  int32[], written
      shapes    int32[][], read
    Returns: None
    """

def _c_closure_289(badrange: Int32, unsorted: Int32, limit: Int64, vsub: I64Array, /) -> Tuple[Annotated[bool, ""], Annotated[bool, ""]]:
    r"""expr::check_coefficient_pattern (expr/inner.cpp: Inner products of a constant sparse vector with an expression)


    Parameters:
      badrange  int32
      unsorted  int32
      limit     int64
      vsub      int64[], read
    Returns: (): (bool, bool)
    """

def _c_closure_290(sparse: Int32, count: Int32, ptrbase: Int32, rnnz: Int32, spbase: Int32, vsub: I64Array, wi32: I32Array, wi64: I64Array, /) -> Annotated[Int32, ""]:
    r"""expr::inner_product_terms (expr/inner.cpp: Inner products of a constant sparse vector with an expression)


    Parameters:
      sparse   int32
      count    int32
      ptrbase  int32
      rnnz     int32
      spbase   int32
      vsub     int64[], read
      wi32     int32[], read
      wi64     int64[], read
    Returns: : int32
    """

def _c_closure_291(constant: float, bfixbase: Int32, cofbase: Int32, sparse: Int32, rnnz: Int32, count: Int32, nidxsbase: Int32, ptrbase: Int32, rcofbase: Int32, rf64: F64ArrayOut, ri64: I64ArrayOut, rnidxsbase: Int32, spbase: Int32, vcof: F64Array, vsub: I64Array, wf64: F64Array, wi32: I32Array, wi64: I64Array, /) -> Tuple[Annotated[float, ""], Annotated[Int32, ""]]:
    r"""expr::inner_product (expr/inner.cpp: Inner products of a constant sparse vector with an expression)


    Parameters:
      constant    float64
      bfixbase    int32
      cofbase     int32
      sparse      int32
      rnnz        int32
      count       int32
      nidxsbase   int32
      ptrbase     int32
      rcofbase    int32
      rf64        float64[], written
      ri64        int64[], written
      rnidxsbase  int32
      spbase      int32
      vcof        float64[], read
      vsub        int64[], read
      wf64        float64[], read
      wi32        int32[], read
      wi64        int64[], read
    Returns: (): (float64, int32)
    """

def _c_closure_292(nd: Int32, s: I64ArrayOut, shape: I32Array, /) -> None:
    r"""expr::strides_into (expr/sizes.cpp: Strides, size products, maxima and shape copies of record shape runs)


    Parameters:
      nd     int32
      s      int64[], written
      shape  int32[], read
    Returns: None
    """

def _c_closure_293(nd: Int32, res: I64ArrayOut, s: I64Array, vsub: I32Matrix, /) -> None:
    r"""expr::linear_indexes_of_rows (expr/inner.cpp: Inner products of a constant sparse vector with an expression)


    Parameters:
      nd    int32
      res   int64[], written
      s     int64[], read
      vsub  int32[,], read
    Returns: None
    """

def _c_closure_294(ptrbase: Int32, ncols: Int32, nnz: Int32, permbase: Int32, msubj: I32Array, wi32: I32ArrayOut, /) -> None:
    r"""expr::sort_entries_by_column (expr/products.cpp: Products of a constant matrix and a two-dimensional expression, and their diagonals)


    Parameters:
      ptrbase   int32
      ncols     int32
      nnz       int32
      permbase  int32
      msubj     int32[], read
      wi32      int32[], written
    Returns: None
    """

def _c_closure_295(n: Int32, base: Int32, wi32: I32ArrayOut, /) -> None:
    r"""expr::zero_work_buckets (expr/products.cpp: Products of a constant matrix and a two-dimensional expression, and their diagonals)


    Parameters:
      n     int32
      base  int32
      wi32  int32[], written
    Returns: None
    """

def _c_closure_296(d: Int32, count: Int32, base: Int32, spbase: Int32, wi32: I32ArrayOut, wi64: I64Array, /) -> None:
    r"""expr::count_elements_by_row (expr/products.cpp: Products of a constant matrix and a two-dimensional expression, and their diagonals)


    Parameters:
      d       int32
      count   int32
      base    int32
      spbase  int32
      wi32    int32[], written
      wi64    int64[], read
    Returns: None
    """

def _c_closure_297(n: Int32, base: Int32, wi32: I32ArrayOut, /) -> None:
    r"""expr::prefix_sum_work (expr/products.cpp: Products of a constant matrix and a two-dimensional expression, and their diagonals)


    Parameters:
      n     int32
      base  int32
      wi32  int32[], written
    Returns: None
    """

def _c_closure_298(m: Int32, n: Int32, ptrbase: Int32, erowptr: Int32, spbase: Int32, mcolptr: Int32, mperm: Int32, msubi: I32Array, rnelem: Int32, rnnz: Int32, wi32: I32Array, wi64: I64Array, /) -> Tuple[Annotated[Int32, ""], Annotated[Int32, ""]]:
    r"""expr::count_diag_sparse_times_sparse (expr/products.cpp: Products of a constant matrix and a two-dimensional expression, and their diagonals)


    Parameters:
      m        int32
      n        int32
      ptrbase  int32
      erowptr  int32
      spbase   int32
      mcolptr  int32
      mperm    int32
      msubi    int32[], read
      rnelem   int32
      rnnz     int32
      wi32     int32[], read
      wi64     int64[], read
    Returns: (): (int32, int32)
    """

def _c_closure_299(bfixbase: Int32, cofbase: Int32, m: Int32, n: Int32, nidxsbase: Int32, ptrbase: Int32, erowptr: Int32, spbase: Int32, mcolptr: Int32, mperm: Int32, msubi: I32Array, mval: F64Array, rbfixbase: Int32, rcofbase: Int32, rf64: F64ArrayOut, ri32: I32ArrayOut, ri64: I64ArrayOut, rnidxsbase: Int32, rptrbase: Int32, rspbase: Int32, wf64: F64Array, wi32: I32Array, wi64: I64Array, /) -> None:
    r"""expr::diag_sparse_times_sparse (expr/products.cpp: Products of a constant matrix and a two-dimensional expression, and their diagonals)


    Parameters:
      bfixbase    int32
      cofbase     int32
      m           int32
      n           int32
      nidxsbase   int32
      ptrbase     int32
      erowptr     int32
      spbase      int32
      mcolptr     int32
      mperm       int32
      msubi       int32[], read
      mval        float64[], read
      rbfixbase   int32
      rcofbase    int32
      rf64        float64[], written
      ri32        int32[], written
      ri64        int64[], written
      rnidxsbase  int32
      rptrbase    int32
      rspbase     int32
      wf64        float64[], read
      wi32        int32[], read
      wi64        int64[], read
    Returns: None
    """

def _c_closure_300(m: Int32, n: Int32, ptrbase: Int32, mcolptr: Int32, mperm: Int32, msubi: I32Array, rnelem: Int32, rnnz: Int32, wi32: I32Array, /) -> Tuple[Annotated[Int32, ""], Annotated[Int32, ""]]:
    r"""expr::count_diag_dense_times_sparse (expr/products.cpp: Products of a constant matrix and a two-dimensional expression, and their diagonals)


    Parameters:
      m        int32
      n        int32
      ptrbase  int32
      mcolptr  int32
      mperm    int32
      msubi    int32[], read
      rnelem   int32
      rnnz     int32
      wi32     int32[], read
    Returns: (): (int32, int32)
    """

def _c_closure_301(bfixbase: Int32, cofbase: Int32, m: Int32, n: Int32, nidxsbase: Int32, ptrbase: Int32, mcolptr: Int32, mperm: Int32, msubi: I32Array, mval: F64Array, rbfixbase: Int32, rcofbase: Int32, rf64: F64ArrayOut, ri32: I32ArrayOut, ri64: I64ArrayOut, rnidxsbase: Int32, rptrbase: Int32, rspbase: Int32, wf64: F64Array, wi32: I32Array, wi64: I64Array, /) -> None:
    r"""expr::diag_dense_times_sparse (expr/products.cpp: Products of a constant matrix and a two-dimensional expression, and their diagonals)


    Parameters:
      bfixbase    int32
      cofbase     int32
      m           int32
      n           int32
      nidxsbase   int32
      ptrbase     int32
      mcolptr     int32
      mperm       int32
      msubi       int32[], read
      mval        float64[], read
      rbfixbase   int32
      rcofbase    int32
      rf64        float64[], written
      ri32        int32[], written
      ri64        int64[], written
      rnidxsbase  int32
      rptrbase    int32
      rspbase     int32
      wf64        float64[], read
      wi32        int32[], read
      wi64        int64[], read
    Returns: None
    """

def _c_closure_302(badrange: Int32, unsorted: Int32, nrows: Int32, ncols: Int32, nnz: Int32, msubi: I32Array, msubj: I32Array, /) -> Tuple[Annotated[bool, ""], Annotated[bool, ""]]:
    r"""expr::check_triplets (expr/products.cpp: Products of a constant matrix and a two-dimensional expression, and their diagonals)


    Parameters:
      badrange  int32
      unsorted  int32
      nrows     int32
      ncols     int32
      nnz       int32
      msubi     int32[], read
      msubj     int32[], read
    Returns: (): (bool, bool)
    """

def _c_closure_303(n: Int32, base: Int32, wi32: I32ArrayOut, /) -> None:
    r"""expr::zero_work_buckets (expr/products.cpp: Products of a constant matrix and a two-dimensional expression, and their diagonals)

    The same kernel as _c_closure_295.


    Parameters:
      n     int32
      base  int32
      wi32  int32[], written
    Returns: None
    """

def _c_closure_304(nnz: Int32, base: Int32, msubi: I32Array, wi32: I32ArrayOut, /) -> None:
    r"""expr::count_entries_by_row (expr/products.cpp: Products of a constant matrix and a two-dimensional expression, and their diagonals)


    Parameters:
      nnz    int32
      base   int32
      msubi  int32[], read
      wi32   int32[], written
    Returns: None
    """

def _c_closure_305(n: Int32, base: Int32, wi32: I32ArrayOut, /) -> None:
    r"""expr::prefix_sum_work (expr/products.cpp: Products of a constant matrix and a two-dimensional expression, and their diagonals)

    The same kernel as _c_closure_297.


    Parameters:
      n     int32
      base  int32
      wi32  int32[], written
    Returns: None
    """

def _c_closure_306(n: Int32, base: Int32, count: Int32, wi32: I32Array, /) -> Annotated[Int32, ""]:
    r"""expr::count_nonempty_buckets (expr/products.cpp: Products of a constant matrix and a two-dimensional expression, and their diagonals)


    Parameters:
      n      int32
      base   int32
      count  int32
      wi32   int32[], read
    Returns: : int32
    """

def _c_closure_307(cofbase: Int32, n: Int32, nidxsbase: Int32, ptrbase: Int32, m: Int32, mrowptr: Int32, msubj: I32Array, mval: F64Array, rbfixbase: Int32, rcofbase: Int32, rf64: F64ArrayOut, ri32: I32ArrayOut, ri64: I64ArrayOut, rnidxsbase: Int32, rptrbase: Int32, rspbase: Int32, wf64: F64Array, wi32: I32Array, wi64: I64Array, /) -> None:
    r"""expr::diag_dense_left (expr/products.cpp: Products of a constant matrix and a two-dimensional expression, and their diagonals)


    Parameters:
      cofbase     int32
      n           int32
      nidxsbase   int32
      ptrbase     int32
      m           int32
      mrowptr     int32
      msubj       int32[], read
      mval        float64[], read
      rbfixbase   int32
      rcofbase    int32
      rf64        float64[], written
      ri32        int32[], written
      ri64        int64[], written
      rnidxsbase  int32
      rptrbase    int32
      rspbase     int32
      wf64        float64[], read
      wi32        int32[], read
      wi64        int64[], read
    Returns: None
    """

def _c_closure_308(base: Int32, n: Int32, wi32: I32ArrayOut, /) -> None:
    r"""expr::zero_work_buckets_base_first (expr/products.cpp: Products of a constant matrix and a two-dimensional expression, and their diagonals)


    Parameters:
      base  int32
      n     int32
      wi32  int32[], written
    Returns: None
    """

def _c_closure_309(base: Int32, d: Int32, count: Int32, spbase: Int32, wi32: I32ArrayOut, wi64: I64Array, /) -> None:
    r"""expr::count_elements_by_column (expr/products.cpp: Products of a constant matrix and a two-dimensional expression, and their diagonals)


    Parameters:
      base    int32
      d       int32
      count   int32
      spbase  int32
      wi32    int32[], written
      wi64    int64[], read
    Returns: None
    """

def _c_closure_310(base: Int32, n: Int32, wi32: I32ArrayOut, /) -> None:
    r"""expr::prefix_sum_work_base_first (expr/products.cpp: Products of a constant matrix and a two-dimensional expression, and their diagonals)


    Parameters:
      base  int32
      n     int32
      wi32  int32[], written
    Returns: None
    """

def _c_closure_311(cursor: Int32, d: Int32, count: Int32, permbase: Int32, spbase: Int32, wi32: I32ArrayOut, wi64: I64Array, /) -> None:
    r"""expr::scatter_elements_by_column (expr/products.cpp: Products of a constant matrix and a two-dimensional expression, and their diagonals)


    Parameters:
      cursor    int32
      d         int32
      count     int32
      permbase  int32
      spbase    int32
      wi32      int32[], written
      wi64      int64[], read
    Returns: None
    """

def _c_closure_312(base: Int32, n: Int32, wi32: I32ArrayOut, /) -> None:
    r"""expr::shift_back_work (expr/products.cpp: Products of a constant matrix and a two-dimensional expression, and their diagonals)


    Parameters:
      base  int32
      n     int32
      wi32  int32[], written
    Returns: None
    """

def _c_closure_313(ecolptr: Int32, n: Int32, eperm: Int32, ptrbase: Int32, spbase: Int32, rnelem: Int32, rnnz: Int32, m: Int32, mrowptr: Int32, msubj: I32Array, wi32: I32Array, wi64: I64Array, /) -> Tuple[Annotated[Int32, ""], Annotated[Int32, ""]]:
    r"""expr::count_diag_sparse_left (expr/products.cpp: Products of a constant matrix and a two-dimensional expression, and their diagonals)


    Parameters:
      ecolptr  int32
      n        int32
      eperm    int32
      ptrbase  int32
      spbase   int32
      rnelem   int32
      rnnz     int32
      m        int32
      mrowptr  int32
      msubj    int32[], read
      wi32     int32[], read
      wi64     int64[], read
    Returns: (): (int32, int32)
    """

def _c_closure_314(bfixbase: Int32, cofbase: Int32, ecolptr: Int32, n: Int32, nidxsbase: Int32, eperm: Int32, ptrbase: Int32, spbase: Int32, m: Int32, mrowptr: Int32, msubj: I32Array, mval: F64Array, rbfixbase: Int32, rcofbase: Int32, rf64: F64ArrayOut, ri32: I32ArrayOut, ri64: I64ArrayOut, rnidxsbase: Int32, rptrbase: Int32, rspbase: Int32, wf64: F64Array, wi32: I32Array, wi64: I64Array, /) -> None:
    r"""expr::diag_sparse_left (expr/products.cpp: Products of a constant matrix and a two-dimensional expression, and their diagonals)


    Parameters:
      bfixbase    int32
      cofbase     int32
      ecolptr     int32
      n           int32
      nidxsbase   int32
      eperm       int32
      ptrbase     int32
      spbase      int32
      m           int32
      mrowptr     int32
      msubj       int32[], read
      mval        float64[], read
      rbfixbase   int32
      rcofbase    int32
      rf64        float64[], written
      ri32        int32[], written
      ri64        int64[], written
      rnidxsbase  int32
      rptrbase    int32
      rspbase     int32
      wf64        float64[], read
      wi32        int32[], read
      wi64        int64[], read
    Returns: None
    """

def _c_closure_315(badrange: Int32, unsorted: Int32, nrows: Int32, ncols: Int32, nnz: Int32, msubi: I32Array, msubj: I32Array, /) -> Tuple[Annotated[bool, ""], Annotated[bool, ""]]:
    r"""expr::check_triplets (expr/products.cpp: Products of a constant matrix and a two-dimensional expression, and their diagonals)

    The same kernel as _c_closure_302.


    Parameters:
      badrange  int32
      unsorted  int32
      nrows     int32
      ncols     int32
      nnz       int32
      msubi     int32[], read
      msubj     int32[], read
    Returns: (): (bool, bool)
    """

def _c_closure_316(badrange: Int32, unsorted: Int32, msp: I64Array, size: Int64, /) -> Tuple[Annotated[bool, ""], Annotated[bool, ""]]:
    r"""expr::check_pattern (expr/products.cpp: Products of a constant matrix and a two-dimensional expression, and their diagonals)


    Parameters:
      badrange  int32
      unsorted  int32
      msp       int64[], read
      size      int64
    Returns: (): (bool, bool)
    """

def _c_closure_317(sparse: Int32, msp: I64Array, count: Int32, ptrbase: Int32, rnelem: Int32, rnnz: Int32, spbase: Int32, wi32: I32Array, wi64: I64Array, /) -> Tuple[Annotated[Int32, ""], Annotated[Int32, ""]]:
    r"""expr::count_pattern_product (expr/products.cpp: Products of a constant matrix and a two-dimensional expression, and their diagonals)


    Parameters:
      sparse   int32
      msp      int64[], read
      count    int32
      ptrbase  int32
      rnelem   int32
      rnnz     int32
      spbase   int32
      wi32     int32[], read
      wi64     int64[], read
    Returns: (): (int32, int32)
    """

def _c_closure_318(count: Int32, init: Int32, base: Int32, wi32: I32Array, /) -> Annotated[Int32, ""]:
    r"""expr::size_of_run_count_first (expr/sizes.cpp: Strides, size products, maxima and shape copies of record shape runs)

    The same kernel as _c_closure_278.


    Parameters:
      count  int32
      init   int32
      base   int32
      wi32   int32[], read
    Returns: : int32
    """

def _c_closure_319(bfixbase: Int32, cofbase: Int32, sparse: Int32, mcof: F64Array, msp: I64Array, nd: Int32, count: Int32, nidxsbase: Int32, ptrbase: Int32, rbfixbase: Int32, rcofbase: Int32, rf64: F64ArrayOut, ri32: I32ArrayOut, ri64: I64ArrayOut, rnidxsbase: Int32, rptrbase: Int32, rshapebase: Int32, rspbase: Int32, shapebase: Int32, spbase: Int32, wf64: F64Array, wi32: I32Array, wi64: I64Array, /) -> None:
    r"""expr::pattern_product (expr/products.cpp: Products of a constant matrix and a two-dimensional expression, and their diagonals)


    Parameters:
      bfixbase    int32
      cofbase     int32
      sparse      int32
      mcof        float64[], read
      msp         int64[], read
      nd          int32
      count       int32
      nidxsbase   int32
      ptrbase     int32
      rbfixbase   int32
      rcofbase    int32
      rf64        float64[], written
      ri32        int32[], written
      ri64        int64[], written
      rnidxsbase  int32
      rptrbase    int32
      rshapebase  int32
      rspbase     int32
      shapebase   int32
      spbase      int32
      wf64        float64[], read
      wi32        int32[], read
      wi64        int64[], read
    Returns: None
    """

def _c_closure_320(factor: float, base: Int32, f64: F64ArrayOut, count1: Int32, count2: Int32, /) -> None:
    r"""expr::scale_run (expr/products.cpp: Products of a constant matrix and a two-dimensional expression, and their diagonals)


    Parameters:
      factor  float64
      base    int32
      f64     float64[], written
      count1  int32
      count2  int32
    Returns: None
    """

def _c_closure_321(bfixbase: Int32, cofbase: Int32, nidxsbase: Int32, rnnz: Int32, ncols: Int32, nnz: Int32, msubi: I32Array, msubj: I32Array, mval: F64Array, count: Int32, rbfixbase: Int32, rcofbase: Int32, rf64: F64ArrayOut, ri32: I32ArrayOut, ri64: I64ArrayOut, rnidxsbase: Int32, rptrbase: Int32, rspbase: Int32, wf64: F64Array, wi64: I64Array, /) -> Annotated[Int32, ""]:
    r"""expr::scalar_times_matrix (expr/products.cpp: Products of a constant matrix and a two-dimensional expression, and their diagonals)


    Parameters:
      bfixbase    int32
      cofbase     int32
      nidxsbase   int32
      rnnz        int32
      ncols       int32
      nnz         int32
      msubi       int32[], read
      msubj       int32[], read
      mval        float64[], read
      count       int32
      rbfixbase   int32
      rcofbase    int32
      rf64        float64[], written
      ri32        int32[], written
      ri64        int64[], written
      rnidxsbase  int32
      rptrbase    int32
      rspbase     int32
      wf64        float64[], read
      wi64        int64[], read
    Returns: : int32
    """

def _c_closure_322(badrange: Int32, unsorted: Int32, nrows: Int32, ncols: Int32, nnz: Int32, msubi: I32Array, msubj: I32Array, /) -> Tuple[Annotated[bool, ""], Annotated[bool, ""]]:
    r"""expr::check_triplets (expr/products.cpp: Products of a constant matrix and a two-dimensional expression, and their diagonals)

    The same kernel as _c_closure_302.


    Parameters:
      badrange  int32
      unsorted  int32
      nrows     int32
      ncols     int32
      nnz       int32
      msubi     int32[], read
      msubj     int32[], read
    Returns: (): (bool, bool)
    """

def _c_closure_323(base: Int32, n: Int32, xi32: I32ArrayOut, /) -> None:
    r"""expr::zero_scratch_buckets_base_first (expr/products.cpp: Products of a constant matrix and a two-dimensional expression, and their diagonals)


    Parameters:
      base  int32
      n     int32
      xi32  int32[], written
    Returns: None
    """

def _c_closure_324(base: Int32, nnz: Int32, msubj: I32Array, xi32: I32ArrayOut, /) -> None:
    r"""expr::count_entries_by_column (expr/products.cpp: Products of a constant matrix and a two-dimensional expression, and their diagonals)


    Parameters:
      base   int32
      nnz    int32
      msubj  int32[], read
      xi32   int32[], written
    Returns: None
    """

def _c_closure_325(base: Int32, n: Int32, xi32: I32ArrayOut, /) -> None:
    r"""expr::prefix_sum_scratch_base_first (expr/products.cpp: Products of a constant matrix and a two-dimensional expression, and their diagonals)


    Parameters:
      base  int32
      n     int32
      xi32  int32[], written
    Returns: None
    """

def _c_closure_326(cursor: Int32, nnz: Int32, posbase: Int32, msubj: I32Array, xi32: I32ArrayOut, /) -> None:
    r"""expr::entry_positions_by_column (expr/products.cpp: Products of a constant matrix and a two-dimensional expression, and their diagonals)


    Parameters:
      cursor   int32
      nnz      int32
      posbase  int32
      msubj    int32[], read
      xi32     int32[], written
    Returns: None
    """

def _c_closure_327(base: Int32, n: Int32, xi32: I32ArrayOut, /) -> None:
    r"""expr::shift_back_scratch (expr/products.cpp: Products of a constant matrix and a two-dimensional expression, and their diagonals)


    Parameters:
      base  int32
      n     int32
      xi32  int32[], written
    Returns: None
    """

def _c_closure_328(n: Int32, base: Int32, xi32: I32ArrayOut, /) -> None:
    r"""expr::zero_scratch_buckets (expr/products.cpp: Products of a constant matrix and a two-dimensional expression, and their diagonals)


    Parameters:
      n     int32
      base  int32
      xi32  int32[], written
    Returns: None
    """

def _c_closure_329(d: Int32, count: Int32, base: Int32, spbase: Int32, wi64: I64Array, xi32: I32ArrayOut, /) -> None:
    r"""expr::count_elements_by_row_scratch (expr/products.cpp: Products of a constant matrix and a two-dimensional expression, and their diagonals)


    Parameters:
      d       int32
      count   int32
      base    int32
      spbase  int32
      wi64    int64[], read
      xi32    int32[], written
    Returns: None
    """

def _c_closure_330(n: Int32, base: Int32, xi32: I32ArrayOut, /) -> None:
    r"""expr::prefix_sum_scratch (expr/products.cpp: Products of a constant matrix and a two-dimensional expression, and their diagonals)


    Parameters:
      n     int32
      base  int32
      xi32  int32[], written
    Returns: None
    """

def _c_closure_331(m: Int32, n: Int32, ptrbase: Int32, erowptr: Int32, spbase: Int32, mcolptr: Int32, p: Int32, mperm: Int32, msubi: I32Array, rnelem: Int32, rnnz: Int64, wi32: I32Array, wi64: I64Array, xi32: I32Array, /) -> Tuple[Annotated[Int32, ""], Annotated[Int64, ""]]:
    r"""expr::count_sparse_times_sparse (expr/products.cpp: Products of a constant matrix and a two-dimensional expression, and their diagonals)


    Parameters:
      m        int32
      n        int32
      ptrbase  int32
      erowptr  int32
      spbase   int32
      mcolptr  int32
      p        int32
      mperm    int32
      msubi    int32[], read
      rnelem   int32
      rnnz     int64
      wi32     int32[], read
      wi64     int64[], read
      xi32     int32[], read
    Returns: (): (int32, int64)
    """

def _c_closure_332(bfixbase: Int32, cofbase: Int32, m: Int32, n: Int32, nidxsbase: Int32, ptrbase: Int32, erowptr: Int32, spbase: Int32, mcolptr: Int32, p: Int32, mperm: Int32, msubi: I32Array, mval: F64Array, rbfixbase: Int32, rcofbase: Int32, rnelem: Int32, rf64: F64ArrayOut, ri32: I32ArrayOut, ri64: I64ArrayOut, rnidxsbase: Int32, rnnz: Int32, rptrbase: Int32, rspbase: Int32, wf64: F64Array, wi32: I32Array, wi64: I64Array, xi32: I32Array, /) -> Tuple[Annotated[Int32, ""], Annotated[Int32, ""]]:
    r"""expr::sparse_times_sparse (expr/products.cpp: Products of a constant matrix and a two-dimensional expression, and their diagonals)


    Parameters:
      bfixbase    int32
      cofbase     int32
      m           int32
      n           int32
      nidxsbase   int32
      ptrbase     int32
      erowptr     int32
      spbase      int32
      mcolptr     int32
      p           int32
      mperm       int32
      msubi       int32[], read
      mval        float64[], read
      rbfixbase   int32
      rcofbase    int32
      rnelem      int32
      rf64        float64[], written
      ri32        int32[], written
      ri64        int64[], written
      rnidxsbase  int32
      rnnz        int32
      rptrbase    int32
      rspbase     int32
      wf64        float64[], read
      wi32        int32[], read
      wi64        int64[], read
      xi32        int32[], read
    Returns: (): (int32, int32)
    """

def _c_closure_333(m: Int32, n: Int32, ptrbase: Int32, mcolptr: Int32, p: Int32, mperm: Int32, msubi: I32Array, rnnz: Int32, wi32: I32Array, xi32: I32Array, /) -> Annotated[Int32, ""]:
    r"""expr::count_dense_times_sparse (expr/products.cpp: Products of a constant matrix and a two-dimensional expression, and their diagonals)


    Parameters:
      m        int32
      n        int32
      ptrbase  int32
      mcolptr  int32
      p        int32
      mperm    int32
      msubi    int32[], read
      rnnz     int32
      wi32     int32[], read
      xi32     int32[], read
    Returns: : int32
    """

def _c_closure_334(bfixbase: Int32, cofbase: Int32, m: Int32, n: Int32, nidxsbase: Int32, ptrbase: Int32, mcolptr: Int32, p: Int32, mperm: Int32, msubi: I32Array, mval: F64Array, rbfixbase: Int32, rcofbase: Int32, rnelem: Int32, rf64: F64ArrayOut, ri32: I32ArrayOut, ri64: I64ArrayOut, rnidxsbase: Int32, rnnz: Int32, rptrbase: Int32, rspbase: Int32, wf64: F64Array, wi32: I32Array, wi64: I64Array, xi32: I32Array, /) -> Tuple[Annotated[Int32, ""], Annotated[Int32, ""]]:
    r"""expr::dense_times_sparse (expr/products.cpp: Products of a constant matrix and a two-dimensional expression, and their diagonals)


    Parameters:
      bfixbase    int32
      cofbase     int32
      m           int32
      n           int32
      nidxsbase   int32
      ptrbase     int32
      mcolptr     int32
      p           int32
      mperm       int32
      msubi       int32[], read
      mval        float64[], read
      rbfixbase   int32
      rcofbase    int32
      rnelem      int32
      rf64        float64[], written
      ri32        int32[], written
      ri64        int64[], written
      rnidxsbase  int32
      rnnz        int32
      rptrbase    int32
      rspbase     int32
      wf64        float64[], read
      wi32        int32[], read
      wi64        int64[], read
      xi32        int32[], read
    Returns: (): (int32, int32)
    """

def _c_closure_335(n: Int32, xi32: I32ArrayOut, base: Int32, /) -> None:
    r"""expr::zero_scratch_buckets_array_first (expr/products.cpp: Products of a constant matrix and a two-dimensional expression, and their diagonals)


    Parameters:
      n     int32
      xi32  int32[], written
      base  int32
    Returns: None
    """

def _c_closure_336(bfixbase: Int32, cofbase: Int32, m: Int32, n: Int32, sparse: Int32, nidxsbase: Int32, count: Int32, ptrbase: Int32, spbase: Int32, p: Int32, mval: F64Array, rbfixbase: Int32, rcofbase: Int32, rnelem: Int32, rf64: F64ArrayOut, ri32: I32ArrayOut, ri64: I64ArrayOut, rnidxsbase: Int32, rnnz: Int32, rptrbase: Int32, wf64: F64Array, wi32: I32Array, wi64: I64Array, xi32: I32ArrayOut, erowptr: Int32, /) -> Tuple[Annotated[Int32, ""], Annotated[Int32, ""]]:
    r"""expr::times_dense_matrix (expr/products.cpp: Products of a constant matrix and a two-dimensional expression, and their diagonals)


    Parameters:
      bfixbase    int32
      cofbase     int32
      m           int32
      n           int32
      sparse      int32
      nidxsbase   int32
      count       int32
      ptrbase     int32
      spbase      int32
      p           int32
      mval        float64[], read
      rbfixbase   int32
      rcofbase    int32
      rnelem      int32
      rf64        float64[], written
      ri32        int32[], written
      ri64        int64[], written
      rnidxsbase  int32
      rnnz        int32
      rptrbase    int32
      wf64        float64[], read
      wi32        int32[], read
      wi64        int64[], read
      xi32        int32[], written
      erowptr     int32
    Returns: (): (int32, int32)
    """

def _c_closure_337(result: Int32, nrows: Int32, ncols: Int32, nnz: Int32, msubi: I32Array, msubj: I32Array, /) -> Annotated[bool, ""]:
    r"""expr::triplets_in_range (expr/products.cpp: Products of a constant matrix and a two-dimensional expression, and their diagonals)


    Parameters:
      result  int32
      nrows   int32
      ncols   int32
      nnz     int32
      msubi   int32[], read
      msubj   int32[], read
    Returns: : bool
    """

def _c_closure_338(result: Int32, nnz: Int32, msubi: I32Array, msubj: I32Array, /) -> Annotated[bool, ""]:
    r"""expr::triplets_increasing (expr/products.cpp: Products of a constant matrix and a two-dimensional expression, and their diagonals)


    Parameters:
      result  int32
      nnz     int32
      msubi   int32[], read
      msubj   int32[], read
    Returns: : bool
    """

def _c_closure_339(n: Int32, base: Int32, xi32: I32ArrayOut, /) -> None:
    r"""expr::zero_scratch_buckets (expr/products.cpp: Products of a constant matrix and a two-dimensional expression, and their diagonals)

    The same kernel as _c_closure_328.


    Parameters:
      n     int32
      base  int32
      xi32  int32[], written
    Returns: None
    """

def _c_closure_340(d: Int32, base: Int32, count: Int32, spbase: Int32, wi64: I64Array, xi32: I32ArrayOut, /) -> None:
    r"""expr::count_elements_by_column_scratch (expr/products.cpp: Products of a constant matrix and a two-dimensional expression, and their diagonals)


    Parameters:
      d       int32
      base    int32
      count   int32
      spbase  int32
      wi64    int64[], read
      xi32    int32[], written
    Returns: None
    """

def _c_closure_341(n: Int32, base: Int32, xi32: I32ArrayOut, /) -> None:
    r"""expr::prefix_sum_scratch (expr/products.cpp: Products of a constant matrix and a two-dimensional expression, and their diagonals)

    The same kernel as _c_closure_330.


    Parameters:
      n     int32
      base  int32
      xi32  int32[], written
    Returns: None
    """

def _c_closure_342(d: Int32, permbase: Int32, cursor: Int32, count: Int32, spbase: Int32, wi64: I64Array, xi32: I32ArrayOut, /) -> None:
    r"""expr::scatter_elements_by_column_scratch (expr/products.cpp: Products of a constant matrix and a two-dimensional expression, and their diagonals)


    Parameters:
      d         int32
      permbase  int32
      cursor    int32
      count     int32
      spbase    int32
      wi64      int64[], read
      xi32      int32[], written
    Returns: None
    """

def _c_closure_343(n: Int32, base: Int32, xi32: I32ArrayOut, /) -> None:
    r"""expr::shift_back_scratch_count_first (expr/products.cpp: Products of a constant matrix and a two-dimensional expression, and their diagonals)


    Parameters:
      n     int32
      base  int32
      xi32  int32[], written
    Returns: None
    """

def _c_closure_344(q: Int32, eperm: Int32, ecolptr: Int32, m: Int32, msparse: Int32, nnz: Int32, msubi: I32Array, msubj: I32Array, eterms: Int32, ptrbase: Int32, rnelem: Int32, rnnz: Int64, spbase: Int32, wi32: I32Array, wi64: I64Array, xi32: I32Array, /) -> Tuple[Annotated[Int32, ""], Annotated[Int64, ""]]:
    r"""expr::count_left_sparse (expr/products.cpp: Products of a constant matrix and a two-dimensional expression, and their diagonals)


    Parameters:
      q        int32
      eperm    int32
      ecolptr  int32
      m        int32
      msparse  int32
      nnz      int32
      msubi    int32[], read
      msubj    int32[], read
      eterms   int32
      ptrbase  int32
      rnelem   int32
      rnnz     int64
      spbase   int32
      wi32     int32[], read
      wi64     int64[], read
      xi32     int32[], read
    Returns: (): (int32, int64)
    """

def _c_closure_345(q: Int32, m: Int32, msparse: Int32, nnz: Int32, msubi: I32Array, msubj: I32Array, eterms: Int32, ptrbase: Int32, rnelem: Int32, rnnz: Int64, wi32: I32Array, /) -> Tuple[Annotated[Int32, ""], Annotated[Int64, ""]]:
    r"""expr::count_left_dense (expr/products.cpp: Products of a constant matrix and a two-dimensional expression, and their diagonals)


    Parameters:
      q        int32
      m        int32
      msparse  int32
      nnz      int32
      msubi    int32[], read
      msubj    int32[], read
      eterms   int32
      ptrbase  int32
      rnelem   int32
      rnnz     int64
      wi32     int32[], read
    Returns: (): (int32, int64)
    """

def _c_closure_346(bfixbase: Int32, cofbase: Int32, p: Int32, eperm: Int32, ecolptr: Int32, sparse: Int32, m: Int32, n: Int32, msparse: Int32, nnz: Int32, msubi: I32Array, msubj: I32Array, mval: F64Array, nidxsbase: Int32, ptrbase: Int32, rbfixbase: Int32, rcofbase: Int32, rf64: F64ArrayOut, ri32: I32ArrayOut, ri64: I64ArrayOut, rnidxsbase: Int32, rptrbase: Int32, rspbase: Int32, spbase: Int32, wf64: F64Array, wi32: I32Array, wi64: I64Array, xi32: I32Array, /) -> None:
    r"""expr::left_product (expr/leftprod.cpp: A constant matrix on the left of an expression, and matrix checks)


    Parameters:
      bfixbase    int32
      cofbase     int32
      p           int32
      eperm       int32
      ecolptr     int32
      sparse      int32
      m           int32
      n           int32
      msparse     int32
      nnz         int32
      msubi       int32[], read
      msubj       int32[], read
      mval        float64[], read
      nidxsbase   int32
      ptrbase     int32
      rbfixbase   int32
      rcofbase    int32
      rf64        float64[], written
      ri32        int32[], written
      ri64        int64[], written
      rnidxsbase  int32
      rptrbase    int32
      rspbase     int32
      spbase      int32
      wf64        float64[], read
      wi32        int32[], read
      wi64        int64[], read
      xi32        int32[], read
    Returns: None
    """

def _c_closure_347(badrange: Int32, unsorted: Int32, nrows: Int32, ncols: Int32, nnz: Int32, msubi: I32Array, msubj: I32Array, /) -> Tuple[Annotated[bool, ""], Annotated[bool, ""]]:
    r"""expr::check_triplets_early_exit (expr/leftprod.cpp: A constant matrix on the left of an expression, and matrix checks)


    Parameters:
      badrange  int32
      unsorted  int32
      nrows     int32
      ncols     int32
      nnz       int32
      msubi     int32[], read
      msubj     int32[], read
    Returns: (): (bool, bool)
    """

def _c_closure_348(n: Int32, xsp: Int32, wi64: I64Array, init: Int32, xnd: Int32, ncols: Int32, /) -> Annotated[Int32, ""]:
    r"""expr::rows_of_sparse_variable (expr/varprod.cpp: Products of a constant matrix and a variable)


    Parameters:
      n      int32
      xsp    int32
      wi64   int64[], read
      init   int32
      xnd    int32
      ncols  int32
    Returns: : int32
    """

def _c_closure_349(mcof: F64Array, p: Int32, xnidxs: Int32, nx: Int32, rbfix: Int32, rcof: Int32, rf64: F64ArrayOut, ri32: I32ArrayOut, ri64: I64ArrayOut, rnidxs: Int32, rptr: Int32, rsp: Int32, xsp: Int32, wi64: I64Array, n: Int32, /) -> None:
    r"""expr::sparse_variable_times_dense (expr/varprod.cpp: Products of a constant matrix and a variable)


    Parameters:
      mcof    float64[], read
      p       int32
      xnidxs  int32
      nx      int32
      rbfix   int32
      rcof    int32
      rf64    float64[], written
      ri32    int32[], written
      ri64    int64[], written
      rnidxs  int32
      rptr    int32
      rsp     int32
      xsp     int32
      wi64    int64[], read
      n       int32
    Returns: None
    """

def _c_closure_350(ncols: Int32, nbuckets: Int32, mcolptr: Int32, msubj: I32Array, nnz: Int32, mperm: Int32, wi32: I32ArrayOut, /) -> None:
    r"""expr::group_triplets_by_column (expr/varprod.cpp: Products of a constant matrix and a variable)


    Parameters:
      ncols     int32
      nbuckets  int32
      mcolptr   int32
      msubj     int32[], read
      nnz       int32
      mperm     int32
      wi32      int32[], written
    Returns: None
    """

def _c_closure_351(msubj: I32Array, init: Int32, n: Int32, mperm: Int32, wi32: I32Array, /) -> Annotated[Int32, ""]:
    r"""expr::columns_with_entries (expr/varprod.cpp: Products of a constant matrix and a variable)


    Parameters:
      msubj  int32[], read
      init   int32
      n      int32
      mperm  int32
      wi32   int32[], read
    Returns: : int32
    """

def _c_closure_352(rnelem: Int32, rnnz: Int32, mcof: F64Array, p: Int32, msubi: I32Array, msubj: I32Array, xnidxs: Int32, nnz: Int32, mperm: Int32, rbfix: Int32, rcof: Int32, rf64: F64ArrayOut, ri32: I32ArrayOut, ri64: I64ArrayOut, rnidxs: Int32, rptr: Int32, rsp: Int32, wi32: I32Array, wi64: I64Array, m: Int32, xrowstride: Int32, /) -> Tuple[Annotated[Int32, ""], Annotated[Int32, ""]]:
    r"""expr::dense_variable_times_sparse (expr/varprod.cpp: Products of a constant matrix and a variable)


    Parameters:
      rnelem      int32
      rnnz        int32
      mcof        float64[], read
      p           int32
      msubi       int32[], read
      msubj       int32[], read
      xnidxs      int32
      nnz         int32
      mperm       int32
      rbfix       int32
      rcof        int32
      rf64        float64[], written
      ri32        int32[], written
      ri64        int64[], written
      rnidxs      int32
      rptr        int32
      rsp         int32
      wi32        int32[], read
      wi64        int64[], read
      m           int32
      xrowstride  int32
    Returns: (): (int32, int32)
    """

def _c_closure_353(base: Int32, wi32: I32ArrayOut, n: Int32, /) -> None:
    r"""expr::zero_counters (expr/varprod.cpp: Products of a constant matrix and a variable)


    Parameters:
      base  int32
      wi32  int32[], written
      n     int32
    Returns: None
    """

def _c_closure_354(xnd: Int32, nx: Int32, xrowptr: Int32, xsp: Int32, wi32: I32ArrayOut, wi64: I64Array, m: Int32, xshape: I32Array, xrow: Int32, xcol: Int32, /) -> None:
    r"""expr::sparse_variable_by_rows (expr/varprod.cpp: Products of a constant matrix and a variable)


    Parameters:
      xnd      int32
      nx       int32
      xrowptr  int32
      xsp      int32
      wi32     int32[], written
      wi64     int64[], read
      m        int32
      xshape   int32[], read
      xrow     int32
      xcol     int32
    Returns: None
    """

def _c_closure_355(p: Int32, mcolptr: Int32, msubi: I32Array, rnelem: Int32, rnnz: Int32, mperm: Int32, xrowptr: Int32, wi32: I32Array, m: Int32, xcol: Int32, /) -> Tuple[Annotated[Int32, ""], Annotated[Int32, ""]]:
    r"""expr::sparse_variable_times_sparse_sizes (expr/varprod.cpp: Products of a constant matrix and a variable)


    Parameters:
      p        int32
      mcolptr  int32
      msubi    int32[], read
      rnelem   int32
      rnnz     int32
      mperm    int32
      xrowptr  int32
      wi32     int32[], read
      m        int32
      xcol     int32
    Returns: (): (int32, int32)
    """

def _c_closure_356(mcof: F64Array, p: Int32, mcolptr: Int32, msubi: I32Array, nbfix: Int32, xnidxs: Int32, mperm: Int32, xrowptr: Int32, rbfix: Int32, rcof: Int32, rf64: F64ArrayOut, ri32: I32ArrayOut, ri64: I64ArrayOut, rnidxs: Int32, rptr: Int32, rsp: Int32, wi32: I32Array, wi64: I64Array, m: Int32, xcol: Int32, /) -> None:
    r"""expr::sparse_variable_times_sparse (expr/varprod.cpp: Products of a constant matrix and a variable)


    Parameters:
      mcof     float64[], read
      p        int32
      mcolptr  int32
      msubi    int32[], read
      nbfix    int32
      xnidxs   int32
      mperm    int32
      xrowptr  int32
      rbfix    int32
      rcof     int32
      rf64     float64[], written
      ri32     int32[], written
      ri64     int64[], written
      rnidxs   int32
      rptr     int32
      rsp      int32
      wi32     int32[], read
      wi64     int64[], read
      m        int32
      xcol     int32
    Returns: None
    """

def _c_closure_357(m: Int32, mrowptr: Int32, msubi: I32Array, msubj: I32Array, xnd: Int32, nx: Int32, xperm: Int32, xcolptr: Int32, rnelem: Int32, rnnz: Int32, xsp: Int32, p: Int32, xi32: I32ArrayOut, xi64: I64Array, xrow: Int32, xcol: Int32, /) -> Tuple[Annotated[Int32, ""], Annotated[Int32, ""]]:
    r"""expr::sparse_times_sparse_variable_prepare (expr/varprod.cpp: Products of a constant matrix and a variable)


    Parameters:
      m        int32
      mrowptr  int32
      msubi    int32[], read
      msubj    int32[], read
      xnd      int32
      nx       int32
      xperm    int32
      xcolptr  int32
      rnelem   int32
      rnnz     int32
      xsp      int32
      p        int32
      xi32     int32[], written
      xi64     int64[], read
      xrow     int32
      xcol     int32
    Returns: (): (int32, int32)
    """

def _c_closure_358(nnz: Int32, msubi: I32Array, rnelem: Int32, spare: Int32, p: Int32, /) -> Tuple[Annotated[Int32, ""], Annotated[Int32, ""]]:
    r"""expr::left_product_sizes (expr/leftprod.cpp: A constant matrix on the left of an expression, and matrix checks)


    Parameters:
      nnz     int32
      msubi   int32[], read
      rnelem  int32
      spare   int32
      p       int32
    Returns: (): (int32, int32)
    """

def _c_closure_359(mcof: F64Array, m: Int32, mrowptr: Int32, msubj: I32Array, xnidxs: Int32, xperm: Int32, xcolptr: Int32, rbfix: Int32, rcof: Int32, rf64: F64ArrayOut, ri32: I32ArrayOut, ri64: I64ArrayOut, nbfix: Int32, rnidxs: Int32, rptr: Int32, rsp: Int32, p: Int32, xi32: I32Array, xi64: I64Array, xrow: Int32, /) -> None:
    r"""expr::sparse_times_sparse_variable (expr/varprod.cpp: Products of a constant matrix and a variable)


    Parameters:
      mcof     float64[], read
      m        int32
      mrowptr  int32
      msubj    int32[], read
      xnidxs   int32
      xperm    int32
      xcolptr  int32
      rbfix    int32
      rcof     int32
      rf64     float64[], written
      ri32     int32[], written
      ri64     int64[], written
      nbfix    int32
      rnidxs   int32
      rptr     int32
      rsp      int32
      p        int32
      xi32     int32[], read
      xi64     int64[], read
      xrow     int32
    Returns: None
    """

def _c_closure_360(mcof: F64Array, nnz: Int32, msubi: I32Array, msubj: I32Array, xnidxs: Int32, rbfix: Int32, rcof: Int32, rf64: F64ArrayOut, ri32: I32ArrayOut, ri64: I64ArrayOut, rnidxs: Int32, rptr: Int32, rsp: Int32, p: Int32, xi64: I64Array, /) -> None:
    r"""expr::sparse_times_dense_variable (expr/varprod.cpp: Products of a constant matrix and a variable)


    Parameters:
      mcof    float64[], read
      nnz     int32
      msubi   int32[], read
      msubj   int32[], read
      xnidxs  int32
      rbfix   int32
      rcof    int32
      rf64    float64[], written
      ri32    int32[], written
      ri64    int64[], written
      rnidxs  int32
      rptr    int32
      rsp     int32
      p       int32
      xi64    int64[], read
    Returns: None
    """

def _c_closure_361(nrows: Int32, ncols: Int32, msubi: I32Array, msubj: I32Array, result: Int32, /) -> Annotated[bool, ""]:
    r"""expr::triplets_valid (expr/leftprod.cpp: A constant matrix on the left of an expression, and matrix checks)


    Parameters:
      nrows   int32
      ncols   int32
      msubi   int32[], read
      msubj   int32[], read
      result  int32
    Returns: : bool
    """

def _c_closure_362(badrange: Int32, nrows: Int32, ncols: Int32, msubi: I32Array, msubj: I32Array, /) -> Annotated[bool, ""]:
    r"""expr::triplets_out_of_range (expr/leftprod.cpp: A constant matrix on the left of an expression, and matrix checks)


    Parameters:
      badrange  int32
      nrows     int32
      ncols     int32
      msubi     int32[], read
      msubj     int32[], read
    Returns: : bool
    """

def _c_closure_363(unsorted: Int32, msubi: I32Array, msubj: I32Array, /) -> Annotated[bool, ""]:
    r"""expr::triplets_unsorted (expr/leftprod.cpp: A constant matrix on the left of an expression, and matrix checks)


    Parameters:
      unsorted  int32
      msubi     int32[], read
      msubj     int32[], read
    Returns: : bool
    """

def _c_closure_364(obfix: Int32, ocof: Int32, f64: F64ArrayOut, sparse: Int32, i32: I32ArrayOut, i64: I64ArrayOut, mcof: F64Array, ncols: Int32, msubi: I32Array, msubj: I32Array, nelem: Int32, onidxs: Int32, nnz: Int32, optr: Int32, osp: Int32, var: Int64, /) -> None:
    r"""expr::matrix_times_scalar_variable (expr/varprod.cpp: Products of a constant matrix and a variable)


    Parameters:
      obfix   int32
      ocof    int32
      f64     float64[], written
      sparse  int32
      i32     int32[], written
      i64     int64[], written
      mcof    float64[], read
      ncols   int32
      msubi   int32[], read
      msubj   int32[], read
      nelem   int32
      onidxs  int32
      nnz     int32
      optr    int32
      osp     int32
      var     int64
    Returns: None
    """

def _c_closure_365(obfix: Int32, ocof: Int32, f64: F64ArrayOut, i32: I32ArrayOut, nelem: Int32, nnz: Int32, optr: Int32, /) -> None:
    r"""expr::unit_record_into (expr/condense.cpp: Condensing the terms of an expression)


    Parameters:
      obfix  int32
      ocof   int32
      f64    float64[], written
      i32    int32[], written
      nelem  int32
      nnz    int32
      optr   int32
    Returns: None
    """

def _c_closure_366(ri32: I32ArrayOut, n: Int32, rbase: Int32, base: Int32, wi32: I32Array, /) -> None:
    r"""expr::copy_leading_shape (expr/sumdim.cpp: Sums of an expression along one dimension)


    Parameters:
      ri32   int32[], written
      n      int32
      rbase  int32
      base   int32
      wi32   int32[], read
    Returns: None
    """

def _c_closure_367(bfix_a: Int32, bfix_b: Int32, cof_a: Int32, cof_b: Int32, rnnz: Int32, wa: float, wb: float, nidxs_a: Int32, nidxs_b: Int32, ptr_a: Int32, ptr_b: Int32, rbfix: Int32, rcof: Int32, rf64: F64ArrayOut, ri32: I32ArrayOut, ri64: I64ArrayOut, rnelem: Int32, rnidxs: Int32, rptr: Int32, wf64: F64Array, wi32: I32Array, wi64: I64Array, /) -> Annotated[Int32, ""]:
    r"""expr::sum_dense_dense (expr/sum.cpp: Sums and weighted sums of expressions)


    Parameters:
      bfix_a   int32
      bfix_b   int32
      cof_a    int32
      cof_b    int32
      rnnz     int32
      wa       float64
      wb       float64
      nidxs_a  int32
      nidxs_b  int32
      ptr_a    int32
      ptr_b    int32
      rbfix    int32
      rcof     int32
      rf64     float64[], written
      ri32     int32[], written
      ri64     int64[], written
      rnelem   int32
      rnidxs   int32
      rptr     int32
      wf64     float64[], read
      wi32     int32[], read
      wi64     int64[], read
    Returns: : int32
    """

def _c_closure_368(bfix_a: Int32, bfix_b: Int32, cof_a: Int32, cof_b: Int32, wa: float, wb: float, nelem_a: Int32, nelem_b: Int32, nidxs_a: Int32, nidxs_b: Int32, ptr_a: Int32, ptr_b: Int32, rbfix: Int32, rcof: Int32, rf64: F64ArrayOut, ri32: I32ArrayOut, ri64: I64ArrayOut, nd: Int32, rnelem: Int32, rnidxs: Int32, rptr: Int32, rshape: Int32, wshape: Int32, sp_b: Int32, wf64: F64Array, wi32: I32Array, wi64: I64Array, /) -> None:
    r"""expr::sum_dense_sparse (expr/sum.cpp: Sums and weighted sums of expressions)


    Parameters:
      bfix_a   int32
      bfix_b   int32
      cof_a    int32
      cof_b    int32
      wa       float64
      wb       float64
      nelem_a  int32
      nelem_b  int32
      nidxs_a  int32
      nidxs_b  int32
      ptr_a    int32
      ptr_b    int32
      rbfix    int32
      rcof     int32
      rf64     float64[], written
      ri32     int32[], written
      ri64     int64[], written
      nd       int32
      rnelem   int32
      rnidxs   int32
      rptr     int32
      rshape   int32
      wshape   int32
      sp_b     int32
      wf64     float64[], read
      wi32     int32[], read
      wi64     int64[], read
    Returns: None
    """

def _c_closure_369(n: Int32, base: Int32, init: Int64, wi32: I32Array, /) -> Annotated[Int64, ""]:
    r"""expr::size_of_run_64 (expr/sumdim.cpp: Sums of an expression along one dimension)


    Parameters:
      n     int32
      base  int32
      init  int64
      wi32  int32[], read
    Returns: : int64
    """

def _c_closure_370(nelem_a: Int32, nelem_b: Int32, rnelem: Int32, sp_a: Int32, sp_b: Int32, wi64: I64Array, /) -> Annotated[Int32, ""]:
    r"""expr::count_sparse_union (expr/sum.cpp: Sums and weighted sums of expressions)


    Parameters:
      nelem_a  int32
      nelem_b  int32
      rnelem   int32
      sp_a     int32
      sp_b     int32
      wi64     int64[], read
    Returns: : int32
    """

def _c_closure_371(ri32: I32ArrayOut, n: Int32, rbase: Int32, base: Int32, wi32: I32Array, /) -> None:
    r"""expr::copy_leading_shape (expr/sumdim.cpp: Sums of an expression along one dimension)

    The same kernel as _c_closure_366.


    Parameters:
      ri32   int32[], written
      n      int32
      rbase  int32
      base   int32
      wi32   int32[], read
    Returns: None
    """

def _c_closure_372(bfix_a: Int32, bfix_b: Int32, cof_a: Int32, cof_b: Int32, wa: float, wb: float, nelem_a: Int32, nelem_b: Int32, nidxs_a: Int32, nidxs_b: Int32, ptr_a: Int32, ptr_b: Int32, rbfix: Int32, rcof: Int32, rf64: F64ArrayOut, ri32: I32ArrayOut, ri64: I64ArrayOut, rnidxs: Int32, rptr: Int32, rsp: Int32, sp_a: Int32, sp_b: Int32, wf64: F64Array, wi32: I32Array, wi64: I64Array, /) -> None:
    r"""expr::sum_sparse_sparse (expr/sum.cpp: Sums and weighted sums of expressions)


    Parameters:
      bfix_a   int32
      bfix_b   int32
      cof_a    int32
      cof_b    int32
      wa       float64
      wb       float64
      nelem_a  int32
      nelem_b  int32
      nidxs_a  int32
      nidxs_b  int32
      ptr_a    int32
      ptr_b    int32
      rbfix    int32
      rcof     int32
      rf64     float64[], written
      ri32     int32[], written
      ri64     int64[], written
      rnidxs   int32
      rptr     int32
      rsp      int32
      sp_a     int32
      sp_b     int32
      wf64     float64[], read
      wi32     int32[], read
      wi64     int64[], read
    Returns: None
    """

def _c_closure_373(init: Int32, n: Int32, sp_base: I32Array, /) -> Annotated[bool, ""]:
    r"""expr::any_dense (expr/sum.cpp: Sums and weighted sums of expressions)


    Parameters:
      init     int32
      n        int32
      sp_base  int32[], read
    Returns: : bool
    """

def _c_closure_374(n: Int32, nnz: I32Array, init: Int32, /) -> Annotated[Int32, ""]:
    r"""expr::total_terms (expr/sum.cpp: Sums and weighted sums of expressions)


    Parameters:
      n     int32
      nnz   int32[], read
      init  int32
    Returns: : int32
    """

def _c_closure_375(n: Int32, nelem: I32Array, nnz: I32Array, rnelem: Int32, rnnz: Int32, sp_base: I32Array, wi64: I64Array, /) -> Tuple[Annotated[Int32, ""], Annotated[Int32, ""]]:
    r"""expr::count_sparse_list (expr/sum.cpp: Sums and weighted sums of expressions)


    Parameters:
      n        int32
      nelem    int32[], read
      nnz      int32[], read
      rnelem   int32
      rnnz     int32
      sp_base  int32[], read
      wi64     int64[], read
    Returns: (): (int32, int32)
    """

def _c_closure_376(base: Int32, rf64: F64ArrayOut, n: Int32, /) -> None:
    r"""expr::zero_f64_run (expr/sum.cpp: Sums and weighted sums of expressions)


    Parameters:
      base  int32
      rf64  float64[], written
      n     int32
    Returns: None
    """

def _c_closure_377(ri32: I32ArrayOut, n: Int32, base: Int32, /) -> None:
    r"""expr::zero_i32_run (expr/sum.cpp: Sums and weighted sums of expressions)


    Parameters:
      ri32  int32[], written
      n     int32
      base  int32
    Returns: None
    """

def _c_closure_378(anydense: Int32, bfix_base: I32Array, cof_base: I32Array, n: Int32, nelem: I32Array, nidxs_base: I32Array, ptr_base: I32Array, rbfix: Int32, rcof: Int32, rf64: F64ArrayOut, ri32: I32ArrayOut, ri64: I64ArrayOut, rnelem: Int32, rnidxs: Int32, rptr: Int32, rsp: Int32, sp_base: I32Array, w: F64Array, wf64: F64Array, wi32: I32Array, wi64: I64Array, /) -> None:
    r"""expr::sum_list (expr/sum.cpp: Sums and weighted sums of expressions)


    Parameters:
      anydense    int32
      bfix_base   int32[], read
      cof_base    int32[], read
      n           int32
      nelem       int32[], read
      nidxs_base  int32[], read
      ptr_base    int32[], read
      rbfix       int32
      rcof        int32
      rf64        float64[], written
      ri32        int32[], written
      ri64        int64[], written
      rnelem      int32
      rnidxs      int32
      rptr        int32
      rsp         int32
      sp_base     int32[], read
      w           float64[], read
      wf64        float64[], read
      wi32        int32[], read
      wi64        int64[], read
    Returns: None
    """

def _c_closure_379(init: Int32, n: Int32, base: Int32, wi32: I32Array, /) -> Annotated[Int32, ""]:
    r"""expr::largest_size (expr/sumdim.cpp: Sums of an expression along one dimension)


    Parameters:
      init  int32
      n     int32
      base  int32
      wi32  int32[], read
    Returns: : int32
    """

def _c_closure_380(base: Int32, n: Int32, xi32: I32ArrayOut, /) -> None:
    r"""expr::identity_permutation (expr/sumdim.cpp: Sums of an expression along one dimension)


    Parameters:
      base  int32
      n     int32
      xi32  int32[], written
    Returns: None
    """

def _c_closure_381(src: Int32, axis: Int32, nd: Int32, n: Int32, cnt: Int32, wshape: Int32, wsp: Int32, dst: Int32, wi32: I32Array, wi64: I64Array, xi32: I32ArrayOut, /) -> Tuple[Annotated[Int32, ""], Annotated[Int32, ""]]:
    r"""expr::sort_for_reduction (expr/sumdim.cpp: Sums of an expression along one dimension)


    Parameters:
      src     int32
      axis    int32
      nd      int32
      n       int32
      cnt     int32
      wshape  int32
      wsp     int32
      dst     int32
      wi32    int32[], read
      wi64    int64[], read
      xi32    int32[], written
    Returns: (): (int32, int32)
    """

def _c_closure_382(init: Int32, n: Int32, base: Int32, wi32: I32Array, /) -> Annotated[Int32, ""]:
    r"""expr::size_of_run (expr/sizes.cpp: Strides, size products, maxima and shape copies of record shape runs)

    The same kernel as _c_closure_272.


    Parameters:
      init  int32
      n     int32
      base  int32
      wi32  int32[], read
    Returns: : int32
    """

def _c_closure_383(init: Int32, after: Int32, before: Int32, base: Int32, wi32: I32Array, /) -> Annotated[Int32, ""]:
    r"""expr::size_after (expr/sizes.cpp: Strides, size products, maxima and shape copies of record shape runs)

    The same kernel as _c_closure_275.


    Parameters:
      init    int32
      after   int32
      before  int32
      base    int32
      wi32    int32[], read
    Returns: : int32
    """

def _c_closure_384(perm: Int32, outer: Int32, inner: Int32, n: Int32, last_outer: Int64, last_inner: Int64, rnelem: Int32, span: Int32, wsp: Int32, wi64: I64Array, xi32: I32Array, /) -> Tuple[Annotated[Int64, ""], Annotated[Int64, ""], Annotated[Int32, ""]]:
    r"""expr::count_reduced (expr/sumdim.cpp: Sums of an expression along one dimension)


    Parameters:
      perm        int32
      outer       int32
      inner       int32
      n           int32
      last_outer  int64
      last_inner  int64
      rnelem      int32
      span        int32
      wsp         int32
      wi64        int64[], read
      xi32        int32[], read
    Returns: (): (int64, int64, int32)
    """

def _c_closure_385(n: Int32, ri32: I32ArrayOut, rbase: Int32, base: Int32, wi32: I32Array, /) -> None:
    r"""expr::copy_shape_to_result (expr/sizes.cpp: Strides, size products, maxima and shape copies of record shape runs)

    The same kernel as _c_closure_276.


    Parameters:
      n      int32
      ri32   int32[], written
      rbase  int32
      base   int32
      wi32   int32[], read
    Returns: None
    """

def _c_closure_386(axis: Int32, nd: Int32, ri32: I32ArrayOut, rbase: Int32, base: Int32, wi32: I32Array, /) -> None:
    r"""expr::copy_trailing_shape (expr/sumdim.cpp: Sums of an expression along one dimension)


    Parameters:
      axis   int32
      nd     int32
      ri32   int32[], written
      rbase  int32
      base   int32
      wi32   int32[], read
    Returns: None
    """

def _c_closure_387(wbfix: Int32, wcof: Int32, perm: Int32, outer: Int32, inner: Int32, first: Int32, rnelem: Int32, rnnz: Int32, last: Int32, wnidxs: Int32, wptr: Int32, rbfix: Int32, rcof: Int32, rf64: F64ArrayOut, ri32: I32ArrayOut, ri64: I64ArrayOut, rnidxs: Int32, rptr: Int32, rsp: Int32, span: Int32, wsp: Int32, wf64: F64Array, wi32: I32Array, wi64: I64Array, xi32: I32Array, /) -> Tuple[Annotated[Int32, ""], Annotated[Int32, ""], Annotated[Int32, ""]]:
    r"""expr::build_reduced (expr/sumdim.cpp: Sums of an expression along one dimension)


    Parameters:
      wbfix   int32
      wcof    int32
      perm    int32
      outer   int32
      inner   int32
      first   int32
      rnelem  int32
      rnnz    int32
      last    int32
      wnidxs  int32
      wptr    int32
      rbfix   int32
      rcof    int32
      rf64    float64[], written
      ri32    int32[], written
      ri64    int64[], written
      rnidxs  int32
      rptr    int32
      rsp     int32
      span    int32
      wsp     int32
      wf64    float64[], read
      wi32    int32[], read
      wi64    int64[], read
      xi32    int32[], read
    Returns: (): (int32, int32, int32)
    """

def _c_closure_388(init: Int32, n: Int32, base: Int32, wi32: I32Array, /) -> Annotated[Int32, ""]:
    r"""expr::size_of_run (expr/sizes.cpp: Strides, size products, maxima and shape copies of record shape runs)

    The same kernel as _c_closure_272.


    Parameters:
      init  int32
      n     int32
      base  int32
      wi32  int32[], read
    Returns: : int32
    """

def _c_closure_389(init: Int32, after: Int32, before: Int32, base: Int32, wi32: I32Array, /) -> Annotated[Int32, ""]:
    r"""expr::size_after (expr/sizes.cpp: Strides, size products, maxima and shape copies of record shape runs)

    The same kernel as _c_closure_275.


    Parameters:
      init    int32
      after   int32
      before  int32
      base    int32
      wi32    int32[], read
    Returns: : int32
    """

def _c_closure_390(n: Int32, ri32: I32ArrayOut, rbase: Int32, base: Int32, wi32: I32Array, /) -> None:
    r"""expr::copy_shape_to_result (expr/sizes.cpp: Strides, size products, maxima and shape copies of record shape runs)

    The same kernel as _c_closure_276.


    Parameters:
      n      int32
      ri32   int32[], written
      rbase  int32
      base   int32
      wi32   int32[], read
    Returns: None
    """

def _c_closure_391(axis: Int32, nd: Int32, ri32: I32ArrayOut, rbase: Int32, base: Int32, wi32: I32Array, /) -> None:
    r"""expr::copy_trailing_shape (expr/sumdim.cpp: Sums of an expression along one dimension)

    The same kernel as _c_closure_386.


    Parameters:
      axis   int32
      nd     int32
      ri32   int32[], written
      rbase  int32
      base   int32
      wi32   int32[], read
    Returns: None
    """

def _c_closure_392(wbfix: Int32, wcof: Int32, outer: Int32, size: Int32, inner: Int32, rnelem: Int32, rnnz: Int32, wnidxs: Int32, wptr: Int32, rbfix: Int32, rcof: Int32, rf64: F64ArrayOut, ri32: I32ArrayOut, ri64: I64ArrayOut, rnidxs: Int32, rptr: Int32, ostride: Int32, astride: Int32, wf64: F64Array, wi32: I32Array, wi64: I64Array, /) -> Tuple[Annotated[Int32, ""], Annotated[Int32, ""]]:
    r"""expr::build_reduced_dense (expr/sumdim.cpp: Sums of an expression along one dimension)


    Parameters:
      wbfix    int32
      wcof     int32
      outer    int32
      size     int32
      inner    int32
      rnelem   int32
      rnnz     int32
      wnidxs   int32
      wptr     int32
      rbfix    int32
      rcof     int32
      rf64     float64[], written
      ri32     int32[], written
      ri64     int64[], written
      rnidxs   int32
      rptr     int32
      ostride  int32
      astride  int32
      wf64     float64[], read
      wi32     int32[], read
      wi64     int64[], read
    Returns: (): (int32, int32)
    """

def _c_closure_393(n: Int32, r: I32ArrayOut, shape: I32Array, /) -> None:
    r"""expr::leading_sizes (expr/triangle.cpp: Triangular parts of an expression, and gathers by index)


    Parameters:
      n      int32
      r      int32[], written
      shape  int32[], read
    Returns: None
    """

def _c_closure_394(skip: Int32, r: I32ArrayOut, shape: I32Array, /) -> None:
    r"""expr::sizes_after_skip (expr/triangle.cpp: Triangular parts of an expression, and gathers by index)


    Parameters:
      skip   int32
      r      int32[], written
      shape  int32[], read
    Returns: None
    """

def _c_closure_395(dim: I32ArrayOut, base: Int32, wi32: I32Array, n: Int32, /) -> None:
    r"""expr::multiply_leading_block (expr/triangle.cpp: Triangular parts of an expression, and gathers by index)


    Parameters:
      dim   int32[], written
      base  int32
      wi32  int32[], read
      n     int32
    Returns: None
    """

def _c_closure_396(dim: I32ArrayOut, base: Int32, wi32: I32Array, after: Int32, before: Int32, /) -> None:
    r"""expr::multiply_middle_block (expr/triangle.cpp: Triangular parts of an expression, and gathers by index)


    Parameters:
      dim     int32[], written
      base    int32
      wi32    int32[], read
      after   int32
      before  int32
    Returns: None
    """

def _c_closure_397(dim: I32ArrayOut, before: Int32, base: Int32, wi32: I32Array, after: Int32, /) -> None:
    r"""expr::multiply_trailing_block (expr/triangle.cpp: Triangular parts of an expression, and gathers by index)


    Parameters:
      dim     int32[], written
      before  int32
      base    int32
      wi32    int32[], read
      after   int32
    Returns: None
    """

def _c_closure_398(dim: I32Array, stride: I32ArrayOut, /) -> None:
    r"""expr::triangle_view_strides (expr/triangle.cpp: Triangular parts of an expression, and gathers by index)


    Parameters:
      dim     int32[], read
      stride  int32[], written
    Returns: None
    """

def _c_closure_399(dim: I32Array, sparse: Int32, n: Int32, wptr: Int32, rnelem: Int32, rnnz: Int32, wsp: Int32, stride: I32Array, lower: Int32, wi32: I32Array, wi64: I64Array, /) -> Tuple[Annotated[Int32, ""], Annotated[Int32, ""]]:
    r"""expr::triangle_count (expr/triangle.cpp: Triangular parts of an expression, and gathers by index)


    Parameters:
      dim     int32[], read
      sparse  int32
      n       int32
      wptr    int32
      rnelem  int32
      rnnz    int32
      wsp     int32
      stride  int32[], read
      lower   int32
      wi32    int32[], read
      wi64    int64[], read
    Returns: (): (int32, int32)
    """

def _c_closure_400(dim: I32Array, ri64: I64ArrayOut, rsp: Int32, stride: I32Array, lower: Int32, /) -> None:
    r"""expr::triangle_positions (expr/triangle.cpp: Triangular parts of an expression, and gathers by index)


    Parameters:
      dim     int32[], read
      ri64    int64[], written
      rsp     int32
      stride  int32[], read
      lower   int32
    Returns: None
    """

def _c_closure_401(wbfix: Int32, wcof: Int32, n: Int32, sparse: Int32, nelem: Int32, wnidxs: Int32, wptr: Int32, rbfix: Int32, rcof: Int32, rf64: F64ArrayOut, ri32: I32ArrayOut, ri64: I64ArrayOut, rnidxs: Int32, rptr: Int32, rsp: Int32, wsp: Int32, wf64: F64Array, wi32: I32Array, wi64: I64Array, /) -> None:
    r"""expr::gather (expr/triangle.cpp: Triangular parts of an expression, and gathers by index)


    Parameters:
      wbfix   int32
      wcof    int32
      n       int32
      sparse  int32
      nelem   int32
      wnidxs  int32
      wptr    int32
      rbfix   int32
      rcof    int32
      rf64    float64[], written
      ri32    int32[], written
      ri64    int64[], written
      rnidxs  int32
      rptr    int32
      rsp     int32
      wsp     int32
      wf64    float64[], read
      wi32    int32[], read
      wi64    int64[], read
    Returns: None
    """

def _c_closure_402(rbfix: Int32, pos: Int32, n: Int32, rptr: Int32, rf64: F64ArrayOut, ri32: I32ArrayOut, ri64: I64Array, rnelem: Int32, rsp: Int32, xbfix: Int32, xf64: F64Array, xi32: I32Array, xptr: Int32, /) -> Annotated[Int32, ""]:
    r"""expr::expand_to_dense (expr/triangle.cpp: Triangular parts of an expression, and gathers by index)


    Parameters:
      rbfix   int32
      pos     int32
      n       int32
      rptr    int32
      rf64    float64[], written
      ri32    int32[], written
      ri64    int64[], read
      rnelem  int32
      rsp     int32
      xbfix   int32
      xf64    float64[], read
      xi32    int32[], read
      xptr    int32
    Returns: : int32
    """

def _c_closure_403(dim: I32ArrayOut, n: Int32, base: Int32, wi32: I32Array, /) -> None:
    r"""expr::multiply_leading_block_count_first (expr/triangle.cpp: Triangular parts of an expression, and gathers by index)


    Parameters:
      dim   int32[], written
      n     int32
      base  int32
      wi32  int32[], read
    Returns: None
    """

def _c_closure_404(dim: I32ArrayOut, after: Int32, before: Int32, base: Int32, wi32: I32Array, /) -> None:
    r"""expr::multiply_middle_block_range_first (expr/triangle.cpp: Triangular parts of an expression, and gathers by index)


    Parameters:
      dim     int32[], written
      after   int32
      before  int32
      base    int32
      wi32    int32[], read
    Returns: None
    """

def _c_closure_405(dim: I32ArrayOut, after: Int32, before: Int32, base: Int32, wi32: I32Array, /) -> None:
    r"""expr::multiply_trailing_block_range_first (expr/triangle.cpp: Triangular parts of an expression, and gathers by index)


    Parameters:
      dim     int32[], written
      after   int32
      before  int32
      base    int32
      wi32    int32[], read
    Returns: None
    """

def _c_closure_406(dim: I32Array, stride: I64ArrayOut, /) -> None:
    r"""expr::symmetric_view_strides (expr/sympart.cpp: The symmetric part of an expression over two dimensions of equal size)


    Parameters:
      dim     int32[], read
      stride  int64[], written
    Returns: None
    """

def _c_closure_407(base: Int32, n: Int32, wi32: I32ArrayOut, /) -> None:
    r"""expr::work_identity_permutation (expr/sympart.cpp: The symmetric part of an expression over two dimensions of equal size)


    Parameters:
      base  int32
      n     int32
      wi32  int32[], written
    Returns: None
    """

def _c_closure_408(src: Int32, dim: I32Array, n: Int32, cnt: Int32, sortidx: I32Array, tsp: Int32, stride: I64Array, dst: Int32, wi32: I32ArrayOut, wi64: I64Array, /) -> Tuple[Annotated[Int32, ""], Annotated[Int32, ""]]:
    r"""expr::sort_by_mirror (expr/sympart.cpp: The symmetric part of an expression over two dimensions of equal size)


    Parameters:
      src      int32
      dim      int32[], read
      n        int32
      cnt      int32
      sortidx  int32[], read
      tsp      int32
      stride   int64[], read
      dst      int32
      wi32     int32[], written
      wi64     int64[], read
    Returns: (): (int32, int32)
    """

def _c_closure_409(dim: I32Array, n: Int32, tsp: Int32, wsp: Int32, stride: I64Array, wi64: I64ArrayOut, /) -> None:
    r"""expr::mirror_indexes (expr/sympart.cpp: The symmetric part of an expression over two dimensions of equal size)


    Parameters:
      dim     int32[], read
      n       int32
      tsp     int32
      wsp     int32
      stride  int64[], read
      wi64    int64[], written
    Returns: None
    """

def _c_closure_410(perm: Int32, n: Int32, wptr: Int32, rnelem: Int32, rnnz: Int32, tsp: Int32, wsp: Int32, wi32: I32Array, wi64: I64Array, /) -> Tuple[Annotated[Int32, ""], Annotated[Int32, ""]]:
    r"""expr::sparse_symmetric_count (expr/sympart.cpp: The symmetric part of an expression over two dimensions of equal size)


    Parameters:
      perm    int32
      n       int32
      wptr    int32
      rnelem  int32
      rnnz    int32
      tsp     int32
      wsp     int32
      wi32    int32[], read
      wi64    int64[], read
    Returns: (): (int32, int32)
    """

def _c_closure_411(wbfix: Int32, wcof: Int32, perm: Int32, n: Int32, wnidxs: Int32, wptr: Int32, rbfix: Int32, rcof: Int32, rf64: F64ArrayOut, ri32: I32ArrayOut, ri64: I64ArrayOut, rnidxs: Int32, rptr: Int32, rsp: Int32, tsp: Int32, wsp: Int32, wf64: F64Array, wi32: I32Array, wi64: I64Array, /) -> None:
    r"""expr::sparse_symmetric_build (expr/sympart.cpp: The symmetric part of an expression over two dimensions of equal size)


    Parameters:
      wbfix   int32
      wcof    int32
      perm    int32
      n       int32
      wnidxs  int32
      wptr    int32
      rbfix   int32
      rcof    int32
      rf64    float64[], written
      ri32    int32[], written
      ri64    int64[], written
      rnidxs  int32
      rptr    int32
      rsp     int32
      tsp     int32
      wsp     int32
      wf64    float64[], read
      wi32    int32[], read
      wi64    int64[], read
    Returns: None
    """

def _c_closure_412(dim: I32Array, wptr: Int32, init: Int32, stride: I64Array, wi32: I32Array, /) -> Annotated[Int32, ""]:
    r"""expr::dense_symmetric_count (expr/sympart.cpp: The symmetric part of an expression over two dimensions of equal size)


    Parameters:
      dim     int32[], read
      wptr    int32
      init    int32
      stride  int64[], read
      wi32    int32[], read
    Returns: : int32
    """

def _c_closure_413(wbfix: Int32, wcof: Int32, dim: I32Array, first: Int32, wnidxs: Int32, wptr: Int32, rnelem: Int32, rbfix: Int32, rcof: Int32, rf64: F64ArrayOut, ri32: I32ArrayOut, ri64: I64ArrayOut, rnidxs: Int32, rnnz: Int32, rptr: Int32, stride: I64Array, wf64: F64Array, wi32: I32Array, wi64: I64Array, /) -> Tuple[Annotated[Int32, ""], Annotated[Int32, ""], Annotated[Int32, ""]]:
    r"""expr::dense_symmetric_build (expr/sympart.cpp: The symmetric part of an expression over two dimensions of equal size)


    Parameters:
      wbfix   int32
      wcof    int32
      dim     int32[], read
      first   int32
      wnidxs  int32
      wptr    int32
      rnelem  int32
      rbfix   int32
      rcof    int32
      rf64    float64[], written
      ri32    int32[], written
      ri64    int64[], written
      rnidxs  int32
      rnnz    int32
      rptr    int32
      stride  int64[], read
      wf64    float64[], read
      wi32    int32[], read
      wi64    int64[], read
    Returns: (): (int32, int32, int32)
    """

def _c_closure_414(wcof: Int32, tol: float, init: Int32, nelem: Int32, wnidxs: Int32, nnz: Int32, wptr: Int32, wf64: F64Array, wi32: I32Array, wi64: I64Array, /) -> Annotated[bool, ""]:
    r"""expr::is_condensed (expr/condense.cpp: Condensing the terms of an expression)


    Parameters:
      wcof    int32
      tol     float64
      init    int32
      nelem   int32
      wnidxs  int32
      nnz     int32
      wptr    int32
      wf64    float64[], read
      wi32    int32[], read
      wi64    int64[], read
    Returns: : bool
    """

def _c_closure_415(wbfix: Int32, wcof: Int32, sparse: Int32, nd: Int32, nelem: Int32, wnidxs: Int32, nnz: Int32, wptr: Int32, rbfix: Int32, rcof: Int32, rf64: F64ArrayOut, ri32: I32ArrayOut, ri64: I64ArrayOut, rnidxs: Int32, rptr: Int32, rshape: Int32, rsp: Int32, shape: I32Array, wsp: Int32, wf64: F64Array, wi32: I32Array, wi64: I64Array, /) -> None:
    r"""expr::copy_record (expr/condense.cpp: Condensing the terms of an expression)


    Parameters:
      wbfix   int32
      wcof    int32
      sparse  int32
      nd      int32
      nelem   int32
      wnidxs  int32
      nnz     int32
      wptr    int32
      rbfix   int32
      rcof    int32
      rf64    float64[], written
      ri32    int32[], written
      ri64    int64[], written
      rnidxs  int32
      rptr    int32
      rshape  int32
      rsp     int32
      shape   int32[], read
      wsp     int32
      wf64    float64[], read
      wi32    int32[], read
      wi64    int64[], read
    Returns: None
    """

def _c_closure_416(wcof: Int32, tol: float, nelem: Int32, wnidxs: Int32, perm: Int32, wptr: Int32, rnnz: Int32, wf64: F64Array, wi32: I32Array, wi64: I64Array, xi32: I32Array, /) -> Annotated[Int32, ""]:
    r"""expr::count_condensed (expr/condense.cpp: Condensing the terms of an expression)


    Parameters:
      wcof    int32
      tol     float64
      nelem   int32
      wnidxs  int32
      perm    int32
      wptr    int32
      rnnz    int32
      wf64    float64[], read
      wi32    int32[], read
      wi64    int64[], read
      xi32    int32[], read
    Returns: : int32
    """

def _c_closure_417(wbfix: Int32, wcof: Int32, tol: float, sparse: Int32, nd: Int32, nelem: Int32, wnidxs: Int32, perm: Int32, wptr: Int32, rbfix: Int32, rcof: Int32, rf64: F64ArrayOut, ri32: I32ArrayOut, ri64: I64ArrayOut, rnidxs: Int32, rptr: Int32, rshape: Int32, spbase: Int32, shape: I32Array, wf64: F64Array, wi32: I32Array, wi64: I64Array, xi32: I32Array, /) -> None:
    r"""expr::build_condensed (expr/condense.cpp: Condensing the terms of an expression)


    Parameters:
      wbfix   int32
      wcof    int32
      tol     float64
      sparse  int32
      nd      int32
      nelem   int32
      wnidxs  int32
      perm    int32
      wptr    int32
      rbfix   int32
      rcof    int32
      rf64    float64[], written
      ri32    int32[], written
      ri64    int64[], written
      rnidxs  int32
      rptr    int32
      rshape  int32
      spbase  int32
      shape   int32[], read
      wf64    float64[], read
      wi32    int32[], read
      wi64    int64[], read
      xi32    int32[], read
    Returns: None
    """

def _c_closure_418(init: Int32, n: Int32, wptr: Int32, wi32: I32Array, /) -> Annotated[Int32, ""]:
    r"""expr::most_terms (expr/condense.cpp: Condensing the terms of an expression)


    Parameters:
      init  int32
      n     int32
      wptr  int32
      wi32  int32[], read
    Returns: : int32
    """

def _c_closure_419(nelem: Int32, wnidxs: Int32, perm: Int32, wptr: Int32, wi32: I32Array, wi64: I64Array, cnt: Int32, xi32: I32ArrayOut, /) -> None:
    r"""expr::sort_terms (expr/condense.cpp: Condensing the terms of an expression)


    Parameters:
      nelem   int32
      wnidxs  int32
      perm    int32
      wptr    int32
      wi32    int32[], read
      wi64    int64[], read
      cnt     int32
      xi32    int32[], written
    Returns: None
    """

def _c_closure_420(nelem: Int32, wnidxs: Int32, nnz: Int32, perm: Int32, perm2: Int32, wptr: Int32, wi32: I32ArrayOut, wi64: I64Array, /) -> None:
    r"""expr::sort_terms_in_place (expr/condense.cpp: Condensing the terms of an expression)


    Parameters:
      nelem   int32
      wnidxs  int32
      nnz     int32
      perm    int32
      perm2   int32
      wptr    int32
      wi32    int32[], written
      wi64    int64[], read
    Returns: None
    """

def _c_closure_421(rbfix: Int32, rcof: Int32, nelem: Int32, nnz: Int32, rptr: Int32, rf64: F64ArrayOut, ri32: I32ArrayOut, /) -> None:
    r"""expr::unit_record (expr/condense.cpp: Condensing the terms of an expression)


    Parameters:
      rbfix  int32
      rcof   int32
      nelem  int32
      nnz    int32
      rptr   int32
      rf64   float64[], written
      ri32   int32[], written
    Returns: None
    """

def _c_closure_422(inst: I64Array, instok: Int32, n: Int32, ptrb: I64Array, ptrbok: Int32, shapeok: Int32, size: Int64, thisshape: I32Array, /) -> Tuple[Annotated[bool, ""], Annotated[bool, ""], Annotated[bool, ""]]:
    r"""expr::check_pattern (expr/checks.cpp: Pattern checks, strides, linear indexes and outer products)


    Parameters:
      inst       int64[], read
      instok     int32
      n          int32
      ptrb       int64[], read
      ptrbok     int32
      shapeok    int32
      size       int64
      thisshape  int32[], read
    Returns: (): (bool, bool, bool)
    """

def _c_closure_423(init: Int32, vals: I32Array, /) -> Annotated[Int32, ""]:
    r"""expr::product_of_entries (expr/checks.cpp: Pattern checks, strides, linear indexes and outer products)


    Parameters:
      init  int32
      vals  int32[], read
    Returns: : int32
    """

def _c_closure_424(nd: Int32, s: I64ArrayOut, shp: I32Array, /) -> None:
    r"""expr::strides_of (expr/checks.cpp: Pattern checks, strides, linear indexes and outer products)


    Parameters:
      nd   int32
      s    int64[], written
      shp  int32[], read
    Returns: None
    """

def _c_closure_425(n: Int32, nd: Int32, s: I64Array, sp: I64ArrayOut, sparsity: I32Matrix, /) -> None:
    r"""expr::linear_indexes (expr/checks.cpp: Pattern checks, strides, linear indexes and outer products)


    Parameters:
      n         int32
      nd        int32
      s         int64[], read
      sp        int64[], written
      sparsity  int32[,], read
    Returns: None
    """

def _c_closure_426(nd: Int32, s: I64ArrayOut, shp: I32Array, /) -> None:
    r"""expr::strides_of (expr/checks.cpp: Pattern checks, strides, linear indexes and outer products)

    The same kernel as _c_closure_424.


    Parameters:
      nd   int32
      s    int64[], written
      shp  int32[], read
    Returns: None
    """

def _c_closure_427(n: Int32, nd: Int32, s: I64Array, sp: I64ArrayOut, sparsity: I32Matrix, /) -> None:
    r"""expr::linear_indexes (expr/checks.cpp: Pattern checks, strides, linear indexes and outer products)

    The same kernel as _c_closure_425.


    Parameters:
      n         int32
      nd        int32
      s         int64[], read
      sp        int64[], written
      sparsity  int32[,], read
    Returns: None
    """

def _c_closure_428(eshape: I32Array, init: Int32, /) -> Annotated[Int32, ""]:
    r"""expr::nontrivial_dimensions (expr/checks.cpp: Pattern checks, strides, linear indexes and outer products)


    Parameters:
      eshape  int32[], read
      init    int32
    Returns: : int32
    """

def _c_closure_429(a: F64Array, bfix: F64ArrayOut, cof: F64ArrayOut, asize: Int32, ebfix: F64Array, ecof: F64Array, einst: I64ArrayOut, enz: Int32, eptrb: I64Array, esubj: I64Array, ptrb: I64ArrayOut, sub: I32Array, subj: I64ArrayOut, amajor: Int32, /) -> None:
    r"""expr::outer_with_expression (expr/checks.cpp: Pattern checks, strides, linear indexes and outer products)


    Parameters:
      a       float64[], read
      bfix    float64[], written
      cof     float64[], written
      asize   int32
      ebfix   float64[], read
      ecof    float64[], read
      einst   int64[], written
      enz     int32
      eptrb   int64[], read
      esubj   int64[], read
      ptrb    int64[], written
      sub     int32[], read
      subj    int64[], written
      amajor  int32
    Returns: None
    """

def _c_closure_430(a: F64Array, cof: F64ArrayOut, n: Int32, inst: I64ArrayOut, ptrb: I64ArrayOut, sub: I32Array, subj: I64ArrayOut, aleft: Int32, m: Int32, /) -> None:
    r"""expr::outer_rows (expr/checks.cpp: Pattern checks, strides, linear indexes and outer products)


    Parameters:
      a      float64[], read
      cof    float64[], written
      n      int32
      inst   int64[], written
      ptrb   int64[], written
      sub    int32[], read
      subj   int64[], written
      aleft  int32
      m      int32
    Returns: None
    """

def _c_closure_431(maxv: Int32, minv: Int32, n: Int32, nds: I32Array, /) -> Tuple[Annotated[Int32, ""], Annotated[Int32, ""]]:
    r"""sparse::size_extremes (sparse/shapetab.cpp: Shape tables and one-slot row pointers)


    Parameters:
      maxv  int32
      minv  int32
      n     int32
      nds   int32[], read
    Returns: (): (int32, int32)
    """

def _c_closure_432(s: I32Array, shape: I32ArrayOut, /) -> None:
    r"""sparse::copy_whole_shape (sparse/shapetab.cpp: Shape tables and one-slot row pointers)


    Parameters:
      s      int32[], read
      shape  int32[], written
    Returns: None
    """

def _c_closure_433(n: Int32, s: I32Array, shape: I32ArrayOut, /) -> None:
    r"""sparse::pad_shape (sparse/shapetab.cpp: Shape tables and one-slot row pointers)


    Parameters:
      n      int32
      s      int32[], read
      shape  int32[], written
    Returns: None
    """

def _c_closure_434(row: Int32, shapes: I32MatrixOut, shp: I32Array, /) -> None:
    r"""sparse::copy_shape_to_row (sparse/shapetab.cpp: Shape tables and one-slot row pointers)


    Parameters:
      row     int32
      shapes  int32[,], written
      shp     int32[], read
    Returns: None
    """

def _c_closure_435(row: Int32, n: Int32, shapes: I32MatrixOut, shp: I32Array, /) -> None:
    r"""sparse::pad_row (sparse/shapetab.cpp: Shape tables and one-slot row pointers)


    Parameters:
      row     int32
      n       int32
      shapes  int32[,], written
      shp     int32[], read
    Returns: None
    """

def _c_closure_436(n: Int32, shape: I32Array, init: Int32, /) -> Annotated[Int32, ""]:
    r"""shape::size_of_leading_shape_middle (shape/index.cpp: Shapes, strides, linear and multi-dimensional indexes)

    The same kernel as _c_closure_161.


    Parameters:
      n      int32
      shape  int32[], read
      init   int32
    Returns: : int32
    """

def _c_closure_437(ii: I64Array, n: Int32, ptrb: I64ArrayOut, /) -> None:
    r"""sparse::count_rows (sparse/shapetab.cpp: Shape tables and one-slot row pointers)


    Parameters:
      ii    int64[], read
      n     int32
      ptrb  int64[], written
    Returns: None
    """

def _c_closure_438(ptrb: I64ArrayOut, n: Int32, /) -> None:
    r"""sparse::running_starts (sparse/shapetab.cpp: Shape tables and one-slot row pointers)


    Parameters:
      ptrb  int64[], written
      n     int32
    Returns: None
    """

def _c_closure_439(idxs: I64Array, ii: I64Array, n: Int32, ptrb: I64ArrayOut, subj: I64ArrayOut, /) -> None:
    r"""sparse::scatter_by_row (sparse/shapetab.cpp: Shape tables and one-slot row pointers)


    Parameters:
      idxs  int64[], read
      ii    int64[], read
      n     int32
      ptrb  int64[], written
      subj  int64[], written
    Returns: None
    """

def _c_closure_440(ptrb: I64ArrayOut, n: Int32, /) -> None:
    r"""sparse::shift_up (sparse/shapetab.cpp: Shape tables and one-slot row pointers)


    Parameters:
      ptrb  int64[], written
      n     int32
    Returns: None
    """

def _c_closure_441(n: Int32, sh: I32Array, shape: I32ArrayOut, /) -> None:
    r"""sparse::copy_leading_shape (sparse/shapetab.cpp: Shape tables and one-slot row pointers)


    Parameters:
      n      int32
      sh     int32[], read
      shape  int32[], written
    Returns: None
    """

def _c_closure_442(end: Int32, start: Int32, shape: I32ArrayOut, /) -> None:
    r"""sparse::ones_between (sparse/shapetab.cpp: Shape tables and one-slot row pointers)


    Parameters:
      end    int32
      start  int32
      shape  int32[], written
    Returns: None
    """

def _c_closure_443(n: Int32, sh: I32Array, shape: I32ArrayOut, /) -> None:
    r"""sparse::copy_leading_shape (sparse/shapetab.cpp: Shape tables and one-slot row pointers)

    The same kernel as _c_closure_441.


    Parameters:
      n      int32
      sh     int32[], read
      shape  int32[], written
    Returns: None
    """

def _c_closure_444(end: Int32, start: Int32, shape: I32ArrayOut, /) -> None:
    r"""sparse::ones_between (sparse/shapetab.cpp: Shape tables and one-slot row pointers)

    The same kernel as _c_closure_442.


    Parameters:
      end    int32
      start  int32
      shape  int32[], written
    Returns: None
    """

def _c_closure_445(n: Int32, shape: I32Array, init: Int64, /) -> Annotated[Int64, ""]:
    r"""sparse::leading_size64 (sparse/shapetab.cpp: Shape tables and one-slot row pointers)


    Parameters:
      n      int32
      shape  int32[], read
      init   int64
    Returns: : int64
    """

def _c_closure_446(inst: I64Array, flag: Int32, size: Int64, /) -> Annotated[bool, ""]:
    r"""sparse::strictly_increasing_in_range (sparse/multiidx.cpp: Sparse multi-dimensional index lists)


    Parameters:
      inst  int64[], read
      flag  int32
      size  int64
    Returns: : bool
    """

def _c_closure_447(n: Int32, ptrb: I64Array, flag: Int32, /) -> Annotated[bool, ""]:
    r"""sparse::pointers_in_order (sparse/multiidx.cpp: Sparse multi-dimensional index lists)


    Parameters:
      n     int32
      ptrb  int64[], read
      flag  int32
    Returns: : bool
    """

def _c_closure_448(i64: I64ArrayOut, value: Int32, at: Int32, /) -> None:
    r"""sparse::store_zero_based (sparse/multiidx.cpp: Sparse multi-dimensional index lists)


    Parameters:
      i64    int64[], written
      value  int32
      at     int32
    Returns: None
    """

def _c_closure_449(new_uval: F64ArrayOut, scale: float, n: Int32, uval: F64Array, /) -> None:
    r"""sparse::scale_uval (sparse/multiidx.cpp: Sparse multi-dimensional index lists)


    Parameters:
      new_uval  float64[], written
      scale     float64
      n         int32
      uval      float64[], read
    Returns: None
    """

def _c_closure_450(new_vval: F64ArrayOut, scale: float, n: Int32, vval: F64Array, /) -> None:
    r"""sparse::scale_vval (sparse/multiidx.cpp: Sparse multi-dimensional index lists)


    Parameters:
      new_vval  float64[], written
      scale     float64
      n         int32
      vval      float64[], read
    Returns: None
    """

def _c_closure_451(dims_: I32Array, init: Int64, /) -> Annotated[Int64, ""]:
    r"""sparse::size_of_dims (sparse/multiidx.cpp: Sparse multi-dimensional index lists)


    Parameters:
      dims_  int32[], read
      init   int64
    Returns: : int64
    """

def _c_closure_452(dims_: I32Array, flag: Int32, sub: I32Matrix, /) -> Annotated[bool, ""]:
    r"""sparse::multi_indexes_out_of_range (sparse/multiidx.cpp: Sparse multi-dimensional index lists)


    Parameters:
      dims_  int32[], read
      flag   int32
      sub    int32[,], read
    Returns: : bool
    """

def _c_closure_453(dims_: I32Array, inst_: I64ArrayOut, sub: I32Matrix, /) -> None:
    r"""sparse::linear_indexes (sparse/multiidx.cpp: Sparse multi-dimensional index lists)


    Parameters:
      dims_  int32[], read
      inst_  int64[], written
      sub    int32[,], read
    Returns: None
    """

def _c_closure_454(inst_: I64Array, flag: Int32, /) -> Annotated[bool, ""]:
    r"""sparse::non_decreasing (sparse/multiidx.cpp: Sparse multi-dimensional index lists)


    Parameters:
      inst_  int64[], read
      flag   int32
    Returns: : bool
    """

def _c_closure_455(inst_: I64Array, count: Int32, /) -> Annotated[Int32, ""]:
    r"""sparse::distinct_count (sparse/multiidx.cpp: Sparse multi-dimensional index lists)


    Parameters:
      inst_  int64[], read
      count  int32
    Returns: : int32
    """

def _c_closure_456(cof: F64ArrayOut, cof_: F64Array, inst: I64ArrayOut, inst_: I64Array, pos: Int32, /) -> Annotated[Int32, ""]:
    r"""sparse::merge_sorted (sparse/multiidx.cpp: Sparse multi-dimensional index lists)


    Parameters:
      cof    float64[], written
      cof_   float64[], read
      inst   int64[], written
      inst_  int64[], read
      pos    int32
    Returns: : int32
    """

def _c_closure_457(inst_: I64Array, count: Int32, perm: I64Array, /) -> Annotated[Int32, ""]:
    r"""sparse::distinct_count_through (sparse/multiidx.cpp: Sparse multi-dimensional index lists)


    Parameters:
      inst_  int64[], read
      count  int32
      perm   int64[], read
    Returns: : int32
    """

def _c_closure_458(cof: F64ArrayOut, cof_: F64Array, inst: I64ArrayOut, inst_: I64Array, pos: Int32, perm: I64Array, /) -> Annotated[Int32, ""]:
    r"""sparse::merge_sorted_through (sparse/multiidx.cpp: Sparse multi-dimensional index lists)


    Parameters:
      cof    float64[], written
      cof_   float64[], read
      inst   int64[], written
      inst_  int64[], read
      pos    int32
      perm   int64[], read
    Returns: : int32
    """

def _c_closure_459(dims_: I32Array, init: Int64, /) -> Annotated[Int64, ""]:
    r"""sparse::size_of_dims (sparse/multiidx.cpp: Sparse multi-dimensional index lists)

    The same kernel as _c_closure_451.


    Parameters:
      dims_  int32[], read
      init   int64
    Returns: : int64
    """

def _c_closure_460(flag: Int32, inst_: I64Array, size: Int64, /) -> Annotated[bool, ""]:
    r"""sparse::linear_indexes_out_of_range (sparse/multiidx.cpp: Sparse multi-dimensional index lists)


    Parameters:
      flag   int32
      inst_  int64[], read
      size   int64
    Returns: : bool
    """

def _c_closure_461(inst_: I64Array, flag: Int32, /) -> Annotated[bool, ""]:
    r"""sparse::non_decreasing (sparse/multiidx.cpp: Sparse multi-dimensional index lists)

    The same kernel as _c_closure_454.


    Parameters:
      inst_  int64[], read
      flag   int32
    Returns: : bool
    """

def _c_closure_462(inst_: I64Array, count: Int32, /) -> Annotated[Int32, ""]:
    r"""sparse::distinct_count (sparse/multiidx.cpp: Sparse multi-dimensional index lists)

    The same kernel as _c_closure_455.


    Parameters:
      inst_  int64[], read
      count  int32
    Returns: : int32
    """

def _c_closure_463(cof: F64ArrayOut, cof_: F64Array, inst: I64ArrayOut, inst_: I64Array, pos: Int32, /) -> Annotated[Int32, ""]:
    r"""sparse::merge_sorted (sparse/multiidx.cpp: Sparse multi-dimensional index lists)

    The same kernel as _c_closure_456.


    Parameters:
      cof    float64[], written
      cof_   float64[], read
      inst   int64[], written
      inst_  int64[], read
      pos    int32
    Returns: : int32
    """

def _c_closure_464(inst_: I64Array, count: Int32, perm: I64Array, /) -> Annotated[Int32, ""]:
    r"""sparse::distinct_count_through (sparse/multiidx.cpp: Sparse multi-dimensional index lists)

    The same kernel as _c_closure_457.


    Parameters:
      inst_  int64[], read
      count  int32
      perm   int64[], read
    Returns: : int32
    """

def _c_closure_465(cof: F64ArrayOut, cof_: F64Array, inst: I64ArrayOut, inst_: I64Array, pos: Int32, perm: I64Array, /) -> Annotated[Int32, ""]:
    r"""sparse::merge_sorted_through (sparse/multiidx.cpp: Sparse multi-dimensional index lists)

    The same kernel as _c_closure_458.


    Parameters:
      cof    float64[], written
      cof_   float64[], read
      inst   int64[], written
      inst_  int64[], read
      pos    int32
      perm   int64[], read
    Returns: : int32
    """

def _c_closure_466(n: Int64, off: Int64, msubi: I32Array, ioff: Int32, joff: Int32, subi: I32ArrayOut, subj: I32ArrayOut, /) -> None:
    r"""sparse::shifted_diagonal (sparse/coords.cpp: Coordinate-list and dense matrix conversions)


    Parameters:
      n      int64
      off    int64
      msubi  int32[], read
      ioff   int32
      joff   int32
      subi   int32[], written
      subj   int32[], written
    Returns: None
    """

def _c_closure_467(init: Int32, idims: I32Array, n: Int32, /) -> Annotated[Int32, ""]:
    r"""sparse::total_rows (sparse/coords.cpp: Coordinate-list and dense matrix conversions)


    Parameters:
      init   int32
      idims  int32[], read
      n      int32
    Returns: : int32
    """

def _c_closure_468(init: Int32, jdims: I32Array, n: Int32, /) -> Annotated[Int32, ""]:
    r"""sparse::total_cols (sparse/coords.cpp: Coordinate-list and dense matrix conversions)


    Parameters:
      init   int32
      jdims  int32[], read
      n      int32
    Returns: : int32
    """

def _c_closure_469(data: F64Matrix, nrows: Int32, ncols: Int32, pos: Int32, subi: I32ArrayOut, subj: I32ArrayOut, val: F64ArrayOut, /) -> Annotated[Int32, ""]:
    r"""sparse::dense_to_list (sparse/coords.cpp: Coordinate-list and dense matrix conversions)


    Parameters:
      data   float64[,], read
      nrows  int32
      ncols  int32
      pos    int32
      subi   int32[], written
      subj   int32[], written
      val    float64[], written
    Returns: : int32
    """

def _c_closure_470(maxi: Int32, maxj: Int32, n: Int32, subi: I32Array, subj: I32Array, /) -> Tuple[Annotated[Int32, ""], Annotated[Int32, ""]]:
    r"""sparse::extents (sparse/coords.cpp: Coordinate-list and dense matrix conversions)


    Parameters:
      maxi  int32
      maxj  int32
      n     int32
      subi  int32[], read
      subj  int32[], read
    Returns: (): (int32, int32)
    """

def _c_closure_471(maxi: Int32, maxj: Int32, n: Int32, subi: I32Array, subj: I32Array, /) -> Tuple[Annotated[Int32, ""], Annotated[Int32, ""]]:
    r"""sparse::extents (sparse/coords.cpp: Coordinate-list and dense matrix conversions)

    The same kernel as _c_closure_470.


    Parameters:
      maxi  int32
      maxj  int32
      n     int32
      subi  int32[], read
      subj  int32[], read
    Returns: (): (int32, int32)
    """

def _c_closure_472(data: F64Array, nrows: Int32, ncols: Int32, newdata: F64ArrayOut, pos: Int32, ld: Int32, /) -> Annotated[Int32, ""]:
    r"""sparse::row_major_to_column_major (sparse/coords.cpp: Coordinate-list and dense matrix conversions)


    Parameters:
      data     float64[], read
      nrows    int32
      ncols    int32
      newdata  float64[], written
      pos      int32
      ld       int32
    Returns: : int32
    """

def _c_closure_473(nrows: Int32, ncols: Int32, pos: Int32, subi: I32ArrayOut, subj: I32ArrayOut, /) -> Annotated[Int32, ""]:
    r"""sparse::dense_pattern (sparse/coords.cpp: Coordinate-list and dense matrix conversions)


    Parameters:
      nrows  int32
      ncols  int32
      pos    int32
      subi   int32[], written
      subj   int32[], written
    Returns: : int32
    """

def _c_closure_474(m: Int32, n: Int32, nnz: Int64, flag: Int32, subi_: I32Array, subj_: I32Array, /) -> Annotated[bool, ""]:
    r"""sparse::out_of_range (sparse/coords.cpp: Coordinate-list and dense matrix conversions)


    Parameters:
      m      int32
      n      int32
      nnz    int64
      flag   int32
      subi_  int32[], read
      subj_  int32[], read
    Returns: : bool
    """

def _c_closure_475(init: Int32, val_: F64Array, /) -> Annotated[Int32, ""]:
    r"""sparse::count_nonzeros (sparse/coords.cpp: Coordinate-list and dense matrix conversions)


    Parameters:
      init  int32
      val_  float64[], read
    Returns: : int32
    """

def _c_closure_476(pos: Int32, subi: I32ArrayOut, subi_: I32Array, subj: I32ArrayOut, subj_: I32Array, val: F64ArrayOut, val_: F64Array, /) -> Annotated[Int32, ""]:
    r"""sparse::drop_zeros (sparse/coords.cpp: Coordinate-list and dense matrix conversions)


    Parameters:
      pos    int32
      subi   int32[], written
      subi_  int32[], read
      subj   int32[], written
      subj_  int32[], read
      val    float64[], written
      val_   float64[], read
    Returns: : int32
    """

def _c_closure_477(n: Int32, end: Int64, p: Int64, ptrb: I64ArrayOut, subi: I32Array, /) -> Annotated[Int64, ""]:
    r"""sparse::row_starts (sparse/coords.cpp: Coordinate-list and dense matrix conversions)


    Parameters:
      n     int32
      end   int64
      p     int64
      ptrb  int64[], written
      subi  int32[], read
    Returns: : int64
    """

def _c_closure_478(ncols: Int32, r: F64ArrayOut, subi: I32Array, subj: I32Array, val: F64Array, /) -> None:
    r"""sparse::list_to_dense (sparse/coords.cpp: Coordinate-list and dense matrix conversions)


    Parameters:
      ncols  int32
      r      float64[], written
      subi   int32[], read
      subj   int32[], read
      val    float64[], read
    Returns: None
    """

def _c_closure_479(n: Int32, next: I32ArrayOut, prev: I32ArrayOut, /) -> None:
    r"""sparse::chain_nodes (sparse/linked.cpp: Index-linked lists)


    Parameters:
      n     int32
      next  int32[], written
      prev  int32[], written
    Returns: None
    """

def _c_closure_480(dsthead: Int32, head: Int32, next: I32ArrayOut, count: Int32, n: Int32, prev: I32ArrayOut, /) -> Tuple[Annotated[Int32, ""], Annotated[Int32, ""]]:
    r"""sparse::move_run_to_front (sparse/linked.cpp: Index-linked lists)


    Parameters:
      dsthead  int32
      head     int32
      next     int32[], written
      count    int32
      n        int32
      prev     int32[], written
    Returns: (): (int32, int32)
    """

def _c_closure_481(head: Int32, next: I32Array, n: Int32, pos: Int32, target: I32ArrayOut, /) -> Annotated[Int32, ""]:
    r"""sparse::list_to_array (sparse/linked.cpp: Index-linked lists)


    Parameters:
      head    int32
      next    int32[], read
      n       int32
      pos     int32
      target  int32[], written
    Returns: : int32
    """

def _c_closure_482(head: Int32, next: I32Array, n: Int32, pos: Int32, target: I32ArrayOut, /) -> None:
    r"""sparse::list_into_array (sparse/linked.cpp: Index-linked lists)


    Parameters:
      head    int32
      next    int32[], read
      n       int32
      pos     int32
      target  int32[], written
    Returns: None
    """

def _c_closure_483(head: Int32, maxidx: Int32, next: I32Array, n: Int32, /) -> Tuple[Annotated[Int32, ""], Annotated[Int32, ""]]:
    r"""sparse::walk_with_largest (sparse/linked.cpp: Index-linked lists)


    Parameters:
      head    int32
      maxidx  int32
      next    int32[], read
      n       int32
    Returns: (): (int32, int32)
    """

def _c_closure_484(head: Int32, next: I32Array, n: Int32, /) -> Annotated[Int32, ""]:
    r"""sparse::node_after_walk (sparse/linked.cpp: Index-linked lists)


    Parameters:
      head  int32
      next  int32[], read
      n     int32
    Returns: : int32
    """

def _c_closure_485(first: Int32, end: Int32, next: I32ArrayOut, prev: I32ArrayOut, /) -> None:
    r"""sparse::chain_range (sparse/linked.cpp: Index-linked lists)


    Parameters:
      first  int32
      end    int32
      next   int32[], written
      prev   int32[], written
    Returns: None
    """
