"""The test-side caller of the kernels: typed buffers, the three stacks, records on them,
and evaluation of a record into NumPy values."""
