// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringView>

#include <array>
#include <variant>

// The keys of the per-user store, spelled exactly as every version of Corvel reads them.
namespace corvel::keys {

inline constexpr QStringView username = u"Username";
inline constexpr QStringView okPreset = u"OKpreset";
inline constexpr QStringView delay = u"Delay";
inline constexpr QStringView alpha = u"alpha";
inline constexpr QStringView inverted = u"Inverted";
inline constexpr QStringView hide = u"Hide";
inline constexpr QStringView autoClear = u"autoClear";
inline constexpr QStringView fontSize = u"fsize";
// Desktop notifications while the window is hidden or not active.
inline constexpr QStringView notifications = u"Notifications";
// Extra IPv4 addresses every datagram also goes to, comma-separated.
inline constexpr QStringView destinations = u"Destinations";
// Whether hosts beyond the LAN that write to this copy get its datagrams too.
inline constexpr QStringView learnSenders = u"LearnSenders";
inline constexpr std::array<QStringView, 9> presets = {u"pSet1", u"pSet2", u"pSet3", u"pSet4", u"pSet5",
                                                       u"pSet6", u"pSet7", u"pSet8", u"pSet9"};

enum class StoredType { Text, Float, Boolean, Integer };

// The name of the user who runs the program.
struct LoginName {};
// What a key that holds nothing reads as: nothing, a text read as if it were stored, or the login name.
using Default = std::variant<std::monostate, QStringView, LoginName>;

struct Key {
    QStringView name;
    StoredType type;
    Default fallback;
    bool removedByClearAllData;
};

// Clear-all-data removes the keys it clears in this order.
inline constexpr std::array<Key, 20> all = {{
    {fontSize, StoredType::Integer, {}, true},
    {username, StoredType::Text, LoginName{}, true},
    {presets[0], StoredType::Text, {}, true},
    {presets[1], StoredType::Text, {}, true},
    {presets[2], StoredType::Text, {}, true},
    {presets[3], StoredType::Text, {}, true},
    {presets[4], StoredType::Text, {}, true},
    {presets[5], StoredType::Text, {}, true},
    {presets[6], StoredType::Text, {}, true},
    {presets[7], StoredType::Text, {}, true},
    {presets[8], StoredType::Text, {}, true},
    {inverted, StoredType::Boolean, {}, true},
    {notifications, StoredType::Boolean, u"true", true},
    {destinations, StoredType::Text, {}, true},
    {learnSenders, StoredType::Boolean, u"true", true},
    {okPreset, StoredType::Text, u"ok", false},
    {delay, StoredType::Float, {}, false},
    {alpha, StoredType::Float, {}, false},
    {hide, StoredType::Boolean, {}, false},
    {autoClear, StoredType::Boolean, {}, false},
}};

} // namespace corvel::keys
