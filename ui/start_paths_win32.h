#pragma once
#include "ui/drop.h"

namespace tarvane {

// What the paths on the program's command line put into the text boxes.
DropResult StartPaths();

}  // namespace tarvane
