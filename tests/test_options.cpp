#include "platform/trace.h"
#include "settings/keys.h"
#include "settings/options.h"
#include "settings/settings_store.h"
#include "widgets/stepper.h"

#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;
using corvel::options;
using corvel::SettingsStore;
using corvel::Stepper;

class OptionsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void loadsAnEmptyStore();
    void showsWhatTheStoreHolds();
    void switchesStoreAtOnce_data();
    void switchesStoreAtOnce();
    void stepperStoresAtOnce_data();
    void stepperStoresAtOnce();
    void applyStoresTheTexts_data();
    void applyStoresTheTexts();
    void opensOnePanelAtATime();

private:
    template <typename T> static T *outlet(const options &panel, const QString &name);
    [[nodiscard]] QStringList storedKeys() const;
    [[nodiscard]] QByteArray storeFile() const;

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<SettingsStore> m_store;
    QStringList m_traces;
};

template <typename T> T *OptionsTest::outlet(const options &panel, const QString &name)
{
    auto *widget = panel.findChild<T *>(name);
    if (widget == nullptr)
        qFatal("no outlet %s", qPrintable(name));
    return widget;
}

void OptionsTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_store = std::make_unique<SettingsStore>(m_dir->filePath(u"corvel.ini"_s));
    m_traces.clear();
    corvel::setTraceSink([this](QStringView line) { m_traces.append(line.toString()); });
}

void OptionsTest::cleanup()
{
    corvel::setTraceSink({});
    m_store.reset();
    m_dir.reset();
}

QStringList OptionsTest::storedKeys() const
{
    QStringList names = QSettings(m_dir->filePath(u"corvel.ini"_s), QSettings::IniFormat).allKeys();
    names.sort();
    return names;
}

QByteArray OptionsTest::storeFile() const
{
    QFile file(m_dir->filePath(u"corvel.ini"_s));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void OptionsTest::loadsAnEmptyStore()
{
    const options panel(*m_store);

    for (const auto *name : {"invertCheck", "HideMode", "ClearMode"})
        QCOMPARE(outlet<QCheckBox>(panel, QString::fromLatin1(name))->checkState(), Qt::Unchecked);
    const auto *okPreset = outlet<QLineEdit>(panel, u"okPreset"_s);
    QVERIFY(!okPreset->isEnabled());
    QCOMPARE(okPreset->palette().color(QPalette::Disabled, QPalette::Base), QColor(Qt::gray));
    QCOMPARE(okPreset->text(), u"ok"_s);
    QCOMPARE(outlet<QLineEdit>(panel, u"txtUser"_s)->text(), corvel::loginName());
    for (int i = 1; i <= 9; ++i)
        QCOMPARE(outlet<QLineEdit>(panel, u"txtPS%1"_s.arg(i))->text(), QString());

    // The steppers' starting values become the stored ones, and the fields show the same.
    const auto *opacityField = outlet<QLineEdit>(panel, u"stepOpticity"_s);
    const auto *delayField = outlet<QLineEdit>(panel, u"stepDelay"_s);
    QVERIFY(opacityField->isReadOnly());
    QVERIFY(delayField->isReadOnly());
    QCOMPARE(m_store->floatForKey(corvel::keys::alpha), outlet<Stepper>(panel, u"OptStep"_s)->floatValue());
    QCOMPARE(m_store->floatForKey(corvel::keys::delay), outlet<Stepper>(panel, u"DelayStep"_s)->floatValue());
    QCOMPARE(opacityField->text().toFloat(), m_store->floatForKey(corvel::keys::alpha));
    QCOMPARE(delayField->text().toFloat(), m_store->floatForKey(corvel::keys::delay));
    QCOMPARE(storedKeys(), QStringList({u"Delay"_s, u"alpha"_s}));
    QVERIFY(m_traces.isEmpty());
}

void OptionsTest::showsWhatTheStoreHolds()
{
    using namespace corvel::keys;
    m_store->setFloat(alpha, 0.5F);
    m_store->setFloat(delay, 2.9F);
    m_store->setBool(hide, true);
    m_store->setBool(autoClear, true);
    m_store->setBool(inverted, true);
    m_store->setString(username, u" ann "_s);
    m_store->setString(okPreset, QString());
    m_store->setString(presets[2], u"lunch?"_s);
    const QByteArray before = storeFile();

    const options panel(*m_store);

    QCOMPARE(outlet<Stepper>(panel, u"OptStep"_s)->value(), 0.5);
    QCOMPARE(outlet<QLineEdit>(panel, u"stepOpticity"_s)->text(), u"0.5"_s);
    QCOMPARE(outlet<Stepper>(panel, u"DelayStep"_s)->floatValue(), 2.9F);
    QCOMPARE(outlet<QLineEdit>(panel, u"stepDelay"_s)->text(), u"2.9"_s);
    for (const auto *name : {"invertCheck", "HideMode", "ClearMode"})
        QCOMPARE(outlet<QCheckBox>(panel, QString::fromLatin1(name))->checkState(), Qt::Checked);
    const auto *okField = outlet<QLineEdit>(panel, u"okPreset"_s);
    QVERIFY(okField->isEnabled());
    QCOMPARE(okField->palette().color(QPalette::Active, QPalette::Base), QColor(Qt::white));
    QCOMPARE(okField->text(), QString());
    QCOMPARE(outlet<QLineEdit>(panel, u"txtUser"_s)->text(), u" ann "_s);
    QCOMPARE(outlet<QLineEdit>(panel, u"txtPS3"_s)->text(), u"lunch?"_s);
    QCOMPARE(outlet<QLineEdit>(panel, u"txtPS4"_s)->text(), QString());
    // Loading never writes when both numbers are set, and the load's own checking is no click.
    QCOMPARE(storeFile(), before);
    QVERIFY(m_traces.isEmpty());
}

void OptionsTest::switchesStoreAtOnce_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("onTrace");
    QTest::addColumn<QString>("offTrace");
    QTest::addColumn<bool>("governsOkPreset");

    QTest::newRow("auto-hide") << u"HideMode"_s << u"Hide"_s << u"Hide"_s << u"dont Hide"_s << true;
    QTest::newRow("auto-clear") << u"ClearMode"_s << u"autoClear"_s << u"autoClear"_s << u"dont autoClear"_s << false;
    QTest::newRow("inverted") << u"invertCheck"_s << u"Inverted"_s << u"inerted"_s << u"not inverted"_s << false;
}

void OptionsTest::switchesStoreAtOnce()
{
    QFETCH(QString, box);
    QFETCH(QString, key);
    QFETCH(QString, onTrace);
    QFETCH(QString, offTrace);
    QFETCH(bool, governsOkPreset);
    options panel(*m_store);
    panel.show();
    auto *check = outlet<QCheckBox>(panel, box);
    const auto *okPreset = outlet<QLineEdit>(panel, u"okPreset"_s);

    QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(check->height() / 2, check->height() / 2));
    QVERIFY(m_store->boolForKey(key));
    QCOMPARE(m_traces, QStringList{onTrace});
    QCOMPARE(okPreset->isEnabled(), governsOkPreset);
    QCOMPARE(okPreset->palette().color(QPalette::Base), governsOkPreset ? QColor(Qt::white) : QColor(Qt::gray));

    check->click();
    QVERIFY(m_store->holdsValue(key));
    QVERIFY(!m_store->boolForKey(key));
    QCOMPARE(m_traces, QStringList({onTrace, offTrace}));
    QVERIFY(!okPreset->isEnabled());

    // A mixed state only says so: the stored value and the OK preset stay as they were.
    check->setTristate(true);
    check->click();
    QCOMPARE(check->checkState(), Qt::PartiallyChecked);
    QCOMPARE(m_traces.last(), u"mixed"_s);
    QVERIFY(!m_store->boolForKey(key));
    QVERIFY(!okPreset->isEnabled());
}

void OptionsTest::stepperStoresAtOnce_data()
{
    QTest::addColumn<QString>("stepper");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("key");
    QTest::addColumn<float>("stored");
    QTest::addColumn<int>("press");
    QTest::addColumn<QString>("shown");

    QTest::newRow("opacity up") << u"OptStep"_s << u"stepOpticity"_s << u"alpha"_s << 0.5F
                                << static_cast<int>(Qt::Key_Up) << u"0.55"_s;
    QTest::newRow("opacity down at the floor")
        << u"OptStep"_s << u"stepOpticity"_s << u"alpha"_s << 0.2F << static_cast<int>(Qt::Key_Down) << u"0.15"_s;
    QTest::newRow("delay down") << u"DelayStep"_s << u"stepDelay"_s << u"Delay"_s << 5.0F
                                << static_cast<int>(Qt::Key_Down) << u"4"_s;
    QTest::newRow("delay up from a fraction")
        << u"DelayStep"_s << u"stepDelay"_s << u"Delay"_s << 2.5F << static_cast<int>(Qt::Key_Up) << u"3.5"_s;
}

void OptionsTest::stepperStoresAtOnce()
{
    QFETCH(QString, stepper);
    QFETCH(QString, field);
    QFETCH(QString, key);
    QFETCH(float, stored);
    QFETCH(int, press);
    QFETCH(QString, shown);
    m_store->setFloat(key, stored);
    options panel(*m_store);

    QTest::keyClick(outlet<Stepper>(panel, stepper), Qt::Key(press));
    QCOMPARE(outlet<QLineEdit>(panel, field)->text(), shown);
    QCOMPARE(m_store->floatForKey(key), shown.toFloat());

    outlet<QPushButton>(panel, u"cmdApply"_s)->click();
    QCOMPARE(m_store->floatForKey(key), shown.toFloat());
}

void OptionsTest::applyStoresTheTexts_data()
{
    QTest::addColumn<QString>("typedUser");
    QTest::addColumn<QString>("storedUser");

    QTest::newRow("emptied user name") << QString() << corvel::loginName();
    QTest::newRow("blanks are a name") << u"  "_s << u"  "_s;
    QTest::newRow("a name") << u"ann"_s << u"ann"_s;
}

void OptionsTest::applyStoresTheTexts()
{
    QFETCH(QString, typedUser);
    QFETCH(QString, storedUser);
    m_store->setString(corvel::keys::presets[0], u"old"_s);
    options panel(*m_store);
    panel.show();
    auto *txtUser = outlet<QLineEdit>(panel, u"txtUser"_s);
    txtUser->clear();
    QTest::keyClicks(txtUser, typedUser);
    outlet<QLineEdit>(panel, u"txtPS1"_s)->clear();
    outlet<QLineEdit>(panel, u"txtPS9"_s)->setText(u"bye"_s);
    auto *okPreset = outlet<QLineEdit>(panel, u"okPreset"_s);
    QVERIFY(!okPreset->isEnabled());
    okPreset->setText(u"roger"_s);

    outlet<QPushButton>(panel, u"cmdApply"_s)->click();

    QCOMPARE(m_store->stringForKey(corvel::keys::username), storedUser);
    QCOMPARE(txtUser->text(), storedUser);
    // Empty fields store empty texts: the keys then hold something.
    for (std::size_t i = 0; i < 8; ++i)
        QCOMPARE(m_store->stringForKey(corvel::keys::presets[i]), std::optional(QString()));
    QCOMPARE(m_store->stringForKey(corvel::keys::presets[8]), std::optional(u"bye"_s));
    QCOMPARE(m_store->stringForKey(corvel::keys::okPreset), std::optional(u"roger"_s));
    QVERIFY(!panel.isVisible());
}

void OptionsTest::opensOnePanelAtATime()
{
    QWidget chatWindow;
    QPointer<options> first = options::openOnce(*m_store, &chatWindow);
    QVERIFY(first->isVisible());
    QCOMPARE(options::openOnce(*m_store, &chatWindow), first.data());

    // Closing without Apply keeps the texts out of the store; the panel goes away.
    outlet<QLineEdit>(*first, u"txtPS1"_s)->setText(u"unsaved"_s);
    QTest::keyClick(first.data(), Qt::Key_Escape);
    QVERIFY(!first->isVisible());
    QVERIFY(!m_store->holdsValue(corvel::keys::presets[0]));
    QTRY_VERIFY(first.isNull());

    // The next opening is a new panel showing the store as it is now.
    m_store->setString(corvel::keys::username, u"bob"_s);
    auto *second = options::openOnce(*m_store, &chatWindow);
    QCOMPARE(outlet<QLineEdit>(*second, u"txtUser"_s)->text(), u"bob"_s);
    QCOMPARE(second->windowTitle(), u"Corvel Preferences"_s);
    QVERIFY(second->isWindow());
    QVERIFY(!second->isModal());
    delete second;
}

QTEST_MAIN(OptionsTest)
#include "test_options.moc"
