// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

namespace corvel::test {

// A window's or panel's control by its outlet name, as the layout names it.
template <typename T> T *outlet(const QObject &owner, const char *name)
{
    if (auto *found = owner.findChild<T *>(QString::fromLatin1(name)))
        return found;
    qFatal("no outlet %s", name);
}

} // namespace corvel::test
