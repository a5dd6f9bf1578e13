"""Index-linked lists threaded through next/prev arrays, against a model that keeps each
list as a Python list of node numbers, under random sequences of chain, move, walk and
copy operations."""
import numpy as np
import pytest

import fragments
from support.buffers import JUNK, i32


def k(n):
    return getattr(fragments, f"_c_closure_{n}")


def check_links(lists, nxt, prv):
    """Every modelled list is threaded correctly through nxt and prv."""
    for nodes in lists:
        if not nodes:
            continue
        assert prv[nodes[0]] == -1 and nxt[nodes[-1]] == -1
        for a, b in zip(nodes, nodes[1:]):
            assert nxt[a] == b and prv[b] == a


def read_back(nodes, nxt, stride):
    """The list from nodes[0] as copied by the list-to-array kernels (481 and 482)."""
    n = len(nodes)
    target = i32([JUNK[np.int32]] * (n + 4), stride=stride)
    end = k(481)(nodes[0], nxt, n, 2, target)
    assert end == -1
    copied = list(target[2:2 + n])
    again = i32([JUNK[np.int32]] * (n + 4), stride=stride)
    assert k(482)(nodes[0], nxt, n, 2, again) is None
    assert list(again) == list(target)
    assert list(target[:2]) == [JUNK[np.int32]] * 2 and list(target[2 + n:]) == [JUNK[np.int32]] * 2
    return copied


@pytest.mark.parametrize("stride", [1, 2, -1])
def test_random_pool_operations_match_list_model(stride):
    rng = np.random.default_rng(480 + stride)
    for trial in range(12):
        size = int(rng.integers(1, 40))
        nxt = i32([JUNK[np.int32]] * size, stride=stride)
        prv = i32([JUNK[np.int32]] * size, stride=stride)
        # Cut 0 .. size - 1 into a few consecutive ranges, one list each.
        cuts = sorted({0, size, *(int(c) for c in rng.integers(0, size, size=3))})
        lists = []
        for first, end in zip(cuts, cuts[1:]):
            if first == 0 and trial % 2 == 0:
                k(479)(end, nxt, prv)
            else:
                k(485)(first, end, nxt, prv)
            nxt[end - 1] = -1
            prv[first] = -1
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
            dsthead = lists[dst][0] if lists[dst] else -1
            # Walks from the run's start, with and without the running maximum.
            assert k(484)(run[0], nxt, n) == run[-1]
            seed = int(rng.integers(-2, size))
            largest = seed
            for node in run[1:]:
                largest = max(largest, node)
            assert k(483)(run[0], seed, nxt, n) == (run[-1], largest)
            got = k(480)(dsthead, run[0], nxt, len(lists[dst]), n, prv)
            assert got == (run[0], len(lists[dst]) + n)
            lists[src] = nodes[:at] + nodes[at + n:]
            lists[dst] = run + lists[dst]
            check_links(lists, nxt, prv)
        for nodes in lists:
            if nodes:
                assert read_back(nodes, nxt, stride) == nodes
        assert sorted(sum(lists, [])) == list(range(size))


def test_chains_write_only_their_links():
    junk = JUNK[np.int32]
    nxt, prv = i32([junk] * 8), i32([junk] * 8)
    k(485)(2, 6, nxt, prv)
    assert list(nxt) == [junk, junk, 3, 4, 5, junk, junk, junk]
    assert list(prv) == [junk, junk, junk, 2, 3, 4, junk, junk]
    nxt, prv = i32([junk] * 3), i32([junk] * 3)
    for first, end in [(1, 2), (2, 1), (0, 0)]:
        k(485)(first, end, nxt, prv)
    k(479)(1, nxt, prv)
    k(479)(0, nxt, prv)
    assert list(nxt) == [junk] * 3 and list(prv) == [junk] * 3


def test_worked_examples():
    # A walk of one node does not read next.
    assert k(484)(5, i32([]), 1) == 5
    assert k(484)(5, i32([]), 0) == 5
    assert k(483)(5, 0, i32([]), 1) == (5, 0)
    # 5 -> 2 -> 9: the start node is not compared.
    nxt = i32([-1] * 10)
    nxt[5], nxt[2] = 2, 9
    assert k(483)(5, 0, nxt, 3) == (9, 9)
    assert k(483)(5, 20, nxt, 3) == (9, 20)
    # Copying all of a three-node list ends on the list's end marker; copying part of it
    # returns the next node.
    nxt = i32([2, -1, 1])
    target = i32([0] * 3)
    assert k(481)(0, nxt, 3, 0, target) == -1 and list(target) == [0, 2, 1]
    assert k(481)(0, nxt, 2, 1, target) == 1 and list(target) == [0, 0, 2]
    assert k(481)(-1, nxt, 0, 0, target) == -1


def test_moving_a_whole_list_into_an_empty_one():
    nxt, prv = i32([1, 2, -1]), i32([-1, 0, 1])
    assert k(480)(-1, 0, nxt, 4, 3, prv) == (0, 7)
    assert list(nxt) == [1, 2, -1] and list(prv) == [-1, 0, 1]


def test_moving_an_empty_run_changes_nothing():
    # Moving zero nodes leaves both lists as they are and reports the receiving list.
    nxt, prv = i32([1, -1, 3, -1]), i32([-1, 0, -1, 2])
    for head in (0, 1, -1):
        assert k(480)(2, head, nxt, 2, 0, prv) == (2, 2)
        assert k(480)(-1, head, nxt, 0, -3, prv) == (-1, 0)
    assert list(nxt) == [1, -1, 3, -1] and list(prv) == [-1, 0, -1, 2]
