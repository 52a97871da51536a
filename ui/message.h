#pragma once
// The program talks to its user through modal message boxes only. The portable actions describe
// each box with a Message (text, title, buttons, icon) and hand it to MessageBoxes, which the
// window implements with a Win32 message box owned by itself.
#include <string>

namespace tarvane {

enum class Buttons { Ok, YesNo };
enum class Icon { None, Critical, Question, Information, Warning };
enum class Answer { Ok, Yes, No };

struct Message {
    std::wstring text;
    std::wstring title;
    Buttons buttons = Buttons::Ok;
    Icon icon = Icon::None;
    bool noIsDefault = false;  // Yes/No boxes whose safe answer is No: Enter gives No

    bool operator==(const Message&) const = default;
};

class MessageBoxes {
  public:
    virtual ~MessageBoxes() = default;
    virtual Answer Show(const Message& message) = 0;
};

// Input errors: OK only, the critical icon, the title "Error".
Message ErrorMessage(std::wstring text);

}  // namespace tarvane
