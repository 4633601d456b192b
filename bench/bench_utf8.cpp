// SPDX-License-Identifier: GPL-3.0-or-later
// Times the strict decoder on the largest datagram, which every received datagram passes through,
// beside Qt's own (lenient) decoder for scale. Prints microseconds per payload.

#include "net/utf8.h"

#include <QElapsedTimer>
#include <QString>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

constexpr int rounds = 2000;

template <typename Decode> double microsecondsPerPayload(const QByteArray &payload, Decode decode)
{
    qsizetype sink = 0;
    QElapsedTimer timer;
    timer.start();
    for (int round = 0; round < rounds; ++round)
        sink += decode(payload);
    const double perPayload = static_cast<double>(timer.nsecsElapsed()) / rounds / 1000.0;
    if (sink != static_cast<qsizetype>(rounds) * QString::fromUtf8(payload).size())
        std::puts("(decoded text differs)");
    return perPayload;
}

// The piece repeated as often as it fits in the largest datagram, the rest filled with ASCII.
QByteArray largestPayload(const QString &piece)
{
    const QByteArray bytes = piece.toUtf8();
    QByteArray payload = bytes.repeated(65507 / bytes.size());
    return payload.leftJustified(65507, 'x');
}

void report(const char *name, const QString &piece)
{
    const QByteArray payload = largestPayload(piece);
    const double strict = microsecondsPerPayload(
        payload, [](const QByteArray &bytes) { return corvel::decodeUtf8(bytes).value_or(QString()).size(); });
    const double qt =
        microsecondsPerPayload(payload, [](const QByteArray &bytes) { return QString::fromUtf8(bytes).size(); });
    std::printf("%-22s %6lld bytes  decodeUtf8 %8.1f us  QString::fromUtf8 %8.1f us\n", name,
                static_cast<long long>(payload.size()), strict, qt);
}

} // namespace

int main()
{
    report("ASCII", u"  ann    >    hello "_s);
    report("mixed widths", u"a€😀ë"_s);
    report("four-byte only", u"😀"_s);
    return 0;
}
