# A variable as an expression record on the result stack (one term per present element, its own
# native index with coefficient 1, constant 0), and a variable's values spread to its shape.
from shape._helpers import J, check

# Runs: ptr at 1, nidxs at 0, sp at 3 and cof at 0, bfix at 3; a dense variable writes no sp.
RUNS = dict(ptr_base=1, nidxs_base=0, sp_base=3, cof_base=0, bfix_base=3, nativeidxs=[4, -2, 9], nelem=2,
            sparsity=[1, 5, 7], ri32=5, ri64=6, rf64=6)


def test_variable_record_and_spread_values():
    # The count of present elements comes from nativeidxs; extra res entries are ignored.
    check([(111, dict(RUNS, issparse=1), None, dict(ri32=[J, 0, 1, 2], ri64=[4, -2, J, 1, 5], rf64=[1, 1, J, 0, 0])),
           (111, dict(RUNS, issparse=0, sparsity=None), None, dict(ri64=[4, -2])),
           (111, dict(RUNS, issparse=1, nelem=0), None, dict(ri32=[J, 0], ri64=[], rf64=[])),
           (113, dict(nativeidxs=[0, 0], res=[1.5, 2.5, 9], sparsity=[3, 0], spread_res=[7] * 5), None,
            dict(spread_res=[2.5, 7, 7, 1.5, 7])),
           (113, dict(nativeidxs=[0, 0], res=[1.5, 2.5, 9], sparsity=None, spread_res=[7] * 3), None,
            dict(spread_res=[1.5, 2.5, 7]))])
