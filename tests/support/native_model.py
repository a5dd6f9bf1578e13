"""A small native model: scalar and bar variables laid out by the layout kernels, random terms."""
import numpy as np

import fragments as F

from .buffers import JUNK
from .records import Record

SENTINEL, NOWHERE = JUNK[np.float64], JUNK[np.int32]
GROUPS = ((1, 1), (2, 2), (3, 1), (4, 2))  # (dimension, number of variables) per map entry


class NativeModel:
    def __init__(self, nscalar=6, groups=GROUPS):
        self.nscalar = nscalar
        nbar = sum(n for _, n in groups)
        nelem = sum(n * d * (d + 1) // 2 for d, n in groups)
        self.natbarvar_dim = np.zeros(nbar, np.int32)
        self.natbarvar_ptr = np.zeros(nbar + 1, np.int64)
        self.natbarvar_idx, self.natbarvar_i, self.natbarvar_j = (np.full(nelem, -1, np.int32) for _ in range(3))
        self.natbarvarmap_ptr = np.zeros(len(groups), np.int32)
        self.natbarvarmap_num = np.array([n for _, n in groups], np.int32)
        first = 0
        for m, (d, n) in enumerate(groups):
            self.natbarvarmap_ptr[m] = first
            F._c_closure_2(d, n, self.natbarvar_dim, first)
            F._c_closure_3(d * (d + 1) // 2, d, first, n, self.natbarvar_i, self.natbarvar_idx,
                           self.natbarvar_j, self.natbarvar_ptr, first)
            first += n
        self.nbar, self.nbarelem = nbar, nelem

    def elements_of(self, b):
        return np.arange(self.natbarvar_ptr[b], self.natbarvar_ptr[b + 1])

    def random_point(self, rng):
        """Scalar values x, one random symmetric matrix per bar variable and xbar[p] = entry
        (i, j) of p's matrix."""
        x = rng.normal(size=self.nscalar)
        mats = [a + a.T for a in (rng.normal(size=(d, d)) for d in self.natbarvar_dim)]
        xbar = np.array([mats[b][i, j] for b, i, j in zip(self.natbarvar_idx, self.natbarvar_i, self.natbarvar_j)])
        return x, mats, xbar

    def random_terms(self, rng, max_segments=4):
        """A shuffled mix of scalar terms, index-0 terms and runs of bar terms on one bar
        variable (so bar terms may follow scalar ones)."""
        nidxs = []
        for _ in range(rng.integers(0, max_segments + 1)):
            kind = rng.integers(0, 4)
            if kind == 0:
                nidxs += list(rng.integers(1, self.nscalar + 1, size=rng.integers(1, 3)))
            elif kind == 1:
                nidxs.append(0)
            else:
                pos = rng.choice(self.elements_of(rng.integers(0, self.nbar)), size=rng.integers(1, 4))
                nidxs += list(-1 - pos)
        return np.array(nidxs, np.int64), np.round(rng.normal(size=len(nidxs)), 3)

    def random_record(self, rng, nelem, sorted_terms=False):
        """A 1-D record of random_terms elements (about a fifth empty)."""
        nidxs, cof, ptr = [np.zeros(0, np.int64)], [np.zeros(0)], [0]
        for _ in range(nelem):
            n, c = self.random_terms(rng) if rng.random() >= 0.2 else (np.zeros(0, np.int64), np.zeros(0))
            if sorted_terms:
                order = np.argsort(n, kind="stable")
                n, c = n[order], c[order]
            nidxs.append(n)
            cof.append(c)
            ptr.append(ptr[-1] + len(n))
        return Record((nelem,), np.array(ptr), np.concatenate(nidxs), np.concatenate(cof),
                      np.round(rng.normal(size=nelem), 3))


def bar_value(mats, dims, bsubj, subi, subj, val):
    """Σ_b ⟨C_b, X_b⟩ with C_b the symmetric matrix of b's lower-triangle entries."""
    total = 0.0
    for b in set(int(v) for v in bsubj):
        c = np.zeros((dims[b], dims[b]))
        for bb, i, j, v in zip(bsubj, subi, subj, val):
            if bb == b:
                assert i >= j
                c[i, j] += v
                c[j, i] += v if i != j else 0.0
        total += float(np.sum(c * mats[b]))
    return total
