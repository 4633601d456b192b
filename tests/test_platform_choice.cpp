// Which windowing platform the program asks for, and what it tells the user, per session.
#include "platform/platform_choice.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace corvel;

class PlatformChoiceTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void choice_data();
    void choice();
};

void PlatformChoiceTest::choice_data()
{
    QTest::addColumn<QString>("sessionType");
    QTest::addColumn<QString>("waylandDisplay");
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("userPlatform");
    QTest::addColumn<QString>("running");
    QTest::addColumn<QByteArray>("forced");
    QTest::addColumn<QString>("noticeHolds");  // empty: no notice at all
    QTest::addColumn<QString>("failureHolds"); // when no display can be reached

    const QString none;
    const QByteArray x11 = "xcb;wayland"_ba;
    QTest::newRow("X11 session") << u"x11"_s << none << u":0"_s << none << u"xcb"_s << QByteArray() << none
                                 << u"connect to the X display \":0\""_s;
    QTest::newRow("no display") << none << none << none << none << u"xcb"_s << QByteArray() << none
                                << u"neither DISPLAY nor WAYLAND_DISPLAY"_s;
    QTest::newRow("Wayland with XWayland")
        << u"wayland"_s << u"wayland-0"_s << u":0"_s << none << u"xcb"_s << x11 << u"XWayland"_s
        << u"\"wayland-0\" (is its compositor running?) or the X display \":0\""_s;
    QTest::newRow("Wayland display alone")
        << none << u"wayland-0"_s << u":1"_s << none << u"xcb"_s << x11 << u"XWayland"_s << u":1"_s;
    QTest::newRow("Wayland session type alone")
        << u"wayland"_s << none << u":0"_s << u""_s << u"xcb"_s << x11 << u"XWayland"_s << u":0"_s;
    QTest::newRow("no XWayland") << u"wayland"_s << u"wayland-0"_s << none << none << u"wayland"_s << QByteArray()
                                 << u"cannot stay on top"_s << u"Wayland display \"wayland-0\""_s;
    QTest::newRow("XWayland refused the connection")
        << u"wayland"_s << u"wayland-0"_s << u":0"_s << none << u"wayland"_s << x11 << u"cannot stay on top"_s
        << u"wayland-0"_s;
    QTest::newRow("user chose Wayland") << u"wayland"_s << u"wayland-0"_s << u":0"_s << u"wayland"_s << u"wayland"_s
                                        << QByteArray() << none << u"\"wayland\" set in QT_QPA_PLATFORM"_s;
}

void PlatformChoiceTest::choice()
{
    QFETCH(QString, sessionType);
    QFETCH(QString, waylandDisplay);
    QFETCH(QString, display);
    QFETCH(QString, userPlatform);
    QFETCH(QString, running);
    QFETCH(QByteArray, forced);
    QFETCH(QString, noticeHolds);
    QFETCH(QString, failureHolds);
    const SessionEnvironment environment{sessionType, waylandDisplay, display, userPlatform};

    QCOMPARE(platformToForce(environment), forced);
    const QString notice = platformNotice(environment, running);
    QCOMPARE(notice.isEmpty(), noticeHolds.isEmpty());
    QVERIFY2(notice.contains(noticeHolds) && !notice.contains(u'\n'), qPrintable(notice));
    const QString failure = displayFailure(environment);
    QVERIFY2(failure.startsWith(u"Corvel cannot open its window: "_s) && failure.contains(failureHolds),
             qPrintable(failure));
}

QTEST_APPLESS_MAIN(PlatformChoiceTest)
#include "test_platform_choice.moc"
