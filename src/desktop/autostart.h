#pragma once

#include <QString>

namespace corvel {

// Starting Corvel at log-in through the desktop's autostart folder. The entry on disk is the
// setting itself: a user who deletes it, or a desktop that marks it hidden, has turned it off.
namespace autostart {

// Whether this system starts programs from an autostart folder; macOS and Windows keep their own
// lists, which the README explains.
[[nodiscard]] bool available();
// $XDG_CONFIG_HOME/autostart/corvel.desktop, ~/.config when the variable is not set.
[[nodiscard]] QString entryPath();
[[nodiscard]] bool isOn();
// Writes or removes the entry; isOn() tells whether that worked.
void turn(bool on);

} // namespace autostart

} // namespace corvel
