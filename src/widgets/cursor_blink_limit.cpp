// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/cursor_blink_limit.h"

#include <QApplication>
#include <QEvent>

namespace corvel {

CursorBlinkLimit::CursorBlinkLimit(MainLoop &loop) : m_loop(loop), m_flashTime(QApplication::cursorFlashTime())
{
    QApplication::instance()->installEventFilter(this);
    resumeBlinking();
}

CursorBlinkLimit::~CursorBlinkLimit()
{
    m_loop.cancel(m_steadyCursor);
    QApplication::setCursorFlashTime(m_flashTime);
}

bool CursorBlinkLimit::eventFilter(QObject * /*watched*/, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::InputMethod: // typing through an input method brings no key presses
    case QEvent::MouseButtonPress:
    case QEvent::FocusIn:
        resumeBlinking();
        break;
    default:
        break;
    }
    return false;
}

// Line edits follow a change of the flash time at once, the focused one included.
void CursorBlinkLimit::resumeBlinking()
{
    QApplication::setCursorFlashTime(m_flashTime);
    m_loop.cancel(m_steadyCursor);
    m_steadyCursor = m_loop.after(blinkingSpan, this, [] { QApplication::setCursorFlashTime(0); });
}

} // namespace corvel
