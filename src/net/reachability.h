// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace corvel {

// Whether any network can be reached (see isReachable): a LAN, or a Destination and an interface
// that is up. Asked afresh each time, so a change of the network shows at the next check. A
// default route says nothing about the LAN and plays no part.
class Reachability {
public:
    Reachability() = delete;

    [[nodiscard]] static bool isNetworkReachable(bool destinationsSet);
};

} // namespace corvel
