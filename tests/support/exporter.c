// A test-only buffer exporter that counts its exports.
//
// Exporter(format, values, stride=1, shape=None, fail=False, itemsize=0, offset=0,
//          claim=-1, fortran=False, null=False)
//   exports `values` (numbers, or any objects for format "O") as a buffer of the given
//   struct format, one-dimensional with the given element stride (may be negative or
//   zero), or two-dimensional when `shape` = (rows, cols) is given (row by row, or column
//   by column with `fortran`; values in that order). `fail` refuses every export with
//   BufferError; `itemsize` (if positive) overrides the format's item size; `offset` shifts the data by
//   that many bytes (a misaligned buffer); `claim` makes a one-dimensional export claim that
//   many elements (only for calls that fail before reading); `null` exports an empty buffer
//   at the null address.
// .exports  buffers currently held by consumers; .taken  buffers handed out in all
// .values() the current values, through the stride (formats i, l, q and d)
//
// Builds against CPython 2.7 and 3.
#define PY_SSIZE_T_CLEAN
#include <Python.h>
#include <structmember.h>
#include <stdlib.h>
#include <string.h>

typedef struct {
    PyObject_HEAD
    char *block, *data; /* the allocation; element 0 */
    char format[16], kind; /* kind: the format's letter after any byte-order mark */
    Py_ssize_t itemsize, count, stride, ndim, shape[2], strides[2], exports, taken;
    int fail, claimed, null;
} Exporter;

#define AT(self, k) ((self)->data + (k) * (self)->stride * (self)->itemsize)

static int store(Exporter *self, Py_ssize_t k, PyObject *v) {
    char *at = AT(self, k);
    double d = self->kind == 'd' ? PyFloat_AsDouble(v) : 0;
    long long x = self->kind == 'd' || self->kind == 'O' ? 0 : PyLong_AsLongLong(v);
    if (self->kind == 'O') {  // (into a zeroed slot: values are stored once, at init)
        Py_INCREF(v);
        *(PyObject **)at = v;
    } else if (self->kind == 'd') memcpy(at, &d, sizeof d);
    else memcpy(at, &x, (size_t)(self->itemsize < 8 ? self->itemsize : 8));  // the low bytes (little-endian)
    return PyErr_Occurred() ? -1 : 0;
}

// Element k of a buffer of format i, l, q or d (the formats whose values tests read).
static PyObject *load(Exporter *self, Py_ssize_t k) {
    char *at = AT(self, k);
    double d; long long x; int i;
    if (self->kind == 'd') return memcpy(&d, at, sizeof d), PyFloat_FromDouble(d);
    if (self->kind == 'i') return memcpy(&i, at, sizeof i), PyLong_FromLong(i);
    return memcpy(&x, at, sizeof x), PyLong_FromLongLong(x);
}

static int Exporter_init(Exporter *self, PyObject *args, PyObject *kw) {
    static char *names[] = {"format", "values", "stride", "shape", "fail", "itemsize", "offset", "claim",
                            "fortran", "null", NULL};
    const char *format;
    PyObject *values, *seq, *shape = Py_None;
    Py_ssize_t stride = 1, offset = 0, claim = -1, n, k, size;
    int fortran = 0, null = 0;
    if (!PyArg_ParseTupleAndKeywords(args, kw, "sO|nOinnnii", names, &format, &values, &stride, &shape, &self->fail,
                                     &self->itemsize, &offset, &claim, &fortran, &null))
        return -1;
    strncpy(self->format, format, sizeof self->format - 1);
    self->kind = strchr("<>=@!", format[0]) ? format[1] : format[0];
    if (self->itemsize <= 0)
        self->itemsize = self->kind == 'i' ? 4 : self->kind && strchr("lqd", self->kind) ? 8
                         : self->kind == 'O' ? (Py_ssize_t)sizeof(PyObject *) : 1;
    if (!(seq = PySequence_Fast(values, "values must be a sequence"))) return -1;
    n = self->count = self->shape[0] = PySequence_Fast_GET_SIZE(seq);
    self->stride = stride;
    self->null = null && n == 0;
    self->ndim = 1;
    self->strides[0] = stride * self->itemsize;
    if (shape != Py_None) {
        if (!PyArg_ParseTuple(shape, "nn", &self->shape[0], &self->shape[1])) goto fail;
        self->ndim = 2;
        self->stride = 1;
        self->strides[0] = (fortran ? 1 : self->shape[1]) * self->itemsize;
        self->strides[1] = (fortran ? self->shape[0] : 1) * self->itemsize;
    }
    size = ((n ? n - 1 : 0) * (self->stride < 0 ? -self->stride : self->stride) + 1) * self->itemsize + offset + 16;
    if (!(self->block = (char *)calloc(1, (size_t)size))) {
        PyErr_NoMemory();
        goto fail;
    }
    self->data = self->block + offset + (self->stride < 0 && n ? (n - 1) * -self->stride * self->itemsize : 0);
    for (k = 0; k < n; ++k)
        if (store(self, k, PySequence_Fast_GET_ITEM(seq, k)) < 0) goto fail;
    Py_DECREF(seq);
    if (claim >= 0 && self->ndim == 1) self->shape[0] = claim, self->claimed = 1;
    return 0;
fail:
    Py_DECREF(seq);
    return -1;
}

static void Exporter_dealloc(Exporter *self) {
    Py_ssize_t k;
    if (self->kind == 'O' && self->block)
        for (k = 0; k < self->count; ++k) Py_XDECREF(*(PyObject **)AT(self, k));
    free(self->block);
    Py_TYPE(self)->tp_free((PyObject *)self);
}

static int Exporter_getbuffer(Exporter *self, Py_buffer *view, int flags) {
    if (self->fail) {
        PyErr_SetString(PyExc_BufferError, "export refused");
        return -1;
    }
    view->buf = self->null ? NULL : self->data;
    view->obj = (PyObject *)self;
    Py_INCREF(self);
    view->len = (self->claimed ? self->shape[0] : self->count) * self->itemsize;
    view->readonly = 0;
    view->itemsize = self->itemsize;
    view->format = (flags & PyBUF_FORMAT) ? self->format : NULL;
    view->ndim = (int)self->ndim;
    view->shape = self->shape;
    view->strides = self->strides;
    view->suboffsets = NULL;
    view->internal = NULL;
    self->exports++;
    self->taken++;
    return 0;
}

static void Exporter_releasebuffer(Exporter *self, Py_buffer *view) { (void)view; self->exports--; }

static PyObject *Exporter_values(Exporter *self, PyObject *unused) {
    Py_ssize_t k;
    PyObject *v, *list = PyList_New(self->count);
    (void)unused;
    for (k = 0; list && k < self->count; ++k) {
        if (!(v = load(self, k))) {
            Py_DECREF(list);
            return NULL;
        }
        PyList_SET_ITEM(list, k, v);
    }
    return list;
}

static PyMethodDef Exporter_methods[] = {{"values", (PyCFunction)Exporter_values, METH_NOARGS, NULL},
                                         {NULL, NULL, 0, NULL}};
static PyMemberDef Exporter_members[] = {{"exports", T_PYSSIZET, offsetof(Exporter, exports), READONLY, NULL},
                                         {"taken", T_PYSSIZET, offsetof(Exporter, taken), READONLY, NULL},
                                         {NULL, 0, 0, 0, NULL}};
static PyBufferProcs Exporter_as_buffer;
static PyTypeObject ExporterType = {PyVarObject_HEAD_INIT(NULL, 0) "_exporter.Exporter"};

static PyMethodDef module_methods[] = {{NULL, NULL, 0, NULL}};

static PyObject *finish(PyObject *m) {
    if (!m) return NULL;
    Py_INCREF(&ExporterType);
    PyModule_AddObject(m, "Exporter", (PyObject *)&ExporterType);
    return m;
}

static int prepare(void) {
    Exporter_as_buffer.bf_getbuffer = (getbufferproc)Exporter_getbuffer;
    Exporter_as_buffer.bf_releasebuffer = (releasebufferproc)Exporter_releasebuffer;
#if PY_MAJOR_VERSION < 3
    ExporterType.tp_flags = Py_TPFLAGS_DEFAULT | Py_TPFLAGS_HAVE_NEWBUFFER;
#else
    ExporterType.tp_flags = Py_TPFLAGS_DEFAULT;
#endif
    ExporterType.tp_basicsize = sizeof(Exporter);
    ExporterType.tp_dealloc = (destructor)Exporter_dealloc;
    ExporterType.tp_as_buffer = &Exporter_as_buffer;
    ExporterType.tp_methods = Exporter_methods;
    ExporterType.tp_members = Exporter_members;
    ExporterType.tp_init = (initproc)Exporter_init;
    ExporterType.tp_new = PyType_GenericNew;
    return PyType_Ready(&ExporterType);
}

#if PY_MAJOR_VERSION >= 3
static struct PyModuleDef exporter_module = {PyModuleDef_HEAD_INIT, "_exporter", NULL, -1, module_methods,
                                             NULL, NULL, NULL, NULL};
PyMODINIT_FUNC PyInit__exporter(void) { return prepare() < 0 ? NULL : finish(PyModule_Create(&exporter_module)); }
#else
PyMODINIT_FUNC init_exporter(void) {
    if (prepare() == 0) finish(Py_InitModule("_exporter", module_methods));
}
#endif
