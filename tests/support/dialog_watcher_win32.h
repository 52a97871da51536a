#pragma once
// Works a modal dialog that the test thread is about to open, as a user would: a second thread
// waits for the dialog to come up on the test thread, then acts on it through the same driving
// functions that work another program's dialogs (window_driving_win32.h, folder_tree_win32.h).
// Test assertions stay on the test thread: the action only records what it saw.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace tarvane::testing {

class DialogWatcher {
  public:
    using Action = std::function<void(HWND dialog)>;

    // Starts watching for a dialog of the calling thread.
    explicit DialogWatcher(Action action);
    // Waits for the watcher to finish.
    ~DialogWatcher();
    DialogWatcher(const DialogWatcher&) = delete;
    DialogWatcher& operator=(const DialogWatcher&) = delete;

    // Waits for the watcher; throws, saying why, when no dialog came up or it had to be cancelled
    // because the action failed or did not close it.
    void Finish();

  private:
    static DWORD WINAPI Watch(void* self);
    void Wait();
    bool WatchDialog();
    void CancelWhatIsLeft();

    Action action_;
    DWORD dialogThread_;
    HANDLE watcher_ = nullptr;
    bool acted_ = false;
    // What the dialogs that the watcher had to cancel said (caption and texts), and why a
    // driving step of the action failed.
    std::vector<std::wstring> leftOpen_;
};

// A hidden top-level window standing in for the main window that owns a dialog.
class OwnerWindow {
  public:
    OwnerWindow();  // throws when the window cannot be made
    ~OwnerWindow();
    OwnerWindow(const OwnerWindow&) = delete;
    OwnerWindow& operator=(const OwnerWindow&) = delete;

    const HWND handle;
};

}  // namespace tarvane::testing
