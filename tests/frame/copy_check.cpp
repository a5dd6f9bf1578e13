// Checks the block copies against a reference that reads the whole source run before
// writing, over random strides (negative and zero included), positions, counts and
// overlapping runs in one array; and the square root. Prints "ok" and exits 0 when every
// case agrees.
#include <algorithm>
#include <cstdio>
#include <random>
#include <vector>

#include "module/copy.h"

using namespace fragments;

template <class T, class P, class Copy>
int check(const char* name, Copy copy, std::mt19937& rng) {
  const int size = 64, mid = size / 2;  // element 0 of both runs sits mid-array
  std::uniform_int_distribution<int> stride(-3, 3), count_of(-2, 9), place(-2, 2);
  int failures = 0;
  for (int trial = 0; trial < 4000; ++trial) {
    std::vector<T> a(size), b(size);
    for (int k = 0; k < size; ++k) a[k] = static_cast<T>(k + 1), b[k] = static_cast<T>(-k - 1);
    const int ss = stride(rng), ts = stride(rng), count = count_of(rng), sp = place(rng), tp = place(rng);
    std::vector<T>& target = trial % 2 == 0 ? a : b;  // half the cases copy within one array
    auto inside = [&](int p, int st) { return std::min(p * st, (p + count - 1) * st) >= -mid &&
                                              std::max(p * st, (p + count - 1) * st) < mid; };
    if (count > 0 && !(inside(sp, ss) && inside(tp, ts))) continue;
    std::vector<T> expect = target, read;
    for (int k = 0; k < count; ++k) read.push_back(a[mid + (sp + k) * ss]);
    for (int k = 0; k < count; ++k) expect[mid + (tp + k) * ts] = read[k];
    copy(a.data() + mid, ss, static_cast<P>(sp), target.data() + mid, ts, static_cast<P>(tp), static_cast<P>(count));
    if (target != expect && failures++ < 5)
      std::printf("%s: ss=%d ts=%d sp=%d tp=%d count=%d same=%d wrong\n", name, ss, ts, sp, tp, count, &target == &a);
  }
  return failures;
}

#define CHECK(T, P, SUFFIX) check<T, P>(#SUFFIX, norvak_4velmo_4Utils_4Tools_4arraycopy___##SUFFIX, rng)

int main() {
  std::mt19937 rng(12345);
  int failures = CHECK(int32_t, int32_t, 3II_3III) + CHECK(int64_t, int32_t, 3JI_3JII) +
                 CHECK(double, int32_t, 3DI_3DII) + CHECK(int32_t, int64_t, 3IJ_3IJJ) +
                 CHECK(int64_t, int64_t, 3JJ_3JJJ) + CHECK(double, int64_t, 3DJ_3DJJ);
  const auto root = norvak_4velmo_4Utils_4Tools_4sqrt__D;
  if (root(2.0) * root(2.0) > 2.0000000000000004 || root(2.0) * root(2.0) < 1.9999999999999996 ||
      root(-1.0) == root(-1.0) || root(0.25) != 0.5 || root(0.0) != 0.0) {
    std::printf("sqrt wrong\n");
    ++failures;
  }
  std::printf(failures ? "%d failures\n" : "ok\n", failures);
  return failures ? 1 : 0;
}
