// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QWidget>

#include <memory>

namespace corvel {

class SettingsStore;

// The chat window: it floats above ordinary windows and paints nothing but its background colour,
// alpha included, so that on a translucent window only the background lets the desktop show
// through while the content on top of it stays fully opaque. The background is light grey, or
// black in the inverted scheme, with the stored opacity.
class Backdrop : public QWidget {
    Q_OBJECT
public:
    // Takes the content (the chat view) into a new top-level window, not yet shown.
    explicit Backdrop(std::unique_ptr<QWidget> content);

    // Decided once when the window loads; later changes of the settings show at the next start.
    void loadBackground(const SettingsStore &settings);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // Opaque where the window's alpha would not reach the screen.
    QColor m_background = Qt::transparent;
};

// The opacity for a stored "alpha": 0.9 for 0.1 or less (compared as 32-bit floats), at most 1.
[[nodiscard]] double frameOpacity(float storedAlpha);

} // namespace corvel
