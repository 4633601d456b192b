// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Starting Corvel at log-in through the desktop's autostart folder. The entry on disk is the
// setting itself: a user who deletes it, or a desktop that marks it hidden, has turned it off.
namespace corvel::autostart {

// Whether this system starts programs from an autostart folder; macOS and Windows keep their own
// lists, which the README explains.
[[nodiscard]] bool available();
[[nodiscard]] bool isOn();
// Writes or removes the entry; isOn() tells whether that worked.
void turn(bool on);

} // namespace corvel::autostart
