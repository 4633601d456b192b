// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QTextBlockUserData>

#include <vector>

class QTextDocument;

namespace corvel {

// Laying out a line costs time that grows with its length, faster than that when it has no place
// to break, and every repaint lays it out again; marks stacked on one character cost far more, each
// placed against all the others. So a line shows at most shownMarks marks on a character, with a
// sign for each run left out, and at most shownCharacters characters, with a note of what is left
// out at its end. Its block keeps the whole line for copying.
class LongLine : public QTextBlockUserData {
public:
    static constexpr qsizetype shownCharacters = 4'000;
    static constexpr int shownMarks = 8;

    // Whether the line shows as it is.
    [[nodiscard]] static bool showsWhole(QStringView line);

    explicit LongLine(QString text);

    [[nodiscard]] const QString &text() const { return m_text; }
    // What the view shows in place of the line.
    [[nodiscard]] QString shownText() const;
    // The position in the whole line of a position in the shown one; one inside a sign or the note
    // stands for the beginning of what it leaves out, or with toEnd for its end.
    [[nodiscard]] qsizetype wholePosition(qsizetype shown, bool toEnd) const;

private:
    // Marks left out, from wholeAt on, shown as a sign of signLength characters.
    struct Omission {
        qsizetype wholeAt;
        qsizetype wholeLength;
        qsizetype marks;
        qsizetype signLength;
    };

    [[nodiscard]] static QString sign(qsizetype marks);
    [[nodiscard]] QString note() const;

    QString m_text;
    std::vector<Omission> m_omissions;
    qsizetype m_end; // where the shown part of the whole line ends, and the note begins
};

// The plain text between two positions of the document, shortened lines in full: selecting any of
// a line's sign or note selects what it stands for.
[[nodiscard]] QString wholeText(const QTextDocument &document, int from, int to);

} // namespace corvel
