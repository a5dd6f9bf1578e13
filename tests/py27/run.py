"""Runs the portable unittest suite (tests/frame/test_unittest_*.py: no NumPy, no pytest)
under the running interpreter (2.7 or 3) and ends with the line "N passed, N failed, N
skipped". Fails when any test fails or none ran. pytest runs the same files under 3.

Under 2.7 the module and the test exporter are taken from build/py27 (tests/py27/build.sh
puts them there) unless FRAGMENTS_PATH names another folder; under 3 `fragments` is whatever
the interpreter imports (PYTHONPATH=build/dev, or the installed module).

    build/py27/python2.7 tests/py27/run.py [-v] [pattern]
"""
import os
import sys
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
TOP = os.path.dirname(os.path.dirname(HERE))
SUITE = os.path.join(TOP, "tests", "frame")


class Result(unittest.TextTestResult):
    def __init__(self, *args, **kw):
        super(Result, self).__init__(*args, **kw)
        self.passed = 0

    def addSuccess(self, test):
        super(Result, self).addSuccess(test)
        self.passed += 1


def main(argv):
    verbose = "-v" in argv
    patterns = [a for a in argv if a != "-v"]
    folder = os.environ.get("FRAGMENTS_PATH") or (os.path.join(TOP, "build", "py27") if sys.version_info[0] < 3 else "")
    if folder:
        sys.path.insert(0, os.path.abspath(folder))
    sys.path.insert(0, os.path.join(TOP, "tests"))

    import fragments
    print("fragments from %s under Python %s" % (fragments.__file__, sys.version.split()[0]))
    suite = unittest.defaultTestLoader.discover(SUITE, pattern="test_unittest_*.py", top_level_dir=SUITE)
    if patterns:
        def tests(s):
            for t in s:
                if isinstance(t, unittest.TestSuite):
                    for u in tests(t):
                        yield u
                else:
                    yield t
        suite = unittest.TestSuite(t for t in tests(suite) if any(p in t.id() for p in patterns))
    result = unittest.TextTestRunner(stream=sys.stdout, verbosity=2 if verbose else 1, resultclass=Result).run(suite)
    failed = len(result.failures) + len(result.errors) + len(getattr(result, "unexpectedSuccesses", ()))
    print("%d passed, %d failed, %d skipped" % (result.passed, failed, len(result.skipped)))
    return 0 if failed == 0 and result.passed > 0 else 1


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
