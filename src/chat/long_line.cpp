#include "chat/long_line.h"

#include <QCoreApplication>
#include <QTextBlock>
#include <QTextDocument>

#include <algorithm>

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

} // namespace

LongLine::LongLine(QString text)
    : m_text(std::move(text)),
      m_shown(m_text.at(shownCharacters - 1).isHighSurrogate() ? shownCharacters - 1 : shownCharacters)
{
}

QString LongLine::note() const
{
    const int hidden = static_cast<int>(m_text.size() - m_shown);
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
            const qsizetype wholeStart = std::min<qsizetype>(start, line->shown());
            const qsizetype wholeEnd = end > line->shown() ? line->text().size() : end;
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
