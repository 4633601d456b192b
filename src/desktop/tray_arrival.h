// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "desktop/platform_trays.h"

#include <QObject>

namespace corvel {

// Tells when a system tray starts, or starts again: a StatusNotifierItem host registering with the
// watcher on the session bus, or a tray of the platform's own, such as an XEmbed tray announcing
// that it took its selection on the X display. The trays tell; nothing is polled.
class TrayArrival final : public QObject {
    Q_OBJECT
public:
    enum class Protocol { StatusNotifierItem, Platform };
    TrayArrival();

    // Whether an icon made now would show, or would once its tray starts. Asks each place once,
    // which can mean a round trip to each.
    [[nodiscard]] bool iconWouldShow() const;

Q_SIGNALS:
    void arrived(corvel::TrayArrival::Protocol protocol);

private Q_SLOTS:
    void hostRegistered();

private:
    PlatformTrays m_platform;
};

} // namespace corvel
