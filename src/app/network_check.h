// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace corvel {

// `corvel --check`: whether this computer can chat on its LAN, for the terminal and for anyone
// helping a user, with no window and no display. It says where datagrams would go and whether
// the chat port can be had, then puts one presence query on the LAN, as the Who? button does
// (every running copy shows it), and waits two seconds for its echo and the answers. Returns the
// exit status: 0 when the query came back, 1 when it did not, 2 with no network or no port.
[[nodiscard]] int runNetworkCheck();

} // namespace corvel
