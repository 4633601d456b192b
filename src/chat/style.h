// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QTextCharFormat>

namespace corvel {

// A message style: a colour and a bold system font whose size the font-size control changes.
struct Style {
    QColor colour;
    int pointSize = 15;

    [[nodiscard]] QTextCharFormat format() const;
};

} // namespace corvel
