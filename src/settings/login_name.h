// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace corvel {

// Asks the system for the login name of the user who runs the program.
[[nodiscard]] QString lookUpLoginName();

// That name, from the password database where there is one. It is asked for once: the database
// may be a network service, and the name does not change while the program runs.
[[nodiscard]] inline QString loginName()
{
    static const QString name = lookUpLoginName();
    return name;
}

} // namespace corvel
