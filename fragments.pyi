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

    Bar variables of a map entry: with f = natbarvarmap_ptr[mapidx] and c =
    natbarvarmap_num[mapidx], writes res[k] = f + k (32-bit) for k < c: the bar variables
    that model entry mapidx owns. Nothing is written when c <= 0.

    res needs c entries; entries from c on are left alone.

    Parameters:
      natbarvarmap_num  int32[], read
      natbarvarmap_ptr  int32[], read
      res               int32[], written
      mapidx            int32
    Returns: None
    """

def _c_closure_1(natbarvar_dim: I32Array, natbarvar_ptr: I64Array, natbarvarmap_num: I32Array, natbarvarmap_ptr: I32Array, res: I64ArrayOut, mapidx: Int32, /) -> None:
    r"""native::bar_elements_of_entry (native/maps.cpp: Native index maps and the layout of bar variables)

    Bar element positions of a map entry: the c = natbarvarmap_num[mapidx] bar variables of
    the entry start at f = natbarvarmap_ptr[mapidx]; with d = natbarvar_dim[f] and s =
    natbarvar_ptr[f], writes res[k] = s + k for k < t = c * d*(d+1)/2 (t and the positions
    in 64 bits).

    It relies on the entry's bar variables sharing the dimension d and lying consecutively
    from s, as _c_closure_3 lays them out; only the maps of f are read, and only when c > 0.
    Nothing is written when c <= 0 or t <= 0. res needs t entries.

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

    Bar dimensions: natbarvar_dim[first + k] = value for k < n; nothing when n <= 0.
    natbarvar_dim needs first + n entries. Sets the dimension of bar variables that
    _c_closure_3 lays out.

    Parameters:
      value          int32
      n              int32
      natbarvar_dim  int32[], written
      first          int32
    Returns: None
    """

def _c_closure_3(barsize: Int32, dim: Int32, first: Int32, n: Int32, natbarvar_i: I32ArrayOut, natbarvar_idx: I32ArrayOut, natbarvar_j: I32ArrayOut, natbarvar_ptr: I64ArrayOut, ptrpos: Int32, /) -> None:
    r"""native::lay_out_bar_variables (native/maps.cpp: Native index maps and the layout of bar variables)

    Bar variable layout: lays out the n bar variables first .. first + n - 1 of dimension
    dim, barsize positions apart, from P = natbarvar_ptr[ptrpos]. The q-th lower-triangle
    pair (i, j) in column order ((0,0), (1,0), .., (dim-1,0), (1,1), .., (dim-1,dim-1)) of
    variable first + k goes to position p = P + q + k*barsize (64-bit): natbarvar_idx[p] =
    first + k, natbarvar_i[p] = i, natbarvar_j[p] = j.

    Then natbarvar_ptr[first + k] = natbarvar_ptr[first + k - 1] + barsize for k = 1 .. n,
    also when dim <= 0: the pointers chain from natbarvar_ptr[first], not from P. n <= 0
    writes nothing.

    With barsize = dim*(dim+1)/2 and ptrpos = first (natbarvar_ptr[first] set by the caller)
    each variable's elements are consecutive and the pointers agree with them;
    natbarvar_idx, natbarvar_i and natbarvar_j then need P + n*barsize entries and
    natbarvar_ptr first + n + 1. The dimensions themselves are set by _c_closure_2.

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

    Release of scalar variables: natvarmap_idx[k] = -1 (unowned) for start <= k < end;
    nothing when end <= start. Note the argument order: end before start.

    Parameters:
      natvarmap_idx  int32[], written
      end            int32
      start          int32
    Returns: None
    """

def _c_closure_5(natconmap_idx: I32ArrayOut, end: Int32, start: Int32, /) -> None:
    r"""native::release_constraints (native/maps.cpp: Native index maps and the layout of bar variables)

    Release of constraint rows: natconmap_idx[k] = -1 (unused row) for start <= k < end;
    nothing when end <= start. Note the argument order: end before start.

    Parameters:
      natconmap_idx  int32[], written
      end            int32
      start          int32
    Returns: None
    """

def _c_closure_6(init: Int32, idxs: I64Array, /) -> Annotated[Int32, "count"]:
    r"""native::count_scalar_indexes (native/maps.cpp: Native index maps and the layout of bar variables)

    Scalar index count, the count pass of _c_closure_7 (and of _c_closure_15): returns init
    plus the number of entries of idxs, over its whole length, that are > 0 (signed native
    indexes naming scalar variables); bar elements (< 0) and 0 are not counted. A 32-bit
    count, wrapping.

    Parameters:
      init  int32
      idxs  int64[], read
    Returns: count: int32
    """

def _c_closure_7(idxs: I64Array, pos: Int32, nativeidxs: I32ArrayOut, /) -> Annotated[Int32, "pos"]:
    r"""native::scalar_variables_of (native/maps.cpp: Native index maps and the layout of bar variables)

    Scalar variables of a signed index list, the build pass sized by _c_closure_6: for each
    entry v > 0 of idxs in order, over its whole length, nativeidxs[pos] = v - 1 (the
    zero-based scalar variable, as int32) and pos advances; entries <= 0 are skipped.

    nativeidxs needs room at pos .. pos + count - 1, count being what _c_closure_6 adds to
    its init; other entries are left alone. Returns the final pos (a 32-bit running
    position).

    Parameters:
      idxs        int64[], read
      pos         int32
      nativeidxs  int32[], written
    Returns: pos: int32
    """

def _c_closure_8(init: Int32, idxs: I64Array, /) -> Annotated[Int32, "count"]:
    r"""native::count_scalar_indexes (native/maps.cpp: Native index maps and the layout of bar variables)

    The same kernel as _c_closure_6.

    Scalar index count, the count pass of _c_closure_7 (and of _c_closure_15): returns init
    plus the number of entries of idxs, over its whole length, that are > 0 (signed native
    indexes naming scalar variables); bar elements (< 0) and 0 are not counted. A 32-bit
    count, wrapping.

    Parameters:
      init  int32
      idxs  int64[], read
    Returns: count: int32
    """

def _c_closure_9(idxs: I64Array, pos: Int32, nativeidxs: I32ArrayOut, /) -> Annotated[Int32, "pos"]:
    r"""native::scalar_variables_of (native/maps.cpp: Native index maps and the layout of bar variables)

    The same kernel as _c_closure_7.

    Scalar variables of a signed index list, the build pass sized by _c_closure_6: for each
    entry v > 0 of idxs in order, over its whole length, nativeidxs[pos] = v - 1 (the
    zero-based scalar variable, as int32) and pos advances; entries <= 0 are skipped.

    nativeidxs needs room at pos .. pos + count - 1, count being what _c_closure_6 adds to
    its init; other entries are left alone. Returns the final pos (a 32-bit running
    position).

    Parameters:
      idxs        int64[], read
      pos         int32
      nativeidxs  int32[], written
    Returns: pos: int32
    """

def _c_closure_10(barx: F64Array, n: Int32, natconmap_slackidx: I64Array, nativeidxs: I32Array, off: Int32, res: F64ArrayOut, xc: F64Array, xx: F64Array, /) -> None:
    r"""native::constraint_levels (native/solution.cpp: Solution values read back through the native maps, and clearing of solution ranges)

    Constraint levels: for k < n, with the constraint row i = nativeidxs[k] (an int32 row
    number, not a signed index) and its slack code s = natconmap_slackidx[i]: res[off + k] =
    xc[i] (the row's activity) when s = 0, and the slack's value when the row has one: xx[s
    - 1] when s > 0, barx[-s - 1] when s < 0.

    res needs off + n entries; only res[off .. off + n - 1] is written, nothing when n <= 0.

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

    Scalar values: for k < n, with the signed native index v = nativeidxs[k]: res[off + k] =
    xx[v - 1] when v > 0, else 0.0 (bar elements read nothing; _c_closure_13 reads them from
    barx). res needs off + n entries; nothing is written when n <= 0.

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

    Negated scalar values: for k < n, with the signed native index v = nativeidxs[k]:
    res[off + k] = -xx[v - 1] when v > 0 (a sign flip: 0.0 becomes -0.0), else +0.0. res
    needs off + n entries; nothing is written when n <= 0.

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

    Values of signed native indexes: for k < n, with v = nativeidxs[k]: res[off + k] = xx[v
    - 1] when v > 0 (a scalar variable), barx[-v - 1] when v < 0 (a bar element), 0.0 when v
    = 0. res needs off + n entries; nothing is written when n <= 0.

    Parameters:
      barx        float64[], read
      n           int32
      nativeidxs  int64[], read
      off         int32
      res         float64[], written
      xx          float64[], read
    Returns: None
    """

def _c_closure_14(nativeidxs: I64Array, init: Int32, /) -> Annotated[Int32, "count"]:
    r"""native::count_non_negative (native/maps.cpp: Native index maps and the layout of bar variables)

    Non-negative index count: returns init plus the number of entries of nativeidxs, over
    its whole length, that are >= 0 (a 32-bit count, wrapping). Zeros count too, so for
    signed native indexes this is at least the number _c_closure_15 writes; the exact number
    is what _c_closure_6 counts.

    Parameters:
      nativeidxs  int64[], read
      init        int32
    Returns: count: int32
    """

def _c_closure_15(pos: Int32, nativeidxs: I64Array, subj: I32ArrayOut, /) -> Annotated[Int32, "pos"]:
    r"""native::scalar_variables_into (native/maps.cpp: Native index maps and the layout of bar variables)

    Scalar variables of a signed index list into subj, the build pass sized by _c_closure_6:
    the compression of _c_closure_7 with pos first: for each entry v > 0 of nativeidxs in
    order, over its whole length, subj[pos] = v - 1 and pos advances; entries <= 0 are
    skipped.

    subj needs room at pos .. pos + count - 1, count being what _c_closure_6 adds; other
    entries are left alone. Returns the final pos (a 32-bit running position).

    Parameters:
      pos         int32
      nativeidxs  int64[], read
      subj        int32[], written
    Returns: pos: int32
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

    Row-major strides of a shape: strides[nd - 1] = 1 and strides[k - 1] = strides[k] *
    shape[k] for k = nd - 1 down to 1, in 32-bit arithmetic that wraps; e.g. shape [2, 3, 4]
    gives [12, 4, 1]. strides needs nd entries; shape[1 .. nd - 1] is read (shape[0] is
    not). nd <= 0 writes nothing.

    _c_closure_30 is the same without setting the innermost stride, _c_closure_120 its
    64-bit form.

    Parameters:
      nd       int32
      shape    int32[], read
      strides  int32[], written
    Returns: None
    """

def _c_closure_28(init: Int32, shape: I32Array, /) -> Annotated[Int32, "size"]:
    r"""shape::size_of_shape (shape/index.cpp: Shapes, strides, linear and multi-dimensional indexes)

    Size of a shape: returns init * shape[0] * ... * shape[len(shape) - 1], over the whole
    length of shape (there is no count parameter), in 32-bit arithmetic that wraps. An empty
    shape (or None) returns init, so with init = 1 it is the element count of an array of
    that shape, 1 for nd = 0. _c_closure_138 takes the parameters in the other order;
    _c_closure_112 gives the product in 64 bits.

    Parameters:
      init   int32
      shape  int32[], read
    Returns: size: int32
    """

def _c_closure_29(nativeidxs: I32Array, natvarmap_idx: I32ArrayOut, n: Int32, value: Int32, /) -> None:
    r"""shape::stamp_variables (shape/constraints.cpp: Constraint rows, domains and native map registration)

    Stamp variables in the native variable map: natvarmap_idx[nativeidxs[i]] = value for i <
    n (value is the layer's mark of a variable block; -1 marks an unowned variable). Other
    entries are left alone. _c_closure_34 is the same with n first.

    Parameters:
      nativeidxs     int32[], read
      natvarmap_idx  int32[], written
      n              int32
      value          int32
    Returns: None
    """

def _c_closure_30(nd: Int32, shape: I32Array, strides: I32ArrayOut, /) -> None:
    r"""shape::strides_from_innermost (shape/index.cpp: Shapes, strides, linear and multi-dimensional indexes)

    Strides from a preset innermost one: strides[k - 1] = strides[k] * shape[k] for k = nd -
    1 down to 1, in 32-bit arithmetic that wraps. The caller sets strides[nd - 1] (1 for
    row-major strides); only strides[0 .. nd - 2] are written, so strides needs nd entries.
    nd <= 1 writes nothing. _c_closure_120 is the 64-bit form.

    Parameters:
      nd       int32
      shape    int32[], read
      strides  int32[], written
    Returns: None
    """

def _c_closure_31(init: Int32, shape: I32Array, /) -> Annotated[Int32, "size"]:
    r"""shape::size_of_inner (shape/index.cpp: Shapes, strides, linear and multi-dimensional indexes)

    Size of the inner dimensions: returns init * shape[1] * ... * shape[len(shape) - 1], all
    dimensions but the outermost, over the whole length of shape, in 32-bit arithmetic that
    wraps; init when shape has at most one entry.

    Parameters:
      init   int32
      shape  int32[], read
    Returns: size: int32
    """

def _c_closure_32(n: Int32, init: Int32, shape: I32Array, /) -> Annotated[Int32, "size"]:
    r"""shape::size_of_leading (shape/index.cpp: Shapes, strides, linear and multi-dimensional indexes)

    Size of the leading dimensions: returns init * shape[0] * ... * shape[n - 1], in 32-bit
    arithmetic that wraps; e.g. n = 2 on shape [2, 3, 4] gives init * 6. n <= 0 returns init
    without reading shape (None is then accepted).

    _c_closure_74, _c_closure_161 and _c_closure_165 compute the same product with the
    parameters in other orders.

    Parameters:
      n      int32
      init   int32
      shape  int32[], read
    Returns: size: int32
    """

def _c_closure_33(after: Int32, init: Int32, before: Int32, shape: I32Array, /) -> Annotated[Int32, "size"]:
    r"""shape::size_between (shape/index.cpp: Shapes, strides, linear and multi-dimensional indexes)

    Size between two dimensions: returns init * shape[k] over after < k < before (both
    bounds excluded), in 32-bit arithmetic that wraps; e.g. after = 0, before = 3 on shape
    [2, 3, 4] gives init * 12. An empty range (before <= after + 1) returns init without
    reading shape.

    _c_closure_48, _c_closure_49, _c_closure_149 and _c_closure_166 compute the same product
    with the parameters in other orders.

    Parameters:
      after   int32
      init    int32
      before  int32
      shape   int32[], read
    Returns: size: int32
    """

def _c_closure_34(n: Int32, nativeidxs: I32Array, natvarmap_idx: I32ArrayOut, value: Int32, /) -> None:
    r"""shape::stamp_variables_n_first (shape/constraints.cpp: Constraint rows, domains and native map registration)

    Stamp variables in the native variable map, n first: natvarmap_idx[nativeidxs[i]] =
    value for i < n; other entries are left alone. The same as _c_closure_29 with the
    parameters in this order.

    Parameters:
      n              int32
      nativeidxs     int32[], read
      natvarmap_idx  int32[], written
      value          int32
    Returns: None
    """

def _c_closure_35(inner: Int32, outer: Int32, middle: Int32, nativeidxs: I32Array, pos: Int32, permidxs: I32ArrayOut, /) -> Annotated[Int32, "pos"]:
    r"""shape::swap_trailing_axes (shape/transpose.cpp: Transposes and axis permutations of variables)

    Swap of the two trailing axes: walks a block of shape (outer, inner, middle) in
    row-major order of (outer, middle, inner): for i < outer, j < middle, k < inner,
    permidxs[pos] = nativeidxs[(i * inner + k) * middle + j] and pos += 1 (positions in 32
    bits); e.g. outer 1, inner 2, middle 3 reads positions 0, 3, 1, 4, 2, 5. permidxs needs
    room at pos .. pos + outer * inner * middle - 1.

    Returns the final pos, pos + outer * inner * middle, so that calls for consecutive
    blocks append.

    Parameters:
      inner       int32
      outer       int32
      middle      int32
      nativeidxs  int32[], read
      pos         int32
      permidxs    int32[], written
    Returns: pos: int32
    """

def _c_closure_36(nd: Int32, shape: I32Array, strides: I32ArrayOut, /) -> None:
    r"""shape::strides_of (shape/index.cpp: Shapes, strides, linear and multi-dimensional indexes)

    The same kernel as _c_closure_27.

    Row-major strides of a shape: strides[nd - 1] = 1 and strides[k - 1] = strides[k] *
    shape[k] for k = nd - 1 down to 1, in 32-bit arithmetic that wraps; e.g. shape [2, 3, 4]
    gives [12, 4, 1]. strides needs nd entries; shape[1 .. nd - 1] is read (shape[0] is
    not). nd <= 0 writes nothing.

    _c_closure_30 is the same without setting the innermost stride, _c_closure_120 its
    64-bit form.

    Parameters:
      nd       int32
      shape    int32[], read
      strides  int32[], written
    Returns: None
    """

def _c_closure_37(init: Int32, shape: I32Array, /) -> Annotated[Int32, "size"]:
    r"""shape::size_of_shape (shape/index.cpp: Shapes, strides, linear and multi-dimensional indexes)

    The same kernel as _c_closure_28.

    Size of a shape: returns init * shape[0] * ... * shape[len(shape) - 1], over the whole
    length of shape (there is no count parameter), in 32-bit arithmetic that wraps. An empty
    shape (or None) returns init, so with init = 1 it is the element count of an array of
    that shape, 1 for nd = 0. _c_closure_138 takes the parameters in the other order;
    _c_closure_112 gives the product in 64 bits.

    Parameters:
      init   int32
      shape  int32[], read
    Returns: size: int32
    """

def _c_closure_38(flag: Int32, n: Int32, shape: I32Array, sp: I32Matrix, sparsity: I64ArrayOut, strides: I32Array, /) -> Annotated[bool, "outofrange"]:
    r"""shape::linear_indexes_checked (shape/patterns.cpp: Building and sorting sparsity patterns)

    Checked conversion of multi-indexes to linear indexes: for rows i = 0 .. n - 1 of sp (nd
    = its column count), when every sp[i, k] lies in 0 .. shape[k] - 1, sparsity[i] = sp[i,
    0] * strides[0] + ... + sp[i, nd - 1] * strides[nd - 1] (each product in 32 bits that
    wrap, the sum in 64 bits). At the first coordinate out of range the kernel stops and
    returns True, leaving that row and every later one unwritten; with flag != 0 on entry it
    writes nothing and returns True; otherwise it returns False after writing n entries.

    The rows may be in any order and sparsity keeps it (sort with _c_closure_41 and
    _c_closure_42, or the linear-index passes _c_closure_175 .. _c_closure_178). sparsity
    needs n entries; shape and strides (int32 row-major strides, _c_closure_27) need nd.

    Parameters:
      flag      int32
      n         int32
      shape     int32[], read
      sp        int32[,], read
      sparsity  int64[], written
      strides   int32[], read
    Returns: outofrange: bool
    """

def _c_closure_39(init: Int32, n: Int32, shape: I32Array, /) -> Annotated[Int32, "largest"]:
    r"""shape::largest_size (shape/index.cpp: Shapes, strides, linear and multi-dimensional indexes)

    Largest size: returns the largest of init and shape[0 .. n - 1]; init when n <= 0 (shape
    is then not read). With init = 0 and n = nd, the result + 1 is a bucket array length
    that serves every pass of the row sort _c_closure_41.

    Parameters:
      init   int32
      n      int32
      shape  int32[], read
    Returns: largest: int32
    """

def _c_closure_40(curperm: I32ArrayOut, n: Int32, /) -> None:
    r"""shape::identity_permutation (shape/patterns.cpp: Building and sorting sparsity patterns)

    Identity permutation: curperm[i] = i for i < n, the starting permutation of the radix
    sorts (_c_closure_41 on multi-index rows, _c_closure_175 .. _c_closure_178 on linear
    indexes). curperm needs n entries; n <= 0 writes nothing.

    Parameters:
      curperm  int32[], written
      n        int32
    Returns: None
    """

def _c_closure_41(curperm: I32Array, pass_: Int32, midxs: I32Matrix, n: Int32, nd: Int32, ptr: I32ArrayOut, shape: I32Array, tgtperm: I32ArrayOut, /) -> None:
    r"""shape::sort_pass_on_rows (shape/patterns.cpp: Building and sorting sparsity patterns)

    Radix sort pass on multi-index rows: one stable counting-sort pass of the rows 0 .. n -
    1 of midxs by their coordinate in column d = nd - pass_ - 1. It clears ptr[0 ..
    shape[d]], counts ptr[v + 1] += 1 for the coordinate v = midxs[i, d] of each row i < n,
    turns the counts into first positions, then for i = 0 .. n - 1 in the order of curperm
    writes tgtperm[ptr[v]] = curperm[i] (v the coordinate of row curperm[i]) and advances
    ptr[v].
    - pass_ takes the values 0, 1, ..., nd - 1, one call each, in that order: pass_ = 0
      sorts by the last column (d = nd - 1), pass_ = nd - 1 by column 0. After the last pass
      the permutation lists the rows in row-major (lexicographic) order; equal rows keep
      their input order (duplicates are not removed).
    - ptr needs shape[d] + 1 entries for the pass: one array of max(shape[0 .. nd - 1]) + 1
      entries (_c_closure_39(0, nd, shape) + 1) serves every pass. The caller need not clear
      it; on return ptr[v] is the end of bucket v and ptr[shape[d]] = n.
    - curperm and tgtperm are two distinct arrays of n entries. curperm is a permutation of
      0 .. n - 1: the identity (_c_closure_40) before pass_ = 0, and the previous pass's
      tgtperm afterwards, so the caller swaps the two arrays between passes.
    - midxs needs n rows and nd columns, shape nd entries (only shape[d] is read).
      Coordinates must lie in 0 .. shape[d] - 1 and are not checked (_c_closure_38 or
      _c_closure_119 checks them).

    Then _c_closure_42 with the last tgtperm writes the sorted linear indexes. With n = 0,
    tgtperm is left alone and ptr[0 .. shape[d]] is still cleared.

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

    Linear indexes of rows in permuted order: sparsity[i] = midxs[j, 0] * strides[0] + ... +
    midxs[j, nd - 1] * strides[nd - 1] with j = curperm[i], for i < n (each product in 32
    bits that wrap, the sum in 64 bits). With curperm the last tgtperm of the sort passes
    _c_closure_41 it writes a sparse variable's sparsity in ascending order (equal rows give
    equal entries; the caller rejects them). sparsity needs n entries; strides are the int32
    row-major strides of the shape (_c_closure_27).

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

    Stamp variables in the native variable map: natvarmap_idx[nativeidxs[i]] = value for i <
    n (value is the layer's mark of a variable block; -1 marks an unowned variable). Other
    entries are left alone. _c_closure_34 is the same with n first.

    Parameters:
      nativeidxs     int32[], read
      natvarmap_idx  int32[], written
      n              int32
      value          int32
    Returns: None
    """

def _c_closure_44(n: Int32, init: Int32, shape: I32Array, /) -> Annotated[Int32, "size"]:
    r"""shape::size_of_leading (shape/index.cpp: Shapes, strides, linear and multi-dimensional indexes)

    The same kernel as _c_closure_32.

    Size of the leading dimensions: returns init * shape[0] * ... * shape[n - 1], in 32-bit
    arithmetic that wraps; e.g. n = 2 on shape [2, 3, 4] gives init * 6. n <= 0 returns init
    without reading shape (None is then accepted).

    _c_closure_74, _c_closure_161 and _c_closure_165 compute the same product with the
    parameters in other orders.

    Parameters:
      n      int32
      init   int32
      shape  int32[], read
    Returns: size: int32
    """

def _c_closure_45(after: Int32, init: Int32, before: Int32, shape: I32Array, /) -> Annotated[Int32, "size"]:
    r"""shape::size_between (shape/index.cpp: Shapes, strides, linear and multi-dimensional indexes)

    The same kernel as _c_closure_33.

    Size between two dimensions: returns init * shape[k] over after < k < before (both
    bounds excluded), in 32-bit arithmetic that wraps; e.g. after = 0, before = 3 on shape
    [2, 3, 4] gives init * 12. An empty range (before <= after + 1) returns init without
    reading shape.

    _c_closure_48, _c_closure_49, _c_closure_149 and _c_closure_166 compute the same product
    with the parameters in other orders.

    Parameters:
      after   int32
      init    int32
      before  int32
      shape   int32[], read
    Returns: size: int32
    """

def _c_closure_46(msize: Int32, nouter: Int32, ncols: Int32, nper: Int32, natbarvar_ptr: I64Array, nativeidxs: I64ArrayOut, /) -> None:
    r"""shape::bar_element_positions (shape/barterms.cpp: Solver rows and semidefinite term groups from expression records)

    Bar element positions of lower triangles: for o < nouter, column c < ncols, row r = c ..
    msize - 1 and l < nper (innermost): nativeidxs[p] = natbarvar_ptr[o * nper + l] + c * (2
    * msize - 1 - c) / 2 + r, p = 0, 1, ...: the position of entry (r, c) of bar variable o
    * nper + l, whose elements run column by column from natbarvar_ptr (as _c_closure_3 lays
    them out). The values are positions, not signed indexes (_c_closure_151 encodes them as
    -p - 1).

    nativeidxs needs nouter * nper * (msize + (msize - 1) + ... + (msize - ncols + 1))
    entries, nouter * nper * msize * (msize + 1) / 2 for ncols = msize; natbarvar_ptr needs
    nouter * nper.

    Parameters:
      msize          int32
      nouter         int32
      ncols          int32
      nper           int32
      natbarvar_ptr  int64[], read
      nativeidxs     int64[], written
    Returns: None
    """

def _c_closure_47(n: Int32, init: Int32, shape: I32Array, /) -> Annotated[Int32, "size"]:
    r"""shape::size_of_leading (shape/index.cpp: Shapes, strides, linear and multi-dimensional indexes)

    The same kernel as _c_closure_32.

    Size of the leading dimensions: returns init * shape[0] * ... * shape[n - 1], in 32-bit
    arithmetic that wraps; e.g. n = 2 on shape [2, 3, 4] gives init * 6. n <= 0 returns init
    without reading shape (None is then accepted).

    _c_closure_74, _c_closure_161 and _c_closure_165 compute the same product with the
    parameters in other orders.

    Parameters:
      n      int32
      init   int32
      shape  int32[], read
    Returns: size: int32
    """

def _c_closure_48(after: Int32, before: Int32, init: Int32, shape: I32Array, /) -> Annotated[Int32, "size"]:
    r"""shape::size_between_init_third (shape/index.cpp: Shapes, strides, linear and multi-dimensional indexes)

    Size between two dimensions, init third: returns init * shape[k] over after < k < before
    (both bounds excluded), in 32-bit arithmetic that wraps; init when before <= after + 1
    (shape is then not read). The product of _c_closure_33 with the parameters in this
    order.

    Parameters:
      after   int32
      before  int32
      init    int32
      shape   int32[], read
    Returns: size: int32
    """

def _c_closure_49(after: Int32, before: Int32, init: Int32, shape: I32Array, /) -> Annotated[Int32, "size"]:
    r"""shape::size_between_init_third (shape/index.cpp: Shapes, strides, linear and multi-dimensional indexes)

    The same kernel as _c_closure_48.

    Size between two dimensions, init third: returns init * shape[k] over after < k < before
    (both bounds excluded), in 32-bit arithmetic that wraps; init when before <= after + 1
    (shape is then not read). The product of _c_closure_33 with the parameters in this
    order.

    Parameters:
      after   int32
      before  int32
      init    int32
      shape   int32[], read
    Returns: size: int32
    """

def _c_closure_50(n: Int32, init: Int32, ri32: I32Array, off: Int32, /) -> Annotated[Int32, "size"]:
    r"""shape::size_of_result_run (shape/index.cpp: Shapes, strides, linear and multi-dimensional indexes)

    Size of a shape run on the result stack: returns init * ri32[off] * ... * ri32[off + n -
    1], in 32-bit arithmetic that wraps; init when n <= 0. With init = 1 and n = nd it is
    the element count of the record whose shape run starts at ri32[off].

    Parameters:
      n     int32
      init  int32
      ri32  int32[], read
      off   int32
    Returns: size: int32
    """

def _c_closure_51(value: Int32, natconmap_idx: I32ArrayOut, natconmap_slackidx: I64ArrayOut, nativeidxs: I32Array, n: Int32, /) -> None:
    r"""shape::stamp_rows (shape/constraints.cpp: Constraint rows, domains and native map registration)

    Stamp constraint rows: for i < n, row j = nativeidxs[i]: natconmap_idx[j] = value and
    natconmap_slackidx[j] = 0, so the row loses its slack whatever value is. Other rows are
    left alone. _c_closure_76 is the same with n second.

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

    Ranged domain of a linear constraint: first efix[nativeidxs[i]] = rf64[off + i] for i <
    nnz (constants by native row, off being the base of the record's bfix run on the result
    stack); then the bounds by element position, by the first case that applies:
    - isscalar != 0: bl[i] = domlb[0], bu[i] = domub[0] for i < n (domsp is ignored);
    - nobounds != 0: no bounds;
    - domsp None (a dense domain): bl[i] = domlb[i], bu[i] = domub[i] for i < n;
    - otherwise (a sparse domain): for each domain entry r < len(domlb) (the count is the
      length of domlb; domsp needs as many rows and nd columns), with lin the row-major
      linear index of the multi-index domsp[r, :] in the constraint's shape, read from the
      result stack at ri32[shapeoff .. shapeoff + nd - 1]: bl[lin] = domlb[r], bu[lin] =
      domub[r]. The strides (32-bit) take nd int32 entries of scratch memory.

    Entries of bl and bu that no case writes keep the caller's values; bl and bu need n
    entries, or for a sparse domain one per element of the constraint's shape. ri32 and
    shapeoff are read only for a sparse domain.

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

def _c_closure_53(ngroups: Int32, nscalar: Int32, natbarvar_idx: I32Array, nelem: Int32, nidxs_base: Int32, ptr_base: Int32, ri32: I32Array, ri64: I64Array, nbar: Int32, /) -> Tuple[Annotated[Int32, "ngroups"], Annotated[Int32, "nscalar"], Annotated[Int32, "nbar"]]:
    r"""shape::count_bar_groups (shape/barterms.cpp: Solver rows and semidefinite term groups from expression records)

    Semidefinite groups and scalar terms, the count pass of _c_closure_54 and _c_closure_55:
    over the elements e < nelem of the result-stack record (ptr at ri32[ptr_base], nidxs at
    ri64[nidxs_base]; element e has the terms ri32[ptr_base + e] .. ri32[ptr_base + e + 1] -
    1), adds 1 to ngroups per group (a maximal run of consecutive terms with index < 0 on
    one bar variable natbarvar_idx[-nidx - 1], wherever it stands in the element), the
    number of terms with index < 0 to nbar and the number with index > 0 to nscalar; terms
    with index 0 count in neither.

    Returns (ngroups, nscalar, nbar) advanced (32-bit). _c_closure_54 needs nscalar + nelem
    entries in subj and cof (nscalar + 2 * nelem with a slack); _c_closure_55 needs nbar
    entries in matsubi, matsubj and matcof and ngroups in barsubj, matdim and matnnz.

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
    Returns: (ngroups, nscalar, nbar): (int32, int32, int32)
    """

def _c_closure_54(bfix_base: Int32, constidx: Int32, cof: F64ArrayOut, cof_base: Int32, nelem: Int32, nidxs_base: Int32, ptr_base: Int32, ptrb: I64ArrayOut, rf64: F64Array, ri32: I32Array, ri64: I64Array, slack: I32Array, subj: I32ArrayOut, /) -> None:
    r"""shape::scalar_rows (shape/barterms.cpp: Solver rows and semidefinite term groups from expression records)

    Scalar solver rows, the build pass sized by _c_closure_53: one row per element e < nelem
    of the result-stack record (ptr at ri32[ptr_base], nidxs at ri64[nidxs_base], cof at
    rf64[cof_base], bfix at rf64[bfix_base]), written from position 0 of subj and cof: first
    the constant, subj = constidx and cof = rf64[bfix_base + e]; then each term with index v
    > 0 in stored order, subj = v - 1 and cof = its coefficient; then, when slack is given,
    subj = slack[e] and cof = -1.0. Terms with index <= 0 are left out (bar terms go to
    _c_closure_55).

    ptrb[e + 1] = ptrb[e] + the row's entry count; ptrb[0] is the caller's and is not
    written, and row e stands at subj[ptrb[e] - ptrb[0] .. ptrb[e + 1] - ptrb[0] - 1]. subj
    and cof need nscalar + nelem entries (nscalar + 2 * nelem with slack), nscalar from
    _c_closure_53; ptrb needs nelem + 1 and slack nelem.

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

def _c_closure_55(m: Int32, g: Int32, barsubj: I32ArrayOut, cof_base: Int32, matcof: F64ArrayOut, matdim: I32ArrayOut, matnnz: I64ArrayOut, matsubi: I32ArrayOut, matsubj: I32ArrayOut, natbarvar_dim: I32Array, natbarvar_i: I32Array, natbarvar_idx: I32Array, natbarvar_j: I32Array, nidxs_base: Int32, nelem: Int32, ptr: I64ArrayOut, ptr_base: Int32, rf64: F64Array, ri32: I32Array, ri64: I64Array, /) -> Tuple[Annotated[Int32, "m"], Annotated[Int32, "g"]]:
    r"""shape::bar_groups (shape/barterms.cpp: Solver rows and semidefinite term groups from expression records)

    Semidefinite term groups, the build pass sized by _c_closure_53: over the elements e <
    nelem of the result-stack record (ptr at ri32[ptr_base], nidxs at ri64[nidxs_base], cof
    at rf64[cof_base]), for each group (a maximal run of consecutive terms with index < 0 on
    one bar variable b = natbarvar_idx[q], q = -nidx - 1, wherever it stands in the
    element): each of its terms gives matsubi[m] = natbarvar_i[q], matsubj[m] =
    natbarvar_j[q] and matcof[m] = its coefficient on the diagonal (matsubi[m] = matsubj[m])
    and half of it off the diagonal, m += 1; then barsubj[g] = b, matdim[g] =
    natbarvar_dim[b] and matnnz[g] = the group's term count, g += 1. After element e, ptr[e
    + 1] = g. Terms with index >= 0 are skipped.

    Returns (m, g) advanced. The caller passes m = g = 0 and sets ptr[0] = 0 (not written);
    matsubi, matsubj and matcof need nbar entries, barsubj, matdim and matnnz ngroups (from
    _c_closure_53), ptr nelem + 1.

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
    Returns: (m, g): (int32, int32)
    """

def _c_closure_56(axis: Int32, skip: Int32, n: Int32, init: Int32, shape: I32Array, /) -> Annotated[Int32, "size"]:
    r"""shape::size_without_two (shape/index.cpp: Shapes, strides, linear and multi-dimensional indexes)

    Size without two dimensions: returns init * shape[k] over 0 <= k < n with k != axis and
    k != skip, in 32-bit arithmetic that wraps; e.g. axis = 1, skip = 3, n = 4 on shape [2,
    3, 5, 7] gives init * 10. An axis outside 0 .. n - 1 (negative, say) excludes only skip,
    and a skip outside it excludes nothing more.

    Parameters:
      axis   int32
      skip   int32
      n      int32
      init   int32
      shape  int32[], read
    Returns: size: int32
    """

def _c_closure_57(n: Int32, dim: I32ArrayOut, shape: I32Array, /) -> None:
    r"""shape::fold_before (shape/index.cpp: Shapes, strides, linear and multi-dimensional indexes)

    Five-axis view, outer size: dim[0] = dim[0] * shape[0] * ... * shape[n - 1], in place,
    in 32-bit arithmetic that wraps; n <= 0 leaves dim[0] as it is.

    The five-axis view of a shape around two chosen dimensions a < b of equal size is dim =
    [sizes before a, shape[a], sizes between a and b, shape[b], sizes after b]. The caller
    sets dim[1] and dim[3] and the accumulators dim[0] = dim[2] = dim[4] = 1, then calls
    this kernel with n = a, _c_closure_58 with (after, before) = (a, b) and _c_closure_59
    with (after, before) = (b, nd); _c_closure_60 gives the view's strides.

    Parameters:
      n      int32
      dim    int32[], written
      shape  int32[], read
    Returns: None
    """

def _c_closure_58(after: Int32, before: Int32, dim: I32ArrayOut, shape: I32Array, /) -> None:
    r"""shape::fold_between (shape/index.cpp: Shapes, strides, linear and multi-dimensional indexes)

    Five-axis view, middle size: dim[2] = dim[2] * shape[k] over after < k < before, in
    place, in 32-bit arithmetic that wraps; with (after, before) = (a, b) it multiplies in
    the dimensions between the two chosen ones. An empty range leaves dim[2] as it is. See
    _c_closure_57 for the whole view.

    Parameters:
      after   int32
      before  int32
      dim     int32[], written
      shape   int32[], read
    Returns: None
    """

def _c_closure_59(after: Int32, dim: I32ArrayOut, before: Int32, shape: I32Array, /) -> None:
    r"""shape::fold_after (shape/index.cpp: Shapes, strides, linear and multi-dimensional indexes)

    Five-axis view, inner size: dim[4] = dim[4] * shape[k] over after < k < before, in
    place, in 32-bit arithmetic that wraps; with after = b (the second chosen dimension) and
    before = nd it multiplies in the dimensions after it. An empty range leaves dim[4] as it
    is. See _c_closure_57 for the whole view.

    Parameters:
      after   int32
      dim     int32[], written
      before  int32
      shape   int32[], read
    Returns: None
    """

def _c_closure_60(dim: I32Array, stride: I32ArrayOut, /) -> None:
    r"""shape::five_axis_strides (shape/index.cpp: Shapes, strides, linear and multi-dimensional indexes)

    Strides of a five-axis view: stride[k - 1] = stride[k] * dim[k] for k = 4 down to 1, in
    32-bit arithmetic that wraps, so stride[3] = dim[4] * stride[4], ..., stride[0] = dim[1]
    * stride[1]. The caller sets stride[4] (1 for row-major strides); dim and stride have 5
    entries, dim[0] is not read and stride[4] is not written. dim comes from _c_closure_57
    .. _c_closure_59.

    Parameters:
      dim     int32[], read
      stride  int32[], written
    Returns: None
    """

def _c_closure_61(off: Int32, bnd: F64ArrayOut, natconmap_efix: F64ArrayOut, natconmap_lb: F64ArrayOut, natconmap_ub: F64ArrayOut, nativeidxs: I32Array, n: Int32, rf64: F64Array, /) -> None:
    r"""shape::zero_rows (shape/constraints.cpp: Constraint rows, domains and native map registration)

    Rows fixed at zero: for i < n, row j = nativeidxs[i]: natconmap_efix[j] = rf64[off + i]
    (element i's constant, off being the base of the record's bfix run on the result stack),
    natconmap_lb[j] = natconmap_ub[j] = 0.0, and bnd[i] = 0.0 by element position. bnd needs
    n entries.

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

    Packed diagonal set to -1: matcof[(i + 1) * (i + 2) / 2 - 1] = -1.0 for i < n, the
    diagonal entries of the lower triangle of an n x n matrix packed row by row ((0,0),
    (1,0), (1,1), (2,0), ...). Other entries are left alone; matcof needs n * (n + 1) / 2
    entries. _c_closure_68 takes the parameters in the other order.

    Parameters:
      n       int32
      matcof  float64[], written
    Returns: None
    """

def _c_closure_63(n: Int32, matsubi: I32ArrayOut, matsubj: I32ArrayOut, /) -> None:
    r"""shape::packed_triangle_coordinates (shape/symmetric.cpp: Symmetric and triangular index patterns)

    Coordinates of a lower triangle: the entries (i, j), j <= i, of an n x n matrix row by
    row from position 0, matsubi[p] = i and matsubj[p] = j for (0,0), (1,0), (1,1), (2,0),
    ... matsubi and matsubj need n * (n + 1) / 2 entries.

    Parameters:
      n        int32
      matsubi  int32[], written
      matsubj  int32[], written
    Returns: None
    """

def _c_closure_64(dim: I32Array, matidxs: I64Array, natbarvar_ptr: I64Array, natconmap_slackidx: I64ArrayOut, nativeidxs: I32Array, slackbarsubj: I32ArrayOut, slackmat: I64ArrayOut, slacks: I32Array, rowwise: Int32, /) -> None:
    r"""shape::semidefinite_slacks (shape/constraints.cpp: Constraint rows, domains and native map registration)

    Semidefinite slack entries of a constraint's rows: the constraint is seen as the
    five-axis view dim = [d0, n, d2, n, d4] (_c_closure_57 .. _c_closure_59; dim[3] is not
    read), each n x n matrix over axes 1 and 3 standing for one slack bar variable. Its rows
    are the lower-triangle entries (i, j), i >= j, visited in the view's row-major order:
    with rowwise != 0, i on axis 1 (a < d0, i < n, m < d2, j <= i, k < d4); with rowwise =
    0, j on axis 1 (a < d0, j < n, m < d2, i = j .. n - 1, k < d4). For visit p = 0, 1, ...,
    with t = i * (i + 1) / 2 + j (the entry's packed row-by-row position) and v = slacks[(a
    * d2 + m) * d4 + k] (the bar variable of this matrix):
    - slackmat[p] = matidxs[t] and slackbarsubj[p] = v;
    - natconmap_slackidx[nativeidxs[p]] = -e - 1 with e = natbarvar_ptr[v] + j * (2 * n - j
      - 1) / 2 + i, the bar element of entry (i, j) of variable v (bar elements run column
      by column, as _c_closure_3 lays them out): the row's slack as a signed native index.

    nativeidxs, slackmat and slackbarsubj need d0 * d2 * d4 * n * (n + 1) / 2 entries,
    slacks d0 * d2 * d4 and matidxs n * (n + 1) / 2.

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

def _c_closure_65(n: Int32, init: Int32, shape: I32Array, /) -> Annotated[Int32, "size"]:
    r"""shape::size_of_leading (shape/index.cpp: Shapes, strides, linear and multi-dimensional indexes)

    The same kernel as _c_closure_32.

    Size of the leading dimensions: returns init * shape[0] * ... * shape[n - 1], in 32-bit
    arithmetic that wraps; e.g. n = 2 on shape [2, 3, 4] gives init * 6. n <= 0 returns init
    without reading shape (None is then accepted).

    _c_closure_74, _c_closure_161 and _c_closure_165 compute the same product with the
    parameters in other orders.

    Parameters:
      n      int32
      init   int32
      shape  int32[], read
    Returns: size: int32
    """

def _c_closure_66(n: Int32, init: Int32, shape: I32Array, /) -> Annotated[Int32, "size"]:
    r"""shape::size_of_leading (shape/index.cpp: Shapes, strides, linear and multi-dimensional indexes)

    The same kernel as _c_closure_32.

    Size of the leading dimensions: returns init * shape[0] * ... * shape[n - 1], in 32-bit
    arithmetic that wraps; e.g. n = 2 on shape [2, 3, 4] gives init * 6. n <= 0 returns init
    without reading shape (None is then accepted).

    _c_closure_74, _c_closure_161 and _c_closure_165 compute the same product with the
    parameters in other orders.

    Parameters:
      n      int32
      init   int32
      shape  int32[], read
    Returns: size: int32
    """

def _c_closure_67(after: Int32, init: Int32, before: Int32, shape: I32Array, /) -> Annotated[Int32, "size"]:
    r"""shape::size_between (shape/index.cpp: Shapes, strides, linear and multi-dimensional indexes)

    The same kernel as _c_closure_33.

    Size between two dimensions: returns init * shape[k] over after < k < before (both
    bounds excluded), in 32-bit arithmetic that wraps; e.g. after = 0, before = 3 on shape
    [2, 3, 4] gives init * 12. An empty range (before <= after + 1) returns init without
    reading shape.

    _c_closure_48, _c_closure_49, _c_closure_149 and _c_closure_166 compute the same product
    with the parameters in other orders.

    Parameters:
      after   int32
      init    int32
      before  int32
      shape   int32[], read
    Returns: size: int32
    """

def _c_closure_68(matcof: F64ArrayOut, n: Int32, /) -> None:
    r"""shape::packed_diagonal_minus_one_n_last (shape/symmetric.cpp: Symmetric and triangular index patterns)

    Packed diagonal set to -1, n last: matcof[(i + 1) * (i + 2) / 2 - 1] = -1.0 for i < n,
    the diagonal entries of the lower triangle of an n x n matrix packed row by row ((0,0),
    (1,0), (1,1), (2,0), ...). Other entries are left alone; matcof needs n * (n + 1) / 2
    entries. The same as _c_closure_62 with the parameters in the other order.

    Parameters:
      matcof  float64[], written
      n       int32
    Returns: None
    """

def _c_closure_69(barsubj: I32ArrayOut, off: Int32, blockid: Int32, msize: Int32, nblocks: Int32, nsub: Int32, matsubi: I32ArrayOut, matsubj: I32ArrayOut, natconmap_blockid: I32ArrayOut, natconmap_efix: F64ArrayOut, natconmap_idx: I32ArrayOut, natconmap_lb: F64ArrayOut, natconmap_type: I32ArrayOut, natconmap_ub: F64ArrayOut, nativeidxs: I32Array, n: Int32, rf64: F64Array, typecode: Int32, /) -> None:
    r"""shape::semidefinite_rows (shape/constraints.cpp: Constraint rows, domains and native map registration)

    Rows and slack terms of a semidefinite constraint block: writes its slack terms, its
    type and its rows.
    - slack terms from position 0: for b < nblocks, for the lower-triangle entries (i, j), j
      <= i, of an msize x msize matrix row by row ((0,0), (1,0), (1,1), ...), for k < nsub:
      barsubj[p] = nsub * b + k, matsubi[p] = i, matsubj[p] = j, p += 1; barsubj, matsubi
      and matsubj need nblocks * nsub * msize * (msize + 1) / 2 entries;
    - natconmap_type[blockid] = -typecode - 1;
    - for i < n, row j = nativeidxs[i]: natconmap_blockid[j] = blockid, natconmap_idx[j] =
      i, natconmap_efix[j] = rf64[off + i] (element i's constant, off being the base of the
      record's bfix run on the result stack), natconmap_lb[j] = natconmap_ub[j] = 0.0.

    The rows' slacks are set by _c_closure_64.

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

def _c_closure_70(axis: Int32, pre: Int32, post: Int32, total: Int32, nd: Int32, shape: I32Array, /) -> Tuple[Annotated[Int32, "pre"], Annotated[Int32, "post"], Annotated[Int32, "total"]]:
    r"""shape::sizes_around_axis (shape/index.cpp: Shapes, strides, linear and multi-dimensional indexes)

    Sizes around an axis: returns (pre * shape[0] * ... * shape[axis - 1], post * shape[axis
    + 1] * ... * shape[nd - 1], total * shape[0] * ... * shape[nd - 1]), each in 32-bit
    arithmetic that wraps: the sizes before and after dimension axis and the whole size,
    each times its own starting value. An empty range leaves its value unchanged (pre for
    axis <= 0, post for axis >= nd - 1, total for nd <= 0).

    Parameters:
      axis   int32
      pre    int32
      post   int32
      total  int32
      nd     int32
      shape  int32[], read
    Returns: (pre, post, total): (int32, int32, int32)
    """

def _c_closure_71(n: Int32, natvarmap_idx: I32ArrayOut, value: Int32, slackidxs: I32Array, /) -> None:
    r"""shape::stamp_slack_variables (shape/constraints.cpp: Constraint rows, domains and native map registration)

    Stamp slack variables in the native variable map: natvarmap_idx[slackidxs[i]] = value
    for i < n; other entries are left alone.

    Parameters:
      n              int32
      natvarmap_idx  int32[], written
      value          int32
      slackidxs      int32[], read
    Returns: None
    """

def _c_closure_72(axis: Int32, inner: Int32, outer: Int32, middle: Int32, permidxs: I32ArrayOut, shape: I32Array, slackidxs: I32Array, /) -> None:
    r"""shape::swap_axes_slacks (shape/transpose.cpp: Transposes and axis permutations of variables)

    Swap of the two trailing axes of slack indexes: the walk of _c_closure_35 from slackidxs
    into permidxs from position 0 (permidxs[p] = slackidxs[(i * inner + k) * middle + j] for
    i < outer, j < middle, k < inner, p = 0, 1, ...), done only when axis < len(shape) - 1;
    when axis names the last dimension (or lies beyond it) nothing is written. Only the
    length of shape is used (None counts as length 0). permidxs needs outer * inner * middle
    entries.

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

    Rows of a conic constraint block: for i < n, row j = nativeidxs[i]: natconmap_efix[j] =
    rf64[off + i] (element i's constant, off being the base of the record's bfix run on the
    result stack), natconmap_lb[j] = natconmap_ub[j] = 0.0, natconmap_slackidx[j] =
    slackidxs[i] + 1 (the scalar slack variable as a signed native index, so slack variable
    0 is stored as 1), natconmap_blockid[j] = blockid and natconmap_idx[j] = i. Each row
    thus requires its expression minus its slack variable to be zero.

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

def _c_closure_74(init: Int32, n: Int32, shape: I32Array, /) -> Annotated[Int32, "size"]:
    r"""shape::size_of_leading_init_first (shape/index.cpp: Shapes, strides, linear and multi-dimensional indexes)

    Size of the leading dimensions, init first: returns init * shape[0] * ... * shape[n -
    1], in 32-bit arithmetic that wraps; init when n <= 0 (shape is then not read). The
    product of _c_closure_32 with the parameters in this order.

    Parameters:
      init   int32
      n      int32
      shape  int32[], read
    Returns: size: int32
    """

def _c_closure_75(off: Int32, dombnd: F64Array, nobounds: Int32, isscalar: Int32, domsp: I32Matrix, efix: F64ArrayOut, lb: F64ArrayOut, nativeidxs: I32Array, nd: Int32, n: Int32, rf64: F64Array, shape: I32Array, ub: F64ArrayOut, /) -> None:
    r"""shape::equality_domain (shape/constraints.cpp: Constraint rows, domains and native map registration)

    Equality domain of a linear constraint, by native row j = nativeidxs[i]: first efix[j] =
    rf64[off + i] for i < n (off being the base of the record's bfix run on the result
    stack); then both bounds, by the first case that applies:
    - dombnd None: lb[j] = ub[j] = 0.0 for i < n;
    - isscalar != 0: lb[j] = ub[j] = dombnd[0] for i < n (domsp is ignored);
    - domsp None (a dense domain): lb[j] = ub[j] = dombnd[i] for i < n, unless nobounds != 0
      (then no bounds);
    - otherwise (a sparse domain; nobounds is not consulted): for each row r of domsp (its
      row count), with lin the row-major linear index of domsp[r, :] in shape (nd entries):
      lb[nativeidxs[lin]] = ub[nativeidxs[lin]] = dombnd[r]; nativeidxs then needs one entry
      per element of shape. The strides (32-bit) take nd int32 entries of scratch memory.

    Rows that no case writes keep the caller's bounds.

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

    Stamp constraint rows, n second: for i < n, row j = nativeidxs[i]: natconmap_idx[j] =
    value and natconmap_slackidx[j] = 0, so the row loses its slack whatever value is. Other
    rows are left alone. The same as _c_closure_51 with the parameters in this order.

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

    Stable bucket sort of a permutation by a reduced linear index: the values are linear
    indexes v = a*d1*d2 + b*d2 + c into a (d0, d1, d2) block; v falls into bucket q(v) = (v
    / (d1*d2))*d2 + v % d2 (the middle axis dropped), one of B = d0*d2 buckets. With N = the
    smaller of the lengths of val and perm, perm[0 .. N - 1] is regrouped by the bucket of
    val[perm[k]], the entries of one bucket keeping their order; perm[N ..] is left alone.

    ptrb needs B + 1 entries and no preparation: the kernel overwrites ptrb[0 .. B], and on
    return ptrb[q] is the end of bucket q (bucket 0 is perm[0 .. ptrb[0] - 1], bucket q is
    perm[ptrb[q - 1] .. ptrb[q] - 1]) and ptrb[B] = N. Every val[perm[k]] must lie in 0 ..
    d0*d1*d2 - 1 and every perm[k] in 0 .. len(val) - 1; when d1 or d2 is 0 every entry
    falls into bucket 0 (ptrb then needs at least 2 entries).

    Neither a count nor a build pass. It copies perm to scratch memory before writing
    anything: when that cannot be allocated it raises MemoryError with nothing written.

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

    Key ranges over a slice of a permutation (64-bit keys): over k = first .. last - 1 with
    e = idx[k]: res[0] = the minimum and res[1] = the maximum of vals1[e]; when vals2 is
    given, res[2] = the minimum and res[3] = the maximum of vals2[e]. With vals2 None,
    res[2] and res[3] are not touched.

    res needs 2 entries (4 with vals2). An empty range (first >= last) writes nothing.

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

    Key ranges over a slice of a permutation (32-bit keys): over k = first .. last - 1 with
    e = idx[k]: res[0] = the minimum and res[1] = the maximum of vals1[e]; when vals2 is
    given, res[2] = the minimum and res[3] = the maximum of vals2[e]. With vals2 None,
    res[2] and res[3] are not touched.

    res needs 2 entries (4 with vals2). An empty range (first >= last) writes nothing.

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

    Fill of an int64 array: st[k] = value for k < n. st needs n entries; n <= 0 writes
    nothing.

    Parameters:
      n      int32
      st     int64[], written
      value  int64
    Returns: None
    """

def _c_closure_81(n: Int32, st: I64ArrayOut, value: Int64, /) -> None:
    r"""sparse::fill (sparse/search.cpp: Searches, merges, ranges and index odometers)

    The same kernel as _c_closure_80.

    Fill of an int64 array: st[k] = value for k < n. st needs n entries; n <= 0 writes
    nothing.

    Parameters:
      n      int32
      st     int64[], written
      value  int64
    Returns: None
    """

def _c_closure_82(dims: I32Array, ii: I32ArrayOut, nd: Int32, st: I64ArrayOut, strides: I64Array, /) -> None:
    r"""sparse::advance_strided (sparse/search.cpp: Searches, merges, ranges and index odometers)

    Strided odometer step: advances a multi-index over the shape dims (nd axes, last axis
    fastest) by one position together with its offset. ii holds the index in reverse (ii[0]
    counts the last axis, ii[nd - 1] the first), st[l] the offset accumulated at level l,
    strides the stride of each axis in axis order. One call:
    - ii[0] += 1 and st[0] += strides[nd - 1];
    - l = 0; while l < nd - 1 and ii[l] = dims[nd - 1 - l]: ii[l] = 0, ii[l + 1] += 1, st[l
      + 1] += strides[nd - 2 - l], l += 1;
    - st[0 .. l - 1] = st[l] (the lower levels restart from the new offset).

    Start with ii all 0 and every st[l] = the base offset: st[0] is then always the base
    offset plus the sum of index times stride. Level nd - 1 is never reset: the caller stops
    when ii[nd - 1] reaches dims[0]. dims, ii, st and strides need nd entries; nd <= 0 does
    nothing.

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

    Fill of an int64 array: st[k] = value for k < n. st needs n entries; n <= 0 writes
    nothing.

    Parameters:
      n      int32
      st     int64[], written
      value  int64
    Returns: None
    """

def _c_closure_84(lo: Int32, hi: Int32, key: Int64, values: I64Array, /) -> Tuple[Annotated[Int32, "lo"], Annotated[Int32, "hi"]]:
    r"""sparse::search_last_at_most (sparse/search.cpp: Searches, merges, ranges and index odometers)

    Binary search step, last entry <= key: while lo < hi - 1: mid = (lo + hi) / 2 rounded
    toward zero (no 32-bit overflow); lo = mid when values[mid] <= key, else hi = mid.
    Returns (lo, hi).

    With values sorted and values[lo] <= key < values[hi] on entry, it ends with hi = lo + 1
    and lo at the last entry <= key. Only values[lo + 1 .. hi - 1] are read; when lo >= hi -
    1 nothing is read and (lo, hi) come back unchanged.

    Parameters:
      lo      int32
      hi      int32
      key     int64
      values  int64[], read
    Returns: (lo, hi): (int32, int32)
    """

def _c_closure_85(lo: Int32, hi: Int32, key: Int64, values: I64Array, /) -> Tuple[Annotated[Int32, "lo"], Annotated[Int32, "hi"]]:
    r"""sparse::search_first_at_least (sparse/search.cpp: Searches, merges, ranges and index odometers)

    Binary search step, first entry >= key: while lo < hi - 1: mid = (lo + hi) / 2 rounded
    toward zero (no 32-bit overflow); lo = mid when values[mid] < key, else hi = mid.
    Returns (lo, hi).

    With values sorted and values[lo] < key <= values[hi] on entry, it ends with lo = hi - 1
    and hi at the first entry >= key. Only values[lo + 1 .. hi - 1] are read; when lo >= hi
    - 1 nothing is read and (lo, hi) come back unchanged.

    Parameters:
      lo      int32
      hi      int32
      key     int64
      values  int64[], read
    Returns: (lo, hi): (int32, int32)
    """

def _c_closure_86(first: I32Array, last: I32Array, ndidx: I32ArrayOut, /) -> None:
    r"""sparse::advance_in_box (sparse/search.cpp: Searches, merges, ranges and index odometers)

    Box odometer step: advances ndidx (n = its length) by one position over the box first[d]
    <= ndidx[d] < last[d], last axis fastest: ndidx[n - 1] += 1; then for d = n - 1 down to
    1, while ndidx[d] >= last[d]: ndidx[d] = first[d] and ndidx[d - 1] += 1.

    Start from ndidx = first. Axis 0 is never reset: the caller stops when ndidx[0] reaches
    last[0]. first and last need n entries (entry 0 of each is not read); with n = 1 a call
    only increments ndidx[0], and an empty ndidx is left alone.

    Parameters:
      first  int32[], read
      last   int32[], read
      ndidx  int32[], written
    Returns: None
    """

def _c_closure_87(cptrb: I64ArrayOut, nnz: Int64, rptrb: I64ArrayOut, subi: I32Array, subj: I32Array, /) -> None:
    r"""sparse::count_rows_and_columns (sparse/compressed.cpp: Compressed sparse matrices and counting sorts)

    Row and column counts, the count pass of _c_closure_100 and _c_closure_97: for k < nnz,
    rptrb[subi[k] + 2] += 1 and cptrb[subj[k] + 2] += 1 (the two-slot counting; the column
    counts also size _c_closure_90 and _c_closure_94).

    For nrows rows and ncols columns (every subi[k] < nrows, subj[k] < ncols) rptrb needs
    nrows + 2 entries and cptrb ncols + 2, zero-filled by the caller: counts are added to
    what is there. Then _c_closure_88 (n = nrows) and _c_closure_89 (n = ncols) turn the
    counts into write cursors.

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

    Row starts from two-slot counts: in place, rptrb[k] += rptrb[k - 1] for k = 2 .. n in
    turn; entries 0 and 1 and those past n are left as they are; n <= 1 changes nothing.

    After _c_closure_98 (or _c_closure_87) with n = the number of rows, rptrb[r + 1] is the
    start of row r, the write cursor that _c_closure_100 advances. rptrb needs n + 1 entries
    (the counting array has n + 2).

    Parameters:
      n      int32
      rptrb  int64[], written
    Returns: None
    """

def _c_closure_89(cptrb: I64ArrayOut, n: Int32, /) -> None:
    r"""sparse::column_counts_to_starts (sparse/compressed.cpp: Compressed sparse matrices and counting sorts)

    Column starts from two-slot counts: in place, cptrb[k] += cptrb[k - 1] for k = 2 .. n in
    turn; entries 0 and 1 and those past n are left as they are; n <= 1 changes nothing.

    After _c_closure_95 (or _c_closure_87) with n = the number of columns, cptrb[c + 1] is
    the start of column c, the write cursor that _c_closure_97 advances (pass cptrb from its
    entry 1 on to _c_closure_90 and _c_closure_94). cptrb needs n + 1 entries (the counting
    array has n + 2).

    Parameters:
      cptrb  int64[], written
      n      int32
    Returns: None
    """

def _c_closure_90(cptrb: I64ArrayOut, n: Int32, rptrb: I64Array, subj: I32Array, tsubi: I64ArrayOut, tsubj: I64ArrayOut, tval: F64ArrayOut, val: F64Array, /) -> None:
    r"""sparse::rows_to_columns_wide (sparse/compressed.cpp: Compressed sparse matrices and counting sorts)

    Row-compressed to column order (64-bit tsubi, tsubj), the build pass sized by
    _c_closure_95 and _c_closure_89: for rows r < n in order and t = rptrb[r] .. rptrb[r +
    1] - 1, with c = subj[t] and q = cptrb[c]: tsubi[q] = r, tsubj[q] = c, tval[q] = val[t],
    then cptrb[c] = q + 1.

    cptrb[c] is the write cursor of column c: pass the two-slot array of _c_closure_95 and
    _c_closure_89 from its entry 1 on (cptrb[1:]), and that array's entries 0 .. ncols are
    the column pointers on return; any array holding each column's first position works too
    and ends holding each column's end. rptrb holds the n + 1 row pointers; tsubi, tsubj and
    tval need rptrb[n] entries.

    The triplets come out by column and, within a column, by row.

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

    Row and column counts, the count pass of _c_closure_100 and _c_closure_97: for k < nnz,
    rptrb[subi[k] + 2] += 1 and cptrb[subj[k] + 2] += 1 (the two-slot counting; the column
    counts also size _c_closure_90 and _c_closure_94).

    For nrows rows and ncols columns (every subi[k] < nrows, subj[k] < ncols) rptrb needs
    nrows + 2 entries and cptrb ncols + 2, zero-filled by the caller: counts are added to
    what is there. Then _c_closure_88 (n = nrows) and _c_closure_89 (n = ncols) turn the
    counts into write cursors.

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

    Row starts from two-slot counts: in place, rptrb[k] += rptrb[k - 1] for k = 2 .. n in
    turn; entries 0 and 1 and those past n are left as they are; n <= 1 changes nothing.

    After _c_closure_98 (or _c_closure_87) with n = the number of rows, rptrb[r + 1] is the
    start of row r, the write cursor that _c_closure_100 advances. rptrb needs n + 1 entries
    (the counting array has n + 2).

    Parameters:
      n      int32
      rptrb  int64[], written
    Returns: None
    """

def _c_closure_93(cptrb: I64ArrayOut, n: Int32, /) -> None:
    r"""sparse::column_counts_to_starts (sparse/compressed.cpp: Compressed sparse matrices and counting sorts)

    The same kernel as _c_closure_89.

    Column starts from two-slot counts: in place, cptrb[k] += cptrb[k - 1] for k = 2 .. n in
    turn; entries 0 and 1 and those past n are left as they are; n <= 1 changes nothing.

    After _c_closure_95 (or _c_closure_87) with n = the number of columns, cptrb[c + 1] is
    the start of column c, the write cursor that _c_closure_97 advances (pass cptrb from its
    entry 1 on to _c_closure_90 and _c_closure_94). cptrb needs n + 1 entries (the counting
    array has n + 2).

    Parameters:
      cptrb  int64[], written
      n      int32
    Returns: None
    """

def _c_closure_94(cptrb: I64ArrayOut, n: Int32, rptrb: I64Array, subj: I32Array, tsubi: I32ArrayOut, tsubj: I32ArrayOut, tval: F64ArrayOut, val: F64Array, /) -> None:
    r"""sparse::rows_to_columns (sparse/compressed.cpp: Compressed sparse matrices and counting sorts)

    Row-compressed to column order (32-bit tsubi, tsubj), the build pass sized by
    _c_closure_95 and _c_closure_89: for rows r < n in order and t = rptrb[r] .. rptrb[r +
    1] - 1, with c = subj[t] and q = cptrb[c]: tsubi[q] = r, tsubj[q] = c, tval[q] = val[t],
    then cptrb[c] = q + 1.

    cptrb[c] is the write cursor of column c: pass the two-slot array of _c_closure_95 and
    _c_closure_89 from its entry 1 on (cptrb[1:]), and that array's entries 0 .. ncols are
    the column pointers on return; any array holding each column's first position works too
    and ends holding each column's end. rptrb holds the n + 1 row pointers; tsubi, tsubj and
    tval need rptrb[n] entries.

    The triplets come out by column and, within a column, by row.

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

    Column counts, the count pass of _c_closure_97, _c_closure_90 and _c_closure_94: for k <
    nnz, cptrb[subj[k] + 2] += 1 (the two-slot counting).

    cptrb needs ncols + 2 entries (every subj[k] < ncols), zero-filled by the caller: counts
    are added to what is there. Then _c_closure_89 with n = ncols makes cptrb[c + 1] the
    start of column c.

    Parameters:
      cptrb  int64[], written
      nnz    int64
      subj   int32[], read
    Returns: None
    """

def _c_closure_96(cptrb: I64ArrayOut, n: Int32, /) -> None:
    r"""sparse::column_counts_to_starts (sparse/compressed.cpp: Compressed sparse matrices and counting sorts)

    The same kernel as _c_closure_89.

    Column starts from two-slot counts: in place, cptrb[k] += cptrb[k - 1] for k = 2 .. n in
    turn; entries 0 and 1 and those past n are left as they are; n <= 1 changes nothing.

    After _c_closure_95 (or _c_closure_87) with n = the number of columns, cptrb[c + 1] is
    the start of column c, the write cursor that _c_closure_97 advances (pass cptrb from its
    entry 1 on to _c_closure_90 and _c_closure_94). cptrb needs n + 1 entries (the counting
    array has n + 2).

    Parameters:
      cptrb  int64[], written
      n      int32
    Returns: None
    """

def _c_closure_97(cols: I32ArrayOut, cptrb: I64ArrayOut, nnz: Int64, subj: I32Array, /) -> None:
    r"""sparse::entries_by_column (sparse/compressed.cpp: Compressed sparse matrices and counting sorts)

    Entries by column, the build pass sized by _c_closure_95 and _c_closure_89: for k < nnz
    in order, with c = subj[k]: cols[cptrb[c + 1]] = k, then cptrb[c + 1] += 1. cols lists
    the entry numbers by column, each column's in increasing k (a stable counting sort).

    cptrb is the two-slot array (ncols + 2 entries) after _c_closure_95 and _c_closure_89;
    on return cptrb[0 .. ncols] are the column pointers that _c_closure_100 reads. cols
    needs nnz entries.

    Parameters:
      cols   int32[], written
      cptrb  int64[], written
      nnz    int64
      subj   int32[], read
    Returns: None
    """

def _c_closure_98(nnz: Int64, rptrb: I64ArrayOut, subi: I32Array, /) -> None:
    r"""sparse::count_rows (sparse/compressed.cpp: Compressed sparse matrices and counting sorts)

    Row counts, the count pass of _c_closure_100: for k < nnz, rptrb[subi[k] + 2] += 1 (the
    two-slot counting).

    rptrb needs nrows + 2 entries (every subi[k] < nrows), zero-filled by the caller: counts
    are added to what is there. Then _c_closure_88 with n = nrows makes rptrb[r + 1] the
    start of row r.

    Parameters:
      nnz    int64
      rptrb  int64[], written
      subi   int32[], read
    Returns: None
    """

def _c_closure_99(n: Int32, rptrb: I64ArrayOut, /) -> None:
    r"""sparse::row_counts_to_starts (sparse/compressed.cpp: Compressed sparse matrices and counting sorts)

    The same kernel as _c_closure_88.

    Row starts from two-slot counts: in place, rptrb[k] += rptrb[k - 1] for k = 2 .. n in
    turn; entries 0 and 1 and those past n are left as they are; n <= 1 changes nothing.

    After _c_closure_98 (or _c_closure_87) with n = the number of rows, rptrb[r + 1] is the
    start of row r, the write cursor that _c_closure_100 advances. rptrb needs n + 1 entries
    (the counting array has n + 2).

    Parameters:
      n      int32
      rptrb  int64[], written
    Returns: None
    """

def _c_closure_100(cols: I32Array, cptrb: I64Array, n: Int32, rows: I32ArrayOut, rptrb: I64ArrayOut, subi: I32Array, /) -> None:
    r"""sparse::entries_by_row_then_column (sparse/compressed.cpp: Compressed sparse matrices and counting sorts)

    Entries by row then column, the build pass sized by _c_closure_98 and _c_closure_88: for
    columns c < n in order and t = cptrb[c] .. cptrb[c + 1] - 1, with k = cols[t] and r =
    subi[k]: rows[rptrb[r + 1]] = k, then rptrb[r + 1] += 1.

    cols and cptrb are the column listing of _c_closure_97 (cptrb as column pointers, n =
    the number of columns). rptrb is the two-slot array (nrows + 2 entries) after
    _c_closure_98 and _c_closure_88; on return rptrb[0 .. nrows] are the row pointers. rows
    needs nnz entries and lists the entries by row, within a row by column, within one
    coordinate by input position: the order that _c_closure_101 and _c_closure_102 walk.

    Parameters:
      cols   int32[], read
      cptrb  int64[], read
      n      int32
      rows   int32[], written
      rptrb  int64[], written
      subi   int32[], read
    Returns: None
    """

def _c_closure_101(nnz: Int64, init: Int32, rows: I32Array, subi: I32Array, subj: I32Array, /) -> Annotated[Int32, "count"]:
    r"""sparse::distinct_coordinates (sparse/compressed.cpp: Compressed sparse matrices and counting sorts)

    Distinct coordinates, the count pass of _c_closure_102: returns init plus the number of
    k = 1 .. nnz - 1 at which the coordinate (subi, subj) of entry rows[k] differs from that
    of entry rows[k - 1], wrapping in 32 bits.

    With rows from _c_closure_100 (equal coordinates adjacent), init = 1 and nnz >= 1, the
    number of distinct coordinates. nnz <= 1 returns init.

    Parameters:
      nnz   int64
      init  int32
      rows  int32[], read
      subi  int32[], read
      subj  int32[], read
    Returns: count: int32
    """

def _c_closure_102(pos: Int32, nnz: Int64, rows: I32Array, subi: I32Array, subj: I32Array, tsubi: I32ArrayOut, tsubj: I32ArrayOut, tval: F64ArrayOut, val: F64Array, /) -> Annotated[Int32, "pos"]:
    r"""sparse::merge_duplicates (sparse/compressed.cpp: Compressed sparse matrices and counting sorts)

    Merging duplicate coordinates, the build pass sized by _c_closure_101: for k = 1 .. nnz
    - 1 with e = rows[k] (equal coordinates adjacent, as _c_closure_100 lists them): when
    (subi[e], subj[e]) = (tsubi[pos - 1], tsubj[pos - 1]), tval[pos - 1] += val[e];
    otherwise tsubi[pos] = subi[e], tsubj[pos] = subj[e], tval[pos] = val[e], and pos
    advances.

    The kernel does not write entry rows[0]: the caller writes it at position pos - 1 first
    and passes that pos (>= 1). tsubi, tsubj and tval need pos - 1 + count entries, count
    being what _c_closure_101 returns with init = 1. Values of one coordinate are summed in
    the order of rows; sums of zero stay in the output.

    Returns the final pos, one past the last entry written (a 32-bit running position).

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
    Returns: pos: int32
    """

def _c_closure_103(lo: Int32, mid: Int32, hi: Int32, src: I32Array, tgt: I32ArrayOut, vals: I32Array, /) -> None:
    r"""sparse::merge_step (sparse/search.cpp: Searches, merges, ranges and index odometers)

    Merge step of a merge sort of entry numbers: src[lo .. mid - 1] and src[mid .. hi - 1]
    are two runs of entry numbers e, each sorted by the key vals[e]; their merge by key is
    written to tgt[lo .. hi - 1]. hi is first clamped to the length of src and mid to hi.

    When the second run is empty (mid = hi after clamping) the first is copied unchanged. On
    equal keys the second run's entry goes first (src[i] of the first run is taken only when
    its key is strictly smaller). tgt needs hi entries (after clamping) and must be another
    array than src; entries outside lo .. hi - 1 are left alone.

    Parameters:
      lo    int32
      mid   int32
      hi    int32
      src   int32[], read
      tgt   int32[], written
      vals  int32[], read
    Returns: None
    """

def _c_closure_104(end: Int32, slx: F64ArrayOut, start: Int32, sux: F64ArrayOut, xx: F64ArrayOut, yx: F64ArrayOut, /) -> Annotated[Int32, "end"]:
    r"""native::clear_variable_values (native/solution.cpp: Solution values read back through the native maps, and clearing of solution ranges)

    Clearing of variable values: slx[k], sux[k], xx[k] and yx[k] become 0.0 for start <= k <
    end (the four arrays of one k before the next); nothing when end <= start. Note the
    argument order: end, slx, start. Returns end in every case. _c_closure_105 clears all
    but yx.

    Parameters:
      end    int32
      slx    float64[], written
      start  int32
      sux    float64[], written
      xx     float64[], written
      yx     float64[], written
    Returns: end: int32
    """

def _c_closure_105(end: Int32, slx: F64ArrayOut, start: Int32, sux: F64ArrayOut, xx: F64ArrayOut, /) -> None:
    r"""native::clear_variable_values_except_yx (native/solution.cpp: Solution values read back through the native maps, and clearing of solution ranges)

    Clearing of variable values except yx: slx[k], sux[k] and xx[k] become 0.0 for start <=
    k < end; yx is not touched; nothing when end <= start. Note the argument order: end,
    slx, start. Returns None (_c_closure_104 also clears yx and returns end).

    Parameters:
      end    int32
      slx    float64[], written
      start  int32
      sux    float64[], written
      xx     float64[], written
    Returns: None
    """

def _c_closure_106(end: Int32, slc: F64ArrayOut, start: Int32, suc: F64ArrayOut, xc: F64ArrayOut, y: F64ArrayOut, /) -> Annotated[Int32, "end"]:
    r"""native::clear_constraint_values (native/solution.cpp: Solution values read back through the native maps, and clearing of solution ranges)

    Clearing of constraint values: slc[k], suc[k], xc[k] and y[k] become 0.0 for start <= k
    < end (the four arrays of one k before the next); nothing when end <= start. Note the
    argument order: end, slc, start. Returns end in every case; _c_closure_107 is the same
    returning None.

    Parameters:
      end    int32
      slc    float64[], written
      start  int32
      suc    float64[], written
      xc     float64[], written
      y      float64[], written
    Returns: end: int32
    """

def _c_closure_107(end: Int32, slc: F64ArrayOut, start: Int32, suc: F64ArrayOut, xc: F64ArrayOut, y: F64ArrayOut, /) -> None:
    r"""native::clear_constraint_values_quietly (native/solution.cpp: Solution values read back through the native maps, and clearing of solution ranges)

    Clearing of constraint values, returning nothing: slc[k], suc[k], xc[k] and y[k] become
    0.0 for start <= k < end; nothing when end <= start. Note the argument order: end, slc,
    start. The same clearing as _c_closure_106, which returns end.

    Parameters:
      end    int32
      slc    float64[], written
      start  int32
      suc    float64[], written
      xc     float64[], written
      y      float64[], written
    Returns: None
    """

def _c_closure_108(end: Int32, snx: F64ArrayOut, start: Int32, /) -> Annotated[Int32, "end"]:
    r"""native::clear_conic_duals (native/solution.cpp: Solution values read back through the native maps, and clearing of solution ranges)

    Clearing of conic duals: snx[k] = 0.0 for start <= k < end; nothing when end <= start.
    Note the argument order: end, snx, start. Returns end in every case; _c_closure_109 is
    the same returning None.

    Parameters:
      end    int32
      snx    float64[], written
      start  int32
    Returns: end: int32
    """

def _c_closure_109(end: Int32, snx: F64ArrayOut, start: Int32, /) -> None:
    r"""native::clear_conic_duals_quietly (native/solution.cpp: Solution values read back through the native maps, and clearing of solution ranges)

    Clearing of conic duals, returning nothing: snx[k] = 0.0 for start <= k < end; nothing
    when end <= start. Note the argument order: end, snx, start. The same clearing as
    _c_closure_108, which returns end.

    Parameters:
      end    int32
      snx    float64[], written
      start  int32
    Returns: None
    """

def _c_closure_110(n: Int32, ri32: I32ArrayOut, shape: I32Array, off: Int32, /) -> None:
    r"""shape::shape_to_result (shape/index.cpp: Shapes, strides, linear and multi-dimensional indexes)

    Shape onto the result stack: ri32[off + k] = shape[k] for k < n, the shape run of a
    record (a variable's record is completed by _c_closure_111). ri32 needs room at off ..
    off + n - 1; n <= 0 writes nothing.

    Parameters:
      n      int32
      ri32   int32[], written
      shape  int32[], read
      off    int32
    Returns: None
    """

def _c_closure_111(bfix_base: Int32, cof_base: Int32, issparse: Int32, nativeidxs: I64Array, nidxs_base: Int32, nelem: Int32, ptr_base: Int32, rf64: F64ArrayOut, ri32: I32ArrayOut, ri64: I64ArrayOut, sp_base: Int32, sparsity: I64Array, /) -> None:
    r"""shape::variable_record (shape/variables.cpp: Variables as expression records, and spreading values to shapes)

    Variable as an expression record on the result stack: nelem elements, each with one term
    (its own native index, coefficient 1.0) and constant 0.0:
    - ptr: ri32[ptr_base + k] = k for k = 0 .. nelem (nelem + 1 entries; ptr[0] = 0 is
      written);
    - nidxs: ri64[nidxs_base + i] = nativeidxs[i] for i < nelem;
    - sp: ri64[sp_base + i] = sparsity[i] for i < nelem, only when issparse != 0 (otherwise
      sparsity is not read, None is accepted, and nothing is written at sp_base);
    - cof: rf64[cof_base + i] = 1.0 and bfix: rf64[bfix_base + i] = 0.0 for i < nelem.

    The caller reserves those runs (nelem + 1 int32 entries, nelem int64 entries for nidxs
    and for sp, nelem float64 entries each for cof and bfix); the record has nnz = nelem
    terms. Its shape run is written by _c_closure_110. nelem = 0 writes only ptr[0] = 0.

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

def _c_closure_112(shape: I32Array, init: Int64, /) -> Annotated[Int64, "size"]:
    r"""shape::size_of_shape64 (shape/index.cpp: Shapes, strides, linear and multi-dimensional indexes)

    Size of a shape in 64 bits: returns init * shape[0] * ... * shape[len(shape) - 1], over
    the whole length of shape, accumulated in 64 bits, so a product beyond 2**31 does not
    wrap (one beyond 2**63 wraps in 64 bits). An empty shape (or None) returns init.

    Parameters:
      shape  int32[], read
      init   int64
    Returns: size: int64
    """

def _c_closure_113(nativeidxs: I64Array, res: F64Array, sparsity: I64Array, spread_res: F64ArrayOut, /) -> None:
    r"""shape::spread_values (shape/variables.cpp: Variables as expression records, and spreading values to shapes)

    Spread values to a dense array: spread_res[sparsity[i]] = res[i] for i <
    len(nativeidxs), the variable's present elements (nativeidxs is read only for its
    length). With sparsity None (a dense variable) spread_res[i] = res[i]. Entries of
    spread_res at absent positions keep what the caller put there (zero-fill it for zeros);
    spread_res needs the variable's element count and res len(nativeidxs) entries.

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

    Spread values to a dense array: spread_res[sparsity[i]] = res[i] for i <
    len(nativeidxs), the variable's present elements (nativeidxs is read only for its
    length). With sparsity None (a dense variable) spread_res[i] = res[i]. Entries of
    spread_res at absent positions keep what the caller put there (zero-fill it for zeros);
    spread_res needs the variable's element count and res len(nativeidxs) entries.

    Parameters:
      nativeidxs  int64[], read
      res         float64[], read
      sparsity    int64[], read
      spread_res  float64[], written
    Returns: None
    """

def _c_closure_115(idxs: I64ArrayOut, nativeidxs: I64Array, shape: I32Array, sp: I64ArrayOut, sparsity: I64Array, /) -> None:
    r"""shape::transpose_matrix (shape/transpose.cpp: Transposes and axis permutations of variables)

    Transpose of a matrix variable: with (r, c) = (shape[0], shape[1]), the element at (i,
    j) moves to (j, i).
    - sparse (sparsity given, strictly ascending, nnz = len(sparsity)): sp receives the
      transposed variable's sparsity, strictly ascending (element (i, j) at linear index j *
      r + i), and idxs its native indexes (nativeidxs[k] goes with sparsity[k]); both need
      nnz entries. A counting sort by column that takes c + 1 int32 entries of scratch
      memory.
    - dense (sparsity None): idxs[j * r + i] = nativeidxs[i * c + j] for i < r, j < c; idxs
      needs r * c entries and sp is not touched (None is accepted).

    A variable without elements writes nothing.

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

    Index into a one-row multi-index: midx[0, k] = index[k] for every k < len(index) (the
    count is the length of index). midx is two-dimensional with at least one row and
    len(index) columns; other rows are left alone.

    Parameters:
      index  int32[], read
      midx   int32[,], written
    Returns: None
    """

def _c_closure_117(i0: I32Array, i1: I32Array, i2: I32Array, midxs: I32MatrixOut, /) -> None:
    r"""shape::coords3_to_midxs (shape/index.cpp: Shapes, strides, linear and multi-dimensional indexes)

    Three coordinate lists into multi-index rows: midxs[i, 0] = i0[i], midxs[i, 1] = i1[i]
    and midxs[i, 2] = i2[i] for every i < len(i0). The count is the length of i0: i1 and i2
    need as many entries, midxs as many rows and at least 3 columns (columns after the third
    are left alone).

    Parameters:
      i0     int32[], read
      i1     int32[], read
      i2     int32[], read
      midxs  int32[,], written
    Returns: None
    """

def _c_closure_118(i0: I32Array, i1: I32Array, midxs: I32MatrixOut, /) -> None:
    r"""shape::coords2_to_midxs (shape/index.cpp: Shapes, strides, linear and multi-dimensional indexes)

    Two coordinate lists into multi-index rows: midxs[i, 0] = i0[i] and midxs[i, 1] = i1[i]
    for every i < len(i0). The count is the length of i0: i1 needs as many entries, midxs as
    many rows and at least 2 columns (columns after the second are left alone).

    Parameters:
      i0     int32[], read
      i1     int32[], read
      midxs  int32[,], written
    Returns: None
    """

def _c_closure_119(flag: Int32, midxs: I32Matrix, shape: I32Array, /) -> Annotated[bool, "outofrange"]:
    r"""shape::midxs_out_of_range (shape/index.cpp: Shapes, strides, linear and multi-dimensional indexes)

    Range check of multi-indexes: returns True when flag != 0 or some midxs[i, k] lies
    outside 0 .. shape[k] - 1, over every row and column of the midxs buffer (there is no
    count parameter; shape needs one entry per column), else False. Writes nothing and
    visits every entry. An empty midxs returns bool(flag); a True flag stays True whatever
    the data, so checks can be chained.

    Parameters:
      flag   int32
      midxs  int32[,], read
      shape  int32[], read
    Returns: outofrange: bool
    """

def _c_closure_120(nd: Int32, shape: I32Array, strides: I64ArrayOut, /) -> None:
    r"""shape::strides64_from_innermost (shape/index.cpp: Shapes, strides, linear and multi-dimensional indexes)

    Strides in 64 bits from a preset innermost one: strides[k - 1] = strides[k] * shape[k]
    for k = nd - 1 down to 1, in 64-bit arithmetic. The caller sets strides[nd - 1] (1 for
    row-major strides); only strides[0 .. nd - 2] are written, so strides needs nd entries.
    nd <= 1 writes nothing.

    Parameters:
      nd       int32
      shape    int32[], read
      strides  int64[], written
    Returns: None
    """

def _c_closure_121(idxs: I64ArrayOut, midxs: I32Matrix, nativeidxs: I64Array, nd: Int32, strides: I64Array, /) -> None:
    r"""shape::native_of_midxs (shape/index.cpp: Shapes, strides, linear and multi-dimensional indexes)

    Native indexes at multi-indexes of a dense variable: for every row i of midxs (its row
    count; there is no count parameter), idxs[i] = nativeidxs[q] with q = midxs[i, 0] *
    strides[0] + ... + midxs[i, nd - 1] * strides[nd - 1] in 64 bits. nativeidxs lists the
    variable's native indexes in row-major order and strides are its int64 row-major strides
    (_c_closure_120). idxs needs one entry per row of midxs. Coordinates are not checked
    (_c_closure_119 checks them).

    Parameters:
      idxs        int64[], written
      midxs       int32[,], read
      nativeidxs  int64[], read
      nd          int32
      strides     int64[], read
    Returns: None
    """

def _c_closure_122(row: Int32, init: Int64, midxs: I32Matrix, nd: Int32, strides: I64Array, /) -> Annotated[Int64, "index"]:
    r"""shape::linear_index_of_row (shape/index.cpp: Shapes, strides, linear and multi-dimensional indexes)

    Linear index of one multi-index row: returns init + midxs[row, 0] * strides[0] + ... +
    midxs[row, nd - 1] * strides[nd - 1], in 64-bit arithmetic. Only row row of midxs is
    read; nd <= 0 returns init.

    Parameters:
      row      int32
      init     int64
      midxs    int32[,], read
      nd       int32
      strides  int64[], read
    Returns: index: int64
    """

def _c_closure_123(row: Int32, init: Int64, midxs: I32Matrix, nd: Int32, strides: I64Array, /) -> Annotated[Int64, "index"]:
    r"""shape::linear_index_of_row (shape/index.cpp: Shapes, strides, linear and multi-dimensional indexes)

    The same kernel as _c_closure_122.

    Linear index of one multi-index row: returns init + midxs[row, 0] * strides[0] + ... +
    midxs[row, nd - 1] * strides[nd - 1], in 64-bit arithmetic. Only row row of midxs is
    read; nd <= 0 returns init.

    Parameters:
      row      int32
      init     int64
      midxs    int32[,], read
      nd       int32
      strides  int64[], read
    Returns: index: int64
    """

def _c_closure_124(idxs: I32Array, flag: Int32, shape: I32Array, /) -> Annotated[bool, "outofrange"]:
    r"""shape::idxs_out_of_range (shape/index.cpp: Shapes, strides, linear and multi-dimensional indexes)

    Range check of single coordinates: returns True when flag != 0 or some idxs[i], over the
    whole length of idxs, lies outside 0 .. shape[0] - 1, else False. Writes nothing and
    visits every entry; an empty idxs returns bool(flag) without reading shape.

    Parameters:
      idxs   int32[], read
      flag   int32
      shape  int32[], read
    Returns: outofrange: bool
    """

def _c_closure_125(nd: Int32, shape: I32Array, strides: I64ArrayOut, /) -> None:
    r"""shape::strides64_from_innermost (shape/index.cpp: Shapes, strides, linear and multi-dimensional indexes)

    The same kernel as _c_closure_120.

    Strides in 64 bits from a preset innermost one: strides[k - 1] = strides[k] * shape[k]
    for k = nd - 1 down to 1, in 64-bit arithmetic. The caller sets strides[nd - 1] (1 for
    row-major strides); only strides[0 .. nd - 2] are written, so strides needs nd entries.
    nd <= 1 writes nothing.

    Parameters:
      nd       int32
      shape    int32[], read
      strides  int64[], written
    Returns: None
    """

def _c_closure_126(firstidx: I32Array, init: Int64, step: I32Array, strides: I64Array, /) -> Annotated[Int64, "index"]:
    r"""shape::linear_index_of_first (shape/index.cpp: Shapes, strides, linear and multi-dimensional indexes)

    Linear index of a strided slice's first element: returns init + firstidx[k] * strides[k]
    summed over k < len(step), in 64-bit arithmetic. The count is the length of step (equal
    to that of firstidx), not of firstidx; with _c_closure_127 it places a strided pick in
    the linear index space.

    Parameters:
      firstidx  int32[], read
      init      int64
      step      int32[], read
      strides   int64[], read
    Returns: index: int64
    """

def _c_closure_127(step: I32Array, init: Int64, strides: I64Array, /) -> Annotated[Int64, "offset"]:
    r"""shape::linear_offset_of_step (shape/index.cpp: Shapes, strides, linear and multi-dimensional indexes)

    Linear offset of a step: returns init + step[k] * strides[k] summed over k < len(step),
    in 64-bit arithmetic: how far one step of a strided pick moves in linear index.

    Parameters:
      step     int32[], read
      init     int64
      strides  int64[], read
    Returns: offset: int64
    """

def _c_closure_128(nativeidxs: I64Array, n: Int32, residxs: I64ArrayOut, start: Int64, step: Int64, /) -> None:
    r"""shape::strided_pick (shape/slices.cpp: Slices and native index lists of variables)

    Strided pick from a dense one-dimensional variable: residxs[i] = nativeidxs[start + i *
    step] for i < n, positions in 64 bits (step may be negative). residxs needs n entries;
    every position read must lie inside nativeidxs (not checked); e.g. start 1, step 2, n 3
    picks positions 1, 3, 5.

    Parameters:
      nativeidxs  int64[], read
      n           int32
      residxs     int64[], written
      start       int64
      step        int64
    Returns: None
    """

def _c_closure_129(first: I32Array, last: I32Array, n: Int32, init: Int32, /) -> Annotated[Int32, "size"]:
    r"""shape::box_size (shape/slices.cpp: Slices and native index lists of variables)

    Element count of a box: returns init * (last[0] - first[0]) * ... * (last[n - 1] -
    first[n - 1]), in 32-bit arithmetic that wraps; a dimension with last[k] = first[k]
    gives 0, and n <= 0 returns init. With init = 1 and n = nd it is the n of the dense
    slice _c_closure_132 (the entries its sliceidxs needs).

    Parameters:
      first  int32[], read
      last   int32[], read
      n      int32
      init   int32
    Returns: size: int32
    """

def _c_closure_130(first: I32Array, key: I32ArrayOut, last: I32Array, nd: Int32, init: Int32, shape: I32Array, sparsity: I64Array, /) -> Annotated[Int32, "count"]:
    r"""shape::count_in_box (shape/slices.cpp: Slices and native index lists of variables)

    Present elements in a box, the count pass of _c_closure_131: returns init + the number
    of entries of sparsity (its whole length) whose multi-index m in shape satisfies
    first[k] <= m[k] < last[k] for every k < nd (a 32-bit count that wraps). key (nd
    entries) is scratch: the kernel writes into it the multi-index of each element it tests.
    shape[1 .. nd - 1] are read (shape[0] is not). With nd <= 0 every element counts and key
    is left alone.

    Parameters:
      first     int32[], read
      key       int32[], written
      last      int32[], read
      nd        int32
      init      int32
      shape     int32[], read
      sparsity  int64[], read
    Returns: count: int32
    """

def _c_closure_131(first: I32Array, pos: Int32, idxs: I64ArrayOut, key: I32ArrayOut, last: I32Array, nativeidxs: I64Array, nd: Int32, shape: I32Array, sliceshape: I32Array, sp: I64ArrayOut, sparsity: I64Array, /) -> Annotated[Int32, "pos"]:
    r"""shape::write_in_box (shape/slices.cpp: Slices and native index lists of variables)

    Present elements in a box, the build pass sized by _c_closure_130: for each entry i of
    sparsity in order (its whole length) whose multi-index m in shape lies in the box
    first[k] <= m[k] < last[k], k < nd: idxs[pos] = nativeidxs[i], sp[pos] = the row-major
    linear index of m - first in sliceshape (64-bit), and pos += 1.

    idxs and sp need room at pos .. pos + count - 1, count being what _c_closure_130 adds
    for the same box; sliceshape[k] = last[k] - first[k]. With sparsity ascending, sp comes
    out ascending: the slice's sparsity, with idxs its nativeidxs. key (nd entries) is
    scratch, as in _c_closure_130.

    Returns the final pos (32-bit), so that calls chain.

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
    Returns: pos: int32
    """

def _c_closure_132(first: I32Array, last: I32Array, nativeidxs: I64Array, nd: Int32, shape: I32Array, sliceidxs: I64ArrayOut, n: Int32, /) -> None:
    r"""shape::dense_slice (shape/slices.cpp: Slices and native index lists of variables)

    Dense slice: sliceidxs[0 .. n - 1] = the native indexes of the elements of the box
    first[k] <= m[k] < last[k], k < nd, of a dense variable of shape shape whose nativeidxs
    are in row-major order, listed in row-major order of the box; e.g. shape [3, 4], box [1,
    1] .. [3, 3] reads positions 5, 6, 9, 10. n must be the box's element count
    (_c_closure_129 with init 1), the entries sliceidxs needs. A 0-dimensional variable (nd
    <= 0) gives sliceidxs[0] = nativeidxs[0] when n >= 1. Positions are 32-bit; the kernel
    takes 3 * nd int32 entries of scratch memory.

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

    Place an operand's native indexes with their positions: for every i < len(thisnidxs),
    nativeidxs[off + i] = thisnidxs[i] and sparsity[spoff + i] = i. The count is the length
    of thisnidxs; nativeidxs (written here) needs room at off .. off + len(thisnidxs) - 1
    and sparsity at spoff .. spoff + len(thisnidxs) - 1.

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

    Place a native index list at an offset: nindex[off + i] = nativeidxs[i] for every i <
    len(nativeidxs) (the count is the length of nativeidxs); nindex needs room at off .. off
    + len(nativeidxs) - 1.

    Parameters:
      nativeidxs  int64[], read
      nindex      int64[], written
      off         int32
    Returns: None
    """

def _c_closure_135(init: Int32, shape: I32Array, /) -> Annotated[Int32, "size"]:
    r"""shape::size_of_shape (shape/index.cpp: Shapes, strides, linear and multi-dimensional indexes)

    The same kernel as _c_closure_28.

    Size of a shape: returns init * shape[0] * ... * shape[len(shape) - 1], over the whole
    length of shape (there is no count parameter), in 32-bit arithmetic that wraps. An empty
    shape (or None) returns init, so with init = 1 it is the element count of an array of
    that shape, 1 for nd = 0. _c_closure_138 takes the parameters in the other order;
    _c_closure_112 gives the product in 64 bits.

    Parameters:
      init   int32
      shape  int32[], read
    Returns: size: int32
    """

def _c_closure_136(n: Int32, nindex: I64ArrayOut, off: Int32, /) -> None:
    r"""shape::clear_at (shape/slices.cpp: Slices and native index lists of variables)

    Clear a range of a native index list: nindex[off + i] = 0 for i < n; n <= 0 writes
    nothing. Used before _c_closure_137, so that the absent elements of a sparse variable
    read as 0 (no variable).

    Parameters:
      n       int32
      nindex  int64[], written
      off     int32
    Returns: None
    """

def _c_closure_137(nativeidxs: I64Array, nindex: I64ArrayOut, off: Int32, sparsity: I64Array, /) -> None:
    r"""shape::scatter_at (shape/slices.cpp: Slices and native index lists of variables)

    Scatter a sparse variable into a dense native index list: nindex[off + sparsity[i]] =
    nativeidxs[i] for every i < len(sparsity) (the count is the length of sparsity;
    nativeidxs needs as many entries). Entries at absent positions keep what the caller put
    there (0 after _c_closure_136); nindex needs room at off .. off + size - 1, size being
    the variable's element count.

    Parameters:
      nativeidxs  int64[], read
      nindex      int64[], written
      off         int32
      sparsity    int64[], read
    Returns: None
    """

def _c_closure_138(shape: I32Array, init: Int32, /) -> Annotated[Int32, "size"]:
    r"""shape::size_of_shape_shape_first (shape/index.cpp: Shapes, strides, linear and multi-dimensional indexes)

    Size of a shape, shape first: returns init * the product of all entries of shape (its
    whole length), in 32-bit arithmetic that wraps; init for an empty shape. The product of
    _c_closure_28 with the parameters in this order.

    Parameters:
      shape  int32[], read
      init   int32
    Returns: size: int32
    """

def _c_closure_139(idxs: I64ArrayOut, nativeidxs: I64Array, sparsity: I64Array, /) -> None:
    r"""shape::scatter_present (shape/slices.cpp: Slices and native index lists of variables)

    Scatter present elements: idxs[sparsity[i]] = nativeidxs[i] for every present element i;
    the count is the shorter of len(nativeidxs) and len(sparsity) (equal for a well-formed
    variable), so neither is read past its end. Entries of idxs at absent positions are left
    alone; idxs needs the variable's element count (at least the largest sparsity entry +
    1).

    Parameters:
      idxs        int64[], written
      nativeidxs  int64[], read
      sparsity    int64[], read
    Returns: None
    """

def _c_closure_140(idxs: I64ArrayOut, nativeidxs: I64Array, sparsity: I64Array, /) -> None:
    r"""shape::scatter_present (shape/slices.cpp: Slices and native index lists of variables)

    The same kernel as _c_closure_139.

    Scatter present elements: idxs[sparsity[i]] = nativeidxs[i] for every present element i;
    the count is the shorter of len(nativeidxs) and len(sparsity) (equal for a well-formed
    variable), so neither is read past its end. Entries of idxs at absent positions are left
    alone; idxs needs the variable's element count (at least the largest sparsity entry +
    1).

    Parameters:
      idxs        int64[], written
      nativeidxs  int64[], read
      sparsity    int64[], read
    Returns: None
    """

def _c_closure_141(idxs: I64ArrayOut, nativeidxs: I64Array, sparsity: I64Array, /) -> None:
    r"""shape::scatter_present (shape/slices.cpp: Slices and native index lists of variables)

    The same kernel as _c_closure_139.

    Scatter present elements: idxs[sparsity[i]] = nativeidxs[i] for every present element i;
    the count is the shorter of len(nativeidxs) and len(sparsity) (equal for a well-formed
    variable), so neither is read past its end. Entries of idxs at absent positions are left
    alone; idxs needs the variable's element count (at least the largest sparsity entry +
    1).

    Parameters:
      idxs        int64[], written
      nativeidxs  int64[], read
      sparsity    int64[], read
    Returns: None
    """

def _c_closure_142(n: Int32, idxs: I32Array, pos: Int32, ridxs: I64ArrayOut, /) -> Annotated[Int32, "pos"]:
    r"""shape::expand_dense_symmetric (shape/symmetric.cpp: Symmetric and triangular index patterns)

    Dense symmetric expansion: reads the n * (n + 1) / 2 entries idxs[pos], idxs[pos + 1],
    ... as the upper triangle row by row, (0,0), (0,1), ..., (0,n-1), (1,1), (1,2), ...
    (which is the lower triangle column by column), and writes each plus one, widened to
    int64, to entry (i, j) and its mirror (j, i) of the row-major n x n matrix ridxs:
    ridxs[i * n + j] = ridxs[j * n + i] = idxs[...] + 1. All n * n entries of ridxs are
    written; one-based values leave 0 to mean no variable.

    Returns pos + n * (n + 1) / 2, the read position after the last entry (32-bit), so that
    calls for consecutive matrices chain.

    Parameters:
      n      int32
      idxs   int32[], read
      pos    int32
      ridxs  int64[], written
    Returns: pos: int32
    """

def _c_closure_143(n: Int32, init: Int32, sp: I64Array, /) -> Annotated[Int32, "count"]:
    r"""shape::count_symmetric (shape/symmetric.cpp: Symmetric and triangular index patterns)

    Size of a sparse symmetric expansion, the count pass of _c_closure_144 and
    _c_closure_146: returns init + the sum, over the entries s of sp (its whole length: the
    linear indexes of the stored entries of an n x n matrix), of 1 for a diagonal entry (s
    mod (n + 1) = 0) and 2 for any other (the entry and its mirror), wrapping in 32 bits;
    e.g. n = 3, sp [0, 3, 4] gives init + 4.

    Parameters:
      n     int32
      init  int32
      sp    int64[], read
    Returns: count: int32
    """

def _c_closure_144(n: Int32, idxs: I32Array, ridxs: I64ArrayOut, rsp: I64ArrayOut, sp: I64Array, /) -> None:
    r"""shape::expand_sparse_symmetric (shape/symmetric.cpp: Symmetric and triangular index patterns)

    Sparse symmetric expansion, the build pass sized by _c_closure_143: for each k < len(sp)
    in order, with s = sp[k] (entry (s / n, s mod n) of an n x n matrix), writes rsp[p] = s
    and ridxs[p] = idxs[k] + 1 (one-based, int64), p += 1; then, off the diagonal, rsp[p] =
    s / n + (s mod n) * n (the mirror) and ridxs[p] = idxs[k] + 1, p += 1; p counts from 0.

    rsp and ridxs need _c_closure_143(n, 0, sp) entries and idxs len(sp). The output is not
    sorted: sort it with _c_closure_175 .. _c_closure_178 when ascending order is needed.

    Parameters:
      n      int32
      idxs   int32[], read
      ridxs  int64[], written
      rsp    int64[], written
      sp     int64[], read
    Returns: None
    """

def _c_closure_145(n: Int32, init: Int32, sp: I64Array, /) -> Annotated[Int32, "count"]:
    r"""shape::count_symmetric (shape/symmetric.cpp: Symmetric and triangular index patterns)

    The same kernel as _c_closure_143.

    Size of a sparse symmetric expansion, the count pass of _c_closure_144 and
    _c_closure_146: returns init + the sum, over the entries s of sp (its whole length: the
    linear indexes of the stored entries of an n x n matrix), of 1 for a diagonal entry (s
    mod (n + 1) = 0) and 2 for any other (the entry and its mirror), wrapping in 32 bits;
    e.g. n = 3, sp [0, 3, 4] gives init + 4.

    Parameters:
      n     int32
      init  int32
      sp    int64[], read
    Returns: count: int32
    """

def _c_closure_146(n: Int32, rsp: I64ArrayOut, sp: I64Array, /) -> None:
    r"""shape::expand_sparse_symmetric_pattern (shape/symmetric.cpp: Symmetric and triangular index patterns)

    Sparse symmetric expansion, pattern only, the build pass sized by _c_closure_143: writes
    rsp exactly as _c_closure_144 does (s = sp[k] for each k < len(sp) in order and, off the
    diagonal, its mirror s / n + (s mod n) * n, from position 0) and nothing else. rsp needs
    _c_closure_143(n, 0, sp) entries; it is not sorted.

    Parameters:
      n    int32
      rsp  int64[], written
      sp   int64[], read
    Returns: None
    """

def _c_closure_147(nativeidxs: I32Array, r: I64ArrayOut, /) -> None:
    r"""shape::one_based_native_indexes (shape/symmetric.cpp: Symmetric and triangular index patterns)

    One-based native indexes: r[i] = nativeidxs[i] + 1, widened to int64, for every i <
    len(nativeidxs) (the count is its length; r needs as many entries), so that 0 can mean
    no variable.

    Parameters:
      nativeidxs  int32[], read
      r           int64[], written
    Returns: None
    """

def _c_closure_148(n: Int32, init: Int32, shape: I32Array, /) -> Annotated[Int32, "size"]:
    r"""shape::size_of_leading (shape/index.cpp: Shapes, strides, linear and multi-dimensional indexes)

    The same kernel as _c_closure_32.

    Size of the leading dimensions: returns init * shape[0] * ... * shape[n - 1], in 32-bit
    arithmetic that wraps; e.g. n = 2 on shape [2, 3, 4] gives init * 6. n <= 0 returns init
    without reading shape (None is then accepted).

    _c_closure_74, _c_closure_161 and _c_closure_165 compute the same product with the
    parameters in other orders.

    Parameters:
      n      int32
      init   int32
      shape  int32[], read
    Returns: size: int32
    """

def _c_closure_149(after: Int32, before: Int32, init: Int32, shape: I32Array, /) -> Annotated[Int32, "size"]:
    r"""shape::size_between_init_third (shape/index.cpp: Shapes, strides, linear and multi-dimensional indexes)

    The same kernel as _c_closure_48.

    Size between two dimensions, init third: returns init * shape[k] over after < k < before
    (both bounds excluded), in 32-bit arithmetic that wraps; init when before <= after + 1
    (shape is then not read). The product of _c_closure_33 with the parameters in this
    order.

    Parameters:
      after   int32
      before  int32
      init    int32
      shape   int32[], read
    Returns: size: int32
    """

def _c_closure_150(after: Int32, init: Int32, before: Int32, shape: I32Array, /) -> Annotated[Int32, "size"]:
    r"""shape::size_between (shape/index.cpp: Shapes, strides, linear and multi-dimensional indexes)

    The same kernel as _c_closure_33.

    Size between two dimensions: returns init * shape[k] over after < k < before (both
    bounds excluded), in 32-bit arithmetic that wraps; e.g. after = 0, before = 3 on shape
    [2, 3, 4] gives init * 12. An empty range (before <= after + 1) returns init without
    reading shape.

    _c_closure_48, _c_closure_49, _c_closure_149 and _c_closure_166 compute the same product
    with the parameters in other orders.

    Parameters:
      after   int32
      init    int32
      before  int32
      shape   int32[], read
    Returns: size: int32
    """

def _c_closure_151(nouter: Int32, msize: Int32, nmid: Int32, nq: Int32, nblock: Int32, nativeidxs: I64Array, residxs: I64ArrayOut, ostride: Int32, rowstride: Int32, mstride: Int32, colstride: Int32, /) -> None:
    r"""shape::mirror_semidefinite_entries (shape/symmetric.cpp: Symmetric and triangular index patterns)

    Semidefinite entries mirrored into a dense native index array: reads nativeidxs from
    position 0 in the order a < nouter, q < min(nq, msize), r < nmid, t < msize - q, u <
    nblock (per matrix column q its entries from the diagonal down, nblock side by side) and
    writes each value v as -v - 1, the signed index of bar element v, to residxs[base + t *
    rowstride + u] and residxs[base + t * colstride + u] (one position for t = 0), where
    base = a * ostride + q * (rowstride + colstride) + r * mstride is diagonal entry (q, q).

    nativeidxs holds bar element positions (as _c_closure_46 lists them) and needs nouter *
    nmid * nblock * (the sum of msize - q over q < min(nq, msize)) entries; positions of
    residxs that no entry reaches are left alone. Positions are computed in 64 bits.

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

def _c_closure_152(n: Int32, idxs: I32Array, pos: Int32, ridxs: I64ArrayOut, /) -> Annotated[Int32, "pos"]:
    r"""shape::expand_dense_symmetric (shape/symmetric.cpp: Symmetric and triangular index patterns)

    The same kernel as _c_closure_142.

    Dense symmetric expansion: reads the n * (n + 1) / 2 entries idxs[pos], idxs[pos + 1],
    ... as the upper triangle row by row, (0,0), (0,1), ..., (0,n-1), (1,1), (1,2), ...
    (which is the lower triangle column by column), and writes each plus one, widened to
    int64, to entry (i, j) and its mirror (j, i) of the row-major n x n matrix ridxs:
    ridxs[i * n + j] = ridxs[j * n + i] = idxs[...] + 1. All n * n entries of ridxs are
    written; one-based values leave 0 to mean no variable.

    Returns pos + n * (n + 1) / 2, the read position after the last entry (32-bit), so that
    calls for consecutive matrices chain.

    Parameters:
      n      int32
      idxs   int32[], read
      pos    int32
      ridxs  int64[], written
    Returns: pos: int32
    """

def _c_closure_153(n: Int32, init: Int32, sp: I64Array, /) -> Annotated[Int32, "count"]:
    r"""shape::count_symmetric (shape/symmetric.cpp: Symmetric and triangular index patterns)

    The same kernel as _c_closure_143.

    Size of a sparse symmetric expansion, the count pass of _c_closure_144 and
    _c_closure_146: returns init + the sum, over the entries s of sp (its whole length: the
    linear indexes of the stored entries of an n x n matrix), of 1 for a diagonal entry (s
    mod (n + 1) = 0) and 2 for any other (the entry and its mirror), wrapping in 32 bits;
    e.g. n = 3, sp [0, 3, 4] gives init + 4.

    Parameters:
      n     int32
      init  int32
      sp    int64[], read
    Returns: count: int32
    """

def _c_closure_154(n: Int32, idxs: I32Array, ridxs: I64ArrayOut, rsp: I64ArrayOut, sp: I64Array, /) -> None:
    r"""shape::expand_sparse_symmetric (shape/symmetric.cpp: Symmetric and triangular index patterns)

    The same kernel as _c_closure_144.

    Sparse symmetric expansion, the build pass sized by _c_closure_143: for each k < len(sp)
    in order, with s = sp[k] (entry (s / n, s mod n) of an n x n matrix), writes rsp[p] = s
    and ridxs[p] = idxs[k] + 1 (one-based, int64), p += 1; then, off the diagonal, rsp[p] =
    s / n + (s mod n) * n (the mirror) and ridxs[p] = idxs[k] + 1, p += 1; p counts from 0.

    rsp and ridxs need _c_closure_143(n, 0, sp) entries and idxs len(sp). The output is not
    sorted: sort it with _c_closure_175 .. _c_closure_178 when ascending order is needed.

    Parameters:
      n      int32
      idxs   int32[], read
      ridxs  int64[], written
      rsp    int64[], written
      sp     int64[], read
    Returns: None
    """

def _c_closure_155(n: Int32, init: Int32, sp: I64Array, /) -> Annotated[Int32, "count"]:
    r"""shape::count_symmetric (shape/symmetric.cpp: Symmetric and triangular index patterns)

    The same kernel as _c_closure_143.

    Size of a sparse symmetric expansion, the count pass of _c_closure_144 and
    _c_closure_146: returns init + the sum, over the entries s of sp (its whole length: the
    linear indexes of the stored entries of an n x n matrix), of 1 for a diagonal entry (s
    mod (n + 1) = 0) and 2 for any other (the entry and its mirror), wrapping in 32 bits;
    e.g. n = 3, sp [0, 3, 4] gives init + 4.

    Parameters:
      n     int32
      init  int32
      sp    int64[], read
    Returns: count: int32
    """

def _c_closure_156(n: Int32, rsp: I64ArrayOut, sp: I64Array, /) -> None:
    r"""shape::expand_sparse_symmetric_pattern (shape/symmetric.cpp: Symmetric and triangular index patterns)

    The same kernel as _c_closure_146.

    Sparse symmetric expansion, pattern only, the build pass sized by _c_closure_143: writes
    rsp exactly as _c_closure_144 does (s = sp[k] for each k < len(sp) in order and, off the
    diagonal, its mirror s / n + (s mod n) * n, from position 0) and nothing else. rsp needs
    _c_closure_143(n, 0, sp) entries; it is not sorted.

    Parameters:
      n    int32
      rsp  int64[], written
      sp   int64[], read
    Returns: None
    """

def _c_closure_157(nativeidxs: I32Array, r: I64ArrayOut, /) -> None:
    r"""shape::one_based_native_indexes (shape/symmetric.cpp: Symmetric and triangular index patterns)

    The same kernel as _c_closure_147.

    One-based native indexes: r[i] = nativeidxs[i] + 1, widened to int64, for every i <
    len(nativeidxs) (the count is its length; r needs as many entries), so that 0 can mean
    no variable.

    Parameters:
      nativeidxs  int32[], read
      r           int64[], written
    Returns: None
    """

def _c_closure_158(nativeidxs: I32Array, r: I64ArrayOut, /) -> None:
    r"""shape::one_based_native_indexes (shape/symmetric.cpp: Symmetric and triangular index patterns)

    The same kernel as _c_closure_147.

    One-based native indexes: r[i] = nativeidxs[i] + 1, widened to int64, for every i <
    len(nativeidxs) (the count is its length; r needs as many entries), so that 0 can mean
    no variable.

    Parameters:
      nativeidxs  int32[], read
      r           int64[], written
    Returns: None
    """

def _c_closure_159(n: Int32, init: Int32, shape: I32Array, /) -> Annotated[Int32, "count"]:
    r"""shape::count_real_dims (shape/index.cpp: Shapes, strides, linear and multi-dimensional indexes)

    Count of non-unit dimensions: returns init + the number of k < n with shape[k] != 1
    (wrapping in 32 bits). With init = 0 it is the number of entries _c_closure_160 copies,
    the room realshape needs; e.g. shape [1, 5, 1, 2] gives init + 2.

    Parameters:
      n      int32
      init   int32
      shape  int32[], read
    Returns: count: int32
    """

def _c_closure_160(n: Int32, realshape: I32ArrayOut, shape: I32Array, /) -> None:
    r"""shape::squeeze_shape (shape/index.cpp: Shapes, strides, linear and multi-dimensional indexes)

    Squeezed shape: copies the entries of shape[0 .. n - 1] that are not 1, in order, to
    realshape[0], realshape[1], ...; entries of realshape after the copied ones are left
    alone. realshape needs _c_closure_159(n, 0, shape) entries; e.g. shape [1, 5, 1, 2]
    gives [5, 2].

    Parameters:
      n          int32
      realshape  int32[], written
      shape      int32[], read
    Returns: None
    """

def _c_closure_161(n: Int32, shape: I32Array, init: Int32, /) -> Annotated[Int32, "size"]:
    r"""shape::size_of_leading_shape_middle (shape/index.cpp: Shapes, strides, linear and multi-dimensional indexes)

    Size of the leading dimensions, shape in the middle: returns init * shape[0] * ... *
    shape[n - 1], in 32-bit arithmetic that wraps; init when n <= 0 (shape is then not
    read). The product of _c_closure_32 with the parameters in this order.

    Parameters:
      n      int32
      shape  int32[], read
      init   int32
    Returns: size: int32
    """

def _c_closure_162(nd: Int32, perm: I32Array, pstrides: I64ArrayOut, shape: I32Array, /) -> None:
    r"""shape::permuted_strides (shape/transpose.cpp: Transposes and axis permutations of variables)

    Strides of a permuted shape: pstrides[k - 1] = shape[perm[k]] * pstrides[k] for k = nd -
    1 down to 1, in 64 bits: the row-major strides of the result shape (shape[perm[0]], ...,
    shape[perm[nd - 1]]). The caller sets pstrides[nd - 1] = 1; pstrides needs nd entries.
    These are the pstrides of _c_closure_163 and _c_closure_164.

    Parameters:
      nd        int32
      perm      int32[], read
      pstrides  int64[], written
      shape     int32[], read
    Returns: None
    """

def _c_closure_163(nativeidxs: I64Array, nd: Int32, n: Int32, perm: I32Array, pstrides: I64Array, residxs: I64ArrayOut, shape: I32Array, /) -> None:
    r"""shape::permute_dense (shape/transpose.cpp: Transposes and axis permutations of variables)

    Dense axis permutation: axis k of the result is axis perm[k] of the input. For every
    input element i < n (row-major in shape, multi-index m), residxs[t] = nativeidxs[i] with
    t = m[perm[0]] * pstrides[0] + ... + m[perm[nd - 1]] * pstrides[nd - 1], computed in 32
    bits (the low 32 bits of each stride). n is the input's element count and residxs needs
    n entries; pstrides comes from _c_closure_162. The kernel takes nd int32 entries of
    scratch memory.

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

    Result positions of an axis permutation: ressp[i] = t(i) for every input element i < n
    (row-major in shape), in input order, t(i) being its linear index in the permuted result
    as in _c_closure_163 (32-bit arithmetic, pstrides from _c_closure_162). ressp needs n
    entries; the values are a permutation of 0 .. n - 1, not sorted. The kernel takes nd
    int32 entries of scratch memory.

    Parameters:
      nd        int32
      n         int32
      perm      int32[], read
      pstrides  int64[], read
      ressp     int64[], written
      shape     int32[], read
    Returns: None
    """

def _c_closure_165(init: Int32, n: Int32, shape: I32Array, /) -> Annotated[Int32, "size"]:
    r"""shape::size_of_leading_init_first (shape/index.cpp: Shapes, strides, linear and multi-dimensional indexes)

    The same kernel as _c_closure_74.

    Size of the leading dimensions, init first: returns init * shape[0] * ... * shape[n -
    1], in 32-bit arithmetic that wraps; init when n <= 0 (shape is then not read). The
    product of _c_closure_32 with the parameters in this order.

    Parameters:
      init   int32
      n      int32
      shape  int32[], read
    Returns: size: int32
    """

def _c_closure_166(init: Int32, after: Int32, before: Int32, shape: I32Array, /) -> Annotated[Int32, "size"]:
    r"""shape::size_between_init_first (shape/index.cpp: Shapes, strides, linear and multi-dimensional indexes)

    Size between two dimensions, init first: returns init * shape[k] over after < k < before
    (both bounds excluded), in 32-bit arithmetic that wraps; init when before <= after + 1
    (shape is then not read). The product of _c_closure_33 with the parameters in this
    order.

    Parameters:
      init    int32
      after   int32
      before  int32
      shape   int32[], read
    Returns: size: int32
    """

def _c_closure_167(n: Int32, rshape: I32ArrayOut, shape: I32Array, /) -> None:
    r"""shape::result_shape_from_operand (shape/reshape.cpp: Result shapes and patterns of reshaping, repeating and stacking)

    Result shape from an operand: rshape[k] = shape[k] for k < n; n <= 0 writes nothing.

    Parameters:
      n       int32
      rshape  int32[], written
      shape   int32[], read
    Returns: None
    """

def _c_closure_168(after: Int32, before: Int32, rshape: I32ArrayOut, /) -> None:
    r"""shape::unit_result_dimensions (shape/reshape.cpp: Result shapes and patterns of reshaping, repeating and stacking)

    Unit dimensions of a result shape: rshape[k] = 1 for after <= k < before (after
    included, unlike the size products); before <= after writes nothing.

    Parameters:
      after   int32
      before  int32
      rshape  int32[], written
    Returns: None
    """

def _c_closure_169(size: Int64, pos: Int32, count: Int32, nnz: Int32, rnativeidxs: I64ArrayOut, rsp: I64ArrayOut, tnativeidxs: I64Array, tsp: I64Array, /) -> Annotated[Int32, "pos"]:
    r"""shape::repeat_leading (shape/reshape.cpp: Result shapes and patterns of reshaping, repeating and stacking)

    Repeat along a new leading axis: for r < count (outer) and i < nnz: rsp[pos] = size * r
    + tsp[i] (64-bit) and rnativeidxs[pos] = tnativeidxs[i], pos += 1; size is the element
    count of one copy. rsp and rnativeidxs need room at pos .. pos + count * nnz - 1. The
    output is ascending when tsp is; e.g. size 6, count 2, tsp [1, 4] gives rsp [1, 4, 7,
    10].

    Returns the final pos, pos + count * nnz.

    Parameters:
      size         int64
      pos          int32
      count        int32
      nnz          int32
      rnativeidxs  int64[], written
      rsp          int64[], written
      tnativeidxs  int64[], read
      tsp          int64[], read
    Returns: pos: int32
    """

def _c_closure_170(pos: Int32, rep: Int32, nnz: Int32, rnativeidxs: I64ArrayOut, rsp: I64ArrayOut, tnativeidxs: I64Array, tsp: I64Array, /) -> Annotated[Int32, "pos"]:
    r"""shape::repeat_trailing (shape/reshape.cpp: Result shapes and patterns of reshaping, repeating and stacking)

    Repeat each element along a new trailing axis: for i < nnz and k < rep (inner): rsp[pos]
    = tsp[i] * rep + k (64-bit) and rnativeidxs[pos] = tnativeidxs[i], pos += 1. rsp and
    rnativeidxs need room at pos .. pos + nnz * rep - 1. The output is ascending when tsp
    is.

    Returns the final pos, pos + nnz * rep.

    Parameters:
      pos          int32
      rep          int32
      nnz          int32
      rnativeidxs  int64[], written
      rsp          int64[], written
      tnativeidxs  int64[], read
      tsp          int64[], read
    Returns: pos: int32
    """

def _c_closure_171(d1: Int32, d2: Int32, pos: Int32, rep: Int32, nnz: Int32, newblock: Int32, rnativeidxs: I64ArrayOut, rsp: I64ArrayOut, oldblock: Int32, d2b: Int32, tnativeidxs: I64Array, tsp: I64Array, /) -> Annotated[Int32, "pos"]:
    r"""shape::repeat_inner (shape/reshape.cpp: Result shapes and patterns of reshaping, repeating and stacking)

    Repeat along an inner axis: for i < nnz, with t = tsp[i], q = t / oldblock, m = (t /
    d2b) mod d1 and r = t mod d2, and for k < rep: rsp[pos] = newblock * q + d2 * m + r + k
    * d1 * d2 (64-bit) and rnativeidxs[pos] = tnativeidxs[i], pos += 1. With oldblock = d1 *
    d2, d2b = d2 and newblock = rep * d1 * d2 this inserts rep copies of each trailing d1 x
    d2 block. rsp and rnativeidxs need room at pos .. pos + nnz * rep - 1. The output is not
    ascending: sort it with _c_closure_195 .. _c_closure_199.

    Returns the final pos, pos + nnz * rep.

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
    Returns: pos: int32
    """

def _c_closure_172(init: Int32, n: Int32, rshape: I32Array, /) -> Annotated[Int32, "largest"]:
    r"""shape::largest_result_dimension (shape/reshape.cpp: Result shapes and patterns of reshaping, repeating and stacking)

    Largest result dimension: returns the largest of init and rshape[0 .. n - 1]; init when
    n <= 0. With init = 0 and n = nd, the result + 1 is a bucket array length that serves
    every pass of the linear-index sort _c_closure_175 .. _c_closure_178.

    Parameters:
      init    int32
      n       int32
      rshape  int32[], read
    Returns: largest: int32
    """

def _c_closure_173(nd: Int32, rshape: I32Array, s: I64ArrayOut, /) -> None:
    r"""shape::strides_of_target_shape (shape/patterns.cpp: Building and sorting sparsity patterns)

    Strides of a target shape for the linear-index sort: s[k - 1] = rshape[k] * s[k] for k =
    nd - 1 down to 1, in 64 bits. The caller sets s[nd - 1] = 1; s needs nd entries and nd
    <= 1 writes nothing. These are the s of the sort passes _c_closure_175 ..
    _c_closure_178.

    Parameters:
      nd      int32
      rshape  int32[], read
      s       int64[], written
    Returns: None
    """

def _c_closure_174(curperm: I32ArrayOut, n: Int32, /) -> None:
    r"""shape::identity_permutation (shape/patterns.cpp: Building and sorting sparsity patterns)

    The same kernel as _c_closure_40.

    Identity permutation: curperm[i] = i for i < n, the starting permutation of the radix
    sorts (_c_closure_41 on multi-index rows, _c_closure_175 .. _c_closure_178 on linear
    indexes). curperm needs n entries; n <= 0 writes nothing.

    Parameters:
      curperm  int32[], written
      n        int32
    Returns: None
    """

def _c_closure_175(d: Int32, ptr: I32ArrayOut, rshape: I32Array, /) -> None:
    r"""shape::clear_pass (shape/patterns.cpp: Building and sorting sparsity patterns)

    Linear-index sort pass, step 1 of 4 (clear): ptr[0 .. rshape[d]] = 0.

    One pass of the least-significant-digit radix sort of n linear indexes rsp in the shape
    rshape (nd dimensions) orders the elements stably by their coordinate in dimension d,
    (rsp[j] / s[d]) mod rshape[d]:
    - the caller writes the identity into curperm (_c_closure_174) and the 64-bit strides s
      of rshape with s[nd - 1] = 1 (_c_closure_173);
    - then for d = nd - 1, nd - 2, ..., 0 (these are the values d takes) it calls this
      kernel, _c_closure_176, _c_closure_177 and _c_closure_178 with the same d, ptr and
      rshape, and swaps curperm and tgtperm after each pass;
    - the final permutation (the last tgtperm) lists the elements in ascending rsp, equal
      indexes in their input order.

    ptr needs rshape[d] + 1 entries: one array of max(rshape[0 .. nd - 1]) + 1 entries
    (_c_closure_172(0, nd, rshape) + 1) serves every pass.

    Parameters:
      d       int32
      ptr     int32[], written
      rshape  int32[], read
    Returns: None
    """

def _c_closure_176(d: Int32, ptr: I32ArrayOut, n: Int32, rshape: I32Array, rsp: I64Array, s: I64Array, /) -> None:
    r"""shape::count_pass (shape/patterns.cpp: Building and sorting sparsity patterns)

    Linear-index sort pass, step 2 of 4 (count): for each i < n in storage order,
    ptr[(rsp[i] / s[d]) mod rshape[d] + 1] += 1 (32-bit counts). Follows _c_closure_175,
    which cleared ptr[0 .. rshape[d]], with the same d; rsp holds n non-negative linear
    indexes inside rshape and s the 64-bit strides of rshape (_c_closure_173). See
    _c_closure_175 for the whole sort.

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

    Linear-index sort pass, step 3 of 4 (accumulate): ptr[v + 1] += ptr[v] for v = 0 ..
    rshape[d] - 1, so that ptr[v] becomes the first output position of coordinate v. Follows
    _c_closure_176 with the same d; ptr needs rshape[d] + 1 entries. See _c_closure_175 for
    the whole sort.

    Parameters:
      d       int32
      ptr     int32[], written
      rshape  int32[], read
    Returns: None
    """

def _c_closure_178(curperm: I32Array, d: Int32, ptr: I32ArrayOut, n: Int32, rshape: I32Array, rsp: I64Array, s: I64Array, tgtperm: I32ArrayOut, /) -> None:
    r"""shape::scatter_pass (shape/patterns.cpp: Building and sorting sparsity patterns)

    Linear-index sort pass, step 4 of 4 (scatter): for i = 0 .. n - 1, with j = curperm[i]
    and v = (rsp[j] / s[d]) mod rshape[d]: tgtperm[ptr[v]] = j and ptr[v] += 1, a stable
    placement by the coordinate in dimension d. Needs ptr as _c_closure_177 left it for the
    same d. curperm (a permutation of 0 .. n - 1) and tgtperm are two distinct arrays of n
    entries, the order before and after the pass; the caller swaps them for the next pass.
    After the pass for d = 0, tgtperm lists the elements in ascending rsp. See
    _c_closure_175 for the whole sort.

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

def _c_closure_179(nouter: Int32, nmid: Int32, nblock: Int32, pos: Int32, rep: Int32, rnativeidxs: I64ArrayOut, ostride: Int32, mstride: Int32, tnativeidxs: I64Array, /) -> Annotated[Int32, "pos"]:
    r"""shape::repeat_dense (shape/reshape.cpp: Result shapes and patterns of reshaping, repeating and stacking)

    Dense repeat: for o < nouter and m < nmid, the block tnativeidxs[pos .. pos + nblock -
    1] is written rep times into rnativeidxs, copy k < rep of entry l < nblock at o *
    ostride + m * mstride + l + k * nmid * mstride, and then pos advances by nblock. Here
    pos is a read position in tnativeidxs, not a write position; rnativeidxs is written only
    at the positions named.

    Returns the final pos, pos + nouter * nmid * nblock.

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
    Returns: pos: int32
    """

def _c_closure_180(sh: I32Array, shape: I32ArrayOut, /) -> None:
    r"""shape::operand_shape_from_sh (shape/reshape.cpp: Result shapes and patterns of reshaping, repeating and stacking)

    Operand shape copied: shape[k] = sh[k] for every k < len(sh) (the count is the length of
    sh); shape needs len(sh) entries. _c_closure_181 then pads it with unit dimensions.

    Parameters:
      sh     int32[], read
      shape  int32[], written
    Returns: None
    """

def _c_closure_181(n: Int32, sh: I32Array, shape: I32ArrayOut, /) -> None:
    r"""shape::pad_operand_shape_with_ones (shape/reshape.cpp: Result shapes and patterns of reshaping, repeating and stacking)

    Operand shape padded with unit dimensions: shape[k] = 1 for len(sh) <= k < n (only the
    length of sh is used); the entries below len(sh) are left alone. After _c_closure_180 it
    turns a shape of len(sh) dimensions into one of n; shape needs n entries.

    Parameters:
      n      int32
      sh     int32[], read
      shape  int32[], written
    Returns: None
    """

def _c_closure_182(n: Int32, numnz: I32Array, init: Int32, /) -> Annotated[Int32, "total"]:
    r"""shape::total_operand_nonzeros (shape/reshape.cpp: Result shapes and patterns of reshaping, repeating and stacking)

    Sum of counts: returns init + numnz[0] + ... + numnz[n - 1], wrapping in 32 bits; e.g.
    the present elements of n stacked operands, the room a stacked result's rsp and
    rnativeidxs need.

    Parameters:
      n      int32
      numnz  int32[], read
      init   int32
    Returns: total: int32
    """

def _c_closure_183(n: Int32, nds: I32Array, init: Int32, /) -> Annotated[Int32, "largest"]:
    r"""shape::most_operand_dimensions (shape/reshape.cpp: Result shapes and patterns of reshaping, repeating and stacking)

    Most operand dimensions: returns the largest of init and nds[0 .. n - 1] (init when n <=
    0), the most dimensions among n operands.

    Parameters:
      n     int32
      nds   int32[], read
      init  int32
    Returns: largest: int32
    """

def _c_closure_184(n: Int32, rshape: I32ArrayOut, shape0: I32Array, /) -> None:
    r"""shape::result_shape_from_first_operand (shape/reshape.cpp: Result shapes and patterns of reshaping, repeating and stacking)

    Result shape from the first operand: rshape[k] = shape0[k] for k < n; n <= 0 writes
    nothing.

    Parameters:
      n       int32
      rshape  int32[], written
      shape0  int32[], read
    Returns: None
    """

def _c_closure_185(after: Int32, before: Int32, rshape: I32ArrayOut, /) -> None:
    r"""shape::unit_result_dimensions (shape/reshape.cpp: Result shapes and patterns of reshaping, repeating and stacking)

    The same kernel as _c_closure_168.

    Unit dimensions of a result shape: rshape[k] = 1 for after <= k < before (after
    included, unlike the size products); before <= after writes nothing.

    Parameters:
      after   int32
      before  int32
      rshape  int32[], written
    Returns: None
    """

def _c_closure_186(axis: Int32, n: Int32, rshape: I32ArrayOut, shapes: I32ArrayList, /) -> None:
    r"""shape::add_stacked_sizes (shape/reshape.cpp: Result shapes and patterns of reshaping, repeating and stacking)

    Result size along the stacking axis: rshape[axis] += the size along axis of each of the
    n operand shapes shapes[j], j < n: shapes[j][axis] when axis < len(shapes[j]), else 1 (a
    shape that lacks dimension axis, or a None entry, counts 1); the sum wraps in 32 bits.
    rshape[axis] keeps its starting value as the first term (0 for a plain total). shapes is
    an array list (a one-dimensional object array of int32 arrays) of at least n entries;
    axis must be >= 0.

    Parameters:
      axis    int32
      n       int32
      rshape  int32[], written
      shapes  int32[][], read
    Returns: None
    """

def _c_closure_187(init: Int32, n: Int32, shape0: I32Array, /) -> Annotated[Int32, "size"]:
    r"""shape::padded_operand_size (shape/reshape.cpp: Result shapes and patterns of reshaping, repeating and stacking)

    Operand size padded to n dimensions: returns init * shape0[k] over k < n, dimensions
    beyond len(shape0) counting as 1, in 32-bit arithmetic that wraps; init when n <= 0.

    Parameters:
      init    int32
      n       int32
      shape0  int32[], read
    Returns: size: int32
    """

def _c_closure_188(init: Int32, n: Int32, sdims: I32Array, /) -> Annotated[Int32, "total"]:
    r"""shape::total_stacked_size (shape/reshape.cpp: Result shapes and patterns of reshaping, repeating and stacking)

    Stacked size: returns init + sdims[0] + ... + sdims[n - 1], wrapping in 32 bits; with
    init = 0 the result's size along the stacking axis (the stacksize of _c_closure_193).

    Parameters:
      init   int32
      n      int32
      sdims  int32[], read
    Returns: total: int32
    """

def _c_closure_189(init: Int32, axis: Int32, shape0: I32Array, /) -> Annotated[Int32, "size"]:
    r"""shape::operand_size_after_axis (shape/reshape.cpp: Result shapes and patterns of reshaping, repeating and stacking)

    Size after an axis: returns init * shape0[k] over axis < k < len(shape0) (to the end of
    shape0; its length is used), in 32-bit arithmetic that wraps; a negative axis takes
    every dimension. With init = 1 it is the postsize of _c_closure_193 when stacking along
    axis.

    Parameters:
      init    int32
      axis    int32
      shape0  int32[], read
    Returns: size: int32
    """

def _c_closure_190(j: Int32, pos: Int32, shift: Int64, numnz: I32Array, rsp: I64ArrayOut, /) -> Annotated[Int32, "pos"]:
    r"""shape::shift_block (shape/reshape.cpp: Result shapes and patterns of reshaping, repeating and stacking)

    Shift one operand's block of linear indexes: rsp[pos + k] += shift for k < numnz[j]
    (64-bit). Returns pos + numnz[j], the start of the next operand's block, so that calls
    for j = 0, 1, ... walk a stacked rsp.

    Parameters:
      j      int32
      pos    int32
      shift  int64
      numnz  int32[], read
      rsp    int64[], written
    Returns: pos: int32
    """

def _c_closure_191(n: Int32, offset: I32ArrayOut, sdims: I32Array, /) -> None:
    r"""shape::stacking_offsets (shape/reshape.cpp: Result shapes and patterns of reshaping, repeating and stacking)

    Stacking offsets: offset[k + 1] = offset[k] + sdims[k] for k = 0 .. n - 2, wrapping in
    32 bits; offset[0] is the caller's (0 for the first operand). offset needs n entries:
    operand j's first position along the stacking axis, the offset of _c_closure_193.

    Parameters:
      n       int32
      offset  int32[], written
      sdims   int32[], read
    Returns: None
    """

def _c_closure_192(curperm: I32ArrayOut, n: Int32, /) -> None:
    r"""shape::identity_permutation (shape/patterns.cpp: Building and sorting sparsity patterns)

    The same kernel as _c_closure_40.

    Identity permutation: curperm[i] = i for i < n, the starting permutation of the radix
    sorts (_c_closure_41 on multi-index rows, _c_closure_175 .. _c_closure_178 on linear
    indexes). curperm needs n entries; n <= 0 writes nothing.

    Parameters:
      curperm  int32[], written
      n        int32
    Returns: None
    """

def _c_closure_193(stacksize: Int32, postsize: Int32, pos: Int32, n: Int32, numnz: I32Array, offset: I32Array, rsp: I64ArrayOut, sdims: I32Array, /) -> Annotated[Int32, "pos"]:
    r"""shape::stack_inner (shape/reshape.cpp: Result shapes and patterns of reshaping, repeating and stacking)

    Stacking sparse operands along an inner axis, in place: for each operand j < n and each
    of its numnz[j] entries v = rsp[pos] (its linear index in the operand's own shape, seen
    as (q, m, r) with r < postsize and m < sdims[j]): q = v / (postsize * sdims[j]), m = (v
    / postsize) mod sdims[j], r = v mod postsize; rsp[pos] = ((q * stacksize) + offset[j] +
    m) * postsize + r (64-bit), pos += 1.

    stacksize is the result's size along the axis (_c_closure_188), postsize the product of
    the dimensions after it (_c_closure_189) and offset[j] operand j's first position along
    it (_c_closure_191). The entries stay in operand order, so the output is in general not
    ascending; sort it with _c_closure_195 .. _c_closure_199.

    Returns the final pos, pos + numnz[0] + ... + numnz[n - 1].

    Parameters:
      stacksize  int32
      postsize   int32
      pos        int32
      n          int32
      numnz      int32[], read
      offset     int32[], read
      rsp        int64[], written
      sdims      int32[], read
    Returns: pos: int32
    """

def _c_closure_194(init: Int32, n: Int32, rshape: I32Array, /) -> Annotated[Int32, "largest"]:
    r"""shape::largest_result_dimension (shape/reshape.cpp: Result shapes and patterns of reshaping, repeating and stacking)

    The same kernel as _c_closure_172.

    Largest result dimension: returns the largest of init and rshape[0 .. n - 1]; init when
    n <= 0. With init = 0 and n = nd, the result + 1 is a bucket array length that serves
    every pass of the linear-index sort _c_closure_175 .. _c_closure_178.

    Parameters:
      init    int32
      n       int32
      rshape  int32[], read
    Returns: largest: int32
    """

def _c_closure_195(nd: Int32, rshape: I32Array, s: I64ArrayOut, /) -> None:
    r"""shape::strides_of_target_shape (shape/patterns.cpp: Building and sorting sparsity patterns)

    The same kernel as _c_closure_173.

    Strides of a target shape for the linear-index sort: s[k - 1] = rshape[k] * s[k] for k =
    nd - 1 down to 1, in 64 bits. The caller sets s[nd - 1] = 1; s needs nd entries and nd
    <= 1 writes nothing. These are the s of the sort passes _c_closure_175 ..
    _c_closure_178.

    Parameters:
      nd      int32
      rshape  int32[], read
      s       int64[], written
    Returns: None
    """

def _c_closure_196(d: Int32, ptr: I32ArrayOut, rshape: I32Array, /) -> None:
    r"""shape::clear_pass (shape/patterns.cpp: Building and sorting sparsity patterns)

    The same kernel as _c_closure_175.

    Linear-index sort pass, step 1 of 4 (clear): ptr[0 .. rshape[d]] = 0.

    One pass of the least-significant-digit radix sort of n linear indexes rsp in the shape
    rshape (nd dimensions) orders the elements stably by their coordinate in dimension d,
    (rsp[j] / s[d]) mod rshape[d]:
    - the caller writes the identity into curperm (_c_closure_174) and the 64-bit strides s
      of rshape with s[nd - 1] = 1 (_c_closure_173);
    - then for d = nd - 1, nd - 2, ..., 0 (these are the values d takes) it calls this
      kernel, _c_closure_176, _c_closure_177 and _c_closure_178 with the same d, ptr and
      rshape, and swaps curperm and tgtperm after each pass;
    - the final permutation (the last tgtperm) lists the elements in ascending rsp, equal
      indexes in their input order.

    ptr needs rshape[d] + 1 entries: one array of max(rshape[0 .. nd - 1]) + 1 entries
    (_c_closure_172(0, nd, rshape) + 1) serves every pass.

    Parameters:
      d       int32
      ptr     int32[], written
      rshape  int32[], read
    Returns: None
    """

def _c_closure_197(d: Int32, ptr: I32ArrayOut, n: Int32, rshape: I32Array, rsp: I64Array, s: I64Array, /) -> None:
    r"""shape::count_pass (shape/patterns.cpp: Building and sorting sparsity patterns)

    The same kernel as _c_closure_176.

    Linear-index sort pass, step 2 of 4 (count): for each i < n in storage order,
    ptr[(rsp[i] / s[d]) mod rshape[d] + 1] += 1 (32-bit counts). Follows _c_closure_175,
    which cleared ptr[0 .. rshape[d]], with the same d; rsp holds n non-negative linear
    indexes inside rshape and s the 64-bit strides of rshape (_c_closure_173). See
    _c_closure_175 for the whole sort.

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

    Linear-index sort pass, step 3 of 4 (accumulate): ptr[v + 1] += ptr[v] for v = 0 ..
    rshape[d] - 1, so that ptr[v] becomes the first output position of coordinate v. Follows
    _c_closure_176 with the same d; ptr needs rshape[d] + 1 entries. See _c_closure_175 for
    the whole sort.

    Parameters:
      d       int32
      ptr     int32[], written
      rshape  int32[], read
    Returns: None
    """

def _c_closure_199(curperm: I32Array, d: Int32, ptr: I32ArrayOut, n: Int32, rshape: I32Array, rsp: I64Array, s: I64Array, tgtperm: I32ArrayOut, /) -> None:
    r"""shape::scatter_pass (shape/patterns.cpp: Building and sorting sparsity patterns)

    The same kernel as _c_closure_178.

    Linear-index sort pass, step 4 of 4 (scatter): for i = 0 .. n - 1, with j = curperm[i]
    and v = (rsp[j] / s[d]) mod rshape[d]: tgtperm[ptr[v]] = j and ptr[v] += 1, a stable
    placement by the coordinate in dimension d. Needs ptr as _c_closure_177 left it for the
    same d. curperm (a permutation of 0 .. n - 1) and tgtperm are two distinct arrays of n
    entries, the order before and after the pass; the caller swaps them for the next pass.
    After the pass for d = 0, tgtperm lists the elements in ascending rsp. See
    _c_closure_175 for the whole sort.

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

    Row indexes from row pointers: subi[k] = r for ptrb_[r] <= k < ptrb_[r + 1], r < n.
    ptrb_ needs n + 1 non-decreasing entries and subi room at ptrb_[0] .. ptrb_[n] - 1;
    entries before ptrb_[0] are left alone and empty rows write nothing.

    Parameters:
      n      int32
      ptrb_  int64[], read
      subi   int32[], written
    Returns: None
    """

def _c_closure_201(bfix: F64ArrayOut, bfix_: F64Array, n: Int32, /) -> None:
    r"""sets::add_constants (sets/order.cpp: Order checks, index lists and coefficient buffers)

    Constant sums: bfix[k] += bfix_[k] for k < n (a record's constant run added to another).
    Both need n entries; n <= 0 changes nothing. _c_closure_203 is the same but accepts
    bfix_ None.

    Parameters:
      bfix   float64[], written
      bfix_  float64[], read
      n      int32
    Returns: None
    """

def _c_closure_202(n: Int32, off: Int64, ptrb_: I64Array, tmp_subi: I32ArrayOut, /) -> None:
    r"""sets::rows_of_entries (sets/order.cpp: Order checks, index lists and coefficient buffers)

    Row indexes of compressed entries: for each row r < n and each entry t = ptrb_[r] ..
    ptrb_[r + 1] - 1, tmp_subi[off + t] = r (off + t in 64 bits): row pointers expanded to
    one row index per entry. ptrb_ needs n + 1 non-decreasing entries; tmp_subi needs off +
    ptrb_[n] entries, and those below off + ptrb_[0] are left alone.

    Parameters:
      n         int32
      off       int64
      ptrb_     int64[], read
      tmp_subi  int32[], written
    Returns: None
    """

def _c_closure_203(bfix: F64ArrayOut, bfix_: F64Array, n: Int32, /) -> None:
    r"""sets::add_constants_if_given (sets/order.cpp: Order checks, index lists and coefficient buffers)

    Constant sums, when there are constants: bfix[k] += bfix_[k] for k < n, as
    _c_closure_201; nothing when bfix_ is None. Both need n entries.

    Parameters:
      bfix   float64[], written
      bfix_  float64[], read
      n      int32
    Returns: None
    """

def _c_closure_204(bfix: F64Array, n: Int32, resbfix: F64ArrayOut, /) -> None:
    r"""sets::copy_constants (sets/order.cpp: Order checks, index lists and coefficient buffers)

    Constant copy: resbfix[k] = bfix[k] for k < n; nothing when bfix or resbfix is None.
    Note the argument order: the source bfix first, the target resbfix last.

    Parameters:
      bfix     float64[], read
      n        int32
      resbfix  float64[], written
    Returns: None
    """

def _c_closure_205(buffer_subi: I32Array, buffer_subj: I32Array, spare: Int32, n: Int64, /) -> Annotated[bool, "inorder"]:
    r"""sets::buffer_in_order (sets/order.cpp: Order checks, index lists and coefficient buffers)

    Buffer order test: True when the n buffer coordinates (buffer_subi[k], buffer_subj[k]),
    k < n, are in row, then column order, equal neighbours allowed: every k = 1 .. n - 1 has
    buffer_subi[k - 1] < buffer_subi[k], or equal rows and buffer_subj[k - 1] <=
    buffer_subj[k]. An empty buffer (n <= 0) gives False, one entry True. n is the scalar
    (64-bit), not the arrays' length; spare is not read.

    When True, _c_closure_206 may visit the buffer in stored order (sorted != 0; it sums
    repeated coordinates itself); when False the caller passes it a permutation that orders
    the buffer.

    Parameters:
      buffer_subi  int32[], read
      buffer_subj  int32[], read
      spare        int32
      n            int64
    Returns: inorder: bool
    """

def _c_closure_206(buffer_cof: F64Array, buffer_subi: I32Array, buffer_subj: I32Array, cof: F64Array, sorted: Int32, spare: Int64, nnz: Int64, nb: Int64, logpos: Int64, perm: I64Array, r_cof: F64ArrayOut, r_subi: I32ArrayOut, r_subj: I32ArrayOut, rescof: F64ArrayOut, ressubi: I32ArrayOut, ressubj: I32ArrayOut, subi: I32Array, subj: I32Array, /) -> Tuple[Annotated[Int64, "merged"], Annotated[Int64, "logpos"]]:
    r"""sets::merge_buffer (sets/merge.cpp: Merging a buffer of coefficient changes into a matrix held as a sorted coordinate list)

    Buffer merge: merges nb buffered changes (buffer_subi, buffer_subj, buffer_cof) into the
    nnz entries (subi, subj, cof) of a matrix held as a coordinate list sorted by row, then
    column, each coordinate once, and logs the entries that change. nnz and nb are the
    scalars, not the arrays' lengths; spare is not read.

    The buffer is visited in stored order when sorted != 0 and as perm[0], .., perm[nb - 1]
    when sorted = 0 (perm is then read, nb entries). In visiting order it must be sorted by
    row, then column (_c_closure_205 tells whether it is as stored); it may repeat a
    coordinate.

    The merged list is written to r_subi, r_subj, r_cof from position 0, sorted, again one
    entry per coordinate:
    - a coordinate that only the matrix holds is copied;
    - a coordinate that the buffer holds gets one entry: its current value (if the matrix
      holds it) plus the values of all its buffer entries, added in visiting order. That
      entry is also logged once to ressubi[logpos], ressubj[logpos], rescof[logpos], and
      logpos advances. A sum of 0.0 stays in both.

    r_subi, r_subj and r_cof need nnz plus the number of new distinct coordinates entries
    (at most nnz + nb); the log needs room at logpos .. logpos + nb - 1 at most (one entry
    per distinct buffer coordinate).

    Returns (merged, logpos): the number of merged entries written, and logpos after the
    last logged entry. An empty buffer copies the matrix and returns (nnz, logpos).

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
    Returns: (merged, logpos): (int64, int64)
    """

def _c_closure_207(flag: Int32, n: Int32, varidxs: I64Array, /) -> Annotated[bool, "valid"]:
    r"""sets::strictly_increasing (sets/order.cpp: Order checks, index lists and coefficient buffers)

    Strict increase test, a validity flag: returns flag (as a boolean) when n <= 1; False
    when flag is 0; otherwise True exactly when varidxs[0] < varidxs[1] < .. < varidxs[n -
    1]. Only the first n entries are read; a failed test clears the flag, so a caller chains
    tests by passing the last result as flag.

    Parameters:
      flag     int32
      n        int32
      varidxs  int64[], read
    Returns: valid: bool
    """

def _c_closure_208(n: Int32, count: Int32, perm: I64Array, varidxs: I64Array, /) -> Annotated[Int32, "count"]:
    r"""sets::distinct_count (sets/order.cpp: Order checks, index lists and coefficient buffers)

    Distinct count in sorted order, the count pass of _c_closure_209: returns count plus the
    number of k = 1 .. n - 1 with varidxs[perm[k - 1]] < varidxs[perm[k]] (32-bit,
    wrapping); count when n <= 1. perm must order varidxs (non-decreasing through perm):
    then with count = 1 the result is the number of distinct values among the n, with count
    = 0 the number _c_closure_209 writes.

    Parameters:
      n        int32
      count    int32
      perm     int64[], read
      varidxs  int64[], read
    Returns: count: int32
    """

def _c_closure_209(pos: Int32, n: Int32, perm: I64Array, varidxs: I64Array, varidxs32: I32ArrayOut, /) -> Annotated[Int32, "pos"]:
    r"""sets::distinct_variables (sets/order.cpp: Order checks, index lists and coefficient buffers)

    Distinct scalar variables in sorted order, the build pass sized by _c_closure_208: for k
    = 1 .. n - 1 with v = varidxs[perm[k]] > varidxs[perm[k - 1]], writes varidxs32[pos] = v
    - 1 (zero-based, int32) and pos advances. perm must order varidxs, whose entries are
    signed native indexes > 0.

    The first value, varidxs[perm[0]] - 1, is not written: the caller writes it and passes
    the position after it. varidxs32 needs room at pos .. pos + count - 1, count being
    _c_closure_208's result with count 0. Returns the final pos (a 32-bit running position).

    Parameters:
      pos        int32
      n          int32
      perm       int64[], read
      varidxs    int64[], read
      varidxs32  int32[], written
    Returns: pos: int32
    """

def _c_closure_210(shape: I32Array, init: Int64, /) -> Annotated[Int64, "size"]:
    r"""shape::size_of_shape64 (shape/index.cpp: Shapes, strides, linear and multi-dimensional indexes)

    The same kernel as _c_closure_112.

    Size of a shape in 64 bits: returns init * shape[0] * ... * shape[len(shape) - 1], over
    the whole length of shape, accumulated in 64 bits, so a product beyond 2**31 does not
    wrap (one beyond 2**63 wraps in 64 bits). An empty shape (or None) returns init.

    Parameters:
      shape  int32[], read
      init   int64
    Returns: size: int64
    """

def _c_closure_211(nrows: Int32, ncols: Int32, shape: I32MatrixOut, /) -> None:
    r"""sets::ones_table (sets/convert.cpp: Shape products, index conversions, five-group folds, shape tables and stack fills)

    Ones table: shape(i, j) = 1 for i < nrows, j < ncols; the rest of the 2-D table is left
    alone. shape needs at least nrows rows and ncols columns. Starts a shape table whose
    rows _c_closure_213 then fills, padded with ones.

    Parameters:
      nrows  int32
      ncols  int32
      shape  int32[,], written
    Returns: None
    """

def _c_closure_212(n: Int32, numnz: I32Array, init: Int32, /) -> Annotated[Int32, "total"]:
    r"""shape::total_operand_nonzeros (shape/reshape.cpp: Result shapes and patterns of reshaping, repeating and stacking)

    The same kernel as _c_closure_182.

    Sum of counts: returns init + numnz[0] + ... + numnz[n - 1], wrapping in 32 bits; e.g.
    the present elements of n stacked operands, the room a stacked result's rsp and
    rnativeidxs need.

    Parameters:
      n      int32
      numnz  int32[], read
      init   int32
    Returns: total: int32
    """

def _c_closure_213(row: Int32, shape: I32MatrixOut, shpi: I32Array, /) -> None:
    r"""sets::set_table_row (sets/convert.cpp: Shape products, index conversions, five-group folds, shape tables and stack fills)

    Table row: shape(row, k) = shpi[k] over the length of shpi; the row's other entries are
    left alone (1 after _c_closure_211). shape (2-D) needs len(shpi) columns and row < its
    rows.

    Parameters:
      row    int32
      shape  int32[,], written
      shpi   int32[], read
    Returns: None
    """

def _c_closure_214(col: Int32, n: Int32, resshape: I32ArrayOut, shape: I32Matrix, /) -> None:
    r"""sets::add_table_column (sets/convert.cpp: Shape products, index conversions, five-group folds, shape tables and stack fills)

    Column total: resshape[col] += shape(k, col) for k < n (32-bit, wrapping): the total
    size along axis col of n stacked items whose shapes are the rows of the 2-D table shape.
    resshape[col] holds the starting value (zero it for a plain total); other entries are
    left alone.

    Parameters:
      col       int32
      n         int32
      resshape  int32[], written
      shape     int32[,], read
    Returns: None
    """

def _c_closure_215(init: Int32, n: Int32, resshape: I32Array, /) -> Annotated[Int32, "size"]:
    r"""sets::size_of_leading (sets/convert.cpp: Shape products, index conversions, five-group folds, shape tables and stack fills)

    Size of leading axes: returns init * resshape[0] * .. * resshape[n - 1] (32-bit,
    wrapping); init when n <= 0.

    Parameters:
      init      int32
      n         int32
      resshape  int32[], read
    Returns: size: int32
    """

def _c_closure_216(init: Int32, start: Int32, end: Int32, resshape: I32Array, /) -> Annotated[Int32, "size"]:
    r"""sets::size_between (sets/convert.cpp: Shape products, index conversions, five-group folds, shape tables and stack fills)

    Size between two axes: returns init * resshape[k] over start < k < end, the axes
    strictly between (32-bit, wrapping); init, without reading resshape, when end <= start +
    1.

    Parameters:
      init      int32
      start     int32
      end       int32
      resshape  int32[], read
    Returns: size: int32
    """

def _c_closure_217(nlists: Int32, nativeidxs: I32ArrayOut, nd: Int32, nidxlist: I32ArrayList, resshape: I32Array, /) -> None:
    r"""sets::interleave_lists (sets/order.cpp: Order checks, index lists and coefficient buffers)

    Interleaved index lists: with P = resshape[0] * .. * resshape[nd - 1] (32-bit, wrapping;
    1 when nd <= 0) and L = nlists: nativeidxs[s*L + k] = entry s of list k of nidxlist for
    s < P, k < L, each list read through its own stride: list k becomes column k of a P x L
    row-major table. Each list needs P entries and nativeidxs P*L entries.

    Nothing is written when P <= 0 or L <= 0. Otherwise, before writing anything, it raises
    ValueError naming nidxlist when nidxlist is None, has fewer than L entries, or one of
    its first L entries is None; entries from L on are not read.

    Parameters:
      nlists      int32
      nativeidxs  int32[], written
      nd          int32
      nidxlist    int32[][], read
      resshape    int32[], read
    Returns: None
    """

def _c_closure_218(nd: Int32, shape: I32Array, strides: I64ArrayOut, /) -> None:
    r"""sets::strides_from_last (sets/convert.cpp: Shape products, index conversions, five-group folds, shape tables and stack fills)

    The same kernel as _c_closure_234.

    Row-major strides: strides[k] = shape[k + 1] * strides[k + 1] for k = nd - 2 down to 0
    (64-bit, wrapping); strides[nd - 1] is the caller's (1 for plain strides; another value
    scales them all). Shape (2, 3, 4) with strides[2] = 1 gives (12, 4, 1). nd <= 1 writes
    nothing; shape[0] is not read.

    Parameters:
      nd       int32
      shape    int32[], read
      strides  int64[], written
    Returns: None
    """

def _c_closure_219(idxa: I32Array, init: Int32, n: Int32, strides: I64Array, /) -> Annotated[Int32, "offset"]:
    r"""sets::strided_offset (sets/convert.cpp: Shape products, index conversions, five-group folds, shape tables and stack fills)

    Strided offset: returns init + the sum over k < n of idxa[k] * (the low 32 bits of
    strides[k]), in 32-bit arithmetic, wrapping; init when n <= 0.

    Parameters:
      idxa     int32[], read
      init     int32
      n        int32
      strides  int64[], read
    Returns: offset: int32
    """

def _c_closure_220(firsta: I32Array, lasta: I32Array, n: Int32, init: Int32, /) -> Annotated[Int32, "size"]:
    r"""sets::box_size (sets/convert.cpp: Shape products, index conversions, five-group folds, shape tables and stack fills)

    Box size: returns init * the product over k < n of (lasta[k] - firsta[k]) (32-bit,
    wrapping): the element count of the box firsta[k] <= index k < lasta[k]; init when n <=
    0. An empty axis gives 0, a reversed one a negative factor.

    Parameters:
      firsta  int32[], read
      lasta   int32[], read
      n       int32
      init    int32
    Returns: size: int32
    """

def _c_closure_221(firsta: I32Array, lasta: I32Array, nativeidxs: I32Array, nd: Int32, shape: I32Array, sliceidxs: I32ArrayOut, n: Int32, /) -> None:
    r"""sets::gather_box (sets/convert.cpp: Shape products, index conversions, five-group folds, shape tables and stack fills)

    Box gather: lists the elements of the box firsta[k] <= index k < lasta[k], k < nd, of an
    array of shape shape in row-major order (last axis fastest) and writes sliceidxs[t] =
    nativeidxs[L] for the first n of them, L being the element's row-major linear index
    within shape (32-bit). With nd = 0 every t reads nativeidxs[0].

    n must not exceed the box size (_c_closure_220 gives it): axis 0 is never wrapped.
    sliceidxs needs n entries. It takes three scratch arrays of nd int32 entries; when they
    cannot be had it raises MemoryError and writes nothing.

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

def _c_closure_222(shape: I32Array, init: Int32, /) -> Annotated[Int32, "size"]:
    r"""shape::size_of_shape_shape_first (shape/index.cpp: Shapes, strides, linear and multi-dimensional indexes)

    The same kernel as _c_closure_138.

    Size of a shape, shape first: returns init * the product of all entries of shape (its
    whole length), in 32-bit arithmetic that wraps; init for an empty shape. The product of
    _c_closure_28 with the parameters in this order.

    Parameters:
      shape  int32[], read
      init   int32
    Returns: size: int32
    """

def _c_closure_223(shape: I32Array, init: Int32, /) -> Annotated[Int32, "size"]:
    r"""shape::size_of_shape_shape_first (shape/index.cpp: Shapes, strides, linear and multi-dimensional indexes)

    The same kernel as _c_closure_138.

    Size of a shape, shape first: returns init * the product of all entries of shape (its
    whole length), in 32-bit arithmetic that wraps; init for an empty shape. The product of
    _c_closure_28 with the parameters in this order.

    Parameters:
      shape  int32[], read
      init   int32
    Returns: size: int32
    """

def _c_closure_224(n: Int32, dim: I32Array, shape: I32ArrayOut, /) -> None:
    r"""sets::fold_before (sets/convert.cpp: Shape products, index conversions, five-group folds, shape tables and stack fills)

    Five-group fold, the leading axes: shape[0] *= dim[0] * .. * dim[n - 1] (32-bit,
    wrapping); unchanged when n <= 0. shape = (before, first chosen axis, between, second
    chosen axis, after) collects the sizes of dim around two chosen axes with _c_closure_225
    and _c_closure_226; the caller sets the accumulators shape[0], shape[2] and shape[4] (to
    1) and the chosen sizes shape[1] and shape[3].

    Parameters:
      n      int32
      dim    int32[], read
      shape  int32[], written
    Returns: None
    """

def _c_closure_225(start: Int32, end: Int32, dim: I32Array, shape: I32ArrayOut, /) -> None:
    r"""sets::fold_between (sets/convert.cpp: Shape products, index conversions, five-group folds, shape tables and stack fills)

    Five-group fold, the axes between: shape[2] *= dim[k] for start < k < end (32-bit,
    wrapping), start and end being the two chosen axes; unchanged when end <= start + 1. See
    _c_closure_224 for the five groups.

    Parameters:
      start  int32
      end    int32
      dim    int32[], read
      shape  int32[], written
    Returns: None
    """

def _c_closure_226(start: Int32, dim: I32Array, end: Int32, shape: I32ArrayOut, /) -> None:
    r"""sets::fold_after (sets/convert.cpp: Shape products, index conversions, five-group folds, shape tables and stack fills)

    Five-group fold, the trailing axes: shape[4] *= dim[k] for start < k < end (32-bit,
    wrapping), start being the second chosen axis and end the number of axes; unchanged when
    end <= start + 1. Note the argument order: start, dim, end, shape. See _c_closure_224
    for the five groups.

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

    Strides of a five-axis view: stride[k - 1] = stride[k] * dim[k] for k = 4 down to 1, in
    32-bit arithmetic that wraps, so stride[3] = dim[4] * stride[4], ..., stride[0] = dim[1]
    * stride[1]. The caller sets stride[4] (1 for row-major strides); dim and stride have 5
    entries, dim[0] is not read and stride[4] is not written. dim comes from _c_closure_57
    .. _c_closure_59.

    Parameters:
      dim     int32[], read
      stride  int32[], written
    Returns: None
    """

def _c_closure_228(dim: I32Array, pos: Int32, nativeidxs: I32Array, nidxs: I32ArrayOut, stride: I32Array, upper: Int32, /) -> Annotated[Int32, "pos"]:
    r"""sets::symmetric_expand (sets/convert.cpp: Shape products, index conversions, five-group folds, shape tables and stack fills)

    Symmetric expansion over a five-group box: with the sizes dim[0..4] and the strides
    stride[0..4] (as _c_closure_227 builds them), the position of (a0, a1, a2, a3, a4) is
    the sum of a_t * stride[t] (64-bit). For a0 < dim[0], a1 < dim[1], a2 < dim[2], a3 in
    the triangle, a4 < dim[4], nested in that order (a4 innermost): v = nativeidxs[pos] is
    written to nidxs at the positions of (a0, a1, a2, a3, a4) and (a0, a3, a2, a1, a4), then
    pos advances.

    The triangle is a3 = 0 .. a1 when upper is 0 and a3 = a1 .. dim[1] - 1 otherwise; dim[3]
    is not read (it equals dim[1]); diagonal elements are written twice with the same value.

    Each call reads dim[0]*dim[2]*dim[4]*dim[1]*(dim[1]+1)/2 entries of nativeidxs from pos;
    nidxs needs every position reached: dim[0]*dim[1]*dim[2]*dim[1]*dim[4] entries with the
    row-major strides of dim and stride[4] = 1. Returns the final pos (a 32-bit running
    position).

    Parameters:
      dim         int32[], read
      pos         int32
      nativeidxs  int32[], read
      nidxs       int32[], written
      stride      int32[], read
      upper       int32
    Returns: pos: int32
    """

def _c_closure_229(shape: I32Array, init: Int64, /) -> Annotated[Int64, "size"]:
    r"""shape::size_of_shape64 (shape/index.cpp: Shapes, strides, linear and multi-dimensional indexes)

    The same kernel as _c_closure_112.

    Size of a shape in 64 bits: returns init * shape[0] * ... * shape[len(shape) - 1], over
    the whole length of shape, accumulated in 64 bits, so a product beyond 2**31 does not
    wrap (one beyond 2**63 wraps in 64 bits). An empty shape (or None) returns init.

    Parameters:
      shape  int32[], read
      init   int64
    Returns: size: int64
    """

def _c_closure_230(key: I32Array, init: Int64, shape: I32Array, /) -> Annotated[Int64, "lin"]:
    r"""sets::linear_of_key (sets/convert.cpp: Shape products, index conversions, five-group folds, shape tables and stack fills)

    Linear index of a multi-index: v = init, then v = v*shape[k] + key[k] for k = 1 ..
    len(key) - 1 (64-bit, wrapping); returns v. With init = key[0] it is the row-major
    linear index of key: shape (2, 3, 4), key (1, 2, 3) and init 1 give 23. The length of
    key sets the axes; shape needs as many entries, shape[0] is not read.

    Parameters:
      key    int32[], read
      init   int64
      shape  int32[], read
    Returns: lin: int64
    """

def _c_closure_231(dest: I32ArrayOut, lin: Int64, shape: I32Array, /) -> None:
    r"""sets::multi_of_linear (sets/convert.cpp: Shape products, index conversions, five-group folds, shape tables and stack fills)

    Multi-index of a linear index: with n = len(shape), for k = n - 1 down to 1, dest[k] =
    lin mod shape[k] and lin = lin div shape[k] (64-bit, truncating toward zero: a negative
    lin gives digits <= 0); then dest[0] = what remains, not reduced by shape[0]. Shape (2,
    3, 4) and lin 23 give (1, 2, 3).

    dest needs n entries; an empty shape writes nothing. A size of 0 divides as 1 (digit 0)
    instead of trapping. _c_closure_233 is the same with lin first.

    Parameters:
      dest   int32[], written
      lin    int64
      shape  int32[], read
    Returns: None
    """

def _c_closure_232(k: I32ArrayOut, n: Int32, lin: Int64, shape: I32Array, /) -> Annotated[Int64, "lin"]:
    r"""sets::inner_digits (sets/convert.cpp: Shape products, index conversions, five-group folds, shape tables and stack fills)

    Low digits of a linear index: for t = n - 1 down to 1, k[t] = lin mod shape[t] and lin =
    lin div shape[t] (64-bit, truncating; a size of 0 divides as 1); returns the remaining
    lin, the index along axis 0 of the first n axes. k (an array) needs n entries; k[0] is
    not written, and n <= 1 writes nothing and returns lin. Shape (2, 3, 4), n = 3 and lin
    23 give k[1] = 2, k[2] = 3 and return 1.

    Parameters:
      k      int32[], written
      n      int32
      lin    int64
      shape  int32[], read
    Returns: lin: int64
    """

def _c_closure_233(lin: Int64, res: I32ArrayOut, shape: I32Array, /) -> None:
    r"""sets::multi_of_linear_lin_first (sets/convert.cpp: Shape products, index conversions, five-group folds, shape tables and stack fills)

    Multi-index of a linear index, as _c_closure_231 with lin first: with n = len(shape),
    for k = n - 1 down to 1, res[k] = lin mod shape[k] and lin = lin div shape[k] (64-bit,
    truncating; a size of 0 divides as 1); then res[0] = what remains, not reduced by
    shape[0]. res needs n entries; an empty shape writes nothing.

    Parameters:
      lin    int64
      res    int32[], written
      shape  int32[], read
    Returns: None
    """

def _c_closure_234(nd: Int32, shape: I32Array, st: I64ArrayOut, /) -> None:
    r"""sets::strides_from_last (sets/convert.cpp: Shape products, index conversions, five-group folds, shape tables and stack fills)

    Row-major strides: st[k] = shape[k + 1] * st[k + 1] for k = nd - 2 down to 0 (64-bit,
    wrapping); st[nd - 1] is the caller's (1 for plain strides; another value scales them
    all). Shape (2, 3, 4) with st[2] = 1 gives (12, 4, 1). nd <= 1 writes nothing; shape[0]
    is not read.

    Parameters:
      nd     int32
      shape  int32[], read
      st     int64[], written
    Returns: None
    """

def _c_closure_235(r: I32ArrayOut, set1: I32Array, /) -> None:
    r"""sets::copy_first_set (sets/order.cpp: Order checks, index lists and coefficient buffers)

    First set: r[k] = set1[k] over the length of set1 (None: nothing). With _c_closure_236
    it writes the concatenation of set1 and set2 into r, which then needs len(set1) +
    len(set2) entries.

    Parameters:
      r     int32[], written
      set1  int32[], read
    Returns: None
    """

def _c_closure_236(r: I32ArrayOut, set1: I32Array, set2: I32Array, /) -> None:
    r"""sets::append_second_set (sets/order.cpp: Order checks, index lists and coefficient buffers)

    Second set after the first: r[L + k] = set2[k] over the length of set2, L being the
    length of set1 (0 when set1 is None). set1 is only measured, not copied (_c_closure_235
    copies it). r needs L + len(set2) entries.

    Parameters:
      r     int32[], written
      set1  int32[], read
      set2  int32[], read
    Returns: None
    """

def _c_closure_237(dims: I32Array, init: Int64, /) -> Annotated[Int64, "size"]:
    r"""sets::size_of_dims64 (sets/convert.cpp: Shape products, index conversions, five-group folds, shape tables and stack fills)

    Size of a dimension list: returns init times every entry of dims, over its whole length
    (64-bit, wrapping); init when dims is empty or None.

    Parameters:
      dims  int32[], read
      init  int64
    Returns: size: int64
    """

def _c_closure_238(lsubi: I32Array, lsubj: I32Array, count: Int64, usubi: I32Array, usubj: I32Array, /) -> Annotated[Int64, "count"]:
    r"""sets::union_size (sets/bounds.cpp: Element bound matrices)

    Union size, the count pass of _c_closure_239: returns count plus the number of distinct
    coordinates in the lower-bound list (lsubi, lsubj) and the upper-bound list (usubi,
    usubj) together (64-bit). Writes nothing; with count = 0 the result is the number of
    rows _c_closure_239 writes.

    A list's length is that of lsubi (usubi), and lsubj (usubj) needs as many entries; a
    list given as None is empty. Each list must be sorted by row, then column, without
    repeated coordinates.

    Parameters:
      lsubi  int32[], read
      lsubj  int32[], read
      count  int64
      usubi  int32[], read
      usubj  int32[], read
    Returns: count: int64
    """

def _c_closure_239(inst: I32MatrixOut, lbv: F64ArrayOut, lsubi: I32Array, lsubj: I32Array, lval: F64Array, ubv: F64ArrayOut, usubi: I32Array, usubj: I32Array, uval: F64Array, /) -> None:
    r"""sets::union_with_bounds (sets/bounds.cpp: Element bound matrices)

    Union with bounds, the build pass sized by _c_closure_238 (count 0): merges the
    lower-bound list (lsubi, lsubj, lval) and the upper-bound list (usubi, usubj, uval),
    both sorted by row, then column, without repeats, and writes for each union element r in
    that order: inst(r, 0) and inst(r, 1) = its row and column, lbv[r] = its lower and
    ubv[r] = its upper bound, 0.0 for the bound of a list that lacks the coordinate. A
    coordinate in both lists gives one row.

    The lists' lengths are those of lsubi and usubi (None: empty); lsubj and lval need the
    length of lsubi, usubj and uval that of usubi. inst needs U rows of at least 2 columns
    and lbv and ubv U entries, U being _c_closure_238's result with count 0.

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

    Scatter of lower bounds: lval[subi[k]*ncols + subj[k]] = v[k] for k over the length of
    subi (positions in 64 bits): sparse bounds into a dense row-major array of ncols
    columns. subj and v need as many entries as subi; lval needs every position written
    (nrows*ncols for an nrows x ncols matrix). Positions not listed are left alone (the
    caller fills the defaults first); the coordinates may come in any order, and of a
    repeated one the last value stays. _c_closure_241 is the same into uval.

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

    Scatter of upper bounds: uval[subi[k]*ncols + subj[k]] = v[k] for k over the length of
    subi (positions in 64 bits), as _c_closure_240 does for lval; note that uval stands
    between subj and v. subj and v need as many entries as subi; uval needs every position
    written. Positions not listed are left alone; of a repeated coordinate the last value
    stays.

    Parameters:
      ncols  int32
      subi   int32[], read
      subj   int32[], read
      uval   float64[], written
      v      float64[], read
    Returns: None
    """

def _c_closure_242(nrows: Int32, ncols: Int32, pos: Int32, lb: F64Matrix, lval: F64ArrayOut, ub: F64Matrix, uval: F64ArrayOut, /) -> Annotated[Int32, "pos"]:
    r"""sets::flatten_bounds (sets/bounds.cpp: Element bound matrices)

    Flattening of dense bounds: for each row i < nrows, lval[pos + j] = lb(i, j) and
    uval[pos + j] = ub(i, j) for j < ncols, then pos += ncols. lb and ub are 2-D tables of
    at least nrows rows and ncols columns, read through their strides (any order); lval and
    uval need pos + nrows*ncols entries.

    Returns the final pos, pos + nrows*ncols (a 32-bit running position); pos when nrows <=
    0, and nothing is written when nrows <= 0 or ncols <= 0.

    Parameters:
      nrows  int32
      ncols  int32
      pos    int32
      lb     float64[,], read
      lval   float64[], written
      ub     float64[,], read
      uval   float64[], written
    Returns: pos: int32
    """

def _c_closure_243(inst: I32MatrixOut, msubi: I32Array, msubj: I32Array, /) -> None:
    r"""sets::element_table (sets/bounds.cpp: Element bound matrices)

    Element table: inst(k, 0) = msubi[k] and inst(k, 1) = msubj[k] for k over the length of
    msubi. inst needs that many rows of at least 2 columns (any strides: a transposed table
    works; other columns are left alone); msubj needs as many entries as msubi.

    Parameters:
      inst   int32[,], written
      msubi  int32[], read
      msubj  int32[], read
    Returns: None
    """

def _c_closure_244(dim: I32Array, init: Int64, /) -> Annotated[Int64, "size"]:
    r"""sets::size_of_dims64 (sets/convert.cpp: Shape products, index conversions, five-group folds, shape tables and stack fills)

    The same kernel as _c_closure_237.

    Size of a dimension list: returns init times every entry of dim, over its whole length
    (64-bit, wrapping); init when dim is empty or None. The product of _c_closure_237.

    Parameters:
      dim   int32[], read
      init  int64
    Returns: size: int64
    """

def _c_closure_245(n: Int32, shape: I32Array, init: Int32, /) -> Annotated[Int32, "size"]:
    r"""shape::size_of_leading_shape_middle (shape/index.cpp: Shapes, strides, linear and multi-dimensional indexes)

    The same kernel as _c_closure_161.

    Size of the leading dimensions, shape in the middle: returns init * shape[0] * ... *
    shape[n - 1], in 32-bit arithmetic that wraps; init when n <= 0 (shape is then not
    read). The product of _c_closure_32 with the parameters in this order.

    Parameters:
      n      int32
      shape  int32[], read
      init   int32
    Returns: size: int32
    """

def _c_closure_246(idxs: I32MatrixOut, indexes: I32Array, /) -> None:
    r"""sets::fill_first_column (sets/order.cpp: Order checks, index lists and coefficient buffers)

    First column of an index table: idxs(k, 0) = indexes[k] over the length of indexes. idxs
    (2-D) needs that many rows; its other columns and rows are left alone. _c_closure_247
    fills the first row.

    Parameters:
      idxs     int32[,], written
      indexes  int32[], read
    Returns: None
    """

def _c_closure_247(idxs: I32MatrixOut, indexes: I32Array, /) -> None:
    r"""sets::fill_first_row (sets/order.cpp: Order checks, index lists and coefficient buffers)

    First row of an index table: idxs(0, k) = indexes[k] over the length of indexes. idxs
    (2-D) needs that many columns; its other rows are left alone. _c_closure_246 fills the
    first column.

    Parameters:
      idxs     int32[,], written
      indexes  int32[], read
    Returns: None
    """

def _c_closure_248(n: Int32, ri32: I32ArrayOut, off: Int32, shape: I32Array, /) -> None:
    r"""sets::shape_onto_stack (sets/convert.cpp: Shape products, index conversions, five-group folds, shape tables and stack fills)

    Shape onto the result stack: ri32[off + k] = shape[k] for k < n, the shape run of a
    record at base off; nothing when n <= 0. A copy within one array (shape a view of ri32)
    runs forward, element by element.

    Parameters:
      n      int32
      ri32   int32[], written
      off    int32
      shape  int32[], read
    Returns: None
    """

def _c_closure_249(flag: Int32, ri64: I64ArrayOut, off: Int32, sparsity: I64Array, /) -> None:
    r"""sets::sparsity_onto_stack (sets/convert.cpp: Shape products, index conversions, five-group folds, shape tables and stack fills)

    Sparsity onto the result stack: when flag != 0, ri64[off + k] = sparsity[k] over the
    length of sparsity, the sp run of a sparse record at base off (ri64 needs off +
    len(sparsity) entries); nothing when flag is 0.

    Parameters:
      flag      int32
      ri64      int64[], written
      off       int32
      sparsity  int64[], read
    Returns: None
    """

def _c_closure_250(bfix: F64Array, n: Int32, off: Int32, rf64: F64ArrayOut, /) -> None:
    r"""sets::constants_onto_stack (sets/convert.cpp: Shape products, index conversions, five-group folds, shape tables and stack fills)

    Constants onto the result stack: rf64[off + k] = bfix[k] for k < n, the bfix run of a
    record at base off; nothing when n <= 0. Note the argument order: bfix first, then n,
    off and rf64.

    Parameters:
      bfix  float64[], read
      n     int32
      off   int32
      rf64  float64[], written
    Returns: None
    """

def _c_closure_251(n: Int32, ri32: I32ArrayOut, off: Int32, /) -> None:
    r"""sets::empty_ptr_onto_stack (sets/convert.cpp: Shape products, index conversions, five-group folds, shape tables and stack fills)

    Empty ptr run onto the result stack: ri32[off + k] = 0 for k = 0 .. n, the n + 1 entries
    of the ptr run (ptr[0] included) of a record of n elements without terms. n = 0 writes
    one zero, n < 0 nothing.

    Parameters:
      n     int32
      ri32  int32[], written
      off   int32
    Returns: None
    """

def _c_closure_252(flag: Int32, sparsity: I64Array, size: Int64, /) -> Annotated[bool, "outside"]:
    r"""sets::sparsity_out_of_range (sets/order.cpp: Order checks, index lists and coefficient buffers)

    Range test of linear indexes, an error flag: True when flag != 0, or when some entry of
    sparsity (its whole length) is < 0 or >= size; otherwise False. A failed test sets the
    flag, so a caller chains tests by passing the last result as flag. _c_closure_255 is the
    same test with the arguments in another order.

    Parameters:
      flag      int32
      sparsity  int64[], read
      size      int64
    Returns: outside: bool
    """

def _c_closure_253(idxs: I32Matrix, n: Int32, shape: I32Array, flag: Int32, /) -> Annotated[bool, "outside"]:
    r"""sets::multi_indexes_out_of_range (sets/order.cpp: Order checks, index lists and coefficient buffers)

    Range test of multi-indexes, an error flag: True when flag != 0, or when some idxs(r,
    c), over every row r of idxs (its first extent) and the columns c < n, is < 0 or >=
    shape[c]; otherwise False. Columns from n on are not checked; idxs needs at least n
    columns and shape n entries.

    Parameters:
      idxs   int32[,], read
      n      int32
      shape  int32[], read
      flag   int32
    Returns: outside: bool
    """

def _c_closure_254(idxs: I32Matrix, nd: Int32, shape: I32Array, this_idxs: I64ArrayOut, /) -> None:
    r"""sets::linear_of_rows (sets/convert.cpp: Shape products, index conversions, five-group folds, shape tables and stack fills)

    Linear indexes of multi-index rows: with the row-major strides of shape[0 .. nd - 1]
    (stride nd - 1 is 1), this_idxs[r] = the sum over c < nd of idxs(r, c) * stride c
    (64-bit) for every row r of the 2-D idxs (its first extent). idxs needs nd columns and
    this_idxs one entry per row of idxs; shape[0] is not read; nd <= 0 writes 0 for every
    row. Shape (2, 3, 4) and the row (1, 2, 3) give 23.

    It takes a scratch array of nd int64 entries; when that cannot be had it raises
    MemoryError and writes nothing.

    Parameters:
      idxs       int32[,], read
      nd         int32
      shape      int32[], read
      this_idxs  int64[], written
    Returns: None
    """

def _c_closure_255(idxs: I64Array, size: Int64, flag: Int32, /) -> Annotated[bool, "outside"]:
    r"""sets::indexes_out_of_range (sets/order.cpp: Order checks, index lists and coefficient buffers)

    Range test of linear indexes, an error flag: True when flag != 0, or when some entry of
    idxs (its whole length) is < 0 or >= size; otherwise False. The test of _c_closure_252,
    with the list first and flag last.

    Parameters:
      idxs  int64[], read
      size  int64
      flag  int32
    Returns: outside: bool
    """

def _c_closure_256(idxs: I64Array, ptrbase: Int32, count: Int32, wi32: I32Array, /) -> Annotated[Int32, "count"]:
    r"""sets::terms_of_elements (sets/order.cpp: Order checks, index lists and coefficient buffers)

    Term count of picked elements, the count pass of _c_closure_257 (the pick from a dense
    record, in another topic): returns count plus, for each entry e of idxs (its whole
    length), wi32[ptrbase + e + 1] - wi32[ptrbase + e], the number of terms of element e of
    the work-stack record whose ptr run starts at wi32[ptrbase] (32-bit, wrapping). A
    negative e counts 0, as _c_closure_257 picks the zero element for it.

    With count = 0 it is the number of nidxs and cof entries to reserve on the result stack
    for the pick, whose element count is len(idxs).

    Parameters:
      idxs     int64[], read
      ptrbase  int32
      count    int32
      wi32     int32[], read
    Returns: count: int32
    """

def _c_closure_257(bfixbase: Int32, cofbase: Int32, idxs: I64Array, rnnz: Int32, nidxsbase: Int32, ptrbase: Int32, rbfixbase: Int32, rcofbase: Int32, rf64: F64ArrayOut, ri32: I32ArrayOut, ri64: I64ArrayOut, rnidxsbase: Int32, rptrbase: Int32, wf64: F64Array, wi32: I32Array, wi64: I64Array, /) -> Annotated[Int32, "rnnz"]:
    r"""expr::pick_dense (expr/pick.cpp: Picking and slicing elements of an expression)

    Pick from a dense operand, the build pass sized by _c_closure_256: for k = 0 ..
    len(idxs) - 1, result element k is element e = idxs[k] of the dense work-stack record
    (ptr at wi32[ptrbase], nidxs at wi64[nidxsbase], cof at wf64[cofbase], bfix at
    wf64[bfixbase]): its terms are copied unchanged and in order to ri64[rnidxsbase + rnnz
    ..] and rf64[rcofbase + rnnz ..], rnnz advancing by their number; then ri32[rptrbase + k
    + 1] = rnnz and rf64[rbfixbase + k] = wf64[bfixbase + e]. An entry idxs[k] < 0 gives the
    zero element (no terms, constant 0.0).

    The number of picks is len(idxs), the array's own length; the result is one-dimensional
    and dense with that many elements. rnnz is the term position where the picked terms
    begin (0 for a fresh record). The final rnnz is T = _c_closure_256(idxs, ptrbase, rnnz,
    wi32), so ri32 needs rptrbase + len(idxs) + 1 entries, ri64 rnidxsbase + T, and rf64
    both rcofbase + T and rbfixbase + len(idxs).

    ptr[0] (ri32[rptrbase]) is not written: the caller sets it (0 for a fresh record).

    Returns the advanced rnnz (32-bit, wrapping): equal to T.

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
    Returns: rnnz: int32
    """

def _c_closure_258(idxs: I64Array, count: Int32, ptrbase: Int32, rnnz: Int32, spbase: Int32, posbase: Int32, wi32: I32Array, wi64: I64Array, xi32: I32ArrayOut, /) -> Annotated[Int32, "rnnz"]:
    r"""expr::locate_sparse (expr/pick.cpp: Picking and slicing elements of an expression)

    Locate picks in a sparse operand, the count pass of _c_closure_259: for each k <
    len(idxs), searches t = idxs[k] by bisection in the strictly increasing sp run
    wi64[spbase .. spbase + count - 1] of the sparse work-stack record (count stored
    elements, ptr at wi32[ptrbase]) and writes xi32[posbase + k] = the position j with sp[j]
    = t, or -1 when the record does not store t; each found element adds its term count
    ptr[j + 1] - ptr[j] to rnnz.

    xi32 needs posbase + len(idxs) entries (the position run that _c_closure_259 reads).
    count = 0 marks every index -1; an empty idxs writes nothing.

    Returns rnnz plus the terms of the found elements (32-bit, wrapping): with rnnz = 0 the
    term count of the pick.

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
    Returns: rnnz: int32
    """

def _c_closure_259(bfixbase: Int32, cofbase: Int32, idxs: I64Array, rnnz: Int32, nidxsbase: Int32, ptrbase: Int32, rbfixbase: Int32, rcofbase: Int32, rf64: F64ArrayOut, ri32: I32ArrayOut, ri64: I64ArrayOut, rnidxsbase: Int32, rptrbase: Int32, posbase: Int32, wf64: F64Array, wi32: I32Array, wi64: I64Array, xi32: I32Array, /) -> Annotated[Int32, "rnnz"]:
    r"""expr::pick_sparse (expr/pick.cpp: Picking and slicing elements of an expression)

    Pick from a sparse operand, the build pass sized by _c_closure_258: for k = 0 ..
    len(idxs) - 1, with j = xi32[posbase + k] (the positions _c_closure_258 wrote), result
    element k is the work-stack record's stored element j: its terms copied unchanged to
    ri64[rnidxsbase + rnnz ..] and rf64[rcofbase + rnnz ..] (rnnz advancing) and
    rf64[rbfixbase + k] = wf64[bfixbase + j]; for j < 0 it is the zero element (no terms,
    constant 0.0). Then ri32[rptrbase + k + 1] = rnnz.

    Only the length of idxs is used, not its values. The result is one-dimensional and dense
    with len(idxs) elements: with T the value _c_closure_258 returned for the same starting
    rnnz, ri32 needs rptrbase + len(idxs) + 1 entries, ri64 rnidxsbase + T, rf64 rcofbase +
    T and rbfixbase + len(idxs).

    ptr[0] (ri32[rptrbase]) is not written: the caller sets it (0 for a fresh record).

    Returns the advanced rnnz (T).

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
    Returns: rnnz: int32
    """

def _c_closure_260(nd: Int32, shapebase: Int32, st: I64ArrayOut, wi32: I32Array, /) -> None:
    r"""expr::strides_of_work_shape (expr/sizes.cpp: Strides, size products, maxima and shape copies of record shape runs)

    Strides of a work-stack shape run: st[k - 1] = wi32[shapebase + k] * st[k] for k = nd -
    1 down to 1 (64-bit, wrapping), each from the entry just written. The caller sets st[nd
    - 1] (1 for row-major strides); st needs nd entries; nd of 0 or 1 writes nothing.

    Parameters:
      nd         int32
      shapebase  int32
      st         int64[], written
      wi32       int32[], read
    Returns: None
    """

def _c_closure_261(first: I32Array, sparse: Int32, last: I32Array, nd: Int32, count: Int32, ptrbase: Int32, rnelem: Int32, rnnz: Int32, shapebase: Int32, spbase: Int32, st: I64Array, wi32: I32Array, wi64: I64Array, /) -> Tuple[Annotated[Int32, "rnelem"], Annotated[Int32, "rnnz"]]:
    r"""expr::slice_count (expr/pick.cpp: Picking and slicing elements of an expression)

    Slice count, the count pass of _c_closure_263: the box holds the elements whose
    coordinates c_d = (L / st[d]) mod wi32[shapebase + d] satisfy first[d] <= c_d < last[d]
    for every d < nd. Of the work-stack record's count stored elements (linear index L = k
    when sparse = 0, L = wi64[spbase + k] otherwise; ptr at wi32[ptrbase]):
    - sparse = 0 (dense): returns (the product of last[d] - first[d] over d < nd, rnnz + the
      terms of the elements in the box); the rnelem passed is ignored, not added.
    - sparse != 0: returns (rnelem + the stored elements in the box, rnnz + their terms).

    st holds the operand's strides (_c_closure_260). Counts, sums and the product wrap in 32
    bits. A box outside the shape is not detected.

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
    Returns: (rnelem, rnnz): (int32, int32)
    """

def _c_closure_262(nd: Int32, rshape: I32Array, rst: I64ArrayOut, /) -> None:
    r"""expr::strides_of_shape (expr/sizes.cpp: Strides, size products, maxima and shape copies of record shape runs)

    Strides of a shape array: rst[k - 1] = rshape[k] * rst[k] for k = nd - 1 down to 1
    (64-bit, wrapping). The caller sets rst[nd - 1] (1 for row-major strides); rst needs nd
    entries; nd of 0 or 1 writes nothing.

    Parameters:
      nd      int32
      rshape  int32[], read
      rst     int64[], written
    Returns: None
    """

def _c_closure_263(bfixbase: Int32, cofbase: Int32, first: I32Array, sparse: Int32, rnelem: Int32, rnnz: Int32, last: I32Array, nd: Int32, count: Int32, nidxsbase: Int32, ptrbase: Int32, rbfixbase: Int32, rcofbase: Int32, rf64: F64ArrayOut, ri32: I32ArrayOut, ri64: I64ArrayOut, rnidxsbase: Int32, rptrbase: Int32, rspbase: Int32, rst: I64Array, shapebase: Int32, spbase: Int32, st: I64Array, wf64: F64Array, wi32: I32Array, wi64: I64Array, /) -> Tuple[Annotated[Int32, "rnelem"], Annotated[Int32, "rnnz"]]:
    r"""expr::slice_build (expr/pick.cpp: Picking and slicing elements of an expression)

    Slice build, the build pass sized by _c_closure_261: for the stored elements k = 0 ..
    count - 1 in order (linear index L = k when sparse = 0, L = wi64[spbase + k] otherwise)
    whose coordinates c_d = (L / st[d]) mod wi32[shapebase + d] lie in the box first[d] <=
    c_d < last[d] (all d < nd), writes result element rnelem: its terms copied unchanged to
    ri64[rnidxsbase + rnnz ..] and rf64[rcofbase + rnnz ..] (rnnz advancing), ri32[rptrbase
    + rnelem + 1] = rnnz, rf64[rbfixbase + rnelem] = its constant and, when sparse != 0,
    ri64[rspbase + rnelem] = sum over d of (c_d - first[d]) * rst[d], its linear index in
    the box's shape; then rnelem += 1.

    The result is dense or sparse like the operand, in row-major order of the box (a sparse
    result's sp strictly increasing). rst holds the strides of the box's shape (last[d] -
    first[d]; _c_closure_262); rspbase is not used when sparse = 0. The elements go after
    the rnelem elements and rnnz terms passed: with E new elements and T new terms
    (_c_closure_261 returns E itself for a dense operand, rnelem + E for a sparse one, and
    rnnz + T), ri32 needs rptrbase + rnelem + E + 1 entries, rf64 rbfixbase + rnelem + E and
    rcofbase + rnnz + T, ri64 rnidxsbase + rnnz + T (and rspbase + rnelem + E when sparse).

    ptr[0] is not written: the caller sets ri32[rptrbase] = 0 before the first piece. A
    sparse slice takes nd int32 of scratch memory before writing anything (MemoryError if it
    cannot).

    Returns the advanced (rnelem, rnnz).

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
    Returns: (rnelem, rnnz): (int32, int32)
    """

def _c_closure_264(dperm: I32Array, dstride: I32Array, spbase: Int32, nd: Int32, count: Int32, shapebase: Int32, sp: I64ArrayOut, stride: I64Array, wi32: I32Array, wi64: I64Array, /) -> None:
    r"""expr::permute_sparse_indexes (expr/transpose.cpp: Transposing and permuting the dimensions of an expression)

    Sparse permutation of dimensions, new indexes (the first step; the caller's sort and
    _c_closure_265 follow): for each of the count stored elements of the sparse work-stack
    record, with v = wi64[spbase + k], writes sp[k] = sum over d < nd of ((v / stride[d])
    mod wi32[shapebase + d]) * dstride[dperm[d]], its linear index in the permuted shape.
    stride (int64) and the shape run at shapebase are the operand's; dperm[d] is the result
    dimension that operand dimension d becomes; dstride (int32) holds the result shape's
    strides.

    sp is an array outside the stacks with count entries. The caller then lists the element
    numbers in ascending sp (a sort of sp) as perm for _c_closure_265.

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

def _c_closure_265(bfixbase: Int32, cofbase: Int32, nidxsbase: Int32, ptrbase: Int32, rnelem: Int32, rnnz: Int32, count: Int32, perm: I64Array, rbfixbase: Int32, rcofbase: Int32, rf64: F64ArrayOut, ri32: I32ArrayOut, ri64: I64ArrayOut, rnidxsbase: Int32, rptrbase: Int32, rspbase: Int32, sp: I64Array, wf64: F64Array, wi32: I32Array, wi64: I64Array, /) -> Tuple[Annotated[Int32, "rnelem"], Annotated[Int32, "rnnz"]]:
    r"""expr::permute_sparse_elements (expr/transpose.cpp: Transposing and permuting the dimensions of an expression)

    Sparse permutation of dimensions, the build pass (after _c_closure_264 and the caller's
    sort): for k = 0 .. count - 1 with e = perm[k], result element k is the operand's stored
    element e: its terms copied unchanged to ri64[rnidxsbase + rnnz ..] and rf64[rcofbase +
    rnnz ..] (rnnz advancing), ri32[rptrbase + k + 1] = rnnz, ri64[rspbase + k] = sp[e] (its
    new linear index from _c_closure_264) and rf64[rbfixbase + k] = wf64[bfixbase + e].

    The ptr, sp and bfix entries count from k = 0 whatever rnelem is passed: rnelem only
    feeds the first returned value, while the terms start at rnnz. For a fresh result pass
    rnelem = rnnz = 0; the result has the operand's counts (count elements, its nnz terms),
    so ri32 needs rptrbase + count + 1 entries, ri64 rspbase + count and rnidxsbase + nnz,
    rf64 rbfixbase + count and rcofbase + nnz. perm must list every element once in
    ascending new index, or the result's sp is not increasing.

    ptr[0] is not written: the caller sets ri32[rptrbase] = 0.

    Returns (rnelem + count, rnnz + the terms copied): with 0, 0 passed, the result's
    element count and term count.

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
    Returns: (rnelem, rnnz): (int32, int32)
    """

def _c_closure_266(dperm: I32Array, dstride: I32Array, bfixbase: Int32, cofbase: Int32, nidxsbase: Int32, ptrbase: Int32, rnelem: Int32, rnnz: Int32, nd: Int32, count: Int32, rbfixbase: Int32, rcofbase: Int32, rf64: F64ArrayOut, ri32: I32ArrayOut, ri64: I64ArrayOut, rnidxsbase: Int32, rptrbase: Int32, shapebase: Int32, stride: I64Array, wf64: F64Array, wi32: I32Array, wi64: I64Array, /) -> Tuple[Annotated[Int32, "rnelem"], Annotated[Int32, "rnnz"]]:
    r"""expr::permute_dense (expr/transpose.cpp: Transposing and permuting the dimensions of an expression)

    Dense permutation of dimensions: for each result linear index t = 0 .. count - 1, result
    element rnelem + t is operand element s = sum over d < nd of ((t / stride[dperm[d]]) mod
    wi32[shapebase + dperm[d]]) * dstride[d]: its terms copied unchanged from term position
    rnnz on (rnnz advancing), ri32[rptrbase + rnelem + t + 1] = rnnz and rf64[rbfixbase +
    rnelem + t] = wf64[bfixbase + s]. Here stride (int64) and the shape run at
    wi32[shapebase] are the result's (the permuted shape, placed on the work stack), dstride
    (int32) holds the operand's strides, and dperm[d] is the result dimension that operand
    dimension d becomes. count is the element count of the shape.

    No count pass: the result has the operand's counts. Written after the rnelem elements
    and rnnz terms passed: ri32 needs rptrbase + rnelem + count + 1 entries, rf64 rbfixbase
    + rnelem + count and rcofbase + rnnz + nnz, ri64 rnidxsbase + rnnz + nnz (nnz the
    operand's term count). ptr[0] is not written: the caller sets ri32[rptrbase] = 0 for a
    fresh record.

    Returns the advanced (rnelem, rnnz).

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
    Returns: (rnelem, rnnz): (int32, int32)
    """

def _c_closure_267(m: Int32, n: Int32, bfixbase: Int32, cofbase: Int32, nidxsbase: Int32, ptrbase: Int32, spbase: Int32, count: Int32, permbase: Int32, cntbase: Int32, rbfixbase: Int32, rcofbase: Int32, rf64: F64ArrayOut, ri32: I32ArrayOut, ri64: I64ArrayOut, rnidxsbase: Int32, rptrbase: Int32, rspbase: Int32, wf64: F64Array, wi32: I32Array, wi64: I64Array, xi32: I32ArrayOut, /) -> None:
    r"""expr::transpose_sparse (expr/transpose.cpp: Transposing and permuting the dimensions of an expression)

    Sparse transpose of an m by n record into the n by m sparse result: a stable counting
    sort of the count stored elements by column v mod n (v = wi64[spbase + e]), rows staying
    in increasing order, with n + 1 counters at xi32[cntbase ..] and count positions at
    xi32[permbase ..]; then result element k is the k-th element e in that order: its terms
    copied unchanged, packed from term position 0, ri64[rspbase + k] = v / n + m * (v mod n)
    (its transposed linear index), rf64[rbfixbase + k] = its constant, ri32[rptrbase + k +
    1] = terms so far.

    Builds the whole record, ptr[0] included (ri32[rptrbase] = 0), with the operand's counts
    (no count pass): ri32 needs rptrbase + count + 1 entries, ri64 rspbase + count and
    rnidxsbase + nnz, rf64 rbfixbase + count and rcofbase + nnz (nnz the operand's term
    count); xi32 cntbase + n + 1 and permbase + count. The result's sp is strictly
    increasing.

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

    Dense transpose of an m by n record into the n by m dense result: result element i * m +
    j (i < n, j < m) is operand element j * n + i, with its terms copied unchanged, packed
    from term position 0, and its constant.

    Builds the whole record, ptr[0] included (ri32[rptrbase] = 0), with the operand's counts
    (no count pass): ri32 needs rptrbase + m*n + 1 entries, rf64 rbfixbase + m*n and
    rcofbase + nnz, ri64 rnidxsbase + nnz (nnz the operand's term count).

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

def _c_closure_269(dim: Int32, i: Int32, mismatch: Int32, nd: Int32, nds: I32Array, shapebase: Int32, shape_bases: I32Array, wi32: I32Array, /) -> Annotated[bool, "mismatch"]:
    r"""expr::operand_mismatch (expr/stack.cpp: Stacking expressions along a dimension)

    Fit test of one stacking operand: True when mismatch != 0; otherwise True when nds[i] !=
    nd, or when some dimension k < nd other than dim has wi32[shape_bases[i] + k] !=
    wi32[shapebase + k] (the reference shape, usually the first operand's); else False. The
    caller folds it over the operands i = 0 .. n - 1, passing the previous answer as
    mismatch, and stacks only when the last answer is False. The dimension-count test is
    made for every operand, including i = dim.

    Parameters:
      dim          int32
      i            int32
      mismatch     int32
      nd           int32
      nds          int32[], read
      shapebase    int32
      shape_bases  int32[], read
      wi32         int32[], read
    Returns: mismatch: bool
    """

def _c_closure_270(dim: Int32, n: Int32, nd: Int32, total: Int32, shape_bases: I32Array, wi32: I32Array, /) -> Annotated[Int32, "total"]:
    r"""expr::stacked_size (expr/stack.cpp: Stacking expressions along a dimension)

    Stacked size in dim: when dim < nd, total plus wi32[shape_bases[i] + dim] over the n
    operands (32-bit, wrapping), which with total = 0 is the result's size in dim; when dim
    >= nd (stacking along a new trailing dimension), n, total being ignored.

    Parameters:
      dim          int32
      n            int32
      nd           int32
      total        int32
      shape_bases  int32[], read
      wi32         int32[], read
    Returns: total: int32
    """

def _c_closure_271(n: Int32, nelem: I32Array, nnz: I32Array, totalelem: Int32, totalnnz: Int32, /) -> Tuple[Annotated[Int32, "totalelem"], Annotated[Int32, "totalnnz"]]:
    r"""expr::stacked_counts (expr/stack.cpp: Stacking expressions along a dimension)

    Stacked counts: returns (totalelem + nelem[0] + ... + nelem[n - 1], totalnnz + nnz[0] +
    ... + nnz[n - 1]), 32-bit, wrapping. With 0, 0 passed these are the element and term
    counts of the stacked record: the sizes of the gathered record of _c_closure_280 ..
    _c_closure_282 and of the result of _c_closure_285 or _c_closure_286, and, when every
    operand is dense, of the result of _c_closure_277 (whose element count is then outer *
    total * inner).

    Parameters:
      n          int32
      nelem      int32[], read
      nnz        int32[], read
      totalelem  int32
      totalnnz   int32
    Returns: (totalelem, totalnnz): (int32, int32)
    """

def _c_closure_272(init: Int32, count: Int32, base: Int32, wi32: I32Array, /) -> Annotated[Int32, "size"]:
    r"""expr::size_of_run (expr/sizes.cpp: Strides, size products, maxima and shape copies of record shape runs)

    Size of a work-stack shape run: init * wi32[base] * ... * wi32[base + count - 1],
    multiplied in increasing order in 32-bit wrapping arithmetic; init when count <= 0, 0
    when a size is 0. With init = 1 and a record's nd and shape base it is the element count
    of the dense record (_c_closure_369 is the 64-bit product).

    Parameters:
      init   int32
      count  int32
      base   int32
      wi32   int32[], read
    Returns: size: int32
    """

def _c_closure_273(d1s: I32Array, n: Int32, offset: I32ArrayOut, /) -> None:
    r"""expr::stacked_offsets (expr/stack.cpp: Stacking expressions along a dimension)

    Operand offsets in dim: offset[k] = offset[k - 1] + d1s[k - 1] for k = 1 .. n - 1
    (32-bit, wrapping); offset[0] is the caller's (0). offset needs n entries;
    _c_closure_281 and _c_closure_282 read it.

    Parameters:
      d1s     int32[], read
      n       int32
      offset  int32[], written
    Returns: None
    """

def _c_closure_274(total: Int32, d1s: I32Array, n: Int32, /) -> Annotated[Int32, "total"]:
    r"""expr::stacked_total (expr/stack.cpp: Stacking expressions along a dimension)

    Stacked size from the operands' sizes in dim: total + d1s[0] + ... + d1s[n - 1] (32-bit,
    wrapping). With total = 0 it is the result's size in dim (d1s[i] = 1 for a new trailing
    dimension).

    Parameters:
      total  int32
      d1s    int32[], read
      n      int32
    Returns: total: int32
    """

def _c_closure_275(init: Int32, dim: Int32, nd: Int32, base: Int32, wi32: I32Array, /) -> Annotated[Int32, "size"]:
    r"""expr::size_after (expr/sizes.cpp: Strides, size products, maxima and shape copies of record shape runs)

    Size after a dimension: init times wi32[base + k] for k = dim + 1 .. nd - 1, in 32-bit
    wrapping arithmetic; init when the range is empty (dim >= nd - 1). With init = 1 and a
    shape run at base it is inner, the product of the sizes after dim.

    Parameters:
      init  int32
      dim   int32
      nd    int32
      base  int32
      wi32  int32[], read
    Returns: size: int32
    """

def _c_closure_276(count: Int32, ri32: I32ArrayOut, rbase: Int32, wbase: Int32, wi32: I32Array, /) -> None:
    r"""expr::copy_shape_to_result (expr/sizes.cpp: Strides, size products, maxima and shape copies of record shape runs)

    Shape run copy from the work stack to the result stack: ri32[rbase + k] = wi32[wbase +
    k] for k < count.

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

    Dense stacking in one build pass: stacks n dense operands along dim into the dense
    result. Operand i (ptr at wi32[ptr_base[i]], nidxs at wi64[nidxs_base[i]], cof at
    wf64[cof_base[i]], bfix at wf64[bfix_base[i]]) has outer * d1s[i] * inner elements; its
    element (o, j, q), in stored order, becomes result element (o * total + offset_i + j) *
    inner + q, offset_i = d1s[0] + ... + d1s[i - 1], with its constant and its terms
    unchanged and in order. The result is in row-major order of the stacked shape.

    total is the result's size in dim (_c_closure_270 or _c_closure_274) and rnelemtotal =
    outer * total * inner its element count; for a new trailing dimension pass d1s[i] = 1,
    inner = 1 and total = n. Builds the whole record, ptr[0] included (ri32[rptrbase] = 0):
    ri32 needs rptrbase + rnelemtotal + 1 entries, rf64 rbfixbase + rnelemtotal and rcofbase
    + T, ri64 rnidxsbase + T, T being the term total of _c_closure_271. No count pass.

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

def _c_closure_278(count: Int32, init: Int32, base: Int32, wi32: I32Array, /) -> Annotated[Int32, "size"]:
    r"""expr::size_of_run_count_first (expr/sizes.cpp: Strides, size products, maxima and shape copies of record shape runs)

    Size of a work-stack shape run, count first: init * wi32[base] * ... * wi32[base + count
    - 1] in 32-bit wrapping arithmetic; init when count <= 0. _c_closure_272 with the
    parameters in another order.

    Parameters:
      count  int32
      init   int32
      base   int32
      wi32   int32[], read
    Returns: size: int32
    """

def _c_closure_279(dim: Int32, nd: Int32, init: Int32, base: Int32, wi32: I32Array, /) -> Annotated[Int32, "size"]:
    r"""expr::size_after_dim_first (expr/sizes.cpp: Strides, size products, maxima and shape copies of record shape runs)

    Size after a dimension, dim first: init times wi32[base + k] for k = dim + 1 .. nd - 1,
    in 32-bit wrapping arithmetic; init when dim >= nd - 1. _c_closure_275 with the
    parameters in another order.

    Parameters:
      dim   int32
      nd    int32
      init  int32
      base  int32
      wi32  int32[], read
    Returns: size: int32
    """

def _c_closure_280(bfix_base: I32Array, cof_base: I32Array, n: Int32, nelem: I32Array, nidxs_base: I32Array, nnz: I32Array, xbfixbase: Int32, xcofbase: Int32, xnidxsbase: Int32, wf64: F64Array, wi64: I64Array, xf64: F64ArrayOut, xi64: I64ArrayOut, /) -> None:
    r"""expr::gather_terms (expr/stack.cpp: Stacking expressions along a dimension)

    Gather of terms and constants, the first step of stacking with a sparse operand: for the
    operands i = 0 .. n - 1 in order, copies nnz[i] entries of wi64 from nidxs_base[i] to
    xi64[xnidxsbase + T_i ..], nnz[i] entries of wf64 from cof_base[i] to xf64[xcofbase +
    T_i ..] and nelem[i] entries of wf64 from bfix_base[i] to xf64[xbfixbase + E_i ..], T_i
    and E_i being the terms and elements of the operands before i. _c_closure_281 and
    _c_closure_282 add the gathered record's sp and ptr (termoffset = T_i), _c_closure_285
    sorts it into the result.

    With (E, T) = _c_closure_271(n, nelem, nnz, 0, 0), xi64 needs xnidxsbase + T entries and
    xf64 xcofbase + T and xbfixbase + E.

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

def _c_closure_281(size: Int32, inner: Int32, i: Int32, xnelem: Int32, termoffset: Int32, nelem: I32Array, offset: I32Array, ptr_base: I32Array, blocksize: Int32, innersize: Int32, total: Int32, sp_base: I32Array, xptrbase: Int32, xspbase: Int32, wi32: I32Array, wi64: I64Array, xi32: I32ArrayOut, xi64: I64ArrayOut, /) -> Annotated[Int32, "xnelem"]:
    r"""expr::append_sparse_operand (expr/stack.cpp: Stacking expressions along a dimension)

    Append a sparse operand to the gathered record, the second step of stacking: for k <
    nelem[i], with v = wi64[sp_base[i] + k] the linear index of operand i's stored element
    k, writes xi64[xspbase + xnelem] = (total * (v / blocksize) + (v / innersize) mod size +
    offset[i]) * inner + v mod inner and xi32[xptrbase + xnelem + 1] = termoffset +
    wi32[ptr_base[i] + k + 1], then xnelem += 1. With size = d1s[i], blocksize = size *
    inner and innersize = inner this is the index of (o, offset[i] + j, q) in the stacked
    shape for the operand's (o, j, q); termoffset is the number of terms gathered before
    operand i.

    Call it (or _c_closure_282 for a dense operand) for each operand in order, from xnelem =
    0 and termoffset = 0, passing back the returned xnelem and advancing termoffset by
    nnz[i]. The gathered record's ptr[0] (xi32[xptrbase]) is not written: the caller sets it
    to 0. With E the element total of _c_closure_271, xi32 needs xptrbase + E + 1 entries
    and xi64 xspbase + E.

    Returns the new xnelem.

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
    Returns: xnelem: int32
    """

def _c_closure_282(outer: Int32, size: Int32, inner: Int32, i: Int32, xnelem: Int32, termoffset: Int32, offset: I32Array, ptr_base: I32Array, total: Int32, xptrbase: Int32, xspbase: Int32, wi32: I32Array, xi32: I32ArrayOut, xi64: I64ArrayOut, /) -> Annotated[Int32, "xnelem"]:
    r"""expr::append_dense_operand (expr/stack.cpp: Stacking expressions along a dimension)

    Append a dense operand to the gathered record, the second step of stacking: for operand
    i's elements e = (o, j, q), o < outer, j < size, q < inner, in stored order, writes
    xi64[xspbase + xnelem] = (o * total + j + offset[i]) * inner + q and xi32[xptrbase +
    xnelem + 1] = termoffset + wi32[ptr_base[i] + e + 1], then xnelem += 1 (size = d1s[i]).

    Chained with _c_closure_281 over the operands as described there; the gathered record's
    ptr[0] (xi32[xptrbase]) is the caller's (0).

    Returns the new xnelem.

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
    Returns: xnelem: int32
    """

def _c_closure_283(init: Int32, ri32: I32Array, count: Int32, base: Int32, /) -> Annotated[Int32, "largest"]:
    r"""expr::largest_in_run (expr/sizes.cpp: Strides, size products, maxima and shape copies of record shape runs)

    Largest entry of a result-stack run: the maximum of init and ri32[base + k] for k <
    count; init when count <= 0. With init = 0 over the result's shape run it is the largest
    size L; _c_closure_285 needs L + 1 counters.

    Parameters:
      init   int32
      ri32   int32[], read
      count  int32
      base   int32
    Returns: largest: int32
    """

def _c_closure_284(ri32: I32Array, nd: Int32, shapebase: Int32, s: I64ArrayOut, /) -> None:
    r"""expr::strides_of_result_shape (expr/sizes.cpp: Strides, size products, maxima and shape copies of record shape runs)

    Strides of a result-stack shape run: s[k - 1] = ri32[shapebase + k] * s[k] for k = nd -
    1 down to 1 (64-bit, wrapping). The caller sets s[nd - 1] (1 for row-major strides); s
    needs nd entries; nd of 0 or 1 writes nothing.

    Parameters:
      ri32       int32[], read
      nd         int32
      shapebase  int32
      s          int64[], written
    Returns: None
    """

def _c_closure_285(perma: Int32, cntbase: Int32, rbfixbase: Int32, rcofbase: Int32, rf64: F64ArrayOut, ri32: I32ArrayOut, ri64: I64ArrayOut, nd: Int32, count: Int32, rnidxsbase: Int32, rptrbase: Int32, rshapebase: Int32, rspbase: Int32, s: I64Array, xbfixbase: Int32, xcofbase: Int32, permb: Int32, xnidxsbase: Int32, xptrbase: Int32, xspbase: Int32, xf64: F64Array, xi32: I32ArrayOut, xi64: I64Array, /) -> Tuple[Annotated[Int32, "perma"], Annotated[Int32, "permb"]]:
    r"""expr::sort_gathered (expr/stack.cpp: Stacking expressions along a dimension)

    Sort of the gathered record into the sparse result, the last step of stacking: sorts the
    count gathered elements (ptr at xi32[xptrbase], sp at xi64[xspbase], nidxs at
    xi64[xnidxsbase], cof at xf64[xcofbase], bfix at xf64[xbfixbase]) by linear index with a
    stable counting sort per dimension d = nd - 1 down to 0, key (sp / s[d]) mod
    ri32[rshapebase + d]: the result's shape run, already on the result stack, and its
    strides s (_c_closure_284). The order starts as the identity at xi32[perma ..] and moves
    between the runs at perma and permb, counting in xi32[cntbase ..]. Then result element k
    is the k-th gathered element e in increasing linear index: ri64[rspbase + k] = its sp,
    rf64[rbfixbase + k] = its constant, its terms packed from term position 0 and
    ri32[rptrbase + k + 1] = terms so far.

    Builds the whole record, ptr[0] included (ri32[rptrbase] = 0): with (count, T) from
    _c_closure_271, ri32 needs rptrbase + count + 1 entries, ri64 rspbase + count and
    rnidxsbase + T, rf64 rbfixbase + count and rcofbase + T. Scratch: count entries at perma
    and at permb, and the largest result size + 1 counters at cntbase (_c_closure_283).

    Returns (perma, permb) as they stand after the passes, which exchange them once per
    dimension: the first holds the final order.

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
    Returns: (perma, permb): (int32, int32)
    """

def _c_closure_286(rbfixbase: Int32, rcofbase: Int32, rf64: F64ArrayOut, ri32: I32ArrayOut, ri64: I64ArrayOut, count: Int32, rnidxsbase: Int32, rptrbase: Int32, rspbase: Int32, xbfixbase: Int32, xcofbase: Int32, xnidxsbase: Int32, xptrbase: Int32, xspbase: Int32, xf64: F64Array, xi32: I32Array, xi64: I64Array, /) -> None:
    r"""expr::copy_gathered (expr/stack.cpp: Stacking expressions along a dimension)

    Copy of the gathered record to the result in its own order, in place of _c_closure_285
    when the gathered sp is already strictly increasing: for k < count, ri32[rptrbase + k +
    1] = ri32[rptrbase + k] + the term count of gathered element k (ptr at xi32[xptrbase]),
    ri64[rspbase + k] = its sp (xi64[xspbase + k]), rf64[rbfixbase + k] = its constant
    (xf64[xbfixbase + k]), and its terms (from xi64[xnidxsbase ..], xf64[xcofbase ..])
    packed from term position 0.

    Builds the whole record, ptr[0] included (ri32[rptrbase] = 0); sizes as for
    _c_closure_285.

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

    Shape array copy: resshape[k] = shape[k] for k < count. Copying the first operand's
    shape before _c_closure_288 gives the stacked shape.

    Parameters:
      count     int32
      resshape  int32[], written
      shape     int32[], read
    Returns: None
    """

def _c_closure_288(dim: Int32, resshape: I32ArrayOut, shapes: I32ArrayList, /) -> None:
    r"""expr::stacked_shape (expr/stack.cpp: Stacking expressions along a dimension)

    Stacked shape: adds to resshape[dim] the size in dim of every shape in shapes except the
    first (shapes: one int32 shape array per operand, in operand order). A shape without an
    entry dim (shorter, or None) adds nothing, and resshape is not written at all when no
    shape adds (dim < 0 included). After _c_closure_287 copied the first operand's shape
    into resshape, the two give the stacked shape; for a new trailing dimension (dim = nd)
    the caller sets resshape[nd] = n itself.

    Parameters:
      dim       int32
      resshape  int32[], written
      shapes    int32[][], read
    Returns: None
    """

def _c_closure_289(badrange: Int32, unsorted: Int32, limit: Int64, vsub: I64Array, /) -> Tuple[Annotated[bool, "badrange"], Annotated[bool, "unsorted"]]:
    r"""expr::check_coefficient_pattern (expr/inner.cpp: Inner products of a constant sparse vector with an expression)

    Coefficient pattern check, before _c_closure_290 and _c_closure_291: returns (badrange
    != 0 or vsub is non-empty with vsub[0] < 0 or its last entry > limit, unsorted != 0 or
    some vsub[k + 1] <= vsub[k]). limit is the largest valid linear index (the operand's
    size - 1): an entry equal to it is in range, unlike the size of _c_closure_316. Only the
    first and last entries are range-tested, which covers a sorted vsub; the entries are as
    many as vsub holds. An empty vsub returns the flags as passed.

    Parameters:
      badrange  int32
      unsorted  int32
      limit     int64
      vsub      int64[], read
    Returns: (badrange, unsorted): (bool, bool)
    """

def _c_closure_290(sparse: Int32, count: Int32, ptrbase: Int32, rnnz: Int32, spbase: Int32, vsub: I64Array, wi32: I32Array, wi64: I64Array, /) -> Annotated[Int32, "rnnz"]:
    r"""expr::inner_product_terms (expr/inner.cpp: Inner products of a constant sparse vector with an expression)

    Inner product terms, the count pass of _c_closure_291: returns rnnz plus the term counts
    (from the ptr run at wi32[ptrbase]) of the operand elements that vsub selects, wrapping
    in 32 bits. With a dense operand (sparse = 0) entry k selects stored element vsub[k];
    with a sparse one (count stored elements, sp at wi64[spbase]) vsub is merged with sp and
    an entry the operand does not store selects nothing. The entries are as many as vsub
    holds (strictly increasing).

    Parameters:
      sparse   int32
      count    int32
      ptrbase  int32
      rnnz     int32
      spbase   int32
      vsub     int64[], read
      wi32     int32[], read
      wi64     int64[], read
    Returns: rnnz: int32
    """

def _c_closure_291(constant: float, bfixbase: Int32, cofbase: Int32, sparse: Int32, rnnz: Int32, count: Int32, nidxsbase: Int32, ptrbase: Int32, rcofbase: Int32, rf64: F64ArrayOut, ri64: I64ArrayOut, rnidxsbase: Int32, spbase: Int32, vcof: F64Array, vsub: I64Array, wf64: F64Array, wi32: I32Array, wi64: I64Array, /) -> Tuple[Annotated[float, "constant"], Annotated[Int32, "rnnz"]]:
    r"""expr::inner_product (expr/inner.cpp: Inner products of a constant sparse vector with an expression)

    Inner product with a sparse vector, the build pass sized by _c_closure_290: the scalar
    sum over k of vcof[k] times operand element vsub[k]. Selects elements as 290 does (count
    and spbase read only when sparse != 0) and, for each selected pair (k, e) in increasing
    k, appends e's terms (ptr at wi32[ptrbase], nidxs at wi64[nidxsbase], cof at
    wf64[cofbase]) with coefficients vcof[k] * cof at ri64[rnidxsbase + rnnz], rf64[rcofbase
    + rnnz], rnnz += 1 each, and adds vcof[k] * wf64[bfixbase + e] to constant. Equal
    variables are not merged.

    Returns (constant, rnnz) advanced. Writes no ptr or bfix entry: the caller writes the
    scalar's ptr entry (the returned rnnz) and stores the returned constant as its bfix.

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
    Returns: (constant, rnnz): (float64, int32)
    """

def _c_closure_292(nd: Int32, s: I64ArrayOut, shape: I32Array, /) -> None:
    r"""expr::strides_into (expr/sizes.cpp: Strides, size products, maxima and shape copies of record shape runs)

    Strides of a shape array: s[k - 1] = shape[k] * s[k] for k = nd - 1 down to 1 (64-bit,
    wrapping). The caller sets s[nd - 1] (1 for row-major strides); s needs nd entries; nd
    of 0 or 1 writes nothing.

    Parameters:
      nd     int32
      s      int64[], written
      shape  int32[], read
    Returns: None
    """

def _c_closure_293(nd: Int32, res: I64ArrayOut, s: I64Array, vsub: I32Matrix, /) -> None:
    r"""expr::linear_indexes_of_rows (expr/inner.cpp: Inner products of a constant sparse vector with an expression)

    Linear indexes of coordinate rows: for each row k of the two-dimensional int32 array
    vsub (row count and strides from the array), res[k] += sum over d < nd of vsub[k][d] *
    s[d] (64-bit, wrapping). It adds: zero-fill res for a plain conversion; res needs as
    many entries as vsub has rows, s nd strides (e.g. from _c_closure_424).

    Parameters:
      nd    int32
      res   int64[], written
      s     int64[], read
      vsub  int32[,], read
    Returns: None
    """

def _c_closure_294(ptrbase: Int32, ncols: Int32, nnz: Int32, permbase: Int32, msubj: I32Array, wi32: I32ArrayOut, /) -> None:
    r"""expr::sort_entries_by_column (expr/products.cpp: Products of a constant matrix and a two-dimensional expression, and their diagonals)

    Bucket sort of matrix entries by column, in one call: groups M's nnz entries by column
    msubj[k] (each in [0, ncols)) on the int32 array passed as wi32. Afterwards wi32[ptrbase
    + j] is the first position of column j and wi32[ptrbase + ncols] = nnz (the bucket
    array, ncols + 1 entries), and wi32[permbase + q], q < nnz, lists the entry numbers in
    column order, increasing within a column (so in increasing row for sorted triplets).
    This is the permutation mperm that the products read: column c's entries are t =
    wi32[permbase + q] for wi32[ptrbase + c] <= q < wi32[ptrbase + c + 1].

    Steps: zero, count, prefix sum, scatter, shift back with wi32[ptrbase] = 0 (the step
    kernels _c_closure_295 .. _c_closure_343 do the same one step per call). Writes only
    those ncols + 1 and nnz entries.

    Any int32 array may stand for wi32: pass the work stack's for _c_closure_298 ..
    _c_closure_301, or xi32 with ptrbase = mcolptr and permbase = mperm to build mcolptr and
    mperm on the scratch stack for _c_closure_331 .. _c_closure_334.

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

    Zero a bucket array on the work stack, the first step of a counting sort: wi32[base ..
    base + n] = 0 (n + 1 entries; n = -1 writes nothing). Then a count kernel
    (_c_closure_296, _c_closure_304, _c_closure_309) and a prefix sum (_c_closure_297).
    _c_closure_308 is the same with base first; _c_closure_328, _c_closure_323 and
    _c_closure_335 zero on the scratch stack.

    Parameters:
      n     int32
      base  int32
      wi32  int32[], written
    Returns: None
    """

def _c_closure_296(d: Int32, count: Int32, base: Int32, spbase: Int32, wi32: I32ArrayOut, wi64: I64Array, /) -> None:
    r"""expr::count_elements_by_row (expr/products.cpp: Products of a constant matrix and a two-dimensional expression, and their diagonals)

    Count a sparse E's stored elements by row, on the work stack: for k < count, wi32[base +
    1 + wi64[spbase + k] / d] += 1 (32-bit), d being E's number of columns (> 0 when count >
    0), so the key is the element's row.

    Grouping E (m rows) by row: zero wi32[base .. base + m] (_c_closure_295), count (this),
    prefix-sum m entries (_c_closure_297); the result is the bucket array erowptr of
    _c_closure_298 and _c_closure_299 (no permutation: stored elements already stand in row
    order).

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

    Prefix sum of a bucket array on the work stack, in place: wi32[base + j + 1] +=
    wi32[base + j] for j = 0 .. n - 1 in order (32-bit wrapping), turning counts at base + 1
    .. base + n into bucket starts: entry base + j becomes the number of items with key < j;
    wi32[base] is read, not written (0 after zeroing). n <= 0 changes nothing.
    _c_closure_310 is the same with base first; _c_closure_330 and _c_closure_325 work on
    the scratch stack.

    Parameters:
      n     int32
      base  int32
      wi32  int32[], written
    Returns: None
    """

def _c_closure_298(m: Int32, n: Int32, ptrbase: Int32, erowptr: Int32, spbase: Int32, mcolptr: Int32, mperm: Int32, msubi: I32Array, rnelem: Int32, rnnz: Int32, wi32: I32Array, wi64: I64Array, /) -> Tuple[Annotated[Int32, "rnelem"], Annotated[Int32, "rnnz"]]:
    r"""expr::count_diag_sparse_times_sparse (expr/products.cpp: Products of a constant matrix and a two-dimensional expression, and their diagonals)

    Diagonal of E M for a sparse E, the count pass of _c_closure_299: E is a sparse m x n
    record on the work stack (ptr at wi32[ptrbase], sp at wi64[spbase]) whose stored
    elements are grouped by row in the bucket array wi32[erowptr ..] (m + 1 entries:
    _c_closure_295, _c_closure_296 with d = n, _c_closure_297); M's sorted triplets (rows
    msubi) are grouped by column on the work stack, bucket array wi32[mcolptr ..] and
    permutation wi32[mperm ..] (_c_closure_294). For each r < m, E's row r (key: its column
    sp mod n) is merged with M's column r (key: the entry's row msubi[t]).

    Returns (rnelem + the number of r with at least one matched pair, rnnz + the term counts
    of the matched E elements), 32-bit. With rnelem = rnnz = 0 these are the element and
    term counts of 299's fresh result.

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
    Returns: (rnelem, rnnz): (int32, int32)
    """

def _c_closure_299(bfixbase: Int32, cofbase: Int32, m: Int32, n: Int32, nidxsbase: Int32, ptrbase: Int32, erowptr: Int32, spbase: Int32, mcolptr: Int32, mperm: Int32, msubi: I32Array, mval: F64Array, rbfixbase: Int32, rcofbase: Int32, rf64: F64ArrayOut, ri32: I32ArrayOut, ri64: I64ArrayOut, rnidxsbase: Int32, rptrbase: Int32, rspbase: Int32, wf64: F64Array, wi32: I32Array, wi64: I64Array, /) -> None:
    r"""expr::diag_sparse_times_sparse (expr/products.cpp: Products of a constant matrix and a two-dimensional expression, and their diagonals)

    Diagonal of E M for a sparse E, the build pass sized by _c_closure_298: takes 298's E
    and grouping arguments; element r is sum over k of E(r, k) M(k, r). E's ptr, nidxs, cof,
    bfix and sp lie on the work stack at ptrbase, nidxsbase, cofbase, bfixbase, spbase.

    Writes a fresh sparse vector record on the result stack, ri32[rptrbase] = 0 included.
    For each r < m in order whose merge (as in 298) matched at least one pair (E element e,
    entry t), also when the matched elements carry no terms: the terms of each matched e in
    merge order with coefficients cof * mval[t], constant = sum of bfix[e] * mval[t], sp =
    r, ptr = the running term count. Equal variables are not merged; zero products are kept.
    The result runs (rptrbase, rnidxsbase, rcofbase, rbfixbase, rspbase) need the sizes 298
    returns for rnelem = rnnz = 0.

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

def _c_closure_300(m: Int32, n: Int32, ptrbase: Int32, mcolptr: Int32, mperm: Int32, msubi: I32Array, rnelem: Int32, rnnz: Int32, wi32: I32Array, /) -> Tuple[Annotated[Int32, "rnelem"], Annotated[Int32, "rnnz"]]:
    r"""expr::count_diag_dense_times_sparse (expr/products.cpp: Products of a constant matrix and a two-dimensional expression, and their diagonals)

    Diagonal of E M for a dense E, the count pass of _c_closure_301: E is a dense m x n
    record (ptr at wi32[ptrbase]); M's triplets (rows msubi) are grouped by column on the
    work stack (wi32[mcolptr ..], wi32[mperm ..]: _c_closure_294). Element r < m exists when
    column r of M has entries; its terms are those of the E elements r*n + msubi[t] for the
    column's entries t.

    Returns (rnelem + the number of such r, rnnz + their term counts), 32-bit; with 0 and 0
    the sizes of 301's fresh result.

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
    Returns: (rnelem, rnnz): (int32, int32)
    """

def _c_closure_301(bfixbase: Int32, cofbase: Int32, m: Int32, n: Int32, nidxsbase: Int32, ptrbase: Int32, mcolptr: Int32, mperm: Int32, msubi: I32Array, mval: F64Array, rbfixbase: Int32, rcofbase: Int32, rf64: F64ArrayOut, ri32: I32ArrayOut, ri64: I64ArrayOut, rnidxsbase: Int32, rptrbase: Int32, rspbase: Int32, wf64: F64Array, wi32: I32Array, wi64: I64Array, /) -> None:
    r"""expr::diag_dense_times_sparse (expr/products.cpp: Products of a constant matrix and a two-dimensional expression, and their diagonals)

    Diagonal of E M for a dense E, the build pass sized by _c_closure_300: takes 300's E and
    grouping arguments and writes a fresh sparse vector record on the result stack,
    ri32[rptrbase] = 0 included. For each r < m in order whose column of M (bucket array
    wi32[mcolptr ..], permutation wi32[mperm ..]) has entries: for each entry t in bucket
    order, E element e = r*n + msubi[t] adds its terms with coefficients cof * mval[t] and
    bfix[e] * mval[t] to the constant; the element is written with sp = r also when it met
    constants only. Columns without entries give no element.

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

def _c_closure_302(badrange: Int32, unsorted: Int32, nrows: Int32, ncols: Int32, nnz: Int32, msubi: I32Array, msubj: I32Array, /) -> Tuple[Annotated[bool, "badrange"], Annotated[bool, "unsorted"]]:
    r"""expr::check_triplets (expr/products.cpp: Products of a constant matrix and a two-dimensional expression, and their diagonals)

    Triplet check over all entries: returns (badrange != 0 or some k < nnz has msubi[k]
    outside [0, nrows) or msubj[k] outside [0, ncols), unsorted != 0 or some consecutive
    pair k, k + 1 < nnz is not strictly increasing in (row, column) order). A repeated
    position counts as unsorted. All nnz entries are scanned, no early exit; nnz <= 0
    returns the flags as passed, so calls chain. _c_closure_347 is the same test with early
    exits.

    Parameters:
      badrange  int32
      unsorted  int32
      nrows     int32
      ncols     int32
      nnz       int32
      msubi     int32[], read
      msubj     int32[], read
    Returns: (badrange, unsorted): (bool, bool)
    """

def _c_closure_303(n: Int32, base: Int32, wi32: I32ArrayOut, /) -> None:
    r"""expr::zero_work_buckets (expr/products.cpp: Products of a constant matrix and a two-dimensional expression, and their diagonals)

    The same kernel as _c_closure_295.

    Zero a bucket array on the work stack, the first step of a counting sort: wi32[base ..
    base + n] = 0 (n + 1 entries; n = -1 writes nothing). Then a count kernel
    (_c_closure_296, _c_closure_304, _c_closure_309) and a prefix sum (_c_closure_297).
    _c_closure_308 is the same with base first; _c_closure_328, _c_closure_323 and
    _c_closure_335 zero on the scratch stack.

    Parameters:
      n     int32
      base  int32
      wi32  int32[], written
    Returns: None
    """

def _c_closure_304(nnz: Int32, base: Int32, msubi: I32Array, wi32: I32ArrayOut, /) -> None:
    r"""expr::count_entries_by_row (expr/products.cpp: Products of a constant matrix and a two-dimensional expression, and their diagonals)

    Count M's entries by row, on the work stack: wi32[base + 1 + msubi[k]] += 1 for k < nnz
    (32-bit). After zeroing wi32[base .. base + m] (_c_closure_295) and with a prefix sum of
    m entries (_c_closure_297) after it, the run is the row pointers mrowptr of sorted
    triplets (row r's entries are the triplets wi32[mrowptr + r] .. wi32[mrowptr + r + 1] -
    1), which _c_closure_306, _c_closure_307, _c_closure_313 and _c_closure_314 read.

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

    Prefix sum of a bucket array on the work stack, in place: wi32[base + j + 1] +=
    wi32[base + j] for j = 0 .. n - 1 in order (32-bit wrapping), turning counts at base + 1
    .. base + n into bucket starts: entry base + j becomes the number of items with key < j;
    wi32[base] is read, not written (0 after zeroing). n <= 0 changes nothing.
    _c_closure_310 is the same with base first; _c_closure_330 and _c_closure_325 work on
    the scratch stack.

    Parameters:
      n     int32
      base  int32
      wi32  int32[], written
    Returns: None
    """

def _c_closure_306(n: Int32, base: Int32, count: Int32, wi32: I32Array, /) -> Annotated[Int32, "count"]:
    r"""expr::count_nonempty_buckets (expr/products.cpp: Products of a constant matrix and a two-dimensional expression, and their diagonals)

    Non-empty buckets, the element count of _c_closure_307: returns count plus the number of
    j < n with wi32[base + j] < wi32[base + j + 1] (32-bit wrapping); n <= 0 returns count.
    Over M's row pointers (n = m, base = mrowptr, count = 0) it is the number of rows of M
    with entries.

    Parameters:
      n      int32
      base   int32
      count  int32
      wi32   int32[], read
    Returns: count: int32
    """

def _c_closure_307(cofbase: Int32, n: Int32, nidxsbase: Int32, ptrbase: Int32, m: Int32, mrowptr: Int32, msubj: I32Array, mval: F64Array, rbfixbase: Int32, rcofbase: Int32, rf64: F64ArrayOut, ri32: I32ArrayOut, ri64: I64ArrayOut, rnidxsbase: Int32, rptrbase: Int32, rspbase: Int32, wf64: F64Array, wi32: I32Array, wi64: I64Array, /) -> None:
    r"""expr::diag_dense_left (expr/products.cpp: Products of a constant matrix and a two-dimensional expression, and their diagonals)

    Diagonal of M E for a dense E, the build pass whose element count _c_closure_306 gives:
    M's sorted triplets have row pointers wi32[mrowptr .. mrowptr + m] (_c_closure_295,
    _c_closure_304, _c_closure_297), columns msubj and values mval; E is dense with n >= m
    columns on the work stack (ptr at wi32[ptrbase], nidxs at wi64[nidxsbase], cof at
    wf64[cofbase]).

    Writes a fresh sparse vector record on the result stack, ri32[rptrbase] = 0 included:
    for each r < m in order whose row of M has entries, element r holds the terms of E
    element msubj[t]*n + r with coefficients cof * mval[t] for the row's entries t in order,
    constant 0.0 (E's constants are not taken; there is no bfixbase) and sp = r.

    No kernel counts the terms: each E element meets at most one entry of M, so E's term
    count is enough room for nidxs and cof; the count written is ri32[rptrbase + nelem].

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

    Zero a bucket array on the work stack, base first: wi32[base .. base + n] = 0 (n + 1
    entries; n = -1 writes nothing), as _c_closure_295.

    Parameters:
      base  int32
      n     int32
      wi32  int32[], written
    Returns: None
    """

def _c_closure_309(base: Int32, d: Int32, count: Int32, spbase: Int32, wi32: I32ArrayOut, wi64: I64Array, /) -> None:
    r"""expr::count_elements_by_column (expr/products.cpp: Products of a constant matrix and a two-dimensional expression, and their diagonals)

    Count a sparse E's stored elements by column, on the work stack: for k < count,
    wi32[base + 1 + wi64[spbase + k] mod d] += 1 (32-bit), d being E's number of columns (>
    0 when count > 0).

    Grouping E by column (d buckets): zero d + 1 entries (_c_closure_308), count (this),
    prefix-sum d entries (_c_closure_310), scatter (_c_closure_311), shift back
    (_c_closure_312): the bucket array ecolptr and permutation eperm of _c_closure_313 and
    _c_closure_314.

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

    Prefix sum of a bucket array on the work stack, base first: wi32[base + j + 1] +=
    wi32[base + j] for j = 0 .. n - 1 in order (32-bit), as _c_closure_297.

    Parameters:
      base  int32
      n     int32
      wi32  int32[], written
    Returns: None
    """

def _c_closure_311(cursor: Int32, d: Int32, count: Int32, permbase: Int32, spbase: Int32, wi32: I32ArrayOut, wi64: I64Array, /) -> None:
    r"""expr::scatter_elements_by_column (expr/products.cpp: Products of a constant matrix and a two-dimensional expression, and their diagonals)

    Scatter a sparse E's stored elements by column, on the work stack: for k = 0 .. count -
    1 in order, with key = wi64[spbase + k] mod d: wi32[permbase + wi32[cursor + key]] = k,
    then wi32[cursor + key] += 1.

    Pass cursor = the bucket array counted by _c_closure_309 and prefix-summed by
    _c_closure_310 (entry j = start of bucket j). Afterwards wi32[permbase .. permbase +
    count - 1] lists E's elements by column, increasing row within a column, and each cursor
    holds the end of its bucket: _c_closure_312 turns them back into starts.

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

    Shift back a bucket array after a scatter, on the work stack: wi32[base + j] = wi32[base
    + j - 1] for j = n down to 1, then wi32[base] = 0 (n + 1 entries written). After
    _c_closure_311 has left each entry at the end of its bucket, the run is again the bucket
    array (entry j = start of bucket j, entry n = the item count), as _c_closure_294 leaves
    it. _c_closure_327 and _c_closure_343 do the same on the scratch stack.

    Parameters:
      base  int32
      n     int32
      wi32  int32[], written
    Returns: None
    """

def _c_closure_313(ecolptr: Int32, n: Int32, eperm: Int32, ptrbase: Int32, spbase: Int32, rnelem: Int32, rnnz: Int32, m: Int32, mrowptr: Int32, msubj: I32Array, wi32: I32Array, wi64: I64Array, /) -> Tuple[Annotated[Int32, "rnelem"], Annotated[Int32, "rnnz"]]:
    r"""expr::count_diag_sparse_left (expr/products.cpp: Products of a constant matrix and a two-dimensional expression, and their diagonals)

    Diagonal of M E for a sparse E, the count pass of _c_closure_314: M's sorted triplets
    have row pointers wi32[mrowptr .. mrowptr + m] (_c_closure_295, _c_closure_304,
    _c_closure_297) and columns msubj; E is sparse with n columns on the work stack (ptr at
    wi32[ptrbase], sp at wi64[spbase]) and grouped by column on wi32: bucket array ecolptr,
    permutation eperm (_c_closure_308, _c_closure_309, _c_closure_310, _c_closure_311,
    _c_closure_312). For each r < m, E's column r (key: E's row sp / n) is merged with M's
    row r (key msubj[t]).

    Returns (rnelem + the number of r with at least one matched pair, rnnz + the term counts
    of the matched E elements), 32-bit; with 0 and 0 the sizes of 314's fresh result.

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
    Returns: (rnelem, rnnz): (int32, int32)
    """

def _c_closure_314(bfixbase: Int32, cofbase: Int32, ecolptr: Int32, n: Int32, nidxsbase: Int32, eperm: Int32, ptrbase: Int32, spbase: Int32, m: Int32, mrowptr: Int32, msubj: I32Array, mval: F64Array, rbfixbase: Int32, rcofbase: Int32, rf64: F64ArrayOut, ri32: I32ArrayOut, ri64: I64ArrayOut, rnidxsbase: Int32, rptrbase: Int32, rspbase: Int32, wf64: F64Array, wi32: I32Array, wi64: I64Array, /) -> None:
    r"""expr::diag_sparse_left (expr/products.cpp: Products of a constant matrix and a two-dimensional expression, and their diagonals)

    Diagonal of M E for a sparse E, the build pass sized by _c_closure_313: takes 313's E
    and grouping arguments; element r is sum over k of M(r, k) E(k, r). E's ptr, nidxs, cof,
    bfix and sp lie on the work stack at ptrbase, nidxsbase, cofbase, bfixbase, spbase.

    Writes a fresh sparse vector record on the result stack, ri32[rptrbase] = 0 included:
    for each r < m in order with at least one matched pair (also when the matched elements
    carry no terms), each matched pair (E element e, entry t) in merge order adds e's terms
    with coefficients cof * mval[t] and bfix[e] * mval[t] to the constant; sp = r.

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

def _c_closure_315(badrange: Int32, unsorted: Int32, nrows: Int32, ncols: Int32, nnz: Int32, msubi: I32Array, msubj: I32Array, /) -> Tuple[Annotated[bool, "badrange"], Annotated[bool, "unsorted"]]:
    r"""expr::check_triplets (expr/products.cpp: Products of a constant matrix and a two-dimensional expression, and their diagonals)

    The same kernel as _c_closure_302.

    Triplet check over all entries: returns (badrange != 0 or some k < nnz has msubi[k]
    outside [0, nrows) or msubj[k] outside [0, ncols), unsorted != 0 or some consecutive
    pair k, k + 1 < nnz is not strictly increasing in (row, column) order). A repeated
    position counts as unsorted. All nnz entries are scanned, no early exit; nnz <= 0
    returns the flags as passed, so calls chain. _c_closure_347 is the same test with early
    exits.

    Parameters:
      badrange  int32
      unsorted  int32
      nrows     int32
      ncols     int32
      nnz       int32
      msubi     int32[], read
      msubj     int32[], read
    Returns: (badrange, unsorted): (bool, bool)
    """

def _c_closure_316(badrange: Int32, unsorted: Int32, msp: I64Array, size: Int64, /) -> Tuple[Annotated[bool, "badrange"], Annotated[bool, "unsorted"]]:
    r"""expr::check_pattern (expr/products.cpp: Products of a constant matrix and a two-dimensional expression, and their diagonals)

    Linear pattern check: returns (badrange != 0 or some msp entry outside [0, size),
    unsorted != 0 or some msp[k + 1] <= msp[k]) over all entries of msp (their number is
    msp's length; no early exit). size is the element count: an entry equal to it is out of
    range (the limit of _c_closure_289 is one less). An empty msp returns the flags as
    passed. The check before _c_closure_317 and _c_closure_319.

    Parameters:
      badrange  int32
      unsorted  int32
      msp       int64[], read
      size      int64
    Returns: (badrange, unsorted): (bool, bool)
    """

def _c_closure_317(sparse: Int32, msp: I64Array, count: Int32, ptrbase: Int32, rnelem: Int32, rnnz: Int32, spbase: Int32, wi32: I32Array, wi64: I64Array, /) -> Tuple[Annotated[Int32, "rnelem"], Annotated[Int32, "rnnz"]]:
    r"""expr::count_pattern_product (expr/products.cpp: Products of a constant matrix and a two-dimensional expression, and their diagonals)

    Element-wise product with a linear pattern, the count pass of _c_closure_319: the
    pattern msp (strictly increasing linear indexes; their number is msp's length) selects
    E's elements. Dense E (sparse = 0): entry k selects element msp[k]; returns (len(msp),
    rnnz + their term counts): the rnelem passed is replaced. Sparse E (count stored
    elements, sp at wi64[spbase]): msp is merged with sp; returns (rnelem + the number of
    indexes in both, rnnz + the term counts of the matched elements). Row lengths come from
    E's ptr at wi32[ptrbase]. With rnelem = rnnz = 0 these are the sizes of 319's fresh
    result.

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
    Returns: (rnelem, rnnz): (int32, int32)
    """

def _c_closure_318(count: Int32, init: Int32, base: Int32, wi32: I32Array, /) -> Annotated[Int32, "size"]:
    r"""expr::size_of_run_count_first (expr/sizes.cpp: Strides, size products, maxima and shape copies of record shape runs)

    The same kernel as _c_closure_278.

    Size of a work-stack shape run, count first: init * wi32[base] * ... * wi32[base + count
    - 1] in 32-bit wrapping arithmetic; init when count <= 0. _c_closure_272 with the
    parameters in another order.

    Parameters:
      count  int32
      init   int32
      base   int32
      wi32   int32[], read
    Returns: size: int32
    """

def _c_closure_319(bfixbase: Int32, cofbase: Int32, sparse: Int32, mcof: F64Array, msp: I64Array, nd: Int32, count: Int32, nidxsbase: Int32, ptrbase: Int32, rbfixbase: Int32, rcofbase: Int32, rf64: F64ArrayOut, ri32: I32ArrayOut, ri64: I64ArrayOut, rnidxsbase: Int32, rptrbase: Int32, rshapebase: Int32, rspbase: Int32, shapebase: Int32, spbase: Int32, wf64: F64Array, wi32: I32Array, wi64: I64Array, /) -> None:
    r"""expr::pattern_product (expr/products.cpp: Products of a constant matrix and a two-dimensional expression, and their diagonals)

    Element-wise product with a linear pattern, the build pass sized by _c_closure_317: E
    (nd dimensions; dense, or sparse with count stored elements and sp at wi64[spbase])
    times the constant of E's shape whose non-zeros are mcof[k] at linear indexes msp[k]
    (strictly increasing, len(msp) entries).

    Writes a fresh sparse record of E's shape on the result stack: the nd entries
    wi32[shapebase ..] copied to ri32[rshapebase ..], ri32[rptrbase] = 0, and one element
    per pattern entry k (dense E: element e = msp[k]) or per linear index stored in both
    (sparse E): e's terms with coefficients cof * mcof[k], constant bfix[e] * mcof[k], sp =
    msp[k]. Zero products are kept.

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

    Scale a run: f64[base + k] *= factor for k < count1 + count2 (any float64 array; nothing
    when the sum is <= 0). With a record's cof and bfix runs side by side (count1 = nnz,
    count2 = nelem) one call scales a whole expression.

    Parameters:
      factor  float64
      base    int32
      f64     float64[], written
      count1  int32
      count2  int32
    Returns: None
    """

def _c_closure_321(bfixbase: Int32, cofbase: Int32, nidxsbase: Int32, rnnz: Int32, ncols: Int32, nnz: Int32, msubi: I32Array, msubj: I32Array, mval: F64Array, count: Int32, rbfixbase: Int32, rcofbase: Int32, rf64: F64ArrayOut, ri32: I32ArrayOut, ri64: I64ArrayOut, rnidxsbase: Int32, rptrbase: Int32, rspbase: Int32, wf64: F64Array, wi64: I64Array, /) -> Annotated[Int32, "rnnz"]:
    r"""expr::scalar_times_matrix (expr/products.cpp: Products of a constant matrix and a two-dimensional expression, and their diagonals)

    Scalar expression times a sparse matrix, a build pass without count pass: nnz elements
    and nnz*count terms. E is one element on the work stack (count terms at wi64[nidxsbase
    ..] and wf64[cofbase ..], constant wf64[bfixbase]); M is nnz sorted triplets (msubi,
    msubj, mval) with ncols columns. Result element t < nnz is mval[t] * E: E's count terms
    with coefficients mval[t] * cof at ri64/rf64 positions from rnnz on, rf64[rbfixbase + t]
    = mval[t] * constant, ri64[rspbase + t] = ncols*msubi[t] + msubj[t] (strictly increasing
    for sorted triplets), ri32[rptrbase + t + 1] = the running term count.

    Elements count from the result bases, terms from the rnnz passed (ptr entries include
    it). Leaves ri32[rptrbase] to the caller: it holds the rnnz passed (0 for a fresh
    record). Returns rnnz + nnz*count.

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
    Returns: rnnz: int32
    """

def _c_closure_322(badrange: Int32, unsorted: Int32, nrows: Int32, ncols: Int32, nnz: Int32, msubi: I32Array, msubj: I32Array, /) -> Tuple[Annotated[bool, "badrange"], Annotated[bool, "unsorted"]]:
    r"""expr::check_triplets (expr/products.cpp: Products of a constant matrix and a two-dimensional expression, and their diagonals)

    The same kernel as _c_closure_302.

    Triplet check over all entries: returns (badrange != 0 or some k < nnz has msubi[k]
    outside [0, nrows) or msubj[k] outside [0, ncols), unsorted != 0 or some consecutive
    pair k, k + 1 < nnz is not strictly increasing in (row, column) order). A repeated
    position counts as unsorted. All nnz entries are scanned, no early exit; nnz <= 0
    returns the flags as passed, so calls chain. _c_closure_347 is the same test with early
    exits.

    Parameters:
      badrange  int32
      unsorted  int32
      nrows     int32
      ncols     int32
      nnz       int32
      msubi     int32[], read
      msubj     int32[], read
    Returns: (badrange, unsorted): (bool, bool)
    """

def _c_closure_323(base: Int32, n: Int32, xi32: I32ArrayOut, /) -> None:
    r"""expr::zero_scratch_buckets_base_first (expr/products.cpp: Products of a constant matrix and a two-dimensional expression, and their diagonals)

    Zero a bucket array on the scratch stack, base first: xi32[base .. base + n] = 0 (n + 1
    entries; n = -1 writes nothing), as _c_closure_328.

    Parameters:
      base  int32
      n     int32
      xi32  int32[], written
    Returns: None
    """

def _c_closure_324(base: Int32, nnz: Int32, msubj: I32Array, xi32: I32ArrayOut, /) -> None:
    r"""expr::count_entries_by_column (expr/products.cpp: Products of a constant matrix and a two-dimensional expression, and their diagonals)

    Count M's entries by column, on the scratch stack: xi32[base + 1 + msubj[k]] += 1 for k
    < nnz (32-bit). A step of grouping M (p columns) by column on xi32 for _c_closure_331 ..
    _c_closure_334: zero p + 1 entries (_c_closure_323), count (this), prefix-sum p entries
    (_c_closure_325), positions (_c_closure_326), shift back (_c_closure_327);
    _c_closure_326 says how mperm follows.

    Parameters:
      base   int32
      nnz    int32
      msubj  int32[], read
      xi32   int32[], written
    Returns: None
    """

def _c_closure_325(base: Int32, n: Int32, xi32: I32ArrayOut, /) -> None:
    r"""expr::prefix_sum_scratch_base_first (expr/products.cpp: Products of a constant matrix and a two-dimensional expression, and their diagonals)

    Prefix sum of a bucket array on the scratch stack, base first: xi32[base + j + 1] +=
    xi32[base + j] for j = 0 .. n - 1 in order (32-bit), as _c_closure_297.

    Parameters:
      base  int32
      n     int32
      xi32  int32[], written
    Returns: None
    """

def _c_closure_326(cursor: Int32, nnz: Int32, posbase: Int32, msubj: I32Array, xi32: I32ArrayOut, /) -> None:
    r"""expr::entry_positions_by_column (expr/products.cpp: Products of a constant matrix and a two-dimensional expression, and their diagonals)

    Positions of M's entries in column order, on the scratch stack: for k = 0 .. nnz - 1 in
    order, xi32[posbase + k] = xi32[cursor + msubj[k]], then that cursor += 1. Pass cursor =
    mcolptr after zeroing (_c_closure_323), counting (_c_closure_324) and prefix-summing
    (_c_closure_325) it; afterwards each cursor holds the end of its column and
    _c_closure_327 or _c_closure_343 shifts mcolptr back into bucket starts. posbase needs
    nnz entries.

    This writes each entry's position (entry -> position), not the permutation mperm
    (position -> entry) that _c_closure_331 .. _c_closure_334 read on xi32: mperm is its
    inverse, which the caller forms as xi32[mperm + xi32[posbase + k]] = k for k < nnz. Or
    run _c_closure_294 with xi32 as its array (ptrbase = mcolptr, permbase = mperm): it
    writes mcolptr and mperm in one call.

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

    Shift back a bucket array on the scratch stack, base first: xi32[base + j] = xi32[base +
    j - 1] for j = n down to 1, then xi32[base] = 0 (n + 1 entries written), as
    _c_closure_312. After _c_closure_342 or _c_closure_326 it turns bucket ends back into
    bucket starts.

    Parameters:
      base  int32
      n     int32
      xi32  int32[], written
    Returns: None
    """

def _c_closure_328(n: Int32, base: Int32, xi32: I32ArrayOut, /) -> None:
    r"""expr::zero_scratch_buckets (expr/products.cpp: Products of a constant matrix and a two-dimensional expression, and their diagonals)

    Zero a bucket array on the scratch stack: xi32[base .. base + n] = 0 (n + 1 entries; n =
    -1 writes nothing). _c_closure_323 is the same with base first, _c_closure_335 with the
    array second.

    Parameters:
      n     int32
      base  int32
      xi32  int32[], written
    Returns: None
    """

def _c_closure_329(d: Int32, count: Int32, base: Int32, spbase: Int32, wi64: I64Array, xi32: I32ArrayOut, /) -> None:
    r"""expr::count_elements_by_row_scratch (expr/products.cpp: Products of a constant matrix and a two-dimensional expression, and their diagonals)

    Count a sparse E's stored elements by row onto the scratch stack: for k < count,
    xi32[base + 1 + wi64[spbase + k] / d] += 1 (32-bit; sp on the work stack, d = E's number
    of columns, > 0 when count > 0). After zeroing m + 1 entries (_c_closure_328) and with a
    prefix sum of m entries (_c_closure_330) it gives the row bucket array erowptr of
    _c_closure_331 and _c_closure_332.

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

    Prefix sum of a bucket array on the scratch stack: xi32[base + j + 1] += xi32[base + j]
    for j = 0 .. n - 1 in order (32-bit), as _c_closure_297.

    Parameters:
      n     int32
      base  int32
      xi32  int32[], written
    Returns: None
    """

def _c_closure_331(m: Int32, n: Int32, ptrbase: Int32, erowptr: Int32, spbase: Int32, mcolptr: Int32, p: Int32, mperm: Int32, msubi: I32Array, rnelem: Int32, rnnz: Int64, wi32: I32Array, wi64: I64Array, xi32: I32Array, /) -> Tuple[Annotated[Int32, "rnelem"], Annotated[Int64, "rnnz"]]:
    r"""expr::count_sparse_times_sparse (expr/products.cpp: Products of a constant matrix and a two-dimensional expression, and their diagonals)

    Sparse E times sparse M, the count pass of _c_closure_332: E is a sparse m x n record on
    the work stack (ptr at wi32[ptrbase], sp at wi64[spbase]) whose stored elements are
    grouped by row in the bucket array xi32[erowptr ..] (m + 1 entries: _c_closure_328,
    _c_closure_329 with d = n, _c_closure_330); M is n x p, its sorted triplets (rows msubi)
    grouped by column on the scratch stack: bucket array xi32[mcolptr ..] (p + 1 entries)
    and permutation xi32[mperm ..] (nnz entry numbers in column order). For each position
    (i, c), i < m, c < p, E's row i (key: column sp mod n) is merged with M's column c (key:
    row msubi[t]).

    Returns (rnelem + the positions with at least one matched pair, as int32; rnnz + the
    term counts of the matched E elements, as int64). 332's result runs need room for these
    counts.

    mcolptr and mperm: run _c_closure_294 on xi32 (ptrbase = mcolptr, permbase = mperm), or
    zero, count (_c_closure_324), prefix-sum, _c_closure_326 into a position run pos, shift
    back (_c_closure_327), and invert: xi32[mperm + pos[k]] = k.

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
    Returns: (rnelem, rnnz): (int32, int64)
    """

def _c_closure_332(bfixbase: Int32, cofbase: Int32, m: Int32, n: Int32, nidxsbase: Int32, ptrbase: Int32, erowptr: Int32, spbase: Int32, mcolptr: Int32, p: Int32, mperm: Int32, msubi: I32Array, mval: F64Array, rbfixbase: Int32, rcofbase: Int32, rnelem: Int32, rf64: F64ArrayOut, ri32: I32ArrayOut, ri64: I64ArrayOut, rnidxsbase: Int32, rnnz: Int32, rptrbase: Int32, rspbase: Int32, wf64: F64Array, wi32: I32Array, wi64: I64Array, xi32: I32Array, /) -> Tuple[Annotated[Int32, "rnelem"], Annotated[Int32, "rnnz"]]:
    r"""expr::sparse_times_sparse (expr/products.cpp: Products of a constant matrix and a two-dimensional expression, and their diagonals)

    Sparse E times sparse M, the build pass sized by _c_closure_331: takes 331's E and
    grouping arguments (all groupings on xi32; 331 says how to build mcolptr and mperm).
    Appends to a sparse result on the result stack from the running counts rnelem (elements)
    and rnnz (terms): for each position (i, c) in row-major order with at least one matched
    pair (E element e, entry t), also when the matched elements carry no terms, the terms of
    each matched e in merge order with coefficients cof * mval[t] at ri64/rf64 positions
    from rnnz on, rf64[rbfixbase + rnelem] = sum of bfix[e] * mval[t], ri64[rspbase +
    rnelem] = i*p + c, ri32[rptrbase + rnelem + 1] = rnnz after them, rnelem += 1.

    Leaves ri32[rptrbase] to the caller (0 before the first call on a fresh record). Returns
    (rnelem, rnnz) advanced, 32-bit: the counts 331 returns for the same start.

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
    Returns: (rnelem, rnnz): (int32, int32)
    """

def _c_closure_333(m: Int32, n: Int32, ptrbase: Int32, mcolptr: Int32, p: Int32, mperm: Int32, msubi: I32Array, rnnz: Int32, wi32: I32Array, xi32: I32Array, /) -> Annotated[Int32, "rnnz"]:
    r"""expr::count_dense_times_sparse (expr/products.cpp: Products of a constant matrix and a two-dimensional expression, and their diagonals)

    Dense E times sparse M, the count pass of _c_closure_334: terms only (the element count
    is m*p: every position is written). E is a dense m x n record (ptr at wi32[ptrbase]);
    M's triplets (rows msubi) are grouped by column on the scratch stack (xi32[mcolptr ..],
    xi32[mperm ..]; built as for _c_closure_331). Returns rnnz plus, over i < m, c < p and
    the entries t of M's column c, the term count of E element i*n + msubi[t] (32-bit).

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
    Returns: rnnz: int32
    """

def _c_closure_334(bfixbase: Int32, cofbase: Int32, m: Int32, n: Int32, nidxsbase: Int32, ptrbase: Int32, mcolptr: Int32, p: Int32, mperm: Int32, msubi: I32Array, mval: F64Array, rbfixbase: Int32, rcofbase: Int32, rnelem: Int32, rf64: F64ArrayOut, ri32: I32ArrayOut, ri64: I64ArrayOut, rnidxsbase: Int32, rnnz: Int32, rptrbase: Int32, rspbase: Int32, wf64: F64Array, wi32: I32Array, wi64: I64Array, xi32: I32Array, /) -> Tuple[Annotated[Int32, "rnelem"], Annotated[Int32, "rnnz"]]:
    r"""expr::dense_times_sparse (expr/products.cpp: Products of a constant matrix and a two-dimensional expression, and their diagonals)

    Dense E times sparse M, the build pass sized by _c_closure_333: 333 gives the terms, m*p
    the elements; mcolptr and mperm lie on xi32, built by _c_closure_294 run on xi32 or by
    inverting _c_closure_326's positions (see _c_closure_331). Appends from the running
    counts rnelem and rnnz: for each (i, c), i < m, c < p, in row-major order, each entry t
    of M's column c in bucket order makes E element e = i*n + msubi[t] add its terms with
    coefficients cof * mval[t] and bfix[e] * mval[t] to the constant; every position is
    written, also when column c is empty: ri32[rptrbase + rnelem + 1] = rnnz, rf64[rbfixbase
    + rnelem] = constant, ri64[rspbase + rnelem] = i*p + c, rnelem += 1. The result stores
    every position and still carries sp.

    Leaves ri32[rptrbase] to the caller. Returns (rnelem, rnnz) advanced.

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
    Returns: (rnelem, rnnz): (int32, int32)
    """

def _c_closure_335(n: Int32, xi32: I32ArrayOut, base: Int32, /) -> None:
    r"""expr::zero_scratch_buckets_array_first (expr/products.cpp: Products of a constant matrix and a two-dimensional expression, and their diagonals)

    Zero a bucket array on the scratch stack, array second: xi32[base .. base + n] = 0 (n +
    1 entries; n = -1 writes nothing), as _c_closure_328.

    Parameters:
      n     int32
      xi32  int32[], written
      base  int32
    Returns: None
    """

def _c_closure_336(bfixbase: Int32, cofbase: Int32, m: Int32, n: Int32, sparse: Int32, nidxsbase: Int32, count: Int32, ptrbase: Int32, spbase: Int32, p: Int32, mval: F64Array, rbfixbase: Int32, rcofbase: Int32, rnelem: Int32, rf64: F64ArrayOut, ri32: I32ArrayOut, ri64: I64ArrayOut, rnidxsbase: Int32, rnnz: Int32, rptrbase: Int32, wf64: F64Array, wi32: I32Array, wi64: I64Array, xi32: I32ArrayOut, erowptr: Int32, /) -> Tuple[Annotated[Int32, "rnelem"], Annotated[Int32, "rnnz"]]:
    r"""expr::times_dense_matrix (expr/products.cpp: Products of a constant matrix and a two-dimensional expression, and their diagonals)

    E times a dense matrix, a build pass without count pass: m*p elements, p times E's term
    count terms. E is m x n on the work stack, dense (sparse = 0) or sparse with count
    stored elements (sp at wi64[spbase]); M is dense n x p, mval[k*p + c]. A sparse E is
    first grouped by row into xi32[erowptr .. erowptr + m] (counted by sp / n, then
    prefix-summed), which the caller zero-fills; count, spbase and erowptr are read only for
    a sparse E.

    Appends a dense result (no sp) from the running counts: for each (i, c) in row-major
    order, every stored element e = (i, k) of E's row i in order adds its terms with
    coefficients cof * mval[k*p + c] (zero values included) and bfix[e] * mval[k*p + c] to
    the constant; then ri32[rptrbase + rnelem + 1] = rnnz, rf64[rbfixbase + rnelem] =
    constant, rnelem += 1.

    Leaves ri32[rptrbase] to the caller. Returns (rnelem + m*p, rnnz + p * E's terms).

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
    Returns: (rnelem, rnnz): (int32, int32)
    """

def _c_closure_337(result: Int32, nrows: Int32, ncols: Int32, nnz: Int32, msubi: I32Array, msubj: I32Array, /) -> Annotated[bool, "inrange"]:
    r"""expr::triplets_in_range (expr/products.cpp: Products of a constant matrix and a two-dimensional expression, and their diagonals)

    Triplet range test: True when each of the nnz triplets has msubi in [0, nrows) and msubj
    in [0, ncols), False at the first that has not; nnz <= 0 gives True. result is not read.

    Parameters:
      result  int32
      nrows   int32
      ncols   int32
      nnz     int32
      msubi   int32[], read
      msubj   int32[], read
    Returns: inrange: bool
    """

def _c_closure_338(result: Int32, nnz: Int32, msubi: I32Array, msubj: I32Array, /) -> Annotated[bool, "increasing"]:
    r"""expr::triplets_increasing (expr/products.cpp: Products of a constant matrix and a two-dimensional expression, and their diagonals)

    Triplet order test: True when the nnz triplets strictly increase in (row, column) order,
    False at the first consecutive pair that does not (a repeated position included); nnz <=
    1 gives True. result is not read.

    Parameters:
      result  int32
      nnz     int32
      msubi   int32[], read
      msubj   int32[], read
    Returns: increasing: bool
    """

def _c_closure_339(n: Int32, base: Int32, xi32: I32ArrayOut, /) -> None:
    r"""expr::zero_scratch_buckets (expr/products.cpp: Products of a constant matrix and a two-dimensional expression, and their diagonals)

    The same kernel as _c_closure_328.

    Zero a bucket array on the scratch stack: xi32[base .. base + n] = 0 (n + 1 entries; n =
    -1 writes nothing). _c_closure_323 is the same with base first, _c_closure_335 with the
    array second.

    Parameters:
      n     int32
      base  int32
      xi32  int32[], written
    Returns: None
    """

def _c_closure_340(d: Int32, base: Int32, count: Int32, spbase: Int32, wi64: I64Array, xi32: I32ArrayOut, /) -> None:
    r"""expr::count_elements_by_column_scratch (expr/products.cpp: Products of a constant matrix and a two-dimensional expression, and their diagonals)

    Count a sparse E's stored elements by column onto the scratch stack: for k < count,
    xi32[base + 1 + wi64[spbase + k] mod d] += 1 (32-bit; d = E's number of columns, > 0
    when count > 0). With zeroing (_c_closure_328), prefix sum (_c_closure_330), scatter
    (_c_closure_342) and shift back (_c_closure_327) it gives the column grouping ecolptr,
    eperm of _c_closure_344 and _c_closure_346.

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

    Prefix sum of a bucket array on the scratch stack: xi32[base + j + 1] += xi32[base + j]
    for j = 0 .. n - 1 in order (32-bit), as _c_closure_297.

    Parameters:
      n     int32
      base  int32
      xi32  int32[], written
    Returns: None
    """

def _c_closure_342(d: Int32, permbase: Int32, cursor: Int32, count: Int32, spbase: Int32, wi64: I64Array, xi32: I32ArrayOut, /) -> None:
    r"""expr::scatter_elements_by_column_scratch (expr/products.cpp: Products of a constant matrix and a two-dimensional expression, and their diagonals)

    Scatter a sparse E's stored elements by column on the scratch stack: as _c_closure_311
    on xi32, for k = 0 .. count - 1 in order, with key = wi64[spbase + k] mod d:
    xi32[permbase + xi32[cursor + key]] = k, then xi32[cursor + key] += 1. With cursor = the
    prefix-summed bucket array, the count entries from permbase list E's elements by column
    (increasing row within a column); then _c_closure_327 or _c_closure_343 restores the
    bucket starts.

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

    Shift back a bucket array on the scratch stack, count first: xi32[base + j] = xi32[base
    + j - 1] for j = n down to 1, then xi32[base] = 0 (n + 1 entries written), as
    _c_closure_312 and _c_closure_327.

    Parameters:
      n     int32
      base  int32
      xi32  int32[], written
    Returns: None
    """

def _c_closure_344(q: Int32, eperm: Int32, ecolptr: Int32, m: Int32, msparse: Int32, nnz: Int32, msubi: I32Array, msubj: I32Array, eterms: Int32, ptrbase: Int32, rnelem: Int32, rnnz: Int64, spbase: Int32, wi32: I32Array, wi64: I64Array, xi32: I32Array, /) -> Tuple[Annotated[Int32, "rnelem"], Annotated[Int64, "rnnz"]]:
    r"""expr::count_left_sparse (expr/products.cpp: Products of a constant matrix and a two-dimensional expression, and their diagonals)

    Left product M E for a sparse E, the count pass of _c_closure_346: for its modes with
    sparse != 0. E is sparse with q columns on the work stack (ptr at wi32[ptrbase], sp at
    wi64[spbase]) and grouped by column on the scratch stack: bucket array xi32[ecolptr ..]
    (q + 1 entries) and permutation xi32[eperm ..] (_c_closure_328, _c_closure_340,
    _c_closure_330, _c_closure_342, _c_closure_327).
    - msparse != 0 (M as nnz sorted triplets msubi, msubj): from the running counts, each
      row run of M and column c < q merges the run (key msubj[t]) with E's column c (key:
      E's row sp / q); a position with a matched pair adds 1 to rnelem, each match the E
      element's term count to rnnz.
    - msparse = 0 (M dense with m rows): reads no array and returns (q*m, eterms*m), eterms
      being E's term count, replacing the counts passed: every position exists and every
      term of E occurs once per row of M.

    The element count is 32-bit (wrapping), the term count 64-bit. Pass rnelem = rnnz = 0 to
    size 346's fresh result.

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
    Returns: (rnelem, rnnz): (int32, int64)
    """

def _c_closure_345(q: Int32, m: Int32, msparse: Int32, nnz: Int32, msubi: I32Array, msubj: I32Array, eterms: Int32, ptrbase: Int32, rnelem: Int32, rnnz: Int64, wi32: I32Array, /) -> Tuple[Annotated[Int32, "rnelem"], Annotated[Int64, "rnnz"]]:
    r"""expr::count_left_dense (expr/products.cpp: Products of a constant matrix and a two-dimensional expression, and their diagonals)

    Left product M E for a dense E, the count pass of _c_closure_346 with sparse = 0: M is
    nnz sorted triplets (row runs of equal msubi, columns msubj), E a dense record with q
    columns (ptr at wi32[ptrbase]). From the running counts, each row run of M and column c
    < q adds 1 to rnelem and, for each entry t of the run, the term count of E element
    msubj[t]*q + c to rnnz. Returns (rnelem, rnnz) advanced, rnnz 64-bit; pass 0 and 0 to
    size 346's fresh result. m, msparse and eterms are not read.

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
    Returns: (rnelem, rnnz): (int32, int64)
    """

def _c_closure_346(bfixbase: Int32, cofbase: Int32, p: Int32, eperm: Int32, ecolptr: Int32, sparse: Int32, m: Int32, n: Int32, msparse: Int32, nnz: Int32, msubi: I32Array, msubj: I32Array, mval: F64Array, nidxsbase: Int32, ptrbase: Int32, rbfixbase: Int32, rcofbase: Int32, rf64: F64ArrayOut, ri32: I32ArrayOut, ri64: I64ArrayOut, rnidxsbase: Int32, rptrbase: Int32, rspbase: Int32, spbase: Int32, wf64: F64Array, wi32: I32Array, wi64: I64Array, xi32: I32Array, /) -> None:
    r"""expr::left_product (expr/leftprod.cpp: A constant matrix on the left of an expression, and matrix checks)

    Left product M E, the build pass sized by _c_closure_345 or _c_closure_344: by 345 when
    sparse = 0, by 344 (same msparse) otherwise, counted from 0. M is m x n, E is n x p on
    the work stack (ptr, nidxs, cof, bfix at ptrbase, nidxsbase, cofbase, bfixbase). A
    sparse E has sp at wi64[spbase] and is grouped by column on the scratch stack: column
    c's elements are xi32[eperm + q] for xi32[ecolptr + c] <= q < xi32[ecolptr + c + 1], in
    increasing row.

    Writes a fresh record on the result stack, ri32[rptrbase] = 0 included. Element (i, c)
    holds, for each matched pair (entry M(i, k), E element (k, c)) in merge order, E's terms
    with coefficients times M(i, k), and the sum of M(i, k) times E's constants; equal
    variables are not merged, zero products are kept.
    - sparse = 0: M as nnz sorted triplets, E dense (element (k, c) is k*p + c): each row
      run i of M and c < p gives element (i, c) from E(msubj[t], c) * mval[t] over the run,
      terms or not; sp = i*p + c. msparse, m, n, ecolptr, eperm and spbase are not read.
    - sparse != 0, msparse = 0: M dense (mval[i*n + k]), E sparse: for i < m and c < p, each
      element e of E's column c in bucket order, row k = sp / p, is taken times mval[i*n +
      k] (zero values included): a dense m x p result, no sp written (rspbase not read).
      msubi and msubj (may be None) and nnz are not read.
    - sparse != 0, msparse != 0: M as triplets, E sparse: each row run i of M and c < p
      merges the run (key msubj) with E's column c (key: E's row); element (i, c) with sp =
      i*p + c only where a pair matched (also when the matched elements carry no terms).

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

def _c_closure_347(badrange: Int32, unsorted: Int32, nrows: Int32, ncols: Int32, nnz: Int32, msubi: I32Array, msubj: I32Array, /) -> Tuple[Annotated[bool, "badrange"], Annotated[bool, "unsorted"]]:
    r"""expr::check_triplets_early_exit (expr/leftprod.cpp: A constant matrix on the left of an expression, and matrix checks)

    Triplet check with early exits: returns (out of range, not increasing) for the first nnz
    triplets. If badrange != 0 or some msubi[k] lies outside [0, nrows) or msubj[k] outside
    [0, ncols) (scanning stops there), returns (True, unsorted != 0) without an order scan.
    Otherwise (False, True) when unsorted != 0, else (False, whether some consecutive pair
    is not strictly increasing in (row, column); a repeated position counts). _c_closure_302
    is the same test scanning every entry.

    Parameters:
      badrange  int32
      unsorted  int32
      nrows     int32
      ncols     int32
      nnz       int32
      msubi     int32[], read
      msubj     int32[], read
    Returns: (badrange, unsorted): (bool, bool)
    """

def _c_closure_348(n: Int32, xsp: Int32, wi64: I64Array, init: Int32, xnd: Int32, ncols: Int32, /) -> Annotated[Int32, "rows"]:
    r"""expr::rows_of_sparse_variable (expr/varprod.cpp: Products of a constant matrix and a variable)

    Distinct rows of a sparse variable, the count pass of _c_closure_349: it writes rows * p
    elements and n * p terms. X's n stored elements have increasing linear indexes wi64[xsp
    .. xsp + n - 1] in a shape with ncols columns. Returns init when n <= 0; 1 when xnd < 2
    (a one-dimensional X is one row); otherwise 1 plus the number of k < n - 1 where the row
    wi64[xsp + k] / ncols steps up. init comes back only for n <= 0; ncols <= 0 puts every
    element in row 0.

    Parameters:
      n      int32
      xsp    int32
      wi64   int64[], read
      init   int32
      xnd    int32
      ncols  int32
    Returns: rows: int32
    """

def _c_closure_349(mcof: F64Array, p: Int32, xnidxs: Int32, nx: Int32, rbfix: Int32, rcof: Int32, rf64: F64ArrayOut, ri32: I32ArrayOut, ri64: I64ArrayOut, rnidxs: Int32, rptr: Int32, rsp: Int32, xsp: Int32, wi64: I64Array, n: Int32, /) -> None:
    r"""expr::sparse_variable_times_dense (expr/varprod.cpp: Products of a constant matrix and a variable)

    Sparse variable times dense matrix, the build pass sized by _c_closure_348: rows * p
    elements, nx * p terms. X is sparse with n columns, its nx stored elements having
    variable indexes wi64[xnidxs + e] and increasing linear indexes wi64[xsp + e] on the
    work stack; M is dense n x p, mcof[k*p + c].

    Writes a fresh sparse record on the result stack, ri32[rptr] = 0 included: for each run
    of stored elements with the same row i (linear index / n) and each c < p, element (i, c)
    with one term per element e of the run in order: variable wi64[xnidxs + e], coefficient
    mcof[(linear index mod n)*p + c] (zero values kept); constant 0.0, sp = i*p + c. nx = 0
    writes only ptr[0].

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

    Group triplets by column on the work stack: for _c_closure_351, _c_closure_352,
    _c_closure_355 and _c_closure_356, M's bucket array wi32[mcolptr .. mcolptr + ncols]
    (entry j = first position of column j, entry ncols = nnz) and permutation wi32[mperm ..
    mperm + nnz - 1] (the triplet numbers in column order, in triplet order and so
    increasing row within a column). Pass nbuckets = ncols: it is the number of counters
    prefix-summed. With ncols = 1 nothing is sorted: identity permutation, wi32[mcolptr] =
    0, wi32[mcolptr + 1] = nnz.

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

def _c_closure_351(msubj: I32Array, init: Int32, n: Int32, mperm: Int32, wi32: I32Array, /) -> Annotated[Int32, "count"]:
    r"""expr::columns_with_entries (expr/varprod.cpp: Products of a constant matrix and a variable)

    Columns of M with entries, the count pass of _c_closure_352: returns init plus the
    number of runs of equal msubj[wi32[mperm + q]] for q < n (32-bit); n <= 0 returns init.
    With n = nnz and mperm from _c_closure_350 the runs are the columns of M that have
    entries; 352 then writes m times that many elements and m * nnz terms.

    Parameters:
      msubj  int32[], read
      init   int32
      n      int32
      mperm  int32
      wi32   int32[], read
    Returns: count: int32
    """

def _c_closure_352(rnelem: Int32, rnnz: Int32, mcof: F64Array, p: Int32, msubi: I32Array, msubj: I32Array, xnidxs: Int32, nnz: Int32, mperm: Int32, rbfix: Int32, rcof: Int32, rf64: F64ArrayOut, ri32: I32ArrayOut, ri64: I64ArrayOut, rnidxs: Int32, rptr: Int32, rsp: Int32, wi32: I32Array, wi64: I64Array, m: Int32, xrowstride: Int32, /) -> Tuple[Annotated[Int32, "rnelem"], Annotated[Int32, "rnnz"]]:
    r"""expr::dense_variable_times_sparse (expr/varprod.cpp: Products of a constant matrix and a variable)

    Dense variable times sparse matrix, the build pass sized by _c_closure_351: m times its
    column count elements, m * nnz terms. X is dense with m rows, the variable index of X(r,
    k) being wi64[xnidxs + r*xrowstride + k]; M has p columns and nnz sorted triplets
    (msubi, msubj, mcof), listed in column order by wi32[mperm ..] (_c_closure_350; its
    bucket array is not read).

    Appends from the running counts rnelem and rnnz: for each r < m and each column c of M
    with entries, in increasing c, element (r, c) with one term per entry t of the column in
    increasing row: variable wi64[xnidxs + r*xrowstride + msubi[t]], coefficient mcof[t];
    constant 0.0, sp = r*p + c, ri32[rptr + rnelem + 1] = rnnz after it.

    Leaves ri32[rptr] to the caller. Returns (rnelem, rnnz) advanced; m = 0 or nnz = 0
    returns them unchanged and writes nothing.

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
    Returns: (rnelem, rnnz): (int32, int32)
    """

def _c_closure_353(base: Int32, wi32: I32ArrayOut, n: Int32, /) -> None:
    r"""expr::zero_counters (expr/varprod.cpp: Products of a constant matrix and a variable)

    Zero counters on the work stack: wi32[base .. base + n] = 0 (n + 1 entries; n = -1
    writes nothing). With n = m it clears X's row counters before _c_closure_354.

    Parameters:
      base  int32
      wi32  int32[], written
      n     int32
    Returns: None
    """

def _c_closure_354(xnd: Int32, nx: Int32, xrowptr: Int32, xsp: Int32, wi32: I32ArrayOut, wi64: I64Array, m: Int32, xshape: I32Array, xrow: Int32, xcol: Int32, /) -> None:
    r"""expr::sparse_variable_by_rows (expr/varprod.cpp: Products of a constant matrix and a variable)

    Sparse variable by rows, on the work stack: the layout that _c_closure_355 and
    _c_closure_356 read. X's nx stored elements have increasing linear indexes wi64[xsp +
    k]. Writes each element's row wi32[xrow + k] and column wi32[xcol + k], and the row
    pointers wi32[xrowptr .. xrowptr + m] (row r's elements are positions wi32[xrowptr + r]
    .. wi32[xrowptr + r + 1] - 1; increasing linear index is already row order).
    - xnd = 1 (a row vector; pass m = 1): row 0, column = the linear index, wi32[xrowptr] =
      0, wi32[xrowptr + 1] = nx. xshape is not read.
    - otherwise, with q = xshape[1] columns: row = linear / q, column = linear mod q;
      wi32[xrowptr] = 0, each element adds 1 at xrowptr + row + 1, then a prefix sum over m
      entries. The caller zeroes wi32[xrowptr + 1 .. xrowptr + m] first (_c_closure_353).

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

def _c_closure_355(p: Int32, mcolptr: Int32, msubi: I32Array, rnelem: Int32, rnnz: Int32, mperm: Int32, xrowptr: Int32, wi32: I32Array, m: Int32, xcol: Int32, /) -> Tuple[Annotated[Int32, "rnelem"], Annotated[Int32, "rnnz"]]:
    r"""expr::sparse_variable_times_sparse_sizes (expr/varprod.cpp: Products of a constant matrix and a variable)

    Sparse variable times sparse matrix, the count pass of _c_closure_356: X (m rows) is
    laid out by _c_closure_354 on wi32 (row pointers xrowptr, columns at xcol); M (p
    columns, rows msubi) is grouped by column by _c_closure_350 (mcolptr, mperm). For each
    (r, c), r < m, c < p, X's row r (key: column) is merged with M's column c (key: row).
    Returns (rnelem + the positions with at least one match, rnnz + the matches), 32-bit;
    with 0 and 0 the sizes of 356's fresh result, its element count being the least nbfix to
    pass.

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
    Returns: (rnelem, rnnz): (int32, int32)
    """

def _c_closure_356(mcof: F64Array, p: Int32, mcolptr: Int32, msubi: I32Array, nbfix: Int32, xnidxs: Int32, mperm: Int32, xrowptr: Int32, rbfix: Int32, rcof: Int32, rf64: F64ArrayOut, ri32: I32ArrayOut, ri64: I64ArrayOut, rnidxs: Int32, rptr: Int32, rsp: Int32, wi32: I32Array, wi64: I64Array, m: Int32, xcol: Int32, /) -> None:
    r"""expr::sparse_variable_times_sparse (expr/varprod.cpp: Products of a constant matrix and a variable)

    Sparse variable times sparse matrix, the build pass sized by _c_closure_355: takes 355's
    layout and grouping arguments; X's variable indexes are wi64[xnidxs + q] for its
    positions q.

    Writes a fresh sparse record on the result stack: ri32[rptr] = 0 and rf64[rbfix .. rbfix
    + nbfix - 1] = 0.0, the only constants written (pass nbfix >= the element count;
    constants of elements beyond nbfix are left alone). Then for each (r, c) in row-major
    order with at least one match, one term per matched pair (X position q, entry t) in
    merge order: variable wi64[xnidxs + q], coefficient mcof[t]; sp = r*p + c. Positions
    without a match give no element.

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

def _c_closure_357(m: Int32, mrowptr: Int32, msubi: I32Array, msubj: I32Array, xnd: Int32, nx: Int32, xperm: Int32, xcolptr: Int32, rnelem: Int32, rnnz: Int32, xsp: Int32, p: Int32, xi32: I32ArrayOut, xi64: I64Array, xrow: Int32, xcol: Int32, /) -> Tuple[Annotated[Int32, "rnelem"], Annotated[Int32, "rnnz"]]:
    r"""expr::sparse_times_sparse_variable_prepare (expr/varprod.cpp: Products of a constant matrix and a variable)

    Matrix times sparse variable, the preparation and count pass of _c_closure_359: all on
    the scratch stack, it writes
    - M's row pointers xi32[mrowptr .. mrowptr + m] from its triplets (as many as msubi
      holds, sorted by row; every msubi in [0, m));
    - for each stored element k < nx of X (linear index xi64[xsp + k]): row xi32[xrow + k]
      and column xi32[xcol + k] = (linear / p, linear mod p), or (linear, 0) when xnd = 1 (X
      a column vector; pass p = 1);
    - X's column grouping: bucket array xi32[xcolptr ..] (p + 1 entries; 2 for a vector) and
      permutation xi32[xperm ..] (nx entries, increasing row within a column).

    Then counts as 359 merges: for each (r, c), r < m, c < p, M's row r (key msubj) against
    X's column c (key: row). Returns (rnelem + the positions with at least one match, rnnz +
    the matches), 32-bit; with 0 and 0 the sizes of 359's fresh result, its element count
    being the least nbfix to pass.

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
    Returns: (rnelem, rnnz): (int32, int32)
    """

def _c_closure_358(nnz: Int32, msubi: I32Array, rnelem: Int32, spare: Int32, p: Int32, /) -> Tuple[Annotated[Int32, "nelem"], Annotated[Int32, "nnz"]]:
    r"""expr::left_product_sizes (expr/leftprod.cpp: A constant matrix on the left of an expression, and matrix checks)

    Sizes by the row runs of M's triplets, the count pass of _c_closure_360: 360, a triplet
    matrix times a dense variable, is in the family of products of a matrix and a variable.
    Returns ((rnelem + the number of runs of equal msubi among msubi[0 .. nnz - 1]) * p, nnz
    * p), both wrapping in 32 bits; nnz <= 0 has no runs. rnelem counts rows and is
    multiplied by p too: pass 0 to get 360's element and term counts. spare is not read.

    The term count is exact when every element of the right operand holds one term, as a
    variable's do; for _c_closure_346 with a general dense E use _c_closure_345.

    Parameters:
      nnz     int32
      msubi   int32[], read
      rnelem  int32
      spare   int32
      p       int32
    Returns: (nelem, nnz): (int32, int32)
    """

def _c_closure_359(mcof: F64Array, m: Int32, mrowptr: Int32, msubj: I32Array, xnidxs: Int32, xperm: Int32, xcolptr: Int32, rbfix: Int32, rcof: Int32, rf64: F64ArrayOut, ri32: I32ArrayOut, ri64: I64ArrayOut, nbfix: Int32, rnidxs: Int32, rptr: Int32, rsp: Int32, p: Int32, xi32: I32Array, xi64: I64Array, xrow: Int32, /) -> None:
    r"""expr::sparse_times_sparse_variable (expr/varprod.cpp: Products of a constant matrix and a variable)

    Matrix times sparse variable, the build pass sized and prepared by _c_closure_357: it
    reads 357's scratch runs, M's row pointers xi32[mrowptr ..] (columns msubj, values mcof)
    and X's column grouping xi32[xcolptr ..], xi32[xperm ..] with rows xi32[xrow ..]; X's
    variable indexes are xi64[xnidxs + e].

    Writes a fresh sparse record on the result stack: ri32[rptr] = 0 and rf64[rbfix .. rbfix
    + nbfix - 1] = 0.0, the only constants written (pass nbfix >= the element count). Then
    for each (r, c), r < m, c < p, in row-major order with at least one match, one term per
    matched pair (entry t, element e) in merge order: variable xi64[xnidxs + e], coefficient
    mcof[t]; sp = r*p + c.

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

    Matrix times dense variable, the build pass sized by _c_closure_358: 358 is in the
    family of a constant matrix on the left of an expression; with rnelem = 0 it returns
    this kernel's element count, (row runs of msubi) * p, and term count nnz * p. M is nnz
    sorted triplets (msubi, msubj, mcof); X is dense with p columns and its variable indexes
    lie on the scratch stack: X(k, c) is xi64[xnidxs + k*p + c].

    Writes a fresh sparse record on the result stack, ri32[rptr] = 0 included: for each row
    run i of M and each c < p, element (i, c) with one term per entry t of the run in order:
    variable xi64[xnidxs + msubj[t]*p + c], coefficient mcof[t] (zero values kept); constant
    0.0, sp = i*p + c. Every column of every row with entries is written.

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

def _c_closure_361(nrows: Int32, ncols: Int32, msubi: I32Array, msubj: I32Array, result: Int32, /) -> Annotated[bool, "valid"]:
    r"""expr::triplets_valid (expr/leftprod.cpp: A constant matrix on the left of an expression, and matrix checks)

    Triplet validity: returns result != 0 unless some triplet is out of range (msubi outside
    [0, nrows) or msubj outside [0, ncols)) or some consecutive pair is not strictly
    increasing in (row, column) order (a repeated position counts); then False. There is no
    count parameter: the number of triplets is the length of msubi (msubj must hold as
    many). result = 0 gives False for any matrix.

    Parameters:
      nrows   int32
      ncols   int32
      msubi   int32[], read
      msubj   int32[], read
      result  int32
    Returns: valid: bool
    """

def _c_closure_362(badrange: Int32, nrows: Int32, ncols: Int32, msubi: I32Array, msubj: I32Array, /) -> Annotated[bool, "badrange"]:
    r"""expr::triplets_out_of_range (expr/leftprod.cpp: A constant matrix on the left of an expression, and matrix checks)

    Triplet range flag: returns True when badrange != 0 or some triplet has msubi outside
    [0, nrows) or msubj outside [0, ncols), else False. The number of triplets is the length
    of msubi (msubj must hold as many).

    Parameters:
      badrange  int32
      nrows     int32
      ncols     int32
      msubi     int32[], read
      msubj     int32[], read
    Returns: badrange: bool
    """

def _c_closure_363(unsorted: Int32, msubi: I32Array, msubj: I32Array, /) -> Annotated[bool, "unsorted"]:
    r"""expr::triplets_unsorted (expr/leftprod.cpp: A constant matrix on the left of an expression, and matrix checks)

    Triplet order flag: returns True when unsorted != 0 or some consecutive pair of triplets
    is not strictly increasing in (row, column) order (a repeated position counts), else
    False. The number of triplets is the length of msubi (msubj must hold as many).

    Parameters:
      unsorted  int32
      msubi     int32[], read
      msubj     int32[], read
    Returns: unsorted: bool
    """

def _c_closure_364(obfix: Int32, ocof: Int32, f64: F64ArrayOut, sparse: Int32, i32: I32ArrayOut, i64: I64ArrayOut, mcof: F64Array, ncols: Int32, msubi: I32Array, msubj: I32Array, nelem: Int32, onidxs: Int32, nnz: Int32, optr: Int32, osp: Int32, var: Int64, /) -> None:
    r"""expr::matrix_times_scalar_variable (expr/varprod.cpp: Products of a constant matrix and a variable)

    Matrix times one variable, into the caller's arrays: at the positions given (any arrays,
    not necessarily stack runs), the record of M * var with one term per element. Writes
    f64[obfix + j] = 0.0 for j < nelem; f64[ocof + u] = mcof[u] and i64[onidxs + u] = var
    for u < nnz; the ptr i32[optr + j] = j for j = 0 .. nelem, ptr[0] = 0 included; and when
    sparse != 0 the linear indexes i64[osp + j] = msubi[j]*ncols + msubj[j] for j < nelem.

    Pass nnz = nelem: mcof holds M's values, all of a dense M in row-major order (sparse =
    0; msubi, msubj, ncols and osp are not read) or the nnz sorted triplets of a sparse M.
    var is a signed native index.

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

    Unit record in the caller's arrays: i32[optr + j] = j for j = 0 .. nelem (ptr[0] = 0
    included), f64[obfix + j] = 0.0 for j < nelem and f64[ocof + u] = 1.0 for u < nnz. With
    nnz = nelem these are the ptr, bfix and cof of a record whose every element has one term
    of coefficient 1.0 and constant 0; its nidxs run is the caller's. i32 needs optr + nelem
    + 1 entries, f64 obfix + nelem and ocof + nnz. _c_closure_421 writes the same on the
    result stack.

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

    Leading shape copy for a sum along an axis: ri32[rbase + j] = wi32[base + j] for j < n.
    With n = axis it copies the operand's sizes before axis; _c_closure_386 then copies
    those after it, which gives the result shape (the operand's without dimension axis, nd -
    1 entries). _c_closure_385 with the parameters in another order.

    Parameters:
      ri32   int32[], written
      n      int32
      rbase  int32
      base   int32
      wi32   int32[], read
    Returns: None
    """

def _c_closure_367(bfix_a: Int32, bfix_b: Int32, cof_a: Int32, cof_b: Int32, rnnz: Int32, wa: float, wb: float, nidxs_a: Int32, nidxs_b: Int32, ptr_a: Int32, ptr_b: Int32, rbfix: Int32, rcof: Int32, rf64: F64ArrayOut, ri32: I32ArrayOut, ri64: I64ArrayOut, rnelem: Int32, rnidxs: Int32, rptr: Int32, wf64: F64Array, wi32: I32Array, wi64: I64Array, /) -> Annotated[Int32, "rnnz"]:
    r"""expr::sum_dense_dense (expr/sum.cpp: Sums and weighted sums of expressions)

    Dense plus dense, written piecewise: for j = 0 .. rnelem - 1, result element j holds
    operand a's terms of element j with coefficients * wa, then operand b's with
    coefficients * wb (indexes unchanged, nothing merged or dropped), at ri64[rnidxs + t]
    and rf64[rcof + t] with t running from rnnz; then ri32[rptr + j + 1] = t and rf64[rbfix
    + j] = wa * wf64[bfix_a + j] + wb * wf64[bfix_b + j]. Both operands are dense records of
    rnelem elements on the work stack (ptr at wi32[ptr_a], nidxs at wi64[nidxs_a], cof at
    wf64[cof_a], bfix at wf64[bfix_a], likewise for b).

    No count pass: the result has nnz_a + nnz_b terms, the operands' term counts
    (_c_closure_374). ri32 needs rptr + rnelem + 1 entries, ri64 rnidxs + rnnz + nnz_a +
    nnz_b, rf64 rcof + rnnz + nnz_a + nnz_b and rbfix + rnelem. ptr[0] (ri32[rptr]) is not
    written: the caller sets it (0 for a fresh record, with rnnz = 0). rnelem <= 0 writes
    nothing.

    Returns rnnz plus the terms written.

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
    Returns: rnnz: int32
    """

def _c_closure_368(bfix_a: Int32, bfix_b: Int32, cof_a: Int32, cof_b: Int32, wa: float, wb: float, nelem_a: Int32, nelem_b: Int32, nidxs_a: Int32, nidxs_b: Int32, ptr_a: Int32, ptr_b: Int32, rbfix: Int32, rcof: Int32, rf64: F64ArrayOut, ri32: I32ArrayOut, ri64: I64ArrayOut, nd: Int32, rnelem: Int32, rnidxs: Int32, rptr: Int32, rshape: Int32, wshape: Int32, sp_b: Int32, wf64: F64Array, wi32: I32Array, wi64: I64Array, /) -> None:
    r"""expr::sum_dense_sparse (expr/sum.cpp: Sums and weighted sums of expressions)

    Dense plus sparse: the dense operand comes first (a, nelem_a = rnelem elements) and the
    sparse one second (b, nelem_b stored elements, sp at wi64[sp_b]); for sparse plus dense,
    swap the operands and their weights. The result is a dense record of rnelem elements:
    element e holds a's terms of e with coefficients * wa, then the terms of b's element
    stored at e (if any) with coefficients * wb, indexes unchanged and nothing merged;
    rf64[rbfix + e] = wa * a's constant, plus wb * b's when b stores e. Also copies the
    shape: ri32[rshape + i] = wi32[wshape + i] for i < nd.

    Builds the whole record, ptr[0] included (ri32[rptr] = 0; ptr needs no zero-filling),
    terms packed from position 0. No count pass: with nnz_a and nnz_b the operands' term
    counts, ri32 needs rptr + rnelem + 1 and rshape + nd entries, ri64 rnidxs + nnz_a +
    nnz_b, rf64 rcof + nnz_a + nnz_b and rbfix + rnelem.

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

def _c_closure_369(n: Int32, base: Int32, init: Int64, wi32: I32Array, /) -> Annotated[Int64, "size"]:
    r"""expr::size_of_run_64 (expr/sumdim.cpp: Sums of an expression along one dimension)

    64-bit size product: init * wi32[base] * ... * wi32[base + n - 1], in 64-bit wrapping
    arithmetic; init when n <= 0. The 64-bit twin of _c_closure_382 for element counts
    beyond 32 bits.

    Parameters:
      n     int32
      base  int32
      init  int64
      wi32  int32[], read
    Returns: size: int64
    """

def _c_closure_370(nelem_a: Int32, nelem_b: Int32, rnelem: Int32, sp_a: Int32, sp_b: Int32, wi64: I64Array, /) -> Annotated[Int32, "rnelem"]:
    r"""expr::count_sparse_union (expr/sum.cpp: Sums and weighted sums of expressions)

    Union count, the count pass of _c_closure_372: returns rnelem plus the number of
    distinct linear indexes in the union of the strictly increasing sp runs wi64[sp_a ..]
    (nelem_a entries) and wi64[sp_b ..] (nelem_b entries), 32-bit. With rnelem = 0 it is the
    element count of the sum of two sparse records; the term count is nnz_a + nnz_b, the sum
    of the operands' term counts.

    Parameters:
      nelem_a  int32
      nelem_b  int32
      rnelem   int32
      sp_a     int32
      sp_b     int32
      wi64     int64[], read
    Returns: rnelem: int32
    """

def _c_closure_371(ri32: I32ArrayOut, n: Int32, rbase: Int32, base: Int32, wi32: I32Array, /) -> None:
    r"""expr::copy_leading_shape (expr/sumdim.cpp: Sums of an expression along one dimension)

    The same kernel as _c_closure_366.

    Leading shape copy for a sum along an axis: ri32[rbase + j] = wi32[base + j] for j < n.
    With n = axis it copies the operand's sizes before axis; _c_closure_386 then copies
    those after it, which gives the result shape (the operand's without dimension axis, nd -
    1 entries). _c_closure_385 with the parameters in another order.

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

    Sparse plus sparse, the build pass sized by _c_closure_370: merges the strictly
    increasing sp runs wi64[sp_a ..] (nelem_a entries) and wi64[sp_b ..] (nelem_b) into a
    sparse result; for each distinct linear index, in increasing order, result element k
    gets ri64[rsp + k] = the index, the terms of a's element there with coefficients * wa
    followed by those of b's with coefficients * wb (indexes unchanged, nothing merged),
    rf64[rbfix + k] = wa * a's constant, wb * b's, or their sum when both store it, and
    ri32[rptr + k + 1] = terms so far.

    Builds the whole record, ptr[0] included (ri32[rptr] = 0), terms packed from position 0:
    with E = _c_closure_370(nelem_a, nelem_b, 0, sp_a, sp_b, wi64) and T = nnz_a + nnz_b,
    ri32 needs rptr + E + 1 entries, ri64 rsp + E and rnidxs + T, rf64 rbfix + E and rcof +
    T. With both empty it writes only ptr[0].

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

def _c_closure_373(init: Int32, n: Int32, sp_base: I32Array, /) -> Annotated[bool, "anydense"]:
    r"""expr::any_dense (expr/sum.cpp: Sums and weighted sums of expressions)

    Any dense operand: True when init != 0 or some sp_base[i], i < n, is negative (a dense
    operand of a list); else False. The answer is the anydense argument of _c_closure_378.

    Parameters:
      init     int32
      n        int32
      sp_base  int32[], read
    Returns: anydense: bool
    """

def _c_closure_374(n: Int32, nnz: I32Array, init: Int32, /) -> Annotated[Int32, "nnz"]:
    r"""expr::total_terms (expr/sum.cpp: Sums and weighted sums of expressions)

    Term total of a sum: init + nnz[0] + ... + nnz[n - 1] (32-bit, wrapping). Sums
    concatenate terms, so with init = 0 it is the term count of the sum of the n operands:
    the size of the nidxs and cof runs of the dense form of _c_closure_378, and of
    _c_closure_367, _c_closure_368 and _c_closure_372 for two operands.

    Parameters:
      n     int32
      nnz   int32[], read
      init  int32
    Returns: nnz: int32
    """

def _c_closure_375(n: Int32, nelem: I32Array, nnz: I32Array, rnelem: Int32, rnnz: Int32, sp_base: I32Array, wi64: I64Array, /) -> Tuple[Annotated[Int32, "rnelem"], Annotated[Int32, "rnnz"]]:
    r"""expr::count_sparse_list (expr/sum.cpp: Sums and weighted sums of expressions)

    List union count, the count pass of the sparse form of _c_closure_378: with all n
    operands sparse (nelem[i] stored elements, sp runs at wi64[sp_base[i] ..]), returns
    (rnelem + the number of distinct linear indexes over all their sp runs, rnnz + nnz[0] +
    ... + nnz[n - 1]), 32-bit. n = 0 returns (rnelem, rnnz). Takes n int32 of scratch memory
    (MemoryError if it cannot).

    Parameters:
      n        int32
      nelem    int32[], read
      nnz      int32[], read
      rnelem   int32
      rnnz     int32
      sp_base  int32[], read
      wi64     int64[], read
    Returns: (rnelem, rnnz): (int32, int32)
    """

def _c_closure_376(base: Int32, rf64: F64ArrayOut, n: Int32, /) -> None:
    r"""expr::zero_f64_run (expr/sum.cpp: Sums and weighted sums of expressions)

    Zero a float64 run: rf64[base + k] = 0.0 for k < n. Prepares the rbfix run of
    _c_closure_378, which adds into it.

    Parameters:
      base  int32
      rf64  float64[], written
      n     int32
    Returns: None
    """

def _c_closure_377(ri32: I32ArrayOut, n: Int32, base: Int32, /) -> None:
    r"""expr::zero_i32_run (expr/sum.cpp: Sums and weighted sums of expressions)

    Zero an int32 run: ri32[base + k] = 0 for k = 0 .. n (n + 1 entries). Prepares the rptr
    run of _c_closure_378 (n = the result's element count): the dense form adds counts into
    it and the sparse form takes its ptr[0] from it.

    Parameters:
      ri32  int32[], written
      n     int32
      base  int32
    Returns: None
    """

def _c_closure_378(anydense: Int32, bfix_base: I32Array, cof_base: I32Array, n: Int32, nelem: I32Array, nidxs_base: I32Array, ptr_base: I32Array, rbfix: Int32, rcof: Int32, rf64: F64ArrayOut, ri32: I32ArrayOut, ri64: I64ArrayOut, rnelem: Int32, rnidxs: Int32, rptr: Int32, rsp: Int32, sp_base: I32Array, w: F64Array, wf64: F64Array, wi32: I32Array, wi64: I64Array, /) -> None:
    r"""expr::sum_list (expr/sum.cpp: Sums and weighted sums of expressions)

    Weighted sum of a list of n operands, the build pass: result element = sum over i of
    w[i] times operand i's element (operand i's runs at ptr_base[i], nidxs_base[i],
    cof_base[i], bfix_base[i] on the work stack, nelem[i] stored elements). Within an
    element the terms of operand 0 come first, then those of operand 1, and so on, each in
    stored order with coefficients * w[i] (indexes unchanged, nothing merged); the constant
    is the sum of w[i] * the operands' constants.
    - anydense = 0 (every operand sparse, sp at wi64[sp_base[i] ..]): a sparse result whose
      sp at ri64[rsp ..] is the union of the operands' sp runs in increasing order, sized by
      _c_closure_375 (E elements, T terms); rnelem is not used. Writes ri32[rptr + k + 1]
      for k < E but not ptr[0], which the caller provides (0), and terms packed from
      position 0. Takes n int32 of scratch memory first (MemoryError before anything is
      written).
    - anydense != 0 (_c_closure_373): a dense result of E = rnelem elements; an operand with
      sp_base[i] < 0 is dense (its element j is element j), the others sparse. Writes ptr[0]
      = 0 itself; T = _c_closure_374(n, nnz, 0).

    Both forms add into rbfix and the dense form also into rptr, so the caller zero-fills
    rbfix (E entries, _c_closure_376) and rptr (E + 1 entries, _c_closure_377) first. ri64
    needs rnidxs + T (and rsp + E) entries, rf64 rcof + T and rbfix + E, ri32 rptr + E + 1.

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

def _c_closure_379(init: Int32, n: Int32, base: Int32, wi32: I32Array, /) -> Annotated[Int32, "largest"]:
    r"""expr::largest_size (expr/sumdim.cpp: Sums of an expression along one dimension)

    Largest size of a shape run: the maximum of init and wi32[base + j] for j < n; init when
    n <= 0. With init = 0 over the operand's shape run, largest + 1 is the counter run of
    _c_closure_381.

    Parameters:
      init  int32
      n     int32
      base  int32
      wi32  int32[], read
    Returns: largest: int32
    """

def _c_closure_380(base: Int32, n: Int32, xi32: I32ArrayOut, /) -> None:
    r"""expr::identity_permutation (expr/sumdim.cpp: Sums of an expression along one dimension)

    Identity permutation on the scratch stack: xi32[base + j] = j for j < n. The starting
    permutation of the n stored elements for _c_closure_381.

    Parameters:
      base  int32
      n     int32
      xi32  int32[], written
    Returns: None
    """

def _c_closure_381(src: Int32, axis: Int32, nd: Int32, n: Int32, cnt: Int32, wshape: Int32, wsp: Int32, dst: Int32, wi32: I32Array, wi64: I64Array, xi32: I32ArrayOut, /) -> Tuple[Annotated[Int32, "perm"], Annotated[Int32, "other"]]:
    r"""expr::sort_for_reduction (expr/sumdim.cpp: Sums of an expression along one dimension)

    Radix sort for a sparse sum along an axis: reorders the permutation of the n stored
    elements at xi32[src ..] (usually the identity from _c_closure_380) so that it lists
    them in increasing order of their coordinates in every dimension but axis (dimension 0
    most significant), ties keeping their incoming order. The coordinates come from the
    operand's sp run wi64[wsp ..] and shape run wi32[wshape ..] (nd sizes). Each dimension
    other than axis, the last first, takes one stable counting pass, written through the run
    at dst, after which the two runs exchange roles.

    Scratch on xi32: n entries at src and at dst, and the largest size + 1 counters at cnt
    (_c_closure_379). When axis >= nd - 1 (or nd <= 0) it reads and writes nothing and
    returns (src, dst): storage order is already grouped. Otherwise it takes nd int64 and nd
    int32 of scratch memory before writing (MemoryError if it cannot).

    Returns (the base of the run that holds the sorted permutation, the base of the other
    run); pass the first to _c_closure_384 and _c_closure_387.

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
    Returns: (perm, other): (int32, int32)
    """

def _c_closure_382(init: Int32, n: Int32, base: Int32, wi32: I32Array, /) -> Annotated[Int32, "size"]:
    r"""expr::size_of_run (expr/sizes.cpp: Strides, size products, maxima and shape copies of record shape runs)

    The same kernel as _c_closure_272.

    Leading size product for a sum along an axis: init * wi32[base] * ... * wi32[base + n -
    1] in 32-bit wrapping arithmetic; init when n <= 0. With init = 1, n = axis and the
    operand's shape run at base it is outer, the product of the sizes before axis; with n =
    nd, the element count. _c_closure_369 is the 64-bit product.

    Parameters:
      init  int32
      n     int32
      base  int32
      wi32  int32[], read
    Returns: size: int32
    """

def _c_closure_383(init: Int32, after: Int32, before: Int32, base: Int32, wi32: I32Array, /) -> Annotated[Int32, "size"]:
    r"""expr::size_after (expr/sizes.cpp: Strides, size products, maxima and shape copies of record shape runs)

    The same kernel as _c_closure_275.

    Trailing size product for a sum along an axis: init times wi32[base + j] for j = after +
    1 .. before - 1, in 32-bit wrapping arithmetic; init when after + 1 >= before. With init
    = 1, after = axis, before = nd and the operand's shape run at base it is inner, the
    product of the sizes after axis.

    Parameters:
      init    int32
      after   int32
      before  int32
      base    int32
      wi32    int32[], read
    Returns: size: int32
    """

def _c_closure_384(perm: Int32, outer: Int32, inner: Int32, n: Int32, last_outer: Int64, last_inner: Int64, rnelem: Int32, span: Int32, wsp: Int32, wi64: I64Array, xi32: I32Array, /) -> Tuple[Annotated[Int64, "last_outer"], Annotated[Int64, "last_inner"], Annotated[Int32, "rnelem"]]:
    r"""expr::count_reduced (expr/sumdim.cpp: Sums of an expression along one dimension)

    Group count, the count pass of the sparse sum along an axis (for _c_closure_387): for
    the n sorted permutation entries e = xi32[perm + i] in order, the result key of element
    e is ((L / span) mod outer, L mod inner), L = wi64[wsp + e]; each key that differs from
    the one before counts 1, starting from the key (last_outer, last_inner). For a fresh
    count pass a key that no element has, (-1, -1); to continue over a further stretch of
    entries pass back the returned key.

    outer and inner are the products of the sizes before and after axis (_c_closure_388,
    _c_closure_389), span = the size of axis * inner.

    Returns (the outer part and the inner part of the last key, rnelem + the count): the
    last, from rnelem = 0, is the element count of the sparse result; its term count is the
    operand's nnz. n = 0 returns the key and rnelem passed.

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
    Returns: (last_outer, last_inner, rnelem): (int64, int64, int32)
    """

def _c_closure_385(n: Int32, ri32: I32ArrayOut, rbase: Int32, base: Int32, wi32: I32Array, /) -> None:
    r"""expr::copy_shape_to_result (expr/sizes.cpp: Strides, size products, maxima and shape copies of record shape runs)

    The same kernel as _c_closure_276.

    Leading shape copy for a sum along an axis: ri32[rbase + j] = wi32[base + j] for j < n.
    With n = axis it copies the operand's sizes before axis; _c_closure_386 then copies
    those after it, which gives the result shape (the operand's without dimension axis, nd -
    1 entries). _c_closure_366 takes the parameters in another order.

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

    Trailing shape copy for a sum along an axis: ri32[rbase + j - 1] = wi32[base + j] for
    axis < j < nd, the sizes after axis moved down by one. After a leading copy of axis
    sizes to ri32[rbase ..] (_c_closure_366 or _c_closure_385) the run holds the operand's
    shape without dimension axis (nd - 1 entries).

    Parameters:
      axis   int32
      nd     int32
      ri32   int32[], written
      rbase  int32
      base   int32
      wi32   int32[], read
    Returns: None
    """

def _c_closure_387(wbfix: Int32, wcof: Int32, perm: Int32, outer: Int32, inner: Int32, first: Int32, rnelem: Int32, rnnz: Int32, last: Int32, wnidxs: Int32, wptr: Int32, rbfix: Int32, rcof: Int32, rf64: F64ArrayOut, ri32: I32ArrayOut, ri64: I64ArrayOut, rnidxs: Int32, rptr: Int32, rsp: Int32, span: Int32, wsp: Int32, wf64: F64Array, wi32: I32Array, wi64: I64Array, xi32: I32Array, /) -> Tuple[Annotated[Int32, "position"], Annotated[Int32, "rnelem"], Annotated[Int32, "rnnz"]]:
    r"""expr::build_reduced (expr/sumdim.cpp: Sums of an expression along one dimension)

    Sparse sum along an axis, the build pass sized by _c_closure_384: walks the sorted
    permutation positions t = first .. last - 1 (e = xi32[perm + t]); each run of
    consecutive positions whose elements have the same key ((L / span) mod outer, L mod
    inner), L = wi64[wsp + e], becomes result element k, from k = rnelem: the terms of the
    run's elements in order, copied unchanged from term position rnnz on, ri32[rptr + k + 1]
    = terms so far, ri64[rsp + k] = outer part * inner + inner part (its linear index in the
    shape without axis) and rf64[rbfix + k] = the sum of their constants.

    Written piecewise after rnelem elements and rnnz terms; split the positions only between
    runs, or one key becomes two elements. With E from _c_closure_384 and T the operand's
    nnz, ri32 needs rptr + E + 1 entries, ri64 rsp + E and rnidxs + T, rf64 rbfix + E and
    rcof + T. ptr[0] is not written: the caller sets ri32[rptr] = 0.

    Returns (the position where it stopped: last, or first when first >= last; the new
    element count; the new term count).

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
    Returns: (position, rnelem, rnnz): (int32, int32, int32)
    """

def _c_closure_388(init: Int32, n: Int32, base: Int32, wi32: I32Array, /) -> Annotated[Int32, "size"]:
    r"""expr::size_of_run (expr/sizes.cpp: Strides, size products, maxima and shape copies of record shape runs)

    The same kernel as _c_closure_272.

    Leading size product for a sum along an axis, as _c_closure_382: init * wi32[base] * ...
    * wi32[base + n - 1] in 32-bit wrapping arithmetic; init when n <= 0. With init = 1, n =
    axis and the operand's shape run at base it is outer, the product of the sizes before
    axis.

    Parameters:
      init  int32
      n     int32
      base  int32
      wi32  int32[], read
    Returns: size: int32
    """

def _c_closure_389(init: Int32, after: Int32, before: Int32, base: Int32, wi32: I32Array, /) -> Annotated[Int32, "size"]:
    r"""expr::size_after (expr/sizes.cpp: Strides, size products, maxima and shape copies of record shape runs)

    The same kernel as _c_closure_275.

    Trailing size product for a sum along an axis, as _c_closure_383: init times wi32[base +
    j] for j = after + 1 .. before - 1, in 32-bit wrapping arithmetic; init when after + 1
    >= before. With init = 1, after = axis and before = nd it is inner.

    Parameters:
      init    int32
      after   int32
      before  int32
      base    int32
      wi32    int32[], read
    Returns: size: int32
    """

def _c_closure_390(n: Int32, ri32: I32ArrayOut, rbase: Int32, base: Int32, wi32: I32Array, /) -> None:
    r"""expr::copy_shape_to_result (expr/sizes.cpp: Strides, size products, maxima and shape copies of record shape runs)

    The same kernel as _c_closure_276.

    Leading shape copy for a sum along an axis, as _c_closure_385: ri32[rbase + j] =
    wi32[base + j] for j < n. With n = axis it copies the sizes before axis; _c_closure_391
    copies those after it.

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

    Trailing shape copy for a sum along an axis: ri32[rbase + j - 1] = wi32[base + j] for
    axis < j < nd, the sizes after axis moved down by one. After a leading copy of axis
    sizes to ri32[rbase ..] (_c_closure_366 or _c_closure_385) the run holds the operand's
    shape without dimension axis (nd - 1 entries).

    Parameters:
      axis   int32
      nd     int32
      ri32   int32[], written
      rbase  int32
      base   int32
      wi32   int32[], read
    Returns: None
    """

def _c_closure_392(wbfix: Int32, wcof: Int32, outer: Int32, size: Int32, inner: Int32, rnelem: Int32, rnnz: Int32, wnidxs: Int32, wptr: Int32, rbfix: Int32, rcof: Int32, rf64: F64ArrayOut, ri32: I32ArrayOut, ri64: I64ArrayOut, rnidxs: Int32, rptr: Int32, ostride: Int32, astride: Int32, wf64: F64Array, wi32: I32Array, wi64: I64Array, /) -> Tuple[Annotated[Int32, "rnelem"], Annotated[Int32, "rnnz"]]:
    r"""expr::build_reduced_dense (expr/sumdim.cpp: Sums of an expression along one dimension)

    Dense sum along an axis, the build pass (no count pass): the operand is dense with outer
    * size * inner elements (size = the axis size, ostride = size * inner, astride = inner).
    For o < outer and p < inner in order, result element k (from k = rnelem) holds the terms
    of the operand elements e = o * ostride + q * astride + p, q = 0 .. size - 1 in order,
    copied unchanged from term position rnnz on; ri32[rptr + k + 1] = terms so far and
    rf64[rbfix + k] = the sum of their constants.

    Written piecewise: the caller may reduce the operand in stretches of whole outer blocks,
    shifting wptr and wbfix by the elements before the stretch and passing back the returned
    counts. The whole result has outer * inner elements and the operand's nnz terms: ri32
    needs rptr + outer*inner + 1 entries, ri64 rnidxs + nnz, rf64 rcof + nnz and rbfix +
    outer*inner. ptr[0] is not written: the caller sets ri32[rptr] = 0.

    Returns the new (element count, term count).

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
    Returns: (rnelem, rnnz): (int32, int32)
    """

def _c_closure_393(n: Int32, r: I32ArrayOut, shape: I32Array, /) -> None:
    r"""expr::leading_sizes (expr/triangle.cpp: Triangular parts of an expression, and gathers by index)

    Leading sizes: r[j] = shape[j] for j < n (both arrays outside the stacks).

    Parameters:
      n      int32
      r      int32[], written
      shape  int32[], read
    Returns: None
    """

def _c_closure_394(skip: Int32, r: I32ArrayOut, shape: I32Array, /) -> None:
    r"""expr::sizes_after_skip (expr/triangle.cpp: Triangular parts of an expression, and gathers by index)

    Sizes after a skipped dimension: r[j - 1] = shape[j] for skip < j < len(shape), the
    length of the array shape itself. After a leading copy of skip entries (_c_closure_393
    with n = skip) r holds shape without dimension skip.

    Parameters:
      skip   int32
      r      int32[], written
      shape  int32[], read
    Returns: None
    """

def _c_closure_395(dim: I32ArrayOut, base: Int32, wi32: I32Array, n: Int32, /) -> None:
    r"""expr::multiply_leading_block (expr/triangle.cpp: Triangular parts of an expression, and gathers by index)

    Five-axis block d0: dim[0] *= wi32[base + j] for j < n (32-bit, wrapping). The caller
    presets dim = (1, size of the first chosen dimension a, 1, size of the second b, 1);
    with n = a and the operand's shape run at base this multiplies in the sizes before a.
    _c_closure_403 with the parameters in another order.

    Parameters:
      dim   int32[], written
      base  int32
      wi32  int32[], read
      n     int32
    Returns: None
    """

def _c_closure_396(dim: I32ArrayOut, base: Int32, wi32: I32Array, after: Int32, before: Int32, /) -> None:
    r"""expr::multiply_middle_block (expr/triangle.cpp: Triangular parts of an expression, and gathers by index)

    Five-axis block d2: dim[2] *= wi32[base + j] for after < j < before (32-bit, wrapping);
    with after = a and before = b (the chosen dimensions) and the operand's shape run at
    base, the sizes between them. _c_closure_404 with the parameters in another order.

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

    Five-axis block d4: dim[4] *= wi32[base + j] for after < j < before (32-bit, wrapping);
    with after = b (the second chosen dimension), before = nd and the operand's shape run at
    base, the sizes after b. _c_closure_405 with the parameters in another order.

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

    Five-axis strides, int32: stride[b] = dim[b + 1] * stride[b + 1] for b = 3 down to 0
    (32-bit, wrapping), from stride[4], which the caller sets (1 for a plain row-major
    view). The strides of _c_closure_399 and _c_closure_400; _c_closure_406 is the int64
    twin.

    Parameters:
      dim     int32[], read
      stride  int32[], written
    Returns: None
    """

def _c_closure_399(dim: I32Array, sparse: Int32, n: Int32, wptr: Int32, rnelem: Int32, rnnz: Int32, wsp: Int32, stride: I32Array, lower: Int32, wi32: I32Array, wi64: I64Array, /) -> Tuple[Annotated[Int32, "rnelem"], Annotated[Int32, "rnnz"]]:
    r"""expr::triangle_count (expr/triangle.cpp: Triangular parts of an expression, and gathers by index)

    Triangle count: a position with block coordinates c_b = (L / stride[b]) mod dim[b] is
    selected when c1 <= c3 (upper triangle, lower = 0) or c3 <= c1 (lower != 0). The
    operand's ptr run is at wi32[wptr]; counts wrap in 32 bits.
    - sparse = 0 (dense operand): returns (d0 * d2 * (d1 * (d1 + 1) / 2) * d4, rnnz + the
      terms of every selected element); rnelem is ignored, and d1 * (d1 + 1) is taken in 32
      bits before halving. The element count is the number of positions _c_closure_400
      writes.
    - sparse != 0: each selected one of the n stored elements (sp at wi64[wsp ..]) adds 1 to
      rnelem and its terms to rnnz; returns (rnelem, rnnz).

    It sizes the triangle built by _c_closure_400 and _c_closure_401 (see there).

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
    Returns: (rnelem, rnnz): (int32, int32)
    """

def _c_closure_400(dim: I32Array, ri64: I64ArrayOut, rsp: Int32, stride: I32Array, lower: Int32, /) -> None:
    r"""expr::triangle_positions (expr/triangle.cpp: Triangular parts of an expression, and gathers by index)

    Selected positions: writes the linear index c0*st0 + c1*st1 + c2*st2 + c3*st3 + c4*st4
    (st_b = stride[b]) of every selected position (c3 >= c1, or c3 <= c1 when lower != 0),
    in increasing order, to ri64[rsp ..]: d0 * d2 * (d1 * (d1 + 1) / 2) * d4 entries, the
    dense element count of _c_closure_399. It is the sp run of the triangle of a dense
    operand and the requested list that _c_closure_401 reads.

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

    Gather by linear index, a build pass: result element k < n is the operand's element at
    linear index ri64[rsp + k] (the result's own sp run, strictly increasing, written before
    the call, e.g. by _c_closure_400), with its terms copied unchanged, packed from term
    position 0, and its constant; ri32[rptr + k + 1] = terms so far. The result always has n
    elements.
    - sparse = 0: the operand is dense; element ri64[rsp + k] is read directly.
    - sparse != 0: the operand stores nelem elements with sp at wi64[wsp ..]; a requested
      index that it does not store gives an element with no terms and constant 0.0.

    For a triangle, T is _c_closure_399's term count and n its element count: for a dense
    operand the positions of _c_closure_400; for a sparse one the stored selected indexes, a
    list the caller builds (requesting every selected position instead gives that many
    elements, the same T). ri32 needs rptr + n + 1 entries, ri64 rsp + n and rnidxs + T,
    rf64 rbfix + n and rcof + T. ptr[0] is not written: the caller sets ri32[rptr] = 0.

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

def _c_closure_402(rbfix: Int32, pos: Int32, n: Int32, rptr: Int32, rf64: F64ArrayOut, ri32: I32ArrayOut, ri64: I64Array, rnelem: Int32, rsp: Int32, xbfix: Int32, xf64: F64Array, xi32: I32Array, xptr: Int32, /) -> Annotated[Int32, "pos"]:
    r"""expr::expand_to_dense (expr/triangle.cpp: Triangular parts of an expression, and gathers by index)

    Dense expansion of a sparse record's ptr and bfix: the sparse record has n stored
    elements, sp at ri64[rsp ..], bfix at xf64[xbfix ..] and ptr at xi32[xptr ..]. For the
    dense elements j = 0 .. rnelem - 1, starting at sparse position p = pos: if p < n and
    ri64[rsp + p] = j, rf64[rbfix + j] = xf64[xbfix + p] and p += 1, else rf64[rbfix + j] =
    0.0; then ri32[rptr + j + 1] = xi32[xptr + p]. The terms stay where they are: the dense
    ptr points into the sparse record's nidxs and cof runs.

    Needs the sparse sp strictly increasing. ri32 needs rptr + rnelem + 1 entries and rf64
    rbfix + rnelem; ptr[0] (ri32[rptr]) is not written: it is the caller's, like the sparse
    ptr[0] (0). With n = 0 every ptr entry becomes xi32[xptr + pos] (0 for a sparse record's
    ptr) and every constant 0.0.

    Returns the sparse position reached (pos + the stored elements matched).

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
    Returns: pos: int32
    """

def _c_closure_403(dim: I32ArrayOut, n: Int32, base: Int32, wi32: I32Array, /) -> None:
    r"""expr::multiply_leading_block_count_first (expr/triangle.cpp: Triangular parts of an expression, and gathers by index)

    Five-axis block d0, n first: dim[0] *= wi32[base + j] for j < n (32-bit, wrapping); with
    n = a, the sizes before the first chosen dimension. _c_closure_395 with the parameters
    in another order.

    Parameters:
      dim   int32[], written
      n     int32
      base  int32
      wi32  int32[], read
    Returns: None
    """

def _c_closure_404(dim: I32ArrayOut, after: Int32, before: Int32, base: Int32, wi32: I32Array, /) -> None:
    r"""expr::multiply_middle_block_range_first (expr/triangle.cpp: Triangular parts of an expression, and gathers by index)

    Five-axis block d2, range first: dim[2] *= wi32[base + j] for after < j < before
    (32-bit, wrapping); with after = a and before = b, the sizes between the chosen
    dimensions. _c_closure_396 with the parameters in another order.

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

    Five-axis block d4, range first: dim[4] *= wi32[base + j] for after < j < before
    (32-bit, wrapping); with after = b and before = nd, the sizes after the second chosen
    dimension. _c_closure_397 with the parameters in another order.

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

    Five-axis strides, 64-bit: stride[b] = dim[b + 1] * stride[b + 1] for b = 3 down to 0
    (wrapping), from stride[4], which the caller sets (1 for a plain row-major view). dim =
    (d0, d1, d2, d3, d4): the product of the sizes before the first chosen dimension, its
    size, the product of those between the two, the second's size (equal to d1) and the
    product of those after it (_c_closure_395, _c_closure_396 and _c_closure_397 build it).
    _c_closure_398 is the int32 twin.

    Parameters:
      dim     int32[], read
      stride  int64[], written
    Returns: None
    """

def _c_closure_407(base: Int32, n: Int32, wi32: I32ArrayOut, /) -> None:
    r"""expr::work_identity_permutation (expr/sympart.cpp: The symmetric part of an expression over two dimensions of equal size)

    Identity permutation on the work stack: wi32[base + j] = j for j < n. The starting
    permutation of the n stored elements for _c_closure_408.

    Parameters:
      base  int32
      n     int32
      wi32  int32[], written
    Returns: None
    """

def _c_closure_408(src: Int32, dim: I32Array, n: Int32, cnt: Int32, sortidx: I32Array, tsp: Int32, stride: I64Array, dst: Int32, wi32: I32ArrayOut, wi64: I64Array, /) -> Tuple[Annotated[Int32, "perm"], Annotated[Int32, "other"]]:
    r"""expr::sort_by_mirror (expr/sympart.cpp: The symmetric part of an expression over two dimensions of equal size)

    Radix sort by mirror index for the sparse symmetric part: for p = 0 .. 3 with b =
    sortidx[p], a stable counting pass over the n entries of the permutation at wi32[src
    ..], by the key (wi64[tsp + e] / stride[b]) mod dim[b] of each element e (block
    coordinate b of its mirror), written through the run at dst with dim[b] + 1 counters at
    wi32[cnt ..]; then src and dst exchange roles. A block with dim[b] <= 1 takes no pass
    and no exchange. The passes run in the order given, least significant first.

    For the order that _c_closure_410 and _c_closure_411 need (increasing mirror index)
    start from the identity (_c_closure_407) and pass sortidx = (3, 2, 1, 0): storage order
    already orders block 4.

    wi32 needs n entries at src and at dst and the largest dim[sortidx[p]] + 1 at cnt.

    Returns (the base of the run that holds the sorted permutation, the base of the other
    run).

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
    Returns: (perm, other): (int32, int32)
    """

def _c_closure_409(dim: I32Array, n: Int32, tsp: Int32, wsp: Int32, stride: I64Array, wi64: I64ArrayOut, /) -> None:
    r"""expr::mirror_indexes (expr/sympart.cpp: The symmetric part of an expression over two dimensions of equal size)

    Mirror indexes for the sparse symmetric part: for j < n, wi64[tsp + j] = the mirror of L
    = wi64[wsp + j], that is c0*st0 + c3*st1 + c2*st2 + c1*st3 + c4*st4 with c_b = (L /
    stride[b]) mod dim[b] and st_b = stride[b] (the coordinates in the two chosen dimensions
    exchanged). A block with dim[b] <= 0 or stride[b] <= 0 gives coordinate 0. The n entries
    at tsp are read by _c_closure_408, _c_closure_410 and _c_closure_411.

    Parameters:
      dim     int32[], read
      n       int32
      tsp     int32
      wsp     int32
      stride  int64[], read
      wi64    int64[], written
    Returns: None
    """

def _c_closure_410(perm: Int32, n: Int32, wptr: Int32, rnelem: Int32, rnnz: Int32, tsp: Int32, wsp: Int32, wi32: I32Array, wi64: I64Array, /) -> Tuple[Annotated[Int32, "rnelem"], Annotated[Int32, "rnnz"]]:
    r"""expr::sparse_symmetric_count (expr/sympart.cpp: The symmetric part of an expression over two dimensions of equal size)

    Sparse symmetric part count, the count pass of _c_closure_411: merges the n stored
    elements in storage order (key wi64[wsp + i]) with the same elements in mirror order (e
    = wi32[perm + j], key wi64[tsp + e]; perm sorted by _c_closure_408). Each distinct key
    is one result element, holding the terms of the element stored there and of the element
    stored at its mirror; a diagonal element (its own mirror) counts its terms once. Term
    counts come from the ptr run at wi32[wptr].

    Returns (rnelem + the result elements, rnnz + their terms), 32-bit; n = 0 returns
    (rnelem, rnnz).

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
    Returns: (rnelem, rnnz): (int32, int32)
    """

def _c_closure_411(wbfix: Int32, wcof: Int32, perm: Int32, n: Int32, wnidxs: Int32, wptr: Int32, rbfix: Int32, rcof: Int32, rf64: F64ArrayOut, ri32: I32ArrayOut, ri64: I64ArrayOut, rnidxs: Int32, rptr: Int32, rsp: Int32, tsp: Int32, wsp: Int32, wf64: F64Array, wi32: I32Array, wi64: I64Array, /) -> None:
    r"""expr::sparse_symmetric_build (expr/sympart.cpp: The symmetric part of an expression over two dimensions of equal size)

    Sparse symmetric part, the build pass sized by _c_closure_410: the same merge, writing
    for each result element k in increasing linear index x: ri64[rsp + k] = x; when only x
    is stored, its terms with coefficients * 0.5 and 0.5 * its constant; when only its
    mirror is stored, the mirror's terms * 0.5 and 0.5 * its constant; when both are, x's
    terms * 0.5, then the mirror's * 0.5, and 0.5 * (the sum of the two constants); a
    diagonal element (its own mirror) unchanged. Indexes are copied unchanged, nothing
    merged; ri32[rptr + k + 1] = terms so far.

    Builds the whole record, ptr[0] included (ri32[rptr] = 0), terms packed from position 0:
    with (E, T) = _c_closure_410(..., 0, 0, ...), ri32 needs rptr + E + 1 entries, ri64 rsp
    + E and rnidxs + T, rf64 rbfix + E and rcof + T. The result has the operand's shape and
    a strictly increasing sp.

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

def _c_closure_412(dim: I32Array, wptr: Int32, init: Int32, stride: I64Array, wi32: I32Array, /) -> Annotated[Int32, "rnnz"]:
    r"""expr::dense_symmetric_count (expr/sympart.cpp: The symmetric part of an expression over two dimensions of equal size)

    Dense symmetric part count, the count pass of _c_closure_413: returns init minus the
    term counts of every diagonal element (c1 = c3, element c0*st0 + u*(st1 + st3) + c2*st2
    + c4*st4 for u < d1) of the dense operand whose ptr run is at wi32[wptr] (st_b =
    stride[b]; 32-bit, wrapping). With init = 2 * the operand's nnz it is the result's term
    count, since an element off the diagonal holds its own terms and its mirror's. The
    result has the operand's element count, d0*d1*d2*d3*d4.

    Parameters:
      dim     int32[], read
      wptr    int32
      init    int32
      stride  int64[], read
      wi32    int32[], read
    Returns: rnnz: int32
    """

def _c_closure_413(wbfix: Int32, wcof: Int32, dim: I32Array, first: Int32, wnidxs: Int32, wptr: Int32, rnelem: Int32, rbfix: Int32, rcof: Int32, rf64: F64ArrayOut, ri32: I32ArrayOut, ri64: I64ArrayOut, rnidxs: Int32, rnnz: Int32, rptr: Int32, stride: I64Array, wf64: F64Array, wi32: I32Array, wi64: I64Array, /) -> Tuple[Annotated[Int32, "first"], Annotated[Int32, "rnelem"], Annotated[Int32, "rnnz"]]:
    r"""expr::dense_symmetric_build (expr/sympart.cpp: The symmetric part of an expression over two dimensions of equal size)

    Dense symmetric part, the build pass sized by _c_closure_412: visits the view's
    positions (c0, c1, c2, c3, c4) in row-major order with operand element e = first, first
    + 1, ...; result element k (from k = rnelem) gets, when c1 = c3, e's terms unchanged and
    its constant; otherwise e's terms with coefficients * 0.5, then those of its mirror t =
    first + c0*st0 + c3*st1 + c2*st2 + c1*st3 + c4 (st_b = stride[b]) with coefficients *
    0.5, and 0.5 * (constant of e + constant of t). Terms are copied from term position rnnz
    on; ri32[rptr + k + 1] = terms so far.

    first is the number of the operand's first element within the runs at wptr and wbfix (0
    when they are the operand's own); e and its mirror are both offset by it. Expects the
    view of a whole shape (stride[4] = 1). Written after the rnelem elements and rnnz terms
    passed: with N = d0*d1*d2*d3*d4 and T from _c_closure_412, ri32 needs rptr + rnelem + N
    + 1 entries, rf64 rbfix + rnelem + N and rcof + rnnz + T, ri64 rnidxs + rnnz + T. ptr[0]
    is not written: the caller sets ri32[rptr] = 0 for a fresh record.

    Returns (first + N, rnelem + N, rnnz + T): the operand element after the last, the new
    element count and the new term count.

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
    Returns: (first, rnelem, rnnz): (int32, int32, int32)
    """

def _c_closure_414(wcof: Int32, tol: float, init: Int32, nelem: Int32, wnidxs: Int32, nnz: Int32, wptr: Int32, wf64: F64Array, wi32: I32Array, wi64: I64Array, /) -> Annotated[bool, "condensed"]:
    r"""expr::is_condensed (expr/condense.cpp: Condensing the terms of an expression)

    Condensed check: False when init = 0; otherwise True unless some element of the
    work-stack record (ptr at wi32[wptr], nidxs at wi64[wnidxs]) has, after its first term,
    a term of index 0 or of an index not greater than the one before it, or some coefficient
    wf64[wcof + u], u < nnz, lies strictly between -tol and tol. True means the record may
    be moved by the plain copy _c_closure_415 instead of being condensed (_c_closure_419,
    _c_closure_416, _c_closure_417).

    Two edges differ from condensing: a first term of index 0 is not tested, and a
    coefficient equal to tol or -tol passes here although _c_closure_417 drops it. The
    coefficient test covers the nnz terms from wcof on.

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
    Returns: condensed: bool
    """

def _c_closure_415(wbfix: Int32, wcof: Int32, sparse: Int32, nd: Int32, nelem: Int32, wnidxs: Int32, nnz: Int32, wptr: Int32, rbfix: Int32, rcof: Int32, rf64: F64ArrayOut, ri32: I32ArrayOut, ri64: I64ArrayOut, rnidxs: Int32, rptr: Int32, rshape: Int32, rsp: Int32, shape: I32Array, wsp: Int32, wf64: F64Array, wi32: I32Array, wi64: I64Array, /) -> None:
    r"""expr::copy_record (expr/condense.cpp: Condensing the terms of an expression)

    Plain record copy, for a record that _c_closure_414 finds condensed: copies shape[0 ..
    nd - 1] (an array outside the stacks) to ri32[rshape ..], the nelem + 1 ptr entries
    (ptr[0] included, unchanged) from wi32[wptr ..] to ri32[rptr ..], the nelem constants
    from wf64[wbfix ..] to rf64[rbfix ..], the nnz terms from wi64[wnidxs ..] and wf64[wcof
    ..] to ri64[rnidxs ..] and rf64[rcof ..] and, when sparse != 0, the nelem sp entries
    from wi64[wsp ..] to ri64[rsp ..]. The result runs need those lengths; no count pass.

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

def _c_closure_416(wcof: Int32, tol: float, nelem: Int32, wnidxs: Int32, perm: Int32, wptr: Int32, rnnz: Int32, wf64: F64Array, wi32: I32Array, wi64: I64Array, xi32: I32Array, /) -> Annotated[Int32, "rnnz"]:
    r"""expr::count_condensed (expr/condense.cpp: Condensing the terms of an expression)

    Condensed count, the count pass of _c_closure_417: for each element j < nelem of the
    work-stack record (ptr at wi32[wptr], nidxs at wi64[wnidxs], cof at wf64[wcof]), walks
    its term permutation xi32[perm + ptr[j] .. perm + ptr[j + 1] - 1] (from _c_closure_419;
    after _c_closure_420, which leaves it on the work stack, pass wi32 as xi32). Each run of
    consecutive terms with the same variable index v != 0 counts 1 when the sum of its
    coefficients is > tol or < -tol; terms of index 0 never count.

    Returns rnnz plus the count (32-bit): with rnnz = 0, the term count of the condensed
    record (whose element count is the operand's).

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
    Returns: rnnz: int32
    """

def _c_closure_417(wbfix: Int32, wcof: Int32, tol: float, sparse: Int32, nd: Int32, nelem: Int32, wnidxs: Int32, perm: Int32, wptr: Int32, rbfix: Int32, rcof: Int32, rf64: F64ArrayOut, ri32: I32ArrayOut, ri64: I64ArrayOut, rnidxs: Int32, rptr: Int32, rshape: Int32, spbase: Int32, shape: I32Array, wf64: F64Array, wi32: I32Array, wi64: I64Array, xi32: I32Array, /) -> None:
    r"""expr::build_condensed (expr/condense.cpp: Condensing the terms of an expression)

    Condensed record, the build pass sized by _c_closure_416: for each element j < nelem,
    walking its term permutation as there, every run of equal variable index v != 0 whose
    coefficients sum (added in permutation order) to > tol or < -tol becomes one term
    ri64[rnidxs + t] = v, rf64[rcof + t] = the sum; runs of index 0 are dropped whatever
    their sum; then ri32[rptr + j + 1] = t. Each element's terms come out strictly
    increasing in index; elements never disappear. Also copies shape[0 .. nd - 1] to
    ri32[rshape ..], the nelem constants from wf64[wbfix ..] to rf64[rbfix ..] and, when
    sparse != 0, the sp run from wi64[spbase ..] to ri64[spbase ..]: the same base on both
    stacks, so the caller reserves that run of ri64.

    Builds the whole record, ptr[0] included (ri32[rptr] = 0), terms packed from position 0:
    with T = _c_closure_416(..., rnnz = 0, ...), ri32 needs rptr + nelem + 1 entries, ri64
    rnidxs + T (and spbase + nelem), rf64 rcof + T and rbfix + nelem. The permutation is
    read from the array passed as xi32 (wi32 after _c_closure_420).

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

def _c_closure_418(init: Int32, n: Int32, wptr: Int32, wi32: I32Array, /) -> Annotated[Int32, "most"]:
    r"""expr::most_terms (expr/condense.cpp: Condensing the terms of an expression)

    Most terms in an element: the largest of init and wi32[wptr + j + 1] - wi32[wptr + j]
    for j < n. With init = 0 it is M, the largest term count of an element; _c_closure_419
    needs 2 * M scratch entries.

    Parameters:
      init  int32
      n     int32
      wptr  int32
      wi32  int32[], read
    Returns: most: int32
    """

def _c_closure_419(nelem: Int32, wnidxs: Int32, perm: Int32, wptr: Int32, wi32: I32Array, wi64: I64Array, cnt: Int32, xi32: I32ArrayOut, /) -> None:
    r"""expr::sort_terms (expr/condense.cpp: Condensing the terms of an expression)

    Term sort on the scratch stack, the first step of condensing: for every element j <
    nelem of the work-stack record (ptr at wi32[wptr], nidxs at wi64[wnidxs]) writes its
    term permutation to xi32[perm + ptr[j] .. perm + ptr[j + 1] - 1]: the element's term
    numbers (in that same range) in increasing variable index, equal indexes in increasing
    term number (a stable sort). The run at perm is parallel to the terms, so it needs nnz
    entries.

    Scratch: 2 * M int32 entries at xi32[cnt ..], M = _c_closure_418(0, nelem, wptr, wi32);
    their contents afterwards are unspecified. _c_closure_416 and _c_closure_417 read the
    permutation.

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

    Term sort on the work stack: writes the term permutation (as for _c_closure_419: per
    element, its term numbers in increasing variable index, equal indexes in increasing term
    number) to wi32[perm .. perm + nnz - 1], using wi32[perm2 .. perm2 + nnz - 1] as a
    second buffer, whose contents afterwards are unspecified; the record's ptr covers terms
    0 .. nnz - 1. Then pass wi32 as the xi32 argument of _c_closure_416 and _c_closure_417.

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

    Unit record on the result stack: ri32[rptr + j] = j for j = 0 .. nelem (ptr[0] = 0
    included), rf64[rbfix + j] = 0.0 for j < nelem and rf64[rcof + u] = 1.0 for u < nnz.
    With nnz = nelem every element has one term of coefficient 1.0 and constant 0; the nidxs
    run is the caller's. ri32 needs rptr + nelem + 1 entries, rf64 rbfix + nelem and rcof +
    nnz. _c_closure_365 writes the same into arrays of the caller's choice.

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

def _c_closure_422(inst: I64Array, instok: Int32, n: Int32, ptrb: I64Array, ptrbok: Int32, shapeok: Int32, size: Int64, thisshape: I32Array, /) -> Tuple[Annotated[bool, "instok"], Annotated[bool, "ptrbok"], Annotated[bool, "shapeok"]]:
    r"""expr::check_pattern (expr/checks.cpp: Pattern checks, strides, linear indexes and outer products)

    Pattern, row pointer and shape checks: returns three flags, each starting from its
    argument as a boolean:
    - instok: when inst is given and non-empty and n > 0, replaced by whether inst[0] >= 0,
      inst[n - 1] < size and inst[0 .. n - 1] strictly increases; otherwise as passed.
    - ptrbok: when n > 0 and ptrbok != 0, whether ptrb[0 .. n] never decreases; otherwise as
      passed.
    - shapeok: shapeok != 0 and no entry of thisshape (its whole length) is negative.

    n bounds what is read of inst (n entries) and ptrb (n + 1); of inst only its emptiness
    comes from the array. inst may be None.

    Parameters:
      inst       int64[], read
      instok     int32
      n          int32
      ptrb       int64[], read
      ptrbok     int32
      shapeok    int32
      size       int64
      thisshape  int32[], read
    Returns: (instok, ptrbok, shapeok): (bool, bool, bool)
    """

def _c_closure_423(init: Int32, vals: I32Array, /) -> Annotated[Int32, "product"]:
    r"""expr::product_of_entries (expr/checks.cpp: Pattern checks, strides, linear indexes and outer products)

    Product of entries: returns init * vals[0] * ... * vals[len(vals) - 1] over the whole
    length of vals, wrapping in 32 bits; init when vals is empty. With init = 1 over a
    shape, its element count.

    Parameters:
      init  int32
      vals  int32[], read
    Returns: product: int32
    """

def _c_closure_424(nd: Int32, s: I64ArrayOut, shp: I32Array, /) -> None:
    r"""expr::strides_of (expr/checks.cpp: Pattern checks, strides, linear indexes and outer products)

    Row-major strides of a shape: s[k - 1] = shp[k] * s[k] for k = nd - 1 down to 1 (64-bit,
    wrapping). The caller sets s[nd - 1] (1 for plain strides); nd <= 1 writes nothing. s
    and shp need nd entries.

    Parameters:
      nd   int32
      s    int64[], written
      shp  int32[], read
    Returns: None
    """

def _c_closure_425(n: Int32, nd: Int32, s: I64Array, sp: I64ArrayOut, sparsity: I32Matrix, /) -> None:
    r"""expr::linear_indexes (expr/checks.cpp: Pattern checks, strides, linear indexes and outer products)

    Linear indexes of multi-indexes: sp[i] += sum over d < nd of sparsity[i][d] * s[d] for i
    < n (64-bit, wrapping); sparsity is a two-dimensional int32 array, one row per element,
    one column per dimension. It adds: the caller presets sp (normally to 0; a second call
    doubles the indexes). Entries of sp from n on are left alone.

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

    Row-major strides of a shape: s[k - 1] = shp[k] * s[k] for k = nd - 1 down to 1 (64-bit,
    wrapping). The caller sets s[nd - 1] (1 for plain strides); nd <= 1 writes nothing. s
    and shp need nd entries.

    Parameters:
      nd   int32
      s    int64[], written
      shp  int32[], read
    Returns: None
    """

def _c_closure_427(n: Int32, nd: Int32, s: I64Array, sp: I64ArrayOut, sparsity: I32Matrix, /) -> None:
    r"""expr::linear_indexes (expr/checks.cpp: Pattern checks, strides, linear indexes and outer products)

    The same kernel as _c_closure_425.

    Linear indexes of multi-indexes: sp[i] += sum over d < nd of sparsity[i][d] * s[d] for i
    < n (64-bit, wrapping); sparsity is a two-dimensional int32 array, one row per element,
    one column per dimension. It adds: the caller presets sp (normally to 0; a second call
    doubles the indexes). Entries of sp from n on are left alone.

    Parameters:
      n         int32
      nd        int32
      s         int64[], read
      sp        int64[], written
      sparsity  int32[,], read
    Returns: None
    """

def _c_closure_428(eshape: I32Array, init: Int32, /) -> Annotated[Int32, "count"]:
    r"""expr::nontrivial_dimensions (expr/checks.cpp: Pattern checks, strides, linear indexes and outer products)

    Non-trivial dimensions: returns init plus the number of entries of eshape (its whole
    length) greater than 1, wrapping in 32 bits; sizes 0 and 1 are trivial.

    Parameters:
      eshape  int32[], read
      init    int32
    Returns: count: int32
    """

def _c_closure_429(a: F64Array, bfix: F64ArrayOut, cof: F64ArrayOut, asize: Int32, ebfix: F64Array, ecof: F64Array, einst: I64ArrayOut, enz: Int32, eptrb: I64Array, esubj: I64Array, ptrb: I64ArrayOut, sub: I32Array, subj: I64ArrayOut, amajor: Int32, /) -> None:
    r"""expr::outer_with_expression (expr/checks.cpp: Pattern checks, strides, linear indexes and outer products)

    Outer product of a constant vector with an expression in row form: a has len(a) values
    at positions sub in a space of size asize; E has nE = len(eptrb) - 1 rows with row
    pointers eptrb (from eptrb[0] = 0; enz = eptrb[nE] terms), terms esubj and ecof, a
    constant ebfix[r] and an element index einst[r] per row. One output row k per pair (row
    r, entry j): E's row r with coefficients a[j] * ecof, ptrb[k + 1] = ptrb[k] + the row's
    term count (ptrb[0] is the caller's), bfix[k] = ebfix[r] * a[j] when bfix is given
    (None: no constants), and the element index einst[r] * asize + sub[j] written to
    einst[k].
    - amajor = 0: row k = r*len(a) + j, terms in row order from subj[0], cof[0].
    - amajor != 0: row k = j*nE + r; the enz terms for a[j] at subj[j*enz ..], cof[j*enz
      ..].

    Sizes: ptrb nE*len(a) + 1, subj and cof len(a)*enz, bfix nE*len(a). einst is read and
    written: its first nE entries are E's indexes (copied aside before anything is written)
    and it must hold nE*len(a) entries; a shorter einst raises ValueError naming einst and
    nothing is written. An empty a writes nothing.

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

    Rows of an outer product with a vector of variables: x (m variables, named by position)
    and a constant vector a of size n, one term per row: subj[k] = the position in x of row
    k's variable, cof[k] = its coefficient, ptrb[k + 1] = k + 1 (ptrb[0] is the caller's). a
    is dense when len(a) = n (sub and inst are then not touched), otherwise sparse with its
    values at positions sub; rows k count from 0 in this order:
    - dense a, aleft = 0 (x outer a, shape (m, n)): for r < m, i < n: subj = r, cof = a[i].
    - dense a, aleft != 0 (a outer x, shape (n, m)): for i < n, q < m: subj = q, cof = a[i].
    - sparse a, aleft = 0: for r < m, each entry j: subj = r, cof = a[j], inst[k] = sub[j] +
      r*n.
    - sparse a, aleft != 0: for each entry j, q < m: subj = q, cof = a[j], inst[k] =
      sub[j]*m + q.

    m*len(a) rows: subj, cof (and inst for a sparse a) need that many entries, ptrb one
    more. Zero values of a are written like others.

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

def _c_closure_431(maxv: Int32, minv: Int32, n: Int32, nds: I32Array, /) -> Tuple[Annotated[Int32, "maxv"], Annotated[Int32, "minv"]]:
    r"""sparse::size_extremes (sparse/shapetab.cpp: Shape tables and one-slot row pointers)

    Extremes of a dimension list: over k = 1 .. n - 1, minv = nds[k] when nds[k] < minv and
    maxv = nds[k] when nds[k] >= maxv. Entry 0 is not read: the caller seeds maxv and minv
    with nds[0]. Returns (maxv, minv), unchanged when n <= 1.

    Parameters:
      maxv  int32
      minv  int32
      n     int32
      nds   int32[], read
    Returns: (maxv, minv): (int32, int32)
    """

def _c_closure_432(s: I32Array, shape: I32ArrayOut, /) -> None:
    r"""sparse::copy_whole_shape (sparse/shapetab.cpp: Shape tables and one-slot row pointers)

    Copy of a shape: shape[k] = s[k] for every k over the length of s. shape needs that many
    entries; its further entries are left alone (_c_closure_433 pads them with ones).

    Parameters:
      s      int32[], read
      shape  int32[], written
    Returns: None
    """

def _c_closure_433(n: Int32, s: I32Array, shape: I32ArrayOut, /) -> None:
    r"""sparse::pad_shape (sparse/shapetab.cpp: Shape tables and one-slot row pointers)

    Padding a shape with ones: shape[k] = 1 for k = len(s) .. n - 1, lining a shape copied
    by _c_closure_432 up with n axes. Only the length of s is read; n <= len(s) writes
    nothing. shape needs n entries.

    Parameters:
      n      int32
      s      int32[], read
      shape  int32[], written
    Returns: None
    """

def _c_closure_434(row: Int32, shapes: I32MatrixOut, shp: I32Array, /) -> None:
    r"""sparse::copy_shape_to_row (sparse/shapetab.cpp: Shape tables and one-slot row pointers)

    Shape into a table row: shapes[row, k] = shp[k] for every k over the length of shp.
    shapes needs that many columns; the rest of the row is left alone (_c_closure_435 pads
    it with ones).

    Parameters:
      row     int32
      shapes  int32[,], written
      shp     int32[], read
    Returns: None
    """

def _c_closure_435(row: Int32, n: Int32, shapes: I32MatrixOut, shp: I32Array, /) -> None:
    r"""sparse::pad_row (sparse/shapetab.cpp: Shape tables and one-slot row pointers)

    Padding a table row with ones: shapes[row, k] = 1 for k = len(shp) .. n - 1, lining the
    shape copied by _c_closure_434 up with n axes. Only the length of shp is read; n <=
    len(shp) writes nothing. shapes needs n columns.

    Parameters:
      row     int32
      n       int32
      shapes  int32[,], written
      shp     int32[], read
    Returns: None
    """

def _c_closure_436(n: Int32, shape: I32Array, init: Int32, /) -> Annotated[Int32, "size"]:
    r"""shape::size_of_leading_shape_middle (shape/index.cpp: Shapes, strides, linear and multi-dimensional indexes)

    The same kernel as _c_closure_161.

    Size of the leading dimensions, shape in the middle: returns init * shape[0] * ... *
    shape[n - 1], in 32-bit arithmetic that wraps; init when n <= 0 (shape is then not
    read). The product of _c_closure_32 with the parameters in this order.

    Parameters:
      n      int32
      shape  int32[], read
      init   int32
    Returns: size: int32
    """

def _c_closure_437(ii: I64Array, n: Int32, ptrb: I64ArrayOut, /) -> None:
    r"""sparse::count_rows (sparse/shapetab.cpp: Shape tables and one-slot row pointers)

    Row counts one slot up, the count pass of _c_closure_439: ptrb[ii[k] + 1] += 1 for k < n
    (n = the number of items).

    For m rows (every ii[k] < m) ptrb needs m + 1 entries, zero-filled by the caller: counts
    are added to what is there. Then _c_closure_438 with n = m.

    Parameters:
      ii    int64[], read
      n     int32
      ptrb  int64[], written
    Returns: None
    """

def _c_closure_438(ptrb: I64ArrayOut, n: Int32, /) -> None:
    r"""sparse::running_starts (sparse/shapetab.cpp: Shape tables and one-slot row pointers)

    Row starts from one-slot counts: in place, ptrb[k] += ptrb[k - 1] for k = 1 .. n in
    turn; ptrb[0] is left as it is. After _c_closure_437 with n = the number of rows,
    ptrb[r] is the start of row r, the write cursor that _c_closure_439 advances. ptrb needs
    n + 1 entries.

    Parameters:
      ptrb  int64[], written
      n     int32
    Returns: None
    """

def _c_closure_439(idxs: I64Array, ii: I64Array, n: Int32, ptrb: I64ArrayOut, subj: I64ArrayOut, /) -> None:
    r"""sparse::scatter_by_row (sparse/shapetab.cpp: Shape tables and one-slot row pointers)

    Items grouped by row, the build pass sized by _c_closure_437 and _c_closure_438: for k <
    n in order, with r = ii[k]: subj[ptrb[r]] = idxs[k], then ptrb[r] += 1. Items of one row
    keep their input order; ptrb[r] ends at row r's end.

    subj needs n entries (all the items counted). Then _c_closure_440 with n = the number of
    rows, and the caller sets ptrb[0] = 0: row r's items are subj[ptrb[r]] .. subj[ptrb[r +
    1] - 1].

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

    Shifting pointers up one entry: ptrb[k] = ptrb[k - 1] for k = n down to 1; ptrb[0] is
    left as it was. After _c_closure_439 the caller then sets ptrb[0] = 0 to get the row
    pointers ptrb[0 .. n]. ptrb needs n + 1 entries.

    Parameters:
      ptrb  int64[], written
      n     int32
    Returns: None
    """

def _c_closure_441(n: Int32, sh: I32Array, shape: I32ArrayOut, /) -> None:
    r"""sparse::copy_leading_shape (sparse/shapetab.cpp: Shape tables and one-slot row pointers)

    Leading axes of a shape: shape[k] = sh[k] for k < n. sh and shape need n entries; n <= 0
    writes nothing.

    Parameters:
      n      int32
      sh     int32[], read
      shape  int32[], written
    Returns: None
    """

def _c_closure_442(end: Int32, start: Int32, shape: I32ArrayOut, /) -> None:
    r"""sparse::ones_between (sparse/shapetab.cpp: Shape tables and one-slot row pointers)

    Ones over a range of axes: shape[k] = 1 for k = start .. end - 1 (end is the first
    parameter). shape needs end entries; end <= start writes nothing.

    Parameters:
      end    int32
      start  int32
      shape  int32[], written
    Returns: None
    """

def _c_closure_443(n: Int32, sh: I32Array, shape: I32ArrayOut, /) -> None:
    r"""sparse::copy_leading_shape (sparse/shapetab.cpp: Shape tables and one-slot row pointers)

    The same kernel as _c_closure_441.

    Leading axes of a shape: shape[k] = sh[k] for k < n. sh and shape need n entries; n <= 0
    writes nothing.

    Parameters:
      n      int32
      sh     int32[], read
      shape  int32[], written
    Returns: None
    """

def _c_closure_444(end: Int32, start: Int32, shape: I32ArrayOut, /) -> None:
    r"""sparse::ones_between (sparse/shapetab.cpp: Shape tables and one-slot row pointers)

    The same kernel as _c_closure_442.

    Ones over a range of axes: shape[k] = 1 for k = start .. end - 1 (end is the first
    parameter). shape needs end entries; end <= start writes nothing.

    Parameters:
      end    int32
      start  int32
      shape  int32[], written
    Returns: None
    """

def _c_closure_445(n: Int32, shape: I32Array, init: Int64, /) -> Annotated[Int64, "size"]:
    r"""sparse::leading_size64 (sparse/shapetab.cpp: Shape tables and one-slot row pointers)

    Size of the leading axes: returns init * shape[0] * ... * shape[n - 1], wrapping in 64
    bits; init when n <= 0.

    Parameters:
      n      int32
      shape  int32[], read
      init   int64
    Returns: size: int64
    """

def _c_closure_446(inst: I64Array, flag: Int32, size: Int64, /) -> Annotated[bool, "valid"]:
    r"""sparse::strictly_increasing_in_range (sparse/multiidx.cpp: Sparse multi-dimensional index lists)

    Strict increase and range of linear indexes (validity flag): False when flag is 0; True
    when inst is empty and flag is not 0; otherwise True when every entry of inst (its whole
    length), entry 0 included, lies in 0 .. size - 1 and every entry exceeds the one before
    it, else False.

    Parameters:
      inst  int64[], read
      flag  int32
      size  int64
    Returns: valid: bool
    """

def _c_closure_447(n: Int32, ptrb: I64Array, flag: Int32, /) -> Annotated[bool, "valid"]:
    r"""sparse::pointers_in_order (sparse/multiidx.cpp: Sparse multi-dimensional index lists)

    Order of pointers (validity flag): False when flag is 0; True when n <= 0 and flag is
    not 0; otherwise True when ptrb[0] <= ptrb[1] <= ... <= ptrb[n], else False. Reads
    ptrb[0 .. n].

    Parameters:
      n     int32
      ptrb  int64[], read
      flag  int32
    Returns: valid: bool
    """

def _c_closure_448(i64: I64ArrayOut, value: Int32, at: Int32, /) -> None:
    r"""sparse::store_zero_based (sparse/multiidx.cpp: Sparse multi-dimensional index lists)

    One-based index made zero-based: i64[at] = value - 1, computed in 64 bits (value =
    -2**31 gives -2**31 - 1). Writes that one entry.

    Parameters:
      i64    int64[], written
      value  int32
      at     int32
    Returns: None
    """

def _c_closure_449(new_uval: F64ArrayOut, scale: float, n: Int32, uval: F64Array, /) -> None:
    r"""sparse::scale_uval (sparse/multiidx.cpp: Sparse multi-dimensional index lists)

    Scaled copy of values: new_uval[k] = scale * uval[k] for k < n; when scale is exactly 1
    the n values are copied unchanged. new_uval and uval need n entries; n <= 0 writes
    nothing.

    Parameters:
      new_uval  float64[], written
      scale     float64
      n         int32
      uval      float64[], read
    Returns: None
    """

def _c_closure_450(new_vval: F64ArrayOut, scale: float, n: Int32, vval: F64Array, /) -> None:
    r"""sparse::scale_vval (sparse/multiidx.cpp: Sparse multi-dimensional index lists)

    Scaled copy of values: new_vval[k] = scale * vval[k] for k < n; when scale is exactly 1
    the n values are copied unchanged. new_vval and vval need n entries; n <= 0 writes
    nothing.

    Parameters:
      new_vval  float64[], written
      scale     float64
      n         int32
      vval      float64[], read
    Returns: None
    """

def _c_closure_451(dims_: I32Array, init: Int64, /) -> Annotated[Int64, "size"]:
    r"""sparse::size_of_dims (sparse/multiidx.cpp: Sparse multi-dimensional index lists)

    Size of a shape: returns init * dims_[0] * ... * dims_[last] over the whole length of
    dims_, wrapping in 64 bits; init when dims_ is empty.

    Parameters:
      dims_  int32[], read
      init   int64
    Returns: size: int64
    """

def _c_closure_452(dims_: I32Array, flag: Int32, sub: I32Matrix, /) -> Annotated[bool, "outside"]:
    r"""sparse::multi_indexes_out_of_range (sparse/multiidx.cpp: Sparse multi-dimensional index lists)

    Range check of a multi-index table (error flag): True when flag is non-zero on entry or
    some sub[r, c], over every row r and column c of sub, lies outside 0 .. dims_[c] - 1;
    else False. dims_ needs as many entries as sub has columns; a table without rows returns
    flag as a boolean.

    Parameters:
      dims_  int32[], read
      flag   int32
      sub    int32[,], read
    Returns: outside: bool
    """

def _c_closure_453(dims_: I32Array, inst_: I64ArrayOut, sub: I32Matrix, /) -> None:
    r"""sparse::linear_indexes (sparse/multiidx.cpp: Sparse multi-dimensional index lists)

    Linear indexes of a multi-index table: for each row r of sub, inst_[r] = the row-major
    linear index of the row in the shape dims_: v = 0, then v = v*dims_[c] + sub[r, c] for
    each column c in order (64-bit, wrapping).

    inst_ needs as many entries as sub has rows, dims_ as many as sub has columns. The
    multi-indexes are not checked (_c_closure_452 does that).

    Parameters:
      dims_  int32[], read
      inst_  int64[], written
      sub    int32[,], read
    Returns: None
    """

def _c_closure_454(inst_: I64Array, flag: Int32, /) -> Annotated[bool, "valid"]:
    r"""sparse::non_decreasing (sparse/multiidx.cpp: Sparse multi-dimensional index lists)

    Non-decrease of linear indexes (validity flag): False when flag is 0; True when inst_
    has at most one entry and flag is not 0; otherwise True when inst_[k - 1] <= inst_[k]
    for every k = 1 .. len(inst_) - 1, else False.

    Parameters:
      inst_  int64[], read
      flag   int32
    Returns: valid: bool
    """

def _c_closure_455(inst_: I64Array, count: Int32, /) -> Annotated[Int32, "count"]:
    r"""sparse::distinct_count (sparse/multiidx.cpp: Sparse multi-dimensional index lists)

    Distinct count of a sorted index list, the count pass of _c_closure_456: returns count
    plus the number of k = 1 .. len(inst_) - 1 with inst_[k - 1] < inst_[k], wrapping in 32
    bits. With count = 1 and inst_ non-empty and non-decreasing, the number of distinct
    indexes.

    Parameters:
      inst_  int64[], read
      count  int32
    Returns: count: int32
    """

def _c_closure_456(cof: F64ArrayOut, cof_: F64Array, inst: I64ArrayOut, inst_: I64Array, pos: Int32, /) -> Annotated[Int32, "pos"]:
    r"""sparse::merge_sorted (sparse/multiidx.cpp: Sparse multi-dimensional index lists)

    Merging duplicates of a sorted index list, the build pass sized by _c_closure_455: the
    caller first writes entry 0 at pos (inst[pos] = inst_[0], cof[pos] = cof_[0]); then for
    k = 1 .. len(inst_) - 1: when inst_[k - 1] < inst_[k], pos += 1, inst[pos] = inst_[k],
    cof[pos] = cof_[k]; otherwise cof[pos] += cof_[k].

    inst_ must be non-decreasing (_c_closure_454 tests that): a decrease is merged like an
    equal index. cof_ needs as many entries as inst_; inst and cof need pos + count entries,
    count being what _c_closure_455 returns with count = 1. Values of one index are summed
    in list order; sums of zero stay. With pos = 0 the merge may run in place (inst = inst_,
    cof = cof_).

    Returns pos, the position of the last entry written (not one past it; 32-bit).

    Parameters:
      cof    float64[], written
      cof_   float64[], read
      inst   int64[], written
      inst_  int64[], read
      pos    int32
    Returns: pos: int32
    """

def _c_closure_457(inst_: I64Array, count: Int32, perm: I64Array, /) -> Annotated[Int32, "count"]:
    r"""sparse::distinct_count_through (sparse/multiidx.cpp: Sparse multi-dimensional index lists)

    Distinct count through a permutation, the count pass of _c_closure_458: returns count
    plus the number of k = 1 .. len(inst_) - 1 with inst_[perm[k - 1]] < inst_[perm[k]],
    wrapping in 32 bits. perm needs as many entries as inst_; with count = 1 and inst_
    non-decreasing through perm, the number of distinct indexes.

    Parameters:
      inst_  int64[], read
      count  int32
      perm   int64[], read
    Returns: count: int32
    """

def _c_closure_458(cof: F64ArrayOut, cof_: F64Array, inst: I64ArrayOut, inst_: I64Array, pos: Int32, perm: I64Array, /) -> Annotated[Int32, "pos"]:
    r"""sparse::merge_sorted_through (sparse/multiidx.cpp: Sparse multi-dimensional index lists)

    Merging duplicates through a permutation, the build pass sized by _c_closure_457: the
    caller first writes inst[pos] = inst_[perm[0]], cof[pos] = cof_[perm[0]]; then for k = 1
    .. len(inst_) - 1, with e = perm[k]: when inst_[perm[k - 1]] < inst_[e], pos += 1,
    inst[pos] = inst_[e], cof[pos] = cof_[e]; otherwise cof[pos] += cof_[e].

    perm needs as many entries as inst_ and must order it non-decreasingly; inst and cof
    need pos + count entries, count being what _c_closure_457 returns with count = 1, and
    must be other arrays than inst_ and cof_. Values of one index are summed in the order of
    perm; sums of zero stay.

    Returns pos, the position of the last entry written (not one past it; 32-bit).

    Parameters:
      cof    float64[], written
      cof_   float64[], read
      inst   int64[], written
      inst_  int64[], read
      pos    int32
      perm   int64[], read
    Returns: pos: int32
    """

def _c_closure_459(dims_: I32Array, init: Int64, /) -> Annotated[Int64, "size"]:
    r"""sparse::size_of_dims (sparse/multiidx.cpp: Sparse multi-dimensional index lists)

    The same kernel as _c_closure_451.

    Size of a shape: returns init * dims_[0] * ... * dims_[last] over the whole length of
    dims_, wrapping in 64 bits; init when dims_ is empty.

    Parameters:
      dims_  int32[], read
      init   int64
    Returns: size: int64
    """

def _c_closure_460(flag: Int32, inst_: I64Array, size: Int64, /) -> Annotated[bool, "outside"]:
    r"""sparse::linear_indexes_out_of_range (sparse/multiidx.cpp: Sparse multi-dimensional index lists)

    Range check of linear indexes (error flag): True when flag is non-zero on entry or some
    entry of inst_ (its whole length) lies outside 0 .. size - 1; else False. An empty inst_
    returns flag as a boolean.

    Parameters:
      flag   int32
      inst_  int64[], read
      size   int64
    Returns: outside: bool
    """

def _c_closure_461(inst_: I64Array, flag: Int32, /) -> Annotated[bool, "valid"]:
    r"""sparse::non_decreasing (sparse/multiidx.cpp: Sparse multi-dimensional index lists)

    The same kernel as _c_closure_454.

    Non-decrease of linear indexes (validity flag): False when flag is 0; True when inst_
    has at most one entry and flag is not 0; otherwise True when inst_[k - 1] <= inst_[k]
    for every k = 1 .. len(inst_) - 1, else False.

    Parameters:
      inst_  int64[], read
      flag   int32
    Returns: valid: bool
    """

def _c_closure_462(inst_: I64Array, count: Int32, /) -> Annotated[Int32, "count"]:
    r"""sparse::distinct_count (sparse/multiidx.cpp: Sparse multi-dimensional index lists)

    The same kernel as _c_closure_455.

    Distinct count of a sorted index list, the count pass of _c_closure_456: returns count
    plus the number of k = 1 .. len(inst_) - 1 with inst_[k - 1] < inst_[k], wrapping in 32
    bits. With count = 1 and inst_ non-empty and non-decreasing, the number of distinct
    indexes.

    Parameters:
      inst_  int64[], read
      count  int32
    Returns: count: int32
    """

def _c_closure_463(cof: F64ArrayOut, cof_: F64Array, inst: I64ArrayOut, inst_: I64Array, pos: Int32, /) -> Annotated[Int32, "pos"]:
    r"""sparse::merge_sorted (sparse/multiidx.cpp: Sparse multi-dimensional index lists)

    The same kernel as _c_closure_456.

    Merging duplicates of a sorted index list, the build pass sized by _c_closure_455: the
    caller first writes entry 0 at pos (inst[pos] = inst_[0], cof[pos] = cof_[0]); then for
    k = 1 .. len(inst_) - 1: when inst_[k - 1] < inst_[k], pos += 1, inst[pos] = inst_[k],
    cof[pos] = cof_[k]; otherwise cof[pos] += cof_[k].

    inst_ must be non-decreasing (_c_closure_454 tests that): a decrease is merged like an
    equal index. cof_ needs as many entries as inst_; inst and cof need pos + count entries,
    count being what _c_closure_455 returns with count = 1. Values of one index are summed
    in list order; sums of zero stay. With pos = 0 the merge may run in place (inst = inst_,
    cof = cof_).

    Returns pos, the position of the last entry written (not one past it; 32-bit).

    Parameters:
      cof    float64[], written
      cof_   float64[], read
      inst   int64[], written
      inst_  int64[], read
      pos    int32
    Returns: pos: int32
    """

def _c_closure_464(inst_: I64Array, count: Int32, perm: I64Array, /) -> Annotated[Int32, "count"]:
    r"""sparse::distinct_count_through (sparse/multiidx.cpp: Sparse multi-dimensional index lists)

    The same kernel as _c_closure_457.

    Distinct count through a permutation, the count pass of _c_closure_458: returns count
    plus the number of k = 1 .. len(inst_) - 1 with inst_[perm[k - 1]] < inst_[perm[k]],
    wrapping in 32 bits. perm needs as many entries as inst_; with count = 1 and inst_
    non-decreasing through perm, the number of distinct indexes.

    Parameters:
      inst_  int64[], read
      count  int32
      perm   int64[], read
    Returns: count: int32
    """

def _c_closure_465(cof: F64ArrayOut, cof_: F64Array, inst: I64ArrayOut, inst_: I64Array, pos: Int32, perm: I64Array, /) -> Annotated[Int32, "pos"]:
    r"""sparse::merge_sorted_through (sparse/multiidx.cpp: Sparse multi-dimensional index lists)

    The same kernel as _c_closure_458.

    Merging duplicates through a permutation, the build pass sized by _c_closure_457: the
    caller first writes inst[pos] = inst_[perm[0]], cof[pos] = cof_[perm[0]]; then for k = 1
    .. len(inst_) - 1, with e = perm[k]: when inst_[perm[k - 1]] < inst_[e], pos += 1,
    inst[pos] = inst_[e], cof[pos] = cof_[e]; otherwise cof[pos] += cof_[e].

    perm needs as many entries as inst_ and must order it non-decreasingly; inst and cof
    need pos + count entries, count being what _c_closure_457 returns with count = 1, and
    must be other arrays than inst_ and cof_. Values of one index are summed in the order of
    perm; sums of zero stay.

    Returns pos, the position of the last entry written (not one past it; 32-bit).

    Parameters:
      cof    float64[], written
      cof_   float64[], read
      inst   int64[], written
      inst_  int64[], read
      pos    int32
      perm   int64[], read
    Returns: pos: int32
    """

def _c_closure_466(n: Int64, off: Int64, msubi: I32Array, ioff: Int32, joff: Int32, subi: I32ArrayOut, subj: I32ArrayOut, /) -> None:
    r"""sparse::shifted_diagonal (sparse/coords.cpp: Coordinate-list and dense matrix conversions)

    Shifted diagonal pattern: for k < n, subi[off + k] = msubi[k] + ioff and subj[off + k] =
    msubi[k] + joff (32-bit, wrapping): both coordinates come from msubi. msubi[k] is read
    once, before either is written, so msubi may be the very buffer subi or subj (in place,
    off = 0). subi and subj need off + n entries.

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

def _c_closure_467(init: Int32, idims: I32Array, n: Int32, /) -> Annotated[Int32, "count"]:
    r"""sparse::total_rows (sparse/coords.cpp: Coordinate-list and dense matrix conversions)

    Total of row block sizes: returns init + idims[0] + ... + idims[n - 1], wrapping in 32
    bits; init when n <= 0.

    Parameters:
      init   int32
      idims  int32[], read
      n      int32
    Returns: count: int32
    """

def _c_closure_468(init: Int32, jdims: I32Array, n: Int32, /) -> Annotated[Int32, "count"]:
    r"""sparse::total_cols (sparse/coords.cpp: Coordinate-list and dense matrix conversions)

    Total of column block sizes: returns init + jdims[0] + ... + jdims[n - 1], wrapping in
    32 bits; init when n <= 0.

    Parameters:
      init   int32
      jdims  int32[], read
      n      int32
    Returns: count: int32
    """

def _c_closure_469(data: F64Matrix, nrows: Int32, ncols: Int32, pos: Int32, subi: I32ArrayOut, subj: I32ArrayOut, val: F64ArrayOut, /) -> Annotated[Int32, "pos"]:
    r"""sparse::dense_to_list (sparse/coords.cpp: Coordinate-list and dense matrix conversions)

    Dense block to a coordinate list, zeros included: for i < nrows and j < ncols in
    row-major order, subi[pos] = i, subj[pos] = j, val[pos] = data[i, j], and pos advances
    (_c_closure_475 and _c_closure_476 then drop the zeros).

    data is two-dimensional with at least nrows rows and ncols columns, any strides. subi,
    subj and val need pos + nrows*ncols entries. Returns pos + nrows*ncols (a 32-bit running
    position).

    Parameters:
      data   float64[,], read
      nrows  int32
      ncols  int32
      pos    int32
      subi   int32[], written
      subj   int32[], written
      val    float64[], written
    Returns: pos: int32
    """

def _c_closure_470(maxi: Int32, maxj: Int32, n: Int32, subi: I32Array, subj: I32Array, /) -> Tuple[Annotated[Int32, "maxi"], Annotated[Int32, "maxj"]]:
    r"""sparse::extents (sparse/coords.cpp: Coordinate-list and dense matrix conversions)

    Extents of a coordinate list: returns (the largest of maxi and subi[0 .. n - 1], the
    largest of maxj and subj[0 .. n - 1]); (maxi, maxj) when n <= 0. Seeded with -1, the
    results plus 1 are the numbers of rows and columns the list needs.

    Parameters:
      maxi  int32
      maxj  int32
      n     int32
      subi  int32[], read
      subj  int32[], read
    Returns: (maxi, maxj): (int32, int32)
    """

def _c_closure_471(maxi: Int32, maxj: Int32, n: Int32, subi: I32Array, subj: I32Array, /) -> Tuple[Annotated[Int32, "maxi"], Annotated[Int32, "maxj"]]:
    r"""sparse::extents (sparse/coords.cpp: Coordinate-list and dense matrix conversions)

    The same kernel as _c_closure_470.

    Extents of a coordinate list: returns (the largest of maxi and subi[0 .. n - 1], the
    largest of maxj and subj[0 .. n - 1]); (maxi, maxj) when n <= 0. Seeded with -1, the
    results plus 1 are the numbers of rows and columns the list needs.

    Parameters:
      maxi  int32
      maxj  int32
      n     int32
      subi  int32[], read
      subj  int32[], read
    Returns: (maxi, maxj): (int32, int32)
    """

def _c_closure_472(data: F64Array, nrows: Int32, ncols: Int32, newdata: F64ArrayOut, pos: Int32, ld: Int32, /) -> Annotated[Int32, "pos"]:
    r"""sparse::row_major_to_column_major (sparse/coords.cpp: Coordinate-list and dense matrix conversions)

    Row-major block to column-major: newdata[i + j*ld] = data[pos + i*ncols + j] for i <
    nrows, j < ncols, the nrows x ncols block read row-major from data at pos and written
    column-major with leading dimension ld (>= nrows; ld = nrows is the plain column-major
    copy). Entries nrows .. ld - 1 of each column are left alone.

    data needs pos + nrows*ncols entries, newdata (ncols - 1)*ld + nrows. Returns pos +
    nrows*ncols (a 32-bit running position: where the next block starts in data).

    Parameters:
      data     float64[], read
      nrows    int32
      ncols    int32
      newdata  float64[], written
      pos      int32
      ld       int32
    Returns: pos: int32
    """

def _c_closure_473(nrows: Int32, ncols: Int32, pos: Int32, subi: I32ArrayOut, subj: I32ArrayOut, /) -> Annotated[Int32, "pos"]:
    r"""sparse::dense_pattern (sparse/coords.cpp: Coordinate-list and dense matrix conversions)

    Dense pattern as a coordinate list: for i < nrows and j < ncols in row-major order,
    subi[pos] = i and subj[pos] = j, and pos advances. subi and subj need pos + nrows*ncols
    entries. Returns pos + nrows*ncols (a 32-bit running position).

    Parameters:
      nrows  int32
      ncols  int32
      pos    int32
      subi   int32[], written
      subj   int32[], written
    Returns: pos: int32
    """

def _c_closure_474(m: Int32, n: Int32, nnz: Int64, flag: Int32, subi_: I32Array, subj_: I32Array, /) -> Annotated[bool, "outside"]:
    r"""sparse::out_of_range (sparse/coords.cpp: Coordinate-list and dense matrix conversions)

    Range check of a coordinate list (error flag): True when flag is non-zero on entry or
    some k < nnz has subi_[k] outside 0 .. m - 1 or subj_[k] outside 0 .. n - 1; else False.
    A set flag stays set (nothing is read then); nnz <= 0 returns flag as a boolean.

    Parameters:
      m      int32
      n      int32
      nnz    int64
      flag   int32
      subi_  int32[], read
      subj_  int32[], read
    Returns: outside: bool
    """

def _c_closure_475(init: Int32, val_: F64Array, /) -> Annotated[Int32, "count"]:
    r"""sparse::count_nonzeros (sparse/coords.cpp: Coordinate-list and dense matrix conversions)

    Non-zero count, the count pass of _c_closure_476: returns init plus the number of
    entries of val_ (its whole length) that are < 0 or > 0, wrapping in 32 bits. Zeros of
    either sign and NaN are not counted; infinities are.

    Parameters:
      init  int32
      val_  float64[], read
    Returns: count: int32
    """

def _c_closure_476(pos: Int32, subi: I32ArrayOut, subi_: I32Array, subj: I32ArrayOut, subj_: I32Array, val: F64ArrayOut, val_: F64Array, /) -> Annotated[Int32, "pos"]:
    r"""sparse::drop_zeros (sparse/coords.cpp: Coordinate-list and dense matrix conversions)

    Dropping zeros, the build pass sized by _c_closure_475: for each k over the whole length
    of val_ in order, when val_[k] < 0 or > 0: subi[pos] = subi_[k], subj[pos] = subj_[k],
    val[pos] = val_[k], and pos advances. Zeros of either sign and NaN are dropped,
    infinities kept.

    subi_ and subj_ need as many entries as val_; subi, subj and val need pos + count
    entries, count being what _c_closure_475 returns with init = 0. Returns the final pos (a
    32-bit running position).

    Parameters:
      pos    int32
      subi   int32[], written
      subi_  int32[], read
      subj   int32[], written
      subj_  int32[], read
      val    float64[], written
      val_   float64[], read
    Returns: pos: int32
    """

def _c_closure_477(n: Int32, end: Int64, p: Int64, ptrb: I64ArrayOut, subi: I32Array, /) -> Annotated[Int64, "p"]:
    r"""sparse::row_starts (sparse/coords.cpp: Coordinate-list and dense matrix conversions)

    Row pointers of a row-sorted coordinate list: for r < n in order, ptrb[r] = p, then p
    advances while p < end and subi[p] = r. Returns the final p.

    For a list sorted by row with rows 0 .. n - 1 at subi[p .. end - 1], ptrb[r] is the
    first position of row r (a row without entries gets the same pointer as the next row)
    and the result is end; an entry of another row (unsorted, or row >= n) stops the advance
    and the result falls short of end. ptrb needs n entries: ptrb[n] is not written, the
    caller sets it to the result.

    Parameters:
      n     int32
      end   int64
      p     int64
      ptrb  int64[], written
      subi  int32[], read
    Returns: p: int64
    """

def _c_closure_478(ncols: Int32, r: F64ArrayOut, subi: I32Array, subj: I32Array, val: F64Array, /) -> None:
    r"""sparse::list_to_dense (sparse/coords.cpp: Coordinate-list and dense matrix conversions)

    Coordinate list to a dense row-major array: r[subi[k]*ncols + subj[k]] = val[k] for each
    k over the whole length of subi, in order. A later entry on a coordinate overwrites an
    earlier one (values are not summed: merge duplicates first); entries of r without a
    listed coordinate are left alone, so the caller zero-fills r.

    r needs nrows*ncols entries for rows below nrows; subj and val need as many entries as
    subi.

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

    Chain of nodes 0 .. n - 1: next[k] = k + 1 and prev[k + 1] = k for k = 0 .. n - 2. The
    list's ends next[n - 1] and prev[0] are left to the caller (-1 closes the list). next
    and prev need n entries; n <= 1 writes nothing.

    Parameters:
      n     int32
      next  int32[], written
      prev  int32[], written
    Returns: None
    """

def _c_closure_480(dsthead: Int32, head: Int32, next: I32ArrayOut, count: Int32, n: Int32, prev: I32ArrayOut, /) -> Tuple[Annotated[Int32, "dsthead"], Annotated[Int32, "count"]]:
    r"""sparse::move_run_to_front (sparse/linked.cpp: Index-linked lists)

    Moving a run to the front of another list: the run is the n nodes from head along next,
    t its last node. Its old list closes over the gap (with p = prev[head] and q = next[t]:
    next[p] = q when p >= 0, prev[q] = p when q >= 0); then prev[head] = -1, next[t] =
    dsthead, and prev[dsthead] = t when dsthead >= 0.

    dsthead is the receiving list's head (-1 when empty) and count its length. Returns
    (head, count + n), the receiving list's new head and length (32-bit). When the run
    started at its old list's head (p = -1), the caller sets that list's new head to q
    itself (for instance _c_closure_484 with n + 1 from head, before the move). n <= 0 moves
    nothing and returns (dsthead, count). The run must be n nodes long and not on the
    receiving list.

    Parameters:
      dsthead  int32
      head     int32
      next     int32[], written
      count    int32
      n        int32
      prev     int32[], written
    Returns: (dsthead, count): (int32, int32)
    """

def _c_closure_481(head: Int32, next: I32Array, n: Int32, pos: Int32, target: I32ArrayOut, /) -> Annotated[Int32, "node"]:
    r"""sparse::list_to_array (sparse/linked.cpp: Index-linked lists)

    Linked list to array: starting from h = head, target[pos + k] = h, then h = next[h], for
    k < n. Returns the final h, the node after the last one copied: -1 when the copy reached
    the list's end, head when n <= 0.

    target needs pos + n entries; the list must hold at least n nodes from head.

    Parameters:
      head    int32
      next    int32[], read
      n       int32
      pos     int32
      target  int32[], written
    Returns: node: int32
    """

def _c_closure_482(head: Int32, next: I32Array, n: Int32, pos: Int32, target: I32ArrayOut, /) -> None:
    r"""sparse::list_into_array (sparse/linked.cpp: Index-linked lists)

    Linked list to array, without a result: starting from h = head, target[pos + k] = h,
    then h = next[h], for k < n (the copy of _c_closure_481). target needs pos + n entries;
    the list must hold at least n nodes from head.

    Parameters:
      head    int32
      next    int32[], read
      n       int32
      pos     int32
      target  int32[], written
    Returns: None
    """

def _c_closure_483(head: Int32, maxidx: Int32, next: I32Array, n: Int32, /) -> Tuple[Annotated[Int32, "node"], Annotated[Int32, "maxidx"]]:
    r"""sparse::walk_with_largest (sparse/linked.cpp: Index-linked lists)

    Walk with the largest node: walks n - 1 steps h = next[h] from head; after each step,
    maxidx = h when h >= maxidx (head itself is not compared). Returns (the node reached,
    maxidx); (head, maxidx) when n <= 1. Every node stepped from must be on the list.

    Parameters:
      head    int32
      maxidx  int32
      next    int32[], read
      n       int32
    Returns: (node, maxidx): (int32, int32)
    """

def _c_closure_484(head: Int32, next: I32Array, n: Int32, /) -> Annotated[Int32, "node"]:
    r"""sparse::node_after_walk (sparse/linked.cpp: Index-linked lists)

    Walk along a linked list: returns the node reached from head by n - 1 steps h = next[h];
    head itself when n <= 1 (next is then not read). Every node stepped from must be on the
    list; the result is -1 when the last step leaves the list's last node.

    Parameters:
      head  int32
      next  int32[], read
      n     int32
    Returns: node: int32
    """

def _c_closure_485(first: Int32, end: Int32, next: I32ArrayOut, prev: I32ArrayOut, /) -> None:
    r"""sparse::chain_range (sparse/linked.cpp: Index-linked lists)

    Chain of nodes first .. end - 1: next[k] = k + 1 and prev[k + 1] = k for k = first ..
    end - 2. The list's ends next[end - 1] and prev[first] are left to the caller (-1 closes
    the list). next and prev need end entries; end - first <= 1 writes nothing.

    Parameters:
      first  int32
      end    int32
      next   int32[], written
      prev   int32[], written
    Returns: None
    """
