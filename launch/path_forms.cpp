#include "launch/path_forms.h"

#include "launch/command_line.h"

namespace tarvane {
namespace {

constexpr const wchar_t* kSeparators = L"\\/";

// The form when there is one and it fits the ANSI code page, else the path as typed.
std::wstring FittingFormOr(PathForms& forms, const std::wstring& form, const std::wstring& typed) {
    return !form.empty() && forms.FitsAnsiCodePage(form) ? form : typed;
}

// The short form of the longest parent that exists, followed by the rest of the path as typed;
// "" when no parent exists.
std::wstring FormBelowExistingParent(PathForms& forms, const std::wstring& path) {
    // A trailing separator names the same folder, so the search for parents starts before it.
    const std::size_t lastName = path.find_last_not_of(kSeparators);
    if (lastName == std::wstring::npos) {
        return L"";
    }
    for (std::size_t cut = path.find_last_of(kSeparators, lastName); cut != std::wstring::npos;
         cut = cut == 0 ? std::wstring::npos : path.find_last_of(kSeparators, cut - 1)) {
        std::wstring parent = forms.ShortForm(path.substr(0, cut + 1));
        if (!parent.empty()) {
            if (parent.find_last_of(kSeparators) + 1 != parent.size()) {
                parent += L'\\';
            }
            return parent + path.substr(cut + 1);
        }
    }
    return L"";
}

std::wstring ArchiveForm(PathForms& forms, const std::wstring& archive) {
    if (forms.FitsAnsiCodePage(archive)) {
        return archive;
    }
    return FittingFormOr(forms, forms.ShortForm(archive), archive);
}

std::wstring OutputFolderForm(PathForms& forms, const std::wstring& folder) {
    if (forms.FitsAnsiCodePage(folder)) {
        return folder;
    }
    std::wstring form = forms.ShortForm(folder);
    if (form.empty()) {
        form = FormBelowExistingParent(forms, folder);
    }
    return FittingFormOr(forms, form, folder);
}

}  // namespace

std::wstring ExtractCommandForAnsiTools(PathForms& forms, const std::wstring& toolPath,
                                        const std::wstring& archivePath,
                                        const std::wstring& outputFolder) {
    const std::wstring command = ExtractCommand(toolPath, ArchiveForm(forms, archivePath),
                                                OutputFolderForm(forms, outputFolder));
    // A short form can be longer than its name; a Unicode tool still takes the paths as typed.
    return FitsCommandLineLimit(command) ? command
                                         : ExtractCommand(toolPath, archivePath, outputFolder);
}

}  // namespace tarvane
