// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/free_memory.h"

namespace corvel {

void returnFreedMemory() {}

} // namespace corvel
