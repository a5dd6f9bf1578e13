// Products of a constant matrix and a two-dimensional expression E, and the diagonals
// of such products.
//
// The matrix comes as sorted triplets (msubi, msubj, mval), as a linear pattern (msp,
// mcof) or dense (mval, row-major). Products whose size depends on the sparsity are run
// as a count pass and a build pass; both walk the operands through one shared routine
// (the walkers below), so that they visit the same pairs in the same order and always
// agree. The counting-sort kernels group matrix entries and E's stored elements by row
// or by column into bucket arrays (K + 1 int32 entries for keys 0 .. K - 1) and
// permutations, so that every result element comes from one merge of two lists sorted
// by the shared index.
//
// A result element collects, for every matched pair (E element e, matrix value v), the
// terms of e in order with coefficients times v, and v times e's constant. Terms of
// different pairs are concatenated: equal variables are not merged, zero products are
// kept.
#include "kernels/expr/matprod.h"

namespace fragments::expr {
namespace {

// Entries a[base + j] .. a[base + j + 1] - 1 of a bucket array (or row pointers).
inline TermRange bucket(Vec<const int32_t> a, int32_t base, int64_t j) { return terms_of(a, base, j); }

inline void bump(Vec<int32_t> a, int64_t at) { a[at] = add32(a[at], 1); }

// ---- Counting sort, one step per routine --------------------------------------------

// a[base .. base + n] = 0 (n + 1 entries).
void zero_buckets(Vec<int32_t> a, int32_t base, int32_t n) {
  for (int64_t j = 0; j <= n; ++j) a[int64_t{base} + j] = 0;
}

// a[base + 1 + key(k)] += 1 for k < count.
template <class Key>
void count_keys(Vec<int32_t> a, int32_t base, int32_t count, Key key) {
  for (int32_t k = 0; k < count; ++k) bump(a, add64(int64_t{base} + 1, key(k)));
}

// a[base + j + 1] += a[base + j] for j < n.
void prefix_sum(Vec<int32_t> a, int32_t base, int32_t n) {
  for (int64_t j = int64_t{base}; j < int64_t{base} + n; ++j) a[j + 1] = add32(a[j + 1], a[j]);
}

// For k < count in order: a[permbase + a[cursor + key(k)]] = k, then that cursor += 1.
template <class Key>
void scatter_keys(Vec<int32_t> a, int32_t cursor, int32_t permbase, int32_t count, Key key) {
  for (int32_t k = 0; k < count; ++k) {
    const int64_t at = int64_t{cursor} + key(k);
    a[int64_t{permbase} + a[at]] = k;
    bump(a, at);
  }
}

// After a scatter, entry base + j of a bucket array holds the end of bucket j: shifts the
// ends back by one (a[base + j] = a[base + j - 1] for j = n down to 1) and starts bucket 0
// at a[base] = 0, so that entry j is again the start of bucket j.
void shift_back(Vec<int32_t> a, int32_t base, int32_t n) {
  for (int64_t j = int64_t{base} + n; j > base; --j) a[j] = a[j - 1];
  a[base] = 0;
}

// Keys of a sparse E's stored elements: row sp / d or column sp mod d.
struct RowKey {
  Vec<const int64_t> sp;
  int32_t d;
  int64_t operator()(int64_t k) const { return div64(sp[k], d); }
};
struct ColumnKey {
  Vec<const int64_t> sp;
  int32_t d;
  int64_t operator()(int64_t k) const { return rem64(sp[k], d); }
};
// Key of a matrix entry: its row or column index.
struct IndexKey {
  Vec<const int32_t> sub;
  int64_t operator()(int64_t k) const { return sub[k]; }
};

// ---- The result being built -----------------------------------------------------------

// E's row pointers alone: all that a count pass reads.
RecordIn row_pointers(Vec<const int32_t> wi32, int32_t ptrbase) { return RecordIn{{}, wi32.from(ptrbase), {}, {}, {}, {}}; }

// A result record written from the running counts rnelem and rnnz.
RecordWriter builder(Vec<int32_t> ri32, Vec<int64_t> ri64, Vec<double> rf64, int32_t rptrbase, int32_t rnidxsbase,
                     int32_t rcofbase, int32_t rbfixbase, int32_t rnelem, int32_t rnnz) {
  return RecordWriter{result_record(ri32, ri64, rf64, rptrbase, rnidxsbase, rcofbase, rbfixbase), rnelem, rnnz};
}
// A sparse result with sp at rspbase.
RecordWriter sparse_builder(Vec<int32_t> ri32, Vec<int64_t> ri64, Vec<double> rf64, int32_t rptrbase,
                            int32_t rnidxsbase, int32_t rcofbase, int32_t rbfixbase, int32_t rspbase, int32_t rnelem,
                            int32_t rnnz) {
  return RecordWriter{sparse_result_record(ri32, ri64, rf64, rptrbase, rnidxsbase, rcofbase, rbfixbase, rspbase),
                      rnelem, rnnz};
}

// A fresh sparse result: ptr[0] = 0, counts from 0.
RecordWriter fresh_builder(Vec<int32_t> ri32, Vec<int64_t> ri64, Vec<double> rf64, int32_t rptrbase,
                           int32_t rnidxsbase, int32_t rcofbase, int32_t rbfixbase, int32_t rspbase) {
  RecordWriter out = sparse_builder(ri32, ri64, rf64, rptrbase, rnidxsbase, rcofbase, rbfixbase, rspbase, 0, 0);
  out.start();
  return out;
}

// ---- Merges and walkers, shared by count and build passes ---------------------------
//
// A walker visits the result positions of one product in result order. For each it
// calls match(e, t) for every (E element, matrix value position) that meets there, in
// merge order, and then done(linear, keep): keep says whether the position is stored.

// Runs a walker as a count pass from the running counts: each match adds the E
// element's term count, each kept position one element.
template <class Terms, class Walk>
std::tuple<int32_t, Terms> count_pass(const RecordIn& E, int32_t rnelem, Terms rnnz, Walk walk) {
  int32_t nelem = rnelem;
  Terms nnz = rnnz;
  walk(
      [&](int64_t e, int64_t) {
        if constexpr (std::is_same_v<Terms, int64_t>)
          nnz = add64(nnz, E.length(e));
        else
          nnz = add32(nnz, static_cast<int32_t>(E.length(e)));
      },
      [&](int64_t, bool keep) {
        if (keep) nelem = add32(nelem, 1);
      });
  return {nelem, nnz};
}

// Runs a walker as a build pass: each match appends E element e times v = mval[t] (its
// terms scaled, v times its constant added to the element's), each kept position is
// written. Returns the new running counts.
template <class Walk>
std::tuple<int32_t, int32_t> build_pass(const RecordIn& E, Vec<const double> mval, RecordWriter& out, Walk walk) {
  double constant = 0.0;
  walk(
      [&](int64_t e, int64_t t) { constant += append_scaled(out, E, e, mval[t]); },
      [&](int64_t linear, bool keep) {
        if (!keep) return;
        out.close(constant, linear);
        constant = 0.0;
      });
  return out.counts();
}

// One side of a merge: positions first .. end - 1, item(position) gives the item (an E
// element or a matrix entry), key(item) its index in the shared dimension. Keys
// increase along the positions.
template <class Item, class Key>
struct Side {
  TermRange range;
  Item item;
  Key key;
};
template <class Item, class Key>
Side<Item, Key> side(TermRange range, Item item, Key key) {
  return Side<Item, Key>{range, item, key};
}

// Position p itself, or the entry at p of a permutation run.
struct Direct {
  int64_t operator()(int64_t p) const { return p; }
};
struct Permuted {
  Vec<const int32_t> a;
  int32_t base;
  int64_t operator()(int64_t p) const { return a[int64_t{base} + p]; }
};

// Merges E's list with M's list; calls match(e, t) for every pair with equal keys (and
// advances both). Returns whether any pair matched.
template <class EItem, class EKey, class MItem, class MKey, class Match>
bool merge(const Side<EItem, EKey>& es, const Side<MItem, MKey>& ms, Match match) {
  const auto e_key = [&](int64_t a) { return es.key(es.item(a)); };
  const auto m_key = [&](int64_t b) { return ms.key(ms.item(b)); };
  const auto pair = [&](int64_t a, int64_t b) { match(es.item(a), ms.item(b)); };
  return merge_equal_keys(es.range.first, es.range.end, e_key, ms.range.first, ms.range.end, m_key, pair) > 0;
}

// Sparse E (m × n, stored elements grouped by row through the bucket array erowptr on
// a32) times M (n × p, entries grouped by column through mcolptr and mperm on a32, rows
// in msubi): position (i, c) merges E's row i with M's column c; kept when a pair met.
template <class Match, class Done>
void walk_sparse_times_sparse(int32_t m, int32_t n, int32_t p, Vec<const int32_t> a32, int32_t erowptr,
                              Vec<const int64_t> sp, int32_t mcolptr, int32_t mperm, Vec<const int32_t> msubi,
                              Match match, Done done) {
  if (!all_positive(m, p)) return;
  for (int32_t i = 0; i < m; ++i)
    for (int32_t c = 0; c < p; ++c) {
      const bool matched = merge(side(bucket(a32, erowptr, i), Direct{}, ColumnKey{sp, n}),
                                 side(bucket(a32, mcolptr, c), Permuted{a32, mperm}, IndexKey{msubi}), match);
      done(add64(mul64(i, p), c), matched);
    }
}

// Dense E (m × n) times M (n × p, entries grouped by column through mcolptr and mperm on
// a32): position (i, c) meets E element i n + msubi[t] for every entry t of column c in
// bucket order; every position is kept.
template <class Match, class Done>
void walk_dense_times_sparse(int32_t m, int32_t n, int32_t p, Vec<const int32_t> a32, int32_t mcolptr, int32_t mperm,
                             Vec<const int32_t> msubi, Match match, Done done) {
  if (!all_positive(m, p)) return;
  for (int32_t i = 0; i < m; ++i)
    for (int32_t c = 0; c < p; ++c) {
      const TermRange column = bucket(a32, mcolptr, c);
      for (int64_t q = column.first; q < column.end; ++q) {
        const int32_t t = a32[int64_t{mperm} + q];
        match(add64(mul64(i, n), msubi[t]), t);
      }
      done(add64(mul64(i, p), c), true);
    }
}

// E (m × n; dense, or sparse with its rows grouped at a32[erowptr]) times the dense
// n × p matrix: position (i, c) meets every stored element (i, k) of E's row i in order,
// with matrix value k p + c; every position is kept.
template <class Match, class Done>
void walk_times_dense(int32_t m, int32_t n, int32_t p, bool sparse, Vec<const int32_t> a32, int32_t erowptr,
                      Vec<const int64_t> sp, Match match, Done done) {
  if (!all_positive(m, p)) return;
  for (int32_t i = 0; i < m; ++i)
    for (int32_t c = 0; c < p; ++c) {
      if (sparse) {
        const TermRange row = bucket(a32, erowptr, i);
        for (int64_t e = row.first; e < row.end; ++e) match(e, add64(mul64(rem64(sp[e], n), p), c));
      } else {
        for (int32_t k = 0; k < n; ++k) match(add64(mul64(i, n), k), add64(mul64(k, p), c));
      }
      done(add64(mul64(i, p), c), true);
    }
}

// Diagonal of sparse E (m × n, grouped by row through erowptr) times M (grouped by
// column): position r merges E's row r with M's column r; kept when a pair met.
template <class Match, class Done>
void walk_diag_sparse_times_sparse(int32_t m, int32_t n, Vec<const int32_t> wi32, int32_t erowptr,
                                   Vec<const int64_t> sp, int32_t mcolptr, int32_t mperm, Vec<const int32_t> msubi,
                                   Match match, Done done) {
  for (int32_t r = 0; r < m; ++r)
    done(r, merge(side(bucket(wi32, erowptr, r), Direct{}, ColumnKey{sp, n}),
                  side(bucket(wi32, mcolptr, r), Permuted{wi32, mperm}, IndexKey{msubi}), match));
}

// Diagonal of dense E (m × n) times M (grouped by column): position r meets E element
// r n + msubi[t] for each entry t of M's column r. Every entry meets a stored element of
// a dense E, so the position is kept when the column has entries.
template <class Match, class Done>
void walk_diag_dense_times_sparse(int32_t m, int32_t n, Vec<const int32_t> wi32, int32_t mcolptr, int32_t mperm,
                                  Vec<const int32_t> msubi, Match match, Done done) {
  for (int32_t r = 0; r < m; ++r) {
    const TermRange column = bucket(wi32, mcolptr, r);
    for (int64_t q = column.first; q < column.end; ++q) {
      const int32_t t = wi32[int64_t{mperm} + q];
      match(add64(mul64(r, n), msubi[t]), t);
    }
    done(r, column.first < column.end);
  }
}

// Diagonal of M (rows through the row pointers mrowptr, columns msubj) times sparse E
// (n columns, grouped by column through ecolptr and eperm): position r merges E's column
// r (key: E's row) with M's row r; kept when a pair met.
template <class Match, class Done>
void walk_diag_sparse_left(int32_t m, int32_t n, Vec<const int32_t> wi32, int32_t ecolptr, int32_t eperm,
                           Vec<const int64_t> sp, int32_t mrowptr, Vec<const int32_t> msubj, Match match, Done done) {
  for (int32_t r = 0; r < m; ++r)
    done(r, merge(side(bucket(wi32, ecolptr, r), Permuted{wi32, eperm}, RowKey{sp, n}),
                  side(bucket(wi32, mrowptr, r), Direct{}, IndexKey{msubj}), match));
}

// Element-wise product of E with the pattern msp: for a dense E every pattern entry k
// meets E element msp[k]; for a sparse E (count stored elements) the entries meet the
// elements with the same linear index. A position is stored per meeting.
template <class Match, class Done>
void walk_pattern(bool sparse, Vec<const int64_t> msp, int32_t count, Vec<const int64_t> sp, Match match, Done done) {
  const int64_t entries = msp.size();
  auto meet = [&](int64_t e, int64_t k) {
    match(e, k);
    done(msp[k], true);
  };
  if (!sparse) {
    for (int64_t k = 0; k < entries; ++k) meet(msp[k], k);
    return;
  }
  merge(side(TermRange{0, count}, Direct{}, [&](int64_t e) { return sp[e]; }),
        side(TermRange{0, entries}, Direct{}, [&](int64_t k) { return msp[k]; }), meet);
}

// Calls visit(row, first, end) for each run of equal msubi among M's nnz sorted triplets.
template <class Visit>
void for_each_row_run(int32_t nnz, Vec<const int32_t> msubi, Visit visit) {
  for (int32_t first = 0; first < nnz;) {
    int32_t end = first + 1;
    while (end < nnz && msubi[end] == msubi[first]) ++end;
    visit(msubi[first], first, end);
    first = end;
  }
}

// M (nnz sorted triplets) times sparse E (q columns, grouped by column through ecolptr
// and eperm on xi32): position (i, c) for each row run i of M merges the run with E's
// column c (key: E's row); kept when a pair met.
template <class Match, class Done>
void walk_left_sparse(int32_t q, int32_t nnz, Vec<const int32_t> msubi, Vec<const int32_t> msubj,
                      Vec<const int32_t> xi32, int32_t ecolptr, int32_t eperm, Vec<const int64_t> sp, Match match,
                      Done done) {
  for_each_row_run(nnz, msubi, [&](int32_t i, int32_t first, int32_t end) {
    for (int32_t c = 0; c < q; ++c)
      done(add64(mul64(i, q), c), merge(side(bucket(xi32, ecolptr, c), Permuted{xi32, eperm}, RowKey{sp, q}),
                                        side(TermRange{first, end}, Direct{}, IndexKey{msubj}), match));
  });
}

// M (nnz sorted triplets) times dense E (q columns): position (i, c) for each row run i
// of M meets E element msubj[t] q + c for every entry t of the run; every one is kept.
template <class Match, class Done>
void walk_left_dense(int32_t q, int32_t nnz, Vec<const int32_t> msubi, Vec<const int32_t> msubj, Match match,
                     Done done) {
  for_each_row_run(nnz, msubi, [&](int32_t i, int32_t first, int32_t end) {
    for (int32_t c = 0; c < q; ++c) {
      for (int32_t t = first; t < end; ++t) match(add64(mul64(msubj[t], q), c), t);
      done(add64(mul64(i, q), c), true);
    }
  });
}

}  // namespace

// ---- Counting-sort kernels ----------------------------------------------------------

// Groups M's nnz entries by column: wi32[ptrbase .. ptrbase + ncols] becomes the bucket
// array (entry j = first position of column j, entry ncols = nnz) and wi32[permbase ..
// permbase + nnz - 1] the entry numbers in column order, increasing within a column.
void sort_entries_by_column(int32_t ptrbase, int32_t ncols, int32_t nnz, int32_t permbase, Vec<const int32_t> msubj,
                            Vec<int32_t> wi32) {
  zero_buckets(wi32, ptrbase, ncols);
  count_keys(wi32, ptrbase, nnz, IndexKey{msubj});
  prefix_sum(wi32, ptrbase, ncols);
  scatter_keys(wi32, ptrbase, permbase, nnz, IndexKey{msubj});
  shift_back(wi32, ptrbase, ncols);
}

// Sets the n + 1 entries wi32[base .. base + n] to 0.
void zero_work_buckets(int32_t n, int32_t base, Vec<int32_t> wi32) { zero_buckets(wi32, base, n); }
void zero_work_buckets_base_first(int32_t base, int32_t n, Vec<int32_t> wi32) { zero_buckets(wi32, base, n); }
// The same on the scratch stack.
void zero_scratch_buckets(int32_t n, int32_t base, Vec<int32_t> xi32) { zero_buckets(xi32, base, n); }
void zero_scratch_buckets_base_first(int32_t base, int32_t n, Vec<int32_t> xi32) { zero_buckets(xi32, base, n); }
void zero_scratch_buckets_array_first(int32_t n, Vec<int32_t> xi32, int32_t base) { zero_buckets(xi32, base, n); }

// Counts the count stored elements of a sparse E by row (sp / d): wi32[base + 1 + row] += 1.
void count_elements_by_row(int32_t d, int32_t count, int32_t base, int32_t spbase, Vec<int32_t> wi32,
                           Vec<const int64_t> wi64) {
  count_keys(wi32, base, count, RowKey{wi64.from(spbase), d});
}
// By column (sp mod d): wi32[base + 1 + column] += 1.
void count_elements_by_column(int32_t base, int32_t d, int32_t count, int32_t spbase, Vec<int32_t> wi32,
                              Vec<const int64_t> wi64) {
  count_keys(wi32, base, count, ColumnKey{wi64.from(spbase), d});
}
// The same two, counting on the scratch stack.
void count_elements_by_row_scratch(int32_t d, int32_t count, int32_t base, int32_t spbase, Vec<const int64_t> wi64,
                                   Vec<int32_t> xi32) {
  count_keys(xi32, base, count, RowKey{wi64.from(spbase), d});
}
void count_elements_by_column_scratch(int32_t d, int32_t base, int32_t count, int32_t spbase, Vec<const int64_t> wi64,
                                      Vec<int32_t> xi32) {
  count_keys(xi32, base, count, ColumnKey{wi64.from(spbase), d});
}

// Counts M's nnz entries by row: wi32[base + 1 + msubi[k]] += 1.
void count_entries_by_row(int32_t nnz, int32_t base, Vec<const int32_t> msubi, Vec<int32_t> wi32) {
  count_keys(wi32, base, nnz, IndexKey{msubi});
}
// By column, on the scratch stack: xi32[base + 1 + msubj[k]] += 1.
void count_entries_by_column(int32_t base, int32_t nnz, Vec<const int32_t> msubj, Vec<int32_t> xi32) {
  count_keys(xi32, base, nnz, IndexKey{msubj});
}

// Prefix sum over a bucket array: wi32[base + j + 1] += wi32[base + j] for j < n.
void prefix_sum_work(int32_t n, int32_t base, Vec<int32_t> wi32) { prefix_sum(wi32, base, n); }
void prefix_sum_work_base_first(int32_t base, int32_t n, Vec<int32_t> wi32) { prefix_sum(wi32, base, n); }
void prefix_sum_scratch(int32_t n, int32_t base, Vec<int32_t> xi32) { prefix_sum(xi32, base, n); }
void prefix_sum_scratch_base_first(int32_t base, int32_t n, Vec<int32_t> xi32) { prefix_sum(xi32, base, n); }

// Scatters the count stored elements of a sparse E by column (sp mod d): element k goes
// to wi32[permbase + wi32[cursor + column]], and that cursor advances.
void scatter_elements_by_column(int32_t cursor, int32_t d, int32_t count, int32_t permbase, int32_t spbase,
                                Vec<int32_t> wi32, Vec<const int64_t> wi64) {
  scatter_keys(wi32, cursor, permbase, count, ColumnKey{wi64.from(spbase), d});
}
// The same on the scratch stack.
void scatter_elements_by_column_scratch(int32_t d, int32_t permbase, int32_t cursor, int32_t count, int32_t spbase,
                                        Vec<const int64_t> wi64, Vec<int32_t> xi32) {
  scatter_keys(xi32, cursor, permbase, count, ColumnKey{wi64.from(spbase), d});
}

// For each of M's nnz entries k: xi32[posbase + k] = its position in column order
// (the cursor of column msubj[k], which then advances). This is the inverse of the
// permutation mperm that the products read: entry k stands at mperm + xi32[posbase + k].
void entry_positions_by_column(int32_t cursor, int32_t nnz, int32_t posbase, Vec<const int32_t> msubj,
                               Vec<int32_t> xi32) {
  for (int32_t k = 0; k < nnz; ++k) {
    const int64_t at = int64_t{cursor} + msubj[k];
    xi32[int64_t{posbase} + k] = xi32[at];
    bump(xi32, at);
  }
}

// Shifts a bucket array back by one after a scatter: entry base + j = entry base + j - 1
// for j = n down to 1, then entry base = 0. The n + 1 entries from base are then the
// bucket array again (entry j the start of bucket j), as the whole sort leaves it.
void shift_back_work(int32_t base, int32_t n, Vec<int32_t> wi32) { shift_back(wi32, base, n); }
void shift_back_scratch(int32_t base, int32_t n, Vec<int32_t> xi32) { shift_back(xi32, base, n); }
void shift_back_scratch_count_first(int32_t n, int32_t base, Vec<int32_t> xi32) { shift_back(xi32, base, n); }

// count plus the number of non-empty buckets j < n of wi32[base ..].
int32_t count_nonempty_buckets(int32_t n, int32_t base, int32_t count, Vec<const int32_t> wi32) {
  for (int32_t j = 0; j < n; ++j) {
    const TermRange b = bucket(wi32, base, j);
    if (b.first < b.end) count = add32(count, 1);
  }
  return count;
}

// ---- Checks of a matrix -------------------------------------------------------------

namespace {
bool triplet_out_of_range(int32_t nrows, int32_t ncols, Vec<const int32_t> msubi, Vec<const int32_t> msubj,
                          int64_t k) {
  return msubi[k] < 0 || msubi[k] >= nrows || msubj[k] < 0 || msubj[k] >= ncols;
}
// Whether triplet k + 1 does not come strictly after triplet k in (row, column) order.
bool triplets_not_increasing_at(Vec<const int32_t> msubi, Vec<const int32_t> msubj, int64_t k) {
  return msubi[k + 1] < msubi[k] || (msubi[k + 1] == msubi[k] && msubj[k + 1] <= msubj[k]);
}
}  // namespace

// (badrange or some triplet outside nrows × ncols, unsorted or some consecutive pair not
// strictly increasing in (row, column)), over all nnz triplets.
std::tuple<bool, bool> check_triplets(int32_t badrange, int32_t unsorted, int32_t nrows, int32_t ncols, int32_t nnz,
                                      Vec<const int32_t> msubi, Vec<const int32_t> msubj) {
  bool out = badrange != 0, disorder = unsorted != 0;
  for (int32_t k = 0; k < nnz; ++k) {
    out = triplet_out_of_range(nrows, ncols, msubi, msubj, k) || out;
    if (k + 1 < nnz) disorder = triplets_not_increasing_at(msubi, msubj, k) || disorder;
  }
  return {out, disorder};
}

// True when all nnz triplets lie inside nrows × ncols. `result` is not read.
bool triplets_in_range(int32_t /*result*/, int32_t nrows, int32_t ncols, int32_t nnz, Vec<const int32_t> msubi,
                       Vec<const int32_t> msubj) {
  for (int32_t k = 0; k < nnz; ++k)
    if (triplet_out_of_range(nrows, ncols, msubi, msubj, k)) return false;
  return true;
}

// True when the nnz triplets strictly increase in (row, column). `result` is not read.
bool triplets_increasing(int32_t /*result*/, int32_t nnz, Vec<const int32_t> msubi, Vec<const int32_t> msubj) {
  for (int32_t k = 0; k + 1 < nnz; ++k)
    if (triplets_not_increasing_at(msubi, msubj, k)) return false;
  return true;
}

// (badrange or some msp entry outside [0, size), unsorted or some msp[k + 1] <= msp[k]),
// over all entries of msp.
std::tuple<bool, bool> check_pattern(int32_t badrange, int32_t unsorted, Vec<const int64_t> msp, int64_t size) {
  bool out = badrange != 0, disorder = unsorted != 0;
  for (int64_t k = 0; k < msp.size(); ++k) {
    out = msp[k] < 0 || msp[k] >= size || out;
    if (k + 1 < msp.size()) disorder = msp[k + 1] <= msp[k] || disorder;
  }
  return {out, disorder};
}

// ---- Sparse E times sparse M --------------------------------------------------------

// Count pass of the product below: rnelem plus the positions (i, c) with a matched pair,
// rnnz plus the term counts of the matched E elements.
std::tuple<int32_t, int64_t> count_sparse_times_sparse(int32_t m, int32_t n, int32_t ptrbase, int32_t erowptr,
                                                       int32_t spbase, int32_t mcolptr, int32_t p, int32_t mperm,
                                                       Vec<const int32_t> msubi, int32_t rnelem, int64_t rnnz,
                                                       Vec<const int32_t> wi32, Vec<const int64_t> wi64,
                                                       Vec<const int32_t> xi32) {
  return count_pass(row_pointers(wi32, ptrbase), rnelem, rnnz, [&](auto match, auto done) {
    walk_sparse_times_sparse(m, n, p, xi32, erowptr, wi64.from(spbase), mcolptr, mperm, msubi, match, done);
  });
}

// Sparse E (m × n; rows grouped at xi32[erowptr]) times M (n × p; columns grouped at
// xi32[mcolptr], permutation at xi32[mperm]), appended to a sparse result from the
// running counts rnelem and rnnz: one element per position (i, c) with at least one
// matched pair, sp = i p + c. ri32[rptrbase] is the caller's. Returns the new counts.
//
// mcolptr and mperm come from sort_entries_by_column (_c_closure_294) run on xi32 (ptrbase
// = mcolptr, permbase = mperm), or from the steps on xi32: zero, count_entries_by_column,
// prefix sum, entry_positions_by_column (_c_closure_326), shift back. The steps write each
// entry's position in column order, not mperm: the caller inverts them,
// xi32[mperm + xi32[posbase + k]] = k for k < nnz.
std::tuple<int32_t, int32_t> sparse_times_sparse(int32_t bfixbase, int32_t cofbase, int32_t m, int32_t n,
                                                 int32_t nidxsbase, int32_t ptrbase, int32_t erowptr, int32_t spbase,
                                                 int32_t mcolptr, int32_t p, int32_t mperm, Vec<const int32_t> msubi,
                                                 Vec<const double> mval, int32_t rbfixbase, int32_t rcofbase,
                                                 int32_t rnelem, Vec<double> rf64, Vec<int32_t> ri32,
                                                 Vec<int64_t> ri64, int32_t rnidxsbase, int32_t rnnz,
                                                 int32_t rptrbase, int32_t rspbase, Vec<const double> wf64,
                                                 Vec<const int32_t> wi32, Vec<const int64_t> wi64,
                                                 Vec<const int32_t> xi32) {
  const RecordIn E = operand_record(wi32, wi64, wf64, ptrbase, nidxsbase, cofbase, bfixbase);
  RecordWriter out = sparse_builder(ri32, ri64, rf64, rptrbase, rnidxsbase, rcofbase, rbfixbase, rspbase, rnelem, rnnz);
  return build_pass(E, mval, out, [&](auto match, auto done) {
    walk_sparse_times_sparse(m, n, p, xi32, erowptr, wi64.from(spbase), mcolptr, mperm, msubi, match, done);
  });
}

// ---- Dense E times sparse M ---------------------------------------------------------

// Count pass of the product below: rnnz plus the term counts of all visited E elements.
int32_t count_dense_times_sparse(int32_t m, int32_t n, int32_t ptrbase, int32_t mcolptr, int32_t p, int32_t mperm,
                                 Vec<const int32_t> msubi, int32_t rnnz, Vec<const int32_t> wi32,
                                 Vec<const int32_t> xi32) {
  // E without columns meets no entry of M. Otherwise E's ptr run has m × n + 1 entries,
  // whether or not M's columns reach them all.
  if (n <= 0) return rnnz;
  wi32.from(ptrbase).expect_size(add64(mul64(m, n), 1));
  const auto counts = count_pass(row_pointers(wi32, ptrbase), 0, rnnz, [&](auto match, auto done) {
    walk_dense_times_sparse(m, n, p, xi32, mcolptr, mperm, msubi, match, done);
  });
  return std::get<1>(counts);
}

// Dense E (m × n) times M (n × p; columns grouped at xi32[mcolptr], permutation at
// xi32[mperm], built as for sparse_times_sparse), appended from the running counts: every
// (i, c) is written, with sp = i p + c, also when column c of M is empty. ri32[rptrbase]
// is the caller's.
std::tuple<int32_t, int32_t> dense_times_sparse(int32_t bfixbase, int32_t cofbase, int32_t m, int32_t n,
                                                int32_t nidxsbase, int32_t ptrbase, int32_t mcolptr, int32_t p,
                                                int32_t mperm, Vec<const int32_t> msubi, Vec<const double> mval,
                                                int32_t rbfixbase, int32_t rcofbase, int32_t rnelem, Vec<double> rf64,
                                                Vec<int32_t> ri32, Vec<int64_t> ri64, int32_t rnidxsbase, int32_t rnnz,
                                                int32_t rptrbase, int32_t rspbase, Vec<const double> wf64,
                                                Vec<const int32_t> wi32, Vec<const int64_t> wi64,
                                                Vec<const int32_t> xi32) {
  const RecordIn E = operand_record(wi32, wi64, wf64, ptrbase, nidxsbase, cofbase, bfixbase);
  RecordWriter out = sparse_builder(ri32, ri64, rf64, rptrbase, rnidxsbase, rcofbase, rbfixbase, rspbase, rnelem, rnnz);
  return build_pass(E, mval, out, [&](auto match, auto done) {
    walk_dense_times_sparse(m, n, p, xi32, mcolptr, mperm, msubi, match, done);
  });
}

// ---- E times a dense matrix ---------------------------------------------------------

// E (m × n; dense, or sparse with count stored elements) times the dense n × p matrix
// mval, appended densely (no sp) from the running counts: every (i, c) is written,
// zero matrix values included. A sparse E is first grouped by row into the bucket array
// xi32[erowptr .. erowptr + m], which the caller zero-fills. ri32[rptrbase] is the
// caller's. Returns the new counts.
std::tuple<int32_t, int32_t> times_dense_matrix(int32_t bfixbase, int32_t cofbase, int32_t m, int32_t n,
                                                int32_t sparse, int32_t nidxsbase, int32_t count, int32_t ptrbase,
                                                int32_t spbase, int32_t p, Vec<const double> mval, int32_t rbfixbase,
                                                int32_t rcofbase, int32_t rnelem, Vec<double> rf64, Vec<int32_t> ri32,
                                                Vec<int64_t> ri64, int32_t rnidxsbase, int32_t rnnz, int32_t rptrbase,
                                                Vec<const double> wf64, Vec<const int32_t> wi32,
                                                Vec<const int64_t> wi64, Vec<int32_t> xi32, int32_t erowptr) {
  const RecordIn E = operand_record(wi32, wi64, wf64, ptrbase, nidxsbase, cofbase, bfixbase);
  const Vec<const int64_t> sp = wi64.from(spbase);
  RecordWriter out = builder(ri32, ri64, rf64, rptrbase, rnidxsbase, rcofbase, rbfixbase, rnelem, rnnz);
  if (sparse) {
    count_keys(xi32, erowptr, count, RowKey{sp, n});
    prefix_sum(xi32, erowptr, m);
  }
  return build_pass(E, mval, out, [&](auto match, auto done) {
    walk_times_dense(m, n, p, sparse != 0, xi32, erowptr, sp, match, done);
  });
}

// ---- Diagonals of E M ---------------------------------------------------------------

// Count pass of the diagonal below: rnelem plus the rows r with a matched pair, rnnz plus
// the term counts of the matched E elements.
std::tuple<int32_t, int32_t> count_diag_sparse_times_sparse(int32_t m, int32_t n, int32_t ptrbase, int32_t erowptr,
                                                            int32_t spbase, int32_t mcolptr, int32_t mperm,
                                                            Vec<const int32_t> msubi, int32_t rnelem, int32_t rnnz,
                                                            Vec<const int32_t> wi32, Vec<const int64_t> wi64) {
  return count_pass(row_pointers(wi32, ptrbase), rnelem, rnnz, [&](auto match, auto done) {
    walk_diag_sparse_times_sparse(m, n, wi32, erowptr, wi64.from(spbase), mcolptr, mperm, msubi, match, done);
  });
}

// The diagonal of sparse E (m × n; rows grouped at wi32[erowptr]) times M (columns
// grouped at wi32[mcolptr], permutation at wi32[mperm]): a fresh sparse vector whose
// element r = sum over k of E(r, k) M(k, r) is stored when some pair matched. Writes
// ri32[rptrbase] = 0.
void diag_sparse_times_sparse(int32_t bfixbase, int32_t cofbase, int32_t m, int32_t n, int32_t nidxsbase,
                              int32_t ptrbase, int32_t erowptr, int32_t spbase, int32_t mcolptr, int32_t mperm,
                              Vec<const int32_t> msubi, Vec<const double> mval, int32_t rbfixbase, int32_t rcofbase,
                              Vec<double> rf64, Vec<int32_t> ri32, Vec<int64_t> ri64, int32_t rnidxsbase,
                              int32_t rptrbase, int32_t rspbase, Vec<const double> wf64, Vec<const int32_t> wi32,
                              Vec<const int64_t> wi64) {
  const RecordIn E = operand_record(wi32, wi64, wf64, ptrbase, nidxsbase, cofbase, bfixbase);
  RecordWriter out = fresh_builder(ri32, ri64, rf64, rptrbase, rnidxsbase, rcofbase, rbfixbase, rspbase);
  build_pass(E, mval, out, [&](auto match, auto done) {
    walk_diag_sparse_times_sparse(m, n, wi32, erowptr, wi64.from(spbase), mcolptr, mperm, msubi, match, done);
  });
}

// Count pass of the diagonal below: rnelem plus the rows r whose column of M has
// entries, rnnz plus the term counts of the E elements they meet.
std::tuple<int32_t, int32_t> count_diag_dense_times_sparse(int32_t m, int32_t n, int32_t ptrbase, int32_t mcolptr,
                                                           int32_t mperm, Vec<const int32_t> msubi, int32_t rnelem,
                                                           int32_t rnnz, Vec<const int32_t> wi32) {
  return count_pass(row_pointers(wi32, ptrbase), rnelem, rnnz, [&](auto match, auto done) {
    walk_diag_dense_times_sparse(m, n, wi32, mcolptr, mperm, msubi, match, done);
  });
}

// The diagonal of dense E (m × n) times M (columns grouped at wi32[mcolptr], permutation
// at wi32[mperm]): a fresh sparse vector storing element r when column r of M has
// entries, also when they meet only constants. Writes ri32[rptrbase] = 0.
void diag_dense_times_sparse(int32_t bfixbase, int32_t cofbase, int32_t m, int32_t n, int32_t nidxsbase,
                             int32_t ptrbase, int32_t mcolptr, int32_t mperm, Vec<const int32_t> msubi,
                             Vec<const double> mval, int32_t rbfixbase, int32_t rcofbase, Vec<double> rf64,
                             Vec<int32_t> ri32, Vec<int64_t> ri64, int32_t rnidxsbase, int32_t rptrbase,
                             int32_t rspbase, Vec<const double> wf64, Vec<const int32_t> wi32,
                             Vec<const int64_t> wi64) {
  const RecordIn E = operand_record(wi32, wi64, wf64, ptrbase, nidxsbase, cofbase, bfixbase);
  RecordWriter out = fresh_builder(ri32, ri64, rf64, rptrbase, rnidxsbase, rcofbase, rbfixbase, rspbase);
  build_pass(E, mval, out, [&](auto match, auto done) {
    walk_diag_dense_times_sparse(m, n, wi32, mcolptr, mperm, msubi, match, done);
  });
}

// ---- Diagonals of M E ---------------------------------------------------------------

// Count pass of the diagonal below: rnelem plus the rows r with a matched pair, rnnz plus
// the term counts of the matched E elements.
std::tuple<int32_t, int32_t> count_diag_sparse_left(int32_t ecolptr, int32_t n, int32_t eperm, int32_t ptrbase,
                                                    int32_t spbase, int32_t rnelem, int32_t rnnz, int32_t m,
                                                    int32_t mrowptr, Vec<const int32_t> msubj,
                                                    Vec<const int32_t> wi32, Vec<const int64_t> wi64) {
  return count_pass(row_pointers(wi32, ptrbase), rnelem, rnnz, [&](auto match, auto done) {
    walk_diag_sparse_left(m, n, wi32, ecolptr, eperm, wi64.from(spbase), mrowptr, msubj, match, done);
  });
}

// The diagonal of M (rows through the row pointers wi32[mrowptr ..]) times sparse E (n
// columns; grouped by column at wi32[ecolptr], permutation at wi32[eperm]): a fresh
// sparse vector whose element r = sum over k of M(r, k) E(k, r) is stored when some pair
// matched. Writes ri32[rptrbase] = 0.
void diag_sparse_left(int32_t bfixbase, int32_t cofbase, int32_t ecolptr, int32_t n, int32_t nidxsbase,
                      int32_t eperm, int32_t ptrbase, int32_t spbase, int32_t m, int32_t mrowptr,
                      Vec<const int32_t> msubj, Vec<const double> mval, int32_t rbfixbase, int32_t rcofbase,
                      Vec<double> rf64, Vec<int32_t> ri32, Vec<int64_t> ri64, int32_t rnidxsbase, int32_t rptrbase,
                      int32_t rspbase, Vec<const double> wf64, Vec<const int32_t> wi32, Vec<const int64_t> wi64) {
  const RecordIn E = operand_record(wi32, wi64, wf64, ptrbase, nidxsbase, cofbase, bfixbase);
  RecordWriter out = fresh_builder(ri32, ri64, rf64, rptrbase, rnidxsbase, rcofbase, rbfixbase, rspbase);
  build_pass(E, mval, out, [&](auto match, auto done) {
    walk_diag_sparse_left(m, n, wi32, ecolptr, eperm, wi64.from(spbase), mrowptr, msubj, match, done);
  });
}

// The terms of the diagonal of M (m rows through the row pointers wi32[mrowptr ..]) times
// dense E (n columns): element r, for each r whose row of M has entries, holds the terms
// of E(msubj[t], r) times mval[t] for the row's entries t. This product takes no operand
// constants: every constant written is 0. Writes ri32[rptrbase] = 0; the element count
// is count_nonempty_buckets over the row pointers.
void diag_dense_left(int32_t cofbase, int32_t n, int32_t nidxsbase, int32_t ptrbase, int32_t m, int32_t mrowptr,
                     Vec<const int32_t> msubj, Vec<const double> mval, int32_t rbfixbase, int32_t rcofbase,
                     Vec<double> rf64, Vec<int32_t> ri32, Vec<int64_t> ri64, int32_t rnidxsbase, int32_t rptrbase,
                     int32_t rspbase, Vec<const double> wf64, Vec<const int32_t> wi32, Vec<const int64_t> wi64) {
  const RecordIn E{{}, wi32.from(ptrbase), wi64.from(nidxsbase), wf64.from(cofbase), {}, {}};
  RecordWriter out = fresh_builder(ri32, ri64, rf64, rptrbase, rnidxsbase, rcofbase, rbfixbase, rspbase);
  for (int32_t r = 0; r < m; ++r) {
    const TermRange row = bucket(wi32, mrowptr, r);
    if (row.first >= row.end) continue;
    for (int64_t t = row.first; t < row.end; ++t) out.append(E, add64(mul64(msubj[t], n), r), mval[t]);
    out.close(0.0, r);
  }
}

// ---- Element-wise product with a linear pattern -------------------------------------

// Count pass of the product below, from the running counts: a dense E gives one element
// per pattern entry (rnelem is replaced by their number), a sparse E one per position
// stored in both; rnnz grows by the term counts of the selected E elements.
std::tuple<int32_t, int32_t> count_pattern_product(int32_t sparse, Vec<const int64_t> msp, int32_t count,
                                                   int32_t ptrbase, int32_t rnelem, int32_t rnnz, int32_t spbase,
                                                   Vec<const int32_t> wi32, Vec<const int64_t> wi64) {
  return count_pass(row_pointers(wi32, ptrbase), sparse ? rnelem : 0, rnnz, [&](auto match, auto done) {
    walk_pattern(sparse != 0, msp, count, wi64.from(spbase), match, done);
  });
}

// E (nd dimensions; dense, or sparse with count stored elements) times the constant of
// the same shape given by the pattern msp with values mcof, element-wise: a fresh sparse
// record of E's shape (shape copied to ri32[rshapebase]) with one element per pattern
// entry (dense E) or per position stored in both (sparse E). Writes ri32[rptrbase] = 0.
void pattern_product(int32_t bfixbase, int32_t cofbase, int32_t sparse, Vec<const double> mcof,
                     Vec<const int64_t> msp, int32_t nd, int32_t count, int32_t nidxsbase, int32_t ptrbase,
                     int32_t rbfixbase, int32_t rcofbase, Vec<double> rf64, Vec<int32_t> ri32, Vec<int64_t> ri64,
                     int32_t rnidxsbase, int32_t rptrbase, int32_t rshapebase, int32_t rspbase, int32_t shapebase,
                     int32_t spbase, Vec<const double> wf64, Vec<const int32_t> wi32, Vec<const int64_t> wi64) {
  const RecordIn E = operand_record(wi32, wi64, wf64, ptrbase, nidxsbase, cofbase, bfixbase);
  RecordWriter out = fresh_builder(ri32, ri64, rf64, rptrbase, rnidxsbase, rcofbase, rbfixbase, rspbase);
  copy_elements(wi32.from(shapebase), ri32.from(rshapebase), nd);
  build_pass(E, mcof, out, [&](auto match, auto done) {
    walk_pattern(sparse != 0, msp, count, wi64.from(spbase), match, done);
  });
}

// ---- Scaling and a scalar times a matrix --------------------------------------------

// f64[base + k] *= factor for k < count1 + count2 (a record's cof and bfix runs when
// they stand next to each other).
void scale_run(double factor, int32_t base, Vec<double> f64, int32_t count1, int32_t count2) {
  const int64_t count = int64_t{count1} + count2;
  const Vec<double> run = f64.from(base);
  for (int64_t k = 0; k < count; ++k) run[k] *= factor;
}

// The scalar expression E (count terms at wi64[nidxsbase], wf64[cofbase], constant
// wf64[bfixbase]) times M (nnz sorted triplets, ncols columns): result element t is
// mval[t] E with sp = ncols msubi[t] + msubj[t]; elements are counted from the result
// bases, terms from the running rnnz. ri32[rptrbase] is the caller's. Returns rnnz.
int32_t scalar_times_matrix(int32_t bfixbase, int32_t cofbase, int32_t nidxsbase, int32_t rnnz, int32_t ncols,
                            int32_t nnz, Vec<const int32_t> msubi, Vec<const int32_t> msubj, Vec<const double> mval,
                            int32_t count, int32_t rbfixbase, int32_t rcofbase, Vec<double> rf64, Vec<int32_t> ri32,
                            Vec<int64_t> ri64, int32_t rnidxsbase, int32_t rptrbase, int32_t rspbase,
                            Vec<const double> wf64, Vec<const int64_t> wi64) {
  const Vec<const int64_t> nidxs = wi64.from(nidxsbase);
  const Vec<const double> cof = wf64.from(cofbase);
  const double constant = wf64[bfixbase];
  RecordWriter out = sparse_builder(ri32, ri64, rf64, rptrbase, rnidxsbase, rcofbase, rbfixbase, rspbase, 0, rnnz);
  for (int32_t t = 0; t < nnz; ++t) {
    out.terms = append_terms(nidxs, cof, TermRange{0, count}, mval[t], out.r.nidxs, out.r.cof, out.terms);
    out.close(constant * mval[t], add64(mul64(ncols, msubi[t]), msubj[t]));
  }
  return out.terms;
}

// ---- Counts of the left product M E -------------------------------------------------

// M (nnz sorted triplets) times sparse E (q columns; grouped by column at xi32[ecolptr],
// permutation at xi32[eperm]). With msparse, from the running counts: per row run of M
// and column c, the run merged with E's column c (key: E's row); a position with a
// matched pair is one element, and each match adds the E element's term count. With M
// dense (msparse = 0, m rows) every position exists and every term of E occurs once per
// row of M: returns (q m, eterms m), replacing the counts.
std::tuple<int32_t, int64_t> count_left_sparse(int32_t q, int32_t eperm, int32_t ecolptr, int32_t m, int32_t msparse,
                                               int32_t nnz, Vec<const int32_t> msubi, Vec<const int32_t> msubj,
                                               int32_t eterms, int32_t ptrbase, int32_t rnelem, int64_t rnnz,
                                               int32_t spbase, Vec<const int32_t> wi32, Vec<const int64_t> wi64,
                                               Vec<const int32_t> xi32) {
  if (!msparse) return {mul32(q, m), int64_t{eterms} * m};
  return count_pass(row_pointers(wi32, ptrbase), rnelem, rnnz, [&](auto match, auto done) {
    walk_left_sparse(q, nnz, msubi, msubj, xi32, ecolptr, eperm, wi64.from(spbase), match, done);
  });
}

// M (nnz sorted triplets) times dense E (q columns), from the running counts: every
// column c of every row run of M is one element, holding the terms of E(msubj[t], c)
// for the run's entries t. m, msparse and eterms are not read: with a dense E the
// product is built from M's triplets whatever M's form.
std::tuple<int32_t, int64_t> count_left_dense(int32_t q, int32_t /*m*/, int32_t /*msparse*/, int32_t nnz,
                                              Vec<const int32_t> msubi, Vec<const int32_t> msubj,
                                              int32_t /*eterms*/, int32_t ptrbase, int32_t rnelem, int64_t rnnz,
                                              Vec<const int32_t> wi32) {
  return count_pass(row_pointers(wi32, ptrbase), rnelem, rnnz,
                    [&](auto match, auto done) { walk_left_dense(q, nnz, msubi, msubj, match, done); });
}

}  // namespace fragments::expr

TOPIC("Products of a constant matrix and a two-dimensional expression, and their diagonals")
FRAGMENT(294, expr::sort_entries_by_column, "iiiiOO", "ptrbase", "ncols", "nnz", "permbase", "msubj", "wi32")
DOC(294, "",
    "Bucket sort of matrix entries by column, in one call: groups M's nnz entries by column "
    "msubj[k] (each in [0, ncols)) on the int32 array passed as wi32. Afterwards wi32[ptrbase + "
    "j] is the first position of column j and wi32[ptrbase + ncols] = nnz (the bucket array, "
    "ncols + 1 entries), and wi32[permbase + q], q < nnz, lists the entry numbers in column "
    "order, increasing within a column (so in increasing row for sorted triplets). This is the "
    "permutation mperm that the products read: column c's entries are t = wi32[permbase + q] "
    "for wi32[ptrbase + c] <= q < wi32[ptrbase + c + 1].\n"
    "Steps: zero, count, prefix sum, scatter, shift back with wi32[ptrbase] = 0 (the step "
    "kernels _c_closure_295 .. _c_closure_343 do the same one step per call). Writes only those "
    "ncols + 1 and nnz entries.\n"
    "Any int32 array may stand for wi32: pass the work stack's for _c_closure_298 .. "
    "_c_closure_301, or xi32 with ptrbase = mcolptr and permbase = mperm to build mcolptr and "
    "mperm on the scratch stack for _c_closure_331 .. _c_closure_334.")
FRAGMENT(295, expr::zero_work_buckets, "iiO", "n", "base", "wi32")
DOC(295, "",
    "Zero a bucket array on the work stack, the first step of a counting sort: wi32[base .. "
    "base + n] = 0 (n + 1 entries; n = -1 writes nothing). Then a count kernel (_c_closure_296, "
    "_c_closure_304, _c_closure_309) and a prefix sum (_c_closure_297). _c_closure_308 is the "
    "same with base first; _c_closure_328, _c_closure_323 and _c_closure_335 zero on the "
    "scratch stack.")
SAME_AS(303, 295)
FRAGMENT(296, expr::count_elements_by_row, "iiiiOO", "d", "count", "base", "spbase", "wi32", "wi64")
DOC(296, "",
    "Count a sparse E's stored elements by row, on the work stack: for k < count, wi32[base + 1 "
    "+ wi64[spbase + k] / d] += 1 (32-bit), d being E's number of columns (> 0 when count > 0), "
    "so the key is the element's row.\n"
    "Grouping E (m rows) by row: zero wi32[base .. base + m] (_c_closure_295), count (this), "
    "prefix-sum m entries (_c_closure_297); the result is the bucket array erowptr of "
    "_c_closure_298 and _c_closure_299 (no permutation: stored elements already stand in row "
    "order).")
FRAGMENT(297, expr::prefix_sum_work, "iiO", "n", "base", "wi32")
DOC(297, "",
    "Prefix sum of a bucket array on the work stack, in place: wi32[base + j + 1] += wi32[base "
    "+ j] for j = 0 .. n - 1 in order (32-bit wrapping), turning counts at base + 1 .. base + n "
    "into bucket starts: entry base + j becomes the number of items with key < j; wi32[base] is "
    "read, not written (0 after zeroing). n <= 0 changes nothing. _c_closure_310 is the same "
    "with base first; _c_closure_330 and _c_closure_325 work on the scratch stack.")
SAME_AS(305, 297)
FRAGMENT(298, expr::count_diag_sparse_times_sparse, "iiiiiiiOiiOO", "m", "n", "ptrbase", "erowptr", "spbase",
         "mcolptr", "mperm", "msubi", "rnelem", "rnnz", "wi32", "wi64")
DOC(298, "rnelem, rnnz",
    "Diagonal of E M for a sparse E, the count pass of _c_closure_299: E is a sparse m x n "
    "record on the work stack (ptr at wi32[ptrbase], sp at wi64[spbase]) whose stored elements "
    "are grouped by row in the bucket array wi32[erowptr ..] (m + 1 entries: _c_closure_295, "
    "_c_closure_296 with d = n, _c_closure_297); M's sorted triplets (rows msubi) are grouped "
    "by column on the work stack, bucket array wi32[mcolptr ..] and permutation wi32[mperm ..] "
    "(_c_closure_294). For each r < m, E's row r (key: its column sp mod n) is merged with M's "
    "column r (key: the entry's row msubi[t]).\n"
    "Returns (rnelem + the number of r with at least one matched pair, rnnz + the term counts "
    "of the matched E elements), 32-bit. With rnelem = rnnz = 0 these are the element and term "
    "counts of 299's fresh result.")
FRAGMENT(299, expr::diag_sparse_times_sparse, "iiiiiiiiiiOOiiOOOiiiOOO", "bfixbase", "cofbase", "m", "n",
         "nidxsbase", "ptrbase", "erowptr", "spbase", "mcolptr", "mperm", "msubi", "mval", "rbfixbase", "rcofbase",
         "rf64", "ri32", "ri64", "rnidxsbase", "rptrbase", "rspbase", "wf64", "wi32", "wi64")
DOC(299, "",
    "Diagonal of E M for a sparse E, the build pass sized by _c_closure_298: takes 298's E and "
    "grouping arguments; element r is sum over k of E(r, k) M(k, r). E's ptr, nidxs, cof, bfix "
    "and sp lie on the work stack at ptrbase, nidxsbase, cofbase, bfixbase, spbase.\n"
    "Writes a fresh sparse vector record on the result stack, ri32[rptrbase] = 0 included. For "
    "each r < m in order whose merge (as in 298) matched at least one pair (E element e, entry "
    "t), also when the matched elements carry no terms: the terms of each matched e in merge "
    "order with coefficients cof * mval[t], constant = sum of bfix[e] * mval[t], sp = r, ptr = "
    "the running term count. Equal variables are not merged; zero products are kept. The result "
    "runs (rptrbase, rnidxsbase, rcofbase, rbfixbase, rspbase) need the sizes 298 returns for "
    "rnelem = rnnz = 0.")
FRAGMENT(300, expr::count_diag_dense_times_sparse, "iiiiiOiiO", "m", "n", "ptrbase", "mcolptr", "mperm", "msubi",
         "rnelem", "rnnz", "wi32")
DOC(300, "rnelem, rnnz",
    "Diagonal of E M for a dense E, the count pass of _c_closure_301: E is a dense m x n record "
    "(ptr at wi32[ptrbase]); M's triplets (rows msubi) are grouped by column on the work stack "
    "(wi32[mcolptr ..], wi32[mperm ..]: _c_closure_294). Element r < m exists when column r of "
    "M has entries; its terms are those of the E elements r*n + msubi[t] for the column's "
    "entries t.\n"
    "Returns (rnelem + the number of such r, rnnz + their term counts), 32-bit; with 0 and 0 "
    "the sizes of 301's fresh result.")
FRAGMENT(301, expr::diag_dense_times_sparse, "iiiiiiiiOOiiOOOiiiOOO", "bfixbase", "cofbase", "m", "n", "nidxsbase",
         "ptrbase", "mcolptr", "mperm", "msubi", "mval", "rbfixbase", "rcofbase", "rf64", "ri32", "ri64",
         "rnidxsbase", "rptrbase", "rspbase", "wf64", "wi32", "wi64")
DOC(301, "",
    "Diagonal of E M for a dense E, the build pass sized by _c_closure_300: takes 300's E and "
    "grouping arguments and writes a fresh sparse vector record on the result stack, "
    "ri32[rptrbase] = 0 included. For each r < m in order whose column of M (bucket array "
    "wi32[mcolptr ..], permutation wi32[mperm ..]) has entries: for each entry t in bucket "
    "order, E element e = r*n + msubi[t] adds its terms with coefficients cof * mval[t] and "
    "bfix[e] * mval[t] to the constant; the element is written with sp = r also when it met "
    "constants only. Columns without entries give no element.")
FRAGMENT(302, expr::check_triplets, "iiiiiOO", "badrange", "unsorted", "nrows", "ncols", "nnz", "msubi", "msubj")
DOC(302, "badrange, unsorted",
    "Triplet check over all entries: returns (badrange != 0 or some k < nnz has msubi[k] "
    "outside [0, nrows) or msubj[k] outside [0, ncols), unsorted != 0 or some consecutive pair "
    "k, k + 1 < nnz is not strictly increasing in (row, column) order). A repeated position "
    "counts as unsorted. All nnz entries are scanned, no early exit; nnz <= 0 returns the flags "
    "as passed, so calls chain. _c_closure_347 is the same test with early exits.")
SAME_AS(315, 302)
SAME_AS(322, 302)
FRAGMENT(304, expr::count_entries_by_row, "iiOO", "nnz", "base", "msubi", "wi32")
DOC(304, "",
    "Count M's entries by row, on the work stack: wi32[base + 1 + msubi[k]] += 1 for k < nnz "
    "(32-bit). After zeroing wi32[base .. base + m] (_c_closure_295) and with a prefix sum of m "
    "entries (_c_closure_297) after it, the run is the row pointers mrowptr of sorted triplets "
    "(row r's entries are the triplets wi32[mrowptr + r] .. wi32[mrowptr + r + 1] - 1), which "
    "_c_closure_306, _c_closure_307, _c_closure_313 and _c_closure_314 read.")
FRAGMENT(306, expr::count_nonempty_buckets, "iiiO", "n", "base", "count", "wi32")
DOC(306, "count",
    "Non-empty buckets, the element count of _c_closure_307: returns count plus the number of j "
    "< n with wi32[base + j] < wi32[base + j + 1] (32-bit wrapping); n <= 0 returns count. Over "
    "M's row pointers (n = m, base = mrowptr, count = 0) it is the number of rows of M with "
    "entries.")
FRAGMENT(307, expr::diag_dense_left, "iiiiiiOOiiOOOiiiOOO", "cofbase", "n", "nidxsbase", "ptrbase", "m", "mrowptr",
         "msubj", "mval", "rbfixbase", "rcofbase", "rf64", "ri32", "ri64", "rnidxsbase", "rptrbase", "rspbase", "wf64",
         "wi32", "wi64")
DOC(307, "",
    "Diagonal of M E for a dense E, the build pass whose element count _c_closure_306 gives: "
    "M's sorted triplets have row pointers wi32[mrowptr .. mrowptr + m] (_c_closure_295, "
    "_c_closure_304, _c_closure_297), columns msubj and values mval; E is dense with n >= m "
    "columns on the work stack (ptr at wi32[ptrbase], nidxs at wi64[nidxsbase], cof at "
    "wf64[cofbase]).\n"
    "Writes a fresh sparse vector record on the result stack, ri32[rptrbase] = 0 included: for "
    "each r < m in order whose row of M has entries, element r holds the terms of E element "
    "msubj[t]*n + r with coefficients cof * mval[t] for the row's entries t in order, constant "
    "0.0 (E's constants are not taken; there is no bfixbase) and sp = r.\n"
    "No kernel counts the terms: each E element meets at most one entry of M, so E's term count "
    "is enough room for nidxs and cof; the count written is ri32[rptrbase + nelem].")
FRAGMENT(308, expr::zero_work_buckets_base_first, "iiO", "base", "n", "wi32")
DOC(308, "",
    "Zero a bucket array on the work stack, base first: wi32[base .. base + n] = 0 (n + 1 "
    "entries; n = -1 writes nothing), as _c_closure_295.")
FRAGMENT(309, expr::count_elements_by_column, "iiiiOO", "base", "d", "count", "spbase", "wi32", "wi64")
DOC(309, "",
    "Count a sparse E's stored elements by column, on the work stack: for k < count, wi32[base "
    "+ 1 + wi64[spbase + k] mod d] += 1 (32-bit), d being E's number of columns (> 0 when count "
    "> 0).\n"
    "Grouping E by column (d buckets): zero d + 1 entries (_c_closure_308), count (this), "
    "prefix-sum d entries (_c_closure_310), scatter (_c_closure_311), shift back "
    "(_c_closure_312): the bucket array ecolptr and permutation eperm of _c_closure_313 and "
    "_c_closure_314.")
FRAGMENT(310, expr::prefix_sum_work_base_first, "iiO", "base", "n", "wi32")
DOC(310, "",
    "Prefix sum of a bucket array on the work stack, base first: wi32[base + j + 1] += "
    "wi32[base + j] for j = 0 .. n - 1 in order (32-bit), as _c_closure_297.")
FRAGMENT(311, expr::scatter_elements_by_column, "iiiiiOO", "cursor", "d", "count", "permbase", "spbase", "wi32",
         "wi64")
DOC(311, "",
    "Scatter a sparse E's stored elements by column, on the work stack: for k = 0 .. count - 1 "
    "in order, with key = wi64[spbase + k] mod d: wi32[permbase + wi32[cursor + key]] = k, then "
    "wi32[cursor + key] += 1.\n"
    "Pass cursor = the bucket array counted by _c_closure_309 and prefix-summed by "
    "_c_closure_310 (entry j = start of bucket j). Afterwards wi32[permbase .. permbase + count "
    "- 1] lists E's elements by column, increasing row within a column, and each cursor holds "
    "the end of its bucket: _c_closure_312 turns them back into starts.")
FRAGMENT(312, expr::shift_back_work, "iiO", "base", "n", "wi32")
DOC(312, "",
    "Shift back a bucket array after a scatter, on the work stack: wi32[base + j] = wi32[base + "
    "j - 1] for j = n down to 1, then wi32[base] = 0 (n + 1 entries written). After "
    "_c_closure_311 has left each entry at the end of its bucket, the run is again the bucket "
    "array (entry j = start of bucket j, entry n = the item count), as _c_closure_294 leaves "
    "it. _c_closure_327 and _c_closure_343 do the same on the scratch stack.")
FRAGMENT(313, expr::count_diag_sparse_left, "iiiiiiiiiOOO", "ecolptr", "n", "eperm", "ptrbase", "spbase", "rnelem",
         "rnnz", "m", "mrowptr", "msubj", "wi32", "wi64")
DOC(313, "rnelem, rnnz",
    "Diagonal of M E for a sparse E, the count pass of _c_closure_314: M's sorted triplets have "
    "row pointers wi32[mrowptr .. mrowptr + m] (_c_closure_295, _c_closure_304, _c_closure_297) "
    "and columns msubj; E is sparse with n columns on the work stack (ptr at wi32[ptrbase], sp "
    "at wi64[spbase]) and grouped by column on wi32: bucket array ecolptr, permutation eperm "
    "(_c_closure_308, _c_closure_309, _c_closure_310, _c_closure_311, _c_closure_312). For each "
    "r < m, E's column r (key: E's row sp / n) is merged with M's row r (key msubj[t]).\n"
    "Returns (rnelem + the number of r with at least one matched pair, rnnz + the term counts "
    "of the matched E elements), 32-bit; with 0 and 0 the sizes of 314's fresh result.")
FRAGMENT(314, expr::diag_sparse_left, "iiiiiiiiiiOOiiOOOiiiOOO", "bfixbase", "cofbase", "ecolptr", "n", "nidxsbase",
         "eperm", "ptrbase", "spbase", "m", "mrowptr", "msubj", "mval", "rbfixbase", "rcofbase", "rf64", "ri32", "ri64",
         "rnidxsbase", "rptrbase", "rspbase", "wf64", "wi32", "wi64")
DOC(314, "",
    "Diagonal of M E for a sparse E, the build pass sized by _c_closure_313: takes 313's E and "
    "grouping arguments; element r is sum over k of M(r, k) E(k, r). E's ptr, nidxs, cof, bfix "
    "and sp lie on the work stack at ptrbase, nidxsbase, cofbase, bfixbase, spbase.\n"
    "Writes a fresh sparse vector record on the result stack, ri32[rptrbase] = 0 included: for "
    "each r < m in order with at least one matched pair (also when the matched elements carry "
    "no terms), each matched pair (E element e, entry t) in merge order adds e's terms with "
    "coefficients cof * mval[t] and bfix[e] * mval[t] to the constant; sp = r.")
FRAGMENT(316, expr::check_pattern, "iiOL", "badrange", "unsorted", "msp", "size")
DOC(316, "badrange, unsorted",
    "Linear pattern check: returns (badrange != 0 or some msp entry outside [0, size), unsorted "
    "!= 0 or some msp[k + 1] <= msp[k]) over all entries of msp (their number is msp's length; "
    "no early exit). size is the element count: an entry equal to it is out of range (the limit "
    "of _c_closure_289 is one less). An empty msp returns the flags as passed. The check before "
    "_c_closure_317 and _c_closure_319.")
FRAGMENT(317, expr::count_pattern_product, "iOiiiiiOO", "sparse", "msp", "count", "ptrbase", "rnelem", "rnnz",
         "spbase", "wi32", "wi64")
DOC(317, "rnelem, rnnz",
    "Element-wise product with a linear pattern, the count pass of _c_closure_319: the pattern "
    "msp (strictly increasing linear indexes; their number is msp's length) selects E's "
    "elements. Dense E (sparse = 0): entry k selects element msp[k]; returns (len(msp), rnnz + "
    "their term counts): the rnelem passed is replaced. Sparse E (count stored elements, sp at "
    "wi64[spbase]): msp is merged with sp; returns (rnelem + the number of indexes in both, "
    "rnnz + the term counts of the matched elements). Row lengths come from E's ptr at "
    "wi32[ptrbase]. With rnelem = rnnz = 0 these are the sizes of 319's fresh result.")
FRAGMENT(319, expr::pattern_product, "iiiOOiiiiiiOOOiiiiiiOOO", "bfixbase", "cofbase", "sparse", "mcof", "msp", "nd",
         "count", "nidxsbase", "ptrbase", "rbfixbase", "rcofbase", "rf64", "ri32", "ri64", "rnidxsbase", "rptrbase",
         "rshapebase", "rspbase", "shapebase", "spbase", "wf64", "wi32", "wi64")
DOC(319, "",
    "Element-wise product with a linear pattern, the build pass sized by _c_closure_317: E (nd "
    "dimensions; dense, or sparse with count stored elements and sp at wi64[spbase]) times the "
    "constant of E's shape whose non-zeros are mcof[k] at linear indexes msp[k] (strictly "
    "increasing, len(msp) entries).\n"
    "Writes a fresh sparse record of E's shape on the result stack: the nd entries "
    "wi32[shapebase ..] copied to ri32[rshapebase ..], ri32[rptrbase] = 0, and one element per "
    "pattern entry k (dense E: element e = msp[k]) or per linear index stored in both (sparse "
    "E): e's terms with coefficients cof * mcof[k], constant bfix[e] * mcof[k], sp = msp[k]. "
    "Zero products are kept.")
FRAGMENT(320, expr::scale_run, "diOii", "factor", "base", "f64", "count1", "count2")
DOC(320, "",
    "Scale a run: f64[base + k] *= factor for k < count1 + count2 (any float64 array; nothing "
    "when the sum is <= 0). With a record's cof and bfix runs side by side (count1 = nnz, "
    "count2 = nelem) one call scales a whole expression.")
FRAGMENT(321, expr::scalar_times_matrix, "iiiiiiOOOiiiOOOiiiOO", "bfixbase", "cofbase", "nidxsbase", "rnnz", "ncols",
         "nnz", "msubi", "msubj", "mval", "count", "rbfixbase", "rcofbase", "rf64", "ri32", "ri64", "rnidxsbase",
         "rptrbase", "rspbase", "wf64", "wi64")
DOC(321, "rnnz",
    "Scalar expression times a sparse matrix, a build pass without count pass: nnz elements and "
    "nnz*count terms. E is one element on the work stack (count terms at wi64[nidxsbase ..] and "
    "wf64[cofbase ..], constant wf64[bfixbase]); M is nnz sorted triplets (msubi, msubj, mval) "
    "with ncols columns. Result element t < nnz is mval[t] * E: E's count terms with "
    "coefficients mval[t] * cof at ri64/rf64 positions from rnnz on, rf64[rbfixbase + t] = "
    "mval[t] * constant, ri64[rspbase + t] = ncols*msubi[t] + msubj[t] (strictly increasing for "
    "sorted triplets), ri32[rptrbase + t + 1] = the running term count.\n"
    "Elements count from the result bases, terms from the rnnz passed (ptr entries include it). "
    "Leaves ri32[rptrbase] to the caller: it holds the rnnz passed (0 for a fresh record). "
    "Returns rnnz + nnz*count.")
FRAGMENT(323, expr::zero_scratch_buckets_base_first, "iiO", "base", "n", "xi32")
DOC(323, "",
    "Zero a bucket array on the scratch stack, base first: xi32[base .. base + n] = 0 (n + 1 "
    "entries; n = -1 writes nothing), as _c_closure_328.")
FRAGMENT(324, expr::count_entries_by_column, "iiOO", "base", "nnz", "msubj", "xi32")
DOC(324, "",
    "Count M's entries by column, on the scratch stack: xi32[base + 1 + msubj[k]] += 1 for k < "
    "nnz (32-bit). A step of grouping M (p columns) by column on xi32 for _c_closure_331 .. "
    "_c_closure_334: zero p + 1 entries (_c_closure_323), count (this), prefix-sum p entries "
    "(_c_closure_325), positions (_c_closure_326), shift back (_c_closure_327); _c_closure_326 "
    "says how mperm follows.")
FRAGMENT(325, expr::prefix_sum_scratch_base_first, "iiO", "base", "n", "xi32")
DOC(325, "",
    "Prefix sum of a bucket array on the scratch stack, base first: xi32[base + j + 1] += "
    "xi32[base + j] for j = 0 .. n - 1 in order (32-bit), as _c_closure_297.")
FRAGMENT(326, expr::entry_positions_by_column, "iiiOO", "cursor", "nnz", "posbase", "msubj", "xi32")
DOC(326, "",
    "Positions of M's entries in column order, on the scratch stack: for k = 0 .. nnz - 1 in "
    "order, xi32[posbase + k] = xi32[cursor + msubj[k]], then that cursor += 1. Pass cursor = "
    "mcolptr after zeroing (_c_closure_323), counting (_c_closure_324) and prefix-summing "
    "(_c_closure_325) it; afterwards each cursor holds the end of its column and _c_closure_327 "
    "or _c_closure_343 shifts mcolptr back into bucket starts. posbase needs nnz entries.\n"
    "This writes each entry's position (entry -> position), not the permutation mperm (position "
    "-> entry) that _c_closure_331 .. _c_closure_334 read on xi32: mperm is its inverse, which "
    "the caller forms as xi32[mperm + xi32[posbase + k]] = k for k < nnz. Or run _c_closure_294 "
    "with xi32 as its array (ptrbase = mcolptr, permbase = mperm): it writes mcolptr and mperm "
    "in one call.")
FRAGMENT(327, expr::shift_back_scratch, "iiO", "base", "n", "xi32")
DOC(327, "",
    "Shift back a bucket array on the scratch stack, base first: xi32[base + j] = xi32[base + j "
    "- 1] for j = n down to 1, then xi32[base] = 0 (n + 1 entries written), as _c_closure_312. "
    "After _c_closure_342 or _c_closure_326 it turns bucket ends back into bucket starts.")
FRAGMENT(328, expr::zero_scratch_buckets, "iiO", "n", "base", "xi32")
DOC(328, "",
    "Zero a bucket array on the scratch stack: xi32[base .. base + n] = 0 (n + 1 entries; n = "
    "-1 writes nothing). _c_closure_323 is the same with base first, _c_closure_335 with the "
    "array second.")
SAME_AS(339, 328)
FRAGMENT(329, expr::count_elements_by_row_scratch, "iiiiOO", "d", "count", "base", "spbase", "wi64", "xi32")
DOC(329, "",
    "Count a sparse E's stored elements by row onto the scratch stack: for k < count, xi32[base "
    "+ 1 + wi64[spbase + k] / d] += 1 (32-bit; sp on the work stack, d = E's number of columns, "
    "> 0 when count > 0). After zeroing m + 1 entries (_c_closure_328) and with a prefix sum of "
    "m entries (_c_closure_330) it gives the row bucket array erowptr of _c_closure_331 and "
    "_c_closure_332.")
FRAGMENT(330, expr::prefix_sum_scratch, "iiO", "n", "base", "xi32")
DOC(330, "",
    "Prefix sum of a bucket array on the scratch stack: xi32[base + j + 1] += xi32[base + j] "
    "for j = 0 .. n - 1 in order (32-bit), as _c_closure_297.")
SAME_AS(341, 330)
FRAGMENT(331, expr::count_sparse_times_sparse, "iiiiiiiiOiLOOO", "m", "n", "ptrbase", "erowptr", "spbase", "mcolptr",
         "p", "mperm", "msubi", "rnelem", "rnnz", "wi32", "wi64", "xi32")
DOC(331, "rnelem, rnnz",
    "Sparse E times sparse M, the count pass of _c_closure_332: E is a sparse m x n record on "
    "the work stack (ptr at wi32[ptrbase], sp at wi64[spbase]) whose stored elements are "
    "grouped by row in the bucket array xi32[erowptr ..] (m + 1 entries: _c_closure_328, "
    "_c_closure_329 with d = n, _c_closure_330); M is n x p, its sorted triplets (rows msubi) "
    "grouped by column on the scratch stack: bucket array xi32[mcolptr ..] (p + 1 entries) and "
    "permutation xi32[mperm ..] (nnz entry numbers in column order). For each position (i, c), "
    "i < m, c < p, E's row i (key: column sp mod n) is merged with M's column c (key: row "
    "msubi[t]).\n"
    "Returns (rnelem + the positions with at least one matched pair, as int32; rnnz + the term "
    "counts of the matched E elements, as int64). 332's result runs need room for these counts.\n"
    "mcolptr and mperm: run _c_closure_294 on xi32 (ptrbase = mcolptr, permbase = mperm), or "
    "zero, count (_c_closure_324), prefix-sum, _c_closure_326 into a position run pos, shift "
    "back (_c_closure_327), and invert: xi32[mperm + pos[k]] = k.")
FRAGMENT(332, expr::sparse_times_sparse, "iiiiiiiiiiiOOiiiOOOiiiiOOOO", "bfixbase", "cofbase", "m", "n", "nidxsbase",
         "ptrbase", "erowptr", "spbase", "mcolptr", "p", "mperm", "msubi", "mval", "rbfixbase", "rcofbase", "rnelem",
         "rf64", "ri32", "ri64", "rnidxsbase", "rnnz", "rptrbase", "rspbase", "wf64", "wi32", "wi64", "xi32")
DOC(332, "rnelem, rnnz",
    "Sparse E times sparse M, the build pass sized by _c_closure_331: takes 331's E and "
    "grouping arguments (all groupings on xi32; 331 says how to build mcolptr and mperm). "
    "Appends to a sparse result on the result stack from the running counts rnelem (elements) "
    "and rnnz (terms): for each position (i, c) in row-major order with at least one matched "
    "pair (E element e, entry t), also when the matched elements carry no terms, the terms of "
    "each matched e in merge order with coefficients cof * mval[t] at ri64/rf64 positions from "
    "rnnz on, rf64[rbfixbase + rnelem] = sum of bfix[e] * mval[t], ri64[rspbase + rnelem] = i*p "
    "+ c, ri32[rptrbase + rnelem + 1] = rnnz after them, rnelem += 1.\n"
    "Leaves ri32[rptrbase] to the caller (0 before the first call on a fresh record). Returns "
    "(rnelem, rnnz) advanced, 32-bit: the counts 331 returns for the same start.")
FRAGMENT(333, expr::count_dense_times_sparse, "iiiiiiOiOO", "m", "n", "ptrbase", "mcolptr", "p", "mperm", "msubi",
         "rnnz", "wi32", "xi32")
DOC(333, "rnnz",
    "Dense E times sparse M, the count pass of _c_closure_334: terms only (the element count is "
    "m*p: every position is written). E is a dense m x n record (ptr at wi32[ptrbase]); M's "
    "triplets (rows msubi) are grouped by column on the scratch stack (xi32[mcolptr ..], "
    "xi32[mperm ..]; built as for _c_closure_331). Returns rnnz plus, over i < m, c < p and the "
    "entries t of M's column c, the term count of E element i*n + msubi[t] (32-bit).")
FRAGMENT(334, expr::dense_times_sparse, "iiiiiiiiiOOiiiOOOiiiiOOOO", "bfixbase", "cofbase", "m", "n", "nidxsbase",
         "ptrbase", "mcolptr", "p", "mperm", "msubi", "mval", "rbfixbase", "rcofbase", "rnelem", "rf64", "ri32", "ri64",
         "rnidxsbase", "rnnz", "rptrbase", "rspbase", "wf64", "wi32", "wi64", "xi32")
DOC(334, "rnelem, rnnz",
    "Dense E times sparse M, the build pass sized by _c_closure_333: 333 gives the terms, m*p "
    "the elements; mcolptr and mperm lie on xi32, built by _c_closure_294 run on xi32 or by "
    "inverting _c_closure_326's positions (see _c_closure_331). Appends from the running counts "
    "rnelem and rnnz: for each (i, c), i < m, c < p, in row-major order, each entry t of M's "
    "column c in bucket order makes E element e = i*n + msubi[t] add its terms with "
    "coefficients cof * mval[t] and bfix[e] * mval[t] to the constant; every position is "
    "written, also when column c is empty: ri32[rptrbase + rnelem + 1] = rnnz, rf64[rbfixbase + "
    "rnelem] = constant, ri64[rspbase + rnelem] = i*p + c, rnelem += 1. The result stores every "
    "position and still carries sp.\n"
    "Leaves ri32[rptrbase] to the caller. Returns (rnelem, rnnz) advanced.")
FRAGMENT(335, expr::zero_scratch_buckets_array_first, "iOi", "n", "xi32", "base")
DOC(335, "",
    "Zero a bucket array on the scratch stack, array second: xi32[base .. base + n] = 0 (n + 1 "
    "entries; n = -1 writes nothing), as _c_closure_328.")
FRAGMENT(336, expr::times_dense_matrix, "iiiiiiiiiiOiiiOOOiiiOOOOi", "bfixbase", "cofbase", "m", "n", "sparse",
         "nidxsbase", "count", "ptrbase", "spbase", "p", "mval", "rbfixbase", "rcofbase", "rnelem", "rf64", "ri32",
         "ri64", "rnidxsbase", "rnnz", "rptrbase", "wf64", "wi32", "wi64", "xi32", "erowptr")
DOC(336, "rnelem, rnnz",
    "E times a dense matrix, a build pass without count pass: m*p elements, p times E's term "
    "count terms. E is m x n on the work stack, dense (sparse = 0) or sparse with count stored "
    "elements (sp at wi64[spbase]); M is dense n x p, mval[k*p + c]. A sparse E is first "
    "grouped by row into xi32[erowptr .. erowptr + m] (counted by sp / n, then prefix-summed), "
    "which the caller zero-fills; count, spbase and erowptr are read only for a sparse E.\n"
    "Appends a dense result (no sp) from the running counts: for each (i, c) in row-major "
    "order, every stored element e = (i, k) of E's row i in order adds its terms with "
    "coefficients cof * mval[k*p + c] (zero values included) and bfix[e] * mval[k*p + c] to the "
    "constant; then ri32[rptrbase + rnelem + 1] = rnnz, rf64[rbfixbase + rnelem] = constant, "
    "rnelem += 1.\n"
    "Leaves ri32[rptrbase] to the caller. Returns (rnelem + m*p, rnnz + p * E's terms).")
FRAGMENT(337, expr::triplets_in_range, "iiiiOO", "result", "nrows", "ncols", "nnz", "msubi", "msubj")
DOC(337, "inrange",
    "Triplet range test: True when each of the nnz triplets has msubi in [0, nrows) and msubj "
    "in [0, ncols), False at the first that has not; nnz <= 0 gives True. result is not read.")
FRAGMENT(338, expr::triplets_increasing, "iiOO", "result", "nnz", "msubi", "msubj")
DOC(338, "increasing",
    "Triplet order test: True when the nnz triplets strictly increase in (row, column) order, "
    "False at the first consecutive pair that does not (a repeated position included); nnz <= 1 "
    "gives True. result is not read.")
FRAGMENT(340, expr::count_elements_by_column_scratch, "iiiiOO", "d", "base", "count", "spbase", "wi64", "xi32")
DOC(340, "",
    "Count a sparse E's stored elements by column onto the scratch stack: for k < count, "
    "xi32[base + 1 + wi64[spbase + k] mod d] += 1 (32-bit; d = E's number of columns, > 0 when "
    "count > 0). With zeroing (_c_closure_328), prefix sum (_c_closure_330), scatter "
    "(_c_closure_342) and shift back (_c_closure_327) it gives the column grouping ecolptr, "
    "eperm of _c_closure_344 and _c_closure_346.")
FRAGMENT(342, expr::scatter_elements_by_column_scratch, "iiiiiOO", "d", "permbase", "cursor", "count", "spbase",
         "wi64", "xi32")
DOC(342, "",
    "Scatter a sparse E's stored elements by column on the scratch stack: as _c_closure_311 on "
    "xi32, for k = 0 .. count - 1 in order, with key = wi64[spbase + k] mod d: xi32[permbase + "
    "xi32[cursor + key]] = k, then xi32[cursor + key] += 1. With cursor = the prefix-summed "
    "bucket array, the count entries from permbase list E's elements by column (increasing row "
    "within a column); then _c_closure_327 or _c_closure_343 restores the bucket starts.")
FRAGMENT(343, expr::shift_back_scratch_count_first, "iiO", "n", "base", "xi32")
DOC(343, "",
    "Shift back a bucket array on the scratch stack, count first: xi32[base + j] = xi32[base + "
    "j - 1] for j = n down to 1, then xi32[base] = 0 (n + 1 entries written), as _c_closure_312 "
    "and _c_closure_327.")
FRAGMENT(344, expr::count_left_sparse, "iiiiiiOOiiiLiOOO", "q", "eperm", "ecolptr", "m", "msparse", "nnz", "msubi",
         "msubj", "eterms", "ptrbase", "rnelem", "rnnz", "spbase", "wi32", "wi64", "xi32")
DOC(344, "rnelem, rnnz",
    "Left product M E for a sparse E, the count pass of _c_closure_346: for its modes with "
    "sparse != 0. E is sparse with q columns on the work stack (ptr at wi32[ptrbase], sp at "
    "wi64[spbase]) and grouped by column on the scratch stack: bucket array xi32[ecolptr ..] (q "
    "+ 1 entries) and permutation xi32[eperm ..] (_c_closure_328, _c_closure_340, "
    "_c_closure_330, _c_closure_342, _c_closure_327).\n"
    "- msparse != 0 (M as nnz sorted triplets msubi, msubj): from the running counts, each row "
    "run of M and column c < q merges the run (key msubj[t]) with E's column c (key: E's row sp "
    "/ q); a position with a matched pair adds 1 to rnelem, each match the E element's term "
    "count to rnnz.\n"
    "- msparse = 0 (M dense with m rows): reads no array and returns (q*m, eterms*m), eterms "
    "being E's term count, replacing the counts passed: every position exists and every term of "
    "E occurs once per row of M.\n"
    "The element count is 32-bit (wrapping), the term count 64-bit. Pass rnelem = rnnz = 0 to "
    "size 346's fresh result.")
FRAGMENT(345, expr::count_left_dense, "iiiiOOiiiLO", "q", "m", "msparse", "nnz", "msubi", "msubj", "eterms",
         "ptrbase", "rnelem", "rnnz", "wi32")
DOC(345, "rnelem, rnnz",
    "Left product M E for a dense E, the count pass of _c_closure_346 with sparse = 0: M is nnz "
    "sorted triplets (row runs of equal msubi, columns msubj), E a dense record with q columns "
    "(ptr at wi32[ptrbase]). From the running counts, each row run of M and column c < q adds 1 "
    "to rnelem and, for each entry t of the run, the term count of E element msubj[t]*q + c to "
    "rnnz. Returns (rnelem, rnnz) advanced, rnnz 64-bit; pass 0 and 0 to size 346's fresh "
    "result. m, msparse and eterms are not read.")
