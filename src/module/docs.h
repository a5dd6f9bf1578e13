// A kernel's documentation, written out from its registration: the text signature and
// docstring that help() shows, shared by the module (Python 3) and the stub generator.
#pragma once

#include <string>

#include "signature.h"

namespace fragments::docs {

// The parameter's name as Python code can write it ("pass" is a keyword: "pass_").
std::string python_name(const char* name);

// "int32", "int64", "float64" for scalars; "int32[]", "float64[,]", "int32[][]" for arrays,
// matrices and lists.
std::string type_name(const Param& p);

// "int32", "int64", "float64", "bool" for one result value.
const char* result_name(Res r);

// "_c_closure_18(cofbase, pos, ..., /)": the first line of the docstring, which help() and
// inspect.signature() read the parameter names from.
std::string signature_line(const KernelDef& k);

// The docstring after the signature: the function's name and topic, the contract text, one
// line per parameter (type, and whether the kernel reads or writes it) and the results.
std::string body(const KernelDef& k);

// signature_line, the "--" marker and body: the form CPython reads __text_signature__ from.
std::string docstring(const KernelDef& k);

}  // namespace fragments::docs
