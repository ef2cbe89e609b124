// Quorlin: plays one camera's live stream with PTZ control.
#include <QApplication>
#include <QCommandLineParser>

#include <cstdio>
#include <cstdlib>

#include "command_line.h"
#include "main_window.h"
#include "termination_signals.h"
#include "translations.h"
#include "visualizer_unit.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName("Korvel");
    QCoreApplication::setApplicationName("Quorlin");
    QCoreApplication::setApplicationVersion("2.0.0.3");
    // kill and Ctrl+C end the program as closing its window does.
    TerminationSignals terminationSignals;
    QObject::connect(&terminationSignals, &TerminationSignals::received, &app,
                     &QCoreApplication::quit);

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

    MainWindow window;
    window.createVisualizerUnit()->open(params);
    if (parser.isSet("fullscreen")) {
        window.showFullScreen();
    } else {
        window.show();
    }
    return app.exec();
}
