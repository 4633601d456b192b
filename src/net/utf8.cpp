#include "net/utf8.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace corvel {

namespace {

constexpr qsizetype chunkSize = 16;

constexpr bool isContinuation(unsigned char byte)
{
    return (byte & 0xC0U) == 0x80U;
}

} // namespace

std::optional<QString> decodeUtf8(QByteArrayView payload)
{
    const auto *in = reinterpret_cast<const unsigned char *>(payload.data());
    const qsizetype size = payload.size();

    // No byte yields more than one UTF-16 unit (a four-byte sequence yields two), so the text
    // never outgrows the payload and is allocated once.
    QString text(size, Qt::Uninitialized);
    auto *const begin = reinterpret_cast<char16_t *>(text.data());
    char16_t *out = begin;

    qsizetype i = 0;
    while (i < size) {
        const unsigned char lead = in[i];
        if (lead < 0x80U) {
            // Chat texts are mostly ASCII: after an ASCII byte, try sixteen at a time. The local
            // copy tells the compiler that the stores cannot change the input, so this vectorises.
            if (size - i >= chunkSize) {
                std::array<unsigned char, chunkSize> chunk{};
                std::memcpy(chunk.data(), in + i, chunkSize);
                unsigned char any = 0;
                for (const unsigned char byte : chunk)
                    any |= byte;
                if (any < 0x80U) {
                    std::copy(chunk.begin(), chunk.end(), out);
                    out += chunkSize;
                    i += chunkSize;
                    continue;
                }
            }
            *out++ = lead;
            ++i;
            continue;
        }

        // 0x80..0xC1 are continuation bytes or the start of an overlong two-byte form;
        // 0xF5 and above can only start code points past U+10FFFF.
        if (lead < 0xC2U || lead > 0xF4U)
            return std::nullopt;
        qsizetype trailing = 3;
        char32_t codePoint = lead & 0x07U;
        char32_t smallest = 0x10000;
        if (lead < 0xE0U) {
            trailing = 1;
            codePoint = lead & 0x1FU;
            smallest = 0x80;
        } else if (lead < 0xF0U) {
            trailing = 2;
            codePoint = lead & 0x0FU;
            smallest = 0x800;
        }

        if (size - i <= trailing)
            return std::nullopt;
        for (qsizetype k = 1; k <= trailing; ++k) {
            const unsigned char byte = in[i + k];
            if (!isContinuation(byte))
                return std::nullopt;
            codePoint = (codePoint << 6) | (byte & 0x3FU);
        }
        if (codePoint < smallest || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF))
            return std::nullopt;

        if (codePoint < 0x10000) {
            *out++ = static_cast<char16_t>(codePoint);
        } else {
            *out++ = QChar::highSurrogate(codePoint);
            *out++ = QChar::lowSurrogate(codePoint);
        }
        i += trailing + 1;
    }

    text.truncate(out - begin);
    return text;
}

} // namespace corvel
