// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <memory>

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

Q_SIGNALS:
    // A mouse press in the window that no control took.
    void backgroundPressed();

protected:
    void mousePressEvent(QMouseEvent *event) override;

private:
    // The controller wires the controls and the tray menu offers some of the commands; everybody
    // else knows the controls by their object names only.
    friend class ViewController;
    friend class DesktopShell;
    std::unique_ptr<Ui::ChatWindow> m_ui;
};

} // namespace corvel
