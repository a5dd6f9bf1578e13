// Compressed sparse matrices and counting sorts.
#include <algorithm>

#include "kernels/kernel.h"

namespace fragments::sparse {

// Stable bucket sort of a permutation by a reduced linear index. The entries of val are
// linear indexes v = a * d1 * d2 + b * d2 + c of a (d0, d1, d2) block; the bucket of v
// drops the middle axis: q(v) = (v / (d1 * d2)) * d2 + v % d2, one of d0 * d2 buckets.
// Reads val[perm[k]] for k < N, N the smaller of the lengths of val and perm; rewrites
// perm[0 .. N - 1] grouped by bucket (stable) and ptrb[0 .. d0 * d2] so that ptrb[q] ends
// bucket q. Takes one scratch copy of perm (its whole length) before writing anything.
void bucket_sort_permutation(int32_t d0, int32_t d1, int32_t d2, Vec<int64_t> perm, Vec<int64_t> ptrb,
                             Vec<const int64_t> val) {
  Scratch<int64_t> original(perm.size());
  const int64_t block = mul64(d1, d2);
  const int64_t buckets = mul64(d0, d2);
  const int64_t n = std::min(val.size(), perm.size());
  // Sizes that leave the block without positions (only contradictory input pairs them
  // with values) reduce to bucket 0 instead of dividing by zero.
  const bool divisible = block > 0 && d2 > 0;
  auto bucket = [&](int64_t v) { return divisible ? add64(mul64(v / block, d2), v % d2) : int64_t{0}; };
  for (int64_t q = 0; q <= buckets; ++q) ptrb[q] = 0;
  // val is read at random positions, twice: fetch ahead to overlap the cache misses.
  constexpr int64_t ahead = 16;
  for (int64_t k = 0; k < n; ++k) {
    if (k + ahead < n) __builtin_prefetch(&val[perm[k + ahead]]);
    const int64_t q = add64(bucket(val[perm[k]]), 1);
    ptrb[q] = add64(ptrb[q], 1);
  }
  for (int64_t q = 1; q <= buckets; ++q) ptrb[q] += ptrb[q - 1];
  for (int64_t k = 0; k < perm.size(); ++k) original[k] = perm[k];
  for (int64_t k = 0; k < n; ++k) {
    if (k + ahead < n) __builtin_prefetch(&val[original[k + ahead]]);
    const int64_t e = original[k], q = bucket(val[e]);
    perm[ptrb[q]] = e;
    ptrb[q] = add64(ptrb[q], 1);
  }
}


// ---- Counting sorts of coordinate lists ----------------------------------------------------
//
// Pointer arrays of m rows have m + 2 entries, zero-filled by the caller. Counting puts the
// count of row r into ptrb[r + 2]; the prefix sum from entry 2 leaves the start of row r in
// ptrb[r + 1]; scattering with ptrb[r + 1] as the write cursor of row r advances it to the
// row's end, after which ptrb[0 .. m] are the usual row pointers.

// ptrb[sub[k] + 2] += 1 for k < nnz.
static void count_into(Vec<int64_t> ptrb, int64_t nnz, Vec<const int32_t> sub) {
  for (int64_t k = 0; k < nnz; ++k) {
    const int64_t r = int64_t{sub[k]} + 2;
    ptrb[r] = add64(ptrb[r], 1);
  }
}

// Counts the entries of each row into rptrb and of each column into cptrb.
void count_rows_and_columns(Vec<int64_t> cptrb, int64_t nnz, Vec<int64_t> rptrb, Vec<const int32_t> subi,
                            Vec<const int32_t> subj) {
  count_into(rptrb, nnz, subi);
  count_into(cptrb, nnz, subj);
}

// Counts the entries of each column into cptrb.
void count_columns(Vec<int64_t> cptrb, int64_t nnz, Vec<const int32_t> subj) { count_into(cptrb, nnz, subj); }

// Counts the entries of each row into rptrb.
void count_rows(int64_t nnz, Vec<int64_t> rptrb, Vec<const int32_t> subi) { count_into(rptrb, nnz, subi); }

// ptrb[k] += ptrb[k - 1] for k = 2 .. n; entries 0 and 1 stay as they are.
static void prefix_from_two(Vec<int64_t> ptrb, int32_t n) {
  unit_stride([&](auto p) {
    for (int64_t k = 2; k <= n; ++k) p[k] = add64(p[k], p[k - 1]);
  }, ptrb);
}

void row_counts_to_starts(int32_t n, Vec<int64_t> rptrb) { prefix_from_two(rptrb, n); }

void column_counts_to_starts(Vec<int64_t> cptrb, int32_t n) { prefix_from_two(cptrb, n); }

// Row-compressed entries (rows 0 .. n - 1 of rptrb, columns subj, values val) into column
// order: entry t of row r goes to position q = cptrb[c] of its column c, which then advances.
// cptrb holds each column's next free position (with the two-slot counting, the array from
// its entry 1 on); on return it holds each column's end.
template <class Index>
static void scatter_to_columns(Vec<int64_t> cptrb, int32_t n, Vec<const int64_t> rptrb, Vec<const int32_t> subj,
                               Vec<Index> tsubi, Vec<Index> tsubj, Vec<double> tval, Vec<const double> val) {
  for (int32_t r = 0; r < n; ++r)
    for (int64_t t = rptrb[r]; t < rptrb[r + 1]; ++t) {
      const int32_t c = subj[t];
      const int64_t q = cptrb[c];
      cptrb[c] = add64(q, 1);
      tsubi[q] = r;
      tsubj[q] = c;
      tval[q] = val[t];
    }
}

void rows_to_columns_wide(Vec<int64_t> cptrb, int32_t n, Vec<const int64_t> rptrb, Vec<const int32_t> subj,
                          Vec<int64_t> tsubi, Vec<int64_t> tsubj, Vec<double> tval, Vec<const double> val) {
  scatter_to_columns(cptrb, n, rptrb, subj, tsubi, tsubj, tval, val);
}

void rows_to_columns(Vec<int64_t> cptrb, int32_t n, Vec<const int64_t> rptrb, Vec<const int32_t> subj,
                     Vec<int32_t> tsubi, Vec<int32_t> tsubj, Vec<double> tval, Vec<const double> val) {
  scatter_to_columns(cptrb, n, rptrb, subj, tsubi, tsubj, tval, val);
}

// Appends entry k to bucket b: out[cursor[b + 1]] = k, and the cursor advances.
static void append_to_bucket(Vec<int32_t> out, Vec<int64_t> cursor, int32_t b, int64_t k) {
  const int64_t at = cursor[int64_t{b} + 1];
  cursor[int64_t{b} + 1] = add64(at, 1);
  out[at] = static_cast<int32_t>(k);
}

// Lists the entry numbers k < nnz by column in cols, each column's in increasing k.
// cptrb[c + 1] is column c's write cursor (counted and prefix-summed) and ends at its end.
void entries_by_column(Vec<int32_t> cols, Vec<int64_t> cptrb, int64_t nnz, Vec<const int32_t> subj) {
  for (int64_t k = 0; k < nnz; ++k) append_to_bucket(cols, cptrb, subj[k], k);
}

// Walks the columns c < n of the column listing (cptrb, cols) in order and appends each entry
// to its row in rows, with rptrb[r + 1] as row r's write cursor: rows then lists the entries by
// row, within a row by column, and within one coordinate in the order of cols.
void entries_by_row_then_column(Vec<const int32_t> cols, Vec<const int64_t> cptrb, int32_t n, Vec<int32_t> rows,
                                Vec<int64_t> rptrb, Vec<const int32_t> subi) {
  for (int32_t c = 0; c < n; ++c)
    for (int64_t t = cptrb[c]; t < cptrb[c + 1]; ++t) {
      const int32_t k = cols[t];
      append_to_bucket(rows, rptrb, subi[k], k);
    }
}

// init plus the number of steps k = 1 .. nnz - 1 along rows at which the coordinate
// (subi, subj) of entry rows[k] differs from that of rows[k - 1], wrapping in 32 bits.
int32_t distinct_coordinates(int64_t nnz, int32_t init, Vec<const int32_t> rows, Vec<const int32_t> subi,
                             Vec<const int32_t> subj) {
  int32_t count = init;
  for (int64_t k = 1; k < nnz; ++k) {
    const int32_t e = rows[k], p = rows[k - 1];
    if (subi[e] != subi[p] || subj[e] != subj[p]) count = add32(count, 1);
  }
  return count;
}

// Writes the entries rows[1 .. nnz - 1] (sorted by coordinate) to tsubi, tsubj, tval from
// position pos on, adding each value whose coordinate equals that of the entry at pos - 1
// into it. The caller writes entry rows[0] at pos - 1 first. Returns the position after the
// last written entry (32-bit, wrapping).
int32_t merge_duplicates(int32_t pos, int64_t nnz, Vec<const int32_t> rows, Vec<const int32_t> subi,
                         Vec<const int32_t> subj, Vec<int32_t> tsubi, Vec<int32_t> tsubj, Vec<double> tval,
                         Vec<const double> val) {
  for (int64_t k = 1; k < nnz; ++k) {
    const int32_t e = rows[k];
    const int64_t last = int64_t{pos} - 1;
    if (subi[e] == tsubi[last] && subj[e] == tsubj[last]) {
      tval[last] += val[e];
    } else {
      tsubi[pos] = subi[e];
      tsubj[pos] = subj[e];
      tval[pos] = val[e];
      pos = add32(pos, 1);
    }
  }
  return pos;
}

}  // namespace fragments::sparse

TOPIC("Compressed sparse matrices and counting sorts")
FRAGMENT(87, sparse::count_rows_and_columns, "OLOOO", "cptrb", "nnz", "rptrb", "subi", "subj")
DOC(87, "",
    "Row and column counts, the count pass of _c_closure_100 and _c_closure_97: for k < nnz, "
    "rptrb[subi[k] + 2] += 1 and cptrb[subj[k] + 2] += 1 (the two-slot counting; the column "
    "counts also size _c_closure_90 and _c_closure_94).\n"
    "For nrows rows and ncols columns (every subi[k] < nrows, subj[k] < ncols) rptrb needs nrows + "
    "2 entries and cptrb ncols + 2, zero-filled by the caller: counts are added to what is there. "
    "Then _c_closure_88 (n = nrows) and _c_closure_89 (n = ncols) turn the counts into write "
    "cursors.")
SAME_AS(91, 87)
FRAGMENT(88, sparse::row_counts_to_starts, "iO", "n", "rptrb")
DOC(88, "",
    "Row starts from two-slot counts: in place, rptrb[k] += rptrb[k - 1] for k = 2 .. n in turn; "
    "entries 0 and 1 and those past n are left as they are; n <= 1 changes nothing.\n"
    "After _c_closure_98 (or _c_closure_87) with n = the number of rows, rptrb[r + 1] is the start "
    "of row r, the write cursor that _c_closure_100 advances. rptrb needs n + 1 entries (the "
    "counting array has n + 2).")
SAME_AS(92, 88)
SAME_AS(99, 88)
FRAGMENT(89, sparse::column_counts_to_starts, "Oi", "cptrb", "n")
DOC(89, "",
    "Column starts from two-slot counts: in place, cptrb[k] += cptrb[k - 1] for k = 2 .. n in "
    "turn; entries 0 and 1 and those past n are left as they are; n <= 1 changes nothing.\n"
    "After _c_closure_95 (or _c_closure_87) with n = the number of columns, cptrb[c + 1] is the "
    "start of column c, the write cursor that _c_closure_97 advances (pass cptrb from its entry 1 "
    "on to _c_closure_90 and _c_closure_94). cptrb needs n + 1 entries (the counting array has n + "
    "2).")
SAME_AS(93, 89)
SAME_AS(96, 89)
FRAGMENT(90, sparse::rows_to_columns_wide, "OiOOOOOO", "cptrb", "n", "rptrb", "subj", "tsubi", "tsubj", "tval", "val")
DOC(90, "",
    "Row-compressed to column order (64-bit tsubi, tsubj), the build pass sized by _c_closure_95 "
    "and _c_closure_89: for rows r < n in order and t = rptrb[r] .. rptrb[r + 1] - 1, with c = "
    "subj[t] and q = cptrb[c]: tsubi[q] = r, tsubj[q] = c, tval[q] = val[t], then cptrb[c] = q + "
    "1.\n"
    "cptrb[c] is the write cursor of column c: pass the two-slot array of _c_closure_95 and "
    "_c_closure_89 from its entry 1 on (cptrb[1:]), and that array's entries 0 .. ncols are the "
    "column pointers on return; any array holding each column's first position works too and "
    "ends holding each column's end. rptrb holds the n + 1 row pointers; tsubi, tsubj and tval "
    "need rptrb[n] entries.\n"
    "The triplets come out by column and, within a column, by row.")
FRAGMENT(94, sparse::rows_to_columns, "OiOOOOOO", "cptrb", "n", "rptrb", "subj", "tsubi", "tsubj", "tval", "val")
DOC(94, "",
    "Row-compressed to column order (32-bit tsubi, tsubj), the build pass sized by _c_closure_95 "
    "and _c_closure_89: for rows r < n in order and t = rptrb[r] .. rptrb[r + 1] - 1, with c = "
    "subj[t] and q = cptrb[c]: tsubi[q] = r, tsubj[q] = c, tval[q] = val[t], then cptrb[c] = q + "
    "1.\n"
    "cptrb[c] is the write cursor of column c: pass the two-slot array of _c_closure_95 and "
    "_c_closure_89 from its entry 1 on (cptrb[1:]), and that array's entries 0 .. ncols are the "
    "column pointers on return; any array holding each column's first position works too and "
    "ends holding each column's end. rptrb holds the n + 1 row pointers; tsubi, tsubj and tval "
    "need rptrb[n] entries.\n"
    "The triplets come out by column and, within a column, by row.")
FRAGMENT(95, sparse::count_columns, "OLO", "cptrb", "nnz", "subj")
DOC(95, "",
    "Column counts, the count pass of _c_closure_97, _c_closure_90 and _c_closure_94: for k < "
    "nnz, cptrb[subj[k] + 2] += 1 (the two-slot counting).\n"
    "cptrb needs ncols + 2 entries (every subj[k] < ncols), zero-filled by the caller: counts are "
    "added to what is there. Then _c_closure_89 with n = ncols makes cptrb[c + 1] the start of "
    "column c.")
FRAGMENT(97, sparse::entries_by_column, "OOLO", "cols", "cptrb", "nnz", "subj")
DOC(97, "",
    "Entries by column, the build pass sized by _c_closure_95 and _c_closure_89: for k < nnz in "
    "order, with c = subj[k]: cols[cptrb[c + 1]] = k, then cptrb[c + 1] += 1. cols lists the "
    "entry numbers by column, each column's in increasing k (a stable counting sort).\n"
    "cptrb is the two-slot array (ncols + 2 entries) after _c_closure_95 and _c_closure_89; on "
    "return cptrb[0 .. ncols] are the column pointers that _c_closure_100 reads. cols needs nnz "
    "entries.")
FRAGMENT(98, sparse::count_rows, "LOO", "nnz", "rptrb", "subi")
DOC(98, "",
    "Row counts, the count pass of _c_closure_100: for k < nnz, rptrb[subi[k] + 2] += 1 (the "
    "two-slot counting).\n"
    "rptrb needs nrows + 2 entries (every subi[k] < nrows), zero-filled by the caller: counts are "
    "added to what is there. Then _c_closure_88 with n = nrows makes rptrb[r + 1] the start of row "
    "r.")
FRAGMENT(100, sparse::entries_by_row_then_column, "OOiOOO", "cols", "cptrb", "n", "rows", "rptrb", "subi")
DOC(100, "",
    "Entries by row then column, the build pass sized by _c_closure_98 and _c_closure_88: for "
    "columns c < n in order and t = cptrb[c] .. cptrb[c + 1] - 1, with k = cols[t] and r = "
    "subi[k]: rows[rptrb[r + 1]] = k, then rptrb[r + 1] += 1.\n"
    "cols and cptrb are the column listing of _c_closure_97 (cptrb as column pointers, n = the "
    "number of columns). rptrb is the two-slot array (nrows + 2 entries) after _c_closure_98 and "
    "_c_closure_88; on return rptrb[0 .. nrows] are the row pointers. rows needs nnz entries and "
    "lists the entries by row, within a row by column, within one coordinate by input position: "
    "the order that _c_closure_101 and _c_closure_102 walk.")
FRAGMENT(101, sparse::distinct_coordinates, "LiOOO", "nnz", "init", "rows", "subi", "subj")
DOC(101, "count",
    "Distinct coordinates, the count pass of _c_closure_102: returns init plus the number of k = "
    "1 .. nnz - 1 at which the coordinate (subi, subj) of entry rows[k] differs from that of "
    "entry rows[k - 1], wrapping in 32 bits.\n"
    "With rows from _c_closure_100 (equal coordinates adjacent), init = 1 and nnz >= 1, the number "
    "of distinct coordinates. nnz <= 1 returns init.")
FRAGMENT(102, sparse::merge_duplicates, "iLOOOOOOO", "pos", "nnz", "rows", "subi", "subj", "tsubi", "tsubj", "tval", "val")
DOC(102, "pos",
    "Merging duplicate coordinates, the build pass sized by _c_closure_101: for k = 1 .. nnz - 1 "
    "with e = rows[k] (equal coordinates adjacent, as _c_closure_100 lists them): when (subi[e], "
    "subj[e]) = (tsubi[pos - 1], tsubj[pos - 1]), tval[pos - 1] += val[e]; otherwise tsubi[pos] "
    "= subi[e], tsubj[pos] = subj[e], tval[pos] = val[e], and pos advances.\n"
    "The kernel does not write entry rows[0]: the caller writes it at position pos - 1 first and "
    "passes that pos (>= 1). tsubi, tsubj and tval need pos - 1 + count entries, count being "
    "what _c_closure_101 returns with init = 1. Values of one coordinate are summed in the order "
    "of rows; sums of zero stay in the output.\n"
    "Returns the final pos, one past the last entry written (a 32-bit running position).")
FRAGMENT(77, sparse::bucket_sort_permutation, "iiiOOO", "d0", "d1", "d2", "perm", "ptrb", "val")
DOC(77, "",
    "Stable bucket sort of a permutation by a reduced linear index: the values are linear "
    "indexes v = a*d1*d2 + b*d2 + c into a (d0, d1, d2) block; v falls into bucket q(v) = (v / "
    "(d1*d2))*d2 + v % d2 (the middle axis dropped), one of B = d0*d2 buckets. With N = the "
    "smaller of the lengths of val and perm, perm[0 .. N - 1] is regrouped by the bucket of "
    "val[perm[k]], the entries of one bucket keeping their order; perm[N ..] is left alone.\n"
    "ptrb needs B + 1 entries and no preparation: the kernel overwrites ptrb[0 .. B], and on "
    "return ptrb[q] is the end of bucket q (bucket 0 is perm[0 .. ptrb[0] - 1], bucket q is "
    "perm[ptrb[q - 1] .. ptrb[q] - 1]) and ptrb[B] = N. Every val[perm[k]] must lie in 0 .. "
    "d0*d1*d2 - 1 and every perm[k] in 0 .. len(val) - 1; when d1 or d2 is 0 every entry falls "
    "into bucket 0 (ptrb then needs at least 2 entries).\n"
    "Neither a count nor a build pass. It copies perm to scratch memory before writing anything: "
    "when that cannot be allocated it raises MemoryError with nothing written.")
