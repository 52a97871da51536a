#pragma once
#include <windows.h>

#include "ui/message.h"

namespace tarvane {

// Modal message boxes owned by the main window.
class Win32MessageBoxes final : public MessageBoxes {
  public:
    explicit Win32MessageBoxes(const HWND& owner) : owner_(owner) {}
    Answer Show(const Message& message) override;

  private:
    const HWND& owner_;
};

}  // namespace tarvane
