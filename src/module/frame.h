// The call frame shared by every kernel: parse, take views, run, release, build the result.
#pragma once

#include "python.h"
#include "signature.h"

namespace fragments::frame {

#ifdef FRAGMENTS_PY2
// METH_VARARGS: the argument tuple, parsed by the interpreter's own tuple parser.
PyObject* call(const KernelDef& k, PyObject* args);
#else
// METH_FASTCALL: positional arguments as a C array.
PyObject* call(const KernelDef& k, PyObject* const* args, Py_ssize_t nargs);
#endif

}  // namespace fragments::frame
