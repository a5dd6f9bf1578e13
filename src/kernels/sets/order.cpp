// Order checks, index lists and coefficient buffers: sortedness and range tests, distinct
// variable indexes of a sorted list, concatenated index sets, first rows and columns of
// index tables, row pointers expanded to row indexes, constant-term runs, term counts of
// picked elements, interleaved index lists.
#include "kernels/expr/record.h"
#include "kernels/sparse/indexlists.h"

namespace fragments::sets {

using sparse::any_outside;
using sparse::count_increases;

// Validity flag: flag when n <= 1, false when flag is 0; otherwise whether
// varidxs[0] < varidxs[1] < ... < varidxs[n - 1].
bool strictly_increasing(int32_t flag, int32_t n, Vec<const int64_t> varidxs) {
  if (n <= 1 || flag == 0) return flag != 0;
  for (int32_t k = 0; k + 1 < n; ++k)
    if (varidxs[k] >= varidxs[k + 1]) return false;
  return true;
}

// Whether the n buffer entries are in (row, column) order, equal coordinates allowed (the
// merge of the buffer sums them into one entry). An empty buffer is reported as not in
// order. spare is not read.
bool buffer_in_order(Vec<const int32_t> buffer_subi, Vec<const int32_t> buffer_subj, int32_t, int64_t n) {
  if (n <= 0) return false;
  for (int64_t k = 1; k < n; ++k) {
    const int32_t ri = buffer_subi[k - 1], rj = buffer_subi[k];
    if (ri > rj || (ri == rj && buffer_subj[k - 1] > buffer_subj[k])) return false;
  }
  return true;
}

// Error flag: set when flag is or when some entry of sparsity lies outside 0 .. size - 1.
bool sparsity_out_of_range(int32_t flag, Vec<const int64_t> sparsity, int64_t size) {
  return any_outside(flag, sparsity, size);
}

bool indexes_out_of_range(Vec<const int64_t> idxs, int64_t size, int32_t flag) {
  return any_outside(flag, idxs, size);
}

// Error flag: set when flag is or when some idxs(row, c), c < n, lies outside
// 0 .. shape[c] - 1.
bool multi_indexes_out_of_range(Mat<const int32_t> idxs, int32_t n, Vec<const int32_t> shape, int32_t flag) {
  return any_outside(flag, idxs, n, shape);
}

// count plus the number of k = 1 .. n - 1 with varidxs[perm[k - 1]] < varidxs[perm[k]].
int32_t distinct_count(int32_t n, int32_t count, Vec<const int64_t> perm, Vec<const int64_t> varidxs) {
  return count_increases(count, n, [&](int64_t k) { return varidxs[perm[k]]; });
}

// Writes the distinct scalar variables of varidxs, in the order of perm, zero-based into
// varidxs32 from pos: each value that exceeds the one before it in that order. The first
// value is the caller's to write. Returns the position after the last one written.
int32_t distinct_variables(int32_t pos, int32_t n, Vec<const int64_t> perm, Vec<const int64_t> varidxs,
                           Vec<int32_t> varidxs32) {
  for (int32_t k = 1; k < n; ++k) {
    const int64_t v = varidxs[perm[k]];
    if (varidxs[perm[k - 1]] < v) {
      varidxs32[pos] = static_cast<int32_t>(sub64(v, 1));
      pos = add32(pos, 1);
    }
  }
  return pos;
}

// r[k] = set1[k] over the length of set1.
void copy_first_set(Vec<int32_t> r, Vec<const int32_t> set1) { expr::copy_elements(set1, r, set1.size()); }

// r[L + k] = set2[k] over the length of set2, L the length of set1 (0 when it is None).
void append_second_set(Vec<int32_t> r, Vec<const int32_t> set1, Vec<const int32_t> set2) {
  expr::copy_elements(set2, r.from(set1.size()), set2.size());
}

// idxs(k, 0) = indexes[k] over the length of indexes.
void fill_first_column(Mat<int32_t> idxs, Vec<const int32_t> indexes) {
  for (int64_t k = 0; k < indexes.size(); ++k) idxs(k, 0) = indexes[k];
}

// idxs(0, k) = indexes[k] over the length of indexes.
void fill_first_row(Mat<int32_t> idxs, Vec<const int32_t> indexes) {
  expr::copy_elements(indexes, idxs.row(0), indexes.size());
}

// tmp_subi[off + t] = r for every row r < n and ptrb_[r] <= t < ptrb_[r + 1].
void rows_of_entries(int32_t n, int64_t off, Vec<const int64_t> ptrb_, Vec<int32_t> tmp_subi) {
  for (int32_t r = 0; r < n; ++r)
    for (int64_t t = ptrb_[r]; t < ptrb_[r + 1]; ++t) tmp_subi[add64(off, t)] = r;
}

// bfix[k] += bfix_[k] for k < n.
void add_constants(Vec<double> bfix, Vec<const double> bfix_, int32_t n) {
  unit_stride([n](auto sum, auto term) {
    for (int32_t k = 0; k < n; ++k) sum[k] += term[k];
  }, bfix, bfix_);
}

// The same; nothing when bfix_ is None.
void add_constants_if_given(Vec<double> bfix, Vec<const double> bfix_, int32_t n) {
  if (bfix_) add_constants(bfix, bfix_, n);
}

// resbfix[k] = bfix[k] for k < n; nothing when either is None.
void copy_constants(Vec<const double> bfix, int32_t n, Vec<double> resbfix) {
  if (bfix && resbfix) expr::copy_elements(bfix, resbfix, n);
}

// count plus the term counts of the elements idxs[0], idxs[1], ... of the record whose ptr
// run starts at wi32[ptrbase] (wrapping in 32 bits). A negative index stands for the zero
// element, as in the pick it sizes: no terms, and nothing read.
int32_t terms_of_elements(Vec<const int64_t> idxs, int32_t ptrbase, int32_t count, Vec<const int32_t> wi32) {
  for (int64_t k = 0; k < idxs.size(); ++k) {
    if (idxs[k] < 0) continue;
    const expr::TermRange terms = expr::terms_of(wi32, ptrbase, idxs[k]);
    count = add32(count, static_cast<int32_t>(terms.end - terms.first));
  }
  return count;
}

// Interleaves nlists index lists: with P the product of resshape[0 .. nd - 1] (32-bit),
// nativeidxs[s × nlists + k] = entry s of list k for s < P, k < nlists; nothing when
// P <= 0 or nlists <= 0. Otherwise every list k < nlists must be there: when nidxlist is
// None, has fewer than nlists entries or one of them is None, nothing is written and
// InvalidArgument names nidxlist (the caller's ValueError).
void interleave_lists(int32_t nlists, Vec<int32_t> nativeidxs, int32_t nd, VecList<const int32_t> nidxlist,
                      Vec<const int32_t> resshape) {
  const int32_t P = size_product(1, resshape, 0, nd);
  if (P <= 0 || nlists <= 0) return;
  if (nidxlist.size() < nlists) throw InvalidArgument{"nidxlist"};
  for (int64_t k = 0; k < nlists; ++k)
    if (!nidxlist[k]) throw InvalidArgument{"nidxlist"};
  for (int64_t k = 0; k < nlists; ++k) {
    const Vec<const int32_t> list = nidxlist[k];
    for (int64_t s = 0; s < P; ++s) nativeidxs[s * nlists + k] = list[s];
  }
}

}  // namespace fragments::sets

TOPIC("Order checks, index lists and coefficient buffers")
FRAGMENT(201, sets::add_constants, "OOi", "bfix", "bfix_", "n")
DOC(201, "",
    "Constant sums: bfix[k] += bfix_[k] for k < n (a record's constant run added to another). Both "
    "need n entries; n <= 0 changes nothing. _c_closure_203 is the same but accepts bfix_ None.")
FRAGMENT(202, sets::rows_of_entries, "iLOO", "n", "off", "ptrb_", "tmp_subi")
DOC(202, "",
    "Row indexes of compressed entries: for each row r < n and each entry t = ptrb_[r] .. ptrb_[r "
    "+ 1] - 1, tmp_subi[off + t] = r (off + t in 64 bits): row pointers expanded to one row index "
    "per entry. ptrb_ needs n + 1 non-decreasing entries; tmp_subi needs off + ptrb_[n] entries, "
    "and those below off + ptrb_[0] are left alone.")
FRAGMENT(203, sets::add_constants_if_given, "OOi", "bfix", "bfix_", "n")
DOC(203, "",
    "Constant sums, when there are constants: bfix[k] += bfix_[k] for k < n, as _c_closure_201; "
    "nothing when bfix_ is None. Both need n entries.")
FRAGMENT(204, sets::copy_constants, "OiO", "bfix", "n", "resbfix")
DOC(204, "",
    "Constant copy: resbfix[k] = bfix[k] for k < n; nothing when bfix or resbfix is None. Note the "
    "argument order: the source bfix first, the target resbfix last.")
FRAGMENT(205, sets::buffer_in_order, "OOiL", "buffer_subi", "buffer_subj", "spare", "n")
DOC(205, "inorder",
    "Buffer order test: True when the n buffer coordinates (buffer_subi[k], buffer_subj[k]), k < "
    "n, are in row, then column order, equal neighbours allowed: every k = 1 .. n - 1 has "
    "buffer_subi[k - 1] < buffer_subi[k], or equal rows and buffer_subj[k - 1] <= buffer_subj[k]. "
    "An empty buffer (n <= 0) gives False, one entry True. n is the scalar (64-bit), not the "
    "arrays' length; spare is not read.\n"
    "When True, _c_closure_206 may visit the buffer in stored order (sorted != 0; it sums repeated "
    "coordinates itself); when False the caller passes it a permutation that orders the buffer.")
FRAGMENT(207, sets::strictly_increasing, "iiO", "flag", "n", "varidxs")
DOC(207, "valid",
    "Strict increase test, a validity flag: returns flag (as a boolean) when n <= 1; False when "
    "flag is 0; otherwise True exactly when varidxs[0] < varidxs[1] < .. < varidxs[n - 1]. Only "
    "the first n entries are read; a failed test clears the flag, so a caller chains tests by "
    "passing the last result as flag.")
FRAGMENT(208, sets::distinct_count, "iiOO", "n", "count", "perm", "varidxs")
DOC(208, "count",
    "Distinct count in sorted order, the count pass of _c_closure_209: returns count plus the "
    "number of k = 1 .. n - 1 with varidxs[perm[k - 1]] < varidxs[perm[k]] (32-bit, wrapping); "
    "count when n <= 1. perm must order varidxs (non-decreasing through perm): then with count = 1 "
    "the result is the number of distinct values among the n, with count = 0 the number "
    "_c_closure_209 writes.")
FRAGMENT(209, sets::distinct_variables, "iiOOO", "pos", "n", "perm", "varidxs", "varidxs32")
DOC(209, "pos",
    "Distinct scalar variables in sorted order, the build pass sized by _c_closure_208: for k = 1 "
    ".. n - 1 with v = varidxs[perm[k]] > varidxs[perm[k - 1]], writes varidxs32[pos] = v - 1 "
    "(zero-based, int32) and pos advances. perm must order varidxs, whose entries are signed "
    "native indexes > 0.\n"
    "The first value, varidxs[perm[0]] - 1, is not written: the caller writes it and passes the "
    "position after it. varidxs32 needs room at pos .. pos + count - 1, count being "
    "_c_closure_208's result with count 0. Returns the final pos (a 32-bit running position).")
FRAGMENT(217, sets::interleave_lists, "iOiOO", "nlists", "nativeidxs", "nd", "nidxlist", "resshape")
DOC(217, "",
    "Interleaved index lists: with P = resshape[0] * .. * resshape[nd - 1] (32-bit, wrapping; 1 "
    "when nd <= 0) and L = nlists: nativeidxs[s*L + k] = entry s of list k of nidxlist for s < P, "
    "k < L, each list read through its own stride: list k becomes column k of a P x L row-major "
    "table. Each list needs P entries and nativeidxs P*L entries.\n"
    "Nothing is written when P <= 0 or L <= 0. Otherwise, before writing anything, it raises "
    "ValueError naming nidxlist when nidxlist is None, has fewer than L entries, or one of its "
    "first L entries is None; entries from L on are not read.")
FRAGMENT(235, sets::copy_first_set, "OO", "r", "set1")
DOC(235, "",
    "First set: r[k] = set1[k] over the length of set1 (None: nothing). With _c_closure_236 it "
    "writes the concatenation of set1 and set2 into r, which then needs len(set1) + len(set2) "
    "entries.")
FRAGMENT(236, sets::append_second_set, "OOO", "r", "set1", "set2")
DOC(236, "",
    "Second set after the first: r[L + k] = set2[k] over the length of set2, L being the length of "
    "set1 (0 when set1 is None). set1 is only measured, not copied (_c_closure_235 copies it). r "
    "needs L + len(set2) entries.")
FRAGMENT(246, sets::fill_first_column, "OO", "idxs", "indexes")
DOC(246, "",
    "First column of an index table: idxs(k, 0) = indexes[k] over the length of indexes. idxs "
    "(2-D) needs that many rows; its other columns and rows are left alone. _c_closure_247 fills "
    "the first row.")
FRAGMENT(247, sets::fill_first_row, "OO", "idxs", "indexes")
DOC(247, "",
    "First row of an index table: idxs(0, k) = indexes[k] over the length of indexes. idxs (2-D) "
    "needs that many columns; its other rows are left alone. _c_closure_246 fills the first "
    "column.")
FRAGMENT(252, sets::sparsity_out_of_range, "iOL", "flag", "sparsity", "size")
DOC(252, "outside",
    "Range test of linear indexes, an error flag: True when flag != 0, or when some entry of "
    "sparsity (its whole length) is < 0 or >= size; otherwise False. A failed test sets the flag, "
    "so a caller chains tests by passing the last result as flag. _c_closure_255 is the same test "
    "with the arguments in another order.")
FRAGMENT(253, sets::multi_indexes_out_of_range, "OiOi", "idxs", "n", "shape", "flag")
DOC(253, "outside",
    "Range test of multi-indexes, an error flag: True when flag != 0, or when some idxs(r, c), "
    "over every row r of idxs (its first extent) and the columns c < n, is < 0 or >= shape[c]; "
    "otherwise False. Columns from n on are not checked; idxs needs at least n columns and shape n "
    "entries.")
FRAGMENT(255, sets::indexes_out_of_range, "OLi", "idxs", "size", "flag")
DOC(255, "outside",
    "Range test of linear indexes, an error flag: True when flag != 0, or when some entry of idxs "
    "(its whole length) is < 0 or >= size; otherwise False. The test of _c_closure_252, with the "
    "list first and flag last.")
FRAGMENT(256, sets::terms_of_elements, "OiiO", "idxs", "ptrbase", "count", "wi32")
DOC(256, "count",
    "Term count of picked elements, the count pass of _c_closure_257 (the pick from a dense "
    "record, in another topic): returns count plus, for each entry e of idxs (its whole length), "
    "wi32[ptrbase + e + 1] - wi32[ptrbase + e], the number of terms of element e of the work-stack "
    "record whose ptr run starts at wi32[ptrbase] (32-bit, wrapping). A negative e counts 0, as "
    "_c_closure_257 picks the zero element for it.\n"
    "With count = 0 it is the number of nidxs and cof entries to reserve on the result stack for "
    "the pick, whose element count is len(idxs).")
