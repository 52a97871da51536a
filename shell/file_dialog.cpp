#include "shell/file_dialog.h"

namespace tarvane {

std::wstring ToFilterList(const std::wstring& barSeparated) {
    std::wstring list = barSeparated;
    for (wchar_t& c : list) {
        if (c == L'|') {
            c = L'\0';
        }
    }
    list += L'\0';
    list += L'\0';
    return list;
}

void CommonDialog::SetFilter(const std::wstring& filter) {
    request_.filterList = ToFilterList(filter);
}

void CommonDialog::ShowOpen() {
    const std::optional<std::wstring> chosen = prompt_.Ask(request_);
    confirmed_ = chosen.has_value();
    if (confirmed_) {
        fileName_ = *chosen;
    }
}

}  // namespace tarvane
