// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "chat/ViewController.h"
#include "chat/chat_view.h"
#include "settings/settings_store.h"
#include "support/fake_application.h"
#include "support/fake_network.h"
#include "support/outlet.h"

#include <QColor>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <vector>

namespace corvel::test {

// One running copy of the chat window on a fake network: its own settings file, socket and
// application, a clock pinned at 09:05:07, and a network that can be switched off.
class ChatCopy {
public:
    // With a user name, "Username" is stored before start-up; without one the store stays empty.
    ChatCopy(FakeNetwork &network, ManualMainLoop &loop, const QString &userName = {});

    void start() { controller->viewDidLoad(); }

    [[nodiscard]] QString transcript() const { return controller->transcript().text(); }
    // The colour of the line that holds the fragment, or an invalid colour when none does.
    [[nodiscard]] QColor colourOf(const QString &fragment) const;
    [[nodiscard]] QColor background() const { return controller->transcript().background(); }
    void type(const QString &text) { QTest::keyClicks(outlet("txtMsg"), text); } // as the user types it
    void send(const QString &text); // put into the message field, then Return
    template <typename T = QLineEdit> T *outlet(const char *name) const { return test::outlet<T>(*view, name); }
    void click(const char *name) const; // the button, or else the menu command, of that outlet name

    QTemporaryDir directory;
    SettingsStore settings;
    FakeSocket socket;
    FakeApplication application;
    bool reachable = true;
    QString firewallHint; // as the tray tooltip would show it
    std::unique_ptr<ChatView> view;
    std::unique_ptr<ViewController> controller;
};

// Copies named in turn on one fake network, started and past their start-up traffic.
struct Lan {
    explicit Lan(const QStringList &names, Seconds delay = Seconds(0.02));
    ChatCopy &operator[](std::size_t index) const { return *copies.at(index); }
    void after(double seconds) { loop.advance(Seconds(seconds)); }

    ManualMainLoop loop;
    FakeNetwork network;
    std::vector<std::unique_ptr<ChatCopy>> copies;
};

} // namespace corvel::test
