"""Index-linked lists in next/prev arrays against a model of Python lists of node numbers."""
import numpy as np
import pytest

from support.buffers import JUNK, i32
from support.layout import k

J32 = JUNK[np.int32]


def check_links(lists, nxt, prv):
    for nodes in filter(None, lists):
        assert prv[nodes[0]] == -1 and nxt[nodes[-1]] == -1
        assert all(nxt[a] == b and prv[b] == a for a, b in zip(nodes, nodes[1:]))


@pytest.mark.parametrize("stride", [1, 2, -1])
def test_random_pool_operations_match_list_model(stride):
    rng = np.random.default_rng(480 + stride)
    for trial in range(12):
        size = int(rng.integers(1, 40))
        nxt, prv = i32([J32] * size, stride), i32([J32] * size, stride)
        cuts = sorted({0, size, *(int(c) for c in rng.integers(0, size, size=3))})  # one list per range
        lists = []
        for first, end in zip(cuts, cuts[1:]):
            if first == 0 and trial % 2 == 0:
                k(479)(end, nxt, prv)
            else:
                k(485)(first, end, nxt, prv)
            nxt[end - 1], prv[first] = -1, -1
            lists.append(list(range(first, end)))
        check_links(lists, nxt, prv)
        for _ in range(30):
            src, dst = (int(v) for v in rng.integers(0, len(lists), size=2))
            if not lists[src] or src == dst:
                continue
            nodes = lists[src]
            at = int(rng.integers(0, len(nodes)))
            n = int(rng.integers(1, len(nodes) - at + 1))
            run = nodes[at:at + n]
            assert k(484)(run[0], nxt, n) == run[-1]
            seed = int(rng.integers(-2, size))
            assert k(483)(run[0], seed, nxt, n) == (run[-1], max([seed] + run[1:]))  # head not compared
            dsthead = lists[dst][0] if lists[dst] else -1
            assert k(480)(dsthead, run[0], nxt, len(lists[dst]), n, prv) == (run[0], len(lists[dst]) + n)
            lists[src] = nodes[:at] + nodes[at + n:]
            lists[dst] = run + lists[dst]
            check_links(lists, nxt, prv)
        for nodes in filter(None, lists):
            for number, returns in ((481, -1), (482, None)):
                target = i32([J32] * (len(nodes) + 4), stride)
                assert k(number)(nodes[0], nxt, len(nodes), 2, target) == returns
                assert list(target) == [J32] * 2 + nodes + [J32] * 2
        assert sorted(sum(lists, [])) == list(range(size))


def test_chains_moves_and_walks_worked_examples():
    nxt, prv = i32([J32] * 8), i32([J32] * 8)
    k(485)(2, 6, nxt, prv)
    assert list(nxt) == [J32] * 2 + [3, 4, 5] + [J32] * 3 and list(prv) == [J32] * 3 + [2, 3, 4] + [J32] * 2
    nxt, prv = i32([J32] * 3), i32([J32] * 3)
    for first, end in [(1, 2), (2, 1), (0, 0)]:
        k(485)(first, end, nxt, prv)
    k(479)(1, nxt, prv)
    k(479)(0, nxt, prv)
    assert list(nxt) == [J32] * 3 and list(prv) == [J32] * 3
    assert k(484)(5, i32([]), 1) == 5 and k(484)(5, i32([]), 0) == 5  # no step reads nothing
    assert k(483)(5, 0, i32([]), 1) == (5, 0)
    nxt = i32([2, -1, 1])
    target = i32([0] * 3)
    assert k(481)(0, nxt, 2, 1, target) == 1 and list(target) == [0, 0, 2]  # part: the next node
    assert k(481)(-1, nxt, 0, 0, target) == -1
    nxt, prv = i32([1, 2, -1]), i32([-1, 0, 1])
    assert k(480)(-1, 0, nxt, 4, 3, prv) == (0, 7)  # a whole list into an empty one
    assert list(nxt) == [1, 2, -1] and list(prv) == [-1, 0, 1]
    nxt, prv = i32([1, -1, 3, -1]), i32([-1, 0, -1, 2])
    for head in (0, 1, -1):  # n <= 0 moves nothing and reports the receiving list
        assert k(480)(2, head, nxt, 2, 0, prv) == (2, 2)
        assert k(480)(-1, head, nxt, 0, -3, prv) == (-1, 0)
    assert list(nxt) == [1, -1, 3, -1] and list(prv) == [-1, 0, -1, 2]
