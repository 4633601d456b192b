// SPDX-License-Identifier: GPL-3.0-or-later
#include "chat/ViewController.h"

#include "platform/application.h"
#include "platform/trace.h"

namespace corvel {

void ViewController::Hide()
{
    hide();
}

void ViewController::hide()
{
    m_autoHide.schedule();
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
