// SPDX-License-Identifier: GPL-3.0-or-later
#include "chat/answer_coalescer.h"

#include <QRandomGenerator>

#include <algorithm>

namespace corvel {

AnswerCoalescer::AnswerCoalescer(MainLoop &loop) : m_loop(loop) {}

void AnswerCoalescer::request()
{
    if (m_pending)
        return;
    m_pending = true;
    Seconds delay = minDelay + Seconds(QRandomGenerator::global()->bounded((maxDelay - minDelay).count()));
    if (m_lastAnswer)
        delay = std::max(delay, *m_lastAnswer + minInterval - m_loop.now());
    m_loop.after(delay, this, [this] { answer(); });
}

void AnswerCoalescer::answer()
{
    m_pending = false;
    m_lastAnswer = m_loop.now();
    Q_EMIT answerDue();
}

} // namespace corvel
