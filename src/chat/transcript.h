// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "chat/style.h"
#include "platform/main_loop.h"

#include <QObject>
#include <QString>
#include <QTextCursor>
#include <QTime>

#include <functional>

class QPlainTextEdit;

namespace corvel {

// A flood must not exhaust memory: a transcript keeps only its newest lines, as many as both
// limits allow. Full-size datagrams would take gigabytes within the line limit alone, and the
// document counts its characters in an int. Whole lines go, oldest first, in batches. Whenever
// lines go, the document copies all the text it keeps once its buffer is nearly full, which at
// this size it nearly always is: a flood of long lines spent a fifth of its time in that copy
// while half a million characters went at a time.
struct TranscriptLimits {
    int lines = 50'000;
    int dropLines = 1'000;
    qsizetype characters = 8'000'000;
    qsizetype dropCharacters = 4'000'000;
};

// The chat window's transcript. Received text is only ever inserted as plain characters with a
// format, never interpreted as markup. Appends made in one pass of the main loop form one edit
// block with one scroll to the end after them, and only the newest lines are kept, so that a
// flood from the network costs the same per line and cannot exhaust memory.
class Transcript : public QObject {
    Q_OBJECT
public:
    using Clock = std::function<QTime()>;

    using Limits = TranscriptLimits;

    Transcript(QPlainTextEdit &view, MainLoop &loop, Clock clock = &QTime::currentTime, Limits limits = {});
    ~Transcript() override;

    // "\n " + the local time "HH:mm:ss" + "  \t " + the text.
    [[nodiscard]] QString timeStampedLine(const QString &text) const;

    // Adds the text at the end in the style; the view scrolls to the end.
    void append(const QString &text, const Style &style);
    // Adds the text in the style without scrolling.
    void appendWithoutScrolling(const QString &text, const Style &style);
    // Adds "\n " and the notice in the style; everything shown before stays as it was.
    void appendPlain(const QString &notice, const Style &style);
    // Replaces everything with the plain text, without scrolling.
    void replace(const QString &text);
    void scrollToEnd();

    // Every character already shown, and the view's own font, become bold at this size; colours stay.
    void setPointSize(int points);
    void setBackground(const QColor &colour);
    [[nodiscard]] QColor background() const;

    // Every character, shortened lines in full.
    [[nodiscard]] QString text() const;
    // What the transcript holds, shortened lines counted in full.
    [[nodiscard]] qsizetype characters() const;

private:
    void insert(const QString &text, const Style &style, bool scroll);
    void insertShown(const QString &text, const QTextCharFormat &format);
    [[nodiscard]] bool overLimits(int lines, qsizetype characters) const;
    void closePass();
    void finishPass();
    void dropOldestLines();

    QPlainTextEdit &m_view;
    MainLoop &m_loop;
    Clock m_clock;
    Limits m_limits;
    qsizetype m_hiddenCharacters = 0; // of the shortened lines, which their blocks keep
    QTextCursor m_cursor;             // the one cursor that appends, so that a pass forms one edit block
    bool m_passOpen = false;
    mutable QString m_passStamp; // the time stamp of the lines of the open pass
    bool m_scrollPending = false;
};

} // namespace corvel
