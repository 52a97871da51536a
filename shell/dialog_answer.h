#pragma once
// What a chooser (the file-open dialog, the folder browser) answers: the path the user chose, a
// cancel, a choice whose path is too long for the system to give, or a failure to show the chooser
// at all, with the reason in words. All but a choice leave the caller free to change nothing; all
// but a cancel are told to the user.
#include <string>
#include <utility>

namespace tarvane {

enum class DialogResult { Chosen, Cancelled, PathTooLong, Failed };

struct DialogAnswer {
    DialogResult result = DialogResult::Cancelled;
    std::wstring path;       // when Chosen
    std::wstring reason;     // when Failed
    std::wstring shownName;  // when PathTooLong: the chosen item as the shell names it to the user

    static DialogAnswer Chosen(std::wstring path) {
        return {DialogResult::Chosen, std::move(path), L"", L""};
    }
    static DialogAnswer Cancelled() { return {}; }
    static DialogAnswer PathTooLong(std::wstring shownName) {
        return {DialogResult::PathTooLong, L"", L"", std::move(shownName)};
    }
    static DialogAnswer Failed(std::wstring reason) {
        return {DialogResult::Failed, L"", std::move(reason), L""};
    }

    bool operator==(const DialogAnswer&) const = default;
};

}  // namespace tarvane
