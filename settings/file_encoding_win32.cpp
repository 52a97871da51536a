#include "settings/file_encoding_win32.h"

#include "base/ansi_code_page_win32.h"
#include "base/scoped_win32.h"
#include "base/text_win32.h"
#include "base/whole_file_win32.h"
#include "settings/file_encoding.h"

namespace tarvane {
namespace {

// The attributes a converted file takes over; read-only never gets this far.
constexpr DWORD kKeptAttributes = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                  FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

// What the file's first bytes say of its encoding; the rest of it is not read.
struct FileStart {
    DWORD error = ERROR_SUCCESS;
    FileEncoding encoding = FileEncoding::Missing;
};

FileStart ReadStart(const std::wstring& path) {
    const ScopedFile file(OpenSharedToRead(path));
    if (!file.valid()) {
        const DWORD error = GetLastError();
        return {error == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : error, FileEncoding::Missing};
    }
    std::string bytes(kEncodingMarkBytes, '\0');
    const DWORD error = ReadBytes(file.get(), bytes);
    return {error, DetectEncoding(true, bytes)};
}

// The file's text, decoded by its own encoding, as UTF-16LE with its mark.
std::string UnicodeContent(FileEncoding encoding, std::string_view bytes) {
    const std::string_view text = bytes.substr(MarkBytes(encoding));
    if (encoding == FileEncoding::Utf16Be) {
        return Utf16LeFromBigEndian(text);
    }
    return Utf16LeWithMark(DecodeText(encoding == FileEncoding::Utf8 ? CP_UTF8 : CP_ACP, 0, text));
}

// The whole file, its permissions and the attributes it passes on. A read-only settings file is
// the user's way of saying it must not change; not every system refuses to rename over one, so
// the conversion asks first.
DWORD ReadToConvert(const std::wstring& path, std::string& bytes, KeptFromOld& old) {
    const ScopedFile file(OpenSharedToRead(path));
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
    KeptFromOld old;
    const DWORD error = ReadToConvert(path, bytes, old);
    if (error != ERROR_SUCCESS) {
        return error;
    }
    const FileEncoding encoding = DetectEncoding(true, bytes);
    if (encoding == FileEncoding::Utf16Le) {
        return ERROR_SUCCESS;  // another copy of the program converted it first
    }
    return WriteFileInOneStep(path, UnicodeContent(encoding, bytes), OnExisting::Replace, &old);
}

}  // namespace

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
                const DWORD error =
                    WriteFileInOneStep(path, Utf16LeWithMark(L""), OnExisting::Fail);
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
