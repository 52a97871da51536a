#include "ui/commands.h"

#include "ui/extraction.h"
#include "ui/help.h"
#include "ui/pickers.h"
#include "ui/tool_location.h"

namespace tarvane {

CommandOutcome RouteCommand(int commandId, MainContext& context) {
    switch (commandId) {
        case kCmdGo:
            OnProcess(context);
            return CommandOutcome::Handled;
        case kCmdSGABrowse:
            OnBrowseArchive(context);
            return CommandOutcome::Handled;
        case kCmdSGBBrowse:
            OnBrowseOutput(context);
            return CommandOutcome::Handled;
        case kMnuToolsPath:
            OnSetToolPath(context);
            return CommandOutcome::Handled;
        case kMnuHelpHow:
            context.boxes.Show(UsageMessage());
            return CommandOutcome::Handled;
        case kMnuHelpAbout:
            context.boxes.Show(AboutMessage());
            return CommandOutcome::Handled;
        case kMnuFileExit:
            return CommandOutcome::ExitProgram;
        default:
            return CommandOutcome::Ignored;
    }
}

}  // namespace tarvane
