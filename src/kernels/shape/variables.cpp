// Variables as expression records, and spreading values to shapes.
#include "kernels/kernel.h"

namespace fragments::shape {

// Writes the record of a variable with nelem present elements onto the result stack:
// each element has one term, its own native index with coefficient 1, and constant 0.
//   ptr   ri32[ptr_base .. ptr_base + nelem]   = 0, 1, ..., nelem (nnz = nelem)
//   nidxs ri64[nidxs_base ..], nelem entries   = nativeidxs
//   sp    ri64[sp_base ..], nelem entries      = sparsity, only when issparse != 0
//                                              (otherwise sparsity is not read)
//   cof   rf64[cof_base ..], nelem entries     = 1.0
//   bfix  rf64[bfix_base ..], nelem entries    = 0.0
// The shape run is written separately (shape_to_result).
void variable_record(int32_t bfix_base, int32_t cof_base, int32_t issparse, Vec<const int64_t> nativeidxs,
                     int32_t nidxs_base, int32_t nelem, int32_t ptr_base, Vec<double> rf64, Vec<int32_t> ri32,
                     Vec<int64_t> ri64, int32_t sp_base, Vec<const int64_t> sparsity) {
  Vec<int32_t> ptr = ri32.from(ptr_base);
  for (int32_t k = 0; k <= nelem; ++k) ptr[k] = k;
  Vec<int64_t> nidxs = ri64.from(nidxs_base);
  for (int32_t i = 0; i < nelem; ++i) nidxs[i] = nativeidxs[i];
  if (issparse != 0) {
    Vec<int64_t> sp = ri64.from(sp_base);
    for (int32_t i = 0; i < nelem; ++i) sp[i] = sparsity[i];
  }
  Vec<double> cof = rf64.from(cof_base);
  for (int32_t i = 0; i < nelem; ++i) cof[i] = 1.0;
  Vec<double> bfix = rf64.from(bfix_base);
  for (int32_t i = 0; i < nelem; ++i) bfix[i] = 0.0;
}

// Spreads the values of a variable's present elements into a dense array of its shape:
// spread_res[sparsity[i]] = res[i] for i over the length of nativeidxs (the number of
// present elements); other entries of spread_res keep what the caller put there. A
// dense variable (sparsity None) has every element present: spread_res[i] = res[i].
void spread_values(Vec<const int64_t> nativeidxs, Vec<const double> res, Vec<const int64_t> sparsity,
                   Vec<double> spread_res) {
  const int64_t nelem = nativeidxs.size();
  for (int64_t i = 0; i < nelem; ++i) spread_res[sparsity ? sparsity[i] : i] = res[i];
}

}  // namespace fragments::shape

TOPIC("Variables as expression records, and spreading values to shapes")
FRAGMENT(111, shape::variable_record, "iiiOiiiOOOiO", "bfix_base", "cof_base", "issparse", "nativeidxs", "nidxs_base",
         "nelem", "ptr_base", "rf64", "ri32", "ri64", "sp_base", "sparsity")
DOC(111, "",
    "Variable as an expression record on the result stack: nelem elements, each with one term (its "
    "own native index, coefficient 1.0) and constant 0.0:\n"
    "- ptr: ri32[ptr_base + k] = k for k = 0 .. nelem (nelem + 1 entries; ptr[0] = 0 is written);\n"
    "- nidxs: ri64[nidxs_base + i] = nativeidxs[i] for i < nelem;\n"
    "- sp: ri64[sp_base + i] = sparsity[i] for i < nelem, only when issparse != 0 (otherwise "
    "sparsity is not read, None is accepted, and nothing is written at sp_base);\n"
    "- cof: rf64[cof_base + i] = 1.0 and bfix: rf64[bfix_base + i] = 0.0 for i < nelem.\n"
    "The caller reserves those runs (nelem + 1 int32 entries, nelem int64 entries for nidxs and "
    "for sp, nelem float64 entries each for cof and bfix); the record has nnz = nelem terms. Its "
    "shape run is written by _c_closure_110. nelem = 0 writes only ptr[0] = 0.")
FRAGMENT(113, shape::spread_values, "OOOO", "nativeidxs", "res", "sparsity", "spread_res")
DOC(113, "",
    "Spread values to a dense array: spread_res[sparsity[i]] = res[i] for i < len(nativeidxs), the "
    "variable's present elements (nativeidxs is read only for its length). With sparsity None (a "
    "dense variable) spread_res[i] = res[i]. Entries of spread_res at absent positions keep what "
    "the caller put there (zero-fill it for zeros); spread_res needs the variable's element count "
    "and res len(nativeidxs) entries.")
SAME_AS(114, 113)
