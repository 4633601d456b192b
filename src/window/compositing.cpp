#include "window/compositing.h"

#include <QGuiApplication>
#include <QLibrary>

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>
#include <string_view>

using namespace Qt::StringLiterals;

namespace corvel {

namespace {

// The X11 platform plugin has libxcb loaded already; resolving these few calls from it keeps the
// program free of a link dependency that only this question needs.
struct Xcb {
    decltype(&xcb_intern_atom) internAtom = nullptr;
    decltype(&xcb_intern_atom_reply) internAtomReply = nullptr;
    decltype(&xcb_get_selection_owner) getSelectionOwner = nullptr;
    decltype(&xcb_get_selection_owner_reply) getSelectionOwnerReply = nullptr;

    [[nodiscard]] bool complete() const
    {
        return internAtom != nullptr && internAtomReply != nullptr && getSelectionOwner != nullptr &&
               getSelectionOwnerReply != nullptr;
    }
};

template <typename Function> void resolve(QLibrary &library, const char *name, Function &function)
{
    function = reinterpret_cast<Function>(library.resolve(name));
}

struct FreeReply {
    void operator()(void *reply) const { std::free(reply); }
};

// A compositing manager owns the selection _NET_WM_CM_S<screen> while it runs. Qt keeps the
// screen number to itself; separate X screens are rare enough that the first one stands for all.
bool compositingManagerRuns(xcb_connection_t *connection, const Xcb &xcb)
{
    constexpr std::string_view selection = "_NET_WM_CM_S0";
    const xcb_intern_atom_cookie_t request =
        xcb.internAtom(connection, 1, static_cast<uint16_t>(selection.size()), selection.data());
    const std::unique_ptr<xcb_intern_atom_reply_t, FreeReply> atom(xcb.internAtomReply(connection, request, nullptr));
    if (!atom || atom->atom == XCB_ATOM_NONE)
        return false;
    const std::unique_ptr<xcb_get_selection_owner_reply_t, FreeReply> owner(
        xcb.getSelectionOwnerReply(connection, xcb.getSelectionOwner(connection, atom->atom), nullptr));
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
    QLibrary library(u"xcb"_s, 1);
    Xcb xcb;
    resolve(library, "xcb_intern_atom", xcb.internAtom);
    resolve(library, "xcb_intern_atom_reply", xcb.internAtomReply);
    resolve(library, "xcb_get_selection_owner", xcb.getSelectionOwner);
    resolve(library, "xcb_get_selection_owner_reply", xcb.getSelectionOwnerReply);
    // Unable to ask, an opaque background is the one that is readable either way.
    return xcb.complete() && compositingManagerRuns(x11->connection(), xcb);
}

} // namespace corvel
