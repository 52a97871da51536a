#include "ui/extraction.h"

#include "base/path_text.h"
#include "launch/command_line.h"
#include "launch/path_forms.h"

namespace tarvane {
namespace {

// No Windows path holds a double quote; one left in a box's path (after the pair that "Copy as
// path" puts around it) could only smuggle options into the tool's command line.
bool RefuseQuote(MainContext& context, const std::wstring& text, const wchar_t* boxName) {
    if (text.find(L'"') == std::wstring::npos) {
        return false;
    }
    context.boxes.Show(ErrorMessage(std::wstring(L"The ") + boxName +
                                    L" path contains a double quote (\"), which no Windows path "
                                    L"can hold. Please correct it."));
    return true;
}

void ReportStartFailure(MainContext& context, const std::wstring& tool,
                        const std::wstring& reason) {
    context.boxes.Show(
        ErrorMessage(L"Could not start the archive tool\r\n" + tool + L"\r\n\r\n" + reason));
}

}  // namespace

void OnProcess(MainContext& context) {
    const std::wstring tool = ReadIniValueSettled(context.settings, kPathsSection, kArchiveKey);
    if (tool.empty()) {
        context.boxes.Show(ErrorMessage(L"You must set your Archive.exe path first"));
        return;
    }
    // Each box is read as the path it names: a path pasted in quotes is the path inside them.
    const std::wstring archive = path::FromBox(context.view.ArchiveText());
    if (archive.empty()) {
        context.boxes.Show(ErrorMessage(L"You must select the SGA in which you want to convert"));
        return;
    }
    const std::wstring folder = path::FromBox(context.view.OutputText());
    if (folder.empty()) {
        context.boxes.Show(ErrorMessage(L"You must select an output path for the SGB and files"));
        return;
    }
    if (RefuseQuote(context, archive, L"SGA In") || RefuseQuote(context, folder, L"SGB Out")) {
        return;
    }
    const std::wstring command = ExtractCommandForAnsiTools(context.paths, tool, archive, folder);
    // Cut short, the line would hand the tool a different, shorter output folder.
    if (!FitsCommandLineLimit(command)) {
        context.boxes.Show(ErrorMessage(
            L"The SGA In and SGB Out paths are too long to pass to the archive tool. Please "
            L"choose shorter paths."));
        return;
    }
    if (!context.approvals.MayStart(tool, context.settings.Location(), context.boxes)) {
        return;
    }
    const Outcome started = context.launcher.Start(tool, command);
    if (!started.ok) {
        ReportStartFailure(context, tool, started.reason);
    }
}

}  // namespace tarvane
