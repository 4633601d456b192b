// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/application.h"

#include <QList>
#include <QPointer>
#include <QWidget>

namespace corvel {

// Hides and shows the program as a whole: all its windows at once, never its tray icon.
class QtApplication final : public Application {
public:
    void hide() override;
    void unhide() override;
    [[nodiscard]] bool isHidden() const override { return m_hidden; }
    void activateIgnoringOtherApps() override;
    void requestCriticalAttention() override;
    void terminate() override;
    // Starts the program hidden: the window, not shown yet, is what unhide() brings up.
    void hideAtStart(QWidget *window);

private:
    bool m_hidden = false;
    QList<QPointer<QWidget>> m_hiddenWindows;
};

} // namespace corvel
