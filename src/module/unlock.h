// Long calls let the interpreter's other threads run.
//
// A kernel about to do much work holds an Unlocked over its loops, built from the number
// of items (elements, terms, entries) those loops visit:
//
//   const Unlocked unlocked(nnz);
//
// From kUnlockWork items on, the guard releases the interpreter's lock of the calling
// thread and takes it back when it goes out of scope, on every path (an exception
// included); below, it does nothing, so a small call pays one comparison. While the lock
// is released the kernel touches only what the frame has prepared: the views of the
// caller's arrays (buffers taken through the buffer protocol stay held until the call
// returns, arrays viewed directly are kept alive by the call's arguments) and its own
// scratch memory. Kernels keep no state, so calls on separate arrays run in parallel.
//
// The frame installs the hooks (frame.cpp). In a program without the interpreter (the
// stub generator) they stay null and the guard does nothing.
#pragma once

#include <cstdint>

namespace fragments {

struct UnlockHooks {
  void* (*release)();          // releases the calling thread's lock; returns what reacquire takes
  void (*reacquire)(void*);
};
inline UnlockHooks unlock_hooks = {nullptr, nullptr};

// Releasing and taking back the lock costs about 0.1 us when no other thread waits for
// it (bench/threads.py --cost measures it); a call of 2^16 items runs for 30 us or more,
// so the release costs it under 1%, and calls below the threshold are left alone.
constexpr int64_t kUnlockWork = int64_t{1} << 16;

class Unlocked {
 public:
  explicit Unlocked(int64_t work)
      : state_(work >= kUnlockWork && unlock_hooks.release ? unlock_hooks.release() : nullptr) {}
  ~Unlocked() {
    if (state_) unlock_hooks.reacquire(state_);
  }
  Unlocked(const Unlocked&) = delete;
  Unlocked& operator=(const Unlocked&) = delete;

 private:
  void* state_;
};

}  // namespace fragments
