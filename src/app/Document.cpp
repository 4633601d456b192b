#include "app/Document.h"

#include "app/chat_scene.h"

#include <QWidget>

using namespace Qt::StringLiterals;

namespace corvel {

Document::Document() = default;
Document::~Document() = default;

void Document::makeWindowControllers()
{
    m_scene = std::make_unique<ChatScene>();
    m_scene->window().windowDidLoad();
    m_scene->window().window()->show();
    m_scene->controller().viewDidLoad();
}

void Document::reopen()
{
    m_scene->controller().show();
}

DocumentError Document::unsupported()
{
    return {u"NSOSStatusErrorDomain"_s, -4};
}

std::optional<QByteArray> Document::dataOfType(const QString & /*typeName*/, DocumentError *error) const
{
    if (error != nullptr)
        *error = unsupported();
    return std::nullopt;
}

bool Document::readFromData(const QByteArray & /*data*/, const QString & /*typeName*/, DocumentError *error)
{
    if (error != nullptr)
        *error = unsupported();
    return false;
}

} // namespace corvel
