#include "ui/pickers.h"

namespace tarvane {

// A cancelled picker leaves its box as it was: what the user typed there is never thrown away.

void OnBrowseArchive(MainContext& context) {
    const std::optional<std::wstring> archive = ChosenPath(
        context,
        context.dialog.Ask({L"Select SGA to be converted", L"C:\\", L"SGA File (*.sga)|*.sga"}),
        kFileDialogName);
    if (archive) {
        context.view.SetArchiveText(*archive);
    }
}

void OnBrowseOutput(MainContext& context) {
    const std::optional<std::wstring> folder =
        ChosenPath(context, context.folders.BrowseForFolder(L"Please select WW2\\Data folder"),
                   kFolderBrowserName);
    if (folder) {
        context.view.SetOutputText(*folder);
    }
}

std::optional<std::wstring> ChosenPath(MainContext& context, const DialogAnswer& answer,
                                       const std::wstring& chooser) {
    switch (answer.result) {
        case DialogResult::Chosen:
            return answer.path;
        case DialogResult::Cancelled:
            return std::nullopt;
        case DialogResult::Failed:
            break;
    }
    // A click that does nothing at all would leave the user guessing.
    context.boxes.Show(
        ErrorMessage(L"Could not open the " + chooser + L"\r\n\r\n" + answer.reason));
    return std::nullopt;
}

}  // namespace tarvane
