// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QObject>

#include <memory>

class QWidget;

namespace corvel {

class Backdrop;
class SettingsStore;

// The chat window's frame: it floats above ordinary windows and only its background is
// see-through (light grey, or black in the inverted scheme), with the stored opacity. Decided once
// when the window loads; later changes of the settings show at the next start.
class Window : public QObject {
    Q_OBJECT
public:
    // Takes the content (the chat view) into a new top-level window, not yet shown.
    Window(SettingsStore &settings, std::unique_ptr<QWidget> content);
    ~Window() override;

    [[nodiscard]] QWidget *window() const;
    void windowDidLoad();
    // A request to the controller to close leaves the window open.
    void close() {}

    // The colour painted: opaque where the window's alpha would not reach the screen.
    [[nodiscard]] QColor backgroundColour() const;
    // The opacity exactly as decided; the colour keeps it only to 16 bits.
    [[nodiscard]] double backgroundAlpha() const { return m_alpha; }

private:
    SettingsStore &m_settings;
    std::unique_ptr<Backdrop> m_window;
    double m_alpha = 0.0;
};

// The opacity for a stored "alpha": 0.9 for 0.1 or less (compared as 32-bit floats), at most 1.
[[nodiscard]] double frameOpacity(float storedAlpha);

} // namespace corvel
