// SPDX-License-Identifier: GPL-3.0-or-later
#include "chat/ViewController.h"

#include "chat/chat_view.h"
#include "net/wire.h"
#include "settings/keys.h"
#include "settings/login_name.h"
#include "settings/settings_store.h"
#include "widgets/stepper.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace corvel {

namespace {

// A copy without a socket hears nothing, so it keeps trying; ever more slowly, never busily.
constexpr Seconds firstSocketRetry{0.5};
constexpr Seconds lastSocketRetry{8.0};

// Wi-Fi hands out broadcasts at beacon intervals, up to a few hundred milliseconds late; the
// same datagram through a wire and through the air lands well within this.
constexpr Seconds duplicateSpan{0.5};

} // namespace

ViewController::ViewController(ChatServices services, ChatView &view)
    : ViewController(std::move(services), view, view.outlets())
{
}

ViewController::ViewController(ChatServices services, ChatView &view, const ChatOutlets &outlets)
    : noNetwork(u" SYSTEM  >  NO NETWORK CONECTION"_s), styleSys{Qt::black}, styleMe{Qt::blue}, styleNotMe{Qt::red},
      stepFontSize(outlets.stepFontSize), txtChat(outlets.txtChat), txtMsg(outlets.txtMsg), txtSize(outlets.txtSize),
      cmdSend(outlets.cmdSend), cmdCall(outlets.cmdCall), logo(outlets.logo), logoTxt(outlets.logoTxt),
      labSize(outlets.labSize), m_defaults(services.defaults), m_loop(services.loop), m_socket(services.socket),
      m_application(services.application), m_isNetworkReachable(std::move(services.isNetworkReachable)),
      m_transcript(*outlets.txtChat, services.loop, std::move(services.clock)), m_duplicates(duplicateSpan),
      m_echo(services.loop, services.socket, std::move(services.echoExpected), m_transcript, styleSys, styleMe),
      m_call(services.loop, services.socket, m_echo, services.defaults, m_transcript),
      m_autoHide(services.loop, services.defaults, view),
      m_presence(services.loop, services.socket, m_echo, services.defaults)
{
    connect(&m_socket, &DatagramSocket::received, this, &ViewController::receive);
    connect(&m_echo, &OwnEcho::firewallHint, this, &ViewController::firewallHint);
    connect(&m_autoHide, &AutoHide::due, this, &ViewController::hiding);
    connect(&m_defaults, &SettingsStore::unsaved, this, [this](const QString &file) {
        // After whatever start-up puts into the transcript, so that the line is not replaced.
        m_loop.after(Seconds(0), this, [this, file] {
            const QString notice = wire::systemPrefix % u"SETTINGS NOT SAVED: "_s % file % u" cannot be written"_s;
            m_transcript.append(m_transcript.timeStampedLine(notice), styleSys);
        });
    });
    connectControls(outlets);
    connect(&view, &ChatView::backgroundPressed, this, &ViewController::mouseDown);
}

ViewController::~ViewController() = default;

void ViewController::connectControls(const ChatOutlets &ui)
{
    connect(ui.cmdSend, &QPushButton::clicked, this, &ViewController::cmdSendClicked);
    connect(ui.cmdCall, &QPushButton::clicked, this, &ViewController::cmdCallClicked);
    connect(ui.cmdOnline, &QPushButton::clicked, this, &ViewController::cmdOnline);
    connect(ui.cmdClear, &QPushButton::clicked, this, &ViewController::cmdClearClicked);
    connect(ui.stepFontSize, &Stepper::stepped, this, &ViewController::cmdSize);
    for (int index = 0; index < int(ui.presets.size()); ++index)
        connect(ui.presets[std::size_t(index)], &QPushButton::clicked, this, [this, index] { Preset(index + 1); });
    connect(ui.actionHide, &QAction::triggered, this, &ViewController::Hide);
    connect(ui.actionClearAllData, &QAction::triggered, this, &ViewController::ClearAllData);
    connect(ui.actionExit, &QAction::triggered, this, &ViewController::ExitNow);
    connect(ui.actionPreferences, &QAction::triggered, this, &ViewController::preferencesRequested);
    // Return runs the field's own action, then presses the send button.
    connect(ui.txtMsg, &QLineEdit::returnPressed, this, [this] {
        txtMsgAction();
        cmdSend->click();
    });
    // textEdited fires on the user's edits only, never on text the program puts there.
    connect(ui.txtMsg, &QLineEdit::textEdited, this, &ViewController::controlTextDidChange);
}

void ViewController::viewDidLoad()
{
    {
        // Both settings written here go to disk in one write.
        const SettingsStore::Batch batch(m_defaults);
        const QColor captions = m_defaults.boolForKey(keys::inverted) ? Qt::white : Qt::black;
        for (QLabel *caption : {logoTxt, labSize}) {
            QPalette palette = caption->palette();
            palette.setColor(QPalette::WindowText, captions);
            caption->setPalette(palette);
        }

        if (!m_defaults.holdsValue(keys::username))
            m_defaults.setString(keys::username, loginName());

        // The stepper keeps a size from a hand-edited file within its range.
        if (const qint64 stored = m_defaults.integerForKey(keys::fontSize); stored != 0) {
            stepFontSize->setValue(static_cast<double>(stored));
            txtSize->setText(QString::number(static_cast<int>(stepFontSize->value())));
        }
        const int points = txtSize->text().toInt();

        txtChat->setReadOnly(true);
        m_transcript.setBackground(Qt::white);
        m_transcript.setPointSize(points);
        txtMsg->setFocus();
        QFont messageFont = txtMsg->font();
        messageFont.setPointSize(points);
        txtMsg->setFont(messageFont);
        txtSize->setReadOnly(true);
        txtSize->setText(QString::number(points));
        size();
    }

    // Set up before anything else, so that a copy without a network still hears the network
    // from the moment it appears.
    const bool hasSocket = keepSocket();
    if (!m_isNetworkReachable()) {
        m_transcript.replace(noNetwork);
        return;
    }
    if (!hasSocket) {
        m_transcript.replace(wire::systemPrefix % u"NOT SENT: the chat port cannot be opened, trying again"_s);
        return;
    }
    const QString user = m_defaults.userName();
    txtMsg->setText(wire::presenceTag.toString());
    send();
    // A query that did not go out leaves the notice that says why, and the user an empty field.
    if (!txtMsg->text().isEmpty()) {
        txtMsg->clear();
        return;
    }
    m_transcript.replace(u"  SYSTEM  >  Welcome to Corvel "_s % user % u" . You are online"_s);
    if (m_defaults.boolForKey(keys::hide))
        m_transcript.appendWithoutScrolling(u"\n  SYSTEM  >  Auto Hide Mode is active."_s, styleSys);
}

bool ViewController::keepSocket()
{
    if (m_socket.access())
        return true;
    retrySocket(firstSocketRetry);
    return false;
}

void ViewController::retrySocket(Seconds wait)
{
    m_loop.after(wait, this, [this, wait] {
        if (!m_socket.access())
            retrySocket(std::min(wait * 2, lastSocketRetry));
    });
}

} // namespace corvel
