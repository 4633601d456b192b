// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

namespace corvel {

// While one lives, Qt's messages are held back. Should Qt end the program meanwhile (no display
// could be reached), the user gets the one given line on standard error and exit status 1 instead
// of a page of plugin advice and an abort. Held messages are printed when it ends.
class StartUpMessages {
public:
    explicit StartUpMessages(QString fatalLine);
    ~StartUpMessages();
    StartUpMessages(const StartUpMessages &) = delete;
    StartUpMessages &operator=(const StartUpMessages &) = delete;

private:
    static void hold(QtMsgType type, const QMessageLogContext &context, const QString &message);

    QtMessageHandler m_previous;
};

} // namespace corvel
