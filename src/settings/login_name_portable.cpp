// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/login_name.h"

namespace corvel {

// POSIX systems name the user in USER, Windows in USERNAME.
QString lookUpLoginName()
{
    const QString user = qEnvironmentVariable("USER");
    return user.isEmpty() ? qEnvironmentVariable("USERNAME") : user;
}

} // namespace corvel
