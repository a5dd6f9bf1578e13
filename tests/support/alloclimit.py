"""Running a snippet in a child interpreter whose memory is capped, to see how kernels
behave when their scratch memory cannot be had.

The snippet calls cap_address_space() once its arrays exist; from then on the child can
take at most `headroom` more bytes. Under ASan (which reserves terabytes of shadow memory,
so an address-space cap cannot work) the same limit is set per allocation through ASan's
own options instead, with failed allocations returning null as they do natively."""
import os
import subprocess
import sys
import textwrap

PRELUDE = textwrap.dedent("""
    import resource

    def cap_address_space(headroom={headroom}):
        if {under_asan}:
            return  # the allocator's own limit is in force
        with open("/proc/self/statm") as f:
            size = int(f.read().split()[0]) * resource.getpagesize()
        hard = resource.getrlimit(resource.RLIMIT_AS)[1]
        resource.setrlimit(resource.RLIMIT_AS, (size + headroom, hard))
""")


def run_capped(code, headroom=256 << 20, timeout=60):
    """Runs `code` (dedented) after the prelude; returns the finished process."""
    under_asan = "asan" in os.environ.get("LD_PRELOAD", "")
    env = dict(os.environ)
    if under_asan:
        options = [o for o in env.get("ASAN_OPTIONS", "").split(":") if o]
        options += ["allocator_may_return_null=1", f"max_allocation_size_mb={max(1, headroom >> 20)}"]
        env["ASAN_OPTIONS"] = ":".join(options)
    source = PRELUDE.format(headroom=headroom, under_asan=under_asan) + textwrap.dedent(code)
    return subprocess.run([sys.executable, "-c", source], capture_output=True, text=True, timeout=timeout, env=env)
