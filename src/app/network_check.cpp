#include "app/network_check.h"

#include "net/broadcast_socket.h"
#include "net/destinations.h"
#include "net/lan_interfaces.h"
#include "net/utf8.h"
#include "net/wire.h"
#include "platform/qt_main_loop.h"
#include "platform/trace.h"
#include "settings/keys.h"
#include "settings/settings_store.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QStringBuilder>

#include <optional>

using namespace Qt::StringLiterals;

namespace corvel {

namespace {

constexpr Seconds answerWait{2.0};
constexpr Seconds followUpDelay{0.1};

void say(const QString &line)
{
    trace(line);
}

QString describeDestinations(const QList<QHostAddress> &destinations)
{
    QStringList shown;
    for (const QHostAddress &destination : destinations)
        shown.append(destination.toString());
    return shown.isEmpty() ? u"none"_s : shown.join(u", "_s);
}

// The name in a presence answer, or nothing for any other text.
std::optional<QString> answeringName(const QString &text)
{
    if (!text.startsWith(wire::systemPrefix) || !text.endsWith(wire::presenceAnswerTail))
        return std::nullopt;
    return text.mid(wire::systemPrefix.size(),
                    text.size() - wire::systemPrefix.size() - wire::presenceAnswerTail.size());
}

} // namespace

int runNetworkCheck()
{
    SettingsStore settings;
    const QList<QHostAddress> destinations =
        parseDestinations(settings.stringForKey(keys::destinations).value_or(QString()))
            .value_or(QList<QHostAddress>());
    const QList<InterfaceDescription> interfaces = systemInterfaces();
    const QList<Lan> lans = lansOf(interfaces);
    say(u"Interfaces:"_s);
    for (const Lan &lan : lans) {
        for (const InterfaceDescription &interface : lan) {
            QStringList addresses;
            for (const QNetworkAddressEntry &entry : interface.addresses)
                addresses.append(entry.ip().toString() % u'/' % QString::number(entry.prefixLength()));
            const QString use =
                &interface == &lan.first() ? QString() : u" (one LAN with "_s % lan.first().name % u": not used)"_s;
            say(u"  "_s % interface.name % u' ' % addresses.join(u' ') % use);
        }
    }
    if (lans.isEmpty())
        say(u"  none"_s);
    say(u"Destinations: "_s % describeDestinations(destinations));

    QtMainLoop loop;
    BroadcastSocket socket;
    socket.setDestinations([&destinations] { return destinations; });
    if (!socket.access()) {
        say(u"Verdict: port %1 cannot be had, so nothing can be sent or received"_s.arg(BroadcastSocket::port));
        return 2;
    }
    say(u"Port %1: bound"_s.arg(BroadcastSocket::port));
    if (!isReachable(interfaces, !destinations.isEmpty())) {
        say(u"Verdict: no network: no interface is up with a carrier, can broadcast and has an IPv4 address"_s);
        return 2;
    }

    const QString announcement = wire::queryAnnouncement(settings.userName());
    QElapsedTimer clock;
    std::optional<qint64> echoMs;
    QList<std::pair<quint32, QString>> answers; // a name twice is two copies, from two hosts
    socket.setReceiveHandler([&](const Datagram &datagram) {
        const std::optional<QString> text = decodeUtf8(datagram.payload);
        if (!text)
            return;
        if (*text == announcement && !echoMs)
            echoMs = clock.elapsed();
        else if (const std::optional<QString> name = answeringName(*text);
                 name && !answers.contains(std::pair(datagram.sender, *name)))
            answers.append({datagram.sender, *name});
    });
    clock.start();
    if (socket.broadcast(announcement) != DatagramSocket::SendResult::Sent) {
        say(u"Verdict: the query could not be sent"_s);
        return 2;
    }
    loop.after(followUpDelay, [&socket] {
        (void)socket.broadcast(wire::presenceNotice.toString());
        (void)socket.broadcast(wire::presenceQueryLine.toString());
    });
    loop.after(answerWait, [] { QCoreApplication::quit(); });
    QCoreApplication::exec();

    say(echoMs ? u"Own query: came back after %1 ms"_s.arg(*echoMs) : u"Own query: did not come back"_s);
    say(u"Answered: %1"_s.arg(answers.size()));
    for (const auto &[sender, name] : std::as_const(answers))
        say(u"  "_s + name);
    if (!echoMs) {
        say(u"Verdict: own messages do not come back. A firewall on this computer probably blocks UDP port 54545; "
            "allow it with 'sudo ufw allow 54545/udp', or with 'sudo firewall-cmd --permanent --add-port=54545/udp' "
            "and 'sudo firewall-cmd --reload'"_s);
        return 1;
    }
    say(u"Verdict: working; %1 running %2 answered"_s.arg(answers.size())
            .arg(answers.size() == 1 ? u"copy"_s : u"copies"_s));
    return 0;
}

} // namespace corvel
