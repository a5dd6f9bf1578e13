#include "docs.h"

#include <algorithm>
#include <cstring>

namespace fragments::docs {
namespace {

constexpr size_t kWidth = 88;

const char* elem_name(Elem e) { return e == Elem::i32 ? "int32" : e == Elem::i64 ? "int64" : "float64"; }

// Appends one paragraph, wrapped at kWidth; a paragraph that starts with "- " is a list
// item and its continuation lines are indented under its text.
void wrap(std::string& out, const std::string& paragraph) {
  const std::string indent = paragraph.rfind("- ", 0) == 0 ? "  " : "";
  size_t column = 0;
  size_t at = 0;
  while (at < paragraph.size()) {
    size_t end = paragraph.find(' ', at);
    if (end == std::string::npos) end = paragraph.size();
    const std::string word = paragraph.substr(at, end - at);
    at = end + 1;
    if (word.empty()) continue;
    if (column > 0 && column + 1 + word.size() > kWidth) {
      out += "\n" + indent;
      column = indent.size();
    } else if (column > 0) {
      out += ' ';
      ++column;
    }
    out += word;
    column += word.size();
  }
  out += '\n';
}

// The contract text, paragraph by paragraph.
void text(std::string& out, const char* t) {
  const std::string all = t;
  size_t at = 0;
  while (at <= all.size()) {
    size_t end = all.find('\n', at);
    if (end == std::string::npos) end = all.size();
    const std::string paragraph = all.substr(at, end - at);
    const bool item = paragraph.rfind("- ", 0) == 0;
    // Paragraphs stand apart; list items follow one another.
    if (!paragraph.empty()) {
      if (!out.empty() && out.back() == '\n' && !item && out.compare(out.size() - 2, 2, "\n\n") != 0) out += '\n';
      wrap(out, paragraph);
    }
    at = end + 1;
  }
}

}  // namespace

std::string python_name(const char* name) { return std::strcmp(name, "pass") == 0 ? "pass_" : name; }

std::string type_name(const Param& p) {
  switch (p.letter) {
    case 'i': return "int32";
    case 'L': return "int64";
    case 'd': return "float64";
    default: break;
  }
  std::string t = elem_name(p.elem);
  return t + (p.kind == Kind::list ? "[][]" : p.kind == Kind::mat ? "[,]" : "[]");
}

const char* result_name(Res r) {
  switch (r) {
    case Res::i32: return "int32";
    case Res::i64: return "int64";
    case Res::f64: return "float64";
    case Res::boolean: return "bool";
    default: return "None";
  }
}

std::string signature_line(const KernelDef& k) {
  std::string s = "_c_closure_" + std::to_string(k.number) + "(";
  for (int p = 0; p < k.nparams; ++p) s += python_name(k.names[p]) + ", ";
  return s + (k.nparams ? "/)" : ")");
}

std::string body(const KernelDef& k) {
  // The path from src/kernels/ on: where the kernel's source stands in the tree.
  const char* file = std::strstr(k.file, "kernels/");
  std::string out = std::string(k.function) + " (" + (file ? file + 8 : k.file) + ": " + k.topic + ")\n\n";
  if (k.same_as != k.number) out += "The same kernel as _c_closure_" + std::to_string(k.same_as) + ".\n\n";
  text(out, k.doc->text);
  out += "\nParameters:\n";
  size_t width = 0;
  for (int p = 0; p < k.nparams; ++p) width = std::max(width, python_name(k.names[p]).size());
  for (int p = 0; p < k.nparams; ++p) {
    const Param& q = k.params[p];
    const std::string name = python_name(k.names[p]);
    out += "  " + name + std::string(width + 2 - name.size(), ' ') + type_name(q);
    if (q.letter == 'O') out += q.writable ? ", written" : ", read";
    out += '\n';
  }
  out += "Returns: ";
  if (k.nresults == 0) return out + "None\n";
  const bool tuple = k.tuple;
  out += std::string(tuple ? "(" : "") + k.doc->results + (tuple ? ")" : "") + ": " + (tuple ? "(" : "");
  for (int r = 0; r < k.nresults; ++r) out += std::string(r ? ", " : "") + result_name(k.results[r]);
  return out + (tuple ? ")\n" : "\n");
}

std::string docstring(const KernelDef& k) { return signature_line(k) + "\n--\n\n" + body(k); }

}  // namespace fragments::docs
