// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Document.h"

#include "app/chat_scene.h"

#include <QWidget>

namespace corvel {

Document::Document() = default;
Document::~Document() = default;

void Document::makeWindowControllers(bool hidden)
{
    m_scene = std::make_unique<ChatScene>();
    m_scene->window().windowDidLoad();
    if (hidden)
        m_scene->startHidden();
    else
        m_scene->window().window()->show();
    m_scene->controller().viewDidLoad();
}

void Document::reopen()
{
    m_scene->controller().show();
}

} // namespace corvel
