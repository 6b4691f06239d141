#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

struct Run
{
    QProcess::ExitStatus exitStatus;
    int exitCode;
    QString out;
    QString err;
    qint64 milliseconds;
};

// The environment of a machine with no display: no X or Wayland server named
// and no platform chosen, plus the given variables.
QProcessEnvironment withoutDisplay(const QStringList &variables)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QLatin1StringView(name));
    for (const QString &variable : variables)
        environment.insert(variable.section(u'=', 0, 0), variable.section(u'=', 1));
    return environment;
}

Run runProgram(const QStringList &arguments, const QProcessEnvironment &environment)
{
    QProcess program;
    program.setProcessEnvironment(environment);
    QElapsedTimer clock;
    clock.start();
    program.start(QStringLiteral(PROGRAM), arguments);
    if (!program.waitForFinished(10000)) {
        program.kill();
        program.waitForFinished();
    }
    return {program.exitStatus(), program.exitCode(), QString::fromUtf8(program.readAllStandardOutput()),
            QString::fromUtf8(program.readAllStandardError()), clock.elapsed()};
}

// An X display number with no server: no socket for it in /tmp/.X11-unix.
QString absentXDisplay()
{
    int number = 4093;
    while (QFile::exists(u"/tmp/.X11-unix/X%1"_s.arg(number)))
        ++number;
    return u":%1"_s.arg(number);
}

// A text from either, as one line with single spaces and plain dashes.
QString simplified(QString text)
{
    return text.replace(u"\\-"_s, u"-"_s).simplified();
}

// "-h, --help" and its description, from the option lines of --help.
QStringList helpOptions(const QString &help)
{
    static const QRegularExpression line(uR"(^  (-\S.*?)\s{2,}(\S.*)$)"_s, QRegularExpression::MultilineOption);
    QStringList options;
    for (const QRegularExpressionMatch &match : line.globalMatch(help))
        options.append(match.captured(1) + u" | "_s + match.captured(2));
    return options;
}

// The same from the manual page's ".TP / .BR \-h ", " \-\-help / text" entries
// in its ОПЦИИ section.
QStringList manualOptions(const QString &page)
{
    const QString section = page.section(u".SH ОПЦИИ\n"_s, 1).section(u"\n.SH "_s, 0, 0);
    static const QRegularExpression entry(uR"(^\.TP\n\.BR (\S+) ", " (\S+)\n(.+)$)"_s,
                                          QRegularExpression::MultilineOption);
    QStringList options;
    for (const QRegularExpressionMatch &match : entry.globalMatch(section)) {
        const QString names = match.captured(1) + u", "_s + match.captured(2);
        options.append(simplified(names) + u" | "_s + match.captured(3));
    }
    return options;
}

} // namespace

class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void answersWithNoDisplay_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("answer");

        const QString version = u"courier-firms " COURIER_FIRMS_VERSION "\n"_s;
        QTest::newRow("--version") << QStringList{u"--version"_s} << version;
        QTest::newRow("-v") << QStringList{u"-v"_s} << version;
        QTest::newRow("--help") << QStringList{u"--help"_s} << u"--version"_s;
        QTest::newRow("-h") << QStringList{u"-h"_s} << u"--version"_s;
        QTest::newRow("Qt's own -platform before --version")
            << QStringList{u"-platform"_s, u"xcb"_s, u"--version"_s} << version;
        QTest::newRow("Qt's -reverse is not -r -e -v") << QStringList{u"-reverse"_s, u"-h"_s} << u"--help"_s;
    }

    void answersWithNoDisplay()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, answer);

        const Run run = runProgram(arguments, withoutDisplay({}));
        QCOMPARE(run.exitStatus, QProcess::NormalExit);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.err, QString());
        if (answer.endsWith(u'\n'))
            QCOMPARE(run.out, answer);
        else
            QVERIFY2(run.out.contains(answer), qPrintable(run.out));
    }

    void saysThereIsNoDisplay_data()
    {
        QTest::addColumn<QStringList>("environment");
        QTest::addColumn<QString>("named");

        QTest::newRow("no display at all") << QStringList() << u"DISPLAY"_s;
        const QString absent = absentXDisplay();
        QTest::newRow("an X display with no server") << QStringList{u"DISPLAY="_s + absent} << absent;
        QTest::newRow("a Wayland display with no compositor")
            << QStringList{u"QT_QPA_PLATFORM=wayland"_s, u"WAYLAND_DISPLAY=courier-firms-none"_s,
                           u"XDG_RUNTIME_DIR="_s + QDir::tempPath()}
            << u"courier-firms-none"_s;
    }

    void saysThereIsNoDisplay()
    {
        QFETCH(QStringList, environment);
        QFETCH(QString, named);

        const Run run = runProgram({}, withoutDisplay(environment));
        // A normal exit with status 1: no abort, no core dump.
        QCOMPARE(run.exitStatus, QProcess::NormalExit);
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.milliseconds < 1000, qPrintable(u"%1 ms"_s.arg(run.milliseconds)));
        const QStringList sentences = run.err.split(u'\n').filter(u"courier-firms: "_s);
        QCOMPARE(sentences.size(), 2); // Bulgarian, then English
        for (const QString &sentence : sentences) {
            QVERIFY2(sentence.contains(named), qPrintable(run.err));
            QVERIFY2(sentence.contains(u"xvfb-run -a courier-firms"_s), qPrintable(run.err));
        }
        QVERIFY2(!run.err.contains(u"Reinstalling"_s), qPrintable(run.err));
    }

    void unknownOptionEndsWithStatus1()
    {
        const Run run = runProgram({u"-platform"_s, u"offscreen"_s, u"--frobnicate"_s},
                                   QProcessEnvironment::systemEnvironment());
        QCOMPARE(run.exitStatus, QProcess::NormalExit);
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains(u"frobnicate"_s), qPrintable(run.err));
        // -platform was Qt's.
        QVERIFY2(!run.err.contains(u"platform"_s), qPrintable(run.err));
    }

    void manualPageSaysWhatHelpSays()
    {
        QFile file(QStringLiteral(MANUAL_PAGE));
        QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
        const QString page = QString::fromUtf8(file.readAll());
        const Run run = runProgram({u"--help"_s}, withoutDisplay({}));
        QCOMPARE(run.exitCode, 0);

        const QStringList options = helpOptions(run.out);
        QVERIFY(!options.isEmpty());
        QCOMPARE(manualOptions(page), options);

        // The description: the lines between the usage line and "Options:".
        const QString description = run.out.section(u'\n', 1).section(u"\n\n"_s, 0, 0);
        const QString manualDescription = page.section(u".SH ОПИСАНИЕ\n"_s, 1).section(u"\n."_s, 0, 0);
        QCOMPARE(simplified(manualDescription), simplified(description));
        QVERIFY(page.contains(u"\"courier-firms " COURIER_FIRMS_VERSION "\""_s));
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
