#include "settings/settings_win32.h"

#include <windows.h>

#include <sddl.h>

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

// Another copy's store takes milliseconds; one that takes longer than this is stuck, or the name
// was taken by someone who will not give it back, and the store goes on without its turn.
constexpr DWORD kStoreTurnWaitMs = 2000;
constexpr wchar_t kStoreTurnName[] = L"Global\\Tarvane-settings-store";
// Every user may wait for the turn and give it back (SYNCHRONIZE | MUTEX_MODIFY_STATE); nobody
// but its owner may change its permissions.
constexpr wchar_t kStoreTurnPermissions[] = L"D:P(A;;0x00100001;;;WD)";
constexpr DWORD kStoreTurnAccess = SYNCHRONIZE | MUTEX_MODIFY_STATE;

HANDLE OpenOrCreateStoreTurn() {
    const HANDLE existing = OpenMutexW(kStoreTurnAccess, FALSE, kStoreTurnName);
    if (existing != nullptr || GetLastError() != ERROR_FILE_NOT_FOUND) {
        return existing;
    }
    ScopedLocalMemory<PSECURITY_DESCRIPTOR> permissions;
    if (!ConvertStringSecurityDescriptorToSecurityDescriptorW(
            kStoreTurnPermissions, SDDL_REVISION_1, permissions.receive(), nullptr)) {
        return nullptr;
    }
    SECURITY_ATTRIBUTES attributes{sizeof attributes, permissions.get(), FALSE};
    const HANDLE created = CreateMutexW(&attributes, FALSE, kStoreTurnName);
    // Another user's copy may have made it a moment ago, granting us only what it grants all.
    return created != nullptr ? created : OpenMutexW(kStoreTurnAccess, FALSE, kStoreTurnName);
}

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

StoreTurn::StoreTurn(DWORD waitMs) : mutex_(OpenOrCreateStoreTurn()) {
    // A turn left abandoned belonged to a copy that ended mid-store; nothing it wrote counted.
    const DWORD waited = mutex_.valid() ? WaitForSingleObject(mutex_.get(), waitMs) : WAIT_FAILED;
    held_ = waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED;
}

StoreTurn::~StoreTurn() {
    if (held_) {
        ReleaseMutex(mutex_.get());
    }
}

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

void Win32SettingsFile::BeginStore() { turn_.emplace(kStoreTurnWaitMs); }

void Win32SettingsFile::EndStore() { turn_.reset(); }

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
