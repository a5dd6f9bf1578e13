// Writes fragments.pyi, the typed stubs of every kernel, from the registry.
// The build runs it and installs its output beside the module.
#include <cstdio>
#include <cstring>
#include <string>

#include "registry.h"

namespace {

using fragments::Elem;
using fragments::Kind;
using fragments::KernelDef;
using fragments::Param;
using fragments::Res;

const char* elem_name(Elem e) { return e == Elem::i32 ? "I32" : e == Elem::i64 ? "I64" : "F64"; }

std::string param_type(const Param& p) {
  switch (p.letter) {
    case 'i':
    case 'L': return "int";
    case 'd': return "float";
    default: break;
  }
  std::string t = elem_name(p.elem);
  t += p.kind == Kind::list ? "ArrayList" : p.kind == Kind::mat ? "Matrix" : "Array";
  if (p.writable) t += "Out";
  return t;
}

const char* result_type(Res r) {
  switch (r) {
    case Res::i32:
    case Res::i64: return "int";
    case Res::f64: return "float";
    case Res::boolean: return "bool";
    default: return "None";
  }
}

// Python keywords cannot name parameters; they get a trailing underscore in the stubs.
std::string python_name(const char* name) { return std::strcmp(name, "pass") == 0 ? "pass_" : name; }

}  // namespace

int main(int argc, char** argv) {
  FILE* out = argc > 1 ? std::fopen(argv[1], "w") : stdout;
  if (!out) return 1;
  std::fputs(
      "# Typed stubs of the fragments kernels, generated from the kernel registry at build time.\n"
      "# Arrays are buffers of the named element type (I32: int32, format 'i'; I64: int64,\n"
      "# format 'l' or 'q'; F64: float64, format 'd'), one-dimensional unless named Matrix;\n"
      "# an ArrayList is a one-dimensional object buffer of I32 arrays. 'Out' marks arrays\n"
      "# the kernel writes, which must be writable. None stands for an absent array.\n"
      "# Every kernel takes its arguments by position only.\n"
      "from typing import Any, Optional, Tuple\n\n",
      out);
  for (const char* e : {"I32", "I64", "F64"})
    for (const char* k : {"Array", "Matrix"})
      for (const char* w : {"", "Out"}) std::fprintf(out, "%s%s%s = Optional[Any]\n", e, k, w);
  std::fputs("I32ArrayList = Optional[Any]\n", out);
  // The registry lists 485 down to 0; the stubs read better in ascending order.
  constexpr int n = sizeof(fragments::registry::all) / sizeof(fragments::registry::all[0]);
  for (int i = n - 1; i >= 0; --i) {
    const KernelDef& k = *fragments::registry::all[i];
    std::fprintf(out, "\ndef _c_closure_%d(", k.number);
    for (int p = 0; p < k.nparams; ++p)
      std::fprintf(out, "%s: %s, ", python_name(k.names[p]).c_str(), param_type(k.params[p]).c_str());
    std::fputs(k.nparams ? "/) -> " : ") -> ", out);
    if (k.tuple) {
      std::fputs("Tuple[", out);
      for (int r = 0; r < k.nresults; ++r) std::fprintf(out, "%s%s", r ? ", " : "", result_type(k.results[r]));
      std::fputs("]", out);
    } else {
      std::fputs(k.nresults ? result_type(k.results[0]) : "None", out);
    }
    if (k.same_as != k.number)
      std::fprintf(out, ":\n    \"\"\"The same kernel as _c_closure_%d.\"\"\"\n", k.same_as);
    else
      std::fputs(": ...\n", out);
  }
  if (out != stdout) std::fclose(out);
  return 0;
}
