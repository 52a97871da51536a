#pragma once
// Stands in for the message boxes in tests that drive the real platform elsewhere: records every
// box instead of showing it, and answers OK.
#include <vector>

#include "ui/message.h"

namespace tarvane::testing {

class RecordedMessageBoxes final : public MessageBoxes {
  public:
    Answer Show(const Message& message) override {
        shown.push_back(message);
        return Answer::Ok;
    }

    std::vector<Message> shown;
};

}  // namespace tarvane::testing
