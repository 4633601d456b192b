#pragma once

#include <QStringView>

namespace corvel {

// Whether the kernel's IPv4 routing table, as Linux shows it in /proc/net/route, holds a default
// route (destination and mask both zero) that is up. Lines that do not parse, the header among
// them, are skipped.
[[nodiscard]] bool hasDefaultRouteUp(QStringView procNetRoute);

} // namespace corvel
