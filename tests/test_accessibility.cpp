// Both windows as a screen reader sees them: every control named, the tab order in reading order.
#include "chat/chat_view.h"
#include "settings/options.h"
#include "settings/settings_store.h"
#include "support/outlet.h"

#include <QAccessible>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace corvel;

class AccessibilityTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyControlIsNamedAndTabbedInReadingOrder()
    {
        const QTemporaryDir dir;
        SettingsStore store(dir.filePath(u"corvel.ini"_s));
        store.setBool(u"Hide", true); // every field of the panel enabled
        ChatView chat;
        options panel(store);
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
        QVERIFY(transcript->state().readOnly && transcript->text(QAccessible::Description).contains(u"log"_s));
        QVERIFY(test::outlet<QWidget>(chat, "cmdCall")->toolTip().endsWith(u" (Ctrl+G)"_s)); // a key tells itself
        // The steppers are reached with the keyboard too, not only with the mouse on their buttons.
        for (const auto &[window, stepper] :
             {std::pair<QWidget *, const char *>{&chat, "stepFontSize"}, {&panel, "OptStep"}, {&panel, "DelayStep"}})
            QVERIFY2(test::outlet<QWidget>(*window, stepper)->focusPolicy() & Qt::TabFocus, stepper);
    }
};

QTEST_MAIN(AccessibilityTest)
#include "test_accessibility.moc"
