// SPDX-License-Identifier: GPL-3.0-or-later
#include "chat/ViewController.h"

#include "platform/trace.h"
#include "settings/keys.h"
#include "settings/settings_store.h"

#include <QLineEdit>

namespace corvel {

void ViewController::Preset(int number)
{
    PSet(number);
    stopFlash();
}

void ViewController::PSet(int number)
{
    if (number >= 1 && number <= int(keys::presets.size()))
        sendPreset(keys::presets[std::size_t(number - 1)]);
}

// Whatever was typed gives way to the preset; a preset never clears the transcript first.
void ViewController::sendPreset(QStringView key)
{
    txtMsg->setText(m_defaults.stringForKey(key).value_or(QString()));
    send();
    m_autoHide.afterSend();
}

void ViewController::txtMsgAction()
{
    stopFlash();
    trace(u"clicked");
}

void ViewController::mouseDown()
{
    txtMsgAction();
}

void ViewController::controlTextDidChange()
{
    stopFlash();
    trace(u"clicked");
    m_autoHide.cancelPending();
}

} // namespace corvel
