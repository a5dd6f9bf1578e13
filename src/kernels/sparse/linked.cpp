// Index-linked lists.
//
// Nodes are the indexes 0 .. N - 1 of two parallel int32 arrays: next[k] is the node
// after k, prev[k] the node before it, and a negative value (-1) ends a list in either
// direction. A list is named by its head h (prev[h] = -1); an empty list by -1. Walking
// s steps from h applies h = next[h] s times. The caller guarantees that a walk stays
// on the list (it never steps off past the end marker).
#include "kernels/kernel.h"

namespace fragments::sparse {

// Links first .. end - 1 into a chain: next[k] = k + 1 and prev[k + 1] = k for
// first <= k < end - 1. The chain's outer ends are the caller's.
static void link_chain(int64_t first, int64_t end, Vec<int32_t> next, Vec<int32_t> prev) {
  for (int64_t k = first; k + 1 < end; ++k) {
    next[k] = static_cast<int32_t>(k + 1);
    prev[k + 1] = static_cast<int32_t>(k);
  }
}

// The node reached by walking n - 1 steps from head (head itself when n <= 1).
static int32_t walk(int32_t head, Vec<const int32_t> next, int32_t n) {
  next.expect_size(int64_t{n} - 1);
  int32_t h = head;
  for (int32_t s = 1; s < n; ++s) h = next[h];
  return h;
}

// Copies n nodes of the list from head into target[pos ..]; returns the node after the
// last one copied (-1 when the copy reached the list's end).
static int32_t copy_list(int32_t head, Vec<const int32_t> next, int32_t n, int32_t pos, Vec<int32_t> target) {
  int32_t h = head;
  for (int32_t k = 0; k < n; ++k) {
    target[int64_t{pos} + k] = h;
    h = next[h];
  }
  return h;
}

// Chains the nodes 0 .. n - 1; next[n - 1] and prev[0] are left to the caller.
void chain_nodes(int32_t n, Vec<int32_t> next, Vec<int32_t> prev) { link_chain(0, n, next, prev); }

// Chains the nodes first .. end - 1; next[end - 1] and prev[first] are left to the caller.
void chain_range(int32_t first, int32_t end, Vec<int32_t> next, Vec<int32_t> prev) {
  link_chain(first, end, next, prev);
}

// Reads next along n - 1 steps from head; returns the node reached.
int32_t node_after_walk(int32_t head, Vec<const int32_t> next, int32_t n) { return walk(head, next, n); }

// Walks n - 1 steps from head; after each step maxidx becomes the node reached when
// that node is >= maxidx (head itself is not compared). Returns (node reached, maxidx).
std::tuple<int32_t, int32_t> walk_with_largest(int32_t head, int32_t maxidx, Vec<const int32_t> next, int32_t n) {
  next.expect_size(int64_t{n} - 1);
  int32_t h = head;
  for (int32_t s = 1; s < n; ++s) {
    h = next[h];
    if (h >= maxidx) maxidx = h;
  }
  return {h, maxidx};
}

// target[pos + k] = the k-th node from head, k < n; returns the node after the last copied.
int32_t list_to_array(int32_t head, Vec<const int32_t> next, int32_t n, int32_t pos, Vec<int32_t> target) {
  return copy_list(head, next, n, pos, target);
}

// The same copy as list_to_array, without the result.
void list_into_array(int32_t head, Vec<const int32_t> next, int32_t n, int32_t pos, Vec<int32_t> target) {
  copy_list(head, next, n, pos, target);
}

// Moves the run of n nodes starting at head out of its list and in front of the list
// headed by dsthead (-1 when empty) of length count. The old list closes over the gap;
// its head is the caller's to update when the run started at it. Returns the receiving
// list's new head and length. A run of n <= 0 nodes moves nothing and returns
// (dsthead, count).
std::tuple<int32_t, int32_t> move_run_to_front(int32_t dsthead, int32_t head, Vec<int32_t> next, int32_t count,
                                               int32_t n, Vec<int32_t> prev) {
  if (n <= 0) return {dsthead, count};
  const int32_t t = walk(head, next, n);
  const int32_t p = prev[head];
  const int32_t q = next[t];
  if (p >= 0) next[p] = q;
  if (q >= 0) prev[q] = p;
  prev[head] = -1;
  next[t] = dsthead;
  if (dsthead >= 0) prev[dsthead] = t;
  return {head, add32(count, n)};
}

}  // namespace fragments::sparse

TOPIC("Index-linked lists")
FRAGMENT(479, sparse::chain_nodes, "iOO", "n", "next", "prev")
DOC(479, "",
    "Chain of nodes 0 .. n - 1: next[k] = k + 1 and prev[k + 1] = k for k = 0 .. n - 2. The list's "
    "ends next[n - 1] and prev[0] are left to the caller (-1 closes the list). next and prev need "
    "n entries; n <= 1 writes nothing.")
FRAGMENT(480, sparse::move_run_to_front, "iiOiiO", "dsthead", "head", "next", "count", "n", "prev")
DOC(480, "dsthead, count",
    "Moving a run to the front of another list: the run is the n nodes from head along next, t "
    "its last node. Its old list closes over the gap (with p = prev[head] and q = next[t]: "
    "next[p] = q when p >= 0, prev[q] = p when q >= 0); then prev[head] = -1, next[t] = dsthead, "
    "and prev[dsthead] = t when dsthead >= 0.\n"
    "dsthead is the receiving list's head (-1 when empty) and count its length. Returns (head, "
    "count + n), the receiving list's new head and length (32-bit). When the run started at its "
    "old list's head (p = -1), the caller sets that list's new head to q itself (for instance "
    "_c_closure_484 with n + 1 from head, before the move). n <= 0 moves nothing and returns "
    "(dsthead, count). The run must be n nodes long and not on the receiving list.")
FRAGMENT(481, sparse::list_to_array, "iOiiO", "head", "next", "n", "pos", "target")
DOC(481, "node",
    "Linked list to array: starting from h = head, target[pos + k] = h, then h = next[h], for k "
    "< n. Returns the final h, the node after the last one copied: -1 when the copy reached the "
    "list's end, head when n <= 0.\n"
    "target needs pos + n entries; the list must hold at least n nodes from head.")
FRAGMENT(482, sparse::list_into_array, "iOiiO", "head", "next", "n", "pos", "target")
DOC(482, "",
    "Linked list to array, without a result: starting from h = head, target[pos + k] = h, then h = "
    "next[h], for k < n (the copy of _c_closure_481). target needs pos + n entries; the list must "
    "hold at least n nodes from head.")
FRAGMENT(483, sparse::walk_with_largest, "iiOi", "head", "maxidx", "next", "n")
DOC(483, "node, maxidx",
    "Walk with the largest node: walks n - 1 steps h = next[h] from head; after each step, maxidx "
    "= h when h >= maxidx (head itself is not compared). Returns (the node reached, maxidx); "
    "(head, maxidx) when n <= 1. Every node stepped from must be on the list.")
FRAGMENT(484, sparse::node_after_walk, "iOi", "head", "next", "n")
DOC(484, "node",
    "Walk along a linked list: returns the node reached from head by n - 1 steps h = next[h]; head "
    "itself when n <= 1 (next is then not read). Every node stepped from must be on the list; the "
    "result is -1 when the last step leaves the list's last node.")
FRAGMENT(485, sparse::chain_range, "iiOO", "first", "end", "next", "prev")
DOC(485, "",
    "Chain of nodes first .. end - 1: next[k] = k + 1 and prev[k + 1] = k for k = first .. end - "
    "2. The list's ends next[end - 1] and prev[first] are left to the caller (-1 closes the list). "
    "next and prev need end entries; end - first <= 1 writes nothing.")
