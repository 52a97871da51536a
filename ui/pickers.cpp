#include "ui/pickers.h"

// Each picker opens where the game's files most likely are. The boxes and the settings file are
// read afresh at every press, since another copy of the program may have stored a new tool
// meanwhile, and only read: looking changes nothing.

namespace tarvane {
namespace {

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t'; }

bool IsDriveLetter(wchar_t c) { return (c | 0x20) >= L'a' && (c | 0x20) <= L'z'; }

// A path worth probing, as a box or the settings file holds it: blanks around it and one pair of
// quotes (Explorer's "Copy as path") dropped. Only a full path on a drive that is not a network
// drive counts, so that a click never waits on a network, nor reaches a host that someone else's
// settings file names; a share, a relative path or "C:x" gives "".
std::wstring LocalFullPath(InstallRecords& records, const std::wstring& text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && IsBlank(text[begin])) {
        ++begin;
    }
    while (end > begin && IsBlank(text[end - 1])) {
        --end;
    }
    if (end - begin >= 2 && text[begin] == L'"' && text[end - 1] == L'"') {
        ++begin;
        --end;
    }
    if (end - begin < 3 || !IsDriveLetter(text[begin]) || text[begin + 1] != L':' ||
        text[begin + 2] != L'\\' || records.IsRemoteDrive(text[begin])) {
        return L"";
    }
    return text.substr(begin, end - begin);
}

// Cuts a full path to the folder that holds its last part; a drive root keeps its backslash.
void CutToFolder(std::wstring& fullPath) {
    const std::size_t last = fullPath.find_last_of(L"\\");
    fullPath.resize(last == 2 ? 3 : last);
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
        std::wstring parent = typed;
        if (orFolders) {
            CutToFolder(parent);
        }
        if (records.FolderExists(parent)) {
            return parent.size() != typed.size() && records.FolderExists(typed) ? typed : parent;
        }
    }
    std::wstring tool =
        LocalFullPath(records, ReadIniValue(context.settings, kPathsSection, kArchiveKey));
    if (tool.empty()) {
        return L"";
    }
    CutToFolder(tool);
    std::wstring game = JoinPath(tool, gameFolder);
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
        case DialogResult::Failed:
            break;
    }
    // A click that does nothing at all would leave the user guessing.
    context.boxes.Show(
        ErrorMessage(L"Could not open the " + chooser + L"\r\n\r\n" + answer.reason));
    return std::nullopt;
}

}  // namespace tarvane
