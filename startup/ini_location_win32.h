#pragma once
#include <string>

namespace tarvane {

// The settings file of this machine, by the rule of ChooseIniFilePath: the traditional folder when
// it exists, else the platform's common application-data folder.
std::wstring IniFilePath();

}  // namespace tarvane
