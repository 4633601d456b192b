// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/compositing.h"

#include <QGuiApplication>

using namespace Qt::StringLiterals;

namespace corvel {

// Without libxcb there is no asking an X server whether a compositing manager runs; an opaque
// background is readable either way. The offscreen platform is on no X server.
bool windowAlphaIsShown()
{
    return QGuiApplication::platformName() != u"xcb"_s;
}

} // namespace corvel
