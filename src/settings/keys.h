// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringView>

#include <array>

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
// Desktop notifications while the window is hidden or not active; on when it holds nothing.
inline constexpr QStringView notifications = u"Notifications";
// Extra IPv4 addresses every datagram also goes to, comma-separated; none when it holds nothing.
inline constexpr QStringView destinations = u"Destinations";
// Whether hosts beyond the LAN that write to this copy get its datagrams too; on when it holds nothing.
inline constexpr QStringView learnSenders = u"LearnSenders";
inline constexpr std::array<QStringView, 9> presets = {u"pSet1", u"pSet2", u"pSet3", u"pSet4", u"pSet5",
                                                       u"pSet6", u"pSet7", u"pSet8", u"pSet9"};

enum class StoredType { Text, Float, Boolean, Integer };

struct Key {
    QStringView name;
    StoredType type;
    bool removedByClearAllData;
};

inline constexpr std::array<Key, 20> all = {{
    {username, StoredType::Text, true},      {okPreset, StoredType::Text, false},
    {delay, StoredType::Float, false},       {alpha, StoredType::Float, false},
    {inverted, StoredType::Boolean, true},   {hide, StoredType::Boolean, false},
    {autoClear, StoredType::Boolean, false}, {fontSize, StoredType::Integer, true},
    {presets[0], StoredType::Text, true},    {presets[1], StoredType::Text, true},
    {presets[2], StoredType::Text, true},    {presets[3], StoredType::Text, true},
    {presets[4], StoredType::Text, true},    {presets[5], StoredType::Text, true},
    {presets[6], StoredType::Text, true},    {presets[7], StoredType::Text, true},
    {presets[8], StoredType::Text, true},    {notifications, StoredType::Boolean, true},
    {destinations, StoredType::Text, true},  {learnSenders, StoredType::Boolean, true},
}};

// What clear-all-data removes, in the order it removes them.
inline constexpr std::array<QStringView, 15> removedByClearAllData = {
    fontSize,   username,   presets[0], presets[1], presets[2],    presets[3],   presets[4],  presets[5],
    presets[6], presets[7], presets[8], inverted,   notifications, destinations, learnSenders};

} // namespace corvel::keys
