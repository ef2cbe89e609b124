#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QTranslator>

#include "MainWindow.h"
#include "Placeholder.h"
#include "Settings.h"

namespace {

const char kDefaultIdentifier[] = "0123456789";

struct CommandLine {
    QCommandLineOption debug{"debug", "Enable the debug mode."};
    QCommandLineOption print{"print", "Direct output to printer."};
    QCommandLineOption config{"config", "Load the specified configuration <file>.", "file"};
    QCommandLineOption code{{"c", "code"}, "Assign the QR code <code>", "code", kDefaultIdentifier};
    QCommandLineOption serial{
        {"s", "serial"}, "Assign the serial number <serial>", "serial", kDefaultIdentifier};
    QCommandLineOption level{{"l", "level"},
                             "Restrict the logs to level <level>. can be: quiet, panic, fatal, "
                             "error, warn, info, verbose, debug, trace. \nDefault is 'fatal'.",
                             "level",
                             "fatal"};

    void process(QCommandLineParser& parser, const QApplication& app) {
        parser.setApplicationDescription("Sabbeth");
        parser.addHelpOption();
        parser.addVersionOption();
        parser.addOptions({debug, print, config, code, serial, level});
        parser.process(app);
    }
};

void installTranslations(QApplication& app, const QLocale& locale) {
    const QString directory = QCoreApplication::applicationDirPath() + "/translations";
    for (const QString& catalogue : {QString("qt"), QCoreApplication::applicationName()}) {
        auto* translator = new QTranslator(&app);
        if (translator->load(locale, catalogue, "_", directory, ".qm")) {
            app.installTranslator(translator);
        } else {
            delete translator;
        }
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    Settings::setApplicationIdentity();

    QCommandLineParser parser;
    CommandLine options;
    options.process(parser, app);

    // Stored absolute, so that the document is found again whatever directory starts us next.
    if (parser.isSet(options.config)) {
        Settings::instance().setMostRecentFile(
            QFileInfo(parser.value(options.config)).absoluteFilePath());
    }
    Placeholder placeholder;
    placeholder.set("code", parser.value(options.code));
    placeholder.set("serial", parser.value(options.serial));
    installTranslations(app, Settings::instance().language());

    MainWindow window;
    window.setPlaceholder(&placeholder);
    if (parser.isSet(options.print)) {
        window.setUnattended(true);
        const bool printed = window.printMostRecentFile();
        window.close();
        return printed ? 0 : 1;
    }
    window.startWithMostRecentFile();
    window.show();
    return app.exec();
}
