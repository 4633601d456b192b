// SPDX-License-Identifier: GPL-3.0-or-later
#include "chat/long_line.h"

#include <QCoreApplication>
#include <QTextBlock>
#include <QTextDocument>

#include <algorithm>
#include <utility>

using namespace Qt::StringLiterals;

namespace corvel {

namespace {

// As QTextDocument::toPlainText gives the characters that it stores in its own way.
QString asPlainText(QString text)
{
    for (QChar &character : text) {
        if (character == QChar::Nbsp)
            character = u' ';
        else if (character == QChar::LineSeparator)
            character = u'\n';
    }
    return text;
}

// The code point at a position and how many UTF-16 units it takes.
std::pair<char32_t, qsizetype> codePointAt(QStringView text, qsizetype at)
{
    const QChar first = text.at(at);
    if (first.isHighSurrogate() && at + 1 < text.size() && text.at(at + 1).isLowSurrogate())
        return {QChar::surrogateToUcs4(first, text.at(at + 1)), 2};
    return {first.unicode(), 1};
}

// What stacks on the character before it: marks, and the joiners that may stand among them (so
// that the parts of an emoji sequence each count as a character of their own).
bool stacks(char32_t code)
{
    switch (QChar::category(code)) {
    case QChar::Mark_NonSpacing:
    case QChar::Mark_SpacingCombining:
    case QChar::Mark_Enclosing:
        return true;
    default:
        return code == 0x200C || code == 0x200D;
    }
}

} // namespace

bool LongLine::showsWhole(QStringView line)
{
    if (line.size() > shownCharacters)
        return false;
    qsizetype marks = 0;
    for (qsizetype at = 0; at < line.size();) {
        const auto [code, width] = codePointAt(line, at);
        marks = stacks(code) ? marks + 1 : 0;
        if (marks > shownMarks)
            return false;
        at += width;
    }
    return true;
}

LongLine::LongLine(QString text) : m_text(std::move(text)), m_end(m_text.size())
{
    qsizetype shown = 0; // characters shown of the line before `from`
    qsizetype from = 0;
    qsizetype marks = 0;
    for (qsizetype at = 0; at < m_text.size();) {
        const auto [code, width] = codePointAt(m_text, at);
        marks = stacks(code) ? marks + 1 : 0;
        if (marks <= shownMarks) {
            at += width;
            continue;
        }
        Omission omission{.wholeAt = at, .wholeLength = 0, .marks = 0, .signLength = 0};
        for (; at < m_text.size() && stacks(codePointAt(m_text, at).first); at += codePointAt(m_text, at).second)
            ++omission.marks;
        omission.wholeLength = at - omission.wholeAt;
        omission.signLength = sign(omission.marks).size();
        if (shown + (omission.wholeAt - from) + omission.signLength > shownCharacters) {
            m_end = omission.wholeAt;
            break;
        }
        m_omissions.push_back(omission);
        shown += omission.wholeAt - from + omission.signLength;
        from = at;
        marks = 0;
    }
    if (shown + (m_end - from) > shownCharacters) {
        m_end = from + (shownCharacters - shown);
        // A pair of surrogates stays whole.
        if (m_end > 0 && m_text.at(m_end - 1).isHighSurrogate())
            --m_end;
    }
}

QString LongLine::shownText() const
{
    QString shown;
    qsizetype from = 0;
    for (const Omission &omission : m_omissions) {
        shown += QStringView(m_text).sliced(from, omission.wholeAt - from) + sign(omission.marks);
        from = omission.wholeAt + omission.wholeLength;
    }
    shown += QStringView(m_text).sliced(from, m_end - from);
    if (m_end < m_text.size())
        shown += note();
    return shown;
}

qsizetype LongLine::wholePosition(qsizetype shown, bool toEnd) const
{
    qsizetype shownFrom = 0;
    qsizetype from = 0;
    for (const Omission &omission : m_omissions) {
        const qsizetype signAt = shownFrom + (omission.wholeAt - from);
        if (shown <= signAt)
            return from + (shown - shownFrom);
        if (shown < signAt + omission.signLength)
            return toEnd ? omission.wholeAt + omission.wholeLength : omission.wholeAt;
        shownFrom = signAt + omission.signLength;
        from = omission.wholeAt + omission.wholeLength;
    }
    if (shown <= shownFrom + (m_end - from))
        return from + (shown - shownFrom);
    return toEnd ? m_text.size() : m_end;
}

QString LongLine::sign(qsizetype marks)
{
    const int count = static_cast<int>(marks);
    return QCoreApplication::translate("corvel::LongLine", "[+%n marks]", nullptr, count);
}

QString LongLine::note() const
{
    const int hidden = static_cast<int>(m_text.size() - m_end);
    return u" "_s + QCoreApplication::translate("corvel::LongLine",
                                                "… [%n more characters not shown: copy the line for all of it]",
                                                nullptr, hidden);
}

QString wholeText(const QTextDocument &document, int from, int to)
{
    QString text;
    for (QTextBlock block = document.findBlock(from); block.isValid() && block.position() <= to; block = block.next()) {
        const int start = std::max(from, block.position()) - block.position();
        const int end = std::min(to, block.position() + block.length() - 1) - block.position();
        if (const auto *line = dynamic_cast<const LongLine *>(block.userData())) {
            const qsizetype wholeStart = line->wholePosition(start, false);
            const qsizetype wholeEnd = line->wholePosition(end, true);
            text += QStringView(line->text()).sliced(wholeStart, wholeEnd - wholeStart);
        } else {
            text += asPlainText(block.text().sliced(start, end - start));
        }
        if (to >= block.position() + block.length())
            text += u'\n';
    }
    return text;
}

} // namespace corvel
