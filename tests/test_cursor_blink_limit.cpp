// SPDX-License-Identifier: GPL-3.0-or-later
// Text cursors stop blinking after a spell without input and blink again at the next input.
#include "platform/manual_main_loop.h"
#include "widgets/cursor_blink_limit.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

using namespace corvel;

class CursorBlinkLimitTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void inputRestartsTheSpan_data()
    {
        QTest::addColumn<std::function<void(QLineEdit &)>>("give");
        QTest::newRow("key") << std::function([](QLineEdit &edit) { QTest::keyClick(&edit, Qt::Key_A); });
        QTest::newRow("click") << std::function([](QLineEdit &edit) { QTest::mouseClick(&edit, Qt::LeftButton); });
        QTest::newRow("focus") << std::function([](QLineEdit &edit) {
            edit.clearFocus();
            edit.setFocus();
        });
    }
    void inputRestartsTheSpan()
    {
        QFETCH(const std::function<void(QLineEdit &)>, give);
        const int platformFlashTime = QApplication::cursorFlashTime();
        QVERIFY(platformFlashTime > 0);
        constexpr Seconds almost = CursorBlinkLimit::blinkingSpan - Seconds(0.1);
        ManualMainLoop loop;
        QLineEdit edit;
        edit.show();
        edit.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&edit));
        const CursorBlinkLimit limit(loop);
        loop.advance(almost);
        QCOMPARE(QApplication::cursorFlashTime(), platformFlashTime);
        give(edit); // postpones the end of blinking
        loop.advance(almost);
        QCOMPARE(QApplication::cursorFlashTime(), platformFlashTime);
        loop.advance(Seconds(0.1));
        QCOMPARE(QApplication::cursorFlashTime(), 0);
        QCOMPARE(loop.pendingTasks(), 0U);
        give(edit);
        QCOMPARE(QApplication::cursorFlashTime(), platformFlashTime);
        loop.advance(CursorBlinkLimit::blinkingSpan);
        QCOMPARE(QApplication::cursorFlashTime(), 0);
    }
};

QTEST_MAIN(CursorBlinkLimitTest)
#include "test_cursor_blink_limit.moc"
