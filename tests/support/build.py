"""Which build of the module is under test: the default one, whose kernels trust the caller,
or the checked one (-DFRAGMENTS_CHECKED=ON), which raises IndexError for an access outside
an argument and ZeroDivisionError for a division by a caller's zero."""
import pytest

import fragments

CHECKED = bool(getattr(fragments, "__checked__", False))
# Tests of the checked build only: left out of the default build's run (tests/conftest.py
# deselects them), run by CI's checked leg.
checked_only = pytest.mark.checked_only
