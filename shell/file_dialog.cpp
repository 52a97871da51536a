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

}  // namespace tarvane
