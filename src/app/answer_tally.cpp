// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/answer_tally.h"

#include "net/datagram_socket.h"

#include <QCoreApplication>
#include <QHostAddress>
#include <QStringBuilder>

using namespace Qt::StringLiterals;

namespace corvel {

void AnswerTally::add(quint32 host, QStringView name)
{
    Host &answered = m_hosts[host];
    const size_t hash = qHash(name, QHashSeed::globalSeed());
    if (answered.names.contains(hash))
        return;
    answered.names.insert(hash);
    ++m_names;
    if (answered.listed.size() < listedNames)
        answered.listed.append(name.size() > listedCharacters ? name.first(listedCharacters - 1) % u'…'
                                                              : name.toString());
}

namespace {

QString names(qsizetype count)
{
    const int shown = static_cast<int>(count);
    return QCoreApplication::translate("corvel::NetworkCheck", "%n name(s)", nullptr, shown);
}

} // namespace

QString AnswerTally::summary() const
{
    const int hosts = static_cast<int>(m_hosts.size());
    return QCoreApplication::translate("corvel::NetworkCheck", "%1 from %n host(s)", nullptr, hosts)
        .arg(names(m_names));
}

QStringList AnswerTally::listing() const
{
    QStringList lines;
    for (const auto &[address, host] : m_hosts) {
        const QString who = address == Datagram::ownHost
                                ? QCoreApplication::translate("corvel::NetworkCheck", "this computer")
                                : QHostAddress(address).toString();
        lines.append(u"  "_s % who % u": "_s % names(host.names.size()));
        for (const QString &name : host.listed)
            lines.append(u"    "_s + name);
        const int unlisted = static_cast<int>(host.names.size() - host.listed.size());
        if (unlisted > 0)
            lines.append(u"    "_s +
                         QCoreApplication::translate("corvel::NetworkCheck", "… and %n more", nullptr, unlisted));
    }
    return lines;
}

} // namespace corvel
