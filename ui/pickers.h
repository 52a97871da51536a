#pragma once
#include "ui/main_context.h"

namespace tarvane {

// The archive "...": a file-open dialog into the SGA In box.
void OnBrowseArchive(MainContext& context);

// The folder "...": the shell's folder browser into the SGB Out box.
void OnBrowseOutput(MainContext& context);

}  // namespace tarvane
