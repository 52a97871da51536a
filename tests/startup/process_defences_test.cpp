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

    std::vector<std::string> calls;

  private:
    bool canSearchSystemFolderOnly_;
};

TEST_CASE("DLLs are kept to the system folder first, with the working folder left out where not") {
    struct Case {
        const char* name;
        bool canSearchSystemFolderOnly;
        std::vector<std::string> calls;
    };
    const Case cases[] = {
        {"Windows 8 and later", true, {"SearchSystemFolderOnly"}},
        {"XP, or Vista and 7 without the update",
         false,
         {"SearchSystemFolderOnly", "LeaveOutWorkingFolder"}},
    };
    for (const Case& c : cases) {
        CAPTURE(c.name);
        FakeDefences defences(c.canSearchSystemFolderOnly);
        DefendProcess(defences);
        CHECK(defences.calls == c.calls);
    }
}

}  // namespace
}  // namespace tarvane
