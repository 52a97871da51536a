#include "startup/component_win32.h"

#include <algorithm>
#include <cstring>

#include "resources/resource_ids.h"
#include "startup/special_folder.h"
#include "startup/special_folder_win32.h"

namespace tarvane {
namespace {

constexpr DWORD kNotPlain =
    FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;

bool WriteAll(HANDLE file, const std::vector<std::byte>& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const DWORD chunk =
            static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 20));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data() + done, chunk, &written, nullptr) || written == 0) {
            return false;
        }
        done += written;
    }
    return true;
}

}  // namespace

std::wstring Win32ComponentPlatform::SystemFolder() { return GetSpecialFolder(kSystemFolderId); }

bool Win32ComponentPlatform::PlainFileExists(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & kNotPlain) == 0;
}

std::optional<std::vector<std::byte>> Win32ComponentPlatform::EmbeddedComponent() {
    HRSRC found = FindResourceW(module_, MAKEINTRESOURCEW(IDR_COMPONENT), L"CUSTOM");
    HGLOBAL loaded = found ? LoadResource(module_, found) : nullptr;
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (data == nullptr) {
        return std::nullopt;
    }
    std::vector<std::byte> bytes(SizeofResource(module_, found));
    std::memcpy(bytes.data(), data, bytes.size());
    return bytes;
}

bool Win32ComponentPlatform::WriteWholeFile(const std::wstring& path,
                                            const std::vector<std::byte>& bytes) {
    // A folder of that name is not ours to touch, not even its attributes.
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        return false;
    }
    // A hidden or system file of that name would make CREATE_ALWAYS fail; once replaced it is an
    // ordinary file that the next start finds.
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    const bool written = WriteAll(file, bytes);
    const bool closed = CloseHandle(file) != 0;
    if (!written || !closed) {
        // A cut-off copy would pass for the component at every later start.
        DeleteFileW(path.c_str());
        return false;
    }
    return true;
}

}  // namespace tarvane
