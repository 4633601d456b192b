// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>
#include <QString>

#include <optional>

namespace corvel {

// Decodes one whole datagram. Anything but well-formed UTF-8 (overlong forms, encoded surrogates,
// code points past U+10FFFF, truncated sequences, stray continuation bytes) gives no text, so a
// receiver never shows a guess. NUL is an ordinary character and a leading byte-order mark stays
// in the text as U+FEFF.
[[nodiscard]] std::optional<QString> decodeUtf8(QByteArrayView payload);

} // namespace corvel
