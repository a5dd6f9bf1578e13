"""A short run of real kernels: the strides and sizes of a 2 x 3 x 4 expression, and its
shape copied from the work stack to the result stack."""
import numpy as np

import fragments as F

# The work stack's int32 array holds a shape run (2, 3, 4) at base 5.
wi32 = np.zeros(16, dtype=np.int32)
wi32[5:8] = (2, 3, 4)

st = np.zeros(3, dtype=np.int64)
st[2] = 1                                  # the caller sets the innermost stride
F._c_closure_260(3, 5, st, wi32)           # strides of the shape run
size = F._c_closure_272(1, 3, 5, wi32)     # product of the sizes
inner = F._c_closure_275(1, 0, 3, 5, wi32)  # sizes after dimension 0

ri32 = np.zeros(8, dtype=np.int32)
F._c_closure_276(3, ri32, 2, 5, wi32)      # copy the shape run to the result stack

print("kernels:", len([n for n in dir(F) if n.startswith("_c_closure_")]))
print("strides:", st.tolist(), "size:", size, "after dim 0:", inner)
print("result stack shape run:", ri32[2:5].tolist())
assert st.tolist() == [12, 4, 1] and size == 24 and inner == 12 and ri32[2:5].tolist() == [2, 3, 4]
