#include "settings/keys.h"
#include "settings/options.h"
#include "settings/settings_store.h"
#include "support/outlet.h"
#include "support/trace_capture.h"
#include "widgets/stepper.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

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
};

} // namespace

class OptionsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void loadsThenAutoHideClick()
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
        QCOMPARE(outlet<QLineEdit>(panel, "txtUser")->text(), loginName());
        // The steppers' starting values become the stored ones, and nothing else is written.
        QCOMPARE(empty.store.floatForKey(keys::alpha), outlet<Stepper>(panel, "OptStep")->floatValue());
        QCOMPARE(empty.store.floatForKey(keys::delay), outlet<Stepper>(panel, "DelayStep")->floatValue());
        QCOMPARE(empty.written(), QStringList({u"Delay"_s, u"alpha"_s}));

        panel.show();
        QTest::mouseClick(outlet<QAbstractButton>(panel, "HideMode"), Qt::LeftButton, {}, QPoint(6, 6));
        QVERIFY(empty.store.boolForKey(keys::hide));
        QCOMPARE(empty.traces.lines, QStringList{u"Hide"_s});
        QVERIFY(okPreset->isEnabled());

        Fixture stored;
        stored.store.setFloat(keys::alpha, 0.5F);
        stored.store.setFloat(keys::delay, 0.0F); // hide at once: a choice, kept
        const options loaded(stored.store);
        QCOMPARE(outlet<Stepper>(loaded, "OptStep")->value(), 0.5);
        QCOMPARE(outlet<QLineEdit>(loaded, "stepOpticity")->text(), u"0.5"_s);
        QCOMPARE(outlet<QLineEdit>(loaded, "stepDelay")->text(), u"0"_s);
        QCOMPARE(stored.store.floatForKey(keys::delay), 0.0F);
        QCOMPARE(stored.written(), QStringList({u"Delay"_s, u"alpha"_s}));
    }

    void stepperAtOnceTextsOnApply()
    {
        Fixture fixture;
        fixture.store.setFloat(keys::alpha, 0.5F);
        options panel(fixture.store);
        SettingsStore otherSession(fixture.file); // the same user's panel in another session
        options other(otherSession);
        outlet<QLineEdit>(other, "txtPS1")->setText(u"from the other panel"_s);
        outlet<QAbstractButton>(other, "cmdApply")->click();
        outlet<Stepper>(panel, "OptStep")->findChildren<QAbstractButton *>().constLast()->click();
        QCOMPARE(fixture.store.floatForKey(keys::alpha), 0.55F);

        outlet<QLineEdit>(panel, "txtUser")->clear();
        outlet<QLineEdit>(panel, "txtPS9")->setText(u"bye"_s);
        outlet<QLineEdit>(panel, "okPreset")->setText(u"roger"_s); // disabled, auto-hide being off
        auto *destinations = outlet<QLineEdit>(panel, "txtDestinations");
        destinations->setText(u"10.8.0.5, nonsense"_s);
        outlet<QAbstractButton>(panel, "cmdApply")->click();
        QVERIFY(!fixture.store.holdsValue(keys::presets[8])); // a bad entry stores nothing at all
        QVERIFY(outlet<QLabel>(panel, "labDestinationsRefused")->text().contains(u"\"nonsense\""_s));
        destinations->setText(u"10.8.0.5"_s);
        outlet<QAbstractButton>(panel, "cmdApply")->click();

        QCOMPARE(fixture.store.floatForKey(keys::alpha), 0.55F);
        QCOMPARE(fixture.store.stringForKey(keys::username), loginName());
        QCOMPARE(outlet<QLineEdit>(panel, "txtUser")->text(), loginName());
        QCOMPARE(fixture.store.stringForKey(keys::presets[0]), std::optional(u"from the other panel"_s));
        QVERIFY(!fixture.written().contains(u"pSet2"_s)); // untouched: not written
        QCOMPARE(fixture.store.stringForKey(keys::presets[8]), std::optional(u"bye"_s));
        QCOMPARE(fixture.store.stringForKey(keys::okPreset), std::optional(u"roger"_s));
        QCOMPARE(fixture.store.stringForKey(keys::destinations), std::optional(u"10.8.0.5"_s));
    }
};

QTEST_MAIN(OptionsTest)
#include "test_options.moc"
