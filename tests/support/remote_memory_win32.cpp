#include "support/remote_memory_win32.h"

#include "support/window_driving_win32.h"

namespace tarvane::testing {

RemoteMemory::RemoteMemory(HANDLE process, std::size_t size)
    : process_(process),
      address_(static_cast<char*>(
          VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE))) {
    if (address_ == nullptr) {
        FailDriving(L"cannot reach the program's memory");
    }
}

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
