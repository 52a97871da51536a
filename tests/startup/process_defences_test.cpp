// What the program asks of Windows at its first line, and what it does when Windows cannot.
#include <catch2/catch.hpp>

#include <string>
#include <vector>

#include "startup/process_defences.h"

namespace tarvane {
namespace {

// Windows as the test sets it up: with or without the call that keeps DLLs to the system folder.
class FakeDefences final : public ProcessDefences {
  public:
    explicit FakeDefences(bool canSearchSystemFolderOnly)
        : canSearchSystemFolderOnly_(canSearchSystemFolderOnly) {}

    bool SearchSystemFolderOnly() override {
        calls.push_back("SearchSystemFolderOnly");
        return canSearchSystemFolderOnly_;
    }
    void LeaveOutWorkingFolder() override { calls.push_back("LeaveOutWorkingFolder"); }
    void PreventDataExecution() override { calls.push_back("PreventDataExecution"); }
    void EndProcessOnHeapCorruption() override { calls.push_back("EndProcessOnHeapCorruption"); }

    std::vector<std::string> calls;

  private:
    bool canSearchSystemFolderOnly_;
};

TEST_CASE("DLLs are kept to the system folder first, with the working folder left out where not") {
    struct Case {
        const char* name;
        bool canSearchSystemFolderOnly;
        ProcessBits bits;
        std::vector<std::string> calls;
    };
    const Case cases[] = {
        {"Windows 8 and later, 32-bit",
         true,
         ProcessBits::ThirtyTwo,
         {"SearchSystemFolderOnly", "PreventDataExecution", "EndProcessOnHeapCorruption"}},
        {"Windows 8 and later, 64-bit",
         true,
         ProcessBits::SixtyFour,
         {"SearchSystemFolderOnly", "EndProcessOnHeapCorruption"}},
        {"XP, or Vista and 7 without the update",
         false,
         ProcessBits::ThirtyTwo,
         {"SearchSystemFolderOnly", "LeaveOutWorkingFolder", "PreventDataExecution",
          "EndProcessOnHeapCorruption"}},
        {"XP x64 without the update",
         false,
         ProcessBits::SixtyFour,
         {"SearchSystemFolderOnly", "LeaveOutWorkingFolder", "EndProcessOnHeapCorruption"}},
    };
    for (const Case& c : cases) {
        CAPTURE(c.name);
        FakeDefences defences(c.canSearchSystemFolderOnly);
        DefendProcess(defences, c.bits);
        CHECK(defences.calls == c.calls);
    }
}

}  // namespace
}  // namespace tarvane
