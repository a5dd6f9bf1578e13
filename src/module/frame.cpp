// The call frame: one piece of code that every kernel runs through.
//
//   1. parse the scalars (or, on 2.7, the whole tuple with the interpreter's parser);
//   2. take the array views in positional order, checking dimensions, element type,
//      writability and layout; None is an absent view;
//   3. run the kernel;
//   4. release every view in reverse order;
//   5. build the result object.
//
// Views are released by the call's destructor on every road out, or just before the result
// is built. On any failure before the kernel runs nothing has been written to the caller's
// arrays. An absent view, and an empty
// buffer without an address, point at a zeroed cell of their own ViewData (view.h): it
// lives in the call's own storage, so nothing a kernel writes there reaches another call
// or thread. In the checked build (FRAGMENTS_CHECKED) the views also carry their
// parameter's name, and a failed check in the kernel (CheckFault) becomes IndexError or
// ZeroDivisionError naming the kernel (the views are released with the call); arrays may then be
// partly written.
//
// Views are taken through the buffer protocol, except for exact NumPy arrays when the
// module is built with NumPy's headers (FRAGMENTS_NUMPY): those are read directly from
// the array object, which costs a few nanoseconds instead of NumPy's buffer export
// (about thirty). The direct path only ever accepts: an array it is not sure of (any
// other element type, byte order, dimension count, layout or a read-only array where the
// kernel writes) goes down the buffer path, which then accepts or rejects it exactly as
// before, with the same error. NumPy's C API is loaded the first time an exact NumPy
// array is passed (by then NumPy is imported anyway), so importing this module never
// imports NumPy, and without NumPy (or with one whose C API cannot be loaded) every
// object takes the buffer path. A memoryview is likewise read in place (its export would
// only copy the view it holds).
#include "frame.h"
#include "unlock.h"

#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>

#include "errors.h"

#ifdef FRAGMENTS_NUMPY
#define NPY_NO_DEPRECATED_API NPY_1_7_API_VERSION
#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wpedantic"
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wold-style-cast"
#endif
#include <numpy/arrayobject.h>
#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif
#endif

namespace fragments::frame {
namespace {

// Element sizes are 4 or 8 bytes: strides and lengths are checked with masks and divided
// by shifts (an integer division costs more than the rest of taking a view).
inline int elem_size(Elem e) { return e == Elem::i32 ? 4 : 8; }
inline int elem_shift(Elem e) { return e == Elem::i32 ? 2 : 3; }

bool format_selects(char c, Elem e) {
  switch (e) {
    case Elem::i32: return c == 'i';
    case Elem::i64: return c == 'l' || c == 'q';
    case Elem::f64: return c == 'd';
    default: return false;
  }
}

void set_invalid(const char* name) {
  PyErr_Format(PyExc_ValueError, "Invalid array shape or type for argument '%s'", name);
}

// The address of an empty buffer that has none: the view's own cell, zeroed (its column
// stride, which no view of an empty buffer needs). Set after the strides.
char* zeroed_cell(ViewData* v) {
  v->stride2 = 0;
  return detail::cell_of(*v);
}

// Records an array as a view of element type `e` with `ndim` dimensions, or returns false
// when it is not one: wrong dimensions, wrong first format character, an item size other
// than the element's, or an address or stride that is not a whole number of elements (a
// kernel could not address such an array element by element).
//
// The array's layout comes from L, whichever road the array came by: a buffer export
// (BufferLayout), or the same fields read off a NumPy array in place (NumpyLayout). Every
// road runs this one check, so the direct roads accept exactly what the buffer export
// would. L reads its fields only when asked, in this order, so that a refused array costs
// little and no field is read beyond what its dimensions hold.
template <class L>
__attribute__((always_inline)) inline bool accept(const L& l, Elem e, int ndim, ViewData* v) {
  if (l.ndim() != ndim || !format_selects(l.format(), e)) return false;
  const Py_ssize_t size = elem_size(e);
  const int shift = elem_shift(e);
  char* data = l.data();
  if (l.itemsize() != size || (reinterpret_cast<uintptr_t>(data) & (size - 1)) != 0) return false;
  const Py_ssize_t extent1 = ndim == 2 ? l.extent(1) : 1;
  const Py_ssize_t s0 = l.strided() ? l.stride(0) : extent1 * size;  // C-contiguous without strides
  const Py_ssize_t s1 = ndim == 2 ? (l.strided() ? l.stride(1) : size) : 0;
  if (((s0 | s1) & (size - 1)) != 0) return false;
  v->stride = s0 >> shift;  // exact: a whole number of elements, of either sign
  v->stride2 = s1 >> shift;
  v->extent0 = l.extent(0);
  v->extent1 = extent1;
  v->length = l.bytes() >> shift;
  v->ptr = data ? data : zeroed_cell(v);  // empty, but present
  return true;
}

// The layout of an exported buffer (also a memoryview's, read in place).
struct BufferLayout {
  const Py_buffer& b;
  int ndim() const { return b.ndim; }
  char format() const { return b.format ? b.format[0] : 'B'; }  // a null format means unsigned bytes
  Py_ssize_t itemsize() const { return b.itemsize; }
  char* data() const { return static_cast<char*>(b.buf); }
  bool strided() const { return b.strides != nullptr; }
  Py_ssize_t stride(int k) const { return b.strides[k]; }
  Py_ssize_t extent(int k) const { return b.shape[k]; }
  Py_ssize_t bytes() const { return b.len; }
};

// Out of line: the export itself costs far more than the check.
__attribute__((noinline)) bool accept(const Py_buffer& b, Elem e, int ndim, ViewData* v) {
  return accept(BufferLayout{b}, e, ndim, v);
}

#ifdef FRAGMENTS_NUMPY
// NumPy's array type once its C API is loaded; null before, and for good when it cannot be.
PyTypeObject* ndarray_type = nullptr;
bool numpy_resolved = false;

// Loads NumPy's C API. Only called when an object of a type named numpy.ndarray shows up,
// so NumPy is imported already and this only fetches its function table.
void resolve_numpy() {
  numpy_resolved = true;
  if (_import_array() < 0) {
    PyErr_Clear();  // an incompatible NumPy: use the buffer protocol for everything
    return;
  }
  ndarray_type = &PyArray_Type;
}

// True for an exact numpy.ndarray (not a subclass) whose C API is available.
inline bool is_ndarray(PyObject* o) {
  PyTypeObject* t = Py_TYPE(o);
  if (t == ndarray_type) return true;
  if (numpy_resolved || std::strcmp(t->tp_name, "numpy.ndarray") != 0) return false;
  resolve_numpy();
  return t == ndarray_type;
}

// The first format character of NumPy's buffer export for an element type of native
// byte order and alignment, and the element size (fixed for these types); 0 for the
// types no view takes.
struct NumpyElem {
  char format;
  Py_ssize_t size;
};
inline NumpyElem numpy_elem(int type_num) {
  switch (type_num) {
    case NPY_INT: return {'i', sizeof(int)};
    case NPY_LONG: return {'l', sizeof(long)};
    case NPY_LONGLONG: return {'q', sizeof(long long)};
    case NPY_DOUBLE: return {'d', sizeof(double)};
    default: return {0, 0};
  }
}

// A flag NumPy sets on arrays that warn when written (broadcast results); such arrays take
// the buffer path, where NumPy's export issues the warning.
constexpr int kWarnOnWrite = static_cast<int>(0x80000000u);

// The layout NumPy's buffer export would give for an array, read off the array itself.
// Only element types of native byte order that some view takes have a format character;
// their item size is fixed by the type.
struct NumpyLayout {
  PyArrayObject* a;
  NumpyElem t;
  int ndim() const { return PyArray_NDIM(a); }
  char format() const { return PyArray_ISNBO(PyArray_DESCR(a)->byteorder) ? t.format : '\0'; }
  Py_ssize_t itemsize() const { return t.size; }
  char* data() const { return static_cast<char*>(PyArray_DATA(a)); }
  bool strided() const { return true; }
  Py_ssize_t stride(int k) const { return PyArray_STRIDES(a)[k]; }
  Py_ssize_t extent(int k) const { return PyArray_DIMS(a)[k]; }
  Py_ssize_t bytes() const { return extent(0) * (ndim() == 2 ? extent(1) : 1) * t.size; }
};

// Records an exact NumPy array as accept() would record its buffer export, or returns false
// when accept() would not take that export, or when the export itself would fail or warn (a
// read-only array, or one that warns on writing, for a written parameter). False leaves no
// exception: the caller then takes the buffer path.
inline bool record_ndarray(PyObject* o, Elem e, int ndim, bool writable, ViewData* v) {
  PyArrayObject* a = reinterpret_cast<PyArrayObject*>(o);
  if (!accept(NumpyLayout{a, numpy_elem(PyArray_DESCR(a)->type_num)}, e, ndim, v)) return false;
  return !writable || (PyArray_FLAGS(a) & (NPY_ARRAY_WRITEABLE | kWarnOnWrite)) == NPY_ARRAY_WRITEABLE;
}
#endif

#ifndef FRAGMENTS_PY2
// A memoryview's buffer export hands out a copy of the view it holds. When that export
// would succeed (the memoryview is not released, and is writable where the kernel writes),
// the view is recorded from the memoryview in place, without the export; false otherwise,
// and the buffer path then raises the memoryview's own error.
inline bool record_memoryview(PyObject* o, Elem e, int ndim, bool writable, ViewData* v) {
  const auto* m = reinterpret_cast<const PyMemoryViewObject*>(o);
  if ((m->flags & _Py_MEMORYVIEW_RELEASED) || (m->mbuf->flags & _Py_MANAGED_BUFFER_RELEASED)) return false;
  if (writable && m->view.readonly) return false;
  return accept(m->view, e, ndim, v);
}
#endif

// Everything a call holds: parsed slots, the buffers it took (in taking order) and the
// storage of array lists.
struct Held {
  Py_buffer* buf;         // the buffer of an array or of a list's outer array
  Py_buffer* entries;     // a list's entry buffers (entry j taken iff desc[j].ptr && owned)
  ViewData* desc;         // a list's descriptors
  int64_t count;          // a list's entry count
  bool list;
};

struct Call {
  Slot slot[kMaxParams];
  Py_buffer buf[kMaxParams];
  Held held[kMaxParams];
  int nheld = 0;

  // Releases one list's entries in index order, then frees its storage.
  static void drop_list(Held& h) {
    for (int64_t j = 0; j < h.count; ++j) PyBuffer_Release(&h.entries[j]);  // no-op if not taken
    std::free(h.entries);
    std::free(h.desc);
  }

  Call() = default;
  Call(const Call&) = delete;
  Call& operator=(const Call&) = delete;
  // Whatever way a call ends, what it took is released here (or earlier by release()).
  ~Call() { release(); }

  // Releases everything taken, in reverse order.
  void release() {
    while (nheld > 0) {
      Held& h = held[--nheld];
      if (h.list) drop_list(h);
      PyBuffer_Release(h.buf);
    }
  }
};

int flags_for(const Param& p) { return p.writable ? PyBUF_RECORDS : PyBUF_RECORDS_RO; }

// Takes an array-list argument whose outer buffer is already held as h.buf.
bool take_list(Held& h, const char* name, ListData* out) {
  const Py_buffer& b = *h.buf;
  if (b.ndim != 1 || !b.format || std::strcmp(b.format, "O") != 0 ||
      b.itemsize != static_cast<Py_ssize_t>(sizeof(PyObject*))) {
    set_invalid(name);
    return false;
  }
  const int64_t count = b.shape[0];
  const Py_ssize_t step = b.strides ? b.strides[0] : b.itemsize;
  out->present = true;
  out->count = count;
  out->entries = nullptr;
  if (count == 0) return true;
  h.desc = static_cast<ViewData*>(std::calloc(static_cast<size_t>(count), sizeof(ViewData)));
  h.entries = static_cast<Py_buffer*>(std::calloc(static_cast<size_t>(count), sizeof(Py_buffer)));
  if (!h.desc || !h.entries) {
    PyErr_NoMemory();
    return false;
  }
  h.count = count;
  out->entries = h.desc;
  const char* at = static_cast<const char*>(b.buf);
  for (int64_t j = 0; j < count; ++j) {
#ifdef FRAGMENTS_CHECKED
    h.desc[j].name = name;
    h.desc[j].entry = j;
#endif
    PyObject* item = *reinterpret_cast<PyObject* const*>(at + j * step);
    if (item == Py_None || item == nullptr) continue;  // empty descriptor
#ifdef FRAGMENTS_NUMPY
    if (is_ndarray(item) && record_ndarray(item, Elem::i32, 1, false, &h.desc[j])) continue;  // nothing held
#endif
    Py_buffer& eb = h.entries[j];
    if (PyObject_GetBuffer(item, &eb, PyBUF_RECORDS_RO) != 0) {
      std::memset(&eb, 0, sizeof eb);
      return false;
    }
    if (!accept(eb, Elem::i32, 1, &h.desc[j])) {
      set_invalid(name);
      return false;
    }
  }
  return true;
}

// Takes every array argument in positional order. On failure the exception is set; what was
// taken is released with the call.
bool take_views(const KernelDef& k, PyObject* const* obj, Call& c) {
  for (int i = 0; i < k.nparams; ++i) {
    const Param& p = k.params[i];
    if (p.letter != 'O') continue;
    PyObject* o = obj[i];
    Slot& s = c.slot[i];
    if (o == Py_None) {
      if (p.kind == Kind::list)
        s.l = ListData{};
      else
        s.v = ViewData{};
      continue;
    }
#ifdef FRAGMENTS_NUMPY
    if (p.kind != Kind::list && is_ndarray(o) &&
        record_ndarray(o, p.elem, p.kind == Kind::mat ? 2 : 1, p.writable, &s.v))
      continue;  // viewed directly: nothing to release
#endif
#ifndef FRAGMENTS_PY2
    if (p.kind != Kind::list && Py_TYPE(o) == &PyMemoryView_Type &&
        record_memoryview(o, p.elem, p.kind == Kind::mat ? 2 : 1, p.writable, &s.v))
      continue;
#endif
    Py_buffer* b = &c.buf[i];
    if (PyObject_GetBuffer(o, b, flags_for(p)) != 0) return false;
    Held& h = c.held[c.nheld++];
    h = Held{b, nullptr, nullptr, 0, p.kind == Kind::list};
    const bool ok = p.kind == Kind::list ? take_list(h, k.names[i], &s.l)
                                         : accept(*b, p.elem, p.kind == Kind::mat ? 2 : 1, &s.v);
    if (!ok) {
      if (!PyErr_Occurred()) set_invalid(k.names[i]);
      return false;
    }
  }
  return true;
}

#ifdef FRAGMENTS_CHECKED
// Names every view after its parameter, for the messages of failed checks.
void name_views(const KernelDef& k, Call& c) {
  for (int i = 0; i < k.nparams; ++i) {
    const Param& p = k.params[i];
    if (p.letter != 'O') continue;
    if (p.kind == Kind::list) {
      c.slot[i].l.name = k.names[i];
    } else {
      c.slot[i].v.name = k.names[i];
      c.slot[i].v.entry = -1;
    }
  }
}
#endif

PyObject* make_item(Res kind, const ResultItem& v) {
  switch (kind) {
#ifdef FRAGMENTS_PY2
    case Res::i32: return PyInt_FromLong(static_cast<long>(static_cast<int32_t>(v.i)));
#else
    case Res::i32: return PyLong_FromLong(static_cast<long>(static_cast<int32_t>(v.i)));
#endif
    case Res::i64: return PyLong_FromLongLong(static_cast<long long>(v.i));
    case Res::f64: return PyFloat_FromDouble(v.d);
    case Res::boolean: return PyBool_FromLong(static_cast<long>(v.i));
    default: Py_RETURN_NONE;
  }
}

PyObject* make_result(const KernelDef& k, const ResultValues& r) {
  if (k.nresults == 0) Py_RETURN_NONE;
  if (!k.tuple) return make_item(k.results[0], r.item[0]);
  PyObject* t = PyTuple_New(k.nresults);
  if (!t) return nullptr;
  for (int j = 0; j < k.nresults; ++j) {
    PyObject* item = make_item(k.results[j], r.item[j]);
    if (!item) {
      Py_DECREF(t);
      return nullptr;
    }
    PyTuple_SET_ITEM(t, j, item);
  }
  return t;
}

// The hooks through which a long kernel releases the interpreter's lock while it runs
// (module/unlock.h): installed when the module is loaded.
void* release_lock() { return PyEval_SaveThread(); }
void reacquire_lock(void* state) { PyEval_RestoreThread(static_cast<PyThreadState*>(state)); }
struct InstallLockHooks {
  InstallLockHooks() { unlock_hooks = UnlockHooks{&release_lock, &reacquire_lock}; }
} install_lock_hooks;

// Runs the kernel on the taken views, releases them and builds the result. A kernel with
// much work releases the interpreter's lock inside invoke and has it back when invoke
// returns or throws.
PyObject* run(const KernelDef& k, Call& c) {
  ResultValues r;
  try {
    k.invoke(c.slot, &r);
  } catch (const std::bad_alloc&) {
    return PyErr_NoMemory();
#ifdef FRAGMENTS_CHECKED
  } catch (const CheckFault& f) {
    PyErr_Format(f.kind == CheckFault::division ? PyExc_ZeroDivisionError : PyExc_IndexError, "_c_closure_%d: %s",
                 k.number, f.message);
    return nullptr;
#endif
  } catch (const InvalidArgument& e) {  // thrown before the kernel wrote anything
    set_invalid(e.name);
    return nullptr;
  } catch (...) {
    PyErr_Format(PyExc_SystemError, "_c_closure_%d failed", k.number);
    return nullptr;
  }
  c.release();  // before the result objects are made
  return make_result(k, r);
}

#ifndef FRAGMENTS_PY2
bool to_i32(PyObject* o, int32_t* out) {
  const long v = PyLong_AsLong(o);
  if (v == -1 && PyErr_Occurred()) return false;
  if (v > INT_MAX) {
    PyErr_SetString(PyExc_OverflowError, "signed integer is greater than maximum");
    return false;
  }
  if (v < INT_MIN) {
    PyErr_SetString(PyExc_OverflowError, "signed integer is less than minimum");
    return false;
  }
  *out = static_cast<int32_t>(v);
  return true;
}

bool to_i64(PyObject* o, int64_t* out) {
  const long long v = PyLong_AsLongLong(o);
  if (v == -1 && PyErr_Occurred()) return false;
  *out = static_cast<int64_t>(v);
  return true;
}

bool to_f64(PyObject* o, double* out) {
  const double v = PyFloat_AsDouble(o);
  if (v == -1.0 && PyErr_Occurred()) return false;
  *out = v;
  return true;
}

void wrong_count(int expected, Py_ssize_t given) {
  PyErr_Format(PyExc_TypeError, "function takes exactly %d argument%s (%zd given)", expected,
               expected == 1 ? "" : "s", given);
}
#endif

}  // namespace

#ifdef FRAGMENTS_PY2

PyObject* call(const KernelDef& k, PyObject* args) {
  Call c;
  PyObject* obj[kMaxParams] = {};
  void* dest[kMaxParams] = {};
  for (int i = 0; i < k.nparams; ++i) {
    switch (k.params[i].letter) {
      case 'i': dest[i] = &c.slot[i].i; break;
      case 'L': dest[i] = &c.slot[i].L; break;
      case 'd': dest[i] = &c.slot[i].d; break;
      default: dest[i] = &obj[i]; break;
    }
  }
  static_assert(kMaxParams == 32, "the parser call below passes one destination per possible parameter");
  if (!PyArg_ParseTuple(args, k.format, dest[0], dest[1], dest[2], dest[3], dest[4], dest[5], dest[6], dest[7],
                        dest[8], dest[9], dest[10], dest[11], dest[12], dest[13], dest[14], dest[15], dest[16],
                        dest[17], dest[18], dest[19], dest[20], dest[21], dest[22], dest[23], dest[24], dest[25],
                        dest[26], dest[27], dest[28], dest[29], dest[30], dest[31]))
    return nullptr;
  if (!take_views(k, obj, c)) return nullptr;
#ifdef FRAGMENTS_CHECKED
  name_views(k, c);
#endif
  return run(k, c);
}

#else

PyObject* call(const KernelDef& k, PyObject* const* args, Py_ssize_t nargs) {
  if (nargs != k.nparams) {
    wrong_count(k.nparams, nargs);
    return nullptr;
  }
  Call c;
  for (int i = 0; i < k.nparams; ++i) {
    bool ok = true;
    switch (k.params[i].letter) {
      case 'i': ok = to_i32(args[i], &c.slot[i].i); break;
      case 'L': ok = to_i64(args[i], &c.slot[i].L); break;
      case 'd': ok = to_f64(args[i], &c.slot[i].d); break;
      default: break;
    }
    if (!ok) return nullptr;
  }
  if (!take_views(k, args, c)) return nullptr;
#ifdef FRAGMENTS_CHECKED
  name_views(k, c);
#endif
  return run(k, c);
}

#endif

}  // namespace fragments::frame
