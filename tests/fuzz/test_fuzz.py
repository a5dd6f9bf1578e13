# The fuzzer's share for CI: every kernel, a few hundred seeded calls each, against the
# checked build (skipped on the default build, whose kernels trust the caller). Longer runs:
# FRAGMENTS_FUZZ_CALLS and FRAGMENTS_FUZZ_SEED, or tests/fuzz/fuzz.py itself.
import os
import subprocess
import sys

import fragments
from support.build import checked_only

FUZZ = os.path.join(os.path.dirname(os.path.abspath(__file__)), "fuzz.py")


@checked_only
def test_every_kernel_returns_or_raises_an_accepted_error():
    calls = os.environ.get("FRAGMENTS_FUZZ_CALLS", "200")
    seed = os.environ.get("FRAGMENTS_FUZZ_SEED", "ci")
    # A hang is a call running for minutes; 30 s leaves room for a machine busy with other work.
    done = subprocess.run([sys.executable, FUZZ, "--path", os.path.dirname(fragments.__file__), "--calls", calls,
                           "--seed", seed, "--timeout", "30"], capture_output=True, text=True)
    print(done.stdout)
    assert done.returncode == 0, done.stdout + done.stderr
