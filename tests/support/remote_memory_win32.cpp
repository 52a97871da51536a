#include "support/remote_memory_win32.h"

#include "support/window_driving_win32.h"

namespace tarvane::testing {
namespace {

HANDLE OpenProcessOf(HWND window) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    HANDLE process =
        OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
    if (process == nullptr) {
        FailDriving(L"cannot open the process of the window \"" + WindowText(window) + L"\"");
    }
    return process;
}

char* Allocate(HANDLE process, std::size_t size) {
    void* address =
        VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    if (address == nullptr) {
        FailDriving(L"cannot reach the program's memory");
    }
    return static_cast<char*>(address);
}

}  // namespace

RemoteMemory::RemoteMemory(HANDLE process, std::size_t size)
    : process_(process), address_(Allocate(process, size)) {}

RemoteMemory::RemoteMemory(HWND window, std::size_t size)
    : openedProcess_(OpenProcessOf(window)),
      process_(openedProcess_.get()),
      address_(Allocate(process_, size)) {}

RemoteMemory::~RemoteMemory() { VirtualFreeEx(process_, address_, 0, MEM_RELEASE); }

LPARAM RemoteMemory::At(std::size_t offset) const {
    return reinterpret_cast<LPARAM>(address_ + offset);
}

void RemoteMemory::Write(const void* bytes, std::size_t size, std::size_t offset) const {
    if (!WriteProcessMemory(process_, address_ + offset, bytes, size, nullptr)) {
        FailDriving(L"cannot write into the program's memory");
    }
}

void RemoteMemory::Read(void* bytes, std::size_t size, std::size_t offset) const {
    if (!ReadProcessMemory(process_, address_ + offset, bytes, size, nullptr)) {
        FailDriving(L"cannot read the program's memory");
    }
}

}  // namespace tarvane::testing
