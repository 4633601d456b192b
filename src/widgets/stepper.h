// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QToolButton;

namespace corvel {

// A pair of decrease and increase buttons holding a number, the way a desktop stepper does: the
// number is shown elsewhere (in the field beside it), and `stepped` tells of the user's changes
// only, so that setting the value in code never writes anything back.
class Stepper : public QWidget {
    Q_OBJECT
    Q_PROPERTY(double minimum READ minimum WRITE setMinimum)
    Q_PROPERTY(double maximum READ maximum WRITE setMaximum)
    Q_PROPERTY(double singleStep READ singleStep WRITE setSingleStep)
    Q_PROPERTY(double value READ value WRITE setValue)
public:
    explicit Stepper(QWidget *parent = nullptr);

    [[nodiscard]] double minimum() const { return m_minimum; }
    [[nodiscard]] double maximum() const { return m_maximum; }
    [[nodiscard]] double singleStep() const { return m_singleStep; }
    [[nodiscard]] double value() const { return m_value; }
    [[nodiscard]] float floatValue() const { return static_cast<float>(m_value); }

    void setMinimum(double minimum);
    void setMaximum(double maximum);
    void setSingleStep(double step) { m_singleStep = step; }
    // Kept within the limits; no signal.
    void setValue(double value);

    // What a click on a button does: `steps` increments up (or down when negative), then
    // `stepped` if the value moved.
    void stepBy(int steps);

Q_SIGNALS:
    void stepped();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QToolButton *makeButton(const QString &text, const QString &name, int steps);

    double m_minimum = 0.0;
    double m_maximum = 100.0;
    double m_singleStep = 1.0;
    double m_value = 0.0;
};

} // namespace corvel
