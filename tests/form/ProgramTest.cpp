// SPDX-License-Identifier: GPL-3.0-or-later
// The quadlo program run as a user runs it, with no display: what --help and
// --version print and that they fail when it cannot be written, the one-line
// refusals of a bad command line and of a QUADLO_INSTANT it cannot read, and
// the one-line explanation instead of Qt's abort when no display can be
// reached.
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

#include "Version.h"

namespace {

struct Run {
    int status;
    QString out;
    QStringList errLines;
};

enum class Output { Read, Full, Closed };

// `variables` are set on top of an environment with no display, no platform
// named and the C locale, in a runtime directory of the run's own.
Run runQuadlo(
    const QStringList& arguments, const QStringList& variables = {}, Output output = Output::Read)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : { "DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "QUADLO_INSTANT",
             "LANGUAGE", "LC_ALL", "LC_MESSAGES" })
        environment.remove(QString::fromLatin1(name));
    environment.insert(QStringLiteral("LANG"), QStringLiteral("C"));
    const QTemporaryDir runtime;
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    for (const QString& variable : variables)
        environment.insert(
            variable.section(QLatin1Char('='), 0, 0), variable.section(QLatin1Char('='), 1));
    QProcess process;
    process.setProcessEnvironment(environment);
    if (output == Output::Full)
        process.setStandardOutputFile(QStringLiteral("/dev/full"));
    if (output == Output::Closed)
        process.setChildProcessModifier([] { ::close(STDOUT_FILENO); });
    process.start(QStringLiteral(QUADLO_PATH), arguments);
    if (!process.waitForFinished() || process.exitStatus() != QProcess::NormalExit)
        return { -1, {}, {} };
    return { process.exitCode(), QString::fromLocal8Bit(process.readAllStandardOutput()),
        QString::fromLocal8Bit(process.readAllStandardError())
            .split(QLatin1Char('\n'), Qt::SkipEmptyParts) };
}

} // namespace

class ProgramTest : public QObject {
    Q_OBJECT

private slots:
    void helpAndVersionWorkWithoutADisplay()
    {
        for (const char* option : { "--help", "-h" }) {
            const Run run = runQuadlo({ QString::fromLatin1(option) });
            QCOMPARE(run.status, 0);
            QVERIFY2(run.out.startsWith(QStringLiteral("Usage: ")), qPrintable(run.out));
            QVERIFY(run.out.contains(QStringLiteral("-v, --version")));
            QCOMPARE(run.errLines, QStringList());
        }
        for (const char* option : { "--version", "-v" }) {
            const Run run = runQuadlo({ QString::fromLatin1(option) });
            QCOMPARE(run.status, 0);
            QCOMPARE(run.out, QStringLiteral("Quadlo %1\n").arg(QLatin1String(quadlo::kVersion)));
        }
    }

    void aGermanDesktopGetsTheHelpAndTheRefusalsInGermanAndTheCLocaleEnglish()
    {
        const QStringList german { QStringLiteral("LANGUAGE=de"),
            QStringLiteral("LANG=de_DE.UTF-8") };
        const Run help = runQuadlo({ QStringLiteral("--help") }, german);
        QCOMPARE(help.status, 0);
        QVERIFY2(help.out.contains(QStringLiteral("Zeigt diese Hilfe an.")), qPrintable(help.out));
        QVERIFY(help.out.contains(QStringLiteral("Punkte und Quadrate")));
        const Run wrong = runQuadlo({ QStringLiteral("game.txt") }, german);
        QCOMPARE(wrong.status, 2);
        QCOMPARE(wrong.errLines,
            QStringList { QStringLiteral("quadlo: Unerwartetes Argument 'game.txt'.") });
        // As gettext has it, LANGUAGE counts only outside the C locale.
        const Run c = runQuadlo({ QStringLiteral("--help") }, { QStringLiteral("LANGUAGE=de") });
        QVERIFY2(c.out.startsWith(QStringLiteral("Usage: ")), qPrintable(c.out));
        QVERIFY(c.out.contains(QStringLiteral("Displays this help.")));
    }

    void helpAndVersionFailInOneLineWhenTheirOutputCannotBeWritten()
    {
        for (const char* option : { "--help", "--version" }) {
            for (const Output output : { Output::Full, Output::Closed }) {
                const Run run = runQuadlo({ QString::fromLatin1(option) }, {}, output);
                QCOMPARE(run.status, 4);
                QCOMPARE(run.errLines,
                    QStringList { QStringLiteral("quadlo: cannot write the output") });
            }
        }
    }

    void aBadCommandLineIsOneLineAndStatusTwo_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("error");
        QTest::newRow("unknown long option")
            << QStringList { QStringLiteral("--instantly") }
            << QStringLiteral("quadlo: Unknown option 'instantly'.");
        QTest::newRow("unknown single-dash word") << QStringList { QStringLiteral("-platform"),
            QStringLiteral("offscreen") } << QStringLiteral("quadlo: Unknown option 'platform'.");
        QTest::newRow("argument") << QStringList { QStringLiteral("game.txt") }
                                  << QStringLiteral("quadlo: Unexpected argument 'game.txt'.");
    }

    void aBadCommandLineIsOneLineAndStatusTwo()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, error);
        const Run run = runQuadlo(arguments);
        QCOMPARE(run.status, 2);
        QCOMPARE(run.out, QString());
        QCOMPARE(run.errLines, QStringList { error });
    }

    void withNoDisplayToReachTheGameExplainsInOneLineAndStatusOne_data()
    {
        QTest::addColumn<QStringList>("variables");
        QTest::newRow("nothing set") << QStringList();
        QTest::newRow("X11 named") << QStringList { QStringLiteral("QT_QPA_PLATFORM=xcb") };
        QTest::newRow("Wayland named") << QStringList { QStringLiteral("QT_QPA_PLATFORM=wayland") };
        QTest::newRow("DISPLAY at no server") << QStringList { QStringLiteral("DISPLAY=:4321") };
        QTest::newRow("WAYLAND_DISPLAY at no compositor")
            << QStringList { QStringLiteral("WAYLAND_DISPLAY=quadlo-nowhere"),
                   QStringLiteral("QT_QPA_PLATFORM=wayland") };
        QTest::newRow("a Wayland session at no compositor")
            << QStringList { QStringLiteral("WAYLAND_DISPLAY=quadlo-nowhere"),
                   QStringLiteral("XDG_SESSION_TYPE=wayland") };
    }

    void withNoDisplayToReachTheGameExplainsInOneLineAndStatusOne()
    {
        QFETCH(QStringList, variables);
        const Run run = runQuadlo({}, variables);
        QCOMPARE(run.status, 1);
        QCOMPARE(run.errLines.size(), 1);
        QVERIFY2(
            run.errLines[0].startsWith(QStringLiteral("quadlo: cannot open the game's window")),
            qPrintable(run.errLines[0]));
    }

    // Without a display the game stops right after reading the variable, so
    // what it says about the value is all there is to see.
    void quadloInstantTakesTheUsualSwitchWordsAndWarnsOnceAboutAnyOther()
    {
        for (const char* word : { "1", "0", "TRUE", "false", " yes ", "No", "on", "OFF\t", "" })
            QCOMPARE(
                runQuadlo({}, { QStringLiteral("QUADLO_INSTANT=%1").arg(word) }).errLines.size(),
                1);
        for (const char* word : { "2", "maybe", "y", "1 1" }) {
            const Run run = runQuadlo({}, { QStringLiteral("QUADLO_INSTANT=%1").arg(word) });
            QCOMPARE(run.errLines.size(), 2);
            QCOMPARE(run.errLines[0],
                QStringLiteral("quadlo: QUADLO_INSTANT='%1' is none of 1/0, true/false, yes/no, "
                               "on/off; the computer's moves are shown one by one")
                    .arg(word));
        }
    }
};

QTEST_GUILESS_MAIN(ProgramTest)
#include "ProgramTest.moc"
