// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandline.h"

#include <QCommandLineParser>
#include <array>
#include <cstdio>

namespace tavrin {
namespace {

// The options QApplication reads itself in Qt 6.4 (its core, GUI and
// widget parts and the xcb plugin), each with whether a value follows.
struct QtOption
{
    const char* name;
    bool takesValue;
};
constexpr std::array kQtOptions{
    QtOption{"platform", true},
    QtOption{"platformpluginpath", true},
    QtOption{"platformtheme", true},
    QtOption{"plugin", true},
    QtOption{"qwindowgeometry", true},
    QtOption{"qwindowicon", true},
    QtOption{"qwindowtitle", true},
    QtOption{"geometry", true},
    QtOption{"icon", true},
    QtOption{"title", true},
    QtOption{"session", true},
    QtOption{"style", true},
    QtOption{"stylesheet", true},
    QtOption{"qmljsdebugger", true},
    QtOption{"display", true},
    QtOption{"name", true},
    QtOption{"visual", true},
    QtOption{"reverse", false},
    QtOption{"testability", false},
    QtOption{"widgetcount", false},
    QtOption{"nograb", false},
    QtOption{"dograb", false},
    QtOption{"qdevel", false},
    QtOption{"qdebug", false},
};

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
    for (const auto& [name, takesValue] : kQtOptions) {
        QCommandLineOption option(QString::fromLatin1(name), QString(),
                                  takesValue ? QStringLiteral("value") : QString());
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }

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
