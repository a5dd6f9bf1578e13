#!/usr/bin/env bash
# Fetches CPython 2.7.18 (Debian 11 packages, unpacked into build/py27/root, nothing installed
# into the system), builds the module and the test exporter against it into build/py27/, and
# with --test runs the unittest suite under it.
#
#   tests/py27/build.sh            fetch (once) and build
#   tests/py27/build.sh --test     ... and run the portable suite under python2.7
#
# Afterwards, by hand:  build/py27/python2.7 tests/py27/run.py
set -euo pipefail
cd "$(dirname "$0")/../.."
top=$PWD
out=$top/build/py27
root=$out/root
# The Debian archive that apt on this machine is set up to use (its main archive, not the
# security one), unless FRAGMENTS_DEBIAN_MIRROR names another.
system_mirror() {
  local uri
  uri=$(awk '/^URIs:/ { for (i = 2; i <= NF; i++) if ($i !~ /-security\/?$/) { print $i; exit } }' \
    /etc/apt/sources.list.d/*.sources 2>/dev/null || true)
  [ -n "$uri" ] || uri=$(awk '$1 == "deb" { for (i = 2; i <= NF; i++) if ($i ~ /^[a-z]+:\/\//) {
    if ($i !~ /-security\/?$/) { print $i; exit } else break } }' /etc/apt/sources.list 2>/dev/null || true)
  echo "$uri"
}
mirror=${FRAGMENTS_DEBIAN_MIRROR:-$(system_mirror)}
[ -n "$mirror" ] || { echo "apt has no Debian archive configured; set FRAGMENTS_DEBIAN_MIRROR" >&2; exit 1; }
keyring=${FRAGMENTS_DEBIAN_KEYRING:-/usr/share/keyrings/debian-archive-keyring.gpg}
packages=(python2.7-minimal libpython2.7-minimal libpython2.7-stdlib libpython2.7-dev libffi7)

fetch() {
  local apt=$out/apt
  rm -rf "$root" "$apt"
  mkdir -p "$apt/lists/partial" "$apt/cache/archives/partial" "$apt/parts" "$apt/debs" "$root"
  [ -r "$keyring" ] || { echo "no Debian archive keyring at $keyring" >&2; exit 1; }
  echo "deb [signed-by=$keyring] $mirror bullseye main" > "$apt/sources.list"
  # A private apt: its own sources, lists and cache, and no view of the installed packages.
  local opts=(-q -o "Dir::Etc::SourceList=$apt/sources.list" -o "Dir::Etc::SourceParts=$apt/parts"
    -o "Dir::State::Lists=$apt/lists" -o "Dir::Cache=$apt/cache" -o "Dir::State::status=/dev/null"
    -o "Debug::NoLocking=1" -o "APT::Sandbox::User=$(id -un)"
    -o "Acquire::Languages=none")
  apt-get "${opts[@]}" update > "$apt/update.log" || { cat "$apt/update.log" >&2; exit 1; }
  (cd "$apt/debs" && apt-get "${opts[@]}" download "${packages[@]}")
  local deb
  for deb in "$apt/debs"/*.deb; do dpkg -x "$deb" "$root"; done
  # Debian points sitecustomize at /etc: the interpreter here runs without one, inside its own tree.
  rm -f "$root/usr/lib/python2.7/sitecustomize.py"
  "$root/usr/bin/python2.7" -c 'import sys; assert sys.version_info[:3] == (2, 7, 18), sys.version' ||
    { echo "the unpacked interpreter does not run" >&2; exit 1; }
  touch "$root/.complete"
}

[ -e "$root/.complete" ] || { echo "== fetching CPython 2.7.18 into build/py27/root"; fetch; echo "   fetched in $SECONDS s"; }

# The interpreter as this build runs it (the unpacked library folder holds libffi for ctypes).
multiarch=$(gcc -print-multiarch)
mkdir -p "$out"
cat > "$out/python2.7" <<EOF
#!/bin/sh
LD_LIBRARY_PATH="$root/usr/lib/$multiarch\${LD_LIBRARY_PATH:+:\$LD_LIBRARY_PATH}" exec "$root/usr/bin/python2.7" "\$@"
EOF
chmod +x "$out/python2.7"

# Both include folders: pyconfig.h includes the architecture's own copy.
includes=(-isystem "$root/usr/include/python2.7" -isystem "$root/usr/include/$multiarch/python2.7" -isystem "$root/usr/include")
# The module: every source compiled on its own (in parallel), then linked; all of it again
# whenever any source or header is newer than the module or the set of sources changed.
module=$out/fragments.so
sources=("$top"/src/module/frame.cpp "$top"/src/module/module.cpp "$top"/src/kernels/*/*.cpp)
newer=$(find "$top/src" "$top/tests/py27/build.sh" -newer "$module" -print -quit 2>/dev/null || true)
if [ ! -e "$module" ] || [ -n "$newer" ] || [ "$(printf '%s\n' "${sources[@]}")" != "$(cat "$out/sources" 2>/dev/null)" ]; then
  echo "== building the module against CPython 2.7.18 (${#sources[@]} sources)"
  rm -rf "$out/obj" && mkdir -p "$out/obj"
  export FRAGMENTS_CXXFLAGS="-std=c++17 -O2 -Wall -Wextra -Werror -fPIC ${includes[*]} -I$top/src"
  printf '%s\n' "${sources[@]}" | xargs -P "$(nproc)" -I{} sh -c \
    'o="$0/$(echo "$1" | sed "s|^$2/src/||; s|/|_|g").o"; exec g++ $FRAGMENTS_CXXFLAGS -c "$1" -o "$o"' \
    "$out/obj" {} "$top"
  g++ -shared "$out"/obj/*.o -o "$module.tmp"
  mv "$module.tmp" "$module"
  printf '%s\n' "${sources[@]}" > "$out/sources"
fi
exporter=$out/_exporter.so
if [ ! -e "$exporter" ] || [ "$top/tests/support/exporter.c" -nt "$exporter" ]; then
  gcc -O1 -w -fPIC -shared "${includes[@]}" "$top/tests/support/exporter.c" -o "$exporter.tmp"
  mv "$exporter.tmp" "$exporter"
fi
# Neither may depend on libpython: the interpreter provides its symbols. The module enters
# through initfragments and registers with the 2.7 module call; its kernels parse tuples.
if ldd "$module" "$exporter" | grep -q libpython; then echo "linked against libpython" >&2; exit 1; fi
symbols=$(nm -D "$module")
for want in "T initfragments" "U Py_InitModule4_64" "U (_)?PyArg_ParseTuple(_SizeT)?" "U PyInt_FromLong"; do
  grep -Eq " $want\$" <<< "$symbols" || { echo "fragments.so: no '$want'" >&2; exit 1; }
done

if [ "${1:-}" = "--test" ]; then
  echo "== unittest suite under CPython 2.7.18"
  FRAGMENTS_PATH="$out" "$out/python2.7" -B "$top/tests/py27/run.py"
fi
