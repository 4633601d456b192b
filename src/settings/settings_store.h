// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSettings>
#include <QString>
#include <QStringView>

#include <functional>
#include <memory>
#include <optional>

namespace corvel {

// Typed access to the per-user store with the read rules every reader relies on: a key that
// holds nothing reads as no text, 0, 0.0 or false; an empty text is a value; a number read as an
// integer is truncated toward zero; floats are 32-bit. Nothing is cached: each read asks the store.
class SettingsStore {
public:
    // The user's own store (organisation and application "Corvel").
    SettingsStore();
    // A store kept in the given INI file, for tests.
    explicit SettingsStore(const QString &iniFile);
    ~SettingsStore();
    SettingsStore(const SettingsStore &) = delete;
    SettingsStore &operator=(const SettingsStore &) = delete;

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

    // "Username", or the login name when it holds nothing.
    [[nodiscard]] QString userName() const;
    // "OKpreset", or "ok" when it holds nothing.
    [[nodiscard]] QString okPreset() const;
    // "Notifications", or on when it holds nothing.
    [[nodiscard]] bool notifications() const;
    // "LearnSenders", or on when it holds nothing.
    [[nodiscard]] bool learnSenders() const;

    // Writes pending changes to disk now (they are written on destruction anyway).
    void sync();
    // Called once, at the first write that did not reach the disk (read-only directory, full
    // disk), with the file's name; the values still hold for this run.
    void setUnsavedHandler(std::function<void(const QString &file)> handler);

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

private:
    // Every change goes to disk at once, unless a batch holds it back.
    void changed();

    std::unique_ptr<QSettings> m_settings;
    int m_batches = 0;
    bool m_heldBack = false;
    std::function<void(const QString &file)> m_onUnsaved;
    bool m_unsavedTold = false;
};

} // namespace corvel
