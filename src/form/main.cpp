// SPDX-License-Identifier: GPL-3.0-or-later
// Quadlo's entry point: the command line and the environment, the
// application object (or the player's one line when it cannot open the
// display) and the one window.
#include <QApplication>
#include <QCommandLineParser>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "Version.h"
#include "form/Preferences.h"
#include "form/StepClock.h"
#include "form/frmQuadlo.h"

namespace {

constexpr int kCannotStart = 1;
constexpr int kUsageError = 2;
// As quadlo-engine: what --help or --version printed did not reach its reader.
constexpr int kOutputFailed = 4;

void printLine(std::FILE* stream, const QString& text)
{
    std::fprintf(stream, "quadlo: %s\n", qPrintable(text));
}

// A full disk or a closed standard output is a failure, or a script would
// take the missing text for the whole of it.
int outputWritten()
{
    if (std::fflush(stdout) == 0 && std::ferror(stdout) == 0)
        return 0;
    printLine(stderr, QStringLiteral("cannot write the output"));
    return kOutputFailed;
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
        return outputWritten();
    }
    if (parser.isSet(version)) {
        std::printf("%s %s\n", qPrintable(QCoreApplication::applicationName()),
            qPrintable(QCoreApplication::applicationVersion()));
        return outputWritten();
    }
    return std::nullopt;
}

// QUADLO_INSTANT in any of the words people write for a switch. Unset or
// empty is the default; anything else is said in one line and ignored.
bool instantFromEnvironment()
{
    const QString value = qEnvironmentVariable("QUADLO_INSTANT").trimmed().toLower();
    if (value.isEmpty())
        return false;
    for (const char* on : { "1", "true", "yes", "on" }) {
        if (value == QLatin1String(on))
            return true;
    }
    for (const char* off : { "0", "false", "no", "off" }) {
        if (value == QLatin1String(off))
            return false;
    }
    printLine(stderr,
        QStringLiteral("QUADLO_INSTANT='%1' is none of 1/0, true/false, yes/no, on/off; the "
                       "computer's moves are shown one by one")
            .arg(qEnvironmentVariable("QUADLO_INSTANT")));
    return false;
}

// Qt ends the process with an abort when no platform can start (no display
// server, a DISPLAY or WAYLAND_DISPLAY that leads nowhere, a platform plugin
// that is not installed), after warnings meant for developers. While the
// application object is made, Qt's messages are held back: a fatal one
// becomes the player's one line and status 1, and the others are passed on
// once the window can open.
struct HeldMessage {
    QtMsgType type;
    std::string category;
    QString text;
};
std::vector<HeldMessage> heldMessages;
QtMessageHandler qtMessageHandler = nullptr;

QString displayName(const char* variable)
{
    const QString value = qEnvironmentVariable(variable);
    return value.isEmpty() ? QStringLiteral("unset") : QStringLiteral("'%1'").arg(value);
}

void holdWhileStarting(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type != QtFatalMsg) {
        heldMessages.push_back({ type, context.category ? context.category : "", text });
        return;
    }
    printLine(stderr,
        QStringLiteral("cannot open the game's window: no X11 or Wayland display could be reached "
                       "(DISPLAY %1, WAYLAND_DISPLAY %2); start Quadlo from a desktop session")
            .arg(displayName("DISPLAY"), displayName("WAYLAND_DISPLAY")));
    std::fflush(stderr);
    std::_Exit(kCannotStart);
}

void passOnHeldMessages()
{
    qInstallMessageHandler(qtMessageHandler);
    for (const HeldMessage& message : heldMessages) {
        const QMessageLogContext context(nullptr, 0, nullptr, message.category.c_str());
        qtMessageHandler(message.type, context, message.text);
    }
    heldMessages.clear();
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
                       "QUADLO_INSTANT=1, true, yes or on)."));
    parser.addOption(instant);
    if (const std::optional<int> status = readCommandLine(parser, argc, argv))
        return *status;

    const bool showsTurnsAtOnce = parser.isSet(instant) || instantFromEnvironment();

    qtMessageHandler = qInstallMessageHandler(holdWhileStarting);
    QApplication app(argc, argv);
    passOnHeldMessages();
    // Lets the desktop tie the window to the installed .desktop file and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.quadlo.Quadlo"));

    // Declared before the window, which stops it when it closes.
    quadlo::TimerStepClock clock;
    quadlo::Preferences preferences(quadlo::Preferences::defaultPath());
    quadlo::frmQuadlo window;
    window.setStepClock(&clock);
    window.usePreferences(preferences, showsTurnsAtOnce);
    window.show();
    return QApplication::exec();
}
