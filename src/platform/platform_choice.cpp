#include "platform/platform_choice.h"

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

} // namespace corvel
