# Builds the test-only buffer exporter (exporter.c) for the running interpreter, once,
# into a cache folder beside this file, and imports it.
import hashlib
import importlib
import os
import subprocess
import sys
import sysconfig

HERE = os.path.dirname(os.path.abspath(__file__))


def load():
    source = os.path.join(HERE, "exporter.c")
    with open(source, "rb") as f:
        folder = os.path.join(HERE, "_build", hashlib.sha1(f.read() + sys.version.encode()).hexdigest()[:12])
    suffix = sysconfig.get_config_var("EXT_SUFFIX") or sysconfig.get_config_var("SO") or ".so"
    target = os.path.join(folder, "_exporter" + suffix)
    if not os.path.exists(target):
        if not os.path.isdir(folder):
            os.makedirs(folder)
        cc = os.environ.get("CC") or (sysconfig.get_config_var("CC") or "cc").split()[0]
        if not any(os.access(os.path.join(d, cc), os.X_OK) for d in os.environ.get("PATH", "").split(os.pathsep)):
            cc = "cc"  # the interpreter was built with a compiler this machine does not have
        include = sysconfig.get_paths()["include"] if hasattr(sysconfig, "get_paths") else sysconfig.get_python_inc()
        # Debian's 2.7 pyconfig.h includes <multiarch/python2.7/pyconfig.h> from the folder above.
        tmp = target + ".%d.tmp" % os.getpid()
        subprocess.check_call([cc, "-shared", "-fPIC", "-O1", "-w", "-I" + include, "-I" + os.path.dirname(include),
                               source, "-o", tmp])
        os.rename(tmp, target)
    if folder not in sys.path:
        sys.path.insert(0, folder)
    return importlib.import_module("_exporter")
