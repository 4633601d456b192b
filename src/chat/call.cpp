// SPDX-License-Identifier: GPL-3.0-or-later
#include "chat/ViewController.h"

#include <QLineEdit>

namespace corvel {

void ViewController::cmdCallClicked()
{
    call();
    stopFlash();
}

void ViewController::call()
{
    if (!txtMsg->text().isEmpty())
        send();
    stopFlash();
    if (!m_isNetworkReachable()) {
        m_transcript.appendPlain(noNetwork, styleSys);
        return;
    }
    if (!m_socket.access())
        return;
    m_call.call();
}

void ViewController::flash()
{
    m_call.flash();
}

void ViewController::flashing()
{
    m_call.flashing();
}

void ViewController::stopFlash()
{
    m_call.stopFlash();
}

} // namespace corvel
