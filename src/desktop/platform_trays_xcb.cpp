// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/platform_trays.h"

#include "platform/x11_connection_xcb.h"

#include <xcb/xcb.h>

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>

#include <string_view>

namespace corvel {

namespace {

xcb_atom_t atom(xcb_connection_t *connection, std::string_view name)
{
    const XcbReply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, static_cast<uint16_t>(name.size()), name.data()), nullptr));
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

// Qt keeps the screen number to itself; separate X screens are rare enough that the first one
// stands for all, as Qt's own tray icon assumes.
xcb_window_t rootWindow(xcb_connection_t *connection)
{
    return xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
}

} // namespace

// A tray that takes the selection _NET_SYSTEM_TRAY_S0 says so to every client with a MANAGER
// message to the root window's structure listeners. Without an X display there is no such tray.
class PlatformTrays::Watch final : public QAbstractNativeEventFilter {
public:
    explicit Watch(PlatformTrays &trays) : m_trays(trays)
    {
        xcb_connection_t *connection = x11Connection();
        if (connection == nullptr)
            return;
        m_managerAtom = atom(connection, "MANAGER");
        m_traySelection = atom(connection, "_NET_SYSTEM_TRAY_S0");
        const xcb_window_t root = rootWindow(connection);
        // The event mask is per client: Qt's own selection on the root window stays.
        const XcbReply<xcb_get_window_attributes_reply_t> attributes(
            xcb_get_window_attributes_reply(connection, xcb_get_window_attributes(connection, root), nullptr));
        if (!attributes)
            return;
        const uint32_t mask = attributes->your_event_mask | XCB_EVENT_MASK_STRUCTURE_NOTIFY;
        xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &mask);
        xcb_flush(connection);
        QCoreApplication::instance()->installNativeEventFilter(this);
    }

    ~Watch() override { QCoreApplication::instance()->removeNativeEventFilter(this); }
    Watch(const Watch &) = delete;
    Watch &operator=(const Watch &) = delete;

    [[nodiscard]] bool trayRuns() const
    {
        xcb_connection_t *connection = x11Connection();
        return connection != nullptr && m_traySelection != XCB_ATOM_NONE &&
               selectionIsOwned(connection, m_traySelection);
    }

    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr * /*result*/) override
    {
        constexpr uint8_t sentFlag = 0x80;
        if (eventType != "xcb_generic_event_t")
            return false;
        const auto *event = static_cast<const xcb_generic_event_t *>(message);
        if ((event->response_type & ~sentFlag) != XCB_CLIENT_MESSAGE)
            return false;
        const auto *manager = static_cast<const xcb_client_message_event_t *>(message);
        // Told once Qt has seen the message too: an icon made before would be docked twice, by its
        // maker and by Qt's own reaction to the new tray.
        if (manager->type == m_managerAtom && manager->format == 32 && manager->data.data32[1] == m_traySelection)
            QMetaObject::invokeMethod(&m_trays, &PlatformTrays::arrived, Qt::QueuedConnection);
        return false;
    }

private:
    PlatformTrays &m_trays;
    xcb_atom_t m_managerAtom = XCB_ATOM_NONE;
    xcb_atom_t m_traySelection = XCB_ATOM_NONE;
};

PlatformTrays::PlatformTrays() : m_watch(std::make_unique<Watch>(*this)) {}

PlatformTrays::~PlatformTrays() = default;

bool PlatformTrays::iconWouldShow() const
{
    return m_watch->trayRuns();
}

} // namespace corvel
