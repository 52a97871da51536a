#pragma once
#include <windows.h>

#include "shell/file_dialog.h"

namespace tarvane {

// The platform's file-open dialog, modal to the owner window.
class Win32OpenFilePrompt final : public OpenFilePrompt {
  public:
    explicit Win32OpenFilePrompt(HWND owner) : owner_(owner) {}
    std::optional<std::wstring> Ask(const OpenFileRequest& request) override;

  private:
    HWND owner_;
};

}  // namespace tarvane
