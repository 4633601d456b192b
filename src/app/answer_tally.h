// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSet>
#include <QStringList>

#include <map>

namespace corvel {

// The answers to `corvel --check`'s query, by host: one host may run several copies, and a hostile
// one may answer with any number of names, so hosts are counted, and names within each host. A
// name is told apart from the earlier ones by its hash, and only a host's first few names are kept,
// each cut short, to be listed.
class AnswerTally {
public:
    static constexpr qsizetype listedNames = 8;
    static constexpr qsizetype listedCharacters = 100;

    void add(quint32 host, QStringView name);

    // How many names from how many hosts: "17000 names from 1 host".
    [[nodiscard]] QString summary() const;
    // The hosts, this computer first, each with its first names.
    [[nodiscard]] QStringList listing() const;

private:
    struct Host {
        QSet<size_t> names;
        QStringList listed;
    };

    std::map<quint32, Host> m_hosts;
    qsizetype m_names = 0;
};

} // namespace corvel
