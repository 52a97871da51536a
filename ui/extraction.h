#pragma once
#include "ui/main_context.h"

namespace tarvane {

// Process: checks the tool's location, the archive and the output folder in that order, then
// starts the archive tool on them. At most one message a press; a later input is not read when
// an earlier check fails.
void OnProcess(MainContext& context);

}  // namespace tarvane
