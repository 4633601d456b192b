// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/png_pixmap.h"

#include <QImageReader>

namespace corvel {

QPixmap pngPixmap(const QString &path)
{
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

} // namespace corvel
