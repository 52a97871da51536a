#pragma once
#include <windows.h>

#include <string>
#include <utility>

#include "shell/file_dialog.h"

namespace tarvane {

// The platform's file-open dialog, modal to the owner window, from the library in the given
// system folder (ending in a backslash; empty when the system did not say where it is).
class Win32OpenFilePrompt final : public OpenFilePrompt {
  public:
    Win32OpenFilePrompt(HWND owner, std::wstring systemFolder)
        : owner_(owner), systemFolder_(std::move(systemFolder)) {}
    DialogAnswer Ask(const OpenFileRequest& request) override;

  private:
    HWND owner_;
    std::wstring systemFolder_;
};

}  // namespace tarvane
