// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace corvel {

// Hands memory that the program freed back to the system, where the allocator keeps it for its own
// reuse otherwise; nothing where the system's allocator does this by itself.
void returnFreedMemory();

} // namespace corvel
