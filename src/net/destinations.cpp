// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/destinations.h"

#include <QCoreApplication>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace corvel {

namespace {

// Four numbers from 0 to 255 with dots between. QHostAddress alone would also take "10.1" or
// "0x0a.0.0.1", which nobody means here.
std::optional<QHostAddress> parseAddress(QStringView entry)
{
    const QList<QStringView> parts = entry.split(u'.');
    if (parts.size() != 4)
        return std::nullopt;
    quint32 address = 0;
    for (const QStringView part : parts) {
        const bool digits = !part.isEmpty() && part.size() <= 3 && std::ranges::all_of(part, [](QChar character) {
            return character.isDigit() && character.unicode() < 128;
        });
        const uint value = digits ? part.toUInt() : 256;
        if (value > 255)
            return std::nullopt;
        address = (address << 8) | value;
    }
    if (address == 0)
        return std::nullopt;
    return QHostAddress(address);
}

} // namespace

std::optional<QList<QHostAddress>> parseDestinations(QStringView text, QString *why)
{
    QList<QHostAddress> addresses;
    if (text.trimmed().isEmpty())
        return addresses;
    for (const QStringView entry : text.split(u',')) {
        const std::optional<QHostAddress> address = parseAddress(entry.trimmed());
        if (!address) {
            if (why != nullptr)
                *why = QCoreApplication::translate("corvel::Destinations",
                                                   "\"%1\" is not an IPv4 address such as 192.168.2.255")
                           .arg(entry.trimmed());
            return std::nullopt;
        }
        addresses.append(*address);
    }
    return addresses;
}

} // namespace corvel
