#pragma once

#include "ui_ChatWindow.h"

#include <QWidget>

namespace corvel {

// The chat window's content, laid out by ChatWindow.ui. It owns no behaviour: ViewController
// connects to its controls.
class ChatView : public QWidget {
    Q_OBJECT
public:
    explicit ChatView(QWidget *parent = nullptr);

    Ui::ChatWindow ui;

Q_SIGNALS:
    // A mouse press in the window that no control took.
    void backgroundPressed();

protected:
    void mousePressEvent(QMouseEvent *event) override;
};

} // namespace corvel
