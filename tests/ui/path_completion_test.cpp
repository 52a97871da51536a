#include "ui/path_completion.h"

#include <catch2/catch.hpp>

#include "support/fakes.h"
#include "support/printable.h"

namespace tarvane::testing {

TEST_CASE("Only a folder typed as a full path on a local drive letter is listed") {
    struct Row {
        const wchar_t* typed;
        const wchar_t* listed;  // "" for none
    };
    // The drive-letter rule itself is tested at its home; these are completion's own cases.
    const Row rows[] = {
        {LR"(C:\)", LR"(C:\)"},         {LR"(C:\Games\co)", LR"(C:\Games\)"},
        {LR"(d:\a b\)", LR"(d:\a b\)"}, {LR"(C:)", L""},
        {LR"( C:\Games\co)", L""},      {LR"("C:\Games\co)", L""},
        {LR"(\\server\share\co)", L""}, {LR"(N:\Games\co)", L""},  // a network drive
        {LR"(C:\Games/Data\co)", L""},
    };
    for (const Row& row : rows) {
        CAPTURE(Printable(row.typed));
        CallLog log;
        FakeInstallRecords records(log);
        records.remoteDrives = {L'N'};
        CHECK(Printable(FolderToList(row.typed, records).value_or(L"")) == Printable(row.listed));
    }
}

TEST_CASE(
    "Each box suggests its kinds of entries, as the typed folder and the name, up to the cap") {
    const std::wstring folder = LR"(c:\Games\)";
    struct Entry {
        const wchar_t* name;
        bool isFolder;
        bool hidden;
    };
    const Entry entries[] = {{L".", true, false},          {L"..", true, false},
                             {L"Data", true, false},       {L"x.SGA", false, false},
                             {L"notes.txt", false, false}, {L"sga", false, false},
                             {L"old.sga", false, true},    {L"Found", true, true}};
    for (const auto& [kind, expected] :
         {std::pair{CompletionKind::FoldersAndArchives,
                    std::vector<std::wstring>{folder + L"Data", folder + L"x.SGA"}},
          std::pair{CompletionKind::FoldersOnly, std::vector<std::wstring>{folder + L"Data"}}}) {
        CompletionList list(kind, folder);
        for (const Entry& entry : entries) {
            CHECK(list.Take(entry.name, entry.isFolder, entry.hidden));
        }
        CHECK(list.Items() == expected);
    }

    CompletionList large(CompletionKind::FoldersOnly, folder);
    std::size_t taken = 1;
    while (taken <= kMostEntriesListed && large.Take(L"Data", true, false)) {
        ++taken;
    }
    CHECK(taken == kMostEntriesListed);
    CHECK(large.Items().size() == kMostEntriesListed);
}

}  // namespace tarvane::testing
