// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <memory>

namespace corvel {

// The trays that are not on the session bus: an XEmbed tray on the X display, or a system's own
// (the notification area, the menu bar).
class PlatformTrays {
public:
    // arrived runs when such a tray starts, or starts again, where that can be seen.
    explicit PlatformTrays(std::function<void()> arrived);
    ~PlatformTrays();
    PlatformTrays(const PlatformTrays &) = delete;
    PlatformTrays &operator=(const PlatformTrays &) = delete;

    // Whether an icon made now would show, or would once such a tray starts. Can mean a round trip
    // to the display.
    [[nodiscard]] bool iconWouldShow() const;

private:
    class Watch;
    std::unique_ptr<Watch> m_watch;
};

} // namespace corvel
