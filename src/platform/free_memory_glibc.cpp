// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/free_memory.h"

#include <malloc.h>

namespace corvel {

void returnFreedMemory()
{
    malloc_trim(0);
}

} // namespace corvel
