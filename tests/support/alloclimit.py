"""Running a snippet in a child interpreter whose address space is capped, to see how
kernels behave when their scratch memory cannot be had.

The snippet calls cap_address_space() once its arrays exist; from then on the child can
map at most `headroom` more bytes. ASan reserves terabytes of shadow memory, so a cap is
meaningless under it: `skip_under_asan` marks such tests."""
import os
import subprocess
import sys
import textwrap

import pytest

PRELUDE = textwrap.dedent("""
    import resource

    def cap_address_space(headroom={headroom}):
        with open("/proc/self/statm") as f:
            size = int(f.read().split()[0]) * resource.getpagesize()
        hard = resource.getrlimit(resource.RLIMIT_AS)[1]
        resource.setrlimit(resource.RLIMIT_AS, (size + headroom, hard))
""")

skip_under_asan = pytest.mark.skipif("asan" in os.environ.get("LD_PRELOAD", ""),
                                     reason="an address-space cap conflicts with ASan")


def run_capped(code, headroom=256 << 20, timeout=60):
    """Runs `code` (dedented) after the prelude; returns the finished process."""
    source = PRELUDE.format(headroom=headroom) + textwrap.dedent(code)
    return subprocess.run([sys.executable, "-c", source], capture_output=True, text=True, timeout=timeout)
