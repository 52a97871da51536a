#include "settings/settings_win32.h"

#include <windows.h>

#include <vector>

#include "base/scoped_win32.h"
#include "base/system_error_win32.h"
#include "base/whole_file_win32.h"

#include "settings/file_encoding.h"
#include "settings/file_encoding_win32.h"

namespace tarvane {
namespace {

// Another copy of the program may hold the file for a moment while it writes or replaces it.
constexpr DWORD kRetryInUseForMs = 1000;
constexpr DWORD kPauseWhileInUseMs = 20;

bool InUseByAnother(DWORD error) {
    return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION ||
           error == ERROR_ACCESS_DENIED;
}

template <typename Step>
DWORD RetryWhileInUse(Step step) {
    const DWORD started = GetTickCount();
    for (;;) {
        const DWORD error = step();
        if (!InUseByAnother(error) || GetTickCount() - started >= kRetryInUseForMs) {
            return error;
        }
        Sleep(kPauseWhileInUseMs);
    }
}

DWORD LastErrorOr(DWORD fallback) {
    const DWORD error = GetLastError();
    return error != ERROR_SUCCESS ? error : fallback;
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

Outcome Win32SettingsFile::Write(const std::wstring& section, const std::wstring& key,
                                 const std::wstring& value) {
    return Store(section, key, value.c_str());
}

Outcome Win32SettingsFile::Delete(const std::wstring& section, const std::wstring& key) {
    return Store(section, key, nullptr);
}

FileAccess Win32SettingsFile::Access() {
    const ScopedFile file(OpenSharedToRead(iniFilePath_));
    if (file.valid()) {
        return FileAccess::Readable;
    }
    const DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? FileAccess::Missing
                                                                          : FileAccess::Unreadable;
}

void Win32SettingsFile::Pause(unsigned milliseconds) { Sleep(milliseconds); }

Outcome Win32SettingsFile::Store(const std::wstring& section, const std::wstring& key,
                                 const wchar_t* value) {
    const DWORD error = RetryWhileInUse([&] {
        const DWORD prepared = PrepareToHold(iniFilePath_, section + key + (value ? value : L""));
        if (prepared != ERROR_SUCCESS) {
            return prepared;
        }
        if (!WritePrivateProfileStringW(section.c_str(), key.c_str(), value,
                                        iniFilePath_.c_str())) {
            return LastErrorOr(ERROR_WRITE_FAULT);
        }
        return static_cast<DWORD>(ERROR_SUCCESS);
    });
    if (error == ERROR_FILE_TOO_LARGE) {
        return {false, kTooLargeToConvertReason};
    }
    if (error != ERROR_SUCCESS) {
        return {false, SystemErrorText(error, iniFilePath_)};
    }
    return {true, {}};
}

}  // namespace tarvane
