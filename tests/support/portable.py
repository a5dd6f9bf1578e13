# Helpers of the portable unittest suite (tests/frame/test_unittest_*.py), which runs
# unchanged under Python 2.7 and 3 without NumPy: typed, strided buffers come from the test
# exporter.
import atexit
import os
import shutil
import subprocess
import sys
import sysconfig
import tempfile
import unittest

PY2 = sys.version_info[0] < 3
# The frame's error for an argument it refuses; every test of it uses this one text.
INVALID = "Invalid array shape or type for argument '{}'"
HERE = os.path.dirname(os.path.abspath(__file__))


def exporter():
    # The test exporter module: under 2.7 the copy tests/py27/build.sh compiled beside the
    # module; under 3 built from exporter.c for the running interpreter, once a process, into a
    # folder of its own that goes with the process.
    if not PY2 and "_exporter" not in sys.modules:
        folder = tempfile.mkdtemp(prefix="fragments-exporter-")
        atexit.register(shutil.rmtree, folder, True)
        subprocess.check_call((os.environ.get("CC") or "cc").split() + [
            "-shared", "-fPIC", "-O1", "-w", "-I" + sysconfig.get_paths()["include"], os.path.join(HERE, "exporter.c"),
            "-o", os.path.join(folder, "_exporter" + sysconfig.get_config_var("EXT_SUFFIX"))])
        sys.path.insert(0, folder)
    import _exporter
    return _exporter


def E(fmt, values, **kw):
    return exporter().Exporter(fmt, list(values), **kw)


def i32(values, stride=1):
    return E("i", values, stride=stride)


def i64(values, stride=1, fmt="q"):
    return E(fmt, values, stride=stride)


def f64(values, stride=1):
    return E("d", values, stride=stride)


def objects(items, stride=1):
    # An array list: a one-dimensional buffer of object references (format "O").
    return E("O", items, stride=stride)


def Index(v):
    """An object that is an integer only through __index__."""
    return type("Index", (object,), {"__index__": lambda self: v})()


class Case(unittest.TestCase):
    def assertInvalid(self, name, fn, *args):
        # fn(*args) raises the frame's ValueError naming parameter `name`.
        self.assertRaisesLike(ValueError(INVALID.format(name)), fn, *args)

    def assertRaisesLike(self, expected, fn, *args):
        # fn(*args) raises an exception of the same type and message as `expected`.
        with self.assertRaises(Exception) as got:
            fn(*args)
        self.assertEqual((type(got.exception), str(got.exception)), (type(expected), str(expected)))

    def assertValues(self, buf, expected):
        self.assertEqual(buf.values(), list(expected))
