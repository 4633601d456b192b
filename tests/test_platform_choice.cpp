// Which windowing platform the program asks for, and what it tells the user, per session.
#include "platform/platform_choice.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace corvel;

class PlatformChoiceTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void choice()
    {
        struct Row {
            SessionEnvironment environment;
            QString running;
            QByteArray forced;
            QString noticeHolds;  // empty: no notice at all
            QString failureHolds; // when no display can be reached
        };
        const QByteArray x11 = "xcb;wayland"_ba;
        const QList<Row> rows = {
            {{u"x11"_s, {}, u":0"_s, {}}, u"xcb"_s, {}, {}, u"connect to the X display \":0\""_s},
            {{}, u"xcb"_s, {}, {}, u"neither DISPLAY nor WAYLAND_DISPLAY"_s},
            {{u"wayland"_s, u"wayland-0"_s, u":0"_s, {}},
             u"xcb"_s,
             x11,
             u"XWayland"_s,
             u"\"wayland-0\" (is its compositor running?) or the X display \":0\""_s},
            {{{}, u"wayland-0"_s, u":1"_s, {}}, u"xcb"_s, x11, u"XWayland"_s, u":1"_s},
            {{u"wayland"_s, {}, u":0"_s, u""_s}, u"xcb"_s, x11, u"XWayland"_s, u":0"_s},
            {{u"wayland"_s, u"wayland-0"_s, {}, {}},
             u"wayland"_s,
             {},
             u"cannot stay on top"_s,
             u"Wayland display \"wayland-0\""_s},
            // XWayland refused the connection.
            {{u"wayland"_s, u"wayland-0"_s, u":0"_s, {}}, u"wayland"_s, x11, u"cannot stay on top"_s, u"wayland-0"_s},
            {{u"wayland"_s, u"wayland-0"_s, u":0"_s, u"wayland"_s},
             u"wayland"_s,
             {},
             {},
             u"\"wayland\" set in QT_QPA_PLATFORM"_s}};
        for (const auto &[environment, running, forced, noticeHolds, failureHolds] : rows) {
            QCOMPARE(platformToForce(environment), forced);
            const QString notice = platformNotice(environment, running);
            QCOMPARE(notice.isEmpty(), noticeHolds.isEmpty());
            QVERIFY2(notice.contains(noticeHolds) && !notice.contains(u'\n'), qPrintable(notice));
            const QString failure = displayFailure(environment);
            QVERIFY2(failure.startsWith(u"Corvel cannot open its window: "_s) && failure.contains(failureHolds),
                     qPrintable(failure));
        }
    }
};

QTEST_APPLESS_MAIN(PlatformChoiceTest)
#include "test_platform_choice.moc"
