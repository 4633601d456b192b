// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/Window.h"

#include "settings/keys.h"
#include "settings/settings_store.h"
#include "window/backdrop.h"
#include "window/compositing.h"

#include <algorithm>

namespace corvel {

namespace {

constexpr float opacityFloor = 0.1F;
constexpr float defaultOpacity = 0.9F;
constexpr double grey = 0.85;

} // namespace

double frameOpacity(float storedAlpha)
{
    const float opacity = storedAlpha <= opacityFloor ? defaultOpacity : storedAlpha;
    return std::min(static_cast<double>(opacity), 1.0);
}

Window::Window(SettingsStore &settings, std::unique_ptr<QWidget> content)
    : m_settings(settings), m_window(std::make_unique<Backdrop>(std::move(content)))
{
    // Both must be in place before the native window exists: changing either on a shown window
    // would hide it or have no effect.
    m_window->setWindowFlag(Qt::WindowStaysOnTopHint);
    m_window->setAttribute(Qt::WA_TranslucentBackground);
    m_window->setAttribute(Qt::WA_NoSystemBackground);
}

Window::~Window() = default;

QWidget *Window::window() const
{
    return m_window.get();
}

void Window::windowDidLoad()
{
    m_alpha = frameOpacity(m_settings.floatForKey(keys::alpha));
    const double component = m_settings.boolForKey(keys::inverted) ? 0.0 : grey;
    const auto channel = static_cast<float>(component);
    // Where the alpha cannot show, it would only darken the background under dark text.
    const float painted = windowAlphaIsShown() ? static_cast<float>(m_alpha) : 1.0F;
    m_window->setBackground(QColor::fromRgbF(channel, channel, channel, painted));
}

QColor Window::backgroundColour() const
{
    return m_window->background();
}

} // namespace corvel
