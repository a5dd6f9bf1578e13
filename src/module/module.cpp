// The module: one entry point per kernel, the method table and the module's init.
#include "frame.h"
#include "registry.h"
#ifndef FRAGMENTS_PY2
#include <string>

#include "docs.h"
#endif

namespace fragments::registry {

#ifdef FRAGMENTS_PY2
#define FRAGMENTS_ENTRY(n) \
  static PyObject* entry_##n(PyObject*, PyObject* args) { return frame::call(kernel_##n, args); }
#define FRAGMENTS_FLAGS METH_VARARGS
#define FRAGMENTS_METHOD(n) reinterpret_cast<PyCFunction>(fragments::registry::entry_##n)
#else
#define FRAGMENTS_ENTRY(n)                                                       \
  static PyObject* entry_##n(PyObject*, PyObject* const* args, Py_ssize_t nargs) { \
    return frame::call(kernel_##n, args, nargs);                                  \
  }
#define FRAGMENTS_FLAGS METH_FASTCALL
#define FRAGMENTS_METHOD(n) reinterpret_cast<PyCFunction>(reinterpret_cast<void (*)()>(fragments::registry::entry_##n))
#endif

FRAGMENTS_EACH_KERNEL(FRAGMENTS_ENTRY)

}  // namespace fragments::registry

// The method table: the kernels, the highest number first, then the terminator. On 2.7 every kernel is
// documented by ""; on 3 the init puts each kernel's docstring in its row.
static PyMethodDef FragmentsMethods[] = {
#define FRAGMENTS_ROW(n) {"_c_closure_" #n, FRAGMENTS_METHOD(n), FRAGMENTS_FLAGS, ""},
    FRAGMENTS_EACH_KERNEL(FRAGMENTS_ROW)
#undef FRAGMENTS_ROW
    {nullptr, nullptr, 0, nullptr}};

constexpr int kKernels = sizeof(fragments::registry::all) / sizeof(fragments::registry::all[0]);
static_assert(sizeof(FragmentsMethods) / sizeof(FragmentsMethods[0]) == kKernels + 1, "the kernels and the terminator");

// fragments.__checked__: whether this is the checked build (FRAGMENTS_CHECKED), in which an
// out-of-range access raises IndexError instead of touching memory.
static int add_build_flags(PyObject* m) {
#ifdef FRAGMENTS_CHECKED
  PyObject* checked = Py_True;
#else
  PyObject* checked = Py_False;
#endif
  Py_INCREF(checked);
  if (PyModule_AddObject(m, "__checked__", checked) == 0) return 0;
  Py_DECREF(checked);
  return -1;
}

#ifdef FRAGMENTS_PY2

PyMODINIT_FUNC initfragments(void) {
  PyObject* m = Py_InitModule4_64("fragments", FragmentsMethods, nullptr, nullptr, 1013);
  if (m) add_build_flags(m);
}

#else

static struct PyModuleDef fragments_module = {
    PyModuleDef_HEAD_INIT, "fragments", nullptr, -1, FragmentsMethods, nullptr, nullptr, nullptr, nullptr};

PyMODINIT_FUNC PyInit_fragments(void) {
  // Built once per process; the rows keep pointing into these strings.
  static std::string docs[kKernels];
  for (int i = 0; i < kKernels; ++i) {
    if (docs[i].empty()) docs[i] = fragments::docs::docstring(*fragments::registry::all[i]);
    FragmentsMethods[i].ml_doc = docs[i].c_str();
  }
  PyObject* m = PyModule_Create(&fragments_module);
  if (m && add_build_flags(m) < 0) Py_CLEAR(m);
  return m;
}

#endif
