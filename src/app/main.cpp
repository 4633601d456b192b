#include "app/AppDelegate.h"
#include "app/Document.h"
#include "desktop/single_instance.h"
#include "platform/platform_choice.h"
#include "platform/start_up_messages.h"
#include "platform/trace.h"
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

} // namespace

int main(int argc, char *argv[])
{
    const corvel::SessionEnvironment session = corvel::SessionEnvironment::current();
    if (const QByteArray platform = corvel::platformToForce(session); !platform.isEmpty())
        qputenv("QT_QPA_PLATFORM", platform);
    std::optional<corvel::StartUpMessages> startUp(std::in_place, corvel::displayFailure(session));
    QApplication application(argc, argv);
    startUp.reset();
    if (const QString notice = corvel::platformNotice(session, QApplication::platformName()); !notice.isEmpty())
        corvel::trace(notice);
    QApplication::setApplicationName(u"Corvel"_s);
    QApplication::setOrganizationName(u"Corvel"_s);
    QApplication::setDesktopFileName(u"corvel"_s);
    QApplication::setWindowIcon(windowIcon());
    QApplication::setQuitOnLastWindowClosed(corvel::AppDelegate::applicationShouldTerminateAfterLastWindowClosed());

    // A second launch brings the running copy's window back rather than putting the user on the
    // network twice; --new-instance is for the rare wish of a second copy.
    std::optional<corvel::SingleInstance> instance;
    if (!QApplication::arguments().contains(u"--new-instance"_s)) {
        instance.emplace();
        if (!instance->claim()) {
            if (instance->reachedRunningCopy())
                return 0;
            // The lock says a copy runs: a second one would put the user on the network twice.
            std::fputs("Corvel already runs on this display but does not answer; "
                       "start it with --new-instance for a second copy.\n",
                       stderr);
            return 1;
        }
    }

    corvel::Document document;
    document.makeWindowControllers();
    if (instance && !instance->listen([&document] { document.reopen(); }))
        corvel::trace(u"A second launch cannot reach this copy: "_s + instance->listenError());
    QApplication::exec();
    return 0;
}
