// SPDX-License-Identifier: GPL-3.0-or-later
// Quadlo's entry point: the command line and the environment, the
// application object (or the player's one line when it cannot open the
// display), the player's language and the one window.
#include <QApplication>
#include <QCommandLineParser>
#include <QStyleFactory>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "Version.h"
#include "form/DeferredIconStyle.h"
#include "form/Preferences.h"
#include "form/StepClock.h"
#include "form/Translations.h"
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
    printLine(stderr, QCoreApplication::translate("main", "cannot write the output"));
    return kOutputFailed;
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
        QCoreApplication::translate("main",
            "QUADLO_INSTANT='%1' is none of 1/0, true/false, yes/no, on/off; the "
            "computer's moves are shown one by one")
            .arg(qEnvironmentVariable("QUADLO_INSTANT")));
    return false;
}

QString displayName(const char* variable)
{
    const QString value = qEnvironmentVariable(variable);
    return value.isEmpty() ? QCoreApplication::translate("main", "unset")
                           : QStringLiteral("'%1'").arg(value);
}

// The player's one line when no display can be reached, worded before the
// window's application is made, as that is when it is said.
QString cannotOpenWindow;

// What the command line and the environment ask for.
struct Request {
    // Set when the program is to stop here, with everything already printed.
    std::optional<int> exitStatus;
    bool instant = false;
};

// Reads the command line and the environment with a core application of its
// own, which gives the parser the program's name and arguments, and the
// texts their translations, but needs no display, so that --help and
// --version work anywhere. It is gone before the window's application is
// made.
Request readRequest(int argc, char* argv[], quadlo::Translations& translations)
{
    QCoreApplication commandLine(argc, argv);
    translations.install();
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QCoreApplication::translate(
        "main", "Dots and squares on a grid of six by six dots against the computer."));
    const QCommandLineOption instant(QStringLiteral("instant"),
        QCoreApplication::translate("main",
            "Shows the computer's moves at once instead of one by one (also "
            "QUADLO_INSTANT=1, true, yes or on)."));
    parser.addOption(instant);
    // Qt's own help option would also offer --help-all, a list of Qt's
    // options that this parser, running before the window's application,
    // does not take.
    const QCommandLineOption help({ QStringLiteral("h"), QStringLiteral("help") },
        QCoreApplication::translate("main", "Displays this help."));
    parser.addOption(help);
    const QCommandLineOption version = parser.addVersionOption();
    if (!parser.parse(QCoreApplication::arguments())) {
        printLine(stderr, parser.errorText());
        return { kUsageError };
    }
    if (!parser.positionalArguments().isEmpty()) {
        printLine(stderr,
            QCoreApplication::translate("main", "Unexpected argument '%1'.")
                .arg(parser.positionalArguments().first()));
        return { kUsageError };
    }
    if (parser.isSet(help)) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        return { outputWritten() };
    }
    if (parser.isSet(version)) {
        std::printf("%s %s\n", qPrintable(QCoreApplication::applicationName()),
            qPrintable(QCoreApplication::applicationVersion()));
        return { outputWritten() };
    }
    cannotOpenWindow = QCoreApplication::translate("main",
        "cannot open the game's window: no X11 or Wayland display could be reached "
        "(DISPLAY %1, WAYLAND_DISPLAY %2); start Quadlo from a desktop session")
                           .arg(displayName("DISPLAY"), displayName("WAYLAND_DISPLAY"));
    return { std::nullopt, parser.isSet(instant) || instantFromEnvironment() };
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

void holdWhileStarting(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type != QtFatalMsg) {
        heldMessages.push_back({ type, context.category ? context.category : "", text });
        return;
    }
    printLine(stderr, cannotOpenWindow);
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
    // Loaded once, and put into each application object in turn.
    quadlo::Translations translations(quadlo::messagesLocale());
    const Request request = readRequest(argc, argv, translations);
    if (request.exitStatus)
        return *request.exitStatus;

    qtMessageHandler = qInstallMessageHandler(holdWhileStarting);
    QApplication app(argc, argv);
    passOnHeldMessages();
    translations.install();
    // Lets the desktop tie the window to the installed .desktop file and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.quadlo.Quadlo"));

    // The desktop's style, with the menu bar's seldom-shown arrows read when
    // first drawn.
    if (QStyle* style = QStyleFactory::create(QApplication::style()->name()))
        QApplication::setStyle(new quadlo::DeferredIconStyle(style));

    // Declared before the window, which stops it when it closes.
    quadlo::TimerStepClock clock;
    quadlo::Preferences preferences(quadlo::Preferences::defaultPath());
    quadlo::frmQuadlo window;
    window.setStepClock(&clock);
    window.usePreferences(preferences, request.instant);
    window.show();
    return QApplication::exec();
}
