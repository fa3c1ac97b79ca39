// SPDX-License-Identifier: GPL-3.0-or-later
// Quadlo's entry point: the command line, the check for a graphical session,
// the application object and the one window.
#include <QApplication>
#include <QCommandLineParser>

#include <cstdio>
#include <optional>

#include "Version.h"
#include "form/StepClock.h"
#include "form/frmQuadlo.h"

namespace {

constexpr int kCannotStart = 1;
constexpr int kUsageError = 2;

void printLine(std::FILE* stream, const QString& text)
{
    std::fprintf(stream, "quadlo: %s\n", qPrintable(text));
}

// Parses the command line with a core application of its own, which gives the
// parser the program's name and arguments but needs no display, so that
// --help and --version work anywhere. It is gone before the window's
// application is made. Returns the exit status when the program is to stop
// here, with everything already printed.
std::optional<int> readCommandLine(QCommandLineParser& parser, int argc, char* argv[])
{
    QCoreApplication commandLine(argc, argv);
    // Qt's own help option would also offer --help-all, a list of Qt's
    // options that this parser, running before the window's application,
    // does not take.
    const QCommandLineOption help(
        { QStringLiteral("h"), QStringLiteral("help") }, QStringLiteral("Displays this help."));
    parser.addOption(help);
    const QCommandLineOption version = parser.addVersionOption();
    if (!parser.parse(QCoreApplication::arguments())) {
        printLine(stderr, parser.errorText());
        return kUsageError;
    }
    if (!parser.positionalArguments().isEmpty()) {
        printLine(stderr,
            QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().first()));
        return kUsageError;
    }
    if (parser.isSet(help)) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        return 0;
    }
    if (parser.isSet(version)) {
        std::printf("%s %s\n", qPrintable(QCoreApplication::applicationName()),
            qPrintable(QCoreApplication::applicationVersion()));
        return 0;
    }
    return std::nullopt;
}

// Qt cannot start without a platform to draw on, and on a machine with no
// display it ends the process with an abort and a hint to reinstall. X11 and
// Wayland (Qt's choice when no platform is named) need a server to connect
// to; any other platform named in QT_QPA_PLATFORM, such as offscreen, is
// left to Qt.
bool hasGraphicalSession()
{
    const QString platform = qEnvironmentVariable("QT_QPA_PLATFORM");
    if (!platform.isEmpty() && !platform.startsWith(QLatin1String("xcb"))
        && !platform.startsWith(QLatin1String("wayland")))
        return true;
    return !qEnvironmentVariableIsEmpty("DISPLAY")
        || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral("Quadlo"));
    QCoreApplication::setApplicationVersion(QLatin1String(quadlo::kVersion));
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QStringLiteral("Dots and squares on a grid of six by six dots against the computer."));
    const QCommandLineOption instant(QStringLiteral("instant"),
        QStringLiteral("Shows the computer's moves at once instead of one by one (also "
                       "QUADLO_INSTANT=1)."));
    parser.addOption(instant);
    if (const std::optional<int> status = readCommandLine(parser, argc, argv))
        return *status;

    if (!hasGraphicalSession()) {
        printLine(stderr,
            QStringLiteral("needs a graphical session (X11 or Wayland), and neither DISPLAY nor "
                           "WAYLAND_DISPLAY is set; without one, 'make test' runs the tests and "
                           "quadlo-engine plays the game headless."));
        return kCannotStart;
    }

    QApplication app(argc, argv);
    // Lets the desktop tie the window to the installed .desktop file and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.quadlo.Quadlo"));

    // Declared before the window, which stops it when it closes.
    quadlo::TimerStepClock clock;
    quadlo::frmQuadlo window;
    if (!quadlo::showsTurnsAtOnce(parser.isSet(instant)))
        window.setStepClock(&clock);
    window.show();
    return QApplication::exec();
}
