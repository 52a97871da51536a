#include "ui/message.h"

namespace tarvane {

Message ErrorMessage(std::wstring text) {
    return Message{std::move(text), L"Error", Buttons::Ok, Icon::Critical};
}

}  // namespace tarvane
