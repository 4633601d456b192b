// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <memory>

class QAction;

namespace Ui {
class ChatWindow;
}

namespace corvel {

// The chat window's content, laid out by ChatWindow.ui. It owns no behaviour: ViewController
// connects to its controls.
class ChatView : public QWidget {
    Q_OBJECT
public:
    explicit ChatView(QWidget *parent = nullptr);
    ~ChatView() override;

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
    // The controller wires the controls; everybody else knows them by their object names only.
    friend class ViewController;
    std::unique_ptr<Ui::ChatWindow> m_ui;
};

} // namespace corvel
