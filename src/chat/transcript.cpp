// SPDX-License-Identifier: GPL-3.0-or-later
#include "chat/transcript.h"

#include "chat/long_line.h"
#include "platform/free_memory.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

using namespace Qt::StringLiterals;

namespace corvel {

namespace {

// Where QTextCursor::insertText starts a new block.
bool endsBlock(QChar character)
{
    return character == u'\n' || character == u'\r' || character == QChar::ParagraphSeparator ||
           character == QChar(0xfdd0) || character == QChar(0xfdd1);
}

} // namespace

Transcript::Transcript(QPlainTextEdit &view, MainLoop &loop, Clock clock, Limits limits)
    : m_view(view), m_loop(loop), m_clock(std::move(clock)), m_limits(limits), m_cursor(view.document())
{
    // The transcript is only ever appended to by the program; an undo history would keep every
    // line twice.
    m_view.setUndoRedoEnabled(false);
}

Transcript::~Transcript()
{
    closePass();
}

// The lines of one pass share one reading of the clock: each reading of the local time looks at
// the time zone file again, which would cost more than the rest of a line.
QString Transcript::timeStampedLine(const QString &text) const
{
    if (!m_passOpen || m_passStamp.isNull())
        m_passStamp = m_clock().toString(u"HH:mm:ss"_s);
    return u"\n "_s % m_passStamp % u"  \t "_s % text;
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
        m_loop.after(Seconds(0), this, [this] { finishPass(); });
    }
    // setPosition, unlike moving to the end, does not lay out the last line for every insert.
    QTextDocument *document = m_view.document();
    m_cursor.setPosition(document->characterCount() - 1);
    insertShown(text, style.format());
    m_scrollPending = m_scrollPending || scroll;
    // However much one pass brings, the document never holds much more than its limits.
    if (document->blockCount() > m_limits.lines + m_limits.dropLines ||
        characters() > m_limits.characters + m_limits.dropCharacters)
        closePass();
}

// Inserts the text with each of its lines that would cost too much to lay out shortened.
void Transcript::insertShown(const QString &text, const QTextCharFormat &format)
{
    qsizetype pending = 0; // what is not inserted yet begins here
    qsizetype lineStart = 0;
    for (qsizetype at = 0; at <= text.size(); ++at) {
        if (at < text.size() && !endsBlock(text.at(at)))
            continue;
        // A line that continues one already shown stays whole: only the program's own texts do.
        if (!LongLine::showsWhole(QStringView(text).sliced(lineStart, at - lineStart)) &&
            (lineStart > 0 || m_cursor.positionInBlock() == 0)) {
            m_cursor.insertText(text.sliced(pending, lineStart - pending), format);
            auto *line = new LongLine(text.sliced(lineStart, at - lineStart));
            m_cursor.insertText(line->shownText(), format);
            m_cursor.block().setUserData(line);
            m_hiddenCharacters += line->text().size();
            pending = at;
        }
        lineStart = at + 1;
    }
    m_cursor.insertText(text.sliced(pending), format);
}

bool Transcript::overLimits(int lines, qsizetype characters) const
{
    return lines > m_limits.lines || characters > m_limits.characters;
}

void Transcript::closePass()
{
    if (!m_passOpen)
        return;
    m_passOpen = false;
    m_passStamp.clear();
    m_cursor.endEditBlock();
    dropOldestLines();
}

void Transcript::finishPass()
{
    closePass();
    if (m_scrollPending)
        scrollToEnd();
}

// Once over a limit, the oldest whole lines go until a batch's worth is below both, selected by
// position: moving a cursor block by block, as the document's own block limit does, would lay out
// every line on its way out. The newest line always stays.
void Transcript::dropOldestLines()
{
    QTextDocument *document = m_view.document();
    int lines = document->blockCount();
    qsizetype characters = this->characters();
    if (!overLimits(lines, characters))
        return;
    QTextBlock firstKept = document->firstBlock();
    qsizetype hiddenDropped = 0;
    while (firstKept != document->lastBlock() && (lines > m_limits.lines - m_limits.dropLines ||
                                                  characters > m_limits.characters - m_limits.dropCharacters)) {
        const auto *line = dynamic_cast<const LongLine *>(firstKept.userData());
        const qsizetype hidden = line != nullptr ? line->text().size() : 0;
        hiddenDropped += hidden;
        characters -= firstKept.length() + hidden;
        --lines;
        firstKept = firstKept.next();
    }
    QTextCursor oldest(document);
    oldest.setPosition(firstKept.position(), QTextCursor::KeepAnchor);
    oldest.removeSelectedText();
    m_hiddenCharacters -= hiddenDropped;
}

void Transcript::appendPlain(const QString &notice, const Style &style)
{
    append(u"\n "_s % notice, style);
}

void Transcript::replace(const QString &newText)
{
    closePass();
    m_scrollPending = false;
    m_hiddenCharacters = 0;
    m_view.setPlainText(newText);
    // The allocator keeps what a long transcript freed for its own reuse; the system gets it back.
    returnFreedMemory();
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
    const QTextDocument &document = *m_view.document();
    return wholeText(document, 0, document.characterCount() - 1);
}

qsizetype Transcript::characters() const
{
    return m_view.document()->characterCount() + m_hiddenCharacters;
}

} // namespace corvel
