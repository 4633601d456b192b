// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/autostart.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace corvel::autostart {

namespace {

// The panel of the desktop often starts after the programs: --hidden waits for a tray a while.
// TryExec makes a desktop skip the entry quietly once Corvel is uninstalled.
constexpr auto entry = "[Desktop Entry]\n"
                       "Type=Application\n"
                       "Name=Corvel\n"
                       "Comment=Chat with the people on your local network\n"
                       "Exec=corvel --hidden\n"
                       "TryExec=corvel\n"
                       "Icon=corvel\n"
                       "Terminal=false\n";

// $XDG_CONFIG_HOME/autostart/corvel.desktop, ~/.config when the variable is not set.
QString entryPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u"/autostart/corvel.desktop"_s;
}

} // namespace

bool available()
{
#if defined(Q_OS_MACOS) || defined(Q_OS_WIN)
    return false;
#else
    return true;
#endif
}

bool isOn()
{
    QFile file(entryPath());
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    // Desktops that turn an entry off keep the file and mark it so.
    while (!file.atEnd()) {
        const QByteArray line = file.readLine().trimmed();
        if (line == "Hidden=true" || line == "X-GNOME-Autostart-enabled=false")
            return false;
    }
    return true;
}

void turn(bool on)
{
    const QString path = entryPath();
    if (!on) {
        QFile::remove(path);
        return;
    }
    QSaveFile file(path);
    if (QDir().mkpath(QFileInfo(path).path()) && file.open(QIODevice::WriteOnly | QIODevice::Text)) {
        file.write(entry);
        file.commit();
    }
}

} // namespace corvel::autostart
