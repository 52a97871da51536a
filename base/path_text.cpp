#include "base/path_text.h"

namespace tarvane::path {
namespace {

bool IsDriveLetter(wchar_t c) { return (c | 0x20) >= L'a' && (c | 0x20) <= L'z'; }

// The characters that Windows keeps out of every file and folder name, the backslash aside.
bool IsReservedInName(wchar_t c) {
    return c < 32 || std::wstring_view(L"<>:\"/|?*").find(c) != std::wstring_view::npos;
}

}  // namespace

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t'; }

std::wstring_view Trimmed(std::wstring_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

std::wstring FromBox(const std::wstring& text) {
    const std::wstring_view trimmed = Trimmed(text);
    if (trimmed.size() < 2 || trimmed.front() != L'"' || trimmed.back() != L'"') {
        return text;
    }
    const std::wstring_view inside = trimmed.substr(1, trimmed.size() - 2);
    // Another quote inside is no "Copy as path": it stays for the caller to refuse.
    if (inside.find(L'"') != std::wstring_view::npos) {
        return text;
    }
    return std::wstring(inside);
}

bool IsFullDrivePath(std::wstring_view text) {
    if (text.size() < 3 || !IsDriveLetter(text[0]) || text[1] != L':' || text[2] != L'\\') {
        return false;
    }
    for (const wchar_t c : text.substr(3)) {
        if (IsReservedInName(c)) {
            return false;
        }
    }
    return true;
}

std::wstring Join(std::wstring folder, std::wstring_view name) {
    if (!folder.empty() && folder.back() != L'\\') {
        folder += L'\\';
    }
    return folder += name;
}

std::wstring Folder(std::wstring fullPath) {
    const std::size_t last = fullPath.find_last_of(L'\\');
    if (last == std::wstring::npos) {
        return L"";
    }
    fullPath.resize(last == 2 ? 3 : last);
    return fullPath;
}

}  // namespace tarvane::path
