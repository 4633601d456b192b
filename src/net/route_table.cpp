#include "net/route_table.h"

#include <QList>

#include <algorithm>
#include <optional>

namespace corvel {

namespace {

// Column positions in /proc/net/route:
// Iface Destination Gateway Flags RefCnt Use Metric Mask MTU Window IRTT
constexpr qsizetype destinationColumn = 1;
constexpr qsizetype flagsColumn = 3;
constexpr qsizetype maskColumn = 7;

constexpr quint32 routeUpFlag = 0x1; // RTF_UP

constexpr int hexDigit(char16_t character)
{
    if (character >= u'0' && character <= u'9')
        return character - u'0';
    if (character >= u'A' && character <= u'F')
        return character - u'A' + 10;
    if (character >= u'a' && character <= u'f')
        return character - u'a' + 10;
    return -1;
}

// The kernel writes these fields as plain hex of at most eight digits; anything else is not a
// route line (QStringView::toUInt would also take a "0x" prefix or blanks, which we do not want).
std::optional<quint32> parseHex(QStringView field)
{
    field = field.trimmed();
    if (field.isEmpty() || field.size() > 8)
        return std::nullopt;
    quint32 value = 0;
    for (const QChar character : field) {
        const int digit = hexDigit(character.unicode());
        if (digit < 0)
            return std::nullopt;
        value = (value << 4) | static_cast<quint32>(digit);
    }
    return value;
}

bool isDefaultRouteUp(QStringView line)
{
    const QList<QStringView> columns = line.split(u'\t');
    if (columns.size() <= maskColumn)
        return false;
    const auto destination = parseHex(columns[destinationColumn]);
    const auto flags = parseHex(columns[flagsColumn]);
    const auto mask = parseHex(columns[maskColumn]);
    return destination && flags && mask && *destination == 0 && *mask == 0 && (*flags & routeUpFlag) != 0;
}

} // namespace

bool hasDefaultRouteUp(QStringView procNetRoute)
{
    const auto lines = procNetRoute.tokenize(u'\n');
    return std::ranges::any_of(lines, isDefaultRouteUp);
}

} // namespace corvel
