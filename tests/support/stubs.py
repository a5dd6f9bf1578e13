"""The kernels' signatures as the committed stubs (fragments.pyi) state them."""
import os
import re
from dataclasses import dataclass
from typing import List, Optional, Tuple

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
STUBS = os.path.join(ROOT, "fragments.pyi")


@dataclass
class Param:
    name: str
    type: str  # Int32, Int64, float, or e.g. I32Array, I64ArrayOut, I32Matrix, I32ArrayList

    @property
    def is_array(self):
        return self.type not in ("Int32", "Int64", "float")

    @property
    def written(self):
        return self.type.endswith("Out")

    @property
    def elem(self):
        return self.type[:3] if self.is_array else None

    @property
    def kind(self):
        t = self.type[3:].replace("Out", "")
        return {"Array": "vec", "Matrix": "mat", "ArrayList": "list"}.get(t)


@dataclass
class Kernel:
    number: int
    params: List[Param]
    result: str
    same_as: Optional[int]
    function: str  # the C++ function that implements it, e.g. native::fill_rows


_DEF = re.compile(r'^def _c_closure_(\d+)\(([^\n]*)\) -> ([^\n]*):\n    r?"""(\S+)(.*?)\n    """', re.M | re.S)


def kernels(path=STUBS):
    out = []
    with open(path) as f:
        for m in _DEF.finditer(f.read()):
            params = [Param(*p.split(": ")) for p in m.group(2).split(", ") if p not in ("/", "")]
            same = re.search(r"same kernel as _c_closure_(\d+)", m.group(5))
            out.append(Kernel(int(m.group(1)), params, m.group(3), int(same.group(1)) if same else None, m.group(4)))
    return out
