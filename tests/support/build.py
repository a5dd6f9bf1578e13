"""Which build of the module is under test: the default one, whose kernels trust the caller,
or the checked one (-DFRAGMENTS_CHECKED=ON), which raises IndexError for an access outside
an argument and ZeroDivisionError for a division by a caller's zero."""
import pytest

import fragments

CHECKED = bool(getattr(fragments, "__checked__", False))
checked_only = pytest.mark.skipif(not CHECKED, reason="needs the checked build (-DFRAGMENTS_CHECKED=ON)")
default_only = pytest.mark.skipif(CHECKED, reason="the checked build raises where this test reads past an array")
