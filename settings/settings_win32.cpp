#include "settings/settings_win32.h"

#include <windows.h>

#include <vector>

#include "shell/system_error_win32.h"

namespace tarvane {
namespace {

// The profile functions write a new file in the ANSI code page, where a path outside it turns
// into question marks. A file that starts as UTF-16 with a byte-order mark stays Unicode. An
// empty file holds nothing to keep, so it gets the mark too.
ProfileWrite StartUnicodeFileIfEmpty(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA found{};
    const bool exists = GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &found) != 0;
    if (exists && (found.nFileSizeLow != 0 || found.nFileSizeHigh != 0)) {
        return {true, L""};
    }
    HANDLE file =
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr,
                    exists ? TRUNCATE_EXISTING : CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        // Someone else created it in the meantime: it is theirs to keep as it is.
        return error == ERROR_FILE_EXISTS ? ProfileWrite{true, L""}
                                          : ProfileWrite{false, SystemErrorText(error)};
    }
    const unsigned char byteOrderMark[] = {0xFF, 0xFE};
    DWORD written = 0;
    const BOOL ok = WriteFile(file, byteOrderMark, sizeof(byteOrderMark), &written, nullptr);
    const DWORD error = GetLastError();
    CloseHandle(file);
    if (!ok || written != sizeof(byteOrderMark)) {
        if (!exists) {
            DeleteFileW(path.c_str());
        }
        return {false, SystemErrorText(error)};
    }
    return {true, L""};
}

}  // namespace

std::wstring Win32SettingsFile::Read(const std::wstring& section, const std::wstring& key,
                                     std::size_t bufferChars) {
    std::vector<wchar_t> buffer(bufferChars, L'\0');
    const DWORD copied =
        GetPrivateProfileStringW(section.c_str(), key.c_str(), L"", buffer.data(),
                                 static_cast<DWORD>(buffer.size()), iniFilePath_.c_str());
    return std::wstring(buffer.data(), copied);
}

ProfileWrite Win32SettingsFile::Write(const std::wstring& section, const std::wstring& key,
                                      const std::wstring& value) {
    const ProfileWrite created = StartUnicodeFileIfEmpty(iniFilePath_);
    if (!created.ok) {
        return created;
    }
    if (!WritePrivateProfileStringW(section.c_str(), key.c_str(), value.c_str(),
                                    iniFilePath_.c_str())) {
        return {false, SystemErrorText(GetLastError())};
    }
    return {true, L""};
}

}  // namespace tarvane
