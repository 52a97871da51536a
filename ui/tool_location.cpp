#include "ui/tool_location.h"

#include "base/decimal_text.h"
#include "ui/pickers.h"

namespace tarvane {
namespace {

// A chosen file, or "" when the dialog was cancelled or could not be shown: neither may ever
// store anything.
std::wstring AskForArchiveTool(MainContext& context) {
    const DialogAnswer answer =
        context.dialog.Ask({L"Select Archive.exe in CoH folder", GameFolder(context.install),
                            L"Archive.exe|archive.exe"});
    return ChosenPath(context, answer, kFileDialogName).value_or(L"");
}

void StoreToolPath(MainContext& context, const std::wstring& value) {
    const WriteResult written = WriteIniValue(context.settings, kPathsSection, kArchiveKey, value);
    switch (written.status) {
        case WriteStatus::Written:
            break;
        case WriteStatus::TooLong:
            context.boxes.Show(TooLongMessage());
            break;
        case WriteStatus::Failed:
            context.boxes.Show(
                ErrorMessage(L"Could not save the Archive.exe path in the settings file\r\n" +
                             context.settings.Location() + L"\r\n\r\n" + written.reason));
            break;
    }
}

Message FirstStartQuestion() {
    return Message{L"You need to set your Archive.exe path\r\nwould you like to do that now?",
                   L"Tarvane", Buttons::YesNo, Icon::Question};
}

}  // namespace

void OnLoad(MainContext& context) {
    if (!ReadIniValue(context.settings, kPathsSection, kArchiveKey).empty()) {
        return;
    }
    if (context.boxes.Show(FirstStartQuestion()) != Answer::Yes) {
        return;
    }
    const std::wstring tool = AskForArchiveTool(context);
    if (!tool.empty()) {
        StoreToolPath(context, tool);
    }
}

void OnSetToolPath(MainContext& context) {
    const std::wstring tool = AskForArchiveTool(context);
    if (!tool.empty()) {
        StoreToolPath(context, L"\"" + tool + L"\"");
    }
}

Message TooLongMessage() {
    return Message{L"Can't write more than " + DecimalText(MaxIniFieldChars) +
                       L" characters for key or value.",
                   L"tarvane", Buttons::Ok, Icon::None};
}

}  // namespace tarvane
