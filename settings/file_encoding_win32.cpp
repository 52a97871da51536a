#include "settings/file_encoding_win32.h"

#include "settings/file_encoding.h"
#include "shell/ansi_code_page_win32.h"
#include "shell/decimal_text.h"

namespace tarvane {
namespace {

// A settings file is a few lines; anything this large is not one worth converting.
constexpr LONGLONG kLargestFileBytes = 1 << 20;

struct FileContent {
    DWORD error = ERROR_SUCCESS;
    bool exists = false;
    std::string bytes;
};

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

FileContent ReadAll(const std::wstring& path) {
    // Other copies of the program may be reading or replacing the file at the same time.
    FileHandle file(CreateFileW(path.c_str(), GENERIC_READ,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) {
        const DWORD error = GetLastError();
        return error == ERROR_FILE_NOT_FOUND ? FileContent{} : FileContent{error, false, {}};
    }
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size)) {
        return {GetLastError(), true, {}};
    }
    if (size.QuadPart > kLargestFileBytes) {
        return {ERROR_FILE_TOO_LARGE, true, {}};
    }
    std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
    DWORD read = 0;
    if (!bytes.empty() &&
        !ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr)) {
        return {GetLastError(), true, {}};
    }
    bytes.resize(read);
    return {ERROR_SUCCESS, true, std::move(bytes)};
}

std::wstring DecodeAnsi(const std::string& bytes) {
    if (bytes.empty()) {
        return L"";
    }
    const int size = static_cast<int>(bytes.size());
    const int chars = MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, nullptr, 0);
    std::wstring text(static_cast<std::size_t>(chars), L'\0');
    MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, text.data(), chars);
    return text;
}

DWORD WriteNewFile(const std::wstring& path, const std::string& bytes) {
    FileHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) {
        return GetLastError();
    }
    DWORD written = 0;
    if (!WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
        !FlushFileBuffers(file.get())) {
        return GetLastError();
    }
    return written == bytes.size() ? ERROR_SUCCESS : ERROR_WRITE_FAULT;
}

// The whole new content goes to a file of this process's own beside the settings file, and one
// rename puts it in place: nobody ever sees the file half written.
DWORD WriteWhole(const std::wstring& path, const std::string& bytes, bool replaceExisting) {
    const std::wstring temporary = path + L"." + DecimalText(GetCurrentProcessId()) + L".tmp";
    DWORD error = WriteNewFile(temporary, bytes);
    if (error == ERROR_SUCCESS) {
        const DWORD flags =
            MOVEFILE_WRITE_THROUGH | (replaceExisting ? MOVEFILE_REPLACE_EXISTING : 0);
        if (MoveFileExW(temporary.c_str(), path.c_str(), flags)) {
            return ERROR_SUCCESS;
        }
        error = GetLastError();
    }
    DeleteFileW(temporary.c_str());
    return error;
}

// A read-only settings file is the user's way of saying it must not change; not every system
// refuses to rename over one, so the conversion asks first.
DWORD ConvertToUnicode(const std::wstring& path, const std::string& ansiBytes) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0) {
        return ERROR_ACCESS_DENIED;
    }
    return WriteWhole(path, Utf16LeWithMark(DecodeAnsi(ansiBytes)), true);
}

}  // namespace

DWORD PrepareToHold(const std::wstring& path, const std::wstring& text) {
    // A second round covers another copy of the program creating the file first.
    for (int round = 0; round < 2; ++round) {
        const FileContent file = ReadAll(path);
        if (file.error != ERROR_SUCCESS) {
            return file.error;
        }
        switch (PreparationFor(DetectEncoding(file.exists, file.bytes), FitsAnsiCodePage(text))) {
            case Preparation::None:
                return ERROR_SUCCESS;
            case Preparation::ConvertToUnicode:
                return ConvertToUnicode(path, file.bytes);
            case Preparation::CreateUnicode: {
                const DWORD error = WriteWhole(path, Utf16LeWithMark(L""), false);
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
