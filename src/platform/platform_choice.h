// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

namespace corvel {

// The environment variables that decide which windowing platform the program asks Qt for.
struct SessionEnvironment {
    QString sessionType;    // XDG_SESSION_TYPE
    QString waylandDisplay; // WAYLAND_DISPLAY
    QString display;        // DISPLAY: set when X11 programs can run, through XWayland on Wayland
    QString qpaPlatform;    // QT_QPA_PLATFORM: the user's own choice, when set

    [[nodiscard]] static SessionEnvironment current();
};

// Wayland lets no window keep itself above the others or bring itself forward, so on a Wayland
// session with XWayland the program prefers X11. Returns the value for QT_QPA_PLATFORM, or
// nothing when Qt's own choice stands. Must be applied before the application object exists.
[[nodiscard]] QByteArray platformToForce(const SessionEnvironment &environment);

// The one line that tells the user how the session affects the window, given the platform Qt
// ended up on; empty when there is nothing to tell.
[[nodiscard]] QString platformNotice(const SessionEnvironment &environment, QStringView runningPlatform);

// The one line that tells why no window can open when Qt could reach no display at all.
[[nodiscard]] QString displayFailure(const SessionEnvironment &environment);

} // namespace corvel
