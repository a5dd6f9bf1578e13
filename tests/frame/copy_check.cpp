// Checks the block copies against a reference that reads the whole source run before
// writing, over random strides (negative and zero included), positions, counts and
// overlapping runs in one array. Prints "ok" and exits 0 when every case agrees.
#include <cstdio>
#include <random>
#include <vector>

#include "module/copy.h"

using namespace fragments;

template <class T, class P, class Copy>
int check(const char* name, Copy copy, std::mt19937& rng) {
  int failures = 0;
  for (int trial = 0; trial < 4000; ++trial) {
    const int size = 64;
    std::vector<T> a(size), b(size);
    for (int k = 0; k < size; ++k) a[k] = static_cast<T>(k + 1), b[k] = static_cast<T>(-k - 1);
    std::uniform_int_distribution<int> st(-3, 3), cnt(-2, 9), pos(0, size - 1);
    const ptrdiff_t ss = st(rng), ts = st(rng);
    const int count = cnt(rng);
    const bool same = trial % 2 == 0;  // half the cases copy within one array
    std::vector<T>& target = same ? a : b;
    // Positions such that both runs stay inside the array: element 0 sits mid-array.
    T* s0 = a.data() + size / 2;
    T* t0 = target.data() + size / 2;
    const int sp = pos(rng) % 5 - 2, tp = pos(rng) % 5 - 2;
    if (count > 0) {
      const ptrdiff_t lo_s = sp * ss + std::min<ptrdiff_t>(0, (count - 1) * ss);
      const ptrdiff_t hi_s = sp * ss + std::max<ptrdiff_t>(0, (count - 1) * ss);
      const ptrdiff_t lo_t = tp * ts + std::min<ptrdiff_t>(0, (count - 1) * ts);
      const ptrdiff_t hi_t = tp * ts + std::max<ptrdiff_t>(0, (count - 1) * ts);
      if (lo_s < -size / 2 || hi_s >= size / 2 || lo_t < -size / 2 || hi_t >= size / 2) continue;
    }
    std::vector<T> expect_a = a, expect_t = target;
    std::vector<T>& expect = same ? expect_a : expect_t;
    std::vector<T> read;
    for (int k = 0; k < count; ++k) read.push_back(s0[(sp + k) * ss]);
    for (int k = 0; k < count; ++k) expect[size / 2 + (tp + k) * ts] = read[k];
    copy(s0, ss, static_cast<P>(sp), t0, ts, static_cast<P>(tp), static_cast<P>(count));
    if (target != expect) {
      if (failures++ < 5)
        std::printf("%s: ss=%td ts=%td sp=%d tp=%d count=%d same=%d wrong\n", name, ss, ts, sp, tp, count, same);
    }
  }
  return failures;
}

int main() {
  std::mt19937 rng(12345);
  int failures = 0;
  failures += check<int32_t, int32_t>("3II_3III", norvak_4velmo_4Utils_4Tools_4arraycopy___3II_3III, rng);
  failures += check<int64_t, int32_t>("3JI_3JII", norvak_4velmo_4Utils_4Tools_4arraycopy___3JI_3JII, rng);
  failures += check<double, int32_t>("3DI_3DII", norvak_4velmo_4Utils_4Tools_4arraycopy___3DI_3DII, rng);
  failures += check<int32_t, int64_t>("3IJ_3IJJ", norvak_4velmo_4Utils_4Tools_4arraycopy___3IJ_3IJJ, rng);
  failures += check<int64_t, int64_t>("3JJ_3JJJ", norvak_4velmo_4Utils_4Tools_4arraycopy___3JJ_3JJJ, rng);
  failures += check<double, int64_t>("3DJ_3DJJ", norvak_4velmo_4Utils_4Tools_4arraycopy___3DJ_3DJJ, rng);
  const double r = norvak_4velmo_4Utils_4Tools_4sqrt__D(2.0);
  if (r * r > 2.0000000000000004 || r * r < 1.9999999999999996 || norvak_4velmo_4Utils_4Tools_4sqrt__D(-1.0) == norvak_4velmo_4Utils_4Tools_4sqrt__D(-1.0)) {
    std::printf("sqrt wrong\n");
    ++failures;
  }
  if (norvak_4velmo_4Utils_4Tools_4sqrt__D(0.25) != 0.5 || norvak_4velmo_4Utils_4Tools_4sqrt__D(0.0) != 0.0) ++failures;
  std::printf(failures ? "%d failures\n" : "ok\n", failures);
  return failures ? 1 : 0;
}
