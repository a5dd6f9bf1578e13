"""The kernels as the tests call them: by number (18) or by C++ function name
("native::fill_rows"), with their arguments by position or by parameter name."""
import fragments

from . import stubs

KERNELS = stubs.kernels()
BY_NUMBER = {k.number: k for k in KERNELS}
BY_FUNCTION = {k.function: k for k in reversed(KERNELS) if k.same_as is None}  # the lowest number


def info(key):
    """The kernel's entry in the stubs (number, function, params, result, same_as)."""
    return BY_FUNCTION[key] if isinstance(key, str) else BY_NUMBER[key]


def kernel(key):
    """The callable _c_closure_N of the kernel named by number or function."""
    return getattr(fragments, "_c_closure_%d" % info(key).number)


def call(key, /, **args):
    """Calls the kernel with its arguments by parameter name. An array not named is None;
    every scalar must be named; names the kernel does not take are ignored (so that shared
    argument dicts, such as a stack's arrays, can be splatted)."""
    k = info(key)
    missing = [p.name for p in k.params if not p.is_array and p.name not in args]
    assert not missing, "%s: scalars not given: %s" % (label(k), missing)
    return kernel(k.number)(*(args.get(p.name) for p in k.params))


def label(k):
    """How a test id names a kernel: '18 native::fill_rows'."""
    k = info(k) if not isinstance(k, stubs.Kernel) else k
    return "%d %s" % (k.number, k.function)
