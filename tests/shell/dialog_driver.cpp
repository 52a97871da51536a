#include "shell/dialog_driver.h"

#include <stdexcept>

#include "support/window_search_win32.h"

namespace tarvane::testing {
namespace {

constexpr DWORD kAppearTimeoutMs = 15000;
constexpr DWORD kCloseTimeoutMs = 10000;
constexpr DWORD kPollMs = 20;

HWND WaitForDialog(DWORD threadId) {
    for (DWORD waited = 0; waited < kAppearTimeoutMs; waited += kPollMs) {
        if (HWND dialog = FindVisibleThreadWindow(threadId, kDialogClass)) {
            return dialog;
        }
        Sleep(kPollMs);
    }
    return nullptr;
}

bool WaitUntilGone(HWND dialog) {
    for (DWORD waited = 0; waited < kCloseTimeoutMs; waited += kPollMs) {
        if (!IsWindow(dialog)) {
            return true;
        }
        Sleep(kPollMs);
    }
    return false;
}

struct ChildSearch {
    const wchar_t* className;
    std::vector<std::wstring> texts;
};

BOOL CALLBACK CollectChild(HWND child, LPARAM context) {
    auto& search = *reinterpret_cast<ChildSearch*>(context);
    wchar_t name[64] = {};
    GetClassNameW(child, name, 64);
    if (lstrcmpiW(name, search.className) == 0) {
        search.texts.push_back(WindowText(child));
    }
    return TRUE;
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
    action_(dialog);
    if (WaitUntilGone(dialog)) {
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
        PressButton(dialog, IDCANCEL);
        WaitUntilGone(dialog);
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

void PressButton(HWND dialog, int id) {
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

std::vector<std::wstring> ChildTexts(HWND dialog, const wchar_t* className) {
    ChildSearch search{className, {}};
    EnumChildWindows(dialog, CollectChild, reinterpret_cast<LPARAM>(&search));
    return search.texts;
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
