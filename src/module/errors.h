// InvalidArgument: what a kernel throws when an argument's contents, not only its type,
// make the call impossible (an array too short for what the other arguments ask of it, a
// list entry that is missing). The kernel throws before it writes anything; the frame
// releases the views and raises the same ValueError as for a wrongly typed array,
// "Invalid array shape or type for argument '<name>'".
#pragma once

namespace fragments {

struct InvalidArgument {
  const char* name;  // the parameter's documented name
};

}  // namespace fragments
