// SPDX-License-Identifier: GPL-3.0-or-later
#include "chat/chat_view.h"

#include "ui_ChatWindow.h"
#include "widgets/png_pixmap.h"

#include <QMenu>
#include <QMouseEvent>

#include <array>
#include <utility>

using namespace Qt::StringLiterals;

namespace corvel {

ChatView::ChatView(QWidget *parent) : QWidget(parent), m_ui(std::make_unique<Ui::ChatWindow>())
{
    Ui::ChatWindow &ui = *m_ui;
    ui.setupUi(this);
    ui.logo->setPixmap(pngPixmap(u":/corvel-64.png"_s));
    // A key acts as a click on its button, at once and by the same path, so that it acknowledges
    // a call exactly as the click would. A button's own shortcut would click only after a 100 ms
    // animation.
    const std::array<std::pair<QAction *, QAbstractButton *>, 12> keyedButtons = {{
        {ui.actionCall, ui.cmdCall},
        {ui.actionOnline, ui.cmdOnline},
        {ui.actionClear, ui.cmdClear},
        {ui.actionPreset1, ui.preset1},
        {ui.actionPreset2, ui.preset2},
        {ui.actionPreset3, ui.preset3},
        {ui.actionPreset4, ui.preset4},
        {ui.actionPreset5, ui.preset5},
        {ui.actionPreset6, ui.preset6},
        {ui.actionPreset7, ui.preset7},
        {ui.actionPreset8, ui.preset8},
        {ui.actionPreset9, ui.preset9},
    }};
    for (const auto &[key, button] : keyedButtons) {
        connect(key, &QAction::triggered, button, &QAbstractButton::click);
        button->setToolTip(u"%1 (%2)"_s.arg(button->toolTip(), key->shortcut().toString(QKeySequence::NativeText)));
        addAction(key);
    }

    auto *menu = new QMenu(this);
    menu->addActions({ui.actionCall, ui.actionOnline, ui.actionClear});
    menu->addSeparator();
    menu->addActions({ui.actionHide, ui.actionPreferences, ui.actionClearAllData, ui.actionExit});
    ui.cmdMenu->setMenu(menu);
    addActions({ui.actionHide, ui.actionPreferences, ui.actionClearAllData, ui.actionExit});
    // The keys work wherever the focus is in the window.
    for (QAction *command : actions())
        command->setShortcutContext(Qt::WindowShortcut);
}

ChatView::~ChatView() = default;

ChatOutlets ChatView::outlets() const
{
    const Ui::ChatWindow &ui = *m_ui;
    return {
        ui.stepFontSize,
        ui.txtChat,
        ui.txtMsg,
        ui.txtSize,
        ui.cmdSend,
        ui.cmdCall,
        ui.cmdOnline,
        ui.cmdClear,
        {ui.preset1, ui.preset2, ui.preset3, ui.preset4, ui.preset5, ui.preset6, ui.preset7, ui.preset8, ui.preset9},
        ui.logo,
        ui.logoTxt,
        ui.labSize,
        ui.actionHide,
        ui.actionPreferences,
        ui.actionClearAllData,
        ui.actionExit};
}

ChatView::TrayCommands ChatView::trayCommands() const
{
    return {m_ui->actionCall, m_ui->actionOnline, m_ui->actionPreferences, m_ui->actionExit};
}

void ChatView::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    Q_EMIT backgroundPressed();
}

} // namespace corvel
