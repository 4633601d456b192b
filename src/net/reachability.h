#pragma once

namespace corvel {

// Whether any network can be reached: at least one interface a broadcast can go out on (see
// lanInterfaces). Asked afresh each time, so a change of the network shows at the next check.
// A default route says nothing about the LAN and plays no part.
class Reachability {
public:
    Reachability() = delete;

    [[nodiscard]] static bool isNetworkReachable();
};

} // namespace corvel
