// Symmetric and triangular index patterns.
//
// An n x n matrix is addressed row-major (entry (i, j) has linear index i * n + j). Its
// packed lower triangle runs row by row: (0,0), (1,0), (1,1), (2,0), ...; the diagonal
// entry of row i sits at packed position (i+1)(i+2)/2 - 1. Expanded index lists are
// one-based (stored index + 1) so that 0 can mean "no variable".
#include <algorithm>

#include "kernels/kernel.h"

namespace fragments::shape {

namespace {

// Calls emit(s, k) for every entry s = sp[k] of a sparse triangle of an n x n matrix and
// then, for an entry off the diagonal, emit(mirror of s, k).
template <class Emit>
inline void expand_symmetric(int32_t n, Vec<const int64_t> sp, Emit emit) {
  for (int64_t k = 0; k < sp.size(); ++k) {
    const int64_t s = sp[k];
    const int64_t row = div64(s, n), col = rem64(s, n);
    emit(s, k);
    if (row != col) emit(row + col * n, k);
  }
}

}  // namespace

// Sets the n diagonal entries of a packed lower triangle to -1.0:
// matcof[(i+1)(i+2)/2 - 1] = -1.0 for i < n; other entries are left alone.
void packed_diagonal_minus_one(int32_t n, Vec<double> matcof) {
  for (int64_t i = 0; i < n; ++i) matcof[(i + 1) * (i + 2) / 2 - 1] = -1.0;
}

void packed_diagonal_minus_one_n_last(Vec<double> matcof, int32_t n) { packed_diagonal_minus_one(n, matcof); }

// Coordinates of the lower triangle of an n x n matrix, row by row, from position 0:
// (matsubi, matsubj) = (0,0), (1,0), (1,1), (2,0), ...
void packed_triangle_coordinates(int32_t n, Vec<int32_t> matsubi, Vec<int32_t> matsubj) {
  int64_t p = 0;
  for (int32_t i = 0; i < n; ++i)
    for (int32_t j = 0; j <= i; ++j) {
      matsubi[p] = i;
      matsubj[p] = j;
      ++p;
    }
}

// Dense symmetric expansion: reads n(n+1)/2 entries of idxs from pos, row i from its
// diagonal rightwards ((0,0), (0,1), ..., (0,n-1), (1,1), ...), and writes each, plus one,
// to entry (i, j) and its mirror (j, i) of the n x n row-major ridxs. Returns the read
// position after the last entry.
int32_t expand_dense_symmetric(int32_t n, Vec<const int32_t> idxs, int32_t pos, Vec<int64_t> ridxs) {
  for (int64_t i = 0; i < n; ++i) {
    ridxs[i * n + i] = static_cast<int64_t>(idxs[pos]) + 1;
    pos = add32(pos, 1);
    for (int64_t j = i + 1; j < n; ++j) {
      const int64_t v = static_cast<int64_t>(idxs[pos]) + 1;
      ridxs[i * n + j] = v;
      ridxs[j * n + i] = v;
      pos = add32(pos, 1);
    }
  }
  return pos;
}

// init + the number of entries in the symmetric expansion of the sparse triangle sp of an
// n x n matrix: 1 for a diagonal entry (s mod (n+1) = 0), 2 for any other.
int32_t count_symmetric(int32_t n, int32_t init, Vec<const int64_t> sp) {
  const int64_t n1 = static_cast<int64_t>(n) + 1;
  int32_t count = init;
  for (int64_t k = 0; k < sp.size(); ++k) count = add32(count, rem64(sp[k], n1) == 0 ? 1 : 2);
  return count;
}

// Sparse symmetric expansion: for each entry s = sp[k], in order, writes s and, off the
// diagonal, its mirror (s / n) + (s mod n) * n to rsp, each with idxs[k] + 1 in ridxs,
// from position 0. The output is not sorted; its length is count_symmetric(n, 0, sp).
void expand_sparse_symmetric(int32_t n, Vec<const int32_t> idxs, Vec<int64_t> ridxs, Vec<int64_t> rsp,
                             Vec<const int64_t> sp) {
  int64_t p = 0;
  expand_symmetric(n, sp, [&](int64_t s, int64_t k) {
    rsp[p] = s;
    ridxs[p] = static_cast<int64_t>(idxs[k]) + 1;
    ++p;
  });
}

// The pattern of expand_sparse_symmetric alone: rsp as it writes it.
void expand_sparse_symmetric_pattern(int32_t n, Vec<int64_t> rsp, Vec<const int64_t> sp) {
  int64_t p = 0;
  expand_symmetric(n, sp, [&](int64_t s, int64_t) { rsp[p++] = s; });
}

// r[i] = nativeidxs[i] + 1 (as int64) for every entry of nativeidxs.
void one_based_native_indexes(Vec<const int32_t> nativeidxs, Vec<int64_t> r) {
  for (int64_t i = 0; i < nativeidxs.size(); ++i) r[i] = static_cast<int64_t>(nativeidxs[i]) + 1;
}

// Writes the stored triangles of semidefinite matrix entries into both mirrored positions
// of the dense native index array residxs, as negative native indexes (-v - 1).
// nativeidxs is read from 0 in the order (a < nouter, q < nq with q < msize, r < nmid,
// t < msize - q, u < nblock): per matrix column q its entries from the diagonal down.
// Entry t below diagonal (q, q) lands at base + t * rowstride + u and base + t * colstride + u,
// where base = a * ostride + q * (rowstride + colstride) + r * mstride.
void mirror_semidefinite_entries(int32_t nouter, int32_t msize, int32_t nmid, int32_t nq, int32_t nblock,
                                 Vec<const int64_t> nativeidxs, Vec<int64_t> residxs, int32_t ostride,
                                 int32_t rowstride, int32_t mstride, int32_t colstride) {
  const int64_t diagstep = static_cast<int64_t>(rowstride) + colstride;
  // Diagonals from msize on have no entries.
  const int32_t ndiag = std::min(nq, msize);
  if (!all_positive(nouter, ndiag, nmid, nblock)) return;
  int64_t rd = 0;
  for (int64_t a = 0; a < nouter; ++a)
    for (int64_t q = 0; q < ndiag; ++q)
      for (int64_t r = 0; r < nmid; ++r) {
        const int64_t base = a * ostride + q * diagstep + r * mstride;
        for (int64_t t = 0; t < msize - q; ++t) {
          for (int64_t u = 0; u < nblock; ++u) {
            const int64_t v = -1 - nativeidxs[rd + u];
            residxs[base + t * rowstride + u] = v;
            residxs[base + t * colstride + u] = v;
          }
          rd += nblock;
        }
      }
}

}  // namespace fragments::shape

TOPIC("Symmetric and triangular index patterns")
FRAGMENT(62, shape::packed_diagonal_minus_one, "iO", "n", "matcof")
DOC(62, "",
    "Packed diagonal set to -1: matcof[(i + 1) * (i + 2) / 2 - 1] = -1.0 for i < n, the diagonal "
    "entries of the lower triangle of an n x n matrix packed row by row ((0,0), (1,0), (1,1), "
    "(2,0), ...). Other entries are left alone; matcof needs n * (n + 1) / 2 entries. "
    "_c_closure_68 takes the parameters in the other order.")
FRAGMENT(63, shape::packed_triangle_coordinates, "iOO", "n", "matsubi", "matsubj")
DOC(63, "",
    "Coordinates of a lower triangle: the entries (i, j), j <= i, of an n x n matrix row by row "
    "from position 0, matsubi[p] = i and matsubj[p] = j for (0,0), (1,0), (1,1), (2,0), ... "
    "matsubi and matsubj need n * (n + 1) / 2 entries.")
FRAGMENT(68, shape::packed_diagonal_minus_one_n_last, "Oi", "matcof", "n")
DOC(68, "",
    "Packed diagonal set to -1, n last: matcof[(i + 1) * (i + 2) / 2 - 1] = -1.0 for i < n, the "
    "diagonal entries of the lower triangle of an n x n matrix packed row by row ((0,0), (1,0), "
    "(1,1), (2,0), ...). Other entries are left alone; matcof needs n * (n + 1) / 2 entries. The "
    "same as _c_closure_62 with the parameters in the other order.")
FRAGMENT(142, shape::expand_dense_symmetric, "iOiO", "n", "idxs", "pos", "ridxs")
DOC(142, "pos",
    "Dense symmetric expansion: reads the n * (n + 1) / 2 entries idxs[pos], idxs[pos + 1], ... as "
    "the upper triangle row by row, (0,0), (0,1), ..., (0,n-1), (1,1), (1,2), ... (which is the "
    "lower triangle column by column), and writes each plus one, widened to int64, to entry (i, j) "
    "and its mirror (j, i) of the row-major n x n matrix ridxs: ridxs[i * n + j] = ridxs[j * n + "
    "i] = idxs[...] + 1. All n * n entries of ridxs are written; one-based values leave 0 to mean "
    "no variable.\n"
    "Returns pos + n * (n + 1) / 2, the read position after the last entry (32-bit), so that calls "
    "for consecutive matrices chain.")
SAME_AS(152, 142)
FRAGMENT(143, shape::count_symmetric, "iiO", "n", "init", "sp")
DOC(143, "count",
    "Size of a sparse symmetric expansion, the count pass of _c_closure_144 and _c_closure_146: "
    "returns init + the sum, over the entries s of sp (its whole length: the linear indexes of the "
    "stored entries of an n x n matrix), of 1 for a diagonal entry (s mod (n + 1) = 0) and 2 for "
    "any other (the entry and its mirror), wrapping in 32 bits; e.g. n = 3, sp [0, 3, 4] gives "
    "init + 4.")
SAME_AS(145, 143)
SAME_AS(153, 143)
SAME_AS(155, 143)
FRAGMENT(144, shape::expand_sparse_symmetric, "iOOOO", "n", "idxs", "ridxs", "rsp", "sp")
DOC(144, "",
    "Sparse symmetric expansion, the build pass sized by _c_closure_143: for each k < len(sp) in "
    "order, with s = sp[k] (entry (s / n, s mod n) of an n x n matrix), writes rsp[p] = s and "
    "ridxs[p] = idxs[k] + 1 (one-based, int64), p += 1; then, off the diagonal, rsp[p] = s / n + "
    "(s mod n) * n (the mirror) and ridxs[p] = idxs[k] + 1, p += 1; p counts from 0.\n"
    "rsp and ridxs need _c_closure_143(n, 0, sp) entries and idxs len(sp). The output is not "
    "sorted: sort it with _c_closure_175 .. _c_closure_178 when ascending order is needed.")
SAME_AS(154, 144)
FRAGMENT(146, shape::expand_sparse_symmetric_pattern, "iOO", "n", "rsp", "sp")
DOC(146, "",
    "Sparse symmetric expansion, pattern only, the build pass sized by _c_closure_143: writes rsp "
    "exactly as _c_closure_144 does (s = sp[k] for each k < len(sp) in order and, off the "
    "diagonal, its mirror s / n + (s mod n) * n, from position 0) and nothing else. rsp needs "
    "_c_closure_143(n, 0, sp) entries; it is not sorted.")
SAME_AS(156, 146)
FRAGMENT(147, shape::one_based_native_indexes, "OO", "nativeidxs", "r")
DOC(147, "",
    "One-based native indexes: r[i] = nativeidxs[i] + 1, widened to int64, for every i < "
    "len(nativeidxs) (the count is its length; r needs as many entries), so that 0 can mean no "
    "variable.")
SAME_AS(157, 147)
SAME_AS(158, 147)
FRAGMENT(151, shape::mirror_semidefinite_entries, "iiiiiOOiiii", "nouter", "msize", "nmid", "nq", "nblock", "nativeidxs", "residxs", "ostride", "rowstride", "mstride", "colstride")
DOC(151, "",
    "Semidefinite entries mirrored into a dense native index array: reads nativeidxs from position "
    "0 in the order a < nouter, q < min(nq, msize), r < nmid, t < msize - q, u < nblock (per "
    "matrix column q its entries from the diagonal down, nblock side by side) and writes each "
    "value v as -v - 1, the signed index of bar element v, to residxs[base + t * rowstride + u] "
    "and residxs[base + t * colstride + u] (one position for t = 0), where base = a * ostride + q "
    "* (rowstride + colstride) + r * mstride is diagonal entry (q, q).\n"
    "nativeidxs holds bar element positions (as _c_closure_46 lists them) and needs nouter * nmid "
    "* nblock * (the sum of msize - q over q < min(nq, msize)) entries; positions of residxs that "
    "no entry reaches are left alone. Positions are computed in 64 bits.")
