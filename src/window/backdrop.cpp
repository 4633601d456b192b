// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/backdrop.h"

#include <QPaintEvent>
#include <QPainter>
#include <QVBoxLayout>

namespace corvel {

Backdrop::Backdrop(std::unique_ptr<QWidget> content)
{
    // The layout names the window; as a child the content's title would reach no window manager.
    setWindowTitle(content->windowTitle());
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(content.release());
}

void Backdrop::setBackground(const QColor &colour)
{
    m_background = colour;
    update();
}

void Backdrop::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    // Replace what the buffer held rather than blend over it, so the alpha is exactly ours.
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(event->rect(), m_background);
}

} // namespace corvel
