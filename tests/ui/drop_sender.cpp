#include "ui/drop_sender.h"

#include <shlobj.h>
#include <tlhelp32.h>

#include <cstring>

#include "support/win32_files.h"
#include "ui/drop_request.h"
#include "support/window_driving_win32.h"
#include "support/remote_memory_win32.h"

namespace tarvane::testing {
namespace {

constexpr wchar_t kPosterDll[] = L"drop_poster.dll";

// The request for drop_poster.dll: the target window, then a DROPFILES block with the paths, each
// ended by a NUL, and one more NUL after the last.
std::vector<char> DropRequestBytes(HWND window, POINT point,
                                   const std::vector<std::wstring>& paths) {
    std::wstring list;
    for (const std::wstring& path : paths) {
        list += path;
        list += L'\0';
    }
    list += L'\0';
    DROPFILES header{};
    header.pFiles = sizeof(header);
    header.pt = point;
    header.fNC = FALSE;
    header.fWide = TRUE;
    const DropRequest request{window, sizeof(header) + list.size() * sizeof(wchar_t)};
    std::vector<char> bytes(sizeof(request) + request.bytes);
    std::memcpy(bytes.data(), &request, sizeof(request));
    std::memcpy(bytes.data() + sizeof(request), &header, sizeof(header));
    std::memcpy(bytes.data() + sizeof(request) + sizeof(header), list.data(),
                list.size() * sizeof(wchar_t));
    return bytes;
}

// Where a DLL is loaded in another process; nullptr when it is not.
BYTE* ModuleBase(DWORD processId, const wchar_t* dll) {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, processId);
    if (snapshot == INVALID_HANDLE_VALUE) {
        FailDriving(L"cannot list the program's modules");
    }
    MODULEENTRY32W module{};
    module.dwSize = sizeof(module);
    BYTE* base = nullptr;
    for (BOOL more = Module32FirstW(snapshot, &module); more && base == nullptr;
         more = Module32NextW(snapshot, &module)) {
        if (lstrcmpiW(module.szModule, dll) == 0) {
            base = module.modBaseAddr;
        }
    }
    CloseHandle(snapshot);
    return base;
}

// A function of a DLL loaded here and in the other process lies at the same offset from the
// DLL's base in both.
LPTHREAD_START_ROUTINE RemoteFunction(DWORD processId, const wchar_t* dll, const char* name) {
    HMODULE local = GetModuleHandleW(dll);
    BYTE* remote = ModuleBase(processId, dll);
    if (local == nullptr || remote == nullptr) {
        FailDriving(std::wstring(L"no ") + dll + L" in the program");
    }
    const auto* function = reinterpret_cast<BYTE*>(GetProcAddress(local, name));
    if (function == nullptr) {
        FailDriving(std::wstring(L"no function ") + FromUtf8(name) + L" in " + dll);
    }
    return reinterpret_cast<LPTHREAD_START_ROUTINE>(remote +
                                                    (function - reinterpret_cast<BYTE*>(local)));
}

DWORD RunRemoteThread(HANDLE process, LPTHREAD_START_ROUTINE start, LPARAM parameter) {
    HANDLE thread = CreateRemoteThread(process, nullptr, 0, start,
                                       reinterpret_cast<void*>(parameter), 0, nullptr);
    if (thread == nullptr) {
        FailDriving(L"cannot start a thread in the program");
    }
    DWORD result = STILL_ACTIVE;
    const bool ended = WaitForSingleObject(thread, kWaitMs) == WAIT_OBJECT_0;
    GetExitCodeThread(thread, &result);
    CloseHandle(thread);
    if (!ended) {
        FailDriving(L"a thread in the program did not end");
    }
    return result;
}

void LoadPosterInto(HANDLE process, DWORD processId) {
    const std::wstring path = BuildFolder() + kPosterDll;
    if (GetModuleHandleW(kPosterDll) == nullptr && LoadLibraryW(path.c_str()) == nullptr) {
        FailDriving(L"cannot load " + path);
    }
    if (ModuleBase(processId, kPosterDll) != nullptr) {
        return;
    }
    const RemoteMemory remotePath(process, (path.size() + 1) * sizeof(wchar_t));
    remotePath.Write(path.c_str(), (path.size() + 1) * sizeof(wchar_t));
    RunRemoteThread(process, RemoteFunction(processId, L"kernel32.dll", "LoadLibraryW"),
                    remotePath.At());
}

}  // namespace

void PostFileDrop(const PROCESS_INFORMATION& program, HWND window, POINT point,
                  const std::vector<std::wstring>& paths) {
    const HANDLE process = program.hProcess;
    const DWORD processId = program.dwProcessId;
    LoadPosterInto(process, processId);
    const std::vector<char> request = DropRequestBytes(window, point, paths);
    const RemoteMemory remoteRequest(process, request.size());
    remoteRequest.Write(request.data(), request.size());
    if (RunRemoteThread(process, RemoteFunction(processId, kPosterDll, "PostDrop"),
                        remoteRequest.At()) != 0) {
        FailDriving(L"the drop could not be posted to the window");
    }
}

}  // namespace tarvane::testing
