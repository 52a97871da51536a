#pragma once
#include "launch/path_forms.h"

namespace tarvane {

// The system's ANSI code page and GetShortPathNameW.
class Win32PathForms final : public PathForms {
  public:
    bool FitsAnsiCodePage(const std::wstring& text) override;
    std::wstring ShortForm(const std::wstring& path) override;
};

}  // namespace tarvane
