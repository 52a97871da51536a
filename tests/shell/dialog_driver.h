#pragma once
// Works a modal dialog that the test thread is about to open, as a user would: a second thread
// waits for the dialog to come up on the test thread, then acts on it (reads it, types, presses
// buttons). Test assertions stay on the test thread: the action only records what it saw.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace tarvane::testing {

class DialogDriver {
  public:
    using Action = std::function<void(HWND dialog)>;

    // Starts watching for a dialog of the calling thread.
    explicit DialogDriver(Action action);
    // Waits for the watcher to finish.
    ~DialogDriver();
    DialogDriver(const DialogDriver&) = delete;
    DialogDriver& operator=(const DialogDriver&) = delete;

    // Waits for the watcher; false when no dialog came up, or it had to be cancelled because the
    // action did not close it.
    bool Finish();

    // What the dialogs that the watcher had to cancel said (caption and texts), and why a driving
    // step of the action failed.
    const std::vector<std::wstring>& LeftOpen() const { return leftOpen_; }

  private:
    static DWORD WINAPI Watch(void* self);
    bool WatchDialog();
    void CancelWhatIsLeft();

    Action action_;
    DWORD dialogThread_;
    HANDLE watcher_ = nullptr;
    bool acted_ = false;
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

// The texts of the dialog's child windows of one class, in window order.
std::vector<std::wstring> ChildTexts(HWND dialog, const wchar_t* className);

// The items of a combo box.
std::vector<std::wstring> ComboItems(HWND combo);

}  // namespace tarvane::testing
