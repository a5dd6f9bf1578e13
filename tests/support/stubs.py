"""The kernels' signatures as the committed stubs (fragments.pyi) state them."""
import os
import re
from dataclasses import dataclass
from typing import List

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
STUBS = os.path.join(ROOT, "fragments.pyi")


@dataclass
class Param:
    name: str
    type: str  # Int32, Int64, float, or e.g. I32Array, I64ArrayOut, I32Matrix, I32ArrayList

    def __post_init__(self):  # an array's element type (I32 ..) and kind (vec, mat, list), whether written
        self.is_array, self.written = self.type not in ("Int32", "Int64", "float"), self.type.endswith("Out")
        self.elem = self.type[:3] if self.is_array else None
        self.kind = {"Array": "vec", "Matrix": "mat", "ArrayList": "list"}.get(self.type[3:].replace("Out", ""))


@dataclass
class Kernel:
    number: int
    params: List[Param]
    result: str
    function: str  # the C++ function that implements it, e.g. native::fill_rows


_DEF = re.compile(r'^def _c_closure_(\d+)\(([^\n]*)\) -> ([^\n]*):\n    r?"""(\S+)', re.M)


def kernels(path=STUBS):
    out = []
    with open(path) as f:
        for m in _DEF.finditer(f.read()):
            params = [Param(*p.split(": ")) for p in m.group(2).split(", ") if p not in ("/", "")]
            out.append(Kernel(int(m.group(1)), params, m.group(3), m.group(4)))
    return out
