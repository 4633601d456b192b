#include "platform/qt_application.h"

#include <QApplication>

namespace corvel {

void QtApplication::hide()
{
    m_hidden = true;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->isVisible()) {
            m_hiddenWindows.append(window);
            window->hide();
        }
    }
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
    for (QWidget *window : QApplication::topLevelWidgets()) {
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
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->isWindow() && window->windowType() == Qt::Window)
            QApplication::alert(window, 0);
    }
}

void QtApplication::terminate()
{
    QCoreApplication::quit();
}

} // namespace corvel
