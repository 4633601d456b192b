// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/keys.h"
#include "settings/login_name.h"
#include "settings/options.h"
#include "settings/settings_store.h"
#include "support/outlet.h"
#include "support/trace_capture.h"
#include "widgets/stepper.h"
#include "window/backdrop.h"

#include <QAbstractButton>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <tuple>

using namespace Qt::StringLiterals;
using namespace corvel;
using corvel::test::outlet;

namespace {

// A store in a file of its own; a second handle on the file shows which keys the panel wrote.
struct Fixture {
    QTemporaryDir dir;
    QString file = dir.filePath(u"corvel.ini"_s);
    SettingsStore store{file};
    test::TraceCapture traces;
    QStringList written() const { return QSettings(file, QSettings::IniFormat).allKeys(); }
    QByteArray onDisk() const // what another process would read
    {
        QFile text(file);
        return text.open(QIODevice::ReadOnly) ? text.readAll() : QByteArray();
    }
};

} // namespace

class OptionsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void anEmptyStoreShowsTheDefaultsAndGetsOnlyTheSteppers()
    {
        Fixture empty;
        options panel(empty.store);
        for (const char *box : {"invertCheck", "HideMode", "ClearMode"})
            QVERIFY(!outlet<QAbstractButton>(panel, box)->isChecked());
        QVERIFY(outlet<QAbstractButton>(panel, "NotifyMode")->isChecked()); // on unless turned off
        const auto *okPreset = outlet<QLineEdit>(panel, "okPreset");
        QVERIFY(!okPreset->isEnabled());
        QCOMPARE(okPreset->palette().color(QPalette::Disabled, QPalette::Base), QColor(Qt::gray));
        QCOMPARE(okPreset->text(), u"ok"_s);
        panel.setPalette(QPalette(Qt::black)); // a dark theme's light text would vanish on the field's white
        QCOMPARE(okPreset->palette().color(QPalette::Active, QPalette::Text), QColor(Qt::black));
        QCOMPARE(outlet<QLineEdit>(panel, "txtUser")->text(), loginName());
        // The steppers' starting values become the stored ones, and nothing else is written.
        QCOMPARE(empty.store.floatForKey(keys::alpha), outlet<Stepper>(panel, "OptStep")->floatValue());
        QCOMPARE(empty.store.floatForKey(keys::delay), outlet<Stepper>(panel, "DelayStep")->floatValue());
        QCOMPARE(empty.written(), QStringList({u"Delay"_s, u"alpha"_s}));
    }

    // Each switch shows what is stored, and a click is in the file at once, either way.
    void switchesShowTheStoreAndWriteAtOnce()
    {
        const QList<std::tuple<const char *, QStringView, QString, QString>> switches = {
            {"HideMode", keys::hide, u"Hide"_s, u"dont Hide"_s},
            {"ClearMode", keys::autoClear, u"autoClear"_s, u"dont autoClear"_s},
            {"invertCheck", keys::inverted, u"inerted"_s, u"not inverted"_s},
            {"NotifyMode", keys::notifications, u"notify"_s, u"dont notify"_s}};
        for (const auto &[name, key, on, off] : switches) {
            Fixture fixture;
            fixture.store.setBool(key, true);
            options panel(fixture.store);
            panel.show();
            auto *box = outlet<QAbstractButton>(panel, name);
            QVERIFY2(box->isChecked(), name);
            for (const char *value : {"false", "true"}) {
                QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, 6));
                QVERIFY2(fixture.onDisk().contains(QByteArray(key.toLatin1() + '=' + value)), name);
            }
            QCOMPARE(fixture.traces.lines, (QStringList{off, on}));
            QCOMPARE(outlet<QLineEdit>(panel, "okPreset")->isEnabled(), key == keys::hide);
        }
    }

    // The entry in the autostart folder is the setting: the box reads the disk, a click writes it.
    void autostartBoxIsTheEntryOnDisk()
    {
        Fixture fixture;
        qputenv("XDG_CONFIG_HOME", fixture.dir.filePath(u"config"_s).toLocal8Bit());
        const QString entry = fixture.dir.filePath(u"config/autostart/corvel.desktop"_s);
        const auto box = [](const options &panel) { return outlet<QAbstractButton>(panel, "AutostartMode"); };
        options panel(fixture.store);
        panel.show();
        QVERIFY(!box(panel)->isChecked());
        QTest::mouseClick(box(panel), Qt::LeftButton, {}, QPoint(6, 6));
        QFile written(entry);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QVERIFY(written.readAll().contains("\nExec=corvel --hidden\n"));
        QVERIFY(box(options(fixture.store))->isChecked());
        // A desktop that turns it off keeps the entry and marks it, each in its own way; a user may just delete it.
        written.close();
        for (const char *mark : {"Hidden=true\n", "X-GNOME-Autostart-enabled=false\n"}) {
            QVERIFY(written.open(QIODevice::WriteOnly));
            written.write(mark);
            written.close();
            QVERIFY2(!box(options(fixture.store))->isChecked(), mark);
        }
        QTest::mouseClick(box(panel), Qt::LeftButton, {}, QPoint(6, 6));
        QVERIFY(!QFile::exists(entry));
        QCOMPARE(fixture.traces.lines, (QStringList{u"autostart"_s, u"dont autostart"_s}));
        // Where nothing can be written (below a plain file) the box stays off.
        QFile plain(fixture.dir.filePath(u"plain"_s));
        QVERIFY(plain.open(QIODevice::WriteOnly));
        qputenv("XDG_CONFIG_HOME", plain.fileName().toLocal8Bit());
        QTest::mouseClick(box(panel), Qt::LeftButton, {}, QPoint(6, 6));
        QVERIFY(!box(panel)->isChecked());
    }

    void stepperAtOnceTextsOnApply()
    {
        Fixture fixture;
        fixture.store.setFloat(keys::alpha, 0.5F);
        fixture.store.setFloat(keys::delay, 0.0F);          // hide at once: a choice, kept
        fixture.store.setString(keys::username, QString()); // shown empty, replaced on Apply
        options panel(fixture.store);
        panel.show();
        QCOMPARE(outlet<QLineEdit>(panel, "stepOpticity")->text(), u"0.5"_s);
        QCOMPARE(outlet<QLineEdit>(panel, "stepDelay")->text(), u"0"_s);
        SettingsStore otherSession(fixture.file); // the same user's panel in another session
        options other(otherSession);
        outlet<QLineEdit>(other, "txtPS1")->setText(u"from the other panel"_s);
        outlet<QAbstractButton>(other, "cmdApply")->click();
        // Its buttons and arrow keys each move it by exactly one step, stored at once.
        auto *opacity = outlet<Stepper>(panel, "OptStep");
        const auto buttons = opacity->findChildren<QAbstractButton *>(); // - and +
        buttons.constLast()->click();
        QTest::keyClick(opacity, Qt::Key_Up);
        QCOMPARE(fixture.store.floatForKey(keys::alpha), 0.6F);
        buttons.constFirst()->click();
        QCOMPARE(fixture.store.floatForKey(keys::alpha), 0.55F);
        QTest::keyClick(opacity, Qt::Key_Down);
        QCOMPARE(fixture.store.floatForKey(keys::alpha), 0.5F);
        QTest::keyClick(outlet<Stepper>(panel, "DelayStep"), Qt::Key_Up);
        QCOMPARE(fixture.store.floatForKey(keys::delay), 1.0F); // from the stored 0, a second more
        buttons.constLast()->click();

        outlet<QLineEdit>(panel, "txtPS9")->setText(u"bye"_s);
        outlet<QLineEdit>(panel, "okPreset")->setText(u"roger"_s); // disabled, auto-hide being off
        auto *destinations = outlet<QLineEdit>(panel, "txtDestinations");
        destinations->setText(u"10.8.0.5, nonsense"_s);
        outlet<QAbstractButton>(panel, "cmdApply")->click();
        QVERIFY(!fixture.store.holdsValue(keys::presets[8])); // a bad entry stores nothing at all
        QVERIFY(outlet<QLabel>(panel, "labDestinationsRefused")->text().contains(u"\"nonsense\""_s));
        destinations->setText(u"10.8.0.5"_s);
        QTest::keyClick(opacity, Qt::Key_Return); // a key the stepper does not take reaches the panel: Apply

        QCOMPARE(fixture.store.floatForKey(keys::alpha), 0.55F);
        QCOMPARE(fixture.store.stringForKey(keys::username), loginName());
        QCOMPARE(outlet<QLineEdit>(panel, "txtUser")->text(), loginName());
        QCOMPARE(fixture.store.stringForKey(keys::presets[0]), std::optional(u"from the other panel"_s));
        QVERIFY(!fixture.written().contains(u"pSet2"_s)); // untouched: not written
        QCOMPARE(fixture.store.stringForKey(keys::presets[8]), std::optional(u"bye"_s));
        QCOMPARE(fixture.store.stringForKey(keys::okPreset), std::optional(u"roger"_s));
        QCOMPARE(fixture.store.stringForKey(keys::destinations), std::optional(u"10.8.0.5"_s));
    }

    // What is stored when a window loads decides its background; on this platform the alpha shows.
    void backgroundDecidedOnceAtLoad_data()
    {
        QTest::addColumn<float>("alpha"); // 0: none stored
        QTest::addColumn<bool>("inverted");
        QTest::addColumn<QRgb>("painted");
        QTest::newRow("none stored") << 0.0F << false << qRgba(217, 217, 217, 230);
        QTest::newRow("at the floor") << 0.1F << false << qRgba(217, 217, 217, 230);
        QTest::newRow("above the floor") << 0.15F << false << qRgba(217, 217, 217, 38);
        QTest::newRow("beyond opaque") << 1.5F << false << qRgba(217, 217, 217, 255);
        QTest::newRow("inverted") << 0.5F << true << qRgba(0, 0, 0, 128);
    }
    void backgroundDecidedOnceAtLoad()
    {
        QFETCH(const float, alpha);
        QFETCH(const bool, inverted);
        QFETCH(const QRgb, painted);
        Fixture fixture;
        if (alpha != 0.0F)
            fixture.store.setFloat(keys::alpha, alpha);
        fixture.store.setBool(keys::inverted, inverted);
        auto content = std::make_unique<QLabel>();
        content->setWindowTitle(u"Corvel"_s);
        Backdrop window(std::move(content));
        window.loadBackground(fixture.store);
        QCOMPARE(window.windowTitle(), u"Corvel"_s);
        QVERIFY(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        const QImage pixels = window.grab().toImage().convertedTo(QImage::Format_ARGB32_Premultiplied);
        QCOMPARE(window.findChild<QLabel *>()->geometry(), window.rect()); // under the content, not around it
        const QRgb pixel = pixels.pixel(5, 5);
        QCOMPARE(qAlpha(pixel), qAlpha(painted));
        QVERIFY2(qAbs(qGreen(pixel) - qGreen(qPremultiply(painted))) <= 1, qPrintable(QString::number(pixel, 16)));
    }
};

QTEST_MAIN(OptionsTest)
#include "test_options.moc"
