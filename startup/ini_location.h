#pragma once
// Where the settings file lives. The traditional place is the all-users application-data folder of
// English Windows 2000 and XP; where that folder does not exist (newer or non-English Windows,
// Wine), the platform's common application-data folder takes its place, so that a store is never
// lost.
#include <string>

namespace tarvane {

inline constexpr wchar_t kFixedSettingsFolder[] =
    L"C:\\Documents and Settings\\All Users\\Application Data\\";
inline constexpr wchar_t kSettingsFileName[] = L"tarvane.ini";

// commonAppData ends in a backslash, or is "" when the platform has none.
std::wstring ChooseIniFilePath(bool fixedFolderExists, const std::wstring& commonAppData);

}  // namespace tarvane
