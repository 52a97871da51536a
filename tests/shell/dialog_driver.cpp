#include "shell/dialog_driver.h"

#include <stdexcept>

#include "support/utf8_win32.h"
#include "support/window_driving_win32.h"

namespace tarvane::testing {
namespace {

constexpr unsigned kAppearTimeoutMs = 15000;

HWND WaitForDialog(DWORD threadId) {
    HWND dialog = nullptr;
    WaitUntil([&] { return (dialog = FindVisibleThreadWindow(threadId, kDialogClass)) != nullptr; },
              kAppearTimeoutMs);
    return dialog;
}

// The watcher cannot throw, so it asks whether the dialog closed rather than failing a step.
bool Closes(HWND dialog) {
    return WaitUntil([&] { return !IsWindow(dialog); });
}

}  // namespace

DialogDriver::DialogDriver(Action action)
    : action_(std::move(action)), dialogThread_(GetCurrentThreadId()) {
    watcher_ = CreateThread(nullptr, 0, Watch, this, 0, nullptr);
}

DialogDriver::~DialogDriver() { Finish(); }

bool DialogDriver::Finish() {
    if (watcher_ != nullptr) {
        WaitForSingleObject(watcher_, INFINITE);
        CloseHandle(watcher_);
        watcher_ = nullptr;
    }
    return acted_;
}

DWORD WINAPI DialogDriver::Watch(void* self) {
    auto* driver = static_cast<DialogDriver*>(self);
    driver->acted_ = driver->WatchDialog();
    return 0;
}

bool DialogDriver::WatchDialog() {
    HWND dialog = WaitForDialog(dialogThread_);
    if (dialog == nullptr) {
        return false;
    }
    try {
        action_(dialog);
    } catch (const std::exception& failure) {
        // A driving step that could not be done: the dialog is cancelled below.
        leftOpen_.push_back(FromUtf8(failure.what()));
    }
    if (Closes(dialog)) {
        return true;
    }
    CancelWhatIsLeft();
    return false;
}

// Left open, the dialog would hold the test thread for ever. A message box it raised (an error
// about the typed name, say) sits on top of it and goes first.
void DialogDriver::CancelWhatIsLeft() {
    constexpr int kMostDialogs = 4;
    for (int attempt = 0; attempt < kMostDialogs; ++attempt) {
        HWND dialog = FindVisibleThreadWindow(dialogThread_, kDialogClass);
        if (dialog == nullptr) {
            return;
        }
        std::wstring said = WindowText(dialog);
        for (const std::wstring& text : ChildTexts(dialog, L"Static")) {
            said += L" | " + text;
        }
        leftOpen_.push_back(said);
        PostCommand(dialog, IDCANCEL);
        Closes(dialog);
    }
}

OwnerWindow::OwnerWindow()
    : handle(CreateWindowExW(0, L"STATIC", L"owner", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr,
                             nullptr, nullptr, nullptr)) {
    if (handle == nullptr) {
        throw std::runtime_error("cannot make the owner window");
    }
}

OwnerWindow::~OwnerWindow() { DestroyWindow(handle); }

std::vector<std::wstring> ChildTexts(HWND dialog, const wchar_t* className) {
    std::vector<std::wstring> texts;
    for (HWND child : ChildWindows(dialog)) {
        if (lstrcmpiW(ClassNameOf(child).c_str(), className) == 0) {
            texts.push_back(WindowText(child));
        }
    }
    return texts;
}

std::vector<std::wstring> ComboItems(HWND combo) {
    std::vector<std::wstring> items;
    const LRESULT count = SendMessageW(combo, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        std::wstring item(static_cast<std::size_t>(SendMessageW(combo, CB_GETLBTEXTLEN, i, 0)) + 1,
                          L'\0');
        item.resize(static_cast<std::size_t>(
            SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item.data()))));
        items.push_back(item);
    }
    return items;
}

}  // namespace tarvane::testing
