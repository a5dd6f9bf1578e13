"""The registration line of a kernel is checked when it compiles: a format that disagrees
with the C++ signature, names that do not match the parameters, or array names out of byte
order fail the build with a message naming the kernel and its function; a wrong format letter is
shown with its position and the letter the signature takes."""
import os
import shutil
import subprocess

import pytest

SRC = os.path.join(os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__)))), "src")
KERNEL = """
#include "kernels/kernel.h"
namespace fragments::probe {
void probe(Vec<const int64_t> ptrb, Vec<int32_t> subi, int32_t n) { subi[0] = static_cast<int32_t>(ptrb[n]); }
}
TOPIC("Probes")
"""


def compile_line(line, tmp_path):
    cxx = os.environ.get("CXX") or shutil.which("c++") or shutil.which("g++")
    source = tmp_path / "probe.cpp"
    source.write_text(KERNEL + line + "\n")
    env = {k: v for k, v in os.environ.items() if k != "LD_PRELOAD"}
    return subprocess.run([cxx, "-std=c++17", "-fsyntax-only", "-I", SRC, str(source)],
                          capture_output=True, text=True, env=env)


@pytest.mark.parametrize("line,message", [
    ('FRAGMENT(900, probe::probe, "OOi", "ptrb", "subi", "n")', None),
    ('FRAGMENT(900, probe::probe, "OiO", "ptrb", "subi", "n")', "the format string does not match"),
    ('FRAGMENT(900, probe::probe, "OiO", "ptrb", "subi", "n")', "FormatLetter<1, 'i', 'O'>"),
    ('FRAGMENT(900, probe::probe, "OOiO", "ptrb", "subi", "n", "x")', "FormatLetter<3, 'O', '\\000'>"),
    ('FRAGMENT(900, probe::probe, "OOi", "ptrb", "subi")', "exactly one name per parameter"),
    ('FRAGMENT(900, probe::probe, "OOi", "ptrb", "ptrb", "n")', "distinct and non-empty"),
    ('FRAGMENT(900, probe::probe, "OOi", "subi", "ptrb", "n")', "ascending byte order"),
    ('FRAGMENT(900, probe::probe, "OOi", "ptrb", "subi", "n")\nSAME_AS(901, 900, "b", "a", "n")',
     "ascending byte order"),
])
def test_registration_lines_are_checked_at_compile_time(tmp_path, line, message):
    done = compile_line(line, tmp_path)
    if message is None:
        assert done.returncode == 0, done.stderr
    else:
        assert done.returncode != 0 and message in done.stderr, done.stderr
        assert "_c_closure_900 (probe::probe)" in done.stderr or "_c_closure_901 (same as _c_closure_900)" in done.stderr
