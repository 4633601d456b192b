// SPDX-License-Identifier: GPL-3.0-or-later
#include "chat/style.h"

#include <QFont>

#include <vector>

namespace corvel {

QTextCharFormat Style::format() const
{
    // Every line shown asks for its style's format, and there are only a few styles and sizes:
    // each format is made once. Sizes stepped through by the dozen start the collection over.
    struct Made {
        QColor colour;
        int pointSize;
        QTextCharFormat format;
    };
    static std::vector<Made> made;
    for (const Made &known : made) {
        if (known.colour == colour && known.pointSize == pointSize)
            return known.format;
    }
    constexpr std::size_t kept = 16;
    if (made.size() == kept)
        made.clear();
    QTextCharFormat result;
    result.setForeground(colour);
    result.setFontWeight(QFont::Bold);
    result.setFontPointSize(pointSize);
    made.push_back({colour, pointSize, result});
    return result;
}

} // namespace corvel
