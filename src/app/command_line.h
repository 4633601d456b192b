// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace corvel {

// What the command line asks for. Read before the application object exists, so that --help,
// --version and a mistyped option need neither a display nor the network nor the settings.
struct CommandLine {
    enum class Action {
        Run,     // open the chat window
        Check,   // check the network from the terminal, with no window
        Help,    // print the usage on standard output
        Version, // print the name and version on standard output
        Refuse,  // print the error and the usage on standard error, exit 2
    };

    Action action = Action::Run;
    bool newInstance = false;
    bool hidden = false; // start with only the tray icon, as at log-in
    QString error;       // for Refuse
    QString usage;       // for Help and Refuse
    QString version;
};

// The arguments as main() got them, the program's name first. The options that every Qt
// application takes (-platform xcb, -style fusion...) pass, since Qt handles them itself later.
[[nodiscard]] CommandLine parseCommandLine(const QStringList &arguments);

} // namespace corvel
