// SPDX-License-Identifier: GPL-3.0-or-later
#include "chat/presence_answers.h"

#include "chat/own_echo.h"
#include "net/wire.h"
#include "settings/settings_store.h"

#include <utility>

namespace corvel {

PresenceAnswers::PresenceAnswers(MainLoop &loop, DatagramSocket &socket, OwnEcho &echo, SettingsStore &defaults)
    : m_socket(socket), m_echo(echo), m_defaults(defaults), m_coalescer(loop)
{
    connect(&m_coalescer, &AnswerCoalescer::answerDue, this, &PresenceAnswers::answer);
}

void PresenceAnswers::rememberAsker(const Datagram &request)
{
    if (request.fromLearnedSender && !m_askersBeyondLan.contains(request.sender))
        m_askersBeyondLan.append(request.sender);
}

void PresenceAnswers::request()
{
    m_coalescer.request();
}

void PresenceAnswers::answer()
{
    const QString answer = wire::presenceAnswer(m_defaults.userName());
    const QList<quint32> askers = std::exchange(m_askersBeyondLan, {});
    if (!m_socket.access())
        return;
    (void)m_echo.answer(answer, askers);
}

} // namespace corvel
