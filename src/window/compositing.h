// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace corvel {

// Whether the alpha of a window's pixels reaches the screen. On X11 that takes a compositing
// manager: without one the server shows the premultiplied colour as it is, so a see-through light
// grey turns dark and dark text on it becomes unreadable. Elsewhere it always does.
[[nodiscard]] bool windowAlphaIsShown();

} // namespace corvel
