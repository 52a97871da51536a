#include "base/whole_file_win32.h"

#include <aclapi.h>
#include <objbase.h>

#include <algorithm>

namespace tarvane {
namespace {

// A few names in a row that someone else made first mean something is wrong; stop there.
constexpr int kTemporaryNameAttempts = 8;
// WriteFile takes at most a DWORD at once; smaller pieces keep each call short.
constexpr std::size_t kLargestWriteBytes = 1u << 20;

bool KeepsNoPermissions(DWORD error) {
    return error == ERROR_NOT_SUPPORTED || error == ERROR_INVALID_FUNCTION;
}

std::wstring RandomHex() {
    GUID guid{};
    if (FAILED(CoCreateGuid(&guid))) {
        return L"";
    }
    const auto* bytes = reinterpret_cast<const unsigned char*>(&guid);
    std::wstring hex;
    for (std::size_t i = 0; i < sizeof guid; ++i) {
        hex += L"0123456789abcdef"[bytes[i] >> 4];
        hex += L"0123456789abcdef"[bytes[i] & 0xF];
    }
    return hex;
}

TemporaryNameSource temporaryNames = RandomHex;

HANDLE CreateTemporary(const std::wstring& path, std::wstring& temporary) {
    for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
        const std::wstring random = temporaryNames();
        if (random.empty()) {
            SetLastError(ERROR_GEN_FAILURE);
            return INVALID_HANDLE_VALUE;
        }
        temporary = path + L"." + random + L".tmp";
        const HANDLE file = CreateFileW(temporary.c_str(), GENERIC_WRITE | WRITE_DAC, 0, nullptr,
                                        CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS) {
            return file;
        }
    }
    return INVALID_HANDLE_VALUE;
}

DWORD WriteAll(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        const DWORD chunk = static_cast<DWORD>(std::min(bytes.size(), kLargestWriteBytes));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data(), chunk, &written, nullptr)) {
            return GetLastError();
        }
        if (written == 0) {
            return ERROR_WRITE_FAULT;
        }
        bytes.remove_prefix(written);
    }
    return FlushFileBuffers(file) ? ERROR_SUCCESS : GetLastError();
}

DWORD WriteTemporary(HANDLE file, std::string_view bytes, const KeptFromOld* kept) {
    const DWORD error = WriteAll(file, bytes);
    if (error != ERROR_SUCCESS) {
        return error;
    }
    return kept != nullptr ? kept->dacl.GiveTo(file) : ERROR_SUCCESS;
}

}  // namespace

TemporaryNameSource SetTemporaryNameSource(TemporaryNameSource source) {
    const TemporaryNameSource previous = temporaryNames;
    temporaryNames = source;
    return previous;
}

HANDLE OpenSharedToRead(const std::wstring& path, DWORD access) {
    return CreateFileW(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                       nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

DWORD ReadBytes(HANDLE file, std::string& bytes) {
    DWORD read = 0;
    if (!bytes.empty() &&
        !ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr)) {
        return GetLastError();
    }
    bytes.resize(read);
    return ERROR_SUCCESS;
}

DWORD FileDacl::ReadFrom(HANDLE file) {
    const DWORD error = GetSecurityInfo(file, SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr,
                                        nullptr, &dacl_, nullptr, descriptor_.receive());
    SECURITY_DESCRIPTOR_CONTROL control = 0;
    DWORD revision = 0;
    if (error == ERROR_SUCCESS &&
        GetSecurityDescriptorControl(descriptor_.get(), &control, &revision)) {
        protected_ = (control & SE_DACL_PROTECTED) != 0;
    }
    return KeepsNoPermissions(error) ? ERROR_SUCCESS : error;
}

DWORD FileDacl::GiveTo(HANDLE file) const {
    if (!descriptor_.valid()) {
        return ERROR_SUCCESS;
    }
    const SECURITY_INFORMATION what =
        DACL_SECURITY_INFORMATION |
        (protected_ ? PROTECTED_DACL_SECURITY_INFORMATION : UNPROTECTED_DACL_SECURITY_INFORMATION);
    const DWORD error =
        SetSecurityInfo(file, SE_FILE_OBJECT, what, nullptr, nullptr, dacl_, nullptr);
    return KeepsNoPermissions(error) ? ERROR_SUCCESS : error;
}

DWORD WriteFileInOneStep(const std::wstring& path, std::string_view bytes, OnExisting existing,
                         const KeptFromOld* kept) {
    std::wstring temporary;
    DWORD error = ERROR_SUCCESS;
    {
        const ScopedFile file(CreateTemporary(path, temporary));
        if (!file.valid()) {
            return GetLastError();
        }
        error = WriteTemporary(file.get(), bytes, kept);
    }
    if (error == ERROR_SUCCESS && kept != nullptr && kept->attributes != 0 &&
        !SetFileAttributesW(temporary.c_str(), kept->attributes)) {
        error = GetLastError();
    }
    if (error == ERROR_SUCCESS) {
        const DWORD flags = MOVEFILE_WRITE_THROUGH |
                            (existing == OnExisting::Replace ? MOVEFILE_REPLACE_EXISTING : 0);
        if (MoveFileExW(temporary.c_str(), path.c_str(), flags)) {
            return ERROR_SUCCESS;
        }
        error = GetLastError();
    }
    DeleteFileW(temporary.c_str());
    return error;
}

}  // namespace tarvane
