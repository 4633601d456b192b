// SPDX-License-Identifier: GPL-3.0-or-later
#include "chat/ViewController.h"

#include "chat/chat_view.h"
#include "platform/application.h"
#include "platform/trace.h"
#include "settings/keys.h"
#include "settings/settings_store.h"

namespace corvel {

void ViewController::Hide()
{
    hide();
}

void ViewController::hide()
{
    scheduleHide();
}

// "Delay" counts in whole seconds, read when the hide is scheduled.
void ViewController::scheduleHide()
{
    const auto delay = static_cast<double>(m_defaults.integerForKey(keys::delay));
    // Each send hides in its own time; an edit of the message field outdates every pending hide.
    m_loop.after(Seconds(delay), m_lifetime.guard([this, generation = m_hideGeneration] {
        if (generation == m_hideGeneration)
            hiding();
    }));
}

void ViewController::autoHideAfterSend()
{
    if (m_defaults.boolForKey(keys::hide) && !m_view.isHidden())
        scheduleHide();
}

void ViewController::cancelPendingHides()
{
    ++m_hideGeneration;
}

void ViewController::hiding()
{
    m_application.hide();
    trace(u"window hiden");
}

void ViewController::show()
{
    m_application.unhide();
    m_application.activateIgnoringOtherApps();
    trace(u"show window");
}

} // namespace corvel
