// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/application.h"

namespace corvel::test {

// Records what the chat window asks of the application.
class FakeApplication final : public Application {
public:
    void hide() override { hidden = true; }
    void unhide() override { hidden = false; }
    [[nodiscard]] bool isHidden() const override { return hidden; }
    void activateIgnoringOtherApps() override { ++activations; }
    void requestCriticalAttention() override { ++attentionRequests; }
    void terminate() override { terminated = true; }

    bool hidden = false;
    bool terminated = false;
    int activations = 0;
    int attentionRequests = 0;
};

} // namespace corvel::test
