#include "settings/file_encoding_win32.h"

#include <aclapi.h>
#include <objbase.h>

#include "settings/file_encoding.h"
#include "shell/ansi_code_page_win32.h"

namespace tarvane {
namespace {

// The attributes a converted file takes over; read-only never gets this far.
constexpr DWORD kKeptAttributes = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                  FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

// A few names in a row that someone else made first mean something is wrong; stop there.
constexpr int kTemporaryNameAttempts = 8;

class FileHandle {
  public:
    explicit FileHandle(HANDLE handle) : handle_(handle) {}
    ~FileHandle() {
        if (handle_ != INVALID_HANDLE_VALUE) {
            CloseHandle(handle_);
        }
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;

    HANDLE get() const { return handle_; }
    bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }

  private:
    HANDLE handle_;
};

DWORD ReadBytes(HANDLE file, std::string& bytes) {
    DWORD read = 0;
    if (!bytes.empty() &&
        !ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr)) {
        return GetLastError();
    }
    bytes.resize(read);
    return ERROR_SUCCESS;
}

// What the file's first bytes say of its encoding; the rest of it is not read.
struct FileStart {
    DWORD error = ERROR_SUCCESS;
    FileEncoding encoding = FileEncoding::Missing;
};

FileStart ReadStart(const std::wstring& path) {
    FileHandle file(OpenSharedToRead(path));
    if (!file.valid()) {
        const DWORD error = GetLastError();
        return {error == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : error, FileEncoding::Missing};
    }
    std::string bytes(kEncodingMarkBytes, '\0');
    const DWORD error = ReadBytes(file.get(), bytes);
    return {error, DetectEncoding(true, bytes)};
}

// The DACL of an open file, held until this goes away.
class FileDacl {
  public:
    FileDacl() = default;
    ~FileDacl() { LocalFree(descriptor_); }
    FileDacl(const FileDacl&) = delete;
    FileDacl& operator=(const FileDacl&) = delete;

    DWORD ReadFrom(HANDLE file) {
        const DWORD error = GetSecurityInfo(file, SE_FILE_OBJECT, DACL_SECURITY_INFORMATION,
                                            nullptr, nullptr, &dacl_, nullptr, &descriptor_);
        SECURITY_DESCRIPTOR_CONTROL control = 0;
        DWORD revision = 0;
        if (error == ERROR_SUCCESS &&
            GetSecurityDescriptorControl(descriptor_, &control, &revision)) {
            protected_ = (control & SE_DACL_PROTECTED) != 0;
        }
        return KeepsNone(error) ? ERROR_SUCCESS : error;
    }

    DWORD GiveTo(HANDLE file) const {
        if (descriptor_ == nullptr) {
            return ERROR_SUCCESS;
        }
        const SECURITY_INFORMATION what =
            DACL_SECURITY_INFORMATION | (protected_ ? PROTECTED_DACL_SECURITY_INFORMATION
                                                    : UNPROTECTED_DACL_SECURITY_INFORMATION);
        const DWORD error =
            SetSecurityInfo(file, SE_FILE_OBJECT, what, nullptr, nullptr, dacl_, nullptr);
        return KeepsNone(error) ? ERROR_SUCCESS : error;
    }

  private:
    // A volume without permissions (FAT) has none to keep.
    static bool KeepsNone(DWORD error) {
        return error == ERROR_NOT_SUPPORTED || error == ERROR_INVALID_FUNCTION;
    }

    PSECURITY_DESCRIPTOR descriptor_ = nullptr;
    PACL dacl_ = nullptr;
    bool protected_ = false;
};

// What a new file takes over from the file it replaces.
struct Replaced {
    FileDacl dacl;
    DWORD attributes = 0;
};

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

// A file of this process's own beside the settings file, made new under a random name: never a
// file that someone else made there first, whose owner and permissions it would keep.
HANDLE CreateTemporary(const std::wstring& path, std::wstring& temporary) {
    for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
        const std::wstring random = RandomHex();
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

DWORD WriteTemporary(HANDLE file, const std::string& bytes, const Replaced* old) {
    DWORD written = 0;
    if (!WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
        !FlushFileBuffers(file)) {
        return GetLastError();
    }
    if (written != bytes.size()) {
        return ERROR_WRITE_FAULT;
    }
    return old != nullptr ? old->dacl.GiveTo(file) : ERROR_SUCCESS;
}

// The whole new content goes to a temporary file, and one rename puts it in place: nobody ever
// sees the file half written, and there is never a moment without one. Without an old file to
// replace, the rename fails when another copy of the program has made the file meanwhile.
DWORD WriteWhole(const std::wstring& path, const std::string& bytes, const Replaced* old) {
    std::wstring temporary;
    DWORD error = ERROR_SUCCESS;
    {
        FileHandle file(CreateTemporary(path, temporary));
        if (!file.valid()) {
            return GetLastError();
        }
        error = WriteTemporary(file.get(), bytes, old);
    }
    if (error == ERROR_SUCCESS && old != nullptr && old->attributes != 0 &&
        !SetFileAttributesW(temporary.c_str(), old->attributes)) {
        error = GetLastError();
    }
    if (error == ERROR_SUCCESS) {
        const DWORD flags = MOVEFILE_WRITE_THROUGH | (old ? MOVEFILE_REPLACE_EXISTING : 0);
        if (MoveFileExW(temporary.c_str(), path.c_str(), flags)) {
            return ERROR_SUCCESS;
        }
        error = GetLastError();
    }
    DeleteFileW(temporary.c_str());
    return error;
}

std::wstring Decode(UINT codePage, std::string_view bytes) {
    if (bytes.empty()) {
        return L"";
    }
    const int size = static_cast<int>(bytes.size());
    const int chars = MultiByteToWideChar(codePage, 0, bytes.data(), size, nullptr, 0);
    std::wstring text(static_cast<std::size_t>(chars), L'\0');
    MultiByteToWideChar(codePage, 0, bytes.data(), size, text.data(), chars);
    return text;
}

// The file's text, decoded by its own encoding, as UTF-16LE with its mark.
std::string UnicodeContent(FileEncoding encoding, std::string_view bytes) {
    const std::string_view text = bytes.substr(MarkBytes(encoding));
    if (encoding == FileEncoding::Utf16Be) {
        return Utf16LeFromBigEndian(text);
    }
    return Utf16LeWithMark(Decode(encoding == FileEncoding::Utf8 ? CP_UTF8 : CP_ACP, text));
}

// The whole file, its permissions and the attributes it passes on. A read-only settings file is
// the user's way of saying it must not change; not every system refuses to rename over one, so
// the conversion asks first.
DWORD ReadToConvert(const std::wstring& path, std::string& bytes, Replaced& old) {
    FileHandle file(OpenSharedToRead(path));
    BY_HANDLE_FILE_INFORMATION about{};
    if (!file.valid() || !GetFileInformationByHandle(file.get(), &about)) {
        return GetLastError();
    }
    if ((about.dwFileAttributes & FILE_ATTRIBUTE_READONLY) != 0) {
        return ERROR_ACCESS_DENIED;
    }
    // Reported in words by the settings file's write.
    if (about.nFileSizeHigh != 0 || about.nFileSizeLow > kLargestConvertibleBytes) {
        return ERROR_FILE_TOO_LARGE;
    }
    old.attributes = about.dwFileAttributes & kKeptAttributes;
    bytes.assign(about.nFileSizeLow, '\0');
    const DWORD error = ReadBytes(file.get(), bytes);
    return error != ERROR_SUCCESS ? error : old.dacl.ReadFrom(file.get());
}

// The new file keeps the old one's permissions and attributes: an administrator who let every
// user write the shared file, or hid it, finds it so after the conversion.
DWORD ConvertToUnicode(const std::wstring& path) {
    std::string bytes;
    Replaced old;
    const DWORD error = ReadToConvert(path, bytes, old);
    if (error != ERROR_SUCCESS) {
        return error;
    }
    const FileEncoding encoding = DetectEncoding(true, bytes);
    if (encoding == FileEncoding::Utf16Le) {
        return ERROR_SUCCESS;  // another copy of the program converted it first
    }
    return WriteWhole(path, UnicodeContent(encoding, bytes), &old);
}

}  // namespace

HANDLE OpenSharedToRead(const std::wstring& path) {
    return CreateFileW(path.c_str(), GENERIC_READ,
                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

DWORD PrepareToHold(const std::wstring& path, const std::wstring& text) {
    // A second round covers another copy of the program creating the file first.
    for (int round = 0; round < 2; ++round) {
        const FileStart start = ReadStart(path);
        if (start.error != ERROR_SUCCESS) {
            return start.error;
        }
        switch (PreparationFor(start.encoding, FitsAnsiCodePage(text))) {
            case Preparation::None:
                return ERROR_SUCCESS;
            case Preparation::ConvertToUnicode:
                return ConvertToUnicode(path);
            case Preparation::CreateUnicode: {
                const DWORD error = WriteWhole(path, Utf16LeWithMark(L""), nullptr);
                if (error != ERROR_ALREADY_EXISTS && error != ERROR_FILE_EXISTS) {
                    return error;
                }
                break;
            }
        }
    }
    return ERROR_SUCCESS;
}

}  // namespace tarvane
