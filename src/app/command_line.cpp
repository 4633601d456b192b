// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <array>

using namespace Qt::StringLiterals;

namespace corvel {

namespace {

struct QtOption {
    QLatin1StringView name;
    bool takesValue;
};

// QGuiApplication's and QApplication's own options, and those of the X11 platform.
constexpr std::array qtOptions = {
    QtOption{"platform"_L1, true},        QtOption{"platformpluginpath"_L1, true},
    QtOption{"platformtheme"_L1, true},   QtOption{"plugin"_L1, true},
    QtOption{"qwindowgeometry"_L1, true}, QtOption{"qwindowicon"_L1, true},
    QtOption{"qwindowtitle"_L1, true},    QtOption{"reverse"_L1, false},
    QtOption{"session"_L1, true},         QtOption{"style"_L1, true},
    QtOption{"stylesheet"_L1, true},      QtOption{"widgetcount"_L1, false},
    QtOption{"qmljsdebugger"_L1, true},   QtOption{"display"_L1, true},
    QtOption{"geometry"_L1, true},        QtOption{"name"_L1, true},
    QtOption{"title"_L1, true},           QtOption{"icon"_L1, true},
    QtOption{"visual"_L1, true},          QtOption{"ncols"_L1, true},
    QtOption{"cmap"_L1, false},           QtOption{"nograb"_L1, false},
    QtOption{"dograb"_L1, false},
};

} // namespace

CommandLine parseCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QCoreApplication::translate("corvel::CommandLine", "Chat with the people on the local network."));
    // Qt's own options are single-dash words, which must not read as a row of letters.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    // Qt's own help option brings --help-all along, which would promise Qt's options and print the
    // same text as --help.
    const QCommandLineOption help(
        {u"?"_s, u"h"_s, u"help"_s},
        QCoreApplication::translate("corvel::CommandLine", "Print the usage and the options, and exit."));
    parser.addOption(help);
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption newInstance(
        u"new-instance"_s,
        QCoreApplication::translate(
            "corvel::CommandLine", "Start a further copy even though one already runs for this user on this display."));
    parser.addOption(newInstance);
    const QCommandLineOption hidden(
        u"hidden"_s, QCoreApplication::translate("corvel::CommandLine",
                                                 "Start with the window hidden and only the tray icon shown, as at "
                                                 "log-in. The window shows when no tray comes within ten seconds."));
    parser.addOption(hidden);
    const QCommandLineOption check(
        u"check"_s, QCoreApplication::translate(
                        "corvel::CommandLine", "Check the network without opening a window: where messages go, whether "
                                               "the chat port can be had, and whether a presence query comes back and "
                                               "who answers it. Every running copy shows the query."));
    parser.addOption(check);
    for (const QtOption &option : qtOptions) {
        QCommandLineOption qt(option.name, QString(), option.takesValue ? u"value"_s : QString());
        qt.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(qt);
    }

    CommandLine line;
    // Without an application object yet, Qt cannot know the program's name for the first line.
    const QString usage = parser.helpText();
    line.usage =
        QCoreApplication::translate("corvel::CommandLine", "Usage: corvel [options]") + usage.mid(usage.indexOf(u'\n'));
    if (!parser.parse(arguments)) {
        line.action = CommandLine::Action::Refuse;
        line.error = parser.errorText();
    } else if (!parser.positionalArguments().isEmpty()) {
        line.action = CommandLine::Action::Refuse;
        line.error = QCoreApplication::translate("corvel::CommandLine", "Unexpected argument: %1")
                         .arg(parser.positionalArguments().constFirst());
    } else if (parser.isSet(help)) {
        line.action = CommandLine::Action::Help;
    } else if (parser.isSet(version)) {
        line.action = CommandLine::Action::Version;
    } else if (parser.isSet(check)) {
        line.action = CommandLine::Action::Check;
    }
    line.newInstance = parser.isSet(newInstance);
    line.hidden = parser.isSet(hidden);
    line.version = u"%1 %2"_s.arg(QCoreApplication::applicationName(), QCoreApplication::applicationVersion());
    return line;
}

} // namespace corvel
