// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settings_store.h"

#include "settings/login_name.h"

#include <QStringList>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <locale>
#include <map>
#include <sstream>
#include <utility>
#include <vector>

using namespace Qt::StringLiterals;

namespace corvel {

// One key as read from the store, in every type a reader may ask for.
struct SettingsStore::Value {
    bool held = false;
    std::optional<QString> text;
    float asFloat = 0.0F;
    qint64 asInteger = 0;
    bool asBool = false;
};

// What every store on one file has read so far, and who to tell of a change.
struct SettingsStore::Shared {
    std::array<std::optional<Value>, keys::all.size()> values;
    std::vector<SettingsStore *> stores;
};

namespace {

// Values are kept as text in the INI file, so numbers and booleans are parsed the way the store
// converts between its types.
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

std::optional<QString> asText(const QVariant &value)
{
    if (!value.isValid())
        return std::nullopt;
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(u", "_s);
    if (!value.canConvert<QString>())
        return std::nullopt;
    return value.toString();
}

float asFloat(const QVariant &value)
{
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

qint64 asInteger(const QVariant &value)
{
    const auto number = asNumber(value);
    if (!number)
        return 0;
    const double truncated = std::trunc(*number);
    if (truncated >= 9.2e18)
        return std::numeric_limits<qint64>::max();
    if (truncated <= -9.2e18)
        return std::numeric_limits<qint64>::min();
    return static_cast<qint64>(truncated);
}

QVariant defaultOf(const keys::Key &key)
{
    if (const auto *text = std::get_if<QStringView>(&key.fallback))
        return text->toString();
    if (std::holds_alternative<keys::LoginName>(key.fallback))
        return loginName();
    return {};
}

std::size_t indexOf(QStringView key)
{
    const auto *const found = std::ranges::find(keys::all, key, &keys::Key::name);
    if (found == keys::all.end())
        qFatal("The settings key %s is not in keys::all", qPrintable(key.toString()));
    return std::size_t(found - keys::all.begin());
}

} // namespace

SettingsStore::SettingsStore() : SettingsStore(std::make_unique<QSettings>(u"Corvel"_s, u"Corvel"_s)) {}

SettingsStore::SettingsStore(const QString &iniFile)
    : SettingsStore(std::make_unique<QSettings>(iniFile, QSettings::IniFormat))
{
}

SettingsStore::SettingsStore(std::unique_ptr<QSettings> settings)
    : m_settings(std::move(settings)), m_shared(sharedFor(m_settings->fileName()))
{
    m_shared->stores.push_back(this);
}

SettingsStore::~SettingsStore()
{
    std::erase(m_shared->stores, this);
}

// Stores on one file in this process share what they read, so that none goes on reading a value
// another has since replaced.
std::shared_ptr<SettingsStore::Shared> SettingsStore::sharedFor(const QString &file)
{
    static std::map<QString, std::weak_ptr<Shared>> byFile;
    std::erase_if(byFile, [](const auto &entry) { return entry.second.expired(); });
    std::weak_ptr<Shared> &known = byFile[file];
    std::shared_ptr<Shared> shared = known.lock();
    if (!shared) {
        shared = std::make_shared<Shared>();
        known = shared;
    }
    return shared;
}

// A text falls back to the default when what is stored cannot be read as one; a number or a
// switch only when nothing is stored.
const SettingsStore::Value &SettingsStore::value(QStringView key) const
{
    const std::size_t index = indexOf(key);
    std::optional<Value> &value = m_shared->values.at(index);
    if (value)
        return *value;
    const QString name = key.toString();
    const QVariant stored = m_settings->value(name);
    const bool held = m_settings->contains(name);
    const QVariant fallback = defaultOf(keys::all.at(index));
    const QVariant &number = held ? stored : fallback;
    const std::optional<QString> text = asText(stored);
    const std::optional<double> asDouble = asNumber(number);
    return value.emplace(Value{.held = held,
                               .text = text ? text : asText(fallback),
                               .asFloat = asFloat(number),
                               .asInteger = asInteger(number),
                               .asBool = asDouble && *asDouble != 0.0});
}

std::optional<QString> SettingsStore::stringForKey(QStringView key) const
{
    return value(key).text;
}

float SettingsStore::floatForKey(QStringView key) const
{
    return value(key).asFloat;
}

qint64 SettingsStore::integerForKey(QStringView key) const
{
    return value(key).asInteger;
}

bool SettingsStore::boolForKey(QStringView key) const
{
    return value(key).asBool;
}

bool SettingsStore::holdsValue(QStringView key) const
{
    return value(key).held;
}

void SettingsStore::setString(QStringView key, const QString &value)
{
    write(key, value);
}

void SettingsStore::setFloat(QStringView key, float value)
{
    // The shortest text that reads back as the same 32-bit float: 0.9 stays "0.9".
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    write(key, QString::fromLatin1(buffer.data(), result.ptr - buffer.data()));
}

void SettingsStore::setBool(QStringView key, bool value)
{
    write(key, value);
}

void SettingsStore::setInteger(QStringView key, qint64 value)
{
    write(key, value);
}

void SettingsStore::remove(QStringView key)
{
    write(key, {});
}

void SettingsStore::write(QStringView key, const QVariant &value)
{
    const QString name = key.toString();
    if (value.isValid())
        m_settings->setValue(name, value);
    else
        m_settings->remove(name);
    m_shared->values.at(indexOf(key)).reset();
    if (m_batches > 0)
        m_heldBack = true;
    else
        sync();
    // By index and holding on to the list: a listener may make or drop a store on the file.
    const std::shared_ptr<Shared> shared = m_shared;
    for (std::size_t i = 0; i < shared->stores.size(); ++i) // NOLINT(modernize-loop-convert)
        Q_EMIT shared->stores[i]->changed(name);
}

void SettingsStore::sync()
{
    m_settings->sync();
    // Syncing reads back what other processes wrote meanwhile.
    m_shared->values.fill(std::nullopt);
    if (m_settings->status() != QSettings::NoError && !std::exchange(m_unsavedTold, true))
        Q_EMIT unsaved(m_settings->fileName());
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
