// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "chat/arrival.h"

#include <QString>

namespace corvel {

// What arrived while the user was away: lines from others, and whether a call waits.
struct Unread {
    int lines = 0;
    bool call = false;

    void add(Arrival arrival);
    [[nodiscard]] bool any() const { return lines > 0 || call; }
    // "Corvel", or "Corvel: 3 unread lines and a call".
    [[nodiscard]] QString summary() const;
};

// A text as notification servers show it: the markup they interpret (tags, entities) escaped, so
// that nobody on the network can style or link anything on the user's desktop.
[[nodiscard]] QString escapeMarkup(const QString &text);

} // namespace corvel
