// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/learned_senders.h"

#include "net/utf8.h"
#include "net/wire.h"

#include <algorithm>
#include <array>

namespace corvel {

namespace {

struct Range {
    quint32 network;
    quint32 mask;
};

constexpr std::array privateRanges = {
    Range{0x0a000000, 0xff000000}, // 10/8
    Range{0xac100000, 0xfff00000}, // 172.16/12
    Range{0xc0a80000, 0xffff0000}, // 192.168/16
    Range{0x64400000, 0xffc00000}, // 100.64/10
};

} // namespace

bool isPrivateAddress(quint32 address)
{
    return std::ranges::any_of(privateRanges,
                               [address](Range range) { return (address & range.mask) == range.network; });
}

bool learnsFrom(quint32 sender, quint32 destination, QByteArrayView payload, const OwnNetworks &own)
{
    if (!own.isOwnAddress(destination) || !isPrivateAddress(sender) || own.isOwnAddress(sender) || own.isOnLan(sender))
        return false;
    const std::optional<QString> text = decodeUtf8(payload);
    return text && wire::hasCopyShape(*text);
}

void LearnedSenders::heard(quint32 address, Seconds at)
{
    std::erase_if(m_heard, [address](const Heard &known) { return known.address == address; });
    if (m_heard.size() >= capacity)
        m_heard.erase(m_heard.begin());
    m_heard.push_back({address, at});
}

const std::vector<LearnedSenders::Heard> &LearnedSenders::current(Seconds now)
{
    std::erase_if(m_heard, [now](const Heard &known) { return now - known.at >= lifetime; });
    return m_heard;
}

bool LearnedSenders::contains(quint32 address) const
{
    return std::ranges::any_of(m_heard, [address](const Heard &known) { return known.address == address; });
}

void LearnedSenders::forgetOnLan(const OwnNetworks &own)
{
    std::erase_if(m_heard, [&own](const Heard &known) { return own.isOnLan(known.address); });
}

QList<QHostAddress> beyondLan(const QList<QHostAddress> &destinations,
                              const std::vector<LearnedSenders::Heard> &learned,
                              const std::optional<QList<quint32>> &askers)
{
    QList<QHostAddress> recipients = destinations;
    for (const LearnedSenders::Heard &known : learned) {
        const QHostAddress address(known.address);
        if ((!askers || askers->contains(known.address)) && !recipients.contains(address))
            recipients.append(address);
    }
    return recipients;
}

} // namespace corvel
