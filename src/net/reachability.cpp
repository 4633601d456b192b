// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/reachability.h"

#include "net/lan_interfaces.h"

namespace corvel {

bool Reachability::isNetworkReachable(bool destinationsSet)
{
    return isReachable(systemInterfaces(), destinationsSet);
}

} // namespace corvel
