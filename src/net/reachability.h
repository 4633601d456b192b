#pragma once

namespace corvel {

// Whether any network can be reached: the machine has a default IPv4 route that is up. Asked
// afresh each time, so a change of the network shows at the next check.
class Reachability {
public:
    Reachability() = delete;

    // False when the routing table cannot be read.
    [[nodiscard]] static bool isNetworkReachable();
};

} // namespace corvel
