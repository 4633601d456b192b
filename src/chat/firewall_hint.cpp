// SPDX-License-Identifier: GPL-3.0-or-later
#include "chat/ViewController.h"

#include "net/wire.h"
#include "platform/trace.h"

using namespace Qt::StringLiterals;

namespace corvel {

// A line that went out but never came back may have reached the others or not: it is shown, so
// that it is not lost, and marked, so that nobody takes it for delivered. Keeping it in the field
// instead would invite sending it twice to those who did get it.
void ViewController::echoChanged(EchoWatch::Change change)
{
    switch (change) {
    case EchoWatch::Change::Silent: {
        const QString hint =
            tr("Your own messages are not coming back, so nothing from the others arrives either. A firewall "
               "on this computer probably blocks UDP port 54545. To allow it: 'sudo ufw allow 54545/udp', or "
               "'sudo firewall-cmd --permanent --add-port=54545/udp' and then 'sudo firewall-cmd --reload'.");
        trace(u">>> Own messages are not coming back: a firewall on this computer probably blocks UDP port 54545"_s);
        m_transcript.append(m_transcript.timeStampedLine(wire::systemPrefix % hint), styleSys);
        m_firewallHint(hint);
        break;
    }
    case EchoWatch::Change::StillSilent:
        break;
    case EchoWatch::Change::Back:
        trace(u">>> Own messages come back again"_s);
        m_transcript.append(m_transcript.timeStampedLine(wire::systemPrefix % tr("Your own messages come back again.")),
                            styleSys);
        m_firewallHint(QString());
        return;
    }
    for (const QString &line : m_ownLines.takeUnconfirmed())
        m_transcript.append(m_transcript.timeStampedLine(line % u"   "_s % tr("(not confirmed: nothing comes back)")),
                            styleMe);
}

} // namespace corvel
