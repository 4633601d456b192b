// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt_application.h"

#include <QApplication>

namespace corvel {

namespace {

// The windows that the window manager shows for the program. A tray icon's own window (XEmbed)
// lives inside the panel and bypasses the window manager: hiding it would take the icon away
// with the windows that only the icon can bring back.
QList<QWidget *> ownWindows()
{
    QList<QWidget *> windows = QApplication::topLevelWidgets();
    windows.removeIf([](const QWidget *window) { return window->windowFlags() & Qt::BypassWindowManagerHint; });
    return windows;
}

} // namespace

void QtApplication::hide()
{
    m_hidden = true;
    for (QWidget *window : ownWindows()) {
        if (window->isVisible()) {
            m_hiddenWindows.append(window);
            window->hide();
        }
    }
}

void QtApplication::hideAtStart(QWidget *window)
{
    m_hidden = true;
    m_hiddenWindows.append(window);
}

void QtApplication::unhide()
{
    m_hidden = false;
    for (const QPointer<QWidget> &window : std::as_const(m_hiddenWindows)) {
        if (window)
            window->show();
    }
    m_hiddenWindows.clear();
}

// In auto-hide mode this runs for every datagram; a window that is already in front is left alone
// rather than asking the window system again, thousands of times a second in a flood.
void QtApplication::activateIgnoringOtherApps()
{
    for (QWidget *window : ownWindows()) {
        if (window->isVisible() && !window->isActiveWindow() && window->windowType() != Qt::Popup) {
            // A minimized window would be raised and activated where nobody sees it.
            if (window->isMinimized())
                window->showNormal();
            window->raise();
            window->activateWindow();
        }
    }
}

void QtApplication::requestCriticalAttention()
{
    // A zero duration keeps the alert up until the user turns to the program.
    for (QWidget *window : ownWindows()) {
        if (window->windowType() == Qt::Window)
            QApplication::alert(window, 0);
    }
}

void QtApplication::terminate()
{
    QCoreApplication::quit();
}

} // namespace corvel
