// SPDX-License-Identifier: GPL-3.0-or-later
#include "chat/style.h"

#include <QFont>

namespace corvel {

QTextCharFormat Style::format() const
{
    QTextCharFormat result;
    result.setForeground(colour);
    result.setFontWeight(QFont::Bold);
    result.setFontPointSize(pointSize);
    return result;
}

} // namespace corvel
