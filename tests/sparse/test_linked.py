# Index-linked lists in next/prev arrays against a model of Python lists of node numbers.
import numpy as np
import pytest

from support.buffers import i32
from support.kernels import call, kernel as k
from support.worked import run, table

J = -5
ROWS = [  # a copy of part of a list returns the next node; moving n <= 0 nodes changes nothing
    (481, dict(head=0, next=[2, -1, 1], n=2, pos=1, target=[0] * 3), 1, dict(target=[0, 0, 2])),
    (480, dict(dsthead=2, head=0, next=[1, -1, 3, -1], count=2, n=0, prev=[-1, 0, -1, 2]), (2, 2),
     dict(next=[1, -1, 3, -1], prev=[-1, 0, -1, 2])),
]


@table(ROWS)
def test_worked_examples(number, args, result, after, stride):
    run(number, args, result, after, stride)


@pytest.mark.parametrize("stride", [1, 2, -1])
def test_random_pool_operations_match_list_model(stride):
    rng = np.random.default_rng(480 + stride)
    for trial in range(12):
        size = int(rng.integers(1, 40))
        nxt, prv = i32([J] * size, stride), i32([J] * size, stride)
        cuts = sorted({0, size, *(int(c) for c in rng.integers(0, size, size=3))})  # one list per range
        lists = [list(range(first, end)) for first, end in zip(cuts, cuts[1:])]
        for nodes in lists:
            call(479 if nodes[0] == 0 and trial % 2 else 485, first=nodes[0], end=nodes[-1] + 1, n=nodes[-1] + 1,
                 next=nxt, prev=prv)
            nxt[nodes[-1]], prv[nodes[0]] = -1, -1
        for _ in range(30):
            src, dst = (int(v) for v in rng.integers(0, len(lists), size=2))
            if lists[src] and src != dst:
                nodes = lists[src]
                at = int(rng.integers(0, len(nodes)))
                moved = nodes[at:at + int(rng.integers(1, len(nodes) - at + 1))]
                assert k(484)(moved[0], nxt, len(moved)) == moved[-1]
                seed = int(rng.integers(-2, size))
                assert k(483)(moved[0], seed, nxt, len(moved)) == (moved[-1], max([seed] + moved[1:]))  # not the head
                head, count = (lists[dst] or [-1])[0], len(lists[dst])
                assert k(480)(head, moved[0], nxt, count, len(moved), prv) == (moved[0], count + len(moved))
                lists[src], lists[dst] = [v for v in nodes if v not in moved], moved + lists[dst]
            for ns in filter(None, lists):  # the links hold the model's lists
                assert [nxt[v] for v in ns] == ns[1:] + [-1] and [prv[v] for v in ns] == [-1] + ns[:-1]
        for nodes in filter(None, lists):
            for number, returns in ((481, -1), (482, None)):
                target = i32([J] * (len(nodes) + 4), stride)
                assert k(number)(nodes[0], nxt, len(nodes), 2, target) == returns
                assert list(target) == [J] * 2 + nodes + [J] * 2
