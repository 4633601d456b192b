// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QTranslator>

namespace corvel {

// While one lives, Corvel's interface speaks the language of the locale given: Corvel's own texts,
// built into the program, and Qt's (standard dialogs, context menus, key names) where the system
// has them. A language without a translation of Corvel's gets English throughout. Installed into
// the application object, so one must exist first.
class Translations {
public:
    explicit Translations(const QLocale &locale = QLocale::system());
    ~Translations();
    Translations(const Translations &) = delete;
    Translations &operator=(const Translations &) = delete;

private:
    QTranslator m_corvel;
    QTranslator m_qt;
};

} // namespace corvel
