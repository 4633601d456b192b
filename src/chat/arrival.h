// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace corvel {

// What reaches the user from someone else.
enum class Arrival { Line, Call };

} // namespace corvel
