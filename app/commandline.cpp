// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandline.h"

#include <QCommandLineParser>
#include <array>
#include <cstdio>

namespace tavrin {
namespace {

// The options QApplication reads itself in Qt 6.4 (its core, GUI and
// widget parts and the xcb plugin): those followed by a value, and the others.
constexpr std::array kQtOptionsWithValue{
    "platform",     "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry", "qwindowicon",
    "qwindowtitle", "geometry",           "icon",          "title",  "session",         "style",
    "stylesheet",   "qmljsdebugger",      "display",       "name",   "visual"};
constexpr std::array kQtFlags{"reverse", "testability", "widgetcount", "nograb",
                              "dograb",  "qdevel",      "qdebug"};

void say(std::FILE* stream, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}

} // namespace

std::optional<int> answerCommandLine(int argc, char* argv[])
{
    QCommandLineParser parser;
    // Qt's options are single words after one dash, as in "-platform xcb".
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QStringLiteral("Shows the twelve months of a year in one window, from the current year on.\n"
                       "Qt's common options, such as -platform, are read as by any Qt program."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Shows this help and exits."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Shows the version and exits."));
    parser.addOptions({help, version});
    const auto addQtOption = [&parser](const char* name, const QString& valueName) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), valueName);
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    };
    for (const char* name : kQtOptionsWithValue)
        addQtOption(name, QStringLiteral("value"));
    for (const char* name : kQtFlags)
        addQtOption(name, QString());

    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (!parser.parse(arguments) || !parser.positionalArguments().isEmpty()) {
        // Qt's words ("Unknown option 'bogus'."), on the one line of a usage error.
        QString reason = parser.errorText();
        if (reason.isEmpty())
            reason =
                QStringLiteral("unexpected argument '%1'").arg(parser.positionalArguments().constFirst());
        reason[0] = reason[0].toLower();
        if (reason.endsWith(u'.'))
            reason.chop(1);
        say(stderr, QStringLiteral("tavrin: %1 (tavrin --help lists the options)\n").arg(reason));
        return 2;
    }
    if (parser.isSet(help)) {
        // Without an application object Qt cannot name the program itself.
        say(stdout, QStringLiteral("Usage: tavrin [options]\n") + parser.helpText().section(u'\n', 1));
        return 0;
    }
    if (parser.isSet(version)) {
        say(stdout, QStringLiteral("tavrin " TAVRIN_VERSION "\n"));
        return 0;
    }
    return std::nullopt;
}

} // namespace tavrin
