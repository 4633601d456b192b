// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/login_name.h"

#include <pwd.h>
#include <unistd.h>

namespace corvel {

QString lookUpLoginName()
{
    if (const passwd *entry = ::getpwuid(::getuid()); entry != nullptr && entry->pw_name != nullptr)
        return QString::fromLocal8Bit(entry->pw_name);
    return qEnvironmentVariable("USER");
}

} // namespace corvel
