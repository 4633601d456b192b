#include "net/reachability.h"

#include "net/lan_interfaces.h"

namespace corvel {

bool Reachability::isNetworkReachable()
{
    return !lanInterfaces(systemInterfaces()).isEmpty();
}

} // namespace corvel
