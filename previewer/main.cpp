// Quorlin: plays one camera's live stream with PTZ control.
#include <QApplication>
#include <QCommandLineParser>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "command_line.h"
#include "main_window.h"
#include "termination_signals.h"
#include "translations.h"
#include "visualizer_unit.h"

namespace {

// Shows the window playing the camera of params until the application quits; the window,
// its stream and its login are gone when this returns.
int showUntilQuit(const QCommandLineParser& parser, const DeviceParams& params) {
    MainWindow window;
    VisualizerUnit* unit = window.createVisualizerUnit();
    // Opened from the event loop, so that a termination signal which comes while the camera
    // is slow to answer ends that loop.
    QMetaObject::invokeMethod(
        unit, [unit, params] { unit->open(params); }, Qt::QueuedConnection);
    if (parser.isSet("fullscreen")) {
        window.showFullScreen();
    } else {
        window.show();
    }
    return QApplication::exec();
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName("Korvel");
    QCoreApplication::setApplicationName("Quorlin");
    QCoreApplication::setApplicationVersion("2.0.0.3");
    // kill and Ctrl+C end the program as closing its window does.
    TerminationSignals terminationSignals;
    int endingSignal = 0;
    QObject::connect(&terminationSignals, &TerminationSignals::received, &app,
                     [&endingSignal](int signalNumber) {
                         endingSignal = signalNumber;
                         QCoreApplication::quit();
                     });

    // Help, version and errors end the process here, before any translator: their texts
    // stay in English. So does a user name or password that the login would have to cut.
    QCommandLineParser parser;
    parser.setApplicationDescription(QObject::tr("IPC Previewer with PTZ Control"));
    command_line::addOptions(parser);
    parser.process(app);
    const DeviceParams params = command_line::deviceParams(parser);
    const QString loginProblem = loginTextProblem(params);
    if (!loginProblem.isEmpty()) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(QCoreApplication::applicationName()),
                     qPrintable(loginProblem));
        return EXIT_FAILURE;
    }

    translations::install(app, translations::chosenLanguage());

    const int exitCode = showUntilQuit(parser, params);
    if (endingSignal != 0) {
        // Said only at the end of the orderly stop, once the stream is closed and logged out.
        std::fprintf(stderr, "%s: stopped on signal %d (%s)\n",
                     qPrintable(QCoreApplication::applicationName()), endingSignal,
                     strsignal(endingSignal));
    }
    return exitCode;
}
