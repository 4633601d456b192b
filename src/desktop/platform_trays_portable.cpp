// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/platform_trays.h"

#include <QGuiApplication>
#include <QSystemTrayIcon>

using namespace Qt::StringLiterals;

namespace corvel {

// Nothing here can see a tray arrive. On X11, without libxcb, the icon is made at once: Qt docks
// it by itself whenever an XEmbed tray takes the display's selection, though Qt then keeps to
// XEmbed for good. Other systems have a tray of their own, which Qt asks; Wayland has none but
// StatusNotifierItem, which is asked on the session bus.
class PlatformTrays::Watch {};

PlatformTrays::PlatformTrays() = default;

PlatformTrays::~PlatformTrays() = default;

bool PlatformTrays::iconWouldShow() const
{
    const QString platform = QGuiApplication::platformName();
    if (platform == u"xcb"_s)
        return true;
    if (platform.startsWith(u"wayland"_s) || platform == u"offscreen"_s || platform == u"minimal"_s)
        return false;
    return QSystemTrayIcon::isSystemTrayAvailable();
}

} // namespace corvel
