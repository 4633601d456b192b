// SPDX-License-Identifier: GPL-3.0-or-later
// Both windows as a person reads them, in every shipped language: every control named for a
// screen reader, the tab order in reading order, no text cut off, and none left in English.
#include "chat/chat_view.h"
#include "platform/translations.h"
#include "settings/options.h"
#include "settings/settings_store.h"
#include "support/outlet.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace corvel;

namespace {

// Titles, captions, hints and the names a screen reader speaks, in a fixed order.
QStringList readTexts(const QWidget &window)
{
    QStringList texts{window.windowTitle()};
    for (const QWidget *widget : window.findChildren<QWidget *>()) {
        texts << widget->toolTip() << widget->accessibleName() << widget->accessibleDescription();
        if (const auto *label = qobject_cast<const QLabel *>(widget);
            label != nullptr && label->objectName() != u"labNetworks")
            texts << label->text(); // that one shows the machine's interfaces
        if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
            texts << button->text();
        if (const auto *field = qobject_cast<const QLineEdit *>(widget))
            texts << field->placeholderText();
    }
    for (const QAction *action : window.findChildren<QAction *>())
        texts << action->text();
    return texts;
}

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyControlIsNamedReadableAndTabbedInReadingOrder_data()
    {
        QTest::addColumn<QStringList>("sameAsEnglish"); // besides the name and texts without letters
        for (const char *language : {"en", "de", "es"})
            QTest::newRow(language) << QStringList();
        for (const char *language : {"pt_BR", "it", "pl"})
            QTest::newRow(language) << QStringList{u"Menu"_s};
        QTest::newRow("fr") << QStringList{u"Menu"_s, u"Message"_s, u"Notifications"_s};
    }
    void everyControlIsNamedReadableAndTabbedInReadingOrder()
    {
        QFETCH(const QStringList, sameAsEnglish);
        const QString language = QString::fromLatin1(QTest::currentDataTag());
        const QTemporaryDir dir;
        SettingsStore store(dir.filePath(u"corvel.ini"_s));
        store.setBool(u"Hide", true); // every field of the panel enabled
        const QStringList english = readTexts(ChatView()) + readTexts(options(store));
        const Translations translations{QLocale(language)};
        ChatView chat;
        options panel(store);
        const QStringList shown = readTexts(chat) + readTexts(panel);
        for (qsizetype i = 0; i < shown.size(); ++i) {
            const bool fixed = !shown[i].contains(QRegularExpression(u"\\p{L}"_s)) || shown[i] == u"Corvel";
            QVERIFY2(language == u"en" || shown[i] != english[i] || fixed || sameAsEnglish.contains(shown[i]),
                     qPrintable(u"still English: "_s + shown[i]));
        }
        for (QWidget *window : {static_cast<QWidget *>(&chat), static_cast<QWidget *>(&panel)}) {
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(window));
            for (QWidget *widget : window->findChildren<QWidget *>()) {
                const QAccessibleInterface *seen = QAccessible::queryAccessibleInterface(widget);
                // Focus makes a control of any widget, whatever role it claims.
                const bool control =
                    (widget->focusPolicy() & Qt::TabFocus) != 0 ||
                    !QList{QAccessible::Client, QAccessible::Grouping, QAccessible::Pane, QAccessible::ScrollBar}
                         .contains(seen->role());
                QVERIFY2(!control || !widget->isVisibleTo(window) || !seen->text(QAccessible::Name).isEmpty(),
                         qPrintable(widget->objectName() + u" of "_s + window->objectName()));
                // Each caption whole: a wrapping label may grow downwards only, and a push button's
                // size hint holds a minimum width that a narrow one like a preset's need not have.
                const auto *label = qobject_cast<QLabel *>(widget);
                const auto *button = qobject_cast<QAbstractButton *>(widget);
                const QString caption = label ? label->text() : button ? button->text() : QString();
                if (caption.isEmpty() || !widget->isVisibleTo(window))
                    continue;
                const int margin = widget->style()->pixelMetric(QStyle::PM_ButtonMargin);
                const QSize needed = label && label->wordWrap()
                                         ? QSize(widget->width(), widget->heightForWidth(widget->width()))
                                     : qobject_cast<QPushButton *>(widget)
                                         ? widget->fontMetrics().size(Qt::TextShowMnemonic, caption) + QSize(margin, 0)
                                         : widget->sizeHint();
                QVERIFY2(needed.width() <= widget->width(), qPrintable(caption + u" cut off at the side"_s));
                QVERIFY2(needed.height() <= widget->height(), qPrintable(caption + u" cut off below"_s));
            }
            QWidget *previous = nullptr;
            for (QWidget *next = window->nextInFocusChain(); next != window; next = next->nextInFocusChain()) {
                if ((next->focusPolicy() & Qt::TabFocus) == 0 || !next->isVisibleTo(window) || !next->isEnabled())
                    continue;
                const QRect at(next->mapTo(window, QPoint()), next->size());
                if (previous) {
                    const QRect before(previous->mapTo(window, QPoint()), previous->size());
                    const bool sameRow = at.top() < before.bottom() && before.top() < at.bottom();
                    QVERIFY2(sameRow ? at.left() > before.left() : at.top() >= before.bottom(),
                             qPrintable(previous->objectName() + u" before "_s + next->objectName()));
                }
                previous = next;
            }
            QVERIFY(previous);
        }
        const QAccessibleInterface *transcript =
            QAccessible::queryAccessibleInterface(test::outlet<QWidget>(chat, "txtChat"));
        QVERIFY(transcript->state().readOnly);
        QVERIFY(!transcript->text(QAccessible::Description).isEmpty());
        const QString callKey = QKeySequence(u"Ctrl+G"_s).toString(QKeySequence::NativeText);
        QVERIFY(
            test::outlet<QWidget>(chat, "cmdCall")->toolTip().endsWith(u" ("_s + callKey + u')')); // a key tells itself
        // The steppers are reached with the keyboard too, not only with the mouse on their buttons.
        for (const auto &[window, stepper] :
             {std::pair<QWidget *, const char *>{&chat, "stepFontSize"}, {&panel, "OptStep"}, {&panel, "DelayStep"}})
            QVERIFY2(test::outlet<QWidget>(*window, stepper)->focusPolicy() & Qt::TabFocus, stepper);
    }
};

QTEST_MAIN(AccessibilityTest)
#include "test_accessibility.moc"
