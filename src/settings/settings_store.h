// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/keys.h"

#include <QObject>
#include <QSettings>
#include <QString>
#include <QStringView>

#include <memory>
#include <optional>

namespace corvel {

// Typed access to the per-user store with the read rules every reader relies on: a key that
// holds nothing reads as no text, 0, 0.0 or false unless keys::all gives it a default; an empty
// text is a value; a number read as an integer is truncated toward zero; floats are 32-bit.
// A key is read from the store once, then from memory, which every store on the same file in
// this process shares, until a write goes to disk and may bring in what another process wrote.
// Only keys in keys::all can be read. Stores live on the main thread.
class SettingsStore : public QObject {
    Q_OBJECT
public:
    // The user's own store (organisation and application "Corvel").
    SettingsStore();
    // A store kept in the given INI file, for tests.
    explicit SettingsStore(const QString &iniFile);
    ~SettingsStore() override;

    [[nodiscard]] std::optional<QString> stringForKey(QStringView key) const;
    [[nodiscard]] float floatForKey(QStringView key) const;
    [[nodiscard]] qint64 integerForKey(QStringView key) const;
    [[nodiscard]] bool boolForKey(QStringView key) const;
    [[nodiscard]] bool holdsValue(QStringView key) const;

    void setString(QStringView key, const QString &value);
    void setFloat(QStringView key, float value);
    void setBool(QStringView key, bool value);
    void setInteger(QStringView key, qint64 value);
    void remove(QStringView key);

    [[nodiscard]] QString userName() const { return *stringForKey(keys::username); }
    [[nodiscard]] QString okPreset() const { return *stringForKey(keys::okPreset); }
    [[nodiscard]] bool notifications() const { return boolForKey(keys::notifications); }
    [[nodiscard]] bool learnSenders() const { return boolForKey(keys::learnSenders); }

    // Writes pending changes to disk now (they are written on destruction anyway).
    void sync();

    // While one lives, changes wait and are then written to disk together, once.
    class Batch {
    public:
        explicit Batch(SettingsStore &store);
        ~Batch();
        Batch(const Batch &) = delete;
        Batch &operator=(const Batch &) = delete;

    private:
        SettingsStore &m_store;
    };

Q_SIGNALS:
    // After every write or removal, through this store or another one on the same file.
    void changed(const QString &key);
    // Once, at the first write that did not reach the disk (read-only directory, full disk), with
    // the file's name; the values still hold for this run.
    void unsaved(const QString &file);

private:
    struct Value;
    struct Shared;

    explicit SettingsStore(std::unique_ptr<QSettings> settings);
    static std::shared_ptr<Shared> sharedFor(const QString &file);
    [[nodiscard]] const Value &value(QStringView key) const;
    // Every change goes to disk at once, unless a batch holds it back; an invalid value removes.
    void write(QStringView key, const QVariant &value);

    std::unique_ptr<QSettings> m_settings;
    std::shared_ptr<Shared> m_shared;
    int m_batches = 0;
    bool m_heldBack = false;
    bool m_unsavedTold = false;
};

} // namespace corvel
