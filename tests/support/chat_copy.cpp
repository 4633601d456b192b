// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/chat_copy.h"

#include "settings/keys.h"

#include <QAbstractButton>
#include <QAction>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextBlock>

using namespace Qt::StringLiterals;

namespace corvel::test {

ChatCopy::ChatCopy(FakeNetwork &network, ManualMainLoop &loop, const QString &userName)
    : settings(directory.filePath(u"Corvel.conf"_s)), socket(network), view(std::make_unique<ChatView>())
{
    if (!userName.isNull())
        settings.setString(keys::username, userName);
    ChatServices services{settings, loop, socket, application, [this] { return reachable; }};
    services.clock = [] { return QTime(9, 5, 7); };
    controller = std::make_unique<ViewController>(std::move(services), *view);
    QObject::connect(controller.get(), &ViewController::firewallHint, controller.get(),
                     [this](const QString &hint) { firewallHint = hint; });
    view->show(); // as in the program, where the window shows before start-up
}

QColor ChatCopy::colourOf(const QString &fragment) const
{
    const QTextDocument *document = outlet<QPlainTextEdit>("txtChat")->document();
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        const qsizetype at = block.text().indexOf(fragment);
        if (at < 0)
            continue;
        for (auto run = block.begin(); !run.atEnd(); ++run) {
            const QTextFragment piece = run.fragment();
            if (piece.position() - block.position() + piece.length() > at)
                return piece.charFormat().foreground().color();
        }
    }
    return {};
}

void ChatCopy::send(const QString &text)
{
    outlet("txtMsg")->setText(text);
    QTest::keyClick(outlet("txtMsg"), Qt::Key_Return);
}

void ChatCopy::click(const char *name) const
{
    if (auto *button = view->findChild<QAbstractButton *>(QString::fromLatin1(name)))
        button->click();
    else
        outlet<QAction>(name)->trigger();
}

Lan::Lan(const QStringList &names, Seconds delay) : network(loop, delay)
{
    for (const QString &name : names)
        copies.push_back(std::make_unique<ChatCopy>(network, loop, name));
    for (const auto &copy : copies)
        copy->start();
    loop.advance(Seconds(1));
    network.traffic.clear();
}

} // namespace corvel::test
