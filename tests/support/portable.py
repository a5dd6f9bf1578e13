"""Helpers for the unittest suite in tests/py27, which runs unchanged under Python 2.7 and 3
and has no NumPy: typed, strided buffers come from the test exporter."""
import sys
import unittest

PY2 = sys.version_info[0] < 3
# The frame's error for an argument it refuses; every test of it uses this one text.
INVALID = "Invalid array shape or type for argument '{}'"

_exporter = []


def exporter():
    """The test exporter module: under 2.7 the copy tests/py27/build.sh compiled beside the
    module, else built for the running interpreter."""
    if not _exporter:
        module = None
        if PY2:
            try:
                import _exporter as module
            except ImportError:
                module = None
        if module is None:
            from support.build_exporter import load
            module = load()
        _exporter.append(module)
    return _exporter[0]


def E(fmt, values, **kw):
    return exporter().Exporter(fmt, list(values), **kw)


def i32(values, stride=1):
    return E("i", values, stride=stride)


def i64(values, stride=1, fmt="q"):
    return E(fmt, values, stride=stride)


def f64(values, stride=1):
    return E("d", values, stride=stride)


def objects(items, stride=1):
    """A one-dimensional buffer of object references (format "O"): an array list."""
    return E("O", items, stride=stride)


class Index(object):
    """An object that is an integer only through __index__."""

    def __init__(self, v):
        self.v = v

    def __index__(self):
        return self.v


class Case(unittest.TestCase):
    def assertInvalid(self, name, fn, *args):
        """fn(*args) raises the frame's ValueError naming parameter `name`."""
        with self.assertRaises(ValueError) as got:
            fn(*args)
        self.assertEqual(str(got.exception), INVALID.format(name))

    def assertRaisesLike(self, expected, fn, *args):
        """fn(*args) raises an exception of the same type and message as `expected`."""
        with self.assertRaises(Exception) as got:
            fn(*args)
        self.assertIs(type(got.exception), type(expected))
        self.assertEqual(str(got.exception), str(expected))

    def assertValues(self, buf, expected):
        self.assertEqual(buf.values(), list(expected))
