"""The scripts under examples/ run against the built module and finish cleanly, and
docs/recipes.md names only kernels and layer functions that exist."""
import inspect
import os
import re
import subprocess
import sys
from pathlib import Path

import pytest

import fragments

ROOT = Path(__file__).resolve().parents[2]
EXAMPLES = ROOT / "examples"


@pytest.mark.parametrize("script, last_line", [  # (the test extra brings SciPy for linear_program.py)
    ("smoke.py", "result stack shape run: [2, 3, 4]"),  # smoke.py ends on its own assert
    ("constraint.py", "ok"),
    ("linear_program.py", "ok: the kernels' rows equal the scipy.sparse reference"),
])
def test_example_runs(script, last_line):
    # The child loads the same built module as this run: its folder goes ahead of PYTHONPATH.
    here = str(Path(fragments.__file__).parent)
    env = dict(os.environ, PYTHONPATH=os.pathsep.join(filter(None, [here, os.environ.get("PYTHONPATH")])))
    done = subprocess.run([sys.executable, str(EXAMPLES / script)], env=env,
                          capture_output=True, text=True, timeout=120)
    assert done.returncode == 0, done.stderr
    assert done.stdout.splitlines()[-1] == last_line, done.stdout


def test_recipes_name_what_exists():
    # Each recipe links its function in examples/layer.py; every kernel that function calls
    # is named in its recipe, and every kernel the page names exists.
    sys.path.insert(0, str(EXAMPLES))
    import layer
    text = (ROOT / "docs" / "recipes.md").read_text()
    for n in re.findall(r"_c_closure_(\d+)", text):
        assert hasattr(fragments, "_c_closure_" + n), n
    linked = 0
    for section in text.split("\n## "):
        for name in re.findall(r"\[`(\w+)(?:\(\))?`\]\(\.\./examples/layer\.py\)", section):
            assert hasattr(layer, name), name
            if inspect.isfunction(getattr(layer, name)):
                linked += 1
                called = set(re.findall(r"_c_closure_(\d+)", inspect.getsource(getattr(layer, name))))
                assert called <= set(re.findall(r"\d+", section)), (name, called)
    assert linked >= 10
