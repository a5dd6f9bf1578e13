# A small native model: scalar and bar variables laid out by the layout kernels, random terms, and
# a record's runs on a stack under the names that the native kernels give them.
import numpy as np

from .kernels import call
from .records import Record, Stack, place

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

    def random_record(self, rng, nelem):
        # A 1-D record whose elements mix scalar terms, index-0 terms and runs of bar terms on one
        # bar variable (so bar terms may follow scalar ones); about a fifth of them are empty.
        def segment(kind):
            b = rng.integers(0, len(self.natbarvar_dim))
            if kind == 0:
                return rng.integers(1, self.nscalar + 1, size=rng.integers(1, 3))
            return [0] if kind == 1 else -1 - rng.integers(*self.natbarvar_ptr[b:b + 2], size=rng.integers(1, 4))
        terms = [np.concatenate([[]] + [segment(min(kind, 2)) for kind in rng.integers(
            0, 4, size=rng.integers(0, 5) * (rng.random() >= 0.2))]).astype(np.int64) for _ in range(nelem)]
        nidxs = np.concatenate([[]] + terms).astype(np.int64)
        return Record((nelem,), np.cumsum([0] + [len(t) for t in terms]), nidxs,
                      np.round(rng.normal(size=len(nidxs)), 3), np.round(rng.normal(size=nelem), 3))


def record_args(rec):
    # rec on a stack, as the work-stack (wi32, ptrbase, ...) and result-stack (ri32, ptr_base,
    # rnidxsbase, ...) arguments of the native kernels
    st = Stack()
    b = place(st, rec)
    return dict(wi32=st.i32, wi64=st.i64, wf64=st.f64, ri32=st.i32, ri64=st.i64, rf64=st.f64, ptrbase=b.ptr,
                ptr_base=b.ptr, nidxsbase=b.nidxs, nidxs_base=b.nidxs, rnidxsbase=b.nidxs, cofbase=b.cof,
                cof_base=b.cof, rcofbase=b.cof, bfix_base=b.bfix)
