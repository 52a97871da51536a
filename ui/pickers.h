#pragma once
#include <optional>
#include <string>

#include "ui/main_context.h"

namespace tarvane {

// The archive "...": a file-open dialog into the SGA In box.
void OnBrowseArchive(MainContext& context);

// The folder "...": the shell's folder browser into the SGB Out box.
void OnBrowseOutput(MainContext& context);

// A chooser's answer as an action uses it: the chosen path, or nothing after a cancel, and
// nothing after a failure either, which is told in an Error box naming the chooser first.
std::optional<std::wstring> ChosenPath(MainContext& context, const DialogAnswer& answer,
                                       const std::wstring& chooser);

inline constexpr wchar_t kFileDialogName[] = L"file dialog";
inline constexpr wchar_t kFolderBrowserName[] = L"folder browser";

}  // namespace tarvane
