#include "support/dialog_watcher_win32.h"

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

DialogWatcher::DialogWatcher(Action action)
    : action_(std::move(action)), dialogThread_(GetCurrentThreadId()) {
    watcher_ = CreateThread(nullptr, 0, Watch, this, 0, nullptr);
}

DialogWatcher::~DialogWatcher() { Wait(); }

// The test thread owns the dialog's owner window: it answers the messages that the driving
// functions send there (WaitUntilGone asks the owner whether it is done) while it waits.
void DialogWatcher::Wait() {
    if (watcher_ == nullptr) {
        return;
    }
    while (MsgWaitForMultipleObjects(1, &watcher_, FALSE, INFINITE, QS_SENDMESSAGE) ==
           WAIT_OBJECT_0 + 1) {
        MSG ignored;
        PeekMessageW(&ignored, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
    CloseHandle(watcher_);
    watcher_ = nullptr;
}

void DialogWatcher::Finish() {
    Wait();
    if (!acted_) {
        std::wstring why = L"no dialog came up, or it was left open:";
        for (const std::wstring& left : leftOpen_) {
            why += L" [" + left + L"]";
        }
        throw std::runtime_error(ToUtf8(why));
    }
}

DWORD WINAPI DialogWatcher::Watch(void* self) {
    auto* watcher = static_cast<DialogWatcher*>(self);
    watcher->acted_ = watcher->WatchDialog();
    return 0;
}

bool DialogWatcher::WatchDialog() {
    HWND dialog = WaitForDialog(dialogThread_);
    if (dialog == nullptr) {
        return false;
    }
    bool done = true;
    try {
        action_(dialog);
    } catch (const std::exception& failure) {
        // A driving step that could not be done: the dialog is cancelled below.
        leftOpen_.push_back(FromUtf8(failure.what()));
        done = false;
    }
    if (done && Closes(dialog)) {
        return true;
    }
    CancelWhatIsLeft();
    return false;
}

// Left open, the dialog would hold the test thread for ever. A message box it raised (an error
// about the typed name, say) sits on top of it and goes first.
void DialogWatcher::CancelWhatIsLeft() {
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

}  // namespace tarvane::testing
