"""Runs the portable unittest suite (tests/frame/test_unittest_*.py: no NumPy, no pytest)
under the running interpreter (2.7 or 3) and ends with the line "N passed, N failed, N
skipped". Fails when any test fails or none ran. pytest runs the same files under 3.

Under 2.7 the module and the test exporter are taken from build/py27 (tests/py27/build.sh
puts them there) unless FRAGMENTS_PATH names another folder; under 3 `fragments` is whatever
the interpreter imports (PYTHONPATH=build/dev, or the installed module).

    build/py27/python2.7 tests/py27/run.py [-v] [test_unittest_frame[.Views[.test_...]] ...]
"""
import os
import sys
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
TOP = os.path.dirname(os.path.dirname(HERE))
SUITE = os.path.join(TOP, "tests", "frame")


def main(argv):
    verbose = "-v" in argv
    folder = os.environ.get("FRAGMENTS_PATH") or (os.path.join(TOP, "build", "py27") if sys.version_info[0] < 3 else "")
    if folder:
        sys.path.insert(0, os.path.abspath(folder))
    sys.path.insert(0, os.path.join(TOP, "tests"))

    import fragments
    print("fragments from %s under Python %s" % (fragments.__file__, sys.version.split()[0]))
    names, loader = [a for a in argv if a != "-v"], unittest.defaultTestLoader
    sys.path.insert(0, SUITE)
    suite = loader.loadTestsFromNames(names) if names else loader.discover(SUITE, pattern="test_unittest_*.py")
    result = unittest.TextTestRunner(stream=sys.stdout, verbosity=2 if verbose else 1).run(suite)
    failed = len(result.failures) + len(result.errors) + len(result.unexpectedSuccesses)
    passed = result.testsRun - failed - len(result.skipped) - len(result.expectedFailures)
    print("%d passed, %d failed, %d skipped" % (passed, failed, len(result.skipped)))
    return 0 if failed == 0 and passed > 0 else 1


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
