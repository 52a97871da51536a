#pragma once
// What each button and menu command of the window does, free of any window code.
#include "ui/main_context.h"
#include "ui/window_description.h"

namespace tarvane {

enum class CommandOutcome { Handled, ExitProgram, Ignored };

// Runs the action behind a button or menu command. Exit is left to the window, which alone can
// close itself; anything else (Enter's IDOK, Esc's IDCANCEL, text box notifications) is ignored.
CommandOutcome RouteCommand(int commandId, MainContext& context);

}  // namespace tarvane
