#include "support/win32_files.h"

#include <windows.h>

#include <fstream>
#include <sstream>
#include <stdexcept>

#include "support/running_programs_win32.h"
#include "support/window_driving_win32.h"

namespace tarvane::testing {
namespace {

constexpr wchar_t kToolLogName[] = L"archive-calls.txt";

std::wstring FolderOf(const std::wstring& path) {
    return path.substr(0, path.find_last_of(L'\\') + 1);
}

void CreateFolders(const std::wstring& folder) {
    for (std::size_t at = folder.find(L'\\', 3); at != std::wstring::npos;
         at = folder.find(L'\\', at + 1)) {
        CreateDirectoryW(folder.substr(0, at).c_str(), nullptr);
    }
}

std::wstring FieldValue(const std::string& line, const std::string& prefix) {
    return FromUtf8(line.substr(prefix.size()));
}

std::wstring WithBackslash(const std::wstring& folder) {
    return folder.empty() || folder.back() == L'\\' ? folder : folder + L'\\';
}

void RemoveContents(const std::wstring& folder) {
    for (const std::wstring& name : EntriesIn(folder)) {
        const std::wstring path = folder + name;
        const DWORD attributes = GetFileAttributesW(path.c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
            RemoveContents(path + L'\\');
            RemoveDirectoryW(path.c_str());
        } else if (attributes != INVALID_FILE_ATTRIBUTES) {
            SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileW(path.c_str());
        }
    }
}

}  // namespace

std::wstring BuildFolder() {
    std::wstring path(MAX_PATH, L'\0');
    path.resize(GetModuleFileNameW(nullptr, path.data(), MAX_PATH));
    return FolderOf(path);
}

std::wstring FreshFolder(const std::wstring& name) {
    std::wstring temp(MAX_PATH, L'\0');
    temp.resize(GetTempPathW(MAX_PATH, temp.data()));
    const std::wstring folder = temp + L"tarvane-tests\\" + name + L"\\";
    RequireNothingRunsFrom(folder);
    RemoveTree(folder);
    CreateFolders(folder);
    return folder;
}

std::vector<std::wstring> EntriesIn(const std::wstring& folder) {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found;
    const HANDLE search = FindFirstFileW((folder + L"*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return names;
    }
    do {
        if (const std::wstring name = found.cFileName; name != L"." && name != L"..") {
            names.push_back(name);
        }
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
}

void RemoveTree(const std::wstring& folder) {
    const std::wstring base = WithBackslash(folder);
    // What still runs from the folder would keep its files; called from destructors, this only
    // waits, and the next step that needs the folder fresh names what holds it.
    WaitUntilNothingRunsFrom(base, kWaitMs);
    RemoveContents(base);
    RemoveDirectoryW(base.c_str());
}

bool RemoveEntry(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        RemoveTree(path);
    } else if (attributes != INVALID_FILE_ATTRIBUTES) {
        SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(path.c_str());
    }
    return GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES;
}

ScratchFolder::ScratchFolder(const std::wstring& name) : path_(FreshFolder(name)) {}

ScratchFolder::ScratchFolder(Place, const std::wstring& place) : path_(place) { RemoveTree(path_); }

ScratchFolder ScratchFolder::ClearedAt(const std::wstring& place) { return {Place{}, place}; }

ScratchFolder::~ScratchFolder() { RemoveTree(path_); }

bool FileExists(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string ReadWholeFile(const std::wstring& path) {
    std::ifstream in(path.c_str(), std::ios::binary);
    if (!in) {
        throw std::runtime_error("cannot read " + ToUtf8(path));
    }
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void WriteWholeFile(const std::wstring& path, const std::string& bytes) {
    std::ofstream out(path.c_str(), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out.flush()) {
        throw std::runtime_error("cannot write " + ToUtf8(path));
    }
}

void InstallFakeTool(const std::wstring& folder, const std::wstring& name, ToolEntry entry) {
    CreateFolders(folder);
    // An earlier run of the tool holds its file until it ends.
    RequireNothingRunsFrom(folder + name);
    const std::wstring source =
        BuildFolder() +
        (entry == ToolEntry::Ansi ? L"fake_ansi_archive_tool.exe" : L"fake_archive_tool.exe");
    if (!CopyFileW(source.c_str(), (folder + name).c_str(), FALSE)) {
        throw std::runtime_error("cannot copy the fake archive tool to " + ToUtf8(folder + name) +
                                 " (error " + std::to_string(GetLastError()) + ")");
    }
    DeleteFileW((folder + kToolLogName).c_str());
}

FakeToolHeldOpen::FakeToolHeldOpen(const std::wstring& folder)
    : holdFile_(folder + L"hold-open.txt") {
    WriteWholeFile(holdFile_, "");
}

FakeToolHeldOpen::~FakeToolHeldOpen() { DeleteFileW(holdFile_.c_str()); }

bool NameSameEntry(const std::wstring& one, const std::wstring& other) {
    const auto longForm = [](const std::wstring& path) {
        std::wstring form(32768, L'\0');
        form.resize(GetLongPathNameW(path.c_str(), form.data(), 32768));
        return form;
    };
    const std::wstring longOne = longForm(one);
    const std::wstring longOther = longForm(other);
    return !longOne.empty() && CompareStringW(LOCALE_INVARIANT, NORM_IGNORECASE, longOne.data(),
                                              static_cast<int>(longOne.size()), longOther.data(),
                                              static_cast<int>(longOther.size())) == CSTR_EQUAL;
}

std::vector<ToolCall> ReadToolCalls(const std::wstring& folder) {
    std::vector<ToolCall> calls;
    const std::wstring log = folder + kToolLogName;
    if (!FileExists(log)) {
        return calls;
    }
    std::istringstream lines(ReadWholeFile(log));
    std::string line;
    ToolCall current;
    while (std::getline(lines, line)) {
        if (line == "call") {
            current = ToolCall{};
        } else if (line.rfind("cmdline=", 0) == 0) {
            current.commandLine = FieldValue(line, "cmdline=");
        } else if (line.rfind("argv[", 0) == 0) {
            current.argv.push_back(FieldValue(line, line.substr(0, line.find('=') + 1)));
        } else if (line.rfind("found[", 0) == 0) {
            current.found.push_back(line.back() == '1');
        } else if (line.rfind("show=", 0) == 0) {
            current.showState = std::stoi(line.substr(5));
        } else if (line.rfind("pid=", 0) == 0) {
            current.processId = std::stoul(line.substr(4));
        } else if (line == "end") {
            // Only whole records count: the tool may still be writing the last one.
            calls.push_back(current);
        }
    }
    return calls;
}

std::vector<ToolCall> WaitForToolCalls(const std::wstring& folder, std::size_t count,
                                       unsigned timeoutMs) {
    std::vector<ToolCall> calls;
    WaitUntil([&] { return (calls = ReadToolCalls(folder)).size() >= count; }, timeoutMs);
    return calls;
}

}  // namespace tarvane::testing
