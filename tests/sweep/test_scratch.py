# Kernels that need scratch memory raise MemoryError when it cannot be had, and write nothing.
# Zero-stride arrays cost no memory, so counts that ask for gigabytes come for free.
from support.alloclimit import run_capped

SETUP = [
    "import numpy as np, fragments as F",
    "s, n, nd = np.zeros(4, np.int32), 1 << 28, 2**28",
    "r32, r64, rf = np.full(8, 5, np.int32), np.full(8, 5, np.int64), np.full(8, 5.0)",
    "w32, w, wf = np.array([0, 1, 3, 0], np.int32), np.array([1, 1, 0, 0], np.int64), np.ones(4)",
    "cell, ones = np.full(1, 3, np.int64), np.broadcast_to(np.int32(1), (nd,))",
    "perm = np.lib.stride_tricks.as_strided(cell, (2**27,), (0,))",
    "einst = np.lib.stride_tricks.as_strided(r64, (2**27,), (0,))",
    "eptrb = np.broadcast_to(np.int64(0), (2**27 + 1,))",
]
CALLS = [
    # the list sum's cursors (taken before the operands' counts are read)
    "375(n, s, s, 0, 0, s, w)",
    "378(0, s, s, n, s, s, s, 0, 0, rf, r32, r64, 0, 0, 0, 0, s, wf, wf, w32, w)",
    # a sparse slice's nd = 2**30 coordinates; the radix sort's counts
    "263(0, 1, s, 1, 0, 0, s, 1 << 30, 1, 0, 0, 0, 0, rf, r32, r64, 0, 0, 0, w, 0, 2, w, wf, w32, w)",
    "381(0, 0, n, 4, 8, 0, 0, 4, s, w, r32)",
    # 2**28 axes: 2 GiB of strides, 1 GiB for each int32 array of the box gather
    "254(np.zeros((2, 1), np.int32), nd, ones, r64)",
    "221(ones, ones, ones, nd, ones, r32, 2)",
    # the bucket sort's copy of a perm of 2**27 entries; the outer product's of 2**27 rows of E
    "77(1, 1, 1, perm, r64, np.zeros(0, np.int64))",
    "429(np.ones(1), rf, rf, 1, np.ones(1), np.ones(1), einst, 0, eptrb, w, r64, np.zeros(1, np.int32), r64, 0)",
]


def test_scratch_failures_raise_memory_error_and_write_nothing():
    code = SETUP + ["kept = [a.copy() for a in (r32, r64, rf, cell)]", "cap_address_space()"]
    for c in CALLS:
        code += ["try:", f"    F._c_closure_{c}", f"    print('no MemoryError: {c[:3]}')", "except MemoryError: pass"]
    done = run_capped("\n".join(code + ["print(all((a == b).all() for a, b in zip((r32, r64, rf, cell), kept)))"]))
    assert done.stdout.strip() == "True", done.stdout + done.stderr
