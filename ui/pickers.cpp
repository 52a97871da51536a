#include "ui/pickers.h"

#include "base/path_text.h"

// Each picker opens where the game's files most likely are. The boxes and the settings file are
// read afresh at every press, since another copy of the program may have stored a new tool
// meanwhile, and only read: looking changes nothing.

namespace tarvane {
namespace {

// A path worth probing, as a box or the settings file holds it, blanks around it aside. Only a
// full path on a drive that is not a network drive counts, so that a click never waits on a
// network, nor reaches a host that someone else's settings file names; anything else gives "".
std::wstring LocalFullPath(InstallRecords& records, const std::wstring& text) {
    std::wstring named(path::Trimmed(path::FromBox(text)));
    if (!path::IsFullDrivePath(named) || records.IsRemoteDrive(named[0])) {
        return L"";
    }
    return named;
}

// The first that is a folder of: what the box names, or with orFolders else the folder that
// holds it; gameFolder in the folder of the stored Archive.exe, or with orFolders else that folder
// itself. "" when none is. The tool is read only when the box gives nothing. A folder inside a
// missing one cannot be there, so the box's folder is asked first: a miss costs one probe, and a
// press at most three.
std::wstring FirstFolder(MainContext& context, const std::wstring& box, const wchar_t* gameFolder,
                         bool orFolders) {
    InstallRecords& records = context.install;
    std::wstring typed = LocalFullPath(records, box);
    if (!typed.empty()) {
        const std::wstring parent = orFolders ? path::Folder(typed) : typed;
        if (records.FolderExists(parent)) {
            return parent.size() != typed.size() && records.FolderExists(typed) ? typed : parent;
        }
    }
    std::wstring tool =
        LocalFullPath(records, ReadIniValue(context.settings, kPathsSection, kArchiveKey));
    if (tool.empty()) {
        return L"";
    }
    tool = path::Folder(tool);
    const std::wstring game = path::Join(tool, gameFolder);
    if (records.FolderExists(game)) {
        return game;
    }
    return orFolders && records.FolderExists(tool) ? tool : L"";
}

}  // namespace

// A cancelled picker leaves its box as it was: what the user typed there is never thrown away.

void OnBrowseArchive(MainContext& context) {
    const std::wstring folder =
        FirstFolder(context, context.view.ArchiveText(), L"WW2\\Archives", true);
    const std::optional<std::wstring> archive = ChosenPath(
        context,
        context.dialog.Ask({L"Select SGA to be converted", folder.empty() ? L"C:\\" : folder,
                            L"SGA File (*.sga)|*.sga"}),
        kFileDialogName);
    if (archive) {
        context.view.SetArchiveText(*archive);
    }
}

void OnBrowseOutput(MainContext& context) {
    const std::optional<std::wstring> folder =
        ChosenPath(context,
                   context.folders.BrowseForFolder(
                       L"Please select WW2\\Data folder",
                       FirstFolder(context, context.view.OutputText(), L"WW2\\Data", false)),
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
        case DialogResult::PathTooLong:
            // Taken for a cancel, OK would do nothing and say nothing.
            context.boxes.Show(ErrorMessage(L"The path of the folder \"" + answer.shownName +
                                            L"\" is too long to use.\r\n\r\nPlease choose a "
                                            L"folder with a shorter path."));
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
