// SPDX-License-Identifier: GPL-3.0-or-later
// The quadlo program run as a user runs it, with no display: what --help and
// --version print, the one-line refusals of a bad command line, and the
// one-line explanation instead of Qt's abort when there is no graphical
// session.
#include <QProcess>
#include <QTest>

#include "Version.h"

namespace {

struct Run {
    int status;
    QString out;
    QStringList errLines;
};

Run runQuadlo(const QStringList& arguments, const QString& platform = {})
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : { "DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM" })
        environment.remove(QString::fromLatin1(name));
    if (!platform.isEmpty())
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
    QProcess process;
    process.setProcessEnvironment(environment);
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

    void withoutAGraphicalSessionTheGameExplainsInOneLineAndStatusOne_data()
    {
        QTest::addColumn<QString>("platform");
        QTest::newRow("platform left to Qt") << QString();
        QTest::newRow("X11 named") << QStringLiteral("xcb");
        QTest::newRow("Wayland named") << QStringLiteral("wayland");
    }

    void withoutAGraphicalSessionTheGameExplainsInOneLineAndStatusOne()
    {
        QFETCH(QString, platform);
        const Run run = runQuadlo({}, platform);
        QCOMPARE(run.status, 1);
        QCOMPARE(run.errLines.size(), 1);
        QVERIFY2(run.errLines[0].startsWith(QStringLiteral("quadlo: needs a graphical session")),
            qPrintable(run.errLines[0]));
    }
};

QTEST_GUILESS_MAIN(ProgramTest)
#include "ProgramTest.moc"
