// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/network_check.h"

#include "app/answer_tally.h"
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
    return shown.isEmpty() ? QCoreApplication::translate("corvel::NetworkCheck", "none") : shown.join(u", "_s);
}

// Hosts beyond the LAN that wrote to this computer during the check, which a running copy would
// send every line to as well.
void sayLearnedSenders(const std::vector<LearnedSenders::Heard> &learned, bool learning)
{
    if (!learning) {
        say(QCoreApplication::translate("corvel::NetworkCheck", "Hosts beyond the LAN that wrote: not learned (off)"));
        return;
    }
    say(QCoreApplication::translate("corvel::NetworkCheck", "Hosts beyond the LAN that wrote: %n", nullptr,
                                    int(learned.size())));
    const Seconds now = steadyNow();
    for (const LearnedSenders::Heard &known : learned)
        say(u"  "_s +
            QCoreApplication::translate("corvel::NetworkCheck", "%1, %n s ago", nullptr, int((now - known.at).count()))
                .arg(QHostAddress(known.address).toString()));
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
    say(QCoreApplication::translate("corvel::NetworkCheck", "Interfaces:"));
    for (const Lan &lan : lans) {
        for (const InterfaceDescription &interface : lan) {
            QStringList addresses;
            for (const QNetworkAddressEntry &entry : interface.addresses)
                addresses.append(entry.ip().toString() % u'/' % QString::number(entry.prefixLength()));
            const QString use =
                &interface == &lan.first()
                    ? QString()
                    : u" "_s + QCoreApplication::translate("corvel::NetworkCheck", "(one LAN with %1: not used)")
                                   .arg(lan.first().name);
            say(u"  "_s % interface.name % u' ' % addresses.join(u' ') % use);
        }
    }
    if (lans.isEmpty())
        say(u"  "_s + QCoreApplication::translate("corvel::NetworkCheck", "none"));
    say(QCoreApplication::translate("corvel::NetworkCheck", "Destinations: %1")
            .arg(describeDestinations(destinations)));

    QtMainLoop loop;
    BroadcastSocket socket;
    socket.setDestinations([&destinations] { return QList<QHostAddress>(destinations); });
    socket.setLearning([&settings] { return settings.learnSenders(); });
    if (!socket.access()) {
        say(QCoreApplication::translate("corvel::NetworkCheck",
                                        "Verdict: port %1 cannot be had, so nothing can be sent or received")
                .arg(BroadcastSocket::port));
        return 2;
    }
    say(QCoreApplication::translate("corvel::NetworkCheck", "Port %1: bound").arg(BroadcastSocket::port));
    if (!isReachable(interfaces, !destinations.isEmpty())) {
        say(QCoreApplication::translate(
            "corvel::NetworkCheck",
            "Verdict: no network: no interface is up with a carrier, can broadcast and has an IPv4 address"));
        return 2;
    }

    const QString announcement = wire::queryAnnouncement(settings.userName());
    QElapsedTimer clock;
    std::optional<qint64> echoMs;
    AnswerTally answers;
    QObject::connect(&socket, &DatagramSocket::received, [&](const Datagram &datagram) {
        const std::optional<QString> text = decodeUtf8(datagram.payload);
        if (!text)
            return;
        // Another host's copy of the query may hold the same text: only this host's is the echo.
        if (*text == announcement && datagram.sender == Datagram::ownHost) {
            if (!echoMs)
                echoMs = clock.elapsed();
        } else if (const std::optional<QString> name = wire::presenceAnswerName(*text)) {
            answers.add(datagram.sender, *name);
        }
    });
    clock.start();
    if (socket.broadcast(announcement) != DatagramSocket::SendResult::Sent) {
        say(QCoreApplication::translate("corvel::NetworkCheck", "Verdict: the query could not be sent"));
        return 2;
    }
    loop.after(followUpDelay, &socket, [&socket] {
        (void)socket.broadcast(wire::presenceNotice.toString());
        (void)socket.broadcast(wire::presenceQueryLine.toString());
    });
    loop.after(answerWait, QCoreApplication::instance(), [] { QCoreApplication::quit(); });
    QCoreApplication::exec();

    say(echoMs ? QCoreApplication::translate("corvel::NetworkCheck", "Own query: came back after %1 ms").arg(*echoMs)
               : QCoreApplication::translate("corvel::NetworkCheck", "Own query: did not come back"));
    say(QCoreApplication::translate("corvel::NetworkCheck", "Answered: %1").arg(answers.summary()));
    for (const QString &line : answers.listing())
        say(line);
    sayLearnedSenders(socket.learnedSenders(), settings.learnSenders());
    if (!echoMs) {
        say(QCoreApplication::translate(
            "corvel::NetworkCheck",
            "Verdict: own messages do not come back. A firewall on this computer probably blocks UDP port 54545; "
            "allow it with 'sudo ufw allow 54545/udp', or with 'sudo firewall-cmd --permanent --add-port=54545/udp' "
            "and 'sudo firewall-cmd --reload'"));
        return 1;
    }
    say(QCoreApplication::translate("corvel::NetworkCheck", "Verdict: working; %1 answered").arg(answers.summary()));
    return 0;
}

} // namespace corvel
