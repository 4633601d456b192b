// SPDX-License-Identifier: GPL-3.0-or-later
#include "chat/auto_hide.h"

#include "settings/keys.h"
#include "settings/settings_store.h"

#include <QWidget>

namespace corvel {

AutoHide::AutoHide(MainLoop &loop, SettingsStore &defaults, const QWidget &view)
    : m_loop(loop), m_defaults(defaults), m_view(view)
{
}

// "Delay" counts in whole seconds, read when the hide is scheduled.
void AutoHide::schedule()
{
    const auto delay = static_cast<double>(m_defaults.integerForKey(keys::delay));
    m_loop.after(Seconds(delay), this, [this, generation = m_generation] {
        if (generation == m_generation)
            Q_EMIT due();
    });
}

void AutoHide::afterSend()
{
    if (m_defaults.boolForKey(keys::hide) && !m_view.isHidden())
        schedule();
}

void AutoHide::cancelPending()
{
    ++m_generation;
}

} // namespace corvel
