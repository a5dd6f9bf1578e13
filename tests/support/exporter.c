/* A test-only buffer exporter that counts its exports.
 *
 * Exporter(format, values, stride=1, shape=None, readonly=False, fail=False,
 *          itemsize=None, offset=0)
 *   exports `values` (numbers, or any objects for format "O") as a buffer of the given
 *   struct format, one-dimensional with the given element stride (may be negative or
 *   zero), or two-dimensional and contiguous when `shape` = (rows, cols) is given.
 *   `fail` makes every export request fail with BufferError; `itemsize` overrides the
 *   item size that the format implies; `offset` shifts the data address by that many
 *   bytes (to export a misaligned buffer); `claim` makes a one-dimensional export claim
 *   that many elements (more than it holds: only for tests that fail before reading);
 *   `fortran` lays a two-dimensional export out column by column (values in that order);
 *   `null` exports an empty buffer at the null address.
 * .exports  buffers currently held by consumers
 * .taken    buffers handed out in all
 * .values() the current values, through the stride
 * parse_tuple(format, args) runs the interpreter's own tuple parser (letters i, L, d, O).
 *
 * Builds against CPython 2.7 and 3. */
#define PY_SSIZE_T_CLEAN
#include <Python.h>
#include <stdlib.h>
#include <string.h>

typedef struct {
    PyObject_HEAD
    char *block;      /* the allocation */
    char *data;       /* element 0 */
    char format[16];
    Py_ssize_t itemsize, count, stride, ndim, shape[2], strides[2];
    int readonly, fail, is_object, claimed, null;
    Py_ssize_t exports, taken;
} Exporter;

static Py_ssize_t natural_itemsize(char c) {
    switch (c) {
    case 'i': return 4;
    case 'l': case 'q': case 'd': return 8;
    case 'O': return (Py_ssize_t)sizeof(PyObject *);
    default: return 1;
    }
}

static int store(Exporter *self, Py_ssize_t k, PyObject *v) {
    char *at = self->data + k * self->stride * self->itemsize;
    const char *f = self->format[0] == '<' || self->format[0] == '>' || self->format[0] == '=' || self->format[0] == '@'
                        ? self->format + 1 : self->format;
    if (self->is_object) {
        PyObject *old = *(PyObject **)at;
        Py_INCREF(v);
        *(PyObject **)at = v;
        Py_XDECREF(old);
        return 0;
    }
    if (f[0] == 'd') {
        double d = PyFloat_AsDouble(v);
        if (d == -1.0 && PyErr_Occurred()) return -1;
        memcpy(at, &d, sizeof d);
    } else if (f[0] == 'i') {
        long x = PyLong_AsLong(v);
        int i = (int)x;
        if (x == -1 && PyErr_Occurred()) return -1;
        memcpy(at, &i, sizeof i);
    } else if (f[0] == 'l' || f[0] == 'q') {
        long long x = PyLong_AsLongLong(v);
        if (x == -1 && PyErr_Occurred()) return -1;
        memcpy(at, &x, sizeof x);
    } else {
        long x = PyLong_AsLong(v);
        if (x == -1 && PyErr_Occurred()) return -1;
        *at = (char)x;
    }
    return 0;
}

static PyObject *load(Exporter *self, Py_ssize_t k) {
    char *at = self->data + k * self->stride * self->itemsize;
    const char *f = self->format[0] == '<' || self->format[0] == '>' || self->format[0] == '=' || self->format[0] == '@'
                        ? self->format + 1 : self->format;
    if (self->is_object) {
        PyObject *o = *(PyObject **)at;
        if (!o) o = Py_None;
        Py_INCREF(o);
        return o;
    }
    if (f[0] == 'd') { double d; memcpy(&d, at, sizeof d); return PyFloat_FromDouble(d); }
    if (f[0] == 'i') { int i; memcpy(&i, at, sizeof i); return PyLong_FromLong(i); }
    if (f[0] == 'l' || f[0] == 'q') { long long x; memcpy(&x, at, sizeof x); return PyLong_FromLongLong(x); }
    return PyLong_FromLong((unsigned char)*at);
}

static int Exporter_init(Exporter *self, PyObject *args, PyObject *kw) {
    static char *names[] = {"format", "values", "stride", "shape", "readonly", "fail", "itemsize", "offset",
                            "claim", "fortran", "null", NULL};
    const char *format;
    PyObject *values, *seq, *shape = Py_None, *itemsize_obj = Py_None;
    Py_ssize_t stride = 1, offset = 0, claim = -1, n, k, span;
    int readonly = 0, fail = 0, fortran = 0, null = 0;
    if (!PyArg_ParseTupleAndKeywords(args, kw, "sO|nOiiOnnii", names, &format, &values, &stride, &shape, &readonly,
                                     &fail, &itemsize_obj, &offset, &claim, &fortran, &null))
        return -1;
    if (strlen(format) >= sizeof self->format) {
        PyErr_SetString(PyExc_ValueError, "format too long");
        return -1;
    }
    if (self->block) {
        PyErr_SetString(PyExc_TypeError, "already initialised");
        return -1;
    }
    strcpy(self->format, format);
    self->is_object = strcmp(format, "O") == 0;
    self->itemsize = itemsize_obj == Py_None ? natural_itemsize(strchr("<>=@!", format[0]) ? format[1] : format[0])
                                             : PyNumber_AsSsize_t(itemsize_obj, PyExc_OverflowError);
    if (self->itemsize <= 0) {
        if (!PyErr_Occurred()) PyErr_SetString(PyExc_ValueError, "itemsize must be positive");
        return -1;
    }
    seq = PySequence_Fast(values, "values must be a sequence");
    if (!seq) return -1;
    n = PySequence_Fast_GET_SIZE(seq);
    self->count = n;
    self->stride = stride;
    self->readonly = readonly;
    self->fail = fail;
    self->null = null && n == 0;
    if (shape != Py_None) {
        if (!PyArg_ParseTuple(shape, "nn", &self->shape[0], &self->shape[1])) { Py_DECREF(seq); return -1; }
        self->ndim = 2;
        self->stride = 1;
        self->strides[0] = fortran ? self->itemsize : self->shape[1] * self->itemsize;
        self->strides[1] = fortran ? self->shape[0] * self->itemsize : self->itemsize;
    } else {
        self->ndim = 1;
        self->shape[0] = n;
        self->strides[0] = stride * self->itemsize;
    }
    span = (n ? (n - 1) * (self->stride < 0 ? -self->stride : self->stride) + 1 : 1) * self->itemsize + offset + 16;
    self->block = (char *)calloc(1, (size_t)span);
    if (!self->block) { Py_DECREF(seq); PyErr_NoMemory(); return -1; }
    self->data = self->block + offset + (self->stride < 0 && n ? (n - 1) * -self->stride * self->itemsize : 0);
    for (k = 0; k < n; ++k)
        if (store(self, k, PySequence_Fast_GET_ITEM(seq, k)) < 0) { Py_DECREF(seq); return -1; }
    Py_DECREF(seq);
    if (claim >= 0 && self->ndim == 1) {
        self->shape[0] = claim;
        self->claimed = 1;
    }
    return 0;
}

static void Exporter_dealloc(Exporter *self) {
    Py_ssize_t k;
    if (self->is_object && self->block)
        for (k = 0; k < self->count; ++k) {
            PyObject *o = *(PyObject **)(self->data + k * self->stride * self->itemsize);
            Py_XDECREF(o);
        }
    free(self->block);
    Py_TYPE(self)->tp_free((PyObject *)self);
}

static int Exporter_getbuffer(Exporter *self, Py_buffer *view, int flags) {
    if (self->fail) {
        PyErr_SetString(PyExc_BufferError, "export refused");
        return -1;
    }
    if ((flags & PyBUF_WRITABLE) && self->readonly) {
        PyErr_SetString(PyExc_BufferError, "Exporter is read-only");
        return -1;
    }
    view->buf = self->null ? NULL : self->data;
    view->obj = (PyObject *)self;
    Py_INCREF(self);
    view->len = (self->claimed ? self->shape[0] : self->count) * self->itemsize;
    view->readonly = self->readonly;
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

static void Exporter_releasebuffer(Exporter *self, Py_buffer *view) {
    (void)view;
    self->exports--;
}

static PyObject *Exporter_values(Exporter *self, PyObject *unused) {
    Py_ssize_t k;
    PyObject *list = PyList_New(self->count);
    (void)unused;
    if (!list) return NULL;
    for (k = 0; k < self->count; ++k) {
        PyObject *v = load(self, k);
        if (!v) { Py_DECREF(list); return NULL; }
        PyList_SET_ITEM(list, k, v);
    }
    return list;
}

static PyObject *Exporter_get_exports(Exporter *self, void *c) { (void)c; return PyLong_FromSsize_t(self->exports); }
static PyObject *Exporter_get_taken(Exporter *self, void *c) { (void)c; return PyLong_FromSsize_t(self->taken); }

static PyMethodDef Exporter_methods[] = {
    {"values", (PyCFunction)Exporter_values, METH_NOARGS, "the current values"},
    {NULL, NULL, 0, NULL}};

static PyGetSetDef Exporter_getset[] = {
    {"exports", (getter)Exporter_get_exports, NULL, "open exports", NULL},
    {"taken", (getter)Exporter_get_taken, NULL, "exports handed out in all", NULL},
    {NULL, NULL, NULL, NULL, NULL}};

static PyBufferProcs Exporter_as_buffer;

static PyTypeObject ExporterType = {PyVarObject_HEAD_INIT(NULL, 0) "_exporter.Exporter"};

static PyObject *parse_tuple(PyObject *self, PyObject *args) {
    const char *format;
    PyObject *tuple;
    char slots[8][16];
    (void)self;
    if (!PyArg_ParseTuple(args, "sO!", &format, &PyTuple_Type, &tuple)) return NULL;
    if (strlen(format) > 8) { PyErr_SetString(PyExc_ValueError, "at most 8 letters"); return NULL; }
    if (!PyArg_ParseTuple(tuple, format, slots[0], slots[1], slots[2], slots[3], slots[4], slots[5], slots[6],
                          slots[7]))
        return NULL;
    Py_RETURN_NONE;
}

static PyMethodDef module_methods[] = {
    {"parse_tuple", parse_tuple, METH_VARARGS, "run the interpreter's tuple parser"},
    {NULL, NULL, 0, NULL}};

static int prepare(void) {
#if PY_MAJOR_VERSION < 3
    Exporter_as_buffer.bf_getbuffer = (getbufferproc)Exporter_getbuffer;
    Exporter_as_buffer.bf_releasebuffer = (releasebufferproc)Exporter_releasebuffer;
    ExporterType.tp_flags = Py_TPFLAGS_DEFAULT | Py_TPFLAGS_HAVE_NEWBUFFER;
#else
    Exporter_as_buffer.bf_getbuffer = (getbufferproc)Exporter_getbuffer;
    Exporter_as_buffer.bf_releasebuffer = (releasebufferproc)Exporter_releasebuffer;
    ExporterType.tp_flags = Py_TPFLAGS_DEFAULT;
#endif
    ExporterType.tp_basicsize = sizeof(Exporter);
    ExporterType.tp_dealloc = (destructor)Exporter_dealloc;
    ExporterType.tp_as_buffer = &Exporter_as_buffer;
    ExporterType.tp_methods = Exporter_methods;
    ExporterType.tp_getset = Exporter_getset;
    ExporterType.tp_init = (initproc)Exporter_init;
    ExporterType.tp_new = PyType_GenericNew;
    return PyType_Ready(&ExporterType);
}

#if PY_MAJOR_VERSION >= 3
static struct PyModuleDef exporter_module = {PyModuleDef_HEAD_INIT, "_exporter", NULL, -1, module_methods,
                                             NULL, NULL, NULL, NULL};

PyMODINIT_FUNC PyInit__exporter(void) {
    PyObject *m;
    if (prepare() < 0) return NULL;
    m = PyModule_Create(&exporter_module);
    if (!m) return NULL;
    Py_INCREF(&ExporterType);
    PyModule_AddObject(m, "Exporter", (PyObject *)&ExporterType);
    return m;
}
#else
PyMODINIT_FUNC init_exporter(void) {
    PyObject *m;
    if (prepare() < 0) return;
    m = Py_InitModule("_exporter", module_methods);
    if (!m) return;
    Py_INCREF(&ExporterType);
    PyModule_AddObject(m, "Exporter", (PyObject *)&ExporterType);
}
#endif
