/* The floor of a kernel call: a METH_FASTCALL function that takes the same positional
 * arguments as the kernel it stands beside, looks at none of them and returns None.
 * Timing it with a kernel's argument list measures what the interpreter itself spends
 * on such a call; the benchmark reports each kernel as a multiple of it. */
#define PY_SSIZE_T_CLEAN
#include <Python.h>

static PyObject *noop(PyObject *self, PyObject *const *args, Py_ssize_t nargs) {
    (void)self;
    (void)args;
    (void)nargs;
    Py_RETURN_NONE;
}

static PyMethodDef methods[] = {
    {"noop", (PyCFunction)(void (*)(void))noop, METH_FASTCALL, ""},
    {NULL, NULL, 0, NULL}};

static struct PyModuleDef module = {PyModuleDef_HEAD_INIT, "_floor", NULL, -1, methods,
                                    NULL, NULL, NULL, NULL};

PyMODINIT_FUNC PyInit__floor(void) { return PyModule_Create(&module); }
