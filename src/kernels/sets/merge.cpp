// Merging a buffer of coefficient changes into a matrix held as a sorted coordinate list.
#include "kernels/kernel.h"

namespace fragments::sets {

// Merges the nb buffer entries (buffer_subi, buffer_subj, buffer_cof), visited in stored
// order when sorted is non-zero and as perm[0], perm[1], ... otherwise, into the nnz
// entries (subi, subj, cof) of the current matrix; both are in (row, column) order (the
// buffer may repeat a coordinate) and the current matrix holds each coordinate once.
//
// The merged list goes to (r_subi, r_subj, r_cof) from position 0 and again holds each
// coordinate once: a coordinate that buffer entries touch gets one merged entry, the
// current value (if any) plus theirs, added in visiting order. Every merged entry that
// buffer entries touch is also logged, once, to (ressubi, ressubj, rescof) from logpos.
// spare is not read.
//
// Returns (merged entries written, logpos after the last logged entry).
std::tuple<int64_t, int64_t> merge_buffer(Vec<const double> buffer_cof, Vec<const int32_t> buffer_subi,
                                          Vec<const int32_t> buffer_subj, Vec<const double> cof, int32_t sorted,
                                          int64_t, int64_t nnz, int64_t nb, int64_t logpos, Vec<const int64_t> perm,
                                          Vec<double> r_cof, Vec<int32_t> r_subi, Vec<int32_t> r_subj,
                                          Vec<double> rescof, Vec<int32_t> ressubi, Vec<int32_t> ressubj,
                                          Vec<const int32_t> subi, Vec<const int32_t> subj) {
  const auto at = [&](int64_t j) { return sorted != 0 ? j : perm[j]; };
  int64_t out = 0;
  const auto merged = [&](int32_t row, int32_t col, double v) {
    r_subi[out] = row;
    r_subj[out] = col;
    r_cof[out] = v;
    ++out;
  };
  const auto logged = [&](int32_t row, int32_t col, double v) {
    merged(row, col, v);
    ressubi[logpos] = row;
    ressubj[logpos] = col;
    rescof[logpos] = v;
    ++logpos;
  };

  int64_t i = 0, j = 0;
  // v plus the values of the buffer entries from j on that hold (row, col); j moves past them.
  const auto take_run = [&](int32_t row, int32_t col, double v) {
    for (; j < nb && buffer_subi[at(j)] == row && buffer_subj[at(j)] == col; ++j) v += buffer_cof[at(j)];
    return v;
  };
  // A coordinate the current matrix lacks: the buffer entries from j that hold it, as one entry.
  const auto new_coordinate = [&]() {
    const int64_t b = at(j++);
    const int32_t row = buffer_subi[b], col = buffer_subj[b];
    logged(row, col, take_run(row, col, buffer_cof[b]));
  };

  while (i < nnz && j < nb) {
    const int64_t b = at(j);
    const int32_t row = subi[i], col = subj[i], brow = buffer_subi[b], bcol = buffer_subj[b];
    if (row < brow || (row == brow && col < bcol)) {
      merged(row, col, cof[i]);
      ++i;
    } else if (brow < row || bcol < col) {
      new_coordinate();
    } else {
      logged(row, col, take_run(row, col, cof[i]));
      ++i;
    }
  }
  for (; i < nnz; ++i) merged(subi[i], subj[i], cof[i]);
  while (j < nb) new_coordinate();
  return {out, logpos};
}

}  // namespace fragments::sets

TOPIC("Merging a buffer of coefficient changes into a matrix held as a sorted coordinate list")
FRAGMENT(206, sets::merge_buffer, "OOOOiLLLLOOOOOOOOO", "buffer_cof", "buffer_subi", "buffer_subj", "cof", "sorted",
         "spare", "nnz", "nb", "logpos", "perm", "r_cof", "r_subi", "r_subj", "rescof", "ressubi", "ressubj", "subi",
         "subj")
DOC(206, "merged, logpos",
    "Buffer merge: merges nb buffered changes (buffer_subi, buffer_subj, buffer_cof) into the nnz "
    "entries (subi, subj, cof) of a matrix held as a coordinate list sorted by row, then column, "
    "each coordinate once, and logs the entries that change. nnz and nb are the scalars, not the "
    "arrays' lengths; spare is not read.\n"
    "The buffer is visited in stored order when sorted != 0 and as perm[0], .., perm[nb - 1] when "
    "sorted = 0 (perm is then read, nb entries). In visiting order it must be sorted by row, then "
    "column (_c_closure_205 tells whether it is as stored); it may repeat a coordinate.\n"
    "The merged list is written to r_subi, r_subj, r_cof from position 0, sorted, again one entry "
    "per coordinate:\n"
    "- a coordinate that only the matrix holds is copied;\n"
    "- a coordinate that the buffer holds gets one entry: its current value (if the matrix holds "
    "it) plus the values of all its buffer entries, added in visiting order. That entry is also "
    "logged once to ressubi[logpos], ressubj[logpos], rescof[logpos], and logpos advances. A sum "
    "of 0.0 stays in both.\n"
    "r_subi, r_subj and r_cof need nnz plus the number of new distinct coordinates entries (at "
    "most nnz + nb); the log needs room at logpos .. logpos + nb - 1 at most (one entry per "
    "distinct buffer coordinate).\n"
    "Returns (merged, logpos): the number of merged entries written, and logpos after the last "
    "logged entry. An empty buffer copies the matrix and returns (nnz, logpos).")
