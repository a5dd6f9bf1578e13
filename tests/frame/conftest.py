import pytest

from support import buffers


@pytest.fixture(autouse=True, params=["ndarray", "buffer"])
def array_path(request):
    """Runs every frame test twice: with the arrays of support.buffers as exact ndarrays
    (viewed directly) and as an ndarray subclass (taken through the buffer protocol)."""
    buffers.BUFFER_PATH = request.param == "buffer"
    yield request.param
    buffers.BUFFER_PATH = False
