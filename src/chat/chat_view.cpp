#include "chat/chat_view.h"

#include <QMenu>
#include <QMouseEvent>

namespace corvel {

ChatView::ChatView(QWidget *parent) : QWidget(parent)
{
    ui.setupUi(this);
    const QList<QAction *> commands = {ui.actionHide, ui.actionPreferences, ui.actionClearAllData, ui.actionExit};
    auto *menu = new QMenu(this);
    menu->addActions(commands);
    ui.cmdMenu->setMenu(menu);
    // The commands' shortcuts work wherever the focus is in the window.
    addActions(commands);
    for (QAction *command : commands)
        command->setShortcutContext(Qt::WindowShortcut);
}

void ChatView::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    Q_EMIT backgroundPressed();
}

} // namespace corvel
