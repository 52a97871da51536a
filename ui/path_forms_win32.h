#pragma once
#include "ui/main_context.h"

namespace tarvane {

// The system's ANSI code page and GetShortPathNameW.
class Win32PathForms final : public PathForms {
  public:
    bool FitsAnsiCodePage(const std::wstring& text) override;
    std::wstring ShortForm(const std::wstring& path) override;
};

}  // namespace tarvane
