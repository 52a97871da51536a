#pragma once
// A Windows hook on the test's own thread for as long as this lives, as any program may set one:
// it sees, and may refuse, what that thread's windows do.
#include <catch2/catch.hpp>

#include <windows.h>

namespace tarvane::testing {

class ThreadHook {
  public:
    ThreadHook(int kind, HOOKPROC procedure)
        : hook_(SetWindowsHookExW(kind, procedure, nullptr, GetCurrentThreadId())) {
        REQUIRE(hook_ != nullptr);
    }
    ~ThreadHook() { UnhookWindowsHookEx(hook_); }
    ThreadHook(const ThreadHook&) = delete;
    ThreadHook& operator=(const ThreadHook&) = delete;

  private:
    HHOOK hook_;
};

}  // namespace tarvane::testing
