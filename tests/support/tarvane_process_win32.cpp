#include "support/tarvane_process_win32.h"

#include <commctrl.h>

#include <array>

#include "support/process_start_win32.h"
#include "support/win32_files.h"
#include "ui/main_window_win32.h"
#include "support/remote_memory_win32.h"

namespace tarvane::testing {
namespace {

// --- The folder browser's tree -----------------------------------------------------------------

// The text of a tree item in another process: the item record and its text buffer must lie in
// that process's memory, where the tree control writes.
std::wstring TreeItemText(HANDLE process, HWND tree, HTREEITEM item) {
    constexpr std::size_t kTextChars = MAX_PATH;
    const RemoteMemory remote(process, sizeof(TVITEMW) + kTextChars * sizeof(wchar_t));
    TVITEMW request{};
    request.mask = TVIF_TEXT;
    request.hItem = item;
    request.pszText = reinterpret_cast<wchar_t*>(remote.At(sizeof(TVITEMW)));
    request.cchTextMax = kTextChars;
    remote.Write(&request, sizeof(request));
    DWORD_PTR answered = 0;
    if (!SendMessageTimeoutW(tree, TVM_GETITEMW, 0, remote.At(), SMTO_ABORTIFHUNG, kSendTimeoutMs,
                             &answered) ||
        !answered) {
        FailDriving(L"the folder tree does not tell an item's text");
    }
    std::array<wchar_t, kTextChars> text{};
    remote.Read(text.data(), sizeof(text), sizeof(TVITEMW));
    text.back() = L'\0';
    return text.data();
}

HTREEITEM NextTreeItem(HWND tree, UINT relation, HTREEITEM from) {
    return reinterpret_cast<HTREEITEM>(
        SendMessageW(tree, TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(from)));
}

bool ItemMatches(const std::wstring& text, const std::wstring& wanted) {
    const std::wstring drive = L"(" + wanted + L")";
    return lstrcmpiW(text.c_str(), wanted.c_str()) == 0 ||
           (text.size() >= drive.size() &&
            lstrcmpiW(text.substr(text.size() - drive.size()).c_str(), drive.c_str()) == 0);
}

// The child of parent whose text matches, after expanding parent so that its children exist.
HTREEITEM ChildItem(HANDLE process, HWND tree, HTREEITEM parent, const std::wstring& wanted) {
    SendMessageW(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(parent));
    std::wstring seen;
    for (HTREEITEM child = NextTreeItem(tree, TVGN_CHILD, parent); child != nullptr;
         child = NextTreeItem(tree, TVGN_NEXT, child)) {
        const std::wstring text = TreeItemText(process, tree, child);
        if (ItemMatches(text, wanted)) {
            return child;
        }
        seen += L" \"" + text + L"\"";
    }
    FailDriving(L"no item \"" + wanted + L"\" in the folder tree; there are:" + seen);
}

}  // namespace

TarvaneProcess::TarvaneProcess(const std::wstring& exeName)
    : process_(StartProcess(BuildFolder() + exeName, BuildFolder())) {}

// The next case starts a copy of its own: this one must be gone, its windows with it, so that no
// case meets what an earlier one left behind.
TarvaneProcess::~TarvaneProcess() {
    if (Running()) {
        TerminateProcess(process_.hProcess, 1);
    }
    WaitForExit();
    WaitUntil([&] { return TopLevelWindows(nullptr).empty(); });
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
}

bool TarvaneProcess::Running() const {
    return WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT;
}

bool TarvaneProcess::WaitForExit(unsigned timeoutMs) const {
    return WaitForSingleObject(process_.hProcess, timeoutMs) == WAIT_OBJECT_0;
}

unsigned long TarvaneProcess::ExitCode() const {
    DWORD code = 0;
    GetExitCodeProcess(process_.hProcess, &code);
    return code;
}

std::vector<HWND> TarvaneProcess::TopLevelWindows(const wchar_t* className) const {
    return TopLevelWindowsOf(process_.dwProcessId, className);
}

HWND TarvaneProcess::MainWindow() const {
    const std::vector<HWND> windows = TopLevelWindows(kMainWindowClass);
    return windows.empty() ? nullptr : windows.front();
}

HWND TarvaneProcess::WaitForMainWindowShown() const {
    HWND window = nullptr;
    if (!WaitUntil([&] { return (window = MainWindow()) != nullptr && IsWindowVisible(window); })) {
        FailDriving(L"the main window did not show; the program's windows:" +
                    DescribeWindows(TopLevelWindows(nullptr)));
    }
    return window;
}

std::vector<HWND> TarvaneProcess::Dialogs() const {
    std::vector<HWND> visible;
    for (HWND dialog : TopLevelWindows(kDialogClass)) {
        if (IsWindowVisible(dialog)) {
            visible.push_back(dialog);
        }
    }
    return visible;
}

HWND TarvaneProcess::WaitForDialog(const std::wstring& title) const {
    HWND found = nullptr;
    const bool shown = WaitUntil([&] {
        for (HWND dialog : Dialogs()) {
            if (WindowText(dialog) == title) {
                found = dialog;
                return true;
            }
        }
        return false;
    });
    if (!shown) {
        FailDriving(L"no dialog \"" + title + L"\" came up; the program's windows:" +
                    DescribeWindows(TopLevelWindows(nullptr)));
    }
    return found;
}

MessageBoxSeen TarvaneProcess::WaitForMessageBox(const std::wstring& title) const {
    return ReadMessageBox(WaitForDialog(title));
}

bool TarvaneProcess::NoDialogAppears() const {
    return !WaitUntil([&] { return !Dialogs().empty(); }, kSettleMs);
}

void TarvaneProcess::ChooseFolder(HWND browser, const std::vector<std::wstring>& itemPath) const {
    HWND tree = FindWindowExW(browser, nullptr, WC_TREEVIEWW, nullptr);
    if (tree == nullptr) {
        FailDriving(L"no folder tree in \"" + WindowText(browser) + L"\"");
    }
    HTREEITEM item = NextTreeItem(tree, TVGN_ROOT, nullptr);
    for (const std::wstring& name : itemPath) {
        item = ChildItem(process_.hProcess, tree, item, name);
    }
    SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
    Click(GetDlgItem(browser, IDOK));
    WaitUntilGone(browser);
}

void TarvaneProcess::SendDpiChange(HWND window, int dpi) const {
    constexpr UINT kDpiChanged = 0x02E0;  // WM_DPICHANGED
    RECT suggested{};
    GetWindowRect(window, &suggested);
    const RemoteMemory remote(process_.hProcess, sizeof(suggested));
    remote.Write(&suggested, sizeof(suggested));
    DWORD_PTR ignored = 0;
    if (!SendMessageTimeoutW(window, kDpiChanged, MAKEWPARAM(dpi, dpi), remote.At(),
                             SMTO_ABORTIFHUNG, kSendTimeoutMs, &ignored)) {
        FailDriving(L"the window does not answer a DPI change");
    }
}

std::wstring TarvaneProcess::FileDialogFolder(HWND fileDialog) const {
    constexpr UINT kGetFolderPath = WM_USER + 0x0066;  // CDM_GETFOLDERPATH
    constexpr std::size_t kPathChars = 32768;
    const RemoteMemory remote(process_.hProcess, kPathChars * sizeof(wchar_t));
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(fileDialog, kGetFolderPath, kPathChars, remote.At(), SMTO_ABORTIFHUNG,
                             kSendTimeoutMs, &length) ||
        static_cast<LONG_PTR>(length) <= 0) {
        FailDriving(L"the file dialog does not tell its folder");
    }
    std::wstring folder(kPathChars, L'\0');
    remote.Read(folder.data(), folder.size() * sizeof(wchar_t));
    folder.resize(folder.find(L'\0'));
    return folder;
}

HWND TarvaneProcess::Focus() const {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    return GetGUIThreadInfo(process_.dwThreadId, &info) ? info.hwndFocus : nullptr;
}

void TarvaneProcess::TabTo(HWND control) const {
    const std::size_t controls = ChildWindows(GetAncestor(control, GA_ROOT)).size();
    for (std::size_t presses = 0; Focus() != control; ++presses) {
        if (presses == controls) {
            FailDriving(L"Tab never reaches the control \"" + WindowText(control) + L"\"");
        }
        PressKey(VK_TAB);
        WaitUntil([&] { return Focus() == control; }, 500);
    }
}

void TarvaneProcess::BringToFront(HWND window) const {
    if (!WaitUntil([&] {
            SetForegroundWindow(window);
            return GetForegroundWindow() == window;
        })) {
        FailDriving(L"cannot bring \"" + WindowText(window) + L"\" to the foreground");
    }
}

HWND MainWindowAfterStart(const TarvaneProcess& program, bool answerFirstStartQuestion) {
    if (answerFirstStartQuestion) {
        Answer(program.WaitForDialog(L"Tarvane"), L"No");
    }
    return program.WaitForMainWindowShown();
}

}  // namespace tarvane::testing
