#pragma once
// base/ holds the small helpers that every part of the program may use: who owns a Win32
// resource, which functions are looked up at run time, what a path names on disk, how a whole
// file is replaced in one step, and how a failure is told in the system's own words. Nothing here
// knows of settings, windows or archives.
//
// This header is the one rule for Win32 resources: whatever is opened, created or allocated, and
// not given back on the next line, is owned by one of these from that moment on, and is given
// back on every path out.
#include <windows.h>
#include <objbase.h>
#include <shellapi.h>

#include <utility>

namespace tarvane {

// Owns one resource of the kind that Traits describes: its type, the value that means "none",
// and how it is given back.
template <typename Traits>
class Scoped {
  public:
    using Handle = typename Traits::Handle;

    Scoped() = default;
    explicit Scoped(Handle handle) : handle_(handle) {}
    ~Scoped() { Release(); }
    Scoped(Scoped&& other) noexcept : handle_(std::exchange(other.handle_, Traits::None())) {}
    Scoped& operator=(Scoped&& other) noexcept {
        if (this != &other) {
            Release();
            handle_ = std::exchange(other.handle_, Traits::None());
        }
        return *this;
    }

    Handle get() const { return handle_; }
    bool valid() const { return Traits::Holds(handle_); }

    // Gives back what is held, and takes the given resource instead.
    void reset(Handle handle = Traits::None()) {
        Release();
        handle_ = handle;
    }

    // For functions that hand a new resource out through a pointer, into one that holds none.
    Handle* receive() { return &handle_; }

  private:
    void Release() {
        if (valid()) {
            Traits::Close(handle_);
        }
    }

    Handle handle_ = Traits::None();
};

// Most resources say "none" as null; CreateFileW's and FindFirstFileW's handles say it as
// INVALID_HANDLE_VALUE.
template <typename Type>
struct NoneIsNull {
    using Handle = Type;
    static Handle None() { return nullptr; }
    static bool Holds(Handle handle) { return handle != nullptr; }
};

struct NoneIsInvalid {
    using Handle = HANDLE;
    static Handle None() { return INVALID_HANDLE_VALUE; }
    static bool Holds(Handle handle) { return handle != INVALID_HANDLE_VALUE; }
};

// CreateFileW's handles.
struct FileTraits : NoneIsInvalid {
    static void Close(Handle handle) { CloseHandle(handle); }
};
struct FindTraits : NoneIsInvalid {
    static void Close(Handle handle) { FindClose(handle); }
};
// Processes, threads and access tokens.
struct KernelObjectTraits : NoneIsNull<HANDLE> {
    static void Close(Handle handle) { CloseHandle(handle); }
};
struct RegistryKeyTraits : NoneIsNull<HKEY> {
    static void Close(Handle handle) { RegCloseKey(handle); }
};
template <typename Object>
struct GdiObjectTraits : NoneIsNull<Object> {
    static void Close(Object handle) { DeleteObject(handle); }
};
struct AcceleratorTraits : NoneIsNull<HACCEL> {
    static void Close(Handle handle) { DestroyAcceleratorTable(handle); }
};
// A dropped set of files belongs to the window that received it, whatever it did with them.
struct DropTraits : NoneIsNull<HDROP> {
    static void Close(Handle handle) { DragFinish(handle); }
};
// Memory that the system allocated for the caller with LocalAlloc.
template <typename Pointer>
struct LocalMemoryTraits : NoneIsNull<Pointer> {
    static void Close(Pointer memory) { LocalFree(memory); }
};
// Memory that a COM or shell function allocated for the caller.
template <typename Pointer>
struct TaskMemoryTraits : NoneIsNull<Pointer> {
    static void Close(Pointer memory) { CoTaskMemFree(memory); }
};

// A COM interface pointer holding one reference.
template <typename Interface>
struct ComTraits : NoneIsNull<Interface*> {
    static void Close(Interface* object) { object->Release(); }
};

using ScopedFile = Scoped<FileTraits>;
using ScopedKernelObject = Scoped<KernelObjectTraits>;
using ScopedFind = Scoped<FindTraits>;
using ScopedRegistryKey = Scoped<RegistryKeyTraits>;
using ScopedFont = Scoped<GdiObjectTraits<HFONT>>;
using ScopedAccelerators = Scoped<AcceleratorTraits>;
using ScopedDrop = Scoped<DropTraits>;
template <typename Pointer>
using ScopedLocalMemory = Scoped<LocalMemoryTraits<Pointer>>;
template <typename Pointer>
using ScopedTaskMemory = Scoped<TaskMemoryTraits<Pointer>>;
template <typename Interface>
using ScopedCom = Scoped<ComTraits<Interface>>;

// A window's device context, given back to the window (a null one is refused harmlessly).
class ScopedWindowDC {
  public:
    explicit ScopedWindowDC(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~ScopedWindowDC() { ReleaseDC(window_, dc_); }
    ScopedWindowDC(const ScopedWindowDC&) = delete;
    ScopedWindowDC& operator=(const ScopedWindowDC&) = delete;

    HDC get() const { return dc_; }

  private:
    HWND window_;
    HDC dc_;
};

// An object selected into a device context for a while; the one it replaced goes back after.
class ScopedSelection {
  public:
    ScopedSelection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~ScopedSelection() { SelectObject(dc_, previous_); }
    ScopedSelection(const ScopedSelection&) = delete;
    ScopedSelection& operator=(const ScopedSelection&) = delete;

  private:
    HDC dc_;
    HGDIOBJ previous_;
};

// COM on the calling thread for as long as this lives, in a single-threaded apartment. A thread
// where COM already runs in another way keeps it, and is not ended here.
class ComOnThisThread {
  public:
    ComOnThisThread() : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ~ComOnThisThread() {
        if (SUCCEEDED(result_)) {
            CoUninitialize();
        }
    }
    ComOnThisThread(const ComOnThisThread&) = delete;
    ComOnThisThread& operator=(const ComOnThisThread&) = delete;

    // COM does not run on this thread at all: it could be started neither here nor before.
    bool Failed() const { return FAILED(result_) && result_ != RPC_E_CHANGED_MODE; }
    HRESULT Result() const { return result_; }

  private:
    HRESULT result_;
};

}  // namespace tarvane
