// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/stepper.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <QToolButton>
#include <QWheelEvent>

using namespace Qt::StringLiterals;

namespace corvel {

Stepper::Stepper(QWidget *parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    // Side by side rather than stacked: two targets of a full line's height are easier to hit.
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);
    layout->addWidget(makeButton(u"\u2212"_s, tr("Decrease"), -1));
    layout->addWidget(makeButton(u"+"_s, tr("Increase"), 1));
}

QToolButton *Stepper::makeButton(const QString &text, const QString &name, int steps)
{
    auto *button = new QToolButton(this);
    button->setText(text);
    button->setAccessibleName(name);
    button->setToolTip(name);
    // The stepper itself takes the focus and the arrow keys; the buttons are for the mouse.
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoRepeat(true);
    button->setMinimumWidth(button->sizeHint().height());
    connect(button, &QToolButton::clicked, this, [this, steps] { stepBy(steps); });
    return button;
}

void Stepper::setMinimum(double minimum)
{
    m_minimum = minimum;
    setValue(m_value);
}

void Stepper::setMaximum(double maximum)
{
    m_maximum = maximum;
    setValue(m_value);
}

void Stepper::setValue(double value)
{
    m_value = qBound(m_minimum, value, m_maximum);
}

void Stepper::stepBy(int steps)
{
    const double before = m_value;
    setValue(m_value + steps * m_singleStep);
    if (m_value != before)
        Q_EMIT stepped();
}

void Stepper::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Up:
        stepBy(1);
        break;
    case Qt::Key_Down:
        stepBy(-1);
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void Stepper::wheelEvent(QWheelEvent *event)
{
    const int delta = event->angleDelta().y();
    if (delta == 0) {
        event->ignore();
        return;
    }
    stepBy(delta > 0 ? 1 : -1);
    event->accept();
}

void Stepper::paintEvent(QPaintEvent * /*event*/)
{
    if (!hasFocus())
        return;
    QStylePainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
}

} // namespace corvel
