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
    const QList<InterfaceDescription> lans = lanInterfaces(systemInterfaces());
    say(u"Interfaces:"_s);
    for (const InterfaceDescription &lan : lans) {
        for (const QHostAddress &address : lan.addresses)
            say(u"  "_s % lan.name % u" "_s % address.toString());
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
    if (lans.isEmpty() && destinations.isEmpty()) {
        say(u"Verdict: no network: no interface is up with a carrier, can broadcast and has an IPv4 address"_s);
        return 2;
    }

    const QString announcement = wire::queryAnnouncement(settings.userName());
    QElapsedTimer clock;
    std::optional<qint64> echoMs;
    QStringList answers;
    socket.setReceiveHandler([&](QByteArrayView payload) {
        const std::optional<QString> text = decodeUtf8(payload);
        if (!text)
            return;
        if (*text == announcement && !echoMs)
            echoMs = clock.elapsed();
        else if (const std::optional<QString> name = answeringName(*text); name && !answers.contains(*name))
            answers.append(*name);
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
    for (const QString &name : std::as_const(answers))
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
