#include "chat/ViewController.h"

#include "chat/chat_view.h"
#include "platform/application.h"
#include "platform/trace.h"
#include "settings/keys.h"
#include "settings/settings_store.h"

namespace corvel {

namespace {

// Every pending hide is kept under this key, so that one edit of the message field drops them all.
constexpr std::string_view pendingHide = "hiding";

} // namespace

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
    m_loop.perform(pendingHide, Seconds(delay), m_lifetime.guard([this] { hiding(); }));
}

void ViewController::autoHideAfterSend()
{
    if (m_defaults.boolForKey(keys::hide) && !m_view.isHidden())
        scheduleHide();
}

void ViewController::cancelPendingHides()
{
    m_loop.cancelPerforms(pendingHide);
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
