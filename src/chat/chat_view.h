// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <array>
#include <memory>

class QAction;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace Ui {
class ChatWindow;
}

namespace corvel {

class Stepper;

// The controls that the controller works with, by their outlet names.
struct ChatOutlets {
    Stepper *stepFontSize;
    QPlainTextEdit *txtChat;
    QLineEdit *txtMsg;
    QLineEdit *txtSize;
    QPushButton *cmdSend;
    QPushButton *cmdCall;
    QPushButton *cmdOnline;
    QPushButton *cmdClear;
    std::array<QPushButton *, 9> presets;
    QLabel *logo;
    QLabel *logoTxt;
    QLabel *labSize;
    QAction *actionHide;
    QAction *actionPreferences;
    QAction *actionClearAllData;
    QAction *actionExit;
};

// The chat window's content, laid out by ChatWindow.ui. It owns no behaviour: ViewController
// connects to its controls.
class ChatView : public QWidget {
    Q_OBJECT
public:
    explicit ChatView(QWidget *parent = nullptr);
    ~ChatView() override;

    [[nodiscard]] ChatOutlets outlets() const;

    // The commands that a menu out of the window (the tray icon's) offers too.
    struct TrayCommands {
        QAction *call;
        QAction *online;
        QAction *preferences;
        QAction *exit;
    };
    [[nodiscard]] TrayCommands trayCommands() const;

Q_SIGNALS:
    // A mouse press in the window that no control took.
    void backgroundPressed();

protected:
    void mousePressEvent(QMouseEvent *event) override;

private:
    std::unique_ptr<Ui::ChatWindow> m_ui;
};

} // namespace corvel
