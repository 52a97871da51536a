#pragma once
// Memory inside another process, for messages whose parameter points to memory that the receiving
// window reads or writes: the system hands such a pointer across processes unchanged, so it must
// be valid in the receiver.
#include <windows.h>

#include <cstddef>
#include <memory>

namespace tarvane::testing {

class RemoteMemory {
  public:
    RemoteMemory(HANDLE process, std::size_t size);
    // In the process that owns the window, be it this one or another program.
    RemoteMemory(HWND window, std::size_t size);
    ~RemoteMemory();
    RemoteMemory(const RemoteMemory&) = delete;
    RemoteMemory& operator=(const RemoteMemory&) = delete;

    // The address in the other process, offset bytes in, as a message parameter.
    LPARAM At(std::size_t offset = 0) const;
    void Write(const void* bytes, std::size_t size, std::size_t offset = 0) const;
    void Read(void* bytes, std::size_t size, std::size_t offset = 0) const;

  private:
    struct HandleCloser {
        void operator()(HANDLE handle) const { CloseHandle(handle); }
    };

    std::unique_ptr<void, HandleCloser> openedProcess_;
    HANDLE process_;
    char* address_;
};

}  // namespace tarvane::testing
