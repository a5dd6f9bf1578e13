// A kernel's calling convention, derived from its C++ signature at compile time.
//
// Every kernel is registered once, with the line
//
//   FRAGMENT(97, sparse::rows_of_entries, "OOi", "ptrb", "subi", "n")
//
// (at namespace scope, after the kernel's definition) which defines the constant
// KernelDef `fragments::registry::kernel_97`: its format string, parameter names,
// the kind of every parameter (letter, element type, dimensions, written or not)
// and the kinds of its result, all taken from the C++ types, plus the entry that
// unpacks the frame's argument slots and calls the kernel. The build fails, naming
// the kernel, when the format string disagrees with the signature, when there is
// not exactly one name per parameter, or when the array names are not in ascending
// byte order. Every number must be defined exactly once in the whole module; the
// module's table refers to all of them, so a missing or doubled number fails the link
// with the symbol `fragments::registry::kernel_N` in the message.
//
//   DOC(97, "", "Row index of every entry of a compressed matrix: ...")
//                        the kernel's contract for its callers (see KernelDoc);
//                        stands after the registration, anywhere in the module.
//   SAME_AS(98, 97)      another number for kernel 97: the same signature, entry,
//                        parameter names and text.
//   SAME_AS(99, 97, "ptrb", "subi", "count")
//                        the same, with parameter names of its own, and therefore a
//                        DOC(99, ...) of its own that speaks of them.
//
// Every kernel file names its topic once, before its registrations:
//
//   TOPIC("Compressed sparse matrices and counting sorts")
#pragma once

#include <cstddef>
#include <cstdint>
#include <tuple>
#include <type_traits>
#include <utility>

#include "scratch.h"
#include "view.h"

namespace fragments {

enum class Elem : uint8_t { none, i32, i64, f64 };
enum class Kind : uint8_t { scalar, vec, mat, list };
enum class Res : uint8_t { none, i32, i64, f64, boolean };

struct Param {
  char letter;    // 'i', 'L', 'd' for scalars, 'O' for arrays
  Kind kind;
  Elem elem;      // element type of an array (or of the list's entries)
  bool writable;  // the kernel writes the array
};

// One argument after parsing: a scalar, a view or a list.
union Slot {
  int32_t i;
  int64_t L;
  double d;
  ViewData v;
  ListData l;
};

// A kernel's result values; their kinds are static and live in the KernelDef.
union ResultItem {
  int64_t i;
  double d;
};
struct ResultValues {
  ResultItem item[3];
};

using Invoke = void (*)(const Slot*, ResultValues*);

// A kernel's contract as its callers read it (docstring, stubs, reference page).
struct KernelDoc {
  // The names of the result values, comma-separated ("pos", "nscalar, nbar"); "" for None.
  const char* results;
  // What the kernel computes; whether it is a count pass (for which build pass) or a build
  // pass (sized by which count pass); how large every written array or run must be and
  // what the caller prepares; what the results mean. Paragraphs are separated by "\n",
  // list items start with "- ". The parameters' element types, widths and whether they
  // are written are added from the signature.
  const char* text;
};

constexpr int kMaxParams = 32;

struct KernelDef {
  int number;
  int same_as;  // the kernel whose implementation this is (its own number if none)
  const char* function;  // the C++ function, as registered ("native::fill_rows")
  const char* topic;     // the topic of its source file
  const char* file;      // its source file
  const KernelDoc* doc;
  int nparams;
  const char* format;
  const char* const* names;
  Param params[kMaxParams];
  int nresults;  // 0 for None
  bool tuple;    // the result is a tuple of nresults items
  Res results[3];
  Invoke invoke;  // unpacks the slots and runs the kernel
};

namespace sig {

template <class T> struct elem_of;
template <> struct elem_of<int32_t> { static constexpr Elem value = Elem::i32; };
template <> struct elem_of<int64_t> { static constexpr Elem value = Elem::i64; };
template <> struct elem_of<double> { static constexpr Elem value = Elem::f64; };

template <class T> struct param_of;  // no entry: not a kernel parameter type
template <> struct param_of<int32_t> { static constexpr Param value{'i', Kind::scalar, Elem::none, false}; };
template <> struct param_of<int64_t> { static constexpr Param value{'L', Kind::scalar, Elem::none, false}; };
template <> struct param_of<double> { static constexpr Param value{'d', Kind::scalar, Elem::none, false}; };
template <class T> struct param_of<Vec<T>> {
  static constexpr Param value{'O', Kind::vec, elem_of<std::remove_const_t<T>>::value, !std::is_const_v<T>};
};
template <class T> struct param_of<Mat<T>> {
  static constexpr Param value{'O', Kind::mat, elem_of<std::remove_const_t<T>>::value, !std::is_const_v<T>};
};
template <> struct param_of<VecList<const int32_t>> {
  static constexpr Param value{'O', Kind::list, Elem::i32, false};
};

template <class T> struct res_of;
template <> struct res_of<int32_t> { static constexpr Res value = Res::i32; };
template <> struct res_of<int64_t> { static constexpr Res value = Res::i64; };
template <> struct res_of<double> { static constexpr Res value = Res::f64; };
template <> struct res_of<bool> { static constexpr Res value = Res::boolean; };

template <class R> struct result_of {  // a single value
  static constexpr int count = 1;
  static constexpr bool tuple = false;
  static constexpr Res kinds[4] = {res_of<R>::value, Res::none, Res::none};
};
template <> struct result_of<void> {
  static constexpr int count = 0;
  static constexpr bool tuple = false;
  static constexpr Res kinds[4] = {Res::none, Res::none, Res::none};
};
template <class... Ts> struct result_of<std::tuple<Ts...>> {
  static_assert(sizeof...(Ts) == 2 || sizeof...(Ts) == 3, "results are tuples of two or three items");
  static constexpr int count = sizeof...(Ts);
  static constexpr bool tuple = true;
  static constexpr Res kinds[4] = {res_of<Ts>::value..., Res::none};
};

template <class F> struct fn;
template <class R, class... A> struct fn<R(A...)> {
  using result = R;
  static constexpr int arity = sizeof...(A);
  static constexpr Param params[sizeof...(A) + 1] = {param_of<A>::value..., Param{}};
};

constexpr int length(const char* s) {
  int n = 0;
  while (s[n]) ++n;
  return n;
}

constexpr int compare(const char* a, const char* b) {
  for (;; ++a, ++b) {
    unsigned char x = static_cast<unsigned char>(*a), y = static_cast<unsigned char>(*b);
    if (x != y) return x < y ? -1 : 1;
    if (!x) return 0;
  }
}

// The first position at which a format string and the letters of F's parameters differ
// (the shorter one's end counts as the letter '\0'), or -1 where they agree.
template <class F>
constexpr int format_mismatch(const char* format) {
  const int n = length(format);
  for (int k = 0; k < fn<F>::arity && k < n; ++k)
    if (format[k] != fn<F>::params[k].letter) return k;
  return n == fn<F>::arity ? -1 : (n < fn<F>::arity ? n : fn<F>::arity);
}

template <class F>
constexpr char signature_letter(int k) {
  return k >= 0 && k < fn<F>::arity ? fn<F>::params[k].letter : '\0';
}

// Instantiated with the first differing position and the two letters there, so that the
// compiler's report of a wrong format string shows them: FormatLetter<2, 'i', 'O'> reads
// "at position 2 the format has 'i' where the C++ signature takes 'O'".
template <int Position, char InFormat, char InSignature>
struct FormatLetter {
  static_assert(Position < 0, "FormatLetter<position, letter in the format, letter of the C++ signature>");
  static constexpr bool agrees = Position < 0;
};

template <size_t N>
constexpr bool names_unique_and_nonempty(const char* const (&names)[N]) {
  for (size_t a = 0; a < N; ++a) {
    if (!names[a][0]) return false;
    for (size_t b = a + 1; b < N; ++b)
      if (compare(names[a], names[b]) == 0) return false;
  }
  return true;
}

template <class T> struct slot_as;
template <> struct slot_as<int32_t> { static int32_t get(const Slot& s) { return s.i; } };
template <> struct slot_as<int64_t> { static int64_t get(const Slot& s) { return s.L; } };
template <> struct slot_as<double> { static double get(const Slot& s) { return s.d; } };
template <class T> struct slot_as<Vec<T>> { static Vec<T> get(const Slot& s) { return Vec<T>(s.v); } };
template <class T> struct slot_as<Mat<T>> { static Mat<T> get(const Slot& s) { return Mat<T>(s.v); } };
template <class T> struct slot_as<VecList<T>> { static VecList<T> get(const Slot& s) { return VecList<T>(s.l); } };

template <class T>
inline void store(ResultItem& item, T value) {
  if constexpr (std::is_same_v<T, double>)
    item.d = value;
  else
    item.i = static_cast<int64_t>(value);
}

template <auto F, class R, class... A, size_t... I>
inline void call(const Slot* s, ResultValues* out, std::index_sequence<I...>) {
  if constexpr (std::is_void_v<R>) {
    F(slot_as<A>::get(s[I])...);
    (void)out;
  } else if constexpr (result_of<R>::tuple) {
    R r = F(slot_as<A>::get(s[I])...);
    std::apply([out](auto... v) {
      int k = 0;
      (store(out->item[k++], v), ...);
    }, r);
  } else {
    store(out->item[0], F(slot_as<A>::get(s[I])...));
  }
}

template <auto F, class R, class... A>
void invoke_as(const Slot* s, ResultValues* out, R (*)(A...)) {
  call<F, R, A...>(s, out, std::index_sequence_for<A...>{});
}

// The entry that unpacks the slots and runs kernel F.
template <auto F>
void invoke(const Slot* s, ResultValues* out) {
  invoke_as<F>(s, out, F);
}

template <class F, size_t N>
constexpr KernelDef make_def(int number, const char* function, const char* topic, const char* file,
                             const KernelDoc* doc, const char* format, const char* const (&names)[N], Invoke entry) {
  using f = fn<F>;
  using r = result_of<typename f::result>;
  KernelDef d{number, number, function, topic, file, doc, f::arity, format, names, {},
              r::count, r::tuple, {r::kinds[0], r::kinds[1], r::kinds[2]}, entry};
  for (int k = 0; k < f::arity; ++k) d.params[k] = f::params[k];
  return d;
}

// Kernel `number` is kernel d under another number: same signature, entry, names and text.
constexpr KernelDef renamed(KernelDef d, int number) {
  d.same_as = d.number;
  d.number = number;
  return d;
}

// The same, with parameter names and therefore a text of its own.
constexpr KernelDef renamed(KernelDef d, int number, const char* const* names, const KernelDoc* doc) {
  d = renamed(d, number);
  d.names = names;
  d.doc = doc;
  return d;
}

template <size_t N>
constexpr bool arrays_ascending(const KernelDef& d, const char* const (&names)[N]) {
  const char* previous = nullptr;
  for (int k = 0; k < d.nparams && k < static_cast<int>(N); ++k) {
    if (d.params[k].letter != 'O') continue;
    if (previous && compare(previous, names[k]) >= 0) return false;
    previous = names[k];
  }
  return true;
}

}  // namespace sig
}  // namespace fragments

// The topic of the kernels registered in this file.
#define TOPIC(TITLE)                                           \
  namespace fragments::registry {                              \
  namespace {                                                  \
  [[maybe_unused]] constexpr const char* file_topic = TITLE;   \
  }                                                            \
  }

#define DOC(N, RESULTS, TEXT)                                                            \
  namespace fragments::registry {                                                        \
  extern const ::fragments::KernelDoc doc_##N;                                           \
  const ::fragments::KernelDoc doc_##N = {RESULTS, TEXT};                                \
  static_assert(kernel_##N.number == N, "_c_closure_" #N ": documented before it is registered"); \
  }

#define FRAGMENTS_CHECKED_DEF(N, F, FNAME, ENTRY, FORMAT, ...)                                        \
  namespace fragments::registry {                                                                     \
  extern const ::fragments::KernelDoc doc_##N;                                                        \
  inline constexpr const char* names_##N[] = {__VA_ARGS__};                                           \
  static_assert(::fragments::sig::fn<F>::arity <= ::fragments::kMaxParams,                            \
                "_c_closure_" #N " (" FNAME "): too many parameters");                                           \
  inline constexpr const char format_##N[] = FORMAT;                                                   \
  inline constexpr int mismatch_##N = ::fragments::sig::format_mismatch<F>(format_##N);               \
  static_assert(::fragments::sig::FormatLetter<mismatch_##N, format_##N[mismatch_##N < 0 ? 0 : mismatch_##N], \
                                               ::fragments::sig::signature_letter<F>(mismatch_##N)>::agrees, \
                "_c_closure_" #N " (" FNAME "): the format string does not match the C++ signature");  \
  static_assert(sizeof(names_##N) / sizeof(names_##N[0]) == ::fragments::sig::fn<F>::arity,           \
                "_c_closure_" #N " (" FNAME "): there must be exactly one name per parameter");                  \
  static_assert(::fragments::sig::names_unique_and_nonempty(names_##N),                               \
                "_c_closure_" #N " (" FNAME "): parameter names must be distinct and non-empty");                \
  extern constexpr ::fragments::KernelDef kernel_##N =                                                \
      ::fragments::sig::make_def<F>(N, FNAME, file_topic, __FILE__, &doc_##N, FORMAT, names_##N, ENTRY); \
  static_assert(::fragments::sig::arrays_ascending(kernel_##N, names_##N),                            \
                "_c_closure_" #N " (" FNAME "): array parameters must stand in ascending byte order of names");  \
  }

#define FRAGMENT(N, FN, FORMAT, ...) \
  FRAGMENTS_CHECKED_DEF(N, decltype(FN), #FN, &::fragments::sig::invoke<&FN>, FORMAT, __VA_ARGS__)

// SAME_AS(N, PRIMARY) or SAME_AS(N, PRIMARY, names...): the argument count picks the form.
#define SAME_AS(...)                                                                               \
  FRAGMENTS_PICK_SAME_AS(__VA_ARGS__, FRAGMENTS_SAME_AS_NAMED, FRAGMENTS_SAME_AS_NAMED,            \
                         FRAGMENTS_SAME_AS_NAMED, FRAGMENTS_SAME_AS_NAMED, FRAGMENTS_SAME_AS_NAMED, \
                         FRAGMENTS_SAME_AS_NAMED, FRAGMENTS_SAME_AS_NAMED, FRAGMENTS_SAME_AS_NAMED, \
                         FRAGMENTS_SAME_AS_NAMED, FRAGMENTS_SAME_AS_NAMED, FRAGMENTS_SAME_AS_NAMED, \
                         FRAGMENTS_SAME_AS_NAMED, FRAGMENTS_SAME_AS_NAMED, FRAGMENTS_SAME_AS_NAMED, \
                         FRAGMENTS_SAME_AS_NAMED, FRAGMENTS_SAME_AS_NAMED, FRAGMENTS_SAME_AS_NAMED, \
                         FRAGMENTS_SAME_AS_NAMED, FRAGMENTS_SAME_AS_NAMED, FRAGMENTS_SAME_AS_NAMED, \
                         FRAGMENTS_SAME_AS_NAMED, FRAGMENTS_SAME_AS_NAMED, FRAGMENTS_SAME_AS_NAMED, \
                         FRAGMENTS_SAME_AS_NAMED, FRAGMENTS_SAME_AS_NAMED, FRAGMENTS_SAME_AS_NAMED, \
                         FRAGMENTS_SAME_AS_NAMED, FRAGMENTS_SAME_AS_NAMED, FRAGMENTS_SAME_AS_NAMED, \
                         FRAGMENTS_SAME_AS_NAMED, FRAGMENTS_SAME_AS_NAMED, FRAGMENTS_SAME_AS_NAMED, \
                         FRAGMENTS_SAME_AS_PLAIN, unused)                                          \
  (__VA_ARGS__)
#define FRAGMENTS_PICK_SAME_AS(_1, _2, _3, _4, _5, _6, _7, _8, _9, _10, _11, _12, _13, _14, _15, _16, _17,  \
                               _18, _19, _20, _21, _22, _23, _24, _25, _26, _27, _28, _29, _30, _31, _32, \
                               _33, _34, MACRO, ...)                                                     \
  MACRO

#define FRAGMENTS_SAME_AS_PLAIN(N, PRIMARY)                                                         \
  namespace fragments::registry {                                                                  \
  extern constexpr ::fragments::KernelDef kernel_##N = ::fragments::sig::renamed(kernel_##PRIMARY, N); \
  }

#define FRAGMENTS_SAME_AS_NAMED(N, PRIMARY, ...)                                                  \
  namespace fragments::registry {                                                                 \
  extern const ::fragments::KernelDoc doc_##N;                                                    \
  inline constexpr const char* names_##N[] = {__VA_ARGS__};                                       \
  static_assert(sizeof(names_##N) / sizeof(names_##N[0]) == kernel_##PRIMARY.nparams,             \
                "_c_closure_" #N " (same as _c_closure_" #PRIMARY "): there must be exactly one name per parameter");              \
  static_assert(::fragments::sig::names_unique_and_nonempty(names_##N),                               \
                "_c_closure_" #N " (same as _c_closure_" #PRIMARY "): parameter names must be distinct and non-empty");                \
  static_assert(::fragments::sig::arrays_ascending(kernel_##PRIMARY, names_##N),                  \
                "_c_closure_" #N " (same as _c_closure_" #PRIMARY "): array parameters must stand in ascending byte order of names");  \
  extern constexpr ::fragments::KernelDef kernel_##N =                                            \
      ::fragments::sig::renamed(kernel_##PRIMARY, N, names_##N, &doc_##N);                        \
  }
