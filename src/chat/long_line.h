#pragma once

#include <QString>
#include <QTextBlockUserData>

class QTextDocument;

namespace corvel {

// Laying out a line costs time that grows with its length, faster than that when it has no place
// to break, and every repaint lays it out again. So a line longer than shownCharacters shows its
// beginning and a note of what is left out, and its block keeps the whole line for copying.
class LongLine : public QTextBlockUserData {
public:
    static constexpr qsizetype shownCharacters = 4'000;

    explicit LongLine(QString text);

    [[nodiscard]] const QString &text() const { return m_text; }
    // How many of the line's characters are shown before the note; a pair of surrogates stays whole.
    [[nodiscard]] qsizetype shown() const { return m_shown; }
    // The note that ends the shortened line.
    [[nodiscard]] QString note() const;

private:
    QString m_text;
    qsizetype m_shown;
};

// The plain text between two positions of the document, shortened lines in full: selecting any of
// a line's note selects what it stands for.
[[nodiscard]] QString wholeText(const QTextDocument &document, int from, int to);

} // namespace corvel
