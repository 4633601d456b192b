// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHostAddress>
#include <QList>
#include <QString>
#include <QStringView>

#include <optional>

namespace corvel {

// The "Destinations" setting: extra IPv4 addresses, comma-separated, that every datagram also goes
// to (hosts across a routed VPN, the directed broadcast address of another subnet). Blanks around
// an entry do not count; an empty text means none. Anything else that is not four numbers from 0
// to 255 with dots between, or is 0.0.0.0, is refused: nullopt, and why in the text given.
[[nodiscard]] std::optional<QList<QHostAddress>> parseDestinations(QStringView text, QString *why = nullptr);

} // namespace corvel
