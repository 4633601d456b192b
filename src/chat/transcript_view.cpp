// SPDX-License-Identifier: GPL-3.0-or-later
#include "chat/transcript_view.h"

#include "chat/long_line.h"

#include <QMimeData>
#include <QTextBlock>

namespace corvel {

// Only a selection that holds a shortened line is copied as plain text; any other keeps the
// formats that the view copies along.
QMimeData *TranscriptView::createMimeDataFromSelection() const
{
    const QTextCursor selection = textCursor();
    const QTextDocument &document = *this->document();
    const QTextBlock last = document.findBlock(selection.selectionEnd());
    for (QTextBlock block = document.findBlock(selection.selectionStart()); block.isValid(); block = block.next()) {
        if (dynamic_cast<const LongLine *>(block.userData()) != nullptr) {
            auto *copied = new QMimeData;
            copied->setText(wholeText(document, selection.selectionStart(), selection.selectionEnd()));
            return copied;
        }
        if (block == last)
            break;
    }
    return QPlainTextEdit::createMimeDataFromSelection();
}

} // namespace corvel
