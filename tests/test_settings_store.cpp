#include "settings/keys.h"
#include "settings/settings_store.h"

#include <QTemporaryDir>
#include <QTest>

#include <bit>
#include <limits>
#include <memory>

using namespace Qt::StringLiterals;
using corvel::SettingsStore;
namespace keys = corvel::keys;

class SettingsStoreTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void absentKeysReadEmpty();
    void textsRoundTrip_data();
    void textsRoundTrip();
    void numbers_data();
    void numbers();
    void booleans();
    void fallbacks();
    void everyKeySurvivesARestart();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_file;
    [[nodiscard]] std::unique_ptr<SettingsStore> open() const { return std::make_unique<SettingsStore>(m_file); }
};

void SettingsStoreTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_file = m_dir->filePath(u"Corvel.conf"_s);
}

void SettingsStoreTest::absentKeysReadEmpty()
{
    const auto store = open();
    for (const keys::Key &key : keys::all) {
        QVERIFY(!store->holdsValue(key.name));
        QCOMPARE(store->stringForKey(key.name), std::nullopt);
        QCOMPARE(store->floatForKey(key.name), 0.0F);
        QCOMPARE(store->integerForKey(key.name), 0);
        QCOMPARE(store->boolForKey(key.name), false);
    }
}

void SettingsStoreTest::textsRoundTrip_data()
{
    QTest::addColumn<QString>("text");

    // Texts that an INI file could mangle: blanks at the ends, list separators, its own markers.
    for (const QString &text :
         {u""_s, u"  "_s, u" ann "_s, u"a, b"_s, u"a,b"_s, u"@Invalid()"_s, u"@@x"_s, u"#not a comment"_s, u";semi"_s,
          u"\"quoted\""_s, u"back\\slash"_s, u"line\nfeed"_s, u"tab\there"_s, u"true"_s, u"0.9"_s, u"[General]"_s,
          u"k=v"_s, u"zoë € 😀"_s, u"<online?>"_s})
        QTest::newRow(qPrintable(text)) << text;
}

void SettingsStoreTest::textsRoundTrip()
{
    QFETCH(QString, text);
    open()->setString(keys::username, text);
    const auto store = open();
    QVERIFY(store->holdsValue(keys::username));
    QCOMPARE(store->stringForKey(keys::username), std::optional(text));
    QCOMPARE(store->userName(), text);
}

void SettingsStoreTest::numbers_data()
{
    QTest::addColumn<float>("stored");
    QTest::addColumn<qint64>("asInteger");

    QTest::newRow("2.9") << 2.9F << qint64(2);
    QTest::newRow("0.5") << 0.5F << qint64(0);
    QTest::newRow("-2.9") << -2.9F << qint64(-2);
    QTest::newRow("0.9") << 0.9F << qint64(0);
    QTest::newRow("0.1") << 0.1F << qint64(0);
    QTest::newRow("0.05") << 0.05F << qint64(0);
    QTest::newRow("1/3") << 1.0F / 3.0F << qint64(0);
    QTest::newRow("30") << 30.0F << qint64(30);
    QTest::newRow("7.038531e-26") << std::bit_cast<float>(quint32(363742205)) << qint64(0); // double rounding
    QTest::newRow("smallest subnormal") << std::numeric_limits<float>::denorm_min() << qint64(0);
    QTest::newRow("largest") << std::numeric_limits<float>::max() << std::numeric_limits<qint64>::max();
}

void SettingsStoreTest::numbers()
{
    QFETCH(float, stored);
    QFETCH(qint64, asInteger);
    open()->setFloat(keys::delay, stored);
    const auto store = open();
    // Bit for bit: QCOMPARE would forgive a value that drifted through a wider type.
    QCOMPARE(std::bit_cast<quint32>(store->floatForKey(keys::delay)), std::bit_cast<quint32>(stored));
    QCOMPARE(store->integerForKey(keys::delay), asInteger);
}

void SettingsStoreTest::booleans()
{
    const auto store = open();
    store->setBool(keys::hide, true);
    store->setBool(keys::autoClear, false);
    QVERIFY(store->boolForKey(keys::hide));
    QVERIFY(!store->boolForKey(keys::autoClear));
    QVERIFY(store->holdsValue(keys::autoClear));
    store->remove(keys::hide);
    QVERIFY(!store->boolForKey(keys::hide));
    QVERIFY(!store->holdsValue(keys::hide));
}

void SettingsStoreTest::fallbacks()
{
    const auto store = open();
    QVERIFY(!corvel::loginName().isEmpty());
    QCOMPARE(store->userName(), corvel::loginName());
    QCOMPARE(store->okPreset(), u"ok"_s);
    store->setString(keys::okPreset, QString());
    QCOMPARE(store->okPreset(), QString());
    store->setString(keys::username, u"ann"_s);
    store->remove(keys::username);
    QCOMPARE(store->userName(), corvel::loginName());
}

void SettingsStoreTest::everyKeySurvivesARestart()
{
    auto store = open();
    for (qsizetype i = 0; i < qsizetype(keys::all.size()); ++i) {
        const keys::Key &key = keys::all[std::size_t(i)];
        switch (key.type) {
        case keys::StoredType::Text:
            store->setString(key.name, QString(u"text "_s + key.name));
            break;
        case keys::StoredType::Float:
            store->setFloat(key.name, 0.25F + float(i));
            break;
        case keys::StoredType::Boolean:
            store->setBool(key.name, i % 2 == 0);
            break;
        case keys::StoredType::Integer:
            store->setInteger(key.name, -2147483648LL + i);
            break;
        }
    }
    store.reset();
    store = open();
    for (qsizetype i = 0; i < qsizetype(keys::all.size()); ++i) {
        const keys::Key &key = keys::all[std::size_t(i)];
        QVERIFY2(store->holdsValue(key.name), qPrintable(key.name.toString()));
        switch (key.type) {
        case keys::StoredType::Text:
            QCOMPARE(store->stringForKey(key.name), std::optional(QString(u"text "_s + key.name)));
            break;
        case keys::StoredType::Float:
            QCOMPARE(store->floatForKey(key.name), 0.25F + float(i));
            break;
        case keys::StoredType::Boolean:
            QCOMPARE(store->boolForKey(key.name), i % 2 == 0);
            break;
        case keys::StoredType::Integer:
            QCOMPARE(store->integerForKey(key.name), -2147483648LL + i);
            break;
        }
    }
}

QTEST_GUILESS_MAIN(SettingsStoreTest)
#include "test_settings_store.moc"
