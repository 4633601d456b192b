// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace corvel {

// Decides how the program ends: when its last window closes.
class AppDelegate {
public:
    [[nodiscard]] static bool applicationShouldTerminateAfterLastWindowClosed() { return true; }
};

} // namespace corvel
