#pragma once
#include "ui/message.h"

namespace tarvane {

// Help > How do i use this? (also F1).
Message UsageMessage();

// Help > About.
Message AboutMessage();

}  // namespace tarvane
