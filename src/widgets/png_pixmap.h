// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <QString>

namespace corvel {

// A PNG read by Qt's own decoder. QPixmap's loader, even when told the format, first loads every
// image format plugin installed to ask whether one of them reads it.
[[nodiscard]] QPixmap pngPixmap(const QString &path);

} // namespace corvel
