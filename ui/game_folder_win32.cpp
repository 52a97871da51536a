#include "ui/game_folder_win32.h"

#include <windows.h>

#include "base/file_attributes_win32.h"
#include "base/scoped_win32.h"
#include "base/text_win32.h"
#include "base/whole_file_win32.h"

namespace tarvane {
namespace {

// Longer than any folder worth opening the dialog in.
constexpr DWORD kLongestValueChars = 1024;
// Steam's library list is a few hundred bytes for each library.
constexpr DWORD kLargestTextFileBytes = 256 * 1024;

}  // namespace

// Kept for the rest of the run: the file dialog that opens next gains from it too.
void KeepDriveErrorsQuiet() {
    const UINT previous = SetErrorMode(SEM_FAILCRITICALERRORS);
    SetErrorMode(previous | SEM_FAILCRITICALERRORS);
}

std::optional<std::wstring> Win32InstallRecords::RegistryText(RegistryRoot root, const wchar_t* key,
                                                              const wchar_t* name) {
    // The installers are 32-bit programs: the 64-bit build must read what they saw.
    const bool machine = root == RegistryRoot::LocalMachine32;
    ScopedRegistryKey opened;
    if (RegOpenKeyExW(machine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER, key, 0,
                      KEY_QUERY_VALUE | (machine ? KEY_WOW64_32KEY : 0),
                      opened.receive()) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    // One character more than the value may fill, so the text always ends in a NUL of ours.
    std::wstring value(kLongestValueChars + 1, L'\0');
    DWORD type = 0;
    DWORD bytes = kLongestValueChars * sizeof(wchar_t);
    const LONG read = RegQueryValueExW(opened.get(), name, nullptr, &type,
                                       reinterpret_cast<BYTE*>(value.data()), &bytes);
    // A value stored without its terminating NUL is as good as a damaged one.
    const std::size_t chars = bytes / sizeof(wchar_t);
    if (read != ERROR_SUCCESS || type != REG_SZ || bytes % sizeof(wchar_t) != 0 || chars == 0 ||
        value[chars - 1] != L'\0') {
        return std::nullopt;
    }
    value.resize(value.find(L'\0'));
    return value;
}

bool Win32InstallRecords::FolderExists(const std::wstring& path) {
    KeepDriveErrorsQuiet();
    return IsFolder(path);
}

bool Win32InstallRecords::IsRemoteDrive(wchar_t drive) {
    // The root with its backslash: without one, the answer is "no such root".
    const wchar_t root[] = {drive, L':', L'\\', L'\0'};
    return GetDriveTypeW(root) == DRIVE_REMOTE;
}

bool Win32InstallRecords::FileExists(const std::wstring& path) {
    KeepDriveErrorsQuiet();
    return IsFile(path);
}

std::optional<std::wstring> Win32InstallRecords::ReadTextFile(const std::wstring& path) {
    KeepDriveErrorsQuiet();
    // Steam may be rewriting the file right now.
    const ScopedFile file(OpenSharedToRead(path));
    if (!file.valid()) {
        return std::nullopt;
    }
    // One byte more than allowed tells a file that is too large.
    std::string bytes(kLargestTextFileBytes + 1, '\0');
    if (ReadBytes(file.get(), bytes) != ERROR_SUCCESS || bytes.empty() ||
        bytes.size() > kLargestTextFileBytes) {
        return std::nullopt;
    }
    // Bytes that are not UTF-8 decode to nothing: such a file is not Steam's.
    std::wstring text = DecodeText(CP_UTF8, MB_ERR_INVALID_CHARS, bytes);
    if (text.empty()) {
        return std::nullopt;
    }
    return text;
}

}  // namespace tarvane
