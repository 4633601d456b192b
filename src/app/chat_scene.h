// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "chat/ViewController.h"
#include "net/broadcast_socket.h"
#include "platform/qt_application.h"
#include "platform/qt_main_loop.h"
#include "settings/settings_store.h"
#include "widgets/cursor_blink_limit.h"
#include "window/backdrop.h"

#include <QPointer>

#include <memory>

namespace corvel {

class ChatView;
class DesktopShell;

// The chat window with everything its controller works with, as the program runs it. The program
// keeps no documents: all state lives in the settings store.
class ChatScene {
public:
    ChatScene();
    ~ChatScene();
    ChatScene(const ChatScene &) = delete;
    ChatScene &operator=(const ChatScene &) = delete;

    // Loads the window and shows it, or keeps it out of sight, where only the tray icon brings it
    // back.
    void open(bool hidden = false);
    // The program was launched again: its window comes back to the front.
    void reopen();

private:
    void startHidden();
    void openPreferences();

    SettingsStore m_settings;
    QtMainLoop m_loop;
    CursorBlinkLimit m_blinkLimit{m_loop};
    BroadcastSocket m_socket;
    QtApplication m_application;
    ChatView *m_view; // owned by the window
    std::unique_ptr<Backdrop> m_window;
    std::unique_ptr<ViewController> m_controller;
    std::unique_ptr<DesktopShell> m_shell;
};

} // namespace corvel
