import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))


def pytest_configure(config):
    config.addinivalue_line("markers", "checked_only: a test of the checked build (-DFRAGMENTS_CHECKED=ON)")


def pytest_collection_modifyitems(config, items):
    from support.build import CHECKED
    left_out = [] if CHECKED else [item for item in items if item.get_closest_marker("checked_only")]
    if left_out:
        config.hook.pytest_deselected(items=left_out)
        items[:] = [item for item in items if item not in left_out]
