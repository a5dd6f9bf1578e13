// What a kernel sees of the caller's arrays: typed, strided views and lists of them.
//
// The frame fills a ViewData per array argument; a kernel parameter of type Vec<T>,
// Mat<T> or VecList<T> is built from it. A const element type means the kernel only
// reads the array; a mutable one means it writes, and the frame then insists on a
// writable buffer.
//
// An argument given as None is an absent view: `if (v)` is false, size() is 0, and
// its address is a shared dummy cell with stride 0, so a kernel that touches an
// absent view by mistake reads zeros or scribbles on the dummy instead of crashing.
#pragma once

#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace fragments {

// One array argument as the frame recorded it. Strides are in elements and signed.
// ViewData{} is an absent view.
struct ViewData {
  char* ptr;          // element 0 (or element (0, 0)); null when absent
  ptrdiff_t stride;   // distance between consecutive elements (rows for 2-D)
  ptrdiff_t stride2;  // 2-D only: distance between consecutive columns
  int64_t length;     // element count (rows × columns for 2-D)
  int64_t extent0;    // rows (2-D) or length (1-D)
  int64_t extent1;    // columns (2-D) or 1 (1-D)
};

// An array-list argument: one ViewData per entry (absent entries have ptr == nullptr).
// ListData{} is an absent list.
struct ListData {
  const ViewData* entries;
  int64_t count;
  bool present;  // false when the argument was None
};

namespace detail {
// The cell behind every absent view. 16 bytes, aligned for any element type.
alignas(16) inline char absent_cell[16] = {};

template <class T>
inline T* address_of(const ViewData& d) {
  return d.ptr ? reinterpret_cast<T*>(d.ptr) : reinterpret_cast<T*>(absent_cell);
}
}  // namespace detail

// A one-dimensional strided view. v[k] is element k (k × stride elements from element 0).
template <class T>
class Vec {
 public:
  using value_type = std::remove_const_t<T>;

  Vec() : p_(reinterpret_cast<T*>(detail::absent_cell)), s_(0), n_(0), present_(false) {}
  explicit Vec(const ViewData& d)
      : p_(detail::address_of<T>(d)), s_(d.stride), n_(d.length), present_(d.ptr != nullptr) {}

  T& operator[](int64_t k) const { return p_[static_cast<ptrdiff_t>(k) * s_]; }
  explicit operator bool() const { return present_; }
  int64_t size() const { return n_; }
  ptrdiff_t stride() const { return s_; }
  T* data() const { return p_; }
  bool contiguous() const { return s_ == 1; }

  // A read-only view of the same elements.
  operator Vec<const T>() const { return Vec<const T>(p_, s_, n_, present_); }

  // The run that starts at element `base`: from(base)[k] is element base + k.
  Vec from(int64_t base) const { return Vec(p_ + static_cast<ptrdiff_t>(base) * s_, s_, n_ - base, present_); }

  Vec(T* p, ptrdiff_t s, int64_t n, bool present) : p_(p), s_(s), n_(n), present_(present) {}

 private:
  T* p_;
  ptrdiff_t s_;
  int64_t n_;
  bool present_;
};

// A one-dimensional view whose stride is 1 by construction: the same interface as Vec
// (v[k], size(), data(), from(base), a read-only conversion), with an address computation
// the compiler sees as contiguous. Kernels get these from unit_stride() below, not from
// the frame.
template <class T>
class UnitVec {
 public:
  using value_type = std::remove_const_t<T>;

  UnitVec(T* p, int64_t n, bool present) : p_(p), n_(n), present_(present) {}
  explicit UnitVec(const Vec<T>& v) : p_(v.data()), n_(v.size()), present_(static_cast<bool>(v)) {}

  T& operator[](int64_t k) const { return p_[k]; }
  explicit operator bool() const { return present_; }
  int64_t size() const { return n_; }
  static constexpr ptrdiff_t stride() { return 1; }
  T* data() const { return p_; }
  static constexpr bool contiguous() { return true; }

  operator UnitVec<const T>() const { return UnitVec<const T>(p_, n_, present_); }
  UnitVec from(int64_t base) const { return UnitVec(p_ + base, n_ - base, present_); }

 private:
  T* p_;
  int64_t n_;
  bool present_;
};

// Runs body(views...) once, with UnitVec views when every view has stride 1 and with the
// views as given otherwise, and returns what body returns. Write the body once, as a
// generic lambda over `auto` views; where the run is contiguous the compiler then sees
// unit strides and vectorises the loop (a fill becomes memset, a copy a vector copy):
//
//   void fill_run(Vec<int32_t> r, int32_t off, int32_t n) {
//     unit_stride([&](auto r) { for (int32_t k = 0; k < n; ++k) r[off + k] = 0; }, r.from(off));
//   }
//
// Worth it only for loops that stream through memory (fills, copies, elementwise
// arithmetic); a loop that jumps around (scatters, searches) gains nothing. Views that
// a call does not touch must not be passed (an absent view has stride 0 and would send
// every call down the strided instantiation). Both instantiations run the same body, so
// they give the same results, aliasing included.
template <class Body, class... T>
inline decltype(auto) unit_stride(Body&& body, const Vec<T>&... views) {
  if (((views.stride() == 1) && ...)) return body(UnitVec<T>(views)...);
  return body(views...);
}

// A two-dimensional strided view. m(r, c) is element (r, c).
template <class T>
class Mat {
 public:
  using value_type = std::remove_const_t<T>;

  explicit Mat(const ViewData& d)
      : p_(detail::address_of<T>(d)), s0_(d.stride), s1_(d.stride2), rows_(d.extent0),
        cols_(d.extent1), present_(d.ptr != nullptr) {}

  T& operator()(int64_t r, int64_t c) const {
    return p_[static_cast<ptrdiff_t>(r) * s0_ + static_cast<ptrdiff_t>(c) * s1_];
  }
  // Row r as a one-dimensional view.
  Vec<T> row(int64_t r) const { return Vec<T>(p_ + static_cast<ptrdiff_t>(r) * s0_, s1_, cols_, present_); }
  explicit operator bool() const { return present_; }
  int64_t rows() const { return rows_; }
  int64_t cols() const { return cols_; }
  int64_t size() const { return rows_ * cols_; }

 private:
  T* p_;
  ptrdiff_t s0_, s1_;
  int64_t rows_, cols_;
  bool present_;
};

// A list of one-dimensional views (only int32 lists exist). l[j] is entry j;
// an entry given as None is an absent view.
template <class T>
class VecList {
  static_assert(std::is_const_v<T>, "array lists are read-only");

 public:
  explicit VecList(const ListData& d) : e_(d.entries), n_(d.count), present_(d.present) {}

  Vec<T> operator[](int64_t j) const { return Vec<T>(e_[j]); }
  explicit operator bool() const { return present_; }
  int64_t size() const { return n_; }

 private:
  const ViewData* e_;
  int64_t n_;
  bool present_;
};

}  // namespace fragments
