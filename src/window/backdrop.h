// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QWidget>

#include <memory>

namespace corvel {

// The chat window's top-level widget. It paints nothing but its background colour, alpha
// included, so that on a translucent window only the background lets the desktop show through
// while the content on top of it stays fully opaque.
class Backdrop : public QWidget {
    Q_OBJECT
public:
    explicit Backdrop(std::unique_ptr<QWidget> content);

    [[nodiscard]] QColor background() const { return m_background; }
    void setBackground(const QColor &colour);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_background = Qt::transparent;
};

} // namespace corvel
