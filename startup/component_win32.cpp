#include "startup/component_win32.h"

#include <cstring>

#include "base/file_attributes_win32.h"
#include "base/whole_file_win32.h"
#include "resources/resource_ids.h"
#include "startup/special_folder.h"
#include "startup/special_folder_win32.h"

namespace tarvane {

std::wstring Win32ComponentPlatform::SystemFolder() { return GetSpecialFolder(kSystemFolderId); }

bool Win32ComponentPlatform::PlainFileExists(const std::wstring& path) { return IsPlainFile(path); }

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
    if (IsFolder(path)) {
        return false;
    }
    // A read-only file of that name would refuse to be replaced; once replaced it is an ordinary
    // file that the next start finds.
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    // Written in one step: a cut-off copy would pass for the component at every later start.
    const std::string_view content(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    return WriteFileInOneStep(path, content, OnExisting::Replace) == ERROR_SUCCESS;
}

}  // namespace tarvane
