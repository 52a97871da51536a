#pragma once
#include "ui/main_context.h"

namespace tarvane {

// On load, before the window is first shown: asks for Archive.exe when no location is stored.
void OnLoad(MainContext& context);

// Tools > Set Archive.exe Path: asks for Archive.exe and replaces the stored location.
void OnSetToolPath(MainContext& context);

// "Can't write more than 255 characters for key or value." under the application title.
Message TooLongMessage();

}  // namespace tarvane
