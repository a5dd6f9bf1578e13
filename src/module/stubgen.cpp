// Writes fragments.pyi, the typed stubs of every kernel, from the registry.
// The build runs it and installs its output beside the module.
#include <cstdio>
#include <string>

#include "docs.h"
#include "registry.h"

namespace {

using fragments::Elem;
using fragments::KernelDef;
using fragments::Kind;
using fragments::Param;
using fragments::Res;

const char* elem_name(Elem e) { return e == Elem::i32 ? "I32" : e == Elem::i64 ? "I64" : "F64"; }

std::string param_type(const Param& p) {
  switch (p.letter) {
    case 'i': return "Int32";
    case 'L': return "Int64";
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
    case Res::i32: return "Int32";
    case Res::i64: return "Int64";
    case Res::f64: return "float";
    case Res::boolean: return "bool";
    default: return "None";
  }
}

// The result names of the kernel's text, one by one ("nscalar, nbar").
std::string result_name(const char* names, int index) {
  std::string all = names;
  for (int r = 0; r < index && all.find(',') != std::string::npos; ++r) all = all.substr(all.find(',') + 2);
  return all.substr(0, all.find(','));
}

std::string result_annotation(const KernelDef& k) {
  if (k.nresults == 0) return "None";
  std::string items;
  for (int r = 0; r < k.nresults; ++r)
    items += std::string(r ? ", " : "") + "Annotated[" + result_type(k.results[r]) + ", \"" +
             result_name(k.doc->results, r) + "\"]";
  return k.tuple ? "Tuple[" + items + "]" : items;
}

// The docstring body, indented as a function's docstring.
std::string indented(const std::string& text) {
  std::string out = "    r\"\"\"";
  for (size_t at = 0; at < text.size();) {
    size_t end = text.find('\n', at);
    const std::string line = text.substr(at, end - at);
    out += line.empty() || at == 0 ? line : "    " + line;
    out += '\n';
    at = end + 1;
  }
  return out + "    \"\"\"\n";
}

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
      "# Int32 scalars must lie in -2**31 .. 2**31 - 1 and Int64 scalars in -2**63 .. 2**63 - 1\n"
      "# (OverflowError otherwise). Every kernel takes its arguments by position only.\n"
      "from typing import Any, Optional, Tuple\n"
      "from typing_extensions import Annotated\n\n"
      "Int32 = int\n"
      "Int64 = int\n",
      out);
  for (const char* e : {"I32", "I64", "F64"})
    for (const char* k : {"Array", "Matrix"})
      for (const char* w : {"", "Out"}) std::fprintf(out, "%s%s%s = Optional[Any]\n", e, k, w);
  std::fputs("I32ArrayList = Optional[Any]\n", out);
  // The registry lists the highest number first; the stubs read better in ascending order.
  constexpr int n = sizeof(fragments::registry::all) / sizeof(fragments::registry::all[0]);
  for (int i = n - 1; i >= 0; --i) {
    const KernelDef& k = *fragments::registry::all[i];
    std::fprintf(out, "\ndef _c_closure_%d(", k.number);
    for (int p = 0; p < k.nparams; ++p)
      std::fprintf(out, "%s: %s, ", fragments::docs::python_name(k.names[p]).c_str(), param_type(k.params[p]).c_str());
    std::fprintf(out, "%s) -> %s:\n", k.nparams ? "/" : "", result_annotation(k).c_str());
    std::fputs(indented(fragments::docs::body(k)).c_str(), out);
  }
  if (out != stdout) std::fclose(out);
  return 0;
}
