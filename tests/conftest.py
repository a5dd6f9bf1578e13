import os
import sys

import pytest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))


@pytest.fixture(scope="session")
def exporter():
    """The test-only buffer exporter module (built for this interpreter on first use)."""
    from support.build_exporter import load
    return load()


def pytest_configure(config):
    config.addinivalue_line("markers", "checked_only: a test of the checked build (-DFRAGMENTS_CHECKED=ON)")


def pytest_collection_modifyitems(config, items):
    from support.build import CHECKED
    if not CHECKED:
        left_out = [item for item in items if item.get_closest_marker("checked_only")]
        if left_out:
            config.hook.pytest_deselected(items=left_out)
            items[:] = [item for item in items if not item.get_closest_marker("checked_only")]
