#pragma once

#include <QAbstractNativeEventFilter>
#include <QObject>

#include <cstdint>
#include <functional>

namespace corvel {

// Tells when a system tray starts, or starts again, on either protocol: a StatusNotifierItem host
// registering with the watcher on the session bus, or an XEmbed tray announcing that it took its
// selection on the X display. The trays tell; nothing is polled.
class TrayArrival final : public QObject, public QAbstractNativeEventFilter {
    Q_OBJECT
public:
    enum class Protocol { StatusNotifierItem, XEmbed };
    explicit TrayArrival(std::function<void(Protocol)> arrived);
    ~TrayArrival() override;
    TrayArrival(const TrayArrival &) = delete;
    TrayArrival &operator=(const TrayArrival &) = delete;

    // Asks both places once, which can mean a round trip to each.
    [[nodiscard]] bool trayRuns() const;

    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result) override;

private Q_SLOTS:
    void hostRegistered();

private:
    void watchX11();

    std::function<void(Protocol)> m_arrived;
    std::uint32_t m_managerAtom = 0;
    std::uint32_t m_traySelection = 0;
};

} // namespace corvel
