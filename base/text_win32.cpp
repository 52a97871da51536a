#include "base/text_win32.h"

namespace tarvane {

std::wstring DecodeText(UINT codePage, DWORD flags, std::string_view bytes) {
    if (bytes.empty()) {
        return L"";
    }
    const int size = static_cast<int>(bytes.size());
    const int chars = MultiByteToWideChar(codePage, flags, bytes.data(), size, nullptr, 0);
    std::wstring text(static_cast<std::size_t>(chars), L'\0');
    MultiByteToWideChar(codePage, flags, bytes.data(), size, text.data(), chars);
    return text;
}

}  // namespace tarvane
