// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include <memory>

namespace corvel {

// The trays that are not on the session bus: an XEmbed tray on the X display, or a system's own
// (the notification area, the menu bar).
class PlatformTrays : public QObject {
    Q_OBJECT
public:
    PlatformTrays();
    ~PlatformTrays() override;

    // Whether an icon made now would show, or would once such a tray starts. Can mean a round trip
    // to the display.
    [[nodiscard]] bool iconWouldShow() const;

Q_SIGNALS:
    // Such a tray started, or started again, where that can be seen.
    void arrived();

private:
    class Watch;
    std::unique_ptr<Watch> m_watch;
};

} // namespace corvel
