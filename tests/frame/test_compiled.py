# Checks compiled against the module's headers: registration lines, and the block copies
# and square root that kernels share.
import os
import shutil
import subprocess

import pytest

HERE = os.path.dirname(os.path.abspath(__file__))
ENV = {k: v for k, v in os.environ.items() if k != "LD_PRELOAD"}
KERNEL = """
#include "kernels/kernel.h"
namespace fragments::probe {
void probe(Vec<const int64_t> ptrb, Vec<int32_t> subi, int32_t n) { subi[0] = static_cast<int32_t>(ptrb[n]); }
}
TOPIC("Probes")
"""


def run(*args):
    cxx = os.environ.get("CXX") or shutil.which("c++") or shutil.which("g++")
    return subprocess.run([cxx, "-std=c++17", "-I", os.path.join(HERE, "..", "..", "src")] + list(args),
                          capture_output=True, text=True, env=ENV)


# A registration line that disagrees with the C++ signature (format, names, array names out
# of byte order) fails to compile with a message naming the kernel and its function; a wrong
# format letter is shown with its position and the letter the signature takes.
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
    (tmp_path / "probe.cpp").write_text(KERNEL + line + "\n")
    done = run("-fsyntax-only", str(tmp_path / "probe.cpp"))
    if message is None:
        assert done.returncode == 0, done.stderr
    else:
        assert done.returncode != 0 and message in done.stderr, done.stderr
        named = ("_c_closure_900 (probe::probe)", "_c_closure_901 (same as _c_closure_900)")
        assert any(n in done.stderr for n in named), done.stderr


def test_block_copies_agree_with_a_read_then_write_reference(tmp_path):  # copy_check.cpp, under the sanitizers
    built = run("-O0", "-Wall", "-Wextra", "-Werror", "-fsanitize=address,undefined", "-fno-sanitize-recover=all",
                     os.path.join(HERE, "copy_check.cpp"), "-o", str(tmp_path / "copy_check"))
    assert built.returncode == 0, built.stderr
    out = subprocess.run([str(tmp_path / "copy_check")], capture_output=True, text=True, env=ENV)
    assert (out.returncode, out.stdout.strip()) == (0, "ok"), out.stdout + out.stderr
