#include "CommandLine.h"

#include <QFileInfo>

#include "Settings.h"

namespace {
const char kDefaultIdentifier[] = "0123456789";
}  // namespace

CommandLine::CommandLine()
    : debugOption("debug", "Enable the debug mode."),
      printOption("print", "Direct output to printer."),
      configOption("config", "Load the specified configuration <file>.", "file"),
      codeOption({"c", "code"}, "Assign the QR code <code>", "code", kDefaultIdentifier),
      serialOption({"s", "serial"}, "Assign the serial number <serial>", "serial",
                   kDefaultIdentifier),
      levelOption({"l", "level"},
                  "Restrict the logs to level <level>. can be: quiet, panic, fatal, error, warn, "
                  "info, verbose, debug, trace. \nDefault is 'fatal'.",
                  "level", "fatal") {
    parser.setApplicationDescription("Sabbeth");
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOptions(
        {debugOption, printOption, configOption, codeOption, serialOption, levelOption});
}

void CommandLine::process(const QStringList& arguments) {
    parser.process(arguments);
}

bool CommandLine::printOnly() const {
    return parser.isSet(printOption);
}

QString CommandLine::code() const {
    return parser.value(codeOption);
}

QString CommandLine::serial() const {
    return parser.value(serialOption);
}

QString CommandLine::startDocument() const {
    if (!parser.isSet(configOption)) {
        return Settings::instance().mostRecentFile();
    }
    const QString config = parser.value(configOption);
    const QFileInfo file(config);
    if (config.isEmpty() || !file.isFile()) {
        return QString();
    }
    Settings::instance().setMostRecentFile(file.absoluteFilePath());
    return file.absoluteFilePath();
}
