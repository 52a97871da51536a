#include "ui/pickers.h"

namespace tarvane {

// A cancelled picker leaves its box as it was: what the user typed there is never thrown away.

void OnBrowseArchive(MainContext& context) {
    context.dialog.SetInitDir(L"C:\\");
    context.dialog.SetDialogTitle(L"Select SGA to be converted");
    context.dialog.SetFilter(L"SGA File (*.sga)|*.sga");
    context.dialog.ShowOpen();
    if (context.dialog.Confirmed()) {
        context.view.SetArchiveText(context.dialog.FileName());
    }
}

void OnBrowseOutput(MainContext& context) {
    const std::wstring folder = context.folders.BrowseForFolder(L"Please select WW2\\Data folder");
    if (!folder.empty()) {
        context.view.SetOutputText(folder);
    }
}

}  // namespace tarvane
