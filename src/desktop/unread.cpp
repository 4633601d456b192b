// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/unread.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace corvel {

void Unread::add(Arrival arrival)
{
    if (arrival == Arrival::Call)
        call = true;
    else
        ++lines;
}

QString Unread::summary() const
{
    if (!any())
        return u"Corvel"_s;
    const QString unreadLines = QCoreApplication::translate("corvel::Unread", "%n unread line(s)", nullptr, lines);
    const QString waiting = !call ? unreadLines
                            : lines == 0
                                ? QCoreApplication::translate("corvel::Unread", "a call")
                                : QCoreApplication::translate("corvel::Unread", "%1 and a call").arg(unreadLines);
    return QCoreApplication::translate("corvel::Unread", "Corvel: %1").arg(waiting);
}

QString escapeMarkup(const QString &text)
{
    QString escaped;
    escaped.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '&':
            escaped += u"&amp;";
            break;
        case '<':
            escaped += u"&lt;";
            break;
        case '>':
            escaped += u"&gt;";
            break;
        case '"':
            escaped += u"&quot;";
            break;
        case '\'':
            escaped += u"&apos;";
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

} // namespace corvel
