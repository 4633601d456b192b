#include "desktop/unread.h"

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
    QStringList parts;
    if (lines > 0)
        parts << (lines == 1 ? u"1 unread line"_s : u"%1 unread lines"_s.arg(lines));
    if (call)
        parts << u"a call"_s;
    return parts.isEmpty() ? u"Corvel"_s : u"Corvel: "_s + parts.join(u" and "_s);
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
