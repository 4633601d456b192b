// SPDX-License-Identifier: GPL-3.0-or-later
#include "chat/ViewController.h"

#include "chat/chat_view.h"
#include "net/wire.h"
#include "settings/keys.h"
#include "settings/login_name.h"
#include "settings/settings_store.h"
#include "ui_ChatWindow.h"
#include "widgets/stepper.h"

using namespace Qt::StringLiterals;

namespace corvel {

namespace {

// A copy without a socket hears nothing, so it keeps trying; ever more slowly, never busily.
constexpr Seconds firstSocketRetry{0.5};
constexpr Seconds lastSocketRetry{8.0};
// How long after a send its echo still counts as the copy's own line.
constexpr Seconds ownLineWindow{0.1};

// Wi-Fi hands out broadcasts at beacon intervals, up to a few hundred milliseconds late; the
// same datagram through a wire and through the air lands well within this.
constexpr Seconds duplicateSpan{0.5};
// A copy hears its own broadcasts within milliseconds; a busy LAN or a stalled copy takes longer.
constexpr Seconds echoGrace{3.0};

} // namespace

ViewController::ViewController(ChatServices services, ChatView &view)
    : noNetwork(u" SYSTEM  >  NO NETWORK CONECTION"_s), styleSys{Qt::black}, styleMe{Qt::blue}, styleNotMe{Qt::red},
      stepFontSize(view.m_ui->stepFontSize), txtChat(view.m_ui->txtChat), txtMsg(view.m_ui->txtMsg),
      txtSize(view.m_ui->txtSize), cmdCall(view.m_ui->cmdCall), logo(view.m_ui->logo), logoTxt(view.m_ui->logoTxt),
      labSize(view.m_ui->labSize), m_defaults(services.defaults), m_loop(services.loop), m_socket(services.socket),
      m_application(services.application), m_isNetworkReachable(std::move(services.isNetworkReachable)),
      m_openPreferences(std::move(services.openPreferences)), m_arrived(std::move(services.arrived)), m_view(view),
      m_transcript(*view.m_ui->txtChat, services.loop, std::move(services.clock)), m_duplicates(duplicateSpan),
      m_ownLines(services.loop, ownLineWindow), m_firewallHint(std::move(services.firewallHint)),
      m_echoWatch(services.loop, echoGrace, std::move(services.echoExpected),
                  [this](EchoWatch::Change change) { echoChanged(change); }),
      m_presenceAnswers(services.loop, [this] { broadcastPresenceAnswer(); })
{
    m_socket.setReceiveHandler([this](const Datagram &datagram) { receive(datagram); });
    connect(&m_defaults, &SettingsStore::unsaved, this, [this](const QString &file) {
        // After whatever start-up puts into the transcript, so that the line is not replaced.
        m_loop.after(Seconds(0), m_lifetime.guard([this, file] {
            const QString notice = wire::systemPrefix % u"SETTINGS NOT SAVED: "_s % file % u" cannot be written"_s;
            m_transcript.append(m_transcript.timeStampedLine(notice), styleSys);
        }));
    });
    connectControls();
}

ViewController::~ViewController()
{
    m_socket.setReceiveHandler({});
    m_loop.cancel(m_flashTicker);
}

void ViewController::connectControls()
{
    const Ui::ChatWindow &ui = *m_view.m_ui;
    connect(ui.cmdSend, &QPushButton::clicked, this, &ViewController::cmdSendClicked);
    connect(ui.cmdCall, &QPushButton::clicked, this, &ViewController::cmdCallClicked);
    connect(ui.cmdOnline, &QPushButton::clicked, this, &ViewController::cmdOnline);
    connect(ui.cmdClear, &QPushButton::clicked, this, &ViewController::cmdClearClicked);
    connect(ui.stepFontSize, &Stepper::stepped, this, &ViewController::cmdSize);
    const std::array presets = {ui.preset1, ui.preset2, ui.preset3, ui.preset4, ui.preset5,
                                ui.preset6, ui.preset7, ui.preset8, ui.preset9};
    for (int index = 0; index < int(presets.size()); ++index)
        connect(presets[std::size_t(index)], &QPushButton::clicked, this, [this, index] { Preset(index + 1); });
    connect(ui.actionHide, &QAction::triggered, this, &ViewController::Hide);
    connect(ui.actionClearAllData, &QAction::triggered, this, &ViewController::ClearAllData);
    connect(ui.actionExit, &QAction::triggered, this, &ViewController::ExitNow);
    connect(ui.actionPreferences, &QAction::triggered, this, [this] { m_openPreferences(); });
    // Return runs the field's own action, then presses the send button.
    connect(ui.txtMsg, &QLineEdit::returnPressed, this, [this] {
        txtMsgAction();
        m_view.m_ui->cmdSend->click();
    });
    // textEdited fires on the user's edits only, never on text the program puts there.
    connect(ui.txtMsg, &QLineEdit::textEdited, this, &ViewController::controlTextDidChange);
    connect(&m_view, &ChatView::backgroundPressed, this, &ViewController::mouseDown);
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
    m_loop.after(wait, m_lifetime.guard([this, wait] {
        if (!m_socket.access())
            retrySocket(std::min(wait * 2, lastSocketRetry));
    }));
}

} // namespace corvel
