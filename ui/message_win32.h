#pragma once
#include <windows.h>

#include "ui/message.h"

namespace tarvane {

// Modal message boxes owned by the window that shows them.
class Win32MessageBoxes final : public MessageBoxes {
  public:
    explicit Win32MessageBoxes(HWND owner) : owner_(owner) {}
    Answer Show(const Message& message) override;

  private:
    HWND owner_;
};

}  // namespace tarvane
