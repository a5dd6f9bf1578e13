"""The kernels as the tests call them: by number, with their arguments by position or by parameter name."""
import fragments

from . import stubs

KERNELS = stubs.kernels()
BY_NUMBER = {k.number: k for k in KERNELS}


def info(number):
    """The kernel's entry in the stubs (number, params, result, function)."""
    return BY_NUMBER[number]


def kernel(number):
    """The callable _c_closure_N."""
    return getattr(fragments, "_c_closure_%d" % number)


def call(number, /, **args):
    """Calls the kernel with its arguments by parameter name. An array not named is None;
    every scalar must be named; names the kernel does not take are ignored (so that shared
    argument dicts, such as a stack's arrays, can be splatted)."""
    k = info(number)
    missing = [p.name for p in k.params if not p.is_array and p.name not in args]
    assert not missing, "%s: scalars not given: %s" % (label(k), missing)
    return kernel(k.number)(*(args.get(p.name) for p in k.params))


def label(k):
    """How a test id names a kernel: '18 native::fill_rows'."""
    k = info(k) if not isinstance(k, stubs.Kernel) else k
    return "%d %s" % (k.number, k.function)
