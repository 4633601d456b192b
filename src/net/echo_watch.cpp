// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/echo_watch.h"

#include <utility>

namespace corvel {

EchoWatch::EchoWatch(MainLoop &loop, Seconds grace, Judge silenceCounts)
    : m_loop(loop), m_grace(grace), m_silenceCounts(std::move(silenceCounts))
{
}

void EchoWatch::sent()
{
    // The first send that nothing answered sets the deadline; later ones wait with it.
    if (m_wait != MainLoop::noTimer)
        return;
    m_wait = m_loop.after(m_grace, this, [this] {
        m_wait = MainLoop::noTimer;
        if (!m_silenceCounts())
            return;
        Q_EMIT changed(std::exchange(m_silent, true) ? Change::StillSilent : Change::Silent);
    });
}

void EchoWatch::heard()
{
    m_loop.cancel(m_wait);
    m_wait = MainLoop::noTimer;
    if (!m_silent)
        return;
    m_silent = false;
    Q_EMIT changed(Change::Back);
}

} // namespace corvel
