// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/platform_choice.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace corvel {

namespace {

bool isWaylandSession(const SessionEnvironment &environment)
{
    return environment.sessionType == u"wayland" || !environment.waylandDisplay.isEmpty();
}

// Whether the platform is ours to choose: the user may have chosen one himself.
bool choosesPlatform(const SessionEnvironment &environment)
{
    return isWaylandSession(environment) && environment.qpaPlatform.isEmpty();
}

} // namespace

SessionEnvironment SessionEnvironment::current()
{
    return {qEnvironmentVariable("XDG_SESSION_TYPE"), qEnvironmentVariable("WAYLAND_DISPLAY"),
            qEnvironmentVariable("DISPLAY"), qEnvironmentVariable("QT_QPA_PLATFORM")};
}

QByteArray platformToForce(const SessionEnvironment &environment)
{
    if (!choosesPlatform(environment) || environment.display.isEmpty())
        return {};
    // Should XWayland refuse the connection after all, Qt falls back to Wayland rather than fail.
    return "xcb;wayland"_ba;
}

QString platformNotice(const SessionEnvironment &environment, QStringView runningPlatform)
{
    if (!choosesPlatform(environment))
        return {};
    if (runningPlatform == u"xcb")
        return u"Wayland session: using X11 through XWayland so that the window can stay on top"_s;
    return u"Wayland session without XWayland: the window cannot stay on top or come forward by itself"_s;
}

QString displayFailure(const SessionEnvironment &environment)
{
    const QString cannot = u"Corvel cannot open its window: "_s;
    if (!environment.qpaPlatform.isEmpty())
        return cannot % u"the platform \""_s % environment.qpaPlatform % u"\" set in QT_QPA_PLATFORM does not start"_s;
    QStringList displays;
    if (!environment.waylandDisplay.isEmpty())
        displays.append(u"the Wayland display \""_s % environment.waylandDisplay %
                        u"\" (is its compositor running?)"_s);
    if (!environment.display.isEmpty())
        displays.append(u"the X display \""_s % environment.display % u"\""_s);
    if (displays.isEmpty())
        return cannot % u"no display is set (neither DISPLAY nor WAYLAND_DISPLAY)"_s;
    return cannot % u"cannot connect to "_s % displays.join(u" or "_s);
}

} // namespace corvel
