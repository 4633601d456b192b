// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "chat/arrival.h"
#include "chat/auto_hide.h"
#include "chat/call_flash.h"
#include "chat/own_echo.h"
#include "chat/presence_answers.h"
#include "chat/style.h"
#include "chat/transcript.h"
#include "net/datagram_socket.h"
#include "net/duplicate_window.h"
#include "platform/main_loop.h"

#include <QObject>
#include <QString>

#include <functional>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace corvel {

class Application;
class ChatView;
struct ChatOutlets;
class SettingsStore;
class Stepper;

// What the chat window works with besides its own view; the program passes the real ones,
// tests pass fakes and a main loop on virtual time.
struct ChatServices {
    SettingsStore &defaults;
    MainLoop &loop;
    DatagramSocket &socket;
    Application &application;
    std::function<bool()> isNetworkReachable;
    Transcript::Clock clock = &QTime::currentTime;
    // Whether the own broadcasts must be back by now if the way in is open: false where silence
    // proves nothing (no LAN, datagrams taken off the socket but not yet handled, or dropped).
    std::function<bool()> echoExpected = [] { return true; };
};

// The chat window's controller: it runs the window's commands and dispatches what the socket
// brings, with parts that each keep their own state: the own broadcasts and their echo, the call
// and its flashing, the auto-hide and the presence answers.
class ViewController : public QObject {
    Q_OBJECT
public:
    ViewController(ChatServices services, ChatView &view);
    ~ViewController() override;

    // Start-up, once the view exists.
    void viewDidLoad();

    // Actions of the window's controls. The call button and the message field are outlets too,
    // so their actions carry a suffix.
    void cmdSendClicked();
    void cmdCallClicked();
    void cmdOnline();
    void cmdClearClicked();
    void cmdSize();
    void Preset(int number);
    void Hide();
    void ClearAllData();
    void ExitNow();
    void txtMsgAction();
    void controlTextDidChange();
    void mouseDown();

    // Operations behind them.
    void send();
    void call();
    void flash();
    void flashing();
    void stopFlash();
    void isOnline();
    void online();
    void hiding();
    void show();
    void hide();
    void PSet(int number);
    void sendPreset(QStringView key);
    void clear();
    void size();
    void clearDefaults();
    void quit();

    // Every datagram that reaches the copy, its own broadcasts included.
    void receive(const Datagram &datagram);

    [[nodiscard]] Transcript &transcript() { return m_transcript; }

Q_SIGNALS:
    // Every line from someone else and every call, with its text.
    void arrived(corvel::Arrival arrival, const QString &text);
    // The hint while the own broadcasts do not come back, and an empty text once they do.
    void firewallHint(const QString &hint);
    // The user asks for the preferences panel; the chat window never talks to it otherwise.
    void preferencesRequested();

private:
    ViewController(ChatServices services, ChatView &view, const ChatOutlets &outlets);
    void connectControls(const ChatOutlets &ui);
    // Sets the socket up, or keeps trying in the background; says whether there is one now.
    bool keepSocket();
    void retrySocket(Seconds wait);
    [[nodiscard]] bool broadcastOwnLine(const QString &user, const QString &message);
    void reportUnsent(DatagramSocket::SendResult result, qsizetype messageLimit);
    void showLine(const QString &text, const Datagram &datagram);

    const QString noNetwork;
    Style styleSys;
    Style styleMe;
    Style styleNotMe;
    // Outlets: the view's controls the controller works with.
    Stepper *stepFontSize;
    QPlainTextEdit *txtChat;
    QLineEdit *txtMsg;
    QLineEdit *txtSize;
    QPushButton *cmdSend;
    QPushButton *cmdCall;
    QLabel *logo;
    QLabel *logoTxt;
    QLabel *labSize;
    SettingsStore &m_defaults;
    MainLoop &m_loop;
    DatagramSocket &m_socket;
    Application &m_application;
    std::function<bool()> m_isNetworkReachable;
    Transcript m_transcript;
    DuplicateWindow m_duplicates;
    OwnEcho m_echo;
    CallFlash m_call;
    AutoHide m_autoHide;
    PresenceAnswers m_presence;
};

} // namespace corvel
