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
// run starts at wi32[ptrbase] (wrapping in 32 bits).
int32_t terms_of_elements(Vec<const int64_t> idxs, int32_t ptrbase, int32_t count, Vec<const int32_t> wi32) {
  for (int64_t k = 0; k < idxs.size(); ++k) {
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
  const int32_t P = expr::size_product(1, resshape, 0, nd);
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

FRAGMENT(201, sets::add_constants, "OOi", "bfix", "bfix_", "n")
FRAGMENT(202, sets::rows_of_entries, "iLOO", "n", "off", "ptrb_", "tmp_subi")
FRAGMENT(203, sets::add_constants_if_given, "OOi", "bfix", "bfix_", "n")
FRAGMENT(204, sets::copy_constants, "OiO", "bfix", "n", "resbfix")
FRAGMENT(205, sets::buffer_in_order, "OOiL", "buffer_subi", "buffer_subj", "spare", "n")
FRAGMENT(207, sets::strictly_increasing, "iiO", "flag", "n", "varidxs")
FRAGMENT(208, sets::distinct_count, "iiOO", "n", "count", "perm", "varidxs")
FRAGMENT(209, sets::distinct_variables, "iiOOO", "pos", "n", "perm", "varidxs", "varidxs32")
FRAGMENT(217, sets::interleave_lists, "iOiOO", "nlists", "nativeidxs", "nd", "nidxlist", "resshape")
FRAGMENT(235, sets::copy_first_set, "OO", "r", "set1")
FRAGMENT(236, sets::append_second_set, "OOO", "r", "set1", "set2")
FRAGMENT(246, sets::fill_first_column, "OO", "idxs", "indexes")
FRAGMENT(247, sets::fill_first_row, "OO", "idxs", "indexes")
FRAGMENT(252, sets::sparsity_out_of_range, "iOL", "flag", "sparsity", "size")
FRAGMENT(253, sets::multi_indexes_out_of_range, "OiOi", "idxs", "n", "shape", "flag")
FRAGMENT(255, sets::indexes_out_of_range, "OLi", "idxs", "size", "flag")
FRAGMENT(256, sets::terms_of_elements, "OiiO", "idxs", "ptrbase", "count", "wi32")
