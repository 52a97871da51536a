#include "ui/message_win32.h"

namespace tarvane {
namespace {

UINT StyleOf(const Message& message) {
    UINT style = message.buttons == Buttons::YesNo ? MB_YESNO : MB_OK;
    switch (message.icon) {
        case Icon::Critical:
            style |= MB_ICONERROR;
            break;
        case Icon::Question:
            style |= MB_ICONQUESTION;
            break;
        case Icon::Information:
            style |= MB_ICONINFORMATION;
            break;
        case Icon::Warning:
            style |= MB_ICONWARNING;
            break;
        case Icon::None:
            break;
    }
    return message.noIsDefault ? style | MB_DEFBUTTON2 : style;
}

}  // namespace

Answer Win32MessageBoxes::Show(const Message& message) {
    switch (MessageBoxW(owner_, message.text.c_str(), message.title.c_str(), StyleOf(message))) {
        case IDYES:
            return Answer::Yes;
        case IDNO:
            return Answer::No;
        default:
            return Answer::Ok;
    }
}

}  // namespace tarvane
