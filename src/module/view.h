// What a kernel sees of the caller's arrays: typed, strided views and lists of them.
//
// The frame fills a ViewData per array argument; a kernel parameter of type Vec<T>,
// Mat<T> or VecList<T> is built from it. A const element type means the kernel only
// reads the array; a mutable one means it writes, and the frame then insists on a
// writable buffer.
//
// An argument given as None is an absent view: `if (v)` is false, size() is 0, and its
// address is a zeroed cell of its own ViewData with stride 0, so a kernel that touches
// an absent view by mistake reads zeros or scribbles on that cell instead of crashing;
// the cell lives in the call's own storage, so nothing written there outlives the call
// (an empty buffer without an address gets the same).
//
// The checked build (FRAGMENTS_CHECKED) checks every element access: a view also knows
// where it lies in its argument (element k of a view is element off + k of the argument,
// so a run taken with from(base) still reports indexes within the whole argument) and
// the argument's length and name. An access outside the argument, or to an absent view,
// throws CheckFault, which the frame raises as IndexError naming the kernel, the
// argument, the index and the length. The default build has none of this: the views
// there are a pointer, a stride, a size and a flag.
#pragma once

#include <cstddef>
#include <cstdint>
#include <type_traits>
#ifdef FRAGMENTS_CHECKED
#include <cstdarg>
#include <cstdio>
#endif

namespace fragments {

// One array argument as the frame recorded it. Strides are in elements and signed.
// ViewData{} is an absent view.
//
// stride2 is 0 for one-dimensional views, absent views and empty buffers without an
// address, and for those last two it doubles as the cell behind the view (cell_of()): the
// views copy the fields when they are made, before a kernel can write there.
struct ViewData {
  char* ptr;          // element 0 (or element (0, 0)); null when absent
  ptrdiff_t stride;   // distance between consecutive elements (rows for 2-D)
  ptrdiff_t stride2;  // 2-D only: distance between consecutive columns
  int64_t length;     // element count (rows × columns for 2-D)
  int64_t extent0;    // rows (2-D) or length (1-D)
  int64_t extent1;    // columns (2-D) or 1 (1-D)
#ifdef FRAGMENTS_CHECKED
  const char* name;   // the parameter's name (an array list's name for its entries)
  int64_t entry;      // the entry of an array list, or -1
#endif
};

// An array-list argument: one ViewData per entry (absent entries have ptr == nullptr).
// ListData{} is an absent list.
struct ListData {
  const ViewData* entries;
  int64_t count;
  bool present;  // false when the argument was None
#ifdef FRAGMENTS_CHECKED
  const char* name;
#endif
};

namespace detail {
// Behind the views that kernels make for themselves (a record field an operation does not
// use): read as zeros, never written.
alignas(16) inline const char unused_cell[16] = {};

// The view's own zeroed cell, for absent views and empty buffers without an address.
inline char* cell_of(const ViewData& d) { return reinterpret_cast<char*>(const_cast<ptrdiff_t*>(&d.stride2)); }

template <class T>
inline T* address_of(const ViewData& d) {
  return reinterpret_cast<T*>(d.ptr ? d.ptr : cell_of(d));
}
}  // namespace detail

#ifdef FRAGMENTS_CHECKED
// What the checked build throws when a kernel would leave its arguments' memory (an
// index outside an array) or divide by a caller's zero: the message, without the kernel's
// name, which the frame puts in front.
struct CheckFault {
  enum Kind { index, division } kind;
  char message[224];
};

namespace detail {
[[noreturn]] __attribute__((cold, format(printf, 1, 2))) inline void throw_index_fault(const char* format, ...) {
  CheckFault f{CheckFault::index, {}};
  va_list args;
  va_start(args, format);
  std::vsnprintf(f.message, sizeof f.message, format, args);
  va_end(args);
  throw f;
}

// Index i of an argument outside it (row >= 0: in that row of a matrix); length is the
// argument's length (a matrix row's: its column count).
[[noreturn]] __attribute__((noinline, cold)) inline void argument_fault(const ViewData& where, int64_t row,
                                                                        int64_t i, int64_t length) {
  const long long k = i, len = length, r = row, j = where.entry;
  if (!where.ptr) throw_index_fault("index %lld out of range for argument '%s' (None)", k, where.name);
  if (row >= 0)
    throw_index_fault("index (%lld, %lld) out of range for argument '%s' (shape %lld x %lld)", r, k, where.name,
                      static_cast<long long>(where.extent0), static_cast<long long>(where.extent1));
  if (j >= 0) throw_index_fault("index %lld out of range for argument '%s[%lld]' (length %lld)", k, where.name, j, len);
  throw_index_fault("index %lld out of range for argument '%s' (length %lld)", k, where.name, len);
}

// Index i outside memory of the kernel's own (what: "a scratch array", ...).
[[noreturn]] __attribute__((noinline, cold)) inline void own_fault(const char* what, int64_t i, int64_t length) {
  throw_index_fault("index %lld out of range for %s (length %lld)", static_cast<long long>(i), what,
                    static_cast<long long>(length));
}

// a + b with two's-complement wrapping (an index far out of range stays out of range).
inline int64_t wrapped_sum(int64_t a, int64_t b) {
  return static_cast<int64_t>(static_cast<uint64_t>(a) + static_cast<uint64_t>(b));
}

// Where a view's elements lie in its argument: element k of the view is element off + k of
// the argument, whose element 0 is at base and which has len elements (a matrix row: the
// row's elements). Every access goes through at(), which checks the index.
template <class T>
struct Place {
  T* base;
  int64_t off;
  int64_t len;
  int64_t row;            // the row of a matrix row view, else -1
  const ViewData* where;  // the argument; null for memory of the kernel's own,
  const char* what;       // which `what` then describes

  // The argument's index of view element k, or a CheckFault.
  int64_t at(int64_t k) const {
    const int64_t i = wrapped_sum(off, k);
    if (static_cast<uint64_t>(i) >= static_cast<uint64_t>(len)) fault(i);
    return i;
  }
  [[noreturn]] void fault(int64_t i) const {
    if (where) argument_fault(*where, row, i, len);
    own_fault(what, i, len);
  }
  // The same place from element `first` on.
  Place from(int64_t first) const { return Place{base, wrapped_sum(off, first), len, row, where, what}; }
  // The address of view element k by plain address arithmetic, for comparing addresses
  // only (it need not lie inside the argument).
  T* address(int64_t k, ptrdiff_t stride) const {
    const uint64_t bytes = static_cast<uint64_t>(wrapped_sum(off, k)) * static_cast<uint64_t>(stride) * sizeof(T);
    return reinterpret_cast<T*>(reinterpret_cast<uintptr_t>(base) + bytes);
  }
  // Checks the run of elements k .. k + count - 1 (count > 0): fails at its first index
  // outside the argument.
  void check_run(int64_t k, int64_t count) const {
    const int64_t i = wrapped_sum(off, k);
    if (i < 0 || i >= len) fault(i);
    if (count > len - i) fault(len);
  }
  Place<const T> read_only() const { return Place<const T>{base, off, len, row, where, what}; }
};
}  // namespace detail
#endif

// A one-dimensional strided view. v[k] is element k (k × stride elements from element 0).
template <class T>
class Vec {
 public:
  using value_type = std::remove_const_t<T>;

#ifndef FRAGMENTS_CHECKED
  Vec() : p_(reinterpret_cast<T*>(const_cast<char*>(detail::unused_cell))), s_(0), n_(0), present_(false) {}
  explicit Vec(const ViewData& d)
      : p_(detail::address_of<T>(d)), s_(d.stride), n_(d.length), present_(d.ptr != nullptr) {}

  T& operator[](int64_t k) const { return p_[static_cast<ptrdiff_t>(k) * s_]; }
  T* data() const { return p_; }
#else
  Vec() : Vec(reinterpret_cast<T*>(const_cast<char*>(detail::unused_cell)), 0, 0, false) {
    c_.what = "a view the kernel left empty";
  }
  explicit Vec(const ViewData& d)
      : p_(detail::address_of<T>(d)), s_(d.stride), n_(d.length), present_(d.ptr != nullptr),
        c_{p_, 0, d.length, -1, &d, nullptr} {}

  T& operator[](int64_t k) const { return c_.base[static_cast<ptrdiff_t>(c_.at(k)) * s_]; }
  T* data() const { return c_.address(0, s_); }
#endif
  explicit operator bool() const { return present_; }
  int64_t size() const { return n_; }
  ptrdiff_t stride() const { return s_; }
  bool contiguous() const { return s_ == 1; }

  // States that in a valid call elements 0 .. count - 1 of this view lie in the caller's
  // array, before a loop whose counts come from scalars and that need not touch the view on
  // every pass (a walk along an index-linked list, which can only go on longer by going
  // round a cycle; a walk over the elements of a dense operand). The checked build fails at
  // once, at the first of those elements outside the array; the default build trusts the
  // caller.
#ifndef FRAGMENTS_CHECKED
  void expect_size(int64_t) const {}
#else
  void expect_size(int64_t count) const {
    if (count > 0) c_.check_run(0, count);
  }
#endif

#ifndef FRAGMENTS_CHECKED
  // A read-only view of the same elements.
  operator Vec<const T>() const { return Vec<const T>(p_, s_, n_, present_); }

  // The run that starts at element `base`: from(base)[k] is element base + k.
  Vec from(int64_t base) const { return Vec(p_ + static_cast<ptrdiff_t>(base) * s_, s_, n_ - base, present_); }

  Vec(T* p, ptrdiff_t s, int64_t n, bool present) : p_(p), s_(s), n_(n), present_(present) {}
#else
  operator Vec<const T>() const { return Vec<const T>(p_, s_, n_, present_, c_.read_only()); }
  Vec from(int64_t base) const {
    return Vec(p_, s_, static_cast<int64_t>(static_cast<uint64_t>(n_) - static_cast<uint64_t>(base)), present_,
               c_.from(base));
  }

  // A view of n elements of the kernel's own memory (a scratch array) at p.
  Vec(T* p, ptrdiff_t s, int64_t n, bool present)
      : p_(p), s_(s), n_(n), present_(present), c_{p, 0, n, -1, nullptr, "a scratch array"} {}
  Vec(T* p, ptrdiff_t s, int64_t n, bool present, const detail::Place<T>& c)
      : p_(p), s_(s), n_(n), present_(present), c_(c) {}
  const detail::Place<T>& place() const { return c_; }
#endif

 private:
  T* p_;
  ptrdiff_t s_;
  int64_t n_;
  bool present_;
#ifdef FRAGMENTS_CHECKED
  detail::Place<T> c_;
#endif
};

// A one-dimensional view whose stride is 1 by construction: the same interface as Vec
// (v[k], size(), data(), from(base), a read-only conversion), with an address computation
// the compiler sees as contiguous. Kernels get these from unit_stride() below, not from
// the frame.
template <class T>
class UnitVec {
 public:
  using value_type = std::remove_const_t<T>;

#ifndef FRAGMENTS_CHECKED
  UnitVec(T* p, int64_t n, bool present) : p_(p), n_(n), present_(present) {}
  explicit UnitVec(const Vec<T>& v) : p_(v.data()), n_(v.size()), present_(static_cast<bool>(v)) {}

  T& operator[](int64_t k) const { return p_[k]; }
  T* data() const { return p_; }
  operator UnitVec<const T>() const { return UnitVec<const T>(p_, n_, present_); }
  UnitVec from(int64_t base) const { return UnitVec(p_ + base, n_ - base, present_); }
#else
  UnitVec(int64_t n, bool present, const detail::Place<T>& c) : n_(n), present_(present), c_(c) {}
  explicit UnitVec(const Vec<T>& v) : n_(v.size()), present_(static_cast<bool>(v)), c_(v.place()) {}

  T& operator[](int64_t k) const { return c_.base[c_.at(k)]; }
  T* data() const { return c_.address(0, 1); }
  operator UnitVec<const T>() const { return UnitVec<const T>(n_, present_, c_.read_only()); }
  UnitVec from(int64_t base) const {
    return UnitVec(static_cast<int64_t>(static_cast<uint64_t>(n_) - static_cast<uint64_t>(base)), present_,
                   c_.from(base));
  }
#endif
  explicit operator bool() const { return present_; }
  int64_t size() const { return n_; }
  static constexpr ptrdiff_t stride() { return 1; }
  static constexpr bool contiguous() { return true; }

 private:
#ifndef FRAGMENTS_CHECKED
  T* p_;
#endif
  int64_t n_;
  bool present_;
#ifdef FRAGMENTS_CHECKED
  detail::Place<T> c_;
#endif
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
        cols_(d.extent1), present_(d.ptr != nullptr) {
#ifdef FRAGMENTS_CHECKED
    where_ = &d;
#endif
  }

#ifndef FRAGMENTS_CHECKED
  T& operator()(int64_t r, int64_t c) const {
    return p_[static_cast<ptrdiff_t>(r) * s0_ + static_cast<ptrdiff_t>(c) * s1_];
  }
  // Row r as a one-dimensional view.
  Vec<T> row(int64_t r) const { return Vec<T>(p_ + static_cast<ptrdiff_t>(r) * s0_, s1_, cols_, present_); }
#else
  T& operator()(int64_t r, int64_t c) const { return row(r)[c]; }
  // A row outside the matrix is a view of no elements, whose every access fails.
  Vec<T> row(int64_t r) const {
    const bool inside = static_cast<uint64_t>(r) < static_cast<uint64_t>(rows_);
    T* first = inside ? p_ + static_cast<ptrdiff_t>(r) * s0_ : p_;
    return Vec<T>(first, s1_, cols_, present_, detail::Place<T>{first, 0, inside ? cols_ : 0, r, where_, nullptr});
  }
#endif
  explicit operator bool() const { return present_; }
  int64_t rows() const { return rows_; }
  int64_t cols() const { return cols_; }
  int64_t size() const { return rows_ * cols_; }

 private:
  T* p_;
  ptrdiff_t s0_, s1_;
  int64_t rows_, cols_;
  bool present_;
#ifdef FRAGMENTS_CHECKED
  const ViewData* where_;
#endif
};

// A list of one-dimensional views (only int32 lists exist). l[j] is entry j;
// an entry given as None is an absent view.
template <class T>
class VecList {
  static_assert(std::is_const_v<T>, "array lists are read-only");

 public:
  explicit VecList(const ListData& d) : e_(d.entries), n_(d.count), present_(d.present) {
#ifdef FRAGMENTS_CHECKED
    name_ = d.name;
#endif
  }

  Vec<T> operator[](int64_t j) const {
#ifdef FRAGMENTS_CHECKED
    if (static_cast<uint64_t>(j) >= static_cast<uint64_t>(n_)) {
      if (!present_) detail::throw_index_fault("index %lld out of range for argument '%s' (None)",
                                               static_cast<long long>(j), name_);
      detail::throw_index_fault("index %lld out of range for argument '%s' (length %lld)", static_cast<long long>(j),
                                name_, static_cast<long long>(n_));
    }
#endif
    return Vec<T>(e_[j]);
  }
  explicit operator bool() const { return present_; }
  int64_t size() const { return n_; }

 private:
  const ViewData* e_;
  int64_t n_;
  bool present_;
#ifdef FRAGMENTS_CHECKED
  const char* name_;
#endif
};

}  // namespace fragments
