// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/chat_scene.h"
#include "app/command_line.h"
#include "app/network_check.h"
#include "desktop/single_instance.h"
#include "platform/platform_choice.h"
#include "platform/start_up_messages.h"
#include "platform/trace.h"
#include "platform/translations.h"
#include "widgets/png_pixmap.h"

#include <QApplication>
#include <QDir>
#include <QIcon>

#include <cstdio>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

// Offering every rendered size keeps the icon sharp at any scale.
QIcon windowIcon()
{
    QIcon icon;
    const QDir images(u":/"_s);
    for (const QString &file : images.entryList({u"corvel-*.png"_s}))
        icon.addPixmap(corvel::pngPixmap(images.filePath(file)));
    return icon;
}

// Answers what the command line asks for when that is not the chat window: an exit status.
std::optional<int> answerCommandLine(const corvel::CommandLine &line)
{
    using Action = corvel::CommandLine::Action;
    switch (line.action) {
    case Action::Run:
    case Action::Check:
        return std::nullopt;
    case Action::Help:
        std::fputs(qPrintable(line.usage), stdout);
        return 0;
    case Action::Version:
        std::puts(qPrintable(line.version));
        return 0;
    case Action::Refuse:
        std::fprintf(stderr, "corvel: %s\n\n%s", qPrintable(line.error), qPrintable(line.usage));
        return 2;
    }
    return 2;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication::setApplicationName(u"Corvel"_s);
    QApplication::setOrganizationName(u"Corvel"_s);
    QApplication::setApplicationVersion(QStringLiteral(CORVEL_VERSION));
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const corvel::CommandLine commandLine = corvel::parseCommandLine(arguments);
    if (commandLine.action != corvel::CommandLine::Action::Run) {
        // The answer in the user's language: a translation needs an application object, and the
        // texts are made anew once it is installed.
        const QCoreApplication application(argc, argv);
        const corvel::Translations translations;
        if (commandLine.action == corvel::CommandLine::Action::Check)
            return corvel::runNetworkCheck();
        return answerCommandLine(corvel::parseCommandLine(arguments)).value_or(0);
    }

    const corvel::SessionEnvironment session = corvel::SessionEnvironment::current();
    if (const QByteArray platform = corvel::platformToForce(session); !platform.isEmpty())
        qputenv("QT_QPA_PLATFORM", platform);
    std::optional<corvel::StartUpMessages> startUp(std::in_place, corvel::displayFailure(session));
    QApplication application(argc, argv);
    startUp.reset();
    const corvel::Translations translations;
    if (const QString notice = corvel::platformNotice(session, QApplication::platformName()); !notice.isEmpty())
        corvel::trace(notice);
    QApplication::setDesktopFileName(u"corvel"_s);
    QApplication::setWindowIcon(windowIcon());

    // A second launch brings the running copy's window back rather than putting the user on the
    // network twice; --new-instance is for the rare wish of a second copy.
    std::optional<corvel::SingleInstance> instance;
    if (!commandLine.newInstance) {
        instance.emplace();
        if (!instance->claim()) {
            if (instance->reachedRunningCopy())
                return 0;
            if (instance->takenByOtherUser()) {
                std::fputs("Corvel runs on this display, but another user's program holds the name it listens on, so "
                           "it cannot be asked to show its window; start Corvel with --new-instance for a second "
                           "copy.\n",
                           stderr);
                return 1;
            }
            // The lock says a copy runs: a second one would put the user on the network twice.
            std::fputs("Corvel already runs on this display but does not answer; "
                       "start it with --new-instance for a second copy.\n",
                       stderr);
            return 1;
        }
    }

    corvel::ChatScene scene;
    scene.open(commandLine.hidden);
    if (instance) {
        QObject::connect(&*instance, &corvel::SingleInstance::launched, [&scene] { scene.reopen(); });
        if (!instance->listen())
            corvel::trace(u"A second launch cannot reach this copy: "_s + instance->listenError());
    }
    QApplication::exec(); // returns once the last window has closed, as Qt does by default
    return 0;
}
