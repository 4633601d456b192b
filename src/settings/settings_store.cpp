// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settings_store.h"

#include "settings/keys.h"
#include "settings/login_name.h"

#include <QStringList>

#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <locale>
#include <sstream>
#include <utility>

using namespace Qt::StringLiterals;

namespace corvel {

namespace {

QString keyString(QStringView key)
{
    return key.toString();
}

// Values are kept as text in the INI file, so numbers and booleans are parsed on every read,
// the way the store converts between its types.
std::optional<double> asNumber(const QVariant &value)
{
    if (!value.isValid())
        return std::nullopt;
    const QString text = value.toString().trimmed();
    if (text == u"true"_s)
        return 1.0;
    if (text == u"false"_s)
        return 0.0;
    bool ok = false;
    const double number = text.toDouble(&ok);
    if (!ok || !std::isfinite(number))
        return std::nullopt;
    return number;
}

} // namespace

SettingsStore::SettingsStore() : m_settings(std::make_unique<QSettings>(u"Corvel"_s, u"Corvel"_s)) {}

SettingsStore::SettingsStore(const QString &iniFile)
    : m_settings(std::make_unique<QSettings>(iniFile, QSettings::IniFormat))
{
}

SettingsStore::~SettingsStore() = default;

std::optional<QString> SettingsStore::stringForKey(QStringView key) const
{
    const QVariant value = m_settings->value(keyString(key));
    if (!value.isValid())
        return std::nullopt;
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(u", "_s);
    if (!value.canConvert<QString>())
        return std::nullopt;
    return value.toString();
}

float SettingsStore::floatForKey(QStringView key) const
{
    const QVariant value = m_settings->value(keyString(key));
    // Straight to 32 bits: through a double, the largest float and a few tiny ones would not
    // read back as the float that setFloat wrote. A stream in the C locale does that everywhere;
    // std::from_chars does not read floats on every system's C++ library yet.
    std::istringstream text(value.toString().trimmed().toStdString());
    text.imbue(std::locale::classic());
    float parsed = 0.0F;
    text >> parsed;
    if (!text.fail() && text.peek() == std::char_traits<char>::eof() && std::isfinite(parsed))
        return parsed;

    const auto number = asNumber(value);
    if (!number || std::fabs(*number) > std::numeric_limits<float>::max())
        return 0.0F;
    return static_cast<float>(*number);
}

qint64 SettingsStore::integerForKey(QStringView key) const
{
    const auto number = asNumber(m_settings->value(keyString(key)));
    if (!number)
        return 0;
    const double truncated = std::trunc(*number);
    if (truncated >= 9.2e18)
        return std::numeric_limits<qint64>::max();
    if (truncated <= -9.2e18)
        return std::numeric_limits<qint64>::min();
    return static_cast<qint64>(truncated);
}

bool SettingsStore::boolForKey(QStringView key) const
{
    const auto number = asNumber(m_settings->value(keyString(key)));
    return number && *number != 0.0;
}

bool SettingsStore::holdsValue(QStringView key) const
{
    return m_settings->contains(keyString(key));
}

void SettingsStore::setString(QStringView key, const QString &value)
{
    m_settings->setValue(keyString(key), value);
    changed();
}

void SettingsStore::setFloat(QStringView key, float value)
{
    // The shortest text that reads back as the same 32-bit float: 0.9 stays "0.9".
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    m_settings->setValue(keyString(key), QString::fromLatin1(buffer.data(), result.ptr - buffer.data()));
    changed();
}

void SettingsStore::setBool(QStringView key, bool value)
{
    m_settings->setValue(keyString(key), value);
    changed();
}

void SettingsStore::setInteger(QStringView key, qint64 value)
{
    m_settings->setValue(keyString(key), value);
    changed();
}

void SettingsStore::remove(QStringView key)
{
    m_settings->remove(keyString(key));
    changed();
}

QString SettingsStore::userName() const
{
    // Read on every datagram: the login name is looked up only when no name is stored.
    std::optional<QString> stored = stringForKey(keys::username);
    return stored ? *std::move(stored) : loginName();
}

QString SettingsStore::okPreset() const
{
    return stringForKey(keys::okPreset).value_or(u"ok"_s);
}

bool SettingsStore::notifications() const
{
    return !holdsValue(keys::notifications) || boolForKey(keys::notifications);
}

bool SettingsStore::learnSenders() const
{
    return !holdsValue(keys::learnSenders) || boolForKey(keys::learnSenders);
}

void SettingsStore::sync()
{
    m_settings->sync();
    if (m_settings->status() != QSettings::NoError && m_onUnsaved && !std::exchange(m_unsavedTold, true))
        m_onUnsaved(m_settings->fileName());
}

void SettingsStore::setUnsavedHandler(std::function<void(const QString &file)> handler)
{
    m_onUnsaved = std::move(handler);
}

void SettingsStore::changed()
{
    if (m_batches > 0)
        m_heldBack = true;
    else
        sync();
}

SettingsStore::Batch::Batch(SettingsStore &store) : m_store(store)
{
    ++m_store.m_batches;
}

SettingsStore::Batch::~Batch()
{
    if (--m_store.m_batches == 0 && std::exchange(m_store.m_heldBack, false))
        m_store.sync();
}

} // namespace corvel
