#include "ui/main_window_win32.h"

#include "base/scoped_win32.h"
#include "base/system_error_win32.h"
#include "resources/resource_ids.h"
#include "shell/file_dialog_win32.h"
#include "shell/folder_browser_win32.h"
#include "ui/commands.h"
#include "ui/dpi_win32.h"
#include "ui/drop_win32.h"
#include "ui/game_folder_win32.h"
#include "ui/layout.h"
#include "ui/message_win32.h"
#include "ui/tool_location.h"
#include "ui/window_parts_win32.h"

#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif

namespace tarvane {
namespace {

HACCEL CreateAccelerators() {
    ACCEL help{FVIRTKEY, VK_F1, kMnuHelpHow};
    return CreateAcceleratorTableW(&help, 1);
}

SIZE MeasureText(HWND window, HFONT font, const wchar_t* text) {
    const ScopedWindowDC dc(window);
    const ScopedSelection selected(dc.get(), font);
    SIZE extent{};
    GetTextExtentPoint32W(dc.get(), text, lstrlenW(text), &extent);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc.get(), &metrics);
    return SIZE{extent.cx, metrics.tmHeight};
}

// Why the window could not be made. A control refused by Windows or a hook often leaves no
// error code behind, and "error 0" would tell the user nothing.
std::wstring CreationFailure() {
    const DWORD error = GetLastError();
    return error != ERROR_SUCCESS ? SystemErrorText(error)
                                  : L"Windows did not create the window or one of its controls.";
}

bool RegisterWindowClass(HINSTANCE instance, WNDPROC procedure) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = static_cast<HICON>(
        LoadImageW(instance, MAKEINTRESOURCEW(IDI_TARVANE), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE));
    windowClass.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_TARVANE),
                                                        IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                                        GetSystemMetrics(SM_CYSMICON), 0));
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kMainWindowClass;
    return RegisterClassExW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

}  // namespace

MainWindow::MainWindow(HINSTANCE instance, SettingsFile& settings, std::wstring systemFolder)
    : instance_(instance), settings_(settings), systemFolder_(std::move(systemFolder)) {}

MainWindow::~MainWindow() {
    if (window_ != nullptr) {
        DestroyWindow(window_);
    }
}

bool MainWindow::Create(std::wstring& failure) {
    if (!RegisterWindowClass(instance_, &MainWindow::WindowProc)) {
        failure = CreationFailure();
        return false;
    }
    accelerators_.reset(CreateAccelerators());
    CreateWindowExW(kMainWindowExStyle, kMainWindowClass, kMainWindowCaption, kMainWindowStyle,
                    CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr,
                    CreateMenuBar(), instance_, this);
    if (window_ == nullptr) {
        failure = CreationFailure();
        return false;
    }
    created_ = true;
    return true;
}

void MainWindow::Load() {
    RunAction(window_, [](MainContext& context) { OnLoad(context); });
}

void MainWindow::FillBoxes(const DropResult& result) {
    if (result.output) {
        SetOutputText(*result.output);
    }
    if (result.archive) {
        SetArchiveText(*result.archive);
    }
}

void MainWindow::Show(int showCommand) {
    ShowWindow(window_, showCommand);
    UpdateWindow(window_);
    SetFocus(Control(kTxtSGAPath));
}

bool MainWindow::TakenByCompletion(MSG& message) {
    if (message.message != WM_KEYDOWN || message.hwnd == nullptr || window_ == nullptr) {
        return false;
    }
    if (message.hwnd == Control(kTxtSGAPath)) {
        return archiveCompletion_.TakeKey(message);
    }
    if (message.hwnd == Control(kTxtSGBOut)) {
        return outputCompletion_.TakeKey(message);
    }
    return false;
}

LRESULT CALLBACK MainWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self =
            static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return self->HandleMessage(window, message, wParam, lParam);
}

LRESULT MainWindow::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            return OnCreate(window) ? 0 : -1;
        case WM_COMMAND:
            OnCommand(window, LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
            return 0;
        case WM_ACTIVATE:
            OnActivate(window, wParam);
            return 0;
        case WM_DPICHANGED:
            OnDpiChanged(window, LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return 0;
        case WM_DROPFILES:
            OnDropFiles(window, reinterpret_cast<HDROP>(wParam));
            return 0;
        case WM_DESTROY:
            OnDestroy();
            return 0;
        case WM_NCDESTROY:
            OnNcDestroy(window);
            return DefWindowProcW(window, message, wParam, lParam);
        default:
            return DefWindowProcW(window, message, wParam, lParam);
    }
}

template <typename Action>
void MainWindow::RunAction(HWND owner, Action action) {
    Win32MessageBoxes boxes(owner);
    Win32OpenFilePrompt prompt(owner, systemFolder_);
    ShellFolderBrowser folders(owner);
    Win32InstallRecords install;
    MainContext context{*this,     prompt,     folders, boxes,     settings_,
                        launcher_, pathForms_, install, approvals_};
    action(context);
}

bool MainWindow::OnCreate(HWND window) {
    for (const ControlSpec& entry : kControls) {
        const ControlClass kind = ClassOf(entry.kind);
        HWND control = CreateWindowExW(
            kind.exStyle, kind.name, entry.caption, WS_CHILD | WS_VISIBLE | kind.style, 0, 0, 0, 0,
            window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(entry.id)), instance_, nullptr);
        if (control == nullptr) {
            return false;
        }
    }
    ApplyDpi(window, WindowDpi(window));
    AcceptDrops(window);
    return true;
}

void MainWindow::OnCommand(HWND window, int id, int notification, HWND control) {
    // Text boxes report edits and focus through WM_COMMAND too; only clicks and menu choices act.
    if (control != nullptr && notification != BN_CLICKED) {
        return;
    }
    CommandOutcome outcome = CommandOutcome::Ignored;
    RunAction(window, [&](MainContext& context) { outcome = RouteCommand(id, context); });
    if (outcome == CommandOutcome::ExitProgram) {
        DestroyWindow(window);
    }
}

void MainWindow::OnActivate(HWND window, WPARAM state) {
    // Focus comes back where the user left it when another window, or a message box, went away.
    if (LOWORD(state) == WA_INACTIVE) {
        focusBeforeDeactivation_ = GetFocus();
        return;
    }
    const bool ours =
        focusBeforeDeactivation_ != nullptr && IsChild(window, focusBeforeDeactivation_);
    SetFocus(ours ? focusBeforeDeactivation_ : GetDlgItem(window, kTxtSGAPath));
}

void MainWindow::OnDpiChanged(HWND window, int dpi, const RECT& suggested) {
    SetWindowPos(window, nullptr, suggested.left, suggested.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ApplyDpi(window, dpi);
}

void MainWindow::OnDropFiles(HWND window, HDROP drop) {
    const ScopedDrop received(drop);
    // While a message box or dialog of ours is open the window is disabled, and a drop that
    // reaches it anyway changes nothing: modal means modal.
    if (!IsWindowEnabled(window)) {
        return;
    }
    const DropResult result = DecideDrop(DroppedItems(drop), DropPlaceIn(window, drop));
    FillBoxes(result);
    if (result.archive || result.output) {
        HWND changed = GetDlgItem(window, result.archive ? kTxtSGAPath : kTxtSGBOut);
        // A drop seldom activates the window; the focus is there when the user comes to it.
        focusBeforeDeactivation_ = changed;
        SetFocus(changed);
    }
}

// A window whose creation failed is destroyed inside CreateWindowExW: a quit message posted then
// would close the start-up's error box the moment it opened.
void MainWindow::OnDestroy() {
    if (created_) {
        PostQuitMessage(0);
    }
}

// The window's last message: after it the handle means nothing, so neither it nor this object
// may be reached through the other any more.
void MainWindow::OnNcDestroy(HWND window) {
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    window_ = nullptr;
}

void MainWindow::ApplyDpi(HWND window, int dpi) {
    const HFONT font = CreateDialogFont(dpi);
    for (const ControlSpec& entry : kControls) {
        SendMessageW(GetDlgItem(window, entry.id), WM_SETFONT, reinterpret_cast<WPARAM>(font),
                     FALSE);
    }
    // The controls leave the old font before it goes.
    font_.reset(font);
    PlaceControls(window, dpi);
    FitClientArea(window, dpi);
    InvalidateRect(window, nullptr, TRUE);
}

void MainWindow::PlaceControls(HWND window, int dpi) {
    for (const ControlSpec& entry : kControls) {
        Rect place = ToPixels(entry.twips, dpi);
        if (entry.kind == ControlKind::Label) {
            const SIZE text = MeasureText(window, font_.get(), entry.caption);
            place = LabelPixels(entry, text.cx, text.cy, dpi);
        }
        MoveWindow(GetDlgItem(window, entry.id), place.left, place.top, place.width, place.height,
                   FALSE);
    }
}

void MainWindow::FitClientArea(HWND window, int dpi) {
    const Rect client = ClientPixels(dpi);
    const RECT outer =
        WindowRectForClient(client.width, client.height, kMainWindowStyle, kMainWindowExStyle, dpi);
    int width = outer.right - outer.left;
    int height = outer.bottom - outer.top;
    const UINT flags = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE;
    SetWindowPos(window, nullptr, 0, 0, width, height, flags);
    // A menu bar that wraps to a second line takes client area that the estimate did not know of.
    RECT actual{};
    GetClientRect(window, &actual);
    if (actual.bottom != client.height || actual.right != client.width) {
        width += client.width - actual.right;
        height += client.height - actual.bottom;
        SetWindowPos(window, nullptr, 0, 0, width, height, flags);
    }
}

std::wstring MainWindow::TextOf(int id) const {
    HWND box = Control(id);
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(box)) + 1, L'\0');
    text.resize(
        static_cast<std::size_t>(GetWindowTextW(box, text.data(), static_cast<int>(text.size()))));
    return text;
}

std::wstring MainWindow::ArchiveText() const { return TextOf(kTxtSGAPath); }

void MainWindow::SetArchiveText(const std::wstring& text) {
    SetWindowTextW(Control(kTxtSGAPath), text.c_str());
}

std::wstring MainWindow::OutputText() const { return TextOf(kTxtSGBOut); }

void MainWindow::SetOutputText(const std::wstring& text) {
    SetWindowTextW(Control(kTxtSGBOut), text.c_str());
}

}  // namespace tarvane
