// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/main_loop.h"

#include <QObject>

namespace corvel {

// Text cursors blink only for a while after the last keyboard or mouse input, then stay steady,
// as GNOME's do: a blinking cursor wakes the program twice a second for as long as it is idle.
// Watches the whole application from construction; leaves the flash time as it found it.
class CursorBlinkLimit : public QObject {
    Q_OBJECT
public:
    static constexpr Seconds blinkingSpan{10};

    explicit CursorBlinkLimit(MainLoop &loop);
    ~CursorBlinkLimit() override;
    CursorBlinkLimit(const CursorBlinkLimit &) = delete;
    CursorBlinkLimit &operator=(const CursorBlinkLimit &) = delete;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void resumeBlinking();

    MainLoop &m_loop;
    const int m_flashTime; // the platform's, in milliseconds
    MainLoop::TimerId m_steadyCursor = MainLoop::noTimer;
};

} // namespace corvel
