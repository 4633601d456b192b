// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace corvel {

// The login name of the user who runs the program, from the password database where there is one.
[[nodiscard]] QString loginName();

} // namespace corvel
