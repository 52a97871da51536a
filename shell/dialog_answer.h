#pragma once
// What a chooser (the file-open dialog, the folder browser) answers: the path the user chose, a
// cancel, or a failure to show the chooser at all, with the reason in words. A cancel and a
// failure both leave the caller free to change nothing; only a failure is told to the user.
#include <string>
#include <utility>

namespace tarvane {

enum class DialogResult { Chosen, Cancelled, Failed };

struct DialogAnswer {
    DialogResult result = DialogResult::Cancelled;
    std::wstring path;    // when Chosen
    std::wstring reason;  // when Failed

    static DialogAnswer Chosen(std::wstring path) {
        return {DialogResult::Chosen, std::move(path), L""};
    }
    static DialogAnswer Cancelled() { return {}; }
    static DialogAnswer Failed(std::wstring reason) {
        return {DialogResult::Failed, L"", std::move(reason)};
    }

    bool operator==(const DialogAnswer&) const = default;
};

}  // namespace tarvane
