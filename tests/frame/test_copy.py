"""The block copies and the square root that kernels share, checked natively: the check
program is compiled against the module's headers (with the sanitizers where available)."""
import os
import shutil
import subprocess
import sysconfig

HERE = os.path.dirname(os.path.abspath(__file__))
SRC = os.path.join(os.path.dirname(os.path.dirname(HERE)), "src")


def test_block_copies_agree_with_a_read_then_write_reference(tmp_path):
    cxx = os.environ.get("CXX") or shutil.which("c++") or shutil.which("g++")
    assert cxx, "a C++ compiler is needed to build the check program"
    exe = tmp_path / "copy_check"
    flags = ["-std=c++17", "-O0", "-Wall", "-Wextra", "-Werror", "-fsanitize=address,undefined",
             "-fno-sanitize-recover=all"]
    subprocess.check_call([cxx, *flags, "-I", SRC, os.path.join(HERE, "copy_check.cpp"), "-o", str(exe)])
    env = {k: v for k, v in os.environ.items() if k != "LD_PRELOAD"}
    out = subprocess.run([str(exe)], capture_output=True, text=True, env=env)
    assert out.returncode == 0, out.stdout + out.stderr
    assert out.stdout.strip() == "ok"
