// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/wire.h"

namespace corvel::wire {

QString chatLine(QStringView user, QStringView message)
{
    return chatPrefix % user % chatSeparator % message;
}

QString queryAnnouncement(QStringView user)
{
    return announcementPrefix % user % announcementTail;
}

QString presenceAnswer(QStringView user)
{
    return systemPrefix % user % presenceAnswerTail;
}

QString callAcknowledgement(QStringView user)
{
    return acknowledgementHead % user;
}

std::optional<QString> presenceAnswerName(QStringView text)
{
    if (!text.startsWith(systemPrefix) || !text.endsWith(presenceAnswerTail))
        return std::nullopt;
    return text.sliced(systemPrefix.size(), text.size() - systemPrefix.size() - presenceAnswerTail.size()).toString();
}

bool hasCopyShape(QStringView text)
{
    return text.startsWith(systemPrefix) || text.startsWith(announcementPrefix) ||
           (text.startsWith(chatPrefix) && text.indexOf(chatSeparator, chatPrefix.size()) >= 0);
}

// An answer whose name holds the presence tag must not count as a request, or copies with such
// names would answer each other's answers forever.
bool isPresenceRequest(QStringView text)
{
    return text.contains(presenceTag) && !presenceAnswerName(text);
}

namespace {

// Whether the text holds this user's presence answer, without building it for every datagram.
bool holdsPresenceAnswerOf(QStringView text, QStringView user)
{
    for (qsizetype at = text.indexOf(systemPrefix); at >= 0; at = text.indexOf(systemPrefix, at + 1)) {
        const QStringView rest = text.sliced(at + systemPrefix.size());
        if (rest.startsWith(user) && rest.sliced(user.size()).startsWith(presenceAnswerTail))
            return true;
    }
    return false;
}

} // namespace

MessageKind classify(QStringView text, QStringView localUser)
{
    if (isPresenceRequest(text))
        return MessageKind::PresenceRequest;
    if (text.contains(callTest))
        return MessageKind::Call;
    if (text.contains(flashTag))
        return MessageKind::Flash;
    if (text.contains(clearTag))
        return MessageKind::Clear;
    if (text.contains(acknowledgementTest))
        return MessageKind::CallAcknowledgement;
    if (holdsPresenceAnswerOf(text, localUser))
        return MessageKind::OwnPresenceAnswer;
    return text.contains(systemPrefix) ? MessageKind::SystemLine : MessageKind::ChatLine;
}

} // namespace corvel::wire
