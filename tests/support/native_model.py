# A small native model: scalar and bar variables laid out by the layout kernels, random terms, and
# a record's runs on a stack under the names that the native kernels give them.
import numpy as np

from .kernels import call
from .records import Record, place
from .stacks import Stack

GROUPS = ((1, 1), (2, 2), (3, 1), (4, 2))  # (dimension, number of variables) per map entry


class NativeModel:
    # Bar variables laid out entry by entry (_c_closure_2, _c_closure_3); maps holds the natbar*
    # arrays by their parameter names, which are attributes of the model too.
    def __init__(self, nscalar=6):
        self.nscalar, nums = nscalar, [n for _, n in GROUPS]
        nelem = sum(n * d * (d + 1) // 2 for d, n in GROUPS)
        self.maps = dict(natbarvar_dim=np.zeros(sum(nums), np.int32), natbarvar_ptr=np.zeros(sum(nums) + 1, np.int64),
                         natbarvarmap_num=np.array(nums, np.int32),
                         natbarvarmap_ptr=np.cumsum([0] + nums[:-1], dtype=np.int32),
                         **{m: np.full(nelem, -1, np.int32) for m in ("natbarvar_idx", "natbarvar_i", "natbarvar_j")})
        for (d, n), first in zip(GROUPS, self.maps["natbarvarmap_ptr"]):
            call(2, value=d, n=n, first=first, **self.maps)
            call(3, barsize=d * (d + 1) // 2, dim=d, first=first, n=n, ptrpos=first, **self.maps)
        self.__dict__.update(self.maps)

    def random_point(self, rng):
        # scalar values x, a random symmetric matrix per bar variable, xbar[p] = entry (i, j) of p's
        mats = [a + a.T for a in (rng.normal(size=(d, d)) for d in self.natbarvar_dim)]
        return rng.normal(size=self.nscalar), mats, np.array(
            [mats[b][i, j] for b, i, j in zip(self.natbarvar_idx, self.natbarvar_i, self.natbarvar_j)])

    def random_record(self, rng, nelem):
        # A 1-D record whose elements mix scalar terms, index-0 terms and runs of bar terms on one
        # bar variable (so bar terms may follow scalar ones); about a fifth of them are empty.
        terms = []
        for _ in range(nelem):
            nidxs = []
            for kind in rng.integers(0, 4, size=rng.integers(0, 5) * (rng.random() >= 0.2)):
                b = rng.integers(0, len(self.natbarvar_dim))
                nidxs += list((rng.integers(1, self.nscalar + 1, size=rng.integers(1, 3)), [0], -1 - rng.integers(
                    self.natbarvar_ptr[b], self.natbarvar_ptr[b + 1], size=rng.integers(1, 4)))[min(kind, 2)])
            terms.append(nidxs)
        nidxs = np.concatenate([[]] + terms).astype(np.int64)
        return Record((nelem,), np.cumsum([0] + [len(t) for t in terms]), nidxs, np.round(rng.normal(size=len(nidxs)), 3),
                      np.round(rng.normal(size=nelem), 3))


def record_args(rec):
    # rec on a stack, as the work-stack (wi32, ptrbase, ...) and result-stack (ri32, ptr_base,
    # rnidxsbase, ...) arguments of the native kernels
    st = Stack()
    b = place(st, rec)
    return dict(wi32=st.i32, wi64=st.i64, wf64=st.f64, ri32=st.i32, ri64=st.i64, rf64=st.f64, ptrbase=b.ptr,
                ptr_base=b.ptr, nidxsbase=b.nidxs, nidxs_base=b.nidxs, rnidxsbase=b.nidxs, cofbase=b.cof,
                cof_base=b.cof, rcofbase=b.cof, bfix_base=b.bfix)


def bar_value(mats, bsubj, subi, subj, val):
    # Σ ⟨C_b, X_b⟩, C_b the symmetric matrix of b's lower-triangle entries (i, j, v)
    assert all(i >= j for i, j in zip(subi, subj))
    return sum(v * mats[b][i, j] * (1 + (i != j)) for b, i, j, v in zip(bsubj, subi, subj, val))
