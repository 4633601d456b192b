// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/compositing.h"

#include <QGuiApplication>

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>
#include <string_view>

using namespace Qt::StringLiterals;

namespace corvel {

namespace {

struct FreeReply {
    void operator()(void *reply) const { std::free(reply); }
};

// A compositing manager owns the selection _NET_WM_CM_S<screen> while it runs. Qt keeps the
// screen number to itself; separate X screens are rare enough that the first one stands for all.
bool compositingManagerRuns(xcb_connection_t *connection)
{
    constexpr std::string_view selection = "_NET_WM_CM_S0";
    const xcb_intern_atom_cookie_t request =
        xcb_intern_atom(connection, 1, static_cast<uint16_t>(selection.size()), selection.data());
    const std::unique_ptr<xcb_intern_atom_reply_t, FreeReply> atom(xcb_intern_atom_reply(connection, request, nullptr));
    if (!atom || atom->atom == XCB_ATOM_NONE)
        return false;
    const std::unique_ptr<xcb_get_selection_owner_reply_t, FreeReply> owner(
        xcb_get_selection_owner_reply(connection, xcb_get_selection_owner(connection, atom->atom), nullptr));
    return owner && owner->owner != XCB_WINDOW_NONE;
}

} // namespace

bool windowAlphaIsShown()
{
    // The offscreen platform may offer an X11 interface too, but its windows are on no X server.
    if (QGuiApplication::platformName() != u"xcb"_s)
        return true;
    const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr || x11->connection() == nullptr)
        return false;
    return compositingManagerRuns(x11->connection());
}

} // namespace corvel
