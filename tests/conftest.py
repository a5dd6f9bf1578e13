import os
import sys

import pytest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))


@pytest.fixture(scope="session")
def exporter():
    """The test-only buffer exporter module (built for this interpreter on first use)."""
    from support.build_exporter import load
    return load()
