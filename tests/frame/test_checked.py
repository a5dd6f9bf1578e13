# Out-of-contract calls: the checked build raises for each (IndexError naming kernel,
# argument, index and length; ZeroDivisionError; MemoryError for a scratch size drawn from a
# huge scalar), and in either build nothing written to an absent view or an empty buffer
# reaches a later call, and repeated calls leak neither references nor memory.
import contextlib
import itertools
import os
import re
import sys

import numpy as np
import pytest

import fragments as F
from support.buffers import f64, i32, i64, objects
from support.build import CHECKED, checked_only
from support.portable import E


# (kernel, arguments, exception, where: the argument named, or the exact message after
# "_c_closure_N: "). A new user's mistakes: an index past an array, a count larger than the
# arrays, an output one element short, None where the kernel writes; then a division by a
# caller's zero or of the smallest int64 by -1, and a scratch size from a huge scalar.
MISUSE = [
    (17, lambda: (5 * 10**7, i64([0, 1, 2, 3])), IndexError, "'rptrb'"),
    (240, lambda: (2, np.zeros(4), i32([10**8]), i32([0]), f64([1.0])), IndexError, "'lval'"),
    (77, lambda: (1, 1, 1, i64([0, 10**9]), i64([0, 0]), i64([0, 0])), IndexError, "'val'"),
    (0, lambda: (i32([1]), i32([0]), i32([0, 0]), 10**9), IndexError, "'natbarvarmap_ptr'"),
    (186, lambda: (0, 1, i32([0]), None), IndexError, "index 0 out of range for argument 'shapes' (None)"),
    (186, lambda: (0, 2, i32([0]), objects([i32([1])])), IndexError,
     "index 1 out of range for argument 'shapes' (length 1)"),
    (217, lambda: (1, i32([0, 0, 0]), 1, objects([i32([5, 6])]), i32([3])), IndexError,
     "index 2 out of range for argument 'nidxlist[0]' (length 2)"),
    (29, lambda: (i32([0, 1]), None, 2, 42), IndexError, "'natvarmap_idx'"),
    (272, lambda: (1, 2, 3, i32([1, 2, 3, 4])), IndexError, "index 4 out of range for argument 'wi32' (length 4)"),
    (242, lambda: (3, 2, 0, np.zeros((2, 2)), np.zeros(6), np.zeros((2, 2)), np.zeros(6)), IndexError,
     "index (2, 0) out of range for argument 'lb' (shape 2 x 2)"),
    (115, lambda: (i64([0, 0]), i64([7, 8]), i32([2, 2]), i64([0, 0]), i64([1, -3])), IndexError,
     "index -1 out of range for a scratch array (length 3)"),
    (164, lambda: (2, 1, i32([0, 5]), i64([2, 1]), i64([0]), i32([1, 2])), IndexError,
     "index 5 out of range for a scratch array (length 2)"),
    (103, lambda: (0, 4, 4, i32([0, 1, 2, 3]), i32([0, 0, 0]), i32([0, 0, 0, 0])), IndexError, "'tgt'"),
    (280, lambda: (i32([0]), i32([0]), 1, i32([1]), i32([0]), i32([3]), 0, 0, 0, f64([1, 2]), i64([1, 2]),
                   np.zeros(4), np.zeros(4, np.int64)), IndexError, "'wi64'"),
    (449, lambda: (np.zeros(2), 1.0, 3, f64([1, 2, 3])), IndexError, "'new_uval'"),
    (480, lambda: (-1, 0, i32([0]), 0, 2**31 - 1, i32([-1])), IndexError, "'next'"),
    (143, lambda: (-1, 0, i64([5])), ZeroDivisionError, "integer division or modulo by zero"),
    (261, lambda: (i32([0]), 1, i32([5]), 1, 1, 0, 0, 0, 0, 0, i64([-1]), i32([0, 1]), i64([-2**63])),
     ZeroDivisionError, "integer division overflow (-9223372036854775808 by -1)"),
    (164, lambda: (2**31 - 1, 1, i32([0]), i64([1]), i64([0]), i32([1])), MemoryError, None),
]


@checked_only
@pytest.mark.parametrize("n,args,error,where", MISUSE, ids=[str(c[0]) for c in MISUSE])
def test_out_of_contract_calls_raise_in_the_checked_build(n, args, error, where):
    with pytest.raises(error) as e:
        getattr(F, "_c_closure_%d" % n)(*args())
    if error is not MemoryError:
        head = "_c_closure_%d: " % n
        if where.startswith("'"):  # the argument named, with any index and length
            assert re.match(re.escape(head) + r"index -?\d+ out of range for argument " + where, str(e.value))
        else:
            assert str(e.value) == head + where


def test_nothing_written_to_an_absent_view_or_an_empty_buffer_reaches_a_later_call():
    empty = [E("i", [], null=1) for _ in range(3)]  # empty buffers at the null address
    for written, read in ((None, None), (empty[0], empty[1]), (None, empty[2])):
        try:  # the checked build raises IndexError for either call instead
            F._c_closure_29(i32([0]), written, 1, 42)  # natvarmap_idx[0] = 42
            assert F._c_closure_272(1, 1, 0, read) == 0  # init × wi32[0]
        except IndexError:
            assert CHECKED


def test_repeated_calls_leak_neither_references_nor_memory():
    # Normal returns, frame errors and (in the checked build) failed checks, with arrays,
    # array lists and scratch memory; the memory part is skipped under ASan, whose allocator
    # holds freed memory back.
    a, b, c, entries = i32([2, 3, 4]), i64([0, 0, 1]), f64([1.0, 2.0]), [i32([1, 2]), i32([3])]
    lst = objects(entries)
    calls = [
        lambda: F._c_closure_260(3, 0, b, a),  # returns
        lambda: F._c_closure_288(0, i32([0]), lst),  # an array list
        lambda: F._c_closure_164(2, 2, i32([1, 0]), i64([2, 1]), i64([0, 0]), i32([1, 2])),  # scratch
        lambda: F._c_closure_260(3, 0, c, a),  # ValueError before the body
    ] + ([  # reads out of range: only the checked build may be asked
        lambda: F._c_closure_272(1, 9, 0, a),  # past wi32
        lambda: F._c_closure_164(2, 1, i32([0, 5]), i64([2, 1]), i64([0]), i32([1, 2])),  # past the scratch
        lambda: F._c_closure_186(0, 3, i32([0]), lst),  # past the list
        lambda: F._c_closure_143(-1, 0, b),  # ZeroDivisionError
    ] if CHECKED else [])

    def held(times):  # after so many rounds of the calls: the references to the arguments, the resident memory
        for _, call in itertools.product(range(times), calls):  # (no list of them all: memory is measured)
            with contextlib.suppress(ValueError, IndexError, ZeroDivisionError):
                call()
        with open("/proc/self/statm") as f:
            pages = int(f.read().split()[1])
        return [sys.getrefcount(o) for o in [a, b, c, lst] + entries], pages * os.sysconf("SC_PAGE_SIZE")

    (refs, before), (refs_after, after) = held(2000), held(20000)
    assert refs_after == refs
    if "asan" not in os.environ.get("LD_PRELOAD", ""):
        assert after - before < 2 << 20
