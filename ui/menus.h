#pragma once
// The menu bar and what each command of the window does, free of any window code.
#include <array>

#include "ui/layout.h"
#include "ui/main_context.h"

namespace tarvane {

struct MenuItemSpec {
    int id;
    const wchar_t* caption;  // "&" marks the access key; "\t" leads the shortcut's text
};

struct MenuSpec {
    const wchar_t* caption;
    std::array<MenuItemSpec, 2> items;
    int itemCount;
};

inline constexpr std::array<MenuSpec, 3> kMenuBar{{
    {L"&File", {{{kMnuFileExit, L"E&xit"}}}, 1},
    {L"&Tools", {{{kMnuToolsPath, L"Set Archive.exe Path"}}}, 1},
    {L"&Help", {{{kMnuHelpHow, L"How do i use this?\tF1"}, {kMnuHelpAbout, L"About"}}}, 2},
}};

enum class CommandOutcome { Handled, ExitProgram, Ignored };

// Runs the action behind a button or menu command. Exit is left to the window, which alone can
// close itself; anything else (Enter's IDOK, Esc's IDCANCEL, text box notifications) is ignored.
CommandOutcome RouteCommand(int commandId, MainContext& context);

}  // namespace tarvane
