#pragma once
#include <string>

namespace tarvane {

// What became of an operation that either does what it was asked or fails for a reason the user
// is told: the system's own words, or the program's where the system gives none.
struct Outcome {
    bool ok = false;
    std::wstring reason;  // set when ok is false
};

}  // namespace tarvane
