// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/x11_connection_xcb.h"

#include <xcb/xcb.h>

#include <QGuiApplication>

using namespace Qt::StringLiterals;

namespace corvel {

bool windowsAreOnX11()
{
    return QGuiApplication::platformName() == u"xcb"_s;
}

xcb_connection_t *x11Connection()
{
    if (!windowsAreOnX11())
        return nullptr;
    const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 == nullptr ? nullptr : x11->connection();
}

bool selectionIsOwned(xcb_connection_t *connection, xcb_atom_t selection)
{
    const XcbReply<xcb_get_selection_owner_reply_t> owner(
        xcb_get_selection_owner_reply(connection, xcb_get_selection_owner(connection, selection), nullptr));
    return owner && owner->owner != XCB_WINDOW_NONE;
}

} // namespace corvel
