#include "ui/pickers.h"

namespace tarvane {

// A cancelled picker leaves its box as it was: what the user typed there is never thrown away.

void OnBrowseArchive(MainContext& context) {
    const std::optional<std::wstring> archive =
        context.dialog.Ask({L"Select SGA to be converted", L"C:\\", L"SGA File (*.sga)|*.sga"});
    if (archive) {
        context.view.SetArchiveText(*archive);
    }
}

void OnBrowseOutput(MainContext& context) {
    const std::wstring folder = context.folders.BrowseForFolder(L"Please select WW2\\Data folder");
    if (!folder.empty()) {
        context.view.SetOutputText(folder);
    }
}

}  // namespace tarvane
