// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/utf8.h"

#include <QStringDecoder>

namespace corvel {

std::optional<QString> decodeUtf8(QByteArrayView payload)
{
    // Stateless: a datagram is whole, so a sequence cut off at its end is an error too.
    QStringDecoder decoder(QStringConverter::Utf8,
                           QStringConverter::Flag::ConvertInitialBom | QStringConverter::Flag::Stateless);
    QString text = decoder.decode(payload);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

} // namespace corvel
