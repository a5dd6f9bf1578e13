// The one place that includes Python.h. The same sources build against CPython 3
// (the primary target) and CPython 2.7; FRAGMENTS_PY2 marks the 2.7 build.
#pragma once

#define PY_SSIZE_T_CLEAN
#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wregister"
#endif
#include <Python.h>
#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif

#if PY_MAJOR_VERSION < 3
#define FRAGMENTS_PY2 1
#endif
