#include "chat/transcript.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

using namespace Qt::StringLiterals;

namespace corvel {

Transcript::Transcript(QPlainTextEdit &view, MainLoop &loop, Clock clock)
    : m_view(view), m_loop(loop), m_clock(std::move(clock)), m_cursor(view.document())
{
    // The transcript is only ever appended to by the program; an undo history would keep every
    // line twice.
    m_view.setUndoRedoEnabled(false);
    // Past the limit the document drops the oldest lines once per pass; the plain-text layout
    // handles that without laying out again what remains.
    m_view.setMaximumBlockCount(maxLines);
}

Transcript::~Transcript()
{
    closePass();
}

QString Transcript::timeStampedLine(const QString &text) const
{
    return u"\n "_s % m_clock().toString(u"HH:mm:ss"_s) % u"  \t "_s % text;
}

void Transcript::append(const QString &text, const Style &style)
{
    insert(text, style, true);
}

void Transcript::appendWithoutScrolling(const QString &text, const Style &style)
{
    insert(text, style, false);
}

void Transcript::insert(const QString &text, const Style &style, bool scroll)
{
    if (!m_passOpen) {
        m_passOpen = true;
        m_cursor.beginEditBlock();
        m_loop.after(Seconds(0), m_lifetime.guard([this] { finishPass(); }));
    }
    // setPosition, unlike moving to the end, does not lay out the last line for every insert.
    m_cursor.setPosition(m_view.document()->characterCount() - 1);
    m_cursor.insertText(text, style.format());
    m_scrollPending = m_scrollPending || scroll;
}

void Transcript::closePass()
{
    if (!m_passOpen)
        return;
    m_passOpen = false;
    m_cursor.endEditBlock();
}

void Transcript::finishPass()
{
    closePass();
    if (m_scrollPending)
        scrollToEnd();
}

void Transcript::appendPlain(const QString &notice)
{
    replace(text() % u"\n "_s % notice);
    scrollToEnd();
}

void Transcript::replace(const QString &newText)
{
    closePass();
    m_scrollPending = false;
    m_view.setPlainText(newText);
}

void Transcript::scrollToEnd()
{
    m_scrollPending = false;
    m_view.moveCursor(QTextCursor::End);
    m_view.verticalScrollBar()->setValue(m_view.verticalScrollBar()->maximum());
}

void Transcript::setPointSize(int points)
{
    QFont font = m_view.font();
    font.setBold(true);
    font.setPointSize(points);
    m_view.setFont(font);

    // Lines already shown keep their colours and take the new size.
    QTextCharFormat size;
    size.setFontWeight(QFont::Bold);
    size.setFontPointSize(points);
    QTextCursor all(m_view.document());
    all.select(QTextCursor::Document);
    all.mergeCharFormat(size);
}

void Transcript::setBackground(const QColor &colour)
{
    QPalette palette = m_view.palette();
    palette.setColor(QPalette::Base, colour);
    m_view.setPalette(palette);
}

QString Transcript::text() const
{
    return m_view.toPlainText();
}

} // namespace corvel
