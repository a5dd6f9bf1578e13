"""The scripts under examples/ run against the built module and finish cleanly."""
import os
import subprocess
import sys
from pathlib import Path

import pytest

import fragments

EXAMPLES = Path(__file__).resolve().parents[2] / "examples"


@pytest.mark.parametrize("script, last_line", [
    ("smoke.py", "result stack shape run: [2, 3, 4]"),  # smoke.py ends on its own assert
    ("constraint.py", "ok"),
])
def test_example_runs(script, last_line):
    # The child loads the same built module as this run: its folder goes ahead of PYTHONPATH.
    here = str(Path(fragments.__file__).parent)
    env = dict(os.environ, PYTHONPATH=os.pathsep.join(filter(None, [here, os.environ.get("PYTHONPATH")])))
    done = subprocess.run([sys.executable, str(EXAMPLES / script)], env=env,
                          capture_output=True, text=True, timeout=120)
    assert done.returncode == 0, done.stderr
    assert done.stdout.splitlines()[-1] == last_line, done.stdout
