#pragma once
#include <optional>
#include <string>

#include "ui/main_context.h"

namespace tarvane {

// The archive "...": a file-open dialog into the SGA In box. It opens in the first of these that
// is a folder: what SGA In names, or the folder it lies in; WW2\Archives beside the stored
// Archive.exe; that tool's folder; else the root of drive C.
void OnBrowseArchive(MainContext& context);

// The folder "...": the shell's folder browser into the SGB Out box. It opens with the first of
// these that is a folder selected: SGB Out; WW2\Data beside the stored Archive.exe; else none.
void OnBrowseOutput(MainContext& context);

// A chooser's answer as an action uses it: the chosen path, or nothing after a cancel, and
// nothing after a failure or a choice whose path is too long either, each told in an Error box
// (a failure naming the chooser first, a long path naming the folder).
std::optional<std::wstring> ChosenPath(MainContext& context, const DialogAnswer& answer,
                                       const std::wstring& chooser);

inline constexpr wchar_t kFileDialogName[] = L"file dialog";
inline constexpr wchar_t kFolderBrowserName[] = L"folder browser";

}  // namespace tarvane
