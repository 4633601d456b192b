// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/keys.h"
#include "settings/settings_store.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <bit>
#include <limits>

using namespace Qt::StringLiterals;
using namespace corvel;

class SettingsStoreTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void floatsAcrossANewStore()
    {
        const QTemporaryDir dir;
        const QString file = dir.filePath(u"Corvel.conf"_s);
        const QList<std::pair<float, qint64>> cases = {
            {2.9F, 2}, {0.5F, 0}, {-2.9F, -2},
            {0.9F, 0}, {0.1F, 0}, {std::numeric_limits<float>::max(), std::numeric_limits<qint64>::max()}};
        for (const auto &[stored, asInteger] : cases) {
            SettingsStore(file).setFloat(keys::delay, stored);
            // Bit for bit: QCOMPARE would forgive a value that drifted through a wider type.
            QCOMPARE(std::bit_cast<quint32>(SettingsStore(file).floatForKey(keys::delay)),
                     std::bit_cast<quint32>(stored));
            QCOMPARE(SettingsStore(file).integerForKey(keys::delay), asInteger);
        }
    }

    // Each write reaches the file at once: another process, or a crash, sees it.
    void everyKeyReadsEmptyThenIsOnDiskAtOnce()
    {
        const QTemporaryDir dir;
        const QString file = dir.filePath(u"Corvel.conf"_s);
        const auto onDisk = [&file](QStringView key) {
            QFile text(file);
            return text.open(QIODevice::ReadOnly) && text.readAll().contains(QByteArray('\n' + key.toLatin1() + '='));
        };
        SettingsStore written(file);
        // Texts an INI file could mangle; the empty one is a value, not a reason to fall back.
        const QStringList texts = {u" ann"_s, u""_s, u"a,b"_s, u"\"say\" \\n"_s, u"@Invalid()"_s};
        QVERIFY(written.learnSenders());
        for (std::size_t i = 0; i < keys::all.size(); ++i) {
            const auto &[key, type, fallback, cleared] = keys::all[i];
            QVERIFY(!written.holdsValue(key));
            if (fallback.index() == 0) {
                QCOMPARE(written.stringForKey(key), std::nullopt);
                QCOMPARE(written.boolForKey(key), false);
                QCOMPARE(written.floatForKey(key), 0.0F);
                QCOMPARE(written.integerForKey(key), 0);
            }
            if (type == keys::StoredType::Text)
                written.setString(key, texts.at(qsizetype(i) % texts.size()));
            else if (type == keys::StoredType::Boolean)
                written.setBool(key, i % 2 == 0);
            else if (type == keys::StoredType::Float)
                written.setFloat(key, key == keys::delay ? 0.9F : 0.1F);
            else
                written.setInteger(key, -2147483648LL);
            QVERIFY2(onDisk(key), qPrintable(key.toString()));
        }
        const SettingsStore store(file);
        for (const keys::Key &key : keys::all) {
            QVERIFY2(store.holdsValue(key.name), qPrintable(key.name.toString()));
            QCOMPARE(store.stringForKey(key.name), written.stringForKey(key.name));
        }
        QCOMPARE(store.userName(), QString());
    }

    void unsavedWritesAreToldOnce()
    {
        const QTemporaryDir dir;
        QFile(dir.filePath(u"file"_s)).open(QIODevice::WriteOnly); // where the store's directory should be
        SettingsStore store(dir.filePath(u"file/Corvel.conf"_s));
        const QSignalSpy told(&store, &SettingsStore::unsaved);
        store.setBool(keys::hide, true);
        store.setBool(keys::autoClear, true);
        QCOMPARE(told.size(), 1);
        QVERIFY(store.boolForKey(keys::autoClear));
    }

    // Stores on one file see and tell each other's writes at once; a write around them shows
    // once they next write to disk, as a write by another process would.
    void storesOnOneFileShareWhatTheyRead()
    {
        const QTemporaryDir dir;
        const QString file = dir.filePath(u"Corvel.conf"_s);
        SettingsStore chat(file);
        SettingsStore panel(file);
        QSignalSpy told(&chat, &SettingsStore::changed);
        QVERIFY(!chat.boolForKey(keys::hide));
        panel.setBool(keys::hide, true);
        QVERIFY(chat.boolForKey(keys::hide));
        QVERIFY(!chat.boolForKey(keys::autoClear));
        QCOMPARE(told.takeFirst(), QVariantList{u"Hide"_s});
        QSettings(file, QSettings::IniFormat).setValue(u"autoClear"_s, true);
        QVERIFY(!chat.boolForKey(keys::autoClear));
        panel.remove(keys::hide);
        QVERIFY(chat.boolForKey(keys::autoClear));
        QVERIFY(!chat.holdsValue(keys::hide));
        QCOMPARE(told.size(), 1);
    }
};

QTEST_GUILESS_MAIN(SettingsStoreTest)
#include "test_settings_store.moc"
