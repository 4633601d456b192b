// Text cursors stop blinking after a spell without input and blink again at the next input.
#include "platform/manual_main_loop.h"
#include "widgets/cursor_blink_limit.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

using namespace corvel;

namespace {

constexpr Seconds almost = CursorBlinkLimit::blinkingSpan - Seconds(0.1);

enum class Input { Key, Mouse, Focus };

void give(Input input, QLineEdit &edit)
{
    switch (input) {
    case Input::Key:
        QTest::keyClick(&edit, Qt::Key_A);
        break;
    case Input::Mouse:
        QTest::mouseClick(&edit, Qt::LeftButton);
        break;
    case Input::Focus:
        edit.clearFocus();
        edit.setFocus();
        break;
    }
}

} // namespace

class CursorBlinkLimitTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void inputRestartsTheSpan_data();
    void inputRestartsTheSpan();

private:
    int m_platformFlashTime = 0;
};

void CursorBlinkLimitTest::initTestCase()
{
    m_platformFlashTime = QApplication::cursorFlashTime();
    QVERIFY(m_platformFlashTime > 0);
}

void CursorBlinkLimitTest::inputRestartsTheSpan_data()
{
    QTest::addColumn<Input>("input");
    QTest::newRow("key") << Input::Key;
    QTest::newRow("mouse") << Input::Mouse;
    QTest::newRow("focus") << Input::Focus;
}

void CursorBlinkLimitTest::inputRestartsTheSpan()
{
    QFETCH(Input, input);
    ManualMainLoop loop;
    QLineEdit edit;
    edit.show();
    edit.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&edit));
    CursorBlinkLimit limit(loop);

    loop.advance(almost);
    QCOMPARE(QApplication::cursorFlashTime(), m_platformFlashTime);
    give(input, edit); // postpones the end of blinking
    loop.advance(almost);
    QCOMPARE(QApplication::cursorFlashTime(), m_platformFlashTime);
    loop.advance(Seconds(0.1));
    QCOMPARE(QApplication::cursorFlashTime(), 0);
    QCOMPARE(loop.pendingTasks(), 0U);

    give(input, edit);
    QCOMPARE(QApplication::cursorFlashTime(), m_platformFlashTime);
    loop.advance(CursorBlinkLimit::blinkingSpan);
    QCOMPARE(QApplication::cursorFlashTime(), 0);
}

QTEST_MAIN(CursorBlinkLimitTest)
#include "test_cursor_blink_limit.moc"
