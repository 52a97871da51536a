#include "support/window_driving_win32.h"

#include <algorithm>
#include <array>
#include <stdexcept>

#include "support/remote_memory_win32.h"
#include "support/win32_files.h"

namespace tarvane::testing {
namespace {

constexpr unsigned kPollMs = 20;

INPUT KeyInput(WORD key, bool release) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(key, 0));
    input.ki.dwFlags = release ? KEYEVENTF_KEYUP : 0;
    return input;
}

BOOL CALLBACK AddToList(HWND child, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
    return TRUE;
}

}  // namespace

[[noreturn]] void FailDriving(const std::wstring& reason) {
    throw std::runtime_error(ToUtf8(reason));
}

// The owner's thread answers a sent message only between handlers or inside a modal loop, so
// once it has answered, the action that showed the dialog has run to its end or to its next box.
void WaitUntilGone(HWND dialog) {
    HWND owner = GetWindow(dialog, GW_OWNER);
    if (!WaitUntil([&] { return !IsWindow(dialog); })) {
        FailDriving(L"the dialog \"" + WindowText(dialog) + L"\" stays open");
    }
    DWORD_PTR ignored = 0;
    if (owner != nullptr &&
        !SendMessageTimeoutW(owner, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs, &ignored) &&
        IsWindow(owner)) {
        FailDriving(L"the program does not answer after its dialog closed");
    }
}

bool WaitUntil(const std::function<bool()>& condition, unsigned timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        if (condition()) {
            return true;
        }
        if (GetTickCount() - start > timeoutMs) {
            return false;
        }
        Sleep(kPollMs);
    }
}

RECT RectInParent(HWND child) {
    RECT rect{};
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

std::vector<HWND> ChildWindows(HWND parent) {
    std::vector<HWND> found;
    EnumChildWindows(parent, AddToList, reinterpret_cast<LPARAM>(&found));
    return found;
}

std::wstring WithoutAccessKeys(std::wstring caption) {
    caption.erase(std::remove(caption.begin(), caption.end(), L'&'), caption.end());
    return caption;
}

std::wstring DescribeWindows(const std::vector<HWND>& windows) {
    std::wstring described;
    for (HWND window : windows) {
        described += L" [" + ClassNameOf(window) + L" \"" + WindowText(window) + L"\"" +
                     (IsWindowVisible(window) ? L" shown]" : L" hidden]");
    }
    return described;
}

std::wstring DescribeControl(HWND window) {
    if (window == nullptr) {
        return L"no window";
    }
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    const bool child = (GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD) != 0;
    return L"[" + ClassNameOf(window) +
           (child ? L" " + std::to_wstring(GetDlgCtrlID(window))
                  : L" \"" + WindowText(window) + L"\"") +
           L" of process " + std::to_wstring(processId) + L"]";
}

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

bool DialogShowsText(HWND dialog, const std::wstring& text) {
    for (HWND child : ChildWindows(dialog)) {
        if (IsWindowVisible(child) && WindowText(child) == text) {
            return true;
        }
    }
    return false;
}

HWND DialogButton(HWND dialog, const std::wstring& caption) {
    for (HWND child : ChildWindows(dialog)) {
        if (IsWindowVisible(child) && ClassNameOf(child) == L"Button" &&
            WithoutAccessKeys(WindowText(child)) == caption) {
            return child;
        }
    }
    FailDriving(L"no button \"" + caption + L"\" in the dialog \"" + WindowText(dialog) + L"\"");
}

HWND FileNameBox(HWND fileDialog) {
    constexpr int kFileNameCombo = 0x47C;  // cmb13
    constexpr int kFileNameEdit = 0x480;   // edt1
    if (HWND combo = GetDlgItem(fileDialog, kFileNameCombo); combo && IsWindowVisible(combo)) {
        for (HWND inside : ChildWindows(combo)) {
            if (ClassNameOf(inside) == L"Edit") {
                return inside;
            }
        }
    }
    if (HWND edit = GetDlgItem(fileDialog, kFileNameEdit); edit && IsWindowVisible(edit)) {
        return edit;
    }
    std::wstring controls;
    for (HWND child : ChildWindows(fileDialog)) {
        controls += L" [" + ClassNameOf(child) + L" " + std::to_wstring(GetDlgCtrlID(child)) +
                    (IsWindowVisible(child) ? L" shown]" : L" hidden]");
    }
    FailDriving(L"no file name box in the dialog \"" + WindowText(fileDialog) + L"\":" + controls);
}

std::wstring FileTypeShown(HWND fileDialog) {
    constexpr int kFileTypeBox = 0x470;  // cmb1
    return WindowText(GetDlgItem(fileDialog, kFileTypeBox));
}

std::wstring FileDialogFolder(HWND fileDialog) {
    constexpr UINT kGetFolderPath = WM_USER + 0x0066;  // CDM_GETFOLDERPATH
    constexpr std::size_t kPathChars = 32768;
    const RemoteMemory remote(fileDialog, kPathChars * sizeof(wchar_t));
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

bool IsModalTo(HWND dialog, HWND window) {
    return GetWindow(dialog, GW_OWNER) == window && !IsWindowEnabled(window);
}

void Answer(HWND dialog, const std::wstring& button) {
    Click(DialogButton(dialog, button));
    WaitUntilGone(dialog);
}

void ChooseFile(HWND fileDialog, const std::wstring& path) {
    SetText(FileNameBox(fileDialog), path);
    Click(GetDlgItem(fileDialog, IDOK));
    WaitUntilGone(fileDialog);
}

void CancelDialog(HWND dialog) {
    Click(GetDlgItem(dialog, IDCANCEL));
    WaitUntilGone(dialog);
}

void Click(HWND button) {
    // Posted: a click that opens a modal box would otherwise hold the driver until the box closes.
    PostMessageW(button, BM_CLICK, 0, 0);
}

void PostCommand(HWND window, int commandId) {
    PostMessageW(window, WM_COMMAND, MAKEWPARAM(commandId, 0), 0);
}

void SetText(HWND control, const std::wstring& text) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()),
                             SMTO_ABORTIFHUNG, kSendTimeoutMs, &result)) {
        FailDriving(L"the control does not answer WM_SETTEXT");
    }
}

void SendDpiChange(HWND window, int dpi) {
    constexpr UINT kDpiChanged = 0x02E0;  // WM_DPICHANGED
    RECT suggested{};
    GetWindowRect(window, &suggested);
    const RemoteMemory remote(window, sizeof(suggested));
    remote.Write(&suggested, sizeof(suggested));
    DWORD_PTR ignored = 0;
    if (!SendMessageTimeoutW(window, kDpiChanged, MAKEWPARAM(dpi, dpi), remote.At(),
                             SMTO_ABORTIFHUNG, kSendTimeoutMs, &ignored)) {
        FailDriving(L"the window does not answer a DPI change");
    }
}

void PressKey(WORD key, std::initializer_list<WORD> modifiers) {
    std::vector<INPUT> inputs;
    for (WORD modifier : modifiers) {
        inputs.push_back(KeyInput(modifier, false));
    }
    inputs.push_back(KeyInput(key, false));
    inputs.push_back(KeyInput(key, true));
    for (auto modifier = std::rbegin(modifiers); modifier != std::rend(modifiers); ++modifier) {
        inputs.push_back(KeyInput(*modifier, true));
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

void TypeText(const std::wstring& text) {
    std::vector<INPUT> inputs;
    for (wchar_t character : text) {
        for (DWORD release : {DWORD{0}, DWORD{KEYEVENTF_KEYUP}}) {
            INPUT input{};
            input.type = INPUT_KEYBOARD;
            input.ki.wScan = character;
            input.ki.dwFlags = KEYEVENTF_UNICODE | release;
            inputs.push_back(input);
        }
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

void SeeRealPixels() {
    // Resolved at run time: the call exists on Windows 10 and under Wine, not on older systems.
    using SetThreadDpiAwarenessContextFn = HANDLE(WINAPI*)(HANDLE);
    const auto setAwareness =
        reinterpret_cast<SetThreadDpiAwarenessContextFn>(reinterpret_cast<void*>(
            GetProcAddress(GetModuleHandleW(L"user32.dll"), "SetThreadDpiAwarenessContext")));
    const auto perMonitorAware = reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-3));
    if (setAwareness == nullptr || setAwareness(perMonitorAware) == nullptr) {
        FailDriving(L"this system cannot show other programs' windows in real pixels");
    }
}

}  // namespace tarvane::testing
