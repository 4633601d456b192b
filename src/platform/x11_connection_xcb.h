// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <cstdlib>
#include <memory>

// Declared, not included: the files that talk to the X server include libxcb themselves.
struct xcb_connection_t;

namespace corvel {

// A reply from libxcb is the caller's to free, with free().
struct FreeReply {
    void operator()(void *reply) const { std::free(reply); }
};
template <typename Reply> using XcbReply = std::unique_ptr<Reply, FreeReply>;

// Whether the program's windows are on an X server. The offscreen platform may offer an X11
// interface too, but its windows are on no X server.
[[nodiscard]] bool windowsAreOnX11();

// The connection to the X server that the windows are on; null where they are on none.
[[nodiscard]] xcb_connection_t *x11Connection();

// Whether some client holds the selection, as a tray or a compositing manager holds its own.
[[nodiscard]] bool selectionIsOwned(xcb_connection_t *connection, std::uint32_t selection);

} // namespace corvel
