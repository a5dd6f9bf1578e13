"""Writes docs/kernels.md, the kernel reference, from the kernels' own docstrings.

    PYTHONPATH=build/dev python docs/build_reference.py      # after changing a kernel's text

The docstrings come from the kernel registry (each kernel's text stands beside its
registration); this page only groups them by subsystem and topic. A test checks that the
committed page is the one this script writes for the built module.
"""
import os
import re
import sys

import fragments

HERE = os.path.dirname(os.path.abspath(__file__))
PAGE = os.path.join(HERE, "kernels.md")
COUNT = sum(1 for name in dir(fragments) if name.startswith("_c_closure_"))

SUBSYSTEMS = [
    ("native", "Native index maps, native rows and solution values"),
    ("shape", "Shapes, indexes and sparsity patterns of variables"),
    ("expr", "Expression records on the work stacks"),
    ("sparse", "Sparse matrices, sorting and linked lists"),
    ("sets", "Index sets and coefficient buffers"),
]

INTRO = """\
# Kernel reference

Every kernel of `fragments`, by subsystem and topic. Each entry is the kernel's docstring
(`help(fragments._c_closure_N)` shows the same): its signature, the C++ function that
implements it, what it computes, which count pass sizes it or which build pass it sizes,
how large the arrays it writes must be, and what it returns; then every parameter's type
(`int32`/`int64` scalars are range-checked; `int32[]` is a one-dimensional int32 buffer,
`float64[,]` a two-dimensional one, `int32[][]` an object array of int32 arrays) and
whether the kernel reads or writes it.

The [recipes](recipes.md) show how a modeling layer strings these kernels together for its
main operations, and the [README](../README.md) the calling convention and error kinds.

This page is generated: `PYTHONPATH=build/dev python docs/build_reference.py`.
"""

_HEADER = re.compile(r"^(\S+) \((\w+)/(\w+)\.cpp: (.*)\)$")


def entries():
    """(number, function, subsystem, file stem, topic, signature, body, primary) per kernel."""
    out = []
    for n in range(COUNT):
        f = getattr(fragments, "_c_closure_%d" % n)
        body = f.__doc__.strip("\n")
        first, _, rest = body.partition("\n")
        function, subsystem, stem, topic = _HEADER.match(first).groups()
        same = re.match(r"The same kernel as _c_closure_(\d+)\.", rest.strip())
        signature = "_c_closure_%d%s" % (n, f.__text_signature__)
        out.append((n, function, subsystem, stem, topic, signature, rest.strip("\n"),
                    int(same.group(1)) if same else None))
    return out


def summary(body):
    """The text's title (what stands before its first colon), for the topic's table."""
    return " ".join(body.split("\n\n")[0].split()).split(": ")[0]


def anchor(n):
    return "c%d" % n


def render():
    lines = [INTRO, "## Contents", ""]
    all_entries = entries()
    by_topic = {}
    for e in all_entries:
        by_topic.setdefault((e[2], e[3]), []).append(e)
    order = [key for key, _ in SUBSYSTEMS]
    topics = sorted(by_topic, key=lambda t: (order.index(t[0]), min(e[0] for e in by_topic[t])))
    for key, title in SUBSYSTEMS:
        lines.append("- %s (`src/kernels/%s/`)" % (title, key))
        for t in topics:
            if t[0] == key:
                es = by_topic[t]
                lines.append("  - [%s](#%s-%s): %d kernel%s" % (es[0][4], t[0], t[1], len(es), "s" if len(es) > 1 else ""))
    lines.append("")
    for key, title in SUBSYSTEMS:
        lines += ["## %s" % title, ""]
        for t in topics:
            if t[0] != key:
                continue
            es = by_topic[t]
            lines += ['<a id="%s-%s"></a>' % t, "", "### %s" % es[0][4], "",
                      "Source: `src/kernels/%s/%s.cpp`" % t, ""]
            lines += ["| kernel | function | what it does |", "|---|---|---|"]
            for e in es:
                note = "the same as _c_closure_%d" % e[7] if e[7] is not None else summary(e[6])
                lines.append("| [_c_closure_%d](#%s) | `%s` | %s |" % (e[0], anchor(e[0]), e[1], note))
            lines.append("")
            for e in es:
                lines += ['<a id="%s"></a>' % anchor(e[0]), "", "#### _c_closure_%d &nbsp; `%s`" % (e[0], e[1]), ""]
                lines += ["```text", e[5], "", e[6], "```", ""]
    return "\n".join(lines)


if __name__ == "__main__":
    text = render()
    if "--check" in sys.argv:
        sys.exit(0 if open(PAGE).read() == text else "docs/kernels.md is out of date")
    with open(PAGE, "w") as f:
        f.write(text)
