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
    dropOldestLines();
}

void Transcript::finishPass()
{
    closePass();
    if (m_scrollPending)
        scrollToEnd();
}

// The oldest lines go in batches, selected by position: moving a cursor block by block, as the
// document's own block limit does, would lay out every line on its way out.
void Transcript::dropOldestLines()
{
    QTextDocument *document = m_view.document();
    if (document->blockCount() <= maxLines)
        return;
    const QTextBlock firstKept = document->findBlockByNumber(document->blockCount() - maxLines + dropBatch);
    QTextCursor oldest(document);
    oldest.setPosition(firstKept.position(), QTextCursor::KeepAnchor);
    oldest.removeSelectedText();
}

void Transcript::appendPlain(const QString &notice, const Style &style)
{
    append(u"\n "_s % notice, style);
}

void Transcript::replace(const QString &newText)
{
    closePass();
    m_scrollPending = false;
    m_view.setPlainText(newText);
    dropOldestLines();
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

// Only the viewport's palette changes: a palette change on the text view itself lays out every
// line again, which twice a second while flashing would stall a long transcript.
void Transcript::setBackground(const QColor &colour)
{
    QWidget *surface = m_view.viewport();
    QPalette palette = surface->palette();
    palette.setColor(QPalette::Base, colour);
    surface->setPalette(palette);
}

QColor Transcript::background() const
{
    return m_view.viewport()->palette().color(QPalette::Base);
}

QString Transcript::text() const
{
    return m_view.toPlainText();
}

} // namespace corvel
