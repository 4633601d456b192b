#include "chat/ViewController.h"

#include "net/utf8.h"
#include "net/wire.h"
#include "platform/application.h"
#include "platform/trace.h"
#include "settings/keys.h"
#include "settings/settings_store.h"

using namespace Qt::StringLiterals;

namespace corvel {

void ViewController::receive(QByteArrayView payload)
{
    if (m_duplicates.isRepeat(payload, m_loop.now()))
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
        online();
        return;
    case wire::MessageKind::Call:
        if (callbool) {
            callbool = false;
            m_transcript.append(m_transcript.timeStampedLine(*text), styleSys);
        } else {
            flash();
            m_arrived(Arrival::Call, *text);
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
        showLine(*text);
        return;
    }
}

void ViewController::showLine(const QString &text)
{
    if (m_ownLines.claim(text)) {
        m_transcript.append(m_transcript.timeStampedLine(text), styleMe);
        trace(u"this is me");
    } else {
        m_transcript.append(m_transcript.timeStampedLine(text), styleNotMe);
        m_arrived(Arrival::Line, text);
    }
}

} // namespace corvel
