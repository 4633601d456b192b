#include "settings/options_stepper.h"

#include <QKeyEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>

namespace corvel {

Stepper::Stepper(QWidget *parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    auto *layout = new QVBoxLayout(this);
    // Room for the focus frame around the arrows.
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(0);
    layout->addWidget(makeArrow(Qt::UpArrow, tr("Increase"), 1));
    layout->addWidget(makeArrow(Qt::DownArrow, tr("Decrease"), -1));
}

QToolButton *Stepper::makeArrow(Qt::ArrowType arrow, const QString &name, int steps)
{
    auto *button = new QToolButton(this);
    button->setArrowType(arrow);
    button->setAccessibleName(name);
    button->setToolTip(name);
    // The stepper itself takes the focus and the arrow keys; the arrows are for the mouse.
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoRepeat(true);
    button->setFixedSize(22, 13);
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
