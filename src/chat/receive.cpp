// SPDX-License-Identifier: GPL-3.0-or-later
#include "chat/ViewController.h"

#include "net/utf8.h"
#include "net/wire.h"
#include "platform/application.h"
#include "platform/trace.h"
#include "settings/keys.h"
#include "settings/settings_store.h"

using namespace Qt::StringLiterals;

namespace corvel {

void ViewController::receive(const Datagram &datagram)
{
    m_echo.heard();
    const QByteArrayView payload = datagram.payload;
    if (m_duplicates.isRepeat(payload, datagram.sender, datagram.arrived))
        return;
    if (m_defaults.boolForKey(keys::hide))
        show();
    else if (m_application.isHidden())
        m_application.requestCriticalAttention();

    const QString user = m_defaults.userName();
    const std::optional<QString> text = decodeUtf8(payload);
    if (!text) {
        trace(u">>> Data received, but cannot be converted to String");
        return;
    }
    trace(u"Data received: "_s % *text);

    switch (wire::classify(*text, user)) {
    case wire::MessageKind::PresenceRequest:
        m_presence.rememberAsker(datagram);
        online();
        return;
    case wire::MessageKind::Call:
        if (m_call.takeOwnEcho(datagram)) {
            m_transcript.append(m_transcript.timeStampedLine(*text), styleSys);
        } else {
            flash();
            Q_EMIT arrived(Arrival::Call, *text);
        }
        return;
    case wire::MessageKind::Flash:
        flash();
        return;
    case wire::MessageKind::Clear:
        clear();
        return;
    case wire::MessageKind::CallAcknowledgement:
    case wire::MessageKind::OwnPresenceAnswer:
        return;
    case wire::MessageKind::SystemLine:
        m_transcript.append(m_transcript.timeStampedLine(*text), styleSys);
        return;
    case wire::MessageKind::ChatLine:
        showLine(*text, datagram);
        return;
    }
}

void ViewController::showLine(const QString &text, const Datagram &datagram)
{
    if (datagram.sender == Datagram::ownHost && m_echo.claim(text, datagram.arrived)) {
        m_transcript.append(m_transcript.timeStampedLine(text), styleMe);
        trace(u"this is me");
    } else {
        m_transcript.append(m_transcript.timeStampedLine(text), styleNotMe);
        Q_EMIT arrived(Arrival::Line, text);
    }
}

} // namespace corvel
