/* Reference functions for the benchmark (bench/run.py), built by it for the running
 * interpreter.
 *
 * noop(*args): the floor of a kernel call. A METH_FASTCALL function that takes the same
 *   positional arguments as the kernel it stands beside, looks at none of them and returns
 *   None: timing it with a kernel's argument list measures what the interpreter itself
 *   spends on such a call, and the benchmark reports each kernel as a multiple of it.
 * copy(target_address, source_address, nbytes): memcpy between two addresses given as
 *   integers (taken from the arrays once, outside the timing), the bandwidth reference of
 *   the bulk kernels. */
#define PY_SSIZE_T_CLEAN
#include <Python.h>
#include <string.h>

static PyObject *noop(PyObject *self, PyObject *const *args, Py_ssize_t nargs) {
    (void)self;
    (void)args;
    (void)nargs;
    Py_RETURN_NONE;
}

static PyObject *copy(PyObject *self, PyObject *const *args, Py_ssize_t nargs) {
    void *target, *source;
    Py_ssize_t n;
    (void)self;
    if (nargs != 3) {
        PyErr_SetString(PyExc_TypeError, "copy(target_address, source_address, nbytes)");
        return NULL;
    }
    target = PyLong_AsVoidPtr(args[0]);
    source = PyLong_AsVoidPtr(args[1]);
    n = PyLong_AsSsize_t(args[2]);
    if (PyErr_Occurred()) return NULL;
    if (n > 0) memcpy(target, source, (size_t)n);
    Py_RETURN_NONE;
}

static PyMethodDef methods[] = {
    {"noop", (PyCFunction)(void (*)(void))noop, METH_FASTCALL, ""},
    {"copy", (PyCFunction)(void (*)(void))copy, METH_FASTCALL, ""},
    {NULL, NULL, 0, NULL}};

static struct PyModuleDef module = {PyModuleDef_HEAD_INIT, "_floor", NULL, -1, methods,
                                    NULL, NULL, NULL, NULL};

PyMODINIT_FUNC PyInit__floor(void) { return PyModule_Create(&module); }
