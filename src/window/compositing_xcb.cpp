// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/compositing.h"

#include "platform/x11_connection_xcb.h"

#include <xcb/xcb.h>

#include <string_view>

namespace corvel {

namespace {

// A compositing manager owns the selection _NET_WM_CM_S<screen> while it runs. Qt keeps the
// screen number to itself; separate X screens are rare enough that the first one stands for all.
bool compositingManagerRuns(xcb_connection_t *connection)
{
    constexpr std::string_view selection = "_NET_WM_CM_S0";
    const xcb_intern_atom_cookie_t request =
        xcb_intern_atom(connection, 1, static_cast<uint16_t>(selection.size()), selection.data());
    const XcbReply<xcb_intern_atom_reply_t> atom(xcb_intern_atom_reply(connection, request, nullptr));
    return atom && atom->atom != XCB_ATOM_NONE && selectionIsOwned(connection, atom->atom);
}

} // namespace

bool windowAlphaIsShown()
{
    if (!windowsAreOnX11())
        return true;
    xcb_connection_t *connection = x11Connection();
    return connection != nullptr && compositingManagerRuns(connection);
}

} // namespace corvel
