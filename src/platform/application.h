// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace corvel {

// Application-wide operations that act on every window of the program at once.
class Application {
public:
    Application() = default;
    Application(const Application &) = delete;
    Application &operator=(const Application &) = delete;
    virtual ~Application() = default;

    virtual void hide() = 0;
    virtual void unhide() = 0;
    [[nodiscard]] virtual bool isHidden() const = 0;
    // Brings the program to the front even while the user works in another program.
    virtual void activateIgnoringOtherApps() = 0;
    // Draws the user's attention to the program until the user turns to it.
    virtual void requestCriticalAttention() = 0;
    virtual void terminate() = 0;
};

} // namespace corvel
