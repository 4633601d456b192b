// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>

namespace corvel {

// Standard output as the diagnostics' own writer thread uses it: the only thread that ever waits
// for it.

// A reader that went away must make a write fail, not end the program.
void ignoreClosedStandardOutput();

// Writes all of the bytes, waiting for as long as standard output takes; gives up on an error.
void writeStandardOutput(QByteArrayView bytes);

} // namespace corvel
