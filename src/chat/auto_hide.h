// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/main_loop.h"

#include <QObject>

#include <cstdint>

class QWidget;

namespace corvel {

class SettingsStore;

// Hiding the window some seconds after a send, as the settings ask. Each send hides in its own
// time; an edit of the message field outdates every pending hide.
class AutoHide : public QObject {
    Q_OBJECT
public:
    AutoHide(MainLoop &loop, SettingsStore &defaults, const QWidget &view);

    // A hide after the delay of the settings, whatever the mode.
    void schedule();
    // After a send: only in auto-hide mode, and only while the view shows.
    void afterSend();
    void cancelPending();

Q_SIGNALS:
    void due();

private:
    MainLoop &m_loop;
    SettingsStore &m_defaults;
    const QWidget &m_view;
    std::uint64_t m_generation = 0;
};

} // namespace corvel
