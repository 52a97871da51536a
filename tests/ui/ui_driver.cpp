#include "ui/ui_driver.h"

#include <algorithm>
#include <commctrl.h>

#include <array>
#include <cstdint>
#include <stdexcept>

#include "startup/ini_location.h"
#include "startup/special_folder.h"
#include "startup/special_folder_win32.h"
#include "support/win32_files.h"

namespace tarvane::testing {
namespace {

constexpr wchar_t kMainWindowClass[] = L"TarvaneMainWindow";
constexpr wchar_t kDialogClass[] = L"#32770";
constexpr unsigned kPollMs = 20;
// A window that does not answer a sent message within this time counts as hung.
constexpr UINT kSendTimeoutMs = 5000;

[[noreturn]] void Fail(const std::wstring& what) { throw std::runtime_error(ToUtf8(what)); }

std::wstring WithoutAccessKeys(std::wstring caption) {
    caption.erase(std::remove(caption.begin(), caption.end(), L'&'), caption.end());
    return caption;
}

std::vector<HWND> Children(HWND parent) {
    std::vector<HWND> found;
    EnumChildWindows(
        parent,
        [](HWND child, LPARAM list) {
            reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

bool IsIconStatic(HWND control) {
    return ClassNameOf(control) == L"Static" &&
           (GetWindowLongPtrW(control, GWL_STYLE) & SS_TYPEMASK) == SS_ICON;
}

// --- Recognising a message box's icon by what is on screen -----------------------------------

using Pixels = std::vector<std::uint32_t>;

// A 32-bit top-down bitmap that a device context can draw into.
class PixelCanvas {
  public:
    PixelCanvas(int width, int height) : width_(width), height_(height) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        dc_ = CreateCompatibleDC(nullptr);
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits_, nullptr, 0);
        previous_ = SelectObject(dc_, bitmap_);
    }
    ~PixelCanvas() {
        SelectObject(dc_, previous_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    PixelCanvas(const PixelCanvas&) = delete;
    PixelCanvas& operator=(const PixelCanvas&) = delete;

    HDC Dc() const { return dc_; }
    Pixels Read() const {
        GdiFlush();
        const auto* first = static_cast<const std::uint32_t*>(bits_);
        Pixels pixels(first, first + static_cast<std::size_t>(width_) * height_);
        for (std::uint32_t& pixel : pixels) {
            pixel &= 0xFFFFFF;
        }
        return pixels;
    }

  private:
    int width_;
    int height_;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    void* bits_ = nullptr;
};

Pixels ScreenPixels(const RECT& area) {
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    PixelCanvas canvas(width, height);
    HDC screen = GetDC(nullptr);
    BitBlt(canvas.Dc(), 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
    ReleaseDC(nullptr, screen);
    return canvas.Read();
}

// The system icon as the icon control would draw it, on the background that the screen shows.
Pixels DrawnIcon(const wchar_t* systemIcon, int width, int height, std::uint32_t background) {
    PixelCanvas canvas(width, height);
    const COLORREF colour =
        RGB((background >> 16) & 0xFF, (background >> 8) & 0xFF, background & 0xFF);
    HBRUSH brush = CreateSolidBrush(colour);
    const RECT all{0, 0, width, height};
    FillRect(canvas.Dc(), &all, brush);
    DeleteObject(brush);
    auto icon =
        static_cast<HICON>(LoadImageW(nullptr, systemIcon, IMAGE_ICON, width, height, LR_SHARED));
    DrawIconEx(canvas.Dc(), 0, 0, icon, width, height, 0, nullptr, DI_NORMAL);
    return canvas.Read();
}

std::size_t DifferingPixels(const Pixels& a, const Pixels& b) {
    std::size_t differing = 0;
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) {
        differing += a[i] != b[i] ? 1 : 0;
    }
    return differing;
}

BoxIcon RecogniseIcon(HWND iconControl) {
    struct Candidate {
        const wchar_t* systemIcon;
        BoxIcon icon;
    };
    const std::array<Candidate, 4> candidates{{{IDI_HAND, BoxIcon::Error},
                                               {IDI_QUESTION, BoxIcon::Question},
                                               {IDI_EXCLAMATION, BoxIcon::Warning},
                                               {IDI_ASTERISK, BoxIcon::Information}}};
    RECT area{};
    GetWindowRect(iconControl, &area);
    const Pixels seen = ScreenPixels(area);
    if (seen.empty()) {
        return BoxIcon::Unrecognised;
    }
    // The icon's corner is transparent, so it shows the box's own background.
    for (const Candidate& candidate : candidates) {
        const Pixels drawn = DrawnIcon(candidate.systemIcon, area.right - area.left,
                                       area.bottom - area.top, seen.front());
        if (DifferingPixels(seen, drawn) == 0) {
            return candidate.icon;
        }
    }
    return BoxIcon::Unrecognised;
}

BoxIcon IconShownBy(HWND box) {
    for (HWND child : Children(box)) {
        // A box without an icon may keep its icon control, shown but empty.
        if (IsIconStatic(child) && IsWindowVisible(child) &&
            SendMessageW(child, STM_GETICON, 0, 0) != 0) {
            BoxIcon icon = BoxIcon::Unrecognised;
            // The box may not have painted itself yet.
            WaitUntil([&] { return (icon = RecogniseIcon(child)) != BoxIcon::Unrecognised; });
            return icon;
        }
    }
    return BoxIcon::None;
}

// --- The folder browser's tree -----------------------------------------------------------------

// The text of a tree item in another process: the item record and its text buffer must lie in
// that process's memory, where the tree control writes.
std::wstring TreeItemText(HANDLE process, HWND tree, HTREEITEM item) {
    constexpr std::size_t kTextChars = MAX_PATH;
    const std::size_t size = sizeof(TVITEMW) + kTextChars * sizeof(wchar_t);
    auto* remote = static_cast<char*>(
        VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
    if (remote == nullptr) {
        Fail(L"cannot reach the program's memory");
    }
    TVITEMW request{};
    request.mask = TVIF_TEXT;
    request.hItem = item;
    request.pszText = reinterpret_cast<wchar_t*>(remote + sizeof(TVITEMW));
    request.cchTextMax = kTextChars;
    std::array<wchar_t, kTextChars> text{};
    WriteProcessMemory(process, remote, &request, sizeof(request), nullptr);
    DWORD_PTR answered = 0;
    if (SendMessageTimeoutW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(remote),
                            SMTO_ABORTIFHUNG, kSendTimeoutMs, &answered) &&
        answered) {
        ReadProcessMemory(process, remote + sizeof(TVITEMW), text.data(),
                          kTextChars * sizeof(wchar_t), nullptr);
    }
    VirtualFreeEx(process, remote, 0, MEM_RELEASE);
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
    Fail(L"no item \"" + wanted + L"\" in the folder tree; there are:" + seen);
}

// --- Keyboard ----------------------------------------------------------------------------------

INPUT KeyInput(WORD key, bool release) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(key, 0));
    input.ki.dwFlags = release ? KEYEVENTF_KEYUP : 0;
    return input;
}

// --- The settings file -------------------------------------------------------------------------

bool FolderExists(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::wstring SettingsFilePath() {
    return ChooseIniFilePath(FolderExists(kFixedSettingsFolder),
                             GetSpecialFolder(kCommonAppDataId));
}

// The program writes its settings as UTF-16 with a byte-order mark; older files are ANSI.
std::wstring DecodeSettings(const std::string& bytes) {
    if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
        static_cast<unsigned char>(bytes[1]) == 0xFE) {
        std::wstring text((bytes.size() - 2) / 2, L'\0');
        for (std::size_t i = 0; i < text.size(); ++i) {
            text[i] = static_cast<wchar_t>(static_cast<unsigned char>(bytes[2 + 2 * i]) |
                                           static_cast<unsigned char>(bytes[3 + 2 * i]) << 8);
        }
        return text;
    }
    const int size =
        MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    std::wstring text(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), text.data(), size);
    return text;
}

std::string EncodeSettings(const std::wstring& text) {
    std::string bytes = "\xFF\xFE";
    for (wchar_t c : text) {
        bytes += static_cast<char>(c & 0xFF);
        bytes += static_cast<char>((c >> 8) & 0xFF);
    }
    return bytes;
}

// Class, caption and visibility of each window, for failure messages.
std::wstring Describe(const std::vector<HWND>& windows) {
    std::wstring described;
    for (HWND window : windows) {
        described += L" [" + ClassNameOf(window) + L" \"" + WindowText(window) + L"\"" +
                     (IsWindowVisible(window) ? L" shown]" : L" hidden]");
    }
    return described;
}

}  // namespace

std::ostream& operator<<(std::ostream& out, BoxIcon icon) {
    switch (icon) {
        case BoxIcon::None:
            return out << "no icon";
        case BoxIcon::Error:
            return out << "error icon";
        case BoxIcon::Question:
            return out << "question icon";
        case BoxIcon::Warning:
            return out << "warning icon";
        case BoxIcon::Information:
            return out << "information icon";
        case BoxIcon::Unrecognised:
            break;
    }
    return out << "unrecognised icon";
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

std::wstring WindowText(HWND window) {
    std::array<wchar_t, 4096> text{};
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                             SMTO_ABORTIFHUNG, kSendTimeoutMs, &copied)) {
        Fail(L"the window does not answer WM_GETTEXT");
    }
    return std::wstring(text.data(), copied);
}

std::wstring ClassNameOf(HWND window) {
    std::array<wchar_t, 256> name{};
    return std::wstring(name.data(),
                        GetClassNameW(window, name.data(), static_cast<int>(name.size())));
}

RECT RectInParent(HWND child) {
    RECT rect{};
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

MessageBoxSeen ReadMessageBox(HWND box) {
    MessageBoxSeen seen;
    seen.handle = box;
    seen.title = WindowText(box);
    std::vector<HWND> buttons;
    for (HWND child : Children(box)) {
        if (!IsWindowVisible(child)) {
            continue;
        }
        const std::wstring kind = ClassNameOf(child);
        if (kind == L"Button") {
            buttons.push_back(child);
        } else if (kind == L"Static" && !IsIconStatic(child) && seen.text.empty()) {
            seen.text = WindowText(child);
        }
    }
    std::sort(buttons.begin(), buttons.end(),
              [](HWND a, HWND b) { return RectInParent(a).left < RectInParent(b).left; });
    for (HWND button : buttons) {
        seen.buttons.push_back(WithoutAccessKeys(WindowText(button)));
    }
    seen.icon = IconShownBy(box);
    return seen;
}

bool DialogShowsText(HWND dialog, const std::wstring& text) {
    for (HWND child : Children(dialog)) {
        if (IsWindowVisible(child) && WindowText(child) == text) {
            return true;
        }
    }
    return false;
}

HWND DialogButton(HWND dialog, const std::wstring& caption) {
    for (HWND child : Children(dialog)) {
        if (IsWindowVisible(child) && ClassNameOf(child) == L"Button" &&
            WithoutAccessKeys(WindowText(child)) == caption) {
            return child;
        }
    }
    Fail(L"no button \"" + caption + L"\" in the dialog \"" + WindowText(dialog) + L"\"");
}

namespace {

// Waits until the dialog is gone and the action that showed it has run to its end (or has come
// to its next modal box): the owner's thread answers a sent message only between handlers or
// inside a modal loop.
void WaitUntilGone(HWND dialog) {
    HWND owner = GetWindow(dialog, GW_OWNER);
    if (!WaitUntil([&] { return !IsWindow(dialog); })) {
        Fail(L"the dialog \"" + WindowText(dialog) + L"\" stays open");
    }
    DWORD_PTR ignored = 0;
    if (owner != nullptr &&
        !SendMessageTimeoutW(owner, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs, &ignored) &&
        IsWindow(owner)) {
        Fail(L"the program does not answer after its dialog closed");
    }
}

// The file name box of the file-open dialog: an edit box of its own, or the edit box inside a
// combo box (a ComboBoxEx under Wine), depending on the dialog's template.
HWND FileNameBox(HWND fileDialog) {
    constexpr int kFileNameCombo = 0x47C;  // cmb13
    constexpr int kFileNameEdit = 0x480;   // edt1
    if (HWND combo = GetDlgItem(fileDialog, kFileNameCombo); combo && IsWindowVisible(combo)) {
        for (HWND inside : Children(combo)) {
            if (ClassNameOf(inside) == L"Edit") {
                return inside;
            }
        }
    }
    if (HWND edit = GetDlgItem(fileDialog, kFileNameEdit); edit && IsWindowVisible(edit)) {
        return edit;
    }
    std::wstring controls;
    for (HWND child : Children(fileDialog)) {
        controls += L" [" + ClassNameOf(child) + L" " + std::to_wstring(GetDlgCtrlID(child)) +
                    (IsWindowVisible(child) ? L" shown]" : L" hidden]");
    }
    Fail(L"no file name box in the dialog \"" + WindowText(fileDialog) + L"\":" + controls);
}

}  // namespace

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
        Fail(L"the control does not answer WM_SETTEXT");
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
    // Let the keys reach the program's queue before anything else happens.
    Sleep(50);
}

void SeeRealPixels() {
    // Resolved at run time: the call exists on Windows 10 and under Wine, not on older systems.
    using SetThreadDpiAwarenessContextFn = HANDLE(WINAPI*)(HANDLE);
    const auto setAwareness =
        reinterpret_cast<SetThreadDpiAwarenessContextFn>(reinterpret_cast<void*>(
            GetProcAddress(GetModuleHandleW(L"user32.dll"), "SetThreadDpiAwarenessContext")));
    const auto perMonitorAware = reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-3));
    if (setAwareness == nullptr || setAwareness(perMonitorAware) == nullptr) {
        Fail(L"this system cannot show other programs' windows in real pixels");
    }
}

namespace {

constexpr wchar_t kDesktopKey[] = L"Control Panel\\Desktop";
constexpr wchar_t kLogPixels[] = L"LogPixels";

void SetLogPixels(const std::optional<DWORD>& dpi) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kDesktopKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS) {
        Fail(L"cannot open the display settings");
    }
    if (dpi) {
        RegSetValueExW(key, kLogPixels, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&*dpi),
                       sizeof(DWORD));
    } else {
        RegDeleteValueW(key, kLogPixels);
    }
    RegCloseKey(key);
}

}  // namespace

ScreenDpiSetting::ScreenDpiSetting(DWORD dpi) {
    DWORD saved = 0;
    DWORD size = sizeof(saved);
    if (RegGetValueW(HKEY_CURRENT_USER, kDesktopKey, kLogPixels, RRF_RT_REG_DWORD, nullptr, &saved,
                     &size) == ERROR_SUCCESS) {
        saved_ = saved;
    }
    SetLogPixels(dpi);
}

ScreenDpiSetting::~ScreenDpiSetting() { SetLogPixels(saved_); }

SettingsFileState::SettingsFileState() : path_(SettingsFilePath()) {
    if (FileExists(path_)) {
        saved_ = ReadWholeFile(path_);
    }
}

SettingsFileState::~SettingsFileState() {
    if (saved_) {
        WriteWholeFile(path_, *saved_);
    } else {
        Remove();
    }
}

void SettingsFileState::Remove() const {
    DeleteFileW(path_.c_str());
    RemoveDirectoryW(path_.c_str());
}

void SettingsFileState::BlockWithFolder() const {
    Remove();
    if (!CreateDirectoryW(path_.c_str(), nullptr)) {
        Fail(L"cannot create a folder in place of " + path_);
    }
}

void SettingsFileState::StoreTool(const std::wstring& value) const {
    WriteWholeFile(path_, EncodeSettings(L"[Paths]\r\nArchive=" + value + L"\r\n"));
}

std::optional<std::wstring> SettingsFileState::StoredTool() const {
    if (!FileExists(path_)) {
        return std::nullopt;
    }
    const std::wstring text = DecodeSettings(ReadWholeFile(path_));
    const std::wstring key = L"Archive=";
    for (std::size_t line = 0; line < text.size();) {
        std::size_t end = text.find_first_of(L"\r\n", line);
        if (end == std::wstring::npos) {
            end = text.size();
        }
        if (text.compare(line, key.size(), key) == 0) {
            return text.substr(line + key.size(), end - line - key.size());
        }
        line = text.find_first_not_of(L"\r\n", end);
        if (line == std::wstring::npos) {
            break;
        }
    }
    return std::nullopt;
}

TarvaneProcess::TarvaneProcess() {
    const std::wstring program = BuildFolder() + L"Tarvane.exe";
    std::wstring commandLine = L"\"" + program + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        BuildFolder().c_str(), &startup, &process_)) {
        Fail(L"cannot start " + program);
    }
}

TarvaneProcess::~TarvaneProcess() {
    if (Running()) {
        TerminateProcess(process_.hProcess, 1);
        WaitForSingleObject(process_.hProcess, kWaitMs);
    }
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
}

bool TarvaneProcess::Running() const {
    return WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT;
}

bool TarvaneProcess::WaitForExit(unsigned timeoutMs) const {
    return WaitForSingleObject(process_.hProcess, timeoutMs) == WAIT_OBJECT_0;
}

std::vector<HWND> TarvaneProcess::TopLevelWindows(const wchar_t* className) const {
    struct Search {
        DWORD processId;
        const wchar_t* className;
        std::vector<HWND> found;
    } search{process_.dwProcessId, className, {}};
    EnumWindows(
        [](HWND window, LPARAM context) {
            auto* search = reinterpret_cast<Search*>(context);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == search->processId &&
                (search->className == nullptr || ClassNameOf(window) == search->className)) {
                search->found.push_back(window);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND TarvaneProcess::MainWindow() const {
    const std::vector<HWND> windows = TopLevelWindows(kMainWindowClass);
    return windows.empty() ? nullptr : windows.front();
}

HWND TarvaneProcess::WaitForMainWindowShown() const {
    HWND window = nullptr;
    if (!WaitUntil([&] { return (window = MainWindow()) != nullptr && IsWindowVisible(window); })) {
        Fail(L"the main window did not show; the program's windows:" +
             Describe(TopLevelWindows(nullptr)));
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
        Fail(L"no dialog \"" + title + L"\" came up; the program's windows:" +
             Describe(TopLevelWindows(nullptr)));
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
        Fail(L"no folder tree in \"" + WindowText(browser) + L"\"");
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
    // The suggested rectangle is read by the program, so it must lie in the program's memory.
    RECT suggested{};
    GetWindowRect(window, &suggested);
    void* remote =
        VirtualAllocEx(process_.hProcess, nullptr, sizeof(suggested), MEM_COMMIT, PAGE_READWRITE);
    if (remote == nullptr ||
        !WriteProcessMemory(process_.hProcess, remote, &suggested, sizeof(suggested), nullptr)) {
        Fail(L"cannot reach the program's memory");
    }
    DWORD_PTR ignored = 0;
    const bool answered = SendMessageTimeoutW(window, kDpiChanged, MAKEWPARAM(dpi, dpi),
                                              reinterpret_cast<LPARAM>(remote), SMTO_ABORTIFHUNG,
                                              kSendTimeoutMs, &ignored) != 0;
    VirtualFreeEx(process_.hProcess, remote, 0, MEM_RELEASE);
    if (!answered) {
        Fail(L"the window does not answer a DPI change");
    }
}

HWND TarvaneProcess::Focus() const {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    return GetGUIThreadInfo(process_.dwThreadId, &info) ? info.hwndFocus : nullptr;
}

void TarvaneProcess::BringToFront(HWND window) const {
    if (!WaitUntil([&] {
            SetForegroundWindow(window);
            return GetForegroundWindow() == window;
        })) {
        Fail(L"cannot bring \"" + WindowText(window) + L"\" to the foreground");
    }
}

PreparedSettings::PreparedSettings(const std::optional<std::wstring>& tool) {
    if (tool) {
        settings.StoreTool(*tool);
    } else {
        settings.Remove();
    }
}

HWND MainWindowAfterStart(const TarvaneProcess& program, bool answerFirstStartQuestion) {
    if (answerFirstStartQuestion) {
        Answer(program.WaitForDialog(L"Tarvane"), L"No");
    }
    return program.WaitForMainWindowShown();
}

}  // namespace tarvane::testing
