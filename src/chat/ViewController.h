// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "chat/answer_coalescer.h"
#include "chat/own_lines.h"
#include "chat/style.h"
#include "chat/transcript.h"
#include "net/datagram_socket.h"
#include "net/duplicate_window.h"
#include "net/echo_watch.h"
#include "platform/lifetime.h"
#include "platform/main_loop.h"

#include <QObject>
#include <QString>

#include <cstdint>
#include <functional>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace corvel {

class Application;
class ChatView;
class SettingsStore;
class Stepper;

// A call's echo comes back within milliseconds; one lost on the way must not make this copy take
// the next real call for its own.
inline constexpr Seconds callEchoWait{2.0};

// What reaches the user from someone else.
enum class Arrival { Line, Call };

// What the chat window works with besides its own view; the program passes the real ones,
// tests pass fakes and a main loop on virtual time.
struct ChatServices {
    SettingsStore &defaults;
    MainLoop &loop;
    DatagramSocket &socket;
    Application &application;
    std::function<bool()> isNetworkReachable;
    Transcript::Clock clock = &QTime::currentTime;
    // Opens the preferences panel; the chat window never talks to it otherwise.
    std::function<void()> openPreferences = [] {};
    // Told of every line from someone else and of every call, with its text.
    std::function<void(Arrival, const QString &text)> arrived = [](Arrival, const QString &) {};
    // Whether the own broadcasts must be back by now if the way in is open: false where silence
    // proves nothing (no LAN, datagrams taken off the socket but not yet handled, or dropped).
    std::function<bool()> echoExpected = [] { return true; };
    // Told the hint while the own broadcasts do not come back, and an empty text once they do.
    std::function<void(const QString &hint)> firewallHint = [](const QString &) {};
};

// The chat window's controller and the owner of all chat state: the call flags, the own-line
// window, the message styles and the socket's traffic.
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

private:
    void connectControls();
    // Sets the socket up, or keeps trying in the background; says whether there is one now.
    bool keepSocket();
    void retrySocket(Seconds wait);
    [[nodiscard]] bool broadcastOwnLine(const QString &user, const QString &message);
    void reportUnsent(DatagramSocket::SendResult result, qsizetype messageLimit);
    // Every broadcast goes through here, so that the echo watch knows of it.
    DatagramSocket::SendResult transmit(const QString &text);
    DatagramSocket::SendResult watched(DatagramSocket::SendResult result);
    void echoChanged(EchoWatch::Change change);
    void scheduleHide();
    void autoHideAfterSend();
    void cancelPendingHides();
    void showLine(const QString &text, const Datagram &datagram);
    [[nodiscard]] bool isOwnCallEcho(const Datagram &datagram) const;
    void broadcastPresenceAnswer();

    const QString noNetwork;
    bool flashbool = false;
    bool callbool = false;
    Style styleSys;
    Style styleMe;
    Style styleNotMe;
    // Outlets: the view's controls the controller works with.
    Stepper *stepFontSize;
    QPlainTextEdit *txtChat;
    QLineEdit *txtMsg;
    QLineEdit *txtSize;
    QPushButton *cmdCall;
    QLabel *logo;
    QLabel *logoTxt;
    QLabel *labSize;
    SettingsStore &m_defaults;
    MainLoop &m_loop;
    DatagramSocket &m_socket;
    Application &m_application;
    std::function<bool()> m_isNetworkReachable;
    std::function<void()> m_openPreferences;
    std::function<void(Arrival, const QString &)> m_arrived;
    ChatView &m_view;
    Transcript m_transcript;
    DuplicateWindow m_duplicates;
    OwnLines m_ownLines;
    std::function<void(const QString &)> m_firewallHint;
    EchoWatch m_echoWatch;
    MainLoop::TimerId m_flashTicker = MainLoop::noTimer;
    Seconds m_callSent{}; // a call's echo must arrive soon after, or the next call is someone else's
    std::uint64_t m_hideGeneration = 0;
    AnswerCoalescer m_presenceAnswers;
    QList<quint32> m_askersBeyondLan; // learned senders whose queries the next answer covers
    Lifetime m_lifetime;
};

} // namespace corvel
