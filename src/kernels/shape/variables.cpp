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
FRAGMENT(113, shape::spread_values, "OOOO", "nativeidxs", "res", "sparsity", "spread_res")
SAME_AS(114, 113)
