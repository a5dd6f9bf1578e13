"""A small native model: scalar variables and bar variables laid out by the layout kernel,
records whose terms name both, and the symmetric matrices that bar terms stand for.

Bar element p of a bar variable of dimension d is the entry (i, j), i >= j, of its lower
triangle; the model keeps the maps natbarvar_dim/_ptr/_idx/_i/_j as the kernels read them."""
import numpy as np

import fragments as F

from .records import Record

# (dimension, number of variables) per map entry: dimensions 1 to 4.
GROUPS = ((1, 1), (2, 2), (3, 1), (4, 2))


class NativeModel:
    def __init__(self, nscalar=6, groups=GROUPS):
        self.nscalar = nscalar
        self.groups = tuple(groups)
        nbar = sum(n for _, n in groups)
        nelem = sum(n * d * (d + 1) // 2 for d, n in groups)
        self.natbarvar_dim = np.zeros(nbar, np.int32)
        self.natbarvar_ptr = np.zeros(nbar + 1, np.int64)
        self.natbarvar_idx = np.full(nelem, -1, np.int32)
        self.natbarvar_i = np.full(nelem, -1, np.int32)
        self.natbarvar_j = np.full(nelem, -1, np.int32)
        self.natbarvarmap_ptr = np.zeros(len(groups), np.int32)
        self.natbarvarmap_num = np.zeros(len(groups), np.int32)
        first = 0
        for m, (d, n) in enumerate(groups):
            self.natbarvarmap_ptr[m] = first
            self.natbarvarmap_num[m] = n
            F._c_closure_2(d, n, self.natbarvar_dim, first)
            F._c_closure_3(d * (d + 1) // 2, d, first, n, self.natbarvar_i, self.natbarvar_idx,
                           self.natbarvar_j, self.natbarvar_ptr, first)
            first += n

    @property
    def nbar(self):
        return len(self.natbarvar_dim)

    @property
    def nbarelem(self):
        return len(self.natbarvar_idx)

    def elements_of(self, b):
        """The bar element positions of bar variable b."""
        return np.arange(self.natbarvar_ptr[b], self.natbarvar_ptr[b + 1])

    def random_point(self, rng):
        """Scalar values x and random symmetric matrices X (one per bar variable), with
        xbar[p] the entry (i, j) of p's matrix."""
        x = rng.normal(size=self.nscalar)
        mats = []
        for b in range(self.nbar):
            d = int(self.natbarvar_dim[b])
            a = rng.normal(size=(d, d))
            mats.append(a + a.T)
        xbar = np.array([mats[b][i, j] for b, i, j in
                         zip(self.natbarvar_idx, self.natbarvar_i, self.natbarvar_j)])
        return x, mats, xbar

    def random_terms(self, rng, max_segments=4):
        """One element's terms: a shuffled mix of scalar terms, index-0 terms and runs of
        bar terms on one bar variable (so bar terms may follow scalar ones)."""
        nidxs = []
        for _ in range(rng.integers(0, max_segments + 1)):
            kind = rng.integers(0, 4)
            if kind == 0:
                nidxs += list(rng.integers(1, self.nscalar + 1, size=rng.integers(1, 3)))
            elif kind == 1:
                nidxs.append(0)
            else:
                b = rng.integers(0, self.nbar)
                pos = rng.choice(self.elements_of(b), size=rng.integers(1, 4))
                nidxs += list(-1 - pos)
        cof = np.round(rng.normal(size=len(nidxs)), 3)
        return np.array(nidxs, np.int64), cof

    def random_record(self, rng, nelem, empty=0.2, sorted_terms=False):
        """A 1-D record of nelem elements built from random_terms (some left empty);
        with sorted_terms each element's terms are in increasing index order."""
        nidxs, cof, ptr = [], [], [0]
        for _ in range(nelem):
            if rng.random() < empty:
                n, c = np.zeros(0, np.int64), np.zeros(0)
            else:
                n, c = self.random_terms(rng)
            if sorted_terms:
                order = np.argsort(n, kind="stable")
                n, c = n[order], c[order]
            nidxs.append(n)
            cof.append(c)
            ptr.append(ptr[-1] + len(n))
        bfix = np.round(rng.normal(size=nelem), 3)
        return Record((nelem,), np.array(ptr), np.concatenate([np.zeros(0, np.int64)] + nidxs),
                      np.concatenate([np.zeros(0)] + cof), bfix)


def symmetric_matrix(dim, subi, subj, val):
    """The symmetric matrix of a lower-triangle coordinate list: val on (i, j) and (j, i)."""
    c = np.zeros((dim, dim))
    for i, j, v in zip(subi, subj, val):
        assert i >= j
        c[i, j] += v
        if i != j:
            c[j, i] += v
    return c


def inner(a, b):
    return float(np.sum(a * b))
