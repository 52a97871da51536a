#include "startup/special_folder.h"

#include <limits>

namespace tarvane {
namespace {

bool FitsShort(std::int32_t id) {
    return id >= std::numeric_limits<std::int16_t>::min() &&
           id <= std::numeric_limits<std::int16_t>::max();
}

}  // namespace

std::wstring GetSpecialFolder(std::int32_t id, const SpecialFolderCall& platformCall) {
    if (!FitsShort(id)) {
        return L"";
    }
    // Any failure of the lookup (the platform call, the buffer's allocation) means "no folder":
    // start-up goes on without the component rather than not at all.
    try {
        // Filled with blanks so that a buffer the platform never touched has no NUL at all.
        std::wstring buffer(kPathBufferChars, L' ');
        platformCall(buffer.data(), static_cast<std::int16_t>(id));
        const std::size_t end = buffer.find(L'\0');
        // No NUL: nothing was written. NUL first: the platform knows the folder but has no path
        // for it, and a bare backslash would turn every file name appended to it into a path at
        // the drive root.
        if (end == std::wstring::npos || end == 0) {
            return L"";
        }
        return buffer.substr(0, end) + L"\\";
    } catch (...) {
        return L"";
    }
}

}  // namespace tarvane
