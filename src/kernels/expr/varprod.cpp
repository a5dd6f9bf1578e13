// Products of a constant matrix and a variable.
//
// Every element of a variable X is one variable with coefficient 1 and constant 0, so
// a product's terms are (variable index of X's element, matrix value) pairs and every
// result constant is 0. X's variable indexes (and a sparse X's linear indexes) are int64
// runs on a stack, one per stored element. Terms are written in merge order; a zero
// matrix value still gives a term.
#include <algorithm>
#include <utility>

#include "kernels/expr/matprod.h"

namespace fragments::expr {
namespace {

// Sets the n + 1 entries i32[base .. base + n] to 0.
void zero_buckets(Vec<int32_t> i32, int32_t base, int32_t n) {
  for (int64_t j = 0; j <= n; ++j) i32[base + j] = 0;
}

void bump(Vec<int32_t> i32, int64_t at) { i32[at] = add32(i32[at], 1); }

// Prefix sum of a bucket array: i32[base + j + 1] += i32[base + j] for j below n.
void prefix_sum(Vec<int32_t> i32, int32_t base, int32_t n) {
  for (int64_t j = 0; j < n; ++j) i32[base + j + 1] = add32(i32[base + j + 1], i32[base + j]);
}

// Groups items 0 .. count - 1 by key(item) in 0 .. nkeys - 1 into a bucket array at ptr
// (nkeys + 1 entries) and a permutation at perm, both on i32: afterwards the items with
// key j are i32[perm + q] for i32[ptr + j] <= q < i32[ptr + j + 1], in increasing item
// number. The prefix sum runs over the first nsummed counters (the caller's key count).
template <class Key>
void group_by_key(Vec<int32_t> i32, int32_t ptr, int32_t nkeys, int32_t nsummed, int32_t perm, int32_t count,
                  Key key) {
  zero_buckets(i32, ptr, nkeys);
  for (int64_t t = 0; t < count; ++t) bump(i32, ptr + key(t) + 1);
  prefix_sum(i32, ptr, nsummed);
  for (int64_t t = 0; t < count; ++t) {
    const int64_t cursor = ptr + key(t);
    i32[int64_t{perm} + i32[cursor]] = static_cast<int32_t>(t);
    bump(i32, cursor);
  }
  for (int64_t j = nkeys; j >= 1; --j) i32[ptr + j] = i32[ptr + j - 1];
  i32[ptr] = 0;
}

// The grouping of count items that all have key 0: one bucket, the identity permutation.
void group_as_one(Vec<int32_t> i32, int32_t ptr, int32_t perm, int32_t count) {
  for (int64_t t = 0; t < count; ++t) i32[perm + t] = static_cast<int32_t>(t);
  i32[ptr] = 0;
  i32[int64_t{ptr} + 1] = count;
}

// Where the merges of a sparse-by-sparse product go: a count pass counts, a build pass
// writes. match(a, b) is called per matched pair, at(r, c, matches) after each position.
struct MatchCounts {
  int32_t elements, terms;
  void match(int64_t, int64_t) {}
  void at(int32_t, int32_t, int64_t matches) {
    if (matches <= 0) return;
    elements = add32(elements, 1);
    terms = add32(terms, static_cast<int32_t>(matches));
  }
  std::tuple<int32_t, int32_t> counts() const { return {elements, terms}; }
};

// Writes one term per matched pair, term(a, b) giving its (variable, coefficient), and an
// element (sp = r * p + c, constants left alone) for every position with a match.
template <class Term>
struct MatchedElements {
  RecordWriter& out;
  int32_t p;
  Term term;
  void match(int64_t a, int64_t b) {
    const auto [nidx, coefficient] = term(a, b);
    out.term(nidx, coefficient);
  }
  void at(int32_t r, int32_t c, int64_t matches) {
    if (matches == 0) return;
    out.close_leaving_constant(position(r, p, c));
  }
};
template <class Term>
MatchedElements(RecordWriter&, int32_t, Term) -> MatchedElements<Term>;

// For r < m and c < p: merges row r (items i32[rowptr + r] .. i32[rowptr + r + 1] - 1,
// keys row_key(item) increasing) with column c (items col_item(q) for i32[colptr + c] <= q
// < i32[colptr + c + 1], keys col_key(item) increasing); per matched pair
// sink.match(row item, column item), per position sink.at(r, c, matches).
template <class RowKey, class ColItem, class ColKey, class Sink>
void merge_rows_with_columns(int32_t m, int32_t p, Vec<const int32_t> i32, int32_t rowptr, RowKey row_key,
                             int32_t colptr, ColItem col_item, ColKey col_key, Sink& sink) {
  for (int32_t r = 0; r < m; ++r) {
    const TermRange row = terms_of(i32, rowptr, r);
    for (int32_t c = 0; c < p; ++c) {
      const TermRange column = terms_of(i32, colptr, c);
      const int64_t matches = merge_equal_keys(
          row.first, row.end, row_key, column.first, column.end, [&](int64_t q) { return col_key(col_item(q)); },
          [&](int64_t a, int64_t q) { sink.match(a, col_item(q)); });
      sink.at(r, c, matches);
    }
  }
}

// Sparse X row-wise on wi32 (row r's stored elements are positions wi32[xrowptr + r] ..
// wi32[xrowptr + r + 1] - 1, each with its column at wi32[xcol + q]) against triplet M
// column-wise (column c's triplets are wi32[mperm + q] for wi32[mcolptr + c] <= q <
// wi32[mcolptr + c + 1], each with its row msubi): sink gets (X position, triplet).
template <class Sink>
void merge_x_rows_with_m_columns(int32_t m, int32_t p, Vec<const int32_t> wi32, int32_t xrowptr, int32_t xcol,
                                 int32_t mcolptr, int32_t mperm, Vec<const int32_t> msubi, Sink& sink) {
  merge_rows_with_columns(
      m, p, wi32, xrowptr, [&](int64_t q) { return wi32[xcol + q]; }, mcolptr,
      [&](int64_t q) -> int64_t { return wi32[mperm + q]; }, [&](int64_t t) { return msubi[t]; }, sink);
}

// Triplet M row-wise on xi32 (row r's triplets are xi32[mrowptr + r] .. xi32[mrowptr + r
// + 1] - 1, each with its column msubj) against sparse X column-wise (column c's elements
// are xi32[xperm + q] for xi32[xcolptr + c] <= q < xi32[xcolptr + c + 1], each with its
// row at xi32[xrow + element]): sink gets (triplet, X element).
template <class Sink>
void merge_m_rows_with_x_columns(int32_t m, int32_t p, Vec<const int32_t> xi32, int32_t mrowptr,
                                 Vec<const int32_t> msubj, int32_t xcolptr, int32_t xperm, int32_t xrow, Sink& sink) {
  merge_rows_with_columns(
      m, p, xi32, mrowptr, [&](int64_t t) { return msubj[t]; }, xcolptr,
      [&](int64_t q) -> int64_t { return xi32[xperm + q]; }, [&](int64_t e) { return xi32[xrow + e]; }, sink);
}

// Starts a fresh sparse-by-sparse result: ptr[0] = 0 and the nbfix constants 0.0 (the
// only constants these products write).
void start_with_zero_constants(RecordWriter& out, Vec<double> rf64, int32_t rbfix, int32_t nbfix) {
  out.start();
  for (int64_t j = 0; j < nbfix; ++j) rf64[rbfix + j] = 0.0;
}

// The smallest and largest of the first n columns (0 and -1 when n <= 0).
struct ColumnRange {
  int32_t lowest, highest;
};
ColumnRange column_range(int64_t n, Vec<const int32_t> columns) {
  return unit_stride([n](auto col) {
    ColumnRange range{0, -1};
    if (n > 0) range = {col[0], col[0]};
    for (int64_t k = 1; k < n; ++k) {
      range.lowest = std::min(range.lowest, col[k]);
      range.highest = std::max(range.highest, col[k]);
    }
    return range;
  }, columns);
}

// Whether x[k] = x[0] + k for every k below n (in wrapping 64-bit arithmetic).
bool consecutive(Vec<const int64_t> x, int64_t n) {
  return unit_stride([n](auto x) {
    int64_t off = 0;
    for (int64_t k = 1; k < n; ++k) off |= sub64(x[k], x[0]) ^ k;
    return off == 0;
  }, x);
}

}  // namespace

// Distinct rows among the n stored elements of a sparse X with ncols columns (linear
// indexes wi64[xsp ..], increasing): init when n <= 0; 1 when X has fewer than two
// dimensions; otherwise 1 plus the number of k < n - 1 where the row steps up.
int32_t rows_of_sparse_variable(int32_t n, int32_t xsp, Vec<const int64_t> wi64, int32_t init, int32_t xnd,
                                int32_t ncols) {
  const Unlocked unlocked(n);
  if (n <= 0) return init;
  if (xnd < 2) return 1;
  int32_t rows = 1;
  for (int64_t k = 0; k + 1 < n; ++k)
    if (row_of(wi64[xsp + k], ncols) < row_of(wi64[xsp + k + 1], ncols)) rows = add32(rows, 1);
  return rows;
}

// Sparse X (nx stored elements, n columns; variable indexes wi64[xnidxs ..], linear
// indexes wi64[xsp ..]) times dense M (n by p, mcof[k * p + c]) into a fresh sparse
// record: for every row i holding a stored element and every c < p, element (i, c) with
// one term per stored element (i, k) of X, coefficient M(k, c). Sizes: rows * p elements
// (rows from rows_of_sparse_variable), nx * p terms.
void sparse_variable_times_dense(Vec<const double> mcof, int32_t p, int32_t xnidxs, int32_t nx, int32_t rbfix,
                                 int32_t rcof, Vec<double> rf64, Vec<int32_t> ri32, Vec<int64_t> ri64, int32_t rnidxs,
                                 int32_t rptr, int32_t rsp, int32_t xsp, Vec<const int64_t> wi64, int32_t n) {
  const Unlocked unlocked(int64_t{nx} * p);
  RecordWriter out{sparse_result_record(ri32, ri64, rf64, rptr, rnidxs, rcof, rbfix, rsp)};
  out.start();
  auto row = [&](int64_t e) { return row_of(wi64[xsp + e], n); };
  for_each_run(nx, row, [&](int64_t first, int64_t end) {
    const int64_t i = row(first);
    for (int32_t c = 0; c < p; ++c) {
      for (int64_t e = first; e < end; ++e)
        out.term(wi64[xnidxs + e], mcof[position(col_of(wi64[xsp + e], n), p, c)]);
      out.close(0.0, position(i, p, c));
    }
  });
}

// Groups M's nnz triplets by column on wi32: bucket array at mcolptr (ncols + 1 entries),
// permutation at mperm; a column keeps its entries in triplet order. nbuckets is the
// number of counters prefix-summed (the caller passes ncols). One column needs no sort.
void group_triplets_by_column(int32_t ncols, int32_t nbuckets, int32_t mcolptr, Vec<const int32_t> msubj, int32_t nnz,
                              int32_t mperm, Vec<int32_t> wi32) {
  const Unlocked unlocked(int64_t{nnz} + ncols);
  if (ncols == 1)
    group_as_one(wi32, mcolptr, mperm, nnz);
  else
    group_by_key(wi32, mcolptr, ncols, nbuckets, mperm, nnz, [&](int64_t t) -> int64_t { return msubj[t]; });
}

// init plus the number of runs of equal columns msubj[wi32[mperm + q]], q < n: the
// columns of M with entries when mperm lists them in column order.
int32_t columns_with_entries(Vec<const int32_t> msubj, int32_t init, int32_t n, int32_t mperm,
                             Vec<const int32_t> wi32) {
  const Unlocked unlocked(n);
  return add32(init, count_runs(n, [&](int64_t q) { return msubj[wi32[mperm + q]]; }));
}

// Dense X (m rows; variable index of X(r, k) at wi64[xnidxs + r * xrowstride + k]) times
// triplet M (p columns; wi32[mperm ..] lists the nnz triplets in column order), appended
// to a result that already has rnelem elements and rnnz terms: for each r < m and each
// column c of M with entries, element (r, c) with one term per entry M(k, c). Returns
// the new (rnelem, rnnz).
std::tuple<int32_t, int32_t> dense_variable_times_sparse(int32_t rnelem, int32_t rnnz, Vec<const double> mcof,
                                                         int32_t p, Vec<const int32_t> msubi, Vec<const int32_t> msubj,
                                                         int32_t xnidxs, int32_t nnz, int32_t mperm, int32_t rbfix,
                                                         int32_t rcof, Vec<double> rf64, Vec<int32_t> ri32,
                                                         Vec<int64_t> ri64, int32_t rnidxs, int32_t rptr, int32_t rsp,
                                                         Vec<const int32_t> wi32, Vec<const int64_t> wi64, int32_t m,
                                                         int32_t xrowstride) {
  const Unlocked unlocked(int64_t{m} * nnz);
  RecordWriter out{sparse_result_record(ri32, ri64, rf64, rptr, rnidxs, rcof, rbfix, rsp), rnelem, rnnz};
  auto entry = [&](int64_t q) -> int64_t { return wi32[mperm + q]; };
  auto column = [&](int64_t q) -> int64_t { return msubj[entry(q)]; };
  if (nnz <= 0) return out.counts();  // no entries: no element in any row
  for (int32_t r = 0; r < m; ++r) {
    const int64_t row = int64_t{xnidxs} + int64_t{r} * xrowstride;
    for_each_run(nnz, column, [&](int64_t first, int64_t end) {
      for (int64_t q = first; q < end; ++q) out.term(wi64[row + msubi[entry(q)]], mcof[entry(q)]);
      out.close(0.0, position(r, p, column(first)));
    });
  }
  return out.counts();
}

// Sets wi32[base .. base + n] (n + 1 entries) to 0.
void zero_counters(int32_t base, Vec<int32_t> wi32, int32_t n) { zero_buckets(wi32, base, n); }

// Lays a sparse X (nx stored elements, linear indexes wi64[xsp ..]) out row-wise on
// wi32: per element its row at xrow and column at xcol, and the row pointers at xrowptr
// (m + 1 entries). A one-dimensional X (xnd == 1) is one row. Otherwise the columns are
// xshape[1] and the caller has zeroed the counters wi32[xrowptr + 1 .. xrowptr + m].
void sparse_variable_by_rows(int32_t xnd, int32_t nx, int32_t xrowptr, int32_t xsp, Vec<int32_t> wi32,
                             Vec<const int64_t> wi64, int32_t m, Vec<const int32_t> xshape, int32_t xrow,
                             int32_t xcol) {
  const Unlocked unlocked(int64_t{nx} + m);
  if (xnd == 1) {
    for (int64_t k = 0; k < nx; ++k) {
      wi32[xrow + k] = 0;
      wi32[xcol + k] = static_cast<int32_t>(wi64[xsp + k]);
    }
    wi32[xrowptr] = 0;
    wi32[int64_t{xrowptr} + 1] = nx;
    return;
  }
  const int32_t q = xshape[1];
  for (int64_t k = 0; k < nx; ++k) {
    wi32[xrow + k] = static_cast<int32_t>(row_of(wi64[xsp + k], q));
    wi32[xcol + k] = static_cast<int32_t>(col_of(wi64[xsp + k], q));
  }
  wi32[xrowptr] = 0;
  for (int64_t k = 0; k < nx; ++k) bump(wi32, int64_t{xrowptr} + wi32[xrow + k] + 1);
  prefix_sum(wi32, xrowptr, m);
}

// Count pass of sparse_variable_times_sparse: (rnelem + the positions (r, c) with at least
// one match, rnnz + the matches).
std::tuple<int32_t, int32_t> sparse_variable_times_sparse_sizes(int32_t p, int32_t mcolptr, Vec<const int32_t> msubi,
                                                                int32_t rnelem, int32_t rnnz, int32_t mperm,
                                                                int32_t xrowptr, Vec<const int32_t> wi32, int32_t m,
                                                                int32_t xcol) {
  const Unlocked unlocked(int64_t{m} * p);
  MatchCounts counts{rnelem, rnnz};
  merge_x_rows_with_m_columns(m, p, wi32, xrowptr, xcol, mcolptr, mperm, msubi, counts);
  return counts.counts();
}

// Sparse X (m rows, laid out by sparse_variable_by_rows; variable indexes wi64[xnidxs ..])
// times triplet M (p columns, grouped by group_triplets_by_column) into a fresh sparse
// record: element (r, c) where X's row r meets M's column c, one term per matched pair
// (X element's variable, M value). The nbfix constants are set to 0.0.
void sparse_variable_times_sparse(Vec<const double> mcof, int32_t p, int32_t mcolptr, Vec<const int32_t> msubi,
                                  int32_t nbfix, int32_t xnidxs, int32_t mperm, int32_t xrowptr, int32_t rbfix,
                                  int32_t rcof, Vec<double> rf64, Vec<int32_t> ri32, Vec<int64_t> ri64, int32_t rnidxs,
                                  int32_t rptr, int32_t rsp, Vec<const int32_t> wi32, Vec<const int64_t> wi64,
                                  int32_t m, int32_t xcol) {
  const Unlocked unlocked(int64_t{m} * p);
  RecordWriter out{sparse_result_record(ri32, ri64, rf64, rptr, rnidxs, rcof, rbfix, rsp)};
  start_with_zero_constants(out, rf64, rbfix, nbfix);
  MatchedElements terms{out, p, [&](int64_t q, int64_t t) { return std::pair{wi64[xnidxs + q], mcof[t]}; }};
  merge_x_rows_with_m_columns(m, p, wi32, xrowptr, xcol, mcolptr, mperm, msubi, terms);
}

// Prepares M (row pointers of its triplets at mrowptr, m + 1 entries; as many triplets as
// msubi holds, sorted by row) and a sparse X (nx stored elements, linear indexes
// xi64[xsp ..], p columns; a one-dimensional X is one column) column-wise on xi32 (rows
// at xrow, columns at xcol, bucket array at xcolptr, permutation at xperm), then counts
// M X as sparse_times_sparse_variable builds it: returns (rnelem + the positions with a
// match, rnnz + the matches).
std::tuple<int32_t, int32_t> sparse_times_sparse_variable_prepare(int32_t m, int32_t mrowptr, Vec<const int32_t> msubi,
                                                                  Vec<const int32_t> msubj, int32_t xnd, int32_t nx,
                                                                  int32_t xperm, int32_t xcolptr, int32_t rnelem,
                                                                  int32_t rnnz, int32_t xsp, int32_t p,
                                                                  Vec<int32_t> xi32, Vec<const int64_t> xi64,
                                                                  int32_t xrow, int32_t xcol) {
  const Unlocked unlocked(int64_t{m} * p + nx + msubi.size());
  zero_buckets(xi32, mrowptr, m);
  for (int64_t t = 0; t < msubi.size(); ++t) bump(xi32, int64_t{mrowptr} + msubi[t] + 1);
  prefix_sum(xi32, mrowptr, m);

  for (int64_t k = 0; k < nx; ++k) {
    const int64_t linear = xi64[xsp + k];
    xi32[xrow + k] = static_cast<int32_t>(xnd == 1 ? linear : row_of(linear, p));
    xi32[xcol + k] = static_cast<int32_t>(xnd == 1 ? 0 : col_of(linear, p));
  }
  if (xnd == 1)
    group_as_one(xi32, xcolptr, xperm, nx);
  else
    group_by_key(xi32, xcolptr, p, p, xperm, nx, [&](int64_t k) -> int64_t { return xi32[xcol + k]; });

  MatchCounts counts{rnelem, rnnz};
  merge_m_rows_with_x_columns(m, p, xi32, mrowptr, msubj, xcolptr, xperm, xrow, counts);
  return counts.counts();
}

// Triplet M (m rows, row pointers at xi32[mrowptr ..]) times sparse X (p columns, laid
// out column-wise by sparse_times_sparse_variable_prepare; variable indexes xi64[xnidxs
// ..]) into a fresh sparse record: element (r, c) where M's row r meets X's column c, one
// term per matched pair (M value, X element's variable). The nbfix constants are set to 0.0.
void sparse_times_sparse_variable(Vec<const double> mcof, int32_t m, int32_t mrowptr, Vec<const int32_t> msubj,
                                  int32_t xnidxs, int32_t xperm, int32_t xcolptr, int32_t rbfix, int32_t rcof,
                                  Vec<double> rf64, Vec<int32_t> ri32, Vec<int64_t> ri64, int32_t nbfix, int32_t rnidxs,
                                  int32_t rptr, int32_t rsp, int32_t p, Vec<const int32_t> xi32,
                                  Vec<const int64_t> xi64, int32_t xrow) {
  const Unlocked unlocked(int64_t{m} * p);
  RecordWriter out{sparse_result_record(ri32, ri64, rf64, rptr, rnidxs, rcof, rbfix, rsp)};
  start_with_zero_constants(out, rf64, rbfix, nbfix);
  MatchedElements terms{out, p, [&](int64_t t, int64_t e) { return std::pair{xi64[xnidxs + e], mcof[t]}; }};
  merge_m_rows_with_x_columns(m, p, xi32, mrowptr, msubj, xcolptr, xperm, xrow, terms);
}

// Triplet M (nnz entries in row runs) times dense X with p columns (variable index of
// X(k, c) at xi64[xnidxs + k * p + c]) into a fresh sparse record: for every row i of M
// with entries and every c < p, element (i, c) with one term per entry M(i, k). Sizes:
// runs * p elements, nnz * p terms (left_product_sizes).
void sparse_times_dense_variable(Vec<const double> mcof, int32_t nnz, Vec<const int32_t> msubi,
                                 Vec<const int32_t> msubj, int32_t xnidxs, int32_t rbfix, int32_t rcof,
                                 Vec<double> rf64, Vec<int32_t> ri32, Vec<int64_t> ri64, int32_t rnidxs, int32_t rptr,
                                 int32_t rsp, int32_t p, Vec<const int64_t> xi64) {
  const Unlocked unlocked(int64_t{nnz} * p);
  // X's variables are mostly numbered in a row (a variable's elements get consecutive
  // indexes): then the variable of X(k, c) is x[0] + k * p + c, which spares a gather
  // per term. Checked over the entries that the columns of M reach.
  const Vec<const int64_t> x = xi64.from(xnidxs);
  const ColumnRange columns = column_range(nnz, msubj);
  const bool in_a_row = nnz > 0 && columns.lowest >= 0 && consecutive(x, (int64_t{columns.highest} + 1) * p);
  const Vec<int64_t> nidxs = ri64.from(rnidxs);
  const Vec<double> cof = rf64.from(rcof);
  if (p == 1) {  // M times a vector: term r is triplet r, written in flat loops
    copy_elements(mcof, cof, nnz);
    if (in_a_row)
      transform_elements(msubj, nidxs, nnz, [first = x[0]](int32_t k) { return add64(first, k); });
    else
      transform_elements(msubj, nidxs, nnz, [x](int32_t k) { return x[k]; });
    unit_stride([nnz](auto msubi, auto ptr, auto sp, auto bfix) {
      ptr[0] = 0;
      int32_t k = 0;
      for_each_run(nnz, [&](int64_t r) { return msubi[r]; }, [&](int64_t first, int64_t end) {
        ptr[int64_t{k} + 1] = static_cast<int32_t>(end);
        sp[k] = msubi[first];
        bfix[k] = 0.0;
        k = add32(k, 1);
      });
    }, msubi, ri32.from(rptr), ri64.from(rsp), rf64.from(rbfix));
    return;
  }
  RecordWriter out{sparse_result_record(ri32, ri64, rf64, rptr, rnidxs, rcof, rbfix, rsp)};
  out.start();
  for_each_row_run_and_column(nnz, msubi, p, [&](int64_t first, int64_t end, int64_t i, int32_t c) {
    for (int64_t t = first; t < end; ++t) {
      const int64_t at = int64_t{msubj[t]} * p + c;
      out.term(in_a_row ? add64(x[0], at) : x[at], mcof[t]);
    }
    out.close(0.0, position(i, p, c));
  });
}

// The record of a constant matrix times the one variable `var`, into the caller's arrays:
// nelem elements with one term each (nnz = nelem): constants f64[obfix ..] = 0.0,
// coefficients f64[ocof + u] = mcof[u] and variables i64[onidxs + u] = var, ptr
// i32[optr + j] = j for j = 0 .. nelem, and for a sparse matrix the linear indexes
// i64[osp + j] = msubi[j] * ncols + msubj[j].
void matrix_times_scalar_variable(int32_t obfix, int32_t ocof, Vec<double> f64, int32_t sparse, Vec<int32_t> i32,
                                  Vec<int64_t> i64, Vec<const double> mcof, int32_t ncols, Vec<const int32_t> msubi,
                                  Vec<const int32_t> msubj, int32_t nelem, int32_t onidxs, int32_t nnz, int32_t optr,
                                  int32_t osp, int64_t var) {
  const Unlocked unlocked(int64_t{nelem} + nnz);
  for (int64_t j = 0; j < nelem; ++j) f64[obfix + j] = 0.0;
  for (int64_t u = 0; u < nnz; ++u) {
    f64[ocof + u] = mcof[u];
    i64[onidxs + u] = var;
  }
  if (sparse != 0)
    for (int64_t j = 0; j < nelem; ++j) i64[osp + j] = int64_t{msubi[j]} * ncols + msubj[j];
  for (int64_t j = 0; j <= nelem; ++j) i32[optr + j] = static_cast<int32_t>(j);
}

}  // namespace fragments::expr

TOPIC("Products of a constant matrix and a variable")
FRAGMENT(348, expr::rows_of_sparse_variable, "iiOiii", "n", "xsp", "wi64", "init", "xnd", "ncols")
DOC(348, "rows",
    "Distinct rows of a sparse variable, the count pass of _c_closure_349: it writes rows * p "
    "elements and n * p terms. X's n stored elements have increasing linear indexes wi64[xsp .. "
    "xsp + n - 1] in a shape with ncols columns. Returns init when n <= 0; 1 when xnd < 2 (a "
    "one-dimensional X is one row); otherwise 1 plus the number of k < n - 1 where the row "
    "wi64[xsp + k] / ncols steps up. init comes back only for n <= 0; ncols <= 0 puts every "
    "element in row 0.")
FRAGMENT(349, expr::sparse_variable_times_dense, "OiiiiiOOOiiiiOi", "mcof", "p", "xnidxs", "nx", "rbfix", "rcof",
         "rf64", "ri32", "ri64", "rnidxs", "rptr", "rsp", "xsp", "wi64", "n")
DOC(349, "",
    "Sparse variable times dense matrix, the build pass sized by _c_closure_348: rows * p "
    "elements, nx * p terms. X is sparse with n columns, its nx stored elements having variable "
    "indexes wi64[xnidxs + e] and increasing linear indexes wi64[xsp + e] on the work stack; M "
    "is dense n x p, mcof[k*p + c].\n"
    "Writes a fresh sparse record on the result stack, ri32[rptr] = 0 included: for each run of "
    "stored elements with the same row i (linear index / n) and each c < p, element (i, c) with "
    "one term per element e of the run in order: variable wi64[xnidxs + e], coefficient "
    "mcof[(linear index mod n)*p + c] (zero values kept); constant 0.0, sp = i*p + c. nx = 0 "
    "writes only ptr[0].")
FRAGMENT(350, expr::group_triplets_by_column, "iiiOiiO", "ncols", "nbuckets", "mcolptr", "msubj", "nnz", "mperm",
         "wi32")
DOC(350, "",
    "Group triplets by column on the work stack: for _c_closure_351, _c_closure_352, "
    "_c_closure_355 and _c_closure_356, M's bucket array wi32[mcolptr .. mcolptr + ncols] "
    "(entry j = first position of column j, entry ncols = nnz) and permutation wi32[mperm .. "
    "mperm + nnz - 1] (the triplet numbers in column order, in triplet order and so increasing "
    "row within a column). Pass nbuckets = ncols: it is the number of counters prefix-summed. "
    "With ncols = 1 nothing is sorted: identity permutation, wi32[mcolptr] = 0, wi32[mcolptr + "
    "1] = nnz.")
FRAGMENT(351, expr::columns_with_entries, "OiiiO", "msubj", "init", "n", "mperm", "wi32")
DOC(351, "count",
    "Columns of M with entries, the count pass of _c_closure_352: returns init plus the number "
    "of runs of equal msubj[wi32[mperm + q]] for q < n (32-bit); n <= 0 returns init. With n = "
    "nnz and mperm from _c_closure_350 the runs are the columns of M that have entries; 352 "
    "then writes m times that many elements and m * nnz terms.")
FRAGMENT(352, expr::dense_variable_times_sparse, "iiOiOOiiiiiOOOiiiOOii", "rnelem", "rnnz", "mcof", "p", "msubi",
         "msubj", "xnidxs", "nnz", "mperm", "rbfix", "rcof", "rf64", "ri32", "ri64", "rnidxs", "rptr", "rsp", "wi32",
         "wi64", "m", "xrowstride")
DOC(352, "rnelem, rnnz",
    "Dense variable times sparse matrix, the build pass sized by _c_closure_351: m times its "
    "column count elements, m * nnz terms. X is dense with m rows, the variable index of X(r, "
    "k) being wi64[xnidxs + r*xrowstride + k]; M has p columns and nnz sorted triplets (msubi, "
    "msubj, mcof), listed in column order by wi32[mperm ..] (_c_closure_350; its bucket array "
    "is not read).\n"
    "Appends from the running counts rnelem and rnnz: for each r < m and each column c of M "
    "with entries, in increasing c, element (r, c) with one term per entry t of the column in "
    "increasing row: variable wi64[xnidxs + r*xrowstride + msubi[t]], coefficient mcof[t]; "
    "constant 0.0, sp = r*p + c, ri32[rptr + rnelem + 1] = rnnz after it.\n"
    "Leaves ri32[rptr] to the caller. Returns (rnelem, rnnz) advanced; m = 0 or nnz = 0 returns "
    "them unchanged and writes nothing.")
FRAGMENT(353, expr::zero_counters, "iOi", "base", "wi32", "n")
DOC(353, "",
    "Zero counters on the work stack: wi32[base .. base + n] = 0 (n + 1 entries; n = -1 writes "
    "nothing). With n = m it clears X's row counters before _c_closure_354.")
FRAGMENT(354, expr::sparse_variable_by_rows, "iiiiOOiOii", "xnd", "nx", "xrowptr", "xsp", "wi32", "wi64", "m",
         "xshape", "xrow", "xcol")
DOC(354, "",
    "Sparse variable by rows, on the work stack: the layout that _c_closure_355 and "
    "_c_closure_356 read. X's nx stored elements have increasing linear indexes wi64[xsp + k]. "
    "Writes each element's row wi32[xrow + k] and column wi32[xcol + k], and the row pointers "
    "wi32[xrowptr .. xrowptr + m] (row r's elements are positions wi32[xrowptr + r] .. "
    "wi32[xrowptr + r + 1] - 1; increasing linear index is already row order).\n"
    "- xnd = 1 (a row vector; pass m = 1): row 0, column = the linear index, wi32[xrowptr] = 0, "
    "wi32[xrowptr + 1] = nx. xshape is not read.\n"
    "- otherwise, with q = xshape[1] columns: row = linear / q, column = linear mod q; "
    "wi32[xrowptr] = 0, each element adds 1 at xrowptr + row + 1, then a prefix sum over m "
    "entries. The caller zeroes wi32[xrowptr + 1 .. xrowptr + m] first (_c_closure_353).")
FRAGMENT(355, expr::sparse_variable_times_sparse_sizes, "iiOiiiiOii", "p", "mcolptr", "msubi", "rnelem", "rnnz",
         "mperm", "xrowptr", "wi32", "m", "xcol")
DOC(355, "rnelem, rnnz",
    "Sparse variable times sparse matrix, the count pass of _c_closure_356: X (m rows) is laid "
    "out by _c_closure_354 on wi32 (row pointers xrowptr, columns at xcol); M (p columns, rows "
    "msubi) is grouped by column by _c_closure_350 (mcolptr, mperm). For each (r, c), r < m, c "
    "< p, X's row r (key: column) is merged with M's column c (key: row). Returns (rnelem + the "
    "positions with at least one match, rnnz + the matches), 32-bit; with 0 and 0 the sizes of "
    "356's fresh result, its element count being the least nbfix to pass.")
FRAGMENT(356, expr::sparse_variable_times_sparse, "OiiOiiiiiiOOOiiiOOii", "mcof", "p", "mcolptr", "msubi", "nbfix",
         "xnidxs", "mperm", "xrowptr", "rbfix", "rcof", "rf64", "ri32", "ri64", "rnidxs", "rptr", "rsp", "wi32", "wi64",
         "m", "xcol")
DOC(356, "",
    "Sparse variable times sparse matrix, the build pass sized by _c_closure_355: takes 355's "
    "layout and grouping arguments; X's variable indexes are wi64[xnidxs + q] for its positions "
    "q.\n"
    "Writes a fresh sparse record on the result stack: ri32[rptr] = 0 and rf64[rbfix .. rbfix + "
    "nbfix - 1] = 0.0, the only constants written (pass nbfix >= the element count; constants "
    "of elements beyond nbfix are left alone). Then for each (r, c) in row-major order with at "
    "least one match, one term per matched pair (X position q, entry t) in merge order: "
    "variable wi64[xnidxs + q], coefficient mcof[t]; sp = r*p + c. Positions without a match "
    "give no element.")
FRAGMENT(357, expr::sparse_times_sparse_variable_prepare, "iiOOiiiiiiiiOOii", "m", "mrowptr", "msubi", "msubj", "xnd",
         "nx", "xperm", "xcolptr", "rnelem", "rnnz", "xsp", "p", "xi32", "xi64", "xrow", "xcol")
DOC(357, "rnelem, rnnz",
    "Matrix times sparse variable, the preparation and count pass of _c_closure_359: all on the "
    "scratch stack, it writes\n"
    "- M's row pointers xi32[mrowptr .. mrowptr + m] from its triplets (as many as msubi holds, "
    "sorted by row; every msubi in [0, m));\n"
    "- for each stored element k < nx of X (linear index xi64[xsp + k]): row xi32[xrow + k] and "
    "column xi32[xcol + k] = (linear / p, linear mod p), or (linear, 0) when xnd = 1 (X a "
    "column vector; pass p = 1);\n"
    "- X's column grouping: bucket array xi32[xcolptr ..] (p + 1 entries; 2 for a vector) and "
    "permutation xi32[xperm ..] (nx entries, increasing row within a column).\n"
    "Then counts as 359 merges: for each (r, c), r < m, c < p, M's row r (key msubj) against "
    "X's column c (key: row). Returns (rnelem + the positions with at least one match, rnnz + "
    "the matches), 32-bit; with 0 and 0 the sizes of 359's fresh result, its element count "
    "being the least nbfix to pass.")
FRAGMENT(359, expr::sparse_times_sparse_variable, "OiiOiiiiiOOOiiiiiOOi", "mcof", "m", "mrowptr", "msubj", "xnidxs",
         "xperm", "xcolptr", "rbfix", "rcof", "rf64", "ri32", "ri64", "nbfix", "rnidxs", "rptr", "rsp", "p", "xi32",
         "xi64", "xrow")
DOC(359, "",
    "Matrix times sparse variable, the build pass sized and prepared by _c_closure_357: it "
    "reads 357's scratch runs, M's row pointers xi32[mrowptr ..] (columns msubj, values mcof) "
    "and X's column grouping xi32[xcolptr ..], xi32[xperm ..] with rows xi32[xrow ..]; X's "
    "variable indexes are xi64[xnidxs + e].\n"
    "Writes a fresh sparse record on the result stack: ri32[rptr] = 0 and rf64[rbfix .. rbfix + "
    "nbfix - 1] = 0.0, the only constants written (pass nbfix >= the element count). Then for "
    "each (r, c), r < m, c < p, in row-major order with at least one match, one term per "
    "matched pair (entry t, element e) in merge order: variable xi64[xnidxs + e], coefficient "
    "mcof[t]; sp = r*p + c.")
FRAGMENT(360, expr::sparse_times_dense_variable, "OiOOiiiOOOiiiiO", "mcof", "nnz", "msubi", "msubj", "xnidxs", "rbfix",
         "rcof", "rf64", "ri32", "ri64", "rnidxs", "rptr", "rsp", "p", "xi64")
DOC(360, "",
    "Matrix times dense variable, the build pass sized by _c_closure_358: 358 is in the family "
    "of a constant matrix on the left of an expression; with rnelem = 0 it returns this "
    "kernel's element count, (row runs of msubi) * p, and term count nnz * p. M is nnz sorted "
    "triplets (msubi, msubj, mcof); X is dense with p columns and its variable indexes lie on "
    "the scratch stack: X(k, c) is xi64[xnidxs + k*p + c].\n"
    "Writes a fresh sparse record on the result stack, ri32[rptr] = 0 included: for each row "
    "run i of M and each c < p, element (i, c) with one term per entry t of the run in order: "
    "variable xi64[xnidxs + msubj[t]*p + c], coefficient mcof[t] (zero values kept); constant "
    "0.0, sp = i*p + c. Every column of every row with entries is written.")
FRAGMENT(364, expr::matrix_times_scalar_variable, "iiOiOOOiOOiiiiiL", "obfix", "ocof", "f64", "sparse", "i32", "i64",
         "mcof", "ncols", "msubi", "msubj", "nelem", "onidxs", "nnz", "optr", "osp", "var")
DOC(364, "",
    "Matrix times one variable, into the caller's arrays: at the positions given (any arrays, "
    "not necessarily stack runs), the record of M * var with one term per element. Writes "
    "f64[obfix + j] = 0.0 for j < nelem; f64[ocof + u] = mcof[u] and i64[onidxs + u] = var for "
    "u < nnz; the ptr i32[optr + j] = j for j = 0 .. nelem, ptr[0] = 0 included; and when "
    "sparse != 0 the linear indexes i64[osp + j] = msubi[j]*ncols + msubj[j] for j < nelem.\n"
    "Pass nnz = nelem: mcof holds M's values, all of a dense M in row-major order (sparse = 0; "
    "msubi, msubj, ncols and osp are not read) or the nnz sorted triplets of a sparse M. var is "
    "a signed native index.")
