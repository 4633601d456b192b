// A desktop's tray host as far as programs can tell: it owns the StatusNotifierWatcher name on the
// session bus and says that a host is there, so that programs put their tray icons on the bus.
#include <QCoreApplication>
#include <QDBusConnection>
#include <QObject>
#include <QStringList>

using namespace Qt::StringLiterals;

class Watcher : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierWatcher")
    Q_PROPERTY(bool IsStatusNotifierHostRegistered READ hostRegistered)
    Q_PROPERTY(QStringList RegisteredStatusNotifierItems READ items)
public:
    [[nodiscard]] static bool hostRegistered() { return true; }
    [[nodiscard]] QStringList items() const { return m_items; }

public Q_SLOTS:
    void RegisterStatusNotifierItem(const QString &service) { m_items << service; }

private:
    QStringList m_items;
};

int main(int argc, char *argv[])
{
    const QCoreApplication application(argc, argv);
    Watcher watcher;
    QDBusConnection bus = QDBusConnection::sessionBus();
    // The harness waits for the name, and fails without it.
    bus.registerObject(u"/StatusNotifierWatcher"_s, &watcher,
                       QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllProperties);
    bus.registerService(u"org.kde.StatusNotifierWatcher"_s);
    return QCoreApplication::exec();
}

#include "tray_watcher.moc"
