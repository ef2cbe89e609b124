#include "command_line.h"

namespace command_line {
namespace {

struct OptionRow {
    QStringList names;
    const char* description;
    const char* valueName;  // null for a flag
    const char* defaultValue;
};

// Descriptions stay untranslated: help is printed before any translator is installed.
const OptionRow kOptions[] = {
    {{"debug"}, "Enable the debug mode.", nullptr, nullptr},
    {{"i", "ip"}, "Open the ip address", "ip", ""},
    {{"u", "user"}, "User Name", "user", "admin"},
    {{"p", "password"}, "User login password", "password", ""},
    {{"t", "port"}, "Session port", "port", "80"},
    {{"f", "fullscreen"}, "Enable play in fullscreen", nullptr, nullptr},
    {{"s", "stream"}, "Stream id, main stream or sub stream", "stream", "0"},
};

}  // namespace

void addOptions(QCommandLineParser& parser) {
    parser.addHelpOption();
    parser.addVersionOption();
    for (const OptionRow& row : kOptions) {
        if (row.valueName == nullptr) {
            parser.addOption(QCommandLineOption(row.names, row.description));
        } else {
            parser.addOption(
                QCommandLineOption(row.names, row.description, row.valueName, row.defaultValue));
        }
    }
}

DeviceParams deviceParams(const QCommandLineParser& parser) {
    DeviceParams params;
    const QHostAddress address(parser.value("ip"));
    if (address.protocol() == QAbstractSocket::IPv4Protocol) {
        params.ip = address;
    }
    // A value that is not a number gives 0, as toInt reports it.
    params.port = parser.value("port").toInt(nullptr, 10);
    params.user = parser.value("user");
    params.password = parser.value("password");
    params.stream = parser.value("stream").toInt(nullptr, 10);
    return params;
}

}  // namespace command_line
