// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/start_up_messages.h"

#include <QStringList>

#include <cstdio>
#include <cstdlib>
#include <utility>

namespace corvel {

namespace {

// The message handler is a plain function: what it needs lives here.
QString &fatalLineShown()
{
    static QString line;
    return line;
}

QStringList &held()
{
    static QStringList messages;
    return messages;
}

void printLine(const QString &line)
{
    std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
}

} // namespace

StartUpMessages::StartUpMessages(QString fatalLine)
{
    fatalLineShown() = std::move(fatalLine);
    m_previous = qInstallMessageHandler(&StartUpMessages::hold);
}

StartUpMessages::~StartUpMessages()
{
    qInstallMessageHandler(m_previous);
    for (const QString &message : std::as_const(held()))
        printLine(message);
    held().clear();
}

void StartUpMessages::hold(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type != QtFatalMsg) {
        held().append(qFormatLogMessage(type, context, message));
        return;
    }
    printLine(fatalLineShown());
    std::fflush(stderr);
    // Nothing of the program has started yet that would need ending.
    std::_Exit(EXIT_FAILURE);
}

} // namespace corvel
