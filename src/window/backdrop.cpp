// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/backdrop.h"

#include "settings/keys.h"
#include "settings/settings_store.h"
#include "window/compositing.h"

#include <QPaintEvent>
#include <QPainter>
#include <QVBoxLayout>

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

Backdrop::Backdrop(std::unique_ptr<QWidget> content)
{
    // The layout names the window; as a child the content's title would reach no window manager.
    setWindowTitle(content->windowTitle());
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(content.release());
    // Both must be in place before the native window exists: changing either on a shown window
    // would hide it or have no effect.
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_NoSystemBackground);
}

void Backdrop::loadBackground(const SettingsStore &settings)
{
    const double opacity = frameOpacity(settings.floatForKey(keys::alpha));
    const double component = settings.boolForKey(keys::inverted) ? 0.0 : grey;
    const auto channel = static_cast<float>(component);
    // Where the alpha cannot show, it would only darken the background under dark text.
    const float painted = windowAlphaIsShown() ? static_cast<float>(opacity) : 1.0F;
    m_background = QColor::fromRgbF(channel, channel, channel, painted);
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
