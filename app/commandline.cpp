#include "commandline.h"

#include "qttranslation.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace {

struct Options
{
    QCommandLineOption help;
    QCommandLineOption version;
};

Options addOptions(QCommandLineParser &parser)
{
    // A word after one dash is one of Qt's own arguments (-platform, -reverse),
    // not a run of one-letter options.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        u"Списък на работещите куриерски фирми, подреден по азбучен ред, по дължина на\n"
        u"името или в реда на въвеждане, в един прозорец. Приема и общите аргументи\n"
        u"на Qt, например -platform."_s);
    Options options{{{u"h"_s, u"help"_s}, u"Показва тази помощ и излиза."_s},
                    {{u"v"_s, u"version"_s}, u"Показва версията на програмата и излиза."_s}};
    parser.addOption(options.help);
    parser.addOption(options.version);
    return options;
}

} // namespace

void answerHelpAndVersion(int &argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    QCommandLineParser parser;
    const Options options = addOptions(parser);
    // Qt's own arguments are unknown here; only --help and --version count.
    parser.parse(arguments);
    if (!parser.isSet(options.help) && !parser.isSet(options.version))
        return;

    // The answer needs an application object (the program's name, Qt's
    // translations), but no window and so no display.
    const QCoreApplication app(argc, argv);
    installQtTranslation();
    if (parser.isSet(options.help))
        parser.showHelp(EXIT_SUCCESS);
    parser.showVersion();
}

void rejectUnknownOptions(const QCoreApplication &app)
{
    QCommandLineParser parser;
    addOptions(parser);
    parser.process(app);
}
