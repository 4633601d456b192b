// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

using namespace Qt::StringLiterals;

namespace corvel {

Translations::Translations(const QLocale &locale)
{
    // English is a translation too, of the plural forms only: it is the fallback, and it comes
    // first when the user lists English before a language that Corvel also speaks.
    const QString builtIn = u":/i18n"_s;
    if (!m_corvel.load(locale, u"corvel"_s, u"_"_s, builtIn) && !m_corvel.load(u"corvel_en"_s, builtIn))
        return;
    QCoreApplication::installTranslator(&m_corvel);
    // Qt's texts in the language that Corvel's took, so that the two never mix.
    if (m_qt.load(QLocale(m_corvel.language()), u"qtbase"_s, u"_"_s,
                  QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&m_qt);
}

Translations::~Translations()
{
    QCoreApplication::removeTranslator(&m_qt);
    QCoreApplication::removeTranslator(&m_corvel);
}

} // namespace corvel
